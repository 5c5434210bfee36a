#include "model/OstraClass.h"

#include "elements/ConstraintVertexPtrConnData.h"
#include "elements/RelationsStorage.h"
#include "elements/RuleVertexPtrConnData.h"
#include "errors/Exceptions.h"
#include "errors/IntegrityMsg.h"
#include "errors/uidgenerators.h"
#include "serialization/ISerializebleObject.h"
#include "serialization/ISerializerClass.h"

namespace {

const QString CLASS_NAME = QStringLiteral("OstraClass");
const QSharedPointer<ExceptionOstra> NO_PARENT_EXCEPTION;

const QString M_ADD_PARAMETER = QStringLiteral("addParameterToOwn(ParameterModel::ParameterModelPtr n_parameterPtr)");
const QString M_ADD_PARAMETER_PTR = QStringLiteral("addParameterPtr(IParametersData::ParameterSharedPtr n_parameter)");
const QString M_ADD_RULE = QStringLiteral("addRuleToOwn(RuleModel::RuleModelPtr n_rulePtr)");
const QString M_ADD_RULE_PTR = QStringLiteral("addRulePtr(IRuleData::RuleSharedPtr n_rule)");
const QString M_ADD_CONSTRAINT = QStringLiteral("addConstraintToOwn(ConstraintModel::ConstraintModelPtr n_constrPtr)");
const QString M_ADD_CONSTRAINT_PTR =
    QStringLiteral("addConstraintPtr(IConstraintsData::ConstraintSharedPtr n_constraint)");
const QString M_ADD_CLASS = QStringLiteral("addClass(OstraClass::OstraClassPtr n_childClass)");
const QString M_ADD_CLASS_TO_ALL = QStringLiteral("addClassToAll(OstraClass::OstraClassPtr n_childClass)");
const QString M_DELETE_CHILD = QStringLiteral("deleteChildClass(OstraClass::OstraClassPtr n_classPtr)");
const QString M_CHANGE_PARAMETER = QStringLiteral(
    "changeParent(BaseClassCommonData::ParameterSharedPtr n_parameterPtr, OstraClass::OstraClassPtr n_newParent)");
const QString M_CHANGE_RULE =
    QStringLiteral("changeParent(BaseClassCommonData::RuleSharedPtr n_rulePtr, OstraClass::OstraClassPtr n_newParent)");
const QString M_CHANGE_CONSTRAINT = QStringLiteral(
    "changeParent(BaseClassCommonData::ConstraintSharedPtr n_constraintPtr, OstraClass::OstraClassPtr n_newParent)");
const QString M_CHANGE_CLASS =
    QStringLiteral("changeParent(OstraClass::OstraClassPtr n_classPtr, OstraClass::OstraClassPtr n_newParent)");
const QString M_SAME_PARAMETER =
    QStringLiteral("isParameterWithSameShortNameExist(ParameterModel::ParameterModelPtr n_parameter)");
const QString M_SAME_CLASS = QStringLiteral(
    "isClassWithSameShortNameExist(OstraClass::OstraClassPtr n_class, OstraClass::OstraClassPtr n_newParent)");
const QString M_SAME_RULE = QStringLiteral("isRuleWithSameShortNameExist(RuleModel::RuleModelPtr n_rule)");
const QString M_SAME_CONSTRAINT =
    QStringLiteral("isConstraintWithSameShortNameExist(ConstraintModel::ConstraintModelPtr n_constraint)");
const QString M_RULES_CONSTRAINTS_CHECK = QStringLiteral("checkClassIntegrityWithRulesConstraints()");

typedef QSharedPointer<const BaseOstraObj> ReasonPtr;

[[noreturn]] void throwNull(const QString &n_methodName)
{
    throw PointerIsNull(CLASS_NAME, n_methodName, NO_PARENT_EXCEPTION);
}

template<class T>
QSet<QSharedPointer<T>> valuesSet(const QHash<QString, QSharedPointer<T>> &n_hash)
{
    QSet<QSharedPointer<T>> result;
    result.reserve(n_hash.size());
    for (auto it = n_hash.constBegin(); it != n_hash.constEnd(); ++it)
        result.insert(it.value());
    return result;
}

// The first element of a namesake group that is not the element itself; groups keep store order.
template<class T>
QSharedPointer<T> firstOther(const QList<QSharedPointer<T>> &n_group, const QSharedPointer<T> &n_element)
{
    for (const QSharedPointer<T> &candidate : n_group)
        if (candidate != n_element)
            return candidate;
    return QSharedPointer<T>();
}

// Short-name walk shared by the parameter and child-class checks: each namesake is looked up in
// the full own set (grouped once by short name, in set order) and then left out of the walk, so a
// pair is reported once; the walk goes on with the entry after the current one.
template<class T>
void reportOwnNamesakes(const QHash<QString, QSharedPointer<T>> &n_own, int n_code, const ReasonPtr &n_owner,
                        ModelIntegrity &n_report)
{
    QHash<QString, QList<QSharedPointer<T>>> groups;
    for (auto it = n_own.constBegin(); it != n_own.constEnd(); ++it)
        groups[it.value()->getShortName()].append(it.value());
    QSet<QString> leftOut;
    for (auto it = n_own.constBegin(); it != n_own.constEnd(); ++it) {
        if (leftOut.contains(it.key()))
            continue;
        const QSharedPointer<T> element = it.value();
        const QSharedPointer<T> namesake = firstOther(groups.value(element->getShortName()), element);
        if (namesake.isNull())
            continue;
        IntegrityMsg msg(IntegrityMsg::ERROR, n_code, QList<ReasonPtr>());
        msg.addErrorReason(element);
        msg.addErrorReason(namesake);
        msg.addErrorReason(n_owner);
        n_report.addIntegrityMsg(msg);
        leftOut.insert(namesake->getId());
    }
}

// The same walk for rules and constraints: namesakes share the relation and the short name; an
// element without a relation or with an empty short name has none.
template<class T>
void reportRelationNamesakes(const QHash<QString, QSharedPointer<T>> &n_store, int n_code,
                             const QSharedPointer<RelationsStorage> &n_storage, const QString &n_classId,
                             const QString &n_lookupMethod, ModelIntegrity &n_report)
{
    typedef QPair<QString, QString> Key;
    QHash<Key, QList<QSharedPointer<T>>> groups;
    for (auto it = n_store.constBegin(); it != n_store.constEnd(); ++it) {
        const QSharedPointer<RelationModel> relation = it.value()->getRelationPtr();
        if (!relation.isNull())
            groups[Key(relation->getId(), it.value()->getShortName())].append(it.value());
    }
    QSet<QString> leftOut;
    for (auto it = n_store.constBegin(); it != n_store.constEnd(); ++it) {
        if (leftOut.contains(it.key()))
            continue;
        const QSharedPointer<T> element = it.value();
        const QSharedPointer<RelationModel> relation = element->getRelationPtr();
        if (element->getShortName().isEmpty() || relation.isNull())
            continue;
        if (n_storage.isNull() || !n_storage->relationsContains(relation->getId()))
            throw NotObjectOwner(relation->getId(), n_classId, CLASS_NAME, n_lookupMethod, NO_PARENT_EXCEPTION);
        const QSharedPointer<T> namesake =
            firstOther(groups.value(Key(relation->getId(), element->getShortName())), element);
        if (namesake.isNull())
            continue;
        IntegrityMsg msg(IntegrityMsg::WARNING, n_code, QList<ReasonPtr>());
        msg.addErrorReason(namesake);
        msg.addErrorReason(relation);
        n_report.addIntegrityMsg(msg);
        leftOut.insert(namesake->getId());
    }
}

// A move that fails in the new class puts the element back where it was, then reports the failure.
template<class Element, class Add>
void restoreAfterFailedMove(const Element &n_element, Add n_addBack)
{
    try {
        n_addBack(n_element);
    } catch (...) {
        qDebug("Could not put a moved element back into its class.");
    }
}

} // namespace

// ======================================================================= construction

OstraClass::OstraClass() : OstraClass(QSharedPointer<RelationsStorage>::create()) {}

OstraClass::OstraClass(QSharedPointer<RelationsStorage> n_storage) : OstraSingleClass(n_storage) {}

OstraClass::OstraClass(const QString &n_id, QSharedPointer<RelationsStorage> n_storage)
    : OstraSingleClass(n_storage)
{
    setId(n_id);
}

OstraClass::~OstraClass()
{
    m_ownConstraints.clear();
    m_ownRules.clear();
    m_ownParameters.clear();
    m_templateClass.reset();
    m_allClasses.clear();
    m_ownClasses.clear();
}

OstraClass::OstraClassPtr OstraClass::selfPtr(const QString &n_methodName)
{
    const OstraClassPtr self = sharedFromThis();
    if (self.isNull())
        throwNull(n_methodName);
    return self;
}

OstraClass::ClassChain OstraClass::chainToRoot() const
{
    ClassChain chain;
    chain.append(const_cast<OstraClass *>(this));
    OstraClassPtr parent = getParent();
    while (!parent.isNull()) {
        chain.append(parent.data());
        parent = parent->getParent();
    }
    return chain;
}

// An element still linked to another class would be moved out of it half-way by its own
// setParent; such an element has to be moved with changeParent instead.
void OstraClass::refuseForeignOwner(BaseObjectParent &n_element, const QString &n_elementId,
                                    const QString &n_methodName)
{
    const OstraClassPtr owner = n_element.getParent();
    if (!owner.isNull() && owner.data() != this)
        throw BadNewObjectParent(n_elementId, getId(), CLASS_NAME, n_methodName, NO_PARENT_EXCEPTION);
}

