#include "errors/PointerIsNull.h"

PointerIsNull::PointerIsNull(const QString &n_className, const QString &n_methodName,
                             QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(526, EXCEPTION_DESCRIPTIONS[526 - 501], n_className, n_methodName,
                         n_parentException)
{
}

PointerIsNull::PointerIsNull(const PointerIsNull &n_other) : ExceptionOstraImpl(n_other)
{
}

PointerIsNull::~PointerIsNull() = default;
