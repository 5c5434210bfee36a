// Value codecs, the current-format XML nodes and their file and string forms.

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QXmlStreamReader>
#include <QtTest>

#include <csignal>
#include <cfloat>
#include <sys/resource.h>

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

Q_DECLARE_METATYPE(QVariant::Type)

namespace {

// Collects warnings so that tests can pin the exact lenient-reading texts, and their absence.
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

// Records the order in which addFields reaches the virtual addField.
class RecordingObjectNode : public ObjectXMLSerializer
{
public:
    using ObjectXMLSerializer::ObjectXMLSerializer;
    void addField(const QString &n_name, const QVariant &n_value) override
    {
        calls.append(n_name);
        ObjectXMLSerializer::addField(n_name, n_value);
    }
    QStringList calls;
};

class RecordingClassNode : public ClassXMLSerializer
{
public:
    using ClassXMLSerializer::ClassXMLSerializer;
    void addField(const QString &n_name, const QVariant &n_value) override
    {
        calls.append(n_name);
        ClassXMLSerializer::addField(n_name, n_value);
    }
    QStringList calls;
};

QStringList childTags(const QDomElement &n_element)
{
    QStringList tags;
    for (QDomElement child = n_element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        tags.append(child.tagName());
    return tags;
}

QStringList idsOf(const QList<QSharedPointer<ISerializerObject> > &n_nodes)
{
    QStringList ids;
    for (const auto &node : n_nodes)
        ids.append(node->getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString());
    return ids;
}

QSharedPointer<ISerializerObject> makeItem(QSharedPointer<ISerializerObject> n_prototype, const QString &n_id)
{
    n_prototype->addField(ISerializerObject::ATTRIBUTE_NAME_ID, n_id);
    return n_prototype;
}

QString nested(int n_depth, const QString &n_inner = QString())
{
    QString text;
    text.reserve(n_depth * 7 + n_inner.size());
    for (int i = 0; i < n_depth; ++i)
        text += QLatin1String("<a>");
    text += n_inner;
    for (int i = 0; i < n_depth; ++i)
        text += QLatin1String("</a>");
    return text;
}

// A hand-written current-format model; the two children come in the order given.
QString modelText(bool n_relationsFirst)
{
    const QString classPart = QStringLiteral(
        "<class id=\"c1\" shortName=\"Root\">"
        "<parameters><parameter id=\"p1\" type=\"double\" defaultValue=\"2.50\" unit=\"m\"/></parameters>"
        "<rules><rule id=\"r1\" relation=\"rel1\" initId=\"x:p1\" resultId=\"y:p2\"/></rules>"
        "<constraints/>"
        "<classes><class id=\"c2\"><parameters><parameter id=\"p2\" type=\"double\"/></parameters>"
        "<rules/><constraints/><classes/></class></classes>"
        "</class>");
    const QString relationsPart = QStringLiteral(
        "<relations><relation id=\"rel1\" relationType=\"simple\" inObj=\"x:double\" outObj=\"y:double\">"
        "y = 2*x;</relation></relations>");
    return QStringLiteral("<model formatXmlVersion=\"2.0\" id=\"m1\" shortName=\"Model\">")
           + (n_relationsFirst ? relationsPart + classPart : classPart + relationsPart)
           + QStringLiteral("</model>");
}

// Makes writes past n_bytes fail (EFBIG) for this process, as a full disk would, until destroyed.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t n_bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = n_bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old;
    void (*m_oldHandler)(int);
};

enum NodeKind { ClassNode, RelationsNode, ModelNode };

// A node of the given kind holding enough content to be larger than a few hundred bytes.
QSharedPointer<ISerializerObject> filledNode(NodeKind n_kind)
{
    const QString longText = QString(2000, QLatin1Char('x'));
    if (n_kind == ClassNode) {
        auto node = QSharedPointer<ClassXMLSerializer>::create(QDomDocument());
        node->addField(QStringLiteral("description"), longText);
        return node;
    }
    if (n_kind == RelationsNode) {
        auto node = QSharedPointer<RelationsStorageXMLSerializer>::create(QDomDocument());
        auto relation = makeItem(node->getRelationPrototype(), QStringLiteral("rel"));
        relation->addField(ISerializerObject::ATTRIBUTE_NAME_INTENAL_INFO, longText);
        node->addRelations({relation});
        return node;
    }
    auto node = QSharedPointer<ModelXMLSerializer>::create();
    node->addField(QStringLiteral("description"), longText);
    return node;
}

void saveNode(const QSharedPointer<ISerializerObject> &n_node, QFile &n_file)
{
    if (auto model = n_node.dynamicCast<ModelXMLSerializer>())
        model->saveToFile(n_file);
    else if (auto cls = n_node.dynamicCast<ClassXMLSerializer>())
        cls->saveToFile(n_file);
    else
        n_node.dynamicCast<RelationsStorageXMLSerializer>()->saveToFile(n_file);
}

QString expectedClassName(NodeKind n_kind)
{
    switch (n_kind) {
    case ClassNode:
        return QStringLiteral("ClassXMLSerializer");
    case RelationsNode:
        return QStringLiteral("RelationsStorageXMLSerializer");
    default:
        return QStringLiteral("ModelXMLSerializer");
    }
}

// Loads n_text through the string form of the given node kind.
void loadText(NodeKind n_kind, const QString &n_text)
{
    if (n_kind == ClassNode)
        ClassXMLSerializer(QDomDocument()).loadFromString(n_text);
    else if (n_kind == RelationsNode)
        RelationsStorageXMLSerializer(QDomDocument()).loadFromString(n_text);
    else
        ModelXMLSerializer().loadFromString(n_text);
}

void loadFile(NodeKind n_kind, QFile &n_file)
{
    if (n_kind == ClassNode)
        ClassXMLSerializer(QDomDocument()).loadFromFile(n_file);
    else if (n_kind == RelationsNode)
        RelationsStorageXMLSerializer(QDomDocument()).loadFromFile(n_file);
    else
        ModelXMLSerializer().loadFromFile(n_file);
}

void addNodeKinds()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("class") << int(ClassNode);
    QTest::newRow("relations") << int(RelationsNode);
    QTest::newRow("model") << int(ModelNode);
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
    void typedLinkedObjects();

    // Nodes
    void objectNodeFields();
    void objectNodeFieldOrder();
    void lessThanOrdersByIdText();
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
    void modelRoundTripThroughText();

    // Files
    void saveAndLoadFiles_data();
    void saveAndLoadFiles();
    void saveFailures_data();
    void saveFailures();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void loadFailures_data();
    void loadFailures();

    // Nesting guard
    void deepNestingRefused_data();
    void deepNestingRefused();
    void deepNestingRefusedFromFile();
    void nestingGuardDirect();
    void nestingGuardEdges_data();
    void nestingGuardEdges();
    void nestingGuardEncodings();
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
    QCOMPARE(ISerializebleObject::convertFromQVariantTypeToXmlType(type), name);
    // Every name the writer produces reads back, the bare "list" included.
    QCOMPARE(ISerializebleObject::convertFromXmlTypeToQVariantType(name), type);
    // Only the first ","-separated part counts.
    QCOMPARE(ISerializebleObject::convertFromXmlTypeToQVariantType(name + QStringLiteral(",double")), type);
}

