#ifndef NOKNOWNPARAMETERSEXCEPTIONOSTRA_H
#define NOKNOWNPARAMETERSEXCEPTIONOSTRA_H

#include "errors/ExceptionOstraImpl.h"

// A search started without any known parameter.
class NoKnownParametersExceptionOstra
    : public ExceptionOstraImpl<NoKnownParametersExceptionOstra, ExceptionOstra>
{
public:
    NoKnownParametersExceptionOstra(const QString &n_className, const QString &n_methodName,
                                    QSharedPointer<ExceptionOstra> n_parentException);
    NoKnownParametersExceptionOstra(const NoKnownParametersExceptionOstra &n_other);
    ~NoKnownParametersExceptionOstra() override;
};

#endif // NOKNOWNPARAMETERSEXCEPTIONOSTRA_H
