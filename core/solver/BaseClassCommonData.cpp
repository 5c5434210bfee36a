#include "solver/BaseClassCommonData.h"

#include <QSet>

#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/NoElementExceptionOstra.h"
#include "errors/NotSupportedEdgeType.h"
#include "errors/PointerIsNull.h"
#include "errors/TypesMismatchExceptionOstra.h"

namespace {

const QString CLASS_NAME = QStringLiteral("BaseClassCommonData");
const QString METHOD_ADD_BY_IDS = QStringLiteral(
    "addEdge(const QString &n_vertex_1, const QString &n_vertex_2)");
const QString METHOD_DELETE_BY_IDS = QStringLiteral(
    "deleteEdge(const QString &n_vertex_1, const QString &n_vertex_2)");
const QString METHOD_DELETE_INPUT = QStringLiteral(
    "deleteEdge(BaseClassCommonData::ParameterSharedPtr n_parameter, "
    "BaseClassCommonData::RuleSharedPtr n_rule,const QString& n_linkedName)");
const QString METHOD_DELETE_OUTPUT = QStringLiteral(
    "deleteEdge(BaseClassCommonData::RuleSharedPtr n_rule, BaseClassCommonData::ParameterSharedPtr "
    "n_parameter, const QString& n_linkedName)");
const QString METHOD_DELETE_CONSTRAINT = QStringLiteral(
    "deleteEdge(BaseClassCommonData::ParameterSharedPtr n_parameter, "
    "BaseClassCommonData::ConstraintSharedPtr n_constraint, const QString& n_linkedName)");

void throwIfNull(const void *n_pointer, const QString &n_method)
{
    if (n_pointer == nullptr)
        throw PointerIsNull(CLASS_NAME, n_method, QSharedPointer<ExceptionOstra>());
}

// The distinct live elements of a list, in list order.
template<class T>
QList<QSharedPointer<T>> distinctLive(const QList<QSharedPointer<T>> &n_list)
{
    QList<QSharedPointer<T>> result;
    QSet<const T *> seen;
    for (const QSharedPointer<T> &element : n_list) {
        if (element.isNull() || seen.contains(element.data()))
            continue;
        seen.insert(element.data());
        result.append(element);
    }
    return result;
}

template<class T>
QList<QSharedPointer<T>> distinctLiveValues(const QHash<QString, QSharedPointer<T>> &n_hash)
{
    QList<QSharedPointer<T>> values;
    for (auto it = n_hash.constBegin(); it != n_hash.constEnd(); ++it)
        values.append(it.value());
    return distinctLive(values);
}

bool listsRule(const QList<QSharedPointer<RuleVertexPtrConn>> &n_rules,
               const RuleVertexPtrConn *n_rule)
{
    for (const QSharedPointer<RuleVertexPtrConn> &rule : n_rules)
        if (rule.data() == n_rule)
            return true;
    return false;
}

} // namespace

BaseClassCommonData::BaseClassCommonData(QSharedPointer<RelationsStorage> n_relationsStorage)
    : m_relationsStorage(n_relationsStorage)
{
}

BaseClassCommonData::BaseClassCommonData(const BaseClassCommonData &n_source,
                                         QSharedPointer<RelationsStorage> n_relationsStorage)
    : IParametersData(n_source), IRuleData(n_source), IConstraintsData(n_source),
      m_relationsStorage(n_relationsStorage)
{
    copyRulesEdges(n_source);
    copyConstraintsEdges(n_source);
}

BaseClassCommonData::~BaseClassCommonData()
{
    m_relationsStorage.reset();
}

void BaseClassCommonData::reset()
{
    resetParameters();
    resetRules();
    resetConstraints();
    m_relationsStorage->resetRelations();
}

OstraObjectType BaseClassCommonData::getObjectTypeById(const QString &n_id) const
{
    if (parametersContains(n_id))
        return OBJECT_TYPE_PARAMETER;
    if (rulesContains(n_id))
        return OBJECT_TYPE_RULE;
    if (constraintsContains(n_id))
        return OBJECT_TYPE_CONSTRAINT;
    if (m_relationsStorage->relationsContains(n_id))
        return OBJECT_TYPE_RELATION;
    throw NoElementExceptionOstra(n_id, CLASS_NAME,
                                  QStringLiteral("getObjectTypeById(const QString &n_id)"),
                                  QSharedPointer<ExceptionOstra>());
}

