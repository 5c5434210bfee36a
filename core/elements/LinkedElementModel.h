#ifndef LINKEDELEMENTMODEL_H
#define LINKEDELEMENTMODEL_H

#include <QHash>
#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QVarLengthArray>
#include <QVariant>

#include "elements/PtrLinkerHash.h"
#include "elements/RelationBinding.h"
#include "errors/IntegrityMsg.h"

class BaseObjectParent;
class BaseOstraObj;
class ModelIntegrity;
class OstraClass;
class ParameterModel;
class ParameterVertexPtrConn;
class RelationModel;

// Steps that the rule and constraint models share: their links seen as model parameters, the
// integrity findings about those links, and the owner checks before a binding edit.
namespace linkedelement {

typedef QSharedPointer<const BaseOstraObj> ReasonPtr;

// The model layer keeps only model parameters in the links, so the cast always fits; an unbound
// name stays null.
QHash<QString, QSharedPointer<ParameterModel>> toParameterModels(
    const QHash<QString, QSharedPointer<ParameterVertexPtrConn>> &n_links);

// One finding naming the objects in order, with an extra named reason when n_reasonName is not
// null.
void addFinding(ModelIntegrity &n_report, IntegrityMsg::MsgType n_type, int n_code,
                const QList<ReasonPtr> &n_objects, const QString &n_reasonName = QString(),
                const QString &n_reasonText = QString());

// One side's links as the integrity check sees them, read in one pass over the link table.
struct LinkSummary
{
    int live = 0;
    int unbound = 0;
    // A bound name that the relation does not declare or whose type differs from the parameter's.
    bool linkFinding = false;
    // The bound parameters, in table order.
    QVarLengthArray<const ParameterVertexPtrConn *, 4> parameters;
};

// The links of one side against the variables the relation declares on it; without a relation
// no link is judged.
LinkSummary summarizeLinks(const PtrLinkerHash<ParameterVertexPtrConn> &n_links,
                           const QSharedPointer<RelationModel> &n_relation,
                           relationbinding::Side n_side);

// For every bound link, in the table's order: an error when the relation does not declare its
// name on that side, otherwise an error when the types differ. Each names the element, the
// relation and the parameter.
void addLinkFindings(ModelIntegrity &n_report, const ReasonPtr &n_element,
                     const QSharedPointer<RelationModel> &n_relation, relationbinding::Side n_side,
                     const QHash<QString, QSharedPointer<ParameterModel>> &n_links,
                     int n_notInRelationCode, int n_typeMismatchCode);

// A binding edit goes through the owning class, so the parameter and then the element must belong
// to one: PointerIsNull for a null parameter, NoParentException for a missing owner (the
// parameter's with n_parameterMethod, the element's with n_elementMethod). Answers the element's
// class.
QSharedPointer<OstraClass> checkedBindingParent(const BaseObjectParent &n_element,
                                                const QString &n_elementId,
                                                const QSharedPointer<ParameterModel> &n_parameter,
                                                const QString &n_className,
                                                const QString &n_parameterMethod,
                                                const QString &n_elementMethod);

} // namespace linkedelement

#endif // LINKEDELEMENTMODEL_H
