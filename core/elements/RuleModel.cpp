#include "elements/RuleModel.h"

#include <QSet>

#include "elements/LinkedElementModel.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "errors/IntegrityMsg.h"
#include "errors/NoParentException.h"
#include "model/OwnedElementParent.h"

using linkedelement::addFinding;
using linkedelement::ReasonPtr;
using linkedelement::toParameterModels;

namespace {

const QString REASON_DUPLICATE = QStringLiteral("Duplicate parameter");

} // namespace

RuleModel::RuleModel()
{
}

RuleModel::RuleModel(const QString &n_id, QSharedPointer<OstraClass> n_parent)
    : RuleVertexPtrConnData(n_id), BaseObjectParent(n_parent)
{
}

RuleModel::RuleModel(const QString &n_id, const QString &n_shortName, const QString &n_description,
                     const QString &n_author, const QString &n_GUID,
                     QSharedPointer<OstraClass> n_parent)
    : RuleVertexPtrConnData(n_id, n_shortName, n_description, n_author, n_GUID),
      BaseObjectParent(n_parent)
{
}

RuleModel::RuleModel(const QString &n_id,
                     QHash<QString, QSharedPointer<ParameterVertexPtrConn>> n_inputParameters,
                     QHash<QString, QSharedPointer<ParameterVertexPtrConn>> n_outputParameters,
                     QSharedPointer<OstraClass> n_parent)
    : RuleVertexPtrConnData(n_id, n_inputParameters, n_outputParameters), BaseObjectParent(n_parent)
{
}

RuleModel::RuleModel(const QString &n_id, const QString &n_shortName, const QString &n_description,
                     const QString &n_author, const QString &n_GUID,
                     QHash<QString, QSharedPointer<ParameterVertexPtrConn>> n_inputParameters,
                     QHash<QString, QSharedPointer<ParameterVertexPtrConn>> n_outputParameters,
                     QSharedPointer<OstraClass> n_parent)
    : RuleVertexPtrConnData(n_id, n_shortName, n_description, n_author, n_GUID, n_inputParameters,
                            n_outputParameters),
      BaseObjectParent(n_parent)
{
}

RuleModel::RuleModel(const RuleModel &n_other)
    : RuleVertexPtrConnData(n_other), BaseObjectParent(), QEnableSharedFromThis<RuleModel>()
{
}

RuleModel::~RuleModel()
{
}

QSharedPointer<ParameterModel> RuleModel::getInputParameter(const QString &n_linkedName) const
{
    return qSharedPointerCast<ParameterModel>(getInputParameterConn(n_linkedName));
}

QSharedPointer<ParameterModel> RuleModel::getOutputParameter(const QString &n_linkedName) const
{
    return qSharedPointerCast<ParameterModel>(getOutputParameterConn(n_linkedName));
}

QHash<QString, QSharedPointer<ParameterModel>> RuleModel::getInputParameters() const
{
    return toParameterModels(getInputParametersHash());
}

QHash<QString, QSharedPointer<ParameterModel>> RuleModel::getOutputParameters() const
{
    return toParameterModels(getOutputParametersHash());
}

void RuleModel::setParent(QSharedPointer<OstraClass> n_newParent)
{
    ownedelement::setParent(*this, n_newParent, QStringLiteral("RuleModel"), &OstraClass::addRule);
}

void RuleModel::removeParent()
{
    ownedelement::removeParent(*this, QStringLiteral("RuleModel"),
                               &OstraClass::deleteRuleFromClass);
}

