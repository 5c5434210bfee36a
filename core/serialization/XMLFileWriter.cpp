#include "serialization/XMLFileWriter.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include "errors/FileCantOpenExceptionOstra.h"
#include "errors/FileIOExceptionOstra.h"

namespace {
const QIODevice::OpenMode SAVE_MODE = QIODevice::WriteOnly | QIODevice::Text;

// The text carries no XML declaration, and readers take such text as UTF-8 whatever the locale.
void writeDocument(const QDomDocument &n_document, QIODevice &n_device, int n_indent, QTextStream &n_stream)
{
    n_stream.setDevice(&n_device);
    n_stream.setCodec("UTF-8");
    n_document.save(n_stream, n_indent, QDomNode::EncodingFromDocument);
    n_stream.flush();
}

[[noreturn]] void throwCantOpen(const QString &n_fileName, const QString &n_className,
                                const QString &n_methodName)
{
    throw FileCantOpenExceptionOstra(n_fileName, SAVE_MODE, n_className, n_methodName,
                                     QSharedPointer<ExceptionOstra>());
}

[[noreturn]] void throwWriteFailed(const QString &n_fileName, const QString &n_error,
                                   const QString &n_className, const QString &n_methodName)
{
    throw FileIOExceptionOstra(n_fileName, n_error, n_className, n_methodName,
                               QSharedPointer<ExceptionOstra>());
}

// A device or a pipe cannot be replaced by a renamed temporary file (that would put a plain file
// in place of the device node), so such targets are written to directly and only checked.
void saveDirectly(const QDomDocument &n_document, QFile &n_file, int n_indent,
                  const QString &n_className, const QString &n_methodName)
{
    const QString fileName = n_file.fileName();
    if (!n_file.open(SAVE_MODE))
        throwCantOpen(fileName, n_className, n_methodName);
    QTextStream stream;
    writeDocument(n_document, n_file, n_indent, stream);
    bool written = stream.status() == QTextStream::Ok && n_file.flush()
                   && n_file.error() == QFileDevice::NoError;
    QString error = n_file.errorString();
    n_file.close();
    if (written && n_file.error() != QFileDevice::NoError) {
        written = false;
        error = n_file.errorString();
    }
    if (!written)
        throwWriteFailed(fileName, error, n_className, n_methodName);
}
} // namespace

void XMLFileWriter::saveToFile(const QDomDocument &n_document, QFile &n_file, int n_indent,
                               const QString &n_className, const QString &n_methodName)
{
    const QString fileName = n_file.fileName();
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile()) {
        saveDirectly(n_document, n_file, n_indent, n_className, n_methodName);
        return;
    }

    QSaveFile saveFile(fileName);
    if (!saveFile.open(SAVE_MODE))
        throwCantOpen(fileName, n_className, n_methodName);
    QTextStream stream;
    writeDocument(n_document, saveFile, n_indent, stream);
    if (stream.status() != QTextStream::Ok || saveFile.error() != QFileDevice::NoError) {
        const QString error = saveFile.errorString();
        saveFile.cancelWriting();
        throwWriteFailed(fileName, error, n_className, n_methodName);
    }
    if (!saveFile.commit())
        throwWriteFailed(fileName, saveFile.errorString(), n_className, n_methodName);
}

void XMLFileWriter::saveElementToFile(QDomDocument n_document, const QDomElement &n_element, QFile &n_file,
                                      const QString &n_className)
{
    n_document.appendChild(n_element);
    saveToFile(n_document, n_file, 0, n_className, QStringLiteral("saveToFile(QFile &n_file)"));
}

QString XMLFileWriter::saveElementToString(QDomDocument n_document, const QDomElement &n_element)
{
    n_document.appendChild(n_element);
    return n_document.toString(1);
}
