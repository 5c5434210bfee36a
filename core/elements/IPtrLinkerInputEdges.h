#ifndef IPTRLINKERINPUTEDGES_H
#define IPTRLINKERINPUTEDGES_H

#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QWeakPointer>

#include "errors/NoElementExceptionOstra.h"
#include "errors/PointerIsNull.h"

// Producing side of a vertex: the vertices (rules) whose results feed this one. Entries are weak, so
// the list never keeps a rule alive; an entry is live, expired (its rule is gone) or null (emptied).
// The same rule is listed at most once. The operations touching the rule itself (its id, its
// explored flag) need T complete where they are instantiated.
template<class T>
class IPtrLinkerInputEdges
{
public:
    typedef QSharedPointer<T> ObjectTemplateSharedPtr;

    IPtrLinkerInputEdges() {}
    // Every rule becomes a weak entry in list order; duplicates are not looked for.
    explicit IPtrLinkerInputEdges(const QList<ObjectTemplateSharedPtr> &n_adjacentInVertices)
    {
        for (const ObjectTemplateSharedPtr &vertex : n_adjacentInVertices)
            m_adjacentInVertices.append(vertex.toWeakRef());
    }
    virtual ~IPtrLinkerInputEdges() {}

    // Appended unless an entry already links this very rule.
    virtual void addAdjacentInVertex(ObjectTemplateSharedPtr n_adjacentInVertex)
    {
        for (const QWeakPointer<T> &entry : qAsConst(m_adjacentInVertices))
            if (entry == n_adjacentInVertex)
                return;
        m_adjacentInVertices.append(n_adjacentInVertex.toWeakRef());
    }

    // Erases the first entry that links this very rule.
    virtual void removeAdjacentInVertex(ObjectTemplateSharedPtr n_adjacentInVertex)
    {
        if (n_adjacentInVertex.isNull())
            throw PointerIsNull(QStringLiteral("IPtrLinkerInputEdges"),
                                QStringLiteral("removeAdjacentInVertex( ObjectTemplateSharedPtr n_adjacentInVertex)"),
                                QSharedPointer<ExceptionOstra>());
        for (int i = 0; i < m_adjacentInVertices.size(); ++i) {
            if (m_adjacentInVertices.at(i) == n_adjacentInVertex) {
                m_adjacentInVertices.removeAt(i);
                return;
            }
        }
        throw NoElementExceptionOstra(n_adjacentInVertex->getId(), QStringLiteral("IPtrLinkerInputEdges"),
                                      QStringLiteral("removeAdjacentInVertex(ObjectTemplateSharedPtr n_adjacentInVertex)"),
                                      QSharedPointer<ExceptionOstra>());
    }

    // Empties the entry at the index; the list keeps its length.
    virtual void removeAdjacentInVertex(int index)
    {
        if (index < 0 || index >= m_adjacentInVertices.size())
            throw PointerIsNull(QStringLiteral("IPtrLinkerInputEdges"),
                                QStringLiteral("removeAdjacentInVertex(const int index"),
                                QSharedPointer<ExceptionOstra>());
        m_adjacentInVertices[index] = QWeakPointer<T>();
    }

    // Empties the first entry whose live rule is this rule.
    virtual void deleteAdjacentInVertex(ObjectTemplateSharedPtr n_adjacentInVertex)
    {
        const QString method = QStringLiteral("deleteAdjacentInVertex(ObjectTemplateSharedPtr n_adjacentInVertex)");
        if (n_adjacentInVertex.isNull())
            throw PointerIsNull(QStringLiteral("IPtrLinkerInputEdges"), method, QSharedPointer<ExceptionOstra>());
        for (int i = 0; i < m_adjacentInVertices.size(); ++i) {
            if (m_adjacentInVertices.at(i).toStrongRef() == n_adjacentInVertex) {
                m_adjacentInVertices[i] = QWeakPointer<T>();
                return;
            }
        }
        throw NoElementExceptionOstra(n_adjacentInVertex->getId(), QStringLiteral("IPtrLinkerInputEdges"), method,
                                      QSharedPointer<ExceptionOstra>());
    }

    // Erases the entry at the index.
    virtual void deleteAdjacentInVertex(int index)
    {
        if (index < 0 || index >= m_adjacentInVertices.size())
            throw PointerIsNull(QStringLiteral("IPtrLinkerInputEdges"),
                                QStringLiteral("deleteAdjacentInVertex(const int index)"),
                                QSharedPointer<ExceptionOstra>());
        m_adjacentInVertices.removeAt(index);
    }

    // Erases the emptied entries; expired ones stay.
    virtual void deleteNullAdjacentInVertices()
    {
        const QWeakPointer<T> empty;
        for (int i = m_adjacentInVertices.size() - 1; i >= 0; --i)
            if (m_adjacentInVertices.at(i) == empty)
                m_adjacentInVertices.removeAt(i);
    }

    // Erases the first live entry whose rule has this id.
    virtual void removeAdjacentInVertex(const QString &n_adjacentInVertexId)
    {
        const int index = indexOfLiveId(n_adjacentInVertexId);
        if (index < 0)
            throw NoElementExceptionOstra(n_adjacentInVertexId, QStringLiteral("IPtrLinkerInputEdges"),
                                          QStringLiteral("removeAdjacentInVertex(const QString& n_adjacentInVertexId)"),
                                          QSharedPointer<ExceptionOstra>());
        m_adjacentInVertices.removeAt(index);
    }

    // Empties the first live entry whose rule has this id.
    virtual void deleteAdjacentInVertex(const QString &n_adjacentInVertexId)
    {
        const int index = indexOfLiveId(n_adjacentInVertexId);
        if (index < 0)
            throw NoElementExceptionOstra(n_adjacentInVertexId, QStringLiteral("IPtrLinkerInputEdges"),
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

    // One element per entry, cast to the owned class X; null for an emptied or expired entry.
    template<class X>
    QList<QSharedPointer<X>> getAdjacentInVerticesConvert() const
    {
        QList<QSharedPointer<X>> result;
        for (const QWeakPointer<T> &entry : m_adjacentInVertices)
            result.append(qSharedPointerCast<X>(entry.toStrongRef()));
        return result;
    }

protected:
    QList<QWeakPointer<T>> m_adjacentInVertices;

private:
    int indexOfLiveId(const QString &n_id) const
    {
        for (int i = 0; i < m_adjacentInVertices.size(); ++i) {
            const ObjectTemplateSharedPtr vertex = m_adjacentInVertices.at(i).toStrongRef();
            if (!vertex.isNull() && vertex->getId() == n_id)
                return i;
        }
        return -1;
    }
};

#endif // IPTRLINKERINPUTEDGES_H
