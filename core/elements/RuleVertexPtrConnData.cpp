#include "elements/RuleVertexPtrConnData.h"

#include "elements/ElementsSerialization.h"
#include "elements/RelationModel.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/NoIdExceptionOstra.h"
#include "errors/NoInputParameters.h"
#include "errors/NoOutputParameters.h"
#include "errors/PointerIsNull.h"
#include "serialization/ISerializerObject.h"

namespace {

const QString CLASS_NAME = QStringLiteral("RuleVertexPtrConnData");

} // namespace

RuleVertexPtrConnData::RuleVertexPtrConnData()
{
}

RuleVertexPtrConnData::RuleVertexPtrConnData(const RuleVertexPtrConnData &n_other)
    : RuleCalculation(n_other), AdditionalFields(n_other), ISerializebleObject()
{
}

RuleVertexPtrConnData::RuleVertexPtrConnData(const ISerializerObject &n_object)
{
    RuleVertexPtrConnData::load(n_object);
}

RuleVertexPtrConnData::~RuleVertexPtrConnData()
{
}

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
    if (!elementsserialization::isLinkTextSafe(inputIds)
        || !elementsserialization::isLinkTextSafe(outputIds))
        throw InconsistencyDataExceptionOstra(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());

    elementsserialization::saveIdentity(n_object, *this);

    const QSharedPointer<RelationModel> relation = getRelationPtr();
    if (relation.isNull())
        throw PointerIsNull(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());

    elementsserialization::saveLinks<NoInputParameters>(
        n_object, ATTRIBUTE_RULE_NAME_INITID, inputIds, countOfInputParameters(),
        relation->getInputParametersCount(), CLASS_NAME, method);
    elementsserialization::saveLinks<NoOutputParameters>(
        n_object, ATTRIBUTE_RULE_NAME_RESULTID, outputIds, countOfOutputParameters(),
        relation->getOutputParametersCount(), CLASS_NAME, method);
    elementsserialization::saveRelationId(n_object, ATTRIBUTE_RULE_NAME_RELATION, getRelationName(),
                                          CLASS_NAME, method);

    n_object.addFields(
        elementsserialization::extraFieldsToSave(getAdditionalFields(), MANDATORY_RULE_FIELDS_SET));
}