// An element without a live relation uses no relation at all, so it never matches.
QList<BaseClassCommonData::RuleSharedPtr> BaseClassCommonData::getRelationConnections(
    QSharedPointer<RelationModel> n_relation) const
{
    throwIfNull(n_relation.data(),
                QStringLiteral("getRelationConnections(QSharedPointer<RelationModel> n_relation)"));
    const QString relationId = n_relation->getId();
    QList<RuleSharedPtr> result;
    for (const RuleSharedPtr &rule : m_rules) {
        const QSharedPointer<RelationModel> relation = rule->getRelationPtr();
        if (!relation.isNull() && relation->getId() == relationId)
            result.append(rule);
    }
    return result;
}

QList<BaseClassCommonData::RuleSharedPtr> BaseClassCommonData::getRelationConnections(
    QString n_relationId) const
{
    return getRelationConnections(m_relationsStorage->getRelationPtr(n_relationId));
}

QList<BaseClassCommonData::ConstraintSharedPtr>
BaseClassCommonData::getRelationConstraintConnections(
    QSharedPointer<RelationModel> n_relation) const
{
    throwIfNull(n_relation.data(),
                QStringLiteral(
                    "getRelationConstraintConnections(QSharedPointer<RelationModel> n_relation)"));
    const QString relationId = n_relation->getId();
    QList<ConstraintSharedPtr> result;
    for (const ConstraintSharedPtr &constraint : m_constraints) {
        const QSharedPointer<RelationModel> relation = constraint->getRelationPtr();
        if (!relation.isNull() && relation->getId() == relationId)
            result.append(constraint);
    }
    return result;
}

QList<BaseClassCommonData::ConstraintSharedPtr>
BaseClassCommonData::getRelationConstraintConnections(QString n_relationId) const
{
    return getRelationConstraintConnections(m_relationsStorage->getRelationPtr(n_relationId));
}

void BaseClassCommonData::deleteRelationPtr(QSharedPointer<RelationModel> n_relation)
{
    throwIfNull(n_relation.data(),
                QStringLiteral("deleteRelationPtr(QSharedPointer<RelationModel> n_relation)"));
    const QList<RuleSharedPtr> rules = getRelationConnections(n_relation->getId());
    const QList<ConstraintSharedPtr> constraints = getRelationConstraintConnections(
        n_relation->getId());
    for (const RuleSharedPtr &rule : rules)
        IRuleData::deleteRule(rule->getId());
    for (const ConstraintSharedPtr &constraint : constraints)
        IConstraintsData::deleteConstraint(constraint->getId());
    m_relationsStorage->deleteRelationPtr(n_relation);
}

void BaseClassCommonData::deleteRelation(const QString &n_relationId)
{
    deleteRelationPtr(m_relationsStorage->getRelationPtr(n_relationId));
}

bool BaseClassCommonData::relationsContains(const QString &n_id) const
{
    return m_relationsStorage->relationsContains(n_id);
}

void BaseClassCommonData::copyRulesEdges(const BaseClassCommonData &n_source)
{
    for (const RuleSharedPtr &rule : n_source.m_rules) {
        const QSharedPointer<RelationModel> relation = rule->getRelationPtr();
        // Without a relation no variable can be bound, so the rule is copied unlinked.
        if (relation.isNull())
            continue;
        const QString ruleId = rule->getId();
        copyRelationAndInputEdges(ruleId, relation->getId(), rule->getInputParameters());
        const QHash<QString, ParameterSharedPtr> outputs = rule->getOutputParameters();
        for (auto it = outputs.constBegin(); it != outputs.constEnd(); ++it)
            if (!it.value().isNull())
                addEdge(ruleId, it.value()->getId(), it.key());
    }
}

