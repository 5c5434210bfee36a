#ifndef ISERIALIZERCLASS_H
#define ISERIALIZERCLASS_H

#include <QFile>
#include <QList>
#include <QSharedPointer>
#include <QString>

#include "serialization/ISerializerObject.h"

// Serializer node of one class of the model tree: its attributes plus four item lists.
class ISerializerClass : public ISerializerObject
{
public:
    ~ISerializerClass() override {}

    virtual void addOwnParameters(const QList<QSharedPointer<ISerializerObject>> &n_parameters) = 0;
    virtual void addOwnRules(const QList<QSharedPointer<ISerializerObject>> &n_rules) = 0;
    virtual void addOwnConstraints(
        const QList<QSharedPointer<ISerializerObject>> &n_constraints) = 0;
    virtual void addOwnClasses(const QList<QSharedPointer<ISerializerClass>> &n_classes) = 0;

    virtual QList<QSharedPointer<ISerializerObject>> getOwnParameters() const = 0;
    virtual QList<QSharedPointer<ISerializerObject>> getOwnRules() const = 0;
    virtual QList<QSharedPointer<ISerializerObject>> getOwnConstraints() const = 0;
    virtual QList<QSharedPointer<ISerializerClass>> getOwnClasses() const = 0;

    virtual void loadFromFile(QFile &n_file) = 0;
    virtual void loadFromString(const QString &n_string) = 0;
    virtual void saveToFile(QFile &n_file) const = 0;
    virtual QString saveToString() const = 0;

    virtual QSharedPointer<ISerializerObject> getParameterPrototype() const = 0;
    virtual QSharedPointer<ISerializerObject> getRulePrototype() const = 0;
    virtual QSharedPointer<ISerializerObject> getConstraintPrototype() const = 0;
    virtual QSharedPointer<ISerializerClass> getClassPrototype() const = 0;
};

#endif // ISERIALIZERCLASS_H
