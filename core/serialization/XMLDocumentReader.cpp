#include "serialization/XMLDocumentReader.h"

#include <QTextCodec>
#include <QXmlStreamReader>

#include "errors/FileCantOpenExceptionOstra.h"
#include "errors/FileNotExistExceptionOstra.h"
#include "errors/XMLParseExceptionOstra.h"

namespace {

struct Place
{
    int line;
    int column;
};

// Line and column (both from 1) of n_text[n_index], counted as the stream reader counts them.
Place placeOf(const QString &n_text, int n_index)
{
    const int lineStart = n_index > 0 ? n_text.lastIndexOf(QLatin1Char('\n'), n_index - 1) + 1 : 0;
    return Place{int(n_text.leftRef(n_index).count(QLatin1Char('\n'))) + 1,
                 n_index - lineStart + 1};
}

[[noreturn]] void refuse(const QString &n_message, Place n_place, const QString &n_className,
                         const QString &n_methodName)
{
    throw XMLParseExceptionOstra(n_message, n_place.line, n_place.column, n_className, n_methodName,
                                 QSharedPointer<ExceptionOstra>());
}

// The encoding an XML declaration at the start of ASCII-compatible bytes names, or an empty text.
QByteArray declaredEncoding(const QByteArray &n_bytes)
{
    if (!n_bytes.startsWith("<?xml"))
        return QByteArray();
    QByteArray declaration = n_bytes.left(256);
    const int close = declaration.indexOf("?>");
    if (close < 0)
        return QByteArray();
    declaration.truncate(close);
    const int at = declaration.indexOf("encoding");
    if (at < 0)
        return QByteArray();
    const QByteArray rest = declaration.mid(at + 8).trimmed();
    if (!rest.startsWith('='))
        return QByteArray();
    const QByteArray value = rest.mid(1).trimmed();
    if (value.isEmpty() || (value.at(0) != '"' && value.at(0) != '\''))
        return QByteArray();
    const int end = value.indexOf(value.at(0), 1);
    return end < 0 ? QByteArray() : value.mid(1, end - 1);
}

// What the bytes are written in: a byte order mark or the first two bytes of "<?" tell UTF-16
// apart; otherwise the declaration may name an encoding, and UTF-8 is the rule.
QByteArray encodingOf(const QByteArray &n_bytes)
{
    if (n_bytes.startsWith("\xFE\xFF") || n_bytes.startsWith("\xFF\xFE"))
        return QByteArrayLiteral("UTF-16");
    if (n_bytes.startsWith(QByteArray("\0<", 2)))
        return QByteArrayLiteral("UTF-16BE");
    if (n_bytes.startsWith(QByteArray("<\0", 2)))
        return QByteArrayLiteral("UTF-16LE");
    const QByteArray declared = declaredEncoding(n_bytes.startsWith("\xEF\xBB\xBF") ? n_bytes.mid(3)
                                                                                    : n_bytes);
    return declared.isEmpty() ? QByteArrayLiteral("UTF-8") : declared;
}

// The index of the '<' of a tag with more than MAX_ATTRIBUTES attributes, or -1. A '<' never
// stands inside an attribute value, so all the '=' of a start tag lie between its '<' and its
// '>', outside quotes; their count is at least the number of its attributes (a comment or CDATA
// may add some, never take any away).
int firstCrowdedTag(const QString &n_text)
{
    const QChar *text = n_text.constData();
    const int size = n_text.size();
    for (int i = 0; i < size; ++i) {
        if (text[i] != QLatin1Char('<'))
            continue;
        int signs = 0;
        QChar quote;
        int k = i + 1;
        for (; k < size && text[k] != QLatin1Char('<'); ++k) {
            const QChar c = text[k];
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                quote = c;
            } else if (c == QLatin1Char('>')) {
                break;
            } else if (c == QLatin1Char('=') && ++signs > XMLDocumentReader::MAX_ATTRIBUTES) {
                return i;
            }
        }
        i = k - 1;
    }
    return -1;
}

// The first name of the element the reader stands on that belongs to XML namespaces: a prefixed
// element or attribute name, or a default namespace declaration; a null text when none does.
QString firstNamespaceName(const QXmlStreamReader &n_reader)
{
    // Names are tested in place: a copy per element and attribute cost about 2% of a load.
    if (!XMLDocumentReader::isPlainName(n_reader.qualifiedName()))
        return n_reader.qualifiedName().toString();
    const QXmlStreamAttributes attributes = n_reader.attributes();
    for (const QXmlStreamAttribute &attribute : attributes) {
        if (!XMLDocumentReader::isPlainName(attribute.qualifiedName()))
            return attribute.qualifiedName().toString();
    }
    return QString();
}

// Notes the first entity reference that no declaration gives a meaning to, leaving it unresolved.
// Without a DOCTYPE the stream reader then reports the reference as an error of its own; after an
// external one it keeps it as written in an attribute value, where the DOM parser drops it.
struct UndeclaredEntities : QXmlStreamEntityResolver
{
    QString resolveUndeclaredEntity(const QString &n_name) override
    {
        if (first.isNull())
            first = n_name;
        return QString();
    }
    QString first;
};

