#include "Errors/ErrorDictionary.h"
#include "cl_mathFormulaParser.h"
#include "elements/ConstraintModel.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/ScriptEngineGuard.h"
#include "model/OstraClass.h"

#include <QtTest>

#include "Utf8Strings.h"

namespace {

// One message as the analyser reports it: "key|body".
QStringList g_messages;

QString message(int n_offset, const char *n_extraText = nullptr)
{
    const QString n_extra = n_extraText ? QString::fromUtf8(n_extraText) : QString();
    const ErrorDictionary &dictionary = ErrorDictionary::Instance();
    const int key = dictionary.getOstraIDEBeginKey() + n_offset;
    const QString text = dictionary.getErrorById(key);
    return QString::number(key) + QLatin1Char('|')
           + (n_extra.isNull() ? text : text + QLatin1Char(' ') + n_extra);
}

QString scriptMessage(const char *n_body)
{
    return QString::number(cl_mathFormulaParser::KEY_SCRIPT_MESSAGE) + QLatin1Char('|')
           + QString::fromUtf8(n_body);
}

QString leftPartMessage(const char *n_wholeText)
{
    const QString n_whole = QString::fromUtf8(n_wholeText);
    const ErrorDictionary &dictionary = ErrorDictionary::Instance();
    const int base = dictionary.getOstraIDEBeginKey();
    return QString::number(base + 50) + QLatin1Char('|') + dictionary.getErrorById(base + 50)
           + QLatin1Char(' ') + n_whole + QStringLiteral(". ") + dictionary.getErrorById(base + 51);
}

// Runs one analysis of kind "formula", "if" or "constraint".
bool analyse(cl_mathFormulaParser &n_parser, const QString &n_kind, const QStringList &n_texts)
{
    if (n_kind == QLatin1String("formula"))
        return n_parser.simpleFormulaRelation(n_texts.value(0));
    if (n_kind == QLatin1String("if"))
        return n_parser.IfThenElseRelation(n_texts.value(0), n_texts.value(1), n_texts.value(2));
    return n_parser.constraintRelation(n_texts.value(0));
}

QHash<QString, QVariant::Type> doubles(const QList<QString> &n_names)
{
    QHash<QString, QVariant::Type> types;
    for (const QString &name : n_names)
        types.insert(name, QVariant::Double);
    return types;
}

} // namespace

// The formula analyser alone: verdicts, messages in order, found names and the built code; and
// the code it accepts computing in the core.
class tst_MathFormulaParser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void analysis_data();
    void analysis();
    void acceptedCodeComputes_data();
    void acceptedCodeComputes();
    void constraintCodeChecksTheParameter();
};

void tst_MathFormulaParser::initTestCase()
{
    cl_mathFormulaParser::setMessageSink([](int n_key, const QString &n_body) {
        g_messages.append(QString::number(n_key) + QLatin1Char('|') + n_body);
    });
    // Short enough for the looping rows, far beyond every other row.
    ScriptEngineGuard::setTimeLimit(300);
}

void tst_MathFormulaParser::cleanupTestCase()
{
    cl_mathFormulaParser::setMessageSink(nullptr);
    ScriptEngineGuard::setTimeLimit(ScriptEngineGuard::DEFAULT_TIME_LIMIT_MS);
}

