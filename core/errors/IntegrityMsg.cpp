#include "errors/IntegrityMsg.h"

IntegrityMsg::IntegrityMsg(IntegrityMsg::MsgType n_msgType, int n_msgCode,
                           QList<QSharedPointer<const BaseOstraObj>> n_msgReasons)
    : m_msgType(n_msgType), m_msgCode(n_msgCode), m_msgReasons(n_msgReasons)
{
}

void IntegrityMsg::addErrorReason(QSharedPointer<const BaseOstraObj> n_reason)
{
    m_msgReasons.append(n_reason);
}

void IntegrityMsg::addAdditionalErrorReason(const QString &n_key, const QString &n_reason)
{
    m_additionalReasons.insert(n_key, n_reason);
}

IntegrityMsg::MsgType IntegrityMsg::getMsgType() const
{
    return m_msgType;
}

int IntegrityMsg::getMsgCode() const
{
    return m_msgCode;
}

QList<QSharedPointer<const BaseOstraObj>> IntegrityMsg::getMsgReasons() const
{
    return m_msgReasons;
}
