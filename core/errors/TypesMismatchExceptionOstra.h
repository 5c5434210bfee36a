#ifndef TYPESMISMATCHEXCEPTIONOSTRA_H
#define TYPESMISMATCHEXCEPTIONOSTRA_H

#include "errors/ExceptionOstraImpl.h"
#include "errors/OstraObjectType.h"

// Two element kinds that cannot be joined by an edge.
class TypesMismatchExceptionOstra
    : public ExceptionOstraImpl<TypesMismatchExceptionOstra, ExceptionOstra>
{
public:
    TypesMismatchExceptionOstra(OstraObjectType n_firstObject, OstraObjectType n_secondObject,
                                const QString &n_className, const QString &n_methodName,
                                QSharedPointer<ExceptionOstra> n_parentException);
    TypesMismatchExceptionOstra(const TypesMismatchExceptionOstra &n_other);
    ~TypesMismatchExceptionOstra() override;

    OstraObjectType getFirstObject() const;
    OstraObjectType getSecondObject() const;

    QString toString(bool n_withEndLine) const override;

private:
    OstraObjectType m_firstObject;
    OstraObjectType m_secondObject;
};

#endif // TYPESMISMATCHEXCEPTIONOSTRA_H
