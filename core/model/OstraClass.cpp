// Construction, the own sets and whole-subtree stores of parameters, rules, constraints and child
// classes, and the relations seen from a class. Integrity, loading and saving, and moves are in
// OstraClassIntegrity.cpp, OstraClassLoadSave.cpp and OstraClassMoves.cpp.
#include "model/OstraClass.h"

#include "model/OstraClassKinds.h"

using namespace ostraclass;

namespace {

const QString M_ADD_CLASS = QStringLiteral("addClass(OstraClass::OstraClassPtr n_childClass)");
const QString M_ADD_CLASS_TO_ALL = QStringLiteral(
    "addClassToAll(OstraClass::OstraClassPtr n_childClass)");
const QString M_DELETE_CHILD = QStringLiteral(
    "deleteChildClass(OstraClass::OstraClassPtr n_classPtr)");

// The rules or constraints of a store that use the relation; those linked to none are passed over.
template<class T>
QList<QSharedPointer<T>> usersOf(const QHash<QString, QSharedPointer<T>> &n_store,
                                 const QString &n_relationId)
{
    QList<QSharedPointer<T>> users;
    for (auto it = n_store.constBegin(); it != n_store.constEnd(); ++it) {
        const QSharedPointer<RelationModel> relation = it.value()->getRelationPtr();
        if (!relation.isNull() && relation->getId() == n_relationId)
            users.append(it.value());
    }
    return users;
}

} // namespace

// ======================================================================= construction

OstraClass::OstraClass() : OstraClass(QSharedPointer<RelationsStorage>::create())
{
}

OstraClass::OstraClass(QSharedPointer<RelationsStorage> n_storage) : OstraSingleClass(n_storage)
{
}

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
        throw BadNewObjectParent(n_elementId, getId(), CLASS_NAME, n_methodName,
                                 NO_PARENT_EXCEPTION);
}

void OstraClass::checkClassCanEnter(OstraClassPtr n_child, SameObject n_same) const
{
    const bool refuseSame = n_same == SameObject::Refuse;
    QHash<QString, OstraClassPtr> classes = n_child->m_allClasses;
    classes.insert(n_child->getId(), n_child);
    const QHash<QString, ParameterModel::ParameterModelPtr> parameters =
        n_child->getParametersHash();
    const QHash<QString, RuleModel::RuleModelPtr> rules = n_child->getRulesHash();
    const QHash<QString, ConstraintModel::ConstraintModelPtr> constraints =
        n_child->getConstraintsHash();
    for (OstraClass *cls : chainToRoot()) {
        for (auto it = classes.constBegin(); it != classes.constEnd(); ++it)
            if (cls->m_allClasses.contains(it.key())
                && (refuseSame || cls->m_allClasses.value(it.key()) != it.value()))
                throw ElementAlreadyExistExceptionOstra(it.key(), CLASS_NAME, M_ADD_CLASS_TO_ALL,
                                                        NO_PARENT_EXCEPTION);
        refuseTaken(*cls, parameters, refuseSame);
        refuseTaken(*cls, rules, refuseSame);
        refuseTaken(*cls, constraints, refuseSame);
    }
}

// A class cannot go below itself: that would cut its subtree out of the tree.
void OstraClass::checkNotInsideSubtree(OstraClassPtr n_child, const QString &n_methodName) const
{
    for (OstraClass *cls : chainToRoot())
        if (cls == n_child.data())
            throw BadNewObjectParent(n_child->getId(), getId(), CLASS_NAME, n_methodName,
                                     NO_PARENT_EXCEPTION);
}

// ========================================================== adding: parameters, rules, constraints

void OstraClass::addParameter(ParameterModel::ParameterModelPtr n_parameterPtr)
{
    addOwned(n_parameterPtr);
}

void OstraClass::addRule(RuleModel::RuleModelPtr n_rulePtr)
{
    addOwned(n_rulePtr);
}

void OstraClass::addConstraint(ConstraintModel::ConstraintModelPtr n_constrPtr)
{
    addOwned(n_constrPtr);
}

