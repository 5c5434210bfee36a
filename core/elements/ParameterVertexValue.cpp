#include "elements/ParameterVertexValue.h"

#include "errors/ValuesTypesMismatchExceptionOstra.h"

ParameterVertexValue::ParameterVertexValue() = default;

ParameterVertexValue::ParameterVertexValue(const QString &n_id, QVariant::Type n_valueType)
    : ParameterVertex(n_id, n_valueType)
{
}

ParameterVertexValue::ParameterVertexValue(const QString &n_id, QVariant::Type n_valueType,
                                           const QVariant &n_defaultValue)
    : ParameterVertex(n_id, n_valueType), m_defaultValue(n_defaultValue)
{
}

ParameterVertexValue::ParameterVertexValue(const QString &n_id, QVariant::Type n_valueType,
                                           const QVariant &n_defaultValue, const QVariant &n_value)
    : ParameterVertex(n_id, n_valueType), m_defaultValue(n_defaultValue), m_value(n_value)
{
}

ParameterVertexValue::ParameterVertexValue(const QString &n_id, const QString &n_shortName,
                                           const QString &n_description, const QString &n_author,
                                           const QString &n_GUID, QVariant::Type n_valueType)
    : ParameterVertex(n_id, n_shortName, n_description, n_author, n_GUID, n_valueType)
{
}

ParameterVertexValue::ParameterVertexValue(const QString &n_id, const QString &n_shortName,
                                           const QString &n_description, const QString &n_author,
                                           const QString &n_GUID, QVariant::Type n_valueType,
                                           const QVariant &n_defaultValue)
    : ParameterVertex(n_id, n_shortName, n_description, n_author, n_GUID, n_valueType),
      m_defaultValue(n_defaultValue)
{
}

ParameterVertexValue::ParameterVertexValue(const QString &n_id, const QString &n_shortName,
                                           const QString &n_description, const QString &n_author,
                                           const QString &n_GUID, QVariant::Type n_valueType,
                                           const QVariant &n_defaultValue, const QVariant &n_value)
    : ParameterVertex(n_id, n_shortName, n_description, n_author, n_GUID, n_valueType),
      m_defaultValue(n_defaultValue), m_value(n_value)
{
}

ParameterVertexValue::ParameterVertexValue(const ParameterVertex &n_vertex)
    : ParameterVertex(n_vertex)
{
}

ParameterVertexValue::ParameterVertexValue(const ParameterVertexValue &n_other) = default;

ParameterVertexValue &ParameterVertexValue::operator=(const ParameterVertexValue &n_other) =
    default;

ParameterVertexValue::~ParameterVertexValue() = default;

OstraObjectType ParameterVertexValue::getOstraObjectType() const
{
    return ParameterVertex::getOstraObjectType();
}

QVariant ParameterVertexValue::getValue() const
{
    return m_value;
}

QVariant ParameterVertexValue::getDefaultValue() const
{
    return m_defaultValue;
}

bool ParameterVertexValue::acceptsValueType(QVariant::Type n_type) const
{
    const QVariant::Type declared = getValueType();
    return isSameValue(n_type, declared) || declared == QVariant::Invalid;
}

void ParameterVertexValue::setValue(const QVariant &n_value)
{
    if (!acceptsValueType(n_value.type()))
        throw ValuesTypesMismatchExceptionOstra(
            getId(), n_value.type(), m_value.type(), QStringLiteral("ParameterVertexValue"),
            QStringLiteral("setValue(const QVariant &n_value)"), nullptr);
    m_value = n_value;
}

void ParameterVertexValue::setDefaultValue(const QVariant &n_defaultValue)
{
    if (!acceptsValueType(n_defaultValue.type()))
        throw ValuesTypesMismatchExceptionOstra(
            getId(), n_defaultValue.type(), m_defaultValue.type(),
            QStringLiteral("ParameterVertexValue"),
            QStringLiteral("setDefaultValue(const QVariant &n_defaultValue)"), nullptr);
    m_defaultValue = n_defaultValue;
}

bool ParameterVertexValue::isSameValue(QVariant::Type n_first, QVariant::Type n_second)
{
    if (n_first == n_second)
        return true;
    return (n_first == QVariant::Int && n_second == QVariant::Double)
           || (n_first == QVariant::Double && n_second == QVariant::Int);
}

bool ParameterVertexValue::hasDefaultValue() const
{
    return m_defaultValue.type() != QVariant::Invalid && !m_defaultValue.isNull();
}

void ParameterVertexValue::resetValue()
{
    m_value = QVariant();
}

void ParameterVertexValue::resetDefaultValue()
{
    m_defaultValue = QVariant();
}

void ParameterVertexValue::setDefaultValueToValue()
{
    setValue(m_defaultValue);
}

bool ParameterVertexValue::operator==(const ParameterVertexValue &n_other) const
{
    return getId() == n_other.getId() && m_value == n_other.m_value
           && getOstraObjectType() == n_other.getOstraObjectType()
           && getValueType() == n_other.getValueType();
}

bool ParameterVertexValue::operator!=(const ParameterVertexValue &n_other) const
{
    return !(*this == n_other);
}
