#include "serialization/ModelStreamReader.h"

#include "errors/NotSupportedXmlFormat.h"
#include "serialization/ClassXMLSerializer.h"
#include "serialization/ModelXMLSerializer.h"
#include "serialization/RelationsStorageXMLSerializer.h"
#include "serialization/StreamClassNode.h"
#include "serialization/StreamItemNode.h"
#include "serialization/StreamModelNode.h"
#include "serialization/StreamRelationsNode.h"
#include "serialization/XMLDocumentReader.h"

namespace {
const QString CLASS_NAME = QStringLiteral("ModelStreamReader");
const QString READ_METHOD = QStringLiteral("read(const QString &n_text)");

// A name made of ASCII letters, digits, '_', '-' and '.', starting with a letter or '_': one that
// both parsers take alike (the stream reader takes some characters in names that the DOM parser
// refuses), and no namespace declaration.
bool isSimpleName(const QStringRef &n_name)
{
    if (n_name.isEmpty() || n_name == QLatin1String("xmlns"))
        return false;
    for (int i = 0; i < n_name.size(); ++i) {
        const ushort c = n_name.at(i).unicode();
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
        const bool other = (c >= '0' && c <= '9') || c == '-' || c == '.';
        if (!letter && (i == 0 || !other))
            return false;
    }
    return true;
}

// Whether a tab or line feed stands raw in a start tag, from its '<' to the '>' that ends it (not
// one inside a quoted value). The stream reader turns one inside an attribute value into a space,
// which the DOM keeps; the program writes them as references, so a document holding one is left
// to the DOM. Every '<' of a document the pass takes opens a tag or the declaration: no value or
// text holds one raw, and comments, CDATA and the like are left to the DOM anyway.
bool hasBreakInStartTag(const QString &n_text)
{
    const ushort *at = n_text.utf16();
    const ushort *const end = at + n_text.size();
    while (at != end) {
        if (*at++ != '<' || at == end || *at == '/' || *at == '?' || *at == '!')
            continue;
        ushort quote = 0;
        for (; at != end; ++at) {
            const ushort c = *at;
            if (c == '\t' || c == '\n')
                return true;
            if (quote != 0) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                break;
            }
        }
    }
    return false;
}
} // namespace

QSharedPointer<StreamModelNode> ModelStreamReader::read(const QString &n_text)
{
    ModelStreamReader reader(n_text);
    return reader.readModel();
}

ModelStreamReader::ModelStreamReader(const QString &n_text) : m_text(n_text), m_reader(n_text)
{
    // As in the guard's pass: names are taken as written, and a prefixed one is refused below.
    m_reader.setNamespaceProcessing(false);
}

void ModelStreamReader::leave() const
{
    throw NotSupportedXmlFormat(CLASS_NAME, READ_METHOD, QSharedPointer<ExceptionOstra>());
}

QXmlStreamReader::TokenType ModelStreamReader::next()
{
    const QXmlStreamReader::TokenType token = m_reader.readNext();
    switch (token) {
    case QXmlStreamReader::StartElement:
        if (++m_depth > XMLDocumentReader::MAX_NESTING_DEPTH)
            leave();
        break;
    case QXmlStreamReader::EndElement:
        --m_depth;
        break;
    case QXmlStreamReader::Characters:
        // CDATA is a node of its own to the DOM.
        if (m_reader.isCDATA())
            leave();
        break;
    case QXmlStreamReader::StartDocument:
    case QXmlStreamReader::EndDocument:
        break;
    case QXmlStreamReader::NoToken:
    case QXmlStreamReader::Invalid:
    case QXmlStreamReader::Comment:
    case QXmlStreamReader::DTD:
    case QXmlStreamReader::EntityReference:
    case QXmlStreamReader::ProcessingInstruction:
        leave();
    }
    return token;
}

bool ModelStreamReader::isSpace() const
{
    // The DOM drops text that is all white space in the Unicode sense, as QChar tells it.
    const QStringRef text = m_reader.text();
    for (const QChar c : text)
        if (!c.isSpace())
            return false;
    return true;
}

void ModelStreamReader::skipSpace()
{
    if (!isSpace())
        leave();
}

namespace {
const int MAX_NAMES = 256;
}

int ModelStreamReader::internName(const QStringRef &n_name)
{
    // A model document uses a score of attribute names: one shared text each, checked once.
    for (int i = 0; i < m_names.size(); ++i)
        if (m_names.at(i).name == n_name)
            return i;
    // Past a few hundred names (free-form fields) the search above would grow with the square of
    // a hostile file's size: such a document goes to the DOM path, which reads it the same.
    if (!isSimpleName(n_name) || m_names.size() >= MAX_NAMES)
        leave();
    m_names.append(Interned{n_name.toString(), QString()});
    return m_names.size() - 1;
}

QString ModelStreamReader::internValue(int n_name, const QStringRef &n_value)
{
    // Many elements repeat the value the one before gave the same attribute (a type, a relation's
    // kind and arguments): such a value shares that text instead of a copy of its own.
    QString &last = m_names[n_name].lastValue;
    // An empty value is kept apart from none: the fields read them differently.
    if (last.isNull() != n_value.isNull() || last != n_value)
        last = n_value.toString();
    return last;
}

StreamAttributes ModelStreamReader::takeAttributes()
{
    const QXmlStreamAttributes attributes = m_reader.attributes();
    StreamAttributes taken(attributes.size());
    for (const QXmlStreamAttribute &attribute : attributes) {
        const int name = internName(attribute.qualifiedName());
        taken.append(m_names.at(name).name, internValue(name, attribute.value()));
    }
    return taken;
}

