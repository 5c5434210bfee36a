#ifndef PTRLINKERHASH_H
#define PTRLINKERHASH_H

#include <QHash>
#include <QSharedPointer>
#include <QString>
#include <QWeakPointer>

#include "errors/ElementAlreadyExistExceptionOstra.h"
#include "errors/NoElementExceptionOstra.h"
#include "errors/PointerIsNull.h"

// Weak links to vertices keyed by relation variable name. A name whose link is null or whose
// vertex is gone is an unbound name: it stays in the table with an empty link. "First" below means
// first in QHash order, which the fixed hash seed makes the same on every run.
template<class T>
class PtrLinkerHash
{
public:
    typedef QSharedPointer<T> ObjectTemplateSharedPtr;

    PtrLinkerHash() {}
    // A null pointer gives an unbound name.
    explicit PtrLinkerHash(const QHash<QString, ObjectTemplateSharedPtr> &n_linkedObjects)
    {
        for (auto it = n_linkedObjects.constBegin(); it != n_linkedObjects.constEnd(); ++it)
            m_linkedObjects.insert(it.key(), it.value().toWeakRef());
    }
    virtual ~PtrLinkerHash() {}

    // Name -> id of the live links; unbound names are left out.
    QHash<QString, QString> getLinkedObjectsIdsHash() const
    {
        QHash<QString, QString> result;
        for (auto it = m_linkedObjects.constBegin(); it != m_linkedObjects.constEnd(); ++it) {
            const ObjectTemplateSharedPtr object = it.value().toStrongRef();
            if (!object.isNull())
                result.insert(it.key(), object->getId());
        }
        return result;
    }

    // Live links only.
    int countOfLinkedObjectsHash() const
    {
        int count = 0;
        for (auto it = m_linkedObjects.constBegin(); it != m_linkedObjects.constEnd(); ++it)
            if (!it.value().toStrongRef().isNull())
                ++count;
        return count;
    }

    // Calls n_visit(object) for every name in table order, with null for an unbound one. Unlike
    // getLinkedObjectsHash it builds nothing, for the solver's walks over the network.
    template<class F>
    void forEachLinkedObject(F n_visit) const
    {
        forEachLinkedEntry([&](const QWeakPointer<T> &n_entry) { n_visit(n_entry.toStrongRef()); });
    }

    // Calls n_visit(entry) with every weak link itself, in table order, never made strong: the
    // solver's search reads a whole network this way without two atomic operations per link.
    // Counted rather than run to the end: stepping past the last entry scans every empty bucket
    // behind it, most of the cost of walking a table of one or two names.
    template<class F>
    void forEachLinkedEntry(F n_visit) const
    {
        forEachNamedEntry([&](const QString &, const auto &n_entry) { n_visit(n_entry); });
    }

    // Calls n_visit(name, entry) for every name in table order, the link never made strong here:
    // the integrity check reads a rule's links this way without building a table per rule.
    template<class F>
    void forEachNamedEntry(F n_visit) const
    {
        auto it = m_linkedObjects.constBegin();
        for (int left = m_linkedObjects.size(); left > 0; --left) {
            n_visit(it.key(), it.value());
            if (left > 1)
                ++it;
        }
    }

    // Every name; null for an unbound one.
    QHash<QString, ObjectTemplateSharedPtr> getLinkedObjectsHash() const
    {
        QHash<QString, ObjectTemplateSharedPtr> result;
        for (auto it = m_linkedObjects.constBegin(); it != m_linkedObjects.constEnd(); ++it)
            result.insert(it.key(), it.value().toStrongRef());
        return result;
    }

    // The first name whose live link points at this very object.
    QString getLinkedNameOfLinkedObject(ObjectTemplateSharedPtr n_linkedObject) const
    {
        const QString method = QStringLiteral(
            "getLinkedNameOfLinkedObject(ObjectTemplateSharedPtr n_linkedObject)");
        if (n_linkedObject.isNull())
            throw PointerIsNull(QStringLiteral("PtrLinkerHash"), method,
                                QSharedPointer<ExceptionOstra>());
        for (auto it = m_linkedObjects.constBegin(); it != m_linkedObjects.constEnd(); ++it) {
            const ObjectTemplateSharedPtr object = it.value().toStrongRef();
            if (!object.isNull() && object == n_linkedObject)
                return it.key();
        }
        throw NoElementExceptionOstra(n_linkedObject->getId(), QStringLiteral("PtrLinkerHash"),
                                      method, QSharedPointer<ExceptionOstra>());
    }

    bool containsLinkedObject(ObjectTemplateSharedPtr n_linkedObject) const
    {
        if (n_linkedObject.isNull())
            throw PointerIsNull(
                QStringLiteral("PtrLinkerHash"),
                QStringLiteral("containsLinkedObject(ObjectTemplateSharedPtr n_linkedObject)"),
                QSharedPointer<ExceptionOstra>());
        return isLiveLinked(n_linkedObject);
    }

