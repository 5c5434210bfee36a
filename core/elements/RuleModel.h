#ifndef RULEMODEL_H
#define RULEMODEL_H

#include <QEnableSharedFromThis>
#include <QHash>
#include <QSharedPointer>
#include <QString>

#include "elements/BaseObjectParent.h"
#include "elements/RuleVertexPtrConnData.h"
#include "errors/ModelIntegrity.h"

class OstraClass;
class ParameterModel;

// A rule as the model keeps it: owned by one class, whose stores hold it by shared pointer, while
// it points back weakly. It holds its class, relation and parameters weakly, so it keeps none of
// them alive. Always create it into a QSharedPointer: its integrity report and its owner
// operations hand out its own pointer.
class RuleModel : public RuleVertexPtrConnData,
                  public BaseObjectParent,
                  public QEnableSharedFromThis<RuleModel>
{
public:
    typedef QSharedPointer<RuleModel> RuleModelPtr;

    RuleModel();
    // A class given here only sets the weak link; the class's stores are not touched.
    RuleModel(const QString &n_id, QSharedPointer<OstraClass> n_parent);
    RuleModel(const QString &n_id, const QString &n_shortName, const QString &n_description,
              const QString &n_author, const QString &n_GUID, QSharedPointer<OstraClass> n_parent);
    RuleModel(const QString &n_id,
              QHash<QString, QSharedPointer<ParameterVertexPtrConn>> n_inputParameters,
              QHash<QString, QSharedPointer<ParameterVertexPtrConn>> n_outputParameters,
              QSharedPointer<OstraClass> n_parent);
    RuleModel(const QString &n_id, const QString &n_shortName, const QString &n_description,
              const QString &n_author, const QString &n_GUID,
              QHash<QString, QSharedPointer<ParameterVertexPtrConn>> n_inputParameters,
              QHash<QString, QSharedPointer<ParameterVertexPtrConn>> n_outputParameters,
              QSharedPointer<OstraClass> n_parent);
    // Identity, flags and extra fields; no links, no relation and no owner. The class network
    // re-links copies by id.
    RuleModel(const RuleModel &n_other);
    ~RuleModel() override;

    // The parameter bound at the variable name; null for an unbound name.
    QSharedPointer<ParameterModel> getInputParameter(const QString &n_linkedName) const;
    QSharedPointer<ParameterModel> getOutputParameter(const QString &n_linkedName) const;
    // Every variable name, null for an unbound one.
    QHash<QString, QSharedPointer<ParameterModel>> getInputParameters() const;
    QHash<QString, QSharedPointer<ParameterModel>> getOutputParameters() const;

    // Binding edits. Each goes through the owning class's network and then settles the rule in the
    // lowest class holding all its parameters; they arrive with the class tree.
    void addInputParameter(const QString &n_linkedName, QSharedPointer<ParameterModel> n_parameter);
    void addOutputParameter(const QString &n_linkedName,
                            QSharedPointer<ParameterModel> n_parameter);
    void replaceInputParameter(const QString &n_linkedName, QSharedPointer<ParameterModel> n_new);
    void replaceOutputParameter(const QString &n_linkedName, QSharedPointer<ParameterModel> n_new);
    void removeInputParameter(const QString &n_linkedName);
    void removeOutputParameter(const QString &n_linkedName);
    void deleteInputParameter(const QString &n_linkedName);
    void deleteOutputParameter(const QString &n_linkedName);

    // Puts the rule into the class or moves it there. A null class is refused.
    void setParent(QSharedPointer<OstraClass> n_newParent) override;
    // Takes the rule out of its class; without an owner it throws NoParentException.
    void removeParent() override;

    // Everything wrong with the rule, in a fixed order; never throws.
    ModelIntegrity checkRuleIntegrity() const;
    // One parameter bound under several output names.
    void checkSameOutputParameters(ModelIntegrity &n_report) const;
    // A rule none of whose outputs is new.
    void checkRuleInputOutputParametersAccord(ModelIntegrity &n_report) const;
};

#endif // RULEMODEL_H
