// The attribute codecs of ISerializebleObject over arbitrary text. The first byte picks the codec
// (and the value type); the rest is the attribute text. Texts a codec accepts must survive being
// written and read again unchanged.

#include "FuzzSupport.h"

#include <QHash>
#include <QVariant>

#include "errors/ExceptionOstra.h"
#include "serialization/ISerializebleObject.h"

namespace {

const QVariant::Type STORABLE_TYPES[] = {QVariant::Bool,    QVariant::Int,    QVariant::Double,
                                         QVariant::List,    QVariant::String, QVariant::StringList,
                                         QVariant::Invalid, QVariant::Date};

void linkedObjectsRoundTrip(const QString &n_text)
{
    const QHash<QString, QString> links = ISerializebleObject::convertStringToLinkedObjects(n_text);
    const QString written = ISerializebleObject::convertLinkedObjectsToString(links);
    fuzzsupport::require(ISerializebleObject::convertStringToLinkedObjects(written) == links,
                         "linked objects read back differently");
}

void linkedTypesRoundTrip(const QString &n_text)
{
    const QHash<QString, QVariant::Type> types =
        ISerializebleObject::convertStringToLinkedObjectsTypes(n_text);
    const QString written = ISerializebleObject::convertLinkedObjectsTypesToString(types);
    fuzzsupport::require(ISerializebleObject::convertStringToLinkedObjectsTypes(written) == types,
                         "typed linked objects read back differently");
}

void typeRoundTrip(const QString &n_text)
{
    const QVariant::Type type = ISerializebleObject::convertFromXmlTypeToQVariantType(n_text);
    const QString name = ISerializebleObject::convertFromQVariantTypeToXmlType(type);
    fuzzsupport::require(ISerializebleObject::convertFromXmlTypeToQVariantType(name) == type,
                         "type name read back differently");
}

// One write-read step may lose precision (doubles keep two decimals) or split items; after that
// the text must be stable.
void valueRoundTrip(QVariant::Type n_type, QVariant::Type n_itemType, const QString &n_text)
{
    const QVariant value = ISerializebleObject::readValue(n_type, n_text, n_itemType);
    if (!value.isValid() || value.isNull())
        return;
    const QString first = ISerializebleObject::convertFromQVariantValueToString(n_type, value);
    const QVariant again = ISerializebleObject::readValue(n_type, first, n_itemType);
    if (!again.isValid() || again.isNull())
        return;
    const QString second = ISerializebleObject::convertFromQVariantValueToString(n_type, again);
    fuzzsupport::require(first == second, "value text not stable after one write-read step");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::initApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t selector = data[0];
    const QString text = fuzzsupport::toText(data + 1, size - 1);
    const QVariant::Type type = STORABLE_TYPES[(selector >> 2) & 7];
    const QVariant::Type itemType = STORABLE_TYPES[(selector >> 5) & 7];
    try {
        switch (selector & 3) {
        case 0:
            linkedObjectsRoundTrip(text);
            break;
        case 1:
            linkedTypesRoundTrip(text);
            break;
        case 2:
            typeRoundTrip(text);
            break;
        default:
            valueRoundTrip(type, itemType, text);
            ISerializebleObject::readAttributeIds(text);
            break;
        }
    } catch (const ExceptionOstra &) {
        // Refusing the text is a normal outcome.
    }
    return 0;
}