namespace {

typedef QHash<QString, QSharedPointer<ParameterModel>> ParameterTable;

void reportSameOutputParameters(const ReasonPtr &n_self, const ParameterTable &n_outputTable,
                                ModelIntegrity &n_report)
{
    // Unbound names have no parameter to name; findings of their own report them.
    QList<QSharedPointer<ParameterModel>> outputs;
    for (auto it = n_outputTable.constBegin(); it != n_outputTable.constEnd(); ++it)
        if (!it.value().isNull())
            outputs.append(it.value());

    for (int i = 0; i < outputs.size() - 1; ++i) {
        const QSharedPointer<ParameterModel> parameter = outputs.at(i);
        for (int j = i + 1; j < outputs.size(); ++j) {
            if (outputs.at(j) == parameter) {
                outputs.removeAt(j);
                addFinding(n_report, IntegrityMsg::ERROR,
                           IntegrityMsg::MSG_CODE_RULE_SAME_OUTPUT_PARAMETERS, {n_self},
                           parameter->getShortName(), REASON_DUPLICATE);
                break;
            }
        }
    }
}

// Whether every output (an unbound one as null) is among the inputs: the tables are a few names
// each, so a scan spares building sets for the usual rule, whose outputs are new.
bool outputsAllInInputs(const ParameterTable &n_inputs, const ParameterTable &n_outputs)
{
    for (auto out = n_outputs.constBegin(); out != n_outputs.constEnd(); ++out) {
        bool found = false;
        for (auto in = n_inputs.constBegin(); in != n_inputs.constEnd() && !found; ++in)
            found = in.value() == out.value();
        if (!found)
            return false;
    }
    return true;
}

void reportInputOutputAccord(const ReasonPtr &n_self, const ParameterTable &n_inputTable,
                             const ParameterTable &n_outputTable, ModelIntegrity &n_report)
{
    if (!outputsAllInInputs(n_inputTable, n_outputTable))
        return;
    QSet<QSharedPointer<ParameterModel>> inputs;
    for (const QSharedPointer<ParameterModel> &parameter : n_inputTable)
        inputs.insert(parameter);
    QSet<QSharedPointer<ParameterModel>> outputs;
    for (const QSharedPointer<ParameterModel> &parameter : n_outputTable)
        outputs.insert(parameter);

    QSet<QSharedPointer<ParameterModel>> shared = outputs & inputs;
    // An unbound name on both sides meets as a null element; it has no short name to give.
    shared.remove(QSharedPointer<ParameterModel>());
    if (shared.isEmpty())
        return;
    // One finding carrying every shared parameter as a reason.
    IntegrityMsg msg(
        IntegrityMsg::ERROR,
        IntegrityMsg::MSG_CODE_RULE_SAME_INPUT_AND_OUTPUT_PARAMETERS_WITHOUT_UNIQ_PARAMETER,
        QList<ReasonPtr>());
    msg.addErrorReason(n_self);
    for (const QSharedPointer<ParameterModel> &parameter : qAsConst(shared))
        msg.addAdditionalErrorReason(parameter->getShortName(), REASON_DUPLICATE);
    n_report.addIntegrityMsg(msg);
}

} // namespace

