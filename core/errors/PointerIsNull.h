#ifndef POINTERISNULL_H
#define POINTERISNULL_H

#include "errors/ExceptionOstraImpl.h"

// A null pointer where an object is required.
class PointerIsNull : public ExceptionOstraImpl<PointerIsNull, ExceptionOstra>
{
public:
    PointerIsNull(const QString &n_className, const QString &n_methodName,
                  QSharedPointer<ExceptionOstra> n_parentException);
    PointerIsNull(const PointerIsNull &n_other);
    ~PointerIsNull() override;
};

#endif // POINTERISNULL_H
