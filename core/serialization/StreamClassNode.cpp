#include "serialization/StreamClassNode.h"

StreamClassNode::StreamClassNode(const StreamAttributes &n_attributes)
    : StreamNode<ISerializerClass>(n_attributes)
{
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
