#include "errors/XMLParseExceptionOstra.h"

XMLParseExceptionOstra::XMLParseExceptionOstra(const QString &n_errorMsg, int n_errorLine,
                                               int n_errorColumn, const QString &n_className,
                                               const QString &n_methodName,
                                               QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(537, EXCEPTION_DESCRIPTIONS[537 - 501], n_className, n_methodName,
                         n_parentException),
      m_errorMsg(n_errorMsg), m_errorLine(n_errorLine), m_errorColumn(n_errorColumn)
{
}

XMLParseExceptionOstra::XMLParseExceptionOstra(const XMLParseExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other), m_errorMsg(n_other.m_errorMsg), m_errorLine(n_other.m_errorLine),
      m_errorColumn(n_other.m_errorColumn)
{
}

XMLParseExceptionOstra::~XMLParseExceptionOstra() = default;

QString XMLParseExceptionOstra::getErrorMsg() const
{
    return m_errorMsg;
}

int XMLParseExceptionOstra::getErrorLine() const
{
    return m_errorLine;
}

int XMLParseExceptionOstra::getErrorColumn() const
{
    return m_errorColumn;
}

QString XMLParseExceptionOstra::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Error Message: ") + m_errorMsg + QStringLiteral(";\n");
    text += QStringLiteral("Error Line: ") + QString::number(m_errorLine) + QStringLiteral(";\n");
    text += QStringLiteral("Error Column: ") + QString::number(m_errorColumn)
            + QStringLiteral(";\n");
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
