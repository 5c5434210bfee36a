// Cost of running a relation through RelationVertex::calculate against a bare evaluation of the
// same compiled program in an engine of its own, and against the least a run must do through the
// engine's interface (write the input global, evaluate, read the output, null both globals).
// Prints `name: value` lines; times are the median of several runs, in nanoseconds per evaluation;
// the ratio to the bare evaluation is the median of interleaved pairs, with its spread.
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

#include "PairedRatio.h"

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
    QScriptEngine engine;
    engine.globalObject().setProperty(QStringLiteral("x"), QScriptValue(3));
    const QScriptProgram program(CODE, QString(), 1);
    // Blocks of runs, one of each side in turn: the ratio is the median over the pairs.
    const auto block = [](const std::function<void()> &n_call) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < PAIR_ITERATIONS; ++i)
            n_call();
        return timer.nsecsElapsed() / 1e6;
    };
    const PairedRatio pairs = pairedRatio(
        PAIRS, [&] { return block([&] { relation->calculate(); }); },
        [&] { return block([&] { engine.evaluate(program); }); });
    const double calculateNs = pairs.firstMedianMs * 1e6 / PAIR_ITERATIONS;
    const double evaluateNs = pairs.secondMedianMs * 1e6 / PAIR_ITERATIONS;
    QScriptValue global = engine.globalObject();
    const QScriptString x = engine.toStringHandle(QStringLiteral("x"));
    const QScriptString y = engine.toStringHandle(QStringLiteral("y"));
    const QScriptValue null = engine.nullValue();
    const double globalsNs = medianNsPerCall(
        [&] {
            global.setProperty(x, QScriptValue(3), QScriptValue::KeepExistingFlags);
            engine.evaluate(program);
            if (!engine.hasUncaughtException())
                global.property(y, QScriptValue::ResolvePrototype).toNumber();
            global.setProperty(x, null, QScriptValue::KeepExistingFlags);
            global.setProperty(y, null, QScriptValue::KeepExistingFlags);
        },
        ITERATIONS);
    const double evaluateTextNs = medianNsPerCall([&] { engine.evaluate(CODE, QString(), 1); },
                                                  ITERATIONS / 10);

    std::printf("calculate_ns: %.1f\n", calculateNs);
    std::printf("evaluate_program_ns: %.1f\n", evaluateNs);
    printRatio("calculate_to_evaluate_ratio", pairs);
    std::printf("evaluate_with_globals_ns: %.1f\n", globalsNs);
    std::printf("evaluate_with_globals_to_evaluate_ratio: %.2f\n", globalsNs / evaluateNs);
    std::printf("evaluate_text_ns: %.1f\n", evaluateTextNs);
    std::printf("integrity_check_ns_per_relation_1000: %.1f\n", integrityNsPerRelation(1000));
    std::printf("integrity_check_ns_per_relation_10000: %.1f\n", integrityNsPerRelation(10000));
    return 0;
}
