#include "serialization/StreamClassNode.h"

StreamClassNode::StreamClassNode(const StreamAttributes &n_attributes) : m_attributes(n_attributes)
{
}

void StreamClassNode::addField(const QString &, const QVariant &)
{
    StreamAttributes::warnReadOnly("StreamClassNode::addField");
}

void StreamClassNode::addFields(const QHash<QString, QVariant> &)
{
    StreamAttributes::warnReadOnly("StreamClassNode::addFields");
}

QVariant StreamClassNode::getFieldValue(const QString &n_name) const
{
    return m_attributes.nodeFieldValue(n_name);
}

QHash<QString, QVariant> StreamClassNode::getFieldsHash() const
{
    return m_attributes.fieldsHash([this](const QString &n_name) { return getFieldValue(n_name); });
}

QStringList StreamClassNode::getFieldNames() const
{
    return m_attributes.names();
}

void StreamClassNode::addOwnParameters(const QList<QSharedPointer<ISerializerObject>> &)
{
    StreamAttributes::warnReadOnly("StreamClassNode::addOwnParameters");
}

void StreamClassNode::addOwnRules(const QList<QSharedPointer<ISerializerObject>> &)
{
    StreamAttributes::warnReadOnly("StreamClassNode::addOwnRules");
}

void StreamClassNode::addOwnConstraints(const QList<QSharedPointer<ISerializerObject>> &)
{
    StreamAttributes::warnReadOnly("StreamClassNode::addOwnConstraints");
}

void StreamClassNode::addOwnClasses(const QList<QSharedPointer<ISerializerClass>> &)
{
    StreamAttributes::warnReadOnly("StreamClassNode::addOwnClasses");
}

QList<QSharedPointer<ISerializerObject>> StreamClassNode::getOwnParameters() const
{
    return m_parameters;
}

QList<QSharedPointer<ISerializerObject>> StreamClassNode::getOwnRules() const
{
    return m_rules;
}

QList<QSharedPointer<ISerializerObject>> StreamClassNode::getOwnConstraints() const
{
    return m_constraints;
}

QList<QSharedPointer<ISerializerClass>> StreamClassNode::getOwnClasses() const
{
    return m_classes;
}

void StreamClassNode::loadFromFile(QFile &)
{
    StreamAttributes::warnReadOnly("StreamClassNode::loadFromFile");
}

void StreamClassNode::loadFromString(const QString &)
{
    StreamAttributes::warnReadOnly("StreamClassNode::loadFromString");
}

void StreamClassNode::saveToFile(QFile &) const
{
    StreamAttributes::warnReadOnly("StreamClassNode::saveToFile");
}

QString StreamClassNode::saveToString() const
{
    StreamAttributes::warnReadOnly("StreamClassNode::saveToString");
    return QString();
}

QSharedPointer<ISerializerObject> StreamClassNode::getParameterPrototype() const
{
    return QSharedPointer<ISerializerObject>();
}

QSharedPointer<ISerializerObject> StreamClassNode::getRulePrototype() const
{
    return QSharedPointer<ISerializerObject>();
}

QSharedPointer<ISerializerObject> StreamClassNode::getConstraintPrototype() const
{
    return QSharedPointer<ISerializerObject>();
}

QSharedPointer<ISerializerClass> StreamClassNode::getClassPrototype() const
{
    return QSharedPointer<ISerializerClass>();
}

QList<QSharedPointer<ISerializerObject>> &StreamClassNode::parameters()
{
    return m_parameters;
}

QList<QSharedPointer<ISerializerObject>> &StreamClassNode::rules()
{
    return m_rules;
}

QList<QSharedPointer<ISerializerObject>> &StreamClassNode::constraints()
{
    return m_constraints;
}

QList<QSharedPointer<ISerializerClass>> &StreamClassNode::classes()
{
    return m_classes;
}
