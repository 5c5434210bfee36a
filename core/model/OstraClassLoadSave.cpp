// Copying and cloning a class subtree, and loading it from and saving it to serializer nodes.
#include "model/OstraClass.h"

#include "model/OstraClassKinds.h"

using namespace ostraclass;

// ======================================================================= copying and cloning

OstraClass::OstraClassPtr OstraClass::copy(QSharedPointer<RelationsStorage> n_storage) const
{
    const QSharedPointer<RelationsStorage> storage = n_storage.isNull() ? getRelationsStorage()
                                                                        : n_storage;
    // A class that was never given an id (a fresh model's root) is copied as it is.
    const OstraClassPtr newClass = getId().isEmpty()
                                       ? QSharedPointer<OstraClass>::create(storage)
                                       : QSharedPointer<OstraClass>::create(getId(), storage);
    newClass->setShortName(getShortName());
    newClass->setDescription(getDescription());
    newClass->setGUID(getGUID());
    newClass->setAuthor(getAuthor());
    copyOwnClasses(newClass);
    copyOwnParameters(newClass);
    copyOwnRules(newClass);
    copyOwnConstraints(newClass);
    copyOwnRulesEdges(newClass);
    copyOwnConstraintsEdges(newClass);
    newClass->copyDefaultValue(*this);
    return newClass;
}

OstraClass::OstraClassPtr OstraClass::clone(QSharedPointer<RelationsStorage> n_storage) const
{
    const OstraClassPtr newClass = copy(n_storage);
    newClass->setId(uidgenerators::genUid());
    newClass->replaceHashes();
    newClass->refreshAllHashes();
    return newClass;
}

void OstraClass::copyOwnClasses(OstraClassPtr n_newClass) const
{
    for (auto it = m_ownClasses.constBegin(); it != m_ownClasses.constEnd(); ++it)
        n_newClass->addClass(it.value()->copy(n_newClass->getRelationsStorage()));
}

void OstraClass::copyOwnParameters(OstraClassPtr n_newClass) const
{
    copyOwn<ParameterModel>(n_newClass);
}

void OstraClass::copyOwnRules(OstraClassPtr n_newClass) const
{
    copyOwn<RuleModel>(n_newClass);
}

void OstraClass::copyOwnConstraints(OstraClassPtr n_newClass) const
{
    copyOwn<ConstraintModel>(n_newClass);
}

void OstraClass::copyOwnRulesEdges(OstraClassPtr n_newClass) const
{
    copyOwnEdges<RuleModel>(n_newClass);
}

void OstraClass::copyOwnConstraintsEdges(OstraClassPtr n_newClass) const
{
    copyOwnEdges<ConstraintModel>(n_newClass);
}

void OstraClass::replaceHashes()
{
    uidgenerators::replaceUuid(getParametersHash());
    uidgenerators::replaceUuid(getRulesHash());
    uidgenerators::replaceUuid(getConstraintsHash());
    uidgenerators::replaceUuid(m_allClasses);
}

void OstraClass::refreshAllHashes()
{
    refreshParametersHash();
    refreshRulesHash();
    refreshConstraintsHash();
    refreshClassesHash();
}

// ======================================================================= loading

void OstraClass::load(const ISerializerClass &n_object)
{
    loadClassAttributes(n_object);
    loadOwnClasses(n_object);
    loadOwnParameters(n_object);
    loadOwnRules(n_object);
    loadOwnConstraints(n_object);
}

void OstraClass::loadClassAttributes(const ISerializerClass &n_object)
{
    setId(n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_ID).toString());
    setShortName(n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_SHORT_NAME).toString());
    setDescription(
        n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_DESCRIPTION).toString());
    setGUID(n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_GUID).toString());
    setAuthor(n_object.getFieldValue(ISerializerObject::ATTRIBUTE_NAME_AUTHOR).toString());
}

void OstraClass::loadOwnClasses(const ISerializerClass &n_object)
{
    const QList<QSharedPointer<ISerializerClass>> nodes = n_object.getOwnClasses();
    for (const QSharedPointer<ISerializerClass> &node : nodes) {
        // Made directly on the model's storage, which every class of the model shares.
        const OstraClassPtr child = QSharedPointer<OstraClass>::create(getRelationsStorage());
        child->loadClassAttributes(*node);
        addClass(child);
        child->load(*node);
    }
}

void OstraClass::loadOwnParameters(const ISerializerClass &n_object)
{
    loadOwn<ParameterModel>(n_object);
}

void OstraClass::loadOwnRules(const ISerializerClass &n_object)
{
    loadOwn<RuleModel>(n_object);
}

void OstraClass::loadOwnConstraints(const ISerializerClass &n_object)
{
    loadOwn<ConstraintModel>(n_object);
}

// ======================================================================= saving

void OstraClass::save(ISerializerClass &n_object) const
{
    // One check of the whole subtree: a subtree with errors makes this report fail too, so the
    // classes below are written without checking again.
    const ModelIntegrity report = checkClassIntegrity();
    if (report.areAnyErrors())
        throw CantSaveClassIntegrityErrors(report, CLASS_NAME,
                                           QStringLiteral("save(ISerializerClass &n_object)"),
                                           NO_PARENT_EXCEPTION);
    saveClassTree(n_object);
}

void OstraClass::saveClassTree(ISerializerClass &n_object) const
{
    saveClassAttributes(n_object);
    saveOwnParameters(n_object);
    saveOwnRules(n_object);
    saveOwnConstraints(n_object);
    saveOwnClasses(n_object);
}

void OstraClass::saveClassAttributes(ISerializerClass &n_object) const
{
    saveClassAttribute(n_object);
}

void OstraClass::saveClassAttribute(ISerializerClass &n_object) const
{
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_ID, QVariant(getId()));
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_SHORT_NAME, QVariant(getShortName()));
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_DESCRIPTION, QVariant(getDescription()));
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_GUID, QVariant(getGUID()));
    n_object.addField(ISerializerObject::ATTRIBUTE_NAME_AUTHOR, QVariant(getAuthor()));
}

void OstraClass::saveOwnParameters(ISerializerClass &n_object) const
{
    saveOwn<ParameterModel>(n_object);
}

void OstraClass::saveOwnRules(ISerializerClass &n_object) const
{
    saveOwn<RuleModel>(n_object);
}

void OstraClass::saveOwnConstraints(ISerializerClass &n_object) const
{
    saveOwn<ConstraintModel>(n_object);
}

void OstraClass::saveOwnClasses(ISerializerClass &n_object) const
{
    QList<QSharedPointer<ISerializerClass>> nodes;
    nodes.reserve(m_ownClasses.size());
    for (auto it = m_ownClasses.constBegin(); it != m_ownClasses.constEnd(); ++it) {
        const QSharedPointer<ISerializerClass> node = n_object.getClassPrototype();
        it.value()->saveClassTree(*node);
        nodes.append(node);
    }
    n_object.addOwnClasses(nodes);
}