void tst_Serialization::typeNameErrors()
{
    for (QVariant::Type type : {QVariant::Invalid, QVariant::Date, QVariant::LongLong, QVariant::Map}) {
        try {
            ISerializebleObject::convertFromQVariantTypeToXmlType(type);
            QFAIL("an unstorable type was named");
        } catch (BadValueTypeExceptionOstra &e) {
            QCOMPARE(e.getValueType(), type);
            QCOMPARE(e.getClassName(), QStringLiteral("ISerializebleObject"));
            QCOMPARE(e.getMethodName(), QStringLiteral("convertFromQVariantTypeToXmlType(QVariant::Type n_type)"));
        }
    }
    // Whole first part, case-sensitive: no prefix match, no capitals.
    for (const QString &text : {QStringLiteral("List"), QStringLiteral("strin"), QStringLiteral("string_lis"),
                                QStringLiteral(""), QStringLiteral(",integer"), QStringLiteral("int")}) {
        try {
            ISerializebleObject::convertFromXmlTypeToQVariantType(text);
            QFAIL(qPrintable(QStringLiteral("accepted type text: ") + text));
        } catch (BadValueTypeExceptionOstra &e) {
            QCOMPARE(e.getValueType(), QVariant::Invalid);
            QCOMPARE(e.getMethodName(), QStringLiteral("convertFromXmlTypeToQVariantType(const QString &n_xmlType)"));
        }
    }
    QCOMPARE(ISerializebleObject::convertFromXmlTypeToQVariantType(QStringLiteral("integer,x")), QVariant::Int);
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
    QTest::newRow("whole double") << QVariant::Double << QVariant(2.0) << "2.00";
    QTest::newRow("negative double") << QVariant::Double << QVariant(-1.5) << "-1.50";
    QTest::newRow("two decimals") << QVariant::Double << QVariant(2.25) << "2.25";
    QTest::newRow("pi kept") << QVariant::Double << QVariant(3.14159) << "3.14159";
    QTest::newRow("small kept") << QVariant::Double << QVariant(0.001) << "0.001";
    QTest::newRow("shortest digits") << QVariant::Double << QVariant(0.1 + 0.2) << "0.30000000000000004";
    QTest::newRow("large fixed") << QVariant::Double << QVariant(1e20) << "100000000000000000000.00";
    QTest::newRow("tiny fixed") << QVariant::Double << QVariant(1e-20) << "0.00000000000000000001";
    QTest::newRow("declared type decides") << QVariant::Double << QVariant(2) << "2.00";
    QTest::newRow("double list") << QVariant::List << QVariant(QVariantList{1.0, 2.5, 3.0}) << "1.00,2.50,3.00";
    QTest::newRow("mixed list") << QVariant::List << QVariant(QVariantList{1, true, QStringLiteral("s")})
                                << "1,true,s";
    QTest::newRow("nested list flattens") << QVariant::List
                                          << QVariant(QVariantList{1.0, QVariant(QVariantList{2.0, 3.0})})
                                          << "1.00,2.00,3.00";
    QTest::newRow("string list") << QVariant::StringList << QVariant(QStringList{"a", "b,c"}) << "\"a\",\"b,c\"";
    QTest::newRow("empty list") << QVariant::List << QVariant(QVariantList()) << "";
}

void tst_Serialization::valueToText()
{
    QFETCH(QVariant::Type, type);
    QFETCH(QVariant, value);
    QFETCH(QString, text);
    QCOMPARE(ISerializebleObject::convertFromQVariantValueToString(type, value), text);
}

void tst_Serialization::valueToTextErrors()
{
    const QString method = QStringLiteral(
        "convertFromQVariantValueToString(const QVariant::Type n_type,const QVariant &n_value)");
    try {
        ISerializebleObject::convertFromQVariantValueToString(QVariant::Date, QVariant(7));
        QFAIL("a date type was written");
    } catch (BadValueTypeExceptionOstra &e) {
        // The value's own type is reported, not the declared one.
        QCOMPARE(e.getValueType(), QVariant::Int);
        QCOMPARE(e.getMethodName(), method);
    }
    try {
        ISerializebleObject::convertFromQVariantValueToString(QVariant::List,
                                                              QVariant(QVariantList{1.0, QDate(2020, 1, 1)}));
        QFAIL("a date list item was written");
    } catch (BadValueTypeExceptionOstra &e) {
        QCOMPARE(e.getValueType(), QVariant::Date);
    }
}

void tst_Serialization::doublesRoundTripExactly()
{
    const QList<double> values = {3.14159, 0.001, 1.0 / 3.0, -2.0 / 7.0, 123456789.123456789, 1e300,
                                  -1e-300, DBL_MAX, DBL_MIN, 5e-324, 0.1 + 0.2, 1e15 + 0.5};
    for (double value : values) {
        const QString text = ISerializebleObject::convertFromQVariantValueToString(QVariant::Double, value);
        QVERIFY2(!text.contains(QLatin1Char('e')) && !text.contains(QLatin1Char('E')), qPrintable(text));
        const int point = text.indexOf(QLatin1Char('.'));
        QVERIFY2(point > 0 && text.size() - point - 1 >= 2, qPrintable(text));
        const QVariant back = ISerializebleObject::readValue(QVariant::Double, text, QVariant::Double);
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
        {QVariant::Bool, "false", false, ""},
        {QVariant::Bool, "1", true, ""},
        {QVariant::Bool, "-3", true, ""},
        {QVariant::Bool, "0", false, ""},
        {QVariant::Bool, "yes", QVariant(), boolWarning},
        {QVariant::Bool, "TRUE", QVariant(), boolWarning},
        {QVariant::Bool, "", QVariant(), boolWarning},
        {QVariant::Int, "42", 42, ""},
        {QVariant::Int, "abc", QVariant(), intWarning},
        {QVariant::Int, "4.5", QVariant(), intWarning},
        {QVariant::Double, "-1.50", -1.5, ""},
        {QVariant::Double, "x", QVariant(), doubleWarning},
        {QVariant::Double, "", QVariant(), doubleWarning},
        {QVariant::String, "text", QStringLiteral("text"), ""},
        {QVariant::String, "", QVariant(), ""},
        {QVariant::StringList, "", QVariant(), QStringLiteral("Массив Строк, как значение пришел пустым")},
        {QVariant::List, "", QVariant(), QStringLiteral("Массив, как значение пришел пустым")},
    };
    for (const Case &c : cases) {
        const QString label = QVariant::typeToName(c.type) + QStringLiteral(" '") + c.text + QLatin1Char('\'');
        WarningCatcher catcher;
        const QVariant value = ISerializebleObject::readValue(c.type, c.text, QVariant::Double);
        QVERIFY2(value.type() == c.type, qPrintable(label));
        if (c.expected.isValid())
            QVERIFY2(value == c.expected && !value.isNull(), qPrintable(label));
        else
            QVERIFY2(value.isNull(), qPrintable(label));
        QCOMPARE(catcher.messages(), c.warning.isEmpty() ? QStringList() : QStringList{c.warning});
    }

    // The only reading failure is a type outside the six.
    try {
        ISerializebleObject::readValue(QVariant::Date, QStringLiteral("2020-01-01"), QVariant::Double);
        QFAIL("a date was read");
    } catch (BadValueTypeExceptionOstra &e) {
        QCOMPARE(e.getValueType(), QVariant::Date);
        QCOMPARE(e.getMethodName(), QStringLiteral("readValue(const QVariant::Type &n_type, const QString "
                                                   "&n_value, const QVariant::Type& n_secondType)"));
    }
}

void tst_Serialization::listsReadBack()
{
    // A list of doubles as the program writes it, with its bare "list" type name, reads back whole.
    const QVariantList doubles{1.0, 2.5, 3.0, 0.125};
    const QString typeName = ISerializebleObject::convertFromQVariantTypeToXmlType(QVariant::List);
    const QString text = ISerializebleObject::convertFromQVariantValueToString(QVariant::List, doubles);
    const QVariant::Type type = ISerializebleObject::convertFromXmlTypeToQVariantType(typeName);
    const QVariant back = ISerializebleObject::readValue(type, text, QVariant::Double);
    QCOMPARE(back.type(), QVariant::List);
    QCOMPARE(back.toList(), doubles);
    for (const QVariant &item : back.toList())
        QCOMPARE(item.type(), QVariant::Double);

    // Items of another type, and a bad item giving a null item rather than a failure.
    {
        WarningCatcher catcher;
        const QVariantList ints = ISerializebleObject::readValueList(QVariant::Int, QStringLiteral("1,x,3")).toList();
        QCOMPARE(ints.size(), 3);
        QCOMPARE(ints.at(0), QVariant(1));
        QVERIFY(ints.at(1).isNull() && ints.at(1).type() == QVariant::Int);
        QCOMPARE(catcher.messages(), QStringList{QStringLiteral("Int, как значение пришла пустой")});
    }

    // String lists: quotes are dropped, an item holding a comma splits, each read warns once.
    {
        WarningCatcher catcher;
        const QString written = ISerializebleObject::convertFromQVariantValueToString(
            QVariant::StringList, QStringList{"a", "b,c", "say \"hi\""});
        const QVariant read = ISerializebleObject::readValue(QVariant::StringList, written, QVariant::Double);
        QCOMPARE(read.toStringList(), (QStringList{"a", "b", "c", "say hi"}));
        QCOMPARE(catcher.messages(), QStringList{QStringLiteral("Не проверенный функционал")});
    }
    QCOMPARE(ISerializebleObject::readAttributeIds(QStringLiteral("a,,b")), (QStringList{"a", "", "b"}));
}