void OstraClass::addParameterToOwn(ParameterModel::ParameterModelPtr n_parameterPtr)
{
    addToOwn(n_parameterPtr);
}

void OstraClass::addRuleToOwn(RuleModel::RuleModelPtr n_rulePtr)
{
    addToOwn(n_rulePtr);
}

void OstraClass::addConstraintToOwn(ConstraintModel::ConstraintModelPtr n_constrPtr)
{
    addToOwn(n_constrPtr);
}

void OstraClass::addParameterToAll(ParameterModel::ParameterModelPtr n_parameterPtr)
{
    addToAll(n_parameterPtr);
}

void OstraClass::addRuleToAll(RuleModel::RuleModelPtr n_rulePtr)
{
    addToAll(n_rulePtr);
}

void OstraClass::addConstraintToAll(ConstraintModel::ConstraintModelPtr n_constrPtr)
{
    addToAll(n_constrPtr);
}

void OstraClass::addParameterToAllInParent(ParameterModel::ParameterModelPtr n_parameterPtr)
{
    addToAllInParent(n_parameterPtr);
}

void OstraClass::addRuleToAllInParent(RuleModel::RuleModelPtr n_rulePtr)
{
    addToAllInParent(n_rulePtr);
}

void OstraClass::addConstraintToAllInParent(ConstraintModel::ConstraintModelPtr n_constrPtr)
{
    addToAllInParent(n_constrPtr);
}

void OstraClass::addParametersOnlyToAll(const QSet<ParameterModel::ParameterModelPtr> &n_parameters)
{
    addOnlyToAll(n_parameters);
}

void OstraClass::addRulesOnlyToAll(const QSet<RuleModel::RuleModelPtr> &n_rules)
{
    addOnlyToAll(n_rules);
}

void OstraClass::addConstraintsOnlyToAll(
    const QSet<ConstraintModel::ConstraintModelPtr> &n_constraints)
{
    addOnlyToAll(n_constraints);
}

void OstraClass::addParametersToAllinParent(
    OstraClassPtr n_parent, const QSet<ParameterModel::ParameterModelPtr> &n_parameters)
{
    addAllToParent(n_parent, n_parameters);
}

void OstraClass::addRulesToAllInParent(OstraClassPtr n_parent,
                                       const QSet<RuleModel::RuleModelPtr> &n_rules)
{
    addAllToParent(n_parent, n_rules);
}

void OstraClass::addConstraintsToAllInParent(
    OstraClassPtr n_parent, const QSet<ConstraintModel::ConstraintModelPtr> &n_constraints)
{
    addAllToParent(n_parent, n_constraints);
}

void OstraClass::addParametersToAll(const QSet<ParameterModel::ParameterModelPtr> &n_parameters)
{
    for (const ParameterModel::ParameterModelPtr &parameter : n_parameters)
        addToAll(parameter);
}

// ======================================================== deleting: parameters, rules, constraints

void OstraClass::deleteParameterFromClass(ParameterModel::ParameterModelPtr n_parameterPtr,
                                          bool n_deleteEdges)
{
    deleteFromClass(n_parameterPtr, n_deleteEdges);
}

void OstraClass::deleteRuleFromClass(RuleModel::RuleModelPtr n_rulePtr, bool n_deleteEdges)
{
    deleteFromClass(n_rulePtr, n_deleteEdges);
}

void OstraClass::deleteConstraintFromClass(ConstraintModel::ConstraintModelPtr n_constrPtr,
                                           bool n_deleteEdges)
{
    deleteFromClass(n_constrPtr, n_deleteEdges);
}

void OstraClass::deleteParameterFromClass(const QString &n_id, bool n_deleteEdges)
{
    deleteFromClass(getParameter(n_id), n_deleteEdges);
}

void OstraClass::deleteRuleFromClass(const QString &n_id, bool n_deleteEdges)
{
    deleteFromClass(getRule(n_id), n_deleteEdges);
}

void OstraClass::deleteConstraintFromClass(const QString &n_id, bool n_deleteEdges)
{
    deleteFromClass(getConstraint(n_id), n_deleteEdges);
}

