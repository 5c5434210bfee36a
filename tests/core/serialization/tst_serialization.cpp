// Value codecs, the current-format XML nodes and their file and string forms, the nesting guard.

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QXmlStreamReader>
#include <QtTest>

#include "FileSizeLimit.h"

#include <cfloat>

#include "XmlTestSupport.h"
#include "errors/BadValueTypeExceptionOstra.h"
#include "errors/FileCantOpenExceptionOstra.h"
#include "errors/FileIOExceptionOstra.h"
#include "errors/FileNotExistExceptionOstra.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/NoRequiredTag.h"
#include "errors/UnexpectedTagName.h"
#include "errors/XMLParseExceptionOstra.h"
#include "serialization/ClassXMLSerializer.h"
#include "serialization/ISerializebleObject.h"
#include "serialization/ModelXMLSerializer.h"
#include "serialization/ObjectXMLSerializer.h"
#include "serialization/RelationsStorageXMLSerializer.h"
#include "serialization/XMLDocumentReader.h"
#include "serialization/XMLFileWriter.h"

Q_DECLARE_METATYPE(QVariant::Type)

namespace {

using Codec = ISerializebleObject;

// Records the order in which addFields reaches the virtual addField.
template<class Node>
class Recording : public Node
{
public:
    using Node::Node;
    void addField(const QString &n_name, const QVariant &n_value) override
    {
        calls.append(n_name);
        Node::addField(n_name, n_value);
    }
    QStringList calls;
};

QStringList idsOf(const QList<QSharedPointer<ISerializerObject>> &n_nodes)
{
    QStringList ids;
    for (const auto &node : n_nodes)
        ids.append(node->getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString());
    return ids;
}

QString text(const QSharedPointer<ISerializerObject> &n_node, const QString &n_name)
{
    return n_node->getFieldValue(n_name).toString();
}

QSharedPointer<ISerializerObject> makeItem(QSharedPointer<ISerializerObject> n_prototype,
                                           const QString &n_id)
{
    n_prototype->addField(ISerializerObject::ATTRIBUTE_NAME_ID, n_id);
    return n_prototype;
}

QString nested(int n_depth, const QString &n_inner = QString())
{
    return QStringLiteral("<a>").repeated(n_depth) + n_inner
           + QStringLiteral("</a>").repeated(n_depth);
}

// A hand-written current-format model; the two children come in the order given.
QString modelText(bool n_relationsFirst)
{
    const QString classPart = QStringLiteral(
        "<class id=\"c1\" shortName=\"Root\">"
        "<parameters><parameter id=\"p1\" type=\"double\" defaultValue=\"2.50\" "
        "unit=\"m\"/></parameters>"
        "<rules><rule id=\"r1\" relation=\"rel1\" initId=\"x:p1\" resultId=\"y:p2\"/></rules>"
        "<constraints/>"
        "<classes><class id=\"c2\"><parameters><parameter id=\"p2\" type=\"double\"/></parameters>"
        "<rules/><constraints/><classes/></class></classes>"
        "</class>");
    const QString relationsPart = QStringLiteral(
        "<relations><relation id=\"rel1\" relationType=\"simple\" inObj=\"x:double\" "
        "outObj=\"y:double\">"
        "y = 2*x;</relation></relations>");
    return QStringLiteral("<model formatXmlVersion=\"2.0\" id=\"m1\" shortName=\"Model\">")
           + (n_relationsFirst ? relationsPart + classPart : classPart + relationsPart)
           + QStringLiteral("</model>");
}

// The three nodes with a file and a string form, behind the same calls.
enum NodeKind { ClassNode, RelationsNode, ModelNode };
const QString NODE_CLASS[] = {"ClassXMLSerializer", "RelationsStorageXMLSerializer",
                              "ModelXMLSerializer"};
const QString LOAD_FILE = QStringLiteral("loadFromFile(QFile &n_file)");
const QString LOAD_STRING = QStringLiteral("loadFromString(const QString &n_string)");

template<class F>
void withNode(int n_kind, F n_call)
{
    if (n_kind == ClassNode) {
        ClassXMLSerializer node{QDomDocument()};
        n_call(node);
    } else if (n_kind == RelationsNode) {
        RelationsStorageXMLSerializer node{QDomDocument()};
        n_call(node);
    } else {
        ModelXMLSerializer node;
        n_call(node);
    }
}

// Content of over 2000 bytes, and for a model the two children it needs to be read back.
void fill(ModelXMLSerializer &n_model)
{
    n_model.setClass(n_model.getClassPrototype());
    n_model.setRelationStorage(n_model.getRelationsStoragePrototype());
    n_model.addField(QStringLiteral("description"), QString(2000, QLatin1Char('x')));
}
void fill(ISerializerObject &n_node)
{
    n_node.addField(QStringLiteral("description"), QString(2000, QLatin1Char('x')));
}

void loadText(int n_kind, const QString &n_text)
{
    withNode(n_kind, [&](auto &n_node) { n_node.loadFromString(n_text); });
}

void addNodeKinds()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("class") << int(ClassNode);
    QTest::newRow("relations") << int(RelationsNode);
    QTest::newRow("model") << int(ModelNode);
}

// Where the stream reader meets the first start tag past the depth limit (-1 if nowhere).
QPair<qint64, qint64> streamPositionPastLimit(const QString &n_text)
{
    QXmlStreamReader reader(n_text);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement
            && ++depth > XMLDocumentReader::MAX_NESTING_DEPTH)
            return qMakePair(reader.lineNumber(), reader.columnNumber());
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return qMakePair(qint64(-1), qint64(-1));
}

} // namespace

class tst_Serialization : public QObject
{
    Q_OBJECT

private slots:
    // Codecs
    void typeNames_data();
    void typeNames();
    void typeNameErrors();
    void valueToText_data();
    void valueToText();
    void valueToTextErrors();
    void doublesRoundTripExactly();
    void lenientReading();
    void listsReadBack();
    void linkedObjects();
    void linkedObjectErrors_data();
    void linkedObjectErrors();

    // Nodes
    void objectNodeFields();
    void addFieldsOrder();
    void classNodeFields();
    void classNodeLists();
    void classNodeReadErrors();
    void classNodeLoadForms();
    void relationsNode();
    void modelNodeWrite();
    void modelNodeFormatRecognition();
    void handWrittenModelIsRead_data();
    void handWrittenModelIsRead();
    void modelMissingChild();

    // Files
    void saveToFile_data();
    void saveToFile();
    void loadFailures_data();
    void loadFailures();

    // Nesting guard
    void documentGuard_data();
    void documentGuard();
    void documentBytes_data();
    void documentBytes();
    void writerRefusesWhatItsLoaderWould_data();
    void writerRefusesWhatItsLoaderWould();
};

void tst_Serialization::typeNames_data()
{
    QTest::addColumn<QVariant::Type>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("bool") << QVariant::Bool << "boolean";
    QTest::newRow("int") << QVariant::Int << "integer";
    QTest::newRow("double") << QVariant::Double << "double";
    QTest::newRow("list") << QVariant::List << "list";
    QTest::newRow("string") << QVariant::String << "string";
    QTest::newRow("string list") << QVariant::StringList << "string_list";
}

void tst_Serialization::typeNames()
{
    QFETCH(QVariant::Type, type);
    QFETCH(QString, name);
    QCOMPARE(Codec::convertFromQVariantTypeToXmlType(type), name);
    // Every name the writer produces reads back, the bare "list" included; only the first part
    // counts.
    QCOMPARE(Codec::convertFromXmlTypeToQVariantType(name), type);
    QCOMPARE(Codec::convertFromXmlTypeToQVariantType(name + QStringLiteral(",double")), type);
}