void tst_Serialization::linkedObjects()
{
    const QHash<QString, QString> links{{"a", "p1"}, {"b", "p2"}, {"c", "p3"}};
    const QString text = ISerializebleObject::convertLinkedObjectsToString(links);
    // The pair order follows the hash, so compare the pairs as a set.
    const QStringList pairs = text.split(QLatin1Char(';'));
    QCOMPARE(QSet<QString>(pairs.begin(), pairs.end()), (QSet<QString>{"a:p1", "b:p2", "c:p3"}));
    QCOMPARE(ISerializebleObject::convertStringToLinkedObjects(text), links);

    QCOMPARE(ISerializebleObject::convertLinkedObjectsToString({}), QString());
    QCOMPARE(ISerializebleObject::convertStringToLinkedObjects(QStringLiteral("a:p1;b:p2")),
             (QHash<QString, QString>{{"a", "p1"}, {"b", "p2"}}));
    // A name met twice keeps the later value.
    QCOMPARE(ISerializebleObject::convertStringToLinkedObjects(QStringLiteral("a:p1;a:p2")),
             (QHash<QString, QString>{{"a", "p2"}}));
    // Empty names and ids are kept; only the separators matter.
    QCOMPARE(ISerializebleObject::convertStringToLinkedObjects(QStringLiteral(":")), (QHash<QString, QString>{{"", ""}}));
    QCOMPARE(ISerializebleObject::convertStringToLinkedObjects(QStringLiteral("a:;:p2")),
             (QHash<QString, QString>{{"a", ""}, {"", "p2"}}));
}

void tst_Serialization::linkedObjectErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("trailing separator") << "a:p1;";
    QTest::newRow("no colon") << "a";
    QTest::newRow("two colons") << "a:b:c";
    QTest::newRow("empty text") << "";
    QTest::newRow("empty pair inside") << "a:p1;;b:p2";
    QTest::newRow("leading separator") << ";a:p1";
    QTest::newRow("last pair without colon") << "a:p1;b";
    QTest::newRow("second colon in a later pair") << "a:p1;b:p2:x";
}

void tst_Serialization::linkedObjectErrors()
{
    QFETCH(QString, text);
    try {
        ISerializebleObject::convertStringToLinkedObjects(text);
        QFAIL("malformed link text accepted");
    } catch (InconsistencyDataExceptionOstra &e) {
        QCOMPARE(e.getExceptionId(), 501);
        QCOMPARE(e.getClassName(), QStringLiteral("ISerializebleObject"));
        QCOMPARE(e.getMethodName(), QStringLiteral("convertStringToLinkedObjects(const QString &n_linkedObjectsStr)"));
    }
    try {
        ISerializebleObject::convertStringToLinkedObjectsTypes(QString(text).replace(QStringLiteral("p1"), QStringLiteral("double")));
        QFAIL("malformed typed link text accepted");
    } catch (InconsistencyDataExceptionOstra &e) {
        QCOMPARE(e.getMethodName(), QStringLiteral("covertStringToLinkedObjects(const QString &n_linkedObjectsStr)"));
    } catch (BadValueTypeExceptionOstra &) {
        // "b:c" style pieces may fail on the type name first; either way nothing is returned.
    }
}

void tst_Serialization::typedLinkedObjects()
{
    const QHash<QString, QVariant::Type> types{{"x", QVariant::Int}, {"y", QVariant::List},
                                               {"z", QVariant::StringList}, {"w", QVariant::Bool}};
    const QString text = ISerializebleObject::convertLinkedObjectsTypesToString(types);
    const QStringList pairs = text.split(QLatin1Char(';'));
    QCOMPARE(QSet<QString>(pairs.begin(), pairs.end()),
             (QSet<QString>{"x:integer", "y:list", "z:string_list", "w:boolean"}));
    QCOMPARE(ISerializebleObject::convertStringToLinkedObjectsTypes(text), types);
    QCOMPARE(ISerializebleObject::convertLinkedObjectsTypesToString({}), QString());

    try {
        ISerializebleObject::convertLinkedObjectsTypesToString({{"d", QVariant::Date}});
        QFAIL("a date variable was written");
    } catch (BadValueTypeExceptionOstra &e) {
        QCOMPARE(e.getValueType(), QVariant::Date);
    }
    try {
        ISerializebleObject::convertStringToLinkedObjectsTypes(QStringLiteral("x:integer;y:Double"));
        QFAIL("an unknown type name was read");
    } catch (BadValueTypeExceptionOstra &e) {
        QCOMPARE(e.getValueType(), QVariant::Invalid);
    }
}

void tst_Serialization::objectNodeFields()
{
    QDomDocument document;
    ObjectXMLSerializer node(QStringLiteral("relation"), document);
    QCOMPARE(node.getXMLObject().tagName(), QStringLiteral("relation"));
    QVERIFY(node.getXMLObject().parentNode().isNull());

    node.addField(QStringLiteral("id"), QStringLiteral("r1"));
    node.addField(QStringLiteral("shortName"), QString());
    node.addField(QStringLiteral("count"), 3);
    node.addField(QStringLiteral("count"), 4);
    node.addField(QStringLiteral("internalInfo"), QStringLiteral("y = 2*x;"));
    node.addField(QStringLiteral("internalInfo"), QStringLiteral("z = y;"));

    const QDomElement element = node.getXMLObject();
    // An empty value is still written as an attribute, but reads as invalid like an absent one.
    QVERIFY(element.hasAttribute(QStringLiteral("shortName")));
    QVERIFY(!node.getFieldValue(QStringLiteral("shortName")).isValid());
    QVERIFY(!node.getFieldValue(QStringLiteral("author")).isValid());
    QCOMPARE(node.getFieldValue(QStringLiteral("count")), QVariant(QStringLiteral("4")));
    QCOMPARE(node.getFieldValue(QStringLiteral("internalInfo")), QVariant(QStringLiteral("y = 2*x;z = y;")));
    QVERIFY(!element.hasAttribute(QStringLiteral("internalInfo")));

    const QHash<QString, QVariant> fields = node.getFieldsHash();
    QCOMPARE(QSet<QString>(fields.keyBegin(), fields.keyEnd()), (QSet<QString>{"id", "shortName", "count"}));
    // The names alone: the same set, the empty-valued attribute included.
    const QStringList names = node.getFieldNames();
    QCOMPARE(names.size(), 3);
    QCOMPARE(QSet<QString>(names.begin(), names.end()), (QSet<QString>{"id", "shortName", "count"}));
    QVERIFY(!fields.value(QStringLiteral("shortName")).isValid());
    QCOMPARE(fields.value(QStringLiteral("id")), QVariant(QStringLiteral("r1")));

    // Rebinding reads an existing element.
    QDomElement other = document.createElement(QStringLiteral("relation"));
    other.setAttribute(QStringLiteral("id"), QStringLiteral("r2"));
    node.setXMLObject(other);
    QCOMPARE(node.getFieldValue(QStringLiteral("id")), QVariant(QStringLiteral("r2")));
    QCOMPARE(node.getFieldValue(QStringLiteral("internalInfo")), QVariant(QString()));
}

