#include "serialization/StreamModelNode.h"

StreamModelNode::StreamModelNode(const StreamAttributes &n_attributes,
                                 QSharedPointer<ISerializerClass> n_class,
                                 QSharedPointer<ISerializerRelationsStorage> n_relations)
    : m_attributes(n_attributes), m_class(n_class), m_relations(n_relations)
{
}

void StreamModelNode::addField(const QString &, const QVariant &)
{
    StreamAttributes::warnReadOnly("StreamModelNode::addField");
}

void StreamModelNode::addFields(const QHash<QString, QVariant> &)
{
    StreamAttributes::warnReadOnly("StreamModelNode::addFields");
}

QVariant StreamModelNode::getFieldValue(const QString &n_name) const
{
    return m_attributes.nodeFieldValue(n_name);
}

QHash<QString, QVariant> StreamModelNode::getFieldsHash() const
{
    return m_attributes.fieldsHash([this](const QString &n_name) { return getFieldValue(n_name); });
}

QStringList StreamModelNode::getFieldNames() const
{
    return m_attributes.names();
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

void StreamModelNode::loadFromFile(QFile &)
{
    StreamAttributes::warnReadOnly("StreamModelNode::loadFromFile");
}

void StreamModelNode::loadFromString(const QString &)
{
    StreamAttributes::warnReadOnly("StreamModelNode::loadFromString");
}

void StreamModelNode::saveToFile(QFile &) const
{
    StreamAttributes::warnReadOnly("StreamModelNode::saveToFile");
}

QString StreamModelNode::saveToString() const
{
    StreamAttributes::warnReadOnly("StreamModelNode::saveToString");
    return QString();
}

QSharedPointer<ISerializerClass> StreamModelNode::getClassPrototype() const
{
    return QSharedPointer<ISerializerClass>();
}

QSharedPointer<ISerializerRelationsStorage> StreamModelNode::getRelationsStoragePrototype() const
{
    return QSharedPointer<ISerializerRelationsStorage>();
}