void BaseClassCommonData::copyConstraintsEdges(const BaseClassCommonData &n_source)
{
    for (const ConstraintSharedPtr &constraint : n_source.m_constraints) {
        const QSharedPointer<RelationModel> relation = constraint->getRelationPtr();
        if (relation.isNull())
            continue;
        copyRelationAndInputEdges(constraint->getId(), relation->getId(),
                                  constraint->getInputParameters());
    }
}

void BaseClassCommonData::copyRelationAndInputEdges(
    const QString &n_elementId, const QString &n_relationId,
    const QHash<QString, ParameterSharedPtr> &n_inputs)
{
    addEdge(n_elementId, n_relationId, QString());
    for (auto it = n_inputs.constBegin(); it != n_inputs.constEnd(); ++it)
        if (!it.value().isNull())
            addEdge(it.value()->getId(), n_elementId, it.key());
}

bool BaseClassCommonData::isParameterExist(const QString &n_id) const
{
    return parametersContains(n_id);
}

bool BaseClassCommonData::isRuleExist(const QString &n_id) const
{
    return rulesContains(n_id);
}

bool BaseClassCommonData::isConstraintExist(const QString &n_id) const
{
    return constraintsContains(n_id);
}

int BaseClassCommonData::countOfBadLinkedParameters() const
{
    int count = 0;
    for (const ParameterSharedPtr &parameter : m_parameters)
        if (parameter->getAdjacentInVerticesConvert<RuleVertexPtrConn>().isEmpty()
            && parameter->getAdjacentOutVerticesCount() == 0)
            ++count;
    return count;
}

int BaseClassCommonData::countOfBadLinkedRules() const
{
    int count = 0;
    for (const RuleSharedPtr &rule : m_rules)
        if (rule->countOfInputParameters() == 0 || rule->countOfOutputParameters() == 0)
            ++count;
    return count;
}

int BaseClassCommonData::countOfBadLinkedConstraints() const
{
    int count = 0;
    for (const ConstraintSharedPtr &constraint : m_constraints)
        if (constraint->countOfInputParameters() == 0)
            ++count;
    return count;
}

void BaseClassCommonData::addEdge(const QString &n_vertex_1, const QString &n_vertex_2,
                                  const QString &n_linkedName)
{
    const OstraObjectType first = getObjectTypeById(n_vertex_1);
    const OstraObjectType second = getObjectTypeById(n_vertex_2);
    if (first == second)
        throw TypesMismatchExceptionOstra(first, first, CLASS_NAME, METHOD_ADD_BY_IDS,
                                          QSharedPointer<ExceptionOstra>());
    const auto refuseEmptyName = [&](const QString &n_suffix) {
        if (n_linkedName.isEmpty())
            throw NotSupportedEdgeType(n_vertex_1, n_vertex_2, CLASS_NAME,
                                       METHOD_ADD_BY_IDS + n_suffix,
                                       QSharedPointer<ExceptionOstra>());
    };
    if (first == OBJECT_TYPE_PARAMETER && second == OBJECT_TYPE_RULE) {
        refuseEmptyName(QStringLiteral(" Par->Rule"));
        addEdge(getParameterPtr(n_vertex_1), n_linkedName, getRulePtr(n_vertex_2));
    } else if (first == OBJECT_TYPE_RULE && second == OBJECT_TYPE_PARAMETER) {
        refuseEmptyName(QStringLiteral(" Rule->Par"));
        addEdge(n_linkedName, getRulePtr(n_vertex_1), getParameterPtr(n_vertex_2));
    } else if (first == OBJECT_TYPE_PARAMETER && second == OBJECT_TYPE_CONSTRAINT) {
        refuseEmptyName(QStringLiteral(" Par->Const"));
        addEdge(getParameterPtr(n_vertex_1), n_linkedName, getConstraintPtr(n_vertex_2));
    } else if (first == OBJECT_TYPE_RULE && second == OBJECT_TYPE_RELATION) {
        addEdge(getRulePtr(n_vertex_1), m_relationsStorage->getRelationPtr(n_vertex_2));
    } else if (first == OBJECT_TYPE_RELATION && second == OBJECT_TYPE_RULE) {
        addEdge(getRulePtr(n_vertex_2), m_relationsStorage->getRelationPtr(n_vertex_1));
    } else if (first == OBJECT_TYPE_CONSTRAINT && second == OBJECT_TYPE_RELATION) {
        addEdge(getConstraintPtr(n_vertex_1), m_relationsStorage->getRelationPtr(n_vertex_2));
    } else if (first == OBJECT_TYPE_RELATION && second == OBJECT_TYPE_CONSTRAINT) {
        addEdge(getConstraintPtr(n_vertex_2), m_relationsStorage->getRelationPtr(n_vertex_1));
    } else {
        throw NotSupportedEdgeType(n_vertex_1, n_vertex_2, CLASS_NAME, METHOD_ADD_BY_IDS,
                                   QSharedPointer<ExceptionOstra>());
    }
}

