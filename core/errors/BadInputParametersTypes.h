#ifndef BADINPUTPARAMETERSTYPES_H
#define BADINPUTPARAMETERSTYPES_H

#include <QStringList>

#include "errors/ExceptionOstraImpl.h"

// Input parameters whose value types do not fit the relation.
class BadInputParametersTypes : public ExceptionOstraImpl<BadInputParametersTypes, ExceptionOstra>
{
public:
    BadInputParametersTypes(const QStringList &n_inputParametersTypes,
                            const QStringList &n_inputParametersIds, const QString &n_className,
                            const QString &n_methodName,
                            QSharedPointer<ExceptionOstra> n_parentException);
    BadInputParametersTypes(const BadInputParametersTypes &n_other);
    ~BadInputParametersTypes() override;

    QStringList getInputParametersIds() const;
    QStringList getInputParametersTypes() const;

    QString toString(bool n_withEndLine) const override;

private:
    QStringList m_inputParametersTypes;
    QStringList m_inputParametersIds;
};

#endif // BADINPUTPARAMETERSTYPES_H
