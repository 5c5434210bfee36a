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
// - it limits the time of one evaluation. Once told so, the engine calls
//   QCoreApplication::processEvents every CHECK_INTERVAL_MS while a script loops; an event posted
//   to the guard is delivered there and aborts the run once the time limit has passed. The limit
//   therefore needs the application's event dispatcher, which the program always has. Other
//   pending events are delivered during such a run as well; user input among them is dropped
//   while the run lasts, so that no click or key can reach the model in the middle of it.
class ScriptEngineGuard : public QObject
{
    Q_OBJECT
public:
    // Ten seconds: far beyond any relation of a model, short enough not to lose the user's work.
    static const int DEFAULT_TIME_LIMIT_MS = 10000;
    // How often, in the engine's CPU time, a looping script yields to processEvents.
    static const int CHECK_INTERVAL_MS = 50;

    // The guard of the engine, made (and the engine's globals recorded) on first use.
    static ScriptEngineGuard *guardOf(QScriptEngine *n_engine);

    // Time limit of every evaluation, in milliseconds; the default is DEFAULT_TIME_LIMIT_MS.
    static void setTimeLimit(int n_msecs);
    static int getTimeLimit();

    // What a global of that name holds between runs: the engine's own value for one of its
    // globals, null for any other name.
    QScriptValue getRestValue(const QString &n_name) const;

    void beginEvaluation();
    // True when the run was stopped because it ran past the time limit.
    bool endEvaluation();

protected:
    bool event(QEvent *n_event) override;
    bool eventFilter(QObject *n_watched, QEvent *n_event) override;

private:
    explicit ScriptEngineGuard(QScriptEngine *n_engine);
    void postCheck();

    QScriptEngine *m_engine;
    QHash<QString, QScriptValue> m_engineGlobals;
    QElapsedTimer m_timer;
    bool m_evaluating;
    bool m_checkPending;
    bool m_timedOut;
};

#endif // SCRIPTENGINEGUARD_H
