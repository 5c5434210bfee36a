// Reading the older model format: item translation, class placement, the model node and its faults.

#include <QDir>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include "errors/FileCantOpenExceptionOstra.h"
#include "errors/FileNotExistExceptionOstra.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/NoElementExceptionOstra.h"
#include "errors/NoRequiredTag.h"
#include "errors/NotEnoughDataExceptionOstra.h"
#include "errors/XMLParseExceptionOstra.h"
#include "model/ModelManager.h"
#include "serialization/ISerializebleObject.h"
#include "serialization/ClassXMLSerializerOld.h"
#include "serialization/ModelXMLSerializerOld.h"
#include "serialization/ObjectXmlSerializerOld.h"
#include "serialization/XMLDocumentReader.h"

namespace {

class WarningCatcher
{
public:
    WarningCatcher()
    {
        s_messages.clear();
        m_previous = qInstallMessageHandler(&WarningCatcher::handler);
    }
    ~WarningCatcher() { qInstallMessageHandler(m_previous); }
    QStringList messages() const { return s_messages; }
    bool any(const QString &n_part) const
    {
        for (const QString &message : s_messages)
            if (message.contains(n_part))
                return true;
        return false;
    }

private:
    static void handler(QtMsgType n_type, const QMessageLogContext &, const QString &n_message)
    {
        if (n_type == QtWarningMsg)
            s_messages.append(n_message);
    }
    static QStringList s_messages;
    QtMessageHandler m_previous;
};
QStringList WarningCatcher::s_messages;

QString dataFile(const QString &n_name)
{
    return QStringLiteral(TEST_DATA_DIR) + QLatin1Char('/') + n_name;
}

QString idOf(const QSharedPointer<ISerializerObject> &n_node)
{
    return n_node->getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString();
}

template<class Node>
QSet<QString> idSet(const QList<QSharedPointer<Node> > &n_nodes)
{
    QSet<QString> ids;
    for (const auto &node : n_nodes)
        ids.insert(idOf(node));
    return ids;
}

QSet<QString> set(const QString &n_ids)
{
    if (n_ids.isEmpty())
        return {};
    const QStringList parts = n_ids.split(QLatin1Char(' '));
    return QSet<QString>(parts.begin(), parts.end());
}

// What one class node answers, by class id, for the whole tree below (and including) n_class.
struct ClassView
{
    QSet<QString> parameters, rules, constraints, classes;
    bool operator==(const ClassView &n_other) const
    {
        return parameters == n_other.parameters && rules == n_other.rules && constraints == n_other.constraints
               && classes == n_other.classes;
    }
};

void collect(const QSharedPointer<ISerializerClass> &n_class, QHash<QString, ClassView> &n_views)
{
    ClassView view;
    view.parameters = idSet(n_class->getOwnParameters());
    view.rules = idSet(n_class->getOwnRules());
    view.constraints = idSet(n_class->getOwnConstraints());
    view.classes = idSet(n_class->getOwnClasses());
    n_views.insert(idOf(n_class), view);
    for (const auto &child : n_class->getOwnClasses())
        collect(child, n_views);
}

QHash<QString, ClassView> treeOf(const QSharedPointer<ISerializerClass> &n_root)
{
    QHash<QString, ClassView> views;
    collect(n_root, views);
    return views;
}

ClassView view(const QString &n_parameters, const QString &n_rules, const QString &n_constraints,
               const QString &n_classes)
{
    return ClassView{set(n_parameters), set(n_rules), set(n_constraints), set(n_classes)};
}

QString describe(const QHash<QString, ClassView> &n_views)
{
    QStringList lines;
    for (auto it = n_views.constBegin(); it != n_views.constEnd(); ++it) {
        auto join = [](const QSet<QString> &n_set) {
            QStringList list(n_set.begin(), n_set.end());
            list.sort();
            return list.join(QLatin1Char(' '));
        };
        lines.append(QStringLiteral("%1: p[%2] r[%3] c[%4] k[%5]")
                         .arg(it.key(), join(it.value().parameters), join(it.value().rules),
                              join(it.value().constraints), join(it.value().classes)));
    }
    lines.sort();
    return lines.join(QLatin1Char('\n'));
}

QSharedPointer<ObjectXMLSerializer> findItem(const QList<QSharedPointer<ISerializerObject> > &n_items,
                                             const QString &n_id)
{
    for (const auto &item : n_items)
        if (idOf(item) == n_id)
            return item.dynamicCast<ObjectXMLSerializer>();
    return {};
}

QSharedPointer<ISerializerClass> findClass(const QSharedPointer<ISerializerClass> &n_root, const QString &n_id)
{
    if (idOf(n_root) == n_id)
        return n_root;
    for (const auto &child : n_root->getOwnClasses())
        if (auto found = findClass(child, n_id))
            return found;
    return {};
}

// An older file around the given lists; a relation "rel" with one input and one output, unless
// the caller gives its own relations.
QString oldFile(const QString &n_classes, const QString &n_parameters, const QString &n_rules,
                const QString &n_constraints = QString(), const QString &n_relations = QString())
{
    const QString relations = n_relations.isNull()
        ? QStringLiteral("<relation id=\"rel\" relationType=\"simple\" inObj=\"x\" inputTypes=\"double\" "
                         "outObj=\"y\" outputTypes=\"double\">y = x;</relation>")
        : n_relations;
    return QStringLiteral("<root><classes>%1</classes><parameters>%2</parameters><rules>%3</rules>"
                          "<constraints>%4</constraints><relations>%5</relations></root>")
        .arg(n_classes, n_parameters, n_rules, n_constraints, relations);
}

QString parameters(const QString &n_ids)
{
    QString text;
    for (const QString &id : n_ids.split(QLatin1Char(' ')))
        text += QStringLiteral("<parametr id=\"%1\" type=\"double\"/>").arg(id);
    return text;
}

QSharedPointer<ModelXMLSerializerOld> loadText(const QString &n_text)
{
    auto model = QSharedPointer<ModelXMLSerializerOld>::create();
    model->loadFromString(n_text);
    return model;
}

// The placement rules stated plainly, scanning every list for every class: the reference the
// indexed reader must match.
struct ReferenceReader
{
    QVector<QDomElement> classes, parametersList, rules, constraints;
    QHash<QString, QString> owner;
    QHash<QString, ClassView> views;

    static QVector<QDomElement> children(const QDomElement &n_root, const QString &n_tag)
    {
        QVector<QDomElement> list;
        const QDomNodeList found = n_root.elementsByTagName(n_tag);
        if (found.isEmpty())
            return list;
        const QDomNodeList nodes = found.at(0).childNodes();
        for (int i = 0; i < nodes.count(); ++i)
            list.append(nodes.at(i).toElement());
        return list;
    }

