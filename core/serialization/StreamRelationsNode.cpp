#include "serialization/StreamRelationsNode.h"

StreamRelationsNode::StreamRelationsNode(const StreamAttributes &n_attributes)
    : StreamNode<ISerializerRelationsStorage>(n_attributes)
{
}

void StreamRelationsNode::addRelations(const QList<QSharedPointer<ISerializerObject>> &)
{
    StreamAttributes::warnReadOnly("StreamRelationsNode::addRelations");
}

QList<QSharedPointer<ISerializerObject>> StreamRelationsNode::getRelations() const
{
    return m_relations;
}

QSharedPointer<ISerializerObject> StreamRelationsNode::getRelationPrototype() const
{
    return QSharedPointer<ISerializerObject>();
}

QList<QSharedPointer<ISerializerObject>> &StreamRelationsNode::relations()
{
    return m_relations;
}
