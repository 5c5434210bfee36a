// Moving parameters, rules, constraints and classes between classes, the links of a parameter
// that leave its class, and the level (the lowest class that sees every parameter it binds) of
// rules and constraints.
#include "model/OstraClass.h"

#include "model/OstraClassKinds.h"

using namespace ostraclass;

namespace {

const QString M_ADD_CLASS = QStringLiteral("addClass(OstraClass::OstraClassPtr n_childClass)");
const QString M_CHANGE_CLASS = QStringLiteral(
    "changeParent(OstraClass::OstraClassPtr n_classPtr, OstraClass::OstraClassPtr n_newParent)");

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

// The linked rules or constraints (those the getter lists) that the subtree of the parameter's
// class does not hold. A parameter outside every class has no outside to measure.
template<class T>
QSet<QSharedPointer<T>> externalOf(const ParameterModel::ParameterModelPtr &n_parameter,
                                   QList<QSharedPointer<T>> (ParameterModel::*n_linked)() const,
                                   const QString &n_methodName)
{
    if (n_parameter.isNull())
        throwNull(n_methodName);
    const OstraClass::OstraClassPtr owner = n_parameter->getParent();
    if (owner.isNull())
        throwNull(n_methodName);
    QSet<QSharedPointer<T>> result;
    for (const QSharedPointer<T> &element : ((*n_parameter).*n_linked)())
        if (!element.isNull() && !OstraClassKind<T>::inStore(*owner, element->getId()))
            result.insert(element);
    return result;
}

// The texts of getExternalInputRules, getExternalOutputRules and getExternalConstraints.
const QString M_EXTERNAL[] = {
    QStringLiteral("getExternalInputRules(const ParameterModel::ParameterModelPtr n_parameterPtr)"),
    QStringLiteral(
        "getExternalOutputRules(const ParameterModel::ParameterModelPtr n_parameterPtr)"),
    QStringLiteral(
        "getExternalConstraints(const ParameterModel::ParameterModelPtr n_parameterPtr)")};

} // namespace

// ======================================================================= external links

QSet<RuleModel::RuleModelPtr> OstraClass::getExternalInputRules(
    const ParameterModel::ParameterModelPtr n_parameterPtr)
{
    return externalOf(n_parameterPtr, &ParameterModel::getInputRules, M_EXTERNAL[0]);
}

QSet<RuleModel::RuleModelPtr> OstraClass::getExternalOutputRules(
    const ParameterModel::ParameterModelPtr n_parameterPtr)
{
    return externalOf(n_parameterPtr, &ParameterModel::getOutputRules, M_EXTERNAL[1]);
}

QSet<ConstraintModel::ConstraintModelPtr> OstraClass::getExternalConstraints(
    const ParameterModel::ParameterModelPtr n_parameterPtr)
{
    return externalOf(n_parameterPtr, &ParameterModel::getConstraints, M_EXTERNAL[2]);
}

QSet<RuleModel::RuleModelPtr> OstraClass::getExternalRulesForClass(OstraClassPtr n_class)
{
    QSet<RuleModel::RuleModelPtr> result;
    const QHash<QString, ParameterModel::ParameterModelPtr> parameters =
        n_class->getParametersHash();
    for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it)
        result.unite(getExternalRules(it.value()));
    return result;
}

QSet<ConstraintModel::ConstraintModelPtr> OstraClass::getExternalConstraintForClass(
    OstraClassPtr n_class)
{
    QSet<ConstraintModel::ConstraintModelPtr> result;
    const QHash<QString, ParameterModel::ParameterModelPtr> parameters =
        n_class->getParametersHash();
    for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it)
        result.unite(getExternalConstraints(it.value()));
    return result;
}

QSet<RuleModel::RuleModelPtr> OstraClass::getExternalRules(
    QSharedPointer<ParameterModel> n_parameter)
{
    return getExternalInputRules(n_parameter).unite(getExternalOutputRules(n_parameter));
}

// ======================================================================= moves

