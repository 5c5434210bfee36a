#ifndef ISERIALIZEBLEMODEL_H
#define ISERIALIZEBLEMODEL_H

class ISerializerModel;

// A model that stores itself in a model node.
class ISerializebleModel
{
public:
    virtual ~ISerializebleModel() {}
    virtual void load(const ISerializerModel &n_object) = 0;
    virtual void save(ISerializerModel &n_object) const = 0;
};

#endif // ISERIALIZEBLEMODEL_H
