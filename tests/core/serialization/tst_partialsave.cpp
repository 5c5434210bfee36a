// Saving chosen parts of a model: the whole model, the cut class tree and the flat lists.

#include <QTemporaryDir>
#include <QtTest>

#include "XmlTestSupport.h"
#include "errors/FileCantOpenExceptionOstra.h"
#include "errors/FileIOExceptionOstra.h"
#include "serialization/ModelPartialXMLSerializer.h"
#include "serialization/ModelXMLSerializer.h"
#include "serialization/ModelXMLSerializerOld.h"

using Parts = QList<ModelPartialXMLSerializer::serializerParts>;
Q_DECLARE_METATYPE(Parts)

namespace {

// Part numbers as written in the rows: 0 classes, 1 parameters, 2 constraints, 3 rules,
// 4 relations, 5 whole model.
Parts parts(std::initializer_list<int> n_numbers)
{
    Parts list;
    for (int number : n_numbers)
        list.append(ModelPartialXMLSerializer::serializerParts(number));
    return list;
}

QSharedPointer<ISerializerObject> item(QSharedPointer<ISerializerObject> n_node,
                                       const QString &n_id)
{
    n_node->addField(QStringLiteral("id"), n_id);
    n_node->addField(QStringLiteral("shortName"), n_id.toUpper());
    return n_node;
}

// Fills a model node the way a model saves itself: attributes, the root class (own lists first,
// then the child classes, each filled before it is added) and the relations.
//   c0 (p1, r1, k1) > c1 (p3, p2, r2, k2) > c2 (p4, r3 with text);  relations rel2 (with text),
//   rel1
void fillModel(ISerializerModel &n_model)
{
    n_model.addField(QStringLiteral("id"), QStringLiteral("m1"));
    n_model.addField(QStringLiteral("shortName"), QStringLiteral("Model"));
    n_model.addField(QStringLiteral("description"), QStringLiteral("three classes"));

    auto root = n_model.getClassPrototype();
    root->addField(QStringLiteral("id"), QStringLiteral("c0"));
    root->addField(QStringLiteral("shortName"), QStringLiteral("Root"));
    root->addOwnParameters({item(root->getParameterPrototype(), QStringLiteral("p1"))});
    root->addOwnRules({item(root->getRulePrototype(), QStringLiteral("r1"))});
    root->addOwnConstraints({item(root->getConstraintPrototype(), QStringLiteral("k1"))});

    auto middle = root->getClassPrototype();
    middle->addField(QStringLiteral("id"), QStringLiteral("c1"));
    middle->addOwnParameters({item(middle->getParameterPrototype(), QStringLiteral("p3")),
                              item(middle->getParameterPrototype(), QStringLiteral("p2"))});
    middle->addOwnRules({item(middle->getRulePrototype(), QStringLiteral("r2"))});
    middle->addOwnConstraints({item(middle->getConstraintPrototype(), QStringLiteral("k2"))});

    auto leaf = middle->getClassPrototype();
    leaf->addField(QStringLiteral("id"), QStringLiteral("c2"));
    leaf->addOwnParameters({item(leaf->getParameterPrototype(), QStringLiteral("p4"))});
    auto rule = item(leaf->getRulePrototype(), QStringLiteral("r3"));
    rule->addField(QStringLiteral("internalInfo"), QStringLiteral("note"));
    leaf->addOwnRules({rule});
    middle->addOwnClasses({leaf});
    root->addOwnClasses({middle});
    n_model.setClass(root);

    auto relations = n_model.getRelationsStoragePrototype();
    auto relation = item(relations->getRelationPrototype(), QStringLiteral("rel2"));
    relation->addField(QStringLiteral("internalInfo"), QStringLiteral("y = x;"));
    relations->addRelations(
        {relation, item(relations->getRelationPrototype(), QStringLiteral("rel1"))});
    n_model.setRelationStorage(relations);
}

// Every item of each list of the filled model, in document order.
QStringList allIds(const QString &n_list)
{
    static const QHash<QString, QString> ids{{"classes", "c0 c1 c2"},
                                             {"parameters", "p1 p2 p3 p4"},
                                             {"rules", "r1 r2 r3"},
                                             {"constraints", "k1 k2"},
                                             {"relations", "rel1 rel2"}};
    return ids.value(n_list).split(QLatin1Char(' '));
}

// Saves the filled model with the given parts; returns the bytes and parses them into n_document.
QByteArray partialSave(const QString &n_path, const Parts &n_parts, bool n_hierarchy,
                       QDomDocument *n_document = nullptr, bool n_setFlags = true)
{
    ModelPartialXMLSerializer model;
    if (n_setFlags)
        model.setSaveFlags(n_parts);
    model.useHierarchy(n_hierarchy);
    fillModel(model);
    QFile file(n_path);
    model.saveToFile(file);
    const QByteArray bytes = readFile(n_path);
    QString message;
    if (n_document && !n_document->setContent(bytes, &message))
        qWarning("not well-formed: %s", qPrintable(message));
    return bytes;
}

} // namespace

