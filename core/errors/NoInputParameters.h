#ifndef NOINPUTPARAMETERS_H
#define NOINPUTPARAMETERS_H

#include "errors/ExceptionOstraImpl.h"

// An object without the input parameters it must have.
class NoInputParameters : public ExceptionOstraImpl<NoInputParameters, ExceptionOstra>
{
public:
    NoInputParameters(const QString &n_className, const QString &n_methodName,
                      QSharedPointer<ExceptionOstra> n_parentException);
    NoInputParameters(const NoInputParameters &n_other);
    ~NoInputParameters() override;
};

#endif // NOINPUTPARAMETERS_H
