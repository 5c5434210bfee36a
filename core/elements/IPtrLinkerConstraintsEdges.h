#ifndef IPTRLINKERCONSTRAINTSEDGES_H
#define IPTRLINKERCONSTRAINTSEDGES_H

#include <QList>
#include <QSharedPointer>
#include <QWeakPointer>

#include "elements/WeakEdgeList.h"

// The constraints that read a vertex, held weakly: the owning class keeps them alive.
template<class T>
class IPtrLinkerConstraintsEdges
{
public:
    IPtrLinkerConstraintsEdges() {}
    explicit IPtrLinkerConstraintsEdges(const QList<QSharedPointer<T>> &n_linkedConstraints)
        : m_linkedConstraints(weakedges::fromShared(n_linkedConstraints))
    {
    }
    virtual ~IPtrLinkerConstraintsEdges() {}

    // Appended unless an entry already links this very constraint.
    void addLinkedConstraint(QSharedPointer<T> n_constraint)
    {
        weakedges::appendOnce(m_linkedConstraints, n_constraint);
    }

    // Erases the first entry linking this very constraint; an unlisted one is ignored.
    void deleteLinkedConstraint(QSharedPointer<T> n_constraint)
    {
        const int index = weakedges::indexOf(m_linkedConstraints, n_constraint);
        if (index >= 0)
            m_linkedConstraints.removeAt(index);
    }

    // One element per entry; null for an emptied or expired entry.
    QList<QSharedPointer<T>> getLinkedConstraints() const
    {
        return weakedges::toShared<T>(m_linkedConstraints);
    }

    template<class X>
    QList<QSharedPointer<X>> getLinkedConstraintsConvert() const
    {
        return weakedges::toShared<X>(m_linkedConstraints);
    }

protected:
    QList<QWeakPointer<T>> m_linkedConstraints;
};

#endif // IPTRLINKERCONSTRAINTSEDGES_H
