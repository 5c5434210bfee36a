#include "serialization/XMLDocumentReader.h"

#include <QTextCodec>
#include <QXmlStreamEntityResolver>
#include <QXmlStreamReader>

#include <string>

#include "errors/FileCantOpenExceptionOstra.h"
#include "errors/FileNotExistExceptionOstra.h"
#include "errors/XMLParseExceptionOstra.h"

namespace {

// The DOM parser tolerates undeclared entities; the stream scan must not stop at them, or it would
// stop counting while the DOM parser goes on building.
class TolerantEntityResolver : public QXmlStreamEntityResolver
{
public:
    QString resolveUndeclaredEntity(const QString &) override { return QStringLiteral(" "); }
};

struct DepthProblem
{
    bool tooDeep = false;
    qint64 line = 0;
    qint64 column = 0;
};

// Returns the place where the depth limit is passed; scanFailed tells whether the stream reader
// gave up on a text it finds malformed before reaching the end.
DepthProblem scanStream(QXmlStreamReader &n_reader, bool &n_scanFailed)
{
    TolerantEntityResolver resolver;
    n_reader.setEntityResolver(&resolver);
    DepthProblem problem;
    int depth = 0;
    while (!n_reader.atEnd()) {
        const QXmlStreamReader::TokenType token = n_reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (++depth > XMLDocumentReader::MAX_NESTING_DEPTH) {
                problem.tooDeep = true;
                problem.line = n_reader.lineNumber();
                problem.column = n_reader.columnNumber();
                break;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    n_scanFailed = !problem.tooDeep && n_reader.hasError();
    n_reader.setEntityResolver(nullptr);
    return problem;
}

// Used only when the stream reader rejects the text: the DOM parser is more lenient in places and
// might still build the tree, so the depth is counted by a rough tag scan instead of trusting the
// stopped stream. It never validates; it only counts open start tags.
DepthProblem scanRough(const QString &n_text)
{
    DepthProblem problem;
    const int size = n_text.size();
    auto skipPast = [&](const QString &n_end, int n_from) {
        const int found = n_text.indexOf(n_end, n_from);
        return found < 0 ? size : found + n_end.size();
    };
    int depth = 0;
    int pos = 0;
    while (pos < size) {
        const int open = n_text.indexOf(QLatin1Char('<'), pos);
        if (open < 0)
            break;
        const QStringRef head = n_text.midRef(open, 9);
        if (head.startsWith(QLatin1String("<!--"))) {
            pos = skipPast(QStringLiteral("-->"), open + 4);
        } else if (head.startsWith(QLatin1String("<![CDATA["))) {
            pos = skipPast(QStringLiteral("]]>"), open + 9);
        } else if (head.startsWith(QLatin1String("<?"))) {
            pos = skipPast(QStringLiteral("?>"), open + 2);
        } else if (head.startsWith(QLatin1String("<!"))) {
            int k = open + 2;
            int brackets = 0;
            for (; k < size; ++k) {
                const QChar c = n_text.at(k);
                if (c == QLatin1Char('['))
                    ++brackets;
                else if (c == QLatin1Char(']'))
                    --brackets;
                else if (c == QLatin1Char('>') && brackets <= 0)
                    break;
            }
            pos = k + 1;
        } else if (head.startsWith(QLatin1String("</"))) {
            --depth;
            pos = skipPast(QStringLiteral(">"), open + 2);
        } else {
            int k = open + 1;
            QChar quote;
            for (; k < size; ++k) {
                const QChar c = n_text.at(k);
                if (!quote.isNull()) {
                    if (c == quote)
                        quote = QChar();
                } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                    quote = c;
                } else if (c == QLatin1Char('>')) {
                    break;
                }
            }
            if (k >= size)
                break;
            if (n_text.at(k - 1) != QLatin1Char('/') && ++depth > XMLDocumentReader::MAX_NESTING_DEPTH) {
                problem.tooDeep = true;
                const int lineStart = n_text.lastIndexOf(QLatin1Char('\n'), open) + 1;
                problem.line = n_text.leftRef(open).count(QLatin1Char('\n')) + 1;
                problem.column = open - lineStart + 1;
                return problem;
            }
            pos = k + 1;
        }
    }
    return problem;
}

// The cheap pre-scan for ordinary documents. It walks the raw code units (UTF-8 bytes or UTF-16
// characters) with the same tag model as scanRough, which on well-formed text also agrees with the
// stream reader: comments, CDATA, processing instructions and quoted attribute values are skipped,
// and a self-closing tag counts as a level for an instant (the stream reader reports it as a start
// and an end element). It only ever clears a document: anything it cannot judge safely - a DOCTYPE
// or other declaration (entities declared there may expand to elements), an end tag without an
// open element, an unterminated construct, or a document that does pass the limit - answers false
// and leaves the decision, and the exact place reported, to the stream scan.
template<typename Unit>
bool quickScanWithinLimit(const Unit *n_text, qsizetype n_size)
{
    const Unit *const end = n_text + n_size;
    // Returns the position just past the first occurrence of n_close (ASCII), or null.
    auto skipPast = [end](const Unit *n_from, const char *n_close, int n_closeSize) -> const Unit * {
        for (const Unit *p = n_from; end - p >= n_closeSize; ++p) {
            if (*p != Unit(n_close[0]))
                continue;
            int i = 1;
            while (i < n_closeSize && p[i] == Unit(n_close[i]))
                ++i;
            if (i == n_closeSize)
                return p + n_closeSize;
        }
        return nullptr;
    };
    auto startsWith = [end](const Unit *n_at, const char *n_head, int n_headSize) {
        if (end - n_at < n_headSize)
            return false;
        for (int i = 0; i < n_headSize; ++i)
            if (n_at[i] != Unit(n_head[i]))
                return false;
        return true;
    };
    int depth = 0;
    const Unit *pos = n_text;
    while (pos < end) {
        const Unit *open = std::char_traits<Unit>::find(pos, size_t(end - pos), Unit('<'));
        if (open == nullptr)
            break;
        const Unit *next = open + 1;
        if (next == end)
            return false;
        if (*next == Unit('!')) {
            if (startsWith(open, "<!--", 4))
                pos = skipPast(open + 4, "-->", 3);
            else if (startsWith(open, "<![CDATA[", 9))
                pos = skipPast(open + 9, "]]>", 3);
            else
                return false;
        } else if (*next == Unit('?')) {
            pos = skipPast(open + 2, "?>", 2);
        } else if (*next == Unit('/')) {
            if (--depth < 0)
                return false;
            pos = skipPast(open + 2, ">", 1);
        } else {
            const Unit *k = next;
            Unit quote = 0;
            for (; k < end; ++k) {
                const Unit c = *k;
                if (quote != 0) {
                    if (c == quote)
                        quote = 0;
                } else if (c == Unit('"') || c == Unit('\'')) {
                    quote = c;
                } else if (c == Unit('>')) {
                    break;
                }
            }
            if (k == end || depth + 1 > XMLDocumentReader::MAX_NESTING_DEPTH)
                return false;
            if (*(k - 1) != Unit('/'))
                ++depth;
            pos = k + 1;
        }
        if (pos == nullptr)
            return false;
    }
    return true;
}

// Strict UTF-8 check (no overlong forms, surrogates or values past U+10FFFF): only then does every
// ASCII byte of the text stand for that very character after decoding.
bool isValidUtf8(const uchar *n_bytes, qsizetype n_size)
{
    qsizetype i = 0;
    while (i < n_size) {
        const uchar lead = n_bytes[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        uint lowest = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            lowest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            lowest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            lowest = 0x10000;
        } else {
            return false;
        }
        if (n_size - i <= extra)
            return false;
        uint code = lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const uchar c = n_bytes[i + k];
            if ((c & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (c & 0x3F);
        }
        if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

// The quick scan reads bytes as UTF-8 only when the stream reader will decode them so: no NUL byte
// (UTF-16 and UTF-32 text without a byte order mark), no byte order mark other than UTF-8's, valid
// UTF-8 throughout, and no XML declaration naming another encoding.
bool isPlainUtf8(const QByteArray &n_text)
{
    const uchar *bytes = reinterpret_cast<const uchar *>(n_text.constData());
    const qsizetype size = n_text.size();
    uchar seen = 0;
    bool nul = false;
    for (qsizetype i = 0; i < size; ++i) {
        seen |= bytes[i];
        nul |= bytes[i] == 0;
    }
    if (nul)
        return false;
    if ((seen & 0x80) != 0 && !isValidUtf8(bytes, size))
        return false;
    QByteArray head = n_text.left(256);
    if (head.startsWith("\xEF\xBB\xBF"))
        head.remove(0, 3);
    if (!head.startsWith("<?xml"))
        return true;
    const int close = head.indexOf("?>");
    if (close < 0)
        return false;
    head.truncate(close);
    const int encoding = head.indexOf("encoding");
    if (encoding < 0)
        return true;
    int k = encoding + 8;
    while (k < head.size() && (head.at(k) == ' ' || head.at(k) == '\t' || head.at(k) == '\r' || head.at(k) == '\n'))
        ++k;
    if (k >= head.size() || head.at(k) != '=')
        return false;
    ++k;
    while (k < head.size() && (head.at(k) == ' ' || head.at(k) == '\t' || head.at(k) == '\r' || head.at(k) == '\n'))
        ++k;
    if (k >= head.size() || (head.at(k) != '"' && head.at(k) != '\''))
        return false;
    const int valueEnd = head.indexOf(head.at(k), k + 1);
    if (valueEnd < 0)
        return false;
    return head.mid(k + 1, valueEnd - k - 1).toLower() == "utf-8";
}

[[noreturn]] void throwTooDeep(const DepthProblem &n_problem, const QString &n_className,
                               const QString &n_methodName)
{
    throw XMLParseExceptionOstra(XMLDocumentReader::nestingTooDeepMessage(), int(n_problem.line),
                                 int(n_problem.column), n_className, n_methodName,
                                 QSharedPointer<ExceptionOstra>());
}

// The bytes of a file and the characters of a string take the same way: depth check, then parse.
template<typename Text>
void checkAndParse(QDomDocument &n_document, const Text &n_text, const QString &n_className,
                   const QString &n_methodName)
{
    XMLDocumentReader::checkNestingDepth(n_text, n_className, n_methodName);
    QString message;
    int line = 0;
    int column = 0;
    if (!n_document.setContent(n_text, &message, &line, &column))
        throw XMLParseExceptionOstra(message, line, column, n_className, n_methodName,
                                     QSharedPointer<ExceptionOstra>());
}

} // namespace

QString XMLDocumentReader::nestingTooDeepMessage()
{
    return QStringLiteral("XML elements are nested deeper than %1 levels; the document is refused")
        .arg(MAX_NESTING_DEPTH);
}

void XMLDocumentReader::checkNestingDepth(const QByteArray &n_text, const QString &n_className,
                                          const QString &n_methodName)
{
    // The full stream scan costs about as much as the DOM parse itself; ordinary documents are
    // cleared by the quick scan.
    if (isPlainUtf8(n_text)
        && quickScanWithinLimit(reinterpret_cast<const char *>(n_text.constData()), n_text.size()))
        return;
    QXmlStreamReader reader(n_text);
    bool scanFailed = false;
    DepthProblem problem = scanStream(reader, scanFailed);
    if (scanFailed) {
        QTextCodec *codec = QTextCodec::codecForUtfText(n_text, QTextCodec::codecForName("UTF-8"));
        problem = scanRough(codec->toUnicode(n_text));
    }
    if (problem.tooDeep)
        throwTooDeep(problem, n_className, n_methodName);
}

void XMLDocumentReader::checkNestingDepth(const QString &n_text, const QString &n_className,
                                          const QString &n_methodName)
{
    if (quickScanWithinLimit(reinterpret_cast<const char16_t *>(n_text.utf16()), n_text.size()))
        return;
    QXmlStreamReader reader(n_text);
    bool scanFailed = false;
    DepthProblem problem = scanStream(reader, scanFailed);
    if (scanFailed)
        problem = scanRough(n_text);
    if (problem.tooDeep)
        throwTooDeep(problem, n_className, n_methodName);
}

void XMLDocumentReader::setContent(QDomDocument &n_document, const QByteArray &n_text,
                                   const QString &n_className, const QString &n_methodName)
{
    checkAndParse(n_document, n_text, n_className, n_methodName);
}

void XMLDocumentReader::setContent(QDomDocument &n_document, const QString &n_text,
                                   const QString &n_className, const QString &n_methodName)
{
    checkAndParse(n_document, n_text, n_className, n_methodName);
}

void XMLDocumentReader::loadFromFile(QDomDocument &n_document, QFile &n_file, const QString &n_className,
                                     const QString &n_methodName)
{
    if (!n_file.exists())
        throw FileNotExistExceptionOstra(n_file.fileName(), n_className, n_methodName,
                                         QSharedPointer<ExceptionOstra>());
    if (!n_file.open(QIODevice::ReadOnly))
        throw FileCantOpenExceptionOstra(n_file.fileName(), QIODevice::ReadOnly, n_className, n_methodName,
                                         QSharedPointer<ExceptionOstra>());
    // The bytes die with this call, before the caller builds anything from the tree: they stay
    // out of the peak memory of loading a model.
    const QByteArray content = n_file.readAll();
    n_file.close();
    setContent(n_document, content, n_className, n_methodName);
}

void XMLDocumentReader::loadFromString(QDomDocument &n_document, const QString &n_text, const QString &n_className)
{
    setContent(n_document, n_text, n_className, QStringLiteral("loadFromString(const QString &n_string)"));
}
