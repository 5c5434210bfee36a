#include "workspace/mediators/ErrorMediator.h"

#include "workspace/builders/IDEBuilder.h"
#include "workspace/colleagues/ClassColleague.h"
#include "workspace/colleagues/ErrorColleague.h"
#include "workspace/colleagues/ParameterColleague.h"
#include "workspace/colleagues/RelationColleague.h"
#include "workspace/colleagues/RuleColleague.h"
#include "workspace/colleagues/WorkSpaceColleague.h"

ErrorMediator::ErrorMediator(IDEBuilder *n_informationBuilder) : m_builder(n_informationBuilder)
{
}

void ErrorMediator::send(CommandItem *n_command, BaseColleague *) const
{
    if (m_workSpace)
        m_workSpace->execute(n_command);
}

bool ErrorMediator::command(CommandType n_type, BaseColleague *) const
{
    if (n_type == REFRESH_COMMAND && m_workSpace)
        m_workSpace->refresh();
    else if (n_type == CLEAR_ERRORS_COMMAND && m_error)
        m_error->clear();
    return true;
}

void ErrorMediator::sendError(MessageItem *n_message, BaseColleague *n_sender) const
{
    if (!(isSender(m_class, n_sender) || isSender(m_parameter, n_sender)
          || isSender(m_relation, n_sender) || isSender(m_rule, n_sender)))
        return;
    if (m_error)
        m_error->addError(n_message);
    if (m_builder)
        m_builder->showWidgetsOf(ERROR_LIST);
}

void ErrorMediator::sendInformation(QStringList, BaseColleague *) const
{
}

void ErrorMediator::setErrorColleague(ErrorColleague *n_colleague)
{
    m_error = n_colleague;
}
void ErrorMediator::setWorkSpaceColleague(WorkSpaceColleague *n_colleague)
{
    m_workSpace = n_colleague;
}
void ErrorMediator::setClassColleague(ClassColleague *n_colleague)
{
    m_class = n_colleague;
}
void ErrorMediator::setParameterColleague(ParameterColleague *n_colleague)
{
    m_parameter = n_colleague;
}
void ErrorMediator::setRelationColleague(RelationColleague *n_colleague)
{
    m_relation = n_colleague;
}
void ErrorMediator::setRuleColleague(RuleColleague *n_colleague)
{
    m_rule = n_colleague;
}