void tst_Serialization::objectNodeFieldOrder()
{
    RecordingObjectNode node(QStringLiteral("rule"), QDomDocument());
    node.addFields({{"b", 1}, {"A", 2}, {"c", 3}, {"B2", 4}});
    QCOMPARE(node.calls, (QStringList{"A", "b", "B2", "c"}));
    QCOMPARE(node.getFieldValue(QStringLiteral("B2")), QVariant(QStringLiteral("4")));
}

void tst_Serialization::lessThanOrdersByIdText()
{
    QDomDocument document;
    auto node = [&](const QString &n_id) {
        return makeItem(QSharedPointer<ObjectXMLSerializer>::create(QStringLiteral("x"), document), n_id);
    };
    QVERIFY(ISerializerObject::lessThan(node("10"), node("9")));
    QVERIFY(!ISerializerObject::lessThan(node("9"), node("10")));
    QVERIFY(ISerializerObject::lessThan(node("B"), node("a")));
    QVERIFY(!ISerializerObject::lessThan(node("a"), node("a")));
}

void tst_Serialization::classNodeFields()
{
    RecordingClassNode node{QDomDocument()};
    node.addField(QStringLiteral("id"), QStringLiteral("c1"));
    node.addField(QStringLiteral("description"), QString());
    node.addField(QStringLiteral("internalInfo"), QStringLiteral("info"));
    const QDomElement element = node.getXMLObject();
    QCOMPARE(element.tagName(), QStringLiteral("class"));
    QVERIFY(!element.hasAttribute(QStringLiteral("description")));
    // On a class "internalInfo" is an attribute like any other.
    QCOMPARE(element.attribute(QStringLiteral("internalInfo")), QStringLiteral("info"));

    // An absent attribute reads as a valid, null string.
    const QVariant absent = node.getFieldValue(QStringLiteral("description"));
    QVERIFY(absent.isValid());
    QCOMPARE(absent.type(), QVariant::String);
    QVERIFY(absent.toString().isNull());
    QCOMPARE(node.getFieldValue(QStringLiteral("id")), QVariant(QStringLiteral("c1")));

    // addFields follows the hash's own order.
    const QHash<QString, QVariant> fields{{"b", "1"}, {"A", "2"}, {"c", ""}, {"d", "4"}};
    node.calls.clear();
    node.addFields(fields);
    QCOMPARE(node.calls, fields.keys());
    QVERIFY(!element.hasAttribute(QStringLiteral("c")));
    const QHash<QString, QVariant> stored = node.getFieldsHash();
    QCOMPARE(QSet<QString>(stored.keyBegin(), stored.keyEnd()), (QSet<QString>{"id", "internalInfo", "b", "A", "d"}));

    // A new class node holds the four lists in order.
    QCOMPARE(childTags(element), (QStringList{"parameters", "rules", "constraints", "classes"}));
}

void tst_Serialization::classNodeLists()
{
    QDomDocument document;
    ClassXMLSerializer node(document);
    QCOMPARE(node.getParameterPrototype().dynamicCast<ObjectXMLSerializer>()->getXMLObject().tagName(),
             QStringLiteral("parameter"));
    QCOMPARE(node.getRulePrototype().dynamicCast<ObjectXMLSerializer>()->getXMLObject().tagName(),
             QStringLiteral("rule"));
    QCOMPARE(node.getConstraintPrototype().dynamicCast<ObjectXMLSerializer>()->getXMLObject().tagName(),
             QStringLiteral("constraint"));

    node.addOwnParameters({makeItem(node.getParameterPrototype(), "p2"), makeItem(node.getParameterPrototype(), "p10"),
                           makeItem(node.getParameterPrototype(), "p1")});
    QCOMPARE(idsOf(node.getOwnParameters()), (QStringList{"p1", "p10", "p2"}));
    // A second call appends after what is there.
    node.addOwnParameters({makeItem(node.getParameterPrototype(), "p0")});
    QCOMPARE(idsOf(node.getOwnParameters()), (QStringList{"p1", "p10", "p2", "p0"}));

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

    // Read back through a node bound to the written element.
    const QString text = node.saveToString();
    ClassXMLSerializer reader{QDomDocument()};
    reader.loadFromString(text);
    QCOMPARE(idsOf(reader.getOwnParameters()), (QStringList{"p1", "p10", "p2", "p0"}));
    const auto rules = reader.getOwnRules();
    QCOMPARE(rules.size(), 1);
    QCOMPARE(rules.first()->getFieldValue(QStringLiteral("initId")), QVariant(QStringLiteral("x:p1")));
    QCOMPARE(idsOf(reader.getOwnConstraints()), QStringList{"k1"});
    const auto classes = reader.getOwnClasses();
    QCOMPARE(classes.size(), 2);
    QCOMPARE(classes.at(0)->getFieldValue(QStringLiteral("id")).toString(), QStringLiteral("cA"));
    QCOMPARE(idsOf(classes.at(0)->getOwnParameters()), QStringList{"q1"});
    QCOMPARE(classes.at(1)->getFieldValue(QStringLiteral("id")).toString(), QStringLiteral("cB"));
    QVERIFY(classes.at(1)->getOwnParameters().isEmpty());
}

void tst_Serialization::classNodeReadErrors()
{
    struct Case
    {
        QString text;
        QString method;
        QString expected;
        QString problem;
    };
    const QList<Case> cases = {
        {"<class><parameters><parametr id=\"p\"/></parameters></class>", "getOwnParameters()", "parameter", "parametr"},
        {"<class><rules><rule id=\"r\"/><!-- note --></rules></class>", "getOwnRules()", "rule", ""},
        {"<class><constraints>text</constraints></class>", "getOwnConstraints()", "constraint", ""},
        {"<class><classes><parameter/></classes></class>", "getOwnClasses()", "class", "parameter"},
    };
    for (const Case &c : cases) {
        ClassXMLSerializer node{QDomDocument()};
        node.loadFromString(c.text);
        try {
            if (c.method == QLatin1String("getOwnParameters()"))
                node.getOwnParameters();
            else if (c.method == QLatin1String("getOwnRules()"))
                node.getOwnRules();
            else if (c.method == QLatin1String("getOwnConstraints()"))
                node.getOwnConstraints();
            else
                node.getOwnClasses();
            QFAIL(qPrintable(QStringLiteral("no error for ") + c.text));
        } catch (UnexpectedTagName &e) {
            QCOMPARE(e.getExceptionId(), 536);
            QCOMPARE(e.getExpectedTag(), c.expected);
            QCOMPARE(e.getProblemTag(), c.problem);
            QCOMPARE(e.getClassName(), QStringLiteral("ClassXMLSerializer"));
            QCOMPARE(e.getMethodName(), c.method);
        }
    }

    // A class without a "constraints" list reads it as empty; the other lists are read normally.
    ClassXMLSerializer node{QDomDocument()};
    node.loadFromString(QStringLiteral("<class><parameters><parameter id=\"p\"/></parameters><rules/></class>"));
    QVERIFY(node.getOwnConstraints().isEmpty());
    QVERIFY(node.getOwnClasses().isEmpty());
    QCOMPARE(idsOf(node.getOwnParameters()), QStringList{"p"});
}

void tst_Serialization::classNodeLoadForms()
{
    const QString notClass = QStringLiteral("<root id=\"x\"><parameters><parameter id=\"p\"/></parameters></root>");
    // The string form binds to the first element whatever its tag.
    ClassXMLSerializer fromString{QDomDocument()};
    fromString.loadFromString(notClass);
    QCOMPARE(fromString.getFieldValue(QStringLiteral("id")).toString(), QStringLiteral("x"));
    QCOMPARE(idsOf(fromString.getOwnParameters()), QStringList{"p"});

    // The file form binds only to a first-level "class" element.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("root.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(notClass.toUtf8());
    file.close();
    ClassXMLSerializer fromFile{QDomDocument()};
    fromFile.loadFromFile(file);
    QVERIFY(!file.isOpen());
    QVERIFY(fromFile.getOwnParameters().isEmpty());
    QVERIFY(fromFile.getFieldValue(QStringLiteral("id")).toString().isEmpty());
}

