#include "serialization/ClassXMLSerializerOld.h"

#include <QDomNodeList>
#include <QStringList>
#include <QVector>

#include <algorithm>

#include "errors/FileCantOpenExceptionOstra.h"
#include "errors/FileNotExistExceptionOstra.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/NoElementExceptionOstra.h"
#include "serialization/ObjectXmlSerializerOld.h"
#include "serialization/XMLDocumentReader.h"

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
} // namespace

const int ClassXMLSerializerOld::MAX_CLASS_DEPTH = (XMLDocumentReader::MAX_NESTING_DEPTH - 4) / 2;

// Everything a read needs to look up in the file, built once per file in document order, so that no
// class rescans the lists. Also holds what one read decides across classes: which class claimed a
// parameter first and which rules and constraints found their class.
struct OldFormatFileIndex
{
    QVector<QDomElement> classes;
    QVector<QDomElement> parameters;
    QVector<QDomElement> rules;
    QVector<QDomElement> constraints;
    QHash<QString, int> classById;
    QHash<QString, QVector<int> > classesByLevelUid;
    QHash<QString, QVector<int> > parametersById;
    QVector<QStringList> ruleParameterIds;
    QVector<QStringList> constraintParameterIds;
    QHash<QString, QVector<int> > rulesByParameter;
    QHash<QString, QVector<int> > constraintsByParameter;
    QHash<QString, QString> parameterOwner;
    QVector<bool> rulePlaced;
    QVector<bool> constraintPlaced;
    QVector<bool> ruleDuplicate;
    QVector<bool> constraintDuplicate;

    explicit OldFormatFileIndex(QDomElement &n_root)
    {
        classes = listChildren(ClassXMLSerializerOld::getNodesByTagsNames(n_root, ClassXMLSerializerOld::TAG_NAME_CLASSES));
        parameters = listChildren(ClassXMLSerializerOld::getNodesByTagsNames(n_root, ClassXMLSerializerOld::TAG_NAME_PARAMETERS));
        rules = listChildren(ClassXMLSerializerOld::getNodesByTagsNames(n_root, ClassXMLSerializerOld::TAG_NAME_RULES));
        constraints = listChildren(ClassXMLSerializerOld::getNodesByTagsNames(n_root, ClassXMLSerializerOld::TAG_NAME_CONSTRAINTS));

        for (int i = 0; i < classes.size(); ++i) {
            const QDomElement &element = classes.at(i);
            const QString id = element.attribute(ISerializerObject::ATTRIBUTE_NAME_ID);
            if (!classById.contains(id))
                classById.insert(id, i);
            classesByLevelUid[element.attribute(ClassXMLSerializerOld::ATTRIBUTE_NAME_CLASS_LEVEL_UID)].append(i);
        }
        for (int i = 0; i < parameters.size(); ++i)
            parametersById[parameters.at(i).attribute(ISerializerObject::ATTRIBUTE_NAME_ID)].append(i);

        for (int i = 0; i < rules.size(); ++i) {
            QStringList ids = splitIds(rules.at(i), ClassXMLSerializerOld::ATTRIBUTE_NAME_RULE_INIT_ID);
            ids += splitIds(rules.at(i), ClassXMLSerializerOld::ATTRIBUTE_NAME_RULE_RESULT_ID);
            ruleParameterIds.append(ids);
            indexByParameter(rulesByParameter, ids, i);
        }
        for (int i = 0; i < constraints.size(); ++i) {
            const QStringList ids = splitIds(constraints.at(i), ClassXMLSerializerOld::ATTRIBUTE_NAME_RULE_INIT_ID);
            constraintParameterIds.append(ids);
            indexByParameter(constraintsByParameter, ids, i);
        }
        rulePlaced.fill(false, rules.size());
        ruleDuplicate.fill(false, rules.size());
        constraintPlaced.fill(false, constraints.size());
        constraintDuplicate.fill(false, constraints.size());
    }