void tst_Serialization::typeNameErrors()
{
    for (QVariant::Type type :
         {QVariant::Invalid, QVariant::Date, QVariant::LongLong, QVariant::Map}) {
        const auto e = thrown<BadValueTypeExceptionOstra>(
            [&] { Codec::convertFromQVariantTypeToXmlType(type); });
        QVERIFY(e);
        QCOMPARE(e->getValueType(), type);
        QCOMPARE(e->getClassName(), QStringLiteral("ISerializebleObject"));
        QCOMPARE(e->getMethodName(),
                 QStringLiteral("convertFromQVariantTypeToXmlType(QVariant::Type n_type)"));
    }
    // Whole first part, case-sensitive: no prefix match, no capitals.
    for (const QString &text :
         {QStringLiteral("List"), QStringLiteral("strin"), QStringLiteral("string_lis"),
          QStringLiteral(""), QStringLiteral(",integer"), QStringLiteral("int")}) {
        const auto e = thrown<BadValueTypeExceptionOstra>(
            [&] { Codec::convertFromXmlTypeToQVariantType(text); });
        QVERIFY2(e, qPrintable(text));
        QCOMPARE(e->getValueType(), QVariant::Invalid);
        QCOMPARE(e->getMethodName(),
                 QStringLiteral("convertFromXmlTypeToQVariantType(const QString &n_xmlType)"));
    }
}

void tst_Serialization::valueToText_data()
{
    QTest::addColumn<QVariant::Type>("type");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("true") << QVariant::Bool << QVariant(true) << "true";
    QTest::newRow("false") << QVariant::Bool << QVariant(false) << "false";
    QTest::newRow("int") << QVariant::Int << QVariant(-42) << "-42";
    QTest::newRow("string") << QVariant::String << QVariant("a b") << "a b";
    // Doubles: fixed notation, shortest exact digits, at least two decimals.
    QTest::newRow("whole double") << QVariant::Double << QVariant(2.0) << "2.00";
    QTest::newRow("negative double") << QVariant::Double << QVariant(-1.5) << "-1.50";
    QTest::newRow("two decimals") << QVariant::Double << QVariant(2.25) << "2.25";
    QTest::newRow("pi kept") << QVariant::Double << QVariant(3.14159) << "3.14159";
    QTest::newRow("small kept") << QVariant::Double << QVariant(0.001) << "0.001";
    QTest::newRow("shortest digits")
        << QVariant::Double << QVariant(0.1 + 0.2) << "0.30000000000000004";
    QTest::newRow("large fixed") << QVariant::Double << QVariant(1e20)
                                 << "100000000000000000000.00";
    QTest::newRow("tiny fixed") << QVariant::Double << QVariant(1e-20) << "0.00000000000000000001";
    QTest::newRow("declared type decides") << QVariant::Double << QVariant(2) << "2.00";
    QTest::newRow("double list") << QVariant::List << QVariant(QVariantList{1.0, 2.5, 3.0})
                                 << "1.00,2.50,3.00";
    QTest::newRow("mixed list") << QVariant::List << QVariant(QVariantList{1, true, "s"})
                                << "1,true,s";
    QTest::newRow("nested list flattens")
        << QVariant::List << QVariant(QVariantList{1.0, QVariantList{2.0, 3.0}})
        << "1.00,2.00,3.00";
    QTest::newRow("string list") << QVariant::StringList << QVariant(QStringList{"a", "b,c"})
                                 << "\"a\",\"b,c\"";
    QTest::newRow("empty list") << QVariant::List << QVariant(QVariantList()) << "";
}

void tst_Serialization::valueToText()
{
    QFETCH(QVariant::Type, type);
    QFETCH(QVariant, value);
    QFETCH(QString, text);
    QCOMPARE(Codec::convertFromQVariantValueToString(type, value), text);
}

void tst_Serialization::valueToTextErrors()
{
    auto e = thrown<BadValueTypeExceptionOstra>(
        [] { Codec::convertFromQVariantValueToString(QVariant::Date, 7); });
    QVERIFY(e);
    // The value's own type is reported, not the declared one.
    QCOMPARE(e->getValueType(), QVariant::Int);
    QCOMPARE(e->getMethodName(), QStringLiteral("convertFromQVariantValueToString(const "
                                                "QVariant::Type n_type,const QVariant &n_value)"));
    e = thrown<BadValueTypeExceptionOstra>([] {
        Codec::convertFromQVariantValueToString(QVariant::List,
                                                QVariantList{1.0, QDate(2020, 1, 1)});
    });
    QVERIFY(e);
    QCOMPARE(e->getValueType(), QVariant::Date);
}

void tst_Serialization::doublesRoundTripExactly()
{
    const QList<double> values = {3.14159,   0.001,     1.0 / 3.0, -2.0 / 7.0, 123456789.123456789,
                                  1e300,     -1e-300,   DBL_MAX,   DBL_MIN,    5e-324,
                                  0.1 + 0.2, 1e15 + 0.5};
    for (double value : values) {
        const QString text = Codec::convertFromQVariantValueToString(QVariant::Double, value);
        QVERIFY2(!text.contains(QLatin1Char('e')) && !text.contains(QLatin1Char('E')),
                 qPrintable(text));
        const int point = text.indexOf(QLatin1Char('.'));
        QVERIFY2(point > 0 && text.size() - point - 1 >= 2, qPrintable(text));
        const QVariant back = Codec::readValue(QVariant::Double, text, QVariant::Double);
        QCOMPARE(back.type(), QVariant::Double);
        QVERIFY2(back.toDouble() == value, qPrintable(text));
    }
}

void tst_Serialization::lenientReading()
{
    struct Case
    {
        QVariant::Type type;
        QString text;
        QVariant expected; // invalid: a null value of the type is expected
        QString warning;   // empty: no warning
    };
    const QString boolWarning = QStringLiteral("Boolean, как значение пришла пустой");
    const QString intWarning = QStringLiteral("Int, как значение пришла пустой");
    const QString doubleWarning = QStringLiteral("Double, как значение пришла пустой");
    const QList<Case> cases = {
        {QVariant::Bool, "true", true, ""},
        {QVariant::Bool, "-3", true, ""},
        {QVariant::Bool, "0", false, ""},
        {QVariant::Bool, "TRUE", QVariant(), boolWarning},
        {QVariant::Bool, "", QVariant(), boolWarning},
        {QVariant::Int, "42", 42, ""},
        {QVariant::Int, "4.5", QVariant(), intWarning},
        {QVariant::Double, "-1.50", -1.5, ""},
        {QVariant::Double, "x", QVariant(), doubleWarning},
        {QVariant::String, "text", QStringLiteral("text"), ""},
        {QVariant::String, "", QVariant(), ""},
        {QVariant::StringList, "", QVariant(),
         QStringLiteral("Массив Строк, как значение пришел пустым")},
        {QVariant::List, "", QVariant(), QStringLiteral("Массив, как значение пришел пустым")},
    };
    for (const Case &c : cases) {
        MessageCatcher catcher;
        const QVariant value = Codec::readValue(c.type, c.text, QVariant::Double);
        QVERIFY2(value.type() == c.type, qPrintable(c.text));
        QVERIFY2(c.expected.isValid() ? value == c.expected && !value.isNull() : value.isNull(),
                 qPrintable(c.text));
        QCOMPARE(catcher.messages(), c.warning.isEmpty() ? QStringList() : QStringList{c.warning});
    }

    // The only reading failure is a type outside the six.
    const auto e = thrown<BadValueTypeExceptionOstra>(
        [] { Codec::readValue(QVariant::Date, QStringLiteral("2020-01-01"), QVariant::Double); });
    QVERIFY(e);
    QCOMPARE(e->getValueType(), QVariant::Date);
}