// The rule side validates, so it goes first: a refused binding leaves no entry on the parameter.
void BaseClassCommonData::addEdge(ParameterSharedPtr n_parameter, const QString &n_linkedName,
                                  RuleSharedPtr n_rule)
{
    const QString method = QStringLiteral(
        "addEdge(BaseClassCommonData::ParameterSharedPtr n_parameter, const QString &n_linkedName, "
        "BaseClassCommonData::RuleSharedPtr n_rule)");
    throwIfNull(n_parameter.data(), method);
    throwIfNull(n_rule.data(), method);
    n_rule->addInputParameterConn(n_linkedName, n_parameter);
    n_parameter->addAdjacentOutVertex(n_rule);
}

void BaseClassCommonData::addEdge(const QString &n_linkedName, RuleSharedPtr n_rule,
                                  ParameterSharedPtr n_parameter)
{
    const QString method = QStringLiteral(
        "addEdge(const QString &n_linkedName, BaseClassCommonData::RuleSharedPtr n_rule, "
        "BaseClassCommonData::ParameterSharedPtr n_parameter)");
    throwIfNull(n_parameter.data(), method);
    throwIfNull(n_rule.data(), method);
    n_rule->addOutputParameterConn(n_linkedName, n_parameter);
    n_parameter->addAdjacentInVertex(n_rule);
}

void BaseClassCommonData::addEdge(ParameterSharedPtr n_parameter, const QString &n_linkedName,
                                  ConstraintSharedPtr n_constraint)
{
    const QString method = QStringLiteral(
        "addEdge(BaseClassCommonData::ParameterSharedPtr n_parameter, const QString &n_linkedName, "
        "BaseClassCommonData::ConstraintSharedPtr n_constraint)");
    throwIfNull(n_parameter.data(), method);
    throwIfNull(n_constraint.data(), method);
    n_constraint->addInputParameterConn(n_linkedName, n_parameter);
    n_parameter->addLinkedConstraint(n_constraint);
}

void BaseClassCommonData::addEdge(RuleSharedPtr n_rule, QSharedPointer<RelationModel> n_relation)
{
    const QString method = QStringLiteral("addEdge(BaseClassCommonData::RuleSharedPtr n_rule, "
                                          "QSharedPointer<RelationModel> n_relation)");
    throwIfNull(n_rule.data(), method);
    throwIfNull(n_relation.data(), method);
    if (!m_relationsStorage->relationsContains(n_relation->getId()))
        m_relationsStorage->addRelationPtr(n_relation);
    n_rule->setRelationPtr(n_relation);
}

void BaseClassCommonData::addEdge(ConstraintSharedPtr n_constraint,
                                  QSharedPointer<RelationModel> n_relation)
{
    const QString method = QStringLiteral(
        "addEdge(BaseClassCommonData::ConstraintSharedPtr n_constraint, "
        "QSharedPointer<RelationModel> n_relation)");
    throwIfNull(n_constraint.data(), method);
    throwIfNull(n_relation.data(), method);
    if (!m_relationsStorage->relationsContains(n_relation->getId()))
        m_relationsStorage->addRelationPtr(n_relation);
    n_constraint->setRelationPtr(n_relation);
}

