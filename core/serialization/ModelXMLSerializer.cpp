#include "serialization/ModelXMLSerializer.h"

#include <QDebug>

#include "errors/FileCantOpenExceptionOstra.h"
#include "errors/NoRequiredTag.h"
#include "serialization/XMLDocumentReader.h"
#include "serialization/XMLElementFields.h"
#include "serialization/XMLFileWriter.h"

namespace {
const QString CLASS_NAME = QStringLiteral("ModelXMLSerializer");

// The first element named n_tag among n_parent's children is replaced by n_child, which is then
// placed last; one child of each kind is kept.
void replaceChild(QDomElement &n_parent, const QString &n_tag, const QDomElement &n_child)
{
    QDomElement old = n_parent.firstChildElement(n_tag);
    if (!old.isNull())
        n_parent.removeChild(old);
    n_parent.appendChild(n_child);
}
} // namespace

ModelXMLSerializer::ModelXMLSerializer()
{
    m_modelElement = m_domDocument.createElement(TAG_NAME_MODEL);
    m_modelElement.setAttribute(ATTRIBUTE_NAME_FORMAT_XML_VERSION, FORMAT_XML_VERSION);
    m_classSerializer = QSharedPointer<ClassXMLSerializer>::create(m_domDocument);
    m_relationsSerializer = QSharedPointer<RelationsStorageXMLSerializer>::create(m_domDocument);
}

ModelXMLSerializer::~ModelXMLSerializer()
{
}

void ModelXMLSerializer::addField(const QString &n_name, const QVariant &n_value)
{
    XMLElementFields::setNonEmptyAttribute(m_modelElement, n_name, n_value);
}

void ModelXMLSerializer::addFields(const QHash<QString, QVariant> &n_fields)
{
    XMLElementFields::addInHashOrder(*this, n_fields);
}

QVariant ModelXMLSerializer::getFieldValue(const QString &n_name) const
{
    return XMLElementFields::attributeOrNullString(m_modelElement, n_name);
}

QHash<QString, QVariant> ModelXMLSerializer::getFieldsHash() const
{
    return XMLElementFields::fieldsHash(*this, m_modelElement);
}

void ModelXMLSerializer::setClass(QSharedPointer<ISerializerClass> n_class)
{
    m_classSerializer = n_class.dynamicCast<ClassXMLSerializer>();
    if (m_classSerializer)
        replaceChild(m_modelElement, ClassXMLSerializer::TAG_NAME_CLASS,
                     m_classSerializer->getXMLObject());
}

QSharedPointer<ISerializerClass> ModelXMLSerializer::getClass() const
{
    return m_classSerializer;
}

void ModelXMLSerializer::setRelationStorage(
    QSharedPointer<ISerializerRelationsStorage> n_relationsStorage)
{
    m_relationsSerializer = n_relationsStorage.dynamicCast<RelationsStorageXMLSerializer>();
    if (m_relationsSerializer)
        replaceChild(m_modelElement, RelationsStorageXMLSerializer::TAG_NAME_RELATIONS,
                     m_relationsSerializer->getXMLObject());
}

QSharedPointer<ISerializerRelationsStorage> ModelXMLSerializer::getRelationStorage() const
{
    return m_relationsSerializer;
}

void ModelXMLSerializer::loadFromFile(QFile &n_file)
{
    XMLDocumentReader::loadFromFile(m_domDocument, n_file, CLASS_NAME);
    QDomElement element = m_domDocument.firstChildElement();
    setXMLObject(element);
}

void ModelXMLSerializer::loadFromString(const QString &n_string)
{
    XMLDocumentReader::loadFromString(m_domDocument, n_string, CLASS_NAME);
    QDomElement element = m_domDocument.firstChildElement();
    setXMLObject(element);
}

void ModelXMLSerializer::saveToFile(QFile &n_file) const
{
    QDomDocument document = m_domDocument;
    document.appendChild(m_modelElement);
    writeDocument(document, n_file);
}

void ModelXMLSerializer::writeDocument(const QDomDocument &n_document, QFile &n_file)
{
    try {
        XMLFileWriter::saveToFile(n_document, n_file, 0, CLASS_NAME,
                                  QStringLiteral("saveToFile(QFile &n_file)"));
    } catch (const FileCantOpenExceptionOstra &) {
        qDebug("Failed to open file for writing.");
        throw;
    }
}

QString ModelXMLSerializer::saveToString() const
{
    return XMLFileWriter::saveElementToString(m_domDocument, m_modelElement, CLASS_NAME);
}

QSharedPointer<ISerializerClass> ModelXMLSerializer::getClassPrototype() const
{
    return QSharedPointer<ClassXMLSerializer>::create(m_domDocument);
}

QSharedPointer<ISerializerRelationsStorage> ModelXMLSerializer::getRelationsStoragePrototype() const
{
    return QSharedPointer<RelationsStorageXMLSerializer>::create(m_domDocument);
}

void ModelXMLSerializer::loadFromDomDocument(QDomDocument &n_document)
{
    m_domDocument = n_document;
    QDomElement element = m_domDocument.firstChildElement();
    setXMLObject(element);
}

bool ModelXMLSerializer::isFormatSupport(QDomDocument &n_document)
{
    return n_document.firstChildElement().attribute(ATTRIBUTE_NAME_FORMAT_XML_VERSION)
           == FORMAT_XML_VERSION;
}

void ModelXMLSerializer::setXMLObject(QDomElement &n_domElement)
{
    const QString methodName = QStringLiteral("setXMLObject(QDomElement &n_domElement)");
    m_modelElement = n_domElement;

    QDomElement classElement = m_modelElement.firstChildElement(ClassXMLSerializer::TAG_NAME_CLASS);
    if (classElement.isNull())
        throw NoRequiredTag(ClassXMLSerializer::TAG_NAME_CLASS, CLASS_NAME, methodName,
                            QSharedPointer<ExceptionOstra>());
    m_classSerializer->setXMLObject(classElement);

    QDomElement relationsElement = m_modelElement.firstChildElement(
        RelationsStorageXMLSerializer::TAG_NAME_RELATIONS);
    if (relationsElement.isNull())
        throw NoRequiredTag(RelationsStorageXMLSerializer::TAG_NAME_RELATIONS, CLASS_NAME,
                            methodName, QSharedPointer<ExceptionOstra>());
    m_relationsSerializer->setXMLObject(relationsElement);
}

QDomElement ModelXMLSerializer::getXMLObject() const
{
    return m_modelElement;
}
