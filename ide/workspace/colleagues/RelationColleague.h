#ifndef RELATIONCOLLEAGUE_H
#define RELATIONCOLLEAGUE_H

#include "workspace/colleagues/BaseColleague.h"

class MessageItem;

// Colleague of the relation editor pages (error mediator): their validation messages.
class RelationColleague : public BaseColleague
{
public:
    explicit RelationColleague(BaseMediator *n_mediator);

    void sendError(MessageItem *n_message);
    // Empties the error list before a new validation.
    void clearError();
};

#endif // RELATIONCOLLEAGUE_H
