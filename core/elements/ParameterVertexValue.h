#ifndef PARAMETERVERTEXVALUE_H
#define PARAMETERVERTEXVALUE_H

#include <QString>
#include <QVariant>

#include "elements/ParameterVertex.h"

// A parameter's default and current value. The setters keep each value's type equal to the declared
// type (an Int and a Double stand for each other, kept as given) unless the parameter is untyped;
// the constructors store what they are given unchecked.
class ParameterVertexValue : public ParameterVertex
{
public:
    ParameterVertexValue();
    ParameterVertexValue(const QString &n_id, QVariant::Type n_valueType);
    ParameterVertexValue(const QString &n_id, QVariant::Type n_valueType,
                         const QVariant &n_defaultValue);
    ParameterVertexValue(const QString &n_id, QVariant::Type n_valueType,
                         const QVariant &n_defaultValue, const QVariant &n_value);
    ParameterVertexValue(const QString &n_id, const QString &n_shortName,
                         const QString &n_description, const QString &n_author,
                         const QString &n_GUID, QVariant::Type n_valueType);
    ParameterVertexValue(const QString &n_id, const QString &n_shortName,
                         const QString &n_description, const QString &n_author,
                         const QString &n_GUID, QVariant::Type n_valueType,
                         const QVariant &n_defaultValue);
    ParameterVertexValue(const QString &n_id, const QString &n_shortName,
                         const QString &n_description, const QString &n_author,
                         const QString &n_GUID, QVariant::Type n_valueType,
                         const QVariant &n_defaultValue, const QVariant &n_value);
    explicit ParameterVertexValue(const ParameterVertex &n_vertex);
    ParameterVertexValue(const ParameterVertexValue &n_other);
    ParameterVertexValue &operator=(const ParameterVertexValue &n_other);
    ~ParameterVertexValue() override;

    OstraObjectType getOstraObjectType() const override;

    QVariant getValue() const;
    QVariant getDefaultValue() const;
    // Both throw ValuesTypesMismatchExceptionOstra for a value the declared type refuses and then
    // leave the parameter unchanged.
    void setValue(const QVariant &n_value);
    void setDefaultValue(const QVariant &n_defaultValue);

    // Equal types, or one Int and the other Double.
    static bool isSameValue(QVariant::Type n_first, QVariant::Type n_second);

    bool hasDefaultValue() const;
    void resetValue();
    void resetDefaultValue();
    // The default value goes through setValue, so a typed parameter without one throws.
    void setDefaultValueToValue();

    // Id, kind, declared type and current value; the default value does not count.
    bool operator==(const ParameterVertexValue &n_other) const;
    bool operator!=(const ParameterVertexValue &n_other) const;

private:
    bool acceptsValueType(QVariant::Type n_type) const;

    QVariant m_defaultValue;
    QVariant m_value;
};

#endif // PARAMETERVERTEXVALUE_H
