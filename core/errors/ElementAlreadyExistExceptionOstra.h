#ifndef ELEMENTALREADYEXISTEXCEPTIONOSTRA_H
#define ELEMENTALREADYEXISTEXCEPTIONOSTRA_H

#include "errors/ExceptionOstraImpl.h"

// An element added under an id that its store already holds.
class ElementAlreadyExistExceptionOstra
    : public ExceptionOstraImpl<ElementAlreadyExistExceptionOstra, ExceptionOstra>
{
public:
    ElementAlreadyExistExceptionOstra(const QString &n_elementId, const QString &n_className,
                                      const QString &n_methodName,
                                      QSharedPointer<ExceptionOstra> n_parentException);
    ElementAlreadyExistExceptionOstra(const ElementAlreadyExistExceptionOstra &n_other);
    ~ElementAlreadyExistExceptionOstra() override;

    QString getElementId() const;

    QString toString(bool n_withEndLine) const override;

private:
    QString m_elementId;
};

#endif // ELEMENTALREADYEXISTEXCEPTIONOSTRA_H
