#include "elements/ElementsSerialization.h"

#include <algorithm>

#include "elements/AdditionalFields.h"
#include "errors/BaseOstraObj.h"
#include "errors/NoIdExceptionOstra.h"
#include "errors/NoRelation.h"
#include "serialization/ISerializerObject.h"

namespace elementsserialization {

void loadIdentity(const ISerializerObject &n_object, BaseOstraObj &n_element,
                  const QString &n_className)
{
    const QString id = n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString();
    if (id.isEmpty())
        throw NoIdExceptionOstra(n_className,
                                 QStringLiteral("load(const ISerializerObject &n_object)"),
                                 QSharedPointer<ExceptionOstra>());
    n_element.setId(id);
    n_element.setShortName(
        n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_SHORT_NAME).toString());
    n_element.setDescription(
        n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_DESCRIPTION).toString());
    n_element.setAuthor(
        n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_AUTHOR).toString());
    n_element.setGUID(n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_GUID).toString());
}

void loadExtraFields(const ISerializerObject &n_object, AdditionalFields &n_fields,
                     const QSet<QString> &n_ownNames)
{
    // Nearly every element carries only its own fields; its names alone show that, without
    // building the hash of all values.
    const QStringList names = n_object.getFieldNames();
    const bool anyExtra = std::any_of(
        names.cbegin(), names.cend(), [&n_ownNames](const QString &n_name) {
            return !n_ownNames.contains(n_name)
                   && !ISerializerObject::MANDATORY_FIELDS_SET.contains(n_name);
        });
    if (!anyExtra)
        return;
    const QHash<QString, QVariant> attributes = n_object.getFieldsHash();
    for (auto it = attributes.constBegin(); it != attributes.constEnd(); ++it) {
        if (n_ownNames.contains(it.key())
            || ISerializerObject::MANDATORY_FIELDS_SET.contains(it.key()))
            continue;
        n_fields.addAdditionalField(it.key(), it.value());
    }
}

void saveIdentity(ISerializerObject &n_object, const BaseOstraObj &n_element)
{
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_ID, n_element.getId());
    if (!n_element.getShortName().isEmpty())
        n_object.addField(ISerializerObject::ATTRIBUTE_NAME_SHORT_NAME, n_element.getShortName());
    if (!n_element.getDescription().isEmpty())
        n_object.addField(ISerializerObject::ATTRIBUTE_NAME_DESCRIPTION,
                          n_element.getDescription());
    if (!n_element.getAuthor().isEmpty())
        n_object.addField(ISerializerObject::ATTRIBUTE_NAME_AUTHOR, n_element.getAuthor());
    if (!n_element.getGUID().isEmpty())
        n_object.addField(ISerializerObject::ATTRIBUTE_NAME_GUID, n_element.getGUID());
}

QHash<QString, QVariant> extraFieldsToSave(const QHash<QString, QVariant> &n_fields,
                                           const QSet<QString> &n_ownNames)
{
    QHash<QString, QVariant> result;
    for (auto it = n_fields.constBegin(); it != n_fields.constEnd(); ++it)
        if (!n_ownNames.contains(it.key())
            && !ISerializerObject::MANDATORY_FIELDS_SET.contains(it.key()))
            result.insert(it.key(), it.value());
    return result;
}

bool isLinkTextSafe(const QHash<QString, QString> &n_linkedIds)
{
    const auto hasSeparator = [](const QString &n_text) {
        return n_text.contains(QLatin1Char(':')) || n_text.contains(QLatin1Char(';'));
    };
    for (auto it = n_linkedIds.constBegin(); it != n_linkedIds.constEnd(); ++it)
        if (hasSeparator(it.key()) || hasSeparator(it.value()))
            return false;
    return true;
}

void saveRelationId(ISerializerObject &n_object, const QString &n_attribute,
                    const QString &n_relationId, const QString &n_className,
                    const QString &n_method)
{
    if (n_relationId.isEmpty())
        throw NoRelation(n_className, n_method, QSharedPointer<ExceptionOstra>());
    n_object.addField(n_attribute, n_relationId);
}

} // namespace elementsserialization
