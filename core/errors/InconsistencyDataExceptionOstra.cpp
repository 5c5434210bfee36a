#include "errors/InconsistencyDataExceptionOstra.h"

InconsistencyDataExceptionOstra::InconsistencyDataExceptionOstra(
    const QString &n_className, const QString &n_methodName,
    QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(501, EXCEPTION_DESCRIPTIONS[501 - 501], n_className, n_methodName,
                         n_parentException)
{
}

InconsistencyDataExceptionOstra::InconsistencyDataExceptionOstra(
    const InconsistencyDataExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other)
{
}

InconsistencyDataExceptionOstra::~InconsistencyDataExceptionOstra() = default;
