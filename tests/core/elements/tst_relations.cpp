#include <QtTest>

#include "RecordingNode.h"
#include "XmlTestSupport.h"

#include <QScriptEngine>
#include <cmath>

#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/ScriptEngineGuard.h"
#include "errors/BadValueTypeExceptionOstra.h"
#include "errors/CalculationExceptionOstra.h"
#include "errors/ElementAlreadyExistExceptionOstra.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/InitScriptParameterExceptionOstra.h"
#include "errors/NoElementExceptionOstra.h"
#include "errors/NoIdExceptionOstra.h"
#include "errors/NoOutputParameters.h"
#include "errors/NoRequiredField.h"
#include "errors/PointerIsNull.h"
#include "errors/RelationNoCode.h"

namespace {

QScriptValue global(QScriptEngine &n_engine, const QString &n_name)
{
    return n_engine.globalObject().property(n_name);
}

// y = f(x) with x an Int input and y a Double output.
RelationVertex makeLinear(QScriptEngine *n_engine, const QString &n_code)
{
    RelationVertex relation(QStringLiteral("r1"), n_code, n_engine);
    relation.addInputParameterType(QStringLiteral("x"), QVariant::Int);
    relation.addOutputParameterType(QStringLiteral("y"), QVariant::Double);
    relation.setInputParameterValue(QStringLiteral("x"), QVariant(3));
    return relation;
}

// The same y = f(x) as a model relation adopted by n_storage, so that it runs in the storage's
// engine.
QSharedPointer<RelationModel> storedLinear(const RelationsStoragePtr &n_storage,
                                           const QString &n_id,
                                           const QString &n_code = QStringLiteral("y = 2*x"))
{
    auto relation = QSharedPointer<RelationModel>::create(n_id, n_code, nullptr);
    relation->addInputParameterType(QStringLiteral("x"), QVariant::Int);
    relation->addOutputParameterType(QStringLiteral("y"), QVariant::Double);
    n_storage->addRelationPtr(relation);
    return relation;
}

// Runs a text of the caller's through the evaluation step.
class TextRunner : public RelationVertex
{
public:
    using RelationVertex::RelationVertex;
    void run(const QString &n_code) { calculation(n_code); }
};

// Counts the events that reach it, by type.
class EventCounter : public QObject
{
public:
    QHash<int, int> seen;

protected:
    bool event(QEvent *n_event) override
    {
        ++seen[n_event->type()];
        return true;
    }
};

} // namespace

class tst_Relations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void calculateWritesOutputsAndNullsGlobals();
    void nonFiniteAndTextualResults_data();
    void nonFiniteAndTextualResults();
    void inputsGoByTheirOwnType();
    void scriptErrors_data();
    void scriptErrors();
    void resetThenRunFailsOnInput();
    void dateInputFailsOnType();
    void changedCodeIsRecompiled();
    void anotherTextRunsOnlyWhenGiven();
    void valueCopiesAndRunsStayApart();
    void calculateWithoutEngine();
    void engineGlobalsSurviveVariablesOfTheirName();
    void endlessLoopIsStopped();
    void runawayRelationsStop_data();
    void runawayRelationsStop();
    void variablesContract();
    void copyAndEquality();

    void relationKinds();
    void loadRelation();
    void loadFailures();
    void saveRelation();
    void saveStopsAtFirstMissingPart();
    void saveRefusesUnstorableNames_data();
    void saveRefusesUnstorableNames();
    void copiedRelationModel();
    void extraFieldsContract();
};

void tst_Relations::cleanup()
{
    ScriptEngineGuard::setTimeLimit(ScriptEngineGuard::DEFAULT_TIME_LIMIT_MS);
    ScriptEngineGuard::setMemoryLimit(ScriptEngineGuard::DEFAULT_MEMORY_LIMIT_BYTES);
}

void tst_Relations::calculateWritesOutputsAndNullsGlobals()
{
    QScriptEngine engine;
    RelationVertex relation = makeLinear(&engine, QStringLiteral("y = 2*x"));
    relation.calculate();

    const QVariant y = relation.getOutputParameterValue(QStringLiteral("y"));
    QCOMPARE(y.type(), QVariant::Double);
    QCOMPARE(y.toDouble(), 6.0);
    QCOMPARE(relation.getInputParameterValue(QStringLiteral("x")), QVariant(3));
    QVERIFY(global(engine, QStringLiteral("x")).isNull());
    QVERIFY(global(engine, QStringLiteral("y")).isNull());

    RelationVertex empty(QStringLiteral("r0"), QStringLiteral("var z = 1;"), &engine);
    empty.calculate();
    QVERIFY(empty.getInputParametersValues().isEmpty());
    QVERIFY(empty.getOutputParametersValues().isEmpty());
    QCOMPARE(global(engine, QStringLiteral("z")).toInt32(), 1);
}

void tst_Relations::nonFiniteAndTextualResults_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("1/0") << QStringLiteral("y = 1/0") << QVariant();
    QTest::newRow("0/0") << QStringLiteral("y = 0/0") << QVariant();
    QTest::newRow("-1/0") << QStringLiteral("y = -1/0") << QVariant(-qInf());
    QTest::newRow("string NaN") << QStringLiteral("y = 'NaN'") << QVariant();
    QTest::newRow("string infinity") << QStringLiteral("y = 'infinity'") << QVariant();
    QTest::newRow("string abc") << QStringLiteral("y = 'abc'") << QVariant(QStringLiteral("abc"));
    QTest::newRow("boolean") << QStringLiteral("y = x > 2") << QVariant(true);
    QTest::newRow("null") << QStringLiteral("y = null") << QVariant();
    QTest::newRow("array") << QStringLiteral("y = [x, 1]") << QVariant(QVariantList{3.0, 1.0});
}

