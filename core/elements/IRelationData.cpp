#include "elements/IRelationData.h"

#include "errors/ElementAlreadyExistExceptionOstra.h"
#include "errors/NoElementExceptionOstra.h"
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
    const auto it = m_relations.constFind(n_id);
    if (it == m_relations.constEnd())
        throw NoElementExceptionOstra(n_id, CLASS_NAME,
                                      QStringLiteral("getRelationPtr(const QString &n_id"), nullptr);
    return it.value();
}

IRelationData::RelationSharedPtr IRelationData::getRelationSharedPtr(const QString &n_id) const
{
    const auto it = m_relations.constFind(n_id);
    if (it == m_relations.constEnd())
        throw NoElementExceptionOstra(n_id, CLASS_NAME,
                                      QStringLiteral("getRelationSharedPtr(const QString &n_id)"),
                                      nullptr);
    return it.value();
}

void IRelationData::addRelation(const RelationModel &n_relation)
{
    IRelationData::addRelationPtr(QSharedPointer<RelationModel>::create(n_relation));
}

void IRelationData::addRelationPtr(IRelationData::RelationSharedPtr n_relation)
{
    if (n_relation.isNull())
        throw PointerIsNull(CLASS_NAME,
                            QStringLiteral("addRelationPtr(IRelationData::RelationSharedPtr n_relation)"),
                            nullptr);
    const QString id = n_relation->getId();
    if (m_relations.contains(id))
        throw ElementAlreadyExistExceptionOstra(
            id, CLASS_NAME,
            QStringLiteral("addRelationPtr(IRelationData::RelationSharedPtr n_relation)"), nullptr);
    m_relations.insert(id, n_relation);
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
