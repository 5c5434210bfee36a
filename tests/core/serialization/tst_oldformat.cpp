// Reading the older model format: item translation, class placement, the model node and its faults.

#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include "XmlTestSupport.h"
#include "errors/FileCantOpenExceptionOstra.h"
#include "errors/FileNotExistExceptionOstra.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/NoElementExceptionOstra.h"
#include "errors/NoRequiredTag.h"
#include "errors/NotEnoughDataExceptionOstra.h"
#include "errors/XMLParseExceptionOstra.h"
#include "model/ModelManager.h"
#include "serialization/ClassXMLSerializerOld.h"
#include "serialization/ISerializebleObject.h"
#include "serialization/ModelXMLSerializerOld.h"
#include "serialization/ObjectXmlSerializerOld.h"
#include "serialization/XMLDocumentReader.h"

namespace {

QString dataFile(const QString &n_name)
{
    return QStringLiteral(TEST_DATA_DIR) + QLatin1Char('/') + n_name;
}

QString idOf(const QSharedPointer<ISerializerObject> &n_node)
{
    return n_node->getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString();
}

template<class Node>
QSet<QString> idSet(const QList<QSharedPointer<Node>> &n_nodes)
{
    QSet<QString> ids;
    for (const auto &node : n_nodes)
        ids.insert(idOf(node));
    return ids;
}

QSet<QString> set(const QString &n_ids)
{
    const QStringList parts = n_ids.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return QSet<QString>(parts.begin(), parts.end());
}

// One class as "id: p[own parameters] r[rules] c[constraints] k[classes]", each list sorted: a
// tree is described by these lines sorted, so no hash order leaks into a comparison.
QString classLine(const QString &n_id, const QSet<QString> &n_parameters,
                  const QSet<QString> &n_rules, const QSet<QString> &n_constraints,
                  const QSet<QString> &n_classes)
{
    auto join = [](const QSet<QString> &n_set) {
        QStringList list(n_set.begin(), n_set.end());
        list.sort();
        return list.join(QLatin1Char(' '));
    };
    return QStringLiteral("%1: p[%2] r[%3] c[%4] k[%5]")
        .arg(n_id, join(n_parameters), join(n_rules), join(n_constraints), join(n_classes));
}

QString sortedLines(QStringList n_lines)
{
    n_lines.sort();
    return n_lines.join(QLatin1Char('\n'));
}

QString describe(const QSharedPointer<ISerializerClass> &n_root)
{
    QStringList lines;
    std::function<void(const QSharedPointer<ISerializerClass> &)> visit =
        [&](const QSharedPointer<ISerializerClass> &n_class) {
            lines.append(classLine(
                idOf(n_class), idSet(n_class->getOwnParameters()), idSet(n_class->getOwnRules()),
                idSet(n_class->getOwnConstraints()), idSet(n_class->getOwnClasses())));
            for (const auto &child : n_class->getOwnClasses())
                visit(child);
        };
    visit(n_root);
    return sortedLines(lines);
}

// The same for a model's class tree.
QString describe(const OstraClass::OstraClassPtr &n_root)
{
    auto keys = [](const auto &n_hash) {
        const auto list = n_hash.keys();
        return QSet<QString>(list.begin(), list.end());
    };
    QStringList lines;
    std::function<void(const OstraClass::OstraClassPtr &)> visit =
        [&](const OstraClass::OstraClassPtr &n_class) {
            lines.append(classLine(n_class->getId(), keys(n_class->getOwnParametersHash()),
                                   keys(n_class->getOwnRulesHash()),
                                   keys(n_class->getOwnConstraintsHash()),
                                   keys(n_class->getOwnClassesHash())));
            for (const auto &child : n_class->getOwnClassesHash())
                visit(child);
        };
    visit(n_root);
    return sortedLines(lines);
}

// Where the hand-written Plant.old.xml places everything: "childs" of A is "P1;R2;O3" and only the
// id with a capital P names a parameter; C2 joins P3 of K with P1 of A and lands at their common
// class.
const QString PLANT_TREE = QStringLiteral("0: p[P4] r[R2] c[] k[A B]\nA: p[P1] r[R1] c[C1 C2] "
                                          "k[K]\nB: p[P2] r[] c[] k[]\nK: p[P3 P5] r[R3] c[] k[]");

QSharedPointer<ObjectXMLSerializer> findItem(
    const QList<QSharedPointer<ISerializerObject>> &n_items, const QString &n_id)
{
    for (const auto &item : n_items)
        if (idOf(item) == n_id)
            return item.dynamicCast<ObjectXMLSerializer>();
    return {};
}

QSharedPointer<ISerializerClass> findClass(const QSharedPointer<ISerializerClass> &n_root,
                                           const QString &n_id)
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
    const QString relations =
        n_relations.isNull() ? QStringLiteral(
            "<relation id=\"rel\" relationType=\"simple\" inObj=\"x\" inputTypes=\"double\" "
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

// Loads older-format text, or the file of tests/data named after "file:".
QSharedPointer<ModelXMLSerializerOld> loadOld(const QString &n_source)
{
    auto model = QSharedPointer<ModelXMLSerializerOld>::create();
    if (n_source.startsWith(QLatin1String("file:"))) {
        QFile file(dataFile(n_source.mid(5)));
        model->loadFromFile(file);
    } else {
        model->loadFromString(n_source);
    }
    return model;
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

class tst_OldFormat : public QObject
{
    Q_OBJECT

private slots:
    // item node
    void itemNodeTranslatesLinks();
    void itemNodeRelationNames();
    // class tree
    void handWrittenFile();
    void rootNaming();
    void placementCases_data();
    void placementCases();
    void cyclesRefused_data();
    void cyclesRefused();
    void classChainDepthLimit();
    void missingRelationRaises_data();
    void missingRelationRaises();
    void unplacedElementsReported();
    void parameterClaimedTwice();
    // nodes and files
    void nodesWithoutWriting();
    void loadFailures_data();
    void loadFailures();
    // through the model
    void olderModelRoundTrip();
};

void tst_OldFormat::itemNodeTranslatesLinks()
{
    QDomDocument document;
    document.setContent(
        QStringLiteral("<l><rule id=\"r\" relation=\"rel\" initId=\"P1,P2\" resultId=\"P3\" "
                       "extra=\"e\" empty=\"\"/>"
                       "<rule id=\"bare\"/>"
                       "<relation id=\"rel\" inObj=\"x,y\" inputTypes=\"integer,double\" "
                       "outObj=\"z\" outputTypes=\"boolean\"/>"
                       "<relation id=\"short\" inObj=\"x,y\" inputTypes=\"integer\"/>"
                       "<relation id=\"none\"/></l>"));
    auto bind = [&](int n_index, const QString &n_inputs = QString(),
                    const QString &n_outputs = QString()) {
        auto node = QSharedPointer<ObjectXmlSerializerOld>::create(QStringLiteral("rule"),
                                                                   document);
        QDomElement element = document.documentElement().childNodes().at(n_index).toElement();
        node->setXMLObject(element);
        if (!n_inputs.isEmpty())
            node->setInputRelationNames(n_inputs);
        if (!n_outputs.isEmpty())
            node->setOutputRelationNames(n_outputs);
        return node;
    };

    // Comma lists of ids become name:id pairs, bound by position to the relation's variables, in
    // the single values and in the hash alike.
    const auto rule = bind(0, QStringLiteral("a:double;b:double"), QStringLiteral("c:double"));
    QCOMPARE(rule->getFieldValue(QStringLiteral("initId")).toString(), QStringLiteral("a:P1;b:P2"));
    QCOMPARE(rule->getFieldValue(QStringLiteral("resultId")).toString(), QStringLiteral("c:P3"));
    QVERIFY(!rule->getFieldValue(QStringLiteral("empty")).isValid());
    const QHash<QString, QVariant> fields = rule->getFieldsHash();
    QCOMPARE(fields.value(QStringLiteral("initId")).toString(), QStringLiteral("a:P1;b:P2"));
    QCOMPARE(fields.value(QStringLiteral("resultId")).toString(), QStringLiteral("c:P3"));
    QCOMPARE(fields.value(QStringLiteral("extra")).toString(), QStringLiteral("e"));
    // Three inputs against two ids, for the value and for the names read through it.
    const auto threeInputs = bind(0, QStringLiteral("a:double;b:double;c:double"));
    QVERIFY(thrown<InconsistencyDataExceptionOstra>(
        [&] { threeInputs->getFieldValue(QStringLiteral("initId")); }));
    QVERIFY(thrown<InconsistencyDataExceptionOstra>([&] { threeInputs->getFieldNames(); }));
    // No initId: one empty id at the first input; the absent resultId has no entry in the hash.
    const auto bare = bind(1, QStringLiteral("a:double"));
    QCOMPARE(bare->getFieldValue(QStringLiteral("initId")).toString(), QStringLiteral("a:"));
    QVERIFY(!bare->getFieldsHash().contains(QStringLiteral("resultId")));

    // A relation's variable names and types become name:type pairs.
    QCOMPARE(bind(2)->getFieldValue(QStringLiteral("inObj")).toString(),
             QStringLiteral("x:integer;y:double"));
    QCOMPARE(bind(2)->getFieldValue(QStringLiteral("outObj")).toString(),
             QStringLiteral("z:boolean"));
    const auto shortTypes = bind(3);
    const auto e = thrown<InconsistencyDataExceptionOstra>(
        [&] { shortTypes->getFieldValue(QStringLiteral("inObj")); });
    QVERIFY(e);
    QCOMPARE(e->getClassName(), QStringLiteral("ObjectXmlSerializerOld"));
    QCOMPARE(e->getMethodName(),
             QStringLiteral("convertLinkedObjectsHash(const QStringList &n_linkedNames, const "
                            "QStringList &n_linkedObjects)"));
    QCOMPARE(bind(4)->getFieldValue(QStringLiteral("inObj")).toString(), QStringLiteral(":"));
}

void tst_OldFormat::itemNodeRelationNames()
{
    QDomDocument document;
    document.setContent(QStringLiteral("<rule initId=\"P1,P2\"/>"));
    QDomElement rule = document.documentElement();
    ObjectXmlSerializerOld partial(QStringLiteral("rule"), document);
    partial.setXMLObject(rule);
    const auto e = thrown<NotEnoughDataExceptionOstra>(
        [&] { partial.setInputRelationNames(QStringLiteral("a:integer;")); });
    QVERIFY(e);
    QCOMPARE(e->getDesiredElementsCounts(), 2L);
    QCOMPARE(e->getCurrentElementsCounts(), 0L);
    QCOMPARE(e->getMethodName(),
             QStringLiteral("setInputRelationNames(const QString &n_inputRelationNames)"));
    // The name before the failing part stays; a later call appends; only the name of
    // "name:type:more" counts.
    partial.setInputRelationNames(QStringLiteral("b:integer:extra"));
    QCOMPARE(partial.getFieldValue(QStringLiteral("initId")).toString(),
             QStringLiteral("a:P1;b:P2"));
    ObjectXmlSerializerOld empty(QStringLiteral("rule"), document);
    QVERIFY(thrown<NotEnoughDataExceptionOstra>([&] { empty.setOutputRelationNames(QString()); }));
}

void tst_OldFormat::handWrittenFile()
{
    MessageCatcher warnings;
    const auto model = loadOld(QStringLiteral("file:Plant.old.xml"));
    QVERIFY2(warnings.messages().isEmpty(),
             qPrintable(warnings.messages().join(QLatin1Char('\n'))));
    const auto root = model->getClass();
    QCOMPARE(describe(root), PLANT_TREE);
    QCOMPARE(idOf(root), QStringLiteral("0"));
    QCOMPARE(root->getFieldValue(QStringLiteral("shortName")).toString(), QStringLiteral("Plant"));
    QCOMPARE(model->getFieldValue(QStringLiteral("id")).toString(), QStringLiteral("model"));
    QCOMPARE(model->getFieldValue(QStringLiteral("shortName")).toString(),
             QStringLiteral("Plant model"));
    QCOMPARE(model->getFieldValue(QStringLiteral("author")).toString(), QStringLiteral("Tester"));

    // The subtree maps hold every descendant's elements.
    auto oldRoot = root.dynamicCast<ClassXMLSerializerOld>();
    QCOMPARE(idSet(oldRoot->getAllParameters()), set(QStringLiteral("P1 P2 P3 P4 P5")));
    QCOMPARE(idSet(oldRoot->getAllRules()), set(QStringLiteral("R1 R2 R3")));
    QCOMPARE(idSet(oldRoot->getAllConstraints()), set(QStringLiteral("C1 C2")));
    QCOMPARE(idSet(oldRoot->getAllClasses()), set(QStringLiteral("A B K")));

    // A bound class gives every attribute of its element, the older ones included.
    const auto a = findClass(root, QStringLiteral("A"));
    const QHash<QString, QVariant> fields = a->getFieldsHash();
    QCOMPARE(fields.value(QStringLiteral("levelName")).toString(), QStringLiteral("unit"));
    QCOMPARE(fields.value(QStringLiteral("childs")).toString(), QStringLiteral("P1;R2;O3"));

    // Links come out in the current pair form, bound by position to the relation's variables.
    const auto r2 = findItem(root->getOwnRules(), QStringLiteral("R2"));
    QCOMPARE(r2->getFieldValue(QStringLiteral("initId")).toString(), QStringLiteral("a:P1;b:P3"));
    QCOMPARE(r2->getFieldValue(QStringLiteral("resultId")).toString(), QStringLiteral("s:P2"));
    QCOMPARE(r2->getXMLObject().tagName(), QStringLiteral("rule"));
    QCOMPARE(findItem(a->getOwnConstraints(), QStringLiteral("C2"))
                 ->getFieldValue(QStringLiteral("initId"))
                 .toString(),
             QStringLiteral("u:P3;w:P1"));
    // Parameters need no translation; relations get typed variables.
    const auto p3 = findItem(findClass(root, QStringLiteral("K"))->getOwnParameters(),
                             QStringLiteral("P3"));
    QVERIFY(p3.dynamicCast<ObjectXmlSerializerOld>().isNull());
    QCOMPARE(p3->getFieldValue(QStringLiteral("defaultValue")).toString(), QStringLiteral("0.25"));
    const auto relations = model->getRelationStorage()->getRelations();
    QCOMPARE(relations.size(), 4);
    const auto relSum = findItem(relations, QStringLiteral("relSum"));
    QCOMPARE(relSum->getFieldValue(QStringLiteral("inObj")).toString(),
             QStringLiteral("a:double;b:double"));
    QCOMPARE(relSum->getFieldValue(QStringLiteral("outObj")).toString(),
             QStringLiteral("s:double"));
    QCOMPARE(relSum->getFieldValue(QStringLiteral("internalInfo")).toString(),
             QStringLiteral("s = a + b;"));
}

void tst_OldFormat::rootNaming()
{
    // From a file the root class is named after the file's base name, from text "root".
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("Pump.station.v2.xml"));
    QVERIFY(QFile::copy(dataFile(QStringLiteral("Plant.old.xml")), copy));
    QFile copyFile(copy);
    ModelXMLSerializerOld fromFile;
    fromFile.loadFromFile(copyFile);
    QCOMPARE(fromFile.getClass()->getFieldValue(QStringLiteral("shortName")).toString(),
             QStringLiteral("Pump"));

    const QString text = QString::fromUtf8(readFile(copy));
    QCOMPARE(loadOld(text)->getClass()->getFieldValue(QStringLiteral("shortName")).toString(),
             QStringLiteral("root"));
    QDomDocument document;
    document.setContent(text);
    ModelXMLSerializerOld fromDocument;
    QVERIFY(fromDocument.isFormatSupport(document));
    fromDocument.loadFromDomDocument(document);
    QCOMPARE(fromDocument.getClass()->getFieldValue(QStringLiteral("shortName")).toString(),
             QStringLiteral("root"));
    // The node reads the caller's tree: the naming is visible there.
    QCOMPARE(document.documentElement().attribute(QStringLiteral("id")), QStringLiteral("model"));
    // No class "0" in the file: the root node's own element holds the id and the short name only.
    const QHash<QString, QVariant> rootFields = fromDocument.getClass()->getFieldsHash();
    QCOMPARE(QSet<QString>(rootFields.keyBegin(), rootFields.keyEnd()),
             set(QStringLiteral("id shortName")));

    // A class "0" in the file is the root's own element; its short name gives way to the naming.
    const auto named = loadOld(
        oldFile(QStringLiteral("<class id=\"0\" shortName=\"Top\" childs=\"P1\" levelName=\"l\"/>"),
                parameters(QStringLiteral("P1 P2")), QString()));
    QCOMPARE(named->getClass()->getFieldValue(QStringLiteral("shortName")).toString(),
             QStringLiteral("root"));
    QCOMPARE(named->getClass()->getFieldValue(QStringLiteral("levelName")).toString(),
             QStringLiteral("l"));
    QCOMPARE(idSet(named->getClass()->getOwnParameters()), set(QStringLiteral("P1 P2")));
}

void tst_OldFormat::placementCases_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    const QString ab = QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1\"/><class "
                                      "id=\"B\" levelUID=\"0\" childs=\"P2\"/>");
    QTest::newRow("rules by their parameters")
        << oldFile(
               ab, parameters(QStringLiteral("P1 P2")),
               QStringLiteral("<rule id=\"Rab\" relation=\"rel\" initId=\"P1\" resultId=\"P2\"/>"
                              "<rule id=\"Raa\" relation=\"rel\" initId=\"P1\" resultId=\"P1\"/>"))
        << QStringLiteral(
               "0: p[] r[Rab] c[] k[A B]\nA: p[P1] r[Raa] c[] k[]\nB: p[P2] r[] c[] k[]");
    // A constraint over two sibling classes goes to their common ancestor, the root.
    QTest::newRow("constraints by their parameters")
        << oldFile(ab, parameters(QStringLiteral("P1 P2")), QString(),
                   QStringLiteral("<constraint id=\"Cab\" relation=\"rel\" initId=\"P1,P2\"/>"
                                  "<constraint id=\"Ca\" relation=\"rel\" initId=\"P1\"/>"))
        << QStringLiteral("0: p[] r[] c[Cab] k[A B]\nA: p[P1] r[] c[Ca] k[]\nB: p[P2] r[] c[] k[]");
    QTest::newRow("deepest class wins")
        << oldFile(
               QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1\"/><class id=\"K\" "
                              "levelUID=\"A\" childs=\"P2;P3\"/>"),
               parameters(QStringLiteral("P1 P2 P3")),
               QStringLiteral("<rule id=\"Rk\" relation=\"rel\" initId=\"P2\" resultId=\"P3\"/>"
                              "<rule id=\"Ra\" relation=\"rel\" initId=\"P2\" resultId=\"P1\"/>"),
               QStringLiteral("<constraint id=\"Ck\" relation=\"rel\" initId=\"P3,P2\"/>"))
        << QStringLiteral(
               "0: p[] r[] c[] k[A]\nA: p[P1] r[Ra] c[] k[K]\nK: p[P2 P3] r[Rk] c[Ck] k[]");
    QTest::newRow("no class list")
        << QStringLiteral("<root><parameters>%1</parameters><rules>"
                          "<rule id=\"R1\" relation=\"rel\" initId=\"P1\" resultId=\"P2\"/>"
                          "<rule id=\"R2\" relation=\"rel\" initId=\"P1\" resultId=\"P9\"/></rules>"
                          "<constraints><constraint id=\"C1\" relation=\"rel\" "
                          "initId=\"P2,P1\"/></constraints>"
                          "<relations><relation id=\"rel\" inObj=\"x,y\" "
                          "inputTypes=\"double,double\" outObj=\"z\" "
                          "outputTypes=\"double\"/></relations></root>")
               .arg(parameters(QStringLiteral("P1 P2")))
        << QStringLiteral("0: p[P1 P2] r[R1] c[C1] k[]");
    QTest::newRow("empty class list") << oldFile(
        QString(), parameters(QStringLiteral("P1")),
        QStringLiteral("<rule id=\"R1\" relation=\"rel\" initId=\"P1\" resultId=\"P1\"/>"))
                                      << QStringLiteral("0: p[P1] r[R1] c[] k[]");
    // Only ids holding a capital P are parameters; such an id is then looked up as it stands.
    QTest::newRow("childs filter")
        << oldFile(QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1;R2;O3;XP7;p2;\"/>"),
                   parameters(QStringLiteral("P1 p2 XP7 R2")), QString())
        << QStringLiteral("0: p[R2 p2] r[] c[] k[A]\nA: p[P1 XP7] r[] c[] k[]");
    QTest::newRow("rule with an empty initId")
        << oldFile(QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1\"/>"),
                   parameters(QStringLiteral("P1")),
                   QStringLiteral("<rule id=\"R1\" relation=\"rel\" initId=\"\" resultId=\"P1\"/>"))
        << QStringLiteral("0: p[] r[] c[] k[A]\nA: p[P1] r[] c[] k[]");
    // Two rules with one id: the first one placed keeps it.
    QTest::newRow("repeated rule id")
        << oldFile(
               QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1\"/>"),
               parameters(QStringLiteral("P1 P2")),
               QStringLiteral("<rule id=\"R1\" relation=\"rel\" initId=\"P1\" resultId=\"P2\"/>"
                              "<rule id=\"R1\" relation=\"rel\" initId=\"P1\" resultId=\"P1\"/>"))
        << QStringLiteral("0: p[P2] r[] c[] k[A]\nA: p[P1] r[R1] c[] k[]");
    // Z names a parent that does not exist, so neither Z nor its child Y is read: their
    // parameters, and the rule over them, go to the root.
    QTest::newRow("orphan levelUID, hand-written file")
        << QStringLiteral("file:orphan.old.xml")
        << QStringLiteral("0: p[P2 P3] r[R1] c[] k[A]\nA: p[P1] r[] c[] k[]");
}

