#ifndef XMLFILEWRITER_H
#define XMLFILEWRITER_H

#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QString>

// Writes a DOM document to a file so that a failed save never costs the user the old file: the text
// goes to a temporary file that replaces the old one only when everything was written.
// Opening failures raise FileCantOpenExceptionOstra (write-only text mode); failures while writing
// or committing raise FileIOExceptionOstra with the system's error text.
// Before anything is written, every file and string is checked to be XML its own loader takes:
// a name or a text that XML cannot hold (a control character in an id, code set through the API,
// an extra field whose name is no XML name or a namespace name), elements nested too deep or with
// too many attributes raise InconsistencyDataExceptionOstra, whose parent names the element and
// the reason.
class XMLFileWriter
{
public:
    static void saveToFile(const QDomDocument &n_document, QFile &n_file, int n_indent,
                           const QString &n_className, const QString &n_methodName);

    // How a node writes its element: the element becomes a top-level node of n_document (taken out
    // of any parent), then the whole document is written, to a file with indent 0 (failures
    // reported as the node's "saveToFile(QFile &n_file)") or to a string with indent 1.
    static void saveElementToFile(QDomDocument n_document, const QDomElement &n_element,
                                  QFile &n_file, const QString &n_className);
    static QString saveElementToString(QDomDocument n_document, const QDomElement &n_element,
                                       const QString &n_className);

    // Throws InconsistencyDataExceptionOstra as described above for the first node under n_root
    // that XML cannot hold.
    static void checkWritable(const QDomNode &n_root, const QString &n_className,
                              const QString &n_methodName);
    // XML's Name production (letters, digits and . - _ and the other name characters), without the
    // names of XML namespaces (a prefix before ":", or "xmlns"), which the loader refuses.
    static bool isXmlName(const QString &n_name);
};

#endif // XMLFILEWRITER_H
