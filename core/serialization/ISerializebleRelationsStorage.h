#ifndef ISERIALIZEBLERELATIONSSTORAGE_H
#define ISERIALIZEBLERELATIONSSTORAGE_H

class ISerializerRelationsStorage;

// A relation store that stores itself in a relations node.
class ISerializebleRelationsStorage
{
public:
    virtual ~ISerializebleRelationsStorage() {}
    virtual void load(const ISerializerRelationsStorage &n_object) = 0;
    virtual void save(ISerializerRelationsStorage &n_object) = 0;
};

#endif // ISERIALIZEBLERELATIONSSTORAGE_H