void tst_OldFormat::placementCases()
{
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QCOMPARE(describe(loadOld(source)->getClass()), expected);
}

void tst_OldFormat::cyclesRefused_data()
{
    QTest::addColumn<QString>("source");
    QTest::newRow("root names itself as parent, hand-written file")
        << QStringLiteral("file:selfparent.old.xml");
    // The second "C" binds to the first C's element, whose subtree leads back to C.
    QTest::newRow("two classes with one id") << oldFile(
        QStringLiteral("<class id=\"A\" levelUID=\"0\"/><class id=\"C\" levelUID=\"D\"/>"
                       "<class id=\"D\" levelUID=\"C\"/><class id=\"C\" levelUID=\"A\"/>"),
        parameters(QStringLiteral("P1")), QString());
    // A class id used twice would be read again with its whole subtree at every level: these files
    // took exponential time before.
    QTest::newRow("sibling classes with one id") << oldFile(
        QStringLiteral("<class id=\"A\" levelUID=\"0\"/><class id=\"A\" levelUID=\"0\"/>"),
        parameters(QStringLiteral("P1")), QString());
    QTest::newRow("one id under every class of a long chain")
        << QStringLiteral("file:fuzz/model/old_duplicate_class_chain.xml");
    QTest::newRow("one id under two parents, level after level")
        << QStringLiteral("file:fuzz/model/old_diamond_classes.xml");
    QTest::newRow("class under its own descendant")
        << oldFile(QStringLiteral("<class id=\"A\" levelUID=\"0\"/><class id=\"B\" "
                                  "levelUID=\"A\"/><class id=\"A\" levelUID=\"B\"/>"),
                   parameters(QStringLiteral("P1")), QString());
}

