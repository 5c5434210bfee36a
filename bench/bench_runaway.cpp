// How soon a runaway relation is stopped, and how much the process grew meanwhile: each loop runs
// in a fresh process under a 2 s time limit and the default memory limit. Prints `name: value`
// lines: the wall time from the start of the run to the exception, and the growth of the peak
// resident size over the run, for each loop.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSharedPointer>
#include <QStringList>

#include <cstdio>

#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/ScriptEngineGuard.h"
#include "errors/ExceptionOstra.h"
#include "model/MemoryTuning.h"

namespace {

const int TIME_LIMIT_MS = 2000;

struct Loop
{
    const char *name;
    const char *code;
};

const Loop LOOPS[] = {
    {"join_loop", "for(;;){ new Array(5000000).join('x') }"},
    {"concat_doubling", "var a=[1]; while(true) a=a.concat(a)"},
    {"push_joined_strings", "var s=[]; for(;;){ s.push(new Array(100000).join('x')) }"},
    {"empty_loop", "for(;;){}"},
    {"array_of_arrays", "var a=[]; for(;;) a.push([1,2,3,4,5,6,7,8])"},
    // Every statement doubles a text and reads it; no wrapped built-in runs between the statements.
    {"string_doubling", "function g(){ var b='x'; for(;;) { b = b + b; b.charAt(0); } } g()"},
};

qint64 peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// The child's side: runs one loop, prints "<ms> <peak growth in kB>".
int runOne(int n_index)
{
    ScriptEngineGuard::setTimeLimit(TIME_LIMIT_MS);
    auto storage = QSharedPointer<RelationsStorage>::create();
    auto relation = QSharedPointer<RelationModel>::create(
        QStringLiteral("runaway"), QString::fromLatin1(LOOPS[n_index].code), nullptr);
    storage->addRelationPtr(relation);
    const qint64 startKb = peakKb();
    QElapsedTimer timer;
    timer.start();
    try {
        relation->calculate();
    } catch (const ExceptionOstra &) {
    }
    std::printf("%lld %lld", static_cast<long long>(timer.elapsed()),
                static_cast<long long>(peakKb() - startKb));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // As the program does: the allocator set for large models.
    MemoryTuning::apply();
    QCoreApplication app(argc, argv);
    if (argc > 2 && QByteArray(argv[1]) == "--one")
        return runOne(QByteArray(argv[2]).toInt());
    std::printf("runaway_time_limit_ms: %d\n", TIME_LIMIT_MS);
    std::printf("runaway_memory_limit_mb: %lld\n",
                static_cast<long long>(ScriptEngineGuard::getMemoryLimit() >> 20));
    for (int i = 0; i < int(sizeof(LOOPS) / sizeof(LOOPS[0])); ++i) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--one"), QString::number(i)});
        child.waitForFinished(-1);
        const QStringList fields =
            QString::fromLatin1(child.readAllStandardOutput()).split(QLatin1Char(' '));
        std::printf("runaway_%s_stop_ms: %s\n", LOOPS[i].name, qPrintable(fields.value(0)));
        std::printf("runaway_%s_peak_growth_mb: %.0f\n", LOOPS[i].name,
                    fields.value(1).toDouble() / 1024.0);
    }
    return 0;
}
