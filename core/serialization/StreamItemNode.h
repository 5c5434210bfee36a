#ifndef STREAMITEMNODE_H
#define STREAMITEMNODE_H

#include "serialization/ISerializerObject.h"
#include "serialization/StreamAttributes.h"

// One parameter, rule, constraint or relation of a model document read by ModelStreamReader: read
// as ObjectXMLSerializer reads its DOM element (an empty attribute is no value; "internalInfo" is
// the element's text). Read only.
class StreamItemNode : public ISerializerObject
{
public:
    StreamItemNode(const StreamAttributes &n_attributes, const QString &n_text);

    void addField(const QString &n_name, const QVariant &n_value) override;
    void addFields(const QHash<QString, QVariant> &n_fields) override;
    QVariant getFieldValue(const QString &n_name) const override;
    QHash<QString, QVariant> getFieldsHash() const override;
    QStringList getFieldNames() const override;

private:
    StreamAttributes m_attributes;
    QString m_text;
};

#endif // STREAMITEMNODE_H
