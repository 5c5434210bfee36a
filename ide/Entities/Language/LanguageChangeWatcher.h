#ifndef LANGUAGECHANGEWATCHER_H
#define LANGUAGECHANGEWATCHER_H

#include <QCoreApplication>
#include <QObject>
#include <QPointer>

// Counts the changes of the installed translators, so that the text dictionaries translate their
// tables again only when the language may have changed. The toolkit sends QEvent::LanguageChange
// to the application object whenever a translator is installed or removed; the watcher sees it
// through an event filter on that object. GUI thread only.
class LanguageChangeWatcher : public QObject
{
public:
    // A number that changes whenever a translator was installed or removed since the last call,
    // and whenever the application object was replaced.
    static quint64 generation();

protected:
    bool eventFilter(QObject *n_watched, QEvent *n_event) override;

private:
    LanguageChangeWatcher() = default;
    static LanguageChangeWatcher &watcher();

    QPointer<QCoreApplication> m_application;
    quint64 m_generation = 0;
};

#endif // LANGUAGECHANGEWATCHER_H
