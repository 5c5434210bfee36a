#include "model/OstraModel.h"

#include "elements/RelationsStorage.h"
#include "errors/PointerIsNull.h"
#include "errors/uidgenerators.h"
#include "serialization/ISerializerModel.h"

OstraModel::OstraModel() : BaseOstraObj(), m_rootClass(QSharedPointer<OstraClass>::create())
{
    m_relationsStorage = m_rootClass->getRelationsStorage();
}

OstraModel::OstraModel(const OstraModel &n_other) : BaseOstraObj(n_other), ISerializebleModel()
{
    m_relationsStorage = QSharedPointer<RelationsStorage>::create(*n_other.m_relationsStorage);
    m_rootClass = n_other.m_rootClass->copy(m_relationsStorage);
}

OstraModel::~OstraModel()
{
    m_relationsStorage.reset();
    m_rootClass.reset();
}

OstraObjectType OstraModel::getOstraObjectType() const
{
    return OBJECT_TYPE_MODEL;
}

void OstraModel::load(const ISerializerModel &n_object)
{
    loadModelAttributes(n_object);
    loadRelationsStorage(n_object);
    loadRootClass(n_object);
}

void OstraModel::save(ISerializerModel &n_object) const
{
    saveModelAttributes(n_object);
    saveRootClass(n_object);
    saveRelationsStorage(n_object);
}

OstraModel::OstraModelSharedPtr OstraModel::copy() const
{
    return QSharedPointer<OstraModel>::create(*this);
}

OstraModel::OstraModelSharedPtr OstraModel::clone() const
{
    const OstraModelSharedPtr newModel = QSharedPointer<OstraModel>::create();
    newModel->setId(uidgenerators::genUid());
    newModel->setShortName(getShortName());
    newModel->setDescription(getDescription());
    newModel->setGUID(getGUID());
    newModel->setAuthor(getAuthor());
    const QSharedPointer<RelationsStorage> storage = QSharedPointer<RelationsStorage>::create(
        *m_relationsStorage);
    newModel->setRootClass(m_rootClass->clone(storage));
    storage->resetUuid();
    return newModel;
}

OstraClass::OstraClassPtr OstraModel::getRootClass() const
{
    return m_rootClass;
}

void OstraModel::setRootClass(OstraClass::OstraClassPtr n_rootClass)
{
    // The model's storage is taken from its root; without a root it would have none.
    if (n_rootClass.isNull())
        throw PointerIsNull(QStringLiteral("OstraModel"),
                            QStringLiteral("setRootClass(OstraClass::OstraClassPtr n_rootClass)"),
                            QSharedPointer<ExceptionOstra>());
    m_rootClass = n_rootClass;
    m_relationsStorage = m_rootClass->getRelationsStorage();
}

QSharedPointer<RelationsStorage> OstraModel::getRelationsStorage() const
{
    return m_relationsStorage;
}

void OstraModel::loadModelAttributes(const ISerializerModel &n_object)
{
    setId(n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString());
    setShortName(n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_SHORT_NAME).toString());
    setDescription(
        n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_DESCRIPTION).toString());
    setGUID(n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_GUID).toString());
    setAuthor(n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_AUTHOR).toString());
}

void OstraModel::loadRelationsStorage(const ISerializerModel &n_object)
{
    m_relationsStorage->load(*n_object.getRelationStorage());
}

void OstraModel::loadRootClass(const ISerializerModel &n_object)
{
    m_rootClass->load(*n_object.getClass());
}

void OstraModel::saveModelAttributes(ISerializerModel &n_object) const
{
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_ID, QVariant(getId()));
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_SHORT_NAME, QVariant(getShortName()));
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_DESCRIPTION, QVariant(getDescription()));
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_GUID, QVariant(getGUID()));
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_AUTHOR, QVariant(getAuthor()));
}

void OstraModel::saveRootClass(ISerializerModel &n_object) const
{
    const QSharedPointer<ISerializerClass> node = n_object.getClassPrototype();
    m_rootClass->save(*node);
    n_object.setClass(node);
}

void OstraModel::saveRelationsStorage(ISerializerModel &n_object) const
{
    const QSharedPointer<ISerializerRelationsStorage> node =
        n_object.getRelationsStoragePrototype();
    m_relationsStorage->save(*node);
    n_object.setRelationStorage(node);
}
