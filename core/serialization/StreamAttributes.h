#ifndef STREAMATTRIBUTES_H
#define STREAMATTRIBUTES_H

#include <QHash>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// The attributes of one element of a model document read by ModelStreamReader, in document order,
// and what the read-only stream nodes share: how they answer field reads, and the warning each
// write operation gives (they are made for loading only).
class StreamAttributes
{
public:
    StreamAttributes() = default;
    // Room for as many attributes as the element has, taken in one allocation.
    explicit StreamAttributes(int n_count) { m_attributes.reserve(n_count); }

    void append(const QString &n_name, const QString &n_value);
    // The value of the attribute, or null when the element has none of that name.
    const QString *find(const QString &n_name) const;
    QStringList names() const;

    // As a DOM item node reads a field: an empty or absent attribute is an invalid QVariant.
    QVariant itemFieldValue(const QString &n_name) const;
    // As the DOM class, model and relations nodes read one: absent gives a null string.
    QVariant nodeFieldValue(const QString &n_name) const;
    // Every field as name -> n_read(name), in the order the DOM nodes give them: their element's
    // attribute map is a hash filled in document order, and the order extra fields are handed in
    // decides their saved order among names that differ only in case.
    template<class Read>
    QHash<QString, QVariant> fieldsHash(Read n_read) const
    {
        QHash<QString, int> domOrder;
        for (int i = 0; i < m_attributes.size(); ++i)
            domOrder.insert(m_attributes.at(i).first, i);
        QHash<QString, QVariant> fields;
        for (auto it = domOrder.constBegin(); it != domOrder.constEnd(); ++it)
            fields.insert(it.key(), n_read(it.key()));
        return fields;
    }

    static void warnReadOnly(const char *n_nodeAndMethod);

private:
    QVector<QPair<QString, QString>> m_attributes;
};

#endif // STREAMATTRIBUTES_H
