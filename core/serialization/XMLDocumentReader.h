#ifndef XMLDOCUMENTREADER_H
#define XMLDOCUMENTREADER_H

#include <QByteArray>
#include <QDomDocument>
#include <QFile>
#include <QString>

// The one way every XML loader fills a QDomDocument. The DOM parser and the DOM tree recurse per
// nesting level, so a hostile or broken file nested deeply enough crashes the program; the text is
// therefore scanned as a stream first and refused past MAX_NESTING_DEPTH levels, before any DOM
// node exists. Both failures raise XMLParseExceptionOstra with the given class and method names.
class XMLDocumentReader
{
public:
    // Far beyond any real model (class trees nest a handful of levels per class).
    static const int MAX_NESTING_DEPTH = 1000;

    static void setContent(QDomDocument &n_document, const QByteArray &n_text,
                           const QString &n_className, const QString &n_methodName);
    static void setContent(QDomDocument &n_document, const QString &n_text,
                           const QString &n_className, const QString &n_methodName);

    // The file and string loading of every XML node, reported under the node's n_className and its
    // "loadFromFile(QFile &n_file)" / "loadFromString(const QString &n_string)". A missing file
    // raises FileNotExistExceptionOstra and one that cannot be opened FileCantOpenExceptionOstra
    // (read-only mode); the file is closed before its text is parsed.
    static void loadFromFile(QDomDocument &n_document, QFile &n_file, const QString &n_className,
                             const QString &n_methodName = QStringLiteral("loadFromFile(QFile &n_file)"));
    static void loadFromString(QDomDocument &n_document, const QString &n_text, const QString &n_className);

    // Throws XMLParseExceptionOstra when the text nests elements deeper than MAX_NESTING_DEPTH.
    static void checkNestingDepth(const QByteArray &n_text, const QString &n_className,
                                  const QString &n_methodName);
    static void checkNestingDepth(const QString &n_text, const QString &n_className,
                                  const QString &n_methodName);

    static QString nestingTooDeepMessage();
};

#endif // XMLDOCUMENTREADER_H
