#ifndef STREAMRELATIONSNODE_H
#define STREAMRELATIONSNODE_H

#include "serialization/ISerializerRelationsStorage.h"
#include "serialization/StreamAttributes.h"

// The relation list of a model document read by ModelStreamReader, read as
// RelationsStorageXMLSerializer reads its DOM element. Read only.
class StreamRelationsNode : public ISerializerRelationsStorage
{
public:
    explicit StreamRelationsNode(const StreamAttributes &n_attributes);

    void addField(const QString &n_name, const QVariant &n_value) override;
    void addFields(const QHash<QString, QVariant> &n_fields) override;
    QVariant getFieldValue(const QString &n_name) const override;
    QHash<QString, QVariant> getFieldsHash() const override;
    QStringList getFieldNames() const override;

    void addRelations(const QList<QSharedPointer<ISerializerObject>> &n_relations) override;
    QList<QSharedPointer<ISerializerObject>> getRelations() const override;
    void loadFromFile(QFile &n_file) override;
    void loadFromString(const QString &n_string) override;
    void saveToFile(QFile &n_file) const override;
    QString saveToString() const override;
    QSharedPointer<ISerializerObject> getRelationPrototype() const override;

    // Filled by the reader, in document order.
    QList<QSharedPointer<ISerializerObject>> &relations();

private:
    StreamAttributes m_attributes;
    QList<QSharedPointer<ISerializerObject>> m_relations;
};

#endif // STREAMRELATIONSNODE_H
