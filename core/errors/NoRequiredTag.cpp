#include "errors/NoRequiredTag.h"

NoRequiredTag::NoRequiredTag(const QString &n_requiredTag, const QString &n_className,
                             const QString &n_methodName,
                             QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(538, EXCEPTION_DESCRIPTIONS[538 - 501], n_className, n_methodName,
                         n_parentException),
      m_requiredTag(n_requiredTag)
{
}

NoRequiredTag::NoRequiredTag(const NoRequiredTag &n_other)
    : ExceptionOstraImpl(n_other), m_requiredTag(n_other.m_requiredTag)
{
}

NoRequiredTag::~NoRequiredTag() = default;

QString NoRequiredTag::getRequiredTag() const
{
    return m_requiredTag;
}

QString NoRequiredTag::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Required tag: ") + m_requiredTag + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
