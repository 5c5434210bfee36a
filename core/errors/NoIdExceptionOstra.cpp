#include "errors/NoIdExceptionOstra.h"

NoIdExceptionOstra::NoIdExceptionOstra(const QString &n_className, const QString &n_methodName,
                                       QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(520, EXCEPTION_DESCRIPTIONS[520 - 501], n_className, n_methodName,
                         n_parentException)
{
}

NoIdExceptionOstra::NoIdExceptionOstra(const NoIdExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other)
{
}

NoIdExceptionOstra::~NoIdExceptionOstra() = default;
