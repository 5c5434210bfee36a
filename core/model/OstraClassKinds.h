#ifndef OSTRACLASSKINDS_H
#define OSTRACLASSKINDS_H

// Private to the OstraClass*.cpp files: what the class tree needs of each element kind
// (OstraClassKind) and the routines that parameters, rules and constraints share, written once.

#include <QDebug>

#include <type_traits>

#include "elements/ConstraintVertexPtrConnData.h"
#include "elements/RelationsStorage.h"
#include "elements/RuleVertexPtrConnData.h"
#include "errors/Exceptions.h"
#include "errors/uidgenerators.h"
#include "model/OstraClass.h"
#include "serialization/ISerializebleObject.h"
#include "serialization/ISerializerClass.h"

namespace ostraclass {

inline const QString CLASS_NAME = QStringLiteral("OstraClass");
inline const QSharedPointer<ExceptionOstra> NO_PARENT_EXCEPTION;

[[noreturn]] inline void throwNull(const QString &n_methodName)
{
    throw PointerIsNull(CLASS_NAME, n_methodName, NO_PARENT_EXCEPTION);
}

template<class T>
QSet<QSharedPointer<T>> valuesSet(const QHash<QString, QSharedPointer<T>> &n_hash)
{
    QSet<QSharedPointer<T>> result;
    result.reserve(n_hash.size());
    for (auto it = n_hash.constBegin(); it != n_hash.constEnd(); ++it)
        result.insert(it.value());
    return result;
}

// The edges a rule or constraint keeps as text in its stored form: to its relation, from each
// bound input and (rules only) to each bound output. An empty output field name means none.
template<class T>
void addStoredEdges(OstraClass &n_class, const QSharedPointer<T> &n_element,
                    OstraObjectType n_elementType, const ISerializerObject &n_node,
                    const QString &n_relationField, const QString &n_inputsField,
                    const QString &n_outputsField)
{
    const QString inputsText = n_node.getFieldValue(n_inputsField).toString();
    const QString outputsText = n_outputsField.isEmpty()
                                    ? QString()
                                    : n_node.getFieldValue(n_outputsField).toString();
    const QString relationId = n_node.getFieldValue(n_relationField).toString();
    const QHash<QString, QString> inputs = ISerializebleObject::convertStringToLinkedObjects(
        inputsText);
    const QHash<QString, QString> outputs = n_outputsField.isEmpty()
                                                ? QHash<QString, QString>()
                                                : ISerializebleObject::convertStringToLinkedObjects(
                                                    outputsText);
    const QString id = n_element->getId();
    n_class.addEdge(id, relationId, QString());
    // Each end is resolved once: the element's own end for all its edges, and a parameter end
    // where the edge by ids would resolve it to a parameter too (an unknown id raises here what
    // the edge by ids would raise). Every other case goes through the edge by ids.
    const bool elementEnd = n_class.getObjectTypeById(id) == n_elementType;
    const auto parameter = [&](const QString &n_name, const QString &n_parameterId) {
        if (!elementEnd || n_name.isEmpty()
            || n_class.getObjectTypeById(n_parameterId) != OBJECT_TYPE_PARAMETER)
            return BaseClassCommonData::ParameterSharedPtr();
        return n_class.getParameterPtr(n_parameterId);
    };
    for (auto it = inputs.constBegin(); it != inputs.constEnd(); ++it) {
        const BaseClassCommonData::ParameterSharedPtr input = parameter(it.key(), it.value());
        if (input)
            n_class.addEdge(input, it.key(), n_element);
        else
            n_class.addEdge(it.value(), id, it.key());
    }
    if constexpr (std::is_same<T, RuleModel>::value) {
        for (auto it = outputs.constBegin(); it != outputs.constEnd(); ++it) {
            const BaseClassCommonData::ParameterSharedPtr output = parameter(it.key(), it.value());
            if (output)
                n_class.addEdge(it.key(), n_element, output);
            else
                n_class.addEdge(id, it.value(), it.key());
        }
    }
}

// Every parameter id a rule or constraint names is in the class's whole-subtree store.
inline bool storeHoldsAll(const OstraClass &n_class, const QHash<QString, QString> &n_ids)
{
    for (auto it = n_ids.constBegin(); it != n_ids.constEnd(); ++it)
        if (!n_class.parametersContains(it.value()))
            return false;
    return true;
}

// The method texts each kind's exceptions carry, one row per operation: parameters, rules,
// constraints (the Column of KindOps). Parameters have no relation or level of their own.
inline const QString STORE_NAME[] = {QStringLiteral("IParametersData"), QStringLiteral("IRuleData"),
                                     QStringLiteral("IConstraintsData")};
inline const QString METHOD_ADD[] = {
    QStringLiteral("addParameterToOwn(ParameterModel::ParameterModelPtr n_parameterPtr)"),
    QStringLiteral("addRuleToOwn(RuleModel::RuleModelPtr n_rulePtr)"),
    QStringLiteral("addConstraintToOwn(ConstraintModel::ConstraintModelPtr n_constrPtr)")};
inline const QString METHOD_ADD_PTR[] = {
    QStringLiteral("addParameterPtr(IParametersData::ParameterSharedPtr n_parameter)"),
    QStringLiteral("addRulePtr(IRuleData::RuleSharedPtr n_rule)"),
    QStringLiteral("addConstraintPtr(IConstraintsData::ConstraintSharedPtr n_constraint)")};
inline const QString METHOD_DELETE_FROM_CLASS[] = {
    QStringLiteral("deleteParameterFromClass(ParameterModel::ParameterModelPtr n_parameterPtr, "
                   "bool n_deleteEdges)"),
    QStringLiteral("deleteRuleFromClass(RuleModel::RuleModelPtr n_rulePtr)"),
    QStringLiteral("deleteConstraintFromClass(ConstraintModel::ConstraintModelPtr n_constrPtr)")};
inline const QString METHOD_DELETE_FROM_ALL[] = {
    QStringLiteral("deleteParameterFromAll(const QString &n_parameterID)"),
    QStringLiteral("deleteRuleFromAll(const QString &n_ruleId)"),
    QStringLiteral("deleteConstrFromAll(const QString &n_constrId)")};
inline const QString METHOD_CHANGE_PARENT[] = {
    QStringLiteral("changeParent(BaseClassCommonData::ParameterSharedPtr n_parameterPtr, "
                   "OstraClass::OstraClassPtr n_newParent)"),
    QStringLiteral("changeParent(BaseClassCommonData::RuleSharedPtr n_rulePtr, "
                   "OstraClass::OstraClassPtr n_newParent)"),
    QStringLiteral("changeParent(BaseClassCommonData::ConstraintSharedPtr n_constraintPtr, "
                   "OstraClass::OstraClassPtr n_newParent)")};
inline const QString METHOD_SAME_SHORT_NAME[] = {
    QString(), QStringLiteral("isRuleWithSameShortNameExist(RuleModel::RuleModelPtr n_rule)"),
    QStringLiteral(
        "isConstraintWithSameShortNameExist(ConstraintModel::ConstraintModelPtr n_constraint)")};
inline const QString METHOD_MIN_LEVEL[] = {
    QString(), QStringLiteral("getMinRuleLevel(RuleModel::RuleModelPtr n_rulePtr)"),
    QStringLiteral("getMinConstraintLevel(ConstraintModel::ConstraintModelPtr n_constraintPtr)")};
inline const QString METHOD_SET_MIN_LEVEL[] = {
    QString(), QStringLiteral("setRuleMinLevel(BaseClassCommonData::RuleSharedPtr n_rulePtr)"),
    QStringLiteral(
        "setConstraintMinLevel(BaseClassCommonData::ConstraintSharedPtr n_constraintPtr)")};
inline const QString METHOD_SET_MIN_LEVELS[] = {
    QString(), QStringLiteral("setMinLevelToRules(QSet<RuleModel::RuleModelPtr> &n_rules)"),
    QStringLiteral(
        "setMinLevelToConstraints(QSet<ConstraintModel::ConstraintModelPtr> &n_constraints)")};
inline const QString METHOD_IS_NORMAL_LEVEL[] = {
    QString(),
    QStringLiteral(
        "isNormalRuleLevel(RuleModel::RuleModelPtr n_rulePtr, OstraClass::OstraClassPtr n_class)"),
    QStringLiteral("isNormalConstraintLevel(ConstraintModel::ConstraintModelPtr n_constraintPtr, "
                   "OstraClass::OstraClassPtr n_class)")};

// What one kind is to the class tree, from the member functions that do it: the own set, the
// whole-subtree store (membership, lookup, all, insert, removal), the edge removal, the add that
// places an element in a class, the serializer nodes (listed, made, handed back) and the kind's
// texts above (its Column); an add refuses an id held in a store before one in the own set when
// StoresFirst, which decides the text a caller sees.
template<class T, int Column, bool StoresFirst, auto Own, auto Contains, auto Get, auto All,
         auto Put, auto Take, auto DeleteEdges, auto Add, auto Nodes, auto Prototype, auto AddNodes>
struct KindOps
{
    typedef QSharedPointer<T> Ptr;
    typedef QList<QSharedPointer<ISerializerObject>> Items;
    static constexpr bool storesFirst = StoresFirst;
    static constexpr QHash<QString, Ptr> OstraClass::*own = Own;
    static inline const QString &storeName = STORE_NAME[Column];
    static inline const QString &methodAdd = METHOD_ADD[Column];
    static inline const QString &methodAddPtr = METHOD_ADD_PTR[Column];
    static inline const QString &methodDeleteFromClass = METHOD_DELETE_FROM_CLASS[Column];
    static inline const QString &methodDeleteFromAll = METHOD_DELETE_FROM_ALL[Column];
    static inline const QString &methodChangeParent = METHOD_CHANGE_PARENT[Column];
    static inline const QString &methodSameShortName = METHOD_SAME_SHORT_NAME[Column];
    static inline const QString &methodMinLevel = METHOD_MIN_LEVEL[Column];
    static inline const QString &methodSetMinLevel = METHOD_SET_MIN_LEVEL[Column];
    static inline const QString &methodSetMinLevels = METHOD_SET_MIN_LEVELS[Column];
    static inline const QString &methodIsNormalLevel = METHOD_IS_NORMAL_LEVEL[Column];

