#include "elements/RelationModel.h"

#include "elements/ElementsSerialization.h"
#include "errors/BadRelationType.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/NoIdExceptionOstra.h"
#include "errors/NoInputParameters.h"
#include "errors/NoOutputParameters.h"
#include "errors/NoRequiredField.h"
#include "errors/RelationNoCode.h"
#include "serialization/ISerializerObject.h"

namespace {

const QString CLASS_NAME = QStringLiteral("RelationModel");
const QString LOAD_METHOD = QStringLiteral("load(const ISerializerObject &n_object)");
const QString SAVE_METHOD = QStringLiteral("save(ISerializerObject &n_object)");

// The variable lists are stored as name:type pairs joined by ";" (types by ","), unescaped, so a
// name holding one of these characters would make the file unreadable.
bool isStorableVariableName(const QString &n_name)
{
    return !n_name.contains(QLatin1Char(':')) && !n_name.contains(QLatin1Char(';'))
           && !n_name.contains(QLatin1Char(','));
}

} // namespace

RelationModel::RelationModel(QScriptEngine *n_engine)
    : RelationDataObj(n_engine), m_relationType(RELATION_SIMPLE)
{
}

RelationModel::RelationModel(const QString &n_id, const QString &n_code, QScriptEngine *n_engine)
    : RelationDataObj(n_id, n_code, n_engine), m_relationType(RELATION_SIMPLE)
{
}

RelationModel::RelationModel(const QString &n_id, const QString &n_shortName,
                             const QString &n_description, const QString &n_author,
                             const QString &n_GUID, const QString &n_code, QScriptEngine *n_engine)
    : RelationDataObj(n_id, n_shortName, n_description, n_author, n_GUID, n_code, n_engine),
      m_relationType(RELATION_SIMPLE)
{
}

RelationModel::RelationModel(const RelationDataObj &n_other, QScriptEngine *n_engine)
    : RelationDataObj(n_other, n_engine), m_relationType(RELATION_SIMPLE)
{
}

RelationModel::RelationModel(const RelationVertex &n_other, QScriptEngine *n_engine)
    : RelationDataObj(n_other, n_engine), m_relationType(RELATION_SIMPLE)
{
}

RelationModel::RelationModel(const RelationModel &n_other)
    : RelationDataObj(n_other, nullptr), BaseRelationParent(n_other),
      ISerializebleObject(), QEnableSharedFromThis<RelationModel>(),
      m_relationType(n_other.m_relationType)
{
}

RelationModel::~RelationModel() = default;

RelationModel::RelationType RelationModel::getRelationType() const
{
    return m_relationType;
}

void RelationModel::setRelationType(RelationModel::RelationType n_type)
{
    const int value = static_cast<int>(n_type);
    m_relationType = static_cast<RelationType>(qBound(0, value, 3));
}

QString RelationModel::getRelationTypeString(RelationModel::RelationType n_type)
{
    const int value = static_cast<int>(n_type);
    if (value < 0 || value >= m_relationTypesStrings.size())
        return QString();
    return m_relationTypesStrings.at(value);
}

int RelationModel::getInputParametersCount()
{
    return getInputParametersValues().size();
}

int RelationModel::getOutputParametersCount()
{
    return getOutputParametersValues().size();
}

void RelationModel::load(const ISerializerObject &n_object)
{
    auto text = [&n_object](const QString &n_name) {
        return n_object.getFieldValue(n_name).toString();
    };

    const QString id = text(ISerializerObject::ATTRIBUTE_NAME_ID);
    if (id.isEmpty())
        throw NoIdExceptionOstra(CLASS_NAME, LOAD_METHOD, nullptr);
    setId(id);
    setShortName(text(ISerializerObject::ATTRIBUTE_NAME_SHORT_NAME));
    setDescription(text(ISerializerObject::ATTRIBUTE_NAME_DESCRIPTION));
    setAuthor(text(ISerializerObject::ATTRIBUTE_NAME_AUTHOR));
    setGUID(text(ISerializerObject::ATTRIBUTE_NAME_GUID));
    setCode(text(ISerializerObject::ATTRIBUTE_NAME_INTENAL_INFO));

    const QString typeWord = text(ATTRIBUTE_RELATION_NAME_RELATION_TYPE);
    if (typeWord.isEmpty())
        throw NoRequiredField(getId(), ATTRIBUTE_RELATION_NAME_RELATION_TYPE, CLASS_NAME,
                              LOAD_METHOD, nullptr);
    // An unknown word is read as a plain formula.
    m_relationType = static_cast<RelationType>(qMax(0, m_relationTypesStrings.indexOf(typeWord)));

    const QHash<QString, QVariant::Type> inputs =
        ISerializebleObject::convertStringToLinkedObjectsTypes(
            text(ATTRIBUTE_RELATION_NAME_IN_OBJECT));
    if (inputs.isEmpty())
        throw NoInputParameters(CLASS_NAME, LOAD_METHOD, nullptr);
    const QHash<QString, QVariant::Type> outputs =
        ISerializebleObject::convertStringToLinkedObjectsTypes(
            text(ATTRIBUTE_RELATION_NAME_OUT_OBJECT));
    if (outputs.isEmpty())
        throw NoOutputParameters(CLASS_NAME, LOAD_METHOD, nullptr);
    // A name that save would refuse (a "," survives the decoding) is refused here, so that every
    // relation read from a file can be written again.
    for (const QString &name : inputs.keys() + outputs.keys()) {
        if (!isStorableVariableName(name))
            throw InconsistencyDataExceptionOstra(CLASS_NAME, LOAD_METHOD, nullptr);
    }
    addInputParametersTypes(inputs);
    addOutputParametersTypes(outputs);

    elementsserialization::loadExtraFields(n_object, *this, MANDATORY_RELATION_FIELDS_SET);
}

