// The integrity checks of a class subtree: namesakes among parameters, child classes, rules and
// constraints, each rule's and constraint's own checks, and the relations of the model.
#include "model/OstraClass.h"

#include "elements/NamesakeIndex.h"
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

// Short-name walk shared by the parameter and child-class checks: each namesake is looked up in
// the full own set (grouped once by short name, in set order) and then left out of the walk, so a
// pair is reported once; the walk goes on with the entry after the current one.
template<class T>
void reportOwnNamesakes(const QHash<QString, QSharedPointer<T>> &n_own, int n_code,
                        const ReasonPtr &n_owner, ModelIntegrity &n_report)
{
    if (n_own.size() < 2)
        return; // nobody to share a name with
    NamesakeIndex<QString, T> groups;
    for (auto it = n_own.constBegin(); it != n_own.constEnd(); ++it)
        groups.add(it.value()->getShortName(), it.value());
    QSet<QString> leftOut;
    for (auto it = n_own.constBegin(); it != n_own.constEnd(); ++it) {
        if (leftOut.contains(it.key()))
            continue;
        const QSharedPointer<T> &element = it.value();
        const QSharedPointer<T> namesake = groups.firstOther(element->getShortName(), element);
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

// A relation's id and a short name, hashed once: a store of 10^5 rules looks each key up twice.
struct RelationNameKey
{
    QString relationId;
    QString shortName;
    uint hash = 0;

    bool operator==(const RelationNameKey &n_other) const
    {
        return hash == n_other.hash && relationId == n_other.relationId
               && shortName == n_other.shortName;
    }
};

uint qHash(const RelationNameKey &n_key, uint)
{
    return n_key.hash;
}

// The same walk for rules and constraints: namesakes share the relation and the short name; an
// element without a relation or with an empty short name has none. The relation and the name of
// each element are read once, in the first pass, and kept for the second.
template<class T>
void reportRelationNamesakes(const QHash<QString, QSharedPointer<T>> &n_store, int n_code,
                             const QSharedPointer<RelationsStorage> &n_storage,
                             const QString &n_classId, ModelIntegrity &n_report)
{
    typedef RelationNameKey Key;
    struct Linked
    {
        QSharedPointer<RelationModel> relation;
        Key key;
    };
    QVector<Linked> linked;
    linked.reserve(n_store.size());
    NamesakeIndex<Key, T> groups;
    groups.reserve(n_store.size());
    // A relation serves many elements: its id is hashed once.
    QHash<const RelationModel *, uint> idHashes;
    for (auto it = n_store.constBegin(); it != n_store.constEnd(); ++it) {
        Linked entry{it.value()->getRelationPtr(), Key()};
        if (!entry.relation.isNull()) {
            entry.key.relationId = entry.relation->getId();
            entry.key.shortName = it.value()->getShortName();
            auto idHash = idHashes.constFind(entry.relation.data());
            if (idHash == idHashes.constEnd())
                idHash = idHashes.insert(entry.relation.data(), ::qHash(entry.key.relationId));
            entry.key.hash = idHash.value() * 31 + ::qHash(entry.key.shortName);
            if (!entry.key.shortName.isEmpty())
                groups.add(entry.key, it.value());
        }
        linked.append(entry);
    }
    QSet<QString> leftOut;
    QSet<const RelationModel *> owned;
    int index = 0;
    for (auto it = n_store.constBegin(); it != n_store.constEnd(); ++it) {
        const Linked &entry = linked.at(index++);
        if (leftOut.contains(it.key()))
            continue;
        if (entry.relation.isNull() || entry.key.shortName.isEmpty())
            continue;
        if (!owned.contains(entry.relation.data())) {
            if (n_storage.isNull() || !n_storage->relationsContains(entry.key.relationId))
                throw NotObjectOwner(entry.key.relationId, n_classId, CLASS_NAME,
                                     OstraClassKind<T>::methodSameShortName, NO_PARENT_EXCEPTION);
            owned.insert(entry.relation.data()); // a relation serves many elements: asked once
        }
        const QSharedPointer<T> namesake = groups.firstOther(entry.key, it.value());
        if (namesake.isNull())
            continue;
        IntegrityMsg msg(IntegrityMsg::WARNING, n_code, QList<ReasonPtr>());
        msg.addErrorReason(namesake);
        msg.addErrorReason(entry.relation);
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
