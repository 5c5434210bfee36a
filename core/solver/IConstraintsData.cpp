#include "solver/IConstraintsData.h"

#include "errors/ElementAlreadyExistExceptionOstra.h"
#include "errors/NoElementExceptionOstra.h"

IConstraintsData::IConstraintsData() {}

IConstraintsData::IConstraintsData(const IConstraintsData &n_other)
{
    copyConstraints(n_other);
}

IConstraintsData::~IConstraintsData() {}

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

IConstraintsData::ConstraintSharedPtr IConstraintsData::getConstraintSharedPtr(const QString &n_id) const
{
    const auto it = m_constraints.constFind(n_id);
    if (it == m_constraints.constEnd())
        throw NoElementExceptionOstra(n_id, QStringLiteral("IConstraintsData"),
                                      QStringLiteral("getConstraintSharedPtr(const QString &n_id)"),
                                      QSharedPointer<ExceptionOstra>());
    return it.value();
}

IConstraintsData::ConstraintSharedPtr IConstraintsData::getConstraintPtr(const QString &n_id) const
{
    const auto it = m_constraints.constFind(n_id);
    if (it == m_constraints.constEnd())
        throw NoElementExceptionOstra(n_id, QStringLiteral("IConstraintsData"),
                                      QStringLiteral("getConstraintPtr(const QString &n_id)"),
                                      QSharedPointer<ExceptionOstra>());
    return it.value();
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
    const QString id = n_element->getId();
    if (m_constraints.contains(id))
        throw ElementAlreadyExistExceptionOstra(id, QStringLiteral("IConstraintsData"),
                                                QStringLiteral("addConstraintPtr(IConstraintsData::ConstraintSharedPtr n_constraint)"),
                                                QSharedPointer<ExceptionOstra>());
    m_constraints.insert(id, n_element);
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
