#ifndef NOTCALCULATEDEXCEPTIONOSTRA_H
#define NOTCALCULATEDEXCEPTIONOSTRA_H

#include "errors/ExceptionOstraImpl.h"

// Results asked for before any calculation was made.
class NotCalculatedExceptionOstra
    : public ExceptionOstraImpl<NotCalculatedExceptionOstra, ExceptionOstra>
{
public:
    NotCalculatedExceptionOstra(const QString &n_className, const QString &n_methodName,
                                QSharedPointer<ExceptionOstra> n_parentException);
    NotCalculatedExceptionOstra(const NotCalculatedExceptionOstra &n_other);
    ~NotCalculatedExceptionOstra() override;
};

#endif // NOTCALCULATEDEXCEPTIONOSTRA_H
