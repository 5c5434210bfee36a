#include "serialization/ObjectXMLSerializer.h"

#include <QDomNamedNodeMap>
#include <QStringList>

#include "serialization/XMLElementFields.h"

ObjectXMLSerializer::ObjectXMLSerializer(const QString &n_tagName, const QDomDocument &n_document)
    : m_domDocument(n_document)
{
    m_domElement = m_domDocument.createElement(n_tagName);
}

ObjectXMLSerializer::ObjectXMLSerializer(const QDomElement &n_domElement,
                                         const QDomDocument &n_document)
    : m_domElement(n_domElement), m_domDocument(n_document)
{
}

ObjectXMLSerializer::~ObjectXMLSerializer()
{
}

void ObjectXMLSerializer::addField(const QString &n_name, const QVariant &n_value)
{
    // The internal info (a relation's code) is element text; repeated calls run together.
    if (n_name == ATTRIBUTE_NAME_INTENAL_INFO) {
        m_domElement.appendChild(m_domDocument.createTextNode(n_value.toString()));
        return;
    }
    m_domElement.setAttribute(n_name, n_value.toString());
}

void ObjectXMLSerializer::addFields(const QHash<QString, QVariant> &n_fields)
{
    XMLElementFields::addSorted(*this, n_fields);
}

QVariant ObjectXMLSerializer::getFieldValue(const QString &n_name) const
{
    if (n_name == ATTRIBUTE_NAME_INTENAL_INFO)
        return QVariant(m_domElement.text());
    const QString value = m_domElement.attribute(n_name);
    if (value.isEmpty())
        return QVariant();
    return QVariant(value);
}

QHash<QString, QVariant> ObjectXMLSerializer::getFieldsHash() const
{
    return XMLElementFields::fieldsHash(*this, m_domElement);
}

QStringList ObjectXMLSerializer::getFieldNames() const
{
    QStringList names;
    const QDomNamedNodeMap attributes = m_domElement.attributes();
    const int count = attributes.count();
    names.reserve(count);
    for (int i = 0; i < count; ++i)
        names.append(attributes.item(i).nodeName());
    return names;
}

QDomElement ObjectXMLSerializer::getXMLObject() const
{
    return m_domElement;
}

void ObjectXMLSerializer::setXMLObject(QDomElement &n_domElement)
{
    m_domElement = n_domElement;
}
