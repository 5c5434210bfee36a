#include "elements/RuleVertexPtrConn.h"

#include "elements/RelationBinding.h"
#include "elements/RelationModel.h"

namespace {

const QString CLASS_NAME = QStringLiteral("RuleVertexPtrConn");

} // namespace

RuleVertexPtrConn::RuleVertexPtrConn()
{
}

RuleVertexPtrConn::RuleVertexPtrConn(const QString &n_id) : RuleVertex(n_id)
{
}

RuleVertexPtrConn::RuleVertexPtrConn(const QString &n_id, const QString &n_shortName,
                                     const QString &n_description, const QString &n_author,
                                     const QString &n_GUID)
    : RuleVertex(n_id, n_shortName, n_description, n_author, n_GUID)
{
}

RuleVertexPtrConn::RuleVertexPtrConn(const QString &n_id,
                                     const QHash<QString, ParameterSharedPtr> &n_inputParameters,
                                     const QHash<QString, ParameterSharedPtr> &n_outputParameters)
    : RuleVertex(n_id), PtrLinkerInputParameters(n_inputParameters),
      m_outputParameters(n_outputParameters)
{
}

RuleVertexPtrConn::RuleVertexPtrConn(const QString &n_id, const QString &n_shortName,
                                     const QString &n_description, const QString &n_author,
                                     const QString &n_GUID,
                                     const QHash<QString, ParameterSharedPtr> &n_inputParameters,
                                     const QHash<QString, ParameterSharedPtr> &n_outputParameters)
    : RuleVertex(n_id, n_shortName, n_description, n_author, n_GUID),
      PtrLinkerInputParameters(n_inputParameters), m_outputParameters(n_outputParameters)
{
}

RuleVertexPtrConn::RuleVertexPtrConn(const RuleVertexPtrConn &n_other)
    : RuleVertex(n_other), PtrLinkerInputParameters(), IPtrLinkerRelation<RelationModel>(),
      IPtrBFSData<ParameterVertexPtrConn>()
{
    m_explored = n_other.m_explored;
    m_required = n_other.m_required;
}

RuleVertexPtrConn::RuleVertexPtrConn(const RuleVertex &n_vertex) : RuleVertex(n_vertex)
{
}

RuleVertexPtrConn::~RuleVertexPtrConn()
{
}

void RuleVertexPtrConn::reset()
{
    m_explored = false;
    m_required = false;
    m_BFSParent.clear();
    m_BFSRules.clear();
}

void RuleVertexPtrConn::setBFSParent(ParameterSharedPtr n_parameter)
{
    const QHash<QString, ParameterSharedPtr> inputs = getInputParametersHash();
    for (auto it = inputs.constBegin(); it != inputs.constEnd(); ++it)
        if (!it.value().isNull())
            m_BFSRules.unite(it.value()->m_BFSRules);
    m_BFSParent = n_parameter.toWeakRef();
}

QHash<QString, QString> RuleVertexPtrConn::getOutputParametersIds() const
{
    return m_outputParameters.getLinkedObjectsIdsHash();
}

int RuleVertexPtrConn::countOfOutputParameters() const
{
    return m_outputParameters.countOfLinkedObjectsHash();
}

QHash<QString, RuleVertexPtrConn::ParameterSharedPtr> RuleVertexPtrConn::getOutputParametersHash()
    const
{
    return m_outputParameters.getLinkedObjectsHash();
}

QString RuleVertexPtrConn::getLinkedNameOfOutputeParameter(ParameterSharedPtr n_parameter) const
{
    return m_outputParameters.getLinkedNameOfLinkedObject(n_parameter);
}

bool RuleVertexPtrConn::containsInOutputParameters(ParameterSharedPtr n_parameter) const
{
    return m_outputParameters.containsLinkedObject(n_parameter);
}

void RuleVertexPtrConn::deleteAllNullPointersOutputParameters()
{
    m_outputParameters.deleteAllNullPointersLinkedObjects();
}

void RuleVertexPtrConn::removeOutputParameterConn(const QString &n_linkedName)
{
    m_outputParameters.removeLinkedObject(n_linkedName);
}

void RuleVertexPtrConn::deleteOutputParameterConn(const QString &n_linkedName)
{
    m_outputParameters.deleteLinkedObject(n_linkedName);
}

RuleVertexPtrConn::ParameterSharedPtr RuleVertexPtrConn::getOutputParameterConn(
    const QString &n_linkedName) const
{
    return m_outputParameters.getObject(n_linkedName);
}

void RuleVertexPtrConn::addInputParameterConn(const QString &n_relationVarName,
                                              ParameterSharedPtr n_inputParameter)
{
    relationbinding::addInputParameterConn(*this, getRelationPtr(), n_relationVarName,
                                           n_inputParameter, CLASS_NAME);
}

void RuleVertexPtrConn::addOutputParameterConn(const QString &n_relationVarName,
                                               ParameterSharedPtr n_outputParameter)
{
    const QString method = QStringLiteral(
        "addOutputParameterConn(const QString &n_relationVarName, ParameterSharedPtr "
        "n_outputParameter)");
    const QSharedPointer<RelationModel> relation = getRelationPtr();
    relationbinding::requireRelation(relation, CLASS_NAME, method);
    relationbinding::checkVariable(
        *relation, relationbinding::OUTPUT, n_relationVarName, n_outputParameter, CLASS_NAME,
        method,
        QStringLiteral("addOutputParameterConn(const QString &n_relationVarName, "
                       "IPtrBFSData::ObjectTemplateSharedPtr n_outputParameter)"));
    m_outputParameters.addLinkedObject(n_relationVarName, n_outputParameter);
}

void RuleVertexPtrConn::replaceInputParameter(const QString &n_linkedName,
                                              ParameterSharedPtr n_parameter)
{
    const QString method = QStringLiteral(
        "replaceInputParameter(const QString &n_linkedName, RuleVertexPtrConn::ParameterSharedPtr "
        "n_outputParameter)");
    const QSharedPointer<RelationModel> relation = getRelationPtr();
    relationbinding::requireRelation(relation, CLASS_NAME, method);
    if (getInputParameterConn(n_linkedName) == n_parameter)
        return;
    relationbinding::checkVariable(*relation, relationbinding::INPUT, n_linkedName, n_parameter,
                                   CLASS_NAME, method);
    PtrLinkerInputParameters::replaceInputParameter(n_linkedName, n_parameter);
}

void RuleVertexPtrConn::replaceOutputParameter(const QString &n_linkedName,
                                               ParameterSharedPtr n_parameter)
{
    const QString method = QStringLiteral(
        "replaceOutputParameter(const QString &n_linkedName, RuleVertexPtrConn::ParameterSharedPtr "
        "n_outputParameter)");
    const QSharedPointer<RelationModel> relation = getRelationPtr();
    relationbinding::requireRelation(relation, CLASS_NAME, method);
    if (getOutputParameterConn(n_linkedName) == n_parameter)
        return;
    relationbinding::checkVariable(*relation, relationbinding::OUTPUT, n_linkedName, n_parameter,
                                   CLASS_NAME, method);
    m_outputParameters.replaceLinkedObject(n_linkedName, n_parameter);
}
