#ifndef BADVALUETYPEEXCEPTIONOSTRA_H
#define BADVALUETYPEEXCEPTIONOSTRA_H

#include <QVariant>

#include "errors/ExceptionOstraImpl.h"

// A value type that cannot be stored or used where it was offered.
class BadValueTypeExceptionOstra
    : public ExceptionOstraImpl<BadValueTypeExceptionOstra, ExceptionOstra>
{
public:
    BadValueTypeExceptionOstra(QVariant::Type n_valueType, const QString &n_className,
                               const QString &n_methodName,
                               QSharedPointer<ExceptionOstra> n_parentException);
    BadValueTypeExceptionOstra(const BadValueTypeExceptionOstra &n_other);
    ~BadValueTypeExceptionOstra() override;

    QVariant::Type getValueType();

    QString toString(bool n_withEndLine) const override;

private:
    QVariant::Type m_valueType;
};

#endif // BADVALUETYPEEXCEPTIONOSTRA_H