    static bool inStore(const OstraClass &n_class, const QString &n_id)
    {
        return (n_class.*Contains)(n_id);
    }
    static Ptr fromStore(const OstraClass &n_class, const QString &n_id)
    {
        return (n_class.*Get)(n_id);
    }
    static QHash<QString, Ptr> store(const OstraClass &n_class) { return (n_class.*All)(); }
    static void putInStore(OstraClass &n_class, const Ptr &n_element) { (n_class.*Put)(n_element); }
    static void takeFromStore(OstraClass &n_class, const QString &n_id) { (n_class.*Take)(n_id); }
    static void deleteEdges(OstraClass &n_class, const Ptr &n_element)
    {
        (n_class.*DeleteEdges)(n_element);
    }
    static void add(OstraClass &n_class, const Ptr &n_element) { (n_class.*Add)(n_element); }
    static Items nodes(const ISerializerClass &n_object) { return (n_object.*Nodes)(); }
    static QSharedPointer<ISerializerObject> prototype(ISerializerClass &n_object)
    {
        return (n_object.*Prototype)();
    }
    static void addNodes(ISerializerClass &n_object, const Items &n_items)
    {
        (n_object.*AddNodes)(n_items);
    }
};

} // namespace ostraclass

template<class T>
struct OstraClassKind;

