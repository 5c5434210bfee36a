#ifndef STREAMMODELNODE_H
#define STREAMMODELNODE_H

#include "serialization/ISerializerModel.h"
#include "serialization/StreamNode.h"

// The model element of a document read by ModelStreamReader, holding its root class and relation
// list, read as ModelXMLSerializer reads its DOM element. Read only.
class StreamModelNode : public StreamNode<ISerializerModel>
{
public:
    StreamModelNode(const StreamAttributes &n_attributes, QSharedPointer<ISerializerClass> n_class,
                    QSharedPointer<ISerializerRelationsStorage> n_relations);

    void setClass(QSharedPointer<ISerializerClass> n_class) override;
    QSharedPointer<ISerializerClass> getClass() const override;
    void setRelationStorage(
        QSharedPointer<ISerializerRelationsStorage> n_relationsStorage) override;
    QSharedPointer<ISerializerRelationsStorage> getRelationStorage() const override;
    QSharedPointer<ISerializerClass> getClassPrototype() const override;
    QSharedPointer<ISerializerRelationsStorage> getRelationsStoragePrototype() const override;

private:
    QSharedPointer<ISerializerClass> m_class;
    QSharedPointer<ISerializerRelationsStorage> m_relations;
};

#endif // STREAMMODELNODE_H
