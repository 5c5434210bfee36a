#include "solver/IRuleData.h"

#include "errors/ElementAlreadyExistExceptionOstra.h"
#include "errors/NoElementExceptionOstra.h"

IRuleData::IRuleData() {}

IRuleData::IRuleData(const IRuleData &n_other)
{
    copyRules(n_other);
}

IRuleData::~IRuleData() {}

IRuleData::RuleSharedPtr IRuleData::getRule(const QString &n_id) const
{
    return getRuleSharedPtr(n_id);
}

QHash<QString, IRuleData::RuleSharedPtr> IRuleData::getRulesHash() const
{
    return m_rules;
}

int IRuleData::getRulesCount() const
{
    return m_rules.size();
}

bool IRuleData::rulesContains(const QString &n_id) const
{
    return m_rules.contains(n_id);
}

IRuleData::RuleSharedPtr IRuleData::getRuleSharedPtr(const QString &n_id) const
{
    const auto it = m_rules.constFind(n_id);
    if (it == m_rules.constEnd())
        throw NoElementExceptionOstra(n_id, QStringLiteral("IRuleData"),
                                      QStringLiteral("getRuleSharedPtr(const QString &n_name)"),
                                      QSharedPointer<ExceptionOstra>());
    return it.value();
}

IRuleData::RuleSharedPtr IRuleData::getRulePtr(const QString &n_id) const
{
    const auto it = m_rules.constFind(n_id);
    if (it == m_rules.constEnd())
        throw NoElementExceptionOstra(n_id, QStringLiteral("IRuleData"),
                                      QStringLiteral("getRulePtr(const QString &n_name)"),
                                      QSharedPointer<ExceptionOstra>());
    return it.value();
}

void IRuleData::copyRules(const IRuleData &n_other)
{
    for (const RuleSharedPtr &element : n_other.m_rules)
        addRule(*element);
}

void IRuleData::addRule(const RuleModel &n_element)
{
    addRulePtr(QSharedPointer<RuleModel>::create(n_element));
}

void IRuleData::addRulePtr(RuleSharedPtr n_element)
{
    const QString id = n_element->getId();
    if (m_rules.contains(id))
        throw ElementAlreadyExistExceptionOstra(id, QStringLiteral("IRuleData"),
                                                QStringLiteral("addRulePtr(IRuleData::RuleSharedPtr n_rule)"),
                                                QSharedPointer<ExceptionOstra>());
    m_rules.insert(id, n_element);
}

int IRuleData::deleteRule(const QString &n_id)
{
    getRuleSharedPtr(n_id);
    return m_rules.remove(n_id);
}

void IRuleData::resetRules()
{
    for (const RuleSharedPtr &element : qAsConst(m_rules))
        element->reset();
}