void tst_Serialization::listsReadBack()
{
    // A list of doubles as the program writes it, with its bare "list" type name, reads back whole.
    const QVariantList doubles{1.0, 2.5, 3.0, 0.125};
    const QVariant::Type type = Codec::convertFromXmlTypeToQVariantType(
        Codec::convertFromQVariantTypeToXmlType(QVariant::List));
    const QVariant back = Codec::readValue(
        type, Codec::convertFromQVariantValueToString(QVariant::List, doubles), QVariant::Double);
    QCOMPARE(back.type(), QVariant::List);
    QCOMPARE(back.toList(), doubles);
    for (const QVariant &item : back.toList())
        QCOMPARE(item.type(), QVariant::Double);

    // Items of another type, and a bad item giving a null item rather than a failure.
    {
        MessageCatcher catcher;
        const QVariantList ints =
            Codec::readValueList(QVariant::Int, QStringLiteral("1,x,3")).toList();
        QCOMPARE(ints.size(), 3);
        QCOMPARE(ints.at(0), QVariant(1));
        QVERIFY(ints.at(1).isNull() && ints.at(1).type() == QVariant::Int);
        QCOMPARE(catcher.messages(), QStringList{"Int, как значение пришла пустой"});
    }
    // String lists: quotes are dropped, an item holding a comma splits, each read warns once.
    MessageCatcher catcher;
    const QString written = Codec::convertFromQVariantValueToString(
        QVariant::StringList, QStringList{"a", "b,c", "say \"hi\""});
    QCOMPARE(Codec::readValue(QVariant::StringList, written, QVariant::Double).toStringList(),
             (QStringList{"a", "b", "c", "say hi"}));
    QCOMPARE(catcher.messages(), QStringList{"Не проверенный функционал"});
    QCOMPARE(Codec::readAttributeIds(QStringLiteral("a,,b")), (QStringList{"a", "", "b"}));
}

void tst_Serialization::linkedObjects()
{
    // The pair order follows the hash, so the pairs are compared as a set.
    auto pairSet = [](const QString &n_text) {
        const QStringList pairs = n_text.split(QLatin1Char(';'));
        return QSet<QString>(pairs.begin(), pairs.end());
    };
    const QHash<QString, QString> links{{"a", "p1"}, {"b", "p2"}, {"c", "p3"}};
    const QString text = Codec::convertLinkedObjectsToString(links);
    QCOMPARE(pairSet(text), (QSet<QString>{"a:p1", "b:p2", "c:p3"}));
    QCOMPARE(Codec::convertStringToLinkedObjects(text), links);
    QCOMPARE(Codec::convertLinkedObjectsToString({}), QString());
    // A name met twice keeps the later value; empty names and ids are kept.
    QCOMPARE(Codec::convertStringToLinkedObjects(QStringLiteral("a:p1;a:p2")),
             (QHash<QString, QString>{{"a", "p2"}}));
    QCOMPARE(Codec::convertStringToLinkedObjects(QStringLiteral("a:;:p2")),
             (QHash<QString, QString>{{"a", ""}, {"", "p2"}}));

    const QHash<QString, QVariant::Type> types{{"x", QVariant::Int},
                                               {"y", QVariant::List},
                                               {"z", QVariant::StringList},
                                               {"w", QVariant::Bool}};
    const QString typesText = Codec::convertLinkedObjectsTypesToString(types);
    QCOMPARE(pairSet(typesText),
             (QSet<QString>{"x:integer", "y:list", "z:string_list", "w:boolean"}));
    QCOMPARE(Codec::convertStringToLinkedObjectsTypes(typesText), types);
    QCOMPARE(Codec::convertLinkedObjectsTypesToString({}), QString());
    auto e = thrown<BadValueTypeExceptionOstra>([] {
        Codec::convertLinkedObjectsTypesToString({{"d", QVariant::Date}});
    });
    QVERIFY(e);
    QCOMPARE(e->getValueType(), QVariant::Date);
    e = thrown<BadValueTypeExceptionOstra>(
        [] { Codec::convertStringToLinkedObjectsTypes("x:integer;y:Double"); });
    QVERIFY(e);
    QCOMPARE(e->getValueType(), QVariant::Invalid);
}

void tst_Serialization::linkedObjectErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("trailing separator") << "a:p1;";
    QTest::newRow("no colon") << "a";
    QTest::newRow("two colons") << "a:b:c";
    QTest::newRow("two adjacent colons") << "a::p1";
    // Typed, the middle piece is a good type name: only the count of pieces refuses it.
    QTest::newRow("two colons, a type between") << "a:p1:c";
    QTest::newRow("empty text") << "";
    QTest::newRow("empty pair inside") << "a:p1;;b:p2";
    QTest::newRow("leading separator") << ";a:p1";
    QTest::newRow("last pair without colon") << "a:p1;b";
    QTest::newRow("second colon in a later pair") << "a:p1;b:p2:x";
}

void tst_Serialization::linkedObjectErrors()
{
    QFETCH(QString, text);
    const auto e = thrown<InconsistencyDataExceptionOstra>(
        [&] { Codec::convertStringToLinkedObjects(text); });
    QVERIFY(e);
    QCOMPARE(e->getExceptionId(), 501);
    QCOMPARE(e->getClassName(), QStringLiteral("ISerializebleObject"));
    QCOMPARE(e->getMethodName(),
             QStringLiteral("convertStringToLinkedObjects(const QString &n_linkedObjectsStr)"));
    // The typed form refuses the same texts (some fail on the type name first).
    try {
        Codec::convertStringToLinkedObjectsTypes(
            QString(text).replace(QStringLiteral("p1"), QStringLiteral("double")));
        QFAIL("malformed typed link text accepted");
    } catch (const InconsistencyDataExceptionOstra &) {
    } catch (const BadValueTypeExceptionOstra &) {
    }
}

void tst_Serialization::objectNodeFields()
{
    ObjectXMLSerializer node(QStringLiteral("relation"), QDomDocument());
    node.addField(QStringLiteral("id"), QStringLiteral("r1"));
    node.addField(QStringLiteral("shortName"), QString());
    node.addField(QStringLiteral("count"), 3);
    node.addField(QStringLiteral("count"), 4);
    node.addField(QStringLiteral("internalInfo"), QStringLiteral("y = 2*x;"));
    node.addField(QStringLiteral("internalInfo"), QStringLiteral("z = y;"));

    // An empty value is still written as an attribute, but reads as invalid like an absent one.
    const QDomElement element = node.getXMLObject();
    QVERIFY(element.hasAttribute(QStringLiteral("shortName")));
    QVERIFY(!node.getFieldValue(QStringLiteral("shortName")).isValid());
    QVERIFY(!node.getFieldValue(QStringLiteral("author")).isValid());
    QCOMPARE(node.getFieldValue(QStringLiteral("count")), QVariant(QStringLiteral("4")));
    // The element text is appended to, never an attribute.
    QCOMPARE(node.getFieldValue(QStringLiteral("internalInfo")),
             QVariant(QStringLiteral("y = 2*x;z = y;")));
    QVERIFY(!element.hasAttribute(QStringLiteral("internalInfo")));
    const QHash<QString, QVariant> fields = node.getFieldsHash();
    QCOMPARE(QSet<QString>(fields.keyBegin(), fields.keyEnd()),
             (QSet<QString>{"id", "shortName", "count"}));
    QVERIFY(!fields.value(QStringLiteral("shortName")).isValid());
    QCOMPARE(node.getFieldNames().size(), 3);
}

