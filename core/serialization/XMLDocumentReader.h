#ifndef XMLDOCUMENTREADER_H
#define XMLDOCUMENTREADER_H

#include <QByteArray>
#include <QDomDocument>
#include <QFile>
#include <QString>

// The one way every XML loader fills a QDomDocument. The DOM parser is lenient (it takes control
// characters, undeclared entities and broken character data), it expands every entity a DOCTYPE
// declares (a small file can grow to gigabytes) and it recurses per nesting level (a deep enough
// file crashes the program). So the text is first decoded strictly and read once as a stream, and
// the DOM is built only from a well-formed XML 1.0 document without an internal DOCTYPE subset,
// entity references or namespaces, nested at most MAX_NESTING_DEPTH levels. Every refusal raises
// XMLParseExceptionOstra with the place, under the given class and method names; text that is not
// well formed with the DOM parser's message and place, as loading has always reported it, where
// the DOM finds the fault in the text the stream pass has checked.
class XMLDocumentReader
{
public:
    // Far beyond any real model (class trees nest a handful of levels per class).
    static const int MAX_NESTING_DEPTH = 1000;
    // Far beyond any element of a model (a dozen attributes and its extra fields). The stream
    // reader checks every attribute against the element's earlier ones, so an element of n
    // attributes costs n^2: 50,000 on one element took 16 s.
    static const int MAX_ATTRIBUTES = 1000;

    static void setContent(QDomDocument &n_document, const QByteArray &n_text,
                           const QString &n_className, const QString &n_methodName);
    static void setContent(QDomDocument &n_document, const QString &n_text,
                           const QString &n_className, const QString &n_methodName);

    // The file and string loading of every XML node, reported under the node's n_className and its
    // "loadFromFile(QFile &n_file)" / "loadFromString(const QString &n_string)". A missing file
    // raises FileNotExistExceptionOstra and one that cannot be opened FileCantOpenExceptionOstra
    // (read-only mode); the file is closed before its text is parsed.
    static void loadFromFile(
        QDomDocument &n_document, QFile &n_file, const QString &n_className,
        const QString &n_methodName = QStringLiteral("loadFromFile(QFile &n_file)"));
    static void loadFromString(QDomDocument &n_document, const QString &n_text,
                               const QString &n_className);
    // The text of a file, checked and decoded as loadFromFile reads it, with the same refusals.
    static QString readFile(QFile &n_file, const QString &n_className, const QString &n_methodName);

    // The bytes of a document as text: UTF-8 or UTF-16 (told by the byte order mark or the first
    // bytes), or the encoding its XML declaration names. Invalid byte sequences are refused.
    static QString decode(const QByteArray &n_bytes, const QString &n_className,
                          const QString &n_methodName);
    // The checks of checkDocument that scan the text before any parser reads it: characters XML
    // cannot hold, and start tags with more than MAX_ATTRIBUTES attributes.
    static void checkCharacters(const QString &n_text, const QString &n_className,
                                const QString &n_methodName);
    // Throws XMLParseExceptionOstra unless n_text may be handed to the DOM parser (see above).
    static void checkDocument(const QString &n_text, const QString &n_className,
                              const QString &n_methodName);

    // True for the characters XML 1.0 can hold (its Char production) at n_text[n_index]; a
    // surrogate counts only as half of a pair.
    static bool isXmlChar(const QString &n_text, int n_index);
    // The index of the first character XML cannot hold, or -1.
    static int firstNonXmlChar(const QString &n_text);

    // False for a name that belongs to XML namespaces (a prefix, or "xmlns"), which model
    // documents never use.
    static bool isPlainName(const QString &n_name);
    static bool isPlainName(const QStringRef &n_name);

    static QString nestingTooDeepMessage();
    static QString tooManyAttributesMessage();
    static QString doctypeRefusedMessage();
};

#endif // XMLDOCUMENTREADER_H
