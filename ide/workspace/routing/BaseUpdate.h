#ifndef BASEUPDATE_H
#define BASEUPDATE_H

class CommandItem;

// An open page told that another page saved an element it shows. The command is read during the
// call only; the result is not used by senders.
class BaseUpdate
{
public:
    virtual bool updateItem(CommandItem *n_command) = 0;
    virtual ~BaseUpdate() = default;
};

#endif // BASEUPDATE_H
