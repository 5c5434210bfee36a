#include "errors/BadOutputParametersTypes.h"

BadOutputParametersTypes::BadOutputParametersTypes(const QStringList &n_outputParametersTypes,
                                                   const QStringList &n_outputParametersIds,
                                                   const QString &n_className,
                                                   const QString &n_methodName,
                                                   QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(516, EXCEPTION_DESCRIPTIONS[516 - 501], n_className, n_methodName,
                         n_parentException),
      m_outputParametersTypes(n_outputParametersTypes), m_outputParametersIds(n_outputParametersIds)
{
}

BadOutputParametersTypes::BadOutputParametersTypes(const BadOutputParametersTypes &n_other)
    : ExceptionOstraImpl(n_other), m_outputParametersTypes(n_other.m_outputParametersTypes),
      m_outputParametersIds(n_other.m_outputParametersIds)
{
}

BadOutputParametersTypes::~BadOutputParametersTypes() = default;

QStringList BadOutputParametersTypes::getOutputParametersIds() const
{
    return m_outputParametersIds;
}

QStringList BadOutputParametersTypes::getOutputParametersTypes() const
{
    return m_outputParametersTypes;
}

QString BadOutputParametersTypes::toString(bool n_withEndLine) const
{
    // Both lists stay on one line, without a line feed.
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Output parameters: ") + m_outputParametersIds.join(QLatin1Char(','))
            + QStringLiteral("; ");
    text += QStringLiteral("Output parameters types: ")
            + m_outputParametersTypes.join(QLatin1Char(',')) + QStringLiteral("; ");
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
