#ifndef PAGECOLLEAGUE_H
#define PAGECOLLEAGUE_H

#include "workspace/colleagues/BaseColleague.h"

class MessageItem;

// What every editor page's colleague offers: the page's validation messages go to the error
// list, which is emptied before a new validation.
class PageColleague : public BaseColleague
{
public:
    explicit PageColleague(BaseMediator *n_mediator);

    void sendError(MessageItem *n_message);
    void clearError();
};

#endif // PAGECOLLEAGUE_H
