#ifndef XMLELEMENTFIELDS_H
#define XMLELEMENTFIELDS_H

#include <QDomElement>
#include <QHash>
#include <QString>
#include <QVariant>

class ISerializerObject;

// The attribute-field operations that the XML nodes have in common. The nodes differ on purpose
// (empty values written or skipped, addFields sorted or in hash order, a missing value invalid or
// a null string), so each node picks the functions that match its kind. Everything that reads or
// writes one field goes through the node's own virtual addField/getFieldValue, so that derived
// nodes (the older-format items) still translate.
class XMLElementFields
{
public:
    // Sets the attribute to the value's text; an empty text is not written at all.
    static void setNonEmptyAttribute(QDomElement &n_element, const QString &n_name,
                                     const QVariant &n_value);
    // The attribute's text; an absent attribute gives a null string, never an invalid QVariant.
    static QVariant attributeOrNullString(const QDomElement &n_element, const QString &n_name);

    // n_node.addField for every entry, in the hash's own iteration order.
    static void addInHashOrder(ISerializerObject &n_node, const QHash<QString, QVariant> &n_fields);
    // n_node.addField for every entry, names in case-insensitive order, so that the written
    // attribute order does not follow the hash.
    static void addSorted(ISerializerObject &n_node, const QHash<QString, QVariant> &n_fields);

    // Every attribute of n_element: name -> n_node.getFieldValue(name).
    static QHash<QString, QVariant> fieldsHash(const ISerializerObject &n_node,
                                               const QDomElement &n_element);
};

#endif // XMLELEMENTFIELDS_H
