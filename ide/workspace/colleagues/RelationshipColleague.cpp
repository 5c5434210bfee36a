#include "workspace/colleagues/RelationshipColleague.h"

#include "WidgetAreas/wContainerRelationshipArea.h"
#include "workspace/mediators/BaseMediator.h"

RelationshipColleague::RelationshipColleague(BaseMediator *n_mediator) : BaseColleague(n_mediator)
{
}

void RelationshipColleague::send(CommandItem *n_command)
{
    mediator()->send(n_command, this);
}

void RelationshipColleague::setRelationshipWidget(QWidget *n_widget)
{
    m_tree = qobject_cast<wContainerRelationshipArea *>(n_widget);
}

void RelationshipColleague::setTitle(CommandItem *n_command)
{
    if (m_tree)
        m_tree->setChangeTitleItem(n_command);
}

void RelationshipColleague::updateView()
{
    if (m_tree)
        m_tree->UpdateView();
}

void RelationshipColleague::dropGone()
{
    if (m_tree)
        m_tree->dropGone();
}

void RelationshipColleague::retranslate()
{
    if (m_tree)
        m_tree->retranslateUI();
}
