#include "workspace/colleagues/ClassColleague.h"

#include "workspace/mediators/BaseMediator.h"

ClassColleague::ClassColleague(BaseMediator *n_mediator) : BaseColleague(n_mediator)
{
}

void ClassColleague::sendError(MessageItem *n_message)
{
    mediator()->sendError(n_message, this);
}

void ClassColleague::clearError()
{
    mediator()->command(CLEAR_ERRORS_COMMAND, this);
}
