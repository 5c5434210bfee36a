#include "errors/InitScriptParameterExceptionOstra.h"

InitScriptParameterExceptionOstra::InitScriptParameterExceptionOstra(
    QString n_relationId, const QString &n_parameterId, const QVariant &n_value,
    const QString &n_description, const QString &n_className, const QString &n_methodName,
    QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(504, n_value, n_description, n_className, n_methodName, n_parentException),
      IElementId(n_parameterId, OBJECT_TYPE_PARAMETER), m_relationId(n_relationId)
{
}

InitScriptParameterExceptionOstra::InitScriptParameterExceptionOstra(
    const InitScriptParameterExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other), IElementId(n_other), m_relationId(n_other.m_relationId)
{
}

InitScriptParameterExceptionOstra::~InitScriptParameterExceptionOstra() = default;

QString InitScriptParameterExceptionOstra::getRelationId() const
{
    return m_relationId;
}

QString InitScriptParameterExceptionOstra::getParameterId() const
{
    return getElementId();
}

QString InitScriptParameterExceptionOstra::toString(bool n_withEndLine) const
{
    QString text = BadValueExceptionOstra::toString(false);
    text += QStringLiteral("Relation Id: ") + m_relationId + QLatin1Char('\n');
    text += QStringLiteral("Parameter Id: ") + getElementId() + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
