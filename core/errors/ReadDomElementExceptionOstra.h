#ifndef READDOMELEMENTEXCEPTIONOSTRA_H
#define READDOMELEMENTEXCEPTIONOSTRA_H

#include "errors/ExceptionOstraImpl.h"
#include "errors/IElementId.h"

// An element that could not be read from a DOM element.
class ReadDomElementExceptionOstra
    : public ExceptionOstraImpl<ReadDomElementExceptionOstra, ExceptionOstra>,
      public IElementId
{
public:
    ReadDomElementExceptionOstra(const QString &n_elementId, OstraObjectType n_elementType,
                                 const QString &n_className, const QString &n_methodName,
                                 QSharedPointer<ExceptionOstra> n_parentException);
    ReadDomElementExceptionOstra(const ReadDomElementExceptionOstra &n_other);
    ~ReadDomElementExceptionOstra() override;

    QString toString(bool n_withEndLine) const override;
};

#endif // READDOMELEMENTEXCEPTIONOSTRA_H