    explicit ReferenceReader(const QDomElement &n_root)
    {
        classes = children(n_root, QStringLiteral("classes"));
        parametersList = children(n_root, QStringLiteral("parameters"));
        rules = children(n_root, QStringLiteral("rules"));
        constraints = children(n_root, QStringLiteral("constraints"));
        read(QStringLiteral("0"));
    }

    // Gives the class's subtree sets: parameters, rules, constraints.
    ClassView read(const QString &n_id)
    {
        ClassView own;
        QSet<QString> allParameters, allRules, allConstraints;
        for (const QDomElement &element : qAsConst(classes)) {
            if (element.attribute(QStringLiteral("id")) != n_id)
                continue;
            for (const QString &id : element.attribute(QStringLiteral("childs")).split(QLatin1Char(';'))) {
                if (!id.contains(QLatin1Char('P')) || (owner.contains(id) && owner.value(id) != n_id))
                    continue;
                for (const QDomElement &parameter : qAsConst(parametersList)) {
                    if (parameter.attribute(QStringLiteral("id")) == id) {
                        owner.insert(id, n_id);
                        own.parameters.insert(id);
                        allParameters.insert(id);
                    }
                }
            }
            break;
        }
        for (const QDomElement &element : qAsConst(classes)) {
            if (element.attribute(QStringLiteral("levelUID")) != n_id)
                continue;
            const QString childId = element.attribute(QStringLiteral("id"));
            own.classes.insert(childId);
            const ClassView subtree = read(childId);
            allParameters += subtree.parameters;
            allRules += subtree.rules;
            allConstraints += subtree.constraints;
        }
        if (n_id == QLatin1String("0")) {
            for (const QDomElement &parameter : qAsConst(parametersList)) {
                const QString id = parameter.attribute(QStringLiteral("id"));
                if (!allParameters.contains(id)) {
                    own.parameters.insert(id);
                    allParameters.insert(id);
                }
            }
        }
        auto place = [&](const QVector<QDomElement> &n_list, bool n_withResults, QSet<QString> &n_own,
                         QSet<QString> &n_all) {
            for (const QDomElement &element : n_list) {
                QStringList ids = element.attribute(QStringLiteral("initId")).split(QLatin1Char(','));
                if (n_withResults)
                    ids += element.attribute(QStringLiteral("resultId")).split(QLatin1Char(','));
                bool allHere = true;
                for (const QString &id : ids)
                    allHere = allHere && allParameters.contains(id);
                const QString id = element.attribute(QStringLiteral("id"));
                if (allHere && !n_all.contains(id)) {
                    n_own.insert(id);
                    n_all.insert(id);
                }
            }
        };
        place(rules, true, own.rules, allRules);
        place(constraints, false, own.constraints, allConstraints);
        views.insert(n_id, own);
        return ClassView{allParameters, allRules, allConstraints, {}};
    }
};

// A random older file: a class tree (with a few orphans), parameters listed by one class, by two or
// by none, rules and constraints over random parameters (some unknown, some ids repeated).
QString randomOldFile(quint32 n_seed, int n_classCount)
{
    QRandomGenerator random(n_seed);
    QString classesText, parametersText, rulesText, constraintsText;
    const int parameterCount = n_classCount * 2;
    QVector<QStringList> childs(n_classCount);
    for (int p = 0; p < parameterCount; ++p) {
        parametersText += QStringLiteral("<parametr id=\"P%1\" type=\"double\"/>").arg(p);
        const int listings = random.bounded(10) < 2 ? 0 : (random.bounded(10) < 2 ? 2 : 1);
        for (int l = 0; l < listings; ++l)
            childs[random.bounded(n_classCount)].append(QStringLiteral("P%1").arg(p));
    }
    for (int c = 0; c < n_classCount; ++c) {
        const int parent = random.bounded(c + 1) - 1;
        QString levelUid = parent < 0 ? QStringLiteral("0") : QStringLiteral("K%1").arg(parent);
        if (random.bounded(20) == 0)
            levelUid = QStringLiteral("nowhere");
        childs[c].append(QStringLiteral("R%1").arg(c));
        classesText += QStringLiteral("<class id=\"K%1\" levelUID=\"%2\" childs=\"%3\"/>")
                           .arg(QString::number(c), levelUid, childs.at(c).join(QLatin1Char(';')));
    }
    auto someIds = [&](int n_max) {
        QStringList ids;
        const int count = 1 + random.bounded(n_max);
        for (int i = 0; i < count; ++i)
            ids.append(random.bounded(30) == 0 ? QStringLiteral("P999999")
                                               : QStringLiteral("P%1").arg(random.bounded(parameterCount)));
        return ids.join(QLatin1Char(','));
    };
    for (int r = 0; r < n_classCount * 2; ++r) {
        const int id = random.bounded(15) == 0 ? random.bounded(r + 1) : r;
        rulesText += QStringLiteral("<rule id=\"R%1\" relation=\"rel\" initId=\"%2\" resultId=\"%3\"/>")
                         .arg(QString::number(id), someIds(3), someIds(1));
        constraintsText += QStringLiteral("<constraint id=\"C%1\" relation=\"rel\" initId=\"%2\"/>")
                               .arg(QString::number(id), someIds(2));
    }
    return oldFile(classesText, parametersText, rulesText, constraintsText);
}

} // namespace

class tst_OldFormat : public QObject
{
    Q_OBJECT

private slots:
    // item node
    void itemNodeTranslatesLinks();
    void itemNodeRelationNames();
    // class tree
    void handWrittenFilePlacement();
    void handWrittenFileItems();
    void rootNaming();
    void placementCases_data();
    void placementCases();
    void orphanParentSendsParametersToRoot();
    void cyclesRefused_data();
    void cyclesRefused();
    void classChainDepthLimit();
    void missingRelationRaises_data();
    void missingRelationRaises();
    void unplacedElementsReported();
    void parameterClaimedTwice();
    void placementMatchesFullScan_data();
    void placementMatchesFullScan();
    // nodes and files
    void classNodeBasics();
    void modelNodeBasics();
    void loadFailures_data();
    void loadFailures();
    // through the model
    void olderModelRoundTrip();
};

