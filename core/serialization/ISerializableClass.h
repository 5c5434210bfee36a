#ifndef ISERIALIZABLECLASS_H
#define ISERIALIZABLECLASS_H

class ISerializerClass;

// A class of the model tree that stores itself in a class node.
class ISerializableClass
{
public:
    virtual ~ISerializableClass() {}
    virtual void load(const ISerializerClass &n_object) = 0;
    virtual void save(ISerializerClass &n_object) const = 0;
};

#endif // ISERIALIZABLECLASS_H
