#include "errors/NotEnoughDataExceptionOstra.h"

NotEnoughDataExceptionOstra::NotEnoughDataExceptionOstra(
    long n_desiredElementsCounts, long n_currentElementsCounts, const QString &n_className,
    const QString &n_methodName, QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(512, EXCEPTION_DESCRIPTIONS[512 - 501], n_className, n_methodName,
                         n_parentException),
      m_desiredElementsCounts(n_desiredElementsCounts),
      m_currentElementsCounts(n_currentElementsCounts)
{
}

NotEnoughDataExceptionOstra::NotEnoughDataExceptionOstra(const NotEnoughDataExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other), m_desiredElementsCounts(n_other.m_desiredElementsCounts),
      m_currentElementsCounts(n_other.m_currentElementsCounts)
{
}

NotEnoughDataExceptionOstra::~NotEnoughDataExceptionOstra() = default;

long NotEnoughDataExceptionOstra::getDesiredElementsCounts() const
{
    return m_desiredElementsCounts;
}

long NotEnoughDataExceptionOstra::getCurrentElementsCounts() const
{
    return m_currentElementsCounts;
}

QString NotEnoughDataExceptionOstra::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Desired Elements Counts: ") + QString::number(m_desiredElementsCounts)
            + QLatin1Char('\n');
    text += QStringLiteral("Current Elements Counts: ") + QString::number(m_currentElementsCounts)
            + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