[[noreturn]] void refuseEntity(const QString &n_name, const QXmlStreamReader &n_reader,
                               const QString &n_className, const QString &n_methodName)
{
    refuse(QStringLiteral("The document refers to the entity \"%1\", which model files never use")
               .arg(n_name),
           Place{int(n_reader.lineNumber()), int(n_reader.columnNumber())}, n_className,
           n_methodName);
}

// Refuses a text that is not well formed with the message, line and column the DOM parser gives,
// as loading always reported them; the stream reader's own where the DOM has nothing to say. The
// DOM reads only the text the stream pass has checked, up to its error: text past it may nest
// deeper than the DOM's recursion bears or refer to entities. A DOCTYPE the pass did not finish
// may hold declarations it never checked, so such a text is not handed over at all.
[[noreturn]] void refuseMalformed(const QString &n_text, const QXmlStreamReader &n_reader,
                                  bool n_sawDoctype, const QString &n_className,
                                  const QString &n_methodName)
{
    const Place streamPlace{int(n_reader.lineNumber()), int(n_reader.columnNumber())};
    const QString checked = n_text.left(int(n_reader.characterOffset()));
    if (!n_sawDoctype && checked.contains(QLatin1String("<!DOCTYPE")))
        refuse(n_reader.errorString(), streamPlace, n_className, n_methodName);
    QDomDocument document;
    QString message;
    int line = 0;
    int column = 0;
    if (document.setContent(checked, &message, &line, &column))
        refuse(n_reader.errorString(), streamPlace, n_className, n_methodName);
    // Running out of text where the pass stopped, short of the real end, is no finding of the DOM:
    // it would take what the stream reader refused (an undeclared entity, a repeated attribute).
    const Place end = placeOf(checked, checked.size());
    if (checked.size() < n_text.size() && line == end.line && column == end.column)
        refuse(n_reader.errorString(), streamPlace, n_className, n_methodName);
    refuse(message, Place{line, column}, n_className, n_methodName);
}

} // namespace

bool XMLDocumentReader::isPlainName(const QString &n_name)
{
    return isPlainName(QStringRef(&n_name));
}

bool XMLDocumentReader::isPlainName(const QStringRef &n_name)
{
    return !n_name.contains(QLatin1Char(':')) && n_name != QLatin1String("xmlns");
}

QString XMLDocumentReader::tooManyAttributesMessage()
{
    return QStringLiteral("An element carries more than %1 attributes; the document is refused")
        .arg(MAX_ATTRIBUTES);
}

QString XMLDocumentReader::nestingTooDeepMessage()
{
    return QStringLiteral("XML elements are nested deeper than %1 levels; the document is refused")
        .arg(MAX_NESTING_DEPTH);
}

QString XMLDocumentReader::doctypeRefusedMessage()
{
    return QStringLiteral("The document declares a DOCTYPE internal subset (entities or other "
                          "declarations), which model files never hold; the document is refused");
}

bool XMLDocumentReader::isXmlChar(const QString &n_text, int n_index)
{
    const ushort c = n_text.at(n_index).unicode();
    if (c >= 0x20 && c < 0xD800)
        return true;
    if (c < 0x20)
        return c == 0x9 || c == 0xA || c == 0xD;
    if (c >= 0xE000)
        return c <= 0xFFFD;
    if (c < 0xDC00)
        return n_index + 1 < n_text.size() && n_text.at(n_index + 1).isLowSurrogate();
    return n_index > 0 && n_text.at(n_index - 1).isHighSurrogate();
}

int XMLDocumentReader::firstNonXmlChar(const QString &n_text)
{
    const int size = n_text.size();
    const ushort *units = n_text.utf16();
    for (int i = 0; i < size; ++i) {
        // The usual characters decide in one comparison.
        const ushort c = units[i];
        if ((c < 0x20 || c >= 0xD800) && !isXmlChar(n_text, i))
            return i;
    }
    return -1;
}

QString XMLDocumentReader::decode(const QByteArray &n_bytes, const QString &n_className,
                                  const QString &n_methodName)
{
    const QByteArray encoding = encodingOf(n_bytes);
    QTextCodec *codec = QTextCodec::codecForName(encoding);
    if (!codec)
        refuse(QStringLiteral("The document is written in the unknown encoding \"%1\"")
                   .arg(QString::fromLatin1(encoding)),
               Place{1, 1}, n_className, n_methodName);
    QTextCodec::ConverterState state;
    const QString text = codec->toUnicode(n_bytes.constData(), n_bytes.size(), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0) {
        // Each invalid sequence became U+FFFD; a sequence cut off by the end of the file, nothing.
        const int at = state.invalidChars > 0 ? text.indexOf(QChar(QChar::ReplacementCharacter))
                                              : -1;
        refuse(QStringLiteral("The document holds a byte sequence that is not valid %1")
                   .arg(QString::fromLatin1(codec->name())),
               placeOf(text, at < 0 ? text.size() : at), n_className, n_methodName);
    }
    return text;
}