ModelIntegrity RuleModel::checkRuleIntegrity() const
{
    ModelIntegrity report;
    const ReasonPtr self = sharedFromThis();
    // Each table is read once: the checks below all walk the same links.
    const ParameterTable inputs = getInputParameters();
    const ParameterTable outputs = getOutputParameters();
    const QSharedPointer<RelationModel> relation = getRelationPtr();
    if (relation.isNull()) {
        addFinding(report, IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_RULE_WITHOUT_RELATION,
                   {self});
    } else {
        const ReasonPtr relationReason = relation;
        const QList<ReasonPtr> ruleAndRelation = {self, relationReason};
        if (getShortName().length() == 0)
            addFinding(report, IntegrityMsg::WARNING,
                       IntegrityMsg::MSG_CODE_RULE_SHORTNAME_IS_EMPTY, ruleAndRelation);
        const int liveInputs = linkedelement::liveCount(inputs);
        const int liveOutputs = linkedelement::liveCount(outputs);
        if (liveInputs < 1)
            addFinding(report, IntegrityMsg::ERROR,
                       IntegrityMsg::MSG_CODE_RULE_WITHOUT_INPUT_PARAMETERS, ruleAndRelation);
        if (liveOutputs < 1)
            addFinding(report, IntegrityMsg::ERROR,
                       IntegrityMsg::MSG_CODE_RULE_WITHOUT_OUTPUT_PARAMETERS, ruleAndRelation);

        if (linkedelement::hasUnboundLink(inputs))
            addFinding(report, IntegrityMsg::ERROR,
                       IntegrityMsg::MSG_CODE_RULE_ONE_INPUT_PARAMETER_IS_NULL, ruleAndRelation);
        for (auto it = outputs.constBegin(); it != outputs.constEnd(); ++it)
            if (it.value().isNull())
                addFinding(report, IntegrityMsg::ERROR,
                           IntegrityMsg::MSG_CODE_RULE_ONE_OUTPUT_PARAMETER_IS_NULL,
                           ruleAndRelation);

        if (relation->getInputParametersCount() != liveInputs)
            addFinding(
                report, IntegrityMsg::ERROR,
                IntegrityMsg::MSG_CODE_RULE_INPUT_PARAMETERS_COUNT_MISMATH_RELATION_PARAMETER_COUNT,
                ruleAndRelation);
        if (relation->getOutputParametersCount() != liveOutputs)
            addFinding(report, IntegrityMsg::ERROR,
                       IntegrityMsg::
                           MSG_CODE_RULE_OUTPUT_PARAMETERS_COUNT_MISMATH_RELATION_PARAMETER_COUNT,
                       ruleAndRelation);

        linkedelement::addLinkFindings(
            report, self, relation, relationbinding::INPUT, inputs,
            IntegrityMsg::MSG_CODE_RULE_INPUT_PARAMETER_LINKEDNAME_NO_IN_RELATION,
            IntegrityMsg::MSG_CODE_RULE_INPUT_PARAMETER_VALUE_TYPE_DSNT_MATCH_RELATION_VALUE_TYPE);
        linkedelement::addLinkFindings(
            report, self, relation, relationbinding::OUTPUT, outputs,
            IntegrityMsg::MSG_CODE_RULE_OUTPUT_PARAMETER_LINKEDNAME_NO_IN_RELATION,
            IntegrityMsg::MSG_CODE_RULE_OUTPUT_PARAMETER_VALUE_TYPE_DSNT_MATCH_RELATION_VALUE_TYPE);
    }
    reportSameOutputParameters(self, outputs, report);
    reportInputOutputAccord(self, inputs, outputs, report);
    return report;
}

void RuleModel::checkSameOutputParameters(ModelIntegrity &n_report) const
{
    reportSameOutputParameters(sharedFromThis(), getOutputParameters(), n_report);
}

void RuleModel::checkRuleInputOutputParametersAccord(ModelIntegrity &n_report) const
{
    reportInputOutputAccord(sharedFromThis(), getInputParameters(), getOutputParameters(),
                            n_report);
}

// ---- bindings, made through the owning class, which keeps both ends of an edge together ----

namespace {

const QString RULE_CLASS_NAME = QStringLiteral("RuleModel");

// Both the parameter and the rule must belong to a class; the parameter is asked first.
QSharedPointer<OstraClass> checkedBindingParent(const RuleModel &n_rule,
                                                const QSharedPointer<ParameterModel> &n_parameter,
                                                const QString &n_parameterMethod,
                                                const QString &n_ruleMethod)
{
    return linkedelement::checkedBindingParent(n_rule, n_rule.getId(), n_parameter, RULE_CLASS_NAME,
                                               n_parameterMethod, n_ruleMethod);
}

} // namespace

void RuleModel::addInputParameter(const QString &n_linkedName,
                                  QSharedPointer<ParameterModel> n_parameter)
{
    const QString method = QStringLiteral(
        "addInputParameter(QSharedPointer<ParameterModel> n_parameter)");
    const QSharedPointer<OstraClass> parent = checkedBindingParent(*this, n_parameter, method,
                                                                   method);
    const RuleModelPtr self = sharedFromThis();
    parent->addEdge(n_parameter, n_linkedName, self);
    parent->setMinLevelToRule(self);
}

