#ifndef XMLTESTSUPPORT_H
#define XMLTESTSUPPORT_H

// Small helpers shared by the tests: catching log messages and one exception type, reading and
// writing whole files, listing child elements.

#include <QDomElement>
#include <QFile>
#include <QSharedPointer>
#include <QStringList>
#include <QtTest>

#include <stdexcept>

#include "errors/ExceptionOstra.h"

// Collects the messages of one type (warnings by default) while it lives.
class MessageCatcher
{
public:
    explicit MessageCatcher(QtMsgType n_type = QtWarningMsg)
    {
        s_type = n_type;
        s_messages.clear();
        m_previous = qInstallMessageHandler(&MessageCatcher::handler);
    }
    ~MessageCatcher() { qInstallMessageHandler(m_previous); }
    QStringList messages() const { return s_messages; }
    bool any(const QString &n_part) const
    {
        for (const QString &message : s_messages)
            if (message.contains(n_part))
                return true;
        return false;
    }

private:
    static void handler(QtMsgType n_type, const QMessageLogContext &, const QString &n_message)
    {
        if (n_type == s_type)
            s_messages.append(n_message);
    }
    static inline QStringList s_messages;
    static inline QtMsgType s_type = QtWarningMsg;
    QtMessageHandler m_previous;
};

// Runs n_call and gives the exception of type E it raised; null (with a warning saying why) when it
// raised nothing or another ExceptionOstra. Use as: auto e = thrown<E>([&] { ... }); QVERIFY(e);
template<class E, class F>
QSharedPointer<E> thrown(F n_call)
{
    try {
        n_call();
    } catch (const E &wanted) {
        return QSharedPointer<E>::create(wanted);
    } catch (const ExceptionOstra &other) {
        qWarning("unexpected exception: %s", qPrintable(other.toString(false)));
        return {};
    }
    qWarning("no exception thrown");
    return {};
}

// Runs n_call and gives the exception of type E it raised, for a look at its fields. When it raised
// nothing the test fails on the std::runtime_error thrown instead; another exception passes
// through.
template<class E, class F>
E caught(F n_call)
{
    try {
        n_call();
    } catch (const E &wanted) {
        return wanted;
    }
    throw std::runtime_error("the expected exception was not raised");
}

inline QByteArray readFile(const QString &n_path)
{
    QFile file(n_path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString &n_path, const QByteArray &n_bytes)
{
    QFile file(n_path);
    return file.open(QIODevice::WriteOnly) && file.write(n_bytes) == n_bytes.size();
}

inline QStringList childTags(const QDomNode &n_parent)
{
    QStringList tags;
    for (QDomElement child = n_parent.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        tags.append(child.tagName());
    return tags;
}

// The "id" attributes of the child elements, in document order.
inline QStringList childIds(const QDomNode &n_parent)
{
    QStringList ids;
    for (QDomElement child = n_parent.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        ids.append(child.attribute(QStringLiteral("id")));
    return ids;
}

#endif // XMLTESTSUPPORT_H
