#include "errors/BadValueExceptionOstra.h"

BadValueExceptionOstra::BadValueExceptionOstra(const QVariant &n_value,
                                               const QString &n_description,
                                               const QString &n_className,
                                               const QString &n_methodName,
                                               QSharedPointer<ExceptionOstra> n_parentException)
    : BadValueExceptionOstra(503, n_value, n_description, n_className, n_methodName,
                             n_parentException)
{
}

BadValueExceptionOstra::BadValueExceptionOstra(int n_exceptionId, const QVariant &n_value,
                                               const QString &n_description,
                                               const QString &n_className,
                                               const QString &n_methodName,
                                               QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(n_exceptionId, n_description, n_className, n_methodName,
                         n_parentException),
      m_value(n_value)
{
}

BadValueExceptionOstra::BadValueExceptionOstra(const BadValueExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other), m_value(n_other.m_value)
{
}

BadValueExceptionOstra::~BadValueExceptionOstra() = default;

QVariant BadValueExceptionOstra::getValue() const
{
    return m_value;
}

QString BadValueExceptionOstra::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    // An invalid QVariant has no type name at all.
    const char *typeName = m_value.typeName();
    text += QStringLiteral("Value Type: ")
            + (typeName ? QString::fromLatin1(typeName) : QStringLiteral("Invalid"))
            + QLatin1Char('\n');
    text += QStringLiteral("Value : ") + m_value.toString() + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
