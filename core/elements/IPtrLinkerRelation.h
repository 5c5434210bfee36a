#ifndef IPTRLINKERRELATION_H
#define IPTRLINKERRELATION_H

#include <QSharedPointer>
#include <QString>
#include <QWeakPointer>

#include "errors/PointerIsNull.h"

// The one relation a rule or constraint evaluates, held weakly: the relations storage owns it.
template<class T>
class IPtrLinkerRelation
{
public:
    IPtrLinkerRelation() {}
    virtual ~IPtrLinkerRelation() {}

    // Null when no relation is linked or it is gone; never throws.
    QSharedPointer<T> getRelationPtr() const { return m_relation.toStrongRef(); }
    QSharedPointer<T> getRelationSharedPtr() { return m_relation.toStrongRef(); }

    // The linked relation's id (not its short name).
    QString getRelationName() const
    {
        const QSharedPointer<T> relation = m_relation.toStrongRef();
        if (relation.isNull())
            throw PointerIsNull(QStringLiteral("IPtrLinkerRelation"),
                                QStringLiteral("getRelationName()"),
                                QSharedPointer<ExceptionOstra>());
        return relation->getId();
    }

    // Reserved for the class network, which makes and removes the edge to a relation.
    void setRelationPtr(QSharedPointer<T> n_relation) { m_relation = n_relation.toWeakRef(); }
    void removeRelationPtr() { m_relation.clear(); }

protected:
    QWeakPointer<T> m_relation;
};

#endif // IPTRLINKERRELATION_H
