#include "serialization/XMLFileWriter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextCodec>
#include <QTextStream>

#include "errors/FileCantOpenExceptionOstra.h"
#include "errors/FileIOExceptionOstra.h"

namespace {
const QIODevice::OpenMode SAVE_MODE = QIODevice::WriteOnly | QIODevice::Text;

// UTF-8 for the model files, cheap where the DOM writer asks it about single characters. That
// writer asks the stream's codec whether it can encode every character of every attribute and text
// (to write a character reference when not), and Qt's UTF-8 codec answers by encoding the
// character into a new byte array: on the 10^5-element benchmark model that question was half of
// the whole save. UTF-8 encodes every character but a lone surrogate, so only those are still
// asked of the real codec; all text is encoded by it, so the bytes are the same.
class ModelFileCodec : public QTextCodec
{
public:
    ModelFileCodec() : m_utf8(QTextCodec::codecForMib(106)) {}
    QByteArray name() const override { return QByteArrayLiteral("UTF-8 (model files)"); }
    int mibEnum() const override { return -106; }

protected:
    QString convertToUnicode(const char *n_in, int n_length, ConverterState *n_state) const override
    {
        return m_utf8->toUnicode(n_in, n_length, n_state);
    }
    QByteArray convertFromUnicode(const QChar *n_in, int n_length,
                                  ConverterState *n_state) const override
    {
        // canEncode asks with a fresh state that turns invalid characters into nulls; the stream
        // never does.
        if (n_length == 1 && n_state != nullptr && n_state->flags == ConvertInvalidToNull
            && n_state->invalidChars == 0 && n_state->remainingChars == 0 && !n_in->isSurrogate())
            return QByteArray();
        return m_utf8->fromUnicode(n_in, n_length, n_state);
    }

private:
    QTextCodec *m_utf8;
};

QTextCodec *modelFileCodec()
{
    // Codecs register themselves and live until the program ends.
    static QTextCodec *const codec = new ModelFileCodec;
    return codec;
}

// The text carries no XML declaration, and readers take such text as UTF-8 whatever the locale.
// It is made in memory and written at once: the DOM writer ends every element's line with an
// endl, which on a file flushed the stream to the system line by line. False when the device did
// not take the whole text.
bool writeDocument(const QDomDocument &n_document, QIODevice &n_device, int n_indent)
{
    // Told to take the encoding from the document, the DOM writer sets Qt's own UTF-8 codec on the
    // stream; told to take it from the stream, it keeps ours but writes a declaration first, which
    // is cut off again below. A document with a declaration of its own keeps the plain road.
    const QDomNode first = n_document.firstChild();
    const bool declared =
        first.isProcessingInstruction() && first.nodeName() == QLatin1String("xml");
    QByteArray text;
    {
        QBuffer buffer(&text);
        buffer.open(QIODevice::WriteOnly);
        QTextStream stream(&buffer);
        stream.setCodec(declared ? QTextCodec::codecForName("UTF-8") : modelFileCodec());
        n_document.save(stream, n_indent,
                        declared ? QDomNode::EncodingFromDocument
                                 : QDomNode::EncodingFromTextStream);
        stream.flush();
    }
    int start = 0;
    if (!declared) {
        const QByteArray declaration = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"")
                                       + modelFileCodec()->name() + QByteArrayLiteral("\"?>\n");
        if (text.startsWith(declaration))
            start = declaration.size();
    }
    const qint64 length = text.size() - start;
    if (n_device.write(text.constData() + start, length) != length)
        return false;
    // A file keeps the tail in its buffer; a failure to write it must show now, not be lost at
    // the commit.
    QFileDevice *const file = qobject_cast<QFileDevice *>(&n_device);
    return file == nullptr || file->flush();
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
    bool written = writeDocument(n_document, n_file, n_indent) && n_file.flush()
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
    if (!writeDocument(n_document, saveFile, n_indent)
        || saveFile.error() != QFileDevice::NoError) {
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
