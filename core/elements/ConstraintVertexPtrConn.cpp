#include "elements/ConstraintVertexPtrConn.h"

#include "elements/RelationModel.h"
#include "errors/NoElementExceptionOstra.h"
#include "errors/PointerIsNull.h"
#include "errors/ValuesTypesMismatchExceptionOstra.h"

namespace {

const QString CLASS_NAME = QStringLiteral("ConstraintVertexPtrConn");

} // namespace

ConstraintVertexPtrConn::ConstraintVertexPtrConn() : m_resultParameter(createResultParameter()) {}

ConstraintVertexPtrConn::ConstraintVertexPtrConn(const QString &n_id)
    : ConstraintVertex(n_id), m_resultParameter(createResultParameter())
{
}

ConstraintVertexPtrConn::ConstraintVertexPtrConn(const QString &n_id, const QString &n_shortName,
                                                 const QString &n_description, const QString &n_author,
                                                 const QString &n_GUID)
    : ConstraintVertex(n_id, n_shortName, n_description, n_author, n_GUID), m_resultParameter(createResultParameter())
{
}

ConstraintVertexPtrConn::ConstraintVertexPtrConn(const QString &n_id,
                                                 const QHash<QString, ParameterSharedPtr> &n_inputParameters)
    : ConstraintVertex(n_id), PtrLinkerInputParameters(n_inputParameters), m_resultParameter(createResultParameter())
{
}

ConstraintVertexPtrConn::ConstraintVertexPtrConn(const QString &n_id, const QString &n_shortName,
                                                 const QString &n_description, const QString &n_author,
                                                 const QString &n_GUID,
                                                 const QHash<QString, ParameterSharedPtr> &n_inputParameters)
    : ConstraintVertex(n_id, n_shortName, n_description, n_author, n_GUID),
      PtrLinkerInputParameters(n_inputParameters),
      m_resultParameter(createResultParameter())
{
}

ConstraintVertexPtrConn::ConstraintVertexPtrConn(const ConstraintVertexPtrConn &n_other)
    : ConstraintVertex(n_other), PtrLinkerInputParameters(), IPtrLinkerRelation<RelationModel>(),
      m_resultParameter(createResultParameter())
{
}

ConstraintVertexPtrConn::ConstraintVertexPtrConn(const ConstraintVertex &n_vertex)
    : ConstraintVertex(n_vertex), m_resultParameter(createResultParameter())
{
}

ConstraintVertexPtrConn::~ConstraintVertexPtrConn() {}

void ConstraintVertexPtrConn::reset() {}

ConstraintVertexPtrConn::ParameterSharedPtr ConstraintVertexPtrConn::getResultParameter() const
{
    return m_resultParameter;
}

ConstraintVertexPtrConn::ParameterSharedPtr ConstraintVertexPtrConn::createResultParameter()
{
    ParameterSharedPtr result =
        QSharedPointer<ParameterVertexPtrConn>::create(RESULT_PARAMETER_ID, QVariant::Bool, QVariant(false));
    result->setDefaultValueToValue();
    return result;
}

void ConstraintVertexPtrConn::addInputParameterConn(const QString &n_relationVarName,
                                                    ParameterSharedPtr n_inputParameter)
{
    const QString method =
        QStringLiteral("addInputParameterConn(const QString &n_relationVarName, ParameterSharedPtr n_inputParameter)");
    const QSharedPointer<RelationModel> relation = getRelationPtr();
    if (relation.isNull())
        throw PointerIsNull(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    if (!relation->containInputParameter(n_relationVarName))
        throw NoElementExceptionOstra(n_relationVarName, CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    if (n_inputParameter.isNull())
        throw PointerIsNull(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    const QVariant::Type variableType = relation->getInputParameterType(n_relationVarName);
    if (variableType != n_inputParameter->getValueType())
        throw ValuesTypesMismatchExceptionOstra(n_inputParameter->getId(), n_inputParameter->getValueType(),
                                                variableType, CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    addInputParameter(n_relationVarName, n_inputParameter);
}

void ConstraintVertexPtrConn::replaceInputParameter(const QString &n_linkedName, ParameterSharedPtr n_parameter)
{
    const QSharedPointer<RelationModel> relation = getRelationPtr();
    if (relation.isNull())
        throw PointerIsNull(CLASS_NAME,
                            QStringLiteral("replaceInputParameter(const QString &n_linkedName, "
                                           "ConstraintVertexPtrConn::ParameterSharedPtr n_inputParameter)"),
                            QSharedPointer<ExceptionOstra>());
    if (getInputParameterConn(n_linkedName) == n_parameter)
        return;
    const QString method = QStringLiteral(
        "replaceInputParameter(const QString &n_linkedName, ConstraintVertexPtrConn::ParameterSharedPtr n_outputParameter)");
    if (!relation->containInputParameter(n_linkedName))
        throw NoElementExceptionOstra(n_linkedName, CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    if (n_parameter.isNull())
        throw PointerIsNull(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    const QVariant::Type variableType = relation->getInputParameterType(n_linkedName);
    if (variableType != n_parameter->getValueType())
        throw ValuesTypesMismatchExceptionOstra(n_parameter->getId(), n_parameter->getValueType(), variableType,
                                                CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    PtrLinkerInputParameters::replaceInputParameter(n_linkedName, n_parameter);
}
