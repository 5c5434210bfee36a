#include "serialization/StreamItemNode.h"

StreamItemNode::StreamItemNode(const StreamAttributes &n_attributes, const QString &n_text)
    : m_attributes(n_attributes), m_text(n_text)
{
}

void StreamItemNode::addField(const QString &, const QVariant &)
{
    StreamAttributes::warnReadOnly("StreamItemNode::addField");
}

void StreamItemNode::addFields(const QHash<QString, QVariant> &)
{
    StreamAttributes::warnReadOnly("StreamItemNode::addFields");
}

QVariant StreamItemNode::getFieldValue(const QString &n_name) const
{
    if (n_name == ATTRIBUTE_NAME_INTENAL_INFO)
        return QVariant(m_text);
    return m_attributes.itemFieldValue(n_name);
}

QHash<QString, QVariant> StreamItemNode::getFieldsHash() const
{
    return m_attributes.fieldsHash([this](const QString &n_name) { return getFieldValue(n_name); });
}

QStringList StreamItemNode::getFieldNames() const
{
    return m_attributes.names();
}