    static void indexByParameter(QHash<QString, QVector<int> > &n_index, QStringList n_ids, int n_item)
    {
        n_ids.removeDuplicates();
        for (const QString &id : qAsConst(n_ids))
            n_index[id].append(n_item);
    }
};

ClassXMLSerializerOld::ClassXMLSerializerOld(const QString &n_id, const QDomDocument &n_document)
    : m_classObject(TAG_NAME_CLASS, n_document), m_domDocument(n_document)
{
    m_classObject.addField(ISerializerObject::ATTRIBUTE_NAME_ID, n_id);
}

ClassXMLSerializerOld::~ClassXMLSerializerOld() {}

void ClassXMLSerializerOld::addField(const QString &n_name, const QVariant &n_value)
{
    m_classObject.addField(n_name, n_value);
}

void ClassXMLSerializerOld::addFields(const QHash<QString, QVariant> &n_fields)
{
    QStringList names = n_fields.keys();
    names.sort(Qt::CaseInsensitive);
    for (const QString &name : qAsConst(names))
        addField(name, n_fields.value(name));
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
void putById(QHash<QString, QSharedPointer<Node> > &n_map, const QList<QSharedPointer<Item> > &n_items)
{
    for (const QSharedPointer<Item> &item : n_items) {
        const QSharedPointer<Node> node = item.template dynamicCast<Node>();
        if (node)
            n_map.insert(node->getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString(), node);
    }
}

template<class Node, class Item>
QList<QSharedPointer<Item> > valuesOf(const QHash<QString, QSharedPointer<Node> > &n_map)
{
    QList<QSharedPointer<Item> > items;
    items.reserve(n_map.size());
    for (auto it = n_map.constBegin(); it != n_map.constEnd(); ++it)
        items.append(it.value());
    return items;
}

template<class Node>
void unite(QHash<QString, QSharedPointer<Node> > &n_target, const QHash<QString, QSharedPointer<Node> > &n_source)
{
    for (auto it = n_source.constBegin(); it != n_source.constEnd(); ++it)
        n_target.insert(it.key(), it.value());
}
} // namespace

void ClassXMLSerializerOld::addOwnParameters(const QList<QSharedPointer<ISerializerObject> > &n_parameters)
{
    putById(m_ownParameters, n_parameters);
    putById(m_allParameters, n_parameters);
}

void ClassXMLSerializerOld::addOwnRules(const QList<QSharedPointer<ISerializerObject> > &n_rules)
{
    putById(m_ownRules, n_rules);
    putById(m_allRules, n_rules);
}

void ClassXMLSerializerOld::addOwnConstraints(const QList<QSharedPointer<ISerializerObject> > &n_constraints)
{
    putById(m_ownConstraints, n_constraints);
    putById(m_allConstraints, n_constraints);
}

