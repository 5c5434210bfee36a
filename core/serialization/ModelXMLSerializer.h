#ifndef MODELXMLSERIALIZER_H
#define MODELXMLSERIALIZER_H

#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QSharedPointer>
#include <QString>

#include "serialization/ClassXMLSerializer.h"
#include "serialization/ISerializerModel.h"
#include "serialization/RelationsStorageXMLSerializer.h"

// XML node of a whole model, current format: root "model" marked formatXmlVersion="2.0",
// holding one "class" (the root class) and one "relations".
class ModelXMLSerializer : public ISerializerModel
{
public:
    ModelXMLSerializer();
    ~ModelXMLSerializer() override;

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

    // Binds the node to an already parsed document (the model manager parses it itself).
    virtual void loadFromDomDocument(QDomDocument &n_document);
    // True when the document's first element carries formatXmlVersion="2.0"; the tag is not
    // checked.
    virtual bool isFormatSupport(QDomDocument &n_document);

    void setXMLObject(QDomElement &n_domElement);
    QDomElement getXMLObject() const;

    inline static const QString TAG_NAME_MODEL = QStringLiteral("model");
    inline static const QString ATTRIBUTE_NAME_FORMAT_XML_VERSION = QStringLiteral(
        "formatXmlVersion");
    inline static const QString FORMAT_XML_VERSION = QStringLiteral("2.0");

protected:
    QDomDocument m_domDocument;
    QDomElement m_modelElement;
    QSharedPointer<ClassXMLSerializer> m_classSerializer;
    QSharedPointer<RelationsStorageXMLSerializer> m_relationsSerializer;

    // Writes a model document to a file; a file that cannot be opened is also told on the debug
    // output. Shared with the partial writer, whose failures read as the model node's.
    static void writeDocument(const QDomDocument &n_document, QFile &n_file);
};

#endif // MODELXMLSERIALIZER_H
