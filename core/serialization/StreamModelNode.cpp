#include "serialization/StreamModelNode.h"

StreamModelNode::StreamModelNode(const StreamAttributes &n_attributes,
                                 QSharedPointer<ISerializerClass> n_class,
                                 QSharedPointer<ISerializerRelationsStorage> n_relations)
    : StreamNode<ISerializerModel>(n_attributes), m_class(n_class), m_relations(n_relations)
{
}

void StreamModelNode::setClass(QSharedPointer<ISerializerClass>)
{
    StreamAttributes::warnReadOnly("StreamModelNode::setClass");
}

QSharedPointer<ISerializerClass> StreamModelNode::getClass() const
{
    return m_class;
}

void StreamModelNode::setRelationStorage(QSharedPointer<ISerializerRelationsStorage>)
{
    StreamAttributes::warnReadOnly("StreamModelNode::setRelationStorage");
}

QSharedPointer<ISerializerRelationsStorage> StreamModelNode::getRelationStorage() const
{
    return m_relations;
}

QSharedPointer<ISerializerClass> StreamModelNode::getClassPrototype() const
{
    return QSharedPointer<ISerializerClass>();
}

QSharedPointer<ISerializerRelationsStorage> StreamModelNode::getRelationsStoragePrototype() const
{
    return QSharedPointer<ISerializerRelationsStorage>();
}