    // Binds a new or unbound name; a name holding a live link is refused. The same object may
    // already be linked under another name.
    void addLinkedObject(const QString &n_linkedName, ObjectTemplateSharedPtr n_linkedObject)
    {
        const auto it = m_linkedObjects.constFind(n_linkedName);
        if (it != m_linkedObjects.constEnd() && !it.value().toStrongRef().isNull())
            throw ElementAlreadyExistExceptionOstra(
                n_linkedName, QStringLiteral("PtrLinkerHash"),
                QStringLiteral("addLinkedObject(const QString& n_linkedName, "
                               "ObjectTemplateSharedPtr n_linkedObject)"),
                QSharedPointer<ExceptionOstra>());
        m_linkedObjects.insert(n_linkedName, n_linkedObject.toWeakRef());
    }

    // Erases every unbound name.
    void deleteAllNullPointersLinkedObjects()
    {
        const QList<QString> names = m_linkedObjects.keys();
        for (const QString &name : names)
            if (m_linkedObjects.value(name).toStrongRef().isNull())
                m_linkedObjects.remove(name);
    }

    // Unbinds the name; the name stays.
    void removeLinkedObject(const QString &n_linkedName)
    {
        auto it = m_linkedObjects.find(n_linkedName);
        if (it == m_linkedObjects.end())
            throw NoElementExceptionOstra(
                n_linkedName, QStringLiteral("PtrLinkerHash"),
                QStringLiteral("removeLinkedObject(const QString& n_linkedName)"),
                QSharedPointer<ExceptionOstra>());
        it.value() = QWeakPointer<T>();
    }

    // Erases the name.
    void deleteLinkedObject(const QString &n_linkedName)
    {
        if (!m_linkedObjects.contains(n_linkedName))
            throw NoElementExceptionOstra(
                n_linkedName, QStringLiteral("PtrLinkerHash"),
                QStringLiteral("deleteLinkedObject(const QString& n_linkedName)"),
                QSharedPointer<ExceptionOstra>());
        m_linkedObjects.remove(n_linkedName);
    }

    // Binds an existing name to an object that is not yet live-linked under any name.
    void replaceLinkedObject(const QString &n_linkedName, ObjectTemplateSharedPtr n_linkedObject)
    {
        const QString method = QStringLiteral("replaceLinkedObject(const QString& n_linkedName, "
                                              "ObjectTemplateSharedPtr n_linkedObject)");
        if (n_linkedObject.isNull())
            throw PointerIsNull(QStringLiteral("PtrLinkerHash"), method,
                                QSharedPointer<ExceptionOstra>());
        if (!m_linkedObjects.contains(n_linkedName))
            throw NoElementExceptionOstra(n_linkedName, QStringLiteral("PtrLinkerHash"), method,
                                          QSharedPointer<ExceptionOstra>());
        if (isLiveLinked(n_linkedObject))
            throw ElementAlreadyExistExceptionOstra(n_linkedObject->getId(),
                                                    QStringLiteral("PtrLinkerHash"), method,
                                                    QSharedPointer<ExceptionOstra>());
        m_linkedObjects.insert(n_linkedName, n_linkedObject.toWeakRef());
    }

    // The linked object; null for an unbound name.
    ObjectTemplateSharedPtr getObject(const QString &n_linkedName) const
    {
        const auto it = m_linkedObjects.constFind(n_linkedName);
        if (it == m_linkedObjects.constEnd())
            throw NoElementExceptionOstra(n_linkedName, QStringLiteral("PtrLinkerHash"),
                                          QStringLiteral("getObject(const QString& n_linkedName)"),
                                          QSharedPointer<ExceptionOstra>());
        return it.value().toStrongRef();
    }

    // True when every linked object is explored. The walk stops at the first unexplored one, so an
    // unbound name later in table order goes unreported.
    bool canBeExplored() const
    {
        for (auto it = m_linkedObjects.constBegin(); it != m_linkedObjects.constEnd(); ++it) {
            const ObjectTemplateSharedPtr object = it.value().toStrongRef();
            if (object.isNull())
                throw PointerIsNull(QStringLiteral("PtrLinkerHash"),
                                    QStringLiteral("canBeExplored()"),
                                    QSharedPointer<ExceptionOstra>());
            if (!object->m_explored)
                return false;
        }
        return true;
    }

private:
    bool isLiveLinked(const ObjectTemplateSharedPtr &n_linkedObject) const
    {
        for (auto it = m_linkedObjects.constBegin(); it != m_linkedObjects.constEnd(); ++it) {
            const ObjectTemplateSharedPtr object = it.value().toStrongRef();
            if (!object.isNull() && object == n_linkedObject)
                return true;
        }
        return false;
    }

    QHash<QString, QWeakPointer<T>> m_linkedObjects;
};

#endif // PTRLINKERHASH_H
