#include "elements/RuleVertexPtrConn.h"

#include "elements/RelationModel.h"
#include "errors/NoElementExceptionOstra.h"
#include "errors/PointerIsNull.h"
#include "errors/ValuesTypesMismatchExceptionOstra.h"

namespace {

const QString CLASS_NAME = QStringLiteral("RuleVertexPtrConn");

} // namespace

RuleVertexPtrConn::RuleVertexPtrConn() {}

RuleVertexPtrConn::RuleVertexPtrConn(const QString &n_id) : RuleVertex(n_id) {}

RuleVertexPtrConn::RuleVertexPtrConn(const QString &n_id, const QString &n_shortName, const QString &n_description,
                                     const QString &n_author, const QString &n_GUID)
    : RuleVertex(n_id, n_shortName, n_description, n_author, n_GUID)
{
}

RuleVertexPtrConn::RuleVertexPtrConn(const QString &n_id, const QHash<QString, ParameterSharedPtr> &n_inputParameters,
                                     const QHash<QString, ParameterSharedPtr> &n_outputParameters)
    : RuleVertex(n_id), PtrLinkerInputParameters(n_inputParameters), m_outputParameters(n_outputParameters)
{
}

RuleVertexPtrConn::RuleVertexPtrConn(const QString &n_id, const QString &n_shortName, const QString &n_description,
                                     const QString &n_author, const QString &n_GUID,
                                     const QHash<QString, ParameterSharedPtr> &n_inputParameters,
                                     const QHash<QString, ParameterSharedPtr> &n_outputParameters)
    : RuleVertex(n_id, n_shortName, n_description, n_author, n_GUID),
      PtrLinkerInputParameters(n_inputParameters),
      m_outputParameters(n_outputParameters)
{
}

RuleVertexPtrConn::RuleVertexPtrConn(const RuleVertexPtrConn &n_other)
    : RuleVertex(n_other), PtrLinkerInputParameters(), IPtrLinkerRelation<RelationModel>(),
      IPtrBFSData<ParameterVertexPtrConn>()
{
    m_explored = n_other.m_explored;
    m_required = n_other.m_required;
}

RuleVertexPtrConn::RuleVertexPtrConn(const RuleVertex &n_vertex) : RuleVertex(n_vertex) {}

RuleVertexPtrConn::~RuleVertexPtrConn() {}

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

QHash<QString, RuleVertexPtrConn::ParameterSharedPtr> RuleVertexPtrConn::getOutputParametersHash() const
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

RuleVertexPtrConn::ParameterSharedPtr RuleVertexPtrConn::getOutputParameterConn(const QString &n_linkedName) const
{
    return m_outputParameters.getObject(n_linkedName);
}

void RuleVertexPtrConn::addInputParameterConn(const QString &n_relationVarName, ParameterSharedPtr n_inputParameter)
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

void RuleVertexPtrConn::addOutputParameterConn(const QString &n_relationVarName, ParameterSharedPtr n_outputParameter)
{
    const QString method =
        QStringLiteral("addOutputParameterConn(const QString &n_relationVarName, ParameterSharedPtr n_outputParameter)");
    const QSharedPointer<RelationModel> relation = getRelationPtr();
    if (relation.isNull())
        throw PointerIsNull(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    if (!relation->containOutputParameter(n_relationVarName))
        throw NoElementExceptionOstra(n_relationVarName, CLASS_NAME,
                                      QStringLiteral("addOutputParameterConn(const QString &n_relationVarName, "
                                                     "IPtrBFSData::ObjectTemplateSharedPtr n_outputParameter)"),
                                      QSharedPointer<ExceptionOstra>());
    if (n_outputParameter.isNull())
        throw PointerIsNull(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    const QVariant::Type variableType = relation->getOutputParameterType(n_relationVarName);
    if (variableType != n_outputParameter->getValueType())
        throw ValuesTypesMismatchExceptionOstra(n_outputParameter->getId(), n_outputParameter->getValueType(),
                                                variableType, CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    m_outputParameters.addLinkedObject(n_relationVarName, n_outputParameter);
}

void RuleVertexPtrConn::replaceInputParameter(const QString &n_linkedName, ParameterSharedPtr n_parameter)
{
    const QString method = QStringLiteral(
        "replaceInputParameter(const QString &n_linkedName, RuleVertexPtrConn::ParameterSharedPtr n_outputParameter)");
    const QSharedPointer<RelationModel> relation = getRelationPtr();
    if (relation.isNull())
        throw PointerIsNull(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    if (getInputParameterConn(n_linkedName) == n_parameter)
        return;
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

void RuleVertexPtrConn::replaceOutputParameter(const QString &n_linkedName, ParameterSharedPtr n_parameter)
{
    const QString method = QStringLiteral(
        "replaceOutputParameter(const QString &n_linkedName, RuleVertexPtrConn::ParameterSharedPtr n_outputParameter)");
    const QSharedPointer<RelationModel> relation = getRelationPtr();
    if (relation.isNull())
        throw PointerIsNull(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    if (getOutputParameterConn(n_linkedName) == n_parameter)
        return;
    if (!relation->containOutputParameter(n_linkedName))
        throw NoElementExceptionOstra(n_linkedName, CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    if (n_parameter.isNull())
        throw PointerIsNull(CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    const QVariant::Type variableType = relation->getOutputParameterType(n_linkedName);
    if (variableType != n_parameter->getValueType())
        throw ValuesTypesMismatchExceptionOstra(n_parameter->getId(), n_parameter->getValueType(), variableType,
                                                CLASS_NAME, method, QSharedPointer<ExceptionOstra>());
    m_outputParameters.replaceLinkedObject(n_linkedName, n_parameter);
}
