#include "elements/IRelationData.h"

#include "elements/IdStore.h"
#include "errors/PointerIsNull.h"

namespace {
const QString CLASS_NAME = QStringLiteral("IRelationData");
}

IRelationData::IRelationData() = default;

IRelationData::IRelationData(const IRelationData &n_other)
{
    copyRelations(n_other);
}

IRelationData::~IRelationData() = default;

void IRelationData::copyRelations(const IRelationData &n_other)
{
    for (auto it = n_other.m_relations.constBegin(); it != n_other.m_relations.constEnd(); ++it)
        IRelationData::addRelation(*it.value());
}

IRelationData::RelationSharedPtr IRelationData::getRelation(const QString &n_id) const
{
    return getRelationSharedPtr(n_id);
}

QHash<QString, IRelationData::RelationSharedPtr> IRelationData::getRelationsHash() const
{
    return m_relations;
}

int IRelationData::getRelationsCount() const
{
    return m_relations.size();
}

bool IRelationData::relationsContains(const QString &n_id) const
{
    return m_relations.contains(n_id);
}

IRelationData::RelationSharedPtr IRelationData::getRelationPtr(const QString &n_id) const
{
    return idstore::findOrThrow(m_relations, n_id, CLASS_NAME,
                                QStringLiteral("getRelationPtr(const QString &n_id"));
}

IRelationData::RelationSharedPtr IRelationData::getRelationSharedPtr(const QString &n_id) const
{
    return idstore::findOrThrow(m_relations, n_id, CLASS_NAME,
                                QStringLiteral("getRelationSharedPtr(const QString &n_id)"));
}

void IRelationData::addRelation(const RelationModel &n_relation)
{
    IRelationData::addRelationPtr(QSharedPointer<RelationModel>::create(n_relation));
}

void IRelationData::addRelationPtr(IRelationData::RelationSharedPtr n_relation)
{
    if (n_relation.isNull())
        throw PointerIsNull(
            CLASS_NAME,
            QStringLiteral("addRelationPtr(IRelationData::RelationSharedPtr n_relation)"), nullptr);
    idstore::insertUnique(
        m_relations, n_relation, CLASS_NAME,
        QStringLiteral("addRelationPtr(IRelationData::RelationSharedPtr n_relation)"));
}

void IRelationData::deleteRelation(const QString &n_id)
{
    getRelationSharedPtr(n_id);
    m_relations.remove(n_id);
}

void IRelationData::deleteRelationPtr(RelationSharedPtr n_relation)
{
    if (n_relation.isNull())
        return;
    m_relations.remove(n_relation->getId());
}

void IRelationData::resetRelations()
{
    for (const RelationSharedPtr &relation : qAsConst(m_relations))
        relation->reset();
}

bool IRelationData::isRelationWithSameShortNameExist(RelationSharedPtr n_relation)
{
    if (n_relation.isNull())
        return false;
    const QString shortName = n_relation->getShortName();
    if (shortName.isEmpty())
        return false;
    for (const RelationSharedPtr &relation : qAsConst(m_relations)) {
        if (relation != n_relation && relation->getShortName() == shortName)
            return true;
    }
    return false;
}