void tst_OldFormat::itemNodeTranslatesLinks()
{
    QDomDocument document;
    document.setContent(QStringLiteral(
        "<l><rule id=\"r\" relation=\"rel\" initId=\"P1,P2\" resultId=\"P3\" extra=\"e\" empty=\"\"/>"
        "<rule id=\"bare\"/>"
        "<relation id=\"rel\" inObj=\"x,y\" inputTypes=\"integer,double\" outObj=\"z\" outputTypes=\"boolean\"/>"
        "<relation id=\"short\" inObj=\"x,y\" inputTypes=\"integer\"/>"
        "<relation id=\"none\"/></l>"));
    QDomElement rule = document.documentElement().firstChildElement();
    QDomElement bare = rule.nextSiblingElement();
    QDomElement relation = bare.nextSiblingElement();
    QDomElement shortRelation = relation.nextSiblingElement();
    QDomElement noVariables = shortRelation.nextSiblingElement();

    ObjectXmlSerializerOld ruleNode(QStringLiteral("rule"), document);
    ruleNode.setXMLObject(rule);
    ruleNode.setInputRelationNames(QStringLiteral("a:double;b:double"));
    ruleNode.setOutputRelationNames(QStringLiteral("c:double"));
    QCOMPARE(ruleNode.getFieldValue(QStringLiteral("initId")).toString(), QStringLiteral("a:P1;b:P2"));
    QCOMPARE(ruleNode.getFieldValue(QStringLiteral("resultId")).toString(), QStringLiteral("c:P3"));
    QCOMPARE(ruleNode.getFieldValue(QStringLiteral("relation")).toString(), QStringLiteral("rel"));
    QVERIFY(!ruleNode.getFieldValue(QStringLiteral("empty")).isValid());
    const QHash<QString, QVariant> fields = ruleNode.getFieldsHash();
    QCOMPARE(fields.value(QStringLiteral("initId")).toString(), QStringLiteral("a:P1;b:P2"));
    QCOMPARE(fields.value(QStringLiteral("resultId")).toString(), QStringLiteral("c:P3"));
    QCOMPARE(fields.value(QStringLiteral("extra")).toString(), QStringLiteral("e"));
    QCOMPARE(fields.size(), 6);

    // Three inputs against two ids; a second setter call appends the names again.
    ObjectXmlSerializerOld threeInputs(QStringLiteral("rule"), document);
    threeInputs.setXMLObject(rule);
    threeInputs.setInputRelationNames(QStringLiteral("a:double;b:double;c:double"));
    QVERIFY_EXCEPTION_THROWN(threeInputs.getFieldValue(QStringLiteral("initId")), InconsistencyDataExceptionOstra);
    // The names are read through the translated values too, so the mismatch is raised there as well.
    QVERIFY_EXCEPTION_THROWN(threeInputs.getFieldNames(), InconsistencyDataExceptionOstra);
    const QStringList names = ruleNode.getFieldNames();
    QCOMPARE(QSet<QString>(names.begin(), names.end()), QSet<QString>(fields.keyBegin(), fields.keyEnd()));
    ObjectXmlSerializerOld twice(QStringLiteral("rule"), document);
    twice.setXMLObject(rule);
    twice.setInputRelationNames(QStringLiteral("a:double"));
    twice.setInputRelationNames(QStringLiteral("b:double"));
    QCOMPARE(twice.getFieldValue(QStringLiteral("initId")).toString(), QStringLiteral("a:P1;b:P2"));

    // No initId: one empty id at the first input; the absent resultId has no entry in the hash.
    ObjectXmlSerializerOld bareNode(QStringLiteral("rule"), document);
    bareNode.setXMLObject(bare);
    bareNode.setInputRelationNames(QStringLiteral("a:double"));
    QCOMPARE(bareNode.getFieldValue(QStringLiteral("initId")).toString(), QStringLiteral("a:"));
    QVERIFY(!bareNode.getFieldsHash().contains(QStringLiteral("resultId")));

    ObjectXmlSerializerOld relationNode(QStringLiteral("relation"), document);
    relationNode.setXMLObject(relation);
    QCOMPARE(relationNode.getFieldValue(QStringLiteral("inObj")).toString(), QStringLiteral("x:integer;y:double"));
    QCOMPARE(relationNode.getFieldValue(QStringLiteral("outObj")).toString(), QStringLiteral("z:boolean"));
    QCOMPARE(relationNode.getFieldValue(QStringLiteral("inputTypes")).toString(), QStringLiteral("integer,double"));
    ObjectXmlSerializerOld shortNode(QStringLiteral("relation"), document);
    shortNode.setXMLObject(shortRelation);
    try {
        shortNode.getFieldValue(QStringLiteral("inObj"));
        QFAIL("a name without a type was accepted");
    } catch (const InconsistencyDataExceptionOstra &n_error) {
        QCOMPARE(n_error.getClassName(), QStringLiteral("ObjectXmlSerializerOld"));
        QCOMPARE(n_error.getMethodName(),
                 QStringLiteral("convertLinkedObjectsHash(const QStringList &n_linkedNames, const QStringList &n_linkedObjects)"));
    }
    ObjectXmlSerializerOld noVariablesNode(QStringLiteral("relation"), document);
    noVariablesNode.setXMLObject(noVariables);
    QCOMPARE(noVariablesNode.getFieldValue(QStringLiteral("inObj")).toString(), QStringLiteral(":"));

    QCOMPARE(ObjectXmlSerializerOld::convertLinkedObjectsHash({}, {}), QString());
    QCOMPARE(ObjectXmlSerializerOld::convertLinkedObjectsHash({QStringLiteral("a;b")}, {QStringLiteral("c:d")}),
             QStringLiteral("a;b:c:d"));
}

void tst_OldFormat::itemNodeRelationNames()
{
    QDomDocument document;
    document.setContent(QStringLiteral("<rule initId=\"P1,P2\"/>"));
    QDomElement rule = document.documentElement();

    ObjectXmlSerializerOld partial(QStringLiteral("rule"), document);
    partial.setXMLObject(rule);
    try {
        partial.setInputRelationNames(QStringLiteral("a:integer;"));
        QFAIL("an empty part was accepted");
    } catch (const NotEnoughDataExceptionOstra &n_error) {
        QCOMPARE(n_error.getDesiredElementsCounts(), 2L);
        QCOMPARE(n_error.getCurrentElementsCounts(), 0L);
        QCOMPARE(n_error.getClassName(), QStringLiteral("ObjectXmlSerializerOld"));
        QCOMPARE(n_error.getMethodName(), QStringLiteral("setInputRelationNames(const QString &n_inputRelationNames)"));
    }
    // The name before the failing part stays.
    partial.setInputRelationNames(QStringLiteral("b:integer"));
    QCOMPARE(partial.getFieldValue(QStringLiteral("initId")).toString(), QStringLiteral("a:P1;b:P2"));

    ObjectXmlSerializerOld empty(QStringLiteral("rule"), document);
    try {
        empty.setOutputRelationNames(QString());
        QFAIL("an empty list was accepted");
    } catch (const NotEnoughDataExceptionOstra &n_error) {
        QCOMPARE(n_error.getMethodName(), QStringLiteral("setOutputRelationNames(const QString &n_outputRelationNames)"));
    }
    ObjectXmlSerializerOld extra(QStringLiteral("rule"), document);
    extra.setXMLObject(rule);
    extra.setInputRelationNames(QStringLiteral("a:integer:extra;b:x"));
    QCOMPARE(extra.getFieldValue(QStringLiteral("initId")).toString(), QStringLiteral("a:P1;b:P2"));
}

