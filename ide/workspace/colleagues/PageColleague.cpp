#include "workspace/colleagues/PageColleague.h"

#include "workspace/mediators/BaseMediator.h"

PageColleague::PageColleague(BaseMediator *n_mediator) : BaseColleague(n_mediator)
{
}

void PageColleague::sendError(MessageItem *n_message)
{
    mediator()->sendError(n_message, this);
}

void PageColleague::clearError()
{
    mediator()->command(CLEAR_ERRORS_COMMAND, this);
}
