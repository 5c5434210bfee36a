// Saving chosen parts of a model: the whole model, the cut class tree and the flat lists.

#include <QTemporaryDir>
#include <QtTest>

#include "errors/FileCantOpenExceptionOstra.h"
#include "errors/FileIOExceptionOstra.h"
#include "serialization/ModelPartialXMLSerializer.h"
#include "serialization/ModelXMLSerializer.h"
#include "serialization/ModelXMLSerializerOld.h"

Q_DECLARE_METATYPE(QList<ModelPartialXMLSerializer::serializerParts>)

namespace {

using Parts = QList<ModelPartialXMLSerializer::serializerParts>;

class DebugCatcher
{
public:
    DebugCatcher()
    {
        s_messages.clear();
        m_previous = qInstallMessageHandler(&DebugCatcher::handler);
    }
    ~DebugCatcher() { qInstallMessageHandler(m_previous); }
    QStringList messages() const { return s_messages; }

private:
    static void handler(QtMsgType n_type, const QMessageLogContext &, const QString &n_message)
    {
        if (n_type == QtDebugMsg)
            s_messages.append(n_message);
    }
    static QStringList s_messages;
    QtMessageHandler m_previous;
};
QStringList DebugCatcher::s_messages;

QSharedPointer<ISerializerObject> item(QSharedPointer<ISerializerObject> n_node, const QString &n_id)
{
    n_node->addField(QStringLiteral("id"), n_id);
    n_node->addField(QStringLiteral("shortName"), n_id.toUpper());
    return n_node;
}

// Fills a model node the way a model saves itself: attributes, the root class (own lists first, then
// the child classes, each filled before it is added) and the relations.
//   c0 (p1, r1, k1) > c1 (p2, p3, r2, k2) > c2 (p4, r3);  relations rel1, rel2
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
    relations->addRelations({relation, item(relations->getRelationPrototype(), QStringLiteral("rel1"))});
    n_model.setRelationStorage(relations);
}

