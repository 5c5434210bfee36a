#include "serialization/ClassXMLSerializer.h"

#include <QDomNamedNodeMap>
#include <QDomNodeList>

#include <algorithm>

#include "errors/FileCantOpenExceptionOstra.h"
#include "errors/FileNotExistExceptionOstra.h"
#include "errors/UnexpectedTagName.h"
#include "serialization/ObjectXMLSerializer.h"
#include "serialization/XMLDocumentReader.h"
#include "serialization/XMLFileWriter.h"

namespace {
const QString CLASS_NAME = QStringLiteral("ClassXMLSerializer");
}

ClassXMLSerializer::ClassXMLSerializer(const QDomDocument &n_document)
    : m_domDocument(n_document)
{
    m_classElement = m_domDocument.createElement(TAG_NAME_CLASS);
    m_parametersElement = m_domDocument.createElement(TAG_NAME_PARAMETERS);
    m_rulesElement = m_domDocument.createElement(TAG_NAME_RULES);
    m_constraintsElement = m_domDocument.createElement(TAG_NAME_CONSTRAINTS);
    m_classesElement = m_domDocument.createElement(TAG_NAME_CLASSES);
    m_classElement.appendChild(m_parametersElement);
    m_classElement.appendChild(m_rulesElement);
    m_classElement.appendChild(m_constraintsElement);
    m_classElement.appendChild(m_classesElement);
}

ClassXMLSerializer::~ClassXMLSerializer() {}

void ClassXMLSerializer::addField(const QString &n_name, const QVariant &n_value)
{
    const QString value = n_value.toString();
    if (value.isEmpty())
        return;
    m_classElement.setAttribute(n_name, value);
}

void ClassXMLSerializer::addFields(const QHash<QString, QVariant> &n_fields)
{
    for (auto it = n_fields.constBegin(); it != n_fields.constEnd(); ++it)
        addField(it.key(), it.value());
}

QVariant ClassXMLSerializer::getFieldValue(const QString &n_name) const
{
    // attribute() gives an empty, not a null, string for an absent attribute.
    if (!m_classElement.hasAttribute(n_name))
        return QVariant(QString());
    return QVariant(m_classElement.attribute(n_name));
}

QHash<QString, QVariant> ClassXMLSerializer::getFieldsHash() const
{
    QHash<QString, QVariant> fields;
    const QDomNamedNodeMap attributes = m_classElement.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QString name = attributes.item(i).nodeName();
        fields.insert(name, getFieldValue(name));
    }
    return fields;
}

void ClassXMLSerializer::addItems(QDomElement &n_listElement, QList<QSharedPointer<ISerializerObject> > n_items)
{
    std::sort(n_items.begin(), n_items.end(), ISerializerObject::lessThan);
    for (const QSharedPointer<ISerializerObject> &item : qAsConst(n_items)) {
        // Only nodes made by this node's prototypes can be placed in its document.
        const QSharedPointer<ObjectXMLSerializer> xmlItem = item.dynamicCast<ObjectXMLSerializer>();
        if (xmlItem)
            n_listElement.appendChild(xmlItem->getXMLObject());
    }
}

void ClassXMLSerializer::addOwnParameters(const QList<QSharedPointer<ISerializerObject> > &n_parameters)
{
    addItems(m_parametersElement, n_parameters);
}

void ClassXMLSerializer::addOwnRules(const QList<QSharedPointer<ISerializerObject> > &n_rules)
{
    addItems(m_rulesElement, n_rules);
}

void ClassXMLSerializer::addOwnConstraints(const QList<QSharedPointer<ISerializerObject> > &n_constraints)
{
    addItems(m_constraintsElement, n_constraints);
}

void ClassXMLSerializer::addOwnClasses(const QList<QSharedPointer<ISerializerClass> > &n_classes)
{
    QList<QSharedPointer<ISerializerClass> > classes = n_classes;
    std::sort(classes.begin(), classes.end(),
              [](const QSharedPointer<ISerializerClass> &n_first, const QSharedPointer<ISerializerClass> &n_second) {
                  return ISerializerObject::lessThan(n_first, n_second);
              });
    for (const QSharedPointer<ISerializerClass> &child : qAsConst(classes)) {
        const QSharedPointer<ClassXMLSerializer> xmlClass = child.dynamicCast<ClassXMLSerializer>();
        if (xmlClass)
            m_classesElement.appendChild(xmlClass->getXMLObject());
    }
}

QList<QSharedPointer<ISerializerObject> > ClassXMLSerializer::getItems(const QDomElement &n_listElement,
                                                                       const QString &n_itemTag,
                                                                       const QString &n_methodName) const
{
    QList<QSharedPointer<ISerializerObject> > items;
    const QDomNodeList children = n_listElement.childNodes();
    for (int i = 0; i < children.count(); ++i) {
        QDomElement child = children.at(i).toElement();
        // A comment or text node has no tag name and is refused like any foreign element.
        if (child.tagName() != n_itemTag)
            throw UnexpectedTagName(n_itemTag, child.tagName(), CLASS_NAME, n_methodName,
                                    QSharedPointer<ExceptionOstra>());
        items.append(QSharedPointer<ObjectXMLSerializer>::create(child, m_domDocument));
    }
    return items;
}

