#ifndef BASEALGORITHM_H
#define BASEALGORITHM_H

#include <QHash>
#include <QList>
#include <QMultiHash>
#include <QSet>
#include <QSharedPointer>
#include <QString>
#include <QVariant>

#include "solver/AlgorithmSolution.h"
#include "solver/BaseAlgorithmData.h"
#include "solver/BaseClassCommonData.h"

// Abstract base of every solver: a class network of its own into which one class is loaded, the
// run's solution, the two settings flags, the settings record, and the working state the searches
// share (the rule-constraint table and the work queue).
class BaseAlgorithm : public BaseClassCommonData
{
public:
    enum OstraSearchType { STATIC_ALGORITHM = 0, RUNTIME_ALGORITHM = 1, REMOTE_ALGORITHM = 2 };

    BaseAlgorithm();
    BaseAlgorithm(bool n_useDefaultValues, bool n_useConstraints);
    // A null record is refused with PointerIsNull.
    explicit BaseAlgorithm(QSharedPointer<BaseAlgorithmData> n_algorithmData);
    BaseAlgorithm(const BaseClassCommonData &n_network,
                  QSharedPointer<BaseAlgorithmData> n_algorithmData);
    ~BaseAlgorithm() override;

    virtual void addKnownParameter(ParameterModel::ParameterModelPtr n_parameter);
    virtual void addKnownParameter(ParameterModel::ParameterModelPtr n_parameter, QVariant n_value);
    // An id the solver does not hold is skipped.
    virtual void addKnownParameter(const QString &n_id, QVariant n_value);
    virtual void addRequiredParameter(const QString &n_id);

    virtual OstraSearchType getAlgorithmType() const = 0;
    virtual void search() = 0;
    virtual bool calculate() = 0;
    virtual void resetAlgorithm() = 0;
    virtual QSharedPointer<BaseAlgorithmData> getAlgorithmData();

    // Shares the class's elements and the model's storage; nothing is copied.
    virtual void setData(BaseClassCommonData &n_network);

    void addKnownParameters(const QHash<ParameterModel::ParameterModelPtr, QVariant> &n_parameters);
    void addKnownParameters(const QHash<QString, QVariant> &n_parameters);
    void setKnownParameters(QSet<ParameterModel::ParameterModelPtr> n_parameters);
    void setKnownParameters(QHash<ParameterModel::ParameterModelPtr, QVariant> n_parameters);

    void addRequiredParameter(ParameterModel::ParameterModelPtr n_parameter);
    void addRequiredParameters(QSet<ParameterModel::ParameterModelPtr> n_parameters);
    void addRequiredParameters(const QSet<QString> &n_ids);
    void addRequiredParameters(const QList<QString> &n_ids);
    void setRequiredParameters(QSet<ParameterModel::ParameterModelPtr> n_parameters);

    void setUseDefaultValues(bool n_useDefaultValues);
    void setUseConstraints(bool n_useConstraints);
    bool getUseDefaultValues() const;
    bool getUseConstraints() const;
    bool isCalculated() const;
    QSharedPointer<AlgorithmSolution> getAlgorithmSolution();

protected:
    QSharedPointer<AlgorithmSolution> m_algorithmSolution;
    QMultiHash<QSharedPointer<RuleModel>, QSharedPointer<ConstraintModel>> m_ruleConstraints;
    bool m_useDefaultValues;
    bool m_useConstraints;
    bool m_calculated;
    QList<QSharedPointer<BaseOstraObj>> m_workQueue;
    QSharedPointer<BaseAlgorithmData> m_algorithmData;
};

#endif // BASEALGORITHM_H
