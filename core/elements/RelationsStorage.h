#ifndef RELATIONSSTORAGE_H
#define RELATIONSSTORAGE_H

#include <QEnableSharedFromThis>
#include <QHash>
#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QWeakPointer>

#include "elements/IRelationData.h"
#include "errors/ModelIntegrity.h"
#include "serialization/ISerializebleRelationsStorage.h"

class QScriptEngine;

// The model-wide relation store. It owns the one script engine in which every relation of the
// model runs, makes itself the owner of the relations added to it, stores its relation list through
// a serializer node and checks the relations' short names. Always held by a QSharedPointer, since
// adopting a relation needs the storage's own shared pointer.
class RelationsStorage : public IRelationData,
                         public ISerializebleRelationsStorage,
                         public QEnableSharedFromThis<RelationsStorage>
{
public:
    typedef QSharedPointer<RelationModel> RelationSharedPtr;

    RelationsStorage();
    // New relation objects and a new engine of its own; the copies belong to the new storage.
    RelationsStorage(const RelationsStorage &n_other);
    RelationsStorage &operator=(const RelationsStorage &n_other) = delete;
    ~RelationsStorage() override;

    RelationSharedPtr getRelation(const QString &n_id) const override;
    QHash<QString, RelationSharedPtr> getRelationsHash() const override;
    RelationSharedPtr getRelationPtr(const QString &n_id) const override;
    RelationSharedPtr getRelationSharedPtr(const QString &n_id) const override;

    // Adds each stored relation in list order; the first failure stops the load, the relations
    // added before it stay.
    void load(const ISerializerRelationsStorage &n_object) override;
    // Nothing reaches the node when a relation cannot be saved.
    void save(ISerializerRelationsStorage &n_object) override;
    // Adopts the relation: owner link and script engine. Throws PointerIsNull for a null pointer
    // and ElementAlreadyExistExceptionOstra for a present id; a refused relation is left untouched.
    virtual void addRelationPtr(RelationsStorage::RelationSharedPtr n_relation);

    // Warnings 23 (empty short name) first, then errors 22 (shared short name), each pair once.
    ModelIntegrity checkRelationsIntegrity() const;
    // The first other relation of the store with the same non-empty short name, or null.
    QSharedPointer<RelationModel> isRelationWithSameShortNameExist(
        RelationModel::RelationModelPtr n_relation) const;

    // Fresh ids for every relation, and the store keyed by them.
    void resetUuid();
    void replaceRelationHash();
    void refreshRelationsHash();

private:
    // Relations copied in the copy constructor cannot be adopted there: the storage's own shared
    // pointer exists only once construction is over. They are adopted before the storage first
    // hands one out.
    void adoptCopiedRelations() const;

    QScriptEngine *m_engine;
    mutable QList<QWeakPointer<RelationModel>> m_relationsAwaitingOwner;
};

typedef QSharedPointer<RelationsStorage> RelationsStoragePtr;

#endif // RELATIONSSTORAGE_H
