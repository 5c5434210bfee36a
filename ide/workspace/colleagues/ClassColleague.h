#ifndef CLASSCOLLEAGUE_H
#define CLASSCOLLEAGUE_H

#include "workspace/colleagues/PageColleague.h"

// Colleague of the class editor pages (error mediator): their validation messages.
class ClassColleague : public PageColleague
{
public:
    explicit ClassColleague(BaseMediator *n_mediator);
};

#endif // CLASSCOLLEAGUE_H
