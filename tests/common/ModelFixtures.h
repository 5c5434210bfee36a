#ifndef MODELFIXTURES_H
#define MODELFIXTURES_H

// The tests' one builder of model pieces made in code: parameters, relations, rules and
// constraints, loose (bound directly, as the network's edge operations do) or placed in classes of
// a class tree, and class networks built by id; with a helper that catches one exception type for
// inspection and an order-free form of a saved document. Short names default to the id.

#include <QDomDocument>
#include <QDomElement>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <type_traits>

#include "elements/ConstraintModel.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/RuleModel.h"
#include "errors/Exceptions.h"
#include "model/ModelManager.h"
#include "model/OstraClass.h"
#include "model/OstraModel.h"
#include "solver/BaseAlgorithmData.h"
#include "solver/BaseClassCommonData.h"

typedef OstraClass::OstraClassPtr ClassPtr;
typedef ParameterModel::ParameterModelPtr ParamPtr;
typedef RuleModel::RuleModelPtr RulePtr;
typedef ConstraintModel::ConstraintModelPtr ConstrPtr;
typedef RelationModel::RelationModelPtr RelPtr;

inline ClassPtr makeClass(const QString &n_id, const QSharedPointer<RelationsStorage> &n_storage,
                          const QString &n_shortName = QString())
{
    const ClassPtr cls = QSharedPointer<OstraClass>::create(n_id, n_storage);
    cls->setShortName(n_shortName.isNull() ? n_id : n_shortName);
    return cls;
}

inline ParamPtr makeParameter(const QString &n_id, QVariant::Type n_type = QVariant::Double,
                              const QString &n_shortName = QString())
{
    const ParamPtr parameter = QSharedPointer<ParameterModel>::create();
    parameter->setId(n_id);
    parameter->setShortName(n_shortName.isNull() ? n_id : n_shortName);
    parameter->setValueType(n_type);
    return parameter;
}

// Relation variables, all of one type (Double unless given).
inline QHash<QString, QVariant::Type> variables(const QStringList &n_names,
                                                QVariant::Type n_type = QVariant::Double)
{
    QHash<QString, QVariant::Type> types;
    for (const QString &name : n_names)
        types.insert(name, n_type);
    return types;
}

// A relation adopted by the storage (so that it runs in the storage's script engine).
inline RelPtr makeRelation(const QSharedPointer<RelationsStorage> &n_storage, const QString &n_id,
                           const QString &n_code, const QHash<QString, QVariant::Type> &n_inputs,
                           const QHash<QString, QVariant::Type> &n_outputs,
                           RelationModel::RelationType n_type = RelationModel::RELATION_SIMPLE,
                           const QString &n_shortName = QString())
{
    const RelPtr relation = QSharedPointer<RelationModel>::create(n_id, n_code, nullptr);
    relation->setShortName(n_shortName.isNull() ? n_id : n_shortName);
    relation->setRelationType(n_type);
    relation->addInputParametersTypes(n_inputs);
    relation->addOutputParametersTypes(n_outputs);
    n_storage->addRelationPtr(relation);
    return relation;
}

// The same with double variables, given by name; a constraint relation has inputs only.
inline RelPtr makeRelation(const QSharedPointer<RelationsStorage> &n_storage, const QString &n_id,
                           const QString &n_code, const QStringList &n_inputs,
                           const QStringList &n_outputs,
                           RelationModel::RelationType n_type = RelationModel::RELATION_SIMPLE,
                           const QString &n_shortName = QString())
{
    return makeRelation(n_storage, n_id, n_code, variables(n_inputs), variables(n_outputs), n_type,
                        n_shortName);
}

inline RulePtr makeRule(const QString &n_id, const QString &n_shortName = QString())
{
    const RulePtr rule = QSharedPointer<RuleModel>::create();
    rule->setId(n_id);
    rule->setShortName(n_shortName.isNull() ? n_id : n_shortName);
    return rule;
}

inline ConstrPtr makeConstraint(const QString &n_id, const QString &n_shortName = QString())
{
    const ConstrPtr constraint = QSharedPointer<ConstraintModel>::create();
    constraint->setId(n_id);
    constraint->setShortName(n_shortName.isNull() ? n_id : n_shortName);
    return constraint;
}

