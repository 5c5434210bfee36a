#include "solver/StaticAlgorithm.h"

#include <QDebug>

#include "errors/BadValueFromRule.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/LoopExceptionOstra.h"
#include "errors/NoKnownParametersExceptionOstra.h"
#include "errors/NoRequiredParametersExceptionOstra.h"

namespace {

const QString CLASS_NAME = QStringLiteral("StaticAlgorithm");

} // namespace

StaticAlgorithm::StaticAlgorithm(QSharedPointer<BaseAlgorithmData> n_algorithmData)
    : BaseAlgorithm(n_algorithmData)
{
}

StaticAlgorithm::StaticAlgorithm(bool n_useDefaultValues, bool n_useConstraints)
    : BaseAlgorithm(n_useDefaultValues, n_useConstraints)
{
}

StaticAlgorithm::StaticAlgorithm(const BaseClassCommonData &n_network, bool n_useDefaultValues,
                                 bool n_useConstraints)
    : BaseAlgorithm(n_network,
                    QSharedPointer<BaseAlgorithmData>::create(n_useDefaultValues, n_useConstraints))
{
}

StaticAlgorithm::~StaticAlgorithm()
{
}

BaseAlgorithm::OstraSearchType StaticAlgorithm::getAlgorithmType() const
{
    return STATIC_ALGORITHM;
}

void StaticAlgorithm::search()
{
    if (m_algorithmSolution->getKnownParametersCount() == 0)
        throw NoKnownParametersExceptionOstra(CLASS_NAME, QStringLiteral("search()"),
                                              QSharedPointer<ExceptionOstra>());
    if (m_algorithmSolution->getRequiredParametersCount() == 0)
        throw NoRequiredParametersExceptionOstra(CLASS_NAME, QStringLiteral("search()"),
                                                 QSharedPointer<ExceptionOstra>());
    if (m_useDefaultValues)
        setParametersDefaultValuesAsKnown();
    if (m_useConstraints) {
        addKnownParametersConstraints();
        if (!checkConstraints(m_nullRule))
            return;
    }
    baseSearch();
    appendRulesOrder(QSet<ParameterModel::ParameterModelPtr>(), QSet<RuleModel::RuleModelPtr>(),
                     searchLimit(), CLASS_NAME, QStringLiteral("search()"));
}

bool StaticAlgorithm::calculate()
{
    search();
    if (!m_algorithmSolution->checkAlgorithmInegrity())
        throw InconsistencyDataExceptionOstra(CLASS_NAME,
                                              QStringLiteral("checkAlgorithmInegrity()"),
                                              QSharedPointer<ExceptionOstra>());
    if (m_algorithmSolution->getSolutionStatus() == AlgorithmSolution::CONSTRAINT_FAILED)
        return false;
    const QList<RuleModel::RuleModelPtr> order = m_algorithmSolution->getRulesOrder();
    RuleModel::RuleModelPtr current;
    try {
        for (const RuleModel::RuleModelPtr &rule : order) {
            current = rule;
            rule->calculate();
            addExploredParametersFromRule(rule);
            if (m_useConstraints && !checkConstraints(rule))
                return true;
        }
        m_calculated = true;
        m_algorithmSolution->setSolutionStatus(AlgorithmSolution::SOLVED);
    } catch (const BadValueFromRule &) {
        m_algorithmSolution->setSolutionStatus(AlgorithmSolution::RULE_FAILED);
        m_algorithmSolution->setProblemRule(current);
        m_calculated = true;
    }
    return true;
}

void StaticAlgorithm::addExploredParametersFromRule(RuleModel::RuleModelPtr n_rule)
{
    const QHash<QString, ParameterModel::ParameterModelPtr> outputs = n_rule->getOutputParameters();
    for (auto it = outputs.constBegin(); it != outputs.constEnd(); ++it) {
        const ParameterModel::ParameterModelPtr &parameter = it.value();
        if (parameter.isNull())
            continue;
        const QVariant value = parameter->getValue();
        if (value.type() == QVariant::Invalid)
            throw BadValueFromRule(
                n_rule->getId(), parameter->getId(), value, CLASS_NAME,
                QStringLiteral("addExploredParametersFromRule(RuleModel::RuleModelPtr n_rule)"),
                QSharedPointer<ExceptionOstra>());
        m_algorithmSolution->addCalculatedParameter(parameter);
    }
}