void tst_Serialization::addFieldsOrder()
{
    // An item node adds its fields sorted by name, case-sensitively...
    Recording<ObjectXMLSerializer> item(QStringLiteral("rule"), QDomDocument());
    item.addFields({{"b", 1}, {"A", 2}, {"c", 3}, {"B2", 4}});
    QCOMPARE(item.calls, (QStringList{"A", "b", "B2", "c"}));
    QCOMPARE(item.getFieldValue(QStringLiteral("B2")), QVariant(QStringLiteral("4")));

    // ...a class node in the hash's own order, skipping empty values.
    Recording<ClassXMLSerializer> cls{QDomDocument()};
    const QHash<QString, QVariant> fields{{"b", "1"}, {"A", "2"}, {"c", ""}, {"d", "4"}};
    cls.addFields(fields);
    QCOMPARE(cls.calls, fields.keys());
    const QHash<QString, QVariant> stored = cls.getFieldsHash();
    QCOMPARE(QSet<QString>(stored.keyBegin(), stored.keyEnd()), (QSet<QString>{"b", "A", "d"}));

    // Items are ordered by their id as text, so "10" comes before "9" and "B" before "a".
    auto node = [](const QString &n_id) {
        return makeItem(
            QSharedPointer<ObjectXMLSerializer>::create(QStringLiteral("x"), QDomDocument()), n_id);
    };
    QVERIFY(ISerializerObject::lessThan(node("10"), node("9")));
    QVERIFY(!ISerializerObject::lessThan(node("9"), node("10")));
    QVERIFY(ISerializerObject::lessThan(node("B"), node("a")));
    QVERIFY(!ISerializerObject::lessThan(node("a"), node("a")));
}

void tst_Serialization::classNodeFields()
{
    ClassXMLSerializer node{QDomDocument()};
    node.addField(QStringLiteral("description"), QString());
    node.addField(QStringLiteral("internalInfo"), QStringLiteral("info"));
    const QDomElement element = node.getXMLObject();
    // A new class node holds the four lists in order.
    QCOMPARE(element.tagName(), QStringLiteral("class"));
    QCOMPARE(childTags(element), (QStringList{"parameters", "rules", "constraints", "classes"}));
    // Unlike an item: an empty value is skipped, an absent one reads as a valid null string, and
    // "internalInfo" is an attribute like any other.
    QVERIFY(!element.hasAttribute(QStringLiteral("description")));
    const QVariant absent = node.getFieldValue(QStringLiteral("description"));
    QVERIFY(absent.type() == QVariant::String && absent.toString().isNull());
    QCOMPARE(element.attribute(QStringLiteral("internalInfo")), QStringLiteral("info"));
}

void tst_Serialization::classNodeLists()
{
    ClassXMLSerializer node{QDomDocument()};
    node.addOwnParameters({makeItem(node.getParameterPrototype(), "p2"),
                           makeItem(node.getParameterPrototype(), "p10"),
                           makeItem(node.getParameterPrototype(), "p1")});
    QCOMPARE(idsOf(node.getOwnParameters()), (QStringList{"p1", "p10", "p2"}));
    // A second call appends after what is there.
    node.addOwnParameters({makeItem(node.getParameterPrototype(), "p0")});
    auto rule = makeItem(node.getRulePrototype(), "r1");
    rule->addField(QStringLiteral("initId"), QStringLiteral("x:p1"));
    node.addOwnRules({rule});
    node.addOwnConstraints({makeItem(node.getConstraintPrototype(), "k1")});
    auto childB = node.getClassPrototype();
    childB->addField(QStringLiteral("id"), QStringLiteral("cB"));
    auto childA = node.getClassPrototype();
    childA->addField(QStringLiteral("id"), QStringLiteral("cA"));
    childA->addOwnParameters({makeItem(childA->getParameterPrototype(), "q1")});
    node.addOwnClasses({childB, childA});

    // Read back through a node bound to the written text (a wrong item tag would raise 536 here).
    ClassXMLSerializer reader{QDomDocument()};
    reader.loadFromString(node.saveToString());
    QCOMPARE(idsOf(reader.getOwnParameters()), (QStringList{"p1", "p10", "p2", "p0"}));
    const auto rules = reader.getOwnRules();
    QCOMPARE(rules.size(), 1);
    QCOMPARE(text(rules.first(), QStringLiteral("initId")), QStringLiteral("x:p1"));
    QCOMPARE(idsOf(reader.getOwnConstraints()), QStringList{"k1"});
    const auto classes = reader.getOwnClasses();
    QCOMPARE(classes.size(), 2);
    QCOMPARE(text(classes.at(0), QStringLiteral("id")), QStringLiteral("cA"));
    QCOMPARE(idsOf(classes.at(0)->getOwnParameters()), QStringList{"q1"});
    QCOMPARE(text(classes.at(1), QStringLiteral("id")), QStringLiteral("cB"));
    QVERIFY(classes.at(1)->getOwnParameters().isEmpty());
}

void tst_Serialization::classNodeReadErrors()
{
    using Read = void (*)(ClassXMLSerializer &);
    const QList<std::tuple<QString, QString, QString, QString, Read>> cases = {
        {"<class><parameters><parametr id=\"p\"/></parameters></class>", "getOwnParameters()",
         "parameter", "parametr", [](ClassXMLSerializer &n) { n.getOwnParameters(); }},
        // A comment among the rules is no rule.
        {"<class><rules><rule id=\"r\"/><!-- note --></rules></class>", "getOwnRules()", "rule", "",
         [](ClassXMLSerializer &n) { n.getOwnRules(); }},
        {"<class><constraints>text</constraints></class>", "getOwnConstraints()", "constraint", "",
         [](ClassXMLSerializer &n) { n.getOwnConstraints(); }},
        {"<class><classes><parameter/></classes></class>", "getOwnClasses()", "class", "parameter",
         [](ClassXMLSerializer &n) { n.getOwnClasses(); }},
    };
    for (const auto &[xml, method, expected, problem, read] : cases) {
        ClassXMLSerializer node{QDomDocument()};
        node.loadFromString(xml);
        const auto e = thrown<UnexpectedTagName>([&, read = read] { read(node); });
        QVERIFY2(e, qPrintable(xml));
        QCOMPARE(e->getExceptionId(), 536);
        QCOMPARE(e->getExpectedTag(), expected);
        QCOMPARE(e->getProblemTag(), problem);
        QCOMPARE(e->getClassName(), QStringLiteral("ClassXMLSerializer"));
        QCOMPARE(e->getMethodName(), method);
    }

    // A class without a "constraints" list reads it as empty; the other lists are read normally.
    ClassXMLSerializer node{QDomDocument()};
    node.loadFromString(
        QStringLiteral("<class><parameters><parameter id=\"p\"/></parameters><rules/></class>"));
    QVERIFY(node.getOwnConstraints().isEmpty());
    QVERIFY(node.getOwnClasses().isEmpty());
    QCOMPARE(idsOf(node.getOwnParameters()), QStringList{"p"});
}

