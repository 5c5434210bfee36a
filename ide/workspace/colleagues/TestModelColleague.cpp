#include "workspace/colleagues/TestModelColleague.h"

#include "workspace/mediators/BaseMediator.h"

TestModelColleague::TestModelColleague(BaseMediator *n_mediator) : BaseColleague(n_mediator)
{
}

void TestModelColleague::sendError(MessageItem *n_message)
{
    mediator()->sendError(n_message, this);
}

void TestModelColleague::sendInformation(QStringList n_lines)
{
    mediator()->sendInformation(n_lines, this);
}