// The checks below run before anything is inserted, so an add either completes up to the root or
// changes nothing. With SameObject::Allow an entry holding the very element does not count: a move
// takes it out of the old owner's chain before inserting.
void OstraClass::checkParameterCanEnter(ParameterModel::ParameterModelPtr n_parameter, SameObject n_same) const
{
    const QString id = n_parameter->getId();
    const bool refuseSame = n_same == SameObject::Refuse;
    if (m_ownParameters.contains(id) && (refuseSame || m_ownParameters.value(id) != n_parameter))
        throw ElementAlreadyExistExceptionOstra(id, CLASS_NAME, M_ADD_PARAMETER, NO_PARENT_EXCEPTION);
    for (OstraClass *cls : chainToRoot())
        if (cls->parametersContains(id) && (refuseSame || cls->getParameter(id) != n_parameter))
            throw ElementAlreadyExistExceptionOstra(id, QStringLiteral("IParametersData"), M_ADD_PARAMETER_PTR,
                                                    NO_PARENT_EXCEPTION);
}

void OstraClass::checkRuleCanEnter(RuleModel::RuleModelPtr n_rule, SameObject n_same) const
{
    const QString id = n_rule->getId();
    const bool refuseSame = n_same == SameObject::Refuse;
    // The stores are asked before the own set, as the add itself does.
    for (OstraClass *cls : chainToRoot())
        if (cls->rulesContains(id) && (refuseSame || cls->getRule(id) != n_rule))
            throw ElementAlreadyExistExceptionOstra(id, QStringLiteral("IRuleData"), M_ADD_RULE_PTR,
                                                    NO_PARENT_EXCEPTION);
    if (m_ownRules.contains(id) && (refuseSame || m_ownRules.value(id) != n_rule))
        throw ElementAlreadyExistExceptionOstra(id, CLASS_NAME, M_ADD_RULE, NO_PARENT_EXCEPTION);
}

void OstraClass::checkConstraintCanEnter(ConstraintModel::ConstraintModelPtr n_constraint, SameObject n_same) const
{
    const QString id = n_constraint->getId();
    const bool refuseSame = n_same == SameObject::Refuse;
    if (m_ownConstraints.contains(id) && (refuseSame || m_ownConstraints.value(id) != n_constraint))
        throw ElementAlreadyExistExceptionOstra(id, CLASS_NAME, M_ADD_CONSTRAINT, NO_PARENT_EXCEPTION);
    for (OstraClass *cls : chainToRoot())
        if (cls->constraintsContains(id) && (refuseSame || cls->getConstraint(id) != n_constraint))
            throw ElementAlreadyExistExceptionOstra(id, QStringLiteral("IConstraintsData"), M_ADD_CONSTRAINT_PTR,
                                                    NO_PARENT_EXCEPTION);
}

void OstraClass::checkClassCanEnter(OstraClassPtr n_child, SameObject n_same) const
{
    const bool refuseSame = n_same == SameObject::Refuse;
    QHash<QString, OstraClassPtr> classes = n_child->m_allClasses;
    classes.insert(n_child->getId(), n_child);
    const QHash<QString, ParameterModel::ParameterModelPtr> parameters = n_child->getParametersHash();
    const QHash<QString, RuleModel::RuleModelPtr> rules = n_child->getRulesHash();
    const QHash<QString, ConstraintModel::ConstraintModelPtr> constraints = n_child->getConstraintsHash();
    for (OstraClass *cls : chainToRoot()) {
        for (auto it = classes.constBegin(); it != classes.constEnd(); ++it)
            if (cls->m_allClasses.contains(it.key()) && (refuseSame || cls->m_allClasses.value(it.key()) != it.value()))
                throw ElementAlreadyExistExceptionOstra(it.key(), CLASS_NAME, M_ADD_CLASS_TO_ALL, NO_PARENT_EXCEPTION);
        for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it)
            if (cls->parametersContains(it.key()) && (refuseSame || cls->getParameter(it.key()) != it.value()))
                throw ElementAlreadyExistExceptionOstra(it.key(), QStringLiteral("IParametersData"),
                                                        M_ADD_PARAMETER_PTR, NO_PARENT_EXCEPTION);
        for (auto it = rules.constBegin(); it != rules.constEnd(); ++it)
            if (cls->rulesContains(it.key()) && (refuseSame || cls->getRule(it.key()) != it.value()))
                throw ElementAlreadyExistExceptionOstra(it.key(), QStringLiteral("IRuleData"), M_ADD_RULE_PTR,
                                                        NO_PARENT_EXCEPTION);
        for (auto it = constraints.constBegin(); it != constraints.constEnd(); ++it)
            if (cls->constraintsContains(it.key()) && (refuseSame || cls->getConstraint(it.key()) != it.value()))
                throw ElementAlreadyExistExceptionOstra(it.key(), QStringLiteral("IConstraintsData"),
                                                        M_ADD_CONSTRAINT_PTR, NO_PARENT_EXCEPTION);
    }
}

// A class cannot go below itself: that would cut its subtree out of the tree.
void OstraClass::checkNotInsideSubtree(OstraClassPtr n_child, const QString &n_methodName) const
{
    for (OstraClass *cls : chainToRoot())
        if (cls == n_child.data())
            throw BadNewObjectParent(n_child->getId(), getId(), CLASS_NAME, n_methodName, NO_PARENT_EXCEPTION);
}

// ======================================================================= parameters

void OstraClass::addParameter(ParameterModel::ParameterModelPtr n_parameterPtr)
{
    const OstraClassPtr self = selfPtr(M_ADD_PARAMETER);
    addParameterToOwn(n_parameterPtr);
    n_parameterPtr->setParent(self);
}

void OstraClass::addParameterToOwn(ParameterModel::ParameterModelPtr n_parameterPtr)
{
    if (n_parameterPtr.isNull())
        throwNull(M_ADD_PARAMETER);
    refuseForeignOwner(*n_parameterPtr, n_parameterPtr->getId(), M_ADD_PARAMETER);
    checkParameterCanEnter(n_parameterPtr, SameObject::Refuse);
    m_ownParameters.insert(n_parameterPtr->getId(), n_parameterPtr);
    // The check above has refused an id held anywhere up the chain, so the stores are filled
    // without asking each of them again (addParameterToAll would).
    for (OstraClass *cls : chainToRoot())
        cls->addParameterPtr(n_parameterPtr);
}

void OstraClass::addParameterToAll(ParameterModel::ParameterModelPtr n_parameterPtr)
{
    const ClassChain chain = chainToRoot();
    const QString id = n_parameterPtr->getId();
    for (OstraClass *cls : chain)
        if (cls->parametersContains(id))
            throw ElementAlreadyExistExceptionOstra(id, QStringLiteral("IParametersData"), M_ADD_PARAMETER_PTR,
                                                    NO_PARENT_EXCEPTION);
    for (OstraClass *cls : chain)
        cls->addParameterPtr(n_parameterPtr);
}

void OstraClass::addParameterToAllInParent(ParameterModel::ParameterModelPtr n_parameterPtr)
{
    const OstraClassPtr parent = getParent();
    if (!parent.isNull())
        parent->addParameterToAll(n_parameterPtr);
}

void OstraClass::addParametersToAll(const QSet<ParameterModel::ParameterModelPtr> &n_parameters)
{
    for (const ParameterModel::ParameterModelPtr &parameter : n_parameters)
        addParameterToAll(parameter);
}

void OstraClass::addParametersOnlyToAll(const QSet<ParameterModel::ParameterModelPtr> &n_parameters)
{
    for (const ParameterModel::ParameterModelPtr &parameter : n_parameters)
        if (parametersContains(parameter->getId()))
            throw ElementAlreadyExistExceptionOstra(parameter->getId(), QStringLiteral("IParametersData"),
                                                    M_ADD_PARAMETER_PTR, NO_PARENT_EXCEPTION);
    for (const ParameterModel::ParameterModelPtr &parameter : n_parameters)
        addParameterPtr(parameter);
}

void OstraClass::addParametersToAllinParent(OstraClassPtr n_parent,
                                            const QSet<ParameterModel::ParameterModelPtr> &n_parameters)
{
    for (const ParameterModel::ParameterModelPtr &parameter : n_parameters)
        n_parent->addParameterToAll(parameter);
}

bool OstraClass::isChild(ParameterModel::ParameterModelPtr n_parameterPtr) const
{
    return m_ownParameters.contains(n_parameterPtr->getId());
}

void OstraClass::deleteParameterFromClass(ParameterModel::ParameterModelPtr n_parameterPtr, bool n_deleteEdges)
{
    const QString method =
        QStringLiteral("deleteParameterFromClass(ParameterModel::ParameterModelPtr n_parameterPtr, bool n_deleteEdges)");
    if (n_parameterPtr.isNull())
        throwNull(method);
    if (!isChild(n_parameterPtr))
        throw NotObjectOwner(n_parameterPtr->getId(), getId(), CLASS_NAME, method, NO_PARENT_EXCEPTION);
    if (n_deleteEdges)
        deleteAllParameterEdges(n_parameterPtr);
    m_ownParameters.remove(n_parameterPtr->getId());
    deleteParameterFromAll(n_parameterPtr->getId());
    n_parameterPtr->removeParent();
}

void OstraClass::deleteParameterFromClass(const QString &n_id, bool n_deleteEdges)
{
    deleteParameterFromClass(getParameter(n_id), n_deleteEdges);
}

void OstraClass::deleteParameterFromAll(const QString &n_parameterID)
{
    if (!parametersContains(n_parameterID))
        throw NoElementExceptionOstra(n_parameterID, CLASS_NAME,
                                      QStringLiteral("deleteParameterFromAll(const QString &n_parameterID)"),
                                      NO_PARENT_EXCEPTION);
    deleteParameter(n_parameterID);
    deleteParameterFromAllInParent(n_parameterID);
}

void OstraClass::deleteParameterFromAllInParent(const QString &n_parameterID)
{
    const OstraClassPtr parent = getParent();
    if (!parent.isNull())
        parent->deleteParameterFromAll(n_parameterID);
}

void OstraClass::deleteParameterFromAllInParent(ParameterModel::ParameterModelPtr n_parameterPtr)
{
    deleteParameterFromAllInParent(n_parameterPtr->getId());
}