void tst_Serialization::classNodeLoadForms()
{
    const QString notClass = QStringLiteral(
        "<root id=\"x\"><parameters><parameter id=\"p\"/></parameters></root>");
    // The string form binds to the first element whatever its tag...
    ClassXMLSerializer fromString{QDomDocument()};
    fromString.loadFromString(notClass);
    QCOMPARE(fromString.getFieldValue(QStringLiteral("id")).toString(), QStringLiteral("x"));
    QCOMPARE(idsOf(fromString.getOwnParameters()), QStringList{"p"});
    // ...the file form only to a first-level "class" element.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("root.xml")));
    QVERIFY(writeFile(file.fileName(), notClass.toUtf8()));
    ClassXMLSerializer fromFile{QDomDocument()};
    fromFile.loadFromFile(file);
    QVERIFY(fromFile.getOwnParameters().isEmpty());
    QVERIFY(fromFile.getFieldValue(QStringLiteral("id")).toString().isEmpty());
}

void tst_Serialization::relationsNode()
{
    RelationsStorageXMLSerializer node{QDomDocument()};
    QCOMPARE(node.getXMLObject().tagName(), QStringLiteral("relations"));
    QList<QSharedPointer<ISerializerObject>> items;
    for (const QString &id : {QStringLiteral("r3"), QStringLiteral("r1"), QStringLiteral("r2")}) {
        items.append(makeItem(node.getRelationPrototype(), id));
        items.last()->addField(QStringLiteral("internalInfo"),
                               QString(QStringLiteral("code of ") + id));
    }
    node.addRelations(items);
    QCOMPARE(idsOf(node.getRelations()), (QStringList{"r1", "r2", "r3"}));
    QCOMPARE(text(node.getRelations().at(1), QStringLiteral("internalInfo")),
             QStringLiteral("code of r2"));
    // Attributes of the list itself: written whatever their text, absent ones read as empty text.
    node.addField(QStringLiteral("note"), QString());
    QVERIFY(node.getXMLObject().hasAttribute(QStringLiteral("note")));
    const QVariant absent = node.getFieldValue(QStringLiteral("missing"));
    QVERIFY(absent.isValid() && absent.toString().isNull());

    // Every child node is an item: a comment gives one whose element is null, a foreign tag is
    // kept.
    RelationsStorageXMLSerializer reader{QDomDocument()};
    reader.loadFromString(
        QStringLiteral("<relations><relation id=\"a\"/><!-- c --><other id=\"b\"/></relations>"));
    const auto read = reader.getRelations();
    QCOMPARE(read.size(), 3);
    QVERIFY(read.at(1).dynamicCast<ObjectXMLSerializer>()->getXMLObject().isNull());
    QVERIFY(!read.at(1)->getFieldValue(QStringLiteral("id")).isValid());
    QCOMPARE(text(read.at(2), QStringLiteral("id")), QStringLiteral("b"));
}

void tst_Serialization::modelNodeWrite()
{
    QDomDocument written;
    QVERIFY(written.setContent(ModelXMLSerializer().saveToString()));
    const QDomElement root = written.documentElement();
    QCOMPARE(root.tagName(), QStringLiteral("model"));
    QCOMPARE(root.attributes().count(), 1);
    QCOMPARE(root.attribute(QStringLiteral("formatXmlVersion")), QStringLiteral("2.0"));
    QVERIFY(root.firstChild().isNull());

    // An empty value is skipped; setClass twice keeps one class, the second, after the relations.
    ModelXMLSerializer model;
    model.addField(QStringLiteral("author"), QString());
    QVERIFY(!model.getXMLObject().hasAttribute(QStringLiteral("author")));
    model.setRelationStorage(model.getRelationsStoragePrototype());
    auto first = model.getClassPrototype();
    first->addField(QStringLiteral("id"), QStringLiteral("first"));
    model.setClass(first);
    auto second = model.getClassPrototype();
    second->addField(QStringLiteral("id"), QStringLiteral("second"));
    model.setClass(second);
    QCOMPARE(childTags(model.getXMLObject()), (QStringList{"relations", "class"}));
    QCOMPARE(model.getXMLObject()
                 .firstChildElement(QStringLiteral("class"))
                 .attribute(QStringLiteral("id")),
             QStringLiteral("second"));
}

void tst_Serialization::modelNodeFormatRecognition()
{
    const QList<QPair<QString, bool>> cases = {
        {"<model formatXmlVersion=\"2.0\"/>", true},
        {"<anything formatXmlVersion=\"2.0\"/>", true},
        {"<model formatXmlVersion=\"2.00\"/>", false},
        {"<model/>", false},
        {"<root/>", false},
        {"<!-- c --><model formatXmlVersion=\"2.0\"/>", true},
    };
    for (const auto &c : cases) {
        QDomDocument document;
        QVERIFY(document.setContent(c.first));
        QVERIFY2(ModelXMLSerializer().isFormatSupport(document) == c.second, qPrintable(c.first));
    }
}

void tst_Serialization::handWrittenModelIsRead_data()
{
    QTest::addColumn<bool>("relationsFirst");
    QTest::addColumn<bool>("throughDocument");
    QTest::newRow("written order, text") << false << false;
    QTest::newRow("relations first, text") << true << false;
    QTest::newRow("written order, document") << false << true;
    QTest::newRow("relations first, document") << true << true;
}

void tst_Serialization::handWrittenModelIsRead()
{
    QFETCH(bool, relationsFirst);
    QFETCH(bool, throughDocument);
    ModelXMLSerializer node;
    if (throughDocument) {
        // The way the model manager reads: parse, ask, then bind.
        QDomDocument document;
        XMLDocumentReader::setContent(document, modelText(relationsFirst), "test", "test");
        QVERIFY(node.isFormatSupport(document));
        node.loadFromDomDocument(document);
    } else {
        node.loadFromString(modelText(relationsFirst));
    }
    QCOMPARE(node.getFieldValue(QStringLiteral("shortName")).toString(), QStringLiteral("Model"));
    const auto root = node.getClass();
    QCOMPARE(text(root, QStringLiteral("shortName")), QStringLiteral("Root"));
    const auto parameters = root->getOwnParameters();
    QCOMPARE(parameters.size(), 1);
    QCOMPARE(text(parameters.first(), QStringLiteral("unit")), QStringLiteral("m"));
    const QVariant defaultValue = Codec::readValue(
        Codec::convertFromXmlTypeToQVariantType(text(parameters.first(), QStringLiteral("type"))),
        text(parameters.first(), QStringLiteral("defaultValue")), QVariant::Double);
    QCOMPARE(defaultValue, QVariant(2.5));
    const auto rules = root->getOwnRules();
    QCOMPARE(rules.size(), 1);
    QCOMPARE(Codec::convertStringToLinkedObjects(text(rules.first(), QStringLiteral("initId"))),
             (QHash<QString, QString>{{"x", "p1"}}));
    QVERIFY(root->getOwnConstraints().isEmpty());
    const auto children = root->getOwnClasses();
    QCOMPARE(children.size(), 1);
    QCOMPARE(idsOf(children.first()->getOwnParameters()), QStringList{"p2"});

    const auto relations = node.getRelationStorage()->getRelations();
    QCOMPARE(relations.size(), 1);
    QCOMPARE(text(relations.first(), QStringLiteral("internalInfo")), QStringLiteral("y = 2*x;"));
    QCOMPARE(
        Codec::convertStringToLinkedObjectsTypes(text(relations.first(), QStringLiteral("inObj"))),
        (QHash<QString, QVariant::Type>{{"x", QVariant::Double}}));
}