void tst_MathFormulaParser::analysis_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("verdict");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("outputs");
    QTest::addColumn<QString>("whole");

    const QString f = QStringLiteral("formula");
    const QString i = QStringLiteral("if");
    const QString c = QStringLiteral("constraint");
    const QString none;
    const QString noInputs = message(ErrorDictionary::ERROR_IDE_NO_INPUTS);

    // Formulas.
    QTest::newRow("sum") << f << strings({"y = x + x"}) << true << QStringList() << strings({"x"})
                         << strings({"y"}) << none;
    QTest::newRow("no input") << f << strings({"y = 2"}) << false << QStringList{noInputs}
                              << QStringList() << strings({"y"}) << none;
    QTest::newRow("overlap") << f << strings({"y = y + 1"}) << false << QStringList{message(151)}
                             << strings({"y"}) << strings({"y"}) << none;
    QTest::newRow("no equals sign")
        << f << strings({"x + 1"}) << false
        << QStringList{scriptMessage("ReferenceError: Can't find variable: x in x + 1"), noInputs}
        << QStringList() << QStringList() << none;
    QTest::newRow("list order decides the symbol")
        << f << strings({"y = a <= b"}) << false << QStringList{message(70, "<"), noInputs}
        << QStringList() << strings({"y"}) << none;
    QTest::newRow("comparison in a formula")
        << f << strings({"y = a == b"}) << false << QStringList{message(70, "="), noInputs}
        << QStringList() << strings({"y"}) << none;
    QTest::newRow("cyrillic inside quotes")
        << f << strings({"y = \"абв\" + a"}) << true << QStringList() << strings({"a"})
        << strings({"y"}) << none;
    QTest::newRow("cyrillic inside apostrophes")
        << f << strings({"y = 'абв' + a"}) << true << QStringList() << strings({"a"})
        << strings({"y"}) << none;
    // The letter check lets it through; the engine refuses it.
    QTest::newRow("yo passes the letter check")
        << f << strings({"y = ё + x"}) << false
        << QStringList{scriptMessage("Error: Illegal character; \nValue: ё")} << strings({"ё", "x"})
        << strings({"y"}) << none;
    QTest::newRow("unpaired quote")
        << f << strings({"y = \"a + b"}) << false
        << QStringList{scriptMessage("Error: Unclosed string at end of line; \nValue: \"")}
        << strings({"a", "b"}) << strings({"y"}) << none;
    QTest::newRow("symbol inside quotes")
        << f << strings({"y = \"<\" + a"}) << false << QStringList{message(70, "<"), noInputs}
        << QStringList() << strings({"y"}) << none;
    QTest::newRow("rest after the last quote")
        << f << strings({"y = \"b\" + b"}) << true << QStringList() << strings({"b"})
        << strings({"y"}) << none;
    QTest::newRow("reserved words") << f << strings({"y = Math.sqrt(x)"}) << true << QStringList()
                                    << strings({"x"}) << strings({"y"}) << none;
    QTest::newRow("method name is an input")
        << f << strings({"y = Math.max(a, b)"}) << true << QStringList()
        << strings({"max", "a", "b"}) << strings({"y"}) << none;
    QTest::newRow("zero") << f << strings({"y = x + 0"}) << true << QStringList() << strings({"x"})
                          << strings({"y"}) << none;
    QTest::newRow("leading zeros") << f << strings({"y = x * 007"}) << true << QStringList()
                                   << strings({"x"}) << strings({"y"}) << none;
    QTest::newRow("decimal") << f << strings({"y = 2.5 * x"}) << true << QStringList()
                             << strings({"x"}) << strings({"y"}) << none;
    QTest::newRow("double zero") << f << strings({"y = x + 00"}) << false
                                 << QStringList{message(70, "00")} << strings({"x"})
                                 << strings({"y"}) << none;
    QTest::newRow("exponent") << f << strings({"y = x * 1e5"}) << false
                              << QStringList{message(70, "1e5")} << strings({"x"}) << strings({"y"})
                              << none;
    QTest::newRow("beyond 32 bits")
        << f << strings({"y = x * 4294967296"}) << false << QStringList{message(70, "4294967296")}
        << strings({"x"}) << strings({"y"}) << none;
    QTest::newRow("cyrillic left side")
        << f << strings({"я = x"}) << false
        << QStringList{message(60), leftPartMessage("я = x"), noInputs} << QStringList()
        << QStringList() << none;
    QTest::newRow("expression on the left") << f << strings({"y + 1 = x"}) << false
                                            << QStringList{leftPartMessage("y + 1 = x"), noInputs}
                                            << QStringList() << QStringList() << none;
    QTest::newRow("throwing formula") << f << strings({"y = x; throw 'bad'"}) << false
                                      << QStringList{scriptMessage("bad in y = x; throw 'bad'")}
                                      << strings({"x", "throw"}) << strings({"y"}) << none;
    // The engine leaves some parse errors without a message: the evaluation's error reports them.
    QTest::newRow("parse error without message")
        << f << strings({"y = x +"}) << false
        << QStringList{scriptMessage("SyntaxError: Parse error in y = x +")} << strings({"x"})
        << strings({"y"}) << none;
    // The quoted character is read safely at whatever column the engine reports.
    QTest::newRow("syntax error quotes the column")
        << f << strings({"y = x; var"}) << false
        << QStringList{scriptMessage("Error: Expected `identifier'; \nValue: v")}
        << strings({"x", "var"}) << strings({"y"}) << none;
    QTest::newRow("syntax error at the last column")
        << f << strings({"y = (x"}) << false
        << QStringList{scriptMessage("Error: Expected `;', `)'; \nValue: x")} << strings({"x"})
        << strings({"y"}) << none;
    QTest::newRow("endless loop is stopped")
        << f << strings({"y = x; while(x){}"}) << false
        << QStringList{message(ErrorDictionary::ERROR_IDE_EVALUATION_TIMEOUT)}
        << strings({"x", "while"}) << strings({"y"}) << none;

    // IF-THEN-ELSE clauses.
    QTest::newRow("if") << i << strings({"x > 0", "y = 1", "y = 2"}) << true << QStringList()
                        << strings({"x"}) << strings({"y"})
                        << QStringLiteral("if (x > 0) {y = 1;} else {y = 2;}");
    QTest::newRow("if comparison before the operator")
        << i << strings({"a > 1 && b", "y = 1", "y = 2"}) << true << QStringList()
        << strings({"a", "b"}) << strings({"y"})
        << QStringLiteral("if (a > 1 && b) {y = 1;} else {y = 2;}");
    QTest::newRow("if comparison after the operator")
        << i << strings({"a && b > 1", "y = 1", "y = 2"}) << false << QStringList{message(100)}
        << strings({"a", "b"}) << QStringList() << none;
    QTest::newRow("if comparison first")
        << i << strings({"> 1", "y = 1", "y = 2"}) << false << QStringList{message(100)}
        << QStringList() << QStringList() << none;
    QTest::newRow("if output in the condition")
        << i << strings({"x > y", "y = 1", "y = 2"}) << false << QStringList{message(90)}
        << strings({"x", "y"}) << strings({"y"}) << none;
    QTest::newRow("if name after the last operator")
        << i << strings({"a > 1 && y", "y = 1", "y = 2"}) << true << QStringList()
        << strings({"a", "y"}) << strings({"y"})
        << QStringLiteral("if (a > 1 && y) {y = 1;} else {y = 2;}");
    QTest::newRow("if then without assignment")
        << i << strings({"x > 0", "1", "y = 2"}) << true << QStringList() << strings({"x"})
        << strings({"y"}) << QStringLiteral("if (x > 0) {1;} else {y = 2;}");
    // A rejection inside the condition stands, whatever the THEN part gives.
    QTest::newRow("if exponent in the condition")
        << i << strings({"x > 1e5", "y = 1", "y = 2"}) << false << QStringList{message(70, "1e5")}
        << strings({"x"}) << strings({"y"}) << none;
    QTest::newRow("if decimal zeros in the condition")
        << i << strings({"x > 2.00", "y = 1", "y = 2"}) << false << QStringList{message(70, "00")}
        << strings({"x"}) << strings({"y"}) << none;
    QTest::newRow("if cyrillic in the condition")
        << i << strings({"х > 1", "y = 1", "y = 2"}) << false << QStringList{message(60)}
        << QStringList() << strings({"y"}) << none;
    QTest::newRow("if endless else")
        << i << strings({"x > 0", "y = 1", "y = 2; while(x){}"}) << false
        << QStringList{message(ErrorDictionary::ERROR_IDE_EVALUATION_TIMEOUT)}
        << strings({"x", "while"}) << strings({"y"}) << none;

    // Constraint clauses.
    QTest::newRow("constraint") << c << strings({"x >= 10"}) << true << QStringList()
                                << strings({"x"}) << QStringList()
                                << QStringLiteral(
                                       "if (x >= 10) {flag = true;} else {flag = false;}");
    QTest::newRow("constraint exponent")
        << c << strings({"x > 1e5"}) << false << QStringList{message(70, "1e5")} << strings({"x"})
        << QStringList() << none;
    QTest::newRow("constraint without names")
        << c << strings({"10 > 5"}) << false << QStringList{noInputs} << QStringList()
        << QStringList() << QStringLiteral("if (10 > 5) {flag = true;} else {flag = false;}");
    QTest::newRow("constraint without comparison")
        << c << strings({"x"}) << false << QStringList{message(100)} << strings({"x"})
        << QStringList() << none;
}