void tst_OldFormat::cyclesRefused()
{
    QFETCH(QString, source);
    const auto e = thrown<InconsistencyDataExceptionOstra>([&] { loadOld(source); });
    QVERIFY(e);
    QCOMPARE(e->getClassName(), QStringLiteral("ClassXMLSerializerOld"));
    QCOMPARE(e->getMethodName(), QStringLiteral("setXMLObject(QDomElement &n_domElement)"));
    // The reason is in the exception's own text, not only in the debug output.
    const QString text = e->toString(false);
    QVERIFY2(text.contains(QStringLiteral("ancestor"))
                 || text.contains(QStringLiteral("more than one class")),
             qPrintable(text));
}

void tst_OldFormat::classChainDepthLimit()
{
    auto chain = [](int n_depth) {
        QString classes;
        for (int i = 1; i <= n_depth; ++i)
            classes += QStringLiteral("<class id=\"K%1\" levelUID=\"%2\" childs=\"P%1\"/>")
                           .arg(i)
                           .arg(i == 1 ? QStringLiteral("0") : QStringLiteral("K%1").arg(i - 1));
        return oldFile(classes,
                       QStringLiteral("<parametr id=\"P%1\" type=\"double\"/>").arg(n_depth),
                       QString());
    };
    const int limit = ClassXMLSerializerOld::MAX_CLASS_DEPTH;
    // The deepest tree that the current format can still hold (and reopen) when written back.
    QVERIFY(4 + 2 * limit <= XMLDocumentReader::MAX_NESTING_DEPTH);
    QVERIFY(4 + 2 * (limit + 1) > XMLDocumentReader::MAX_NESTING_DEPTH);

    auto deepest = loadOld(chain(limit))->getClass();
    for (int i = 0; i < limit; ++i)
        deepest = deepest->getOwnClasses().value(0);
    QCOMPARE(idOf(deepest), QStringLiteral("K%1").arg(limit));
    QCOMPARE(idSet(deepest->getOwnParameters()), set(QStringLiteral("P%1").arg(limit)));
    for (int depth : {limit + 1, 100000}) {
        const auto e = thrown<InconsistencyDataExceptionOstra>([&] { loadOld(chain(depth)); });
        QVERIFY(e);
        // The text names the limit.
        QVERIFY2(
            e->toString(false).contains(QStringLiteral("nested deeper than %1 levels").arg(limit)),
            qPrintable(e->toString(false)));
    }
}

