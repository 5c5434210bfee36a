#include "serialization/ClassXMLSerializerOld.h"

#include <QDomNodeList>
#include <QStringList>
#include <QVector>

#include <algorithm>

#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/NoElementExceptionOstra.h"
#include "serialization/ObjectXmlSerializerOld.h"
#include "serialization/XMLDocumentReader.h"
#include "serialization/XMLElementFields.h"

namespace {
const QString CLASS_NAME = QStringLiteral("ClassXMLSerializerOld");
const QString SET_XML_OBJECT_METHOD = QStringLiteral("setXMLObject(QDomElement &n_domElement)");
const QChar CHILDS_SEPARATOR = QLatin1Char(';');
const QChar IDS_SEPARATOR = QLatin1Char(',');
const QChar PARAMETER_MARK = QLatin1Char('P');

// The children of a list, in document order; a comment or text child becomes a null element, whose
// attributes all read as empty.
QVector<QDomElement> listChildren(const QDomElement &n_list)
{
    QVector<QDomElement> children;
    const QDomNodeList nodes = n_list.childNodes();
    children.reserve(nodes.count());
    for (int i = 0; i < nodes.count(); ++i)
        children.append(nodes.at(i).toElement());
    return children;
}

QStringList splitIds(const QDomElement &n_element, const QString &n_attribute)
{
    return n_element.attribute(n_attribute).split(IDS_SEPARATOR, Qt::KeepEmptyParts);
}

void warn(const QString &n_text)
{
    qWarning("%s", qPrintable(n_text));
}

// The class tree cannot be built: the reason goes into the exception itself (as the parent's
// description, which its text shows first), not only to the debug output.
[[noreturn]] void refuseTree(const QString &n_reason)
{
    warn(n_reason);
    throw InconsistencyDataExceptionOstra(
        CLASS_NAME, SET_XML_OBJECT_METHOD,
        QSharedPointer<ExceptionOstra>::create(501, n_reason, CLASS_NAME, SET_XML_OBJECT_METHOD,
                                               nullptr));
}
} // namespace

const int ClassXMLSerializerOld::MAX_CLASS_DEPTH = (XMLDocumentReader::MAX_NESTING_DEPTH - 4) / 2;

namespace {
// The rules or the constraints of a file (they are read alike), with what one read decides about
// each: whether it found its class, or was refused for repeating an id.
struct OldFormatLinkedItems
{
    QVector<QDomElement> elements;
    QVector<QStringList> parameterIds;
    QHash<QString, QVector<int>> byParameter;
    QVector<bool> placed;
    QVector<bool> duplicate;

    // An item's parameters are the ","-separated ids of n_idAttributes, in this order.
    OldFormatLinkedItems(const QDomElement &n_list, const QStringList &n_idAttributes)
        : elements(listChildren(n_list))
    {
        for (int i = 0; i < elements.size(); ++i) {
            QStringList ids;
            for (const QString &attribute : n_idAttributes)
                ids += splitIds(elements.at(i), attribute);
            parameterIds.append(ids);
            ids.removeDuplicates();
            for (const QString &id : qAsConst(ids))
                byParameter[id].append(i);
        }
        placed.fill(false, elements.size());
        duplicate.fill(false, elements.size());
    }
};
} // namespace

// Everything a read needs to look up in the file, built once per file in document order, so that no
// class rescans the lists. Also holds what one read decides across classes: which class claimed a
// parameter first and which rules and constraints found their class.
struct OldFormatFileIndex
{
    QVector<QDomElement> classes;
    QVector<QDomElement> parameters;
    OldFormatLinkedItems rules;
    OldFormatLinkedItems constraints;
    QHash<QString, int> classById;
    QHash<QString, QVector<int>> classesByLevelUid;
    QHash<QString, QVector<int>> parametersById;
    QHash<QString, QString> parameterOwner;
    // Ids of the classes read so far: a second class of the same id would be read again with its
    // whole subtree, and the copies multiply at every level below.
    QSet<QString> classesRead;