void tst_OldFormat::handWrittenFilePlacement()
{
    ModelXMLSerializerOld model;
    QFile file(dataFile(QStringLiteral("Plant.old.xml")));
    WarningCatcher warnings;
    model.loadFromFile(file);
    QVERIFY2(warnings.messages().isEmpty(), qPrintable(warnings.messages().join(QLatin1Char('\n'))));

    const QHash<QString, ClassView> tree = treeOf(model.getClass());
    QHash<QString, ClassView> expected;
    expected.insert(QStringLiteral("0"), view(QStringLiteral("P4"), QStringLiteral("R2"), QString(),
                                              QStringLiteral("A B")));
    // "childs" of A is "P1;R2;O3": only the id with a capital P names a parameter. C2 joins P3 of K
    // with P1 of A and lands at their common class.
    expected.insert(QStringLiteral("A"), view(QStringLiteral("P1"), QStringLiteral("R1"), QStringLiteral("C1 C2"),
                                              QStringLiteral("K")));
    expected.insert(QStringLiteral("B"), view(QStringLiteral("P2"), QString(), QString(), QString()));
    expected.insert(QStringLiteral("K"), view(QStringLiteral("P3 P5"), QStringLiteral("R3"), QString(), QString()));
    QCOMPARE(describe(tree), describe(expected));

    const auto root = model.getClass();
    QCOMPARE(root->getFieldValue(QStringLiteral("id")).toString(), QStringLiteral("0"));
    QCOMPARE(root->getFieldValue(QStringLiteral("shortName")).toString(), QStringLiteral("Plant"));
    QCOMPARE(model.getFieldValue(QStringLiteral("id")).toString(), QStringLiteral("model"));
    QCOMPARE(model.getFieldValue(QStringLiteral("shortName")).toString(), QStringLiteral("Plant model"));
    QCOMPARE(model.getFieldValue(QStringLiteral("author")).toString(), QStringLiteral("Tester"));

    // The subtree maps hold every descendant's elements.
    auto oldRoot = root.dynamicCast<ClassXMLSerializerOld>();
    QCOMPARE(idSet(oldRoot->getAllParameters()), set(QStringLiteral("P1 P2 P3 P4 P5")));
    QCOMPARE(idSet(oldRoot->getAllRules()), set(QStringLiteral("R1 R2 R3")));
    QCOMPARE(idSet(oldRoot->getAllConstraints()), set(QStringLiteral("C1 C2")));
    QCOMPARE(idSet(oldRoot->getAllClasses()), set(QStringLiteral("A B K")));

    // A bound class gives every attribute of its element, the older ones included.
    const QHash<QString, QVariant> fields = findClass(root, QStringLiteral("A"))->getFieldsHash();
    QCOMPARE(fields.value(QStringLiteral("shortName")).toString(), QStringLiteral("Line"));
    QCOMPARE(fields.value(QStringLiteral("levelUID")).toString(), QStringLiteral("0"));
    QCOMPARE(fields.value(QStringLiteral("levelName")).toString(), QStringLiteral("unit"));
    QCOMPARE(fields.value(QStringLiteral("childs")).toString(), QStringLiteral("P1;R2;O3"));
    QCOMPARE(fields.value(QStringLiteral("internal_rules")).toString(), QStringLiteral("R1"));
}

void tst_OldFormat::handWrittenFileItems()
{
    ModelXMLSerializerOld model;
    QFile file(dataFile(QStringLiteral("Plant.old.xml")));
    model.loadFromFile(file);
    const auto root = model.getClass();
    const auto a = findClass(root, QStringLiteral("A"));

    // Links come out in the current pair form, bound by position to the relation's variables.
    const auto r2 = findItem(root->getOwnRules(), QStringLiteral("R2"));
    QCOMPARE(r2->getFieldValue(QStringLiteral("initId")).toString(), QStringLiteral("a:P1;b:P3"));
    QCOMPARE(r2->getFieldValue(QStringLiteral("resultId")).toString(), QStringLiteral("s:P2"));
    QCOMPARE(r2->getFieldValue(QStringLiteral("relation")).toString(), QStringLiteral("relSum"));
    QCOMPARE(r2->getXMLObject().tagName(), QStringLiteral("rule"));
    const auto c2 = findItem(a->getOwnConstraints(), QStringLiteral("C2"));
    QCOMPARE(c2->getFieldValue(QStringLiteral("initId")).toString(), QStringLiteral("u:P3;w:P1"));

    const auto p3 = findItem(findClass(root, QStringLiteral("K"))->getOwnParameters(), QStringLiteral("P3"));
    QVERIFY(p3.dynamicCast<ObjectXmlSerializerOld>().isNull());
    QCOMPARE(p3->getFieldValue(QStringLiteral("defaultValue")).toString(), QStringLiteral("0.25"));
    QCOMPARE(p3->getFieldValue(QStringLiteral("unit")).toString(), QStringLiteral("share"));

    const auto relations = model.getRelationStorage()->getRelations();
    QCOMPARE(relations.size(), 4);
    const auto relSum = findItem(relations, QStringLiteral("relSum"));
    QVERIFY(relSum.dynamicCast<ObjectXmlSerializerOld>());
    QCOMPARE(relSum->getFieldValue(QStringLiteral("inObj")).toString(), QStringLiteral("a:double;b:double"));
    QCOMPARE(relSum->getFieldValue(QStringLiteral("outObj")).toString(), QStringLiteral("s:double"));
    QCOMPARE(relSum->getFieldValue(QStringLiteral("internalInfo")).toString(), QStringLiteral("s = a + b;"));
}