void OstraClass::deleteParameterFromAll(const QString &n_parameterID)
{
    deleteFromAll<ParameterModel>(n_parameterID);
}

void OstraClass::deleteRuleFromAll(const QString &n_ruleId)
{
    deleteFromAll<RuleModel>(n_ruleId);
}

void OstraClass::deleteConstraintFromAll(const QString &n_constrId)
{
    deleteFromAll<ConstraintModel>(n_constrId);
}

void OstraClass::deleteParameterFromAllInParent(const QString &n_parameterID)
{
    deleteFromAllInParent<ParameterModel>(n_parameterID);
}

void OstraClass::deleteRuleFromAllInParent(const QString &n_ruleId)
{
    deleteFromAllInParent<RuleModel>(n_ruleId);
}

void OstraClass::deleteConstraintFromAllInParent(const QString &n_constrId)
{
    deleteFromAllInParent<ConstraintModel>(n_constrId);
}

void OstraClass::deleteParameterFromAllInParent(ParameterModel::ParameterModelPtr n_parameterPtr)
{
    deleteFromAllInParent<ParameterModel>(n_parameterPtr->getId());
}

void OstraClass::deleteParameterExternalEdges(ParameterModel::ParameterModelPtr n_parameter)
{
    const QString method = QStringLiteral(
        "deleteParameterExternalEdges(ParameterModel::ParameterModelPtr n_parameter)");
    if (n_parameter.isNull())
        throwNull(method);
    if (!isChild(n_parameter))
        throw NotObjectOwner(n_parameter->getId(), getId(), CLASS_NAME, method,
                             NO_PARENT_EXCEPTION);
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

// ==================================================== the own sets: parameters, rules, constraints

bool OstraClass::isChild(ParameterModel::ParameterModelPtr n_parameterPtr) const
{
    return m_ownParameters.contains(n_parameterPtr->getId());
}

bool OstraClass::isChild(RuleModel::RuleModelPtr n_rulePtr) const
{
    return m_ownRules.contains(n_rulePtr->getId());
}

bool OstraClass::isChild(ConstraintModel::ConstraintModelPtr n_constrPtr) const
{
    return m_ownConstraints.contains(n_constrPtr->getId());
}

QHash<QString, ParameterModel::ParameterModelPtr> OstraClass::getOwnParametersHash() const
{
    return m_ownParameters;
}

QHash<QString, RuleModel::RuleModelPtr> OstraClass::getOwnRulesHash() const
{
    return m_ownRules;
}

QHash<QString, ConstraintModel::ConstraintModelPtr> OstraClass::getOwnConstraintsHash() const
{
    return m_ownConstraints;
}

QSet<ParameterModel::ParameterModelPtr> OstraClass::getOwnParametersSet() const
{
    return valuesSet(m_ownParameters);
}

QSet<RuleModel::RuleModelPtr> OstraClass::getOwnRulesSet() const
{
    return valuesSet(m_ownRules);
}

QSet<ConstraintModel::ConstraintModelPtr> OstraClass::getOwnConstraintsSet() const
{
    return valuesSet(m_ownConstraints);
}

int OstraClass::getOwnParametersCount() const
{
    return m_ownParameters.size();
}

int OstraClass::getOwnRulesCount() const
{
    return m_ownRules.size();
}

int OstraClass::getOwnConstraintsCount() const
{
    return m_ownConstraints.size();
}

// ========================================== clearing and re-keying: parameters, rules, constraints

void OstraClass::clearOwnParameters()
{
    m_ownParameters.clear();
}

void OstraClass::clearOwnRules()
{
    m_ownRules.clear();
}

void OstraClass::clearOwnConstraints()
{
    m_ownConstraints.clear();
}

void OstraClass::clearAllParameters()
{
    clearStore<ParameterModel>();
}

void OstraClass::clearAllRules()
{
    clearStore<RuleModel>();
}

void OstraClass::clearAllConstraints()
{
    clearStore<ConstraintModel>();
}

void OstraClass::clearParameters()
{
    clearOwnParameters();
    clearAllParameters();
}

void OstraClass::clearRules()
{
    clearOwnRules();
    clearAllRules();
}

void OstraClass::clearConstraints()
{
    clearOwnConstraints();
    clearAllConstraints();
}

void OstraClass::refreshParametersHash()
{
    refreshStore<ParameterModel>();
}

void OstraClass::refreshRulesHash()
{
    refreshStore<RuleModel>();
}

void OstraClass::refreshConstraintsHash()
{
    refreshStore<ConstraintModel>();
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
        throw ElementAlreadyExistExceptionOstra(n_childClass->getId(), CLASS_NAME, M_ADD_CLASS,
                                                NO_PARENT_EXCEPTION);
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
    const QHash<QString, ParameterModel::ParameterModelPtr> parameters =
        n_childClass->getParametersHash();
    const QHash<QString, RuleModel::RuleModelPtr> rules = n_childClass->getRulesHash();
    const QHash<QString, ConstraintModel::ConstraintModelPtr> constraints =
        n_childClass->getConstraintsHash();
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

void OstraClass::addClassesToAllinParent(OstraClassPtr n_parent,
                                         const QSet<OstraClassPtr> &n_classes)
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
        throw NotObjectOwner(n_classPtr->getId(), getId(), CLASS_NAME, M_DELETE_CHILD,
                             NO_PARENT_EXCEPTION);
    deleteChildClassFromAll(n_classPtr);
    const QHash<QString, RuleModel::RuleModelPtr> rules = n_classPtr->getRulesHash();
    for (auto it = rules.constBegin(); it != rules.constEnd(); ++it)
        deleteRuleFromAll(it.key());
    const QHash<QString, ConstraintModel::ConstraintModelPtr> constraints =
        n_classPtr->getConstraintsHash();
    for (auto it = constraints.constBegin(); it != constraints.constEnd(); ++it)
        deleteConstraintFromAll(it.key());
    const QHash<QString, ParameterModel::ParameterModelPtr> parameters =
        n_classPtr->getParametersHash();
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
void OstraClass::cutBorderEdges(ParameterModel::ParameterModelPtr n_parameter,
                                const OstraClass &n_subtree)
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
        throw NoElementExceptionOstra(
            n_classPtr->getId(), CLASS_NAME,
            QStringLiteral("deleteChildClassFromAll(const QString &n_id)"), NO_PARENT_EXCEPTION);
    m_allClasses.remove(n_classPtr->getId());
    // The classes below the leaving class leave with it.
    for (auto it = n_classPtr->m_allClasses.constBegin(); it != n_classPtr->m_allClasses.constEnd();
         ++it)
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
        throw NoElementExceptionOstra(n_id, CLASS_NAME,
                                      QStringLiteral("getClassById(const QString &n_id)"),
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

// ======================================================================= relations

void OstraClass::deleteRelationPtr(QSharedPointer<RelationModel> n_relationPtr)
{
    const QString method = QStringLiteral(
        "deleteRelationPtr(RelationModel::RelationModelPtr n_relationPtr)");
    if (n_relationPtr.isNull())
        throwNull(method);
    const QString relationId = n_relationPtr->getId();
    const QList<RuleModel::RuleModelPtr> rules = usersOf(getRulesHash(), relationId);
    const QList<ConstraintModel::ConstraintModelPtr> constraints = usersOf(getConstraintsHash(),
                                                                           relationId);
    // Every owner is known before the first deletion, so a refusal leaves the model whole.
    for (const RuleModel::RuleModelPtr &rule : rules)
        if (!rule->hasParent())
            throwNull(method);
    for (const ConstraintModel::ConstraintModelPtr &constraint : constraints)
        if (!constraint->hasParent())
            throwNull(method);
    for (const RuleModel::RuleModelPtr &rule : rules)
        rule->getParent()->deleteFromClass(rule, true);
    for (const ConstraintModel::ConstraintModelPtr &constraint : constraints)
        constraint->getParent()->deleteFromClass(constraint, true);
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