void tst_Serialization::relationsNode()
{
    QDomDocument document;
    RelationsStorageXMLSerializer node(document);
    QCOMPARE(node.getXMLObject().tagName(), QStringLiteral("relations"));
    QCOMPARE(node.getRelationPrototype().dynamicCast<ObjectXMLSerializer>()->getXMLObject().tagName(),
             QStringLiteral("relation"));

    QList<QSharedPointer<ISerializerObject> > items;
    for (const QString &id : {QStringLiteral("r3"), QStringLiteral("r1"), QStringLiteral("r2")}) {
        auto item = makeItem(node.getRelationPrototype(), id);
        item->addField(QStringLiteral("internalInfo"), QString(QStringLiteral("code of ") + id));
        items.append(item);
    }
    node.addRelations(items);
    QCOMPARE(idsOf(node.getRelations()), (QStringList{"r1", "r2", "r3"}));
    QCOMPARE(node.getRelations().at(1)->getFieldValue(QStringLiteral("internalInfo")),
             QVariant(QStringLiteral("code of r2")));

    // Attributes of the list itself: written whatever their text, absent ones read as empty text.
    node.addField(QStringLiteral("note"), QString());
    QVERIFY(node.getXMLObject().hasAttribute(QStringLiteral("note")));
    const QVariant absent = node.getFieldValue(QStringLiteral("missing"));
    QVERIFY(absent.isValid() && absent.toString().isNull());

    // Every child node is an item: a comment gives one whose element is null, a foreign tag is kept.
    RelationsStorageXMLSerializer reader{QDomDocument()};
    reader.loadFromString(QStringLiteral(
        "<relations><relation id=\"a\"/><!-- c --><other id=\"b\"/></relations>"));
    const auto read = reader.getRelations();
    QCOMPARE(read.size(), 3);
    QVERIFY(read.at(1).dynamicCast<ObjectXMLSerializer>()->getXMLObject().isNull());
    QVERIFY(!read.at(1)->getFieldValue(QStringLiteral("id")).isValid());
    QCOMPARE(read.at(2)->getFieldValue(QStringLiteral("id")), QVariant(QStringLiteral("b")));
}

void tst_Serialization::modelNodeWrite()
{
    ModelXMLSerializer empty;
    QDomDocument written;
    QVERIFY(written.setContent(empty.saveToString()));
    const QDomElement root = written.documentElement();
    QCOMPARE(root.tagName(), QStringLiteral("model"));
    QCOMPARE(root.attributes().count(), 1);
    QCOMPARE(root.attribute(QStringLiteral("formatXmlVersion")), QStringLiteral("2.0"));
    QVERIFY(root.firstChild().isNull());

    ModelXMLSerializer model;
    model.addField(QStringLiteral("id"), QStringLiteral("m1"));
    model.addField(QStringLiteral("author"), QString());
    QVERIFY(!model.getXMLObject().hasAttribute(QStringLiteral("author")));
    QVERIFY(model.getFieldValue(QStringLiteral("author")).toString().isNull());
    QCOMPARE(model.getFieldsHash().value(QStringLiteral("formatXmlVersion")), QVariant(QStringLiteral("2.0")));

    // setClass twice keeps one class, the second, placed after the relations already there.
    auto relations = model.getRelationsStoragePrototype();
    model.setRelationStorage(relations);
    auto first = model.getClassPrototype();
    first->addField(QStringLiteral("id"), QStringLiteral("first"));
    model.setClass(first);
    auto second = model.getClassPrototype();
    second->addField(QStringLiteral("id"), QStringLiteral("second"));
    model.setClass(second);
    QCOMPARE(childTags(model.getXMLObject()), (QStringList{"relations", "class"}));
    QCOMPARE(model.getXMLObject().firstChildElement(QStringLiteral("class")).attribute(QStringLiteral("id")),
             QStringLiteral("second"));
    QCOMPARE(model.getClass(), second);
    QCOMPARE(model.getRelationStorage(), relations);
}

void tst_Serialization::modelNodeFormatRecognition()
{
    struct Case
    {
        QString text;
        bool supported;
    };
    const QList<Case> cases = {
        {"<model formatXmlVersion=\"2.0\"/>", true},
        {"<anything formatXmlVersion=\"2.0\"/>", true},
        {"<model formatXmlVersion=\"2.00\"/>", false},
        {"<model/>", false},
        {"<root/>", false},
        {"<!-- c --><model formatXmlVersion=\"2.0\"/>", true},
    };
    for (const Case &c : cases) {
        QDomDocument document;
        QVERIFY(document.setContent(c.text));
        ModelXMLSerializer node;
        QVERIFY2(node.isFormatSupport(document) == c.supported, qPrintable(c.text));
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
        XMLDocumentReader::setContent(document, modelText(relationsFirst), QStringLiteral("test"), QStringLiteral("test"));
        QVERIFY(node.isFormatSupport(document));
        node.loadFromDomDocument(document);
    } else {
        node.loadFromString(modelText(relationsFirst));
    }
    QCOMPARE(node.getFieldValue(QStringLiteral("id")).toString(), QStringLiteral("m1"));
    QCOMPARE(node.getFieldValue(QStringLiteral("shortName")).toString(), QStringLiteral("Model"));

    const auto root = node.getClass();
    QCOMPARE(root->getFieldValue(QStringLiteral("shortName")).toString(), QStringLiteral("Root"));
    const auto parameters = root->getOwnParameters();
    QCOMPARE(parameters.size(), 1);
    const QHash<QString, QVariant> parameter = parameters.first()->getFieldsHash();
    QCOMPARE(parameter.value(QStringLiteral("unit")), QVariant(QStringLiteral("m")));
    const QVariant defaultValue = ISerializebleObject::readValue(
        ISerializebleObject::convertFromXmlTypeToQVariantType(parameter.value(QStringLiteral("type")).toString()),
        parameter.value(QStringLiteral("defaultValue")).toString(), QVariant::Double);
    QCOMPARE(defaultValue, QVariant(2.5));

    const auto rules = root->getOwnRules();
    QCOMPARE(rules.size(), 1);
    QCOMPARE(ISerializebleObject::convertStringToLinkedObjects(rules.first()->getFieldValue(QStringLiteral("initId")).toString()),
             (QHash<QString, QString>{{"x", "p1"}}));
    QVERIFY(root->getOwnConstraints().isEmpty());
    const auto children = root->getOwnClasses();
    QCOMPARE(children.size(), 1);
    QCOMPARE(idsOf(children.first()->getOwnParameters()), QStringList{"p2"});

    const auto relations = node.getRelationStorage()->getRelations();
    QCOMPARE(relations.size(), 1);
    const auto relation = relations.first();
    QCOMPARE(relation->getFieldValue(QStringLiteral("relationType")).toString(), QStringLiteral("simple"));
    QCOMPARE(relation->getFieldValue(QStringLiteral("internalInfo")).toString(), QStringLiteral("y = 2*x;"));
    QCOMPARE(ISerializebleObject::convertStringToLinkedObjectsTypes(relation->getFieldValue(QStringLiteral("inObj")).toString()),
             (QHash<QString, QVariant::Type>{{"x", QVariant::Double}}));
}