void tst_OldFormat::rootNaming()
{
    QFile file(dataFile(QStringLiteral("Plant.old.xml")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    file.close();

    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("Pump.station.v2.xml"));
    QVERIFY(QFile::copy(file.fileName(), copy));
    QFile copyFile(copy);
    ModelXMLSerializerOld fromFile;
    fromFile.loadFromFile(copyFile);
    QCOMPARE(fromFile.getClass()->getFieldValue(QStringLiteral("shortName")).toString(), QStringLiteral("Pump"));

    ModelXMLSerializerOld fromText;
    fromText.loadFromString(text);
    QCOMPARE(fromText.getClass()->getFieldValue(QStringLiteral("shortName")).toString(), QStringLiteral("root"));
    QCOMPARE(fromText.getFieldValue(QStringLiteral("id")).toString(), QStringLiteral("model"));

    QDomDocument document;
    document.setContent(text);
    ModelXMLSerializerOld fromDocument;
    QVERIFY(fromDocument.isFormatSupport(document));
    fromDocument.loadFromDomDocument(document);
    QCOMPARE(fromDocument.getClass()->getFieldValue(QStringLiteral("shortName")).toString(), QStringLiteral("root"));
    QCOMPARE(fromDocument.getClass()->getFieldValue(QStringLiteral("id")).toString(), QStringLiteral("0"));
    QCOMPARE(fromDocument.getFieldValue(QStringLiteral("id")).toString(), QStringLiteral("model"));
    // The node reads the caller's tree: the naming is visible there.
    QCOMPARE(document.documentElement().attribute(QStringLiteral("id")), QStringLiteral("model"));
    QCOMPARE(treeOf(fromDocument.getClass()).size(), 4);

    // No class "0" in the file: the root node's own element holds the id and the short name only.
    const QHash<QString, QVariant> rootFields = fromDocument.getClass()->getFieldsHash();
    QCOMPARE(QSet<QString>(rootFields.keyBegin(), rootFields.keyEnd()), set(QStringLiteral("id shortName")));

    // A class "0" in the file is the root's own element; its short name gives way to the naming.
    auto named = loadText(oldFile(QStringLiteral("<class id=\"0\" shortName=\"Top\" childs=\"P1\" levelName=\"l\"/>"),
                                  parameters(QStringLiteral("P1 P2")), QString()));
    QCOMPARE(named->getClass()->getFieldValue(QStringLiteral("shortName")).toString(), QStringLiteral("root"));
    QCOMPARE(named->getClass()->getFieldValue(QStringLiteral("levelName")).toString(), QStringLiteral("l"));
    QCOMPARE(idSet(named->getClass()->getOwnParameters()), set(QStringLiteral("P1 P2")));
}

void tst_OldFormat::placementCases_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QString ab = QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1\"/><class id=\"B\" levelUID=\"0\" childs=\"P2\"/>");
    QTest::newRow("rules by their parameters")
        << oldFile(ab, parameters(QStringLiteral("P1 P2")),
                   QStringLiteral("<rule id=\"Rab\" relation=\"rel\" initId=\"P1\" resultId=\"P2\"/>"
                                  "<rule id=\"Raa\" relation=\"rel\" initId=\"P1\" resultId=\"P1\"/>"))
        << QStringLiteral("0: p[] r[Rab] c[] k[A B]\nA: p[P1] r[Raa] c[] k[]\nB: p[P2] r[] c[] k[]");
    // A constraint over two sibling classes goes to their common ancestor, the root.
    QTest::newRow("constraints by their parameters")
        << oldFile(ab, parameters(QStringLiteral("P1 P2")), QString(),
                   QStringLiteral("<constraint id=\"Cab\" relation=\"rel\" initId=\"P1,P2\"/>"
                                  "<constraint id=\"Ca\" relation=\"rel\" initId=\"P1\"/>"))
        << QStringLiteral("0: p[] r[] c[Cab] k[A B]\nA: p[P1] r[] c[Ca] k[]\nB: p[P2] r[] c[] k[]");
    QTest::newRow("deepest class wins")
        << oldFile(QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1\"/><class id=\"K\" levelUID=\"A\" childs=\"P2;P3\"/>"),
                   parameters(QStringLiteral("P1 P2 P3")),
                   QStringLiteral("<rule id=\"Rk\" relation=\"rel\" initId=\"P2\" resultId=\"P3\"/>"
                                  "<rule id=\"Ra\" relation=\"rel\" initId=\"P2\" resultId=\"P1\"/>"),
                   QStringLiteral("<constraint id=\"Ck\" relation=\"rel\" initId=\"P3,P2\"/>"))
        << QStringLiteral("0: p[] r[] c[] k[A]\nA: p[P1] r[Ra] c[] k[K]\nK: p[P2 P3] r[Rk] c[Ck] k[]");
    QTest::newRow("no class list")
        << QStringLiteral("<root><parameters>%1</parameters><rules>"
                          "<rule id=\"R1\" relation=\"rel\" initId=\"P1\" resultId=\"P2\"/>"
                          "<rule id=\"R2\" relation=\"rel\" initId=\"P1\" resultId=\"P9\"/></rules>"
                          "<constraints><constraint id=\"C1\" relation=\"rel\" initId=\"P2,P1\"/></constraints>"
                          "<relations><relation id=\"rel\" inObj=\"x,y\" inputTypes=\"double,double\" outObj=\"z\" "
                          "outputTypes=\"double\"/></relations></root>")
               .arg(parameters(QStringLiteral("P1 P2")))
        << QStringLiteral("0: p[P1 P2] r[R1] c[C1] k[]");
    QTest::newRow("empty class list")
        << oldFile(QString(), parameters(QStringLiteral("P1")),
                   QStringLiteral("<rule id=\"R1\" relation=\"rel\" initId=\"P1\" resultId=\"P1\"/>"))
        << QStringLiteral("0: p[P1] r[R1] c[] k[]");
    // Only ids holding a capital P are parameters; such an id is then looked up as it stands.
    QTest::newRow("childs filter")
        << oldFile(QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1;R2;O3;XP7;p2;\"/>"),
                   parameters(QStringLiteral("P1 p2 XP7 R2")), QString())
        << QStringLiteral("0: p[R2 p2] r[] c[] k[A]\nA: p[P1 XP7] r[] c[] k[]");
    QTest::newRow("rule with an empty initId")
        << oldFile(QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1\"/>"), parameters(QStringLiteral("P1")),
                   QStringLiteral("<rule id=\"R1\" relation=\"rel\" initId=\"\" resultId=\"P1\"/>"))
        << QStringLiteral("0: p[] r[] c[] k[A]\nA: p[P1] r[] c[] k[]");
    // Two rules with one id: the first one placed keeps it.
    QTest::newRow("repeated rule id")
        << oldFile(QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1\"/>"), parameters(QStringLiteral("P1 P2")),
                   QStringLiteral("<rule id=\"R1\" relation=\"rel\" initId=\"P1\" resultId=\"P2\"/>"
                                  "<rule id=\"R1\" relation=\"rel\" initId=\"P1\" resultId=\"P1\"/>"))
        << QStringLiteral("0: p[P2] r[] c[] k[A]\nA: p[P1] r[R1] c[] k[]");
}

void tst_OldFormat::placementCases()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const auto model = loadText(text);
    QCOMPARE(describe(treeOf(model->getClass())), expected);
}

void tst_OldFormat::orphanParentSendsParametersToRoot()
{
    ModelXMLSerializerOld model;
    QFile file(dataFile(QStringLiteral("orphan.old.xml")));
    model.loadFromFile(file);
    // Z names a parent that does not exist, so neither Z nor its child Y is read.
    QCOMPARE(describe(treeOf(model.getClass())),
             QStringLiteral("0: p[P2 P3] r[R1] c[] k[A]\nA: p[P1] r[] c[] k[]"));
    QCOMPARE(model.getClass()->getFieldValue(QStringLiteral("shortName")).toString(), QStringLiteral("orphan"));
}

