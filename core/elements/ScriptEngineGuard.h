#ifndef SCRIPTENGINEGUARD_H
#define SCRIPTENGINEGUARD_H

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QScriptValue>
#include <QString>

class QScriptEngine;

// Lives as a child of a script engine and protects the engine shared by all relations of a model:
// - it remembers the engine's own globals (Math, Date, parseInt, undefined, ...) as they were when
//   the engine was made, so that the clean-up after a run restores them instead of nulling them;
// - it limits the time and the memory of one evaluation, both counted from the start of the run.
//   The checks come from three sides: an engine agent sees every statement the script executes
//   and checks every CHECK_EVERY_STATEMENTS of them, and at the first one after a tick of the
//   system's coarse clock (so a loop whose every statement is long is still checked at each
//   statement once a few milliseconds have passed); the wrapped array built-ins (below) check
//   before each call, so that a loop whose every turn runs a long one, like joining a huge array,
//   is seen at each turn; and the engine calls QCoreApplication::processEvents every
//   CHECK_INTERVAL_MS while a script loops without statements (for(;;){}), where an event posted to
//   the guard is delivered. A run past its time limit, or whose process grew more than the memory
//   limit since the run began, is aborted. Other pending events are delivered during a long run as
//   well; user input among them is dropped while the run lasts, so that no click or key can reach
//   the model in the middle of it.
// - the built-ins that walk an array's whole length in one call (join, sort, forEach, ...) refuse
//   arrays longer than MAX_WALKED_ARRAY_LENGTH with a RangeError: an array made with a huge length
//   costs nothing until it is walked, and no check can run inside one built-in call.
class ScriptEngineGuard : public QObject
{
    Q_OBJECT
public:
    // Ten seconds: far beyond any relation of a model, short enough not to lose the user's work.
    static const int DEFAULT_TIME_LIMIT_MS = 10000;
    // How often, in the engine's CPU time, a looping script yields to processEvents.
    static const int CHECK_INTERVAL_MS = 50;
    // One gigabyte of growth of the process during one run: far beyond any relation, and well
    // within the machine, so that a runaway script ends before it takes the memory of the system.
    static const qint64 DEFAULT_MEMORY_LIMIT_BYTES = qint64(1) << 30;
    // How often, in run time, the process size is read (a read costs some microseconds).
    static const int MEMORY_CHECK_INTERVAL_MS = 10;
    // The most statements that run between two checks of the agent.
    static const int CHECK_EVERY_STATEMENTS = 128;

    // About a second of walking for the slowest of those built-ins.
    static const quint32 MAX_WALKED_ARRAY_LENGTH = 1u << 23;
    // The longest text Array.prototype.join may make of its separators alone (32 MB).
    static const quint32 MAX_JOINED_LENGTH = 1u << 24;

    enum StopReason { NotStopped, StoppedForTime, StoppedForMemory, StoppedByUser };

    // The guard of the engine, made (and the engine's globals recorded) on first use.
    static ScriptEngineGuard *guardOf(QScriptEngine *n_engine);

    // Time limit of every evaluation, in milliseconds; the default is DEFAULT_TIME_LIMIT_MS.
    static void setTimeLimit(int n_msecs);
    static int getTimeLimit();
    // Growth limit of the process during one evaluation; the default is DEFAULT_MEMORY_LIMIT_BYTES.
    static void setMemoryLimit(qint64 n_bytes);
    static qint64 getMemoryLimit();
    // A stop request of the user: while it stands, every run ends at its next check. The
    // interface sets it from the events it lets through during a run and withdraws it after.
    static void setStopRequested(bool n_requested);
    static bool isStopRequested();
    // Resident size of this process in bytes, or -1 where the system does not tell it.
    static qint64 residentBytes();

    // What a global of that name holds between runs: the engine's own value for one of its
    // globals, null for any other name.
    QScriptValue getRestValue(const QString &n_name) const;

    void beginEvaluation();
    // Why the run was stopped, if it was.
    StopReason endEvaluation();
    // The run's one periodic check: aborts the run when it is past one of its limits, and tells
    // whether the run is stopped. Called by the engine's agent, the wrapped built-ins and events.
    bool checkRun();

protected:
    bool event(QEvent *n_event) override;
    bool eventFilter(QObject *n_watched, QEvent *n_event) override;

private:
    explicit ScriptEngineGuard(QScriptEngine *n_engine);
    void postCheck();
    void limitArrayWalks();

    QScriptEngine *m_engine;
    QHash<QString, QScriptValue> m_engineGlobals;
    QElapsedTimer m_timer;
    qint64 m_nextMemoryCheckMs;
    qint64 m_startBytes;
    bool m_evaluating;
    bool m_checkPending;
    StopReason m_stopReason;
};

#endif // SCRIPTENGINEGUARD_H
