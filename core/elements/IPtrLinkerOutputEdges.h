#ifndef IPTRLINKEROUTPUTEDGES_H
#define IPTRLINKEROUTPUTEDGES_H

#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QWeakPointer>

#include "elements/WeakEdgeList.h"
#include "errors/NoElementExceptionOstra.h"
#include "errors/PointerIsNull.h"

// Consuming side of a vertex: the vertices (rules) that read this one. One entry per binding, so a
// rule that reads the parameter under two variable names is listed twice. Entries are weak; an
// entry is live, expired (its rule is gone) or null (emptied).
template<class T>
class IPtrLinkerOutputEdges
{
public:
    typedef QSharedPointer<T> ObjectTemplateSharedPtr;

    IPtrLinkerOutputEdges() {}
    explicit IPtrLinkerOutputEdges(const QList<ObjectTemplateSharedPtr> &n_adjacentOutVertices)
        : m_adjacentOutVertices(weakedges::fromShared(n_adjacentOutVertices))
    {
    }
    virtual ~IPtrLinkerOutputEdges() {}

    // Calls n_visit(vertex) for every entry in list order, null for an emptied or expired one;
    // builds no list.
    template<class F>
    void forEachAdjacentOutVertex(F n_visit) const
    {
        for (const QWeakPointer<T> &entry : m_adjacentOutVertices)
            n_visit(entry.toStrongRef());
    }

    // Calls n_visit(entry) with every weak entry itself, in list order, never made strong.
    template<class F>
    void forEachAdjacentOutEntry(F n_visit) const
    {
        for (const QWeakPointer<T> &entry : m_adjacentOutVertices)
            n_visit(entry);
    }

    // Every entry, null and expired ones included.
    virtual int getAdjacentOutVerticesCount() const { return m_adjacentOutVertices.size(); }

    // One element per entry; null for an emptied or expired entry.
    virtual QList<ObjectTemplateSharedPtr> getAdjacentOutVertices() const
    {
        return weakedges::toShared<T>(m_adjacentOutVertices);
    }

    // Ids of the live entries only, in list order.
    virtual QList<QString> getAdjacentOutVerticesIds() const
    {
        QList<QString> result;
        for (const QWeakPointer<T> &entry : m_adjacentOutVertices) {
            const ObjectTemplateSharedPtr vertex = entry.toStrongRef();
            if (!vertex.isNull())
                result.append(vertex->getId());
        }
        return result;
    }

    // Always appended: one entry per binding.
    virtual void addAdjacentOutVertex(ObjectTemplateSharedPtr n_adjacentOutVertex)
    {
        m_adjacentOutVertices.append(n_adjacentOutVertex.toWeakRef());
    }

    // Erases the first entry that links this very rule.
    virtual void removeAdjacentOutVertex(ObjectTemplateSharedPtr n_adjacentOutVertex)
    {
        const QString method = QStringLiteral(
            "removeAdjacentOutVertex(ObjectTemplateSharedPtr n_adjacentOutVertex)");
        if (n_adjacentOutVertex.isNull())
            throw PointerIsNull(QStringLiteral("IPtrLinkerOutputEdges"), method,
                                QSharedPointer<ExceptionOstra>());
        const int index = weakedges::indexOf(m_adjacentOutVertices, n_adjacentOutVertex);
        if (index < 0)
            throw NoElementExceptionOstra(n_adjacentOutVertex->getId(),
                                          QStringLiteral("IPtrLinkerOutputEdges"), method,
                                          QSharedPointer<ExceptionOstra>());
        m_adjacentOutVertices.removeAt(index);
    }

    // Empties the entry at the index; the list keeps its length.
    virtual void removeAdjacentOutVertex(int index)
    {
        weakedges::requireIndex(m_adjacentOutVertices, index,
                                QStringLiteral("IPtrLinkerOutputEdges"),
                                QStringLiteral("removeAdjacentOutVertex(const int index"));
        m_adjacentOutVertices[index] = QWeakPointer<T>();
    }

    // Empties the first entry whose live rule is this rule.
    virtual void deleteAdjacentOutVertex(ObjectTemplateSharedPtr n_adjacentOutVertex)
    {
        const QString method = QStringLiteral(
            "deleteAdjacentOutVertex(ObjectTemplateSharedPtr n_adjacentOutVertex)");
        if (n_adjacentOutVertex.isNull())
            throw PointerIsNull(QStringLiteral("IPtrLinkerOutputEdges"), method,
                                QSharedPointer<ExceptionOstra>());
        const int index = weakedges::indexOfLive(m_adjacentOutVertices, n_adjacentOutVertex);
        if (index < 0)
            throw NoElementExceptionOstra(n_adjacentOutVertex->getId(),
                                          QStringLiteral("IPtrLinkerOutputEdges"), method,
                                          QSharedPointer<ExceptionOstra>());
        m_adjacentOutVertices[index] = QWeakPointer<T>();
    }

    // Erases the entry at the index.
    virtual void deleteAdjacentOutVertex(int index)
    {
        weakedges::requireIndex(m_adjacentOutVertices, index,
                                QStringLiteral("IPtrLinkerOutputEdges"),
                                QStringLiteral("deleteAdjacentOutVertex(const int index)"));
        m_adjacentOutVertices.removeAt(index);
    }

    // Erases the emptied entries; expired ones stay.
    virtual void deleteNullAdjacentOutVertices() { weakedges::eraseEmptied(m_adjacentOutVertices); }

    // Erases the first live entry whose rule has this id.
    virtual void removeAdjacentOutVertex(const QString &n_adjacentOutVertexId)
    {
        const int index = weakedges::indexOfLiveId(m_adjacentOutVertices, n_adjacentOutVertexId);
        if (index < 0)
            throw NoElementExceptionOstra(
                n_adjacentOutVertexId, QStringLiteral("IPtrLinkerOutputEdges"),
                QStringLiteral("removeAdjacentOutVertex(const QString& n_adjacentOutVertexId)"),
                QSharedPointer<ExceptionOstra>());
        m_adjacentOutVertices.removeAt(index);
    }

    // Empties the first live entry whose rule has this id.
    virtual void deleteAdjacentOutVertex(const QString &n_adjacentOutVertexId)
    {
        const int index = weakedges::indexOfLiveId(m_adjacentOutVertices, n_adjacentOutVertexId);
        if (index < 0)
            throw NoElementExceptionOstra(
                n_adjacentOutVertexId, QStringLiteral("IPtrLinkerOutputEdges"),
                QStringLiteral("deleteAdjacentOutVertex(const QString& n_adjacentOutVertexId)"),
                QSharedPointer<ExceptionOstra>());
        m_adjacentOutVertices[index] = QWeakPointer<T>();
    }

    // One element per entry, cast to the owned class X; null for an emptied or expired entry.
    template<class X>
    QList<QSharedPointer<X>> getAdjacentOutVerticesConvert() const
    {
        return weakedges::toShared<X>(m_adjacentOutVertices);
    }

protected:
    QList<QWeakPointer<T>> m_adjacentOutVertices;
};

#endif // IPTRLINKEROUTPUTEDGES_H
