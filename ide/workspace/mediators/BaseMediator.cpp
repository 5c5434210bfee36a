#include "workspace/mediators/BaseMediator.h"

void BaseMediator::setData(OstraClass *n_class)
{
    m_class = n_class;
}

OstraClass *BaseMediator::getOstraClass() const
{
    return m_class;
}

bool BaseMediator::isSender(const BaseColleague *n_slot, const BaseColleague *n_sender)
{
    return n_slot != nullptr && n_slot == n_sender;
}
