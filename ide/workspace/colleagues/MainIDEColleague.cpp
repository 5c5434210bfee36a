#include "workspace/colleagues/MainIDEColleague.h"

#include <QAction>

MainIDEColleague::MainIDEColleague(BaseMediator *n_mediator) : BaseColleague(n_mediator)
{
}

void MainIDEColleague::setActionTools(QList<QAction *> n_actions)
{
    m_actions = n_actions;
}

void MainIDEColleague::setActionToolsDisabled(bool n_disabled)
{
    for (QAction *action : qAsConst(m_actions))
        action->setEnabled(!n_disabled);
}
