#ifndef NOIDEXCEPTIONOSTRA_H
#define NOIDEXCEPTIONOSTRA_H

#include "errors/ExceptionOstraImpl.h"

// An element id that is empty where one is required.
class NoIdExceptionOstra : public ExceptionOstraImpl<NoIdExceptionOstra, ExceptionOstra>
{
public:
    NoIdExceptionOstra(const QString &n_className, const QString &n_methodName,
                       QSharedPointer<ExceptionOstra> n_parentException);
    NoIdExceptionOstra(const NoIdExceptionOstra &n_other);
    ~NoIdExceptionOstra() override;
};

#endif // NOIDEXCEPTIONOSTRA_H
