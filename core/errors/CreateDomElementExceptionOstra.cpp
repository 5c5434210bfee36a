#include "errors/CreateDomElementExceptionOstra.h"

CreateDomElementExceptionOstra::CreateDomElementExceptionOstra(
    const QString &n_elementId, OstraObjectType n_elementType, const QString &n_additionalText,
    const QString &n_className, const QString &n_methodName,
    QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(530, EXCEPTION_DESCRIPTIONS[530 - 501], n_className, n_methodName,
                         n_parentException),
      IElementId(n_elementId, n_elementType), m_additionalText(n_additionalText)
{
}

CreateDomElementExceptionOstra::CreateDomElementExceptionOstra(
    const CreateDomElementExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other), IElementId(n_other), m_additionalText(n_other.m_additionalText)
{
}

CreateDomElementExceptionOstra::~CreateDomElementExceptionOstra() = default;

QString CreateDomElementExceptionOstra::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Element ID: ") + getElementId() + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