    explicit OldFormatFileIndex(QDomElement &n_root)
        : classes(listChildren(ClassXMLSerializerOld::getNodesByTagsNames(
            n_root, ClassXMLSerializerOld::TAG_NAME_CLASSES))),
          parameters(listChildren(ClassXMLSerializerOld::getNodesByTagsNames(
              n_root, ClassXMLSerializerOld::TAG_NAME_PARAMETERS))),
          rules(ClassXMLSerializerOld::getNodesByTagsNames(n_root,
                                                           ClassXMLSerializerOld::TAG_NAME_RULES),
                {ClassXMLSerializerOld::ATTRIBUTE_NAME_RULE_INIT_ID,
                 ClassXMLSerializerOld::ATTRIBUTE_NAME_RULE_RESULT_ID}),
          constraints(ClassXMLSerializerOld::getNodesByTagsNames(
                          n_root, ClassXMLSerializerOld::TAG_NAME_CONSTRAINTS),
                      {ClassXMLSerializerOld::ATTRIBUTE_NAME_RULE_INIT_ID})
    {

        for (int i = 0; i < classes.size(); ++i) {
            const QDomElement &element = classes.at(i);
            const QString id = element.attribute(ISerializerObject::ATTRIBUTE_NAME_ID);
            if (!classById.contains(id))
                classById.insert(id, i);
            classesByLevelUid[element.attribute(
                                  ClassXMLSerializerOld::ATTRIBUTE_NAME_CLASS_LEVEL_UID)]
                .append(i);
        }
        for (int i = 0; i < parameters.size(); ++i)
            parametersById[parameters.at(i).attribute(ISerializerObject::ATTRIBUTE_NAME_ID)].append(
                i);
    }
};

ClassXMLSerializerOld::ClassXMLSerializerOld(const QString &n_id, const QDomDocument &n_document)
    : m_classObject(TAG_NAME_CLASS, n_document), m_domDocument(n_document)
{
    m_classObject.addField(ISerializerObject::ATTRIBUTE_NAME_ID, n_id);
}

ClassXMLSerializerOld::~ClassXMLSerializerOld()
{
}

void ClassXMLSerializerOld::addField(const QString &n_name, const QVariant &n_value)
{
    m_classObject.addField(n_name, n_value);
}

void ClassXMLSerializerOld::addFields(const QHash<QString, QVariant> &n_fields)
{
    XMLElementFields::addSorted(*this, n_fields);
}

QVariant ClassXMLSerializerOld::getFieldValue(const QString &n_name) const
{
    return m_classObject.getFieldValue(n_name);
}

QHash<QString, QVariant> ClassXMLSerializerOld::getFieldsHash() const
{
    return m_classObject.getFieldsHash();
}

namespace {
template<class Node, class Item>
void putById(QHash<QString, QSharedPointer<Node>> &n_map,
             const QList<QSharedPointer<Item>> &n_items)
{
    for (const QSharedPointer<Item> &item : n_items) {
        const QSharedPointer<Node> node = item.template dynamicCast<Node>();
        if (node)
            n_map.insert(node->getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString(),
                         node);
    }
}

template<class Node, class Item>
QList<QSharedPointer<Item>> valuesOf(const QHash<QString, QSharedPointer<Node>> &n_map)
{
    QList<QSharedPointer<Item>> items;
    items.reserve(n_map.size());
    for (auto it = n_map.constBegin(); it != n_map.constEnd(); ++it)
        items.append(it.value());
    return items;
}

// The node's own and subtree maps of one kind both receive the node under its id.
QString insertOwn(QHash<QString, QSharedPointer<ObjectXMLSerializer>> &n_own,
                  QHash<QString, QSharedPointer<ObjectXMLSerializer>> &n_all,
                  const QSharedPointer<ObjectXMLSerializer> &n_node)
{
    const QString id = n_node->getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString();
    n_own.insert(id, n_node);
    n_all.insert(id, n_node);
    return id;
}
template<class Node>
void unite(QHash<QString, QSharedPointer<Node>> &n_target,
           const QHash<QString, QSharedPointer<Node>> &n_source)
{
    for (auto it = n_source.constBegin(); it != n_source.constEnd(); ++it)
        n_target.insert(it.key(), it.value());
}
} // namespace

void ClassXMLSerializerOld::addOwnParameters(
    const QList<QSharedPointer<ISerializerObject>> &n_parameters)
{
    putById(m_ownParameters, n_parameters);
    putById(m_allParameters, n_parameters);
}

