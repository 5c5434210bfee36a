#ifndef ISERIALIZERRELATIONSSTORAGE_H
#define ISERIALIZERRELATIONSSTORAGE_H

#include <QFile>
#include <QList>
#include <QSharedPointer>
#include <QString>

#include "serialization/ISerializerObject.h"

// Serializer node of a model's relation list.
class ISerializerRelationsStorage : public ISerializerObject
{
public:
    ~ISerializerRelationsStorage() override {}

    virtual void addRelations(const QList<QSharedPointer<ISerializerObject>> &n_relations) = 0;
    virtual QList<QSharedPointer<ISerializerObject>> getRelations() const = 0;

    virtual void loadFromFile(QFile &n_file) = 0;
    virtual void loadFromString(const QString &n_string) = 0;
    virtual void saveToFile(QFile &n_file) const = 0;
    virtual QString saveToString() const = 0;

    virtual QSharedPointer<ISerializerObject> getRelationPrototype() const = 0;
};

#endif // ISERIALIZERRELATIONSSTORAGE_H
