#include "elements/RelationsStorage.h"

#include <QScriptEngine>

#include "elements/NamesakeIndex.h"
#include "elements/ScriptEngineGuard.h"
#include "errors/ElementAlreadyExistExceptionOstra.h"
#include "errors/IntegrityMsg.h"
#include "errors/NotObjectOwner.h"
#include "errors/PointerIsNull.h"
#include "errors/uidgenerators.h"
#include "serialization/ISerializerRelationsStorage.h"

namespace {
const QString CLASS_NAME = QStringLiteral("RelationsStorage");

QScriptEngine *createEngine()
{
    auto *engine = new QScriptEngine();
    // Records the engine's own globals before any relation writes one.
    ScriptEngineGuard::guardOf(engine);
    return engine;
}
} // namespace

RelationsStorage::RelationsStorage() : IRelationData(), m_engine(createEngine())
{
}

RelationsStorage::RelationsStorage(const RelationsStorage &n_other)
    : IRelationData(n_other),
      ISerializebleRelationsStorage(), QEnableSharedFromThis<RelationsStorage>(),
      m_engine(createEngine())
{
    for (const RelationSharedPtr &relation : qAsConst(m_relations)) {
        relation->setScriptEngine(m_engine);
        // Never left pointing at the source storage.
        relation->removeParent();
        m_relationsAwaitingOwner.append(relation);
    }
}

RelationsStorage::~RelationsStorage()
{
    delete m_engine;
}

void RelationsStorage::adoptCopiedRelations() const
{
    if (m_relationsAwaitingOwner.isEmpty())
        return;
    const RelationsStoragePtr self = qSharedPointerConstCast<RelationsStorage>(sharedFromThis());
    if (self.isNull())
        return;
    for (const QWeakPointer<RelationModel> &weak : qAsConst(m_relationsAwaitingOwner)) {
        if (const RelationSharedPtr relation = weak.toStrongRef())
            relation->setParent(self);
    }
    m_relationsAwaitingOwner.clear();
}

RelationsStorage::RelationSharedPtr RelationsStorage::getRelation(const QString &n_id) const
{
    adoptCopiedRelations();
    return IRelationData::getRelation(n_id);
}

QHash<QString, RelationsStorage::RelationSharedPtr> RelationsStorage::getRelationsHash() const
{
    adoptCopiedRelations();
    return IRelationData::getRelationsHash();
}

RelationsStorage::RelationSharedPtr RelationsStorage::getRelationPtr(const QString &n_id) const
{
    adoptCopiedRelations();
    return IRelationData::getRelationPtr(n_id);
}

RelationsStorage::RelationSharedPtr RelationsStorage::getRelationSharedPtr(
    const QString &n_id) const
{
    adoptCopiedRelations();
    return IRelationData::getRelationSharedPtr(n_id);
}

void RelationsStorage::addRelationPtr(RelationsStorage::RelationSharedPtr n_relation)
{
    if (n_relation.isNull())
        throw PointerIsNull(
            CLASS_NAME,
            QStringLiteral("addRelationPtr(RelationsStorage::RelationSharedPtr n_relation)"),
            nullptr);
    adoptCopiedRelations();
    // The duplicate is found before the relation is touched, so a refused add changes nothing.
    if (relationsContains(n_relation->getId()))
        throw ElementAlreadyExistExceptionOstra(
            n_relation->getId(), QStringLiteral("IRelationData"),
            QStringLiteral("addRelationPtr(IRelationData::RelationSharedPtr n_relation)"), nullptr);
    n_relation->setParent(sharedFromThis());
    IRelationData::addRelationPtr(n_relation);
    n_relation->setScriptEngine(m_engine);
}

void RelationsStorage::load(const ISerializerRelationsStorage &n_object)
{
    const QList<QSharedPointer<ISerializerObject>> items = n_object.getRelations();
    for (const QSharedPointer<ISerializerObject> &item : items) {
        auto relation = QSharedPointer<RelationModel>::create(m_engine);
        relation->load(*item);
        addRelationPtr(relation);
    }
}

void RelationsStorage::save(ISerializerRelationsStorage &n_object)
{
    QList<QSharedPointer<ISerializerObject>> items;
    items.reserve(m_relations.size());
    for (const RelationSharedPtr &relation : qAsConst(m_relations)) {
        QSharedPointer<ISerializerObject> item = n_object.getRelationPrototype();
        relation->save(*item);
        items.append(item);
    }
    n_object.addRelations(items);
}

ModelIntegrity RelationsStorage::checkRelationsIntegrity() const
{
    adoptCopiedRelations();
    ModelIntegrity integrity;
    const QHash<QString, RelationSharedPtr> relations = m_relations;

    // Pass 1; the relations of each short name are gathered on the way, in store order, so that
    // pass 2 finds a relation's first namesake without walking the store again.
    NamesakeIndex<QString, RelationModel> byShortName;
    byShortName.reserve(relations.size());
    for (const RelationSharedPtr &relation : relations) {
        if (relation.isNull())
            throw PointerIsNull(CLASS_NAME, QStringLiteral("checkRelationsIntegrity()"), nullptr);
        const QString shortName = relation->getShortName();
        if (shortName.isEmpty()) {
            IntegrityMsg msg(IntegrityMsg::WARNING,
                             IntegrityMsg::MSG_CODE_RELATION_SHORTNAME_IS_EMPTY, {relation});
            integrity.addIntegrityMsg(msg);
        } else {
            byShortName.add(shortName, relation);
        }
    }

    // Pass 2: each relation is paired with the first other relation of its name; that partner is
    // not reported again on its own turn.
    QSet<RelationModel *> reported;
    for (const RelationSharedPtr &relation : relations) {
        if (reported.contains(relation.data()))
            continue;
        const QString shortName = relation->getShortName();
        if (shortName.isEmpty())
            continue;
        const RelationSharedPtr partner = byShortName.firstOther(shortName, relation);
        if (partner.isNull())
            continue;
        IntegrityMsg msg(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_RELATION_WITH_SAME_SHORTNAME,
                         {relation, partner});
        integrity.addIntegrityMsg(msg);
        reported.insert(partner.data());
    }
    return integrity;
}

QSharedPointer<RelationModel> RelationsStorage::isRelationWithSameShortNameExist(
    RelationModel::RelationModelPtr n_relation) const
{
    static const QString methodName = QStringLiteral(
        "isRelationWithSameShortNameExist(RelationModel::RelationModelPtr n_relation)");
    if (n_relation.isNull())
        throw PointerIsNull(QStringLiteral("OstraClass"), methodName, nullptr);
    if (!relationsContains(n_relation->getId()))
        throw NotObjectOwner(n_relation->getId(), QStringLiteral("RelationStorage"), CLASS_NAME,
                             methodName, nullptr);
    adoptCopiedRelations();
    const QString shortName = n_relation->getShortName();
    if (shortName.isEmpty())
        return RelationSharedPtr();
    for (const RelationSharedPtr &relation : m_relations) {
        if (relation != n_relation && relation->getShortName() == shortName)
            return relation;
    }
    return RelationSharedPtr();
}

void RelationsStorage::resetUuid()
{
    replaceRelationHash();
    refreshRelationsHash();
}

void RelationsStorage::replaceRelationHash()
{
    uidgenerators::replaceUuid(m_relations);
}

void RelationsStorage::refreshRelationsHash()
{
    uidgenerators::refreshHash(m_relations);
}
