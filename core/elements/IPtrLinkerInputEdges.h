#ifndef IPTRLINKERINPUTEDGES_H
#define IPTRLINKERINPUTEDGES_H

#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QWeakPointer>

#include "elements/WeakEdgeList.h"
#include "errors/NoElementExceptionOstra.h"
#include "errors/PointerIsNull.h"

// Producing side of a vertex: the vertices (rules) whose results feed this one. Entries are weak,
// so the list never keeps a rule alive; an entry is live, expired (its rule is gone) or null
// (emptied). The same rule is listed at most once. The operations touching the rule itself (its id,
// its explored flag) need T complete where they are instantiated.
template<class T>
class IPtrLinkerInputEdges
{
public:
    typedef QSharedPointer<T> ObjectTemplateSharedPtr;

    IPtrLinkerInputEdges() {}
    // Every rule becomes a weak entry in list order; duplicates are not looked for.
    explicit IPtrLinkerInputEdges(const QList<ObjectTemplateSharedPtr> &n_adjacentInVertices)
        : m_adjacentInVertices(weakedges::fromShared(n_adjacentInVertices))
    {
    }
    virtual ~IPtrLinkerInputEdges() {}

    // Appended unless an entry already links this very rule.
    virtual void addAdjacentInVertex(ObjectTemplateSharedPtr n_adjacentInVertex)
    {
        weakedges::appendOnce(m_adjacentInVertices, n_adjacentInVertex);
    }

    // Erases the first entry that links this very rule.
    virtual void removeAdjacentInVertex(ObjectTemplateSharedPtr n_adjacentInVertex)
    {
        if (n_adjacentInVertex.isNull())
            throw PointerIsNull(
                QStringLiteral("IPtrLinkerInputEdges"),
                QStringLiteral(
                    "removeAdjacentInVertex( ObjectTemplateSharedPtr n_adjacentInVertex)"),
                QSharedPointer<ExceptionOstra>());
        const int index = weakedges::indexOf(m_adjacentInVertices, n_adjacentInVertex);
        if (index < 0)
            throw NoElementExceptionOstra(
                n_adjacentInVertex->getId(), QStringLiteral("IPtrLinkerInputEdges"),
                QStringLiteral(
                    "removeAdjacentInVertex(ObjectTemplateSharedPtr n_adjacentInVertex)"),
                QSharedPointer<ExceptionOstra>());
        m_adjacentInVertices.removeAt(index);
    }

    // Empties the entry at the index; the list keeps its length.
    virtual void removeAdjacentInVertex(int index)
    {
        weakedges::requireIndex(m_adjacentInVertices, index, QStringLiteral("IPtrLinkerInputEdges"),
                                QStringLiteral("removeAdjacentInVertex(const int index"));
        m_adjacentInVertices[index] = QWeakPointer<T>();
    }

    // Empties the first entry whose live rule is this rule.
    virtual void deleteAdjacentInVertex(ObjectTemplateSharedPtr n_adjacentInVertex)
    {
        const QString method = QStringLiteral(
            "deleteAdjacentInVertex(ObjectTemplateSharedPtr n_adjacentInVertex)");
        if (n_adjacentInVertex.isNull())
            throw PointerIsNull(QStringLiteral("IPtrLinkerInputEdges"), method,
                                QSharedPointer<ExceptionOstra>());
        const int index = weakedges::indexOfLive(m_adjacentInVertices, n_adjacentInVertex);
        if (index < 0)
            throw NoElementExceptionOstra(n_adjacentInVertex->getId(),
                                          QStringLiteral("IPtrLinkerInputEdges"), method,
                                          QSharedPointer<ExceptionOstra>());
        m_adjacentInVertices[index] = QWeakPointer<T>();
    }

    // Erases the entry at the index.
    virtual void deleteAdjacentInVertex(int index)
    {
        weakedges::requireIndex(m_adjacentInVertices, index, QStringLiteral("IPtrLinkerInputEdges"),
                                QStringLiteral("deleteAdjacentInVertex(const int index)"));
        m_adjacentInVertices.removeAt(index);
    }

    // Erases the emptied entries; expired ones stay.
    virtual void deleteNullAdjacentInVertices() { weakedges::eraseEmptied(m_adjacentInVertices); }

    // Erases the first live entry whose rule has this id.
    virtual void removeAdjacentInVertex(const QString &n_adjacentInVertexId)
    {
        const int index = weakedges::indexOfLiveId(m_adjacentInVertices, n_adjacentInVertexId);
        if (index < 0)
            throw NoElementExceptionOstra(
                n_adjacentInVertexId, QStringLiteral("IPtrLinkerInputEdges"),
                QStringLiteral("removeAdjacentInVertex(const QString& n_adjacentInVertexId)"),
                QSharedPointer<ExceptionOstra>());
        m_adjacentInVertices.removeAt(index);
    }

    // Empties the first live entry whose rule has this id.
    virtual void deleteAdjacentInVertex(const QString &n_adjacentInVertexId)
    {
        const int index = weakedges::indexOfLiveId(m_adjacentInVertices, n_adjacentInVertexId);
        if (index < 0)
            throw NoElementExceptionOstra(
                n_adjacentInVertexId, QStringLiteral("IPtrLinkerInputEdges"),
                QStringLiteral("deleteAdjacentInVertex(const QString& n_adjacentInVertexId)"),
                QSharedPointer<ExceptionOstra>());
        m_adjacentInVertices[index] = QWeakPointer<T>();
    }

    // True as soon as one live producing rule has been reached by the current search.
    bool canBeExplored() const
    {
        for (const QWeakPointer<T> &entry : m_adjacentInVertices) {
            const ObjectTemplateSharedPtr vertex = entry.toStrongRef();
            if (!vertex.isNull() && vertex->m_explored)
                return true;
        }
        return false;
    }

    // Calls n_visit(entry) with every weak entry itself, in list order, never made strong.
    template<class F>
    void forEachAdjacentInEntry(F n_visit) const
    {
        for (const QWeakPointer<T> &entry : m_adjacentInVertices)
            n_visit(entry);
    }

    // One element per entry, cast to the owned class X; null for an emptied or expired entry.
    template<class X>
    QList<QSharedPointer<X>> getAdjacentInVerticesConvert() const
    {
        return weakedges::toShared<X>(m_adjacentInVertices);
    }

protected:
    QList<QWeakPointer<T>> m_adjacentInVertices;
};

#endif // IPTRLINKERINPUTEDGES_H
