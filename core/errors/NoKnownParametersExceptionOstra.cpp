#include "errors/NoKnownParametersExceptionOstra.h"

NoKnownParametersExceptionOstra::NoKnownParametersExceptionOstra(
    const QString &n_className, const QString &n_methodName,
    QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(506, EXCEPTION_DESCRIPTIONS[506 - 501], n_className, n_methodName,
                         n_parentException)
{
}

NoKnownParametersExceptionOstra::NoKnownParametersExceptionOstra(
    const NoKnownParametersExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other)
{
}

NoKnownParametersExceptionOstra::~NoKnownParametersExceptionOstra() = default;