// The class network's two steps for each edge, in its order, on loose elements.
inline void bindInput(const ParamPtr &n_parameter, const QString &n_name, const RulePtr &n_rule)
{
    n_parameter->addAdjacentOutVertex(n_rule);
    n_rule->addInputParameterConn(n_name, n_parameter);
}

inline void bindOutput(const RulePtr &n_rule, const QString &n_name, const ParamPtr &n_parameter)
{
    n_rule->addOutputParameterConn(n_name, n_parameter);
    n_parameter->addAdjacentInVertex(n_rule);
}

inline void bindConstraint(const ParamPtr &n_parameter, const QString &n_name,
                           const ConstrPtr &n_constraint)
{
    n_parameter->addLinkedConstraint(n_constraint);
    n_constraint->addInputParameterConn(n_name, n_parameter);
}

typedef QList<QPair<QString, ParamPtr>> Links;

// A loose rule or constraint on the relation, its inputs (then outputs) bound in the order given.
inline RulePtr makeRule(const QString &n_id, const RelPtr &n_relation, const Links &n_inputs = {},
                        const Links &n_outputs = {})
{
    const RulePtr rule = makeRule(n_id);
    if (!n_relation.isNull())
        rule->setRelationPtr(n_relation);
    for (const auto &link : n_inputs)
        bindInput(link.second, link.first, rule);
    for (const auto &link : n_outputs)
        bindOutput(rule, link.first, link.second);
    return rule;
}

inline ConstrPtr makeConstraint(const QString &n_id, const RelPtr &n_relation,
                                const Links &n_inputs = {})
{
    const ConstrPtr constraint = makeConstraint(n_id);
    if (!n_relation.isNull())
        constraint->setRelationPtr(n_relation);
    for (const auto &link : n_inputs)
        bindConstraint(link.second, link.first, constraint);
    return constraint;
}

// An empty model "model" whose root class is "root", named "Root", as the window tests start one.
inline QSharedPointer<OstraModel> newRootedModel()
{
    auto model = QSharedPointer<OstraModel>::create();
    model->setId(QStringLiteral("model"));
    model->getRootClass()->setId(QStringLiteral("root"));
    model->getRootClass()->setShortName(QStringLiteral("Root"));
    return model;
}

// Saves n_model as the program does into n_path, for a test to open it as a user would; the path.
inline QString writeModelFile(const QSharedPointer<OstraModel> &n_model, const QString &n_path)
{
    ModelManager manager;
    QFile file(n_path);
    manager.saveModelInFile(n_model, file);
    return file.fileName();
}

// Places a rule in a class and binds it: relation, then inputs (name, parameter id), then outputs.
inline RulePtr placeRule(const ClassPtr &n_class, const QString &n_id, const QString &n_relationId,
                         const QList<QPair<QString, QString>> &n_inputs,
                         const QList<QPair<QString, QString>> &n_outputs,
                         const QString &n_shortName = QString())
{
    const RulePtr rule = makeRule(n_id, n_shortName);
    n_class->addRule(rule);
    n_class->addEdge(n_id, n_relationId, QString());
    for (const auto &input : n_inputs)
        n_class->addEdge(input.second, n_id, input.first);
    for (const auto &output : n_outputs)
        n_class->addEdge(n_id, output.second, output.first);
    return rule;
}

inline ConstrPtr placeConstraint(const ClassPtr &n_class, const QString &n_id,
                                 const QString &n_relationId,
                                 const QList<QPair<QString, QString>> &n_inputs,
                                 const QString &n_shortName = QString())
{
    const ConstrPtr constraint = makeConstraint(n_id, n_shortName);
    n_class->addConstraint(constraint);
    n_class->addEdge(n_id, n_relationId, QString());
    for (const auto &input : n_inputs)
        n_class->addEdge(input.second, n_id, input.first);
    return constraint;
}

typedef QHash<QString, QString> Bindings;

