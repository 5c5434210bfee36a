#include "errors/BadValueTypeExceptionOstra.h"

BadValueTypeExceptionOstra::BadValueTypeExceptionOstra(
    QVariant::Type n_valueType, const QString &n_className, const QString &n_methodName,
    QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(519, EXCEPTION_DESCRIPTIONS[519 - 501], n_className, n_methodName,
                         n_parentException),
      m_valueType(n_valueType)
{
}

BadValueTypeExceptionOstra::BadValueTypeExceptionOstra(const BadValueTypeExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other), m_valueType(n_other.m_valueType)
{
}

BadValueTypeExceptionOstra::~BadValueTypeExceptionOstra() = default;

QVariant::Type BadValueTypeExceptionOstra::getValueType()
{
    return m_valueType;
}

QString BadValueTypeExceptionOstra::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Value Type: ") + QString::fromLatin1(QVariant::typeToName(m_valueType))
            + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