void tst_OldFormat::cyclesRefused_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("text");
    QTest::newRow("root names itself as parent") << QStringLiteral("selfparent.old.xml") << QString();
    // The second "C" binds to the first C's element, whose subtree leads back to C.
    QTest::newRow("two classes with one id")
        << QString()
        << oldFile(QStringLiteral("<class id=\"A\" levelUID=\"0\"/><class id=\"C\" levelUID=\"D\"/>"
                                  "<class id=\"D\" levelUID=\"C\"/><class id=\"C\" levelUID=\"A\"/>"),
                   parameters(QStringLiteral("P1")), QString());
    QTest::newRow("class under its own descendant")
        << QString()
        << oldFile(QStringLiteral("<class id=\"A\" levelUID=\"0\"/><class id=\"B\" levelUID=\"A\"/>"
                                  "<class id=\"A\" levelUID=\"B\"/>"),
                   parameters(QStringLiteral("P1")), QString());
}

void tst_OldFormat::cyclesRefused()
{
    QFETCH(QString, fileName);
    QFETCH(QString, text);
    ModelXMLSerializerOld model;
    try {
        if (fileName.isEmpty()) {
            model.loadFromString(text);
        } else {
            QFile file(dataFile(fileName));
            model.loadFromFile(file);
        }
        QFAIL("a class loop was read");
    } catch (const InconsistencyDataExceptionOstra &n_error) {
        QCOMPARE(n_error.getClassName(), QStringLiteral("ClassXMLSerializerOld"));
        QCOMPARE(n_error.getMethodName(), QStringLiteral("setXMLObject(QDomElement &n_domElement)"));
    }
}

void tst_OldFormat::classChainDepthLimit()
{
    auto chain = [](int n_depth) {
        QString classes;
        for (int i = 1; i <= n_depth; ++i)
            classes += QStringLiteral("<class id=\"K%1\" levelUID=\"%2\" childs=\"P%1\"/>")
                           .arg(i)
                           .arg(i == 1 ? QStringLiteral("0") : QStringLiteral("K%1").arg(i - 1));
        return oldFile(classes, QStringLiteral("<parametr id=\"P%1\" type=\"double\"/>").arg(n_depth), QString());
    };
    const int limit = ClassXMLSerializerOld::MAX_CLASS_DEPTH;
    // The deepest tree that the current format can still hold (and reopen) when written back.
    QVERIFY(4 + 2 * limit <= XMLDocumentReader::MAX_NESTING_DEPTH);
    QVERIFY(4 + 2 * (limit + 1) > XMLDocumentReader::MAX_NESTING_DEPTH);

    const auto model = loadText(chain(limit));
    auto deepest = model->getClass();
    for (int i = 0; i < limit; ++i)
        deepest = deepest->getOwnClasses().value(0);
    QCOMPARE(idOf(deepest), QStringLiteral("K%1").arg(limit));
    QCOMPARE(idSet(deepest->getOwnParameters()), set(QStringLiteral("P%1").arg(limit)));

    QVERIFY_EXCEPTION_THROWN(loadText(chain(limit + 1)), InconsistencyDataExceptionOstra);
    QVERIFY_EXCEPTION_THROWN(loadText(chain(20000)), InconsistencyDataExceptionOstra);
}

void tst_OldFormat::missingRelationRaises_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("relationId");
    QTest::addColumn<QString>("methodName");
    QTest::newRow("rule, hand-written file") << QString() << QStringLiteral("relGone")
                                             << QStringLiteral("addChildRule(QDomElement &n_element)");
    const QString classA = QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1\"/>");
    QTest::newRow("constraint")
        << oldFile(classA, parameters(QStringLiteral("P1")), QString(),
                   QStringLiteral("<constraint id=\"C1\" relation=\"nowhere\" initId=\"P1\"/>"))
        << QStringLiteral("nowhere") << QStringLiteral("addChildConstraint(QDomElement &n_element)");
    // A comment among the relations reads as a relation with an empty id; it is no relation.
    QTest::newRow("rule without relation")
        << oldFile(classA, parameters(QStringLiteral("P1")),
                   QStringLiteral("<rule id=\"R1\" initId=\"P1\" resultId=\"P1\"/>"), QString(),
                   QStringLiteral("<!-- none -->"))
        << QString() << QStringLiteral("addChildRule(QDomElement &n_element)");
}

void tst_OldFormat::missingRelationRaises()
{
    QFETCH(QString, text);
    QFETCH(QString, relationId);
    QFETCH(QString, methodName);
    ModelXMLSerializerOld model;
    try {
        if (text.isEmpty()) {
            QFile file(dataFile(QStringLiteral("missingrelation.old.xml")));
            model.loadFromFile(file);
        } else {
            model.loadFromString(text);
        }
        QFAIL("a missing relation was accepted");
    } catch (const NoElementExceptionOstra &n_error) {
        QCOMPARE(n_error.getDesiredId(), relationId);
        QCOMPARE(n_error.getClassName(), QStringLiteral("ClassXMLSerializerOld"));
        QCOMPARE(n_error.getMethodName(), methodName);
    }
}

void tst_OldFormat::unplacedElementsReported()
{
    WarningCatcher warnings;
    const auto model = loadText(oldFile(
        QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1\"/>"), parameters(QStringLiteral("P1")),
        QStringLiteral("<rule id=\"Rgood\" relation=\"rel\" initId=\"P1\" resultId=\"P1\"/>"
                       "<rule id=\"Rlost\" relation=\"rel\" initId=\"P1\" resultId=\"P404\"/>"
                       "<rule id=\"Rgood\" relation=\"rel\" initId=\"P1\" resultId=\"P1\"/>"),
        QStringLiteral("<constraint id=\"Cempty\" relation=\"rel\" initId=\"\"/>")));
    QCOMPARE(describe(treeOf(model->getClass())), QStringLiteral("0: p[] r[] c[] k[A]\nA: p[P1] r[Rgood] c[] k[]"));
    QCOMPARE(warnings.messages().size(), 3);
    QVERIFY(warnings.any(QStringLiteral("\"Rlost\"")));
    QVERIFY(warnings.any(QStringLiteral("\"Cempty\"")));
    QVERIFY(warnings.any(QStringLiteral("\"Rgood\" repeats")));
}

