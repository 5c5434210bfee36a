#ifndef UIDGENERATORS_H
#define UIDGENERATORS_H

#include <QHash>
#include <QSharedPointer>
#include <QString>

namespace uidgenerators {

// A fresh element id: a random UUID in lower case, 8-4-4-4-12 hex digits, without braces.
QString genUid();

// Gives every element of the hash a fresh id. The hash is a copy, so the caller's keys stay as
// they were until refreshHash re-keys them.
template<class T>
void replaceUuid(QHash<QString, QSharedPointer<T>> n_hash)
{
    for (const QSharedPointer<T> &element : qAsConst(n_hash))
        element->setId(genUid());
}

// Keys every entry again by its element's current id. The keys are read first because the hash
// changes under the loop.
template<class T>
void refreshHash(QHash<QString, QSharedPointer<T>> &n_hash)
{
    const QList<QString> oldKeys = n_hash.keys();
    for (const QString &oldKey : oldKeys) {
        QSharedPointer<T> element = n_hash.take(oldKey);
        n_hash.insert(element->getId(), element);
    }
}

} // namespace uidgenerators

#endif // UIDGENERATORS_H
