#ifndef BADRELATIONTYPE_H
#define BADRELATIONTYPE_H

#include "errors/ExceptionOstraImpl.h"

// A relation whose kind is none of the known ones.
class BadRelationType : public ExceptionOstraImpl<BadRelationType, ExceptionOstra>
{
public:
    BadRelationType(const QString &n_className, const QString &n_methodName,
                    QSharedPointer<ExceptionOstra> n_parentException);
    BadRelationType(const BadRelationType &n_other);
    ~BadRelationType() override;
};

#endif // BADRELATIONTYPE_H