void tst_OldFormat::parameterClaimedTwice()
{
    WarningCatcher warnings;
    // A reads before B (document order under the root); A's subclass K reads before B as well.
    const auto model = loadText(oldFile(
        QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1\"/><class id=\"B\" levelUID=\"0\" childs=\"P1;P2;P3\"/>"
                       "<class id=\"K\" levelUID=\"A\" childs=\"P3;P1\"/>"),
        parameters(QStringLiteral("P1 P2 P3")),
        QStringLiteral("<rule id=\"R1\" relation=\"rel\" initId=\"P1\" resultId=\"P2\"/>")));
    QCOMPARE(describe(treeOf(model->getClass())),
             QStringLiteral("0: p[] r[R1] c[] k[A B]\nA: p[P1] r[] c[] k[K]\nB: p[P2] r[] c[] k[]\nK: p[P3] r[] c[] k[]"));
    QCOMPARE(warnings.messages().size(), 3);
    QVERIFY(warnings.any(QStringLiteral("\"P1\" is listed in the classes \"A\" and \"K\"")));
    QVERIFY(warnings.any(QStringLiteral("\"P3\" is listed in the classes \"K\" and \"B\"")));
    QVERIFY(warnings.any(QStringLiteral("\"P1\" is listed in the classes \"A\" and \"B\"")));
}

void tst_OldFormat::placementMatchesFullScan_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("classCount");
    for (quint32 seed = 1; seed <= 12; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed << int(5 + seed * 7);
}

void tst_OldFormat::placementMatchesFullScan()
{
    QFETCH(quint32, seed);
    QFETCH(int, classCount);
    const QString text = randomOldFile(seed, classCount);
    QDomDocument document;
    QVERIFY(document.setContent(text));
    const ReferenceReader reference(document.documentElement());

    WarningCatcher quiet;
    const auto model = loadText(text);
    const QHash<QString, ClassView> tree = treeOf(model->getClass());
    QCOMPARE(describe(tree), describe(reference.views));
}

void tst_OldFormat::classNodeBasics()
{
    QDomDocument document;
    ClassXMLSerializerOld node(QStringLiteral("0"), document);
    QCOMPARE(node.getFieldsHash().keys(), QStringList{QStringLiteral("id")});
    QCOMPARE(node.getFieldValue(QStringLiteral("id")).toString(), QStringLiteral("0"));

    WarningCatcher warnings;
    QVERIFY(node.saveToString().isNull());
    QTemporaryDir dir;
    QFile target(dir.filePath(QStringLiteral("class.xml")));
    node.saveToFile(target);
    QVERIFY(!target.exists());
    QVERIFY(node.getXMLObject().isNull());
    QCOMPARE(warnings.messages(),
             (QStringList{QStringLiteral("ClassXMLSerializerOld, method saveToString - нет реализации"),
                          QStringLiteral("ClassXMLSerializerOld, method saveToFile - нет реализации"),
                          QStringLiteral("ClassXMLSerializerOld, method getXMLObject - нет реализации")}));

    // The string form reads a whole older file into the node.
    ClassXMLSerializerOld fromText(QStringLiteral("0"), QDomDocument());
    fromText.setRelations({});
    fromText.loadFromString(oldFile(QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1\"/>"),
                                    parameters(QStringLiteral("P1 P2")), QString()));
    QCOMPARE(idSet(fromText.getOwnParameters()), set(QStringLiteral("P2")));
    QCOMPARE(idSet(fromText.getOwnClasses()), set(QStringLiteral("A")));
}

void tst_OldFormat::modelNodeBasics()
{
    QDomDocument current;
    current.setContent(QStringLiteral("<model formatXmlVersion=\"2.0\"><class/><relations/></model>"));
    QDomDocument older;
    older.setContent(QStringLiteral("<!-- old --><root/>"));
    QDomDocument empty;
    ModelXMLSerializerOld model;
    QVERIFY(!model.isFormatSupport(current));
    QVERIFY(model.isFormatSupport(older));
    QVERIFY(!model.isFormatSupport(empty));

    // Before any load there is no element to hold fields.
    model.addField(QStringLiteral("id"), QStringLiteral("x"));
    QVERIFY(model.getFieldValue(QStringLiteral("id")).toString().isNull());
    QVERIFY(model.getFieldsHash().isEmpty());
    QCOMPARE(model.getClass()->getFieldValue(QStringLiteral("id")).toString(), QStringLiteral("0"));

    // A comment among the relations is one more item; the classes are read without it.
    auto loaded = loadText(oldFile(QString(), parameters(QStringLiteral("P1")), QString(), QString(),
                                   QStringLiteral("<relation id=\"r\" inObj=\"x\" inputTypes=\"double\"/><!-- c -->")));
    const auto relations = loaded->getRelationStorage()->getRelations();
    QCOMPARE(relations.size(), 2);
    QVERIFY(relations.at(1).dynamicCast<ObjectXMLSerializer>()->getXMLObject().isNull());
    QCOMPARE(relations.at(0)->getFieldValue(QStringLiteral("inObj")).toString(), QStringLiteral("x:double"));
    QVERIFY(loaded->getFieldValue(QStringLiteral("author")).toString().isNull());
    QCOMPARE(loaded->getFieldsHash().keys(), QStringList{QStringLiteral("id")});

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.xml"));
    {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("old content");
    }
    WarningCatcher warnings;
    QVERIFY(loaded->saveToString().isNull());
    QFile kept(path);
    loaded->saveToFile(kept);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("old content"));
    QCOMPARE(warnings.messages().size(), 2);
}

void tst_OldFormat::loadFailures_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no relations") << QStringLiteral("<root><classes/></root>") << QStringLiteral("NoRequiredTag");
    QTest::newRow("relations not a direct child")
        << QStringLiteral("<root><x><relations/></x></root>") << QStringLiteral("NoRequiredTag");
    QTest::newRow("other document element")
        << QStringLiteral("<model><relations/></model>") << QStringLiteral("NoRequiredTag");
    QTest::newRow("broken XML") << QStringLiteral("<root><relations></root>") << QStringLiteral("XMLParseExceptionOstra");
    QTest::newRow("nested too deep")
        << QStringLiteral("<root><relations/>") + QStringLiteral("<a>").repeated(XMLDocumentReader::MAX_NESTING_DEPTH)
               + QStringLiteral("</a>").repeated(XMLDocumentReader::MAX_NESTING_DEPTH) + QStringLiteral("</root>")
        << QStringLiteral("XMLParseExceptionOstra");
}

