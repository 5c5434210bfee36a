#ifndef STREAMCLASSNODE_H
#define STREAMCLASSNODE_H

#include "serialization/ISerializerClass.h"
#include "serialization/StreamNode.h"

// One class of a model document read by ModelStreamReader, with its four lists, read as
// ClassXMLSerializer reads its DOM element (an absent attribute is a null text). Read only: the
// write operations only warn, and the prototypes are null.
class StreamClassNode : public StreamNode<ISerializerClass>
{
public:
    explicit StreamClassNode(const StreamAttributes &n_attributes);

    void addOwnParameters(const QList<QSharedPointer<ISerializerObject>> &n_parameters) override;
    void addOwnRules(const QList<QSharedPointer<ISerializerObject>> &n_rules) override;
    void addOwnConstraints(const QList<QSharedPointer<ISerializerObject>> &n_constraints) override;
    void addOwnClasses(const QList<QSharedPointer<ISerializerClass>> &n_classes) override;

    QList<QSharedPointer<ISerializerObject>> getOwnParameters() const override;
    QList<QSharedPointer<ISerializerObject>> getOwnRules() const override;
    QList<QSharedPointer<ISerializerObject>> getOwnConstraints() const override;
    QList<QSharedPointer<ISerializerClass>> getOwnClasses() const override;

    QSharedPointer<ISerializerObject> getParameterPrototype() const override;
    QSharedPointer<ISerializerObject> getRulePrototype() const override;
    QSharedPointer<ISerializerObject> getConstraintPrototype() const override;
    QSharedPointer<ISerializerClass> getClassPrototype() const override;

    // Filled by the reader, in document order.
    QList<QSharedPointer<ISerializerObject>> &parameters();
    QList<QSharedPointer<ISerializerObject>> &rules();
    QList<QSharedPointer<ISerializerObject>> &constraints();
    QList<QSharedPointer<ISerializerClass>> &classes();

private:
    QList<QSharedPointer<ISerializerObject>> m_parameters;
    QList<QSharedPointer<ISerializerObject>> m_rules;
    QList<QSharedPointer<ISerializerObject>> m_constraints;
    QList<QSharedPointer<ISerializerClass>> m_classes;
};

#endif // STREAMCLASSNODE_H
