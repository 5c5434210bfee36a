#include "serialization/RelationsStorageXMLSerializer.h"

#include <QDomNodeList>

#include <algorithm>

#include "serialization/ObjectXMLSerializer.h"
#include "serialization/XMLDocumentReader.h"
#include "serialization/XMLElementFields.h"
#include "serialization/XMLFileWriter.h"

namespace {
const QString CLASS_NAME = QStringLiteral("RelationsStorageXMLSerializer");
}

RelationsStorageXMLSerializer::RelationsStorageXMLSerializer(const QDomDocument &n_document)
    : m_domDocument(n_document)
{
    m_domElement = m_domDocument.createElement(TAG_NAME_RELATIONS);
}

RelationsStorageXMLSerializer::~RelationsStorageXMLSerializer()
{
}

void RelationsStorageXMLSerializer::addField(const QString &n_name, const QVariant &n_value)
{
    m_domElement.setAttribute(n_name, n_value.toString());
}

void RelationsStorageXMLSerializer::addFields(const QHash<QString, QVariant> &n_fields)
{
    XMLElementFields::addInHashOrder(*this, n_fields);
}

QVariant RelationsStorageXMLSerializer::getFieldValue(const QString &n_name) const
{
    return XMLElementFields::attributeOrNullString(m_domElement, n_name);
}

QHash<QString, QVariant> RelationsStorageXMLSerializer::getFieldsHash() const
{
    return XMLElementFields::fieldsHash(*this, m_domElement);
}

void RelationsStorageXMLSerializer::addRelations(
    const QList<QSharedPointer<ISerializerObject>> &n_relations)
{
    QList<QSharedPointer<ISerializerObject>> relations = n_relations;
    std::sort(relations.begin(), relations.end(), ISerializerObject::lessThan);
    for (const QSharedPointer<ISerializerObject> &relation : qAsConst(relations)) {
        // Only items made by getRelationPrototype() belong to this document.
        const QSharedPointer<ObjectXMLSerializer> xmlRelation =
            relation.dynamicCast<ObjectXMLSerializer>();
        if (xmlRelation)
            m_domElement.appendChild(xmlRelation->getXMLObject());
    }
}

QList<QSharedPointer<ISerializerObject>> RelationsStorageXMLSerializer::getRelations() const
{
    QList<QSharedPointer<ISerializerObject>> relations;
    const QDomNodeList children = m_domElement.childNodes();
    for (int i = 0; i < children.count(); ++i) {
        // Not filtered: a stray node becomes an item whose element is null, and the relation's
        // own load refuses it.
        relations.append(
            QSharedPointer<ObjectXMLSerializer>::create(children.at(i).toElement(), m_domDocument));
    }
    return relations;
}

void RelationsStorageXMLSerializer::loadFromFile(QFile &n_file)
{
    XMLDocumentReader::loadFromFile(m_domDocument, n_file, CLASS_NAME);
    m_domElement = m_domDocument.firstChildElement();
}

void RelationsStorageXMLSerializer::loadFromString(const QString &n_string)
{
    XMLDocumentReader::loadFromString(m_domDocument, n_string, CLASS_NAME);
    m_domElement = m_domDocument.firstChildElement();
}

void RelationsStorageXMLSerializer::saveToFile(QFile &n_file) const
{
    XMLFileWriter::saveElementToFile(m_domDocument, m_domElement, n_file, CLASS_NAME);
}

QString RelationsStorageXMLSerializer::saveToString() const
{
    return XMLFileWriter::saveElementToString(m_domDocument, m_domElement, CLASS_NAME);
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
