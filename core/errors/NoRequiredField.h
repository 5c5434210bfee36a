#ifndef NOREQUIREDFIELD_H
#define NOREQUIREDFIELD_H

#include "errors/ExceptionOstraImpl.h"

// A stored element that lacks a field it must have.
class NoRequiredField : public ExceptionOstraImpl<NoRequiredField, ExceptionOstra>
{
public:
    NoRequiredField(const QString &n_objectId, const QString &n_fieldName,
                    const QString &n_className, const QString &n_methodName,
                    QSharedPointer<ExceptionOstra> n_parentException);
    NoRequiredField(const NoRequiredField &n_other);
    ~NoRequiredField() override;

    QString getObjectId() const;
    QString getFieldName() const;

    QString toString(bool n_withEndLine) const override;

private:
    QString m_objectId;
    QString m_fieldName;
};

#endif // NOREQUIREDFIELD_H
