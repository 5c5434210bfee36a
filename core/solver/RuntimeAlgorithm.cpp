#include "solver/RuntimeAlgorithm.h"

#include <QDebug>

#include "errors/InconsistencyDataExceptionOstra.h"

namespace {

bool hasValue(const ParameterModel::ParameterModelPtr &n_parameter)
{
    return !n_parameter.isNull() && n_parameter->getValue().type() != QVariant::Invalid;
}

} // namespace

RuntimeAlgorithm::RuntimeAlgorithm(QSharedPointer<BaseAlgorithmData> n_algorithmData)
    : StaticAlgorithm(n_algorithmData)
{
    // Re-planning takes elements out of the visited set again.
    m_visited.keepsSet = true;
}

RuntimeAlgorithm::RuntimeAlgorithm(bool n_useDefaultValues, bool n_useConstraints)
    : StaticAlgorithm(n_useDefaultValues, n_useConstraints)
{
    // Re-planning takes elements out of the visited set again.
    m_visited.keepsSet = true;
}

RuntimeAlgorithm::RuntimeAlgorithm(const BaseClassCommonData &n_network, bool n_useDefaultValues,
                                   bool n_useConstraints)
    : StaticAlgorithm(n_network, n_useDefaultValues, n_useConstraints)
{
    // Re-planning takes elements out of the visited set again.
    m_visited.keepsSet = true;
}

RuntimeAlgorithm::~RuntimeAlgorithm()
{
}

BaseAlgorithm::OstraSearchType RuntimeAlgorithm::getAlgorithmType() const
{
    return RUNTIME_ALGORITHM;
}

bool RuntimeAlgorithm::calculate()
{
    search();
    if (!m_algorithmSolution->checkAlgorithmInegrity())
        throw InconsistencyDataExceptionOstra(QStringLiteral("RuntimeAlgorithm"),
                                              QStringLiteral("calculate()"),
                                              QSharedPointer<ExceptionOstra>());
    if (m_algorithmSolution->getSolutionStatus() == AlgorithmSolution::CONSTRAINT_FAILED)
        return false;
    QList<RuleModel::RuleModelPtr> order = m_algorithmSolution->getRulesOrder();
    for (int i = 0; i < order.size(); ++i) {
        const RuleModel::RuleModelPtr rule = order.at(i);
        rule->calculate();
        addExploredParametersFromRule(rule);
        if (!checkRuleOutputs(rule)) {
            clearAlgorithmAfterRule(rule, order);
            additionalSearch();
            order = m_algorithmSolution->getRulesOrder();
        }
        if (m_useConstraints && !checkConstraints(rule))
            return true;
    }
    m_calculated = true;
    m_algorithmSolution->setSolutionStatus(AlgorithmSolution::SOLVED);
    return true;
}

void RuntimeAlgorithm::resetAlgorithm()
{
    StaticAlgorithm::resetAlgorithm();
}

void RuntimeAlgorithm::addExploredParametersFromRule(RuleModel::RuleModelPtr n_rule)
{
    const QHash<QString, ParameterModel::ParameterModelPtr> outputs = n_rule->getOutputParameters();
    for (auto it = outputs.constBegin(); it != outputs.constEnd(); ++it)
        if (hasValue(it.value()))
            m_algorithmSolution->addCalculatedParameter(it.value());
}

bool RuntimeAlgorithm::checkRuleOutputs(RuleModel::RuleModelPtr n_rule)
{
    bool result = true;
    const QHash<QString, ParameterModel::ParameterModelPtr> outputs = n_rule->getOutputParameters();
    for (auto it = outputs.constBegin(); it != outputs.constEnd(); ++it) {
        if (it.value().isNull() || hasValue(it.value()))
            continue;
        m_algorithmSolution->deleteExploredParameter(it.value());
        result = false;
    }
    return result;
}

void RuntimeAlgorithm::clearAlgorithmAfterRule(RuleModel::RuleModelPtr n_rule,
                                               QList<RuleModel::RuleModelPtr> &n_order)
{
    int failed = -1;
    for (int j = 0; j < n_order.size() && failed < 0; ++j)
        if (n_order.at(j) == n_rule)
            failed = j;
    const QSet<ParameterModel::ParameterModelPtr> calculated =
        m_algorithmSolution->getCalculatedParameters();
    const QSet<ParameterModel::ParameterModelPtr> known = m_algorithmSolution->getKnownParameters();
    QSet<QSharedPointer<BaseOstraObj>> kept;
    QSet<ParameterModel::ParameterModelPtr> newCalculated;
    for (int j = 0; j <= failed; ++j) {
        const RuleModel::RuleModelPtr &rule = n_order.at(j);
        const QHash<QString, ParameterModel::ParameterModelPtr> outputs =
            rule->getOutputParameters();
        for (auto it = outputs.constBegin(); it != outputs.constEnd(); ++it) {
            if (hasValue(it.value()) && calculated.contains(it.value())) {
                newCalculated.insert(it.value());
                kept.insert(it.value());
            }
        }
        kept.insert(rule);
    }
    for (int j = failed + 1; j < n_order.size(); ++j)
        m_algorithmSolution->deleteRuleFromOrder(n_order.at(j));
    kept.insert(n_rule);

    m_visited.set.subtract(kept);
    for (const QSharedPointer<BaseOstraObj> &element : sortedById(m_visited.set)) {
        const OstraObjectType type = element->getOstraObjectType();
        if (type == OBJECT_TYPE_RULE) {
            qSharedPointerCast<RuleModel>(element)->reset();
        } else if (type == OBJECT_TYPE_PARAMETER) {
            const ParameterModel::ParameterModelPtr parameter = qSharedPointerCast<ParameterModel>(
                element);
            if (!known.contains(parameter))
                parameter->reset();
        } else {
            qWarning() << "Ошибка при поиске в ширину, не должно быть";
        }
    }
    // A reset clears the required flag too; without it the next search could not plan another
    // producer for a required output that the failed rule left empty.
    const QSet<ParameterModel::ParameterModelPtr> reached =
        m_algorithmSolution->getExploredParameters();
    for (const ParameterModel::ParameterModelPtr &parameter :
         m_algorithmSolution->getRequiredParameters())
        if (!reached.contains(parameter))
            parameter->m_required = true;
    m_algorithmSolution->setCalculatedParameters(newCalculated);
}

void RuntimeAlgorithm::additionalBaseSearch()
{
    QSet<ParameterModel::ParameterModelPtr> known = m_algorithmSolution->getKnownParameters();
    known.unite(m_algorithmSolution->getCalculatedParameters());
    QSet<ParameterModel::ParameterModelPtr> required = m_algorithmSolution->getRequiredParameters();
    m_workQueue.clear();
    baseSearch(known, required);
}

void RuntimeAlgorithm::additionalSearch()
{
    const QList<RuleModel::RuleModelPtr> current = m_algorithmSolution->getRulesOrder();
    const QSet<RuleModel::RuleModelPtr> placed(current.begin(), current.end());
    const QSet<ParameterModel::ParameterModelPtr> produced =
        m_algorithmSolution->getCalculatedParameters();
    additionalBaseSearch();
    appendRulesOrder(produced, placed, searchLimit(), QStringLiteral("RuntimeAlgorithm"),
                     QStringLiteral("additionalSearch()"));
}
