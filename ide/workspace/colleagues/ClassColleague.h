#ifndef CLASSCOLLEAGUE_H
#define CLASSCOLLEAGUE_H

#include "workspace/colleagues/BaseColleague.h"

class MessageItem;

// Colleague of the class editor pages (error mediator): their validation messages.
class ClassColleague : public BaseColleague
{
public:
    explicit ClassColleague(BaseMediator *n_mediator);

    void sendError(MessageItem *n_message);
    // Empties the error list before a new validation.
    void clearError();
};

#endif // CLASSCOLLEAGUE_H
