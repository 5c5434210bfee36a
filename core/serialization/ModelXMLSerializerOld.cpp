#include "serialization/ModelXMLSerializerOld.h"

#include <QFileInfo>

#include "errors/NoRequiredTag.h"
#include "serialization/XMLDocumentReader.h"
#include "serialization/XMLElementFields.h"

namespace {
const QString CLASS_NAME = QStringLiteral("ModelXMLSerializerOld");

// A default-constructed QDomDocument has no tree until something is created in it, and handles
// copied before that would each get a tree of their own; this one has its tree from the start.
QDomDocument newDocument()
{
    QDomDocument document;
    document.createElement(ClassXMLSerializerOld::TAG_NAME_ROOT);
    return document;
}
} // namespace

ModelXMLSerializerOld::ModelXMLSerializerOld() : m_domDocument(newDocument())
{
    m_classSerializer = QSharedPointer<ClassXMLSerializerOld>::create(
        ClassXMLSerializerOld::ROOT_ID, m_domDocument);
    m_relationsSerializer = QSharedPointer<RelationsStorageXMLSerializerOld>::create(m_domDocument);
}

ModelXMLSerializerOld::~ModelXMLSerializerOld()
{
}

void ModelXMLSerializerOld::addField(const QString &n_name, const QVariant &n_value)
{
    XMLElementFields::setNonEmptyAttribute(m_rootElement, n_name, n_value);
}

void ModelXMLSerializerOld::addFields(const QHash<QString, QVariant> &n_fields)
{
    XMLElementFields::addInHashOrder(*this, n_fields);
}

QVariant ModelXMLSerializerOld::getFieldValue(const QString &n_name) const
{
    return XMLElementFields::attributeOrNullString(m_rootElement, n_name);
}

QHash<QString, QVariant> ModelXMLSerializerOld::getFieldsHash() const
{
    return XMLElementFields::fieldsHash(*this, m_rootElement);
}

void ModelXMLSerializerOld::setClass(QSharedPointer<ISerializerClass> n_class)
{
    m_classSerializer = n_class.dynamicCast<ClassXMLSerializerOld>();
    QDomElement old = m_rootElement.firstChildElement(ClassXMLSerializerOld::TAG_NAME_CLASS);
    if (!old.isNull())
        m_rootElement.removeChild(old);
    // The older class node has no element of its own to give (it warns and gives a null one).
    if (m_classSerializer) {
        const QDomElement classElement = m_classSerializer->getXMLObject();
        if (!classElement.isNull())
            m_rootElement.appendChild(classElement);
    }
}

QSharedPointer<ISerializerClass> ModelXMLSerializerOld::getClass() const
{
    return m_classSerializer;
}

void ModelXMLSerializerOld::setRelationStorage(
    QSharedPointer<ISerializerRelationsStorage> n_relationsStorage)
{
    m_relationsSerializer = n_relationsStorage.dynamicCast<RelationsStorageXMLSerializer>();
    QDomElement old = m_rootElement.firstChildElement(
        RelationsStorageXMLSerializer::TAG_NAME_RELATIONS);
    if (!old.isNull())
        m_rootElement.removeChild(old);
    if (m_relationsSerializer)
        m_rootElement.appendChild(m_relationsSerializer->getXMLObject());
}

QSharedPointer<ISerializerRelationsStorage> ModelXMLSerializerOld::getRelationStorage() const
{
    return m_relationsSerializer;
}

void ModelXMLSerializerOld::loadFromFile(QFile &n_file)
{
    XMLDocumentReader::loadFromFile(m_domDocument, n_file, CLASS_NAME);
    QDomElement element = m_domDocument.firstChildElement(ClassXMLSerializerOld::TAG_NAME_ROOT);
    setXMLObject(element);
    nameModel(QFileInfo(n_file.fileName()).baseName());
}

void ModelXMLSerializerOld::loadFromString(const QString &n_string)
{
    XMLDocumentReader::loadFromString(m_domDocument, n_string, CLASS_NAME);
    QDomElement element = m_domDocument.firstChildElement(ClassXMLSerializerOld::TAG_NAME_ROOT);
    setXMLObject(element);
    nameModel(ROOT_SHORT_NAME);
}

void ModelXMLSerializerOld::saveToFile(QFile &) const
{
    qWarning("ModelXMLSerializerOld, method saveToFile - нет реализации");
}

QString ModelXMLSerializerOld::saveToString() const
{
    qWarning("ModelXMLSerializerOld, method saveToString - нет реализации");
    return QString();
}

QSharedPointer<ISerializerClass> ModelXMLSerializerOld::getClassPrototype() const
{
    return QSharedPointer<ClassXMLSerializerOld>::create(ClassXMLSerializerOld::ROOT_ID,
                                                         m_domDocument);
}

QSharedPointer<ISerializerRelationsStorage> ModelXMLSerializerOld::getRelationsStoragePrototype()
    const
{
    return QSharedPointer<RelationsStorageXMLSerializer>::create(m_domDocument);
}

void ModelXMLSerializerOld::loadFromDomDocument(QDomDocument &n_document)
{
    m_domDocument = n_document;
    QDomElement element = m_domDocument.firstChildElement();
    setXMLObject(element);
    nameModel(ROOT_SHORT_NAME);
}

bool ModelXMLSerializerOld::isFormatSupport(QDomDocument &n_document)
{
    const QDomElement first = n_document.firstChildElement();
    return !first.isNull() && first.tagName() == ClassXMLSerializerOld::TAG_NAME_ROOT;
}

void ModelXMLSerializerOld::setXMLObject(QDomElement &n_domElement)
{
    m_rootElement = n_domElement;
    QDomElement relationsElement = m_rootElement.firstChildElement(
        RelationsStorageXMLSerializer::TAG_NAME_RELATIONS);
    if (relationsElement.isNull())
        throw NoRequiredTag(RelationsStorageXMLSerializer::TAG_NAME_RELATIONS, CLASS_NAME,
                            QStringLiteral("setXMLObject(QDomElement &n_domElement)"),
                            QSharedPointer<ExceptionOstra>());
    if (!m_relationsSerializer)
        m_relationsSerializer = QSharedPointer<RelationsStorageXMLSerializerOld>::create(
            m_domDocument);
    m_relationsSerializer->setXMLObject(relationsElement);
    if (!m_classSerializer)
        m_classSerializer = QSharedPointer<ClassXMLSerializerOld>::create(
            ClassXMLSerializerOld::ROOT_ID, m_domDocument);
    m_classSerializer->setRelations(m_relationsSerializer->getRelations());
    m_classSerializer->setXMLObject(m_rootElement);
}

QDomElement ModelXMLSerializerOld::getXMLObject() const
{
    return m_rootElement;
}

void ModelXMLSerializerOld::nameModel(const QString &n_rootShortName)
{
    if (!m_classSerializer)
        return;
    m_classSerializer->addField(ISerializerObject::ATTRIBUTE_NAME_ID,
                                ClassXMLSerializerOld::ROOT_ID);
    m_classSerializer->addField(ISerializerObject::ATTRIBUTE_NAME_SHORT_NAME, n_rootShortName);
    addField(ISerializerObject::ATTRIBUTE_NAME_ID, OLD_MODEL_ID);
}