template<>
struct OstraClassKind<ParameterModel>
    : ostraclass::KindOps<
          ParameterModel, 0, false, &OstraClass::m_ownParameters,
          &IParametersData::parametersContains, &IParametersData::getParameter,
          &IParametersData::getParametersHash, &IParametersData::addParameterPtr,
          &IParametersData::deleteParameter, &BaseClassCommonData::deleteAllParameterEdges,
          &OstraClass::addParameter, &ISerializerClass::getOwnParameters,
          &ISerializerClass::getParameterPrototype, &ISerializerClass::addOwnParameters>
{
    // A parameter may go to any class; it has no stored edges of its own.
    static bool fitsLevel(const OstraClass &, const Ptr &) { return true; }
    static void loadEdges(OstraClass &, const Ptr &, const ISerializerObject &) {}
};

template<>
struct OstraClassKind<RuleModel>
    : ostraclass::KindOps<RuleModel, 1, true, &OstraClass::m_ownRules, &IRuleData::rulesContains,
                          &IRuleData::getRule, &IRuleData::getRulesHash, &IRuleData::addRulePtr,
                          &IRuleData::deleteRule, &BaseClassCommonData::deleteAllRuleEdges,
                          &OstraClass::addRule, &ISerializerClass::getOwnRules,
                          &ISerializerClass::getRulePrototype, &ISerializerClass::addOwnRules>
{
    static constexpr bool hasOutputs = true;
    static ModelIntegrity checkIntegrity(const Ptr &n_rule) { return n_rule->checkRuleIntegrity(); }
    // A rule fits a class that sees every parameter it reads and writes.
    static bool fitsLevel(const OstraClass &n_class, const Ptr &n_rule)
    {
        return ostraclass::storeHoldsAll(n_class, n_rule->getInputParametersIds())
               && ostraclass::storeHoldsAll(n_class, n_rule->getOutputParametersIds());
    }
    static void loadEdges(OstraClass &n_class, const Ptr &n_rule, const ISerializerObject &n_node)
    {
        ostraclass::addStoredEdges(n_class, n_rule, OBJECT_TYPE_RULE, n_node,
                                   RuleVertexPtrConnData::ATTRIBUTE_RULE_NAME_RELATION,
                                   RuleVertexPtrConnData::ATTRIBUTE_RULE_NAME_INITID,
                                   RuleVertexPtrConnData::ATTRIBUTE_RULE_NAME_RESULTID);
    }
};