// Rules and constraints may only go where every parameter they bind is seen; a parameter may go
// anywhere, and its rules and constraints follow it to their new level (changeParent below).
template<class T>
bool OstraClass::moveTo(const QSharedPointer<T> &n_element, OstraClassPtr n_newParent)
{
    typedef OstraClassKind<T> Kind;
    const QString &method = Kind::methodChangeParent;
    if (n_element.isNull())
        throwNull(method);
    if (!(this->*Kind::own).contains(n_element->getId()))
        throw NotObjectOwner(n_element->getId(), getId(), CLASS_NAME, method, NO_PARENT_EXCEPTION);
    if (n_newParent.isNull())
        throwNull(method);
    if (n_element->getParent() == n_newParent)
        return false;
    if (!Kind::fitsLevel(*n_newParent, n_element))
        throw BadNewObjectParent(n_element->getId(), n_newParent->getId(), CLASS_NAME, method,
                                 NO_PARENT_EXCEPTION);
    const OstraClassPtr self = selfPtr(method);
    n_newParent->checkCanEnter(n_element, SameObject::Allow);
    deleteFromClass(n_element, false);
    try {
        Kind::add(*n_newParent, n_element);
    } catch (...) {
        restoreAfterFailedMove(n_element,
                               [&self](const QSharedPointer<T> &n_e) { Kind::add(*self, n_e); });
        throw;
    }
    return true;
}

void OstraClass::changeParent(BaseClassCommonData::ParameterSharedPtr n_parameterPtr,
                              OstraClassPtr n_newParent)
{
    if (!moveTo(n_parameterPtr, n_newParent))
        return;
    changeRulesLevelIfNeed(n_parameterPtr->getInputRules() + n_parameterPtr->getOutputRules());
    changeConstraintsLevelIfNeed(n_parameterPtr->getConstraints());
}

void OstraClass::changeParent(BaseClassCommonData::RuleSharedPtr n_rulePtr,
                              OstraClassPtr n_newParent)
{
    moveTo(n_rulePtr, n_newParent);
}

void OstraClass::changeParent(BaseClassCommonData::ConstraintSharedPtr n_constraintPtr,
                              OstraClassPtr n_newParent)
{
    moveTo(n_constraintPtr, n_newParent);
}

void OstraClass::changeParent(OstraClassPtr n_classPtr, OstraClassPtr n_newParent)
{
    if (n_classPtr.isNull())
        throwNull(M_CHANGE_CLASS);
    if (!isChild(n_classPtr))
        throw NotObjectOwner(n_classPtr->getId(), getId(), CLASS_NAME, M_CHANGE_CLASS,
                             NO_PARENT_EXCEPTION);
    if (n_newParent.isNull())
        throwNull(M_CHANGE_CLASS);
    if (n_classPtr->getParent() == n_newParent)
        return;
    // Under itself or under one of its own classes the subtree would leave the model.
    for (OstraClassPtr cls = n_newParent; !cls.isNull(); cls = cls->getParent())
        if (cls == n_classPtr)
            throw BadNewObjectParent(n_classPtr->getId(), n_newParent->getId(), CLASS_NAME,
                                     M_CHANGE_CLASS, NO_PARENT_EXCEPTION);
    if (n_newParent->m_ownClasses.contains(n_classPtr->getId()))
        throw ElementAlreadyExistExceptionOstra(n_classPtr->getId(), CLASS_NAME, M_ADD_CLASS,
                                                NO_PARENT_EXCEPTION);
    n_newParent->checkClassCanEnter(n_classPtr, SameObject::Allow);
    const OstraClassPtr oldParent = n_classPtr->getParent();
    oldParent->deleteChildClass(n_classPtr, false);
    try {
        n_newParent->addClass(n_classPtr);
    } catch (...) {
        restoreAfterFailedMove(
            n_classPtr, [&oldParent](const OstraClassPtr &n_c) { oldParent->addClass(n_c); });
        throw;
    }
    QSet<RuleModel::RuleModelPtr> rules = getExternalRulesForClass(n_classPtr);
    rules.unite(valuesSet(n_classPtr->getRulesHash()));
    QSet<ConstraintModel::ConstraintModelPtr> constraints = getExternalConstraintForClass(
        n_classPtr);
    constraints.unite(valuesSet(n_classPtr->getConstraintsHash()));
    setMinLevelToRules(rules);
    setMinLevelToConstraints(constraints);
}

