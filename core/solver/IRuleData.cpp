#include "solver/IRuleData.h"

#include "elements/IdStore.h"

namespace {

const QString CLASS_NAME = QStringLiteral("IRuleData");

} // namespace

IRuleData::IRuleData()
{
}

IRuleData::IRuleData(const IRuleData &n_other)
{
    copyRules(n_other);
}

IRuleData::~IRuleData()
{
}

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
    return idstore::findOrThrow(m_rules, n_id, CLASS_NAME,
                                QStringLiteral("getRuleSharedPtr(const QString &n_name)"));
}

IRuleData::RuleSharedPtr IRuleData::getRulePtr(const QString &n_id) const
{
    return idstore::findOrThrow(m_rules, n_id, CLASS_NAME,
                                QStringLiteral("getRulePtr(const QString &n_name)"));
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
    idstore::insertUnique(m_rules, n_element, CLASS_NAME,
                          QStringLiteral("addRulePtr(IRuleData::RuleSharedPtr n_rule)"));
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
