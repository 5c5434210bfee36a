#include "serialization/ClassXMLSerializer.h"

#include <QDomNodeList>

#include <algorithm>

#include "errors/UnexpectedTagName.h"
#include "serialization/ObjectXMLSerializer.h"
#include "serialization/XMLDocumentReader.h"
#include "serialization/XMLElementFields.h"
#include "serialization/XMLFileWriter.h"

namespace {
const QString CLASS_NAME = QStringLiteral("ClassXMLSerializer");
}

ClassXMLSerializer::ClassXMLSerializer(const QDomDocument &n_document) : m_domDocument(n_document)
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

ClassXMLSerializer::~ClassXMLSerializer()
{
}

void ClassXMLSerializer::addField(const QString &n_name, const QVariant &n_value)
{
    XMLElementFields::setNonEmptyAttribute(m_classElement, n_name, n_value);
}

void ClassXMLSerializer::addFields(const QHash<QString, QVariant> &n_fields)
{
    XMLElementFields::addInHashOrder(*this, n_fields);
}

QVariant ClassXMLSerializer::getFieldValue(const QString &n_name) const
{
    return XMLElementFields::attributeOrNullString(m_classElement, n_name);
}

QHash<QString, QVariant> ClassXMLSerializer::getFieldsHash() const
{
    return XMLElementFields::fieldsHash(*this, m_classElement);
}

namespace {
// Appends the elements of the nodes, ascending by id. Only nodes made by this node's prototypes
// (of type Node) can be placed in its document; others are passed over.
template<class Node, class Item>
void appendSortedById(QDomElement &n_listElement, QList<QSharedPointer<Item>> n_items)
{
    std::sort(n_items.begin(), n_items.end(),
              [](const QSharedPointer<Item> &n_first, const QSharedPointer<Item> &n_second) {
                  return ISerializerObject::lessThan(n_first, n_second);
              });
    for (const QSharedPointer<Item> &item : qAsConst(n_items)) {
        const QSharedPointer<Node> xmlItem = item.template dynamicCast<Node>();
        if (xmlItem)
            n_listElement.appendChild(xmlItem->getXMLObject());
    }
}

// One node per child of the list, made by n_makeNode. A comment or text node has no tag name and
// is refused like any foreign element.
template<class Item, class MakeNode>
QList<QSharedPointer<Item>> readList(const QDomElement &n_listElement, const QString &n_itemTag,
                                     const QString &n_methodName, MakeNode n_makeNode)
{
    QList<QSharedPointer<Item>> items;
    const QDomNodeList children = n_listElement.childNodes();
    for (int i = 0; i < children.count(); ++i) {
        QDomElement child = children.at(i).toElement();
        if (child.tagName() != n_itemTag)
            throw UnexpectedTagName(n_itemTag, child.tagName(), CLASS_NAME, n_methodName,
                                    QSharedPointer<ExceptionOstra>());
        items.append(n_makeNode(child));
    }
    return items;
}
} // namespace

void ClassXMLSerializer::addOwnParameters(
    const QList<QSharedPointer<ISerializerObject>> &n_parameters)
{
    appendSortedById<ObjectXMLSerializer>(m_parametersElement, n_parameters);
}

void ClassXMLSerializer::addOwnRules(const QList<QSharedPointer<ISerializerObject>> &n_rules)
{
    appendSortedById<ObjectXMLSerializer>(m_rulesElement, n_rules);
}

void ClassXMLSerializer::addOwnConstraints(
    const QList<QSharedPointer<ISerializerObject>> &n_constraints)
{
    appendSortedById<ObjectXMLSerializer>(m_constraintsElement, n_constraints);
}

void ClassXMLSerializer::addOwnClasses(const QList<QSharedPointer<ISerializerClass>> &n_classes)
{
    appendSortedById<ClassXMLSerializer>(m_classesElement, n_classes);
}

QList<QSharedPointer<ISerializerObject>> ClassXMLSerializer::getItems(
    const QDomElement &n_listElement, const QString &n_itemTag, const QString &n_methodName) const
{
    return readList<ISerializerObject>(
        n_listElement, n_itemTag, n_methodName, [this](const QDomElement &n_child) {
            return QSharedPointer<ObjectXMLSerializer>::create(n_child, m_domDocument);
        });
}

QList<QSharedPointer<ISerializerObject>> ClassXMLSerializer::getOwnParameters() const
{
    return getItems(m_parametersElement, TAG_NAME_PARAMETER, QStringLiteral("getOwnParameters()"));
}

QList<QSharedPointer<ISerializerObject>> ClassXMLSerializer::getOwnRules() const
{
    return getItems(m_rulesElement, TAG_NAME_RULE, QStringLiteral("getOwnRules()"));
}

QList<QSharedPointer<ISerializerObject>> ClassXMLSerializer::getOwnConstraints() const
{
    return getItems(m_constraintsElement, TAG_NAME_CONSTRAINT,
                    QStringLiteral("getOwnConstraints()"));
}

QList<QSharedPointer<ISerializerClass>> ClassXMLSerializer::getOwnClasses() const
{
    return readList<ISerializerClass>(
        m_classesElement, TAG_NAME_CLASS, QStringLiteral("getOwnClasses()"),
        [this](QDomElement &n_child) {
            QSharedPointer<ClassXMLSerializer> childClass =
                QSharedPointer<ClassXMLSerializer>::create(m_domDocument);
            childClass->setXMLObject(n_child);
            return childClass;
        });
}

void ClassXMLSerializer::loadFromFile(QFile &n_file)
{
    XMLDocumentReader::loadFromFile(m_domDocument, n_file, CLASS_NAME);
    QDomElement classElement = m_domDocument.firstChildElement(TAG_NAME_CLASS);
    setXMLObject(classElement);
}

void ClassXMLSerializer::loadFromString(const QString &n_string)
{
    XMLDocumentReader::loadFromString(m_domDocument, n_string, CLASS_NAME);
    QDomElement element = m_domDocument.firstChildElement();
    setXMLObject(element);
}

void ClassXMLSerializer::saveToFile(QFile &n_file) const
{
    XMLFileWriter::saveElementToFile(m_domDocument, m_classElement, n_file, CLASS_NAME);
}

QString ClassXMLSerializer::saveToString() const
{
    return XMLFileWriter::saveElementToString(m_domDocument, m_classElement, CLASS_NAME);
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