class tst_PartialSave : public QObject
{
    Q_OBJECT

private slots:
    void wholeModelWins_data();
    void wholeModelWins();
    void hierarchyCutsUnlistedLists_data();
    void hierarchyCutsUnlistedLists();
    void flatSingleList_data();
    void flatSingleList();
    void flatSeveralPartsAreOneDocument_data();
    void flatSeveralPartsAreOneDocument();
    void loadedModelSavedInParts();
    void saveFailures();
};

void tst_PartialSave::wholeModelWins_data()
{
    QTest::addColumn<bool>("setFlags");
    QTest::addColumn<Parts>("parts");
    QTest::addColumn<bool>("hierarchy");
    QTest::newRow("default node") << false << Parts() << true;
    QTest::newRow("[5], flat") << true << parts({5}) << false;
    QTest::newRow("[1, 5], flat") << true << parts({1, 5}) << false;
    QTest::newRow("[5, 3], hierarchy") << true << parts({5, 3}) << true;
}

void tst_PartialSave::wholeModelWins()
{
    QFETCH(bool, setFlags);
    QFETCH(Parts, parts);
    QFETCH(bool, hierarchy);
    QTemporaryDir dir;
    ModelXMLSerializer full;
    fillModel(full);
    QFile fullFile(dir.filePath(QStringLiteral("full.xml")));
    full.saveToFile(fullFile);
    const QByteArray expected = readFile(fullFile.fileName());
    QVERIFY(expected.contains("formatXmlVersion=\"2.0\""));
    QCOMPARE(partialSave(dir.filePath(QStringLiteral("partial.xml")), parts, hierarchy, nullptr,
                         setFlags),
             expected);
}

void tst_PartialSave::hierarchyCutsUnlistedLists_data()
{
    QTest::addColumn<Parts>("parts");
    QTest::addColumn<QStringList>("keptLists");
    QTest::newRow("[3] rules") << parts({3}) << QStringList{"rules"};
    QTest::newRow("[] class tree alone") << Parts() << QStringList();
    QTest::newRow("[0] class tree alone") << parts({0}) << QStringList();
    QTest::newRow("[7] unknown part") << parts({7}) << QStringList();
    QTest::newRow("[4, 1] parameters and relations")
        << parts({4, 1}) << QStringList{"parameters", "relations"};
    QTest::newRow("[2, 2] constraints") << parts({2, 2}) << QStringList{"constraints"};
}