// A class network built by id: parameters, relations with their variables, rules and constraints
// bound through the network's own edge operations.
struct Net
{
    QSharedPointer<RelationsStorage> storage = QSharedPointer<RelationsStorage>::create();
    QSharedPointer<BaseClassCommonData> net = QSharedPointer<BaseClassCommonData>::create(storage);

    void pars(const QStringList &n_ids)
    {
        for (const QString &id : n_ids)
            par(id);
    }

    ParamPtr par(const QString &n_id, QVariant::Type n_type = QVariant::Double)
    {
        auto parameter = QSharedPointer<ParameterModel>::create(n_id, n_type, QVariant(),
                                                                QSharedPointer<OstraClass>());
        net->addParameterPtr(parameter);
        return parameter;
    }

    RelPtr rel(const QString &n_id, const QString &n_code, const QStringList &n_inputs,
               const QStringList &n_outputs, QVariant::Type n_outputType = QVariant::Double)
    {
        auto relation = QSharedPointer<RelationModel>::create(n_id, n_code, nullptr);
        for (const QString &name : n_inputs)
            relation->addInputParameterType(name, QVariant::Double);
        for (const QString &name : n_outputs)
            relation->addOutputParameterType(name, n_outputType);
        storage->addRelationPtr(relation);
        return relation;
    }

    // Inputs and outputs map a relation variable to a parameter id.
    RulePtr rule(const QString &n_id, const QString &n_code, const Bindings &n_inputs,
                 const Bindings &n_outputs)
    {
        const RelPtr relation = rel(QStringLiteral("rel_") + n_id, n_code, n_inputs.keys(),
                                    n_outputs.keys());
        auto rule = QSharedPointer<RuleModel>::create(n_id, QSharedPointer<OstraClass>());
        net->addRulePtr(rule);
        net->addEdge(n_id, relation->getId(), QString());
        for (auto it = n_inputs.constBegin(); it != n_inputs.constEnd(); ++it)
            net->addEdge(it.value(), n_id, it.key());
        for (auto it = n_outputs.constBegin(); it != n_outputs.constEnd(); ++it)
            net->addEdge(n_id, it.value(), it.key());
        return rule;
    }