void RuleModel::addOutputParameter(const QString &n_linkedName,
                                   QSharedPointer<ParameterModel> n_parameter)
{
    const QString method = QStringLiteral(
        "addOutputParameter(QSharedPointer<ParameterModel> n_parameter)");
    const QSharedPointer<OstraClass> parent = checkedBindingParent(*this, n_parameter, method,
                                                                   method);
    const RuleModelPtr stored = parent->getRule(getId());
    parent->addEdge(n_linkedName, stored, n_parameter);
    parent->setMinLevelToRule(stored);
}

void RuleModel::replaceInputParameter(const QString &n_linkedName,
                                      QSharedPointer<ParameterModel> n_new)
{
    const QString method = QStringLiteral(
        "replaceInputParameter(const QString& n_linkedName, QSharedPointer<ParameterModel> n_new)");
    const QSharedPointer<OstraClass> parent = checkedBindingParent(*this, n_new, method, method);
    const QSharedPointer<ParameterModel> old = getInputParameter(n_linkedName);
    const RuleModelPtr self = sharedFromThis();
    if (!old.isNull()) {
        parent->deleteEdge(old, self, n_linkedName);
        deleteInputParameterConn(n_linkedName);
    }
    try {
        parent->addEdge(n_new, n_linkedName, self);
    } catch (...) {
        // A refused rebinding keeps the binding the rule had. The network asks the rule's side
        // first, so a refusal has not listed the rule among the new parameter's readers.
        if (!old.isNull())
            parent->addEdge(old, n_linkedName, self);
        throw;
    }
    parent->setMinLevelToRule(self);
}

void RuleModel::replaceOutputParameter(const QString &n_linkedName,
                                       QSharedPointer<ParameterModel> n_new)
{
    const QSharedPointer<OstraClass> parent = checkedBindingParent(
        *this, n_new,
        QStringLiteral("replaceOutputParameter(QSharedPointer<ParameterModel> "
                       "n_new,QSharedPointer<ParameterModel> n_old)"),
        QStringLiteral("replaceOutputParameter(QSharedPointer<ParameterModel> n_new, "
                       "QSharedPointer<ParameterModel> n_old)"));
    const QSharedPointer<ParameterModel> old = getOutputParameter(n_linkedName);
    const RuleModelPtr self = sharedFromThis();
    if (!old.isNull()) {
        parent->deleteEdge(self, old, n_linkedName);
        deleteOutputParameterConn(n_linkedName);
    }
    try {
        parent->addEdge(n_linkedName, self, n_new);
    } catch (...) {
        if (!old.isNull())
            parent->addEdge(n_linkedName, self, old);
        throw;
    }
    parent->setMinLevelToRule(self);
}

void RuleModel::removeInputParameter(const QString &n_linkedName)
{
    const QSharedPointer<ParameterModel> old = getInputParameter(n_linkedName);
    if (old.isNull())
        return; // already unbound: the parameter's side of the edge is gone with it
    const QSharedPointer<OstraClass> parent = getParent();
    if (parent.isNull())
        throw NoParentException(getId(), RULE_CLASS_NAME,
                                QStringLiteral("removeInputParameter(const QString &n_linkedName)"),
                                QSharedPointer<ExceptionOstra>());
    parent->deleteEdge(old, sharedFromThis(), n_linkedName);
}

void RuleModel::removeOutputParameter(const QString &n_linkedName)
{
    const QSharedPointer<ParameterModel> old = getOutputParameter(n_linkedName);
    if (old.isNull())
        return;
    const QSharedPointer<OstraClass> parent = getParent();
    if (parent.isNull())
        throw NoParentException(
            getId(), RULE_CLASS_NAME,
            QStringLiteral("removeOutputParameter(const QString &n_linkedName)"),
            QSharedPointer<ExceptionOstra>());
    parent->deleteEdge(sharedFromThis(), old, n_linkedName);
}

void RuleModel::deleteInputParameter(const QString &n_linkedName)
{
    removeInputParameter(n_linkedName);
    deleteInputParameterConn(n_linkedName);
}

void RuleModel::deleteOutputParameter(const QString &n_linkedName)
{
    removeOutputParameter(n_linkedName);
    deleteOutputParameterConn(n_linkedName);
}
