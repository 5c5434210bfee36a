#ifndef ALGORITHMSOLUTION_H
#define ALGORITHMSOLUTION_H

#include <QList>
#include <QSet>
#include <QSharedPointer>
#include <QVariant>

#include "elements/ConstraintModel.h"
#include "elements/ParameterModel.h"
#include "elements/RuleModel.h"

// The record of one solver run: the parameters given, asked for, reached, computed and touched,
// the planned rule order and how the run ended. Elements are shared, never copied.
class AlgorithmSolution
{
public:
    enum solutionStatus { SOLVED = 0, RULE_FAILED = 1, CONSTRAINT_FAILED = 2, NOT_SOLVED = 3 };

    typedef ParameterModel::ParameterModelPtr ParameterModelPtr;
    typedef QSharedPointer<RuleModel> RulePtr;
    typedef QSharedPointer<ConstraintModel> ConstraintPtr;

    AlgorithmSolution();
    AlgorithmSolution(const AlgorithmSolution &n_other) = default;
    AlgorithmSolution &operator=(const AlgorithmSolution &n_other) = default;
    virtual ~AlgorithmSolution();

    solutionStatus getSolutionStatus() const;
    void setSolutionStatus(solutionStatus n_status);

    // A parameter without a valid value cannot be known.
    virtual void addKnownParameter(ParameterModelPtr n_knownParameter);
    // The value is stored first, even when the parameter is known already.
    virtual void addKnownParameter(ParameterModelPtr n_knownParameter, QVariant n_value);
    virtual void addUsedParameters(QSet<ParameterModelPtr> &n_parameters);
    virtual void addUsedParameters(RulePtr n_rule);

    void addKnownParameters(QSet<ParameterModelPtr> n_parameters);
    void addKnownParameters(QHash<ParameterModelPtr, QVariant> n_parameters);
    void deleteKnownParameter(ParameterModelPtr n_parameter);
    QSet<ParameterModelPtr> getKnownParameters() const;
    int getKnownParametersCount() const;
    void setKnownParameters(QSet<ParameterModelPtr> n_parameters);
    void clearKnownParameters();

    void addRequiredParameter(ParameterModelPtr n_parameter);
    void addRequiredParameters(QSet<ParameterModelPtr> n_parameters);
    void deleteRequiredParameter(ParameterModelPtr n_parameter);
    QSet<ParameterModelPtr> getRequiredParameters() const;
    int getRequiredParametersCount() const;
    void setRequiredParameters(QSet<ParameterModelPtr> n_parameters);
    void clearRequiredParameters();

    void addExploredParameter(ParameterModelPtr n_parameter);
    void deleteExploredParameter(ParameterModelPtr n_parameter);
    QSet<ParameterModelPtr> getExploredParameters() const;
    int getExploredParametersCount() const;
    void setExploredParameters(QSet<ParameterModelPtr> n_parameters);
    void clearExploredParameters();

    void addCalculatedParameter(ParameterModelPtr n_parameter);
    QSet<ParameterModelPtr> getCalculatedParameters() const;
    int getCalculatedParametersCount() const;
    void setCalculatedParameters(QSet<ParameterModelPtr> n_parameters);
    void clearCalculatedParameters();

    void addUsedParameter(ParameterModelPtr n_parameter);
    QSet<ParameterModelPtr> getUsedParameters() const;
    int getUsedParametersCount() const;
    void clearUsedParameters();

    QSet<ParameterModelPtr> getCalculatedRequiredParameters() const;
    QSet<ParameterModelPtr> getCalculatedNotRequiredParameters() const;
    QSet<ParameterModelPtr> getNotCalculatedRequiredParameters() const;
    QSet<ParameterModelPtr> getRequiredExploredParameters();
    QSet<ParameterModelPtr> getRequiredNotExploredParameters();
    QSet<ParameterModelPtr> getNotRequiredExploredParameters();

    void appendRule(RulePtr n_rule);
    // Puts the rule first in the order.
    void prependRule(RulePtr n_rule);
    void deleteRuleFromOrder(RulePtr n_rule);
    QList<RulePtr> getRulesOrder() const;
    bool isRulesOrderEmpty() const;
    int getRulesOrderCount() const;
    void clearRuleOrder();
    QList<RulePtr> getRulesBeforeFail() const;
    QList<RulePtr> getRulesAfterFail() const;

    void setProblemRule(RulePtr n_rule);
    RulePtr getProblemRule() const;
    bool isProblemRuleNull() const;
    void deleteProblemRule();
    void setProblemConstraint(ConstraintPtr n_constraint);
    ConstraintPtr getProblemConstraint() const;
    bool isProblemConstraintNull() const;
    void deleteProblemConstraint();

    void resetSolution();
    // False when nothing is required or a parameter of a planned rule is missing from the used set.
    bool checkAlgorithmInegrity() const;

private:
    int indexOfProblemRule() const;

    solutionStatus m_solutionStatus;
    QList<RulePtr> m_rulesOrder;
    ConstraintPtr m_problemConstraint;
    RulePtr m_problemRule;
    QSet<ParameterModelPtr> m_exploredParameters;
    QSet<ParameterModelPtr> m_calculatedParameters;
    QSet<ParameterModelPtr> m_requiredParameters;
    QSet<ParameterModelPtr> m_knownParameters;
    QSet<ParameterModelPtr> m_usedParameters;
};

#endif // ALGORITHMSOLUTION_H
