#include "elements/RuleVertexPtrConnData.h"

#include "elements/ElementsSerialization.h"
#include "elements/RelationModel.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/NoIdExceptionOstra.h"
#include "errors/NoInputParameters.h"
#include "errors/NoOutputParameters.h"
#include "errors/NoRelation.h"
#include "errors/PointerIsNull.h"
#include "serialization/ISerializerObject.h"

namespace {

const QString CLASS_NAME = QStringLiteral("RuleVertexPtrConnData");

} // namespace

RuleVertexPtrConnData::RuleVertexPtrConnData() {}

RuleVertexPtrConnData::RuleVertexPtrConnData(const QString &n_id) : RuleCalculation(n_id) {}

RuleVertexPtrConnData::RuleVertexPtrConnData(const QString &n_id, const QString &n_shortName,
                                             const QString &n_description, const QString &n_author,
                                             const QString &n_GUID)
    : RuleCalculation(n_id, n_shortName, n_description, n_author, n_GUID)
{
}

RuleVertexPtrConnData::RuleVertexPtrConnData(const QString &n_id, QHash<QString, ParameterSharedPtr> n_inputParameters,
                                             QHash<QString, ParameterSharedPtr> n_outputParameters)
    : RuleCalculation(n_id, n_inputParameters, n_outputParameters)
{
}

RuleVertexPtrConnData::RuleVertexPtrConnData(const QString &n_id, const QString &n_shortName,
                                             const QString &n_description, const QString &n_author,
                                             const QString &n_GUID,
                                             QHash<QString, ParameterSharedPtr> n_inputParameters,
                                             QHash<QString, ParameterSharedPtr> n_outputParameters)
    : RuleCalculation(n_id, n_shortName, n_description, n_author, n_GUID, n_inputParameters, n_outputParameters)
{
}

RuleVertexPtrConnData::RuleVertexPtrConnData(const RuleVertexPtrConnData &n_other)
    : RuleCalculation(n_other), AdditionalFields(n_other), ISerializebleObject()
{
}

RuleVertexPtrConnData::RuleVertexPtrConnData(const RuleVertex &n_vertex) : RuleCalculation(n_vertex) {}

RuleVertexPtrConnData::RuleVertexPtrConnData(const ISerializerObject &n_object)
{
    RuleVertexPtrConnData::load(n_object);
}

RuleVertexPtrConnData::~RuleVertexPtrConnData() {}

void RuleVertexPtrConnData::load(const ISerializerObject &n_object)
{
    elementsserialization::loadIdentity(n_object, *this, CLASS_NAME);
    elementsserialization::loadExtraFields(n_object, *this, MANDATORY_RULE_FIELDS_SET);
}

void RuleVertexPtrConnData::save(ISerializerObject &n_object)
{
    const QString method = QStringLiteral("save(ISerializerObject &n_object)");
    if (getId().isEmpty())
        throw NoIdExceptionOstra(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    const QHash<QString, QString> inputIds = getInputParametersIds();
    const QHash<QString, QString> outputIds = getOutputParametersIds();
    if (!elementsserialization::isLinkTextSafe(inputIds) || !elementsserialization::isLinkTextSafe(outputIds))
        throw InconsistencyDataExceptionOstra(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());

    elementsserialization::saveIdentity(n_object, *this);

    const QSharedPointer<RelationModel> relation = getRelationPtr();
    if (relation.isNull())
        throw PointerIsNull(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());

    if (countOfInputParameters() != relation->getInputParametersCount())
        throw InconsistencyDataExceptionOstra(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    const QString inputText = ISerializebleObject::convertLinkedObjectsToString(inputIds);
    if (inputText.isEmpty())
        throw NoInputParameters(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    n_object.addField(ATTRIBUTE_RULE_NAME_INITID, inputText);

    if (countOfOutputParameters() != relation->getOutputParametersCount())
        throw InconsistencyDataExceptionOstra(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    const QString outputText = ISerializebleObject::convertLinkedObjectsToString(outputIds);
    if (outputText.isEmpty())
        throw NoOutputParameters(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    n_object.addField(ATTRIBUTE_RULE_NAME_RESULTID, outputText);

    const QString relationId = getRelationName();
    if (relationId.isEmpty())
        throw NoRelation(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    n_object.addField(ATTRIBUTE_RULE_NAME_RELATION, relationId);

    n_object.addFields(elementsserialization::extraFieldsToSave(getAdditionalFields(), MANDATORY_RULE_FIELDS_SET));
}
