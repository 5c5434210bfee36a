#ifndef ELEMENTSSERIALIZATION_H
#define ELEMENTSSERIALIZATION_H

#include <QHash>
#include <QSet>
#include <QString>
#include <QVariant>

class AdditionalFields;
class BaseOstraObj;
class ISerializerObject;

// Steps that the stored parameters, rules and constraints share when they load and save themselves.
namespace elementsserialization {

// Reads "id" (empty or missing: NoIdExceptionOstra with className and the load method text, nothing
// set) and then the four descriptive texts, a missing one as empty.
void loadIdentity(const ISerializerObject &n_object, BaseOstraObj &n_element, const QString &n_className);

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

} // namespace elementsserialization

#endif // ELEMENTSSERIALIZATION_H
