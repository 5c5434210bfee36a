// The integrity checks of a class subtree: namesakes among parameters, child classes, rules and
// constraints, each rule's and constraint's own checks, and the relations of the model.
#include "model/OstraClass.h"

#include "errors/IntegrityMsg.h"
#include "model/OstraClassKinds.h"

using namespace ostraclass;

namespace {

const QString M_SAME_PARAMETER = QStringLiteral(
    "isParameterWithSameShortNameExist(ParameterModel::ParameterModelPtr n_parameter)");
const QString M_SAME_CLASS = QStringLiteral(
    "isClassWithSameShortNameExist(OstraClass::OstraClassPtr n_class, OstraClass::OstraClassPtr "
    "n_newParent)");
const QString M_RULES_CONSTRAINTS_CHECK = QStringLiteral(
    "checkClassIntegrityWithRulesConstraints()");

typedef QSharedPointer<const BaseOstraObj> ReasonPtr;

// The first element of a namesake group that is not the element itself; groups keep store order.
template<class T>
QSharedPointer<T> firstOther(const QList<QSharedPointer<T>> &n_group,
                             const QSharedPointer<T> &n_element)
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
void reportOwnNamesakes(const QHash<QString, QSharedPointer<T>> &n_own, int n_code,
                        const ReasonPtr &n_owner, ModelIntegrity &n_report)
{
    QHash<QString, QList<QSharedPointer<T>>> groups;
    for (auto it = n_own.constBegin(); it != n_own.constEnd(); ++it)
        groups[it.value()->getShortName()].append(it.value());
    QSet<QString> leftOut;
    for (auto it = n_own.constBegin(); it != n_own.constEnd(); ++it) {
        if (leftOut.contains(it.key()))
            continue;
        const QSharedPointer<T> element = it.value();
        const QSharedPointer<T> namesake = firstOther(groups.value(element->getShortName()),
                                                      element);
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
                             const QSharedPointer<RelationsStorage> &n_storage,
                             const QString &n_classId, ModelIntegrity &n_report)
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
            throw NotObjectOwner(relation->getId(), n_classId, CLASS_NAME,
                                 OstraClassKind<T>::methodSameShortName, NO_PARENT_EXCEPTION);
        const QSharedPointer<T> namesake = firstOther(
            groups.value(Key(relation->getId(), element->getShortName())), element);
        if (namesake.isNull())
            continue;
        IntegrityMsg msg(IntegrityMsg::WARNING, n_code, QList<ReasonPtr>());
        msg.addErrorReason(namesake);
        msg.addErrorReason(relation);
        n_report.addIntegrityMsg(msg);
        leftOut.insert(namesake->getId());
    }
}

// Each rule's or constraint's own checks, then its namesakes.
template<class T>
void reportLinkedElements(const QHash<QString, QSharedPointer<T>> &n_store, int n_namesakeCode,
                          const QSharedPointer<RelationsStorage> &n_storage,
                          const QString &n_classId, ModelIntegrity &n_report)
{
    for (auto it = n_store.constBegin(); it != n_store.constEnd(); ++it) {
        if (it.value().isNull())
            throwNull(M_RULES_CONSTRAINTS_CHECK);
        n_report.addAllFromModelInegrity(OstraClassKind<T>::checkIntegrity(it.value()));
    }
    reportRelationNamesakes(n_store, n_namesakeCode, n_storage, n_classId, n_report);
}

// The own element of the holder, other than the element itself, with the element's short name.
template<class T>
QSharedPointer<T> ownNamesake(const QHash<QString, QSharedPointer<T>> &n_own,
                              const QSharedPointer<T> &n_element)
{
    const QString shortName = n_element->getShortName();
    for (auto it = n_own.constBegin(); it != n_own.constEnd(); ++it)
        if (it.value() != n_element && it.value()->getShortName() == shortName)
            return it.value();
    return QSharedPointer<T>();
}

} // namespace

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
    reportOwnNamesakes(m_ownParameters, IntegrityMsg::MSG_CODE_PARAMETER_WITH_SAME_SHORTNAME, self,
                       report);
    for (auto it = m_ownClasses.constBegin(); it != m_ownClasses.constEnd(); ++it)
        report.addAllFromModelInegrity(it.value()->checkClassIntegrityParametersClasses());
    reportOwnNamesakes(m_ownClasses, IntegrityMsg::MSG_CODE_CLASS_WITH_SAME_SHORTNAME, self,
                       report);
    return report;
}

ModelIntegrity OstraClass::checkClassIntegrityOfRulesConstraints() const
{
    ModelIntegrity report;
    reportLinkedElements(getRulesHash(), IntegrityMsg::MSG_CODE_RULE_WITH_SAME_SHORTNAME,
                         getRelationsStorage(), getId(), report);
    reportLinkedElements(getConstraintsHash(),
                         IntegrityMsg::MSG_CODE_CONSTRAINT_WITH_SAME_SHORTNAME,
                         getRelationsStorage(), getId(), report);
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
    return ownNamesake(n_class->m_ownParameters, n_parameter);
}

OstraClass::OstraClassPtr OstraClass::isClassWithSameShortNameExist(
    OstraClassPtr n_class, QSharedPointer<OstraClass const> n_newParent)
{
    if (n_class.isNull() || n_newParent.isNull())
        throwNull(M_SAME_CLASS);
    return ownNamesake(n_newParent->m_ownClasses, n_class);
}

template<class T>
QSharedPointer<T> OstraClass::namesakeInRelation(const QSharedPointer<T> &n_element) const
{
    typedef OstraClassKind<T> Kind;
    if (n_element.isNull())
        throwNull(Kind::methodSameShortName);
    const QSharedPointer<RelationModel> relation = n_element->getRelationPtr();
    if (n_element->getShortName().isEmpty() || relation.isNull())
        return QSharedPointer<T>();
    if (!relationsContains(relation->getId()))
        throw NotObjectOwner(relation->getId(), getId(), CLASS_NAME, Kind::methodSameShortName,
                             NO_PARENT_EXCEPTION);
    const QHash<QString, QSharedPointer<T>> store = Kind::store(*this);
    for (auto it = store.constBegin(); it != store.constEnd(); ++it) {
        // An element linked to no relation cannot share this one.
        const QSharedPointer<RelationModel> candidateRelation = it.value()->getRelationPtr();
        if (candidateRelation.isNull() || candidateRelation->getId() != relation->getId())
            continue;
        if (it.value() != n_element && it.value()->getShortName() == n_element->getShortName())
            return it.value();
    }
    return QSharedPointer<T>();
}

RuleModel::RuleModelPtr OstraClass::isRuleWithSameShortNameExist(
    RuleModel::RuleModelPtr n_rule) const
{
    return namesakeInRelation(n_rule);
}

ConstraintModel::ConstraintModelPtr OstraClass::isConstraintWithSameShortNameExist(
    ConstraintModel::ConstraintModelPtr n_constraint) const
{
    return namesakeInRelation(n_constraint);
}