void XMLDocumentReader::checkCharacters(const QString &n_text, const QString &n_className,
                                        const QString &n_methodName)
{
    // The stream reader below refuses most such characters too, but not a lone surrogate, and
    // with an unclear message.
    const int bad = firstNonXmlChar(n_text);
    if (bad >= 0)
        refuse(QStringLiteral("The document holds the character U+%1, which XML cannot hold")
                   .arg(QString::number(n_text.at(bad).unicode(), 16)
                            .toUpper()
                            .rightJustified(4, QLatin1Char('0'))),
               placeOf(n_text, bad), n_className, n_methodName);
    const int crowded = firstCrowdedTag(n_text);
    if (crowded >= 0)
        refuse(tooManyAttributesMessage(), placeOf(n_text, crowded), n_className, n_methodName);
}

void XMLDocumentReader::checkDocument(const QString &n_text, const QString &n_className,
                                      const QString &n_methodName)
{
    checkCharacters(n_text, n_className, n_methodName);
    // One streaming pass: it keeps nothing of the document, and it stops at the DOCTYPE before any
    // entity could be expanded. There is no hand-written fast path in front of it: in bench_model
    // (10^5 elements, four interleaved pairs) loading with this pass took 0.80-1.15 of the time it
    // took with the former quick scan (median 0.9), since the DOM parses the decoded text faster
    // than it parsed the bytes; the pass is about a tenth of loading, all a fast path could save.
    QXmlStreamReader reader(n_text);
    // Model files use no namespaces, and neither does the DOM parse: names with a prefix and
    // namespace declarations are refused below, so that no model holds a name that a reader
    // minding namespaces would refuse when the model is saved. Resolving prefixes is not needed.
    reader.setNamespaceProcessing(false);
    UndeclaredEntities entities;
    reader.setEntityResolver(&entities);
    int depth = 0;
    bool sawDoctype = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            const Place place{int(reader.lineNumber()), int(reader.columnNumber())};
            if (++depth > MAX_NESTING_DEPTH)
                refuse(nestingTooDeepMessage(), place, n_className, n_methodName);
            // One in an attribute value of this element.
            if (!entities.first.isNull())
                refuseEntity(entities.first, reader, n_className, n_methodName);
            const QString name = firstNamespaceName(reader);
            if (!name.isNull())
                refuse(QStringLiteral(
                           "The document uses XML namespaces (the name \"%1\"), which model files "
                           "never do")
                           .arg(name),
                       place, n_className, n_methodName);
            break;
        }
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::DTD:
            sawDoctype = true;
            if (reader.text().contains(QLatin1Char('[')))
                refuse(doctypeRefusedMessage(),
                       Place{int(reader.lineNumber()), int(reader.columnNumber())}, n_className,
                       n_methodName);
            break;
        case QXmlStreamReader::EntityReference:
            // Only left unresolved after an external DOCTYPE, which the DOM parser never reads.
            refuseEntity(reader.name().toString(), reader, n_className, n_methodName);
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        refuseMalformed(n_text, reader, sawDoctype, n_className, n_methodName);
}

void XMLDocumentReader::setContent(QDomDocument &n_document, const QByteArray &n_text,
                                   const QString &n_className, const QString &n_methodName)
{
    setContent(n_document, decode(n_text, n_className, n_methodName), n_className, n_methodName);
}

void XMLDocumentReader::setContent(QDomDocument &n_document, const QString &n_text,
                                   const QString &n_className, const QString &n_methodName)
{
    checkDocument(n_text, n_className, n_methodName);
    QString message;
    int line = 0;
    int column = 0;
    if (!n_document.setContent(n_text, &message, &line, &column))
        refuse(message, Place{line, column}, n_className, n_methodName);
}

QString XMLDocumentReader::readFile(QFile &n_file, const QString &n_className,
                                    const QString &n_methodName)
{
    if (!n_file.exists())
        throw FileNotExistExceptionOstra(n_file.fileName(), n_className, n_methodName,
                                         QSharedPointer<ExceptionOstra>());
    if (!n_file.open(QIODevice::ReadOnly))
        throw FileCantOpenExceptionOstra(n_file.fileName(), QIODevice::ReadOnly, n_className,
                                         n_methodName, QSharedPointer<ExceptionOstra>());
    // The bytes die with this call: they stay out of the peak memory of loading a model.
    const QByteArray content = n_file.readAll();
    n_file.close();
    return decode(content, n_className, n_methodName);
}

void XMLDocumentReader::loadFromFile(QDomDocument &n_document, QFile &n_file,
                                     const QString &n_className, const QString &n_methodName)
{
    setContent(n_document, readFile(n_file, n_className, n_methodName), n_className, n_methodName);
}

void XMLDocumentReader::loadFromString(QDomDocument &n_document, const QString &n_text,
                                       const QString &n_className)
{
    setContent(n_document, n_text, n_className,
               QStringLiteral("loadFromString(const QString &n_string)"));
}