void tst_OldFormat::loadFailures()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("model.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
    file.close();

    for (int form = 0; form < 2; ++form) {
        ModelXMLSerializerOld model;
        try {
            if (form == 0)
                model.loadFromString(text);
            else
                model.loadFromFile(file);
            QFAIL("a broken file was read");
        } catch (const NoRequiredTag &n_error) {
            QCOMPARE(QStringLiteral("NoRequiredTag"), expected);
            QCOMPARE(n_error.getRequiredTag(), QStringLiteral("relations"));
            QCOMPARE(n_error.getClassName(), QStringLiteral("ModelXMLSerializerOld"));
            QCOMPARE(n_error.getMethodName(), QStringLiteral("setXMLObject(QDomElement &n_domElement)"));
        } catch (const XMLParseExceptionOstra &n_error) {
            QCOMPARE(QStringLiteral("XMLParseExceptionOstra"), expected);
            QCOMPARE(n_error.getClassName(), QStringLiteral("ModelXMLSerializerOld"));
            QCOMPARE(n_error.getMethodName(), form == 0 ? QStringLiteral("loadFromString(const QString &n_string)")
                                                        : QStringLiteral("loadFromFile(QFile &n_file)"));
        }
        QVERIFY(!file.isOpen());
    }

    // File-level failures do not depend on the content.
    ModelXMLSerializerOld model;
    QFile missing(dir.filePath(QStringLiteral("missing.xml")));
    QVERIFY_EXCEPTION_THROWN(model.loadFromFile(missing), FileNotExistExceptionOstra);
    QFile directory(dir.path());
    QVERIFY_EXCEPTION_THROWN(model.loadFromFile(directory), FileCantOpenExceptionOstra);
    ClassXMLSerializerOld classNode(QStringLiteral("0"), QDomDocument());
    QVERIFY_EXCEPTION_THROWN(classNode.loadFromFile(missing), FileNotExistExceptionOstra);
    try {
        classNode.loadFromString(QStringLiteral("<root>"));
        QFAIL("broken XML was read");
    } catch (const XMLParseExceptionOstra &n_error) {
        QCOMPARE(n_error.getClassName(), QStringLiteral("ClassXMLSerializerOld"));
    }
}

namespace {
// By class id: the ids of its own parameters, rules, constraints and child classes.
QString describeModel(const OstraClass::OstraClassPtr &n_class)
{
    QHash<QString, ClassView> views;
    std::function<void(const OstraClass::OstraClassPtr &)> visit = [&](const OstraClass::OstraClassPtr &n_node) {
        const auto parameters = n_node->getOwnParametersHash().keys();
        const auto rules = n_node->getOwnRulesHash().keys();
        const auto constraints = n_node->getOwnConstraintsHash().keys();
        const auto classes = n_node->getOwnClassesHash().keys();
        views.insert(n_node->getId(),
                     ClassView{QSet<QString>(parameters.begin(), parameters.end()), QSet<QString>(rules.begin(), rules.end()),
                               QSet<QString>(constraints.begin(), constraints.end()),
                               QSet<QString>(classes.begin(), classes.end())});
        for (const auto &child : n_node->getOwnClassesHash())
            visit(child);
    };
    visit(n_class);
    return describe(views);
}

QDomElement elementWithId(const QDomDocument &n_document, const QString &n_tag, const QString &n_id)
{
    const QDomNodeList found = n_document.elementsByTagName(n_tag);
    for (int i = 0; i < found.count(); ++i)
        if (found.at(i).toElement().attribute(QStringLiteral("id")) == n_id)
            return found.at(i).toElement();
    return QDomElement();
}
} // namespace

void tst_OldFormat::olderModelRoundTrip()
{
    ModelManager manager;
    QFile file(dataFile(QStringLiteral("Plant.old.xml")));
    manager.loadModel(file);
    const OstraModel::OstraModelSharedPtr older = manager.getActiveModel();
    QCOMPARE(older->getId(), QStringLiteral("model"));
    QCOMPARE(older->getShortName(), QStringLiteral("Plant model"));
    QCOMPARE(older->getRootClass()->getId(), QStringLiteral("0"));
    // The manager hands over a parsed document, which carries no file name.
    QCOMPARE(older->getRootClass()->getShortName(), QStringLiteral("root"));
    const QString expectedTree = QStringLiteral(
        "0: p[P4] r[R2] c[] k[A B]\nA: p[P1] r[R1] c[C1 C2] k[K]\nB: p[P2] r[] c[] k[]\nK: p[P3 P5] r[R3] c[] k[]");
    QCOMPARE(describeModel(older->getRootClass()), expectedTree);

    // Written back in the current format...
    const QString saved = manager.saveModelInStr(older);
    QDomDocument document;
    QVERIFY(document.setContent(saved));
    QCOMPARE(document.documentElement().tagName(), QStringLiteral("model"));
    QCOMPARE(document.documentElement().attribute(QStringLiteral("formatXmlVersion")), QStringLiteral("2.0"));
    const QDomElement r2 = elementWithId(document, QStringLiteral("rule"), QStringLiteral("R2"));
    QCOMPARE(ISerializebleObject::convertStringToLinkedObjects(r2.attribute(QStringLiteral("initId"))),
             (QHash<QString, QString>{{QStringLiteral("a"), QStringLiteral("P1")}, {QStringLiteral("b"), QStringLiteral("P3")}}));
    QCOMPARE(r2.attribute(QStringLiteral("resultId")), QStringLiteral("s:P2"));
    QCOMPARE(r2.attribute(QStringLiteral("relation")), QStringLiteral("relSum"));
    const QDomElement c2 = elementWithId(document, QStringLiteral("constraint"), QStringLiteral("C2"));
    QCOMPARE(ISerializebleObject::convertStringToLinkedObjects(c2.attribute(QStringLiteral("initId"))),
             (QHash<QString, QString>{{QStringLiteral("u"), QStringLiteral("P3")}, {QStringLiteral("w"), QStringLiteral("P1")}}));
    const QDomElement relSum = elementWithId(document, QStringLiteral("relation"), QStringLiteral("relSum"));
    QCOMPARE(ISerializebleObject::convertStringToLinkedObjectsTypes(relSum.attribute(QStringLiteral("inObj"))).size(), 2);
    QVERIFY(!relSum.hasAttribute(QStringLiteral("inputTypes")));
    const QDomElement p3 = elementWithId(document, QStringLiteral("parameter"), QStringLiteral("P3"));
    QCOMPARE(p3.attribute(QStringLiteral("defaultValue")), QStringLiteral("0.25"));
    QCOMPARE(p3.attribute(QStringLiteral("unit")), QStringLiteral("share"));

    // ...and reopened: the same tree, links and values, written again to the same text.
    manager.loadModel(saved);
    const OstraModel::OstraModelSharedPtr reopened = manager.getActiveModel();
    QVERIFY(reopened != older);
    QCOMPARE(reopened->getId(), QStringLiteral("model"));
    QCOMPARE(reopened->getRootClass()->getShortName(), QStringLiteral("root"));
    QCOMPARE(describeModel(reopened->getRootClass()), expectedTree);
    QCOMPARE(manager.saveModelInStr(reopened), saved);
}

QTEST_GUILESS_MAIN(tst_OldFormat)
#include "tst_oldformat.moc"
