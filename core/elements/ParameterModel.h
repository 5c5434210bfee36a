#ifndef PARAMETERMODEL_H
#define PARAMETERMODEL_H

#include <QEnableSharedFromThis>
#include <QList>
#include <QSharedPointer>
#include <QString>

#include "elements/BaseObjectParent.h"
#include "elements/ParameterVertexPtrConnData.h"

class OstraClass;
class RuleModel;
class ConstraintModel;

// A parameter owned by one class of the model tree. The class holds it by shared pointer; the
// parameter points back weakly. Moving it between classes or out of its class goes through the
// class, which calls back here, so the link and the class's sets change together. A parameter that
// is moved must live in a QSharedPointer, since the moves hand its own pointer to the class.
class ParameterModel : public ParameterVertexPtrConnData,
                       public BaseObjectParent,
                       public QEnableSharedFromThis<ParameterModel>
{
public:
    typedef QSharedPointer<ParameterModel> ParameterModelPtr;

    ParameterModel();
    // A class given here only sets the weak link: the class is not told and does not hold it.
    ParameterModel(const QString &n_id, QVariant::Type n_type, const QVariant &n_defaultValue,
                   QSharedPointer<OstraClass> n_parent);
    ParameterModel(const QString &n_id, QVariant::Type n_type, const QVariant &n_defaultValue,
                   const QList<RuleSharedPtr> &n_inputRules,
                   const QList<RuleSharedPtr> &n_outputRules, QSharedPointer<OstraClass> n_parent);
    ParameterModel(const QString &n_id, QVariant::Type n_type, const QVariant &n_defaultValue,
                   const QList<ConstraintSharedPtr> &n_constraints,
                   QSharedPointer<OstraClass> n_parent);
    ParameterModel(const QString &n_id, const QString &n_shortName, const QString &n_description,
                   const QString &n_author, const QString &n_GUID, QVariant::Type n_type,
                   const QVariant &n_defaultValue, const QList<RuleSharedPtr> &n_inputRules,
                   const QList<RuleSharedPtr> &n_outputRules,
                   const QList<ConstraintSharedPtr> &n_constraints,
                   QSharedPointer<OstraClass> n_parent);
    // Identity, type, values, search flags and extra fields; no edges and no owner.
    ParameterModel(const ParameterModel &n_other);
    ~ParameterModel() override;

    // The producing rules, the consuming rules and the linked constraints as the owned classes,
    // one element per edge; null for a dead edge.
    QList<QSharedPointer<RuleModel>> getInputRules() const;
    QList<QSharedPointer<RuleModel>> getOutputRules() const;
    QList<QSharedPointer<ConstraintModel>> getConstraints() const;

    // Text of the current / default value: only strings and doubles have one; null gives empty.
    QString getValueStr() const;
    QString getDefaultValueStr() const;

    // Puts the parameter into the class or moves it there. A null class is refused.
    void setParent(QSharedPointer<OstraClass> n_newParent) override;
    // Takes the parameter out of its class; without an owner it throws NoParentException.
    void removeParent() override;

private:
    QString valueToString(const QVariant &n_value) const;
};

#endif // PARAMETERMODEL_H