void ClassXMLSerializerOld::addOwnRules(const QList<QSharedPointer<ISerializerObject>> &n_rules)
{
    putById(m_ownRules, n_rules);
    putById(m_allRules, n_rules);
}

void ClassXMLSerializerOld::addOwnConstraints(
    const QList<QSharedPointer<ISerializerObject>> &n_constraints)
{
    putById(m_ownConstraints, n_constraints);
    putById(m_allConstraints, n_constraints);
}

void ClassXMLSerializerOld::addOwnClasses(const QList<QSharedPointer<ISerializerClass>> &n_classes)
{
    for (const QSharedPointer<ISerializerClass> &item : n_classes) {
        const QSharedPointer<ClassXMLSerializerOld> child =
            item.dynamicCast<ClassXMLSerializerOld>();
        if (!child)
            continue;
        const QString childId = child->id();
        m_ownClasses.insert(childId, child);
        // The subtree maps are merged as they stand (keyed by id already); the child itself counts
        // among the descendants as well.
        m_allClasses.insert(childId, child);
        unite(m_allParameters, child->m_allParameters);
        unite(m_allRules, child->m_allRules);
        unite(m_allConstraints, child->m_allConstraints);
        unite(m_allClasses, child->m_allClasses);
    }
}

QList<QSharedPointer<ISerializerObject>> ClassXMLSerializerOld::getOwnParameters() const
{
    return valuesOf<ObjectXMLSerializer, ISerializerObject>(m_ownParameters);
}

QList<QSharedPointer<ISerializerObject>> ClassXMLSerializerOld::getOwnRules() const
{
    return valuesOf<ObjectXMLSerializer, ISerializerObject>(m_ownRules);
}

QList<QSharedPointer<ISerializerObject>> ClassXMLSerializerOld::getOwnConstraints() const
{
    return valuesOf<ObjectXMLSerializer, ISerializerObject>(m_ownConstraints);
}

QList<QSharedPointer<ISerializerClass>> ClassXMLSerializerOld::getOwnClasses() const
{
    return valuesOf<ClassXMLSerializerOld, ISerializerClass>(m_ownClasses);
}

void ClassXMLSerializerOld::addAllParameters(
    const QList<QSharedPointer<ISerializerObject>> &n_parameters)
{
    putById(m_allParameters, n_parameters);
}

void ClassXMLSerializerOld::addAllRules(const QList<QSharedPointer<ISerializerObject>> &n_rules)
{
    putById(m_allRules, n_rules);
}

void ClassXMLSerializerOld::addAllConstraints(
    const QList<QSharedPointer<ISerializerObject>> &n_constraints)
{
    putById(m_allConstraints, n_constraints);
}

void ClassXMLSerializerOld::addAllClasses(const QList<QSharedPointer<ISerializerClass>> &n_classes)
{
    putById(m_allClasses, n_classes);
}

QList<QSharedPointer<ISerializerObject>> ClassXMLSerializerOld::getAllParameters() const
{
    return valuesOf<ObjectXMLSerializer, ISerializerObject>(m_allParameters);
}

QList<QSharedPointer<ISerializerObject>> ClassXMLSerializerOld::getAllRules() const
{
    return valuesOf<ObjectXMLSerializer, ISerializerObject>(m_allRules);
}

QList<QSharedPointer<ISerializerObject>> ClassXMLSerializerOld::getAllConstraints() const
{
    return valuesOf<ObjectXMLSerializer, ISerializerObject>(m_allConstraints);
}

QList<QSharedPointer<ISerializerClass>> ClassXMLSerializerOld::getAllClasses() const
{
    return valuesOf<ClassXMLSerializerOld, ISerializerClass>(m_allClasses);
}

void ClassXMLSerializerOld::loadFromFile(QFile &n_file)
{
    XMLDocumentReader::loadFromFile(m_domDocument, n_file, CLASS_NAME);
    QDomElement element = m_domDocument.firstChildElement();
    setXMLObject(element);
}

void ClassXMLSerializerOld::loadFromString(const QString &n_string)
{
    XMLDocumentReader::loadFromString(m_domDocument, n_string, CLASS_NAME);
    QDomElement element = m_domDocument.firstChildElement();
    setXMLObject(element);
}

