#include "errors/ModelIntegrity.h"

ModelIntegrity::ModelIntegrity() : m_anyErrors(false)
{
}

void ModelIntegrity::addIntegrityMsg(IntegrityMsg &n_msg)
{
    m_integrityMsgs.append(n_msg);
    if (n_msg.getMsgType() == IntegrityMsg::ERROR)
        m_anyErrors = true;
}

void ModelIntegrity::addAllFromModelInegrity(const ModelIntegrity &n_other)
{
    // Copy first: merging a report into itself must not walk a list that grows.
    const QList<IntegrityMsg> otherMsgs = n_other.m_integrityMsgs;
    for (const IntegrityMsg &msg : otherMsgs) {
        m_integrityMsgs.append(msg);
        if (msg.getMsgType() == IntegrityMsg::ERROR)
            m_anyErrors = true;
    }
}

QList<IntegrityMsg> ModelIntegrity::getIntegrityMsgs() const
{
    return m_integrityMsgs;
}

bool ModelIntegrity::areAnyErrors() const
{
    return m_anyErrors;
}