void tst_OldFormat::missingRelationRaises_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("relationId");
    QTest::addColumn<QString>("methodName");
    QTest::newRow("rule, hand-written file")
        << QStringLiteral("file:missingrelation.old.xml") << QStringLiteral("relGone")
        << QStringLiteral("addChildRule(QDomElement &n_element)");
    const QString classA = QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1\"/>");
    QTest::newRow("constraint") << oldFile(
        classA, parameters(QStringLiteral("P1")), QString(),
        QStringLiteral("<constraint id=\"C1\" relation=\"nowhere\" initId=\"P1\"/>"))
                                << QStringLiteral("nowhere")
                                << QStringLiteral("addChildConstraint(QDomElement &n_element)");
    // A comment among the relations reads as a relation with an empty id; it is no relation.
    QTest::newRow("rule without relation")
        << oldFile(classA, parameters(QStringLiteral("P1")),
                   QStringLiteral("<rule id=\"R1\" initId=\"P1\" resultId=\"P1\"/>"), QString(),
                   QStringLiteral("<!-- none -->"))
        << QString() << QStringLiteral("addChildRule(QDomElement &n_element)");
}

void tst_OldFormat::missingRelationRaises()
{
    QFETCH(QString, source);
    QFETCH(QString, relationId);
    QFETCH(QString, methodName);
    const auto e = thrown<NoElementExceptionOstra>([&] { loadOld(source); });
    QVERIFY(e);
    QCOMPARE(e->getDesiredId(), relationId);
    QCOMPARE(e->getClassName(), QStringLiteral("ClassXMLSerializerOld"));
    QCOMPARE(e->getMethodName(), methodName);
}

