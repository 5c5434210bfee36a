#ifndef RECORDINGNODE_H
#define RECORDINGNODE_H

#include <QHash>
#include <QStringList>

#include "serialization/ISerializerObject.h"

// A serialiser node in memory: records every attribute in the order written and reads back what it
// holds. Extra fields go out sorted, so the written order never depends on hash order; the element
// text ("internalInfo") is not an attribute and stays out of the fields hash, as in an XML node.
class RecordingNode : public ISerializerObject
{
public:
    void addField(const QString &n_name, const QVariant &n_value) override
    {
        written.append(n_name);
        values.insert(n_name, n_value.toString());
    }
    void addFields(const QHash<QString, QVariant> &n_fields) override
    {
        QStringList names = n_fields.keys();
        names.sort(Qt::CaseInsensitive);
        for (const QString &name : names)
            addField(name, n_fields.value(name));
    }
    QVariant getFieldValue(const QString &n_name) const override
    {
        const QString text = values.value(n_name);
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    QHash<QString, QVariant> getFieldsHash() const override
    {
        QHash<QString, QVariant> result;
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            if (it.key() != ATTRIBUTE_NAME_INTENAL_INFO)
                result.insert(it.key(), getFieldValue(it.key()));
        return result;
    }

    QStringList written;
    QHash<QString, QString> values;
};

#endif // RECORDINGNODE_H
