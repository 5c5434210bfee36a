#include "errors/NoRequiredParametersExceptionOstra.h"

NoRequiredParametersExceptionOstra::NoRequiredParametersExceptionOstra(
    const QString &n_className, const QString &n_methodName,
    QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(507, EXCEPTION_DESCRIPTIONS[507 - 501], n_className, n_methodName,
                         n_parentException)
{
}

NoRequiredParametersExceptionOstra::NoRequiredParametersExceptionOstra(
    const NoRequiredParametersExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other)
{
}

NoRequiredParametersExceptionOstra::~NoRequiredParametersExceptionOstra() = default;
