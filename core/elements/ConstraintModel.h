#ifndef CONSTRAINTMODEL_H
#define CONSTRAINTMODEL_H

#include <QEnableSharedFromThis>
#include <QHash>
#include <QSharedPointer>
#include <QString>

#include "elements/BaseObjectParent.h"
#include "elements/ConstraintVertexPtrConnData.h"
#include "errors/ModelIntegrity.h"

class OstraClass;
class ParameterModel;

// A constraint as the model keeps it: owned by one class, whose stores hold it by shared pointer,
// while it points back weakly. Always create it into a QSharedPointer: its integrity report and
// its owner operations hand out its own pointer.
class ConstraintModel : public ConstraintVertexPtrConnData,
                        public BaseObjectParent,
                        public QEnableSharedFromThis<ConstraintModel>
{
public:
    typedef QSharedPointer<ConstraintModel> ConstraintModelPtr;

    ConstraintModel();
    // A class given here only sets the weak link; the class's stores are not touched.
    ConstraintModel(const QString &n_id, QSharedPointer<OstraClass> n_parent);
    ConstraintModel(const QString &n_id, const QString &n_shortName, const QString &n_description,
                    const QString &n_author, const QString &n_GUID,
                    QSharedPointer<OstraClass> n_parent);
    ConstraintModel(const QString &n_id,
                    QHash<QString, QSharedPointer<ParameterVertexPtrConn>> n_inputParameters,
                    QSharedPointer<OstraClass> n_parent);
    ConstraintModel(const QString &n_id, const QString &n_shortName, const QString &n_description,
                    const QString &n_author, const QString &n_GUID,
                    QHash<QString, QSharedPointer<ParameterVertexPtrConn>> n_inputParameters,
                    QSharedPointer<OstraClass> n_parent);
    // Identity, flags and extra fields with a result parameter of its own; no links, no relation
    // and no owner. The class network re-links copies by id.
    ConstraintModel(const ConstraintModel &n_other);
    ~ConstraintModel() override;

    // The parameter bound at the variable name; null for an unbound name.
    QSharedPointer<ParameterModel> getInputParameter(const QString &n_linkedName) const;
    // Every variable name, null for an unbound one.
    QHash<QString, QSharedPointer<ParameterModel>> getInputParameters() const;

    // Binding edits. Each goes through the owning class's network and then settles the constraint
    // in the lowest class holding all its parameters; they arrive with the class tree.
    void addInputParameter(const QString &n_linkedName, QSharedPointer<ParameterModel> n_parameter);
    void replaceInputParameter(const QString &n_linkedName, QSharedPointer<ParameterModel> n_new);
    void removeInputParameter(const QString &n_linkedName);
    void deleteInputParameter(const QString &n_linkedName);

    // Puts the constraint into the class or moves it there. A null class is refused.
    void setParent(QSharedPointer<OstraClass> n_newParent) override;
    // Takes the constraint out of its class; without an owner it throws NoParentException.
    void removeParent() override;

    // Everything wrong with the constraint, in a fixed order; never throws.
    ModelIntegrity checkConstraintIntegrity() const;
};

#endif // CONSTRAINTMODEL_H
