#ifndef STREAMMODELNODE_H
#define STREAMMODELNODE_H

#include "serialization/ISerializerModel.h"
#include "serialization/StreamAttributes.h"

// The model element of a document read by ModelStreamReader, holding its root class and relation
// list, read as ModelXMLSerializer reads its DOM element. Read only.
class StreamModelNode : public ISerializerModel
{
public:
    StreamModelNode(const StreamAttributes &n_attributes, QSharedPointer<ISerializerClass> n_class,
                    QSharedPointer<ISerializerRelationsStorage> n_relations);

    void addField(const QString &n_name, const QVariant &n_value) override;
    void addFields(const QHash<QString, QVariant> &n_fields) override;
    QVariant getFieldValue(const QString &n_name) const override;
    QHash<QString, QVariant> getFieldsHash() const override;
    QStringList getFieldNames() const override;

    void setClass(QSharedPointer<ISerializerClass> n_class) override;
    QSharedPointer<ISerializerClass> getClass() const override;
    void setRelationStorage(
        QSharedPointer<ISerializerRelationsStorage> n_relationsStorage) override;
    QSharedPointer<ISerializerRelationsStorage> getRelationStorage() const override;
    void loadFromFile(QFile &n_file) override;
    void loadFromString(const QString &n_string) override;
    void saveToFile(QFile &n_file) const override;
    QString saveToString() const override;
    QSharedPointer<ISerializerClass> getClassPrototype() const override;
    QSharedPointer<ISerializerRelationsStorage> getRelationsStoragePrototype() const override;

private:
    StreamAttributes m_attributes;
    QSharedPointer<ISerializerClass> m_class;
    QSharedPointer<ISerializerRelationsStorage> m_relations;
};

#endif // STREAMMODELNODE_H