void tst_OldFormat::unplacedElementsReported()
{
    MessageCatcher warnings;
    const auto model = loadOld(oldFile(
        QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1\"/>"),
        parameters(QStringLiteral("P1")),
        QStringLiteral("<rule id=\"Rgood\" relation=\"rel\" initId=\"P1\" resultId=\"P1\"/>"
                       "<rule id=\"Rlost\" relation=\"rel\" initId=\"P1\" resultId=\"P404\"/>"
                       "<rule id=\"Rgood\" relation=\"rel\" initId=\"P1\" resultId=\"P1\"/>"),
        QStringLiteral("<constraint id=\"Cempty\" relation=\"rel\" initId=\"\"/>")));
    QCOMPARE(describe(model->getClass()),
             QStringLiteral("0: p[] r[] c[] k[A]\nA: p[P1] r[Rgood] c[] k[]"));
    QCOMPARE(warnings.messages().size(), 3);
    QVERIFY(warnings.any(QStringLiteral("\"Rlost\"")));
    QVERIFY(warnings.any(QStringLiteral("\"Cempty\"")));
    QVERIFY(warnings.any(QStringLiteral("\"Rgood\" repeats")));
}

void tst_OldFormat::parameterClaimedTwice()
{
    MessageCatcher warnings;
    // A reads before B (document order under the root); A's subclass K reads before B as well.
    const auto model = loadOld(oldFile(
        QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1\"/><class id=\"B\" "
                       "levelUID=\"0\" childs=\"P1;P2;P3\"/>"
                       "<class id=\"K\" levelUID=\"A\" childs=\"P3;P1\"/>"),
        parameters(QStringLiteral("P1 P2 P3")),
        QStringLiteral("<rule id=\"R1\" relation=\"rel\" initId=\"P1\" resultId=\"P2\"/>")));
    QCOMPARE(describe(model->getClass()),
             QStringLiteral("0: p[] r[R1] c[] k[A B]\nA: p[P1] r[] c[] k[K]\nB: p[P2] r[] c[] "
                            "k[]\nK: p[P3] r[] c[] k[]"));
    QCOMPARE(warnings.messages().size(), 3);
    QVERIFY(warnings.any(QStringLiteral("\"P1\" is listed in the classes \"A\" and \"K\"")));
    QVERIFY(warnings.any(QStringLiteral("\"P3\" is listed in the classes \"K\" and \"B\"")));
    QVERIFY(warnings.any(QStringLiteral("\"P1\" is listed in the classes \"A\" and \"B\"")));
}

