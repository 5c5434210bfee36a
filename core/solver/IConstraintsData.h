#ifndef ICONSTRAINTSDATA_H
#define ICONSTRAINTSDATA_H

#include <QHash>
#include <QSharedPointer>
#include <QString>

#include "elements/ConstraintModel.h"

// A class's constraints by id. The store knows nothing of edges; the elements are shared with
// whoever else holds them.
class IConstraintsData
{
public:
    typedef QSharedPointer<ConstraintModel> ConstraintSharedPtr;

    IConstraintsData();
    // New element objects with the same ids.
    IConstraintsData(const IConstraintsData &n_other);
    IConstraintsData &operator=(const IConstraintsData &) = delete;
    virtual ~IConstraintsData();

    virtual ConstraintSharedPtr getConstraint(const QString &n_id) const;
    virtual QHash<QString, ConstraintSharedPtr> getConstraintsHash() const;
    virtual int getConstraintsCount() const;
    virtual bool constraintsContains(const QString &n_id) const;

    ConstraintSharedPtr getConstraintSharedPtr(const QString &n_id) const;
    ConstraintSharedPtr getConstraintPtr(const QString &n_id) const;

    void copyConstraints(const IConstraintsData &n_other);
    void addConstraint(const ConstraintModel &n_element);
    void addConstraintPtr(ConstraintSharedPtr n_element);
    // Edges are not touched.
    int deleteConstraint(const QString &n_id);
    void resetConstraints();

protected:
    QHash<QString, ConstraintSharedPtr> m_constraints;
};

#endif // ICONSTRAINTSDATA_H
