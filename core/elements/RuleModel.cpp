#include "elements/RuleModel.h"

#include <QSet>

#include <algorithm>

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

void reportInputOutputAccord(const ReasonPtr &n_self, const ParameterTable &n_inputTable,
                             const ParameterTable &n_outputTable, ModelIntegrity &n_report)
{
    QSet<QSharedPointer<ParameterModel>> inputs;
    for (const QSharedPointer<ParameterModel> &parameter : n_inputTable)
        inputs.insert(parameter);
    QSet<QSharedPointer<ParameterModel>> outputs;
    for (const QSharedPointer<ParameterModel> &parameter : n_outputTable)
        outputs.insert(parameter);

    if (!(outputs - inputs).isEmpty())
        return;
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

// One parameter bound under two output names.
bool hasDuplicate(const linkedelement::LinkSummary &n_outputs)
{
    for (int i = 0; i < n_outputs.parameters.size(); ++i)
        for (int j = i + 1; j < n_outputs.parameters.size(); ++j)
            if (n_outputs.parameters.at(i) == n_outputs.parameters.at(j))
                return true;
    return false;
}

// Every output among the inputs, an unbound one meeting an unbound input: the case in which the
// rule may have no new output.
bool outputsAllAmongInputs(const linkedelement::LinkSummary &n_inputs,
                           const linkedelement::LinkSummary &n_outputs)
{
    if (n_outputs.unbound > 0 && n_inputs.unbound == 0)
        return false;
    for (const ParameterVertexPtrConn *output : n_outputs.parameters)
        if (!std::count(n_inputs.parameters.cbegin(), n_inputs.parameters.cend(), output))
            return false;
    return true;
}

// The findings about the links' counts and, for a rule with a link finding, the links in table
// order; the counts come from the summaries, which walk the same links.
void reportCountsAndLinks(const RuleModel &n_rule, const ReasonPtr &n_self,
                          const QSharedPointer<RelationModel> &n_relation,
                          const linkedelement::LinkSummary &n_inputs,
                          const linkedelement::LinkSummary &n_outputs, ModelIntegrity &n_report)
{
    const ReasonPtr relationReason = n_relation;
    const auto add = [&](IntegrityMsg::MsgType n_type, int n_code) {
        addFinding(n_report, n_type, n_code, {n_self, relationReason});
    };
    if (n_rule.getShortName().length() == 0)
        add(IntegrityMsg::WARNING, IntegrityMsg::MSG_CODE_RULE_SHORTNAME_IS_EMPTY);
    if (n_inputs.live < 1)
        add(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_RULE_WITHOUT_INPUT_PARAMETERS);
    if (n_outputs.live < 1)
        add(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_RULE_WITHOUT_OUTPUT_PARAMETERS);
    if (n_inputs.unbound > 0)
        add(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_RULE_ONE_INPUT_PARAMETER_IS_NULL);
    for (int i = 0; i < n_outputs.unbound; ++i)
        add(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_RULE_ONE_OUTPUT_PARAMETER_IS_NULL);
    if (n_relation->getInputParametersCount() != n_inputs.live)
        add(IntegrityMsg::ERROR,
            IntegrityMsg::MSG_CODE_RULE_INPUT_PARAMETERS_COUNT_MISMATH_RELATION_PARAMETER_COUNT);
    if (n_relation->getOutputParametersCount() != n_outputs.live)
        add(IntegrityMsg::ERROR,
            IntegrityMsg::MSG_CODE_RULE_OUTPUT_PARAMETERS_COUNT_MISMATH_RELATION_PARAMETER_COUNT);
    if (n_inputs.linkFinding)
        linkedelement::addLinkFindings(
            n_report, n_self, n_relation, relationbinding::INPUT, n_rule.getInputParameters(),
            IntegrityMsg::MSG_CODE_RULE_INPUT_PARAMETER_LINKEDNAME_NO_IN_RELATION,
            IntegrityMsg::MSG_CODE_RULE_INPUT_PARAMETER_VALUE_TYPE_DSNT_MATCH_RELATION_VALUE_TYPE);
    if (n_outputs.linkFinding)
        linkedelement::addLinkFindings(
            n_report, n_self, n_relation, relationbinding::OUTPUT, n_rule.getOutputParameters(),
            IntegrityMsg::MSG_CODE_RULE_OUTPUT_PARAMETER_LINKEDNAME_NO_IN_RELATION,
            IntegrityMsg::MSG_CODE_RULE_OUTPUT_PARAMETER_VALUE_TYPE_DSNT_MATCH_RELATION_VALUE_TYPE);
}

} // namespace

ModelIntegrity RuleModel::checkRuleIntegrity() const
{
    const QSharedPointer<RelationModel> relation = getRelationPtr();
    const linkedelement::LinkSummary inputs = linkedelement::summarizeLinks(
        m_inputParameters, relation, relationbinding::INPUT);
    const linkedelement::LinkSummary outputs = linkedelement::summarizeLinks(
        m_outputParameters, relation, relationbinding::OUTPUT);

    ModelIntegrity report;
    const ReasonPtr self = sharedFromThis();
    if (relation.isNull()) {
        addFinding(report, IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_RULE_WITHOUT_RELATION,
                   {self});
    } else {
        reportCountsAndLinks(*this, self, relation, inputs, outputs, report);
    }
    // The findings that follow the order of the link tables are rare: the tables are made only
    // for a rule that has one to give.
    if (hasDuplicate(outputs))
        reportSameOutputParameters(self, getOutputParameters(), report);
    if (outputsAllAmongInputs(inputs, outputs))
        reportInputOutputAccord(self, getInputParameters(), getOutputParameters(), report);
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
