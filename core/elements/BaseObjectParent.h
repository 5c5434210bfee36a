#ifndef BASEOBJECTPARENT_H
#define BASEOBJECTPARENT_H

#include <QSharedPointer>
#include <QWeakPointer>

class OstraClass;

// Weak link of a parameter, rule, constraint or class to the class that owns it. The owned kinds
// override setParent/removeParent to move themselves between classes and call these to record the
// link; the link never keeps the owner alive.
class BaseObjectParent
{
public:
    BaseObjectParent();
    // Records the link only; the class is not told. A null pointer gives no owner.
    explicit BaseObjectParent(QSharedPointer<OstraClass> n_parent);
    BaseObjectParent(const BaseObjectParent &n_other);
    BaseObjectParent &operator=(const BaseObjectParent &n_other);
    virtual ~BaseObjectParent() = 0;

    // A null pointer empties the link.
    virtual void setParent(QSharedPointer<OstraClass> n_parent);
    virtual void removeParent();

    void setWeakParent(QWeakPointer<OstraClass> n_parent);
    // Null when no link is set or the owner is gone; never throws.
    QSharedPointer<OstraClass> getParent() const;
    bool hasParent() const;

private:
    QWeakPointer<OstraClass> m_parent;
};

#endif // BASEOBJECTPARENT_H
