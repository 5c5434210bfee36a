#include "elements/ConstraintModel.h"

#include "elements/LinkedElementModel.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "errors/IntegrityMsg.h"
#include "errors/NoParentException.h"
#include "model/OwnedElementParent.h"

using linkedelement::addFinding;
using linkedelement::ReasonPtr;

ConstraintModel::ConstraintModel()
{
}

ConstraintModel::ConstraintModel(const QString &n_id, QSharedPointer<OstraClass> n_parent)
    : ConstraintVertexPtrConnData(n_id), BaseObjectParent(n_parent)
{
}

ConstraintModel::ConstraintModel(const QString &n_id, const QString &n_shortName,
                                 const QString &n_description, const QString &n_author,
                                 const QString &n_GUID, QSharedPointer<OstraClass> n_parent)
    : ConstraintVertexPtrConnData(n_id, n_shortName, n_description, n_author, n_GUID),
      BaseObjectParent(n_parent)
{
}

ConstraintModel::ConstraintModel(
    const QString &n_id, QHash<QString, QSharedPointer<ParameterVertexPtrConn>> n_inputParameters,
    QSharedPointer<OstraClass> n_parent)
    : ConstraintVertexPtrConnData(n_id, n_inputParameters), BaseObjectParent(n_parent)
{
}

ConstraintModel::ConstraintModel(
    const QString &n_id, const QString &n_shortName, const QString &n_description,
    const QString &n_author, const QString &n_GUID,
    QHash<QString, QSharedPointer<ParameterVertexPtrConn>> n_inputParameters,
    QSharedPointer<OstraClass> n_parent)
    : ConstraintVertexPtrConnData(n_id, n_shortName, n_description, n_author, n_GUID,
                                  n_inputParameters),
      BaseObjectParent(n_parent)
{
}

ConstraintModel::ConstraintModel(const ConstraintModel &n_other)
    : ConstraintVertexPtrConnData(n_other),
      BaseObjectParent(), QEnableSharedFromThis<ConstraintModel>()
{
}

ConstraintModel::~ConstraintModel()
{
}

QSharedPointer<ParameterModel> ConstraintModel::getInputParameter(const QString &n_linkedName) const
{
    return qSharedPointerCast<ParameterModel>(getInputParameterConn(n_linkedName));
}

QHash<QString, QSharedPointer<ParameterModel>> ConstraintModel::getInputParameters() const
{
    return linkedelement::toParameterModels(getInputParametersHash());
}

void ConstraintModel::setParent(QSharedPointer<OstraClass> n_newParent)
{
    ownedelement::setParent(*this, n_newParent, QStringLiteral("ConstraintModel"),
                            &OstraClass::addConstraint);
}

void ConstraintModel::removeParent()
{
    ownedelement::removeParent(*this, QStringLiteral("ConstraintModel"),
                               &OstraClass::deleteConstraintFromClass);
}

ModelIntegrity ConstraintModel::checkConstraintIntegrity() const
{
    const QSharedPointer<RelationModel> relation = getRelationPtr();
    const linkedelement::LinkSummary inputs = linkedelement::summarizeLinks(
        m_inputParameters, relation, relationbinding::INPUT);

    ModelIntegrity report;
    const ReasonPtr self = sharedFromThis();
    if (relation.isNull()) {
        addFinding(report, IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_CONSTRAINT_WITHOUT_RELATION,
                   {self});
        return report;
    }
    const ReasonPtr relationReason = relation;
    const auto add = [&](IntegrityMsg::MsgType n_type, int n_code) {
        addFinding(report, n_type, n_code, {self, relationReason});
    };
    if (getShortName().length() == 0)
        add(IntegrityMsg::WARNING, IntegrityMsg::MSG_CODE_CONSTRAINT_SHORTNAME_IS_EMPTY);
    if (inputs.live < 1)
        add(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_CONSTRAINT_WITHOUT_INPUT_PARAMETERS);
    if (inputs.unbound > 0)
        add(IntegrityMsg::ERROR, IntegrityMsg::MSG_CODE_CONSTRAINT_ONE_INPUT_PARAMETER_IS_NULL);
    if (relation->getInputParametersCount() != inputs.live)
        add(IntegrityMsg::ERROR,
            IntegrityMsg::
                MSG_CODE_CONSTRAINT_INPUT_PARAMETERS_COUNT_MISMATH_RELATION_PARAMETER_COUNT);
    // The links are walked in the table's order only when one of them has a finding to give.
    if (inputs.linkFinding)
        linkedelement::addLinkFindings(
            report, self, relation, relationbinding::INPUT, getInputParameters(),
            IntegrityMsg::MSG_CODE_CONSTRAINT_INPUT_PARAMETER_LINKEDNAME_NO_IN_RELATION,
            IntegrityMsg::
                MSG_CODE_CONSTRAINT_INPUT_PARAMETER_VALUE_TYPE_DSNT_MATCH_RELATION_VALUE_TYPE);
    return report;
}