void BaseClassCommonData::deleteEdge(const QString &n_vertex_1, const QString &n_vertex_2,
                                     const QString &n_linkedName)
{
    const OstraObjectType first = getObjectTypeById(n_vertex_1);
    const OstraObjectType second = getObjectTypeById(n_vertex_2);
    if (first == second)
        throw TypesMismatchExceptionOstra(first, first, CLASS_NAME, METHOD_DELETE_BY_IDS,
                                          QSharedPointer<ExceptionOstra>());
    if (first == OBJECT_TYPE_PARAMETER && second == OBJECT_TYPE_RULE)
        deleteEdge(getParameterPtr(n_vertex_1), getRulePtr(n_vertex_2), n_linkedName);
    else if (first == OBJECT_TYPE_RULE && second == OBJECT_TYPE_PARAMETER)
        deleteEdge(getRulePtr(n_vertex_1), getParameterPtr(n_vertex_2), n_linkedName);
    else if (first == OBJECT_TYPE_PARAMETER && second == OBJECT_TYPE_CONSTRAINT)
        deleteEdge(getParameterPtr(n_vertex_1), getConstraintPtr(n_vertex_2), n_linkedName);
    else if (first == OBJECT_TYPE_RULE && second == OBJECT_TYPE_RELATION)
        deleteEdge(getRulePtr(n_vertex_1), m_relationsStorage->getRelationPtr(n_vertex_2));
    else if (first == OBJECT_TYPE_RELATION && second == OBJECT_TYPE_RULE)
        deleteEdge(getRulePtr(n_vertex_2), m_relationsStorage->getRelationPtr(n_vertex_1));
    else if (first == OBJECT_TYPE_CONSTRAINT && second == OBJECT_TYPE_RELATION)
        deleteEdge(getConstraintPtr(n_vertex_1), m_relationsStorage->getRelationPtr(n_vertex_2));
    else if (first == OBJECT_TYPE_RELATION && second == OBJECT_TYPE_CONSTRAINT)
        deleteEdge(getConstraintPtr(n_vertex_2), m_relationsStorage->getRelationPtr(n_vertex_1));
    else
        throw TypesMismatchExceptionOstra(first, second, CLASS_NAME, METHOD_DELETE_BY_IDS,
                                          QSharedPointer<ExceptionOstra>());
}

// Every check runs before either side changes, so a refused removal leaves the edge whole.
void BaseClassCommonData::deleteEdge(ParameterSharedPtr n_parameter, RuleSharedPtr n_rule,
                                     const QString &n_linkedName)
{
    throwIfNull(n_parameter.data(), METHOD_DELETE_INPUT);
    // The parameter's own removal raises the exact error for a null or unlisted rule, unchanged.
    if (n_rule.isNull() || !listsRule(n_parameter->getAdjacentOutVertices(), n_rule.data()))
        n_parameter->removeAdjacentOutVertex(n_rule);
    const QSharedPointer<ParameterVertexPtrConn> parameter = n_parameter;
    if (!n_linkedName.isEmpty() && n_rule->getInputParameterConn(n_linkedName) != parameter)
        throw InconsistencyDataExceptionOstra(CLASS_NAME, METHOD_DELETE_INPUT,
                                              QSharedPointer<ExceptionOstra>());

    n_parameter->removeAdjacentOutVertex(n_rule);
    if (n_linkedName.isEmpty()) {
        while (n_rule->containsInInputParameters(parameter))
            n_rule->removeInputParameterConn(n_rule->getLinkedNameOfInputeParameter(parameter));
    } else {
        n_rule->removeInputParameterConn(n_linkedName);
    }
}

