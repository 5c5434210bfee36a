#include "serialization/ISerializebleObject.h"

#include <QLocale>
#include <QtNumeric>

#include "errors/BadValueTypeExceptionOstra.h"
#include "errors/InconsistencyDataExceptionOstra.h"

namespace {
const QString CLASS_NAME = QStringLiteral("ISerializebleObject");
const QChar LIST_SEPARATOR = QLatin1Char(',');
const QChar PAIR_SEPARATOR = QLatin1Char(';');
const QChar PAIR_INNER_SEPARATOR = QLatin1Char(':');
const QChar STRING_QUOTE = QLatin1Char('"');

// Fixed notation with the shortest digits that read back to the same double, and at least two
// decimals so that values such as 2 or -1.5 keep their familiar "2.00" / "-1.50" form.
QString formatDouble(double n_value)
{
    QString text = QString::number(n_value, 'f', QLocale::FloatingPointShortest);
    if (!qIsFinite(n_value))
        return text;
    const int point = text.indexOf(QLatin1Char('.'));
    if (point < 0)
        return text + QLatin1String(".00");
    const int decimals = text.size() - point - 1;
    if (decimals < 2)
        text.append(QString(2 - decimals, QLatin1Char('0')));
    return text;
}

// What every reader gives for a text it cannot read: a null value of its type, and a warning;
// loading goes on.
QVariant unreadable(QVariant::Type n_type, const char *n_warning)
{
    qWarning("%s", n_warning);
    return QVariant(n_type);
}

// "key:value;key:value" in the hash's own order; n_valueText gives a value's text.
template<class Value, class ValueText>
QString joinPairs(const QHash<QString, Value> &n_linkedObjects, ValueText n_valueText)
{
    QString text;
    for (auto it = n_linkedObjects.constBegin(); it != n_linkedObjects.constEnd(); ++it)
        text += it.key() + PAIR_INNER_SEPARATOR + n_valueText(it.value()) + PAIR_SEPARATOR;
    text.chop(1);
    return text;
}
} // namespace

QString ISerializebleObject::convertFromQVariantTypeToXmlType(QVariant::Type n_type)
{
    switch (n_type) {
    case QVariant::Bool:
        return ATTRIBUTE_TYPE_BOOLEAN;
    case QVariant::Int:
        return ATTRIBUTE_TYPE_INTEGER;
    case QVariant::Double:
        return ATTRIBUTE_TYPE_DOUBLE;
    case QVariant::List:
        return ATTRIBUTE_TYPE_LIST;
    case QVariant::String:
        return ATTRIBUTE_TYPE_STRING;
    case QVariant::StringList:
        return ATTRIBUTE_TYPE_STRING_LIST;
    default:
        throw BadValueTypeExceptionOstra(
            n_type, CLASS_NAME,
            QStringLiteral("convertFromQVariantTypeToXmlType(QVariant::Type n_type)"),
            QSharedPointer<ExceptionOstra>());
    }
}

QVariant::Type ISerializebleObject::convertFromXmlTypeToQVariantType(const QString &n_xmlType)
{
    // The part before the first separator; read in place, as this runs once per loaded parameter.
    const QStringRef typeName = n_xmlType.leftRef(n_xmlType.indexOf(LIST_SEPARATOR));
    if (typeName == ATTRIBUTE_TYPE_BOOLEAN)
        return QVariant::Bool;
    if (typeName == ATTRIBUTE_TYPE_INTEGER)
        return QVariant::Int;
    if (typeName == ATTRIBUTE_TYPE_DOUBLE)
        return QVariant::Double;
    if (typeName == ATTRIBUTE_TYPE_STRING)
        return QVariant::String;
    if (typeName == ATTRIBUTE_TYPE_STRING_LIST)
        return QVariant::StringList;
    // The writer puts a bare "list" for every list, so a missing item-type part must be accepted:
    // the items are then read as doubles, as the parameter loader does for every list.
    if (typeName == ATTRIBUTE_TYPE_LIST)
        return QVariant::List;
    throw BadValueTypeExceptionOstra(
        QVariant::Invalid, CLASS_NAME,
        QStringLiteral("convertFromXmlTypeToQVariantType(const QString &n_xmlType)"),
        QSharedPointer<ExceptionOstra>());
}

QString ISerializebleObject::convertFromQVariantValueToString(const QVariant::Type n_type,
                                                              const QVariant &n_value)
{
    switch (n_type) {
    case QVariant::Bool:
    case QVariant::Int:
    case QVariant::String:
        return n_value.toString();
    case QVariant::Double:
        return formatDouble(n_value.toDouble());
    case QVariant::List: {
        QStringList items;
        const QVariantList list = n_value.toList();
        for (const QVariant &item : list)
            items.append(convertFromQVariantValueToString(item.type(), item));
        return items.join(LIST_SEPARATOR);
    }
    case QVariant::StringList: {
        QStringList items;
        const QStringList list = n_value.toStringList();
        for (const QString &item : list)
            items.append(STRING_QUOTE + item + STRING_QUOTE);
        return items.join(LIST_SEPARATOR);
    }
    default:
        throw BadValueTypeExceptionOstra(
            n_value.type(), CLASS_NAME,
            QStringLiteral("convertFromQVariantValueToString(const QVariant::Type n_type,const "
                           "QVariant &n_value)"),
            QSharedPointer<ExceptionOstra>());
    }
}

