#ifndef BADVALUEEXCEPTIONOSTRA_H
#define BADVALUEEXCEPTIONOSTRA_H

#include <QVariant>

#include "errors/ExceptionOstraImpl.h"

// A value that cannot be used where it was offered. The raiser words the description itself; the
// second constructor lets subclasses put their own id in.
class BadValueExceptionOstra : public ExceptionOstraImpl<BadValueExceptionOstra, ExceptionOstra>
{
public:
    BadValueExceptionOstra(const QVariant &n_value, const QString &n_description,
                           const QString &n_className, const QString &n_methodName,
                           QSharedPointer<ExceptionOstra> n_parentException);
    BadValueExceptionOstra(int n_exceptionId, const QVariant &n_value, const QString &n_description,
                           const QString &n_className, const QString &n_methodName,
                           QSharedPointer<ExceptionOstra> n_parentException);
    BadValueExceptionOstra(const BadValueExceptionOstra &n_other);
    ~BadValueExceptionOstra() override;

    QVariant getValue() const;

    QString toString(bool n_withEndLine) const override;

private:
    QVariant m_value;
};

#endif // BADVALUEEXCEPTIONOSTRA_H
