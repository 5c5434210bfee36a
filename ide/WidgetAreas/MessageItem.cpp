#include "WidgetAreas/MessageItem.h"

MessageItem::MessageItem(MessageType n_type, const QString &n_uid, const QString &n_information)
    : m_type(n_type), m_uid(n_uid), m_information(n_information)
{
}

MessageType MessageItem::getMessageType() const
{
    return m_type;
}

QString MessageItem::getUid() const
{
    return m_uid;
}

QString MessageItem::getInformation() const
{
    return m_information;
}
