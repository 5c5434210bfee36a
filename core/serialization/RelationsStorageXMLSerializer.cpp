#include "serialization/RelationsStorageXMLSerializer.h"

#include <QDomNamedNodeMap>
#include <QDomNodeList>

#include <algorithm>

#include "errors/FileCantOpenExceptionOstra.h"
#include "errors/FileNotExistExceptionOstra.h"
#include "serialization/ObjectXMLSerializer.h"
#include "serialization/XMLDocumentReader.h"
#include "serialization/XMLFileWriter.h"

namespace {
const QString CLASS_NAME = QStringLiteral("RelationsStorageXMLSerializer");
}

RelationsStorageXMLSerializer::RelationsStorageXMLSerializer(const QDomDocument &n_document)
    : m_domDocument(n_document)
{
    m_domElement = m_domDocument.createElement(TAG_NAME_RELATIONS);
}

RelationsStorageXMLSerializer::~RelationsStorageXMLSerializer() {}

void RelationsStorageXMLSerializer::addField(const QString &n_name, const QVariant &n_value)
{
    m_domElement.setAttribute(n_name, n_value.toString());
}

void RelationsStorageXMLSerializer::addFields(const QHash<QString, QVariant> &n_fields)
{
    for (auto it = n_fields.constBegin(); it != n_fields.constEnd(); ++it)
        addField(it.key(), it.value());
}

QVariant RelationsStorageXMLSerializer::getFieldValue(const QString &n_name) const
{
    if (!m_domElement.hasAttribute(n_name))
        return QVariant(QString());
    return QVariant(m_domElement.attribute(n_name));
}

QHash<QString, QVariant> RelationsStorageXMLSerializer::getFieldsHash() const
{
    QHash<QString, QVariant> fields;
    const QDomNamedNodeMap attributes = m_domElement.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QString name = attributes.item(i).nodeName();
        fields.insert(name, getFieldValue(name));
    }
    return fields;
}

void RelationsStorageXMLSerializer::addRelations(const QList<QSharedPointer<ISerializerObject> > &n_relations)
{
    QList<QSharedPointer<ISerializerObject> > relations = n_relations;
    std::sort(relations.begin(), relations.end(), ISerializerObject::lessThan);
    for (const QSharedPointer<ISerializerObject> &relation : qAsConst(relations)) {
        // Only items made by getRelationPrototype() belong to this document.
        const QSharedPointer<ObjectXMLSerializer> xmlRelation = relation.dynamicCast<ObjectXMLSerializer>();
        if (xmlRelation)
            m_domElement.appendChild(xmlRelation->getXMLObject());
    }
}

QList<QSharedPointer<ISerializerObject> > RelationsStorageXMLSerializer::getRelations() const
{
    QList<QSharedPointer<ISerializerObject> > relations;
    const QDomNodeList children = m_domElement.childNodes();
    for (int i = 0; i < children.count(); ++i) {
        // Not filtered: a stray node becomes an item whose element is null, and the relation's
        // own load refuses it.
        relations.append(QSharedPointer<ObjectXMLSerializer>::create(children.at(i).toElement(), m_domDocument));
    }
    return relations;
}

void RelationsStorageXMLSerializer::loadFromFile(QFile &n_file)
{
    const QString methodName = QStringLiteral("loadFromFile(QFile &n_file)");
    if (!n_file.exists())
        throw FileNotExistExceptionOstra(n_file.fileName(), CLASS_NAME, methodName,
                                         QSharedPointer<ExceptionOstra>());
    if (!n_file.open(QIODevice::ReadOnly))
        throw FileCantOpenExceptionOstra(n_file.fileName(), QIODevice::ReadOnly, CLASS_NAME, methodName,
                                         QSharedPointer<ExceptionOstra>());
    const QByteArray content = n_file.readAll();
    n_file.close();
    XMLDocumentReader::setContent(m_domDocument, content, CLASS_NAME, methodName);
    m_domElement = m_domDocument.firstChildElement();
}

void RelationsStorageXMLSerializer::loadFromString(const QString &n_string)
{
    XMLDocumentReader::setContent(m_domDocument, n_string, CLASS_NAME,
                                  QStringLiteral("loadFromString(const QString &n_string)"));
    m_domElement = m_domDocument.firstChildElement();
}

void RelationsStorageXMLSerializer::saveToFile(QFile &n_file) const
{
    QDomDocument document = m_domDocument;
    document.appendChild(m_domElement);
    XMLFileWriter::saveToFile(document, n_file, 0, CLASS_NAME, QStringLiteral("saveToFile(QFile &n_file)"));
}

QString RelationsStorageXMLSerializer::saveToString() const
{
    QDomDocument document = m_domDocument;
    document.appendChild(m_domElement);
    return document.toString(1);
}

QSharedPointer<ISerializerObject> RelationsStorageXMLSerializer::getRelationPrototype() const
{
    return QSharedPointer<ObjectXMLSerializer>::create(TAG_NAME_RELATION, m_domDocument);
}

QDomElement RelationsStorageXMLSerializer::getXMLObject() const
{
    return m_domElement;
}

void RelationsStorageXMLSerializer::setXMLObject(QDomElement &n_domElement)
{
    m_domElement = n_domElement;
}
