#include "errors/BadRelationType.h"

BadRelationType::BadRelationType(const QString &n_className, const QString &n_methodName,
                                 QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(517, EXCEPTION_DESCRIPTIONS[517 - 501], n_className, n_methodName,
                         n_parentException)
{
}

BadRelationType::BadRelationType(const BadRelationType &n_other) : ExceptionOstraImpl(n_other)
{
}

BadRelationType::~BadRelationType() = default;