void RelationModel::save(ISerializerObject &n_object)
{
    if (getId().isEmpty())
        throw NoIdExceptionOstra(CLASS_NAME, SAVE_METHOD, nullptr);
    // Refused before anything is written, so the node never holds half a relation.
    const QList<QString> names = getInputParametersNames() + getOutputParametersNames();
    for (const QString &name : names) {
        if (!isStorableVariableName(name))
            throw InconsistencyDataExceptionOstra(CLASS_NAME, SAVE_METHOD, nullptr);
    }

    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_ID, QVariant(getId()));
    const QList<QPair<QString, QString>> identity = {
        {ISerializerObject::ATTRIBUTE_NAME_SHORT_NAME, getShortName()},
        {ISerializerObject::ATTRIBUTE_NAME_DESCRIPTION, getDescription()},
        {ISerializerObject::ATTRIBUTE_NAME_AUTHOR, getAuthor()},
        {ISerializerObject::ATTRIBUTE_NAME_GUID, getGUID()}};
    for (const auto &field : identity) {
        if (!field.second.isEmpty())
            n_object.addField(field.first, QVariant(field.second));
    }

    const int kind = static_cast<int>(m_relationType);
    if (kind < 0 || kind > 3)
        throw BadRelationType(CLASS_NAME, SAVE_METHOD, nullptr);
    n_object.addField(ATTRIBUTE_RELATION_NAME_RELATION_TYPE,
                      QVariant(getRelationTypeString(m_relationType)));

    const QString inputs = ISerializebleObject::convertLinkedObjectsTypesToString(
        getInputParametersTypes());
    if (inputs.isEmpty())
        throw NoInputParameters(CLASS_NAME, SAVE_METHOD, nullptr);
    n_object.addField(ATTRIBUTE_RELATION_NAME_IN_OBJECT, QVariant(inputs));

    const QString outputs = ISerializebleObject::convertLinkedObjectsTypesToString(
        getOutputParametersTypes());
    if (outputs.isEmpty())
        throw NoOutputParameters(CLASS_NAME, SAVE_METHOD, nullptr);
    n_object.addField(ATTRIBUTE_RELATION_NAME_OUT_OBJECT, QVariant(outputs));

    if (getCode().isEmpty())
        throw RelationNoCode(CLASS_NAME, SAVE_METHOD, nullptr);
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_INTENAL_INFO, QVariant(getCode()));

    n_object.addFields(getAdditionalFields());
}

QHash<QString, QVariant::Type> RelationModel::convertStringTypeListToQVariantTypeList(
    const QStringList &n_list)
{
    QHash<QString, QVariant::Type> types;
    for (const QString &item : n_list) {
        const QStringList pieces = item.split(QLatin1Char(':'), Qt::KeepEmptyParts);
        types.insert(pieces.value(0),
                     ISerializebleObject::convertFromXmlTypeToQVariantType(pieces.value(1)));
    }
    return types;
}

QStringList RelationModel::convertQVariantTypeListToStringTypeList(
    const QHash<QString, QVariant::Type> &n_types)
{
    QStringList list;
    for (auto it = n_types.constBegin(); it != n_types.constEnd(); ++it)
        list << it.key() + QLatin1Char(':')
                    + ISerializebleObject::convertFromQVariantTypeToXmlType(it.value());
    return list;
}
