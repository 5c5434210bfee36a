#ifndef CONSOLECOLLEAGUE_H
#define CONSOLECOLLEAGUE_H

#include "workspace/colleagues/BaseColleague.h"

#include <QStringList>

class QWidget;
class wConsoleArea;

// Colleague of the console (test mediator). It only receives, so its colleague base is private.
class ConsoleColleague : private BaseColleague
{
public:
    explicit ConsoleColleague(BaseMediator *n_mediator);

    void setConsoleWidget(QWidget *n_widget);
    // Appends the lines and gives the console the keyboard focus.
    void setInformation(QStringList n_lines);
    void clear();
    void retranslate() override;

    BaseColleague *asColleague();

private:
    wConsoleArea *m_console = nullptr;
};

#endif // CONSOLECOLLEAGUE_H
