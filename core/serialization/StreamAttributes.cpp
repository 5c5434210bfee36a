#include "serialization/StreamAttributes.h"

void StreamAttributes::append(const QString &n_name, const QString &n_value)
{
    m_attributes.append(qMakePair(n_name, n_value));
}

const QString *StreamAttributes::find(const QString &n_name) const
{
    // A dozen attributes at most on a model element: a walk is cheaper than any hash.
    for (const QPair<QString, QString> &attribute : m_attributes)
        if (attribute.first == n_name)
            return &attribute.second;
    return nullptr;
}

QStringList StreamAttributes::names() const
{
    QStringList names;
    names.reserve(m_attributes.size());
    for (const QPair<QString, QString> &attribute : m_attributes)
        names.append(attribute.first);
    return names;
}

QVariant StreamAttributes::itemFieldValue(const QString &n_name) const
{
    const QString *value = find(n_name);
    if (!value || value->isEmpty())
        return QVariant();
    return QVariant(*value);
}

QVariant StreamAttributes::nodeFieldValue(const QString &n_name) const
{
    const QString *value = find(n_name);
    return QVariant(value ? *value : QString());
}

void StreamAttributes::warnReadOnly(const char *n_nodeAndMethod)
{
    qWarning("%s: the node is read only (made for loading); nothing is written", n_nodeAndMethod);
}
