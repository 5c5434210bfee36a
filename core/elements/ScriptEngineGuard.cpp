#include "elements/ScriptEngineGuard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScriptEngine>
#include <QFile>
#include <QScriptContext>
#include <QScriptEngineAgent>
#include <QScriptValueIterator>

#ifdef Q_OS_LINUX
#include <time.h>
#include <unistd.h>
#endif

namespace {

int g_timeLimitMs = ScriptEngineGuard::DEFAULT_TIME_LIMIT_MS;
qint64 g_memoryLimitBytes = ScriptEngineGuard::DEFAULT_MEMORY_LIMIT_BYTES;
bool g_stopRequested = false;

// A value that changes at least every few milliseconds, read without a system call: the system's
// coarse clock (one tick, 1 to 10 ms) where there is one, the precise one elsewhere.
qint64 coarseTick()
{
#ifdef Q_OS_LINUX
    timespec now;
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
#else
    static const QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.nsecsElapsed();
#endif
}

// Told of every statement a script executes. The guard's check, which reads the precise clock, runs
// every CHECK_EVERY_STATEMENTS statements and at the first statement after a tick of the coarse
// clock: counting alone would let statements that each take long (doubling a text and reading it)
// run far past the limits before the next check, and the precise clock at every statement cost a
// tenth of a one-line formula's run.
class RunWatch : public QScriptEngineAgent
{
public:
    RunWatch(QScriptEngine *n_engine, ScriptEngineGuard *n_guard)
        : QScriptEngineAgent(n_engine), m_guard(n_guard),
          m_statementsLeft(ScriptEngineGuard::CHECK_EVERY_STATEMENTS), m_tick(coarseTick())
    {
    }

    void positionChange(qint64, int, int) override
    {
        const qint64 tick = coarseTick();
        if (--m_statementsLeft > 0 && tick == m_tick)
            return;
        m_statementsLeft = ScriptEngineGuard::CHECK_EVERY_STATEMENTS;
        m_tick = tick;
        m_guard->checkRun();
    }

private:
    ScriptEngineGuard *m_guard;
    int m_statementsLeft;
    qint64 m_tick;
};

QEvent::Type checkEventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

// Array.prototype methods whose one call walks the whole length of the array (or array-like).
const char *const LENGTH_WALKING_METHODS[] = {
    "join",    "toString", "toLocaleString", "concat",  "reverse",     "sort",  "slice",
    "splice",  "shift",    "unshift",        "indexOf", "lastIndexOf", "every", "some",
    "forEach", "map",      "filter",         "reduce",  "reduceRight"};

// Stands in for one of those methods (kept as the function's data, the guard as its argument): the
// run's check first, since one such call may take long, then the method when the array is short
// enough.
QScriptValue callWithinWalkLimit(QScriptContext *n_context, QScriptEngine *n_engine, void *n_guard)
{
    if (static_cast<ScriptEngineGuard *>(n_guard)->checkRun())
        return n_engine->undefinedValue();
    const QScriptValue self = n_context->thisObject();
    if (self.property(QStringLiteral("length")).toUInt32()
        > ScriptEngineGuard::MAX_WALKED_ARRAY_LENGTH)
        return n_context->throwError(
            QScriptContext::RangeError,
            QStringLiteral("The array is longer than %1 elements, too long to walk")
                .arg(ScriptEngineGuard::MAX_WALKED_ARRAY_LENGTH));
    return n_context->callee().data().call(self, n_context->argumentsObject());
}

// join also refuses a text made mostly of separators past MAX_JOINED_LENGTH: one call of it on a
// short array with a long separator takes hundreds of megabytes before any check can run.
QScriptValue joinWithinLimits(QScriptContext *n_context, QScriptEngine *n_engine, void *n_guard)
{
    const quint32 length = n_context->thisObject().property(QStringLiteral("length")).toUInt32();
    const QScriptValue separator = n_context->argument(0);
    const quint64 separatorLength = separator.isUndefined() ? 1
                                                            : quint64(separator.toString().size());
    if (length > 1 && (length - 1) * separatorLength > ScriptEngineGuard::MAX_JOINED_LENGTH)
        return n_context->throwError(
            QScriptContext::RangeError,
            QStringLiteral("The joined text would be longer than %1 characters")
                .arg(ScriptEngineGuard::MAX_JOINED_LENGTH));
    return callWithinWalkLimit(n_context, n_engine, n_guard);
}

} // namespace

