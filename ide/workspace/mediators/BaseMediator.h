#ifndef BASEMEDIATOR_H
#define BASEMEDIATOR_H

#include "workspace/routing/WorkSpaceTypes.h"

#include <QStringList>

class BaseColleague;
class CommandItem;
class MessageItem;
class OstraClass;

// A mediator joins a few colleagues and decides, by comparing the sender with its colleague slots,
// where a request goes; a request from a sender it does not expect is dropped silently. It also
// holds the class the body shows (only the main mediator's is ever set; not owned).
class BaseMediator
{
public:
    BaseMediator() = default;
    virtual ~BaseMediator() = default;
    BaseMediator(const BaseMediator &) = delete;
    BaseMediator &operator=(const BaseMediator &) = delete;

    virtual void send(CommandItem *n_command, BaseColleague *n_sender) const = 0;
    virtual bool command(CommandType n_type, BaseColleague *n_sender) const = 0;
    virtual void sendError(MessageItem *n_message, BaseColleague *n_sender) const = 0;
    virtual void sendInformation(QStringList n_lines, BaseColleague *n_sender) const = 0;

    void setData(OstraClass *n_class);
    OstraClass *getOstraClass() const;

protected:
    // An empty slot never matches, not even a null sender.
    static bool isSender(const BaseColleague *n_slot, const BaseColleague *n_sender);

private:
    OstraClass *m_class = nullptr;
};

#endif // BASEMEDIATOR_H
