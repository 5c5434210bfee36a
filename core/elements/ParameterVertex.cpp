#include "elements/ParameterVertex.h"

ParameterVertex::ParameterVertex() : BaseOstraObj(), m_valueType(QVariant::Invalid)
{
}

ParameterVertex::ParameterVertex(const QString &n_id, QVariant::Type n_valueType)
    : BaseOstraObj(n_id), m_valueType(n_valueType)
{
}

ParameterVertex::ParameterVertex(const QString &n_id, const QString &n_shortName,
                                 const QString &n_description, const QString &n_author,
                                 const QString &n_GUID, QVariant::Type n_valueType)
    : BaseOstraObj(n_id, n_shortName, n_description, n_author, n_GUID), m_valueType(n_valueType)
{
}

ParameterVertex::ParameterVertex(const ParameterVertex &n_other) = default;

ParameterVertex &ParameterVertex::operator=(const ParameterVertex &n_other) = default;

ParameterVertex::~ParameterVertex() = default;

OstraObjectType ParameterVertex::getOstraObjectType() const
{
    return OBJECT_TYPE_PARAMETER;
}

QVariant::Type ParameterVertex::getValueType() const
{
    return m_valueType;
}

void ParameterVertex::setValueType(QVariant::Type n_valueType)
{
    m_valueType = n_valueType;
}

bool ParameterVertex::operator==(const ParameterVertex &n_other) const
{
    return BaseOstraObj::operator==(n_other);
}

bool ParameterVertex::operator!=(const ParameterVertex &n_other) const
{
    return !(*this == n_other);
}