QVariant ISerializebleObject::readValue(const QVariant::Type &n_type, const QString &n_value,
                                        const QVariant::Type &n_secondType)
{
    switch (n_type) {
    case QVariant::Bool:
        return readValueBoolean(n_value);
    case QVariant::Int:
        return readValueInteger(n_value);
    case QVariant::Double:
        return readValueDouble(n_value);
    case QVariant::String:
        return readValueString(n_value);
    case QVariant::StringList:
        return readValueStringList(n_value);
    case QVariant::List:
        return readValueList(n_secondType, n_value);
    default:
        throw BadValueTypeExceptionOstra(
            n_type, CLASS_NAME,
            QStringLiteral("readValue(const QVariant::Type &n_type, const QString &n_value, const "
                           "QVariant::Type& n_secondType)"),
            QSharedPointer<ExceptionOstra>());
    }
}

QVariant ISerializebleObject::readValueBoolean(const QString &n_value)
{
    if (n_value == QLatin1String("true"))
        return QVariant(true);
    if (n_value == QLatin1String("false"))
        return QVariant(false);
    bool ok = false;
    const int number = n_value.toInt(&ok);
    if (ok)
        return QVariant(number != 0);
    return unreadable(QVariant::Bool, "Boolean, как значение пришла пустой");
}

QVariant ISerializebleObject::readValueInteger(const QString &n_value)
{
    bool ok = false;
    const int number = n_value.toInt(&ok);
    if (ok)
        return QVariant(number);
    return unreadable(QVariant::Int, "Int, как значение пришла пустой");
}

QVariant ISerializebleObject::readValueDouble(const QString &n_value)
{
    bool ok = false;
    const double number = n_value.toDouble(&ok);
    if (ok)
        return QVariant(number);
    return unreadable(QVariant::Double, "Double, как значение пришла пустой");
}

QVariant ISerializebleObject::readValueString(const QString &n_value)
{
    if (n_value.isEmpty())
        return QVariant(QVariant::String);
    return QVariant(n_value);
}

QVariant ISerializebleObject::readValueStringList(const QString &n_value)
{
    if (n_value.isEmpty())
        return unreadable(QVariant::StringList, "Массив Строк, как значение пришел пустым");
    qWarning("Не проверенный функционал");
    QStringList items = n_value.split(LIST_SEPARATOR, Qt::KeepEmptyParts);
    for (QString &item : items)
        item.remove(STRING_QUOTE);
    return QVariant(items);
}

QVariant ISerializebleObject::readValueList(const QVariant::Type &n_type, const QString &n_value)
{
    if (n_value.isEmpty())
        return unreadable(QVariant::List, "Массив, как значение пришел пустым");
    QVariantList items;
    const QStringList parts = n_value.split(LIST_SEPARATOR, Qt::KeepEmptyParts);
    for (const QString &part : parts)
        items.append(readValue(n_type, part, QVariant::Double));
    return QVariant(items);
}

QString ISerializebleObject::convertLinkedObjectsToString(
    const QHash<QString, QString> &n_linkedObjects)
{
    return joinPairs(n_linkedObjects, [](const QString &n_id) { return n_id; });
}

namespace {

// Walks a link text in place rather than splitting it into lists, since every loaded rule,
// constraint and relation comes here: each ';'-separated pair, empty ones included, must hold
// exactly one ':'. n_visit(name, value) runs for each pair in turn; a malformed pair calls n_bad,
// which throws.
template<class Visit, class Bad>
void forEachLinkPair(const QString &n_text, Visit n_visit, Bad n_bad)
{
    const int size = n_text.size();
    int start = 0;
    for (;;) {
        int end = n_text.indexOf(PAIR_SEPARATOR, start);
        if (end < 0)
            end = size;
        const int colon = n_text.indexOf(PAIR_INNER_SEPARATOR, start);
        if (colon < 0 || colon >= end) {
            n_bad();
        } else {
            const int second = n_text.indexOf(PAIR_INNER_SEPARATOR, colon + 1);
            if (second >= 0 && second < end)
                n_bad();
        }
        n_visit(n_text.mid(start, colon - start), n_text.mid(colon + 1, end - colon - 1));
        if (end == size)
            break;
        start = end + 1;
    }
}

[[noreturn]] void throwBadLinkText(const char *n_method)
{
    throw InconsistencyDataExceptionOstra(CLASS_NAME, QString::fromLatin1(n_method),
                                          QSharedPointer<ExceptionOstra>());
}

} // namespace

QHash<QString, QString> ISerializebleObject::convertStringToLinkedObjects(
    const QString &n_linkedObjectsStr)
{
    QHash<QString, QString> linkedObjects;
    forEachLinkPair(
        n_linkedObjectsStr,
        [&linkedObjects](const QString &n_name, const QString &n_id) {
            linkedObjects.insert(n_name, n_id);
        },
        [] {
            throwBadLinkText("convertStringToLinkedObjects(const QString &n_linkedObjectsStr)");
        });
    return linkedObjects;
}

QString ISerializebleObject::convertLinkedObjectsTypesToString(
    const QHash<QString, QVariant::Type> &n_linkedObjects)
{
    return joinPairs(n_linkedObjects, convertFromQVariantTypeToXmlType);
}

QHash<QString, QVariant::Type> ISerializebleObject::convertStringToLinkedObjectsTypes(
    const QString &n_linkedObjectsStr)
{
    QHash<QString, QVariant::Type> linkedObjects;
    forEachLinkPair(
        n_linkedObjectsStr,
        [&linkedObjects](const QString &n_name, const QString &n_type) {
            linkedObjects.insert(n_name, convertFromXmlTypeToQVariantType(n_type));
        },
        [] { throwBadLinkText("covertStringToLinkedObjects(const QString &n_linkedObjectsStr)"); });
    return linkedObjects;
}

QStringList ISerializebleObject::readAttributeIds(const QString &n_ids)
{
    return n_ids.split(LIST_SEPARATOR, Qt::KeepEmptyParts);
}
