#include "serialization/ModelXMLSerializer.h"

#include <QDebug>
#include <QDomNamedNodeMap>

#include "errors/FileCantOpenExceptionOstra.h"
#include "errors/FileNotExistExceptionOstra.h"
#include "errors/NoRequiredTag.h"
#include "serialization/XMLDocumentReader.h"
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

ModelXMLSerializer::~ModelXMLSerializer() {}

void ModelXMLSerializer::addField(const QString &n_name, const QVariant &n_value)
{
    const QString value = n_value.toString();
    if (value.isEmpty())
        return;
    m_modelElement.setAttribute(n_name, value);
}

void ModelXMLSerializer::addFields(const QHash<QString, QVariant> &n_fields)
{
    for (auto it = n_fields.constBegin(); it != n_fields.constEnd(); ++it)
        addField(it.key(), it.value());
}

QVariant ModelXMLSerializer::getFieldValue(const QString &n_name) const
{
    if (!m_modelElement.hasAttribute(n_name))
        return QVariant(QString());
    return QVariant(m_modelElement.attribute(n_name));
}

QHash<QString, QVariant> ModelXMLSerializer::getFieldsHash() const
{
    QHash<QString, QVariant> fields;
    const QDomNamedNodeMap attributes = m_modelElement.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QString name = attributes.item(i).nodeName();
        fields.insert(name, getFieldValue(name));
    }
    return fields;
}

void ModelXMLSerializer::setClass(QSharedPointer<ISerializerClass> n_class)
{
    m_classSerializer = n_class.dynamicCast<ClassXMLSerializer>();
    if (m_classSerializer)
        replaceChild(m_modelElement, ClassXMLSerializer::TAG_NAME_CLASS, m_classSerializer->getXMLObject());
}

QSharedPointer<ISerializerClass> ModelXMLSerializer::getClass() const
{
    return m_classSerializer;
}

void ModelXMLSerializer::setRelationStorage(QSharedPointer<ISerializerRelationsStorage> n_relationsStorage)
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
    QDomElement element = m_domDocument.firstChildElement();
    setXMLObject(element);
}

void ModelXMLSerializer::loadFromString(const QString &n_string)
{
    XMLDocumentReader::setContent(m_domDocument, n_string, CLASS_NAME,
                                  QStringLiteral("loadFromString(const QString &n_string)"));
    QDomElement element = m_domDocument.firstChildElement();
    setXMLObject(element);
}

void ModelXMLSerializer::saveToFile(QFile &n_file) const
{
    QDomDocument document = m_domDocument;
    document.appendChild(m_modelElement);
    try {
        XMLFileWriter::saveToFile(document, n_file, 0, CLASS_NAME, QStringLiteral("saveToFile(QFile &n_file)"));
    } catch (const FileCantOpenExceptionOstra &) {
        qDebug("Failed to open file for writing.");
        throw;
    }
}

QString ModelXMLSerializer::saveToString() const
{
    QDomDocument document = m_domDocument;
    document.appendChild(m_modelElement);
    return document.toString(1);
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
    return n_document.firstChildElement().attribute(ATTRIBUTE_NAME_FORMAT_XML_VERSION) == FORMAT_XML_VERSION;
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

    QDomElement relationsElement = m_modelElement.firstChildElement(RelationsStorageXMLSerializer::TAG_NAME_RELATIONS);
    if (relationsElement.isNull())
        throw NoRequiredTag(RelationsStorageXMLSerializer::TAG_NAME_RELATIONS, CLASS_NAME, methodName,
                            QSharedPointer<ExceptionOstra>());
    m_relationsSerializer->setXMLObject(relationsElement);
}

QDomElement ModelXMLSerializer::getXMLObject() const
{
    return m_modelElement;
}
