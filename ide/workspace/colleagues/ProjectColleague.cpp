#include "workspace/colleagues/ProjectColleague.h"

#include "WidgetAreas/wContainerProjectArea.h"
#include "workspace/mediators/BaseMediator.h"

ProjectColleague::ProjectColleague(BaseMediator *n_mediator) : BaseColleague(n_mediator)
{
}

void ProjectColleague::send(CommandItem *n_command)
{
    mediator()->send(n_command, this);
}

void ProjectColleague::setProjectWidget(QWidget *n_widget)
{
    m_tree = qobject_cast<wContainerProjectArea *>(n_widget);
}

void ProjectColleague::setTitle(CommandItem *n_command)
{
    if (m_tree)
        m_tree->setChangeTitleItem(n_command);
}

void ProjectColleague::retranslate()
{
    if (m_tree)
        m_tree->retranslateUI();
}