void tst_Serialization::modelMissingChild()
{
    const QList<QPair<QString, QString>> cases = {
        {"<model formatXmlVersion=\"2.0\"><class/></model>", "relations"},
        {"<model formatXmlVersion=\"2.0\"><relations/></model>", "class"},
        {"<model formatXmlVersion=\"2.0\"><classes/><relation/></model>", "class"},
    };
    for (const auto &c : cases) {
        const auto e = thrown<NoRequiredTag>([&] { ModelXMLSerializer().loadFromString(c.first); });
        QVERIFY2(e, qPrintable(c.first));
        QCOMPARE(e->getExceptionId(), 538);
        QCOMPARE(e->getRequiredTag(), c.second);
        QCOMPARE(e->getClassName(), QStringLiteral("ModelXMLSerializer"));
        QCOMPARE(e->getMethodName(), QStringLiteral("setXMLObject(QDomElement &n_domElement)"));
    }
}

void tst_Serialization::saveToFile_data()
{
    addNodeKinds();
}

void tst_Serialization::saveToFile()
{
    QFETCH(int, kind);
    auto save = [kind](QFile &n_file) {
        withNode(kind, [&](auto &n_node) {
            fill(n_node);
            n_node.addField(QStringLiteral("shortName"), QStringLiteral("Модель"));
            n_node.saveToFile(n_file);
        });
    };
    // An existing, longer file is replaced whole, and reads back through the file form.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("model.xml"));
    QFile file(path);
    QVERIFY(writeFile(path, QByteArray(10000, 'z')));
    save(file);
    QVERIFY(!file.isOpen());
    QVERIFY(QFileInfo(file).size() < 10000);
    withNode(kind, [&](auto &n_node) {
        n_node.loadFromFile(file);
        QCOMPARE(n_node.getFieldValue(QStringLiteral("shortName")).toString(),
                 QStringLiteral("Модель"));
    });

    // A write that fails after the open is an error (532) with its reason, not a success.
    QFile full(QStringLiteral("/dev/full"));
    auto ioError = thrown<FileIOExceptionOstra>([&] { save(full); });
    QVERIFY(ioError);
    QCOMPARE(ioError->getExceptionId(), 532);
    QCOMPARE(ioError->getFileName(), QStringLiteral("/dev/full"));
    QCOMPARE(ioError->getClassName(), NODE_CLASS[kind]);
    QCOMPARE(ioError->getMethodName(), QStringLiteral("saveToFile(QFile &n_file)"));
    const QString rendered = ioError->toString(false);
    const int reason = rendered.indexOf(QLatin1String("Error Reason: "));
    QVERIFY2(reason >= 0 && !rendered.mid(reason + 14).trimmed().isEmpty(), qPrintable(rendered));
    QVERIFY(!full.isOpen());
    QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile());

    // The disk fills up in the middle of the write: the old file stays byte-identical, no temporary
    // file is left behind.
    const QByteArray oldContent("<model formatXmlVersion=\"2.0\"><class/><relations/></model>\n");
    QVERIFY(writeFile(path, oldContent));
    ioError = thrown<FileIOExceptionOstra>([&] {
        FileSizeLimit limit(512); // the new text is over 2000 bytes
        save(file);
    });
    QVERIFY(ioError);
    QCOMPARE(ioError->getFileName(), path);
    QCOMPARE(readFile(path), oldContent);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"model.xml"});

    // A file that cannot be opened keeps its own error, 531, and nothing is created.
    QFile missing(dir.filePath(QStringLiteral("no/such/folder/model.xml")));
    const auto cantOpen = thrown<FileCantOpenExceptionOstra>([&] { save(missing); });
    QVERIFY(cantOpen);
    QCOMPARE(cantOpen->getExceptionId(), 531);
    QCOMPARE(cantOpen->getFileName(), missing.fileName());
    QCOMPARE(cantOpen->getFileOpenMode(), QIODevice::WriteOnly | QIODevice::Text);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("no"))));
    QFile folder(dir.path());
    QVERIFY(thrown<FileCantOpenExceptionOstra>([&] { save(folder); }));
    QVERIFY(QFileInfo(dir.path()).isDir());
}

void tst_Serialization::loadFailures_data()
{
    addNodeKinds();
}

void tst_Serialization::loadFailures()
{
    QFETCH(int, kind);
    QTemporaryDir dir;
    auto loadFile = [kind](QFile &n_file) {
        withNode(kind, [&](auto &n_node) { n_node.loadFromFile(n_file); });
    };
    QFile missing(dir.filePath(QStringLiteral("missing.xml")));
    const auto notExist = thrown<FileNotExistExceptionOstra>([&] { loadFile(missing); });
    QVERIFY(notExist);
    QCOMPARE(notExist->getExceptionId(), 533);
    QCOMPARE(notExist->getFileName(), missing.fileName());
    QCOMPARE(notExist->getClassName(), NODE_CLASS[kind]);
    QCOMPARE(notExist->getMethodName(), LOAD_FILE);
    QFile folder(dir.path());
    const auto cantOpen = thrown<FileCantOpenExceptionOstra>([&] { loadFile(folder); });
    QVERIFY(cantOpen);
    QCOMPARE(cantOpen->getExceptionId(), 531);
    QCOMPARE(cantOpen->getFileOpenMode(), QIODevice::OpenMode(QIODevice::ReadOnly));

    QFile broken(dir.filePath(QStringLiteral("broken.xml")));
    QVERIFY(
        writeFile(broken.fileName(), "<model formatXmlVersion=\"2.0\">\n  <class>\n</model>\n"));
    auto parseError = thrown<XMLParseExceptionOstra>([&] { loadFile(broken); });
    QVERIFY(parseError);
    QCOMPARE(parseError->getExceptionId(), 537);
    QCOMPARE(parseError->getErrorLine(), 3);
    QVERIFY(parseError->getErrorColumn() > 0 && !parseError->getErrorMsg().isEmpty());
    QCOMPARE(parseError->getMethodName(), LOAD_FILE);
    QVERIFY(!broken.isOpen());
    parseError = thrown<XMLParseExceptionOstra>(
        [&] { loadText(kind, QStringLiteral("<a><b></a>")); });
    QVERIFY(parseError);
    QCOMPARE(parseError->getErrorLine(), 1);
    QCOMPARE(parseError->getClassName(), NODE_CLASS[kind]);
    QCOMPARE(parseError->getMethodName(), LOAD_STRING);

    // Nesting at the limit loads; one level more, or the depth that crashes the DOM parser, is
    // refused by the string and the file form alike, before any node is built.
    const int limit = XMLDocumentReader::MAX_NESTING_DEPTH;
    for (int depth : {limit - 2, limit - 1, 100000}) {
        const QString deep = QStringLiteral("<model formatXmlVersion=\"2.0\"><class/><relations>")
                             + nested(depth) + QStringLiteral("</relations></model>");
        QFile file(dir.filePath(QStringLiteral("deep.xml")));
        QVERIFY(writeFile(file.fileName(), deep.toUtf8()));
        for (const QString &method : {LOAD_STRING, LOAD_FILE}) {
            try {
                if (method == LOAD_STRING)
                    loadText(kind, deep);
                else
                    loadFile(file);
                QVERIFY2(depth == limit - 2, "a too deep document was built");
            } catch (const XMLParseExceptionOstra &e) {
                QVERIFY2(depth != limit - 2, qPrintable(e.getErrorMsg()));
                QCOMPARE(e.getErrorMsg(), XMLDocumentReader::nestingTooDeepMessage());
                QCOMPARE(e.getExceptionId(), 537);
                QCOMPARE(e.getClassName(), NODE_CLASS[kind]);
                QCOMPARE(e.getMethodName(), method);
                QVERIFY(e.getErrorLine() == 1 && e.getErrorColumn() > 0);
            }
            QVERIFY(!file.isOpen());
        }
    }
}