void OstraClass::deleteParameterExternalEdges(ParameterModel::ParameterModelPtr n_parameter)
{
    const QString method = QStringLiteral("deleteParameterExternalEdges(ParameterModel::ParameterModelPtr n_parameter)");
    if (n_parameter.isNull())
        throwNull(method);
    if (!isChild(n_parameter))
        throw NotObjectOwner(n_parameter->getId(), getId(), CLASS_NAME, method, NO_PARENT_EXCEPTION);
    // Walked per list entry: a rule reading the parameter under two names is listed twice.
    for (const RuleModel::RuleModelPtr &rule : n_parameter->getInputRules()) {
        if (rule.isNull() || rulesContains(rule->getId()))
            continue;
        const OstraClassPtr owner = rule->getParent();
        (owner.isNull() ? this : owner.data())->deleteEdge(rule, n_parameter, QString());
    }
    for (const RuleModel::RuleModelPtr &rule : n_parameter->getOutputRules()) {
        if (rule.isNull() || rulesContains(rule->getId()))
            continue;
        const OstraClassPtr owner = rule->getParent();
        (owner.isNull() ? this : owner.data())->deleteEdge(n_parameter, rule, QString());
    }
}

QHash<QString, ParameterModel::ParameterModelPtr> OstraClass::getOwnParametersHash() const
{
    return m_ownParameters;
}

QSet<ParameterModel::ParameterModelPtr> OstraClass::getOwnParametersSet() const
{
    return valuesSet(m_ownParameters);
}

int OstraClass::getOwnParametersCount() const
{
    return m_ownParameters.size();
}

void OstraClass::clearOwnParameters()
{
    m_ownParameters.clear();
}

void OstraClass::clearAllParameters()
{
    const QList<QString> ids = getParametersHash().keys();
    for (const QString &id : ids)
        deleteParameter(id);
}

void OstraClass::clearParameters()
{
    clearOwnParameters();
    clearAllParameters();
}

void OstraClass::refreshParametersHash()
{
    const QHash<QString, ParameterModel::ParameterModelPtr> store = getParametersHash();
    for (auto it = store.constBegin(); it != store.constEnd(); ++it)
        deleteParameter(it.key());
    for (auto it = store.constBegin(); it != store.constEnd(); ++it)
        addParameterPtr(it.value());
    uidgenerators::refreshHash(m_ownParameters);
}

// ======================================================================= rules

void OstraClass::addRule(RuleModel::RuleModelPtr n_rulePtr)
{
    const OstraClassPtr self = selfPtr(M_ADD_RULE);
    addRuleToOwn(n_rulePtr);
    n_rulePtr->setParent(self);
}

void OstraClass::addRuleToOwn(RuleModel::RuleModelPtr n_rulePtr)
{
    if (n_rulePtr.isNull())
        throwNull(M_ADD_RULE);
    refuseForeignOwner(*n_rulePtr, n_rulePtr->getId(), M_ADD_RULE);
    checkRuleCanEnter(n_rulePtr, SameObject::Refuse);
    // Already checked against every store up the chain, as for parameters.
    for (OstraClass *cls : chainToRoot())
        cls->addRulePtr(n_rulePtr);
    m_ownRules.insert(n_rulePtr->getId(), n_rulePtr);
}

void OstraClass::addRuleToAll(RuleModel::RuleModelPtr n_rulePtr)
{
    const ClassChain chain = chainToRoot();
    const QString id = n_rulePtr->getId();
    for (OstraClass *cls : chain)
        if (cls->rulesContains(id))
            throw ElementAlreadyExistExceptionOstra(id, QStringLiteral("IRuleData"), M_ADD_RULE_PTR,
                                                    NO_PARENT_EXCEPTION);
    for (OstraClass *cls : chain)
        cls->addRulePtr(n_rulePtr);
}

void OstraClass::addRuleToAllInParent(RuleModel::RuleModelPtr n_rulePtr)
{
    const OstraClassPtr parent = getParent();
    if (!parent.isNull())
        parent->addRuleToAll(n_rulePtr);
}

void OstraClass::addRulesToAllInParent(OstraClassPtr n_parent, const QSet<RuleModel::RuleModelPtr> &n_rules)
{
    for (const RuleModel::RuleModelPtr &rule : n_rules)
        n_parent->addRuleToAll(rule);
}

void OstraClass::addRulesOnlyToAll(const QSet<RuleModel::RuleModelPtr> &n_rules)
{
    for (const RuleModel::RuleModelPtr &rule : n_rules)
        if (rulesContains(rule->getId()))
            throw ElementAlreadyExistExceptionOstra(rule->getId(), QStringLiteral("IRuleData"), M_ADD_RULE_PTR,
                                                    NO_PARENT_EXCEPTION);
    for (const RuleModel::RuleModelPtr &rule : n_rules)
        addRulePtr(rule);
}

bool OstraClass::isChild(RuleModel::RuleModelPtr n_rulePtr) const
{
    return m_ownRules.contains(n_rulePtr->getId());
}

void OstraClass::deleteRuleFromClass(RuleModel::RuleModelPtr n_rulePtr, bool n_deleteEdges)
{
    const QString method = QStringLiteral("deleteRuleFromClass(RuleModel::RuleModelPtr n_rulePtr)");
    if (n_rulePtr.isNull())
        throwNull(method);
    if (!isChild(n_rulePtr))
        throw NotObjectOwner(n_rulePtr->getId(), getId(), CLASS_NAME, method, NO_PARENT_EXCEPTION);
    if (n_deleteEdges)
        deleteAllRuleEdges(n_rulePtr);
    m_ownRules.remove(n_rulePtr->getId());
    deleteRuleFromAll(n_rulePtr->getId());
    n_rulePtr->removeParent();
}

void OstraClass::deleteRuleFromClass(const QString &n_id, bool n_deleteEdges)
{
    deleteRuleFromClass(getRule(n_id), n_deleteEdges);
}

void OstraClass::deleteRuleFromAll(const QString &n_ruleId)
{
    if (!rulesContains(n_ruleId))
        throw NoElementExceptionOstra(n_ruleId, CLASS_NAME, QStringLiteral("deleteRuleFromAll(const QString &n_ruleId)"),
                                      NO_PARENT_EXCEPTION);
    deleteRule(n_ruleId);
    deleteRuleFromAllInParent(n_ruleId);
}

void OstraClass::deleteRuleFromAllInParent(const QString &n_ruleId)
{
    const OstraClassPtr parent = getParent();
    if (!parent.isNull())
        parent->deleteRuleFromAll(n_ruleId);
}

QHash<QString, RuleModel::RuleModelPtr> OstraClass::getOwnRulesHash() const
{
    return m_ownRules;
}

QSet<RuleModel::RuleModelPtr> OstraClass::getOwnRulesSet() const
{
    return valuesSet(m_ownRules);
}

int OstraClass::getOwnRulesCount() const
{
    return m_ownRules.size();
}

void OstraClass::clearOwnRules()
{
    m_ownRules.clear();
}

void OstraClass::clearAllRules()
{
    const QList<QString> ids = getRulesHash().keys();
    for (const QString &id : ids)
        deleteRule(id);
}

void OstraClass::clearRules()
{
    clearOwnRules();
    clearAllRules();
}

void OstraClass::refreshRulesHash()
{
    const QHash<QString, RuleModel::RuleModelPtr> store = getRulesHash();
    for (auto it = store.constBegin(); it != store.constEnd(); ++it)
        deleteRule(it.key());
    for (auto it = store.constBegin(); it != store.constEnd(); ++it)
        addRulePtr(it.value());
    uidgenerators::refreshHash(m_ownRules);
}

// ======================================================================= constraints

void OstraClass::addConstraint(ConstraintModel::ConstraintModelPtr n_constrPtr)
{
    const OstraClassPtr self = selfPtr(M_ADD_CONSTRAINT);
    addConstraintToOwn(n_constrPtr);
    n_constrPtr->setParent(self);
}

void OstraClass::addConstraintToOwn(ConstraintModel::ConstraintModelPtr n_constrPtr)
{
    if (n_constrPtr.isNull())
        throwNull(M_ADD_CONSTRAINT);
    refuseForeignOwner(*n_constrPtr, n_constrPtr->getId(), M_ADD_CONSTRAINT);
    checkConstraintCanEnter(n_constrPtr, SameObject::Refuse);
    m_ownConstraints.insert(n_constrPtr->getId(), n_constrPtr);
    // Already checked against every store up the chain, as for parameters.
    for (OstraClass *cls : chainToRoot())
        cls->addConstraintPtr(n_constrPtr);
}

void OstraClass::addConstraintToAll(ConstraintModel::ConstraintModelPtr n_constrPtr)
{
    const ClassChain chain = chainToRoot();
    const QString id = n_constrPtr->getId();
    for (OstraClass *cls : chain)
        if (cls->constraintsContains(id))
            throw ElementAlreadyExistExceptionOstra(id, QStringLiteral("IConstraintsData"), M_ADD_CONSTRAINT_PTR,
                                                    NO_PARENT_EXCEPTION);
    for (OstraClass *cls : chain)
        cls->addConstraintPtr(n_constrPtr);
}

void OstraClass::addConstraintToAllInParent(ConstraintModel::ConstraintModelPtr n_constrPtr)
{
    const OstraClassPtr parent = getParent();
    if (!parent.isNull())
        parent->addConstraintToAll(n_constrPtr);
}

void OstraClass::addConstraintsToAllInParent(OstraClassPtr n_parent,
                                             const QSet<ConstraintModel::ConstraintModelPtr> &n_constraints)
{
    for (const ConstraintModel::ConstraintModelPtr &constraint : n_constraints)
        n_parent->addConstraintToAll(constraint);
}

void OstraClass::addConstraintsOnlyToAll(const QSet<ConstraintModel::ConstraintModelPtr> &n_constraints)
{
    for (const ConstraintModel::ConstraintModelPtr &constraint : n_constraints)
        if (constraintsContains(constraint->getId()))
            throw ElementAlreadyExistExceptionOstra(constraint->getId(), QStringLiteral("IConstraintsData"),
                                                    M_ADD_CONSTRAINT_PTR, NO_PARENT_EXCEPTION);
    for (const ConstraintModel::ConstraintModelPtr &constraint : n_constraints)
        addConstraintPtr(constraint);
}

bool OstraClass::isChild(ConstraintModel::ConstraintModelPtr n_constrPtr) const
{
    return m_ownConstraints.contains(n_constrPtr->getId());
}

