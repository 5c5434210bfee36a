#include "workspace/colleagues/ClassColleague.h"

ClassColleague::ClassColleague(BaseMediator *n_mediator) : PageColleague(n_mediator)
{
}
