#ifndef ISERIALIZEBLEOBJECT_H
#define ISERIALIZEBLEOBJECT_H

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

class ISerializerObject;

// An element that writes its attributes into a serializer node and reads them back.
// Also home of the static codecs that turn typed values, value types and linked-object maps
// into attribute text and back.
class ISerializebleObject
{
public:
    virtual ~ISerializebleObject() {}
    virtual void load(const ISerializerObject &n_object) = 0;
    virtual void save(ISerializerObject &n_object) = 0;

    inline static const QString ATTRIBUTE_TYPE_BOOLEAN = QStringLiteral("boolean");
    inline static const QString ATTRIBUTE_TYPE_INTEGER = QStringLiteral("integer");
    inline static const QString ATTRIBUTE_TYPE_DOUBLE = QStringLiteral("double");
    inline static const QString ATTRIBUTE_TYPE_LIST = QStringLiteral("list");
    inline static const QString ATTRIBUTE_TYPE_STRING = QStringLiteral("string");
    inline static const QString ATTRIBUTE_TYPE_STRING_LIST = QStringLiteral("string_list");

    // Throws BadValueTypeExceptionOstra for a type outside the six storable ones.
    static QString convertFromQVariantTypeToXmlType(QVariant::Type n_type);
    // Only the first ","-separated part names the type; a bare "list" is a list (of doubles).
    static QVariant::Type convertFromXmlTypeToQVariantType(const QString &n_xmlType);
    // The declared type, not the value's own type, chooses the text form.
    static QString convertFromQVariantValueToString(const QVariant::Type n_type,
                                                    const QVariant &n_value);

    // Lenient readers: unreadable text gives a null value of the type and a warning, never a throw
    // (readValue itself throws only for a type outside the six).
    static QVariant readValue(const QVariant::Type &n_type, const QString &n_value,
                              const QVariant::Type &n_secondType);
    static QVariant readValueBoolean(const QString &n_value);
    static QVariant readValueInteger(const QString &n_value);
    static QVariant readValueDouble(const QString &n_value);
    static QVariant readValueString(const QString &n_value);
    static QVariant readValueStringList(const QString &n_value);
    static QVariant readValueList(const QVariant::Type &n_type, const QString &n_value);

    // "name:value;name:value"; pair order follows the hash and readers never depend on it.
    static QString convertLinkedObjectsToString(const QHash<QString, QString> &n_linkedObjects);
    static QHash<QString, QString> convertStringToLinkedObjects(const QString &n_linkedObjectsStr);
    static QString convertLinkedObjectsTypesToString(
        const QHash<QString, QVariant::Type> &n_linkedObjects);
    static QHash<QString, QVariant::Type> convertStringToLinkedObjectsTypes(
        const QString &n_linkedObjectsStr);

    static QStringList readAttributeIds(const QString &n_ids);
};

#endif // ISERIALIZEBLEOBJECT_H