void ClassXMLSerializerOld::addOwnClasses(const QList<QSharedPointer<ISerializerClass> > &n_classes)
{
    for (const QSharedPointer<ISerializerClass> &item : n_classes) {
        const QSharedPointer<ClassXMLSerializerOld> child = item.dynamicCast<ClassXMLSerializerOld>();
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

QList<QSharedPointer<ISerializerObject> > ClassXMLSerializerOld::getOwnParameters() const
{
    return valuesOf<ObjectXMLSerializer, ISerializerObject>(m_ownParameters);
}

QList<QSharedPointer<ISerializerObject> > ClassXMLSerializerOld::getOwnRules() const
{
    return valuesOf<ObjectXMLSerializer, ISerializerObject>(m_ownRules);
}

QList<QSharedPointer<ISerializerObject> > ClassXMLSerializerOld::getOwnConstraints() const
{
    return valuesOf<ObjectXMLSerializer, ISerializerObject>(m_ownConstraints);
}

QList<QSharedPointer<ISerializerClass> > ClassXMLSerializerOld::getOwnClasses() const
{
    return valuesOf<ClassXMLSerializerOld, ISerializerClass>(m_ownClasses);
}

void ClassXMLSerializerOld::addAllParameters(const QList<QSharedPointer<ISerializerObject> > &n_parameters)
{
    putById(m_allParameters, n_parameters);
}

void ClassXMLSerializerOld::addAllRules(const QList<QSharedPointer<ISerializerObject> > &n_rules)
{
    putById(m_allRules, n_rules);
}

void ClassXMLSerializerOld::addAllConstraints(const QList<QSharedPointer<ISerializerObject> > &n_constraints)
{
    putById(m_allConstraints, n_constraints);
}

void ClassXMLSerializerOld::addAllClasses(const QList<QSharedPointer<ISerializerClass> > &n_classes)
{
    putById(m_allClasses, n_classes);
}

QList<QSharedPointer<ISerializerObject> > ClassXMLSerializerOld::getAllParameters() const
{
    return valuesOf<ObjectXMLSerializer, ISerializerObject>(m_allParameters);
}

QList<QSharedPointer<ISerializerObject> > ClassXMLSerializerOld::getAllRules() const
{
    return valuesOf<ObjectXMLSerializer, ISerializerObject>(m_allRules);
}

QList<QSharedPointer<ISerializerObject> > ClassXMLSerializerOld::getAllConstraints() const
{
    return valuesOf<ObjectXMLSerializer, ISerializerObject>(m_allConstraints);
}

QList<QSharedPointer<ISerializerClass> > ClassXMLSerializerOld::getAllClasses() const
{
    return valuesOf<ClassXMLSerializerOld, ISerializerClass>(m_allClasses);
}

void ClassXMLSerializerOld::loadFromFile(QFile &n_file)
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

void ClassXMLSerializerOld::loadFromString(const QString &n_string)
{
    XMLDocumentReader::setContent(m_domDocument, n_string, CLASS_NAME,
                                  QStringLiteral("loadFromString(const QString &n_string)"));
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
    return QSharedPointer<ClassXMLSerializerOld>::create(ISerializerObject::ATTRIBUTE_NAME_ID, m_domDocument);
}

QDomElement ClassXMLSerializerOld::getXMLObject() const
{
    qWarning("ClassXMLSerializerOld, method getXMLObject - нет реализации");
    return QDomElement();
}

QDomElement ClassXMLSerializerOld::getNodesByTagsNames(QDomElement &n_domElement, const QString &n_tagName)
{
    const QDomNodeList found = n_domElement.elementsByTagName(n_tagName);
    if (found.isEmpty())
        return QDomElement();
    return found.at(0).toElement();
}

void ClassXMLSerializerOld::setRelations(const QList<QSharedPointer<ISerializerObject> > &n_relations)
{
    m_relations.clear();
    for (const QSharedPointer<ISerializerObject> &relation : n_relations)
        m_relations.insert(relation->getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString(), relation);
}

QString ClassXMLSerializerOld::id() const
{
    return m_classObject.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString();
}

void ClassXMLSerializerOld::setXMLObject(QDomElement &n_domElement)
{
    const QSharedPointer<OldFormatFileIndex> index = QSharedPointer<OldFormatFileIndex>::create(n_domElement);
    m_domElement = n_domElement;
    QSet<QString> path;
    path.insert(id());
    readTree(index, path, 0);
    if (id() == ROOT_ID)
        reportUnplaced(*index);
    m_pendingRules.clear();
    m_pendingConstraints.clear();
}

void ClassXMLSerializerOld::readTree(const QSharedPointer<OldFormatFileIndex> &n_index, QSet<QString> &n_path,
                                     int n_depth)
{
    m_index = n_index;
    const QString nodeId = id();

    // Own element and the parameters it lists.
    const auto own = m_index->classById.constFind(nodeId);
    if (own != m_index->classById.constEnd()) {
        QDomElement element = m_index->classes.at(own.value());
        m_classObject.setXMLObject(element);
        addChildsParameters(element.attribute(ATTRIBUTE_NAME_CLASS_CHILDS).split(CHILDS_SEPARATOR, Qt::KeepEmptyParts));
    }

    // Subclasses, each with its whole subtree before the next one.
    QList<QSharedPointer<ISerializerClass> > subclasses;
    const QVector<int> childIndexes = m_index->classesByLevelUid.value(nodeId);
    for (int childIndex : childIndexes) {
        const QString childId = m_index->classes.at(childIndex).attribute(ISerializerObject::ATTRIBUTE_NAME_ID);
        if (n_path.contains(childId)) {
            warn(QStringLiteral("ClassXMLSerializerOld: the class \"%1\" is its own ancestor through \"levelUID\"")
                     .arg(childId));
            throw InconsistencyDataExceptionOstra(CLASS_NAME, SET_XML_OBJECT_METHOD, QSharedPointer<ExceptionOstra>());
        }
        if (n_depth + 1 > MAX_CLASS_DEPTH) {
            warn(QStringLiteral("ClassXMLSerializerOld: the classes are nested deeper than %1 levels")
                     .arg(MAX_CLASS_DEPTH));
            throw InconsistencyDataExceptionOstra(CLASS_NAME, SET_XML_OBJECT_METHOD, QSharedPointer<ExceptionOstra>());
        }
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
        const QSharedPointer<ClassXMLSerializerOld> child = item.staticCast<ClassXMLSerializerOld>();
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
        warn(QStringLiteral("ClassXMLSerializerOld: the parameter \"%1\" is listed in the classes \"%2\" and \"%3\"; "
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
    const QString parameterId = parameter->getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString();
    m_ownParameters.insert(parameterId, parameter);
    m_allParameters.insert(parameterId, parameter);

    // The rules and constraints that use it may now find their class here or above.
    m_pendingRules += m_index->rulesByParameter.value(parameterId).toList();
    m_pendingConstraints += m_index->constraintsByParameter.value(parameterId).toList();
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
// Document order, each once: the order in which a scan of the whole list would meet them.
void sortPending(QList<int> &n_pending)
{
    std::sort(n_pending.begin(), n_pending.end());
    n_pending.erase(std::unique(n_pending.begin(), n_pending.end()), n_pending.end());
}
} // namespace

void ClassXMLSerializerOld::readInternalRules()
{
    sortPending(m_pendingRules);
    QList<int> stillPending;
    for (int ruleIndex : qAsConst(m_pendingRules)) {
        const QStringList &ids = m_index->ruleParameterIds.at(ruleIndex);
        const bool allHere = std::all_of(ids.cbegin(), ids.cend(),
                                         [this](const QString &n_id) { return m_allParameters.contains(n_id); });
        if (!allHere) {
            stillPending.append(ruleIndex);
            continue;
        }
        QDomElement element = m_index->rules.at(ruleIndex);
        if (m_allRules.contains(element.attribute(ISerializerObject::ATTRIBUTE_NAME_ID))) {
            m_index->ruleDuplicate[ruleIndex] = true;
            continue;
        }
        addChildRule(element);
        m_index->rulePlaced[ruleIndex] = true;
    }
    m_pendingRules = stillPending;
}

void ClassXMLSerializerOld::readInternalConstraints()
{
    sortPending(m_pendingConstraints);
    QList<int> stillPending;
    for (int constraintIndex : qAsConst(m_pendingConstraints)) {
        const QStringList &ids = m_index->constraintParameterIds.at(constraintIndex);
        const bool allHere = std::all_of(ids.cbegin(), ids.cend(),
                                         [this](const QString &n_id) { return m_allParameters.contains(n_id); });
        if (!allHere) {
            stillPending.append(constraintIndex);
            continue;
        }
        QDomElement element = m_index->constraints.at(constraintIndex);
        if (m_allConstraints.contains(element.attribute(ISerializerObject::ATTRIBUTE_NAME_ID))) {
            m_index->constraintDuplicate[constraintIndex] = true;
            continue;
        }
        addChildConstraint(element);
        m_index->constraintPlaced[constraintIndex] = true;
    }
    m_pendingConstraints = stillPending;
}

QSharedPointer<ISerializerObject> ClassXMLSerializerOld::relationFor(const QDomElement &n_element,
                                                                      const QString &n_methodName) const
{
    const QString relationId = n_element.attribute(ObjectXmlSerializerOld::ATTRIBUTE_NAME_RELATION);
    const auto found = m_relations.constFind(relationId);
    if (relationId.isEmpty() || found == m_relations.constEnd())
        throw NoElementExceptionOstra(relationId, CLASS_NAME, n_methodName, QSharedPointer<ExceptionOstra>());
    return found.value();
}

void ClassXMLSerializerOld::addChildRule(QDomElement &n_element)
{
    const QSharedPointer<ObjectXmlSerializerOld> rule =
        QSharedPointer<ObjectXmlSerializerOld>::create(TAG_NAME_RULE, m_domDocument);
    rule->setXMLObject(n_element);
    const QSharedPointer<ISerializerObject> relation =
        relationFor(n_element, QStringLiteral("addChildRule(QDomElement &n_element)"));
    rule->setInputRelationNames(relation->getFieldValue(ObjectXmlSerializerOld::ATTRIBUTE_NAME_IN_OBJECT).toString());
    rule->setOutputRelationNames(relation->getFieldValue(ObjectXmlSerializerOld::ATTRIBUTE_NAME_OUT_OBJECT).toString());
    const QString ruleId = rule->getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString();
    m_ownRules.insert(ruleId, rule);
    m_allRules.insert(ruleId, rule);
}

void ClassXMLSerializerOld::addChildConstraint(QDomElement &n_element)
{
    const QSharedPointer<ObjectXmlSerializerOld> constraint =
        QSharedPointer<ObjectXmlSerializerOld>::create(TAG_NAME_CONSTRAINT, m_domDocument);
    constraint->setXMLObject(n_element);
    const QSharedPointer<ISerializerObject> relation =
        relationFor(n_element, QStringLiteral("addChildConstraint(QDomElement &n_element)"));
    constraint->setInputRelationNames(relation->getFieldValue(ObjectXmlSerializerOld::ATTRIBUTE_NAME_IN_OBJECT).toString());
    const QString constraintId = constraint->getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString();
    m_ownConstraints.insert(constraintId, constraint);
    m_allConstraints.insert(constraintId, constraint);
}

void ClassXMLSerializerOld::reportUnplaced(const OldFormatFileIndex &n_index) const
{
    // Whatever is not placed now would be lost by the first save; say so, element by element.
    for (int i = 0; i < n_index.rules.size(); ++i) {
        if (n_index.rulePlaced.at(i))
            continue;
        const QString ruleId = n_index.rules.at(i).attribute(ISerializerObject::ATTRIBUTE_NAME_ID);
        warn(n_index.ruleDuplicate.at(i)
                 ? QStringLiteral("ClassXMLSerializerOld: the rule \"%1\" repeats the id of another rule and is not read").arg(ruleId)
                 : QStringLiteral("ClassXMLSerializerOld: the rule \"%1\" names parameters that no class holds and is not read").arg(ruleId));
    }
    for (int i = 0; i < n_index.constraints.size(); ++i) {
        if (n_index.constraintPlaced.at(i))
            continue;
        const QString constraintId = n_index.constraints.at(i).attribute(ISerializerObject::ATTRIBUTE_NAME_ID);
        warn(n_index.constraintDuplicate.at(i)
                 ? QStringLiteral("ClassXMLSerializerOld: the constraint \"%1\" repeats the id of another constraint and is not read").arg(constraintId)
                 : QStringLiteral("ClassXMLSerializerOld: the constraint \"%1\" names parameters that no class holds and is not read").arg(constraintId));
    }
}
