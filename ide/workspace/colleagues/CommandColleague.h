#ifndef COMMANDCOLLEAGUE_H
#define COMMANDCOLLEAGUE_H

#include "workspace/colleagues/BaseColleague.h"

// The main window's save commands towards the main mediator.
class CommandColleague : public BaseColleague
{
public:
    explicit CommandColleague(BaseMediator *n_mediator);

    // Saves the current editor tab; false when its page refuses.
    bool save();
    // Saves every editor tab; false when any page refuses.
    bool saveAll();
};

#endif // COMMANDCOLLEAGUE_H