void tst_Serialization::modelMissingChild()
{
    struct Case
    {
        QString text;
        QString tag;
    };
    const QList<Case> cases = {
        {"<model formatXmlVersion=\"2.0\"><class/></model>", "relations"},
        {"<model formatXmlVersion=\"2.0\"><relations/></model>", "class"},
        {"<model formatXmlVersion=\"2.0\"><classes/><relation/></model>", "class"},
    };
    for (const Case &c : cases) {
        ModelXMLSerializer node;
        try {
            node.loadFromString(c.text);
            QFAIL(qPrintable(QStringLiteral("accepted ") + c.text));
        } catch (NoRequiredTag &e) {
            QCOMPARE(e.getExceptionId(), 538);
            QCOMPARE(e.getRequiredTag(), c.tag);
            QCOMPARE(e.getClassName(), QStringLiteral("ModelXMLSerializer"));
            QCOMPARE(e.getMethodName(), QStringLiteral("setXMLObject(QDomElement &n_domElement)"));
        }
    }

    // A comment in the rules of a well-formed model surfaces when the rules are read.
    QString text = modelText(false);
    text.replace(QStringLiteral("<rules>"), QStringLiteral("<rules><!-- old rule -->"));
    ModelXMLSerializer node;
    node.loadFromString(text);
    try {
        node.getClass()->getOwnRules();
        QFAIL("a comment passed as a rule");
    } catch (UnexpectedTagName &e) {
        QCOMPARE(e.getExceptionId(), 536);
        QCOMPARE(e.getProblemTag(), QString());
        QCOMPARE(e.getExpectedTag(), QStringLiteral("rule"));
    }
}

void tst_Serialization::modelRoundTripThroughText()
{
    // Filled as a model saves itself: attributes, then the root class, then the relations.
    ModelXMLSerializer writer;
    writer.addField(QStringLiteral("id"), QStringLiteral("m1"));
    writer.addField(QStringLiteral("shortName"), QStringLiteral("Модель"));
    auto root = writer.getClassPrototype();
    root->addField(QStringLiteral("id"), QStringLiteral("c1"));
    auto parameter = makeItem(root->getParameterPrototype(), "p1");
    parameter->addFields({{"type", "double"}, {"defaultValue", ISerializebleObject::convertFromQVariantValueToString(QVariant::Double, 3.14159)}});
    root->addOwnParameters({parameter});
    writer.setClass(root);
    auto relations = writer.getRelationsStoragePrototype();
    auto relation = makeItem(relations->getRelationPrototype(), "rel1");
    relation->addField(QStringLiteral("internalInfo"), QStringLiteral("y = x < 2 && x > 0;"));
    relations->addRelations({relation});
    writer.setRelationStorage(relations);

    const QString text = writer.saveToString();
    QVERIFY(text.indexOf(QLatin1String("<class")) < text.indexOf(QLatin1String("<relations")));

    ModelXMLSerializer reader;
    reader.loadFromString(text);
    QCOMPARE(reader.getFieldValue(QStringLiteral("shortName")).toString(), QStringLiteral("Модель"));
    const auto parameters = reader.getClass()->getOwnParameters();
    QCOMPARE(parameters.size(), 1);
    QCOMPARE(ISerializebleObject::readValueDouble(parameters.first()->getFieldValue(QStringLiteral("defaultValue")).toString()),
             QVariant(3.14159));
    QCOMPARE(reader.getRelationStorage()->getRelations().first()->getFieldValue(QStringLiteral("internalInfo")).toString(),
             QStringLiteral("y = x < 2 && x > 0;"));
}

void tst_Serialization::saveAndLoadFiles_data()
{
    addNodeKinds();
}

void tst_Serialization::saveAndLoadFiles()
{
    QFETCH(int, kind);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("saved.xml")));
    // An existing, longer file is replaced whole.
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(10000, 'z'));
    file.close();

    const auto node = filledNode(NodeKind(kind));
    node->addField(QStringLiteral("shortName"), QStringLiteral("Модель"));
    saveNode(node, file);
    QVERIFY(!file.isOpen());
    QVERIFY(QFileInfo(file).size() < 10000);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"saved.xml"});

    // Read back through the file form of the same kind (a model needs its two children).
    if (kind == ModelNode) {
        auto model = node.dynamicCast<ModelXMLSerializer>();
        model->setClass(model->getClassPrototype());
        model->setRelationStorage(model->getRelationsStoragePrototype());
        model->saveToFile(file);
        ModelXMLSerializer reader;
        reader.loadFromFile(file);
        QCOMPARE(reader.getFieldValue(QStringLiteral("shortName")).toString(), QStringLiteral("Модель"));
    } else if (kind == ClassNode) {
        ClassXMLSerializer reader{QDomDocument()};
        reader.loadFromFile(file);
        QCOMPARE(reader.getFieldValue(QStringLiteral("shortName")).toString(), QStringLiteral("Модель"));
    } else {
        RelationsStorageXMLSerializer reader{QDomDocument()};
        reader.loadFromFile(file);
        QCOMPARE(reader.getFieldValue(QStringLiteral("shortName")).toString(), QStringLiteral("Модель"));
        QCOMPARE(reader.getRelations().first()->getFieldValue(QStringLiteral("internalInfo")).toString(),
                 QString(2000, QLatin1Char('x')));
    }
    QVERIFY(!file.isOpen());
}

void tst_Serialization::saveFailures_data()
{
    addNodeKinds();
}

void tst_Serialization::saveFailures()
{
    QFETCH(int, kind);
    const auto node = filledNode(NodeKind(kind));

    // A write that fails after the open is an error (532), not a success.
    {
        QFile full(QStringLiteral("/dev/full"));
        try {
            saveNode(node, full);
            QFAIL("writing to /dev/full reported success");
        } catch (FileIOExceptionOstra &e) {
            QCOMPARE(e.getExceptionId(), 532);
            QCOMPARE(e.getFileName(), QStringLiteral("/dev/full"));
            QCOMPARE(e.getClassName(), expectedClassName(NodeKind(kind)));
            QCOMPARE(e.getMethodName(), QStringLiteral("saveToFile(QFile &n_file)"));
            const QString rendered = e.toString(false);
            const int reason = rendered.indexOf(QLatin1String("Error Reason: "));
            QVERIFY(reason >= 0);
            QVERIFY2(rendered.mid(reason + 14).trimmed().size() > 0, qPrintable(rendered));
        }
        QVERIFY(!full.isOpen());
        // The device is still a device, not replaced by a plain file.
        QVERIFY(!QFileInfo(QStringLiteral("/dev/full")).isFile());
    }

    // A file that cannot be opened keeps its own error, 531, with the write-only text mode.
    {
        QTemporaryDir dir;
        QFile missing(dir.filePath(QStringLiteral("no/such/folder/model.xml")));
        try {
            saveNode(node, missing);
            QFAIL("saving into a missing folder reported success");
        } catch (FileCantOpenExceptionOstra &e) {
            QCOMPARE(e.getExceptionId(), 531);
            QCOMPARE(e.getFileName(), missing.fileName());
            QCOMPARE(e.getFileOpenMode(), QIODevice::WriteOnly | QIODevice::Text);
            QVERIFY(e.toString(false).contains(QLatin1String("File Open Mode: Undefined\n")));
        }
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("no"))));

        // A directory in place of the file cannot be opened either.
        QFile folder(dir.path());
        try {
            saveNode(node, folder);
            QFAIL("saving onto a directory reported success");
        } catch (FileCantOpenExceptionOstra &e) {
            QCOMPARE(e.getExceptionId(), 531);
        }
        QVERIFY(QFileInfo(dir.path()).isDir());
    }
}

void tst_Serialization::failedWriteKeepsOldFile_data()
{
    addNodeKinds();
}

void tst_Serialization::failedWriteKeepsOldFile()
{
    QFETCH(int, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("model.xml"));
    const QByteArray oldContent("<model formatXmlVersion=\"2.0\"><class/><relations/></model>\n");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        QCOMPARE(old.write(oldContent), qint64(oldContent.size()));
    }

    const auto node = filledNode(NodeKind(kind));
    QFile file(path);
    try {
        // The new text is over 2000 bytes; the disk "fills up" after 512.
        FileSizeLimit limit(512);
        saveNode(node, file);
        QFAIL("a failed write reported success");
    } catch (FileIOExceptionOstra &e) {
        QCOMPARE(e.getExceptionId(), 532);
        QCOMPARE(e.getFileName(), path);
    }
    QFile check(path);
    QVERIFY(check.open(QIODevice::ReadOnly));
    QCOMPARE(check.readAll(), oldContent);
    // No temporary file is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"model.xml"});
}

