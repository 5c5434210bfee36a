#ifndef CREATEDOMELEMENTEXCEPTIONOSTRA_H
#define CREATEDOMELEMENTEXCEPTIONOSTRA_H

#include "errors/ExceptionOstraImpl.h"
#include "errors/IElementId.h"

// An element that could not be written to a DOM element. The further text travels with the
// exception but is neither rendered nor readable.
class CreateDomElementExceptionOstra
    : public ExceptionOstraImpl<CreateDomElementExceptionOstra, ExceptionOstra>,
      public IElementId
{
public:
    CreateDomElementExceptionOstra(const QString &n_elementId, OstraObjectType n_elementType,
                                   const QString &n_additionalText, const QString &n_className,
                                   const QString &n_methodName,
                                   QSharedPointer<ExceptionOstra> n_parentException);
    CreateDomElementExceptionOstra(const CreateDomElementExceptionOstra &n_other);
    ~CreateDomElementExceptionOstra() override;

    QString toString(bool n_withEndLine) const override;

private:
    QString m_additionalText;
};

#endif // CREATEDOMELEMENTEXCEPTIONOSTRA_H
