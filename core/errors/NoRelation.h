#ifndef NORELATION_H
#define NORELATION_H

#include "errors/ExceptionOstraImpl.h"

// A rule or constraint without its relation.
class NoRelation : public ExceptionOstraImpl<NoRelation, ExceptionOstra>
{
public:
    NoRelation(const QString &n_className, const QString &n_methodName,
               QSharedPointer<ExceptionOstra> n_parentException);
    NoRelation(const NoRelation &n_other);
    ~NoRelation() override;
};

#endif // NORELATION_H
