#include "workspace/colleagues/BaseColleague.h"

BaseColleague::BaseColleague(BaseMediator *n_mediator) : m_mediator(n_mediator)
{
}

void BaseColleague::retranslate()
{
}

BaseMediator *BaseColleague::mediator() const
{
    return m_mediator;
}
