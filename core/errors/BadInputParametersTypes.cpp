#include "errors/BadInputParametersTypes.h"

BadInputParametersTypes::BadInputParametersTypes(const QStringList &n_inputParametersTypes,
                                                 const QStringList &n_inputParametersIds,
                                                 const QString &n_className,
                                                 const QString &n_methodName,
                                                 QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(515, EXCEPTION_DESCRIPTIONS[515 - 501], n_className, n_methodName,
                         n_parentException),
      m_inputParametersTypes(n_inputParametersTypes), m_inputParametersIds(n_inputParametersIds)
{
}

BadInputParametersTypes::BadInputParametersTypes(const BadInputParametersTypes &n_other)
    : ExceptionOstraImpl(n_other), m_inputParametersTypes(n_other.m_inputParametersTypes),
      m_inputParametersIds(n_other.m_inputParametersIds)
{
}

BadInputParametersTypes::~BadInputParametersTypes() = default;

QStringList BadInputParametersTypes::getInputParametersIds() const
{
    return m_inputParametersIds;
}

QStringList BadInputParametersTypes::getInputParametersTypes() const
{
    return m_inputParametersTypes;
}

QString BadInputParametersTypes::toString(bool n_withEndLine) const
{
    // Both lists stay on one line, without a line feed.
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Input parameters: ") + m_inputParametersIds.join(QLatin1Char(','))
            + QStringLiteral("; ");
    text += QStringLiteral("Input parameters types: ")
            + m_inputParametersTypes.join(QLatin1Char(',')) + QStringLiteral("; ");
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
