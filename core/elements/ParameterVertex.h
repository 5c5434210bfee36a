#ifndef PARAMETERVERTEX_H
#define PARAMETERVERTEX_H

#include <QString>
#include <QVariant>

#include "errors/BaseOstraObj.h"

// A parameter's identity and its declared value type. QVariant::Invalid (0) means untyped.
class ParameterVertex : public BaseOstraObj
{
public:
    ParameterVertex();
    // Throws NoIdExceptionOstra for an empty id.
    ParameterVertex(const QString &n_id, QVariant::Type n_valueType);
    ParameterVertex(const QString &n_id, const QString &n_shortName, const QString &n_description,
                    const QString &n_author, const QString &n_GUID, QVariant::Type n_valueType);
    ParameterVertex(const ParameterVertex &n_other);
    ParameterVertex &operator=(const ParameterVertex &n_other);
    ~ParameterVertex() override;

    OstraObjectType getOstraObjectType() const override;

    QVariant::Type getValueType() const;
    // Stored values are not re-checked: a value of the old type stays until it is replaced.
    void setValueType(QVariant::Type n_valueType);

    // Identity equality only; the declared type does not count.
    bool operator==(const ParameterVertex &n_other) const;
    bool operator!=(const ParameterVertex &n_other) const;

private:
    QVariant::Type m_valueType;
};

#endif // PARAMETERVERTEX_H
