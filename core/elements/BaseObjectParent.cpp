#include "elements/BaseObjectParent.h"

BaseObjectParent::BaseObjectParent() = default;

BaseObjectParent::BaseObjectParent(QSharedPointer<OstraClass> n_parent) : m_parent(n_parent)
{
}

BaseObjectParent::BaseObjectParent(const BaseObjectParent &n_other) = default;

BaseObjectParent &BaseObjectParent::operator=(const BaseObjectParent &n_other) = default;

BaseObjectParent::~BaseObjectParent() = default;

void BaseObjectParent::setParent(QSharedPointer<OstraClass> n_parent)
{
    m_parent = n_parent;
}

void BaseObjectParent::removeParent()
{
    m_parent.clear();
}

void BaseObjectParent::setWeakParent(QWeakPointer<OstraClass> n_parent)
{
    m_parent = n_parent;
}

QSharedPointer<OstraClass> BaseObjectParent::getParent() const
{
    return m_parent.toStrongRef();
}

bool BaseObjectParent::hasParent() const
{
    return !m_parent.isNull();
}
