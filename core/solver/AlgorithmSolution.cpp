#include "solver/AlgorithmSolution.h"

#include "errors/BadValueExceptionOstra.h"

AlgorithmSolution::AlgorithmSolution() : m_solutionStatus(NOT_SOLVED)
{
}

AlgorithmSolution::~AlgorithmSolution()
{
}

AlgorithmSolution::solutionStatus AlgorithmSolution::getSolutionStatus() const
{
    return m_solutionStatus;
}

void AlgorithmSolution::setSolutionStatus(solutionStatus n_status)
{
    m_solutionStatus = n_status;
}

void AlgorithmSolution::addKnownParameter(ParameterModelPtr n_knownParameter)
{
    const QVariant value = n_knownParameter->getValue();
    if (value.type() == QVariant::Invalid)
        throw BadValueExceptionOstra(
            value, QStringLiteral("Try add parameter as known without valid value"),
            QStringLiteral("AlgorithmSolution"),
            QStringLiteral("addKnownParameter(ParameterModel::ParameterModelPtr n_knownParameter)"),
            QSharedPointer<ExceptionOstra>());
    if (m_knownParameters.contains(n_knownParameter))
        return;
    n_knownParameter->m_explored = true;
    m_knownParameters.insert(n_knownParameter);
    m_usedParameters.insert(n_knownParameter);
}

void AlgorithmSolution::addKnownParameter(ParameterModelPtr n_knownParameter, QVariant n_value)
{
    n_knownParameter->setValue(n_value);
    addKnownParameter(n_knownParameter);
}

void AlgorithmSolution::addUsedParameters(QSet<ParameterModelPtr> &n_parameters)
{
    m_usedParameters.unite(n_parameters);
}

// Every linked parameter of both sides, an unbound name's null included, as the tables give them;
// straight from the links, since a plan appends every rule of it here.
void AlgorithmSolution::addUsedParameters(RulePtr n_rule)
{
    const auto use = [this](const QSharedPointer<ParameterVertexPtrConn> &n_parameter) {
        m_usedParameters.insert(qSharedPointerCast<ParameterModel>(n_parameter));
    };
    n_rule->forEachInputParameter(use);
    n_rule->forEachOutputParameter(use);
}

void AlgorithmSolution::addKnownParameters(QSet<ParameterModelPtr> n_parameters)
{
    for (const ParameterModelPtr &parameter : qAsConst(n_parameters))
        addKnownParameter(parameter);
}

void AlgorithmSolution::addKnownParameters(QHash<ParameterModelPtr, QVariant> n_parameters)
{
    for (auto it = n_parameters.constBegin(); it != n_parameters.constEnd(); ++it)
        addKnownParameter(it.key(), it.value());
}

void AlgorithmSolution::deleteKnownParameter(ParameterModelPtr n_parameter)
{
    m_knownParameters.remove(n_parameter);
}

QSet<AlgorithmSolution::ParameterModelPtr> AlgorithmSolution::getKnownParameters() const
{
    return m_knownParameters;
}

int AlgorithmSolution::getKnownParametersCount() const
{
    return m_knownParameters.size();
}

void AlgorithmSolution::setKnownParameters(QSet<ParameterModelPtr> n_parameters)
{
    m_knownParameters = n_parameters;
}

void AlgorithmSolution::clearKnownParameters()
{
    m_knownParameters.clear();
}

void AlgorithmSolution::addRequiredParameter(ParameterModelPtr n_parameter)
{
    if (m_requiredParameters.contains(n_parameter))
        return;
    n_parameter->m_required = true;
    m_requiredParameters.insert(n_parameter);
}

void AlgorithmSolution::addRequiredParameters(QSet<ParameterModelPtr> n_parameters)
{
    for (const ParameterModelPtr &parameter : qAsConst(n_parameters))
        addRequiredParameter(parameter);
}

void AlgorithmSolution::deleteRequiredParameter(ParameterModelPtr n_parameter)
{
    m_requiredParameters.remove(n_parameter);
}