void tst_Serialization::documentGuard_data()
{
    QTest::addColumn<QString>("text");
    // What the guard answers: "" (the DOM may build it), "deep", "doctype", "attributes", or
    // "refused" (any other reason: not well-formed, a character XML cannot hold, an entity).
    QTest::addColumn<QString>("verdict");
    const int limit = XMLDocumentReader::MAX_NESTING_DEPTH;
    QTest::newRow("exactly the limit") << nested(limit) << "";
    QTest::newRow("one past") << nested(limit + 1) << "deep";
    QTest::newRow("one past, on a later line")
        << "<?xml version=\"1.0\"?>\n<r>\n" + nested(limit) + "\n</r>"
        << "deep";
    // The stream reader reports a self-closing tag as a start element, so it is a level while open.
    QTest::newRow("self-closing at the limit") << nested(limit - 1, "<b x='1'/>") << "";
    QTest::newRow("self-closing one past") << nested(limit, "<b/>") << "deep";
    QTest::newRow("many self-closing siblings")
        << nested(limit - 1, QStringLiteral("<b/>").repeated(2000)) << "";
    // Markup-like text inside quotes, comments, CDATA and processing instructions is no level.
    const QString quoted = QStringLiteral("<a q=\"x>y\" s='/&gt;'>").repeated(limit)
                           + QStringLiteral("</a>").repeated(limit);
    QTest::newRow("quotes holding > at the limit") << quoted << "";
    QTest::newRow("quotes holding > one past") << "<r>" + quoted + "</r>"
                                               << "deep";
    const QString decoys = QStringLiteral("<!-- <a><a> --><![CDATA[<a><a></b>]]><?pi <a><a>?>");
    QTest::newRow("comment, CDATA, PI at the limit") << nested(limit, decoys) << "";
    QTest::newRow("comment, CDATA, PI one past") << "<r>" + nested(limit, decoys + "<b/>") + "</r>"
                                                 << "deep";
    QTest::newRow("comment full of tags")
        << "<r><!--" + QStringLiteral("<a>").repeated(3000) + "--></r>"
        << "";
    QTest::newRow("non-ASCII names and text at the limit")
        << nested(limit, QStringLiteral("\u00e9")).replace(QLatin1Char('a'), QChar(0x0436)) << "";
    QTest::newRow("non-ASCII names one past")
        << nested(limit + 1).replace(QLatin1Char('a'), QChar(0x0436)) << "deep";
    QTest::newRow("DOCTYPE without a subset") << "<!DOCTYPE a>" + nested(limit) << "";
    QTest::newRow("DOCTYPE one past") << "<!DOCTYPE a>" + nested(limit + 1) << "deep";
    // Text that is not well-formed is refused, whatever the lenient DOM parser would make of it.
    QTest::newRow("end tag with nothing open") << "</x>" + nested(3) << "refused";
    QTest::newRow("unterminated comment") << "<r><!--" + nested(3) << "refused";
    QTest::newRow("undeclared entity") << "<r>&undeclared;</r>"
                                       << "refused";
    QTest::newRow("entity after an external DOCTYPE") << "<!DOCTYPE r SYSTEM \"x.dtd\"><r>&e;</r>"
                                                      << "refused";
    // There the stream reader keeps one in an attribute value as written, and the DOM drops it.
    QTest::newRow("entity in an attribute after an external DOCTYPE")
        << "<!DOCTYPE r SYSTEM \"x.dtd\"><r><b a=\"in&e;come\"/></r>"
        << "refused";
    QTest::newRow("entity in an attribute after a public DOCTYPE")
        << "<!DOCTYPE r PUBLIC \"p\" \"x.dtd\"><r a=\"&e;\"/>"
        << "refused";
    QTest::newRow("DOCTYPE inside the root") << "<r><!DOCTYPE x>" + nested(3) + "</r>"
                                             << "refused";
    QTest::newRow("predefined entities and character references")
        << "<r a=\"&lt;&amp;&#x436;&#9;\">&gt;&quot;&apos;&#65;</r>"
        << "";
    QTest::newRow("predefined entities and character references after an external DOCTYPE")
        << "<!DOCTYPE r SYSTEM \"x.dtd\"><r a=\"&amp;e;&lt;&#x436;\" b=\"&apos;&quot;&gt;\">"
           "&amp;e;&#65;</r>"
        << "";
    // Any internal subset is refused before anything in it could be expanded.
    QTest::newRow("entity expanding to elements")
        << "<!DOCTYPE a [<!ENTITY e \"<b><c/></b>\">]>" + nested(2, "&e;") << "doctype";
    QTest::newRow("entity never used") << "<!DOCTYPE a [<!ENTITY e \"x\">]><a/>"
                                       << "doctype";
    QTest::newRow("empty internal subset") << "<!DOCTYPE a []><a/>"
                                           << "doctype";
    QTest::newRow("recursive entities")
        << "<!DOCTYPE a [<!ENTITY a \"&b;\"><!ENTITY b \"&a;\">]><a>&a;</a>"
        << "doctype";
    // Elements with very many attributes are refused before the reader's quadratic check.
    auto attributes = [](int n_count) -> QString {
        QString tag = QStringLiteral("<r");
        for (int i = 0; i < n_count; ++i)
            tag += QStringLiteral(" a%1='='").arg(i);
        return tag + QStringLiteral(">");
    };
    const int most = XMLDocumentReader::MAX_ATTRIBUTES;
    QTest::newRow("attributes at the limit") << attributes(most) + "x = y</r>"
                                             << "";
    QTest::newRow("attributes past the limit") << attributes(most + 1) + "</r>"
                                               << "attributes";
    QTest::newRow("'=' in text and values") << "<r a=\"" + QString(5000, QLatin1Char('=')) + "\">"
                                                   + QString(5000, QLatin1Char('=')) + "</r>"
                                            << "";
    // Model documents use no namespaces; a reader minding them would refuse an undeclared prefix.
    QTest::newRow("prefixed attribute") << "<r sh:a=\"1\"/>"
                                        << "refused";
    QTest::newRow("prefixed element") << "<r><p:b xmlns:p=\"u\"/></r>"
                                      << "refused";
    QTest::newRow("default namespace") << "<r xmlns=\"u\"/>"
                                       << "refused";
    QTest::newRow("name like xmlns") << "<r xmlnsx=\"u\" a.b-c_d=\"1\"/>"
                                     << "";
    // Characters outside XML's Char production, raw or as references; tab, LF and CR stay allowed.
    QTest::newRow("tab, LF, CR") << "<r a=\"\t\n\r\">\t\r\n</r>"
                                 << "";
    QTest::newRow("U+0001 in an attribute") << "<r a=\"\u0001\"/>"
                                            << "refused";
    QTest::newRow("U+001F in text") << "<r>\u001f</r>"
                                    << "refused";
    QTest::newRow("NUL") << QString(QStringLiteral("<r a=\"x\"/>")).insert(6, QChar(0))
                         << "refused";
    QTest::newRow("U+FFFE") << "<r>" + QString(QChar(0xFFFE)) + "</r>"
                            << "refused";
    QTest::newRow("&#1;") << "<r a=\"&#1;\"/>"
                          << "refused";
    QTest::newRow("&#x0;") << "<r>&#x0;</r>"
                           << "refused";
    QTest::newRow("surrogate pair") << "<r>" + QString::fromUcs4(U"\U0001F600") + "</r>"
                                    << "";
    QTest::newRow("lone high surrogate") << "<r>" + QString(QChar(0xD800)) + "</r>"
                                         << "refused";
    QTest::newRow("lone low surrogate") << "<r>x" + QString(QChar(0xDC00)) + "</r>"
                                        << "refused";
}