void OstraClass::deleteConstraintFromClass(ConstraintModel::ConstraintModelPtr n_constrPtr, bool n_deleteEdges)
{
    const QString method = QStringLiteral("deleteConstraintFromClass(ConstraintModel::ConstraintModelPtr n_constrPtr)");
    if (n_constrPtr.isNull())
        throwNull(method);
    if (!isChild(n_constrPtr))
        throw NotObjectOwner(n_constrPtr->getId(), getId(), CLASS_NAME, method, NO_PARENT_EXCEPTION);
    if (n_deleteEdges)
        deleteAllConstraintEdges(n_constrPtr);
    m_ownConstraints.remove(n_constrPtr->getId());
    deleteConstraintFromAll(n_constrPtr->getId());
    n_constrPtr->removeParent();
}

void OstraClass::deleteConstraintFromClass(const QString &n_id, bool n_deleteEdges)
{
    deleteConstraintFromClass(getConstraint(n_id), n_deleteEdges);
}

void OstraClass::deleteConstraintFromAll(const QString &n_constrId)
{
    if (!constraintsContains(n_constrId))
        throw NoElementExceptionOstra(n_constrId, CLASS_NAME,
                                      QStringLiteral("deleteConstrFromAll(const QString &n_constrId)"),
                                      NO_PARENT_EXCEPTION);
    deleteConstraint(n_constrId);
    deleteConstraintFromAllInParent(n_constrId);
}

void OstraClass::deleteConstraintFromAllInParent(const QString &n_constrId)
{
    const OstraClassPtr parent = getParent();
    if (!parent.isNull())
        parent->deleteConstraintFromAll(n_constrId);
}

QHash<QString, ConstraintModel::ConstraintModelPtr> OstraClass::getOwnConstraintsHash() const
{
    return m_ownConstraints;
}

QSet<ConstraintModel::ConstraintModelPtr> OstraClass::getOwnConstraintsSet() const
{
    return valuesSet(m_ownConstraints);
}

int OstraClass::getOwnConstraintsCount() const
{
    return m_ownConstraints.size();
}

void OstraClass::clearOwnConstraints()
{
    m_ownConstraints.clear();
}

void OstraClass::clearAllConstraints()
{
    const QList<QString> ids = getConstraintsHash().keys();
    for (const QString &id : ids)
        deleteConstraint(id);
}

void OstraClass::clearConstraints()
{
    clearOwnConstraints();
    clearAllConstraints();
}

void OstraClass::refreshConstraintsHash()
{
    const QHash<QString, ConstraintModel::ConstraintModelPtr> store = getConstraintsHash();
    for (auto it = store.constBegin(); it != store.constEnd(); ++it)
        deleteConstraint(it.key());
    for (auto it = store.constBegin(); it != store.constEnd(); ++it)
        addConstraintPtr(it.value());
    uidgenerators::refreshHash(m_ownConstraints);
}

// ======================================================================= child classes

void OstraClass::addClass(OstraClassPtr n_childClass)
{
    if (n_childClass.isNull())
        throwNull(M_ADD_CLASS);
    const OstraClassPtr self = selfPtr(M_ADD_CLASS);
    refuseForeignOwner(*n_childClass, n_childClass->getId(), M_ADD_CLASS);
    checkNotInsideSubtree(n_childClass, M_ADD_CLASS);
    if (m_ownClasses.contains(n_childClass->getId()))
        throw ElementAlreadyExistExceptionOstra(n_childClass->getId(), CLASS_NAME, M_ADD_CLASS, NO_PARENT_EXCEPTION);
    checkClassCanEnter(n_childClass, SameObject::Refuse);
    m_ownClasses.insert(n_childClass->getId(), n_childClass);
    n_childClass->setParent(self);
    addClassToAll(n_childClass);
}

// The whole subtree of the attached class (its classes too, not only the class itself) joins the
// whole-subtree sets of this class and of every ancestor.
void OstraClass::addClassToAll(OstraClassPtr n_childClass)
{
    checkClassCanEnter(n_childClass, SameObject::Refuse);
    const QHash<QString, OstraClassPtr> subClasses = n_childClass->m_allClasses;
    const QHash<QString, ParameterModel::ParameterModelPtr> parameters = n_childClass->getParametersHash();
    const QHash<QString, RuleModel::RuleModelPtr> rules = n_childClass->getRulesHash();
    const QHash<QString, ConstraintModel::ConstraintModelPtr> constraints = n_childClass->getConstraintsHash();
    for (OstraClass *cls : chainToRoot()) {
        cls->m_allClasses.insert(n_childClass->getId(), n_childClass);
        for (auto it = subClasses.constBegin(); it != subClasses.constEnd(); ++it)
            cls->m_allClasses.insert(it.key(), it.value());
        for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it)
            cls->addParameterPtr(it.value());
        for (auto it = rules.constBegin(); it != rules.constEnd(); ++it)
            cls->addRulePtr(it.value());
        for (auto it = constraints.constBegin(); it != constraints.constEnd(); ++it)
            cls->addConstraintPtr(it.value());
    }
}

void OstraClass::addClassToAllInParent(OstraClassPtr n_childClass)
{
    const OstraClassPtr parent = getParent();
    if (!parent.isNull())
        parent->addClassToAll(n_childClass);
}

void OstraClass::addClassesToAllinParent(OstraClassPtr n_parent, const QSet<OstraClassPtr> &n_classes)
{
    for (const OstraClassPtr &cls : n_classes)
        n_parent->addClassToAll(cls);
}

bool OstraClass::isChild(OstraClassPtr n_classPtr) const
{
    return m_ownClasses.contains(n_classPtr->getId());
}

void OstraClass::deleteChildClass(OstraClassPtr n_classPtr, bool n_deleteEdges)
{
    if (n_classPtr.isNull())
        throwNull(M_DELETE_CHILD);
    if (!isChild(n_classPtr))
        throw NotObjectOwner(n_classPtr->getId(), getId(), CLASS_NAME, M_DELETE_CHILD, NO_PARENT_EXCEPTION);
    deleteChildClassFromAll(n_classPtr);
    const QHash<QString, RuleModel::RuleModelPtr> rules = n_classPtr->getRulesHash();
    for (auto it = rules.constBegin(); it != rules.constEnd(); ++it)
        deleteRuleFromAll(it.key());
    const QHash<QString, ConstraintModel::ConstraintModelPtr> constraints = n_classPtr->getConstraintsHash();
    for (auto it = constraints.constBegin(); it != constraints.constEnd(); ++it)
        deleteConstraintFromAll(it.key());
    const QHash<QString, ParameterModel::ParameterModelPtr> parameters = n_classPtr->getParametersHash();
    for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it) {
        if (n_deleteEdges)
            cutBorderEdges(it.value(), *n_classPtr);
        deleteParameterFromAll(it.key());
    }
    m_ownClasses.remove(n_classPtr->getId());
    n_classPtr->removeParent();
}

// Cuts the edges between a parameter of a leaving subtree and the rules and constraints outside
// that subtree. The border is the subtree's, so edges to rules and constraints that stay inside
// it (above the parameter's own class) are kept.
void OstraClass::cutBorderEdges(ParameterModel::ParameterModelPtr n_parameter, const OstraClass &n_subtree)
{
    auto ownerOf = [this](BaseObjectParent &n_element) -> BaseClassCommonData * {
        const OstraClassPtr owner = n_element.getParent();
        return owner.isNull() ? static_cast<BaseClassCommonData *>(this) : owner.data();
    };
    for (const RuleModel::RuleModelPtr &rule : n_parameter->getInputRules())
        if (!rule.isNull() && !n_subtree.rulesContains(rule->getId()))
            ownerOf(*rule)->deleteEdge(rule, n_parameter, QString());
    // Per list entry: a rule reading the parameter under two names is listed twice.
    for (const RuleModel::RuleModelPtr &rule : n_parameter->getOutputRules())
        if (!rule.isNull() && !n_subtree.rulesContains(rule->getId()))
            ownerOf(*rule)->deleteEdge(n_parameter, rule, QString());
    for (const ConstraintModel::ConstraintModelPtr &constraint : n_parameter->getConstraints())
        if (!constraint.isNull() && !n_subtree.constraintsContains(constraint->getId()))
            ownerOf(*constraint)->deleteEdge(n_parameter, constraint, QString());
}

void OstraClass::deleteChildClass(const QString &n_id, bool n_deleteEdges)
{
    deleteChildClass(getClassById(n_id), n_deleteEdges);
}

void OstraClass::deleteChildClassFromAll(OstraClassPtr n_classPtr)
{
    if (!m_allClasses.contains(n_classPtr->getId()))
        throw NoElementExceptionOstra(n_classPtr->getId(), CLASS_NAME,
                                      QStringLiteral("deleteChildClassFromAll(const QString &n_id)"),
                                      NO_PARENT_EXCEPTION);
    m_allClasses.remove(n_classPtr->getId());
    // The classes below the leaving class leave with it.
    for (auto it = n_classPtr->m_allClasses.constBegin(); it != n_classPtr->m_allClasses.constEnd(); ++it)
        m_allClasses.remove(it.key());
    deleteChildClassFromAllInParent(n_classPtr);
}

void OstraClass::deleteChildClassFromAllInParent(OstraClassPtr n_classPtr)
{
    const OstraClassPtr parent = getParent();
    if (!parent.isNull())
        parent->deleteChildClassFromAll(n_classPtr);
}

int OstraClass::getOwnClassesCount() const
{
    return m_ownClasses.size();
}

QSet<OstraClass::OstraClassPtr> OstraClass::getOwnClassesSet() const
{
    return valuesSet(m_ownClasses);
}

QHash<QString, OstraClass::OstraClassPtr> OstraClass::getOwnClassesHash() const
{
    return m_ownClasses;
}

QSet<OstraClass::OstraClassPtr> OstraClass::getAllClassesSet() const
{
    return valuesSet(m_allClasses);
}

QHash<QString, OstraClass::OstraClassPtr> OstraClass::getAllClassesHash() const
{
    return m_allClasses;
}

