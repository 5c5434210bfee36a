#ifndef RELATIONCOLLEAGUE_H
#define RELATIONCOLLEAGUE_H

#include "workspace/colleagues/PageColleague.h"

// Colleague of the relation editor pages (error mediator): their validation messages.
class RelationColleague : public PageColleague
{
public:
    explicit RelationColleague(BaseMediator *n_mediator);
};

#endif // RELATIONCOLLEAGUE_H
