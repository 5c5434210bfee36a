#include "workspace/colleagues/ParameterColleague.h"

#include "workspace/mediators/BaseMediator.h"

ParameterColleague::ParameterColleague(BaseMediator *n_mediator) : PageColleague(n_mediator)
{
}

void ParameterColleague::createConstraint()
{
    mediator()->command(REFRESH_COMMAND, this);
}

void ParameterColleague::openRule(const QString &)
{
}
