#ifndef IPARAMETERSDATA_H
#define IPARAMETERSDATA_H

#include <QHash>
#include <QSet>
#include <QSharedPointer>
#include <QString>
#include <QVariant>

#include "elements/ParameterModel.h"

// A class's parameters by id, and the parameters whose default value was set through this store.
// The store knows nothing of edges; the elements are shared with whoever else holds them.
class IParametersData
{
public:
    typedef QSharedPointer<ParameterModel> ParameterSharedPtr;

    IParametersData();
    // New parameter objects with the same ids; the default-value set names the copies.
    IParametersData(const IParametersData &n_other);
    IParametersData &operator=(const IParametersData &) = delete;
    virtual ~IParametersData();

    virtual ParameterSharedPtr getParameter(const QString &n_id) const;
    virtual QHash<QString, ParameterSharedPtr> getParametersHash() const;
    virtual QSet<ParameterSharedPtr> getParametersDefaultValuesSet() const;
    virtual int getParametersCount() const;
    virtual bool parametersContains(const QString &n_id) const;
    // Sets the default value and remembers the parameter; an invalid or null value is refused.
    virtual void setParameterDefaultValue(const QString &n_id, const QVariant &n_value);
    // In key order; the first failure stops the loop, the defaults set before it stay.
    virtual void setParametersDefaultValues(const QHash<QString, QVariant> &n_values);

    ParameterSharedPtr getParameterSharedPtr(const QString &n_id) const;
    ParameterSharedPtr getParameterPtr(const QString &n_id) const;

    void copyParameters(const IParametersData &n_other);
    void copyDefaultValue(const IParametersData &n_other);

    void addParameter(const ParameterModel &n_parameter);
    void addParameterPtr(ParameterSharedPtr n_parameter);
    // Edges are not touched. The parameter also leaves the default-value set, so that a later copy
    // of the store does not look for it.
    int deleteParameter(const QString &n_id);
    // Computed state only; default values stay.
    void resetParameters();

protected:
    QHash<QString, ParameterSharedPtr> m_parameters;
    QSet<ParameterSharedPtr> m_defaultValueParameters;
};

#endif // IPARAMETERSDATA_H
