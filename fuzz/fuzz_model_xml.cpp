// Model text of either format at the serializer-node level: the current-format model node and the
// older-format one each parse the input, and when a node accepts it, its class tree and relation
// list are walked and every item is loaded into the element that reads it in a real load
// (parameters, rules, constraints, relations without an engine), links decoded as the class loader
// decodes them. A refusal anywhere is an ExceptionOstra; each item is tried on its own so that one
// bad item does not hide the rest of the file.

#include "FuzzSupport.h"

#include <QHash>
#include <QList>
#include <QSharedPointer>

#include "elements/ConstraintModel.h"
#include "elements/ConstraintVertexPtrConnData.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RuleModel.h"
#include "elements/RuleVertexPtrConnData.h"
#include "errors/ExceptionOstra.h"
#include "serialization/ISerializebleObject.h"
#include "serialization/ISerializerClass.h"
#include "serialization/ISerializerRelationsStorage.h"
#include "serialization/ModelXMLSerializer.h"
#include "serialization/ModelXMLSerializerOld.h"

namespace {

template<typename Action>
void attempt(Action n_action)
{
    try {
        n_action();
    } catch (const ExceptionOstra &) {
    }
}

void readLinks(const ISerializerObject &n_node, const QString &n_name)
{
    attempt([&] {
        ISerializebleObject::convertStringToLinkedObjects(n_node.getFieldValue(n_name).toString());
    });
}

void walkClass(const ISerializerClass &n_class)
{
    n_class.getFieldsHash();
    QList<QSharedPointer<ISerializerObject>> parameters;
    attempt([&] { parameters = n_class.getOwnParameters(); });
    for (const QSharedPointer<ISerializerObject> &node : qAsConst(parameters))
        attempt([&] { QSharedPointer<ParameterModel>::create()->load(*node); });

    QList<QSharedPointer<ISerializerObject>> rules;
    attempt([&] { rules = n_class.getOwnRules(); });
    for (const QSharedPointer<ISerializerObject> &node : qAsConst(rules)) {
        attempt([&] { QSharedPointer<RuleModel>::create()->load(*node); });
        readLinks(*node, RuleVertexPtrConnData::ATTRIBUTE_RULE_NAME_INITID);
        readLinks(*node, RuleVertexPtrConnData::ATTRIBUTE_RULE_NAME_RESULTID);
        attempt([&] { node->getFieldValue(RuleVertexPtrConnData::ATTRIBUTE_RULE_NAME_RELATION); });
        attempt([&] { node->getFieldsHash(); });
    }

    QList<QSharedPointer<ISerializerObject>> constraints;
    attempt([&] { constraints = n_class.getOwnConstraints(); });
    for (const QSharedPointer<ISerializerObject> &node : qAsConst(constraints)) {
        attempt([&] { QSharedPointer<ConstraintModel>::create()->load(*node); });
        readLinks(*node, ConstraintVertexPtrConnData::ATTRIBUTE_CONSTRAINT_NAME_INITID);
        attempt([&] { node->getFieldsHash(); });
    }

    QList<QSharedPointer<ISerializerClass>> classes;
    attempt([&] { classes = n_class.getOwnClasses(); });
    for (const QSharedPointer<ISerializerClass> &child : qAsConst(classes))
        walkClass(*child);
}

void walkRelations(const ISerializerRelationsStorage &n_relations)
{
    n_relations.getFieldsHash();
    QList<QSharedPointer<ISerializerObject>> relations;
    attempt([&] { relations = n_relations.getRelations(); });
    for (const QSharedPointer<ISerializerObject> &node : qAsConst(relations)) {
        attempt([&] { QSharedPointer<RelationModel>::create(nullptr)->load(*node); });
        attempt([&] { node->getFieldsHash(); });
    }
}

template<typename ModelNode>
void walkModel(const QString &n_text)
{
    ModelNode node;
    try {
        node.loadFromString(n_text);
    } catch (const ExceptionOstra &) {
        return;
    }
    node.getFieldsHash();
    if (const QSharedPointer<ISerializerRelationsStorage> relations = node.getRelationStorage())
        walkRelations(*relations);
    if (const QSharedPointer<ISerializerClass> root = node.getClass())
        walkClass(*root);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::initApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzsupport::toText(data, size);
    walkModel<ModelXMLSerializer>(text);
    walkModel<ModelXMLSerializerOld>(text);
    return 0;
}
