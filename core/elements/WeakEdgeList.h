#ifndef WEAKEDGELIST_H
#define WEAKEDGELIST_H

#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QWeakPointer>

#include "errors/PointerIsNull.h"

// Walks over the weak edge lists of a vertex (producing rules, reading rules, reading constraints).
// An entry is live, expired (its vertex is gone) or emptied (a null weak pointer). Comparing an
// entry with a shared pointer tests the very object, even when the entry has expired, while a live
// match needs the object to exist still. The lists' exception texts stay with their classes.
namespace weakedges {

template<class T>
QList<QWeakPointer<T>> fromShared(const QList<QSharedPointer<T>> &n_vertices)
{
    QList<QWeakPointer<T>> result;
    for (const QSharedPointer<T> &vertex : n_vertices)
        result.append(vertex.toWeakRef());
    return result;
}

// The vertex of a live entry, without making the entry strong; null for an emptied or expired
// one. For walks on the one thread that owns the network: nothing can drop the vertex while the
// walk holds the pointer, so the strong reference (two atomic operations) buys nothing there.
template<class T>
T *liveVertex(const QWeakPointer<T> &n_entry)
{
    if (n_entry.isNull())
        return nullptr;
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    return n_entry.data();
    QT_WARNING_POP
}

// One element per entry, cast to X; null for an emptied or expired entry.
template<class X, class T>
QList<QSharedPointer<X>> toShared(const QList<QWeakPointer<T>> &n_entries)
{
    QList<QSharedPointer<X>> result;
    for (const QWeakPointer<T> &entry : n_entries)
        result.append(qSharedPointerCast<X>(entry.toStrongRef()));
    return result;
}

// Appended unless an entry already links this very vertex.
template<class T>
void appendOnce(QList<QWeakPointer<T>> &n_entries, const QSharedPointer<T> &n_vertex)
{
    for (const QWeakPointer<T> &entry : qAsConst(n_entries))
        if (entry == n_vertex)
            return;
    n_entries.append(n_vertex.toWeakRef());
}

// The first entry that links this very vertex, or -1.
template<class T>
int indexOf(const QList<QWeakPointer<T>> &n_entries, const QSharedPointer<T> &n_vertex)
{
    for (int i = 0; i < n_entries.size(); ++i)
        if (n_entries.at(i) == n_vertex)
            return i;
    return -1;
}

// The first entry whose live vertex is this vertex, or -1.
template<class T>
int indexOfLive(const QList<QWeakPointer<T>> &n_entries, const QSharedPointer<T> &n_vertex)
{
    for (int i = 0; i < n_entries.size(); ++i)
        if (n_entries.at(i).toStrongRef() == n_vertex)
            return i;
    return -1;
}

// The first live entry whose vertex has this id, or -1.
template<class T>
int indexOfLiveId(const QList<QWeakPointer<T>> &n_entries, const QString &n_id)
{
    for (int i = 0; i < n_entries.size(); ++i) {
        const QSharedPointer<T> vertex = n_entries.at(i).toStrongRef();
        if (!vertex.isNull() && vertex->getId() == n_id)
            return i;
    }
    return -1;
}

// An index outside the list is refused with PointerIsNull, as the lists always have.
template<class T>
void requireIndex(const QList<QWeakPointer<T>> &n_entries, int n_index, const QString &n_className,
                  const QString &n_method)
{
    if (n_index < 0 || n_index >= n_entries.size())
        throw PointerIsNull(n_className, n_method, QSharedPointer<ExceptionOstra>());
}

// Erases the emptied entries; expired ones stay.
template<class T>
void eraseEmptied(QList<QWeakPointer<T>> &n_entries)
{
    const QWeakPointer<T> empty;
    for (int i = n_entries.size() - 1; i >= 0; --i)
        if (n_entries.at(i) == empty)
            n_entries.removeAt(i);
}

} // namespace weakedges

#endif // WEAKEDGELIST_H
