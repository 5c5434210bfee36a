#ifndef NOOUTPUTPARAMETERS_H
#define NOOUTPUTPARAMETERS_H

#include "errors/ExceptionOstraImpl.h"

// An object without the output parameters it must have.
class NoOutputParameters : public ExceptionOstraImpl<NoOutputParameters, ExceptionOstra>
{
public:
    NoOutputParameters(const QString &n_className, const QString &n_methodName,
                       QSharedPointer<ExceptionOstra> n_parentException);
    NoOutputParameters(const NoOutputParameters &n_other);
    ~NoOutputParameters() override;
};

#endif // NOOUTPUTPARAMETERS_H