void StaticAlgorithm::resetAlgorithm()
{
    m_workQueue.clear();
    m_algorithmSolution->resetSolution();
    m_ruleConstraints.clear();
    BaseClassCommonData::reset();
    forgetSearches();
}

void StaticAlgorithm::setData(BaseClassCommonData &n_network)
{
    BaseAlgorithm::setData(n_network);
    forgetSearches();
}

void StaticAlgorithm::reset()
{
    BaseClassCommonData::reset();
    forgetPaths();
}

void StaticAlgorithm::setParametersDefaultValuesAsKnown()
{
    setAllParametersValueToDefaultExceptIncomming();
    for (const ParameterModel::ParameterModelPtr &parameter : qAsConst(m_defaultValueParameters))
        m_algorithmSolution->addKnownParameter(parameter);
}

void StaticAlgorithm::setAllParametersValueToDefaultExceptIncomming()
{
    gatherParametersWithDefValues();
    const QSet<ParameterModel::ParameterModelPtr> known = m_algorithmSolution->getKnownParameters();
    for (const ParameterModel::ParameterModelPtr &parameter : qAsConst(m_defaultValueParameters))
        if (!known.contains(parameter))
            parameter->setDefaultValueToValue();
}

// Gathered afresh each time, so a reloaded solver never keeps parameters it no longer holds.
void StaticAlgorithm::gatherParametersWithDefValues()
{
    m_defaultValueParameters.clear();
    for (const ParameterModel::ParameterModelPtr &parameter : getParametersHash().values())
        if (parameter->hasDefaultValue())
            m_defaultValueParameters.append(parameter);
}

void StaticAlgorithm::addParameterConstraint(ParameterModel::ParameterModelPtr n_parameter,
                                             RuleModel::RuleModelPtr n_rule)
{
    if (n_parameter.isNull())
        return;
    for (const QSharedPointer<ConstraintModel> &constraint : n_parameter->getConstraints())
        if (!constraint.isNull() && constraint->canBeExplored())
            m_ruleConstraints.insert(n_rule, constraint);
}

void StaticAlgorithm::addKnownParametersConstraints()
{
    for (const ParameterModel::ParameterModelPtr &parameter :
         sortedById(m_algorithmSolution->getKnownParameters()))
        addParameterConstraint(parameter, m_nullRule);
}

void StaticAlgorithm::addRuleConstraints(RuleModel::RuleModelPtr n_rule)
{
    const QHash<QString, ParameterModel::ParameterModelPtr> outputs = n_rule->getOutputParameters();
    for (auto it = outputs.constBegin(); it != outputs.constEnd(); ++it)
        addParameterConstraint(it.value(), n_rule);
}

bool StaticAlgorithm::checkConstraints(RuleModel::RuleModelPtr n_rule)
{
    const QList<QSharedPointer<ConstraintModel>> constraints = m_ruleConstraints.values(n_rule);
    for (const QSharedPointer<ConstraintModel> &constraint : constraints) {
        bool complete = true;
        const QHash<QString, ParameterModel::ParameterModelPtr> inputs =
            constraint->getInputParameters();
        for (auto it = inputs.constBegin(); it != inputs.constEnd() && complete; ++it)
            complete = !it.value().isNull() && it.value()->getValue().type() != QVariant::Invalid;
        if (!complete)
            continue;
        if (!constraint->calculate()) {
            m_algorithmSolution->setSolutionStatus(AlgorithmSolution::CONSTRAINT_FAILED);
            m_algorithmSolution->setProblemConstraint(constraint);
            return false;
        }
    }
    return true;
}
