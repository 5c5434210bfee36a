#include "Entities/Language/LanguageChangeWatcher.h"

#include <QEvent>

quint64 LanguageChangeWatcher::generation()
{
    LanguageChangeWatcher &self = watcher();
    QCoreApplication *application = QCoreApplication::instance();
    if (application != self.m_application) {
        // A new application object may come with other translators: count it as a change.
        if (application != nullptr)
            application->installEventFilter(&self);
        self.m_application = application;
        ++self.m_generation;
    }
    return self.m_generation;
}

bool LanguageChangeWatcher::eventFilter(QObject *n_watched, QEvent *n_event)
{
    // Widgets get their own (posted) copies of the event later; only the application's counts.
    if (n_event->type() == QEvent::LanguageChange && n_watched == m_application)
        ++m_generation;
    return false;
}

LanguageChangeWatcher &LanguageChangeWatcher::watcher()
{
    static LanguageChangeWatcher instance;
    return instance;
}
