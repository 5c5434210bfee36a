#include "errors/NoRelation.h"

NoRelation::NoRelation(const QString &n_className, const QString &n_methodName,
                       QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(524, EXCEPTION_DESCRIPTIONS[524 - 501], n_className, n_methodName,
                         n_parentException)
{
}

NoRelation::NoRelation(const NoRelation &n_other) : ExceptionOstraImpl(n_other)
{
}

NoRelation::~NoRelation() = default;
