#include "errors/CalculationExceptionOstra.h"

CalculationExceptionOstra::CalculationExceptionOstra(
    const QString &n_relationId, const QString &n_script, const QString &n_scriptExceptionMessage,
    int n_scriptExceptionLine, const QStringList &n_scriptExceptionBacktrace,
    const QString &n_className, const QString &n_methodName,
    QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(502, EXCEPTION_DESCRIPTIONS[502 - 501], n_className, n_methodName,
                         n_parentException),
      IElementId(n_relationId, OBJECT_TYPE_RELATION), m_script(n_script),
      m_scriptExceptionMessage(n_scriptExceptionMessage),
      m_scriptExceptionLine(n_scriptExceptionLine),
      m_scriptExceptionBacktrace(n_scriptExceptionBacktrace)
{
}

CalculationExceptionOstra::CalculationExceptionOstra(const CalculationExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other), IElementId(n_other), m_script(n_other.m_script),
      m_scriptExceptionMessage(n_other.m_scriptExceptionMessage),
      m_scriptExceptionLine(n_other.m_scriptExceptionLine),
      m_scriptExceptionBacktrace(n_other.m_scriptExceptionBacktrace)
{
}

CalculationExceptionOstra::~CalculationExceptionOstra() = default;

QString CalculationExceptionOstra::getRelationId() const
{
    return getElementId();
}

QString CalculationExceptionOstra::getScript() const
{
    return m_script;
}

QString CalculationExceptionOstra::getScriptExceptionMessage() const
{
    return m_scriptExceptionMessage;
}

int CalculationExceptionOstra::getScriptExceptionLine() const
{
    return m_scriptExceptionLine;
}

QStringList CalculationExceptionOstra::getScriptExceptionBacktrace() const
{
    return m_scriptExceptionBacktrace;
}

QString CalculationExceptionOstra::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Script: ") + m_script + QLatin1Char('\n');
    text += QStringLiteral("Script Exception Messege: ") + m_scriptExceptionMessage
            + QLatin1Char('\n');
    text += QStringLiteral("Script Exception Line: ") + QString::number(m_scriptExceptionLine)
            + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
