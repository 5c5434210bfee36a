#ifndef RUNTIMEALGORITHM_H
#define RUNTIMEALGORITHM_H

#include <QList>
#include <QSharedPointer>

#include "solver/StaticAlgorithm.h"

// The solver the class test runs: it plans as the static solver does, and when a rule leaves an
// output without a value it withdraws the rest of the plan, forgets what the searches found beyond
// the rules already run, and plans again from the values computed so far.
class RuntimeAlgorithm : public StaticAlgorithm
{
public:
    explicit RuntimeAlgorithm(QSharedPointer<BaseAlgorithmData> n_algorithmData);
    RuntimeAlgorithm(bool n_useDefaultValues, bool n_useConstraints);
    RuntimeAlgorithm(const BaseClassCommonData &n_network, bool n_useDefaultValues,
                     bool n_useConstraints);
    ~RuntimeAlgorithm() override;

    OstraSearchType getAlgorithmType() const override;
    bool calculate() override;
    void resetAlgorithm() override;
    // Records the outputs that hold a value; the others are passed over.
    void addExploredParametersFromRule(RuleModel::RuleModelPtr n_rule) override;

    bool checkRuleOutputs(RuleModel::RuleModelPtr n_rule);
    void clearAlgorithmAfterRule(RuleModel::RuleModelPtr n_rule,
                                 QList<RuleModel::RuleModelPtr> &n_order);
    void additionalBaseSearch();
    void additionalSearch();
};

#endif // RUNTIMEALGORITHM_H
