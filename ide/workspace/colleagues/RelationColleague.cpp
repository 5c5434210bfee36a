#include "workspace/colleagues/RelationColleague.h"

RelationColleague::RelationColleague(BaseMediator *n_mediator) : PageColleague(n_mediator)
{
}