ScriptEngineGuard::ScriptEngineGuard(QScriptEngine *n_engine)
    : QObject(n_engine), m_engine(n_engine), m_nextMemoryCheckMs(0), m_startBytes(-1),
      m_evaluating(false), m_checkPending(false), m_stopReason(NotStopped)
{
    setObjectName(QStringLiteral("ScriptEngineGuard"));
    QScriptValueIterator it(n_engine->globalObject());
    while (it.hasNext()) {
        it.next();
        m_engineGlobals.insert(it.name(), it.value());
    }
    limitArrayWalks();
    n_engine->setProcessEventsInterval(CHECK_INTERVAL_MS);
    // The engine owns and deletes its agents, before its children (this guard).
    n_engine->setAgent(new RunWatch(n_engine, this));
    // A long run hands control to the event loop (see the class comment); the filter stays for
    // the engine's lifetime and lets everything through between runs.
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

ScriptEngineGuard *ScriptEngineGuard::guardOf(QScriptEngine *n_engine)
{
    if (!n_engine)
        return nullptr;
    auto *guard = n_engine->findChild<ScriptEngineGuard *>(QString(), Qt::FindDirectChildrenOnly);
    if (!guard)
        guard = new ScriptEngineGuard(n_engine);
    return guard;
}

void ScriptEngineGuard::limitArrayWalks()
{
    QScriptValue prototype = m_engine->globalObject()
                                 .property(QStringLiteral("Array"))
                                 .property(QStringLiteral("prototype"));
    for (const char *name : LENGTH_WALKING_METHODS) {
        const QString method = QString::fromLatin1(name);
        QScriptValue wrapper = m_engine->newFunction(
            method == QLatin1String("join") ? joinWithinLimits : callWithinWalkLimit, this);
        wrapper.setData(prototype.property(method));
        prototype.setProperty(method, wrapper, QScriptValue::SkipInEnumeration);
    }
}

void ScriptEngineGuard::setTimeLimit(int n_msecs)
{
    g_timeLimitMs = n_msecs;
}

int ScriptEngineGuard::getTimeLimit()
{
    return g_timeLimitMs;
}

void ScriptEngineGuard::setMemoryLimit(qint64 n_bytes)
{
    g_memoryLimitBytes = n_bytes;
}

qint64 ScriptEngineGuard::getMemoryLimit()
{
    return g_memoryLimitBytes;
}

void ScriptEngineGuard::setStopRequested(bool n_requested)
{
    g_stopRequested = n_requested;
}

bool ScriptEngineGuard::isStopRequested()
{
    return g_stopRequested;
}

qint64 ScriptEngineGuard::residentBytes()
{
#ifdef Q_OS_LINUX
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readLine().split(' ');
    bool ok = false;
    const qint64 pages = fields.value(1).toLongLong(&ok);
    return ok ? pages * qint64(sysconf(_SC_PAGESIZE)) : -1;
#else
    return -1;
#endif
}

QScriptValue ScriptEngineGuard::getRestValue(const QString &n_name) const
{
    const auto it = m_engineGlobals.constFind(n_name);
    return it == m_engineGlobals.constEnd() ? m_engine->nullValue() : it.value();
}

void ScriptEngineGuard::beginEvaluation()
{
    m_evaluating = true;
    m_stopReason = NotStopped;
    m_timer.start();
    // The size at the start is read at the first memory check, so that a short run, the usual
    // case, never reads it; what a run allocates in its first milliseconds is not counted.
    m_startBytes = -1;
    m_nextMemoryCheckMs = MEMORY_CHECK_INTERVAL_MS;
    // One check event waits in the queue at a time; it is re-posted only while a run goes on.
    if (!m_checkPending)
        postCheck();
}

ScriptEngineGuard::StopReason ScriptEngineGuard::endEvaluation()
{
    m_evaluating = false;
    return m_stopReason;
}

bool ScriptEngineGuard::checkRun()
{
    if (!m_evaluating)
        return false;
    if (m_stopReason != NotStopped)
        return true;
    const qint64 elapsed = m_timer.elapsed();
    if (g_stopRequested) {
        m_stopReason = StoppedByUser;
    } else if (elapsed > g_timeLimitMs) {
        m_stopReason = StoppedForTime;
    } else if (elapsed >= m_nextMemoryCheckMs) {
        m_nextMemoryCheckMs = elapsed + MEMORY_CHECK_INTERVAL_MS;
        const qint64 resident = residentBytes();
        if (m_startBytes < 0)
            m_startBytes = resident;
        else if (resident >= 0 && resident - m_startBytes > g_memoryLimitBytes)
            m_stopReason = StoppedForMemory;
    }
    if (m_stopReason == NotStopped)
        return false;
    m_engine->abortEvaluation();
    return true;
}

bool ScriptEngineGuard::eventFilter(QObject *n_watched, QEvent *n_event)
{
    if (!m_evaluating)
        return false;
    switch (n_event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Close:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return QObject::eventFilter(n_watched, n_event);
    }
}

void ScriptEngineGuard::postCheck()
{
    m_checkPending = true;
    QCoreApplication::postEvent(this, new QEvent(checkEventType()));
}

bool ScriptEngineGuard::event(QEvent *n_event)
{
    if (n_event->type() != checkEventType())
        return QObject::event(n_event);
    m_checkPending = false;
    if (!m_evaluating || !m_engine->isEvaluating())
        return true;
    // Delivered at the next processEvents of this run, not in this one.
    if (!checkRun())
        postCheck();
    return true;
}
