#include "elements/ConstraintVertexPtrConnData.h"

#include "elements/ElementsSerialization.h"
#include "elements/RelationModel.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/NoIdExceptionOstra.h"
#include "errors/NoInputParameters.h"
#include "errors/PointerIsNull.h"
#include "serialization/ISerializerObject.h"

namespace {

const QString CLASS_NAME = QStringLiteral("ConstraintVertexPtrConnData");

} // namespace

ConstraintVertexPtrConnData::ConstraintVertexPtrConnData()
{
}

ConstraintVertexPtrConnData::ConstraintVertexPtrConnData(const ConstraintVertexPtrConnData &n_other)
    : ConstraintCalculation(n_other), AdditionalFields(n_other), ISerializebleObject()
{
}

ConstraintVertexPtrConnData::ConstraintVertexPtrConnData(const ISerializerObject &n_object)
{
    ConstraintVertexPtrConnData::load(n_object);
}

ConstraintVertexPtrConnData::~ConstraintVertexPtrConnData()
{
}

void ConstraintVertexPtrConnData::load(const ISerializerObject &n_object)
{
    elementsserialization::loadIdentity(n_object, *this, CLASS_NAME);
    elementsserialization::loadExtraFields(n_object, *this, MANDATORY_CONSTRAINT_FIELDS_SET);
}

void ConstraintVertexPtrConnData::save(ISerializerObject &n_object)
{
    const QString method = QStringLiteral("save(ISerializerObject &n_object)");
    if (getId().isEmpty())
        throw NoIdExceptionOstra(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    const QHash<QString, QString> inputIds = getInputParametersIds();
    if (!elementsserialization::isLinkTextSafe(inputIds))
        throw InconsistencyDataExceptionOstra(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());

    elementsserialization::saveIdentity(n_object, *this);

    const QSharedPointer<RelationModel> relation = getRelationPtr();
    if (relation.isNull())
        throw PointerIsNull(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());

    elementsserialization::saveLinks<NoInputParameters>(
        n_object, ATTRIBUTE_CONSTRAINT_NAME_INITID, inputIds, countOfInputParameters(),
        relation->getInputParametersCount(), CLASS_NAME, method);
    elementsserialization::saveRelationId(n_object, ATTRIBUTE_CONSTRAINT_NAME_RELATION,
                                          getRelationName(), CLASS_NAME, method);

    n_object.addFields(elementsserialization::extraFieldsToSave(getAdditionalFields(),
                                                                MANDATORY_CONSTRAINT_FIELDS_SET));
}

bool ConstraintVertexPtrConnData::isTypesMatch(int n_index,
                                               QSharedPointer<ParameterVertexPtrConn> n_parameter,
                                               const QList<QVariant::Type> &n_types)
{
    if (n_index < 0 || n_index >= n_types.size())
        return false;
    return n_types.at(n_index) == n_parameter->getValueType();
}