void tst_OldFormat::nodesWithoutWriting()
{
    // The older nodes only read: writing warns and leaves an existing file as it was.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.xml"));
    QVERIFY(writeFile(path, "old content"));
    QFile kept(path);
    ClassXMLSerializerOld node(QStringLiteral("0"), QDomDocument());
    QCOMPARE(node.getFieldsHash().keys(), QStringList{"id"});
    {
        MessageCatcher warnings;
        QVERIFY(node.saveToString().isNull());
        node.saveToFile(kept);
        QVERIFY(node.getXMLObject().isNull());
        QCOMPARE(warnings.messages(),
                 (QStringList{"ClassXMLSerializerOld, method saveToString - нет реализации",
                              "ClassXMLSerializerOld, method saveToFile - нет реализации",
                              "ClassXMLSerializerOld, method getXMLObject - нет реализации"}));
    }
    // The class node's string form reads a whole older file into it.
    node.setRelations({});
    node.loadFromString(oldFile(QStringLiteral("<class id=\"A\" levelUID=\"0\" childs=\"P1\"/>"),
                                parameters(QStringLiteral("P1 P2")), QString()));
    QCOMPARE(idSet(node.getOwnParameters()), set(QStringLiteral("P2")));
    QCOMPARE(idSet(node.getOwnClasses()), set(QStringLiteral("A")));

    // The model node takes only an older document.
    QDomDocument current, older, empty;
    current.setContent(
        QStringLiteral("<model formatXmlVersion=\"2.0\"><class/><relations/></model>"));
    older.setContent(QStringLiteral("<!-- old --><root/>"));
    ModelXMLSerializerOld model;
    QVERIFY(!model.isFormatSupport(current));
    QVERIFY(model.isFormatSupport(older));
    QVERIFY(!model.isFormatSupport(empty));
    QCOMPARE(idOf(model.getClass()), QStringLiteral("0"));

    // A comment among the relations is one more item; the classes are read without it.
    const auto loaded = loadOld(oldFile(
        QString(), parameters(QStringLiteral("P1")), QString(), QString(),
        QStringLiteral("<relation id=\"r\" inObj=\"x\" inputTypes=\"double\"/><!-- c -->")));
    const auto relations = loaded->getRelationStorage()->getRelations();
    QCOMPARE(relations.size(), 2);
    QVERIFY(relations.at(1).dynamicCast<ObjectXMLSerializer>()->getXMLObject().isNull());
    QCOMPARE(loaded->getFieldsHash().keys(), QStringList{"id"});
    MessageCatcher warnings;
    QVERIFY(loaded->saveToString().isNull());
    loaded->saveToFile(kept);
    QCOMPARE(warnings.messages().size(), 2);
    QCOMPARE(readFile(path), QByteArray("old content"));
}

