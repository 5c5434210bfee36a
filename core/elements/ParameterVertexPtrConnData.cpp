#include "elements/ParameterVertexPtrConnData.h"

#include <QHash>

#include "elements/ElementsSerialization.h"
#include "errors/BadValueTypeExceptionOstra.h"
#include "errors/NoIdExceptionOstra.h"
#include "serialization/ISerializerObject.h"

ParameterVertexPtrConnData::ParameterVertexPtrConnData()
{
}

ParameterVertexPtrConnData::ParameterVertexPtrConnData(const ParameterVertexPtrConnData &n_other)
    : ParameterVertexPtrConn(n_other), AdditionalFields(n_other), ISerializebleObject()
{
}

ParameterVertexPtrConnData::ParameterVertexPtrConnData(const ISerializerObject &n_object)
{
    ParameterVertexPtrConnData::load(n_object);
}

ParameterVertexPtrConnData::~ParameterVertexPtrConnData()
{
}

void ParameterVertexPtrConnData::load(const ISerializerObject &n_object)
{
    elementsserialization::loadIdentity(n_object, *this,
                                        QStringLiteral("ParameterVertexPtrConnData"));

    const QVariant::Type type = ISerializebleObject::convertFromXmlTypeToQVariantType(
        n_object.getFieldValue(ATTRIBUTE_PARAMETER_NAME_TYPE).toString());
    setValueType(type);

    const QVariant defaultValue = n_object.getFieldValue(ATTRIBUTE_PARAMETER_NAME_DEFAULT_VALUE);
    if (defaultValue.isValid())
        setDefaultValue(
            ISerializebleObject::readValue(type, defaultValue.toString(), QVariant::Double));

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
        throw BadValueTypeExceptionOstra(getValueType(),
                                         QStringLiteral("ParameterVertexPtrConnData"), method,
                                         QSharedPointer<ExceptionOstra>());
    n_object.addField(ATTRIBUTE_PARAMETER_NAME_TYPE, typeName);

    const QVariant defaultValue = getDefaultValue();
    if (defaultValue.isValid() && !defaultValue.isNull())
        n_object.addField(
            ATTRIBUTE_PARAMETER_NAME_DEFAULT_VALUE,
            ISerializebleObject::convertFromQVariantValueToString(getValueType(), defaultValue));

    n_object.addFields(elementsserialization::extraFieldsToSave(getAdditionalFields(),
                                                                MANDATORY_PARAMETER_FIELDS_SET));
}
