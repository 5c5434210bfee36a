#include "serialization/XMLFileWriter.h"

#include <QBuffer>
#include <QDomNamedNodeMap>
#include <QFileInfo>
#include <QVector>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <QSaveFile>
#include <QTextCodec>
#include <QTextStream>

#include "errors/FileCantOpenExceptionOstra.h"
#include "errors/FileIOExceptionOstra.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "serialization/XMLDocumentReader.h"

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
    const bool declared = first.isProcessingInstruction()
                          && first.nodeName() == QLatin1String("xml");
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

bool isNameStartChar(uint n_c)
{
    return (n_c >= 'a' && n_c <= 'z') || (n_c >= 'A' && n_c <= 'Z') || n_c == '_' || n_c == ':'
           || (n_c >= 0xC0 && n_c <= 0xD6) || (n_c >= 0xD8 && n_c <= 0xF6)
           || (n_c >= 0xF8 && n_c <= 0x2FF) || (n_c >= 0x370 && n_c <= 0x37D)
           || (n_c >= 0x37F && n_c <= 0x1FFF) || (n_c >= 0x200C && n_c <= 0x200D)
           || (n_c >= 0x2070 && n_c <= 0x218F) || (n_c >= 0x2C00 && n_c <= 0x2FEF)
           || (n_c >= 0x3001 && n_c <= 0xD7FF) || (n_c >= 0xF900 && n_c <= 0xFDCF)
           || (n_c >= 0xFDF0 && n_c <= 0xFFFD) || (n_c >= 0x10000 && n_c <= 0xEFFFF);
}

bool isNameChar(uint n_c)
{
    return isNameStartChar(n_c) || n_c == '-' || n_c == '.' || (n_c >= '0' && n_c <= '9')
           || n_c == 0xB7 || (n_c >= 0x300 && n_c <= 0x36F) || (n_c >= 0x203F && n_c <= 0x2040);
}

// The reason a node cannot be written, or an empty text.
QString problemOf(const QString &n_what, const QString &n_text)
{
    const int bad = XMLDocumentReader::firstNonXmlChar(n_text);
    if (bad < 0)
        return QString();
    return QStringLiteral("%1 holds the character U+%2 at position %3, which XML cannot hold")
        .arg(n_what, QString::number(n_text.at(bad).unicode(), 16)
                         .toUpper()
                         .rightJustified(4, QLatin1Char('0')))
        .arg(bad + 1);
}

QString elementProblem(const QDomElement &n_element)
{
    const QDomNamedNodeMap attributes = n_element.attributes();
    // What the loader would refuse (see XMLDocumentReader) is not written either.
    if (attributes.count() > XMLDocumentReader::MAX_ATTRIBUTES)
        return QStringLiteral("%1 attributes are more than the %2 a document may give one element")
            .arg(attributes.count())
            .arg(XMLDocumentReader::MAX_ATTRIBUTES);
    if (!XMLFileWriter::isXmlName(n_element.tagName()))
        return QStringLiteral("the tag name \"%1\" is no XML name").arg(n_element.tagName());
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr attribute = attributes.item(i).toAttr();
        if (!XMLFileWriter::isXmlName(attribute.name()))
            return QStringLiteral("the attribute name \"%1\" is no XML name").arg(attribute.name());
        const QString problem = problemOf(
            QStringLiteral("the attribute \"%1\"").arg(attribute.name()), attribute.value());
        if (!problem.isEmpty())
            return problem;
    }
    return QString();
}

// The element a message names: its tag and, when it has one, its id.
QString describe(const QDomElement &n_element)
{
    const QString id = n_element.attribute(QStringLiteral("id"));
    return id.isEmpty()
               ? QStringLiteral("element \"%1\"").arg(n_element.tagName())
               : QStringLiteral("element \"%1\" with id \"%2\"").arg(n_element.tagName(), id);
}

// The reason a write failed: the device's own, or the system's when the device has none (a write
// past a file-size limit leaves the device with its "Unknown error").
QString failureReason(const QFileDevice &n_device, int n_errno)
{
    const QString own = n_device.errorString();
    if (n_errno == 0 || (n_device.error() != QFileDevice::NoError && own != QFile().errorString()))
        return own;
    return QString::fromLocal8Bit(std::strerror(n_errno));
}