void tst_OldFormat::loadFailures_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("parseError"); // else a missing "relations" tag
    QTest::newRow("no relations") << "<root><classes/></root>" << false;
    QTest::newRow("relations not a direct child") << "<root><x><relations/></x></root>" << false;
    QTest::newRow("other document element") << "<model><relations/></model>" << false;
    QTest::newRow("broken XML") << "<root><relations></root>" << true;
    QTest::newRow("nested too deep")
        << "<root><relations/>"
               + QStringLiteral("<a>").repeated(XMLDocumentReader::MAX_NESTING_DEPTH)
               + QStringLiteral("</a>").repeated(XMLDocumentReader::MAX_NESTING_DEPTH) + "</root>"
        << true;
}

void tst_OldFormat::loadFailures()
{
    QFETCH(QString, text);
    QFETCH(bool, parseError);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("model.xml")));
    QVERIFY(writeFile(file.fileName(), text.toUtf8()));
    for (const QString &method : {QStringLiteral("loadFromString(const QString &n_string)"),
                                  QStringLiteral("loadFromFile(QFile &n_file)")}) {
        auto load = [&] {
            ModelXMLSerializerOld model;
            if (method.startsWith(QLatin1String("loadFromString")))
                model.loadFromString(text);
            else
                model.loadFromFile(file);
        };
        if (parseError) {
            const auto e = thrown<XMLParseExceptionOstra>(load);
            QVERIFY(e);
            QCOMPARE(e->getClassName(), QStringLiteral("ModelXMLSerializerOld"));
            QCOMPARE(e->getMethodName(), method);
        } else {
            const auto e = thrown<NoRequiredTag>(load);
            QVERIFY(e);
            QCOMPARE(e->getRequiredTag(), QStringLiteral("relations"));
            QCOMPARE(e->getClassName(), QStringLiteral("ModelXMLSerializerOld"));
            QCOMPARE(e->getMethodName(), QStringLiteral("setXMLObject(QDomElement &n_domElement)"));
        }
        QVERIFY(!file.isOpen());
    }

    // File-level failures do not depend on the content.
    ModelXMLSerializerOld model;
    QFile missing(dir.filePath(QStringLiteral("missing.xml")));
    QVERIFY(thrown<FileNotExistExceptionOstra>([&] { model.loadFromFile(missing); }));
    QFile directory(dir.path());
    QVERIFY(thrown<FileCantOpenExceptionOstra>([&] { model.loadFromFile(directory); }));
    ClassXMLSerializerOld classNode(QStringLiteral("0"), QDomDocument());
    QVERIFY(thrown<FileNotExistExceptionOstra>([&] { classNode.loadFromFile(missing); }));
    const auto e = thrown<XMLParseExceptionOstra>(
        [&] { classNode.loadFromString(QStringLiteral("<root>")); });
    QVERIFY(e);
    QCOMPARE(e->getClassName(), QStringLiteral("ClassXMLSerializerOld"));
}

