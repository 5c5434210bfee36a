// Cost of running a relation through RelationVertex::calculate against two evaluations of the same
// compiled program: a bare one in a plain engine, and one in an engine guarded as a relations
// storage guards its own (the per-statement agent, the wrapped array built-ins, the run's start and
// end). Beside them the least a run must do through the engine's interface (write the input global,
// evaluate, read the output, null both globals). Prints `name: value` lines; times are in
// nanoseconds per evaluation; each ratio is the median of interleaved blocks (calculate, bare,
// guarded, least, calculate, ...), with its spread.
// `bench_relation --calls calculate|bare|guarded|globals <n>` only makes n such calls and prints
// nothing: the instruction counts per call come from running that under callgrind.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QScriptEngine>
#include <QScriptProgram>
#include <QScriptString>
#include <QSharedPointer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/ScriptEngineGuard.h"

#include "PairedRatio.h"
#include "model/MemoryTuning.h"

namespace {

const QString CODE = QStringLiteral("y = 2*x + 1");
const int RUNS = 7;
const int ITERATIONS = 50000;
const int PAIRS = 21;
const int PAIR_ITERATIONS = 10000;

double medianNsPerCall(const std::function<void()> &n_call, int n_iterations)
{
    std::vector<double> samples;
    for (int run = 0; run < RUNS; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < n_iterations; ++i)
            n_call();
        samples.push_back(double(timer.nsecsElapsed()) / n_iterations);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Per relation, so that a linear check gives about the same figure for every size.
double integrityNsPerRelation(int n_count)
{
    auto storage = QSharedPointer<RelationsStorage>::create();
    for (int i = 0; i < n_count; ++i) {
        auto relation = QSharedPointer<RelationModel>::create(QStringLiteral("r%1").arg(i), CODE,
                                                              nullptr);
        // Every tenth relation shares its short name with nine others; a few have none.
        relation->setShortName(i % 97 == 0 ? QString()
                                           : QStringLiteral("n%1").arg(i % (n_count / 10)));
        storage->addRelationPtr(relation);
    }
    return medianNsPerCall([&] { storage->checkRelationsIntegrity(); }, 3) / n_count;
}

} // namespace

int main(int argc, char **argv)
{
    // As the program does: the allocator set for large models.
    MemoryTuning::apply();
    QCoreApplication app(argc, argv);

    auto storage = QSharedPointer<RelationsStorage>::create();
    auto relation = QSharedPointer<RelationModel>::create(QStringLiteral("bench"), CODE, nullptr);
    relation->addInputParameterType(QStringLiteral("x"), QVariant::Int);
    relation->addOutputParameterType(QStringLiteral("y"), QVariant::Double);
    storage->addRelationPtr(relation);
    relation->setInputParameterValue(QStringLiteral("x"), QVariant(3));
    relation->calculate();
    if (relation->getOutputParameterValue(QStringLiteral("y")).toDouble() != 7.0) {
        std::fprintf(stderr, "wrong result\n");
        return 1;
    }
    const QScriptProgram program(CODE, QString(), 1);
    QScriptEngine engine;
    engine.globalObject().setProperty(QStringLiteral("x"), QScriptValue(3));
    // Guarded as the storage guards the relation's engine; x stays 3, as in the bare engine.
    QScriptEngine guardedEngine;
    ScriptEngineGuard *guard = ScriptEngineGuard::guardOf(&guardedEngine);
    guardedEngine.globalObject().setProperty(QStringLiteral("x"), QScriptValue(3));
    // The least a run does through the engine's interface, in a plain engine of its own.
    QScriptEngine floorEngine;
    QScriptValue global = floorEngine.globalObject();
    const QScriptString x = floorEngine.toStringHandle(QStringLiteral("x"));
    const QScriptString y = floorEngine.toStringHandle(QStringLiteral("y"));
    const QScriptValue null = floorEngine.nullValue();
    const std::function<void()> calls[] = {
        [&] { relation->calculate(); }, [&] { engine.evaluate(program); },
        [&] {
            guard->beginEvaluation();
            guardedEngine.evaluate(program);
            guard->endEvaluation();
        },
        [&] {
            global.setProperty(x, QScriptValue(3), QScriptValue::KeepExistingFlags);
            floorEngine.evaluate(program);
            if (!floorEngine.hasUncaughtException())
                global.property(y, QScriptValue::ResolvePrototype).toNumber();
            global.setProperty(x, null, QScriptValue::KeepExistingFlags);
            global.setProperty(y, null, QScriptValue::KeepExistingFlags);
        }};

    if (argc == 4 && QByteArray(argv[1]) == "--calls") {
        const QByteArray which = argv[2];
        const int index = which == "calculate" ? 0
                          : which == "bare"    ? 1
                          : which == "guarded" ? 2
                                               : 3;
        for (int i = QByteArray(argv[3]).toInt(); i > 0; --i)
            calls[index]();
        return 0;
    }

    const auto block = [](const std::function<void()> &n_call) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < PAIR_ITERATIONS; ++i)
            n_call();
        return timer.nsecsElapsed() / 1e6;
    };
    std::vector<double> calculateMs, bareMs, guardedMs, globalsMs;
    for (int pair = 0; pair < PAIRS; ++pair) {
        calculateMs.push_back(block(calls[0]));
        bareMs.push_back(block(calls[1]));
        guardedMs.push_back(block(calls[2]));
        globalsMs.push_back(block(calls[3]));
    }
    const PairedRatio toBare = ratioOfPairs(calculateMs, bareMs);
    const PairedRatio toGuarded = ratioOfPairs(calculateMs, guardedMs);
    const PairedRatio globalsToBare = ratioOfPairs(globalsMs, bareMs);
    const double evaluateNs = toBare.secondMedianMs * 1e6 / PAIR_ITERATIONS;
    const double evaluateTextNs = medianNsPerCall([&] { engine.evaluate(CODE, QString(), 1); },
                                                  ITERATIONS / 10);

    std::printf("calculate_ns: %.1f\n", toBare.firstMedianMs * 1e6 / PAIR_ITERATIONS);
    std::printf("evaluate_program_ns: %.1f\n", evaluateNs);
    std::printf("evaluate_guarded_ns: %.1f\n", toGuarded.secondMedianMs * 1e6 / PAIR_ITERATIONS);
    printRatio("calculate_to_evaluate_ratio", toBare);
    printRatio("calculate_to_guarded_evaluate_ratio", toGuarded);
    std::printf("evaluate_with_globals_ns: %.1f\n",
                globalsToBare.firstMedianMs * 1e6 / PAIR_ITERATIONS);
    printRatio("evaluate_with_globals_to_evaluate_ratio", globalsToBare);
    std::printf("evaluate_text_ns: %.1f\n", evaluateTextNs);
    std::printf("integrity_check_ns_per_relation_1000: %.1f\n", integrityNsPerRelation(1000));
    std::printf("integrity_check_ns_per_relation_10000: %.1f\n", integrityNsPerRelation(10000));
    return 0;
}
