#ifndef OSTRAMODEL_H
#define OSTRAMODEL_H

#include <QSharedPointer>

#include "errors/BaseOstraObj.h"
#include "model/OstraClass.h"
#include "serialization/ISerializebleModel.h"

class ISerializerModel;
class RelationsStorage;

// One knowledge model: its descriptive texts, the root of its class tree and the relations storage
// that every class of the tree shares.
class OstraModel : public BaseOstraObj, public ISerializebleModel
{
public:
    typedef QSharedPointer<OstraModel> OstraModelSharedPtr;

    OstraModel();
    OstraModel(const OstraModel &n_other);
    OstraModel &operator=(const OstraModel &n_other) = delete;
    ~OstraModel() override;

    OstraObjectType getOstraObjectType() const override;
    void load(const ISerializerModel &n_object) override;
    void save(ISerializerModel &n_object) const override;

    OstraModelSharedPtr copy() const;
    OstraModelSharedPtr clone() const;

    OstraClass::OstraClassPtr getRootClass() const;
    void setRootClass(OstraClass::OstraClassPtr n_rootClass);
    QSharedPointer<RelationsStorage> getRelationsStorage() const;

    void loadModelAttributes(const ISerializerModel &n_object);
    void loadRelationsStorage(const ISerializerModel &n_object);
    void loadRootClass(const ISerializerModel &n_object);
    void saveModelAttributes(ISerializerModel &n_object) const;
    void saveRootClass(ISerializerModel &n_object) const;
    void saveRelationsStorage(ISerializerModel &n_object) const;

private:
    OstraClass::OstraClassPtr m_rootClass;
    QSharedPointer<RelationsStorage> m_relationsStorage;
};

#endif // OSTRAMODEL_H