// ---- bindings, made through the owning class, which keeps both ends of an edge together ----

namespace {

const QString CONSTRAINT_CLASS_NAME = QStringLiteral("ConstraintModel");

// The parameter and the constraint are asked with the same method text.
QSharedPointer<OstraClass> checkedBindingParent(const ConstraintModel &n_constraint,
                                                const QSharedPointer<ParameterModel> &n_parameter,
                                                const QString &n_method)
{
    return linkedelement::checkedBindingParent(n_constraint, n_constraint.getId(), n_parameter,
                                               CONSTRAINT_CLASS_NAME, n_method, n_method);
}

} // namespace

void ConstraintModel::addInputParameter(const QString &n_linkedName,
                                        QSharedPointer<ParameterModel> n_parameter)
{
    const QSharedPointer<OstraClass> parent = checkedBindingParent(
        *this, n_parameter,
        QStringLiteral("addInputParameter(const QString &n_linkedName, "
                       "QSharedPointer<ParameterModel> n_parameter)"));
    const ConstraintModelPtr self = sharedFromThis();
    parent->addEdge(n_parameter, n_linkedName, self);
    parent->setMinLevelToConstraint(self);
}

void ConstraintModel::replaceInputParameter(const QString &n_linkedName,
                                            QSharedPointer<ParameterModel> n_new)
{
    const QSharedPointer<OstraClass> parent = checkedBindingParent(
        *this, n_new,
        QStringLiteral("replaceInputParameter(const QString &n_linkedName, "
                       "QSharedPointer<ParameterModel> n_new)"));
    const QSharedPointer<ParameterModel> old = getInputParameter(n_linkedName);
    const ConstraintModelPtr stored = parent->getConstraint(getId());
    if (!old.isNull())
        parent->deleteEdge(old, stored, n_linkedName);
    try {
        parent->addEdge(n_new, n_linkedName, stored);
    } catch (...) {
        // A refused rebinding keeps the binding the constraint had. The network asks the
        // constraint's side first, so a refusal has not listed it with the new parameter.
        if (!old.isNull())
            parent->addEdge(old, n_linkedName, stored);
        throw;
    }
    parent->setMinLevelToConstraint(sharedFromThis());
}

void ConstraintModel::removeInputParameter(const QString &n_linkedName)
{
    const QSharedPointer<ParameterModel> old = getInputParameter(n_linkedName);
    if (old.isNull())
        return; // already unbound
    const QSharedPointer<OstraClass> parent = getParent();
    if (parent.isNull())
        throw NoParentException(getId(), CONSTRAINT_CLASS_NAME,
                                QStringLiteral("removeInputParameter(const QString &n_linkedName)"),
                                QSharedPointer<ExceptionOstra>());
    parent->deleteEdge(old, parent->getConstraint(getId()), n_linkedName);
}

void ConstraintModel::deleteInputParameter(const QString &n_linkedName)
{
    removeInputParameter(n_linkedName);
    deleteInputParameterConn(n_linkedName);
}
