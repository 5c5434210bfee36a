#include "serialization/StreamRelationsNode.h"

StreamRelationsNode::StreamRelationsNode(const StreamAttributes &n_attributes)
    : m_attributes(n_attributes)
{
}

void StreamRelationsNode::addField(const QString &, const QVariant &)
{
    StreamAttributes::warnReadOnly("StreamRelationsNode::addField");
}

void StreamRelationsNode::addFields(const QHash<QString, QVariant> &)
{
    StreamAttributes::warnReadOnly("StreamRelationsNode::addFields");
}

QVariant StreamRelationsNode::getFieldValue(const QString &n_name) const
{
    return m_attributes.nodeFieldValue(n_name);
}

QHash<QString, QVariant> StreamRelationsNode::getFieldsHash() const
{
    return m_attributes.fieldsHash([this](const QString &n_name) { return getFieldValue(n_name); });
}

QStringList StreamRelationsNode::getFieldNames() const
{
    return m_attributes.names();
}

void StreamRelationsNode::addRelations(const QList<QSharedPointer<ISerializerObject>> &)
{
    StreamAttributes::warnReadOnly("StreamRelationsNode::addRelations");
}

QList<QSharedPointer<ISerializerObject>> StreamRelationsNode::getRelations() const
{
    return m_relations;
}

void StreamRelationsNode::loadFromFile(QFile &)
{
    StreamAttributes::warnReadOnly("StreamRelationsNode::loadFromFile");
}

void StreamRelationsNode::loadFromString(const QString &)
{
    StreamAttributes::warnReadOnly("StreamRelationsNode::loadFromString");
}

void StreamRelationsNode::saveToFile(QFile &) const
{
    StreamAttributes::warnReadOnly("StreamRelationsNode::saveToFile");
}

QString StreamRelationsNode::saveToString() const
{
    StreamAttributes::warnReadOnly("StreamRelationsNode::saveToString");
    return QString();
}

QSharedPointer<ISerializerObject> StreamRelationsNode::getRelationPrototype() const
{
    return QSharedPointer<ISerializerObject>();
}

QList<QSharedPointer<ISerializerObject>> &StreamRelationsNode::relations()
{
    return m_relations;
}
