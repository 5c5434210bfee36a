#include "WidgetAreas/ClassTestStop.h"

#include "elements/ScriptEngineGuard.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QWidget>

namespace {

// A close request of a window (its frame's button, Alt+F4, close()); a popup closing is none.
bool isWindowClose(QObject *n_watched, QEvent *n_event)
{
    if (n_event->type() != QEvent::Close)
        return false;
    if (auto *widget = qobject_cast<QWidget *>(n_watched))
        return widget->isWindow() && widget->windowType() != Qt::Popup;
    return n_watched->isWindowType();
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
