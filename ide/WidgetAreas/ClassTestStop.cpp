#include "WidgetAreas/ClassTestStop.h"

#include "elements/ScriptEngineGuard.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>

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
    if (escape || n_event->type() == QEvent::Close) {
        ScriptEngineGuard::setStopRequested(true);
        n_event->ignore();
        return true;
    }
    return QObject::eventFilter(n_watched, n_event);
}
