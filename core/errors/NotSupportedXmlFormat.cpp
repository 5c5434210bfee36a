#include "errors/NotSupportedXmlFormat.h"

NotSupportedXmlFormat::NotSupportedXmlFormat(const QString &n_className,
                                             const QString &n_methodName,
                                             QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(534, EXCEPTION_DESCRIPTIONS[534 - 501], n_className, n_methodName,
                         n_parentException)
{
}

NotSupportedXmlFormat::NotSupportedXmlFormat(const NotSupportedXmlFormat &n_other)
    : ExceptionOstraImpl(n_other)
{
}

NotSupportedXmlFormat::~NotSupportedXmlFormat() = default;