void tst_Serialization::loadFailures_data()
{
    addNodeKinds();
}

void tst_Serialization::loadFailures()
{
    QFETCH(int, kind);
    const QString className = expectedClassName(NodeKind(kind));
    const QString fileMethod = QStringLiteral("loadFromFile(QFile &n_file)");
    QTemporaryDir dir;

    QFile missing(dir.filePath(QStringLiteral("missing.xml")));
    try {
        loadFile(NodeKind(kind), missing);
        QFAIL("a missing file was loaded");
    } catch (FileNotExistExceptionOstra &e) {
        QCOMPARE(e.getExceptionId(), 533);
        QCOMPARE(e.getFileName(), missing.fileName());
        QCOMPARE(e.getClassName(), className);
        QCOMPARE(e.getMethodName(), fileMethod);
    }

    QFile folder(dir.path());
    try {
        loadFile(NodeKind(kind), folder);
        QFAIL("a directory was loaded");
    } catch (FileCantOpenExceptionOstra &e) {
        QCOMPARE(e.getExceptionId(), 531);
        QCOMPARE(e.getFileOpenMode(), QIODevice::OpenMode(QIODevice::ReadOnly));
    }

    QFile broken(dir.filePath(QStringLiteral("broken.xml")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("<model formatXmlVersion=\"2.0\">\n  <class>\n</model>\n");
    broken.close();
    try {
        loadFile(NodeKind(kind), broken);
        QFAIL("broken XML was loaded");
    } catch (XMLParseExceptionOstra &e) {
        QCOMPARE(e.getExceptionId(), 537);
        QCOMPARE(e.getErrorLine(), 3);
        QVERIFY(e.getErrorColumn() > 0);
        QVERIFY(!e.getErrorMsg().isEmpty());
        QCOMPARE(e.getMethodName(), fileMethod);
    }
    QVERIFY(!broken.isOpen());

    try {
        loadText(NodeKind(kind), QStringLiteral("<a><b></a>"));
        QFAIL("broken XML text was loaded");
    } catch (XMLParseExceptionOstra &e) {
        QCOMPARE(e.getErrorLine(), 1);
        QCOMPARE(e.getClassName(), className);
        QCOMPARE(e.getMethodName(), QStringLiteral("loadFromString(const QString &n_string)"));
    }
}

void tst_Serialization::deepNestingRefused_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("refused");
    const QString limitModel = QStringLiteral("<model formatXmlVersion=\"2.0\"><class/><relations>");
    for (int kind : {int(ClassNode), int(RelationsNode), int(ModelNode)}) {
        const QByteArray name = expectedClassName(NodeKind(kind)).toLatin1();
        // The depth counts every element, the outer ones included.
        QTest::addRow("%s at the limit", name.constData()) << kind << XMLDocumentReader::MAX_NESTING_DEPTH - 2 << limitModel << false;
        QTest::addRow("%s one past", name.constData()) << kind << XMLDocumentReader::MAX_NESTING_DEPTH - 1 << limitModel << true;
        QTest::addRow("%s crash depth", name.constData()) << kind << 100000 << QString() << true;
        // Text that the stream scan rejects early but the DOM parser would accept.
        QTest::addRow("%s after an undeclared entity", name.constData()) << kind << 100000 << QStringLiteral("<r>&undeclared;") << true;
        QTest::addRow("%s after a broken token", name.constData()) << kind << 5000 << QStringLiteral("<r><!DOCTYPE x>") << true;
    }
}

void tst_Serialization::deepNestingRefused()
{
    QFETCH(int, kind);
    QFETCH(int, depth);
    QFETCH(QString, prefix);
    QFETCH(bool, refused);
    QString text = prefix + nested(depth);
    if (prefix.startsWith(QLatin1String("<model")))
        text += QLatin1String("</relations></model>");
    else if (prefix.startsWith(QLatin1String("<r>")))
        text += QLatin1String("</r>");
    try {
        loadText(NodeKind(kind), text);
        QVERIFY2(!refused, "a too deep document was built");
    } catch (XMLParseExceptionOstra &e) {
        QVERIFY2(refused || e.getErrorMsg() != XMLDocumentReader::nestingTooDeepMessage(), qPrintable(e.getErrorMsg()));
        if (refused) {
            QCOMPARE(e.getErrorMsg(), XMLDocumentReader::nestingTooDeepMessage());
            QCOMPARE(e.getExceptionId(), 537);
            QCOMPARE(e.getClassName(), expectedClassName(NodeKind(kind)));
            QCOMPARE(e.getMethodName(), QStringLiteral("loadFromString(const QString &n_string)"));
            QCOMPARE(e.getErrorLine(), 1);
            QVERIFY(e.getErrorColumn() > 0);
        }
    }
}

void tst_Serialization::deepNestingRefusedFromFile()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("deep.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("<model formatXmlVersion=\"2.0\"><class/><relations>"));
    file.write(nested(50000).toUtf8());
    file.write(QByteArray("</relations></model>"));
    file.close();
    for (int kind : {int(ClassNode), int(RelationsNode), int(ModelNode)}) {
        try {
            loadFile(NodeKind(kind), file);
            QFAIL("a too deep file was built");
        } catch (XMLParseExceptionOstra &e) {
            QCOMPARE(e.getErrorMsg(), XMLDocumentReader::nestingTooDeepMessage());
            QCOMPARE(e.getMethodName(), QStringLiteral("loadFromFile(QFile &n_file)"));
        }
        QVERIFY(!file.isOpen());
    }
}

void tst_Serialization::nestingGuardDirect()
{
    // The shared guard used by every loader, with bytes in another encoding too.
    const QString deep = nested(XMLDocumentReader::MAX_NESTING_DEPTH + 1);
    QTextCodec *utf16 = QTextCodec::codecForName("UTF-16");
    for (const QByteArray &bytes : {deep.toUtf8(), utf16->fromUnicode(deep)}) {
        QDomDocument document;
        try {
            XMLDocumentReader::setContent(document, bytes, QStringLiteral("Loader"), QStringLiteral("load()"));
            QFAIL("too deep bytes were parsed");
        } catch (XMLParseExceptionOstra &e) {
            QCOMPARE(e.getClassName(), QStringLiteral("Loader"));
            QCOMPARE(e.getMethodName(), QStringLiteral("load()"));
        }
        QVERIFY(document.documentElement().isNull());
    }
    // Comments, CDATA, processing instructions and self-closing tags do not count as levels.
    const QString busy = QStringLiteral("<!-- <a> --><r>")
                         + QString(QStringLiteral("<e a=\"x>y\"/><![CDATA[<a><a>]]><?pi <a>?>")).repeated(3000)
                         + QStringLiteral("</r>");
    QDomDocument document;
    XMLDocumentReader::setContent(document, QString(QStringLiteral("<?xml version=\"1.0\"?>") + busy).toUtf8(),
                                  QStringLiteral("Loader"), QStringLiteral("load()"));
    QCOMPARE(document.documentElement().childNodes().count(), 9000);
    // The rough count used for text the stream reader rejects does not count them either: such
    // text gets the parser's own message, not the depth refusal.
    QDomDocument broken;
    try {
        XMLDocumentReader::setContent(broken, QStringLiteral("<r><!DOCTYPE x>") + busy + QStringLiteral("</r>"),
                                      QStringLiteral("Loader"), QStringLiteral("load()"));
        QFAIL("broken text was parsed");
    } catch (XMLParseExceptionOstra &e) {
        QVERIFY(e.getErrorMsg() != XMLDocumentReader::nestingTooDeepMessage());
    }
    // An undeclared entity, which the DOM parser tolerates, does not stop the count.
    QDomDocument lenient;
    XMLDocumentReader::setContent(lenient, QStringLiteral("<r>&undeclared;") + busy + QStringLiteral("</r>"),
                                  QStringLiteral("Loader"), QStringLiteral("load()"));
    QVERIFY(!lenient.documentElement().isNull());
}

