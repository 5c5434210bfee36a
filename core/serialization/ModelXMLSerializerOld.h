#ifndef MODELXMLSERIALIZEROLD_H
#define MODELXMLSERIALIZEROLD_H

#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QSharedPointer>
#include <QString>

#include "serialization/ClassXMLSerializerOld.h"
#include "serialization/ISerializerModel.h"
#include "serialization/RelationsStorageXMLSerializerOld.h"

// Entry point for reading a model file of the older format (document element "root"). Whatever the
// file holds, the model read through it has the id "model" and its root class the id "0" and a
// short name (the file's base name, or "root" when read from a text or a parsed document).
// Read only: a model read from an older file is saved in the current format.
class ModelXMLSerializerOld : public ISerializerModel
{
public:
    ModelXMLSerializerOld();
    ~ModelXMLSerializerOld() override;

    void addField(const QString &n_name, const QVariant &n_value) override;
    void addFields(const QHash<QString, QVariant> &n_fields) override;
    QVariant getFieldValue(const QString &n_name) const override;
    QHash<QString, QVariant> getFieldsHash() const override;

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

    // Binds the node to a document the caller has parsed and reads the whole class tree.
    virtual void loadFromDomDocument(QDomDocument &n_document);
    // True when the document's first element is named "root".
    virtual bool isFormatSupport(QDomDocument &n_document);

    void setXMLObject(QDomElement &n_domElement);
    QDomElement getXMLObject() const;

    inline static const QString OLD_MODEL_ID = QStringLiteral("model");
    inline static const QString ROOT_SHORT_NAME = QStringLiteral("root");

protected:
    QDomDocument m_domDocument;
    QDomElement m_rootElement;
    QSharedPointer<ClassXMLSerializerOld> m_classSerializer;
    // Made as an older-format node; a current-format one handed to setRelationStorage is kept too.
    QSharedPointer<RelationsStorageXMLSerializer> m_relationsSerializer;

private:
    void nameModel(const QString &n_rootShortName);
};

#endif // MODELXMLSERIALIZEROLD_H