int OstraClass::getAllClassesCount() const
{
    return m_allClasses.size();
}

OstraClass::OstraClassPtr OstraClass::getClassById(const QString &n_id)
{
    if (n_id == getId())
        return sharedFromThis();
    const auto found = m_allClasses.constFind(n_id);
    if (found == m_allClasses.constEnd())
        throw NoElementExceptionOstra(n_id, CLASS_NAME, QStringLiteral("getClassById(const QString &n_id)"),
                                      NO_PARENT_EXCEPTION);
    return found.value();
}

OstraClass::OstraClassPtr OstraClass::getOwnClassById(const QString &n_id) const
{
    return m_ownClasses.value(n_id);
}

bool OstraClass::classContains(const QString &n_id) const
{
    return m_allClasses.contains(n_id);
}

void OstraClass::clearOwnClasses()
{
    m_ownClasses.clear();
}

void OstraClass::clearAllClasses()
{
    m_allClasses.clear();
}

void OstraClass::clearClasses()
{
    clearOwnClasses();
    clearAllClasses();
}

void OstraClass::refreshClassesHash()
{
    uidgenerators::refreshHash(m_ownClasses);
    uidgenerators::refreshHash(m_allClasses);
    for (auto it = m_ownClasses.constBegin(); it != m_ownClasses.constEnd(); ++it) {
        const OstraClassPtr child = it.value();
        child->refreshParametersHash();
        child->refreshRulesHash();
        child->refreshConstraintsHash();
        child->refreshClassesHash();
    }
}

void OstraClass::setTemplateClass(OstraClassPtr n_templateClass)
{
    m_templateClass = n_templateClass;
}

OstraClass::OstraClassPtr OstraClass::getTemplateClass() const
{
    return m_templateClass;
}

// ======================================================================= external links

namespace {
// The class that owns the parameter; a parameter outside every class has no outside to measure.
OstraClass::OstraClassPtr ownerForExternalQuery(const ParameterModel::ParameterModelPtr &n_parameter,
                                                const QString &n_methodName)
{
    if (n_parameter.isNull())
        throwNull(n_methodName);
    const OstraClass::OstraClassPtr owner = n_parameter->getParent();
    if (owner.isNull())
        throwNull(n_methodName);
    return owner;
}
} // namespace

QSet<RuleModel::RuleModelPtr> OstraClass::getExternalInputRules(const ParameterModel::ParameterModelPtr n_parameterPtr)
{
    const OstraClassPtr owner = ownerForExternalQuery(
        n_parameterPtr, QStringLiteral("getExternalInputRules(const ParameterModel::ParameterModelPtr n_parameterPtr)"));
    QSet<RuleModel::RuleModelPtr> result;
    for (const RuleModel::RuleModelPtr &rule : n_parameterPtr->getInputRules())
        if (!rule.isNull() && !owner->rulesContains(rule->getId()))
            result.insert(rule);
    return result;
}

QSet<RuleModel::RuleModelPtr> OstraClass::getExternalOutputRules(const ParameterModel::ParameterModelPtr n_parameterPtr)
{
    const OstraClassPtr owner = ownerForExternalQuery(
        n_parameterPtr, QStringLiteral("getExternalOutputRules(const ParameterModel::ParameterModelPtr n_parameterPtr)"));
    QSet<RuleModel::RuleModelPtr> result;
    for (const RuleModel::RuleModelPtr &rule : n_parameterPtr->getOutputRules())
        if (!rule.isNull() && !owner->rulesContains(rule->getId()))
            result.insert(rule);
    return result;
}

QSet<ConstraintModel::ConstraintModelPtr> OstraClass::getExternalConstraints(
    const ParameterModel::ParameterModelPtr n_parameterPtr)
{
    const OstraClassPtr owner = ownerForExternalQuery(
        n_parameterPtr, QStringLiteral("getExternalConstraints(const ParameterModel::ParameterModelPtr n_parameterPtr)"));
    QSet<ConstraintModel::ConstraintModelPtr> result;
    for (const ConstraintModel::ConstraintModelPtr &constraint : n_parameterPtr->getConstraints())
        if (!constraint.isNull() && !owner->constraintsContains(constraint->getId()))
            result.insert(constraint);
    return result;
}

// ======================================================================= relations

void OstraClass::deleteRelationPtr(QSharedPointer<RelationModel> n_relationPtr)
{
    const QString method = QStringLiteral("deleteRelationPtr(RelationModel::RelationModelPtr n_relationPtr)");
    if (n_relationPtr.isNull())
        throwNull(method);
    const QString relationId = n_relationPtr->getId();
    // Rules and constraints linked to no relation cannot use this one; they are passed over.
    QList<RuleModel::RuleModelPtr> rules;
    const QHash<QString, RuleModel::RuleModelPtr> ruleStore = getRulesHash();
    for (auto it = ruleStore.constBegin(); it != ruleStore.constEnd(); ++it) {
        const QSharedPointer<RelationModel> relation = it.value()->getRelationPtr();
        if (!relation.isNull() && relation->getId() == relationId)
            rules.append(it.value());
    }
    QList<ConstraintModel::ConstraintModelPtr> constraints;
    const QHash<QString, ConstraintModel::ConstraintModelPtr> constraintStore = getConstraintsHash();
    for (auto it = constraintStore.constBegin(); it != constraintStore.constEnd(); ++it) {
        const QSharedPointer<RelationModel> relation = it.value()->getRelationPtr();
        if (!relation.isNull() && relation->getId() == relationId)
            constraints.append(it.value());
    }
    // Every owner is known before the first deletion, so a refusal leaves the model whole.
    for (const RuleModel::RuleModelPtr &rule : qAsConst(rules))
        if (!rule->hasParent())
            throwNull(method);
    for (const ConstraintModel::ConstraintModelPtr &constraint : qAsConst(constraints))
        if (!constraint->hasParent())
            throwNull(method);
    for (const RuleModel::RuleModelPtr &rule : qAsConst(rules))
        rule->getParent()->deleteRuleFromClass(rule, true);
    for (const ConstraintModel::ConstraintModelPtr &constraint : qAsConst(constraints))
        constraint->getParent()->deleteConstraintFromClass(constraint, true);
    getRelationsStorage()->deleteRelationPtr(n_relationPtr);
}

int OstraClass::getRelationsCount()
{
    return getRelationsStorage()->getRelationsCount();
}

bool OstraClass::isRelationExist(const QString &n_id)
{
    return getRelationsStorage()->relationsContains(n_id);
}

void OstraClass::addConnections(const QHash<QString, QString> &n_inputs, const QString &n_id)
{
    for (auto it = n_inputs.constBegin(); it != n_inputs.constEnd(); ++it)
        addEdge(it.value(), n_id, it.key());
}

void OstraClass::addConnections(const QString &n_id, const QHash<QString, QString> &n_outputs)
{
    for (auto it = n_outputs.constBegin(); it != n_outputs.constEnd(); ++it)
        addEdge(n_id, it.value(), it.key());
}

OstraObjectType OstraClass::getObjectTypeById(const QString &n_id) const
{
    if (m_allClasses.contains(n_id))
        return OBJECT_TYPE_CLASS;
    return BaseClassCommonData::getObjectTypeById(n_id);
}

// ======================================================================= copying and cloning

OstraClass::OstraClassPtr OstraClass::copy(QSharedPointer<RelationsStorage> n_storage) const
{
    const QSharedPointer<RelationsStorage> storage = n_storage.isNull() ? getRelationsStorage() : n_storage;
    // A class that was never given an id (a fresh model's root) is copied as it is.
    const OstraClassPtr newClass = getId().isEmpty() ? QSharedPointer<OstraClass>::create(storage)
                                                     : QSharedPointer<OstraClass>::create(getId(), storage);
    newClass->setShortName(getShortName());
    newClass->setDescription(getDescription());
    newClass->setGUID(getGUID());
    newClass->setAuthor(getAuthor());
    copyOwnClasses(newClass);
    copyOwnParameters(newClass);
    copyOwnRules(newClass);
    copyOwnConstraints(newClass);
    copyOwnRulesEdges(newClass);
    copyOwnConstraintsEdges(newClass);
    newClass->copyDefaultValue(*this);
    return newClass;
}

OstraClass::OstraClassPtr OstraClass::clone(QSharedPointer<RelationsStorage> n_storage) const
{
    const OstraClassPtr newClass = copy(n_storage);
    newClass->setId(uidgenerators::genUid());
    newClass->replaceHashes();
    newClass->refreshAllHashes();
    return newClass;
}

void OstraClass::copyOwnClasses(OstraClassPtr n_newClass) const
{
    for (auto it = m_ownClasses.constBegin(); it != m_ownClasses.constEnd(); ++it)
        n_newClass->addClass(it.value()->copy(n_newClass->getRelationsStorage()));
}

void OstraClass::copyOwnParameters(OstraClassPtr n_newClass) const
{
    for (auto it = m_ownParameters.constBegin(); it != m_ownParameters.constEnd(); ++it)
        n_newClass->addParameter(QSharedPointer<ParameterModel>::create(*it.value()));
}

void OstraClass::copyOwnRules(OstraClassPtr n_newClass) const
{
    for (auto it = m_ownRules.constBegin(); it != m_ownRules.constEnd(); ++it)
        n_newClass->addRule(QSharedPointer<RuleModel>::create(*it.value()));
}

void OstraClass::copyOwnConstraints(OstraClassPtr n_newClass) const
{
    for (auto it = m_ownConstraints.constBegin(); it != m_ownConstraints.constEnd(); ++it)
        n_newClass->addConstraint(QSharedPointer<ConstraintModel>::create(*it.value()));
}

