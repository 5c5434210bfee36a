#ifndef MAINMEDIATOR_H
#define MAINMEDIATOR_H

#include "workspace/mediators/BaseMediator.h"

class CommandColleague;
class ErrorColleague;
class ParameterColleague;
class ProjectColleague;
class RelationshipColleague;
class WorkSpaceColleague;

// Joins the two trees, the editor workspace and the save commands. Its current class is the root
// class of the open model (null while none is open).
class MainMediator : public BaseMediator
{
public:
    MainMediator();

    // Tree commands go to the workspace; the workspace's title updates go to the tree of the kind,
    // and its notice of a deleted class to the relations tree.
    void send(CommandItem *n_command, BaseColleague *n_sender) const override;
    // Save and save all from the command colleague; refresh from the workspace.
    bool command(CommandType n_type, BaseColleague *n_sender) const override;
    void sendError(MessageItem *n_message, BaseColleague *n_sender) const override;
    void sendInformation(QStringList n_lines, BaseColleague *n_sender) const override;

    void setProjectCollegae(ProjectColleague *n_colleague);
    void setWorskSpaceColleague(WorkSpaceColleague *n_colleague);
    void setRelationshipColleague(RelationshipColleague *n_colleague);
    void setCommandColleague(CommandColleague *n_colleague);
    void setErrorColleague(ErrorColleague *n_colleague);
    void setParameterCollegae(ParameterColleague *n_colleague);

private:
    ProjectColleague *m_project = nullptr;
    WorkSpaceColleague *m_workSpace = nullptr;
    RelationshipColleague *m_relationship = nullptr;
    CommandColleague *m_command = nullptr;
    ErrorColleague *m_error = nullptr;
    ParameterColleague *m_parameter = nullptr;
};

#endif // MAINMEDIATOR_H
