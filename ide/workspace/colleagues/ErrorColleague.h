#ifndef ERRORCOLLEAGUE_H
#define ERRORCOLLEAGUE_H

#include "workspace/colleagues/BaseColleague.h"

#include <vector>

class MessageItem;
class QWidget;
class wErrorArea;

// Colleague of the error list. It only receives, so its colleague base is private; mediators
// compare senders with asColleague().
class ErrorColleague : private BaseColleague
{
public:
    explicit ErrorColleague(BaseMediator *n_mediator);

    void setErrorWidget(QWidget *n_widget);
    void addError(MessageItem *n_message);
    void addErrors(const std::vector<MessageItem> &n_messages);
    void clear();
    bool isErrorChecked();
    void retranslate() override;

    BaseColleague *asColleague();

private:
    wErrorArea *m_errors = nullptr;
};

#endif // ERRORCOLLEAGUE_H
