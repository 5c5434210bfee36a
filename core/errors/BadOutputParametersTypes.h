#ifndef BADOUTPUTPARAMETERSTYPES_H
#define BADOUTPUTPARAMETERSTYPES_H

#include <QStringList>

#include "errors/ExceptionOstraImpl.h"

// Output parameters whose value types do not fit the relation.
class BadOutputParametersTypes : public ExceptionOstraImpl<BadOutputParametersTypes, ExceptionOstra>
{
public:
    BadOutputParametersTypes(const QStringList &n_outputParametersTypes,
                             const QStringList &n_outputParametersIds, const QString &n_className,
                             const QString &n_methodName,
                             QSharedPointer<ExceptionOstra> n_parentException);
    BadOutputParametersTypes(const BadOutputParametersTypes &n_other);
    ~BadOutputParametersTypes() override;

    QStringList getOutputParametersIds() const;
    QStringList getOutputParametersTypes() const;

    QString toString(bool n_withEndLine) const override;

private:
    QStringList m_outputParametersTypes;
    QStringList m_outputParametersIds;
};

#endif // BADOUTPUTPARAMETERSTYPES_H