QList<QSharedPointer<ISerializerObject> > ClassXMLSerializer::getOwnParameters() const
{
    return getItems(m_parametersElement, TAG_NAME_PARAMETER, QStringLiteral("getOwnParameters()"));
}

QList<QSharedPointer<ISerializerObject> > ClassXMLSerializer::getOwnRules() const
{
    return getItems(m_rulesElement, TAG_NAME_RULE, QStringLiteral("getOwnRules()"));
}

QList<QSharedPointer<ISerializerObject> > ClassXMLSerializer::getOwnConstraints() const
{
    return getItems(m_constraintsElement, TAG_NAME_CONSTRAINT, QStringLiteral("getOwnConstraints()"));
}

QList<QSharedPointer<ISerializerClass> > ClassXMLSerializer::getOwnClasses() const
{
    QList<QSharedPointer<ISerializerClass> > classes;
    const QDomNodeList children = m_classesElement.childNodes();
    for (int i = 0; i < children.count(); ++i) {
        QDomElement child = children.at(i).toElement();
        if (child.tagName() != TAG_NAME_CLASS)
            throw UnexpectedTagName(TAG_NAME_CLASS, child.tagName(), CLASS_NAME,
                                    QStringLiteral("getOwnClasses()"), QSharedPointer<ExceptionOstra>());
        QSharedPointer<ClassXMLSerializer> childClass = QSharedPointer<ClassXMLSerializer>::create(m_domDocument);
        childClass->setXMLObject(child);
        classes.append(childClass);
    }
    return classes;
}

void ClassXMLSerializer::loadFromFile(QFile &n_file)
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
    QDomElement classElement = m_domDocument.firstChildElement(TAG_NAME_CLASS);
    setXMLObject(classElement);
}

void ClassXMLSerializer::loadFromString(const QString &n_string)
{
    XMLDocumentReader::setContent(m_domDocument, n_string, CLASS_NAME,
                                  QStringLiteral("loadFromString(const QString &n_string)"));
    QDomElement element = m_domDocument.firstChildElement();
    setXMLObject(element);
}

void ClassXMLSerializer::saveToFile(QFile &n_file) const
{
    QDomDocument document = m_domDocument;
    document.appendChild(m_classElement);
    XMLFileWriter::saveToFile(document, n_file, 0, CLASS_NAME, QStringLiteral("saveToFile(QFile &n_file)"));
}

QString ClassXMLSerializer::saveToString() const
{
    QDomDocument document = m_domDocument;
    document.appendChild(m_classElement);
    return document.toString(1);
}

QSharedPointer<ISerializerObject> ClassXMLSerializer::getParameterPrototype() const
{
    return QSharedPointer<ObjectXMLSerializer>::create(TAG_NAME_PARAMETER, m_domDocument);
}

QSharedPointer<ISerializerObject> ClassXMLSerializer::getRulePrototype() const
{
    return QSharedPointer<ObjectXMLSerializer>::create(TAG_NAME_RULE, m_domDocument);
}

QSharedPointer<ISerializerObject> ClassXMLSerializer::getConstraintPrototype() const
{
    return QSharedPointer<ObjectXMLSerializer>::create(TAG_NAME_CONSTRAINT, m_domDocument);
}

QSharedPointer<ISerializerClass> ClassXMLSerializer::getClassPrototype() const
{
    return QSharedPointer<ClassXMLSerializer>::create(m_domDocument);
}

QDomElement ClassXMLSerializer::getXMLObject() const
{
    return m_classElement;
}

void ClassXMLSerializer::setXMLObject(QDomElement &n_domElement)
{
    m_classElement = n_domElement;
    m_parametersElement = m_classElement.firstChildElement(TAG_NAME_PARAMETERS);
    m_rulesElement = m_classElement.firstChildElement(TAG_NAME_RULES);
    m_constraintsElement = m_classElement.firstChildElement(TAG_NAME_CONSTRAINTS);
    m_classesElement = m_classElement.firstChildElement(TAG_NAME_CLASSES);
}

void ClassXMLSerializer::loadOwnParameters()
{
    m_parametersElement = m_classElement.firstChildElement(TAG_NAME_PARAMETERS);
}

void ClassXMLSerializer::loadOwnRules()
{
    m_rulesElement = m_classElement.firstChildElement(TAG_NAME_RULES);
}

void ClassXMLSerializer::loadOwnConstraints()
{
    m_constraintsElement = m_classElement.firstChildElement(TAG_NAME_CONSTRAINTS);
}

void ClassXMLSerializer::loadOwnClasses()
{
    m_classesElement = m_classElement.firstChildElement(TAG_NAME_CLASSES);
}