// A rule without a relation can bind no variable, so none of its edges is rebuilt; an unbound
// variable name has no parameter to bind. Everything else is copied.
void OstraClass::copyOwnRulesEdges(OstraClassPtr n_newClass) const
{
    for (auto it = m_ownRules.constBegin(); it != m_ownRules.constEnd(); ++it) {
        const RuleModel::RuleModelPtr rule = it.value();
        const QSharedPointer<RelationModel> relation = rule->getRelationPtr();
        if (relation.isNull())
            continue;
        n_newClass->addEdge(rule->getId(), relation->getId(), QString());
        const QHash<QString, ParameterModel::ParameterModelPtr> inputs = rule->getInputParameters();
        for (auto input = inputs.constBegin(); input != inputs.constEnd(); ++input)
            if (!input.value().isNull())
                n_newClass->addEdge(input.value()->getId(), rule->getId(), input.key());
        const QHash<QString, ParameterModel::ParameterModelPtr> outputs = rule->getOutputParameters();
        for (auto output = outputs.constBegin(); output != outputs.constEnd(); ++output)
            if (!output.value().isNull())
                n_newClass->addEdge(rule->getId(), output.value()->getId(), output.key());
    }
}

void OstraClass::copyOwnConstraintsEdges(OstraClassPtr n_newClass) const
{
    for (auto it = m_ownConstraints.constBegin(); it != m_ownConstraints.constEnd(); ++it) {
        const ConstraintModel::ConstraintModelPtr constraint = it.value();
        const QSharedPointer<RelationModel> relation = constraint->getRelationPtr();
        if (relation.isNull())
            continue;
        n_newClass->addEdge(constraint->getId(), relation->getId(), QString());
        const QHash<QString, ParameterModel::ParameterModelPtr> inputs = constraint->getInputParameters();
        for (auto input = inputs.constBegin(); input != inputs.constEnd(); ++input)
            if (!input.value().isNull())
                n_newClass->addEdge(input.value()->getId(), constraint->getId(), input.key());
    }
}

void OstraClass::replaceHashes()
{
    uidgenerators::replaceUuid(getParametersHash());
    uidgenerators::replaceUuid(getRulesHash());
    uidgenerators::replaceUuid(getConstraintsHash());
    uidgenerators::replaceUuid(m_allClasses);
}

void OstraClass::refreshAllHashes()
{
    refreshParametersHash();
    refreshRulesHash();
    refreshConstraintsHash();
    refreshClassesHash();
}

// ======================================================================= integrity

ModelIntegrity OstraClass::checkClassIntegrity() const
{
    ModelIntegrity report;
    report.addAllFromModelInegrity(checkClassIntegrityParametersClasses());
    report.addAllFromModelInegrity(checkClassIntegrityOfRulesConstraints());
    report.addAllFromModelInegrity(checkClassIntegrityOfRelations());
    return report;
}

ModelIntegrity OstraClass::checkClassIntegrityParametersClasses() const
{
    ModelIntegrity report;
    const QSharedPointer<const OstraClass> self = sharedFromThis();
    if (self.isNull() && !m_ownParameters.isEmpty())
        throwNull(M_SAME_PARAMETER);
    if (self.isNull() && !m_ownClasses.isEmpty())
        throwNull(M_SAME_CLASS);
    reportOwnNamesakes(m_ownParameters, IntegrityMsg::MSG_CODE_PARAMETER_WITH_SAME_SHORTNAME, self, report);
    for (auto it = m_ownClasses.constBegin(); it != m_ownClasses.constEnd(); ++it)
        report.addAllFromModelInegrity(it.value()->checkClassIntegrityParametersClasses());
    reportOwnNamesakes(m_ownClasses, IntegrityMsg::MSG_CODE_CLASS_WITH_SAME_SHORTNAME, self, report);
    return report;
}

ModelIntegrity OstraClass::checkClassIntegrityOfRulesConstraints() const
{
    ModelIntegrity report;
    const QHash<QString, RuleModel::RuleModelPtr> rules = getRulesHash();
    for (auto it = rules.constBegin(); it != rules.constEnd(); ++it) {
        if (it.value().isNull())
            throwNull(M_RULES_CONSTRAINTS_CHECK);
        report.addAllFromModelInegrity(it.value()->checkRuleIntegrity());
    }
    reportRelationNamesakes(rules, IntegrityMsg::MSG_CODE_RULE_WITH_SAME_SHORTNAME, getRelationsStorage(), getId(),
                            M_SAME_RULE, report);
    const QHash<QString, ConstraintModel::ConstraintModelPtr> constraints = getConstraintsHash();
    for (auto it = constraints.constBegin(); it != constraints.constEnd(); ++it) {
        if (it.value().isNull())
            throwNull(M_RULES_CONSTRAINTS_CHECK);
        report.addAllFromModelInegrity(it.value()->checkConstraintIntegrity());
    }
    reportRelationNamesakes(constraints, IntegrityMsg::MSG_CODE_CONSTRAINT_WITH_SAME_SHORTNAME, getRelationsStorage(),
                            getId(), M_SAME_CONSTRAINT, report);
    return report;
}

ModelIntegrity OstraClass::checkClassIntegrityOfRelations() const
{
    const QSharedPointer<RelationsStorage> storage = getRelationsStorage();
    if (storage.isNull())
        throwNull(QStringLiteral("checkClassIntegrityOfRelations()"));
    ModelIntegrity report;
    report.addAllFromModelInegrity(storage->checkRelationsIntegrity());
    return report;
}

ParameterModel::ParameterModelPtr OstraClass::isParameterWithSameShortNameExist(
    ParameterModel::ParameterModelPtr n_parameter, QSharedPointer<OstraClass const> n_class)
{
    if (n_parameter.isNull() || n_class.isNull())
        throwNull(M_SAME_PARAMETER);
    const QString shortName = n_parameter->getShortName();
    for (auto it = n_class->m_ownParameters.constBegin(); it != n_class->m_ownParameters.constEnd(); ++it)
        if (it.value() != n_parameter && it.value()->getShortName() == shortName)
            return it.value();
    return ParameterModel::ParameterModelPtr();
}

OstraClass::OstraClassPtr OstraClass::isClassWithSameShortNameExist(OstraClassPtr n_class,
                                                                    QSharedPointer<OstraClass const> n_newParent)
{
    if (n_class.isNull() || n_newParent.isNull())
        throwNull(M_SAME_CLASS);
    const QString shortName = n_class->getShortName();
    for (auto it = n_newParent->m_ownClasses.constBegin(); it != n_newParent->m_ownClasses.constEnd(); ++it)
        if (it.value() != n_class && it.value()->getShortName() == shortName)
            return it.value();
    return OstraClassPtr();
}

RuleModel::RuleModelPtr OstraClass::isRuleWithSameShortNameExist(RuleModel::RuleModelPtr n_rule) const
{
    if (n_rule.isNull())
        throwNull(M_SAME_RULE);
    const QSharedPointer<RelationModel> relation = n_rule->getRelationPtr();
    if (n_rule->getShortName().isEmpty() || relation.isNull())
        return RuleModel::RuleModelPtr();
    if (!relationsContains(relation->getId()))
        throw NotObjectOwner(relation->getId(), getId(), CLASS_NAME, M_SAME_RULE, NO_PARENT_EXCEPTION);
    const QHash<QString, RuleModel::RuleModelPtr> rules = getRulesHash();
    for (auto it = rules.constBegin(); it != rules.constEnd(); ++it) {
        // A rule linked to no relation cannot share this one.
        const QSharedPointer<RelationModel> candidateRelation = it.value()->getRelationPtr();
        if (candidateRelation.isNull() || candidateRelation->getId() != relation->getId())
            continue;
        if (it.value() != n_rule && it.value()->getShortName() == n_rule->getShortName())
            return it.value();
    }
    return RuleModel::RuleModelPtr();
}

ConstraintModel::ConstraintModelPtr OstraClass::isConstraintWithSameShortNameExist(
    ConstraintModel::ConstraintModelPtr n_constraint) const
{
    if (n_constraint.isNull())
        throwNull(M_SAME_CONSTRAINT);
    const QSharedPointer<RelationModel> relation = n_constraint->getRelationPtr();
    if (n_constraint->getShortName().isEmpty() || relation.isNull())
        return ConstraintModel::ConstraintModelPtr();
    if (!relationsContains(relation->getId()))
        throw NotObjectOwner(relation->getId(), getId(), CLASS_NAME, M_SAME_CONSTRAINT, NO_PARENT_EXCEPTION);
    const QHash<QString, ConstraintModel::ConstraintModelPtr> constraints = getConstraintsHash();
    for (auto it = constraints.constBegin(); it != constraints.constEnd(); ++it) {
        const QSharedPointer<RelationModel> candidateRelation = it.value()->getRelationPtr();
        if (candidateRelation.isNull() || candidateRelation->getId() != relation->getId())
            continue;
        if (it.value() != n_constraint && it.value()->getShortName() == n_constraint->getShortName())
            return it.value();
    }
    return ConstraintModel::ConstraintModelPtr();
}

// ======================================================================= load and save

void OstraClass::load(const ISerializerClass &n_object)
{
    loadClassAttributes(n_object);
    loadOwnClasses(n_object);
    loadOwnParameters(n_object);
    loadOwnRules(n_object);
    loadOwnConstraints(n_object);
}

void OstraClass::loadClassAttributes(const ISerializerClass &n_object)
{
    setId(n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString());
    setShortName(n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_SHORT_NAME).toString());
    setDescription(n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_DESCRIPTION).toString());
    setGUID(n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_GUID).toString());
    setAuthor(n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_AUTHOR).toString());
}

void OstraClass::loadOwnClasses(const ISerializerClass &n_object)
{
    const QList<QSharedPointer<ISerializerClass>> nodes = n_object.getOwnClasses();
    for (const QSharedPointer<ISerializerClass> &node : nodes) {
        // Made directly on the model's storage, which every class of the model shares.
        const OstraClassPtr child = QSharedPointer<OstraClass>::create(getRelationsStorage());
        child->loadClassAttributes(*node);
        addClass(child);
        child->load(*node);
    }
}

void OstraClass::loadOwnParameters(const ISerializerClass &n_object)
{
    const QList<QSharedPointer<ISerializerObject>> nodes = n_object.getOwnParameters();
    for (const QSharedPointer<ISerializerObject> &node : nodes) {
        const ParameterModel::ParameterModelPtr parameter = QSharedPointer<ParameterModel>::create();
        parameter->load(*node);
        addParameter(parameter);
    }
}