void tst_Serialization::documentGuard()
{
    QFETCH(QString, text);
    QFETCH(QString, verdict);
    const QPair<qint64, qint64> place = streamPositionPastLimit(text);
    // The text as it is, and as UTF-8 and UTF-16 bytes; a lone surrogate has no byte form.
    const bool encodable = !QByteArray(QTest::currentDataTag()).startsWith("lone");
    for (int form = 0; form < (encodable ? 3 : 1); ++form) {
        QDomDocument document;
        try {
            if (form == 0)
                XMLDocumentReader::setContent(document, text, "Loader", "load()");
            else
                XMLDocumentReader::setContent(
                    document,
                    form == 1 ? text.toUtf8()
                              : QTextCodec::codecForName("UTF-16")->fromUnicode(text),
                    "Loader", "load()");
            QVERIFY2(verdict.isEmpty(), qPrintable(QStringLiteral("form %1 passed").arg(form)));
        } catch (const XMLParseExceptionOstra &e) {
            QVERIFY2(
                !verdict.isEmpty(),
                qPrintable(QStringLiteral("form %1 refused: %2").arg(form).arg(e.getErrorMsg())));
            QCOMPARE(e.getExceptionId(), 537);
            QCOMPARE(e.getClassName(), QStringLiteral("Loader"));
            QVERIFY(e.getErrorLine() >= 1 && e.getErrorColumn() >= 1);
            if (verdict == QLatin1String("deep")) {
                QCOMPARE(e.getErrorMsg(), XMLDocumentReader::nestingTooDeepMessage());
                QCOMPARE(qint64(e.getErrorLine()), place.first);
                QCOMPARE(qint64(e.getErrorColumn()), place.second);
            } else if (verdict == QLatin1String("attributes")) {
                QCOMPARE(e.getErrorMsg(), XMLDocumentReader::tooManyAttributesMessage());
                QCOMPARE(e.getErrorColumn(), 1);
            } else if (verdict == QLatin1String("doctype")) {
                QCOMPARE(e.getErrorMsg(), XMLDocumentReader::doctypeRefusedMessage());
            } else {
                QVERIFY(e.getErrorMsg() != XMLDocumentReader::nestingTooDeepMessage());
            }
        }
    }
}

void tst_Serialization::documentBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text"); // of the root element; null when the bytes are refused
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    const QString zhe = QString(QChar(0x0436));
    QTest::newRow("UTF-8") << QByteArray("<r>\xD0\xB6</r>") << zhe << 0 << 0;
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF<r>\xD0\xB6</r>") << zhe << 0 << 0;
    QTest::newRow("UTF-16LE with BOM")
        << QByteArray("\xFF\xFE<\0r\0>\0\x36\x04<\0/\0r\0>\0", 18) << zhe << 0 << 0;
    QTest::newRow("UTF-16BE with BOM")
        << QByteArray("\xFE\xFF\0<\0r\0>\x04\x36\0<\0/\0r\0>", 18) << zhe << 0 << 0;
    QTest::newRow("UTF-16LE without BOM")
        << QByteArray("<\0r\0>\0\x36\x04<\0/\0r\0>\0", 16) << zhe << 0 << 0;
    QTest::newRow("UTF-16BE without BOM")
        << QByteArray("\0<\0r\0>\x04\x36\0<\0/\0r\0>", 16) << zhe << 0 << 0;
    QTest::newRow("declared windows-1251")
        << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1251\"?><r>\xE6</r>") << zhe << 0
        << 0;
    QTest::newRow("invalid byte") << QByteArray("<r>\n<a x=\"\xFF\"/></r>") << QString() << 2 << 7;
    QTest::newRow("overlong slash") << QByteArray("<r>\xC0\xAF</r>") << QString() << 1 << 4;
    QTest::newRow("encoded surrogate") << QByteArray("<r>\xED\xA0\x80</r>") << QString() << 1 << 4;
    QTest::newRow("past U+10FFFF") << QByteArray("<r>\xF4\x90\x80\x80</r>") << QString() << 1 << 4;
    QTest::newRow("cut at the end") << QByteArray("<r/>\xE2\x82") << QString() << 1 << 5;
    QTest::newRow("odd UTF-16 length")
        << QByteArray("\xFF\xFE<\0r\0/\0>\0\n", 11) << QString() << 1 << 5;
    QTest::newRow("unknown encoding")
        << QByteArray("<?xml version=\"1.0\" encoding=\"x-none\"?><r/>") << QString() << 1 << 1;
    QTest::newRow("NUL byte") << QByteArray("<r>a\0</r>", 9) << QString() << 1 << 5;
}

void tst_Serialization::documentBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QDomDocument document;
    try {
        XMLDocumentReader::setContent(document, bytes, "Loader", "load()");
        QVERIFY2(!text.isNull(), "the bytes were taken");
        QCOMPARE(document.documentElement().text(), text);
    } catch (const XMLParseExceptionOstra &e) {
        QVERIFY2(text.isNull(), qPrintable(e.getErrorMsg()));
        QFETCH(int, line);
        QFETCH(int, column);
        QCOMPARE(e.getErrorLine(), line);
        QCOMPARE(e.getErrorColumn(), column);
    }
}

void tst_Serialization::writerRefusesWhatItsLoaderWould_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("attributes");
    QTest::addColumn<QString>("refusal"); // a part of the reason, or "" when written
    const int deepest = XMLDocumentReader::MAX_NESTING_DEPTH;
    const int most = XMLDocumentReader::MAX_ATTRIBUTES;
    QTest::newRow("at both limits") << deepest << most - 1 << ""; // and the id
    QTest::newRow("one level too deep") << deepest + 1 << 1 << "nested deeper";
    QTest::newRow("far too deep") << 5000 << 1 << "nested deeper";
    QTest::newRow("one attribute too many") << 3 << most + 1 << "attributes are more";
}

void tst_Serialization::writerRefusesWhatItsLoaderWould()
{
    QFETCH(int, depth);
    QFETCH(int, attributes);
    QFETCH(QString, refusal);
    QDomDocument document;
    QDomElement root = document.createElement(QStringLiteral("r"));
    QDomElement innermost = root;
    for (int level = 1; level < depth; ++level)
        innermost = innermost.appendChild(document.createElement(QStringLiteral("a"))).toElement();
    for (int i = 0; i < attributes; ++i)
        innermost.setAttribute(QStringLiteral("a%1").arg(i), i);
    innermost.setAttribute(QStringLiteral("id"), QStringLiteral("inner"));
    const auto e = thrown<InconsistencyDataExceptionOstra>(
        [&] { XMLFileWriter::saveElementToString(document, root, QStringLiteral("Writer")); });
    if (refusal.isEmpty()) {
        QVERIFY(!e);
        QDomDocument again;
        XMLDocumentReader::setContent(again, document.toString(1), "Loader", "load()");
        return;
    }
    QVERIFY(e);
    QCOMPARE(e->getClassName(), QStringLiteral("Writer"));
    QCOMPARE(e->getMethodName(), QStringLiteral("saveToString()"));
    QVERIFY2(e->getParentException()->getDescription().contains(refusal),
             qPrintable(e->getParentException()->getDescription()));
}

QTEST_GUILESS_MAIN(tst_Serialization)
#include "tst_serialization.moc"
