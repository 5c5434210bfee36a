#include "errors/ElementAlreadyExistExceptionOstra.h"

ElementAlreadyExistExceptionOstra::ElementAlreadyExistExceptionOstra(
    const QString &n_elementId, const QString &n_className, const QString &n_methodName,
    QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(510, EXCEPTION_DESCRIPTIONS[510 - 501], n_className, n_methodName,
                         n_parentException),
      m_elementId(n_elementId)
{
}

ElementAlreadyExistExceptionOstra::ElementAlreadyExistExceptionOstra(
    const ElementAlreadyExistExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other), m_elementId(n_other.m_elementId)
{
}

ElementAlreadyExistExceptionOstra::~ElementAlreadyExistExceptionOstra() = default;

QString ElementAlreadyExistExceptionOstra::getElementId() const
{
    return m_elementId;
}

QString ElementAlreadyExistExceptionOstra::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Added Element Id: ") + m_elementId + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