void tst_OldFormat::olderModelRoundTrip()
{
    ModelManager manager;
    QFile file(dataFile(QStringLiteral("Plant.old.xml")));
    manager.loadModel(file);
    const OstraModel::OstraModelSharedPtr older = manager.getActiveModel();
    QCOMPARE(older->getId(), QStringLiteral("model"));
    QCOMPARE(older->getShortName(), QStringLiteral("Plant model"));
    // The manager hands over a parsed document, which carries no file name.
    QCOMPARE(older->getRootClass()->getShortName(), QStringLiteral("root"));
    QCOMPARE(describe(older->getRootClass()), PLANT_TREE);

    // Written back in the current format...
    const QString saved = manager.saveModelInStr(older);
    QDomDocument document;
    QVERIFY(document.setContent(saved));
    QCOMPARE(document.documentElement().tagName(), QStringLiteral("model"));
    QCOMPARE(document.documentElement().attribute(QStringLiteral("formatXmlVersion")),
             QStringLiteral("2.0"));
    const QDomElement r2 = elementWithId(document, QStringLiteral("rule"), QStringLiteral("R2"));
    QCOMPARE(
        ISerializebleObject::convertStringToLinkedObjects(r2.attribute(QStringLiteral("initId"))),
        (QHash<QString, QString>{{"a", "P1"}, {"b", "P3"}}));
    QCOMPARE(r2.attribute(QStringLiteral("resultId")), QStringLiteral("s:P2"));
    QCOMPARE(r2.attribute(QStringLiteral("relation")), QStringLiteral("relSum"));
    const QDomElement c2 = elementWithId(document, QStringLiteral("constraint"),
                                         QStringLiteral("C2"));
    QCOMPARE(
        ISerializebleObject::convertStringToLinkedObjects(c2.attribute(QStringLiteral("initId"))),
        (QHash<QString, QString>{{"u", "P3"}, {"w", "P1"}}));
    const QDomElement relSum = elementWithId(document, QStringLiteral("relation"),
                                             QStringLiteral("relSum"));
    QCOMPARE(ISerializebleObject::convertStringToLinkedObjectsTypes(
                 relSum.attribute(QStringLiteral("inObj")))
                 .size(),
             2);
    QVERIFY(!relSum.hasAttribute(QStringLiteral("inputTypes")));
    const QDomElement p3 = elementWithId(document, QStringLiteral("parameter"),
                                         QStringLiteral("P3"));
    QCOMPARE(p3.attribute(QStringLiteral("defaultValue")), QStringLiteral("0.25"));
    QCOMPARE(p3.attribute(QStringLiteral("unit")), QStringLiteral("share"));

    // ...and reopened: the same tree, links and values, written again to the same text.
    manager.loadModel(saved);
    const OstraModel::OstraModelSharedPtr reopened = manager.getActiveModel();
    QVERIFY(reopened != older);
    QCOMPARE(reopened->getId(), QStringLiteral("model"));
    QCOMPARE(describe(reopened->getRootClass()), PLANT_TREE);
    QCOMPARE(manager.saveModelInStr(reopened), saved);
}

QTEST_GUILESS_MAIN(tst_OldFormat)
#include "tst_oldformat.moc"
