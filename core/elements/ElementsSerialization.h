#ifndef ELEMENTSSERIALIZATION_H
#define ELEMENTSSERIALIZATION_H

#include <QHash>
#include <QSet>
#include <QString>
#include <QVariant>

#include "errors/InconsistencyDataExceptionOstra.h"
#include "serialization/ISerializebleObject.h"
#include "serialization/ISerializerObject.h"

class AdditionalFields;
class BaseOstraObj;

// Steps that the stored parameters, rules and constraints share when they load and save themselves.
namespace elementsserialization {

// Reads "id" (empty or missing: NoIdExceptionOstra with className and the load method text, nothing
// set) and then the four descriptive texts, a missing one as empty.
void loadIdentity(const ISerializerObject &n_object, BaseOstraObj &n_element,
                  const QString &n_className);

// Every attribute that is neither one of the element's own names nor a common one becomes an extra
// field, in the node's hash order.
void loadExtraFields(const ISerializerObject &n_object, AdditionalFields &n_fields,
                     const QSet<QString> &n_ownNames);

// Writes "id" and each non-empty descriptive text; the id is checked by the caller.
void saveIdentity(ISerializerObject &n_object, const BaseOstraObj &n_element);

// The extra fields to write: a field named like one of the element's own or common attributes
// would overwrite that attribute, so it is left out.
QHash<QString, QVariant> extraFieldsToSave(const QHash<QString, QVariant> &n_fields,
                                           const QSet<QString> &n_ownNames);

// True when no variable name and no id of a link map holds a pair separator (":" or ";"), which
// would make the stored link text unreadable.
bool isLinkTextSafe(const QHash<QString, QString> &n_linkedIds);

// Writes one side of a rule's or constraint's links as text under n_attribute. A link table that
// does not cover the relation's variables of that side would load back wrong
// (InconsistencyDataExceptionOstra); an empty text means no links at all (NoLinksException).
template<class NoLinksException>
void saveLinks(ISerializerObject &n_object, const QString &n_attribute,
               const QHash<QString, QString> &n_linkedIds, int n_liveLinks, int n_relationVariables,
               const QString &n_className, const QString &n_method)
{
    if (n_liveLinks != n_relationVariables)
        throw InconsistencyDataExceptionOstra(n_className, n_method,
                                              QSharedPointer<ExceptionOstra>());
    const QString text = ISerializebleObject::convertLinkedObjectsToString(n_linkedIds);
    if (text.isEmpty())
        throw NoLinksException(n_className, n_method, QSharedPointer<ExceptionOstra>());
    n_object.addField(n_attribute, text);
}

// Writes the relation's id under n_attribute; an empty id is refused with NoRelation.
void saveRelationId(ISerializerObject &n_object, const QString &n_attribute,
                    const QString &n_relationId, const QString &n_className,
                    const QString &n_method);

} // namespace elementsserialization

#endif // ELEMENTSSERIALIZATION_H