void BaseClassCommonData::deleteEdge(RuleSharedPtr n_rule, ParameterSharedPtr n_parameter,
                                     const QString &n_linkedName)
{
    throwIfNull(n_parameter.data(), METHOD_DELETE_OUTPUT);
    if (n_rule.isNull()
        || !listsRule(n_parameter->getAdjacentInVerticesConvert<RuleVertexPtrConn>(),
                      n_rule.data()))
        n_parameter->removeAdjacentInVertex(n_rule);
    const QSharedPointer<ParameterVertexPtrConn> parameter = n_parameter;
    if (!n_linkedName.isEmpty() && n_rule->getOutputParameterConn(n_linkedName) != parameter)
        throw InconsistencyDataExceptionOstra(CLASS_NAME, METHOD_DELETE_OUTPUT,
                                              QSharedPointer<ExceptionOstra>());

    n_parameter->removeAdjacentInVertex(n_rule);
    if (n_linkedName.isEmpty()) {
        while (n_rule->containsInOutputParameters(parameter))
            n_rule->removeOutputParameterConn(n_rule->getLinkedNameOfOutputeParameter(parameter));
    } else {
        n_rule->removeOutputParameterConn(n_linkedName);
    }
}

void BaseClassCommonData::deleteEdge(ParameterSharedPtr n_parameter,
                                     ConstraintSharedPtr n_constraint, const QString &n_linkedName)
{
    throwIfNull(n_parameter.data(), METHOD_DELETE_CONSTRAINT);
    throwIfNull(n_constraint.data(), METHOD_DELETE_CONSTRAINT);
    const QSharedPointer<ParameterVertexPtrConn> parameter = n_parameter;
    if (!n_linkedName.isEmpty() && n_constraint->getInputParameterConn(n_linkedName) != parameter)
        throw InconsistencyDataExceptionOstra(CLASS_NAME, METHOD_DELETE_CONSTRAINT,
                                              QSharedPointer<ExceptionOstra>());

    n_parameter->deleteLinkedConstraint(n_constraint);
    if (n_linkedName.isEmpty()) {
        while (n_constraint->containsInInputParameters(parameter))
            n_constraint->removeInputParameterConn(
                n_constraint->getLinkedNameOfInputeParameter(parameter));
    } else {
        n_constraint->removeInputParameterConn(n_linkedName);
    }
}

void BaseClassCommonData::deleteEdge(RuleSharedPtr n_rule, QSharedPointer<RelationModel> n_relation)
{
    if (n_rule.isNull())
        return;
    const QSharedPointer<RelationModel> current = n_rule->getRelationPtr();
    if (!current.isNull() && current == n_relation)
        n_rule->removeRelationPtr();
}

void BaseClassCommonData::deleteEdge(ConstraintSharedPtr n_constraint,
                                     QSharedPointer<RelationModel> n_relation)
{
    if (n_constraint.isNull())
        return;
    const QSharedPointer<RelationModel> current = n_constraint->getRelationPtr();
    if (!current.isNull() && current == n_relation)
        n_constraint->removeRelationPtr();
}

void BaseClassCommonData::deleteAllObjectEdges(const QString &n_vertex_1)
{
    switch (getObjectTypeById(n_vertex_1)) {
    case OBJECT_TYPE_PARAMETER:
        deleteAllParameterEdges(getParameterPtr(n_vertex_1));
        break;
    case OBJECT_TYPE_RULE:
        deleteAllRuleEdges(getRulePtr(n_vertex_1));
        break;
    case OBJECT_TYPE_RELATION:
        deleteAllRelationEdges(m_relationsStorage->getRelationPtr(n_vertex_1));
        break;
    case OBJECT_TYPE_CONSTRAINT:
        deleteAllConstraintEdges(getConstraintPtr(n_vertex_1));
        break;
    default:
        throw NoElementExceptionOstra(
            n_vertex_1, CLASS_NAME,
            QStringLiteral("deleteAllObjectEdges(const QString &n_vertex_1)"),
            QSharedPointer<ExceptionOstra>());
    }
}