QSet<AlgorithmSolution::ParameterModelPtr> AlgorithmSolution::getRequiredParameters() const
{
    return m_requiredParameters;
}

int AlgorithmSolution::getRequiredParametersCount() const
{
    return m_requiredParameters.size();
}

void AlgorithmSolution::setRequiredParameters(QSet<ParameterModelPtr> n_parameters)
{
    m_requiredParameters = n_parameters;
}

void AlgorithmSolution::clearRequiredParameters()
{
    m_requiredParameters.clear();
}

void AlgorithmSolution::addExploredParameter(ParameterModelPtr n_parameter)
{
    if (m_exploredParameters.contains(n_parameter) || m_knownParameters.contains(n_parameter))
        return;
    m_exploredParameters.insert(n_parameter);
    m_usedParameters.insert(n_parameter);
}

void AlgorithmSolution::deleteExploredParameter(ParameterModelPtr n_parameter)
{
    if (m_exploredParameters.remove(n_parameter))
        n_parameter->m_explored = false;
}

QSet<AlgorithmSolution::ParameterModelPtr> AlgorithmSolution::getExploredParameters() const
{
    return m_exploredParameters;
}

int AlgorithmSolution::getExploredParametersCount() const
{
    return m_exploredParameters.size();
}

void AlgorithmSolution::setExploredParameters(QSet<ParameterModelPtr> n_parameters)
{
    m_exploredParameters = n_parameters;
}

void AlgorithmSolution::clearExploredParameters()
{
    m_exploredParameters.clear();
}

void AlgorithmSolution::addCalculatedParameter(ParameterModelPtr n_parameter)
{
    if (m_calculatedParameters.contains(n_parameter))
        return;
    m_calculatedParameters.insert(n_parameter);
    m_usedParameters.insert(n_parameter);
}

QSet<AlgorithmSolution::ParameterModelPtr> AlgorithmSolution::getCalculatedParameters() const
{
    return m_calculatedParameters;
}

int AlgorithmSolution::getCalculatedParametersCount() const
{
    return m_calculatedParameters.size();
}

void AlgorithmSolution::setCalculatedParameters(QSet<ParameterModelPtr> n_parameters)
{
    m_calculatedParameters = n_parameters;
}

void AlgorithmSolution::clearCalculatedParameters()
{
    m_calculatedParameters.clear();
}

void AlgorithmSolution::addUsedParameter(ParameterModelPtr n_parameter)
{
    m_usedParameters.insert(n_parameter);
}

QSet<AlgorithmSolution::ParameterModelPtr> AlgorithmSolution::getUsedParameters() const
{
    return m_usedParameters;
}

int AlgorithmSolution::getUsedParametersCount() const
{
    return m_usedParameters.size();
}

void AlgorithmSolution::clearUsedParameters()
{
    m_usedParameters.clear();
}

QSet<AlgorithmSolution::ParameterModelPtr> AlgorithmSolution::getCalculatedRequiredParameters()
    const
{
    return QSet<ParameterModelPtr>(m_calculatedParameters).intersect(m_requiredParameters);
}

QSet<AlgorithmSolution::ParameterModelPtr> AlgorithmSolution::getCalculatedNotRequiredParameters()
    const
{
    return QSet<ParameterModelPtr>(m_calculatedParameters).subtract(m_requiredParameters);
}

QSet<AlgorithmSolution::ParameterModelPtr> AlgorithmSolution::getNotCalculatedRequiredParameters()
    const
{
    return QSet<ParameterModelPtr>(m_requiredParameters).subtract(m_calculatedParameters);
}

QSet<AlgorithmSolution::ParameterModelPtr> AlgorithmSolution::getRequiredExploredParameters()
{
    return QSet<ParameterModelPtr>(m_requiredParameters).intersect(m_exploredParameters);
}

QSet<AlgorithmSolution::ParameterModelPtr> AlgorithmSolution::getRequiredNotExploredParameters()
{
    return QSet<ParameterModelPtr>(m_requiredParameters).subtract(m_exploredParameters);
}

