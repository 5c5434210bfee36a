#ifndef ERRORMEDIATOR_H
#define ERRORMEDIATOR_H

#include "workspace/mediators/BaseMediator.h"

class ClassColleague;
class ErrorColleague;
class IDEBuilder;
class ParameterColleague;
class RelationColleague;
class RuleColleague;
class WorkSpaceColleague;

// Joins the editor pages with the error list and the workspace. The information builder (not
// owned) tells which tab to bring to the front when an error arrives.
class ErrorMediator : public virtual BaseMediator
{
public:
    explicit ErrorMediator(IDEBuilder *n_informationBuilder);

    void send(CommandItem *n_command, BaseColleague *n_sender) const override;
    bool command(CommandType n_type, BaseColleague *n_sender) const override;
    // Only from the class, parameter, relation and rule colleagues.
    void sendError(MessageItem *n_message, BaseColleague *n_sender) const override;
    void sendInformation(QStringList n_lines, BaseColleague *n_sender) const override;

    void setErrorColleague(ErrorColleague *n_colleague);
    void setWorkSpaceColleague(WorkSpaceColleague *n_colleague);
    void setClassColleague(ClassColleague *n_colleague);
    void setParameterColleague(ParameterColleague *n_colleague);
    void setRelationColleague(RelationColleague *n_colleague);
    void setRuleColleague(RuleColleague *n_colleague);

private:
    IDEBuilder *m_builder;
    ErrorColleague *m_error = nullptr;
    WorkSpaceColleague *m_workSpace = nullptr;
    ClassColleague *m_class = nullptr;
    ParameterColleague *m_parameter = nullptr;
    RelationColleague *m_relation = nullptr;
    RuleColleague *m_rule = nullptr;
};

#endif // ERRORMEDIATOR_H
