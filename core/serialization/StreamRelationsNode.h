#ifndef STREAMRELATIONSNODE_H
#define STREAMRELATIONSNODE_H

#include "serialization/ISerializerRelationsStorage.h"
#include "serialization/StreamNode.h"

// The relation list of a model document read by ModelStreamReader, read as
// RelationsStorageXMLSerializer reads its DOM element. Read only.
class StreamRelationsNode : public StreamNode<ISerializerRelationsStorage>
{
public:
    explicit StreamRelationsNode(const StreamAttributes &n_attributes);

    void addRelations(const QList<QSharedPointer<ISerializerObject>> &n_relations) override;
    QList<QSharedPointer<ISerializerObject>> getRelations() const override;
    QSharedPointer<ISerializerObject> getRelationPrototype() const override;

    // Filled by the reader, in document order.
    QList<QSharedPointer<ISerializerObject>> &relations();

private:
    QList<QSharedPointer<ISerializerObject>> m_relations;
};

#endif // STREAMRELATIONSNODE_H
