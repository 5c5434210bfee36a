#ifndef ISERIALIZEROBJECT_H
#define ISERIALIZEROBJECT_H

#include <QHash>
#include <QSet>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

// A serializer node: one stored element in whatever storage format the node implements.
// Entities talk to it only by attribute name and QVariant value, never to the format itself.
class ISerializerObject
{
public:
    virtual ~ISerializerObject() {}

    virtual void addField(const QString &n_name, const QVariant &n_value) = 0;
    virtual void addFields(const QHash<QString, QVariant> &n_fields) = 0;
    virtual QVariant getFieldValue(const QString &n_name) const = 0;
    virtual QHash<QString, QVariant> getFieldsHash() const = 0;
    // The names getFieldsHash() holds, without reading the values: loaders ask it for every
    // element to see whether any extra field is there at all.
    virtual QStringList getFieldNames() const { return getFieldsHash().keys(); }

    // Ascending by the text of the "id" field (plain QString ordering: "10" < "9").
    static bool lessThan(QSharedPointer<ISerializerObject> n_first,
                         QSharedPointer<ISerializerObject> n_second);

    // Inline so that other translation units' static initialisers can rely on them.
    inline static const QString ATTRIBUTE_NAME_ID = QStringLiteral("id");
    inline static const QString ATTRIBUTE_NAME_SHORT_NAME = QStringLiteral("shortName");
    inline static const QString ATTRIBUTE_NAME_DESCRIPTION = QStringLiteral("description");
    inline static const QString ATTRIBUTE_NAME_AUTHOR = QStringLiteral("author");
    inline static const QString ATTRIBUTE_NAME_GUID = QStringLiteral("GUID");
    inline static const QString ATTRIBUTE_NAME_INTENAL_INFO = QStringLiteral("internalInfo");
    // The names every stored element has; never taken as extra fields.
    inline static const QSet<QString> MANDATORY_FIELDS_SET = {
        ATTRIBUTE_NAME_ID,     ATTRIBUTE_NAME_SHORT_NAME, ATTRIBUTE_NAME_DESCRIPTION,
        ATTRIBUTE_NAME_AUTHOR, ATTRIBUTE_NAME_GUID,       ATTRIBUTE_NAME_INTENAL_INFO};
};

#endif // ISERIALIZEROBJECT_H