template<>
struct OstraClassKind<ConstraintModel>
    : ostraclass::KindOps<
          ConstraintModel, 2, false, &OstraClass::m_ownConstraints,
          &IConstraintsData::constraintsContains, &IConstraintsData::getConstraint,
          &IConstraintsData::getConstraintsHash, &IConstraintsData::addConstraintPtr,
          &IConstraintsData::deleteConstraint, &BaseClassCommonData::deleteAllConstraintEdges,
          &OstraClass::addConstraint, &ISerializerClass::getOwnConstraints,
          &ISerializerClass::getConstraintPrototype, &ISerializerClass::addOwnConstraints>
{
    // Constraints read their parameters and write none.
    static constexpr bool hasOutputs = false;
    static ModelIntegrity checkIntegrity(const Ptr &n_constraint)
    {
        return n_constraint->checkConstraintIntegrity();
    }
    static bool fitsLevel(const OstraClass &n_class, const Ptr &n_constraint)
    {
        return ostraclass::storeHoldsAll(n_class, n_constraint->getInputParametersIds());
    }
    static void loadEdges(OstraClass &n_class, const Ptr &n_constraint,
                          const ISerializerObject &n_node)
    {
        ostraclass::addStoredEdges(n_class, n_constraint, OBJECT_TYPE_CONSTRAINT, n_node,
                                   ConstraintVertexPtrConnData::ATTRIBUTE_CONSTRAINT_NAME_RELATION,
                                   ConstraintVertexPtrConnData::ATTRIBUTE_CONSTRAINT_NAME_INITID,
                                   QString());
    }
};

// ======================================================================= adding

// The checks run before anything is inserted, so an add either completes up to the root or
// changes nothing. With SameObject::Allow an entry holding the very element does not count: a move
// takes it out of the old owner's chain before inserting.
template<class T>
void OstraClass::checkCanEnter(const QSharedPointer<T> &n_element, SameObject n_same) const
{
    typedef OstraClassKind<T> Kind;
    const QString id = n_element->getId();
    const bool refuseSame = n_same == SameObject::Refuse;
    const QHash<QString, QSharedPointer<T>> &own = this->*Kind::own;
    const bool ownTaken = own.contains(id) && (refuseSame || own.value(id) != n_element);
    if (ownTaken && !Kind::storesFirst)
        throw ElementAlreadyExistExceptionOstra(id, ostraclass::CLASS_NAME, Kind::methodAdd,
                                                ostraclass::NO_PARENT_EXCEPTION);
    for (OstraClass *cls : chainToRoot())
        if (Kind::inStore(*cls, id) && (refuseSame || Kind::fromStore(*cls, id) != n_element))
            throw ElementAlreadyExistExceptionOstra(id, Kind::storeName, Kind::methodAddPtr,
                                                    ostraclass::NO_PARENT_EXCEPTION);
    if (ownTaken)
        throw ElementAlreadyExistExceptionOstra(id, ostraclass::CLASS_NAME, Kind::methodAdd,
                                                ostraclass::NO_PARENT_EXCEPTION);
}

