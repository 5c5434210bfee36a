#include "elements/ScriptEngineGuard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScriptEngine>
#include <QScriptValueIterator>

namespace {

int g_timeLimitMs = ScriptEngineGuard::DEFAULT_TIME_LIMIT_MS;

QEvent::Type checkEventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace

ScriptEngineGuard::ScriptEngineGuard(QScriptEngine *n_engine)
    : QObject(n_engine), m_engine(n_engine), m_evaluating(false), m_checkPending(false),
      m_timedOut(false)
{
    setObjectName(QStringLiteral("ScriptEngineGuard"));
    QScriptValueIterator it(n_engine->globalObject());
    while (it.hasNext()) {
        it.next();
        m_engineGlobals.insert(it.name(), it.value());
    }
    n_engine->setProcessEventsInterval(CHECK_INTERVAL_MS);
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

void ScriptEngineGuard::setTimeLimit(int n_msecs)
{
    g_timeLimitMs = n_msecs;
}

int ScriptEngineGuard::getTimeLimit()
{
    return g_timeLimitMs;
}

QScriptValue ScriptEngineGuard::getRestValue(const QString &n_name) const
{
    const auto it = m_engineGlobals.constFind(n_name);
    return it == m_engineGlobals.constEnd() ? m_engine->nullValue() : it.value();
}

void ScriptEngineGuard::beginEvaluation()
{
    m_evaluating = true;
    m_timedOut = false;
    // Started by the first check of the run, which the engine makes after a few microseconds of
    // work: a short run, the usual case, never reads the clock.
    m_timer.invalidate();
    // One check event waits in the queue at a time; it is re-posted only while a run goes on.
    if (!m_checkPending)
        postCheck();
}

bool ScriptEngineGuard::endEvaluation()
{
    m_evaluating = false;
    return m_timedOut;
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
    if (!m_timer.isValid()) {
        m_timer.start();
        postCheck();
    } else if (m_timer.elapsed() > g_timeLimitMs) {
        m_timedOut = true;
        m_engine->abortEvaluation();
    } else {
        // Delivered at the next processEvents of this run, not in this one.
        postCheck();
    }
    return true;
}