void ClassXMLSerializerOld::saveToFile(QFile &) const
{
    qWarning("ClassXMLSerializerOld, method saveToFile - нет реализации");
}

QString ClassXMLSerializerOld::saveToString() const
{
    qWarning("ClassXMLSerializerOld, method saveToString - нет реализации");
    return QString();
}

QSharedPointer<ISerializerObject> ClassXMLSerializerOld::getParameterPrototype() const
{
    return QSharedPointer<ObjectXMLSerializer>::create(TAG_NAME_PARAMETER, m_domDocument);
}

QSharedPointer<ISerializerObject> ClassXMLSerializerOld::getRulePrototype() const
{
    return QSharedPointer<ObjectXmlSerializerOld>::create(TAG_NAME_RULE, m_domDocument);
}

QSharedPointer<ISerializerObject> ClassXMLSerializerOld::getConstraintPrototype() const
{
    return QSharedPointer<ObjectXmlSerializerOld>::create(TAG_NAME_CONSTRAINT, m_domDocument);
}

QSharedPointer<ISerializerClass> ClassXMLSerializerOld::getClassPrototype() const
{
    return QSharedPointer<ClassXMLSerializerOld>::create(ISerializerObject::ATTRIBUTE_NAME_ID,
                                                         m_domDocument);
}

QDomElement ClassXMLSerializerOld::getXMLObject() const
{
    qWarning("ClassXMLSerializerOld, method getXMLObject - нет реализации");
    return QDomElement();
}

QDomElement ClassXMLSerializerOld::getNodesByTagsNames(QDomElement &n_domElement,
                                                       const QString &n_tagName)
{
    const QDomNodeList found = n_domElement.elementsByTagName(n_tagName);
    if (found.isEmpty())
        return QDomElement();
    return found.at(0).toElement();
}

void ClassXMLSerializerOld::setRelations(
    const QList<QSharedPointer<ISerializerObject>> &n_relations)
{
    m_relations.clear();
    for (const QSharedPointer<ISerializerObject> &relation : n_relations)
        m_relations.insert(relation->getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString(),
                           relation);
}

QString ClassXMLSerializerOld::id() const
{
    return m_classObject.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString();
}

void ClassXMLSerializerOld::setXMLObject(QDomElement &n_domElement)
{
    const QSharedPointer<OldFormatFileIndex> index = QSharedPointer<OldFormatFileIndex>::create(
        n_domElement);
    m_domElement = n_domElement;
    QSet<QString> path;
    path.insert(id());
    index->classesRead.insert(id());
    readTree(index, path, 0);
    if (id() == ROOT_ID)
        reportUnplaced(*index);
    m_pendingRules.clear();
    m_pendingConstraints.clear();
}

void ClassXMLSerializerOld::readTree(const QSharedPointer<OldFormatFileIndex> &n_index,
                                     QSet<QString> &n_path, int n_depth)
{
    m_index = n_index;
    const QString nodeId = id();

    // Own element and the parameters it lists.
    const auto own = m_index->classById.constFind(nodeId);
    if (own != m_index->classById.constEnd()) {
        QDomElement element = m_index->classes.at(own.value());
        m_classObject.setXMLObject(element);
        addChildsParameters(element.attribute(ATTRIBUTE_NAME_CLASS_CHILDS)
                                .split(CHILDS_SEPARATOR, Qt::KeepEmptyParts));
    }

    // Subclasses, each with its whole subtree before the next one.
    QList<QSharedPointer<ISerializerClass>> subclasses;
    const QVector<int> childIndexes = m_index->classesByLevelUid.value(nodeId);
    for (int childIndex : childIndexes) {
        const QString childId =
            m_index->classes.at(childIndex).attribute(ISerializerObject::ATTRIBUTE_NAME_ID);
        if (n_path.contains(childId))
            refuseTree(QStringLiteral("ClassXMLSerializerOld: the class \"%1\" is its own ancestor "
                                      "through \"levelUID\"")
                           .arg(childId));
        if (m_index->classesRead.contains(childId))
            refuseTree(
                QStringLiteral("ClassXMLSerializerOld: more than one class has the id \"%1\"")
                    .arg(childId));
        m_index->classesRead.insert(childId);
        if (n_depth + 1 > MAX_CLASS_DEPTH)
            refuseTree(QStringLiteral(
                           "ClassXMLSerializerOld: the classes are nested deeper than %1 levels; "
                           "the document is refused")
                           .arg(MAX_CLASS_DEPTH));
        const QSharedPointer<ClassXMLSerializerOld> child =
            QSharedPointer<ClassXMLSerializerOld>::create(childId, m_domDocument);
        child->m_relations = m_relations;
        child->m_domElement = m_domElement;
        n_path.insert(childId);
        child->readTree(m_index, n_path, n_depth + 1);
        n_path.remove(childId);
        subclasses.append(child);
    }
    addOwnClasses(subclasses);
    // What the subclasses could not place comes up to be tried here.
    for (const QSharedPointer<ISerializerClass> &item : qAsConst(subclasses)) {
        const QSharedPointer<ClassXMLSerializerOld> child =
            item.staticCast<ClassXMLSerializerOld>();
        m_pendingRules += child->m_pendingRules;
        m_pendingConstraints += child->m_pendingConstraints;
        child->m_pendingRules.clear();
        child->m_pendingConstraints.clear();
        child->m_index.reset();
    }

    if (nodeId == ROOT_ID)
        readRootParameters();
    readInternalRules();
    readInternalConstraints();
    m_index.reset();
}

