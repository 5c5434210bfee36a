#include "serialization/XMLDocumentReader.h"

#include <QTextCodec>
#include <QXmlStreamEntityResolver>
#include <QXmlStreamReader>

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

[[noreturn]] void throwTooDeep(const DepthProblem &n_problem, const QString &n_className,
                               const QString &n_methodName)
{
    throw XMLParseExceptionOstra(XMLDocumentReader::nestingTooDeepMessage(), int(n_problem.line),
                                 int(n_problem.column), n_className, n_methodName,
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
    checkNestingDepth(n_text, n_className, n_methodName);
    QString message;
    int line = 0;
    int column = 0;
    if (!n_document.setContent(n_text, &message, &line, &column))
        throw XMLParseExceptionOstra(message, line, column, n_className, n_methodName,
                                     QSharedPointer<ExceptionOstra>());
}

void XMLDocumentReader::setContent(QDomDocument &n_document, const QString &n_text,
                                   const QString &n_className, const QString &n_methodName)
{
    checkNestingDepth(n_text, n_className, n_methodName);
    QString message;
    int line = 0;
    int column = 0;
    if (!n_document.setContent(n_text, &message, &line, &column))
        throw XMLParseExceptionOstra(message, line, column, n_className, n_methodName,
                                     QSharedPointer<ExceptionOstra>());
}
