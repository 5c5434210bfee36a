#include "errors/NoElementExceptionOstra.h"

NoElementExceptionOstra::NoElementExceptionOstra(const QString &n_desiredId,
                                                 const QString &n_className,
                                                 const QString &n_methodName,
                                                 QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(511, EXCEPTION_DESCRIPTIONS[511 - 501], n_className, n_methodName,
                         n_parentException),
      m_desiredId(n_desiredId)
{
}

NoElementExceptionOstra::NoElementExceptionOstra(const NoElementExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other), m_desiredId(n_other.m_desiredId)
{
}

NoElementExceptionOstra::~NoElementExceptionOstra() = default;

QString NoElementExceptionOstra::getDesiredId() const
{
    return m_desiredId;
}

QString NoElementExceptionOstra::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Desired Id : ") + m_desiredId + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