void ClassXMLSerializerOld::addChildsParameters(const QStringList &n_ids)
{
    for (const QString &parameterId : n_ids) {
        if (parameterId.contains(PARAMETER_MARK))
            addChildParameter(parameterId);
    }
}

void ClassXMLSerializerOld::addChildParameter(const QString &n_id)
{
    // One parameter belongs to one class: the first class read that lists it keeps it.
    const QString nodeId = id();
    const auto owner = m_index->parameterOwner.constFind(n_id);
    if (owner != m_index->parameterOwner.constEnd() && owner.value() != nodeId) {
        warn(QStringLiteral("ClassXMLSerializerOld: the parameter \"%1\" is listed in the classes "
                            "\"%2\" and \"%3\"; "
                            "it stays in \"%2\"")
                 .arg(n_id, owner.value(), nodeId));
        return;
    }
    const QVector<int> matches = m_index->parametersById.value(n_id);
    if (matches.isEmpty())
        return;
    m_index->parameterOwner.insert(n_id, nodeId);
    for (int match : matches) {
        QDomElement element = m_index->parameters.at(match);
        addChildParameter(element);
    }
}

void ClassXMLSerializerOld::addChildParameter(QDomElement &n_element)
{
    const QSharedPointer<ObjectXMLSerializer> parameter =
        QSharedPointer<ObjectXMLSerializer>::create(TAG_NAME_PARAMETER, m_domDocument);
    parameter->setXMLObject(n_element);
    const QString parameterId = insertOwn(m_ownParameters, m_allParameters, parameter);

    // The rules and constraints that use it may now find their class here or above.
    m_pendingRules += m_index->rules.byParameter.value(parameterId).toList();
    m_pendingConstraints += m_index->constraints.byParameter.value(parameterId).toList();
}

void ClassXMLSerializerOld::readRootParameters()
{
    for (int i = 0; i < m_index->parameters.size(); ++i) {
        QDomElement element = m_index->parameters.at(i);
        if (!m_allParameters.contains(element.attribute(ISerializerObject::ATTRIBUTE_NAME_ID)))
            addChildParameter(element);
    }
}

