#ifndef IRULEDATA_H
#define IRULEDATA_H

#include <QHash>
#include <QSharedPointer>
#include <QString>

#include "elements/RuleModel.h"

// A class's rules by id. The store knows nothing of edges; the elements are shared with whoever
// else holds them.
class IRuleData
{
public:
    typedef QSharedPointer<RuleModel> RuleSharedPtr;

    IRuleData();
    // New element objects with the same ids.
    IRuleData(const IRuleData &n_other);
    IRuleData &operator=(const IRuleData &) = delete;
    virtual ~IRuleData();

    virtual RuleSharedPtr getRule(const QString &n_id) const;
    virtual QHash<QString, RuleSharedPtr> getRulesHash() const;
    virtual int getRulesCount() const;
    virtual bool rulesContains(const QString &n_id) const;

    RuleSharedPtr getRuleSharedPtr(const QString &n_id) const;
    RuleSharedPtr getRulePtr(const QString &n_id) const;

    void copyRules(const IRuleData &n_other);
    void addRule(const RuleModel &n_element);
    void addRulePtr(RuleSharedPtr n_element);
    // Edges are not touched.
    int deleteRule(const QString &n_id);
    void resetRules();

protected:
    QHash<QString, RuleSharedPtr> m_rules;
};

#endif // IRULEDATA_H