void OstraClass::setParent(OstraClassPtr n_parent)
{
    const QString method = QStringLiteral("setParent(OstraClass::OstraClassPtr n_parent)");
    if (n_parent.isNull())
        throwNull(method);
    const OstraClassPtr current = getParent();
    if (current.isNull()) {
        if (n_parent->m_ownClasses.contains(getId())
            && n_parent->m_ownClasses.value(getId()).data() == this)
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
        throw NoParentException(getId(), CLASS_NAME, QStringLiteral("removeParent()"),
                                NO_PARENT_EXCEPTION);
    if (parent->m_ownClasses.contains(getId()))
        parent->deleteChildClass(selfPtr(QStringLiteral("removeParent()")), true);
    else
        BaseObjectParent::removeParent();
}

// ======================================================================= levels

template<class T>
bool OstraClass::isNormalLevel(const QSharedPointer<T> &n_element) const
{
    return OstraClassKind<T>::fitsLevel(*this, n_element);
}

// The lowest class at or below this one that sees every parameter the element binds; above this
// one when this one does not.
template<class T>
OstraClass::OstraClassPtr OstraClass::minLevel(const QSharedPointer<T> &n_element)
{
    const QString &method = OstraClassKind<T>::methodMinLevel;
    if (isNormalLevel(n_element)) {
        for (auto it = m_ownClasses.constBegin(); it != m_ownClasses.constEnd(); ++it)
            if (it.value()->isNormalLevel(n_element))
                return it.value()->minLevel(n_element);
        return selfPtr(method);
    }
    const OstraClassPtr parent = getParent();
    if (parent.isNull())
        throwNull(method);
    if (parent->isNormalLevel(n_element))
        return parent;
    return parent->minLevel(n_element);
}

template<class T>
void OstraClass::setMinLevel(const QSharedPointer<T> &n_element)
{
    if (!OstraClassKind<T>::inStore(*this, n_element->getId()))
        throw NoElementExceptionOstra(n_element->getId(), CLASS_NAME,
                                      OstraClassKind<T>::methodSetMinLevel, NO_PARENT_EXCEPTION);
    moveTo(n_element, minLevel(n_element));
}

template<class T>
void OstraClass::setMinLevels(const QSet<QSharedPointer<T>> &n_elements)
{
    for (const QSharedPointer<T> &element : n_elements) {
        const OstraClassPtr owner = element->getParent();
        if (owner.isNull())
            throw NoParentException(element->getId(), CLASS_NAME,
                                    OstraClassKind<T>::methodSetMinLevels, NO_PARENT_EXCEPTION);
        owner->setMinLevel(element);
    }
}

template<class T>
void OstraClass::changeLevelsIfNeed(const QList<QSharedPointer<T>> &n_elements)
{
    for (const QSharedPointer<T> &element : n_elements)
        if (!element.isNull())
            element->setParent(minLevel(element));
}

bool OstraClass::isNormalRuleLevel(RuleModel::RuleModelPtr n_rulePtr, OstraClassPtr n_class)
{
    if (n_rulePtr.isNull() || n_class.isNull())
        throwNull(OstraClassKind<RuleModel>::methodIsNormalLevel);
    return n_class->isNormalLevel(n_rulePtr);
}

bool OstraClass::isNormalRuleLevel(RuleModel::RuleModelPtr n_rulePtr) const
{
    return isNormalLevel(n_rulePtr);
}

bool OstraClass::isNormalConstraintLevel(ConstraintModel::ConstraintModelPtr n_constraintPtr,
                                         OstraClassPtr n_class)
{
    if (n_constraintPtr.isNull() || n_class.isNull())
        throwNull(OstraClassKind<ConstraintModel>::methodIsNormalLevel);
    return n_class->isNormalLevel(n_constraintPtr);
}

bool OstraClass::isNormalConstraintLevel(ConstraintModel::ConstraintModelPtr n_constraintPtr) const
{
    return isNormalLevel(n_constraintPtr);
}

OstraClass::OstraClassPtr OstraClass::getMinRuleLevel(RuleModel::RuleModelPtr n_rulePtr)
{
    return minLevel(n_rulePtr);
}

OstraClass::OstraClassPtr OstraClass::getMinConstraintLevel(
    ConstraintModel::ConstraintModelPtr n_constraintPtr)
{
    return minLevel(n_constraintPtr);
}

void OstraClass::setMinLevelToRule(RuleModel::RuleModelPtr n_rulePtr)
{
    setMinLevel(n_rulePtr);
}

void OstraClass::setMinLevelToConstraint(ConstraintModel::ConstraintModelPtr n_constraintPtr)
{
    setMinLevel(n_constraintPtr);
}

void OstraClass::setMinLevelToRules(QSet<RuleModel::RuleModelPtr> &n_rules)
{
    setMinLevels(n_rules);
}

void OstraClass::setMinLevelToConstraints(QSet<ConstraintModel::ConstraintModelPtr> &n_constraints)
{
    setMinLevels(n_constraints);
}

void OstraClass::changeRulesLevelIfNeed(const QList<RuleModel::RuleModelPtr> &n_rules)
{
    changeLevelsIfNeed(n_rules);
}

void OstraClass::changeConstraintsLevelIfNeed(
    const QList<ConstraintModel::ConstraintModelPtr> &n_constraints)
{
    changeLevelsIfNeed(n_constraints);
}
