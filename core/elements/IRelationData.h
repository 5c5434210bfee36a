#ifndef IRELATIONDATA_H
#define IRELATIONDATA_H

#include <QHash>
#include <QSharedPointer>
#include <QString>

#include "elements/RelationModel.h"

// The store of relations keyed by relation id (the id at the moment of insertion). Relations are
// shared with whoever else holds them; the store copies them only when it is copied itself.
class IRelationData
{
public:
    typedef QSharedPointer<RelationModel> RelationSharedPtr;

    IRelationData();
    // Every relation is copied into a new object; source and copy share none.
    IRelationData(const IRelationData &n_other);
    IRelationData &operator=(const IRelationData &n_other) = delete;
    virtual ~IRelationData();

    // Throws NoElementExceptionOstra for an absent id (those of getRelationSharedPtr).
    virtual RelationSharedPtr getRelation(const QString &n_id) const;
    virtual QHash<QString, RelationSharedPtr> getRelationsHash() const;
    virtual int getRelationsCount() const;
    virtual bool relationsContains(const QString &n_id) const;
    virtual RelationSharedPtr getRelationPtr(const QString &n_id) const;
    virtual RelationSharedPtr getRelationSharedPtr(const QString &n_id) const;
    // Stores a new copy of the relation through this class's addRelationPtr: no owner, no engine.
    virtual void addRelation(const RelationModel &n_relation);

    // Throws ElementAlreadyExistExceptionOstra for a present id and leaves the store unchanged.
    void addRelationPtr(IRelationData::RelationSharedPtr n_relation);
    void deleteRelation(const QString &n_id);
    // An absent id is ignored.
    void deleteRelationPtr(RelationSharedPtr n_relation);
    void resetRelations();
    // True when another object in the store has the same non-empty short name.
    bool isRelationWithSameShortNameExist(RelationSharedPtr n_relation);

protected:
    void copyRelations(const IRelationData &n_other);

    QHash<QString, RelationSharedPtr> m_relations;
};

#endif // IRELATIONDATA_H
