#include "elements/LinkedElementModel.h"

#include "elements/BaseObjectParent.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "errors/ModelIntegrity.h"
#include "errors/NoParentException.h"
#include "errors/PointerIsNull.h"

namespace {

// The reason text of a link whose variable name the relation does not declare.
const QString REASON_NOT_IN_RELATION = QStringLiteral("No this linked object in relation");

} // namespace

namespace linkedelement {

QHash<QString, QSharedPointer<ParameterModel>> toParameterModels(
    const QHash<QString, QSharedPointer<ParameterVertexPtrConn>> &n_links)
{
    QHash<QString, QSharedPointer<ParameterModel>> result;
    for (auto it = n_links.constBegin(); it != n_links.constEnd(); ++it)
        result.insert(it.key(), qSharedPointerCast<ParameterModel>(it.value()));
    return result;
}

void addFinding(ModelIntegrity &n_report, IntegrityMsg::MsgType n_type, int n_code,
                const QList<ReasonPtr> &n_objects, const QString &n_reasonName,
                const QString &n_reasonText)
{
    IntegrityMsg msg(n_type, n_code, QList<ReasonPtr>());
    for (const ReasonPtr &object : n_objects)
        msg.addErrorReason(object);
    if (!n_reasonName.isNull())
        msg.addAdditionalErrorReason(n_reasonName, n_reasonText);
    n_report.addIntegrityMsg(msg);
}

bool hasUnboundLink(const QHash<QString, QSharedPointer<ParameterModel>> &n_links)
{
    for (auto it = n_links.constBegin(); it != n_links.constEnd(); ++it)
        if (it.value().isNull())
            return true;
    return false;
}

void addLinkFindings(ModelIntegrity &n_report, const ReasonPtr &n_element,
                     const QSharedPointer<RelationModel> &n_relation, relationbinding::Side n_side,
                     const QHash<QString, QSharedPointer<ParameterModel>> &n_links,
                     int n_notInRelationCode, int n_typeMismatchCode)
{
    const bool input = n_side == relationbinding::INPUT;
    for (auto it = n_links.constBegin(); it != n_links.constEnd(); ++it) {
        if (it.value().isNull())
            continue;
        const QList<ReasonPtr> objects = {n_element, n_relation, it.value()};
        const bool declared = input ? n_relation->containInputParameter(it.key())
                                    : n_relation->containOutputParameter(it.key());
        if (!declared) {
            addFinding(n_report, IntegrityMsg::ERROR, n_notInRelationCode, objects, it.key(),
                       REASON_NOT_IN_RELATION);
            continue;
        }
        const QVariant::Type variableType = input ? n_relation->getInputParameterType(it.key())
                                                  : n_relation->getOutputParameterType(it.key());
        if (variableType != it.value()->getValueType())
            addFinding(n_report, IntegrityMsg::ERROR, n_typeMismatchCode, objects);
    }
}

QSharedPointer<OstraClass> checkedBindingParent(const BaseObjectParent &n_element,
                                                const QString &n_elementId,
                                                const QSharedPointer<ParameterModel> &n_parameter,
                                                const QString &n_className,
                                                const QString &n_parameterMethod,
                                                const QString &n_elementMethod)
{
    if (n_parameter.isNull())
        throw PointerIsNull(n_className, n_parameterMethod, QSharedPointer<ExceptionOstra>());
    if (!n_parameter->hasParent())
        throw NoParentException(n_parameter->getId(), n_className, n_parameterMethod,
                                QSharedPointer<ExceptionOstra>());
    const QSharedPointer<OstraClass> parent = n_element.getParent();
    if (parent.isNull())
        throw NoParentException(n_elementId, n_className, n_elementMethod,
                                QSharedPointer<ExceptionOstra>());
    return parent;
}

} // namespace linkedelement
