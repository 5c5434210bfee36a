#include "elements/RuleVertex.h"

RuleVertex::RuleVertex()
{
}

RuleVertex::RuleVertex(const QString &n_id) : BaseOstraObj(n_id)
{
}

RuleVertex::RuleVertex(const QString &n_id, const QString &n_shortName,
                       const QString &n_description, const QString &n_author, const QString &n_GUID)
    : BaseOstraObj(n_id, n_shortName, n_description, n_author, n_GUID)
{
}

RuleVertex::RuleVertex(const RuleVertex &n_other) : BaseOstraObj(n_other)
{
}

RuleVertex::~RuleVertex()
{
}

OstraObjectType RuleVertex::getOstraObjectType() const
{
    return OBJECT_TYPE_RULE;
}
