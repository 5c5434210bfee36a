#include "elements/ParameterVertexPtrConnData.h"

#include <QHash>

#include "elements/ElementsSerialization.h"
#include "errors/BadValueTypeExceptionOstra.h"
#include "errors/NoIdExceptionOstra.h"
#include "serialization/ISerializerObject.h"

ParameterVertexPtrConnData::ParameterVertexPtrConnData() {}

ParameterVertexPtrConnData::ParameterVertexPtrConnData(const QString &n_id, QVariant::Type n_type,
                                                       const QVariant &n_defaultValue)
    : ParameterVertexPtrConn(n_id, n_type, n_defaultValue)
{
}

ParameterVertexPtrConnData::ParameterVertexPtrConnData(const QString &n_id, const QString &n_shortName,
                                                       const QString &n_description, const QString &n_author,
                                                       const QString &n_GUID, QVariant::Type n_type,
                                                       const QVariant &n_defaultValue)
    : ParameterVertexPtrConn(n_id, n_shortName, n_description, n_author, n_GUID, n_type, n_defaultValue)
{
}

ParameterVertexPtrConnData::ParameterVertexPtrConnData(const QString &n_id, QVariant::Type n_type,
                                                       const QVariant &n_defaultValue,
                                                       const QList<RuleSharedPtr> &n_inputRules,
                                                       const QList<RuleSharedPtr> &n_outputRules)
    : ParameterVertexPtrConn(n_id, n_type, n_defaultValue, n_inputRules, n_outputRules)
{
}

ParameterVertexPtrConnData::ParameterVertexPtrConnData(const QString &n_id, QVariant::Type n_type,
                                                       const QVariant &n_defaultValue,
                                                       const QList<ConstraintSharedPtr> &n_constraints)
    : ParameterVertexPtrConn(n_id, n_type, n_defaultValue, n_constraints)
{
}

ParameterVertexPtrConnData::ParameterVertexPtrConnData(const QString &n_id, QVariant::Type n_type,
                                                       const QVariant &n_defaultValue,
                                                       const QList<RuleSharedPtr> &n_inputRules,
                                                       const QList<RuleSharedPtr> &n_outputRules,
                                                       const QList<ConstraintSharedPtr> &n_constraints)
    : ParameterVertexPtrConn(n_id, n_type, n_defaultValue, n_inputRules, n_outputRules, n_constraints)
{
}

ParameterVertexPtrConnData::ParameterVertexPtrConnData(const QString &n_id, const QString &n_shortName,
                                                       const QString &n_description, const QString &n_author,
                                                       const QString &n_GUID, QVariant::Type n_type,
                                                       const QVariant &n_defaultValue,
                                                       const QList<RuleSharedPtr> &n_inputRules,
                                                       const QList<RuleSharedPtr> &n_outputRules,
                                                       const QList<ConstraintSharedPtr> &n_constraints)
    : ParameterVertexPtrConn(n_id, n_shortName, n_description, n_author, n_GUID, n_type, n_defaultValue,
                             n_inputRules, n_outputRules, n_constraints)
{
}

ParameterVertexPtrConnData::ParameterVertexPtrConnData(const ParameterVertexPtrConnData &n_other)
    : ParameterVertexPtrConn(n_other), AdditionalFields(n_other), ISerializebleObject()
{
}

ParameterVertexPtrConnData::ParameterVertexPtrConnData(const ParameterVertex &n_vertex)
    : ParameterVertexPtrConn(n_vertex)
{
}

ParameterVertexPtrConnData::ParameterVertexPtrConnData(const ISerializerObject &n_object)
{
    ParameterVertexPtrConnData::load(n_object);
}

ParameterVertexPtrConnData::~ParameterVertexPtrConnData() {}

void ParameterVertexPtrConnData::load(const ISerializerObject &n_object)
{
    elementsserialization::loadIdentity(n_object, *this, QStringLiteral("ParameterVertexPtrConnData"));

    const QVariant::Type type = ISerializebleObject::convertFromXmlTypeToQVariantType(
        n_object.getFieldValue(ATTRIBUTE_PARAMETER_NAME_TYPE).toString());
    setValueType(type);

    const QVariant defaultValue = n_object.getFieldValue(ATTRIBUTE_PARAMETER_NAME_DEFAULT_VALUE);
    if (defaultValue.isValid())
        setDefaultValue(ISerializebleObject::readValue(type, defaultValue.toString(), QVariant::Double));

    elementsserialization::loadExtraFields(n_object, *this, MANDATORY_PARAMETER_FIELDS_SET);
}

void ParameterVertexPtrConnData::save(ISerializerObject &n_object)
{
    const QString method = QStringLiteral("save(ISerializerObject &n_object)");
    if (getId().isEmpty())
        throw NoIdExceptionOstra(QStringLiteral("ParameterVertexPtrConnData"), method,
                                 QSharedPointer<ExceptionOstra>());
    elementsserialization::saveIdentity(n_object, *this);

    const QString typeName = ISerializebleObject::convertFromQVariantTypeToXmlType(getValueType());
    if (typeName.isEmpty())
        throw BadValueTypeExceptionOstra(getValueType(), QStringLiteral("ParameterVertexPtrConnData"), method,
                                         QSharedPointer<ExceptionOstra>());
    n_object.addField(ATTRIBUTE_PARAMETER_NAME_TYPE, typeName);

    const QVariant defaultValue = getDefaultValue();
    if (defaultValue.isValid() && !defaultValue.isNull())
        n_object.addField(ATTRIBUTE_PARAMETER_NAME_DEFAULT_VALUE,
                          ISerializebleObject::convertFromQVariantValueToString(getValueType(), defaultValue));

    n_object.addFields(
        elementsserialization::extraFieldsToSave(getAdditionalFields(), MANDATORY_PARAMETER_FIELDS_SET));
}