namespace {

// Where the stream reader meets the first start tag past the depth limit, counting self-closing
// tags as it reports them (a start and an end element).
QPair<qint64, qint64> streamPositionPastLimit(const QString &n_text)
{
    QXmlStreamReader reader(n_text);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > XMLDocumentReader::MAX_NESTING_DEPTH)
            return qMakePair(reader.lineNumber(), reader.columnNumber());
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return qMakePair(qint64(-1), qint64(-1));
}

} // namespace

void tst_Serialization::nestingGuardEdges_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");
    const int limit = XMLDocumentReader::MAX_NESTING_DEPTH;
    QTest::newRow("exactly the limit") << nested(limit) << false;
    QTest::newRow("one past") << nested(limit + 1) << true;
    QTest::newRow("one past, on a later line") << QStringLiteral("<?xml version=\"1.0\"?>\n<r>\n") + nested(limit) + QStringLiteral("\n</r>") << true;
    // The stream reader reports a self-closing tag as a start element, so it is a level while open.
    QTest::newRow("self-closing at the limit") << nested(limit - 1, QStringLiteral("<b x='1'/>")) << false;
    QTest::newRow("self-closing one past") << nested(limit, QStringLiteral("<b/>")) << true;
    QTest::newRow("many self-closing siblings") << nested(limit - 1, QStringLiteral("<b/>").repeated(2000)) << false;
    // Markup-like text inside quotes, comments, CDATA and processing instructions is no level.
    QString quoted;
    for (int i = 0; i < limit; ++i)
        quoted += QStringLiteral("<a q=\"x>y\" s='/>'>");
    for (int i = 0; i < limit; ++i)
        quoted += QStringLiteral("</a>");
    QTest::newRow("quotes holding > at the limit") << quoted << false;
    QTest::newRow("quotes holding > one past") << QStringLiteral("<r>") + quoted + QStringLiteral("</r>") << true;
    QTest::newRow("quotes holding <") << nested(limit - 1, QStringLiteral("<b q=\"<a><a>\" r='<a>'></b>")) << false;
    const QString decoys = QStringLiteral("<!-- <a><a> --><![CDATA[<a><a></b>]]><?pi <a><a>?>");
    QTest::newRow("comment, CDATA, PI at the limit") << nested(limit, decoys) << false;
    QTest::newRow("comment, CDATA, PI one past") << QStringLiteral("<r>") + nested(limit, decoys + QStringLiteral("<b/>")) + QStringLiteral("</r>") << true;
    QTest::newRow("comment full of tags") << QStringLiteral("<r><!--") + QStringLiteral("<a>").repeated(3000) + QStringLiteral("--></r>") << false;
    QTest::newRow("CDATA full of tags") << QStringLiteral("<r><![CDATA[") + QStringLiteral("<a>").repeated(3000) + QStringLiteral("]]></r>") << false;
    QTest::newRow("non-ASCII names and text at the limit") << nested(limit).replace(QLatin1Char('a'), QChar(0x0436)) + QStringLiteral("\u00e9") << false;
    QTest::newRow("non-ASCII names one past") << nested(limit + 1).replace(QLatin1Char('a'), QChar(0x0436)) << true;
    // Text the quick scan leaves to the stream scan gets the same verdict as before.
    QTest::newRow("end tag with nothing open") << QStringLiteral("</x>") + nested(limit + 2) << true;
    QTest::newRow("unterminated comment") << QStringLiteral("<r><!--") + nested(limit + 1) << false;
    QTest::newRow("unterminated start tag") << nested(limit + 1) + QStringLiteral("<a") << true;
    QTest::newRow("DOCTYPE within the limit") << QStringLiteral("<!DOCTYPE a>") + nested(limit) << false;
    QTest::newRow("DOCTYPE one past") << QStringLiteral("<!DOCTYPE a>") + nested(limit + 1) << true;
    // An entity declared in the DOCTYPE that expands to elements adds levels where it is used.
    QTest::newRow("entity expanding past the limit")
        << QStringLiteral("<!DOCTYPE a [<!ENTITY e \"<b><c/></b>\">]>") + nested(limit - 1, QStringLiteral("&e;")) << true;
    QTest::newRow("entity expanding to the limit")
        << QStringLiteral("<!DOCTYPE a [<!ENTITY e \"<b>x</b>\">]>") + nested(limit - 1, QStringLiteral("&e;")) << false;
}

void tst_Serialization::nestingGuardEdges()
{
    QFETCH(QString, text);
    QFETCH(bool, refused);
    QTextCodec *utf16 = QTextCodec::codecForName("UTF-16");
    const QPair<qint64, qint64> place = streamPositionPastLimit(text);
    // The text as it is, and as UTF-8 and UTF-16 bytes.
    for (int form = 0; form < 3; ++form) {
        try {
            if (form == 0)
                XMLDocumentReader::checkNestingDepth(text, QStringLiteral("Loader"), QStringLiteral("load()"));
            else
                XMLDocumentReader::checkNestingDepth(form == 1 ? text.toUtf8() : utf16->fromUnicode(text),
                                                     QStringLiteral("Loader"), QStringLiteral("load()"));
            QVERIFY2(!refused, qPrintable(QStringLiteral("form %1 passed").arg(form)));
        } catch (XMLParseExceptionOstra &e) {
            QVERIFY2(refused, qPrintable(QStringLiteral("form %1 refused").arg(form)));
            QCOMPARE(e.getErrorMsg(), XMLDocumentReader::nestingTooDeepMessage());
            // Where the stream reader sees the excess, that is the place reported.
            if (place.first >= 0) {
                QCOMPARE(qint64(e.getErrorLine()), place.first);
                QCOMPARE(qint64(e.getErrorColumn()), place.second);
            }
        }
    }
}

void tst_Serialization::nestingGuardEncodings()
{
    const int limit = XMLDocumentReader::MAX_NESTING_DEPTH;
    auto refused = [](const QByteArray &n_bytes) {
        try {
            XMLDocumentReader::checkNestingDepth(n_bytes, QStringLiteral("Loader"), QStringLiteral("load()"));
            return false;
        } catch (XMLParseExceptionOstra &e) {
            return e.getErrorMsg() == XMLDocumentReader::nestingTooDeepMessage();
        }
    };
    const QByteArray atLimit = nested(limit).toUtf8();
    const QByteArray pastLimit = nested(limit + 1).toUtf8();
    QVERIFY(!refused("\xEF\xBB\xBF" + atLimit));
    QVERIFY(refused("\xEF\xBB\xBF" + pastLimit));
    // A declared single-byte encoding, where a byte above 127 is one character by itself.
    const QByteArray latin1 = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>";
    QVERIFY(!refused(latin1 + atLimit + "\xE9"));
    QVERIFY(refused(latin1 + "\xE9" + pastLimit));
    QVERIFY(!refused("<?xml version='1.0' encoding = 'utf-8'?>" + atLimit));
    QVERIFY(refused("<?xml version='1.0' encoding = 'utf-8'?>" + pastLimit));
    // Bytes that are no valid UTF-8 still get the depth counted.
    QVERIFY(refused("<r>\xC0\xFF</r>" + pastLimit));
    QVERIFY(refused(pastLimit.left(5) + "\xE2\x82" + pastLimit.mid(5)));
    QVERIFY(!refused(atLimit.left(5) + "\xE2\x82" + atLimit.mid(5)));
    // UTF-16 without a byte order mark.
    QTextCodec *utf16le = QTextCodec::codecForName("UTF-16LE");
    QVERIFY(!refused(utf16le->fromUnicode(nested(limit))));
    QVERIFY(refused(utf16le->fromUnicode(nested(limit + 1))));
}

QTEST_GUILESS_MAIN(tst_Serialization)
#include "tst_serialization.moc"
