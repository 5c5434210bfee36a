#ifndef TESTMODELCOLLEAGUE_H
#define TESTMODELCOLLEAGUE_H

#include "workspace/colleagues/BaseColleague.h"

#include <QStringList>

class MessageItem;

// Colleague of the class-test pages (test mediator): their errors and result lines.
class TestModelColleague : public BaseColleague
{
public:
    explicit TestModelColleague(BaseMediator *n_mediator);

    void sendError(MessageItem *n_message);
    void sendInformation(QStringList n_lines);
};

#endif // TESTMODELCOLLEAGUE_H
