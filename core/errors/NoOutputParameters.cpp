#include "errors/NoOutputParameters.h"

NoOutputParameters::NoOutputParameters(const QString &n_className, const QString &n_methodName,
                                       QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(522, EXCEPTION_DESCRIPTIONS[522 - 501], n_className, n_methodName,
                         n_parentException)
{
}

NoOutputParameters::NoOutputParameters(const NoOutputParameters &n_other)
    : ExceptionOstraImpl(n_other)
{
}

NoOutputParameters::~NoOutputParameters() = default;
