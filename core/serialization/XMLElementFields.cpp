#include "serialization/XMLElementFields.h"

#include <QDomNamedNodeMap>

#include "serialization/ISerializerObject.h"

void XMLElementFields::setNonEmptyAttribute(QDomElement &n_element, const QString &n_name,
                                            const QVariant &n_value)
{
    const QString value = n_value.toString();
    if (value.isEmpty())
        return;
    n_element.setAttribute(n_name, value);
}

QVariant XMLElementFields::attributeOrNullString(const QDomElement &n_element,
                                                 const QString &n_name)
{
    // attribute() gives an empty, not a null, string for an absent attribute.
    if (!n_element.hasAttribute(n_name))
        return QVariant(QString());
    return QVariant(n_element.attribute(n_name));
}

void XMLElementFields::addInHashOrder(ISerializerObject &n_node,
                                      const QHash<QString, QVariant> &n_fields)
{
    for (auto it = n_fields.constBegin(); it != n_fields.constEnd(); ++it)
        n_node.addField(it.key(), it.value());
}

void XMLElementFields::addSorted(ISerializerObject &n_node,
                                 const QHash<QString, QVariant> &n_fields)
{
    QStringList names = n_fields.keys();
    names.sort(Qt::CaseInsensitive);
    for (const QString &name : qAsConst(names))
        n_node.addField(name, n_fields.value(name));
}

QHash<QString, QVariant> XMLElementFields::fieldsHash(const ISerializerObject &n_node,
                                                      const QDomElement &n_element)
{
    QHash<QString, QVariant> fields;
    const QDomNamedNodeMap attributes = n_element.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QString name = attributes.item(i).nodeName();
        fields.insert(name, n_node.getFieldValue(name));
    }
    return fields;
}
