#ifndef OBJECTXMLSERIALIZER_H
#define OBJECTXMLSERIALIZER_H

#include <QDomDocument>
#include <QDomElement>
#include <QHash>
#include <QString>
#include <QVariant>

#include "serialization/ISerializerObject.h"

// XML node of one parameter, rule, constraint or relation: attributes plus, for "internalInfo",
// the element's text. Empty values are written as empty attributes and read back as invalid.
class ObjectXMLSerializer : public ISerializerObject
{
public:
    ObjectXMLSerializer(const QString &n_tagName, const QDomDocument &n_document);
    // A node over an element already in the document (loading): no element of its own is made.
    ObjectXMLSerializer(const QDomElement &n_domElement, const QDomDocument &n_document);
    ~ObjectXMLSerializer() override;

    void addField(const QString &n_name, const QVariant &n_value) override;
    // Names in case-insensitive order, so that the written attribute order does not follow the
    // hash.
    void addFields(const QHash<QString, QVariant> &n_fields) override;
    QVariant getFieldValue(const QString &n_name) const override;
    QHash<QString, QVariant> getFieldsHash() const override;
    QStringList getFieldNames() const override;

    QDomElement getXMLObject() const;
    void setXMLObject(QDomElement &n_domElement);

protected:
    QDomElement m_domElement;
    QDomDocument m_domDocument;
};

#endif // OBJECTXMLSERIALIZER_H
