#include "errors/NotCalculatedExceptionOstra.h"

NotCalculatedExceptionOstra::NotCalculatedExceptionOstra(
    const QString &n_className, const QString &n_methodName,
    QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(508, EXCEPTION_DESCRIPTIONS[508 - 501], n_className, n_methodName,
                         n_parentException)
{
}

NotCalculatedExceptionOstra::NotCalculatedExceptionOstra(const NotCalculatedExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other)
{
}

NotCalculatedExceptionOstra::~NotCalculatedExceptionOstra() = default;
