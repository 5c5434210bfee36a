#include "workspace/mediators/MainMediator.h"

#include "workspace/colleagues/CommandColleague.h"
#include "workspace/colleagues/ParameterColleague.h"
#include "workspace/colleagues/ProjectColleague.h"
#include "workspace/colleagues/RelationshipColleague.h"
#include "workspace/colleagues/WorkSpaceColleague.h"
#include "workspace/creators/KindTable.h"
#include "workspace/routing/CommandItem.h"

MainMediator::MainMediator() = default;

void MainMediator::send(CommandItem *n_command, BaseColleague *n_sender) const
{
    if (isSender(m_project, n_sender) || isSender(m_relationship, n_sender)
        || isSender(m_parameter, n_sender)) {
        if (m_workSpace)
            m_workSpace->execute(n_command);
        return;
    }
    if (!isSender(m_workSpace, n_sender))
        return;
    if (n_command->getTypeCommand() == DELETE) {
        // A deleted class took its rules and constraints with it.
        if (n_command->getTypeWorkSpace() == CLASS_WINDOW && m_relationship)
            m_relationship->dropGone();
        return;
    }
    if (n_command->getTypeCommand() != UPDATE)
        return;
    const KindTable::Row *row = KindTable::standard().row(n_command->getTypeWorkSpace());
    const KindTable::Tree tree = row ? row->tree : KindTable::Tree::NONE;
    if (tree == KindTable::Tree::PROJECT && m_project)
        m_project->setTitle(n_command);
    else if (tree == KindTable::Tree::RELATIONS && m_relationship)
        m_relationship->setTitle(n_command);
}

bool MainMediator::command(CommandType n_type, BaseColleague *n_sender) const
{
    if (isSender(m_command, n_sender) && m_workSpace) {
        if (n_type == SAVE_COMMAND)
            return m_workSpace->save();
        if (n_type == SAVE_ALL_COMMAND)
            return m_workSpace->saveAll();
    } else if (isSender(m_workSpace, n_sender) && n_type == REFRESH_COMMAND && m_relationship) {
        m_relationship->updateView();
    }
    return true;
}

void MainMediator::sendError(MessageItem *, BaseColleague *) const
{
}

void MainMediator::sendInformation(QStringList, BaseColleague *) const
{
}

void MainMediator::setProjectCollegae(ProjectColleague *n_colleague)
{
    m_project = n_colleague;
}
void MainMediator::setWorskSpaceColleague(WorkSpaceColleague *n_colleague)
{
    m_workSpace = n_colleague;
}
void MainMediator::setRelationshipColleague(RelationshipColleague *n_colleague)
{
    m_relationship = n_colleague;
}
void MainMediator::setCommandColleague(CommandColleague *n_colleague)
{
    m_command = n_colleague;
}
void MainMediator::setErrorColleague(ErrorColleague *n_colleague)
{
    m_error = n_colleague;
}
void MainMediator::setParameterCollegae(ParameterColleague *n_colleague)
{
    m_parameter = n_colleague;
}
