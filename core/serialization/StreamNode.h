#ifndef STREAMNODE_H
#define STREAMNODE_H

#include <QFile>

#include "serialization/StreamAttributes.h"

// What the class, relations and model nodes of ModelStreamReader share over their interface
// (ISerializerClass, ISerializerRelationsStorage or ISerializerModel): the element's attributes,
// read as the DOM nodes of those kinds read theirs (an absent one is a null text), and the file
// and write operations, which only warn: the nodes are made for loading.
template<class Interface>
class StreamNode : public Interface
{
public:
    explicit StreamNode(const StreamAttributes &n_attributes) : m_attributes(n_attributes) {}

    void addField(const QString &, const QVariant &) override
    {
        StreamAttributes::warnReadOnly("StreamNode::addField");
    }
    void addFields(const QHash<QString, QVariant> &) override
    {
        StreamAttributes::warnReadOnly("StreamNode::addFields");
    }
    QVariant getFieldValue(const QString &n_name) const override
    {
        return m_attributes.nodeFieldValue(n_name);
    }
    QHash<QString, QVariant> getFieldsHash() const override
    {
        return m_attributes.fieldsHash(
            [this](const QString &n_name) { return getFieldValue(n_name); });
    }
    QStringList getFieldNames() const override { return m_attributes.names(); }

    void loadFromFile(QFile &) override
    {
        StreamAttributes::warnReadOnly("StreamNode::loadFromFile");
    }
    void loadFromString(const QString &) override
    {
        StreamAttributes::warnReadOnly("StreamNode::loadFromString");
    }
    void saveToFile(QFile &) const override
    {
        StreamAttributes::warnReadOnly("StreamNode::saveToFile");
    }
    QString saveToString() const override
    {
        StreamAttributes::warnReadOnly("StreamNode::saveToString");
        return QString();
    }

private:
    StreamAttributes m_attributes;
};

#endif // STREAMNODE_H
