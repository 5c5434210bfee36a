#ifndef MAINIDECOLLEAGUE_H
#define MAINIDECOLLEAGUE_H

#include "workspace/colleagues/BaseColleague.h"

#include <QList>

class QAction;

// Holds the main window's class-test tool actions (not owned) for the test mediator.
class MainIDEColleague : public BaseColleague
{
public:
    explicit MainIDEColleague(BaseMediator *n_mediator);

    void setActionTools(QList<QAction *> n_actions);
    void setActionToolsDisabled(bool n_disabled);

private:
    QList<QAction *> m_actions;
};

#endif // MAINIDECOLLEAGUE_H
