#ifndef RELATIONSSTORAGEXMLSERIALIZER_H
#define RELATIONSSTORAGEXMLSERIALIZER_H

#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QList>
#include <QSharedPointer>
#include <QString>

#include "serialization/ISerializerRelationsStorage.h"

// XML node of a model's relation list: element "relations" with one "relation" item per relation.
class RelationsStorageXMLSerializer : public ISerializerRelationsStorage
{
public:
    explicit RelationsStorageXMLSerializer(const QDomDocument &n_document);
    ~RelationsStorageXMLSerializer() override;

    void addField(const QString &n_name, const QVariant &n_value) override;
    void addFields(const QHash<QString, QVariant> &n_fields) override;
    QVariant getFieldValue(const QString &n_name) const override;
    QHash<QString, QVariant> getFieldsHash() const override;

    // Appends the items sorted by id text.
    void addRelations(const QList<QSharedPointer<ISerializerObject>> &n_relations) override;
    // Every child node, whatever its kind, is one item.
    QList<QSharedPointer<ISerializerObject>> getRelations() const override;

    void loadFromFile(QFile &n_file) override;
    void loadFromString(const QString &n_string) override;
    void saveToFile(QFile &n_file) const override;
    QString saveToString() const override;

    QSharedPointer<ISerializerObject> getRelationPrototype() const override;

    virtual QDomElement getXMLObject() const;
    virtual void setXMLObject(QDomElement &n_domElement);

    inline static const QString TAG_NAME_RELATIONS = QStringLiteral("relations");
    inline static const QString TAG_NAME_RELATION = QStringLiteral("relation");

protected:
    QDomElement m_domElement;
    QDomDocument m_domDocument;
};

#endif // RELATIONSSTORAGEXMLSERIALIZER_H
