#ifndef CONSTRAINTVERTEX_H
#define CONSTRAINTVERTEX_H

#include "errors/BaseOstraObj.h"

// Identity of a constraint: an element of kind constraint.
class ConstraintVertex : public BaseOstraObj
{
public:
    ConstraintVertex();
    // An empty id throws NoIdExceptionOstra.
    explicit ConstraintVertex(const QString &n_id);
    ConstraintVertex(const QString &n_id, const QString &n_shortName, const QString &n_description,
                     const QString &n_author, const QString &n_GUID);
    ConstraintVertex(const ConstraintVertex &n_other);
    ~ConstraintVertex() override;

    OstraObjectType getOstraObjectType() const override;
};

#endif // CONSTRAINTVERTEX_H
