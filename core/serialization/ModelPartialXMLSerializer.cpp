#include "serialization/ModelPartialXMLSerializer.h"

#include <QDomNamedNodeMap>
#include <QDomNodeList>
#include <QVector>

#include "serialization/ClassXMLSerializer.h"
#include "serialization/RelationsStorageXMLSerializer.h"

namespace {
// elementsByTagName gives a live list that shrinks as elements are moved or removed; every walk
// that changes the tree therefore works on a copy taken first.
QVector<QDomElement> snapshotByTagName(const QDomElement &n_root, const QString &n_tagName)
{
    QVector<QDomElement> elements;
    const QDomNodeList found = n_root.elementsByTagName(n_tagName);
    elements.reserve(found.count());
    for (int i = 0; i < found.count(); ++i)
        elements.append(found.at(i).toElement());
    return elements;
}

// Moves n_element (with everything inside it) into n_document: a copy there, the original removed.
QDomNode moveInto(QDomDocument &n_document, QDomElement &n_element)
{
    const QDomNode copy = n_document.importNode(n_element, true);
    QDomNode parent = n_element.parentNode();
    if (!parent.isNull())
        parent.removeChild(n_element);
    return copy;
}
} // namespace

ModelPartialXMLSerializer::ModelPartialXMLSerializer()
    : m_saveFlags({PART_ALL}), m_useHierarchy(true)
{
}

ModelPartialXMLSerializer::~ModelPartialXMLSerializer()
{
}

void ModelPartialXMLSerializer::setSaveFlags(const QList<serializerParts> &n_saveFlags)
{
    m_saveFlags = n_saveFlags;
}

void ModelPartialXMLSerializer::useHierarchy(bool n_useHierarchy)
{
    m_useHierarchy = n_useHierarchy;
}

void ModelPartialXMLSerializer::saveToFile(QFile &n_file) const
{
    writeDocument(prepareDocument(), n_file);
}

QDomDocument ModelPartialXMLSerializer::prepareDocument() const
{
    if (m_saveFlags.contains(PART_ALL) || m_useHierarchy) {
        if (!m_saveFlags.contains(PART_ALL))
            prepareDocumentWithHierarchy();
        QDomDocument document = m_domDocument;
        document.appendChild(m_modelElement);
        return document;
    }

    QDomDocument document;
    for (const serializerParts part : m_saveFlags) {
        switch (part) {
        case PART_CLASSES:
            takeClasses(document);
            break;
        case PART_PARAMETERS:
            takeParameters(document);
            break;
        case PART_CONSTRAINTS:
            takeConstraints(document);
            break;
        case PART_RULES:
            takeRules(document);
            break;
        case PART_RELATIONS:
            takeRelations(document);
            break;
        default:
            break;
        }
    }
    wrapTopLevel(document);
    return document;
}

void ModelPartialXMLSerializer::prepareDocumentWithHierarchy() const
{
    if (!m_saveFlags.contains(PART_RULES))
        removeRules();
    if (!m_saveFlags.contains(PART_CONSTRAINTS))
        removeConstraints();
    if (!m_saveFlags.contains(PART_PARAMETERS))
        removeParameters();
    if (!m_saveFlags.contains(PART_RELATIONS))
        removeRelations();
}

void ModelPartialXMLSerializer::wrapTopLevel(QDomDocument &n_document) const
{
    QVector<QDomNode> topLevel;
    int elementCount = 0;
    const QDomNodeList children = n_document.childNodes();
    for (int i = 0; i < children.count(); ++i) {
        topLevel.append(children.at(i));
        if (children.at(i).isElement())
            ++elementCount;
    }
    if (elementCount == 1)
        return;

    QDomElement wrapper = n_document.createElement(TAG_NAME_MODEL);
    const QDomNamedNodeMap attributes = m_modelElement.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr attribute = attributes.item(i).toAttr();
        if (attribute.name() != ATTRIBUTE_NAME_FORMAT_XML_VERSION)
            wrapper.setAttribute(attribute.name(), attribute.value());
    }
    for (QDomNode &node : topLevel)
        wrapper.appendChild(node);
    n_document.appendChild(wrapper);
}

void ModelPartialXMLSerializer::takeItems(QDomDocument &n_document, const QString &n_listTag,
                                          const QString &n_itemTag) const
{
    QDomElement list = n_document.createElement(n_listTag);
    QVector<QDomElement> items = snapshotByTagName(m_modelElement, n_itemTag);
    for (QDomElement &item : items)
        list.appendChild(moveInto(n_document, item));
    n_document.appendChild(list);
}

void ModelPartialXMLSerializer::takeClasses(QDomDocument &n_document) const
{
    // Attributes only: the model tree itself is left as it is.
    QDomElement list = n_document.createElement(ClassXMLSerializer::TAG_NAME_CLASSES);
    const QVector<QDomElement> classElements = snapshotByTagName(
        m_modelElement, ClassXMLSerializer::TAG_NAME_CLASS);
    for (const QDomElement &classElement : classElements)
        list.appendChild(n_document.importNode(classElement, false));
    n_document.appendChild(list);
}

void ModelPartialXMLSerializer::takeParameters(QDomDocument &n_document) const
{
    takeItems(n_document, ClassXMLSerializer::TAG_NAME_PARAMETERS,
              ClassXMLSerializer::TAG_NAME_PARAMETER);
}

void ModelPartialXMLSerializer::takeConstraints(QDomDocument &n_document) const
{
    takeItems(n_document, ClassXMLSerializer::TAG_NAME_CONSTRAINTS,
              ClassXMLSerializer::TAG_NAME_CONSTRAINT);
}

void ModelPartialXMLSerializer::takeRules(QDomDocument &n_document) const
{
    takeItems(n_document, ClassXMLSerializer::TAG_NAME_RULES, ClassXMLSerializer::TAG_NAME_RULE);
}

void ModelPartialXMLSerializer::takeRelations(QDomDocument &n_document) const
{
    QVector<QDomElement> lists = snapshotByTagName(
        m_modelElement, RelationsStorageXMLSerializer::TAG_NAME_RELATIONS);
    for (QDomElement &list : lists)
        n_document.appendChild(moveInto(n_document, list));
}

void ModelPartialXMLSerializer::removeAll(const QString &n_tagName) const
{
    QVector<QDomElement> elements = snapshotByTagName(m_modelElement, n_tagName);
    for (QDomElement &element : elements) {
        QDomNode parent = element.parentNode();
        if (!parent.isNull())
            parent.removeChild(element);
    }
}

void ModelPartialXMLSerializer::removeRules() const
{
    removeAll(ClassXMLSerializer::TAG_NAME_RULES);
}

void ModelPartialXMLSerializer::removeConstraints() const
{
    removeAll(ClassXMLSerializer::TAG_NAME_CONSTRAINTS);
}

void ModelPartialXMLSerializer::removeParameters() const
{
    removeAll(ClassXMLSerializer::TAG_NAME_PARAMETERS);
}

void ModelPartialXMLSerializer::removeRelations() const
{
    removeAll(RelationsStorageXMLSerializer::TAG_NAME_RELATIONS);
}
