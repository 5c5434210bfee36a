#include "workspace/colleagues/CommandColleague.h"

#include "workspace/mediators/BaseMediator.h"

CommandColleague::CommandColleague(BaseMediator *n_mediator) : BaseColleague(n_mediator)
{
}

bool CommandColleague::save()
{
    return mediator()->command(SAVE_COMMAND, this);
}

bool CommandColleague::saveAll()
{
    return mediator()->command(SAVE_ALL_COMMAND, this);
}