void tst_MathFormulaParser::analysis()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, texts);
    QFETCH(bool, verdict);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, outputs);
    QFETCH(QString, whole);

    g_messages.clear();
    cl_mathFormulaParser parser;
    QCOMPARE(analyse(parser, kind, texts), verdict);
    QCOMPARE(parser.getFlagState(), verdict);
    QCOMPARE(g_messages, messages);
    QCOMPARE(QStringList(parser.getInputVariables()), inputs);
    QCOMPARE(QStringList(parser.getOutputVariables()), outputs);
    QCOMPARE(parser.getWholeString(), whole);
}

void tst_MathFormulaParser::acceptedCodeComputes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<double>("expected");

    QTest::newRow("sum") << "formula" << strings({"y = x + x"}) << QVariantList{3.0} << 6.0;
    QTest::newRow("if true") << "if" << strings({"x > 0", "y = 1", "y = 2"}) << QVariantList{5.0}
                             << 1.0;
    QTest::newRow("if false") << "if" << strings({"x > 0", "y = 1", "y = 2"}) << QVariantList{-1.0}
                              << 2.0;
    // The thesaurus's irrational fraction.
    QTest::newRow("root") << "formula" << strings({"y = Math.pow(a,1/n)/b"})
                          << QVariantList{8.0, 3.0, 1.0} << 2.0;
}

