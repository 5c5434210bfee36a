#ifndef ISERIALIZERMODEL_H
#define ISERIALIZERMODEL_H

#include <QFile>
#include <QSharedPointer>
#include <QString>

#include "serialization/ISerializerClass.h"
#include "serialization/ISerializerObject.h"
#include "serialization/ISerializerRelationsStorage.h"

// Serializer node of a whole model: its attributes, the root class node and the relations node.
class ISerializerModel : public ISerializerObject
{
public:
    ~ISerializerModel() override {}

    virtual void setClass(QSharedPointer<ISerializerClass> n_class) = 0;
    virtual QSharedPointer<ISerializerClass> getClass() const = 0;
    virtual void setRelationStorage(
        QSharedPointer<ISerializerRelationsStorage> n_relationsStorage) = 0;
    virtual QSharedPointer<ISerializerRelationsStorage> getRelationStorage() const = 0;

    virtual void loadFromFile(QFile &n_file) = 0;
    virtual void loadFromString(const QString &n_string) = 0;
    virtual void saveToFile(QFile &n_file) const = 0;
    virtual QString saveToString() const = 0;

    virtual QSharedPointer<ISerializerClass> getClassPrototype() const = 0;
    virtual QSharedPointer<ISerializerRelationsStorage> getRelationsStoragePrototype() const = 0;
};

#endif // ISERIALIZERMODEL_H