QByteArray readAll(const QString &n_path)
{
    QFile file(n_path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QByteArray fullSave(const QString &n_path)
{
    ModelXMLSerializer model;
    fillModel(model);
    QFile file(n_path);
    model.saveToFile(file);
    return readAll(n_path);
}

// Saves the filled model with the given parts and parses the file back; the parse must succeed.
QDomDocument partialSave(const QString &n_path, const Parts &n_parts, bool n_hierarchy, QByteArray *n_bytes = nullptr)
{
    ModelPartialXMLSerializer model;
    model.setSaveFlags(n_parts);
    model.useHierarchy(n_hierarchy);
    fillModel(model);
    QFile file(n_path);
    model.saveToFile(file);
    const QByteArray bytes = readAll(n_path);
    if (n_bytes)
        *n_bytes = bytes;
    QDomDocument document;
    QString message;
    if (!document.setContent(bytes, &message))
        qWarning("not well-formed: %s", qPrintable(message));
    return document;
}

QStringList childTags(const QDomNode &n_parent)
{
    QStringList tags;
    for (QDomElement child = n_parent.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        tags.append(child.tagName());
    return tags;
}

QStringList idsUnder(const QDomElement &n_root, const QString &n_tag)
{
    QStringList ids;
    const QDomNodeList found = n_root.elementsByTagName(n_tag);
    for (int i = 0; i < found.count(); ++i)
        ids.append(found.at(i).toElement().attribute(QStringLiteral("id")));
    return ids;
}

QStringList idsOfChildren(const QDomElement &n_list)
{
    QStringList ids;
    for (QDomElement child = n_list.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        ids.append(child.attribute(QStringLiteral("id")));
    return ids;
}

int topLevelElements(const QDomDocument &n_document)
{
    return childTags(n_document).size();
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
    void flatSingleList();
    void flatClassesAreAttributesOnly();
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
    QTest::newRow("[5], flat") << true << Parts{ModelPartialXMLSerializer::PART_ALL} << false;
    QTest::newRow("[1, 5], flat") << true
                                  << Parts{ModelPartialXMLSerializer::PART_PARAMETERS, ModelPartialXMLSerializer::PART_ALL}
                                  << false;
    QTest::newRow("[5, 3], hierarchy") << true
                                       << Parts{ModelPartialXMLSerializer::PART_ALL, ModelPartialXMLSerializer::PART_RULES}
                                       << true;
}

void tst_PartialSave::wholeModelWins()
{
    QFETCH(bool, setFlags);
    QFETCH(Parts, parts);
    QFETCH(bool, hierarchy);
    QTemporaryDir dir;
    const QByteArray full = fullSave(dir.filePath(QStringLiteral("full.xml")));

    ModelPartialXMLSerializer model;
    if (setFlags)
        model.setSaveFlags(parts);
    model.useHierarchy(hierarchy);
    fillModel(model);
    const QString path = dir.filePath(QStringLiteral("partial.xml"));
    QFile file(path);
    model.saveToFile(file);
    QCOMPARE(readAll(path), full);
    QVERIFY(full.contains("formatXmlVersion=\"2.0\""));
}

void tst_PartialSave::hierarchyCutsUnlistedLists_data()
{
    QTest::addColumn<Parts>("parts");
    QTest::addColumn<QStringList>("keptLists");
    QTest::newRow("[3] rules") << Parts{ModelPartialXMLSerializer::PART_RULES} << QStringList{QStringLiteral("rules")};
    QTest::newRow("[] class tree alone") << Parts() << QStringList();
    QTest::newRow("[0] class tree alone") << Parts{ModelPartialXMLSerializer::PART_CLASSES} << QStringList();
    QTest::newRow("[7] unknown part") << Parts{ModelPartialXMLSerializer::serializerParts(7)} << QStringList();
    QTest::newRow("[4, 1] parameters and relations")
        << Parts{ModelPartialXMLSerializer::PART_RELATIONS, ModelPartialXMLSerializer::PART_PARAMETERS}
        << QStringList{QStringLiteral("parameters"), QStringLiteral("relations")};
    QTest::newRow("[2, 2] constraints") << Parts{ModelPartialXMLSerializer::PART_CONSTRAINTS,
                                                 ModelPartialXMLSerializer::PART_CONSTRAINTS}
                                        << QStringList{QStringLiteral("constraints")};
}

void tst_PartialSave::hierarchyCutsUnlistedLists()
{
    QFETCH(Parts, parts);
    QFETCH(QStringList, keptLists);
    QTemporaryDir dir;
    const QDomDocument document = partialSave(dir.filePath(QStringLiteral("cut.xml")), parts, true);
    QCOMPARE(topLevelElements(document), 1);
    const QDomElement model = document.documentElement();
    QCOMPARE(model.tagName(), QStringLiteral("model"));
    QCOMPARE(model.attribute(QStringLiteral("formatXmlVersion")), QStringLiteral("2.0"));
    QCOMPARE(model.attribute(QStringLiteral("id")), QStringLiteral("m1"));

    // The class tree with every class's attributes always stays.
    QCOMPARE(idsUnder(model, QStringLiteral("class")), (QStringList{QStringLiteral("c0"), QStringLiteral("c1"), QStringLiteral("c2")}));
    QCOMPARE(model.firstChildElement(QStringLiteral("class")).attribute(QStringLiteral("shortName")), QStringLiteral("Root"));
    QCOMPARE(model.elementsByTagName(QStringLiteral("classes")).count(), 3);

    const QStringList cuttable{QStringLiteral("parameters"), QStringLiteral("rules"), QStringLiteral("constraints"),
                               QStringLiteral("relations")};
    for (const QString &list : cuttable) {
        const int count = model.elementsByTagName(list).count();
        if (!keptLists.contains(list))
            QVERIFY2(count == 0, qPrintable(list));
        else
            QVERIFY2(count == (list == QLatin1String("relations") ? 1 : 3), qPrintable(list));
    }
    if (keptLists.contains(QStringLiteral("rules"))) {
        QCOMPARE(idsUnder(model, QStringLiteral("rule")), (QStringList{QStringLiteral("r1"), QStringLiteral("r2"), QStringLiteral("r3")}));
        // Each rule stays in its own class.
        const QDomElement leaf = model.elementsByTagName(QStringLiteral("class")).at(2).toElement();
        QCOMPARE(idsOfChildren(leaf.firstChildElement(QStringLiteral("rules"))), QStringList{QStringLiteral("r3")});
        QCOMPARE(childTags(leaf), (QStringList{QStringLiteral("rules"), QStringLiteral("classes")}));
    }
}

void tst_PartialSave::flatSingleList()
{
    QTemporaryDir dir;
    struct Case
    {
        ModelPartialXMLSerializer::serializerParts part;
        QString list;
        QString item;
        QStringList ids;
    };
    const QList<Case> cases{
        {ModelPartialXMLSerializer::PART_PARAMETERS, QStringLiteral("parameters"), QStringLiteral("parameter"),
         {QStringLiteral("p1"), QStringLiteral("p2"), QStringLiteral("p3"), QStringLiteral("p4")}},
        {ModelPartialXMLSerializer::PART_RULES, QStringLiteral("rules"), QStringLiteral("rule"),
         {QStringLiteral("r1"), QStringLiteral("r2"), QStringLiteral("r3")}},
        {ModelPartialXMLSerializer::PART_CONSTRAINTS, QStringLiteral("constraints"), QStringLiteral("constraint"),
         {QStringLiteral("k1"), QStringLiteral("k2")}},
        {ModelPartialXMLSerializer::PART_RELATIONS, QStringLiteral("relations"), QStringLiteral("relation"),
         {QStringLiteral("rel1"), QStringLiteral("rel2")}},
    };
    for (const Case &single : cases) {
        const QDomDocument document = partialSave(dir.filePath(single.list + QStringLiteral(".xml")), {single.part}, false);
        // One list is written exactly as it is: no wrapper, no model attributes.
        QCOMPARE(childTags(document), QStringList{single.list});
        const QDomElement list = document.documentElement();
        QVERIFY(!list.hasAttributes());
        QCOMPARE(idsOfChildren(list), single.ids);
        const QStringList itemTags = childTags(list);
        QCOMPARE(QSet<QString>(itemTags.begin(), itemTags.end()), QSet<QString>{single.item});
    }
    // Items move whole, element text included.
    const QDomDocument rules = partialSave(dir.filePath(QStringLiteral("r.xml")), {ModelPartialXMLSerializer::PART_RULES}, false);
    QCOMPARE(rules.documentElement().lastChildElement().text(), QStringLiteral("note"));
    QCOMPARE(rules.documentElement().firstChildElement().attribute(QStringLiteral("shortName")), QStringLiteral("R1"));
    const QDomDocument relations = partialSave(dir.filePath(QStringLiteral("rel.xml")), {ModelPartialXMLSerializer::PART_RELATIONS}, false);
    QCOMPARE(relations.documentElement().lastChildElement().text(), QStringLiteral("y = x;"));
}

void tst_PartialSave::flatClassesAreAttributesOnly()
{
    QTemporaryDir dir;
    ModelPartialXMLSerializer model;
    model.setSaveFlags({ModelPartialXMLSerializer::PART_CLASSES});
    model.useHierarchy(false);
    fillModel(model);
    const QString path = dir.filePath(QStringLiteral("classes.xml"));
    QFile file(path);
    model.saveToFile(file);
    QDomDocument document;
    QVERIFY(document.setContent(readAll(path)));
    QCOMPARE(childTags(document), QStringList{QStringLiteral("classes")});
    const QDomElement list = document.documentElement();
    // Root first, in document order, every class without children or text.
    QCOMPARE(idsOfChildren(list), (QStringList{QStringLiteral("c0"), QStringLiteral("c1"), QStringLiteral("c2")}));
    for (QDomElement cls = list.firstChildElement(); !cls.isNull(); cls = cls.nextSiblingElement())
        QVERIFY(!cls.hasChildNodes());
    QCOMPARE(list.firstChildElement().attribute(QStringLiteral("shortName")), QStringLiteral("Root"));
    // Taking the classes leaves the model tree as it was.
    QCOMPARE(model.getXMLObject().elementsByTagName(QStringLiteral("parameter")).count(), 4);
}

void tst_PartialSave::flatSeveralPartsAreOneDocument_data()
{
    QTest::addColumn<Parts>("parts");
    QTest::addColumn<QStringList>("lists");
    QTest::newRow("[3, 1]") << Parts{ModelPartialXMLSerializer::PART_RULES, ModelPartialXMLSerializer::PART_PARAMETERS}
                            << QStringList{QStringLiteral("rules"), QStringLiteral("parameters")};
    QTest::newRow("[4, 0, 2]") << Parts{ModelPartialXMLSerializer::PART_RELATIONS, ModelPartialXMLSerializer::PART_CLASSES,
                                        ModelPartialXMLSerializer::PART_CONSTRAINTS}
                               << QStringList{QStringLiteral("relations"), QStringLiteral("classes"), QStringLiteral("constraints")};
    // The second take finds nothing left to move: an empty list.
    QTest::newRow("[3, 3]") << Parts{ModelPartialXMLSerializer::PART_RULES, ModelPartialXMLSerializer::PART_RULES}
                            << QStringList{QStringLiteral("rules"), QStringLiteral("rules")};
    QTest::newRow("[]") << Parts() << QStringList();
    QTest::newRow("[6, 9]") << Parts{ModelPartialXMLSerializer::serializerParts(6), ModelPartialXMLSerializer::serializerParts(9)}
                            << QStringList();
}

void tst_PartialSave::flatSeveralPartsAreOneDocument()
{
    QFETCH(Parts, parts);
    QFETCH(QStringList, lists);
    QTemporaryDir dir;
    QByteArray bytes;
    QDomDocument document = partialSave(dir.filePath(QStringLiteral("flat.xml")), parts, false, &bytes);
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(childTags(document), QStringList{QStringLiteral("model")});
    const QDomElement model = document.documentElement();
    QCOMPARE(childTags(model), lists);
    QCOMPARE(model.attribute(QStringLiteral("id")), QStringLiteral("m1"));
    QCOMPARE(model.attribute(QStringLiteral("shortName")), QStringLiteral("Model"));
    QCOMPARE(model.attribute(QStringLiteral("description")), QStringLiteral("three classes"));
    QVERIFY(!model.hasAttribute(QStringLiteral("formatXmlVersion")));

    // Neither reader takes it for a model: opening it reports an unsupported format.
    QVERIFY(!ModelXMLSerializer().isFormatSupport(document));
    QVERIFY(!ModelXMLSerializerOld().isFormatSupport(document));

    if (lists.value(0) == QLatin1String("rules") && lists.value(1) == QLatin1String("parameters")) {
        QCOMPARE(idsOfChildren(model.firstChildElement(QStringLiteral("rules"))),
                 (QStringList{QStringLiteral("r1"), QStringLiteral("r2"), QStringLiteral("r3")}));
        QCOMPARE(idsOfChildren(model.firstChildElement(QStringLiteral("parameters"))),
                 (QStringList{QStringLiteral("p1"), QStringLiteral("p2"), QStringLiteral("p3"), QStringLiteral("p4")}));
    }
    if (lists.size() == 3) {
        // Classes taken after the relations: the class tree itself is untouched by the other takes.
        QCOMPARE(idsOfChildren(model.firstChildElement(QStringLiteral("classes"))),
                 (QStringList{QStringLiteral("c0"), QStringLiteral("c1"), QStringLiteral("c2")}));
        QCOMPARE(idsOfChildren(model.firstChildElement(QStringLiteral("relations"))),
                 (QStringList{QStringLiteral("rel1"), QStringLiteral("rel2")}));
    }
    if (parts.size() == 2 && parts.at(0) == parts.at(1))
        QVERIFY(!model.lastChildElement().hasChildNodes());
}

void tst_PartialSave::loadedModelSavedInParts()
{
    // A hand-written model read into the node; its parameters written as one flat list.
    ModelPartialXMLSerializer model;
    model.loadFromString(QStringLiteral(
        "<model formatXmlVersion=\"2.0\" id=\"m\"><class id=\"c\"><parameters><parameter id=\"b\" type=\"double\"/>"
        "</parameters><classes><class id=\"d\"><parameters><parameter id=\"a\" type=\"string\"/></parameters>"
        "</class></classes></class><relations/></model>"));
    QCOMPARE(model.getFieldValue(QStringLiteral("id")).toString(), QStringLiteral("m"));
    model.setSaveFlags({ModelPartialXMLSerializer::PART_PARAMETERS});
    model.useHierarchy(false);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("params.xml"));
    QFile file(path);
    model.saveToFile(file);
    QDomDocument document;
    QVERIFY(document.setContent(readAll(path)));
    QCOMPARE(childTags(document), QStringList{QStringLiteral("parameters")});
    QCOMPARE(idsOfChildren(document.documentElement()), (QStringList{QStringLiteral("b"), QStringLiteral("a")}));
    QCOMPARE(document.documentElement().lastChildElement().attribute(QStringLiteral("type")), QStringLiteral("string"));

    // saveToString stays the base one: whatever is left of the model, whole.
    ModelPartialXMLSerializer whole;
    whole.setSaveFlags({ModelPartialXMLSerializer::PART_RULES});
    fillModel(whole);
    QDomDocument text;
    QVERIFY(text.setContent(whole.saveToString()));
    QCOMPARE(text.documentElement().elementsByTagName(QStringLiteral("parameter")).count(), 4);
}

void tst_PartialSave::saveFailures()
{
    QTemporaryDir dir;
    ModelPartialXMLSerializer model;
    model.setSaveFlags({ModelPartialXMLSerializer::PART_RULES, ModelPartialXMLSerializer::PART_PARAMETERS});
    model.useHierarchy(false);
    fillModel(model);
    QFile directory(dir.path());
    DebugCatcher debug;
    try {
        model.saveToFile(directory);
        QFAIL("a directory was written");
    } catch (const FileCantOpenExceptionOstra &n_error) {
        QCOMPARE(n_error.getClassName(), QStringLiteral("ModelXMLSerializer"));
        QCOMPARE(n_error.getMethodName(), QStringLiteral("saveToFile(QFile &n_file)"));
        QCOMPARE(n_error.getFileOpenMode(), QIODevice::WriteOnly | QIODevice::Text);
    }
    QCOMPARE(debug.messages(), QStringList{QStringLiteral("Failed to open file for writing.")});

    ModelPartialXMLSerializer full;
    fillModel(full);
    QFile deviceFull(QStringLiteral("/dev/full"));
    QVERIFY_EXCEPTION_THROWN(full.saveToFile(deviceFull), FileIOExceptionOstra);
}

QTEST_GUILESS_MAIN(tst_PartialSave)
#include "tst_partialsave.moc"
