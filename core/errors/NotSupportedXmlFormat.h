#ifndef NOTSUPPORTEDXMLFORMAT_H
#define NOTSUPPORTEDXMLFORMAT_H

#include "errors/ExceptionOstraImpl.h"

// A document that no model reader recognises.
class NotSupportedXmlFormat : public ExceptionOstraImpl<NotSupportedXmlFormat, ExceptionOstra>
{
public:
    NotSupportedXmlFormat(const QString &n_className, const QString &n_methodName,
                          QSharedPointer<ExceptionOstra> n_parentException);
    NotSupportedXmlFormat(const NotSupportedXmlFormat &n_other);
    ~NotSupportedXmlFormat() override;
};

#endif // NOTSUPPORTEDXMLFORMAT_H