QSet<AlgorithmSolution::ParameterModelPtr> AlgorithmSolution::getNotRequiredExploredParameters()
{
    return QSet<ParameterModelPtr>(m_exploredParameters).subtract(m_requiredParameters);
}

void AlgorithmSolution::appendRule(RulePtr n_rule)
{
    m_rulesOrder.append(n_rule);
    addUsedParameters(n_rule);
}

void AlgorithmSolution::prependRule(RulePtr n_rule)
{
    m_rulesOrder.prepend(n_rule);
    addUsedParameters(n_rule);
}

void AlgorithmSolution::deleteRuleFromOrder(RulePtr n_rule)
{
    const int index = m_rulesOrder.indexOf(n_rule);
    if (index >= 0)
        m_rulesOrder.removeAt(index);
}

QList<AlgorithmSolution::RulePtr> AlgorithmSolution::getRulesOrder() const
{
    return m_rulesOrder;
}

bool AlgorithmSolution::isRulesOrderEmpty() const
{
    return m_rulesOrder.isEmpty();
}

int AlgorithmSolution::getRulesOrderCount() const
{
    return m_rulesOrder.size();
}

void AlgorithmSolution::clearRuleOrder()
{
    m_rulesOrder.clear();
}

int AlgorithmSolution::indexOfProblemRule() const
{
    if (m_problemRule.isNull())
        return -1;
    return m_rulesOrder.indexOf(m_problemRule);
}

QList<AlgorithmSolution::RulePtr> AlgorithmSolution::getRulesBeforeFail() const
{
    const int index = indexOfProblemRule();
    return index < 0 ? QList<RulePtr>() : m_rulesOrder.mid(0, index);
}

QList<AlgorithmSolution::RulePtr> AlgorithmSolution::getRulesAfterFail() const
{
    const int index = indexOfProblemRule();
    return index < 0 ? QList<RulePtr>() : m_rulesOrder.mid(index);
}

void AlgorithmSolution::setProblemRule(RulePtr n_rule)
{
    m_problemRule = n_rule;
}

AlgorithmSolution::RulePtr AlgorithmSolution::getProblemRule() const
{
    return m_problemRule;
}

bool AlgorithmSolution::isProblemRuleNull() const
{
    return m_problemRule.isNull();
}

void AlgorithmSolution::deleteProblemRule()
{
    m_problemRule.reset();
}

void AlgorithmSolution::setProblemConstraint(ConstraintPtr n_constraint)
{
    m_problemConstraint = n_constraint;
}

AlgorithmSolution::ConstraintPtr AlgorithmSolution::getProblemConstraint() const
{
    return m_problemConstraint;
}

bool AlgorithmSolution::isProblemConstraintNull() const
{
    return m_problemConstraint.isNull();
}

void AlgorithmSolution::deleteProblemConstraint()
{
    m_problemConstraint.reset();
}

void AlgorithmSolution::resetSolution()
{
    m_problemConstraint.reset();
    m_problemRule.reset();
    m_exploredParameters.clear();
    m_requiredParameters.clear();
    m_knownParameters.clear();
    m_calculatedParameters.clear();
    m_usedParameters.clear();
    m_rulesOrder.clear();
    m_solutionStatus = NOT_SOLVED;
}

// Straight from the links, as addUsedParameters(rule) reads them: no table is built per rule.
bool AlgorithmSolution::checkAlgorithmInegrity() const
{
    if (m_requiredParameters.isEmpty())
        return false;
    bool whole = true;
    const auto check = [&](const QSharedPointer<ParameterVertexPtrConn> &n_parameter) {
        whole = whole && m_usedParameters.contains(qSharedPointerCast<ParameterModel>(n_parameter));
    };
    for (const RulePtr &rule : m_rulesOrder) {
        rule->forEachInputParameter(check);
        rule->forEachOutputParameter(check);
        if (!whole)
            return false;
    }
    return true;
}