void tst_MathFormulaParser::acceptedCodeComputes()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, texts);
    QFETCH(QVariantList, values);
    QFETCH(double, expected);

    cl_mathFormulaParser parser;
    QVERIFY(analyse(parser, kind, texts));
    const QString code = kind == QLatin1String("formula") ? texts.first() : parser.getWholeString();
    const QList<QString> inputs = parser.getInputVariables();
    const QList<QString> outputs = parser.getOutputVariables();
    QCOMPARE(inputs.size(), values.size());

    auto storage = QSharedPointer<RelationsStorage>::create();
    auto relation = QSharedPointer<RelationModel>::create(QStringLiteral("R1"), code, nullptr);
    relation->addInputParametersTypes(doubles(inputs));
    relation->addOutputParametersTypes(doubles(outputs));
    storage->addRelationPtr(relation);
    for (int k = 0; k < inputs.size(); ++k)
        relation->setInputParameterValue(inputs[k], values[k]);
    relation->calculate();
    QCOMPARE(relation->getOutputParametersValues().value(outputs.first()).toDouble(), expected);
}

void tst_MathFormulaParser::constraintCodeChecksTheParameter()
{
    cl_mathFormulaParser parser;
    QVERIFY(parser.constraintRelation(QStringLiteral("x >= 10")));

    auto storage = QSharedPointer<RelationsStorage>::create();
    auto relation = QSharedPointer<RelationModel>::create(QStringLiteral("R1"),
                                                          parser.getWholeString(), nullptr);
    relation->setRelationType(RelationModel::RELATION_CONSTRAINT);
    relation->addInputParametersTypes(doubles(parser.getInputVariables()));
    // What the designer returns for an accepted constraint.
    relation->addOutputParametersTypes(doubles({QStringLiteral("flag")}));
    storage->addRelationPtr(relation);

    auto owner = QSharedPointer<OstraClass>::create(QStringLiteral("C"), storage);
    auto x = QSharedPointer<ParameterModel>::create(QStringLiteral("PX"), QVariant::Double,
                                                    QVariant(), QSharedPointer<OstraClass>());
    x->setShortName(QStringLiteral("x"));
    owner->addParameter(x);
    auto constraint = QSharedPointer<ConstraintModel>::create(QStringLiteral("K"), owner);
    constraint->setRelationPtr(relation);
    x->addLinkedConstraint(constraint);
    constraint->addInputParameterConn(QStringLiteral("x"), x);

    x->setValue(12.0);
    QVERIFY(constraint->calculate());
    constraint->reset();
    x->setValue(3.0);
    QVERIFY(!constraint->calculate());
}

QTEST_GUILESS_MAIN(tst_MathFormulaParser)
#include "tst_mathformulaparser.moc"