QSharedPointer<StreamModelNode> ModelStreamReader::readModel()
{
    XMLDocumentReader::checkCharacters(m_text, CLASS_NAME, READ_METHOD);
    // A carriage return anywhere is left to the DOM, which keeps it where the stream reader
    // would not.
    if (m_text.contains(QLatin1Char('\r')) || hasBreakInStartTag(m_text))
        leave();
    for (QXmlStreamReader::TokenType token = next(); token != QXmlStreamReader::StartElement;
         token = next()) {
        if (token == QXmlStreamReader::StartDocument) {
            // Without a declaration the version is empty.
            const QStringRef version = m_reader.documentVersion();
            if (!version.isEmpty() && version != QLatin1String("1.0"))
                leave();
        } else if (token == QXmlStreamReader::Characters) {
            skipSpace();
        } else {
            leave();
        }
    }
    if (m_reader.qualifiedName() != ModelXMLSerializer::TAG_NAME_MODEL)
        leave();
    const StreamAttributes attributes = takeAttributes();
    const QString *format = attributes.find(ModelXMLSerializer::ATTRIBUTE_NAME_FORMAT_XML_VERSION);
    if (!format || *format != ModelXMLSerializer::FORMAT_XML_VERSION)
        leave();
    QSharedPointer<StreamClassNode> root;
    QSharedPointer<StreamRelationsNode> relations;
    for (QXmlStreamReader::TokenType token = next(); token != QXmlStreamReader::EndElement;
         token = next()) {
        if (token == QXmlStreamReader::Characters) {
            skipSpace();
        } else if (m_reader.qualifiedName() == ClassXMLSerializer::TAG_NAME_CLASS && !root) {
            root = readClass();
        } else if (m_reader.qualifiedName() == RelationsStorageXMLSerializer::TAG_NAME_RELATIONS
                   && !relations) {
            relations = QSharedPointer<StreamRelationsNode>::create(takeAttributes());
            readItems(RelationsStorageXMLSerializer::TAG_NAME_RELATION, relations->relations(),
                      true);
        } else {
            leave();
        }
    }
    for (QXmlStreamReader::TokenType token = next(); token != QXmlStreamReader::EndDocument;
         token = next()) {
        if (token != QXmlStreamReader::Characters)
            leave();
        skipSpace();
    }
    if (!root || !relations)
        leave();
    return QSharedPointer<StreamModelNode>::create(attributes, root, relations);
}

QSharedPointer<StreamClassNode> ModelStreamReader::readClass()
{
    const QSharedPointer<StreamClassNode> node = QSharedPointer<StreamClassNode>::create(
        takeAttributes());
    // The DOM node reads the first list of each name; a second one is left to it.
    bool parameters = false;
    bool rules = false;
    bool constraints = false;
    bool classes = false;
    const auto once = [this](bool &n_seen) {
        if (n_seen)
            leave();
        n_seen = true;
    };
    for (QXmlStreamReader::TokenType token = next(); token != QXmlStreamReader::EndElement;
         token = next()) {
        if (token == QXmlStreamReader::Characters) {
            skipSpace();
            continue;
        }
        const QStringRef name = m_reader.qualifiedName();
        // A list keeps no attributes, but the DOM parser still reads their names.
        takeAttributes();
        if (name == ClassXMLSerializer::TAG_NAME_PARAMETERS) {
            once(parameters);
            readItems(ClassXMLSerializer::TAG_NAME_PARAMETER, node->parameters(), false);
        } else if (name == ClassXMLSerializer::TAG_NAME_RULES) {
            once(rules);
            readItems(ClassXMLSerializer::TAG_NAME_RULE, node->rules(), false);
        } else if (name == ClassXMLSerializer::TAG_NAME_CONSTRAINTS) {
            once(constraints);
            readItems(ClassXMLSerializer::TAG_NAME_CONSTRAINT, node->constraints(), false);
        } else if (name == ClassXMLSerializer::TAG_NAME_CLASSES) {
            once(classes);
            readClasses(*node);
        } else {
            leave();
        }
    }
    return node;
}

void ModelStreamReader::readClasses(StreamClassNode &n_parent)
{
    for (QXmlStreamReader::TokenType token = next(); token != QXmlStreamReader::EndElement;
         token = next()) {
        if (token == QXmlStreamReader::Characters)
            skipSpace();
        else if (m_reader.qualifiedName() == ClassXMLSerializer::TAG_NAME_CLASS)
            n_parent.classes().append(readClass());
        else
            leave();
    }
}

void ModelStreamReader::readItems(const QString &n_itemTag,
                                  QList<QSharedPointer<ISerializerObject>> &n_items,
                                  bool n_withText)
{
    for (QXmlStreamReader::TokenType token = next(); token != QXmlStreamReader::EndElement;
         token = next()) {
        if (token == QXmlStreamReader::Characters) {
            skipSpace();
        } else if (m_reader.qualifiedName() == n_itemTag) {
            const StreamAttributes attributes = takeAttributes();
            n_items.append(
                QSharedPointer<StreamItemNode>::create(attributes, readItemText(n_withText)));
        } else {
            leave();
        }
    }
}

QString ModelStreamReader::readItemText(bool n_withText)
{
    // The DOM gives the element's text as one run; a run that is all white space it drops.
    QString text;
    bool read = false;
    for (QXmlStreamReader::TokenType token = next(); token != QXmlStreamReader::EndElement;
         token = next()) {
        if (token != QXmlStreamReader::Characters)
            leave();
        if (isSpace())
            continue;
        if (!n_withText || read)
            leave();
        text = m_reader.text().toString();
        read = true;
    }
    return text;
}