void tst_PartialSave::hierarchyCutsUnlistedLists()
{
    QFETCH(Parts, parts);
    QFETCH(QStringList, keptLists);
    QTemporaryDir dir;
    QDomDocument document;
    partialSave(dir.filePath(QStringLiteral("cut.xml")), parts, true, &document);
    QCOMPARE(childTags(document), QStringList{"model"});
    const QDomElement model = document.documentElement();
    QCOMPARE(model.attribute(QStringLiteral("formatXmlVersion")), QStringLiteral("2.0"));
    QCOMPARE(model.attribute(QStringLiteral("id")), QStringLiteral("m1"));

    // The class tree with every class's attributes always stays.
    const QDomNodeList classes = model.elementsByTagName(QStringLiteral("class"));
    QCOMPARE(classes.count(), 3);
    QCOMPARE(classes.at(0).toElement().attribute(QStringLiteral("shortName")),
             QStringLiteral("Root"));
    QCOMPARE(classes.at(2).toElement().attribute(QStringLiteral("id")), QStringLiteral("c2"));
    QCOMPARE(model.elementsByTagName(QStringLiteral("classes")).count(), 3);

    for (const QString &list : {QStringLiteral("parameters"), QStringLiteral("rules"),
                                QStringLiteral("constraints"), QStringLiteral("relations")}) {
        const int expected = !keptLists.contains(list)
                                 ? 0
                                 : (list == QLatin1String("relations") ? 1 : 3);
        QVERIFY2(model.elementsByTagName(list).count() == expected, qPrintable(list));
    }
    if (keptLists.contains(QStringLiteral("rules"))) {
        // Each rule stays in its own class.
        const QDomElement leaf = classes.at(2).toElement();
        QCOMPARE(childTags(leaf), (QStringList{"rules", "classes"}));
        QCOMPARE(childIds(leaf.firstChildElement(QStringLiteral("rules"))), QStringList{"r3"});
        QCOMPARE(model.elementsByTagName(QStringLiteral("rule")).count(), 3);
    }
}

void tst_PartialSave::flatSingleList_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("itemTag");
    QTest::newRow("[0] classes") << 0 << "classes"
                                 << "class";
    QTest::newRow("[1] parameters") << 1 << "parameters"
                                    << "parameter";
    QTest::newRow("[2] constraints") << 2 << "constraints"
                                     << "constraint";
    QTest::newRow("[3] rules") << 3 << "rules"
                               << "rule";
    QTest::newRow("[4] relations") << 4 << "relations"
                                   << "relation";
}

void tst_PartialSave::flatSingleList()
{
    QFETCH(int, part);
    QFETCH(QString, list);
    QFETCH(QString, itemTag);
    QTemporaryDir dir;
    QDomDocument document;
    partialSave(dir.filePath(QStringLiteral("flat.xml")), parts({part}), false, &document);
    // One list is written exactly as it is: no wrapper, no model attributes; classes come root
    // first, each without its lists (attributes only).
    QCOMPARE(childTags(document), QStringList{list});
    const QDomElement element = document.documentElement();
    QVERIFY(!element.hasAttributes());
    QCOMPARE(childIds(element), allIds(list));
    const QStringList itemTags = childTags(element);
    QCOMPARE(QSet<QString>(itemTags.begin(), itemTags.end()), QSet<QString>{itemTag});
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        QVERIFY(child.firstChildElement().isNull());
    // Items move whole, attributes and element text included.
    QCOMPARE(element.firstChildElement().attribute(QStringLiteral("shortName")),
             part == 0 ? QStringLiteral("Root") : allIds(list).first().toUpper());
    if (part == 3 || part == 4)
        QCOMPARE(element.lastChildElement().text(),
                 part == 3 ? QStringLiteral("note") : QStringLiteral("y = x;"));
}

void tst_PartialSave::flatSeveralPartsAreOneDocument_data()
{
    QTest::addColumn<Parts>("parts");
    QTest::addColumn<QStringList>("lists");
    QTest::newRow("[3, 1]") << parts({3, 1}) << QStringList{"rules", "parameters"};
    // Classes taken between two other takes: each take still finds its whole list.
    QTest::newRow("[4, 0, 2]") << parts({4, 0, 2})
                               << QStringList{"relations", "classes", "constraints"};
    // The second take finds nothing left to move: an empty list.
    QTest::newRow("[3, 3]") << parts({3, 3}) << QStringList{"rules", "rules"};
    QTest::newRow("[]") << Parts() << QStringList();
    QTest::newRow("[6, 9]") << parts({6, 9}) << QStringList();
}

