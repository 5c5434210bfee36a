#ifndef IDSTORE_H
#define IDSTORE_H

#include <QHash>
#include <QSharedPointer>
#include <QString>

#include "errors/ElementAlreadyExistExceptionOstra.h"
#include "errors/NoElementExceptionOstra.h"

// Lookups and inserts that the stores of elements by id (relations, parameters, rules,
// constraints) share. Each store passes its own class name and method texts, which the exceptions
// carry unchanged.
namespace idstore {

// The element stored under the id; NoElementExceptionOstra when there is none.
template<class T>
QSharedPointer<T> findOrThrow(const QHash<QString, QSharedPointer<T>> &n_store, const QString &n_id,
                              const QString &n_className, const QString &n_method)
{
    const auto it = n_store.constFind(n_id);
    if (it == n_store.constEnd())
        throw NoElementExceptionOstra(n_id, n_className, n_method,
                                      QSharedPointer<ExceptionOstra>());
    return it.value();
}

// Stores the element under its own id; ElementAlreadyExistExceptionOstra when the id is taken, so
// an element is never replaced behind its holders' backs. The element must not be null.
template<class T>
void insertUnique(QHash<QString, QSharedPointer<T>> &n_store, const QSharedPointer<T> &n_element,
                  const QString &n_className, const QString &n_method)
{
    const QString id = n_element->getId();
    // One lookup: the slot is made empty when the id is new, and a taken one is left as it was.
    const int before = n_store.size();
    QSharedPointer<T> &slot = n_store[id];
    if (n_store.size() == before)
        throw ElementAlreadyExistExceptionOstra(id, n_className, n_method,
                                                QSharedPointer<ExceptionOstra>());
    slot = n_element;
}

} // namespace idstore

#endif // IDSTORE_H