void tst_Relations::nonFiniteAndTextualResults()
{
    QFETCH(QString, code);
    QFETCH(QVariant, expected);

    QScriptEngine engine;
    RelationVertex relation = makeLinear(&engine, code);
    relation.calculate();
    const QVariant y = relation.getOutputParameterValue(QStringLiteral("y"));
    QCOMPARE(y.isValid(), expected.isValid());
    if (!expected.isValid())
        return;
    QCOMPARE(y.type(), expected.type());
    if (expected.type() == QVariant::Double && std::isinf(expected.toDouble()))
        QVERIFY(std::isinf(y.toDouble()) && y.toDouble() < 0);
    else
        QCOMPARE(y, expected);
}

void tst_Relations::inputsGoByTheirOwnType()
{
    QScriptEngine engine;
    RelationVertex relation(
        QStringLiteral("r"),
        QStringLiteral("kind = typeof s + ',' + typeof b + ',' + typeof d;"
                       "n = l.length; sum = l[0] + l[1] + l[2]; e = sl.length; first = names[1];"),
        &engine);
    relation.addInputParameterType(QStringLiteral("s"), QVariant::Double);
    relation.addInputParameterType(QStringLiteral("b"), QVariant::Bool);
    relation.addInputParameterType(QStringLiteral("d"), QVariant::Double);
    relation.addInputParameterType(QStringLiteral("l"), QVariant::List);
    relation.addInputParameterType(QStringLiteral("sl"), QVariant::StringList);
    relation.addInputParameterType(QStringLiteral("names"), QVariant::StringList);
    for (const char *name : {"kind", "n", "sum", "e", "first"})
        relation.addOutputParameterType(QString::fromLatin1(name), QVariant::String);

    // A declared Double holding a string reaches the script as a string: no type check.
    relation.setInputParameterValue(QStringLiteral("s"), QVariant(QStringLiteral("text")));
    relation.setInputParameterValue(QStringLiteral("b"), QVariant(true));
    relation.setInputParameterValue(QStringLiteral("l"), QVariant(QVariantList{1, 2, 3}));
    relation.setInputParameterValue(QStringLiteral("sl"), QVariant(QStringList()));
    relation.setInputParameterValue(
        QStringLiteral("names"), QVariant(QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    // d keeps its typed null and reaches the script as 0.
    relation.calculate();

    QCOMPARE(relation.getOutputParameterValue(QStringLiteral("kind")).toString(),
             QStringLiteral("string,boolean,number"));
    QCOMPARE(relation.getOutputParameterValue(QStringLiteral("n")).toDouble(), 3.0);
    QCOMPARE(relation.getOutputParameterValue(QStringLiteral("sum")).toDouble(), 6.0);
    QCOMPARE(relation.getOutputParameterValue(QStringLiteral("e")).toDouble(), 0.0);
    QCOMPARE(relation.getOutputParameterValue(QStringLiteral("first")).toString(),
             QStringLiteral("b"));
}

void tst_Relations::scriptErrors_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");

    QTest::newRow("syntax error") << QStringLiteral("y = 2*;") << 1
                                  << QStringLiteral("SyntaxError");
    QTest::newRow("syntax error on line 3")
        << QStringLiteral("a = 1;\nb = 2;\ny = (;") << 3 << QStringLiteral("SyntaxError");
    QTest::newRow("thrown error") << QStringLiteral("y = x;\n\nthrow new Error('broken');") << 3
                                  << QStringLiteral("broken");
    QTest::newRow("unknown name") << QStringLiteral("y = nowhere * 2;") << 1
                                  << QStringLiteral("ReferenceError");
}

void tst_Relations::scriptErrors()
{
    QFETCH(QString, code);
    QFETCH(int, line);
    QFETCH(QString, message);

    QScriptEngine engine;
    RelationVertex relation = makeLinear(&engine, code);
    relation.setOutputParameterValue(QStringLiteral("y"), QVariant(42.0));
    const auto failure = caught<CalculationExceptionOstra>([&] { relation.calculate(); });
    QCOMPARE(failure.getExceptionId(), 502);
    QCOMPARE(failure.getRelationId(), QStringLiteral("r1"));
    QCOMPARE(failure.getScriptExceptionLine(), line);
    QVERIFY2(failure.getScriptExceptionMessage().contains(message),
             qPrintable(failure.getScriptExceptionMessage()));
    QCOMPARE(failure.getClassName(), QStringLiteral("RelationVertex"));
    QCOMPARE(failure.getMethodName(), QStringLiteral("preparationAfterCalculation()"));
    QVERIFY(failure.toString(false).contains(QStringLiteral("Script: ") + code));
    // Outputs keep what they held; the input globals keep the values of this run.
    QCOMPARE(relation.getOutputParameterValue(QStringLiteral("y")), QVariant(42.0));
    QCOMPARE(global(engine, QStringLiteral("x")).toInt32(), 3);
}

void tst_Relations::resetThenRunFailsOnInput()
{
    QScriptEngine engine;
    RelationVertex relation = makeLinear(&engine, QStringLiteral("y = 2*x"));
    relation.calculate();
    relation.reset();
    QVERIFY(!relation.getInputParameterValue(QStringLiteral("x")).isValid());
    QVERIFY(!relation.getOutputParameterValue(QStringLiteral("y")).isValid());

    const auto init = caught<InitScriptParameterExceptionOstra>([&] { relation.calculate(); });
    QCOMPARE(init.getExceptionId(), 504);
    QCOMPARE(init.getDescription(), QStringLiteral("Unable to initialize the incoming value"));
    QCOMPARE(init.getRelationId(), QStringLiteral("r1"));
    QCOMPARE(init.getParameterId(), QStringLiteral("x"));
    QCOMPARE(init.getMethodName(), QStringLiteral("addInputVariablesToEngine()"));
    const QSharedPointer<ExceptionOstra> parent = init.getParentException();
    QVERIFY(parent);
    QCOMPARE(parent->getExceptionId(), 503);
    QCOMPARE(parent->getDescription(), QStringLiteral("Value not validate or nullptr"));
    QCOMPARE(parent->getMethodName(),
             QStringLiteral("convertFromQVariantToQScriptValue(const QVariant &n_value)"));
    QVERIFY(global(engine, QStringLiteral("x")).isNull());
}

void tst_Relations::dateInputFailsOnType()
{
    QScriptEngine engine;
    RelationVertex relation = makeLinear(&engine, QStringLiteral("y = 2*x"));
    const QVariant date(QDate(2024, 2, 29));
    relation.setInputParameterValue(QStringLiteral("x"), date);
    const auto init = caught<InitScriptParameterExceptionOstra>([&] { relation.calculate(); });
    QCOMPARE(init.getExceptionId(), 504);
    QCOMPARE(init.getDescription(), QStringLiteral("Unable to initialize the output value"));
    QCOMPARE(init.getValue(), date);
    QCOMPARE(init.getParentException()->getExceptionId(), 519);

    // A list whose item cannot be converted fails on that item.
    relation.setInputParameterValue(QStringLiteral("x"), QVariant(QVariantList{1, QVariant()}));
    const auto init2 = caught<InitScriptParameterExceptionOstra>([&] { relation.calculate(); });
    QCOMPARE(init2.getDescription(), QStringLiteral("Unable to initialize the incoming value"));
    QVERIFY(!init2.getValue().isValid());
    QCOMPARE(init2.getParentException()->getExceptionId(), 503);
}

void tst_Relations::changedCodeIsRecompiled()
{
    QScriptEngine engine;
    RelationVertex relation = makeLinear(&engine, QStringLiteral("y = 2*x + 1"));
    relation.calculate();
    QCOMPARE(relation.getOutputParameterValue(QStringLiteral("y")).toDouble(), 7.0);
    relation.setCode(QStringLiteral("y = 3*x"));
    relation.calculate();
    QCOMPARE(relation.getOutputParameterValue(QStringLiteral("y")).toDouble(), 9.0);
    relation.setCode(QStringLiteral("y = 3*;"));
    QVERIFY_EXCEPTION_THROWN(relation.calculate(), CalculationExceptionOstra);
    relation.setCode(QStringLiteral("y = x - 1"));
    relation.calculate();
    QCOMPARE(relation.getOutputParameterValue(QStringLiteral("y")).toDouble(), 2.0);
    // Code that no longer assigns the output leaves it without a value.
    relation.setCode(QStringLiteral("var other = x;"));
    relation.calculate();
    QVERIFY(!relation.getOutputParameterValue(QStringLiteral("y")).isValid());
}

void tst_Relations::anotherTextRunsOnlyWhenGiven()
{
    QScriptEngine engine;
    TextRunner relation(QStringLiteral("r"), QStringLiteral("y = 2*x"), &engine);
    relation.addInputParameterType(QStringLiteral("x"), QVariant::Int);
    relation.addOutputParameterType(QStringLiteral("y"), QVariant::Double);
    relation.setInputParameterValue(QStringLiteral("x"), QVariant(3));
    relation.run(QStringLiteral("z = 7"));
    QCOMPARE(global(engine, QStringLiteral("z")).toNumber(), 7.0);
    // The next run is the relation's own text again, not the one given before.
    engine.globalObject().setProperty(QStringLiteral("z"), QScriptValue(1));
    relation.calculate();
    QCOMPARE(relation.getOutputParameterValue(QStringLiteral("y")).toDouble(), 6.0);
    QCOMPARE(global(engine, QStringLiteral("z")).toNumber(), 1.0);
    relation.run(QStringLiteral("y = 2*x"));
    QCOMPARE(global(engine, QStringLiteral("y")).toNumber(), 0.0);
}

// A run reads and writes the values where the relation keeps them: copies taken by the getters,
// or a copied relation, never see its runs, and it never sees theirs.
void tst_Relations::valueCopiesAndRunsStayApart()
{
    QScriptEngine engine;
    RelationVertex relation = makeLinear(&engine, QStringLiteral("y = 2*x"));
    relation.calculate();
    const QString x = QStringLiteral("x");
    const QString y = QStringLiteral("y");
    {
        const QHash<QString, QVariant> inputs = relation.getInputParametersValues();
        relation.setInputParameterValue(x, QVariant(5));
        QCOMPARE(inputs.value(x), QVariant(3));
    }
    // The copy is gone: the run finds the value written while it lived.
    relation.calculate();
    QCOMPARE(relation.getOutputParameterValue(y), QVariant(10.0));
    {
        const QHash<QString, QVariant> outputs = relation.getOutputParametersValues();
        relation.setInputParameterValue(x, QVariant(4));
        relation.calculate();
        QCOMPARE(outputs.value(y), QVariant(10.0));
    }
    QCOMPARE(relation.getOutputParameterValue(y), QVariant(8.0));

    RelationVertex copy(relation, &engine);
    copy.setInputParameterValue(x, QVariant(1));
    copy.calculate();
    relation.calculate();
    QCOMPARE(copy.getOutputParameterValue(y), QVariant(2.0));
    QCOMPARE(relation.getOutputParameterValue(y), QVariant(8.0));
    relation.reset();
    QVERIFY(!relation.getInputParameterValue(x).isValid());
    QCOMPARE(copy.getInputParameterValue(x), QVariant(1));
    copy.calculate();
    QCOMPARE(copy.getOutputParameterValue(y), QVariant(2.0));
}

void tst_Relations::calculateWithoutEngine()
{
    RelationVertex detached = makeLinear(nullptr, QStringLiteral("y = 2*x"));
    const auto noPointer = caught<PointerIsNull>([&] { detached.calculate(); });
    QCOMPARE(noPointer.getClassName(), QStringLiteral("RelationVertex"));
    QCOMPARE(noPointer.getMethodName(), QStringLiteral("calculate()"));
    detached.reset();
    QVERIFY(!detached.getInputParameterValue(QStringLiteral("x")).isValid());

    // A relation that outlives its storage sees the engine gone with it.
    RelationsStoragePtr storage = QSharedPointer<RelationsStorage>::create();
    const auto relation = storedLinear(storage, QStringLiteral("r"));
    relation->setInputParameterValue(QStringLiteral("x"), QVariant(2));
    relation->calculate();
    QCOMPARE(relation->getOutputParameterValue(QStringLiteral("y")).toDouble(), 4.0);
    storage.reset();
    QVERIFY(!relation->hasParent());
    QVERIFY_EXCEPTION_THROWN(relation->calculate(), PointerIsNull);
    relation->reset();
    QVERIFY(!relation->getOutputParameterValue(QStringLiteral("y")).isValid());
}

void tst_Relations::engineGlobalsSurviveVariablesOfTheirName()
{
    RelationsStoragePtr storage = QSharedPointer<RelationsStorage>::create();
    auto shadowing = QSharedPointer<RelationModel>::create(
        QStringLiteral("shadow"), QStringLiteral("parseInt = Math * 2; undefined = 5;"), nullptr);
    shadowing->addInputParameterType(QStringLiteral("Math"), QVariant::Double);
    shadowing->addOutputParameterType(QStringLiteral("parseInt"), QVariant::Double);
    shadowing->addOutputParameterType(QStringLiteral("undefined"), QVariant::Double);
    shadowing->addOutputParameterType(QStringLiteral("plain"), QVariant::Double);
    storage->addRelationPtr(shadowing);

    auto user = QSharedPointer<RelationModel>::create(
        QStringLiteral("user"),
        QStringLiteral("y = Math.sqrt(16) + parseInt('3'); t = typeof undefined; p = plain;"),
        nullptr);
    user->addOutputParameterType(QStringLiteral("y"), QVariant::Double);
    user->addOutputParameterType(QStringLiteral("t"), QVariant::String);
    user->addOutputParameterType(QStringLiteral("p"), QVariant::Double);
    storage->addRelationPtr(user);

    shadowing->setInputParameterValue(QStringLiteral("Math"), QVariant(1.5));
    shadowing->calculate();
    QCOMPARE(shadowing->getOutputParameterValue(QStringLiteral("parseInt")).toDouble(), 3.0);
    QCOMPARE(shadowing->getOutputParameterValue(QStringLiteral("undefined")).toDouble(), 5.0);

    user->calculate();
    QCOMPARE(user->getOutputParameterValue(QStringLiteral("y")).toDouble(), 7.0);
    QCOMPARE(user->getOutputParameterValue(QStringLiteral("t")).toString(),
             QStringLiteral("undefined"));
    // An ordinary name is still nulled: null reads back as no value.
    QVERIFY(!user->getOutputParameterValue(QStringLiteral("p")).isValid());

    // reset() restores them the same way.
    shadowing->setInputParameterValue(QStringLiteral("Math"), QVariant(2.0));
    shadowing->setCode(QStringLiteral("throw 1;"));
    QVERIFY_EXCEPTION_THROWN(shadowing->calculate(), CalculationExceptionOstra);
    shadowing->reset();
    user->calculate();
    QCOMPARE(user->getOutputParameterValue(QStringLiteral("y")).toDouble(), 7.0);
}

void tst_Relations::runawayRelationsStop_data()
{
    QTest::addColumn<QString>("code");
    // The end of the run: "time" or "memory" (a limit), "either", or "error" (the script's own).
    QTest::addColumn<QString>("end");
    // Every turn of these loops runs one long built-in, between which the engine itself never
    // checks; they used to run for minutes, or to take gigabytes.
    QTest::newRow("joining a huge array forever") << "for(;;){ new Array(5000000).join('x') }"
                                                  << "time";
    // Which limit ends it first depends on how busy the machine is.
    QTest::newRow("doubling an array") << "var a=[1]; while(true) a=a.concat(a)"
                                       << "either";
    QTest::newRow("pushing joined strings")
        << "var s=[]; for(;;){ s.push(new Array(100000).join('x')) }"
        << "either";
    QTest::newRow("doubling inside a function")
        << "function g(){ var b='x'; for(;;) b = b + b; } g()"
        << "either";
    // Every statement doubles a text and reads it, no built-in call of the wrapped ones between:
    // a check by statement count alone came too late.
    QTest::newRow("doubling a text and reading it")
        << "function g(){ var b='x'; for(;;){ b = b + b; b.charAt(0); } } g()"
        << "either";
    QTest::newRow("empty loop") << "y = 1; for(;;){}"
                                << "time";
    // Given time enough, the memory limit ends what only grows.
    QTest::newRow("growing an array of arrays") << "var a=[]; for(;;) a.push([1,2,3,4,5,6,7,8])"
                                                << "memory";
    QTest::newRow("endless recursion") << "function f(){return f()} f()"
                                       << "error";
    // One call of a built-in that walks a huge array would run for minutes unchecked.
    QTest::newRow("joining 2^28 holes") << "y = new Array(1 << 28).join('x').length"
                                        << "error";
    QTest::newRow("walking a huge array-like")
        << "Array.prototype.forEach.call({length: 4294967295}, function(){})"
        << "error";
    QTest::newRow("string of a huge array") << "y = String(new Array(4294967295))"
                                            << "error";
    // Found by fuzzing: one join of a short array with a long separator took hundreds of MB.
    QTest::newRow("joining with a long separator")
        << "y = new Array(5000000).join('0123456789012345678901234567').length"
        << "error";
    // A result is read element by element after the run: neither a huge length nor an array
    // holding itself may take the memory or the stack then.
    QTest::newRow("a result of 2^28 holes") << "y = new Array(1 << 28)"
                                            << "unreadable";
    QTest::newRow("a result holding itself") << "y = [1]; y[0] = y;"
                                             << "unreadable";
}

void tst_Relations::runawayRelationsStop()
{
    QFETCH(QString, code);
    QFETCH(QString, end);
    const int timeLimitMs = end == QLatin1String("memory") ? 20000 : 1000;
    ScriptEngineGuard::setTimeLimit(timeLimitMs);
    ScriptEngineGuard::setMemoryLimit(qint64(256) << 20);
    RelationsStoragePtr storage = QSharedPointer<RelationsStorage>::create();
    const auto linear = storedLinear(storage, QStringLiteral("lin"));
    linear->setInputParameterValue(QStringLiteral("x"), QVariant(4));
    auto runaway = QSharedPointer<RelationModel>::create(QStringLiteral("runaway"), code, nullptr);
    runaway->addOutputParameterType(QStringLiteral("y"), QVariant::Double);
    storage->addRelationPtr(runaway);
    runaway->setOutputParameterValue(QStringLiteral("y"), QVariant(5.0));

    QElapsedTimer clock;
    clock.start();
    const auto failure = caught<CalculationExceptionOstra>([&] { runaway->calculate(); });
    // A loose bound: the limits are measured in bench_relation; this catches runs of minutes.
    QVERIFY2(clock.elapsed() < timeLimitMs + 4000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(failure.getExceptionId(), 502);
    QCOMPARE(failure.getRelationId(), QStringLiteral("runaway"));
    const QString message = failure.getScriptExceptionMessage();
    const bool forTime = message.contains(QStringLiteral("longer than %1 ms").arg(timeLimitMs));
    const bool forMemory = message.contains(QStringLiteral("more than 256 MB of memory"));
    if (end == QLatin1String("time"))
        QVERIFY2(forTime, qPrintable(message));
    else if (end == QLatin1String("memory"))
        QVERIFY2(forMemory, qPrintable(message));
    else if (end == QLatin1String("either"))
        QVERIFY2(forTime || forMemory, qPrintable(message));
    else if (end == QLatin1String("unreadable"))
        QVERIFY2(message.contains(QStringLiteral("too many to read")), qPrintable(message));
    else
        QVERIFY2(!forTime && !forMemory && failure.getScriptExceptionLine() >= 1,
                 qPrintable(message));

    // The stopped run changed nothing of the model, and the engine works on.
    QCOMPARE(runaway->getOutputParameterValue(QStringLiteral("y")), QVariant(5.0));
    linear->calculate();
    QCOMPARE(linear->getOutputParameterValue(QStringLiteral("y")).toDouble(), 8.0);
    runaway->setCode(QStringLiteral("y = 3;"));
    runaway->calculate();
    QCOMPARE(runaway->getOutputParameterValue(QStringLiteral("y")).toDouble(), 3.0);
}

void tst_Relations::endlessLoopIsStopped()
{
    ScriptEngineGuard::setTimeLimit(150);
    RelationsStoragePtr storage = QSharedPointer<RelationsStorage>::create();
    auto endless = QSharedPointer<RelationModel>::create(
        QStringLiteral("loop"), QStringLiteral("y = 1;\nwhile(true){}"), nullptr);
    endless->addOutputParameterType(QStringLiteral("y"), QVariant::Double);
    storage->addRelationPtr(endless);
    EventCounter endlessRunEvents;
    QCoreApplication::postEvent(&endlessRunEvents, new QEvent(QEvent::MouseButtonPress));
    QCoreApplication::postEvent(&endlessRunEvents, new QEvent(QEvent::KeyPress));
    QCoreApplication::postEvent(&endlessRunEvents, new QEvent(QEvent::User));
    const auto failure = caught<CalculationExceptionOstra>([&] { endless->calculate(); });
    QCOMPARE(failure.getExceptionId(), 502);
    QCOMPARE(failure.getRelationId(), QStringLiteral("loop"));
    QVERIFY2(failure.getScriptExceptionMessage().contains(QStringLiteral("150 ms")),
             qPrintable(failure.getScriptExceptionMessage()));
    QCOMPARE(failure.getMethodName(), QStringLiteral("calculation(const QString &n_code)"));
    // The run handed control to the event loop: user input waiting there was kept away from the
    // model, other events were delivered.
    QVERIFY(endlessRunEvents.seen.value(QEvent::User) == 1);
    QCOMPARE(endlessRunEvents.seen.value(QEvent::MouseButtonPress), 0);
    QCOMPARE(endlessRunEvents.seen.value(QEvent::KeyPress), 0);

    // The output keeps its declared null: the stopped run wrote nothing back.
    const QVariant y = endless->getOutputParameterValue(QStringLiteral("y"));
    QVERIFY(y.type() == QVariant::Double && y.isNull());

    // The engine works afterwards, and so does the next loop's limit.
    const auto linear = storedLinear(storage, QStringLiteral("lin"));
    linear->setInputParameterValue(QStringLiteral("x"), QVariant(4));
    linear->calculate();
    QCOMPARE(linear->getOutputParameterValue(QStringLiteral("y")).toDouble(), 8.0);

    endless->setCode(QStringLiteral("function f(){ for(;;); } f();"));
    QVERIFY_EXCEPTION_THROWN(endless->calculate(), CalculationExceptionOstra);
    linear->calculate();
    QCOMPARE(linear->getOutputParameterValue(QStringLiteral("y")).toDouble(), 8.0);
}

void tst_Relations::variablesContract()
{
    RelationVertex relation(QStringLiteral("r"), QStringLiteral("y = x"), nullptr);
    relation.addInputParameterType(QStringLiteral("x"), QVariant::Int);
    QCOMPARE(relation.getInputParameterValue(QStringLiteral("x")), QVariant(QVariant::Int));
    relation.setInputParameterValue(QStringLiteral("x"), QVariant(5));

    const auto duplicate = caught<ElementAlreadyExistExceptionOstra>(
        [&] { relation.addInputParameterType(QStringLiteral("x"), QVariant::String); });
    QCOMPARE(duplicate.getElementId(), QStringLiteral("x"));
    QCOMPARE(
        duplicate.getMethodName(),
        QStringLiteral("addInputParameterType(const QString n_name, const QVariant::Type n_type)"));
    QCOMPARE(relation.getInputParameterType(QStringLiteral("x")), QVariant::Int);
    QCOMPARE(relation.getInputParameterValue(QStringLiteral("x")), QVariant(5));

    const auto missing = caught<NoElementExceptionOstra>(
        [&] { relation.setInputParameterValue(QStringLiteral("w"), QVariant(1)); });
    QCOMPARE(missing.getDesiredId(), QStringLiteral("w"));
    QVERIFY(!relation.containInputParameter(QStringLiteral("w")));
    QVERIFY_EXCEPTION_THROWN(relation.getOutputParameterType(QStringLiteral("x")),
                             NoElementExceptionOstra);
    QVERIFY_EXCEPTION_THROWN(relation.deleteOutputParameter(QStringLiteral("x")),
                             NoElementExceptionOstra);
    QVERIFY_EXCEPTION_THROWN(relation.removeOutputParameterValue(QStringLiteral("x")),
                             NoElementExceptionOstra);

    relation.setInputParameterType(QStringLiteral("x"), QVariant::Double);
    QCOMPARE(relation.getInputParameterType(QStringLiteral("x")), QVariant::Double);
    QVERIFY(!relation.getInputParameterValue(QStringLiteral("x")).isValid());

    // The same name may stand on both sides.
    relation.addOutputParameterType(QStringLiteral("x"), QVariant::Bool);
    QVERIFY(relation.containOutputParameter(QStringLiteral("x")));
    relation.deleteInputParameter(QStringLiteral("x"));
    QVERIFY(relation.getInputParametersValues().isEmpty());
    QVERIFY(relation.containOutputParameter(QStringLiteral("x")));

    relation.setOutputParametersTypes(
        {{QStringLiteral("a"), QVariant::String}, {QStringLiteral("b"), QVariant::List}});
    const QList<QString> names = relation.getOutputParametersNames();
    QCOMPARE(QSet<QString>(names.begin(), names.end()),
             (QSet<QString>{QStringLiteral("a"), QStringLiteral("b")}));
    QCOMPARE(relation.getOutputParameterValue(QStringLiteral("b")), QVariant(QVariant::List));
    relation.removeOutputParameterValue(QStringLiteral("a"));
    QVERIFY(!relation.getOutputParameterValue(QStringLiteral("a")).isValid());
    QVERIFY(relation.containOutputParameter(QStringLiteral("a")));
}

void tst_Relations::copyAndEquality()
{
    QScriptEngine first;
    QScriptEngine second;
    RelationVertex source = makeLinear(&first, QStringLiteral("y = 2*x"));
    RelationVertex copy(source, &second);
    QVERIFY(copy == source);
    copy.calculate();
    QVERIFY(!global(first, QStringLiteral("x")).isValid());
    QVERIFY(global(second, QStringLiteral("x")).isNull());
    // Output values do not count.
    QVERIFY(copy == source);

    copy.setInputParameterValue(QStringLiteral("x"), QVariant(4));
    QVERIFY(copy != source);
    copy.setInputParameterValue(QStringLiteral("x"), QVariant(3));
    copy.setOutputParameterType(QStringLiteral("y"), QVariant::Int);
    QVERIFY(copy != source);

    QVERIFY_EXCEPTION_THROWN(RelationVertex(QString(), QStringLiteral("y=1"), nullptr),
                             NoIdExceptionOstra);
    RelationVertex unchecked(QString(), QStringLiteral("s"), QString(), QString(), QString(),
                             QStringLiteral("y=1"), nullptr);
    QCOMPARE(unchecked.getShortName(), QStringLiteral("s"));
    QCOMPARE(unchecked.getOstraObjectType(), OBJECT_TYPE_RELATION);
}

void tst_Relations::relationKinds()
{
    RelationModel relation(QStringLiteral("r"), QStringLiteral("y = 1"), nullptr);
    QCOMPARE(relation.getRelationType(), RelationModel::RELATION_SIMPLE);
    relation.setRelationType(static_cast<RelationModel::RelationType>(7));
    QCOMPARE(static_cast<int>(relation.getRelationType()), 3);
    relation.setRelationType(static_cast<RelationModel::RelationType>(-1));
    QCOMPARE(static_cast<int>(relation.getRelationType()), 0);

    const QStringList words{QStringLiteral("simple"), QStringLiteral("ifclause"),
                            QStringLiteral("constr"), QStringLiteral("prog")};
    for (int kind = 0; kind < 4; ++kind)
        QCOMPARE(
            RelationModel::getRelationTypeString(static_cast<RelationModel::RelationType>(kind)),
            words.at(kind));
    QVERIFY(RelationModel::getRelationTypeString(static_cast<RelationModel::RelationType>(4))
                .isEmpty());
}

void tst_Relations::loadRelation()
{
    RecordingNode node;
    node.values = {{QStringLiteral("id"), QStringLiteral("rel")},
                   {QStringLiteral("shortName"), QStringLiteral("cmp")},
                   {QStringLiteral("relationType"), QStringLiteral("ifclause")},
                   {QStringLiteral("inObj"), QStringLiteral("a:integer;b:double")},
                   {QStringLiteral("outObj"), QStringLiteral("c:boolean")},
                   {QStringLiteral("internalInfo"), QStringLiteral("c = a < b")}};
    RelationModel relation(nullptr);
    relation.load(node);
    QCOMPARE(relation.getId(), QStringLiteral("rel"));
    QCOMPARE(relation.getShortName(), QStringLiteral("cmp"));
    QCOMPARE(relation.getRelationType(), RelationModel::RELATION_IFCLAUSE);
    QCOMPARE(relation.getInputParametersTypes(),
             (QHash<QString, QVariant::Type>{{QStringLiteral("a"), QVariant::Int},
                                             {QStringLiteral("b"), QVariant::Double}}));
    QCOMPARE(relation.getOutputParameterType(QStringLiteral("c")), QVariant::Bool);
    QCOMPARE(relation.getCode(), QStringLiteral("c = a < b"));
    QVERIFY(relation.getAdditionalFields().isEmpty());
    QCOMPARE(relation.getInputParameterValue(QStringLiteral("a")), QVariant(QVariant::Int));
    QCOMPARE(relation.getInputParametersCount(), 2);
    QCOMPARE(relation.getOutputParametersCount(), 1);

    // Unknown words, capitals included, read as a plain formula; extra names are kept except the
    // names of the older format.
    node.values.insert(QStringLiteral("relationType"), QStringLiteral("IFCLAUSE"));
    node.values.insert(QStringLiteral("colour"), QStringLiteral("blue"));
    node.values.insert(QStringLiteral("inputTypes"), QStringLiteral("double"));
    RelationModel second(nullptr);
    second.load(node);
    QCOMPARE(second.getRelationType(), RelationModel::RELATION_SIMPLE);
    QCOMPARE(second.getAdditionalFields(),
             (QHash<QString, QVariant>{{QStringLiteral("colour"), QStringLiteral("blue")}}));
}

void tst_Relations::loadFailures()
{
    const QHash<QString, QString> complete = {
        {QStringLiteral("id"), QStringLiteral("rel")},
        {QStringLiteral("relationType"), QStringLiteral("simple")},
        {QStringLiteral("inObj"), QStringLiteral("a:integer")},
        {QStringLiteral("outObj"), QStringLiteral("c:double")},
        {QStringLiteral("internalInfo"), QStringLiteral("c = a")}};

    RecordingNode noType;
    noType.values = complete;
    noType.values.remove(QStringLiteral("relationType"));
    RelationModel relation(nullptr);
    const auto noField = caught<NoRequiredField>([&] { relation.load(noType); });
    QCOMPARE(noField.getObjectId(), QStringLiteral("rel"));
    QCOMPARE(noField.getFieldName(), QStringLiteral("relationType"));
    QCOMPARE(noField.getMethodName(), QStringLiteral("load(const ISerializerObject &n_object)"));

    RecordingNode noId;
    noId.values = complete;
    noId.values.remove(QStringLiteral("id"));
    QVERIFY_EXCEPTION_THROWN(RelationModel(nullptr).load(noId), NoIdExceptionOstra);

    // Either variable list missing fails the load.
    for (const QString &list : {QStringLiteral("inObj"), QStringLiteral("outObj")}) {
        RecordingNode partial;
        partial.values = complete;
        partial.values.remove(list);
        QVERIFY_EXCEPTION_THROWN(RelationModel(nullptr).load(partial), ExceptionOstra);
    }
}

void tst_Relations::saveRelation()
{
    RelationModel relation(QStringLiteral("rel"), QString(), QStringLiteral("d"), QString(),
                           QStringLiteral("g"), QStringLiteral("c = a"), nullptr);
    relation.setRelationType(RelationModel::RELATION_PROGRAM);
    relation.addInputParameterType(QStringLiteral("a"), QVariant::StringList);
    relation.addOutputParameterType(QStringLiteral("c"), QVariant::List);
    relation.addAdditionalField(QStringLiteral("colour"), QVariant(QStringLiteral("blue")));
    relation.setInputParameterValue(QStringLiteral("a"),
                                    QVariant(QStringList{QStringLiteral("v")}));

    RecordingNode node;
    relation.save(node);
    QCOMPARE(node.written, (QStringList{QStringLiteral("id"), QStringLiteral("description"),
                                        QStringLiteral("GUID"), QStringLiteral("relationType"),
                                        QStringLiteral("inObj"), QStringLiteral("outObj"),
                                        QStringLiteral("internalInfo"), QStringLiteral("colour")}));
    QCOMPARE(node.values.value(QStringLiteral("relationType")), QStringLiteral("prog"));
    QCOMPARE(node.values.value(QStringLiteral("inObj")), QStringLiteral("a:string_list"));
    QCOMPARE(node.values.value(QStringLiteral("outObj")), QStringLiteral("c:list"));

    // Loaded back it is the same relation, with typed nulls instead of the values.
    RelationModel loaded(nullptr);
    loaded.load(node);
    QCOMPARE(loaded.getShortName(), QString());
    QCOMPARE(loaded.getDescription(), QStringLiteral("d"));
    QCOMPARE(loaded.getRelationType(), RelationModel::RELATION_PROGRAM);
    QCOMPARE(loaded.getAdditionalFields(), relation.getAdditionalFields());
    relation.setInputParameterValue(QStringLiteral("a"), QVariant(QVariant::StringList));
    QVERIFY(loaded == relation);
}

void tst_Relations::saveStopsAtFirstMissingPart()
{
    RelationModel noOutputs(QStringLiteral("rel"), QStringLiteral("c = a"), nullptr);
    noOutputs.setShortName(QStringLiteral("s"));
    noOutputs.addInputParameterType(QStringLiteral("a"), QVariant::Int);
    RecordingNode node;
    QVERIFY_EXCEPTION_THROWN(noOutputs.save(node), NoOutputParameters);
    QCOMPARE(node.written, (QStringList{QStringLiteral("id"), QStringLiteral("shortName"),
                                        QStringLiteral("relationType"), QStringLiteral("inObj")}));

    RelationModel noCode(QStringLiteral("rel"), QString(), nullptr);
    noCode.addInputParameterType(QStringLiteral("a"), QVariant::Int);
    noCode.addOutputParameterType(QStringLiteral("c"), QVariant::Int);
    RecordingNode other;
    QVERIFY_EXCEPTION_THROWN(noCode.save(other), RelationNoCode);

    RelationModel noId(nullptr);
    RecordingNode untouched;
    QVERIFY_EXCEPTION_THROWN(noId.save(untouched), NoIdExceptionOstra);
    QVERIFY(untouched.written.isEmpty());
}

void tst_Relations::saveRefusesUnstorableNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("input");
    QTest::newRow("colon in input") << QStringLiteral("a:b") << true;
    QTest::newRow("semicolon in output") << QStringLiteral("a;b") << false;
    QTest::newRow("comma in input") << QStringLiteral("a,b") << true;
}

void tst_Relations::saveRefusesUnstorableNames()
{
    QFETCH(QString, name);
    QFETCH(bool, input);

    RelationModel relation(QStringLiteral("rel"), QStringLiteral("c = 1"), nullptr);
    relation.addInputParameterType(QStringLiteral("a"), QVariant::Int);
    relation.addOutputParameterType(QStringLiteral("c"), QVariant::Int);
    if (input)
        relation.addInputParameterType(name, QVariant::Int);
    else
        relation.addOutputParameterType(name, QVariant::Int);

    RecordingNode node;
    const auto refused = caught<InconsistencyDataExceptionOstra>([&] { relation.save(node); });
    QCOMPARE(refused.getClassName(), QStringLiteral("RelationModel"));
    QCOMPARE(refused.getMethodName(), QStringLiteral("save(ISerializerObject &n_object)"));
    QVERIFY(node.written.isEmpty());
}

void tst_Relations::copiedRelationModel()
{
    RelationsStoragePtr storage = QSharedPointer<RelationsStorage>::create();
    const auto source = storedLinear(storage, QStringLiteral("r"));
    source->setRelationType(RelationModel::RELATION_CONSTRAINT);
    source->addAdditionalField(QStringLiteral("k"), QVariant(QStringLiteral("v")));

    RelationModel copy(*source);
    QVERIFY(copy == *source);
    QCOMPARE(copy.getRelationType(), RelationModel::RELATION_CONSTRAINT);
    QCOMPARE(copy.getAdditionalFields(), source->getAdditionalFields());
    QCOMPARE(copy.getParent(), storage);
    copy.setInputParameterValue(QStringLiteral("x"), QVariant(1));
    // No engine until a storage adopts it.
    QVERIFY_EXCEPTION_THROWN(copy.calculate(), PointerIsNull);
    QCOMPARE(source->getInputParameterValue(QStringLiteral("x")), QVariant(QVariant::Int));
}

void tst_Relations::extraFieldsContract()
{
    AdditionalFields fields;
    const auto missing = caught<NoElementExceptionOstra>(
        [&] { fields.getAdditionalField(QStringLiteral("a")); });
    QCOMPARE(missing.getClassName(), QStringLiteral("AdditionalFields"));
    QCOMPARE(missing.getMethodName(),
             QStringLiteral("getAdditionalField(const QString &n_name, const QVariant &n_value)"));
    fields.addAdditionalField(QStringLiteral("a"), QVariant(1));
    QVERIFY_EXCEPTION_THROWN(fields.addAdditionalField(QStringLiteral("a"), QVariant(2)),
                             ElementAlreadyExistExceptionOstra);
    QCOMPARE(fields.getAdditionalField(QStringLiteral("a")), QVariant(1));
    fields.setAdditionalFieldValue(QStringLiteral("a"), QVariant(2));
    QCOMPARE(fields.getAdditionalField(QStringLiteral("a")), QVariant(2));
    QVERIFY_EXCEPTION_THROWN(fields.setAdditionalFieldValue(QStringLiteral("b"), QVariant(1)),
                             NoElementExceptionOstra);
    QVERIFY(!fields.containAdditionalField(QStringLiteral("b")));

    // One present and one new name: the present one always throws.
    QVERIFY_EXCEPTION_THROWN(fields.addAdditionalFields({{QStringLiteral("a"), QVariant(3)},
                                                         {QStringLiteral("c"), QVariant(4)}}),
                             ElementAlreadyExistExceptionOstra);
    QCOMPARE(fields.getAdditionalField(QStringLiteral("a")), QVariant(2));

    const auto missing2 = caught<NoElementExceptionOstra>(
        [&] { fields.deleteAdditionalField(QStringLiteral("zz")); });
    QCOMPARE(missing2.getMethodName(),
             QStringLiteral("deleteFromHash(const QString &n_allowedField)"));
    fields.deleteAdditionalField(QStringLiteral("a"));
    QVERIFY(!fields.containAdditionalField(QStringLiteral("a")));
    fields.clearAdditionalFields();
    QVERIFY(fields.getAdditionalFields().isEmpty());
    fields.addAdditionalField(QStringLiteral("c"), QVariant(5));
    QCOMPARE(fields.getAdditionalFields().size(), 1);
}

QTEST_GUILESS_MAIN(tst_Relations)
#include "tst_relations.moc"
