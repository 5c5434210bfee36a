#ifndef OWNEDELEMENTPARENT_H
#define OWNEDELEMENTPARENT_H

#include <QSharedPointer>
#include <QString>

#include "errors/NoParentException.h"
#include "errors/PointerIsNull.h"
#include "model/OstraClass.h"

// The owner operations that parameters, rules and constraints share. An element and its class
// call each other back: the element asks the class to take or drop it, the class updates its
// stores and calls the element again, which then finds itself held (isChild) and only changes
// its owner link. That is where the recursion ends.
namespace ownedelement {

template<class Element>
void setParent(Element &n_element, QSharedPointer<OstraClass> n_newParent,
               const QString &n_className, void (OstraClass::*n_add)(QSharedPointer<Element>))
{
    // Every later step asks the new class about the element; a null class would crash there.
    if (n_newParent.isNull())
        throw PointerIsNull(n_className,
                            QStringLiteral("setParent(QSharedPointer<OstraClass> n_newParent)"),
                            QSharedPointer<ExceptionOstra>());
    const QSharedPointer<Element> self = n_element.sharedFromThis();
    const QSharedPointer<OstraClass> currentParent = n_element.getParent();
    if (!currentParent.isNull()) {
        // The owner moves it; the new class then calls back here and finds it own.
        if (currentParent != n_newParent)
            currentParent->changeParent(self, n_newParent);
        return;
    }
    if (n_newParent->isChild(self))
        n_element.BaseObjectParent::setParent(n_newParent);
    else
        ((*n_newParent).*n_add)(self);
}

template<class Element>
void removeParent(Element &n_element, const QString &n_className,
                  void (OstraClass::*n_delete)(QSharedPointer<Element>, bool))
{
    const QSharedPointer<OstraClass> parent = n_element.getParent();
    if (parent.isNull())
        throw NoParentException(n_element.getId(), n_className, QStringLiteral("removeParent()"),
                                QSharedPointer<ExceptionOstra>());
    // The owning class drops the element with its edges and calls back here, which then only
    // clears the link.
    const QSharedPointer<Element> self = n_element.sharedFromThis();
    if (parent->isChild(self))
        ((*parent).*n_delete)(self, true);
    n_element.BaseObjectParent::removeParent();
}

} // namespace ownedelement

#endif // OWNEDELEMENTPARENT_H
