#include "errors/ValuesTypesMismatchExceptionOstra.h"

ValuesTypesMismatchExceptionOstra::ValuesTypesMismatchExceptionOstra(
    const QString &n_parameterId, QVariant::Type n_externalValueType,
    QVariant::Type n_internalValueType, const QString &n_className, const QString &n_methodName,
    QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(529, EXCEPTION_DESCRIPTIONS[529 - 501], n_className, n_methodName,
                         n_parentException),
      m_parameterId(n_parameterId), m_externalValueType(n_externalValueType),
      m_internalValueType(n_internalValueType)
{
}

ValuesTypesMismatchExceptionOstra::ValuesTypesMismatchExceptionOstra(
    const ValuesTypesMismatchExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other), m_parameterId(n_other.m_parameterId),
      m_externalValueType(n_other.m_externalValueType),
      m_internalValueType(n_other.m_internalValueType)
{
}

ValuesTypesMismatchExceptionOstra::~ValuesTypesMismatchExceptionOstra() = default;

QString ValuesTypesMismatchExceptionOstra::getParameterId() const
{
    return m_parameterId;
}

QVariant::Type ValuesTypesMismatchExceptionOstra::getExternalValueType() const
{
    return m_externalValueType;
}

QVariant::Type ValuesTypesMismatchExceptionOstra::getInternalValueType() const
{
    return m_internalValueType;
}

QString ValuesTypesMismatchExceptionOstra::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Parameter id: ") + m_parameterId + QLatin1Char('\n');
    text += QStringLiteral("External Value Type: ")
            + QString::fromLatin1(QVariant::typeToName(m_externalValueType)) + QLatin1Char('\n');
    text += QStringLiteral("Internal Value Type: ")
            + QString::fromLatin1(QVariant::typeToName(m_internalValueType)) + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
