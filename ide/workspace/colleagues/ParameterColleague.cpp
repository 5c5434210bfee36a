#include "workspace/colleagues/ParameterColleague.h"

#include "workspace/mediators/BaseMediator.h"

ParameterColleague::ParameterColleague(BaseMediator *n_mediator) : BaseColleague(n_mediator)
{
}

void ParameterColleague::sendError(MessageItem *n_message)
{
    mediator()->sendError(n_message, this);
}

void ParameterColleague::clearError()
{
    mediator()->command(CLEAR_ERRORS_COMMAND, this);
}

void ParameterColleague::createConstraint()
{
    mediator()->command(REFRESH_COMMAND, this);
}

void ParameterColleague::openRule(const QString &)
{
}
