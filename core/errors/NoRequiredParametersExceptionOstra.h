#ifndef NOREQUIREDPARAMETERSEXCEPTIONOSTRA_H
#define NOREQUIREDPARAMETERSEXCEPTIONOSTRA_H

#include "errors/ExceptionOstraImpl.h"

// A search started without any required parameter.
class NoRequiredParametersExceptionOstra
    : public ExceptionOstraImpl<NoRequiredParametersExceptionOstra, ExceptionOstra>
{
public:
    NoRequiredParametersExceptionOstra(const QString &n_className, const QString &n_methodName,
                                       QSharedPointer<ExceptionOstra> n_parentException);
    NoRequiredParametersExceptionOstra(const NoRequiredParametersExceptionOstra &n_other);
    ~NoRequiredParametersExceptionOstra() override;
};

#endif // NOREQUIREDPARAMETERSEXCEPTIONOSTRA_H