void OstraClass::loadOwnRules(const ISerializerClass &n_object)
{
    const QList<QSharedPointer<ISerializerObject>> nodes = n_object.getOwnRules();
    for (const QSharedPointer<ISerializerObject> &node : nodes) {
        const RuleModel::RuleModelPtr rule = QSharedPointer<RuleModel>::create();
        rule->load(*node);
        addRule(rule);
        const QString inputsText = node->getFieldValue(RuleVertexPtrConnData::ATTRIBUTE_RULE_NAME_INITID).toString();
        const QString outputsText = node->getFieldValue(RuleVertexPtrConnData::ATTRIBUTE_RULE_NAME_RESULTID).toString();
        const QString relationId = node->getFieldValue(RuleVertexPtrConnData::ATTRIBUTE_RULE_NAME_RELATION).toString();
        const QHash<QString, QString> inputs = ISerializebleObject::convertStringToLinkedObjects(inputsText);
        const QHash<QString, QString> outputs = ISerializebleObject::convertStringToLinkedObjects(outputsText);
        addEdge(rule->getId(), relationId, QString());
        for (auto it = inputs.constBegin(); it != inputs.constEnd(); ++it)
            addEdge(it.value(), rule->getId(), it.key());
        for (auto it = outputs.constBegin(); it != outputs.constEnd(); ++it)
            addEdge(rule->getId(), it.value(), it.key());
    }
}

void OstraClass::loadOwnConstraints(const ISerializerClass &n_object)
{
    const QList<QSharedPointer<ISerializerObject>> nodes = n_object.getOwnConstraints();
    for (const QSharedPointer<ISerializerObject> &node : nodes) {
        const ConstraintModel::ConstraintModelPtr constraint = QSharedPointer<ConstraintModel>::create();
        constraint->load(*node);
        addConstraint(constraint);
        const QString inputsText =
            node->getFieldValue(ConstraintVertexPtrConnData::ATTRIBUTE_CONSTRAINT_NAME_INITID).toString();
        const QString relationId =
            node->getFieldValue(ConstraintVertexPtrConnData::ATTRIBUTE_CONSTRAINT_NAME_RELATION).toString();
        const QHash<QString, QString> inputs = ISerializebleObject::convertStringToLinkedObjects(inputsText);
        addEdge(constraint->getId(), relationId, QString());
        for (auto it = inputs.constBegin(); it != inputs.constEnd(); ++it)
            addEdge(it.value(), constraint->getId(), it.key());
    }
}

void OstraClass::save(ISerializerClass &n_object) const
{
    // One check of the whole subtree: a subtree with errors makes this report fail too, so the
    // classes below are written without checking again.
    const ModelIntegrity report = checkClassIntegrity();
    if (report.areAnyErrors())
        throw CantSaveClassIntegrityErrors(report, CLASS_NAME, QStringLiteral("save(ISerializerClass &n_object)"),
                                           NO_PARENT_EXCEPTION);
    saveClassTree(n_object);
}

void OstraClass::saveClassTree(ISerializerClass &n_object) const
{
    saveClassAttributes(n_object);
    saveOwnParameters(n_object);
    saveOwnRules(n_object);
    saveOwnConstraints(n_object);
    saveOwnClasses(n_object);
}

void OstraClass::saveClassAttributes(ISerializerClass &n_object) const
{
    saveClassAttribute(n_object);
}

void OstraClass::saveClassAttribute(ISerializerClass &n_object) const
{
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_ID, QVariant(getId()));
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_SHORT_NAME, QVariant(getShortName()));
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_DESCRIPTION, QVariant(getDescription()));
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_GUID, QVariant(getGUID()));
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_AUTHOR, QVariant(getAuthor()));
}

void OstraClass::saveOwnParameters(ISerializerClass &n_object) const
{
    QList<QSharedPointer<ISerializerObject>> items;
    items.reserve(m_ownParameters.size());
    for (auto it = m_ownParameters.constBegin(); it != m_ownParameters.constEnd(); ++it) {
        const QSharedPointer<ISerializerObject> item = n_object.getParameterPrototype();
        it.value()->save(*item);
        items.append(item);
    }
    n_object.addOwnParameters(items);
}

void OstraClass::saveOwnRules(ISerializerClass &n_object) const
{
    QList<QSharedPointer<ISerializerObject>> items;
    items.reserve(m_ownRules.size());
    for (auto it = m_ownRules.constBegin(); it != m_ownRules.constEnd(); ++it) {
        const QSharedPointer<ISerializerObject> item = n_object.getRulePrototype();
        it.value()->save(*item);
        items.append(item);
    }
    n_object.addOwnRules(items);
}

void OstraClass::saveOwnConstraints(ISerializerClass &n_object) const
{
    QList<QSharedPointer<ISerializerObject>> items;
    items.reserve(m_ownConstraints.size());
    for (auto it = m_ownConstraints.constBegin(); it != m_ownConstraints.constEnd(); ++it) {
        const QSharedPointer<ISerializerObject> item = n_object.getConstraintPrototype();
        it.value()->save(*item);
        items.append(item);
    }
    n_object.addOwnConstraints(items);
}

void OstraClass::saveOwnClasses(ISerializerClass &n_object) const
{
    QList<QSharedPointer<ISerializerClass>> nodes;
    nodes.reserve(m_ownClasses.size());
    for (auto it = m_ownClasses.constBegin(); it != m_ownClasses.constEnd(); ++it) {
        const QSharedPointer<ISerializerClass> node = n_object.getClassPrototype();
        it.value()->saveClassTree(*node);
        nodes.append(node);
    }
    n_object.addOwnClasses(nodes);
}

// ======================================================================= moves

void OstraClass::changeParent(BaseClassCommonData::ParameterSharedPtr n_parameterPtr, OstraClassPtr n_newParent)
{
    if (n_parameterPtr.isNull())
        throwNull(M_CHANGE_PARAMETER);
    if (!isChild(n_parameterPtr))
        throw NotObjectOwner(n_parameterPtr->getId(), getId(), CLASS_NAME, M_CHANGE_PARAMETER, NO_PARENT_EXCEPTION);
    if (n_newParent.isNull())
        throwNull(M_CHANGE_PARAMETER);
    if (n_parameterPtr->getParent() == n_newParent)
        return;
    const OstraClassPtr self = selfPtr(M_CHANGE_PARAMETER);
    n_newParent->checkParameterCanEnter(n_parameterPtr, SameObject::Allow);
    deleteParameterFromClass(n_parameterPtr, false);
    try {
        n_newParent->addParameter(n_parameterPtr);
    } catch (...) {
        restoreAfterFailedMove(n_parameterPtr, [&self](const ParameterModel::ParameterModelPtr &n_p) {
            self->addParameter(n_p);
        });
        throw;
    }
    changeRulesLevelIfNeed(n_parameterPtr->getInputRules() + n_parameterPtr->getOutputRules());
    changeConstraintsLevelIfNeed(n_parameterPtr->getConstraints());
}

void OstraClass::changeParent(BaseClassCommonData::RuleSharedPtr n_rulePtr, OstraClassPtr n_newParent)
{
    if (n_rulePtr.isNull())
        throwNull(M_CHANGE_RULE);
    if (!isChild(n_rulePtr))
        throw NotObjectOwner(n_rulePtr->getId(), getId(), CLASS_NAME, M_CHANGE_RULE, NO_PARENT_EXCEPTION);
    if (n_newParent.isNull())
        throwNull(M_CHANGE_RULE);
    if (n_rulePtr->getParent() == n_newParent)
        return;
    if (!isNormalRuleLevel(n_rulePtr, n_newParent))
        throw BadNewObjectParent(n_rulePtr->getId(), n_newParent->getId(), CLASS_NAME, M_CHANGE_RULE,
                                 NO_PARENT_EXCEPTION);
    const OstraClassPtr self = selfPtr(M_CHANGE_RULE);
    n_newParent->checkRuleCanEnter(n_rulePtr, SameObject::Allow);
    deleteRuleFromClass(n_rulePtr, false);
    try {
        n_newParent->addRule(n_rulePtr);
    } catch (...) {
        restoreAfterFailedMove(n_rulePtr, [&self](const RuleModel::RuleModelPtr &n_r) { self->addRule(n_r); });
        throw;
    }
}

void OstraClass::changeParent(BaseClassCommonData::ConstraintSharedPtr n_constraintPtr, OstraClassPtr n_newParent)
{
    if (n_constraintPtr.isNull())
        throwNull(M_CHANGE_CONSTRAINT);
    if (!isChild(n_constraintPtr))
        throw NotObjectOwner(n_constraintPtr->getId(), getId(), CLASS_NAME, M_CHANGE_CONSTRAINT, NO_PARENT_EXCEPTION);
    if (n_newParent.isNull())
        throwNull(M_CHANGE_CONSTRAINT);
    if (n_constraintPtr->getParent() == n_newParent)
        return;
    if (!isNormalConstraintLevel(n_constraintPtr, n_newParent))
        throw BadNewObjectParent(n_constraintPtr->getId(), n_newParent->getId(), CLASS_NAME, M_CHANGE_CONSTRAINT,
                                 NO_PARENT_EXCEPTION);
    const OstraClassPtr self = selfPtr(M_CHANGE_CONSTRAINT);
    n_newParent->checkConstraintCanEnter(n_constraintPtr, SameObject::Allow);
    deleteConstraintFromClass(n_constraintPtr, false);
    try {
        n_newParent->addConstraint(n_constraintPtr);
    } catch (...) {
        restoreAfterFailedMove(n_constraintPtr, [&self](const ConstraintModel::ConstraintModelPtr &n_c) {
            self->addConstraint(n_c);
        });
        throw;
    }
}