void tst_PartialSave::flatSeveralPartsAreOneDocument()
{
    QFETCH(Parts, parts);
    QFETCH(QStringList, lists);
    QTemporaryDir dir;
    QDomDocument document;
    QVERIFY(
        !partialSave(dir.filePath(QStringLiteral("flat.xml")), parts, false, &document).isEmpty());
    QCOMPARE(childTags(document), QStringList{"model"});
    const QDomElement model = document.documentElement();
    QCOMPARE(childTags(model), lists);
    QCOMPARE(model.attribute(QStringLiteral("id")), QStringLiteral("m1"));
    QCOMPARE(model.attribute(QStringLiteral("shortName")), QStringLiteral("Model"));
    QCOMPARE(model.attribute(QStringLiteral("description")), QStringLiteral("three classes"));
    QVERIFY(!model.hasAttribute(QStringLiteral("formatXmlVersion")));
    int index = 0;
    for (QDomElement list = model.firstChildElement(); !list.isNull();
         list = list.nextSiblingElement(), ++index) {
        const bool repeated = lists.indexOf(list.tagName()) < index;
        QCOMPARE(childIds(list), repeated ? QStringList() : allIds(list.tagName()));
    }

    // Neither reader takes it for a model: opening it reports an unsupported format.
    QVERIFY(!ModelXMLSerializer().isFormatSupport(document));
    QVERIFY(!ModelXMLSerializerOld().isFormatSupport(document));
}

void tst_PartialSave::loadedModelSavedInParts()
{
    // A hand-written model read into the node; its parameters written as one flat list.
    ModelPartialXMLSerializer model;
    model.loadFromString(
        QStringLiteral("<model formatXmlVersion=\"2.0\" id=\"m\"><class "
                       "id=\"c\"><parameters><parameter id=\"b\" type=\"double\"/>"
                       "</parameters><classes><class id=\"d\"><parameters><parameter id=\"a\" "
                       "type=\"string\"/></parameters>"
                       "</class></classes></class><relations/></model>"));
    model.setSaveFlags(parts({1}));
    model.useHierarchy(false);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("params.xml")));
    model.saveToFile(file);
    QDomDocument document;
    QVERIFY(document.setContent(readFile(file.fileName())));
    QCOMPARE(childTags(document), QStringList{"parameters"});
    QCOMPARE(childIds(document.documentElement()), (QStringList{"b", "a"}));
    QCOMPARE(document.documentElement().lastChildElement().attribute(QStringLiteral("type")),
             QStringLiteral("string"));

    // saveToString stays the base one: whatever is left of the model, whole.
    ModelPartialXMLSerializer whole;
    whole.setSaveFlags(parts({3}));
    fillModel(whole);
    QDomDocument text;
    QVERIFY(text.setContent(whole.saveToString()));
    QCOMPARE(text.documentElement().elementsByTagName(QStringLiteral("parameter")).count(), 4);
}

void tst_PartialSave::saveFailures()
{
    QTemporaryDir dir;
    ModelPartialXMLSerializer model;
    model.setSaveFlags(parts({3, 1}));
    model.useHierarchy(false);
    fillModel(model);
    QFile directory(dir.path());
    MessageCatcher debug(QtDebugMsg);
    const auto cantOpen = thrown<FileCantOpenExceptionOstra>([&] { model.saveToFile(directory); });
    QVERIFY(cantOpen);
    QCOMPARE(cantOpen->getClassName(), QStringLiteral("ModelXMLSerializer"));
    QCOMPARE(cantOpen->getMethodName(), QStringLiteral("saveToFile(QFile &n_file)"));
    QCOMPARE(cantOpen->getFileOpenMode(), QIODevice::WriteOnly | QIODevice::Text);
    QCOMPARE(debug.messages(), QStringList{"Failed to open file for writing."});

    // A write that fails after the open is an error, not a success.
    ModelPartialXMLSerializer full;
    fillModel(full);
    QFile deviceFull(QStringLiteral("/dev/full"));
    QVERIFY(thrown<FileIOExceptionOstra>([&] { full.saveToFile(deviceFull); }));
}

QTEST_GUILESS_MAIN(tst_PartialSave)
#include "tst_partialsave.moc"
