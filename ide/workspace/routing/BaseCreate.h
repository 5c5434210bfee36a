#ifndef BASECREATE_H
#define BASECREATE_H

class CommandItem;

// An open page told that another page created an element it shows. The command is read during the
// call only; the result is not used by senders.
class BaseCreate
{
public:
    virtual bool createItem(CommandItem *n_command) = 0;
    virtual ~BaseCreate() = default;
};

#endif // BASECREATE_H
