#include "workspace/colleagues/RelationColleague.h"

#include "workspace/mediators/BaseMediator.h"

RelationColleague::RelationColleague(BaseMediator *n_mediator) : BaseColleague(n_mediator)
{
}

void RelationColleague::sendError(MessageItem *n_message)
{
    mediator()->sendError(n_message, this);
}

void RelationColleague::clearError()
{
    mediator()->command(CLEAR_ERRORS_COMMAND, this);
}
