#ifndef MODELSTREAMREADER_H
#define MODELSTREAMREADER_H

#include <QSharedPointer>
#include <QString>
#include <QVector>
#include <QXmlStreamReader>

#include "serialization/StreamAttributes.h"

class ISerializerObject;
class StreamClassNode;
class StreamModelNode;

// Reads a model document of the current format in one QXmlStreamReader pass into read-only nodes
// (StreamModelNode and the nodes below it) that the model loads from as it loads from the DOM
// nodes, without building a DOM. It reads only what it can read exactly as the DOM nodes do: the
// document as the program writes it, whatever its values. Anything else raises an exception: a
// document the guard of XMLDocumentReader refuses, or that is not well formed, one in the older
// format, and one that holds what only the DOM reading gives a meaning to (comments, processing
// instructions, CDATA, a DOCTYPE, other elements or text than the format's, repeated lists, a
// carriage return, a tab or line feed inside a tag, attribute names beyond ASCII letters, digits
// and "_-."). A caller then reads the text through the DOM, which raises what it raises.
class ModelStreamReader
{
public:
    static QSharedPointer<StreamModelNode> read(const QString &n_text);

private:
    explicit ModelStreamReader(const QString &n_text);

    QSharedPointer<StreamModelNode> readModel();
    QSharedPointer<StreamClassNode> readClass();
    void readItems(const QString &n_itemTag, QList<QSharedPointer<ISerializerObject>> &n_items,
                   bool n_withText);
    void readClasses(StreamClassNode &n_parent);
    QString readItemText(bool n_withText);

    QXmlStreamReader::TokenType next();
    StreamAttributes takeAttributes();
    int internName(const QStringRef &n_name);
    QString internValue(int n_name, const QStringRef &n_value);
    void skipSpace();
    bool isSpace() const;
    [[noreturn]] void leave() const;

    const QString &m_text;
    QXmlStreamReader m_reader;
    int m_depth = 0;
    // Each attribute name met so far, with the value it last had.
    struct Interned
    {
        QString name;
        QString lastValue;
    };
    QVector<Interned> m_names;
};

#endif // MODELSTREAMREADER_H
