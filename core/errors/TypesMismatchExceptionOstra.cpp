#include "errors/TypesMismatchExceptionOstra.h"
#include "errors/BaseOstraObj.h"

TypesMismatchExceptionOstra::TypesMismatchExceptionOstra(
    OstraObjectType n_firstObject, OstraObjectType n_secondObject, const QString &n_className,
    const QString &n_methodName, QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(528, EXCEPTION_DESCRIPTIONS[528 - 501], n_className, n_methodName,
                         n_parentException),
      m_firstObject(n_firstObject), m_secondObject(n_secondObject)
{
}

TypesMismatchExceptionOstra::TypesMismatchExceptionOstra(const TypesMismatchExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other), m_firstObject(n_other.m_firstObject),
      m_secondObject(n_other.m_secondObject)
{
}

TypesMismatchExceptionOstra::~TypesMismatchExceptionOstra() = default;

OstraObjectType TypesMismatchExceptionOstra::getFirstObject() const
{
    return m_firstObject;
}

OstraObjectType TypesMismatchExceptionOstra::getSecondObject() const
{
    return m_secondObject;
}

QString TypesMismatchExceptionOstra::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Type First Object: ")
            + BaseOstraObj::convertOstraObjectTypeToString(m_firstObject) + QLatin1Char('\n');
    text += QStringLiteral("Type Second Object: ")
            + BaseOstraObj::convertOstraObjectTypeToString(m_secondObject) + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