namespace {
// Places each pending item, in document order and each once (the order in which a scan of the
// whole list would meet them), whose parameters all lie in n_parameters and whose id is not placed
// in this subtree yet (n_placedHere); the others stay pending for the classes above.
template<class AddChild>
void placePending(QList<int> &n_pending, OldFormatLinkedItems &n_items,
                  const QHash<QString, QSharedPointer<ObjectXMLSerializer>> &n_parameters,
                  const QHash<QString, QSharedPointer<ObjectXMLSerializer>> &n_placedHere,
                  AddChild n_addChild)
{
    std::sort(n_pending.begin(), n_pending.end());
    n_pending.erase(std::unique(n_pending.begin(), n_pending.end()), n_pending.end());
    QList<int> stillPending;
    for (int item : qAsConst(n_pending)) {
        const QStringList &ids = n_items.parameterIds.at(item);
        const bool allHere = std::all_of(
            ids.cbegin(), ids.cend(),
            [&n_parameters](const QString &n_id) { return n_parameters.contains(n_id); });
        if (!allHere) {
            stillPending.append(item);
            continue;
        }
        QDomElement element = n_items.elements.at(item);
        if (n_placedHere.contains(element.attribute(ISerializerObject::ATTRIBUTE_NAME_ID))) {
            n_items.duplicate[item] = true;
            continue;
        }
        n_addChild(element);
        n_items.placed[item] = true;
    }
    n_pending = stillPending;
}

// Whatever is not placed now would be lost by the first save; say so, element by element.
void warnUnplaced(const OldFormatLinkedItems &n_items, const QString &n_kind)
{
    for (int i = 0; i < n_items.elements.size(); ++i) {
        if (n_items.placed.at(i))
            continue;
        const QString id = n_items.elements.at(i).attribute(ISerializerObject::ATTRIBUTE_NAME_ID);
        warn(n_items.duplicate.at(i)
                 ? QStringLiteral("ClassXMLSerializerOld: the %1 \"%2\" repeats the id of another "
                                  "%1 and is not read")
                       .arg(n_kind, id)
                 : QStringLiteral("ClassXMLSerializerOld: the %1 \"%2\" names parameters that no "
                                  "class holds and is not read")
                       .arg(n_kind, id));
    }
}
} // namespace

void ClassXMLSerializerOld::readInternalRules()
{
    placePending(m_pendingRules, m_index->rules, m_allParameters, m_allRules,
                 [this](QDomElement &n_element) { addChildRule(n_element); });
}

void ClassXMLSerializerOld::readInternalConstraints()
{
    placePending(m_pendingConstraints, m_index->constraints, m_allParameters, m_allConstraints,
                 [this](QDomElement &n_element) { addChildConstraint(n_element); });
}

QSharedPointer<ISerializerObject> ClassXMLSerializerOld::relationFor(
    const QDomElement &n_element, const QString &n_methodName) const
{
    const QString relationId = n_element.attribute(ObjectXmlSerializerOld::ATTRIBUTE_NAME_RELATION);
    const auto found = m_relations.constFind(relationId);
    if (relationId.isEmpty() || found == m_relations.constEnd())
        throw NoElementExceptionOstra(relationId, CLASS_NAME, n_methodName,
                                      QSharedPointer<ExceptionOstra>());
    return found.value();
}

QSharedPointer<ObjectXmlSerializerOld> ClassXMLSerializerOld::linkedNode(
    const QString &n_tagName, QDomElement &n_element, const QString &n_methodName,
    bool n_withOutputs) const
{
    const QSharedPointer<ObjectXmlSerializerOld> node =
        QSharedPointer<ObjectXmlSerializerOld>::create(n_tagName, m_domDocument);
    node->setXMLObject(n_element);
    const QSharedPointer<ISerializerObject> relation = relationFor(n_element, n_methodName);
    node->setInputRelationNames(
        relation->getFieldValue(ObjectXmlSerializerOld::ATTRIBUTE_NAME_IN_OBJECT).toString());
    if (n_withOutputs)
        node->setOutputRelationNames(
            relation->getFieldValue(ObjectXmlSerializerOld::ATTRIBUTE_NAME_OUT_OBJECT).toString());
    return node;
}

void ClassXMLSerializerOld::addChildRule(QDomElement &n_element)
{
    insertOwn(m_ownRules, m_allRules,
              linkedNode(TAG_NAME_RULE, n_element,
                         QStringLiteral("addChildRule(QDomElement &n_element)"), true));
}

void ClassXMLSerializerOld::addChildConstraint(QDomElement &n_element)
{
    insertOwn(m_ownConstraints, m_allConstraints,
              linkedNode(TAG_NAME_CONSTRAINT, n_element,
                         QStringLiteral("addChildConstraint(QDomElement &n_element)"), false));
}

void ClassXMLSerializerOld::reportUnplaced(const OldFormatFileIndex &n_index) const
{
    warnUnplaced(n_index.rules, QStringLiteral("rule"));
    warnUnplaced(n_index.constraints, QStringLiteral("constraint"));
}
