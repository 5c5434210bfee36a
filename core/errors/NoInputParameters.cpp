#include "errors/NoInputParameters.h"

NoInputParameters::NoInputParameters(const QString &n_className, const QString &n_methodName,
                                     QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(521, EXCEPTION_DESCRIPTIONS[521 - 501], n_className, n_methodName,
                         n_parentException)
{
}

NoInputParameters::NoInputParameters(const NoInputParameters &n_other) : ExceptionOstraImpl(n_other)
{
}

NoInputParameters::~NoInputParameters() = default;