// A device or a pipe cannot be replaced by a renamed temporary file (that would put a plain file
// in place of the device node), so such targets are written to directly and only checked.
void saveDirectly(const QDomDocument &n_document, QFile &n_file, int n_indent,
                  const QString &n_className, const QString &n_methodName)
{
    const QString fileName = n_file.fileName();
    if (!n_file.open(SAVE_MODE))
        throwCantOpen(fileName, n_className, n_methodName);
    errno = 0;
    bool written = writeDocument(n_document, n_file, n_indent) && n_file.flush()
                   && n_file.error() == QFileDevice::NoError;
    QString error = failureReason(n_file, errno);
    n_file.close();
    if (written && n_file.error() != QFileDevice::NoError) {
        written = false;
        error = failureReason(n_file, errno);
    }
    if (!written)
        throwWriteFailed(fileName, error, n_className, n_methodName);
}
} // namespace

bool XMLFileWriter::isXmlName(const QString &n_name)
{
    if (n_name.isEmpty() || !XMLDocumentReader::isPlainName(n_name))
        return false;
    // Names are nearly always ASCII, which decides without decoding surrogate pairs.
    bool ascii = true;
    for (int i = 0; i < n_name.size() && ascii; ++i) {
        const ushort c = n_name.at(i).unicode();
        ascii = c < 0x80;
        if (ascii && !(i == 0 ? isNameStartChar(c) : isNameChar(c)))
            return false;
    }
    if (ascii)
        return true;
    const QVector<uint> codes = n_name.toUcs4();
    if (!isNameStartChar(codes.first()) || XMLDocumentReader::firstNonXmlChar(n_name) >= 0)
        return false;
    return std::all_of(codes.constBegin() + 1, codes.constEnd(), isNameChar);
}

void XMLFileWriter::checkWritable(const QDomNode &n_root, const QString &n_className,
                                  const QString &n_methodName)
{
    // Iterative: a class chain made through the API may be deeper than the stack allows.
    QDomNode node = n_root;
    int depth = 0; // of node below n_root
    while (!node.isNull()) {
        QString problem;
        QDomElement owner;
        if (node.isElement()) {
            owner = node.toElement();
            problem =
                depth > XMLDocumentReader::MAX_NESTING_DEPTH
                    ? QStringLiteral(
                          "elements would be nested deeper than the %1 levels a document may hold")
                          .arg(XMLDocumentReader::MAX_NESTING_DEPTH)
                    : elementProblem(owner);
        } else if (node.isText() || node.isComment() || node.isProcessingInstruction()) {
            owner = node.parentNode().toElement();
            problem = problemOf(QStringLiteral("the text"), node.nodeValue());
        }
        if (!problem.isEmpty()) {
            const QString where = owner.isNull() ? QStringLiteral("the document") : describe(owner);
            throw InconsistencyDataExceptionOstra(
                n_className, n_methodName,
                QSharedPointer<ExceptionOstra>::create(
                    501, QStringLiteral("In %1: %2; nothing was written").arg(where, problem),
                    n_className, n_methodName, nullptr));
        }
        if (!node.firstChild().isNull()) {
            node = node.firstChild();
            ++depth;
            continue;
        }
        while (!node.isNull() && node != n_root && node.nextSibling().isNull()) {
            node = node.parentNode();
            --depth;
        }
        node = node.isNull() || node == n_root ? QDomNode() : node.nextSibling();
    }
}

void XMLFileWriter::saveToFile(const QDomDocument &n_document, QFile &n_file, int n_indent,
                               const QString &n_className, const QString &n_methodName)
{
    checkWritable(n_document, n_className, n_methodName);
    const QString fileName = n_file.fileName();
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile()) {
        saveDirectly(n_document, n_file, n_indent, n_className, n_methodName);
        return;
    }

    QSaveFile saveFile(fileName);
    if (!saveFile.open(SAVE_MODE))
        throwCantOpen(fileName, n_className, n_methodName);
    errno = 0;
    if (!writeDocument(n_document, saveFile, n_indent)
        || saveFile.error() != QFileDevice::NoError) {
        const QString error = failureReason(saveFile, errno);
        saveFile.cancelWriting();
        throwWriteFailed(fileName, error, n_className, n_methodName);
    }
    errno = 0;
    if (!saveFile.commit())
        throwWriteFailed(fileName, failureReason(saveFile, errno), n_className, n_methodName);
}

void XMLFileWriter::saveElementToFile(QDomDocument n_document, const QDomElement &n_element,
                                      QFile &n_file, const QString &n_className)
{
    n_document.appendChild(n_element);
    saveToFile(n_document, n_file, 0, n_className, QStringLiteral("saveToFile(QFile &n_file)"));
}

QString XMLFileWriter::saveElementToString(QDomDocument n_document, const QDomElement &n_element,
                                           const QString &n_className)
{
    n_document.appendChild(n_element);
    checkWritable(n_document, n_className, QStringLiteral("saveToString()"));
    return n_document.toString(1);
}
