#include "errors/BadValueFromRule.h"

BadValueFromRule::BadValueFromRule(const QString &n_ruleId, const QString &n_parameterId,
                                   const QVariant &n_value, const QString &n_className,
                                   const QString &n_methodName,
                                   QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(518, n_value, EXCEPTION_DESCRIPTIONS[518 - 501], n_className, n_methodName,
                         n_parentException),
      m_ruleId(n_ruleId), m_parameterId(n_parameterId)
{
}

BadValueFromRule::BadValueFromRule(const BadValueFromRule &n_other)
    : ExceptionOstraImpl(n_other), m_ruleId(n_other.m_ruleId), m_parameterId(n_other.m_parameterId)
{
}

BadValueFromRule::~BadValueFromRule() = default;

QString BadValueFromRule::getRuleId() const
{
    return m_ruleId;
}

QString BadValueFromRule::getParameterId() const
{
    return m_parameterId;
}

QString BadValueFromRule::toString(bool n_withEndLine) const
{
    // Starts from the plain base block: the value itself is not shown.
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("Rule Id: ") + m_ruleId + QLatin1Char('\n');
    text += QStringLiteral("Parameter Id: ") + m_parameterId + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
