#include "elements/LinkedElementModel.h"

#include "elements/BaseObjectParent.h"
#include "elements/ParameterModel.h"
#include "elements/ParameterVertexPtrConn.h"
#include "elements/RelationModel.h"
#include "errors/ModelIntegrity.h"
#include "errors/NoParentException.h"
#include "errors/PointerIsNull.h"

namespace {

// The reason text of a link whose variable name the relation does not declare.
const QString REASON_NOT_IN_RELATION = QStringLiteral("No this linked object in relation");

// The variables the relation declares on one side, with their types.
QHash<QString, QVariant::Type> declaredTypes(const RelationModel &n_relation,
                                             relationbinding::Side n_side)
{
    return n_side == relationbinding::INPUT ? n_relation.getInputParametersTypes()
                                            : n_relation.getOutputParametersTypes();
}

// How a live link stands against those variables: one test for the summary and the findings.
enum class LinkFault { NONE, NOT_DECLARED, TYPE_DIFFERS };

LinkFault linkFault(const QHash<QString, QVariant::Type> &n_declared, const QString &n_name,
                    QVariant::Type n_type)
{
    const auto variable = n_declared.constFind(n_name);
    if (variable == n_declared.constEnd())
        return LinkFault::NOT_DECLARED;
    return variable.value() != n_type ? LinkFault::TYPE_DIFFERS : LinkFault::NONE;
}

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

LinkSummary summarizeLinks(const PtrLinkerHash<ParameterVertexPtrConn> &n_links,
                           const QSharedPointer<RelationModel> &n_relation,
                           relationbinding::Side n_side)
{
    const QHash<QString, QVariant::Type> types = n_relation.isNull()
                                                     ? QHash<QString, QVariant::Type>()
                                                     : declaredTypes(*n_relation, n_side);
    LinkSummary summary;
    n_links.forEachNamedEntry(
        [&](const QString &n_name, const QWeakPointer<ParameterVertexPtrConn> &n_entry) {
            const QSharedPointer<ParameterVertexPtrConn> parameter = n_entry.toStrongRef();
            if (parameter.isNull()) {
                ++summary.unbound;
                return;
            }
            ++summary.live;
            summary.parameters.append(parameter.data());
            if (!n_relation.isNull()
                && linkFault(types, n_name, parameter->getValueType()) != LinkFault::NONE)
                summary.linkFinding = true;
        });
    return summary;
}

void addLinkFindings(ModelIntegrity &n_report, const ReasonPtr &n_element,
                     const QSharedPointer<RelationModel> &n_relation, relationbinding::Side n_side,
                     const QHash<QString, QSharedPointer<ParameterModel>> &n_links,
                     int n_notInRelationCode, int n_typeMismatchCode)
{
    // One lookup per link in the relation's own table; the reason list is made only for a finding.
    const QHash<QString, QVariant::Type> declared = declaredTypes(*n_relation, n_side);
    for (auto it = n_links.constBegin(); it != n_links.constEnd(); ++it) {
        if (it.value().isNull())
            continue;
        const LinkFault fault = linkFault(declared, it.key(), it.value()->getValueType());
        if (fault == LinkFault::NOT_DECLARED)
            addFinding(n_report, IntegrityMsg::ERROR, n_notInRelationCode,
                       {n_element, n_relation, it.value()}, it.key(), REASON_NOT_IN_RELATION);
        else if (fault == LinkFault::TYPE_DIFFERS)
            addFinding(n_report, IntegrityMsg::ERROR, n_typeMismatchCode,
                       {n_element, n_relation, it.value()});
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
