#ifndef RULEVERTEX_H
#define RULEVERTEX_H

#include "errors/BaseOstraObj.h"

// Identity of a rule: an element of kind rule.
class RuleVertex : public BaseOstraObj
{
public:
    RuleVertex();
    // An empty id throws NoIdExceptionOstra.
    explicit RuleVertex(const QString &n_id);
    RuleVertex(const QString &n_id, const QString &n_shortName, const QString &n_description,
               const QString &n_author, const QString &n_GUID);
    RuleVertex(const RuleVertex &n_other);
    ~RuleVertex() override;

    OstraObjectType getOstraObjectType() const override;
};

#endif // RULEVERTEX_H
