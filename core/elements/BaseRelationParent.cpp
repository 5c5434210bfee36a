#include "elements/BaseRelationParent.h"

#include "errors/PointerIsNull.h"

BaseRelationParent::BaseRelationParent() = default;

BaseRelationParent::BaseRelationParent(RelationsStoragePtr n_parent) : m_parent(n_parent)
{
}

BaseRelationParent::BaseRelationParent(const BaseRelationParent &n_other) = default;

BaseRelationParent &BaseRelationParent::operator=(const BaseRelationParent &n_other) = default;

BaseRelationParent::~BaseRelationParent() = default;

void BaseRelationParent::setParent(RelationsStoragePtr n_parent)
{
    if (n_parent.isNull())
        throw PointerIsNull(QStringLiteral("BaseRelationParent"),
                            QStringLiteral("setParent(RelationsStoragePtr n_parent)"), nullptr);
    m_parent = n_parent;
}

void BaseRelationParent::removeParent()
{
    m_parent.clear();
}

void BaseRelationParent::setWeakParent(QWeakPointer<RelationsStorage> n_parent)
{
    m_parent = n_parent;
}

RelationsStoragePtr BaseRelationParent::getParent() const
{
    return m_parent.toStrongRef();
}

bool BaseRelationParent::hasParent() const
{
    return !m_parent.isNull();
}
