#include "elements/ConstraintVertex.h"

ConstraintVertex::ConstraintVertex()
{
}

ConstraintVertex::ConstraintVertex(const QString &n_id) : BaseOstraObj(n_id)
{
}

ConstraintVertex::ConstraintVertex(const QString &n_id, const QString &n_shortName,
                                   const QString &n_description, const QString &n_author,
                                   const QString &n_GUID)
    : BaseOstraObj(n_id, n_shortName, n_description, n_author, n_GUID)
{
}

ConstraintVertex::ConstraintVertex(const ConstraintVertex &n_other) : BaseOstraObj(n_other)
{
}

ConstraintVertex::~ConstraintVertex()
{
}

OstraObjectType ConstraintVertex::getOstraObjectType() const
{
    return OBJECT_TYPE_CONSTRAINT;
}