// Refuses the entering elements whose ids the holder's store has for another element (or at all).
template<class T>
void OstraClass::refuseTaken(const OstraClass &n_holder,
                             const QHash<QString, QSharedPointer<T>> &n_entering, bool n_refuseSame)
{
    typedef OstraClassKind<T> Kind;
    for (auto it = n_entering.constBegin(); it != n_entering.constEnd(); ++it)
        if (Kind::inStore(n_holder, it.key())
            && (n_refuseSame || Kind::fromStore(n_holder, it.key()) != it.value()))
            throw ElementAlreadyExistExceptionOstra(it.key(), Kind::storeName, Kind::methodAddPtr,
                                                    ostraclass::NO_PARENT_EXCEPTION);
}

template<class T>
void OstraClass::addOwned(const QSharedPointer<T> &n_element)
{
    const OstraClassPtr self = selfPtr(OstraClassKind<T>::methodAdd);
    addToOwn(n_element);
    n_element->setParent(self);
}

template<class T>
void OstraClass::addToOwn(const QSharedPointer<T> &n_element)
{
    typedef OstraClassKind<T> Kind;
    if (n_element.isNull())
        ostraclass::throwNull(Kind::methodAdd);
    refuseForeignOwner(*n_element, n_element->getId(), Kind::methodAdd);
    checkCanEnter(n_element, SameObject::Refuse);
    (this->*Kind::own).insert(n_element->getId(), n_element);
    // The check above has refused an id held anywhere up the chain, so the stores are filled
    // without asking each of them again (addToAll would).
    for (OstraClass *cls : chainToRoot())
        Kind::putInStore(*cls, n_element);
}

template<class T>
void OstraClass::addToAll(const QSharedPointer<T> &n_element)
{
    typedef OstraClassKind<T> Kind;
    const ClassChain chain = chainToRoot();
    const QString id = n_element->getId();
    for (OstraClass *cls : chain)
        if (Kind::inStore(*cls, id))
            throw ElementAlreadyExistExceptionOstra(id, Kind::storeName, Kind::methodAddPtr,
                                                    ostraclass::NO_PARENT_EXCEPTION);
    for (OstraClass *cls : chain)
        Kind::putInStore(*cls, n_element);
}

template<class T>
void OstraClass::addToAllInParent(const QSharedPointer<T> &n_element)
{
    const OstraClassPtr parent = getParent();
    if (!parent.isNull())
        parent->addToAll(n_element);
}

template<class T>
void OstraClass::addOnlyToAll(const QSet<QSharedPointer<T>> &n_elements)
{
    for (const QSharedPointer<T> &element : n_elements)
        if (OstraClassKind<T>::inStore(*this, element->getId()))
            throw ElementAlreadyExistExceptionOstra(element->getId(), OstraClassKind<T>::storeName,
                                                    OstraClassKind<T>::methodAddPtr,
                                                    ostraclass::NO_PARENT_EXCEPTION);
    for (const QSharedPointer<T> &element : n_elements)
        OstraClassKind<T>::putInStore(*this, element);
}

template<class T>
void OstraClass::addAllToParent(OstraClassPtr n_parent, const QSet<QSharedPointer<T>> &n_elements)
{
    for (const QSharedPointer<T> &element : n_elements)
        n_parent->addToAll(element);
}

// ======================================================================= deleting

template<class T>
void OstraClass::deleteFromClass(const QSharedPointer<T> &n_element, bool n_deleteEdges)
{
    typedef OstraClassKind<T> Kind;
    if (n_element.isNull())
        ostraclass::throwNull(Kind::methodDeleteFromClass);
    if (!(this->*Kind::own).contains(n_element->getId()))
        throw NotObjectOwner(n_element->getId(), getId(), ostraclass::CLASS_NAME,
                             Kind::methodDeleteFromClass, ostraclass::NO_PARENT_EXCEPTION);
    if (n_deleteEdges)
        Kind::deleteEdges(*this, n_element);
    (this->*Kind::own).remove(n_element->getId());
    deleteFromAll<T>(n_element->getId());
    n_element->removeParent();
}

