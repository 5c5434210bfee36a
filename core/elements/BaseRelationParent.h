#ifndef BASERELATIONPARENT_H
#define BASERELATIONPARENT_H

#include <QSharedPointer>
#include <QWeakPointer>

class RelationsStorage;
typedef QSharedPointer<RelationsStorage> RelationsStoragePtr;

// Weak link of a relation to the relations storage that holds it; set by the storage when it adopts
// the relation and read as empty once the storage is gone.
class BaseRelationParent
{
public:
    BaseRelationParent();
    // Records the link only, null accepted; the storage is not told.
    explicit BaseRelationParent(RelationsStoragePtr n_parent);
    BaseRelationParent(const BaseRelationParent &n_other);
    BaseRelationParent &operator=(const BaseRelationParent &n_other);
    virtual ~BaseRelationParent();

    // Throws PointerIsNull for a null storage and keeps the old link.
    virtual void setParent(RelationsStoragePtr n_parent);
    virtual void removeParent();

    void setWeakParent(QWeakPointer<RelationsStorage> n_parent);
    // Null when no link is set or the storage is gone; never throws.
    RelationsStoragePtr getParent() const;
    bool hasParent() const;

private:
    QWeakPointer<RelationsStorage> m_parent;
};

#endif // BASERELATIONPARENT_H