// Each distinct element is visited once, expired entries are skipped, and a rule reading the
// parameter under several names loses every one of its entries in the parameter's list.
void BaseClassCommonData::deleteAllParameterEdges(ParameterSharedPtr n_parameter)
{
    const QString method = QStringLiteral(
        "deleteAllParameterEdges(BaseClassCommonData::ParameterSharedPtr n_parameter)");
    throwIfNull(n_parameter.data(), method);
    if (!parametersContains(n_parameter->getId()))
        throw NoElementExceptionOstra(n_parameter->getId(), CLASS_NAME, method,
                                      QSharedPointer<ExceptionOstra>());
    const ParameterSharedPtr parameter = getParameterPtr(n_parameter->getId());
    const QList<RuleSharedPtr> producers = distinctLive(parameter->getInputRules());
    const QList<RuleSharedPtr> consumers = distinctLive(parameter->getOutputRules());
    const QList<ConstraintSharedPtr> constraints = distinctLive(parameter->getConstraints());

    for (const RuleSharedPtr &rule : producers)
        deleteEdge(rule, parameter, QString());
    for (const RuleSharedPtr &rule : consumers) {
        deleteEdge(parameter, rule, QString());
        while (listsRule(parameter->getAdjacentOutVertices(), rule.data()))
            parameter->removeAdjacentOutVertex(rule);
    }
    for (const ConstraintSharedPtr &constraint : constraints)
        deleteEdge(parameter, constraint, QString());
}

// A parameter bound under several names is visited once: the first removal unbinds every name.
void BaseClassCommonData::deleteAllRuleEdges(RuleSharedPtr n_rule)
{
    throwIfNull(n_rule.data(),
                QStringLiteral("deleteAllRuleEdges(BaseClassCommonData::RuleSharedPtr n_rule)"));
    const RuleSharedPtr rule = getRulePtr(n_rule->getId());
    const QList<ParameterSharedPtr> inputs = distinctLiveValues(rule->getInputParameters());
    const QList<ParameterSharedPtr> outputs = distinctLiveValues(rule->getOutputParameters());
    for (const ParameterSharedPtr &parameter : inputs) {
        deleteEdge(parameter, rule, QString());
        while (listsRule(parameter->getAdjacentOutVertices(), rule.data()))
            parameter->removeAdjacentOutVertex(rule);
    }
    for (const ParameterSharedPtr &parameter : outputs)
        deleteEdge(rule, parameter, QString());
}

void BaseClassCommonData::deleteAllConstraintEdges(ConstraintSharedPtr n_constraint)
{
    throwIfNull(
        n_constraint.data(),
        QStringLiteral(
            "deleteAllConstraintEdges(BaseClassCommonData::ConstraintSharedPtr n_constraint)"));
    const ConstraintSharedPtr constraint = getConstraintPtr(n_constraint->getId());
    for (const ParameterSharedPtr &parameter : distinctLiveValues(constraint->getInputParameters()))
        deleteEdge(parameter, constraint, QString());
}

void BaseClassCommonData::deleteAllRelationEdges(QSharedPointer<RelationModel> n_relation)
{
    throwIfNull(n_relation.data(),
                QStringLiteral("deleteAllRelationEdges(QSharedPointer<RelationModel> n_relation)"));
    const QSharedPointer<RelationModel> relation = m_relationsStorage->getRelationPtr(
        n_relation->getId());
    const QList<RuleSharedPtr> rules = getRelationConnections(relation->getId());
    const QList<ConstraintSharedPtr> constraints = getRelationConstraintConnections(
        relation->getId());
    for (const RuleSharedPtr &rule : rules)
        deleteEdge(rule, relation);
    for (const ConstraintSharedPtr &constraint : constraints)
        deleteEdge(constraint, relation);
}

QSharedPointer<RelationModel> BaseClassCommonData::getRelationPtr(QString n_id) const
{
    return m_relationsStorage->getRelationPtr(n_id);
}

QSharedPointer<const RelationModel> BaseClassCommonData::getRelationConstPtr(QString n_id) const
{
    return m_relationsStorage->getRelation(n_id);
}

QHash<QString, QSharedPointer<RelationModel>> BaseClassCommonData::getRelationsHash() const
{
    return m_relationsStorage->getRelationsHash();
}

QSharedPointer<RelationsStorage> BaseClassCommonData::getRelationsStorage() const
{
    return m_relationsStorage;
}

void BaseClassCommonData::addRelationPtr(QSharedPointer<RelationModel> n_relation)
{
    m_relationsStorage->addRelationPtr(n_relation);
}