template<class T>
void OstraClass::deleteFromAll(const QString &n_id)
{
    typedef OstraClassKind<T> Kind;
    if (!Kind::inStore(*this, n_id))
        throw NoElementExceptionOstra(n_id, ostraclass::CLASS_NAME, Kind::methodDeleteFromAll,
                                      ostraclass::NO_PARENT_EXCEPTION);
    Kind::takeFromStore(*this, n_id);
    deleteFromAllInParent<T>(n_id);
}

template<class T>
void OstraClass::deleteFromAllInParent(const QString &n_id)
{
    const OstraClassPtr parent = getParent();
    if (!parent.isNull())
        parent->deleteFromAll<T>(n_id);
}

template<class T>
void OstraClass::clearStore()
{
    const QList<QString> ids = OstraClassKind<T>::store(*this).keys();
    for (const QString &id : ids)
        OstraClassKind<T>::takeFromStore(*this, id);
}

template<class T>
void OstraClass::refreshStore()
{
    typedef OstraClassKind<T> Kind;
    const QHash<QString, QSharedPointer<T>> store = Kind::store(*this);
    for (auto it = store.constBegin(); it != store.constEnd(); ++it)
        Kind::takeFromStore(*this, it.key());
    for (auto it = store.constBegin(); it != store.constEnd(); ++it)
        Kind::putInStore(*this, it.value());
    uidgenerators::refreshHash(this->*Kind::own);
}

// ======================================================================= copying, loading, saving

template<class T>
void OstraClass::copyOwn(OstraClassPtr n_newClass) const
{
    const QHash<QString, QSharedPointer<T>> &own = this->*OstraClassKind<T>::own;
    for (auto it = own.constBegin(); it != own.constEnd(); ++it)
        OstraClassKind<T>::add(*n_newClass, QSharedPointer<T>::create(*it.value()));
}

// A rule or constraint without a relation can bind no variable, so none of its edges is rebuilt;
// an unbound variable name has no parameter to bind. Everything else is copied.
template<class T>
void OstraClass::copyOwnEdges(OstraClassPtr n_newClass) const
{
    const QHash<QString, QSharedPointer<T>> &own = this->*OstraClassKind<T>::own;
    for (auto it = own.constBegin(); it != own.constEnd(); ++it) {
        const QSharedPointer<T> element = it.value();
        const QSharedPointer<RelationModel> relation = element->getRelationPtr();
        if (relation.isNull())
            continue;
        n_newClass->addEdge(element->getId(), relation->getId(), QString());
        const QHash<QString, ParameterModel::ParameterModelPtr> inputs =
            element->getInputParameters();
        for (auto input = inputs.constBegin(); input != inputs.constEnd(); ++input)
            if (!input.value().isNull())
                n_newClass->addEdge(input.value()->getId(), element->getId(), input.key());
        if constexpr (OstraClassKind<T>::hasOutputs) {
            const QHash<QString, ParameterModel::ParameterModelPtr> outputs =
                element->getOutputParameters();
            for (auto output = outputs.constBegin(); output != outputs.constEnd(); ++output)
                if (!output.value().isNull())
                    n_newClass->addEdge(element->getId(), output.value()->getId(), output.key());
        }
    }
}

template<class T>
void OstraClass::loadOwn(const ISerializerClass &n_object)
{
    typedef OstraClassKind<T> Kind;
    const QList<QSharedPointer<ISerializerObject>> nodes = Kind::nodes(n_object);
    for (const QSharedPointer<ISerializerObject> &node : nodes) {
        const QSharedPointer<T> element = QSharedPointer<T>::create();
        element->load(*node);
        Kind::add(*this, element);
        Kind::loadEdges(*this, element, *node);
    }
}

template<class T>
void OstraClass::saveOwn(ISerializerClass &n_object) const
{
    typedef OstraClassKind<T> Kind;
    const QHash<QString, QSharedPointer<T>> &own = this->*Kind::own;
    QList<QSharedPointer<ISerializerObject>> items;
    items.reserve(own.size());
    for (auto it = own.constBegin(); it != own.constEnd(); ++it) {
        const QSharedPointer<ISerializerObject> item = Kind::prototype(n_object);
        it.value()->save(*item);
        items.append(item);
    }
    Kind::addNodes(n_object, items);
}

#endif // OSTRACLASSKINDS_H
