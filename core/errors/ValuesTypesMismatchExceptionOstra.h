#ifndef VALUESTYPESMISMATCHEXCEPTIONOSTRA_H
#define VALUESTYPESMISMATCHEXCEPTIONOSTRA_H

#include <QVariant>

#include "errors/ExceptionOstraImpl.h"

// A value (external type) offered where another type (internal type) was required.
class ValuesTypesMismatchExceptionOstra
    : public ExceptionOstraImpl<ValuesTypesMismatchExceptionOstra, ExceptionOstra>
{
public:
    ValuesTypesMismatchExceptionOstra(const QString &n_parameterId,
                                      QVariant::Type n_externalValueType,
                                      QVariant::Type n_internalValueType,
                                      const QString &n_className, const QString &n_methodName,
                                      QSharedPointer<ExceptionOstra> n_parentException);
    ValuesTypesMismatchExceptionOstra(const ValuesTypesMismatchExceptionOstra &n_other);
    ~ValuesTypesMismatchExceptionOstra() override;

    QString getParameterId() const;
    QVariant::Type getExternalValueType() const;
    QVariant::Type getInternalValueType() const;

    QString toString(bool n_withEndLine) const override;

private:
    QString m_parameterId;
    QVariant::Type m_externalValueType;
    QVariant::Type m_internalValueType;
};

#endif // VALUESTYPESMISMATCHEXCEPTIONOSTRA_H