    // Rules written as "id: a b > c d": variables i0, i1, … read a, b; o0, o1, … write c, d, each
    // the sum of the inputs plus one unless code follows a "|". Parameters not yet in the network
    // are added.
    void rules(const QStringList &n_specs)
    {
        for (const QString &spec : n_specs) {
            const QString links = spec.section(QLatin1Char('|'), 0, 0);
            const QStringList sides = links.section(QLatin1Char(':'), 1).split(QLatin1Char('>'));
            Bindings inputs;
            Bindings outputs;
            QString code;
            for (const QString &id : sides.at(0).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                inputs.insert(QStringLiteral("i%1").arg(inputs.size()), id);
            for (const QString &id : sides.at(1).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                code += QStringLiteral("o%1 = %2 + 1;")
                            .arg(outputs.size())
                            .arg(inputs.keys().join(QLatin1Char('+')));
                outputs.insert(QStringLiteral("o%1").arg(outputs.size()), id);
            }
            for (const QString &id : inputs.values() + outputs.values())
                if (!net->parametersContains(id))
                    par(id);
            if (spec.contains(QLatin1Char('|')))
                code = spec.section(QLatin1Char('|'), 1);
            rule(links.section(QLatin1Char(':'), 0, 0), code, inputs, outputs);
        }
    }

    ConstrPtr constraint(const QString &n_id, const QString &n_code, const Bindings &n_inputs)
    {
        const RelPtr relation = rel(QStringLiteral("rel_") + n_id, n_code, n_inputs.keys(),
                                    {QStringLiteral("flag")}, QVariant::Bool);
        auto constraint = QSharedPointer<ConstraintModel>::create(n_id,
                                                                  QSharedPointer<OstraClass>());
        net->addConstraintPtr(constraint);
        net->addEdge(n_id, relation->getId(), QString());
        for (auto it = n_inputs.constBegin(); it != n_inputs.constEnd(); ++it)
            net->addEdge(it.value(), n_id, it.key());
        return constraint;
    }

    template<class Solver>
    QSharedPointer<Solver> solver(bool n_useConstraints = true)
    {
        auto solver = QSharedPointer<Solver>::create(
            QSharedPointer<BaseAlgorithmData>::create(false, n_useConstraints));
        solver->setData(*net);
        return solver;
    }

    // A solver on this network with its known values and required parameters already given.
    template<class Solver>
    QSharedPointer<Solver> planned(const QHash<QString, QVariant> &n_known,
                                   const QStringList &n_required, bool n_useConstraints = true)
    {
        auto planner = solver<Solver>(n_useConstraints);
        for (auto it = n_known.constBegin(); it != n_known.constEnd(); ++it)
            planner->addKnownParameter(it.key(), it.value());
        for (const QString &id : n_required)
            planner->addRequiredParameter(id);
        return planner;
    }
};

// A rule from a to b: b = a + 1.
inline RulePtr step(Net &n_net, const QString &n_id, const QString &n_from, const QString &n_to)
{
    return n_net.rule(n_id, QStringLiteral("y = x + 1;"), {{QStringLiteral("x"), n_from}},
                      {{QStringLiteral("y"), n_to}});
}

inline QStringList ruleIds(const QList<RulePtr> &n_rules)
{
    QStringList ids;
    for (const RulePtr &rule : n_rules)
        ids << rule->getId();
    return ids;
}

template<class T>
QSet<T> asSet(const QList<T> &n_list)
{
    return QSet<T>(n_list.begin(), n_list.end());
}

// Runs the callable and returns the exception of type E it threw; fails the test otherwise.
template<class E, class F>
QSharedPointer<E> catchAs(F n_call)
{
    try {
        n_call();
    } catch (const ExceptionOstra &exception) {
        if constexpr (std::is_same_v<E, ExceptionOstra>) {
            return QSharedPointer<E>::create(exception);
        } else {
            if (const E *wanted = dynamic_cast<const E *>(&exception))
                return QSharedPointer<E>::create(*wanted);
            qWarning("unexpected exception: %s", qPrintable(exception.toString(false)));
            return QSharedPointer<E>();
        }
    }
    qWarning("no exception thrown");
    return QSharedPointer<E>();
}

template<class T>
QSet<QString> idsOf(const QHash<QString, QSharedPointer<T>> &n_hash)
{
    QSet<QString> ids;
    for (auto it = n_hash.constBegin(); it != n_hash.constEnd(); ++it)
        ids.insert(it.key());
    return ids;
}

inline QSet<QString> idSet(const QStringList &n_ids)
{
    return QSet<QString>(n_ids.begin(), n_ids.end());
}

// Order-free form of an element: attributes and children are compared as sets (as multisets,
// in fact: equal children are all kept), text is trimmed. The "name:id;..." links of rules and
// constraints and the "name:type;..." variables of relations are sets too: their order follows
// the hashes they are kept in.
inline QString canonical(const QDomElement &n_element)
{
    static const QStringList nameLists{QStringLiteral("initId"), QStringLiteral("resultId"),
                                       QStringLiteral("inObj"), QStringLiteral("outObj")};
    QStringList attributes;
    const QDomNamedNodeMap map = n_element.attributes();
    for (int i = 0; i < map.count(); ++i) {
        QString value = map.item(i).nodeValue();
        if (nameLists.contains(map.item(i).nodeName())) {
            QStringList items = value.split(QLatin1Char(';'));
            items.sort();
            value = items.join(QLatin1Char(';'));
        }
        attributes.append(map.item(i).nodeName() + QLatin1Char('=') + value);
    }
    attributes.sort();
    QStringList children;
    QString text;
    for (QDomNode node = n_element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isElement())
            children.append(canonical(node.toElement()));
        else if (node.isText())
            text += node.nodeValue().trimmed();
    }
    children.sort();
    return n_element.tagName() + QLatin1Char('[') + attributes.join(QLatin1Char(','))
           + QLatin1Char(']') + text + QLatin1Char('{') + children.join(QLatin1Char(';'))
           + QLatin1Char('}');
}

inline QString canonical(const QString &n_text)
{
    QDomDocument document;
    if (!document.setContent(n_text))
        return QString();
    return canonical(document.documentElement());
}

#endif // MODELFIXTURES_H
