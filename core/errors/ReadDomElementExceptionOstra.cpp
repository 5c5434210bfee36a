#include "errors/ReadDomElementExceptionOstra.h"

ReadDomElementExceptionOstra::ReadDomElementExceptionOstra(
    const QString &n_elementId, OstraObjectType n_elementType, const QString &n_className,
    const QString &n_methodName, QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(535, EXCEPTION_DESCRIPTIONS[535 - 501], n_className, n_methodName,
                         n_parentException),
      IElementId(n_elementId, n_elementType)
{
}

ReadDomElementExceptionOstra::ReadDomElementExceptionOstra(
    const ReadDomElementExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other), IElementId(n_other)
{
}

ReadDomElementExceptionOstra::~ReadDomElementExceptionOstra() = default;

QString ReadDomElementExceptionOstra::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Element ID: ") + getElementId() + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
