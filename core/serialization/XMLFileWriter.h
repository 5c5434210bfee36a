#ifndef XMLFILEWRITER_H
#define XMLFILEWRITER_H

#include <QDomDocument>
#include <QFile>
#include <QString>

// Writes a DOM document to a file so that a failed save never costs the user the old file: the text
// goes to a temporary file that replaces the old one only when everything was written.
// Opening failures raise FileCantOpenExceptionOstra (write-only text mode); failures while writing
// or committing raise FileIOExceptionOstra with the system's error text.
class XMLFileWriter
{
public:
    static void saveToFile(const QDomDocument &n_document, QFile &n_file, int n_indent,
                           const QString &n_className, const QString &n_methodName);
};

#endif // XMLFILEWRITER_H