void OstraClass::changeParent(OstraClassPtr n_classPtr, OstraClassPtr n_newParent)
{
    if (n_classPtr.isNull())
        throwNull(M_CHANGE_CLASS);
    if (!isChild(n_classPtr))
        throw NotObjectOwner(n_classPtr->getId(), getId(), CLASS_NAME, M_CHANGE_CLASS, NO_PARENT_EXCEPTION);
    if (n_newParent.isNull())
        throwNull(M_CHANGE_CLASS);
    if (n_classPtr->getParent() == n_newParent)
        return;
    // Under itself or under one of its own classes the subtree would leave the model.
    for (OstraClassPtr cls = n_newParent; !cls.isNull(); cls = cls->getParent())
        if (cls == n_classPtr)
            throw BadNewObjectParent(n_classPtr->getId(), n_newParent->getId(), CLASS_NAME, M_CHANGE_CLASS,
                                     NO_PARENT_EXCEPTION);
    if (n_newParent->m_ownClasses.contains(n_classPtr->getId()))
        throw ElementAlreadyExistExceptionOstra(n_classPtr->getId(), CLASS_NAME, M_ADD_CLASS, NO_PARENT_EXCEPTION);
    n_newParent->checkClassCanEnter(n_classPtr, SameObject::Allow);
    const OstraClassPtr oldParent = n_classPtr->getParent();
    oldParent->deleteChildClass(n_classPtr, false);
    try {
        n_newParent->addClass(n_classPtr);
    } catch (...) {
        restoreAfterFailedMove(n_classPtr, [&oldParent](const OstraClassPtr &n_c) { oldParent->addClass(n_c); });
        throw;
    }
    QSet<RuleModel::RuleModelPtr> rules = getExternalRulesForClass(n_classPtr);
    rules.unite(valuesSet(n_classPtr->getRulesHash()));
    QSet<ConstraintModel::ConstraintModelPtr> constraints = getExternalConstraintForClass(n_classPtr);
    constraints.unite(valuesSet(n_classPtr->getConstraintsHash()));
    setMinLevelToRules(rules);
    setMinLevelToConstraints(constraints);
}

QSet<RuleModel::RuleModelPtr> OstraClass::getExternalRulesForClass(OstraClassPtr n_class)
{
    QSet<RuleModel::RuleModelPtr> result;
    const QHash<QString, ParameterModel::ParameterModelPtr> parameters = n_class->getParametersHash();
    for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it)
        result.unite(getExternalRules(it.value()));
    return result;
}

QSet<ConstraintModel::ConstraintModelPtr> OstraClass::getExternalConstraintForClass(OstraClassPtr n_class)
{
    QSet<ConstraintModel::ConstraintModelPtr> result;
    const QHash<QString, ParameterModel::ParameterModelPtr> parameters = n_class->getParametersHash();
    for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it)
        result.unite(getExternalConstraints(it.value()));
    return result;
}

QSet<RuleModel::RuleModelPtr> OstraClass::getExternalRules(QSharedPointer<ParameterModel> n_parameter)
{
    return getExternalInputRules(n_parameter).unite(getExternalOutputRules(n_parameter));
}

void OstraClass::setParent(OstraClassPtr n_parent)
{
    const QString method = QStringLiteral("setParent(OstraClass::OstraClassPtr n_parent)");
    if (n_parent.isNull())
        throwNull(method);
    const OstraClassPtr current = getParent();
    if (current.isNull()) {
        if (n_parent->m_ownClasses.contains(getId()) && n_parent->m_ownClasses.value(getId()).data() == this)
            BaseObjectParent::setParent(n_parent);
        else
            n_parent->addClass(selfPtr(method));
        return;
    }
    if (current != n_parent)
        current->changeParent(selfPtr(method), n_parent);
}

void OstraClass::removeParent()
{
    const OstraClassPtr parent = getParent();
    if (parent.isNull())
        throw NoParentException(getId(), CLASS_NAME, QStringLiteral("removeParent()"), NO_PARENT_EXCEPTION);
    if (parent->m_ownClasses.contains(getId()))
        parent->deleteChildClass(selfPtr(QStringLiteral("removeParent()")), true);
    else
        BaseObjectParent::removeParent();
}

// ======================================================================= levels

namespace {
bool storeHoldsAll(const OstraClass &n_class, const QHash<QString, QString> &n_ids)
{
    for (auto it = n_ids.constBegin(); it != n_ids.constEnd(); ++it)
        if (!n_class.parametersContains(it.value()))
            return false;
    return true;
}
} // namespace

bool OstraClass::isNormalRuleLevel(RuleModel::RuleModelPtr n_rulePtr, OstraClassPtr n_class)
{
    if (n_rulePtr.isNull() || n_class.isNull())
        throwNull(QStringLiteral("isNormalRuleLevel(RuleModel::RuleModelPtr n_rulePtr, OstraClass::OstraClassPtr n_class)"));
    return n_class->isNormalRuleLevel(n_rulePtr);
}

bool OstraClass::isNormalRuleLevel(RuleModel::RuleModelPtr n_rulePtr) const
{
    return storeHoldsAll(*this, n_rulePtr->getInputParametersIds())
           && storeHoldsAll(*this, n_rulePtr->getOutputParametersIds());
}

bool OstraClass::isNormalConstraintLevel(ConstraintModel::ConstraintModelPtr n_constraintPtr, OstraClassPtr n_class)
{
    if (n_constraintPtr.isNull() || n_class.isNull())
        throwNull(QStringLiteral("isNormalConstraintLevel(ConstraintModel::ConstraintModelPtr n_constraintPtr, "
                                 "OstraClass::OstraClassPtr n_class)"));
    return n_class->isNormalConstraintLevel(n_constraintPtr);
}

bool OstraClass::isNormalConstraintLevel(ConstraintModel::ConstraintModelPtr n_constraintPtr) const
{
    return storeHoldsAll(*this, n_constraintPtr->getInputParametersIds());
}

OstraClass::OstraClassPtr OstraClass::getMinRuleLevel(RuleModel::RuleModelPtr n_rulePtr)
{
    const QString method = QStringLiteral("getMinRuleLevel(RuleModel::RuleModelPtr n_rulePtr)");
    if (isNormalRuleLevel(n_rulePtr)) {
        for (auto it = m_ownClasses.constBegin(); it != m_ownClasses.constEnd(); ++it)
            if (it.value()->isNormalRuleLevel(n_rulePtr))
                return it.value()->getMinRuleLevel(n_rulePtr);
        return selfPtr(method);
    }
    const OstraClassPtr parent = getParent();
    if (parent.isNull())
        throwNull(method);
    if (parent->isNormalRuleLevel(n_rulePtr))
        return parent;
    return parent->getMinRuleLevel(n_rulePtr);
}

OstraClass::OstraClassPtr OstraClass::getMinConstraintLevel(ConstraintModel::ConstraintModelPtr n_constraintPtr)
{
    const QString method = QStringLiteral("getMinConstraintLevel(ConstraintModel::ConstraintModelPtr n_constraintPtr)");
    if (isNormalConstraintLevel(n_constraintPtr)) {
        for (auto it = m_ownClasses.constBegin(); it != m_ownClasses.constEnd(); ++it)
            if (it.value()->isNormalConstraintLevel(n_constraintPtr))
                return it.value()->getMinConstraintLevel(n_constraintPtr);
        return selfPtr(method);
    }
    const OstraClassPtr parent = getParent();
    if (parent.isNull())
        throwNull(method);
    if (parent->isNormalConstraintLevel(n_constraintPtr))
        return parent;
    return parent->getMinConstraintLevel(n_constraintPtr);
}

void OstraClass::setMinLevelToRule(RuleModel::RuleModelPtr n_rulePtr)
{
    if (!rulesContains(n_rulePtr->getId()))
        throw NoElementExceptionOstra(n_rulePtr->getId(), CLASS_NAME,
                                      QStringLiteral("setRuleMinLevel(BaseClassCommonData::RuleSharedPtr n_rulePtr)"),
                                      NO_PARENT_EXCEPTION);
    changeParent(n_rulePtr, getMinRuleLevel(n_rulePtr));
}

void OstraClass::setMinLevelToConstraint(ConstraintModel::ConstraintModelPtr n_constraintPtr)
{
    if (!constraintsContains(n_constraintPtr->getId()))
        throw NoElementExceptionOstra(
            n_constraintPtr->getId(), CLASS_NAME,
            QStringLiteral("setConstraintMinLevel(BaseClassCommonData::ConstraintSharedPtr n_constraintPtr)"),
            NO_PARENT_EXCEPTION);
    changeParent(n_constraintPtr, getMinConstraintLevel(n_constraintPtr));
}

void OstraClass::setMinLevelToRules(QSet<RuleModel::RuleModelPtr> &n_rules)
{
    for (const RuleModel::RuleModelPtr &rule : qAsConst(n_rules)) {
        const OstraClassPtr owner = rule->getParent();
        if (owner.isNull())
            throw NoParentException(rule->getId(), CLASS_NAME,
                                    QStringLiteral("setMinLevelToRules(QSet<RuleModel::RuleModelPtr> &n_rules)"),
                                    NO_PARENT_EXCEPTION);
        owner->setMinLevelToRule(rule);
    }
}

void OstraClass::setMinLevelToConstraints(QSet<ConstraintModel::ConstraintModelPtr> &n_constraints)
{
    for (const ConstraintModel::ConstraintModelPtr &constraint : qAsConst(n_constraints)) {
        const OstraClassPtr owner = constraint->getParent();
        if (owner.isNull())
            throw NoParentException(
                constraint->getId(), CLASS_NAME,
                QStringLiteral("setMinLevelToConstraints(QSet<ConstraintModel::ConstraintModelPtr> &n_constraints)"),
                NO_PARENT_EXCEPTION);
        owner->setMinLevelToConstraint(constraint);
    }
}

void OstraClass::changeRulesLevelIfNeed(const QList<RuleModel::RuleModelPtr> &n_rules)
{
    for (const RuleModel::RuleModelPtr &rule : n_rules)
        if (!rule.isNull())
            rule->setParent(getMinRuleLevel(rule));
}

void OstraClass::changeConstraintsLevelIfNeed(const QList<ConstraintModel::ConstraintModelPtr> &n_constraints)
{
    for (const ConstraintModel::ConstraintModelPtr &constraint : n_constraints)
        if (!constraint.isNull())
            constraint->setParent(getMinConstraintLevel(constraint));
}
