#ifndef BADVALUEFROMRULE_H
#define BADVALUEFROMRULE_H

#include "errors/ExceptionOstraImpl.h"
#include "errors/BadValueExceptionOstra.h"

// A rule that fired without giving its output parameter a valid value. Renders the rule and
// the parameter but not the value.
class BadValueFromRule : public ExceptionOstraImpl<BadValueFromRule, BadValueExceptionOstra>
{
public:
    BadValueFromRule(const QString &n_ruleId, const QString &n_parameterId, const QVariant &n_value,
                     const QString &n_className, const QString &n_methodName,
                     QSharedPointer<ExceptionOstra> n_parentException);
    BadValueFromRule(const BadValueFromRule &n_other);
    ~BadValueFromRule() override;

    QString getRuleId() const;
    QString getParameterId() const;

    QString toString(bool n_withEndLine) const override;

private:
    QString m_ruleId;
    QString m_parameterId;
};

#endif // BADVALUEFROMRULE_H
