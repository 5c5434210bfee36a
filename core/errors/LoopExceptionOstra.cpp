#include "errors/LoopExceptionOstra.h"

LoopExceptionOstra::LoopExceptionOstra(long n_currentIteartionCount, long n_limitIteartionCount,
                                       const QString &n_className, const QString &n_methodName,
                                       QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(505, EXCEPTION_DESCRIPTIONS[505 - 501], n_className, n_methodName,
                         n_parentException),
      m_currentIteartionCount(n_currentIteartionCount), m_limitIteartionCount(n_limitIteartionCount)
{
}

LoopExceptionOstra::LoopExceptionOstra(const LoopExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other), m_currentIteartionCount(n_other.m_currentIteartionCount),
      m_limitIteartionCount(n_other.m_limitIteartionCount)
{
}

LoopExceptionOstra::~LoopExceptionOstra() = default;

long LoopExceptionOstra::getCurrentIteartionCount() const
{
    return m_currentIteartionCount;
}

long LoopExceptionOstra::getLimitIteartionCount() const
{
    return m_limitIteartionCount;
}

QString LoopExceptionOstra::toString(bool n_withEndLine) const
{
    // Both counts stay on one line, and so does the end line after them.
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Current Iteartion Count: ") + QString::number(m_currentIteartionCount)
            + QStringLiteral("; ");
    text += QStringLiteral("Limit Iteration Count: ") + QString::number(m_limitIteartionCount)
            + QStringLiteral("; ");
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
