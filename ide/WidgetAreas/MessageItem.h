#ifndef MESSAGEITEM_H
#define MESSAGEITEM_H

#include <QString>

// Kind of a message for the error list.
enum MessageType { ERROR_MESSAGE = 1, WARNING_MESSAGE = 2, INFORMATION_MESSAGE = 3 };

// One message for the error list: its kind, the identifier of the element it is about (may be
// empty) and the text shown. A plain value: whoever reports a message owns it (on the stack or in a
// unique pointer) and hands it on by pointer; receivers copy what they need and keep no reference.
class MessageItem
{
public:
    MessageItem(MessageType n_type, const QString &n_uid, const QString &n_information);

    MessageType getMessageType() const;
    QString getUid() const;
    QString getInformation() const;

private:
    MessageType m_type;
    QString m_uid;
    QString m_information;
};

#endif // MESSAGEITEM_H
