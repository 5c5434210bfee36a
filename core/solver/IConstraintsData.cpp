#include "solver/IConstraintsData.h"

#include "elements/IdStore.h"

namespace {

const QString CLASS_NAME = QStringLiteral("IConstraintsData");

} // namespace

IConstraintsData::IConstraintsData()
{
}

IConstraintsData::IConstraintsData(const IConstraintsData &n_other)
{
    copyConstraints(n_other);
}

IConstraintsData::~IConstraintsData()
{
}

IConstraintsData::ConstraintSharedPtr IConstraintsData::getConstraint(const QString &n_id) const
{
    return getConstraintSharedPtr(n_id);
}

QHash<QString, IConstraintsData::ConstraintSharedPtr> IConstraintsData::getConstraintsHash() const
{
    return m_constraints;
}

int IConstraintsData::getConstraintsCount() const
{
    return m_constraints.size();
}

bool IConstraintsData::constraintsContains(const QString &n_id) const
{
    return m_constraints.contains(n_id);
}

IConstraintsData::ConstraintSharedPtr IConstraintsData::getConstraintSharedPtr(
    const QString &n_id) const
{
    return idstore::findOrThrow(m_constraints, n_id, CLASS_NAME,
                                QStringLiteral("getConstraintSharedPtr(const QString &n_id)"));
}

IConstraintsData::ConstraintSharedPtr IConstraintsData::getConstraintPtr(const QString &n_id) const
{
    return idstore::findOrThrow(m_constraints, n_id, CLASS_NAME,
                                QStringLiteral("getConstraintPtr(const QString &n_id)"));
}

void IConstraintsData::copyConstraints(const IConstraintsData &n_other)
{
    for (const ConstraintSharedPtr &element : n_other.m_constraints)
        addConstraint(*element);
}

void IConstraintsData::addConstraint(const ConstraintModel &n_element)
{
    addConstraintPtr(QSharedPointer<ConstraintModel>::create(n_element));
}

void IConstraintsData::addConstraintPtr(ConstraintSharedPtr n_element)
{
    idstore::insertUnique(
        m_constraints, n_element, CLASS_NAME,
        QStringLiteral("addConstraintPtr(IConstraintsData::ConstraintSharedPtr n_constraint)"));
}

int IConstraintsData::deleteConstraint(const QString &n_id)
{
    getConstraintSharedPtr(n_id);
    return m_constraints.remove(n_id);
}

void IConstraintsData::resetConstraints()
{
    for (const ConstraintSharedPtr &element : qAsConst(m_constraints))
        element->reset();
}
