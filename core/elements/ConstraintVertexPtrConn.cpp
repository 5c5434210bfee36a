#include "elements/ConstraintVertexPtrConn.h"

#include "elements/RelationBinding.h"
#include "elements/RelationModel.h"

namespace {

const QString CLASS_NAME = QStringLiteral("ConstraintVertexPtrConn");

} // namespace

ConstraintVertexPtrConn::ConstraintVertexPtrConn() : m_resultParameter(createResultParameter())
{
}

ConstraintVertexPtrConn::ConstraintVertexPtrConn(const QString &n_id)
    : ConstraintVertex(n_id), m_resultParameter(createResultParameter())
{
}

ConstraintVertexPtrConn::ConstraintVertexPtrConn(const QString &n_id, const QString &n_shortName,
                                                 const QString &n_description,
                                                 const QString &n_author, const QString &n_GUID)
    : ConstraintVertex(n_id, n_shortName, n_description, n_author, n_GUID),
      m_resultParameter(createResultParameter())
{
}

ConstraintVertexPtrConn::ConstraintVertexPtrConn(
    const QString &n_id, const QHash<QString, ParameterSharedPtr> &n_inputParameters)
    : ConstraintVertex(n_id), PtrLinkerInputParameters(n_inputParameters),
      m_resultParameter(createResultParameter())
{
}

ConstraintVertexPtrConn::ConstraintVertexPtrConn(
    const QString &n_id, const QString &n_shortName, const QString &n_description,
    const QString &n_author, const QString &n_GUID,
    const QHash<QString, ParameterSharedPtr> &n_inputParameters)
    : ConstraintVertex(n_id, n_shortName, n_description, n_author, n_GUID),
      PtrLinkerInputParameters(n_inputParameters), m_resultParameter(createResultParameter())
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

ConstraintVertexPtrConn::~ConstraintVertexPtrConn()
{
}

void ConstraintVertexPtrConn::reset()
{
}

ConstraintVertexPtrConn::ParameterSharedPtr ConstraintVertexPtrConn::getResultParameter() const
{
    return m_resultParameter;
}

ConstraintVertexPtrConn::ParameterSharedPtr ConstraintVertexPtrConn::createResultParameter()
{
    ParameterSharedPtr result = QSharedPointer<ParameterVertexPtrConn>::create(
        RESULT_PARAMETER_ID, QVariant::Bool, QVariant(false));
    result->setDefaultValueToValue();
    return result;
}

void ConstraintVertexPtrConn::addInputParameterConn(const QString &n_relationVarName,
                                                    ParameterSharedPtr n_inputParameter)
{
    relationbinding::addInputParameterConn(*this, getRelationPtr(), n_relationVarName,
                                           n_inputParameter, CLASS_NAME);
}

void ConstraintVertexPtrConn::replaceInputParameter(const QString &n_linkedName,
                                                    ParameterSharedPtr n_parameter)
{
    const QSharedPointer<RelationModel> relation = getRelationPtr();
    relationbinding::requireRelation(
        relation, CLASS_NAME,
        QStringLiteral("replaceInputParameter(const QString &n_linkedName, "
                       "ConstraintVertexPtrConn::ParameterSharedPtr n_inputParameter)"));
    if (getInputParameterConn(n_linkedName) == n_parameter)
        return;
    relationbinding::checkVariable(
        *relation, relationbinding::INPUT, n_linkedName, n_parameter, CLASS_NAME,
        QStringLiteral("replaceInputParameter(const QString &n_linkedName, "
                       "ConstraintVertexPtrConn::ParameterSharedPtr n_outputParameter)"));
    PtrLinkerInputParameters::replaceInputParameter(n_linkedName, n_parameter);
}
