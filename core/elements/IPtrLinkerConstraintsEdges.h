#ifndef IPTRLINKERCONSTRAINTSEDGES_H
#define IPTRLINKERCONSTRAINTSEDGES_H

#include <QList>
#include <QSharedPointer>
#include <QWeakPointer>

// The constraints that read a vertex, held weakly: the owning class keeps them alive.
template<class T>
class IPtrLinkerConstraintsEdges
{
public:
    IPtrLinkerConstraintsEdges() {}
    explicit IPtrLinkerConstraintsEdges(const QList<QSharedPointer<T>> &n_linkedConstraints)
    {
        for (const QSharedPointer<T> &constraint : n_linkedConstraints)
            m_linkedConstraints.append(constraint.toWeakRef());
    }
    virtual ~IPtrLinkerConstraintsEdges() {}

    // Appended unless an entry already links this very constraint.
    void addLinkedConstraint(QSharedPointer<T> n_constraint)
    {
        for (const QWeakPointer<T> &entry : qAsConst(m_linkedConstraints))
            if (entry == n_constraint)
                return;
        m_linkedConstraints.append(n_constraint.toWeakRef());
    }

    // Erases the first entry linking this very constraint; an unlisted one is ignored.
    void deleteLinkedConstraint(QSharedPointer<T> n_constraint)
    {
        for (int i = 0; i < m_linkedConstraints.size(); ++i) {
            if (m_linkedConstraints.at(i) == n_constraint) {
                m_linkedConstraints.removeAt(i);
                return;
            }
        }
    }

    // One element per entry; null for an emptied or expired entry.
    QList<QSharedPointer<T>> getLinkedConstraints() const
    {
        QList<QSharedPointer<T>> result;
        for (const QWeakPointer<T> &entry : m_linkedConstraints)
            result.append(entry.toStrongRef());
        return result;
    }

    template<class X>
    QList<QSharedPointer<X>> getLinkedConstraintsConvert() const
    {
        QList<QSharedPointer<X>> result;
        for (const QWeakPointer<T> &entry : m_linkedConstraints)
            result.append(qSharedPointerCast<X>(entry.toStrongRef()));
        return result;
    }

protected:
    QList<QWeakPointer<T>> m_linkedConstraints;
};

#endif // IPTRLINKERCONSTRAINTSEDGES_H
