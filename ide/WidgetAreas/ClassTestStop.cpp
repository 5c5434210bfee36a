#include "WidgetAreas/ClassTestStop.h"

#include "elements/ScriptEngineGuard.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Only a main window or a dialog is closed by the user's request; a tooltip, a popup or a tool
// window closes on its own at any time and goes on closing as usual.
bool isUserWindow(Qt::WindowType n_type)
{
    return n_type == Qt::Window || n_type == Qt::Dialog;
}

// A close request of such a window (its frame's button, Alt+F4, close()).
bool isWindowClose(QObject *n_watched, QEvent *n_event)
{
    if (n_event->type() != QEvent::Close)
        return false;
    if (auto *widget = qobject_cast<QWidget *>(n_watched))
        return widget->isWindow() && isUserWindow(widget->windowType());
    return n_watched->isWindowType() && isUserWindow(static_cast<QWindow *>(n_watched)->type());
}

} // namespace

ClassTestStop::ClassTestStop()
{
    ScriptEngineGuard::setStopRequested(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    // Installed after the guard's own filter, so it sees the events before the guard drops them.
    qApp->installEventFilter(this);
}

ClassTestStop::~ClassTestStop()
{
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

bool ClassTestStop::eventFilter(QObject *n_watched, QEvent *n_event)
{
    const bool escape = n_event->type() == QEvent::KeyPress
                        && static_cast<QKeyEvent *>(n_event)->key() == Qt::Key_Escape;
    if (escape || isWindowClose(n_watched, n_event)) {
        ScriptEngineGuard::setStopRequested(true);
        n_event->ignore();
        return true;
    }
    return QObject::eventFilter(n_watched, n_event);
}
