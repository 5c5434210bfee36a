#ifndef BASEDELETE_H
#define BASEDELETE_H

class CommandItem;

// An open page told that another page deleted an element it shows. The command is read during the
// call only; the result is not used by senders.
class BaseDelete
{
public:
    virtual bool deleteItem(CommandItem *n_command) = 0;
    virtual ~BaseDelete() = default;
};

#endif // BASEDELETE_H
