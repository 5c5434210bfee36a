#include "errors/UnexpectedTagName.h"

UnexpectedTagName::UnexpectedTagName(const QString &n_expectedTag, const QString &n_problemTag,
                                     const QString &n_className, const QString &n_methodName,
                                     QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(536, EXCEPTION_DESCRIPTIONS[536 - 501], n_className, n_methodName,
                         n_parentException),
      m_expectedTag(n_expectedTag), m_problemTag(n_problemTag)
{
}

UnexpectedTagName::UnexpectedTagName(const UnexpectedTagName &n_other)
    : ExceptionOstraImpl(n_other), m_expectedTag(n_other.m_expectedTag),
      m_problemTag(n_other.m_problemTag)
{
}

UnexpectedTagName::~UnexpectedTagName() = default;

QString UnexpectedTagName::getExpectedTag() const
{
    return m_expectedTag;
}

QString UnexpectedTagName::getProblemTag() const
{
    return m_problemTag;
}

QString UnexpectedTagName::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Expected tag: ") + m_expectedTag + QLatin1Char('\n');
    text += QStringLiteral("Problem tag: ") + m_problemTag + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
