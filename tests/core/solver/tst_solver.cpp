#include <QtTest>

#include <algorithm>
#include <list>
#include <random>

#include "XmlTestSupport.h"

#include "elements/ConstraintModel.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/RuleModel.h"
#include "errors/Exceptions.h"
#include "solver/AlgorithmSolution.h"
#include "solver/BaseClassCommonData.h"
#include "solver/RemoteAlgorithm.h"
#include "solver/RemoteAlgorithmData.h"
#include "solver/RulePathSets.h"
#include "solver/RuntimeAlgorithm.h"
#include "solver/StaticAlgorithm.h"

namespace {

typedef QSharedPointer<ParameterModel> ParPtr;
typedef QSharedPointer<RuleModel> RulePtr;
typedef QSharedPointer<ConstraintModel> ConstrPtr;
typedef QSharedPointer<RelationModel> RelPtr;
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

    ParPtr par(const QString &n_id, QVariant::Type n_type = QVariant::Double)
    {
        auto parameter = QSharedPointer<ParameterModel>::create(n_id, n_type, QVariant(), QSharedPointer<OstraClass>());
        net->addParameterPtr(parameter);
        return parameter;
    }

    RelPtr rel(const QString &n_id, const QString &n_code, const QStringList &n_inputs, const QStringList &n_outputs,
               QVariant::Type n_outputType = QVariant::Double)
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
    RulePtr rule(const QString &n_id, const QString &n_code, const Bindings &n_inputs, const Bindings &n_outputs)
    {
        const RelPtr relation = rel(QStringLiteral("rel_") + n_id, n_code, n_inputs.keys(), n_outputs.keys());
        auto rule = QSharedPointer<RuleModel>::create(n_id, QSharedPointer<OstraClass>());
        net->addRulePtr(rule);
        net->addEdge(n_id, relation->getId(), QString());
        for (auto it = n_inputs.constBegin(); it != n_inputs.constEnd(); ++it)
            net->addEdge(it.value(), n_id, it.key());
        for (auto it = n_outputs.constBegin(); it != n_outputs.constEnd(); ++it)
            net->addEdge(n_id, it.value(), it.key());
        return rule;
    }

    // Rules written as "id: a b > c d": variables i0, i1, … read a, b; o0, o1, … write c, d, each the
    // sum of the inputs plus one unless code follows a "|". Parameters not yet in the network are added.
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
                code += QStringLiteral("o%1 = %2 + 1;").arg(outputs.size()).arg(inputs.keys().join('+'));
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
        auto constraint = QSharedPointer<ConstraintModel>::create(n_id, QSharedPointer<OstraClass>());
        net->addConstraintPtr(constraint);
        net->addEdge(n_id, relation->getId(), QString());
        for (auto it = n_inputs.constBegin(); it != n_inputs.constEnd(); ++it)
            net->addEdge(it.value(), n_id, it.key());
        return constraint;
    }

    template<class Solver>
    QSharedPointer<Solver> solver(bool n_useConstraints = true)
    {
        auto solver = QSharedPointer<Solver>::create(QSharedPointer<BaseAlgorithmData>::create(false, n_useConstraints));
        solver->setData(*net);
        return solver;
    }

    // A solver on this network with its known values and required parameters already given.
    template<class Solver>
    QSharedPointer<Solver> planned(const QHash<QString, QVariant> &n_known, const QStringList &n_required,
                                   bool n_useConstraints = true)
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
RulePtr step(Net &n_net, const QString &n_id, const QString &n_from, const QString &n_to)
{
    return n_net.rule(n_id, QStringLiteral("y = x + 1;"), {{QStringLiteral("x"), n_from}},
                      {{QStringLiteral("y"), n_to}});
}

QStringList ruleIds(const QList<RulePtr> &n_rules)
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

// A static solver that lets the tests see its visited set.
class ProbeStatic : public StaticAlgorithm
{
public:
    using StaticAlgorithm::StaticAlgorithm;
    int visitedCount() const { return m_visited.size(); }
    int defaultValueCount() const { return m_defaultValueParameters.size(); }
};

} // namespace

class TestSolver : public QObject
{
    Q_OBJECT

private slots:
    void storesAddLookUpAndDelete();
    void defaultValues();
    void copiedParameterStoreAfterDeletion();
    void edgesByIds();
    void edgesByIdsRefused();
    void typedEdgesChangeElementSideFirst();
    void deletingEdges();
    void deletingEdgesChecksBeforeChanging();
    void deletingAllEdgesOfRule();
    void deletingAllEdgesOfParameter();
    void relationQueriesAndDeletion();
    void networkCopy();
    void solutionRecord();
    void solverBase();
    void staticSearch_data();
    void staticSearch();
    void staticSearchTwoInputs();
    void staticSearchRulesOutsideTheStore();
    void staticConstraintsOnKnown();
    void staticCalculateFailures();
    void staticDefaultValues();
    void staticResetForgetsVisits();
    void staticWalkStopsOnLoopedSearchParents();
    void runtimeReplans();
    void runtimeReplansRequiredOutput();
    void remoteSolver();
    void rulePathSets();
    void searchMatchesElementBookkeeping();
};

void TestSolver::storesAddLookUpAndDelete()
{
    Net n;
    QCOMPARE(n.net->getParametersCount(), 0);
    QVERIFY(n.net->getRulesHash().isEmpty());
    QVERIFY(n.net->getParametersDefaultValuesSet().isEmpty());
    const ParPtr a = n.par(QStringLiteral("a"));
    const auto duplicate = caught<ElementAlreadyExistExceptionOstra>([&] { n.par(QStringLiteral("a")); });
    QCOMPARE(duplicate.getMethodName(), QStringLiteral("addParameterPtr(IParametersData::ParameterSharedPtr n_parameter)"));
    QCOMPARE(n.net->getParameter(QStringLiteral("a")), a);

    const auto viaShared = caught<NoElementExceptionOstra>([&] { n.net->getParameterSharedPtr(QStringLiteral("z")); });
    const auto viaPtr = caught<NoElementExceptionOstra>([&] { n.net->getParameterPtr(QStringLiteral("z")); });
    QCOMPARE(viaShared.getMethodName(), QStringLiteral("getParameterSharedPtr(const QString &n_id)"));
    QCOMPARE(viaPtr.getMethodName(), QStringLiteral("getParameterPtr(const QString &n_id)"));
    const auto noRule = caught<NoElementExceptionOstra>([&] { n.net->deleteRule(QStringLiteral("z")); });
    QCOMPARE(noRule.getClassName(), QStringLiteral("IRuleData"));
    QCOMPARE(noRule.getMethodName(), QStringLiteral("getRuleSharedPtr(const QString &n_name)"));

    // A returned hash is a copy.
    QHash<QString, ParPtr> hash = n.net->getParametersHash();
    hash.remove(QStringLiteral("a"));
    QVERIFY(n.net->parametersContains(QStringLiteral("a")));
    QCOMPARE(n.net->deleteParameter(QStringLiteral("a")), 1);
    QVERIFY(!n.net->isParameterExist(QStringLiteral("a")));
}

void TestSolver::defaultValues()
{
    Net n;
    const ParPtr i = n.par(QStringLiteral("i"), QVariant::Int);
    const auto invalid = caught<BadValueExceptionOstra>(
        [&] { n.net->setParameterDefaultValue(QStringLiteral("i"), QVariant()); });
    QCOMPARE(invalid.getDescription(), QStringLiteral("Unable to establish a value to default for parameter with  id=i"));
    QCOMPARE(invalid.getMethodName(), QStringLiteral("setParameterDefaultValue(const QString &n_id, const QVariant &n_value)"));
    QVERIFY_EXCEPTION_THROWN(n.net->setParameterDefaultValue(QStringLiteral("i"), QVariant(QVariant::String)),
                             BadValueExceptionOstra);
    QVERIFY_EXCEPTION_THROWN(n.net->setParameterDefaultValue(QStringLiteral("i"), QStringLiteral("x")),
                             ValuesTypesMismatchExceptionOstra);
    QVERIFY(n.net->getParametersDefaultValuesSet().isEmpty());
    n.net->setParameterDefaultValue(QStringLiteral("i"), 2.5);
    QCOMPARE(i->getDefaultValue(), QVariant(2.5));
    QCOMPARE(n.net->getParametersDefaultValuesSet(), QSet<ParPtr>{i});

    // The bulk form stops at the first bad entry, in the hash's own order.
    for (const QString &id : {QStringLiteral("b1"), QStringLiteral("b2"), QStringLiteral("b3"), QStringLiteral("b4")})
        n.par(id);
    QHash<QString, QVariant> values{{QStringLiteral("b1"), 1.0}, {QStringLiteral("b2"), QVariant()},
                                    {QStringLiteral("b3"), 3.0}, {QStringLiteral("b4"), 4.0}};
    QVERIFY_EXCEPTION_THROWN(n.net->setParametersDefaultValues(values), BadValueExceptionOstra);
    bool beforeBad = true;
    for (const QString &id : values.keys()) {
        const bool set = n.net->getParameter(id)->hasDefaultValue();
        QCOMPARE(set, beforeBad && id != QStringLiteral("b2"));
        if (id == QStringLiteral("b2"))
            beforeBad = false;
    }
}

void TestSolver::copiedParameterStoreAfterDeletion()
{
    Net n;
    const ParPtr a = n.par(QStringLiteral("a"));
    n.par(QStringLiteral("b"));
    n.net->setParameterDefaultValue(QStringLiteral("a"), 1.0);
    n.net->setParameterDefaultValue(QStringLiteral("b"), 2.0);
    IParametersData copy(*n.net);
    QVERIFY(copy.getParameter(QStringLiteral("a")) != a);
    QVERIFY(copy.getParametersDefaultValuesSet().contains(copy.getParameter(QStringLiteral("a"))));
    QVERIFY(!copy.getParametersDefaultValuesSet().contains(a));

    // A deleted parameter leaves the default-value set, so the store can still be copied.
    n.net->deleteParameter(QStringLiteral("b"));
    QCOMPARE(n.net->getParametersDefaultValuesSet(), QSet<ParPtr>{a});
    IParametersData second(*n.net);
    QCOMPARE(second.getParametersCount(), 1);
    QCOMPARE(second.getParametersDefaultValuesSet().size(), 1);
}

void TestSolver::edgesByIds()
{
    Net n;
    const ParPtr a = n.par(QStringLiteral("a"));
    const ParPtr b = n.par(QStringLiteral("b"));
    const RelPtr relation = n.rel(QStringLiteral("L"), QStringLiteral("y = x;"), {QStringLiteral("x")}, {QStringLiteral("y")});
    auto rule = QSharedPointer<RuleModel>::create(QStringLiteral("r"), QSharedPointer<OstraClass>());
    n.net->addRulePtr(rule);
    // Relation edges take either order.
    n.net->addEdge(QStringLiteral("L"), QStringLiteral("r"), QString());
    QCOMPARE(rule->getRelationPtr(), relation);
    n.net->addEdge(QStringLiteral("a"), QStringLiteral("r"), QStringLiteral("x"));
    n.net->addEdge(QStringLiteral("r"), QStringLiteral("b"), QStringLiteral("y"));
    QCOMPARE(rule->getInputParameter(QStringLiteral("x")), a);
    QCOMPARE(rule->getOutputParameter(QStringLiteral("y")), b);
    QCOMPARE(a->getOutputRules(), QList<RulePtr>{rule});
    QVERIFY(a->getInputRules().isEmpty());
    QCOMPARE(b->getInputRules(), QList<RulePtr>{rule});
    QVERIFY(b->getOutputRules().isEmpty());

    // A relation edge to a relation not yet stored puts it there; a second one replaces the link.
    auto other = QSharedPointer<RelationModel>::create(QStringLiteral("L2"), QStringLiteral("y = x;"), nullptr);
    n.net->addEdge(rule, other);
    QVERIFY(n.net->relationsContains(QStringLiteral("L2")));
    QCOMPARE(rule->getRelationPtr(), other);
    QCOMPARE(rule->getInputParameter(QStringLiteral("x")), a);

    QCOMPARE(n.net->getObjectTypeById(QStringLiteral("r")), OBJECT_TYPE_RULE);
    n.par(QStringLiteral("L"));
    QCOMPARE(n.net->getObjectTypeById(QStringLiteral("L")), OBJECT_TYPE_PARAMETER);
}

void TestSolver::edgesByIdsRefused()
{
    Net n;
    const ParPtr a = n.par(QStringLiteral("a"));
    n.par(QStringLiteral("b"));
    const RulePtr r = step(n, QStringLiteral("r"), QStringLiteral("a"), QStringLiteral("b"));
    step(n, QStringLiteral("r2"), QStringLiteral("b"), QStringLiteral("a"));
    const ConstrPtr k = n.constraint(QStringLiteral("k"), QStringLiteral("flag = x > 0;"), {{QStringLiteral("x"), QStringLiteral("a")}});

    const auto same = caught<TypesMismatchExceptionOstra>(
        [&] { n.net->addEdge(QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("x")); });
    QCOMPARE(same.getExceptionId(), 528);
    QCOMPARE(same.getFirstObject(), OBJECT_TYPE_PARAMETER);
    QCOMPARE(same.getSecondObject(), OBJECT_TYPE_PARAMETER);
    QCOMPARE(caught<TypesMismatchExceptionOstra>(
                 [&] { n.net->addEdge(QStringLiteral("r"), QStringLiteral("r2"), QString()); }).getFirstObject(),
             OBJECT_TYPE_RULE);

    const QList<QPair<QStringList, QString>> emptyNames = {
        {{QStringLiteral("a"), QStringLiteral("r")}, QStringLiteral(" Par->Rule")},
        {{QStringLiteral("r"), QStringLiteral("a")}, QStringLiteral(" Rule->Par")},
        {{QStringLiteral("a"), QStringLiteral("k")}, QStringLiteral(" Par->Const")}};
    for (const auto &entry : emptyNames) {
        const auto refused = caught<NotSupportedEdgeType>(
            [&] { n.net->addEdge(entry.first.at(0), entry.first.at(1), QString()); });
        QCOMPARE(refused.getExceptionId(), 514);
        QCOMPARE(refused.getMethodName(),
                 QStringLiteral("addEdge(const QString &n_vertex_1, const QString &n_vertex_2)") + entry.second);
    }
    QCOMPARE(a->getOutputRules().size(), 1);

    const auto pair = caught<NotSupportedEdgeType>(
        [&] { n.net->addEdge(QStringLiteral("k"), QStringLiteral("a"), QStringLiteral("x")); });
    QCOMPARE(pair.getMethodName(), QStringLiteral("addEdge(const QString &n_vertex_1, const QString &n_vertex_2)"));
    QVERIFY(pair.toString(false).contains(QStringLiteral("k")));
    QVERIFY_EXCEPTION_THROWN(n.net->addEdge(QStringLiteral("a"), QStringLiteral("rel_r"), QStringLiteral("x")),
                             NotSupportedEdgeType);
    const auto missing = caught<NoElementExceptionOstra>(
        [&] { n.net->addEdge(QStringLiteral("nope1"), QStringLiteral("nope2"), QStringLiteral("x")); });
    QCOMPARE(missing.getMethodName(), QStringLiteral("getObjectTypeById(const QString &n_id)"));
    QVERIFY(missing.toString(false).contains(QStringLiteral("nope1")));
    QVERIFY(!missing.toString(false).contains(QStringLiteral("nope2")));
    Q_UNUSED(r)
    Q_UNUSED(k)
}

void TestSolver::typedEdgesChangeElementSideFirst()
{
    Net n;
    const ParPtr a = n.par(QStringLiteral("a"));
    const ParPtr i = n.par(QStringLiteral("i"), QVariant::Int);
    n.par(QStringLiteral("b"));
    const RulePtr r = step(n, QStringLiteral("r"), QStringLiteral("a"), QStringLiteral("b"));
    const ConstrPtr k = n.constraint(QStringLiteral("k"), QStringLiteral("flag = x > 0;"), {{QStringLiteral("x"), QStringLiteral("a")}});

    // Binding the same input again is refused by the rule, and the parameter lists the rule once.
    QVERIFY_EXCEPTION_THROWN(n.net->addEdge(a, QStringLiteral("x"), r), ElementAlreadyExistExceptionOstra);
    QCOMPARE(a->getOutputRules(), QList<RulePtr>{r});
    // A refused type leaves no entry on the parameter.
    r->removeInputParameterConn(QStringLiteral("x"));
    QVERIFY_EXCEPTION_THROWN(n.net->addEdge(i, QStringLiteral("x"), r), ValuesTypesMismatchExceptionOstra);
    QVERIFY(i->getOutputRules().isEmpty());
    QVERIFY_EXCEPTION_THROWN(n.net->addEdge(i, QStringLiteral("x"), k), ValuesTypesMismatchExceptionOstra);
    QVERIFY(i->getConstraints().isEmpty());
    QVERIFY_EXCEPTION_THROWN(n.net->addEdge(i, QStringLiteral("nope"), k), NoElementExceptionOstra);
    QVERIFY(i->getConstraints().isEmpty());
    // The output side was already in this order.
    QVERIFY_EXCEPTION_THROWN(n.net->addEdge(QStringLiteral("y"), r, i), ValuesTypesMismatchExceptionOstra);
    QVERIFY(i->getInputRules().isEmpty());
}

void TestSolver::deletingEdges()
{
    Net n;
    const ParPtr a = n.par(QStringLiteral("a"));
    const ParPtr b = n.par(QStringLiteral("b"));
    const ParPtr c = n.par(QStringLiteral("c"));
    const RulePtr r = n.rule(QStringLiteral("r"), QStringLiteral("y = u + v;"),
                             {{QStringLiteral("u"), QStringLiteral("a")}, {QStringLiteral("v"), QStringLiteral("a")}},
                             {{QStringLiteral("y"), QStringLiteral("b")}});
    QCOMPARE(a->getOutputRules().size(), 2);

    // An empty name unbinds every name; the names stay, unbound.
    n.net->deleteEdge(QStringLiteral("a"), QStringLiteral("r"), QString());
    const QHash<QString, ParPtr> inputs = r->getInputParameters();
    QCOMPARE(inputs.size(), 2);
    QVERIFY(inputs.value(QStringLiteral("u")).isNull() && inputs.value(QStringLiteral("v")).isNull());
    QCOMPARE(a->getOutputRules().size(), 1);
    // The name can be bound again.
    n.net->addEdge(c, QStringLiteral("u"), r);
    QCOMPARE(r->getInputParameter(QStringLiteral("u")), c);

    n.net->deleteEdge(r, b, QStringLiteral("y"));
    QVERIFY(r->getOutputParameter(QStringLiteral("y")).isNull());
    QVERIFY(b->getInputRules().isEmpty());

    const auto kinds = caught<TypesMismatchExceptionOstra>(
        [&] { n.net->deleteEdge(QStringLiteral("a"), QStringLiteral("rel_r"), QString()); });
    QCOMPARE(kinds.getFirstObject(), OBJECT_TYPE_PARAMETER);
    QCOMPARE(kinds.getSecondObject(), OBJECT_TYPE_RELATION);

    // Relation edges: another relation leaves the link; the linked one clears it.
    const RelPtr linked = r->getRelationPtr();
    n.net->deleteEdge(r, n.rel(QStringLiteral("L2"), QString(), {}, {}));
    QCOMPARE(r->getRelationPtr(), linked);
    n.net->deleteEdge(QStringLiteral("rel_r"), QStringLiteral("r"), QString());
    QVERIFY(r->getRelationPtr().isNull());
    QVERIFY(n.net->relationsContains(QStringLiteral("rel_r")));

    // A constraint name holding the parameter is unbound even when the parameter does not list it.
    const ConstrPtr k = n.constraint(QStringLiteral("k"), QStringLiteral("flag = x > 0;"), {{QStringLiteral("x"), QStringLiteral("a")}});
    a->deleteLinkedConstraint(k);
    n.net->deleteEdge(a, k, QStringLiteral("x"));
    QVERIFY(k->getInputParameter(QStringLiteral("x")).isNull());
}

void TestSolver::deletingEdgesChecksBeforeChanging()
{
    Net n;
    const ParPtr a = n.par(QStringLiteral("a"));
    const ParPtr b = n.par(QStringLiteral("b"));
    const ParPtr c = n.par(QStringLiteral("c"));
    const RulePtr r = n.rule(QStringLiteral("r"), QStringLiteral("y = u + v;"),
                             {{QStringLiteral("u"), QStringLiteral("a")}, {QStringLiteral("v"), QStringLiteral("b")}},
                             {{QStringLiteral("y"), QStringLiteral("c")}});
    const ConstrPtr k = n.constraint(QStringLiteral("k"), QStringLiteral("flag = x > y;"),
                                     {{QStringLiteral("x"), QStringLiteral("a")}, {QStringLiteral("y"), QStringLiteral("b")}});

    // A name that holds another parameter: refused before either side changes.
    const auto other = caught<InconsistencyDataExceptionOstra>([&] { n.net->deleteEdge(a, r, QStringLiteral("v")); });
    QCOMPARE(other.getMethodName(),
             QStringLiteral("deleteEdge(BaseClassCommonData::ParameterSharedPtr n_parameter, BaseClassCommonData::RuleSharedPtr n_rule,const QString& n_linkedName)"));
    QCOMPARE(a->getOutputRules(), QList<RulePtr>{r});
    QVERIFY_EXCEPTION_THROWN(n.net->deleteEdge(r, c, QStringLiteral("nope")), NoElementExceptionOstra);
    QCOMPARE(c->getInputRules(), QList<RulePtr>{r});
    QVERIFY_EXCEPTION_THROWN(n.net->deleteEdge(a, k, QStringLiteral("y")), InconsistencyDataExceptionOstra);
    QCOMPARE(a->getConstraints(), QList<ConstrPtr>{k});

    // A parameter that does not list the rule: the parameter side's own error, names untouched.
    const auto unlisted = caught<NoElementExceptionOstra>([&] { n.net->deleteEdge(c, r, QString()); });
    QCOMPARE(unlisted.getClassName(), QStringLiteral("IPtrLinkerOutputEdges"));
    QCOMPARE(unlisted.getMethodName(), QStringLiteral("removeAdjacentOutVertex(ObjectTemplateSharedPtr n_adjacentOutVertex)"));
    QCOMPARE(r->getOutputParameter(QStringLiteral("y")), c);
    QVERIFY_EXCEPTION_THROWN(n.net->deleteEdge(r, a, QString()), NoElementExceptionOstra);
    QCOMPARE(r->getInputParameter(QStringLiteral("u")), a);
}

void TestSolver::deletingAllEdgesOfRule()
{
    Net n;
    const ParPtr a = n.par(QStringLiteral("a"));
    const ParPtr b = n.par(QStringLiteral("b"));
    const RulePtr r = n.rule(QStringLiteral("r"), QStringLiteral("y = u; z = u;"),
                             {{QStringLiteral("u"), QStringLiteral("a")}, {QStringLiteral("w"), QStringLiteral("a")}},
                             {{QStringLiteral("y"), QStringLiteral("b")}, {QStringLiteral("z"), QStringLiteral("b")}});
    n.net->deleteAllObjectEdges(QStringLiteral("r"));
    for (const ParPtr &bound : r->getInputParameters().values() + r->getOutputParameters().values())
        QVERIFY(bound.isNull());
    QVERIFY(a->getOutputRules().isEmpty());
    QVERIFY(b->getInputRules().isEmpty());
    QCOMPARE(r->getRelationPtr()->getId(), QStringLiteral("rel_r"));
    // Names already unbound are passed over.
    n.net->deleteAllRuleEdges(r);

    const ConstrPtr k = n.constraint(QStringLiteral("k"), QStringLiteral("flag = x > y;"),
                                     {{QStringLiteral("x"), QStringLiteral("a")}, {QStringLiteral("y"), QStringLiteral("a")}});
    n.net->deleteAllConstraintEdges(k);
    QVERIFY(a->getConstraints().isEmpty());
    QVERIFY(k->getInputParameter(QStringLiteral("x")).isNull() && k->getInputParameter(QStringLiteral("y")).isNull());
    QVERIFY_EXCEPTION_THROWN(n.net->deleteAllRuleEdges(QSharedPointer<RuleModel>::create(QStringLiteral("alien"),
                                                                                       QSharedPointer<OstraClass>())),
                             NoElementExceptionOstra);
}

void TestSolver::deletingAllEdgesOfParameter()
{
    Net n;
    const ParPtr a = n.par(QStringLiteral("a"));
    const ParPtr b = n.par(QStringLiteral("b"));
    n.par(QStringLiteral("c"));
    const RulePtr twice = n.rule(QStringLiteral("twice"), QStringLiteral("y = u + w;"),
                                 {{QStringLiteral("u"), QStringLiteral("b")}, {QStringLiteral("w"), QStringLiteral("b")}},
                                 {{QStringLiteral("y"), QStringLiteral("c")}});
    const RulePtr producer = step(n, QStringLiteral("p"), QStringLiteral("a"), QStringLiteral("b"));
    const ConstrPtr k = n.constraint(QStringLiteral("k"), QStringLiteral("flag = x > 0;"), {{QStringLiteral("x"), QStringLiteral("b")}});
    // A rule that reads b and is then destroyed leaves an expired entry in b's list.
    {
        RulePtr gone = step(n, QStringLiteral("gone"), QStringLiteral("b"), QStringLiteral("a"));
        n.net->deleteRule(QStringLiteral("gone"));
    }
    QCOMPARE(b->getOutputRules().size(), 3);

    n.net->deleteAllObjectEdges(QStringLiteral("b"));
    QVERIFY(producer->getOutputParameter(QStringLiteral("y")).isNull());
    QVERIFY(twice->getInputParameter(QStringLiteral("u")).isNull() && twice->getInputParameter(QStringLiteral("w")).isNull());
    QVERIFY(k->getInputParameter(QStringLiteral("x")).isNull());
    QVERIFY(b->getInputRules().isEmpty());
    QVERIFY(b->getConstraints().isEmpty());
    // Only the expired entry is left.
    QCOMPARE(b->getOutputRules(), QList<RulePtr>{RulePtr()});
    QCOMPARE(a->getOutputRules(), QList<RulePtr>{producer});

    const auto alien = QSharedPointer<ParameterModel>::create(QStringLiteral("alien"), QVariant::Double, QVariant(),
                                                              QSharedPointer<OstraClass>());
    QCOMPARE(caught<NoElementExceptionOstra>([&] { n.net->deleteAllParameterEdges(alien); }).getMethodName(),
             QStringLiteral("deleteAllParameterEdges(BaseClassCommonData::ParameterSharedPtr n_parameter)"));
}

void TestSolver::relationQueriesAndDeletion()
{
    Net n;
    n.pars({"a", "b"});
    const RelPtr shared = n.rel(QStringLiteral("S"), QStringLiteral("y = x;"), {QStringLiteral("x")}, {QStringLiteral("y")});
    const RulePtr r1 = step(n, QStringLiteral("r1"), QStringLiteral("a"), QStringLiteral("b"));
    const RulePtr r2 = step(n, QStringLiteral("r2"), QStringLiteral("b"), QStringLiteral("a"));
    const RulePtr lone = step(n, QStringLiteral("lone"), QStringLiteral("a"), QStringLiteral("b"));
    n.net->addEdge(r1, shared);
    n.net->addEdge(r2, shared);

    // Once one relation's edges are gone, the others can still be asked about and deleted.
    n.net->deleteAllRelationEdges(n.storage->getRelationPtr(QStringLiteral("rel_lone")));
    QVERIFY(lone->getRelationPtr().isNull());
    QCOMPARE(lone->getInputParameter(QStringLiteral("x"))->getId(), QStringLiteral("a"));
    QCOMPARE(asSet(n.net->getRelationConnections(QStringLiteral("S"))), (QSet<RulePtr>{r1, r2}));
    QVERIFY(n.net->getRelationConstraintConnections(QStringLiteral("S")).isEmpty());

    QVERIFY_EXCEPTION_THROWN(n.net->deleteRelation(QStringLiteral("nope")), NoElementExceptionOstra);
    QCOMPARE(n.net->getRulesCount(), 3);
    n.net->deleteRelation(QStringLiteral("S"));
    QCOMPARE(n.net->getRulesHash().keys(), QList<QString>{QStringLiteral("lone")});
    QVERIFY(!n.net->relationsContains(QStringLiteral("S")));
    QCOMPARE(r1->getInputParameter(QStringLiteral("x"))->getId(), QStringLiteral("a"));
    QCOMPARE(r1->getRelationPtr(), shared);
}

void TestSolver::networkCopy()
{
    Net n;
    const ParPtr a = n.par(QStringLiteral("a"));
    const ParPtr b = n.par(QStringLiteral("b"));
    const RulePtr r = step(n, QStringLiteral("r"), QStringLiteral("a"), QStringLiteral("b"));
    const ConstrPtr k = n.constraint(QStringLiteral("k"), QStringLiteral("flag = x > 0;"), {{QStringLiteral("x"), QStringLiteral("b")}});
    // Elements the copy cannot link: a rule without relation and an unbound name.
    n.net->addRulePtr(QSharedPointer<RuleModel>::create(QStringLiteral("bare"), QSharedPointer<OstraClass>()));
    const RulePtr half = n.rule(QStringLiteral("half"), QStringLiteral("y = u + v;"),
                                {{QStringLiteral("u"), QStringLiteral("a")}, {QStringLiteral("v"), QStringLiteral("b")}},
                                {{QStringLiteral("y"), QStringLiteral("b")}});
    n.net->deleteEdge(a, half, QStringLiteral("u"));
    n.net->setParameterDefaultValue(QStringLiteral("a"), 1.0);

    BaseClassCommonData copy(*n.net, n.storage);
    const ParPtr ca = copy.getParameter(QStringLiteral("a"));
    const ParPtr cb = copy.getParameter(QStringLiteral("b"));
    const RulePtr cr = copy.getRule(QStringLiteral("r"));
    QVERIFY(ca != a && cr != r);
    QCOMPARE(cr->getInputParameter(QStringLiteral("x")), ca);
    QCOMPARE(cr->getOutputParameter(QStringLiteral("y")), cb);
    QCOMPARE(cr->getRelationPtr(), r->getRelationPtr());
    QCOMPARE(copy.getConstraint(QStringLiteral("k"))->getInputParameter(QStringLiteral("x")), cb);
    QCOMPARE(asSet(ca->getOutputRules()), QSet<RulePtr>{cr});
    QCOMPARE(cb->getConstraints(), QList<ConstrPtr>{copy.getConstraint(QStringLiteral("k"))});
    QVERIFY(copy.getRule(QStringLiteral("bare"))->getRelationPtr().isNull());
    QVERIFY(!copy.getRule(QStringLiteral("half"))->getInputParameters().contains(QStringLiteral("u")));
    QCOMPARE(copy.getRule(QStringLiteral("half"))->getInputParameter(QStringLiteral("v")), cb);
    QCOMPARE(copy.getParametersDefaultValuesSet(), QSet<ParPtr>{ca});
    // The source gains nothing.
    QCOMPARE(a->getOutputRules().size(), 1);
    QCOMPARE(b->getConstraints(), QList<ConstrPtr>{k});

    QVERIFY_EXCEPTION_THROWN(BaseClassCommonData(*n.net, QSharedPointer<RelationsStorage>::create()),
                             NoElementExceptionOstra);
}

void TestSolver::solutionRecord()
{
    AlgorithmSolution solution;
    QCOMPARE(solution.getSolutionStatus(), AlgorithmSolution::NOT_SOLVED);
    QVERIFY(solution.isProblemRuleNull() && solution.isProblemConstraintNull());
    QVERIFY(solution.getRulesBeforeFail().isEmpty() && solution.getRulesAfterFail().isEmpty());
    QVERIFY(!solution.checkAlgorithmInegrity());

    Net n;
    const ParPtr a = n.par(QStringLiteral("a"));
    const ParPtr b = n.par(QStringLiteral("b"));
    const ParPtr c = n.par(QStringLiteral("c"), QVariant::String);
    const RulePtr r1 = step(n, QStringLiteral("r1"), QStringLiteral("a"), QStringLiteral("b"));
    const RulePtr r2 = step(n, QStringLiteral("r2"), QStringLiteral("b"), QStringLiteral("a"));

    QVERIFY_EXCEPTION_THROWN(solution.addKnownParameter(a), BadValueExceptionOstra);
    QVERIFY(!a->m_explored);
    solution.addKnownParameter(a, 1.0);
    solution.addKnownParameter(a, 2.0);
    QCOMPARE(solution.getKnownParametersCount(), 1);
    QCOMPARE(a->getValue(), QVariant(2.0));
    QVERIFY(a->m_explored);
    solution.addKnownParameter(c, QVariant(QVariant::String));
    QVERIFY(solution.getKnownParameters().contains(c));

    solution.addExploredParameter(a);
    QVERIFY(solution.getExploredParameters().isEmpty());
    solution.addRequiredParameter(b);
    QVERIFY(b->m_required);
    QVERIFY(solution.checkAlgorithmInegrity());
    solution.addExploredParameter(b);
    QCOMPARE(solution.getRequiredExploredParameters(), QSet<ParPtr>{b});

    // The order: prepend puts the rule first; a repeated rule loses its first occurrence only.
    solution.appendRule(r1);
    solution.prependRule(r2);
    solution.appendRule(r2);
    QCOMPARE(solution.getRulesOrder(), (QList<RulePtr>{r2, r1, r2}));
    QVERIFY(solution.getUsedParameters().contains(b));
    solution.setProblemRule(r1);
    QCOMPARE(solution.getRulesBeforeFail(), QList<RulePtr>{r2});
    QCOMPARE(solution.getRulesAfterFail(), (QList<RulePtr>{r1, r2}));
    solution.deleteRuleFromOrder(r2);
    QCOMPARE(solution.getRulesOrder(), (QList<RulePtr>{r1, r2}));
    solution.addCalculatedParameter(b);
    QCOMPARE(solution.getCalculatedRequiredParameters(), QSet<ParPtr>{b});
    QVERIFY(solution.getNotCalculatedRequiredParameters().isEmpty());

    solution.clearUsedParameters();
    solution.addUsedParameter(a);
    QVERIFY(!solution.checkAlgorithmInegrity());

    solution.setSolutionStatus(AlgorithmSolution::SOLVED);
    AlgorithmSolution copy;
    copy = solution;
    solution.resetSolution();
    QCOMPARE(solution.getSolutionStatus(), AlgorithmSolution::NOT_SOLVED);
    QCOMPARE(copy.getSolutionStatus(), AlgorithmSolution::SOLVED);
    QVERIFY(solution.isRulesOrderEmpty() && solution.getKnownParameters().isEmpty());
    QVERIFY(a->m_explored && b->m_required);
    QCOMPARE(copy.getRulesOrderCount(), 2);
}

void TestSolver::solverBase()
{
    Net n;
    const ParPtr a = n.par(QStringLiteral("a"));
    n.par(QStringLiteral("b"));
    const auto record = QSharedPointer<BaseAlgorithmData>::create(true, true);
    auto solver = QSharedPointer<StaticAlgorithm>::create(record);
    solver->setData(*n.net);
    // The solver's own flag is separate from the record it was given.
    solver->setUseDefaultValues(false);
    QVERIFY(record->getUseDefaultValues());

    const QSharedPointer<AlgorithmSolution> solution = solver->getAlgorithmSolution();
    QVERIFY_EXCEPTION_THROWN(solver->search(), NoKnownParametersExceptionOstra);
    solver->addKnownParameters(QHash<QString, QVariant>{{QStringLiteral("ghost"), 1.0}});
    QCOMPARE(solution->getKnownParametersCount(), 0);
    solver->addKnownParameters(QHash<QString, QVariant>{{QStringLiteral("a"), 3.0}});
    QCOMPARE(a->getValue(), QVariant(3.0));
    QVERIFY_EXCEPTION_THROWN(solver->search(), NoRequiredParametersExceptionOstra);
    solver->addRequiredParameters(QList<QString>{QStringLiteral("b"), QStringLiteral("b"), QStringLiteral("ghost")});
    QCOMPARE(solution->getRequiredParametersCount(), 1);
    QCOMPARE(solver->getAlgorithmSolution(), solution);

    QVERIFY_EXCEPTION_THROWN(StaticAlgorithm(QSharedPointer<BaseAlgorithmData>()), PointerIsNull);
}

void TestSolver::staticSearch_data()
{
    QTest::addColumn<QStringList>("rules");
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QStringList>("required");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QStringList>("notCalculated");

    QTest::newRow("chain stored out of order")
        << QStringList{"r3: c > d", "r1: a > b", "r2: b > c"} << QStringList{"a"} << QStringList{"d"}
        << QStringList{"r1", "r2", "r3"} << QStringList();
    // Placed once; an unreachable required parameter gets no rule and raises nothing.
    QTest::newRow("two required outputs of one rule")
        << QStringList{"both: k > p q"} << QStringList{"k"} << QStringList{"p", "q", "u"}
        << QStringList{"both"} << QStringList{"u"};
    // Known and required: no rule, nothing reached, solved, and nothing counted as calculated.
    QTest::newRow("required and known") << QStringList{"both: k > p q"} << QStringList{"p"} << QStringList{"p"}
                                        << QStringList() << QStringList{"p"};
    // x can come from a wide rule (three inputs, each one rule from k) or from a two-rule chain
    // explored later: the chain needs fewer rules, so it becomes x's derivation. z, further down,
    // keeps the search going until then.
    QTest::newRow("shorter derivation wins")
        << QStringList{"ra1: k > a1", "ra2: k > a2", "ra3: k > a3", "wide: a1 a2 a3 > x",
                       "rc1: k > c1", "rc2: c1 > c2", "narrow: c2 > x", "rz1: c2 > z1", "rz2: z1 > z"}
        << QStringList{"k"} << QStringList{"x", "z"} << QStringList{"rc1", "rc2", "narrow", "rz1", "rz2"}
        << QStringList();
}

void TestSolver::staticSearch()
{
    QFETCH(QStringList, rules);
    QFETCH(QStringList, known);
    QFETCH(QStringList, required);
    QFETCH(QStringList, order);
    QFETCH(QStringList, notCalculated);

    Net n;
    n.pars(asSet(known + notCalculated).values());
    n.rules(rules);
    QHash<QString, QVariant> values;
    for (const QString &id : known)
        values.insert(id, 1.0);
    auto solver = n.planned<StaticAlgorithm>(values, required);
    QVERIFY(solver->calculate());
    const auto solution = solver->getAlgorithmSolution();
    QCOMPARE(ruleIds(solution->getRulesOrder()), order);
    QCOMPARE(solution->getSolutionStatus(), AlgorithmSolution::SOLVED);
    QSet<QString> missing;
    for (const ParPtr &parameter : solution->getNotCalculatedRequiredParameters())
        missing << parameter->getId();
    QCOMPARE(missing, asSet(notCalculated));
    for (const QString &id : required)
        QCOMPARE(n.net->getParameter(id)->getValue().isValid(), known.contains(id) || !notCalculated.contains(id));
    if (order.isEmpty())
        QVERIFY(solution->getExploredParameters().isEmpty());
    if (n.net->rulesContains(QStringLiteral("wide")))
        QVERIFY(n.net->getRule(QStringLiteral("wide"))->m_explored);
}

void TestSolver::staticSearchTwoInputs()
{
    Net n;
    n.rules({"rx: k > x", "ry: k > y", "rz: x y > z"});
    auto solver = n.planned<StaticAlgorithm>({{"k", 1.0}}, {"z"});
    QVERIFY(solver->calculate());
    // The chain follows the search parent; the producer of the other input goes just before rz.
    const auto parent = n.net->getRule(QStringLiteral("rz"))->getBFSParent();
    QVERIFY(!parent.isNull());
    const QStringList expected = parent->getId() == QStringLiteral("x") ? QStringList{"rx", "ry", "rz"}
                                                                         : QStringList{"ry", "rx", "rz"};
    QCOMPARE(ruleIds(solver->getAlgorithmSolution()->getRulesOrder()), expected);
    QCOMPARE(n.net->getParameter(QStringLiteral("z"))->getValue(), QVariant(5.0));
}

void TestSolver::staticSearchRulesOutsideTheStore()
{
    // The solver's own rule table is empty, but the parameters lead into a rule held elsewhere (as
    // with rules of an ancestor class). The limit follows the rules the search visited, so this is
    // planned instead of failing with a loop error of limit 0.
    Net n;
    n.rules({"r: a > b"});
    BaseClassCommonData paramsOnly(n.storage);
    paramsOnly.addParameterPtr(n.net->getParameter(QStringLiteral("a")));
    paramsOnly.addParameterPtr(n.net->getParameter(QStringLiteral("b")));
    auto solver = QSharedPointer<StaticAlgorithm>::create(QSharedPointer<BaseAlgorithmData>::create(false, false));
    solver->setData(paramsOnly);
    QCOMPARE(solver->getRulesCount(), 0);
    solver->addKnownParameter(QStringLiteral("a"), 1.0);
    solver->addRequiredParameter(QStringLiteral("b"));
    QVERIFY(solver->calculate());
    QCOMPARE(ruleIds(solver->getAlgorithmSolution()->getRulesOrder()), QStringList{"r"});
    QCOMPARE(n.net->getParameter(QStringLiteral("b"))->getValue(), QVariant(2.0));
}

void TestSolver::staticConstraintsOnKnown()
{
    Net n;
    n.rules({"r: a > c"});
    n.par(QStringLiteral("b"));
    const ConstrPtr k = n.constraint(QStringLiteral("k"), QStringLiteral("flag = x < y;"),
                                     {{QStringLiteral("x"), QStringLiteral("a")}, {QStringLiteral("y"), QStringLiteral("b")}});
    auto solver = n.planned<StaticAlgorithm>({{"a", 5.0}, {"b", 1.0}}, {"c"});
    QVERIFY(!solver->calculate());
    const auto solution = solver->getAlgorithmSolution();
    QCOMPARE(solution->getSolutionStatus(), AlgorithmSolution::CONSTRAINT_FAILED);
    QCOMPARE(solution->getProblemConstraint(), k);
    QVERIFY(solution->isRulesOrderEmpty());

    // Without the constraints flag the same values are solved.
    n.net->reset();
    auto unchecked = n.planned<StaticAlgorithm>({{"a", 5.0}, {"b", 1.0}}, {"c"}, false);
    QVERIFY(unchecked->calculate());
    QCOMPARE(unchecked->getAlgorithmSolution()->getSolutionStatus(), AlgorithmSolution::SOLVED);
}

void TestSolver::staticCalculateFailures()
{
    // A rule that leaves its output without a value: status 1, later rules do not run.
    {
        Net n;
        n.rules({"broken: a > b | o0 = NaN;", "after: b > c"});
        auto solver = n.planned<StaticAlgorithm>({{"a", 1.0}}, {"c"});
        QVERIFY(solver->calculate());
        const auto solution = solver->getAlgorithmSolution();
        QCOMPARE(solution->getSolutionStatus(), AlgorithmSolution::RULE_FAILED);
        QCOMPARE(solution->getProblemRule()->getId(), QStringLiteral("broken"));
        QVERIFY(!n.net->getRule(QStringLiteral("after"))->isCalculated());
        QCOMPARE(ruleIds(solution->getRulesAfterFail()), (QStringList{"broken", "after"}));
    }
    // A constraint violated after the second of three rules: the third does not run.
    {
        Net n;
        n.rules({"r1: a > b", "r2: b > c", "r3: c > d"});
        const ConstrPtr small = n.constraint(QStringLiteral("small"), QStringLiteral("flag = x < 2;"),
                                             {{QStringLiteral("x"), QStringLiteral("c")}});
        auto solver = n.planned<StaticAlgorithm>({{"a", 0.0}}, {"d"});
        QVERIFY(solver->calculate());
        const auto solution = solver->getAlgorithmSolution();
        QCOMPARE(solution->getSolutionStatus(), AlgorithmSolution::CONSTRAINT_FAILED);
        QCOMPARE(solution->getProblemConstraint(), small);
        QVERIFY(n.net->getRule(QStringLiteral("r2"))->isCalculated());
        QVERIFY(!n.net->getRule(QStringLiteral("r3"))->isCalculated());
        QVERIFY(!solver->isCalculated());
        QVERIFY(!n.net->getParameter(QStringLiteral("d"))->getValue().isValid());
    }
    // A script error passes through; the first rule's output stays computed.
    {
        Net n;
        n.rules({"r1: a > b", "bad: b > c | o0 = nosuchthing(i0);"});
        auto solver = n.planned<StaticAlgorithm>({{"a", 1.0}}, {"c"});
        QVERIFY_EXCEPTION_THROWN(solver->calculate(), CalculationExceptionOstra);
        QCOMPARE(solver->getAlgorithmSolution()->getSolutionStatus(), AlgorithmSolution::NOT_SOLVED);
        QCOMPARE(solver->getAlgorithmSolution()->getCalculatedParameters(),
                 QSet<ParPtr>{n.net->getParameter(QStringLiteral("b"))});
    }
}

void TestSolver::staticDefaultValues()
{
    Net n;
    n.rules({"sum: a b > c | o0 = i0 + i1;"});
    const ParPtr a = n.net->getParameter(QStringLiteral("a"));
    const ParPtr b = n.net->getParameter(QStringLiteral("b"));
    n.net->setParameterDefaultValue(QStringLiteral("a"), 10.0);
    n.net->setParameterDefaultValue(QStringLiteral("b"), 20.0);
    auto solver = QSharedPointer<ProbeStatic>::create(QSharedPointer<BaseAlgorithmData>::create(true, true));
    solver->setData(*n.net);
    solver->addKnownParameter(QStringLiteral("a"), 1.0);
    solver->addRequiredParameter(QStringLiteral("c"));
    QVERIFY(solver->calculate());
    QCOMPARE(a->getValue(), QVariant(1.0));
    QCOMPARE(n.net->getParameter(QStringLiteral("c"))->getValue(), QVariant(21.0));

    // Gathered afresh: a parameter taken out of the class is not known on the next run.
    n.net->deleteParameter(QStringLiteral("b"));
    solver->setData(*n.net);
    solver->resetAlgorithm();
    solver->addKnownParameter(QStringLiteral("a"), 1.0);
    solver->addRequiredParameter(QStringLiteral("c"));
    solver->search();
    QCOMPARE(solver->defaultValueCount(), 1);
    QVERIFY(!solver->getAlgorithmSolution()->getKnownParameters().contains(b));
}

void TestSolver::staticResetForgetsVisits()
{
    Net n;
    n.rules({"r: a > b"});
    auto solver = QSharedPointer<ProbeStatic>::create(QSharedPointer<BaseAlgorithmData>::create(false, true));
    solver->setData(*n.net);
    solver->addKnownParameter(QStringLiteral("a"), 1.0);
    solver->addRequiredParameter(QStringLiteral("b"));
    QVERIFY(solver->calculate());
    QVERIFY(solver->visitedCount() > 0);
    solver->resetAlgorithm();
    QCOMPARE(solver->visitedCount(), 0);
    QVERIFY(!n.net->getParameter(QStringLiteral("b"))->getValue().isValid());
    // The same solver plans again from scratch.
    solver->addKnownParameter(QStringLiteral("a"), 2.0);
    solver->addRequiredParameter(QStringLiteral("b"));
    QVERIFY(solver->calculate());
    QCOMPARE(n.net->getParameter(QStringLiteral("b"))->getValue(), QVariant(3.0));
    solver->setData(*n.net);
    QCOMPARE(solver->visitedCount(), 0);
}

void TestSolver::staticWalkStopsOnLoopedSearchParents()
{
    // Search parents that lead round in a circle (no search makes them; a damaged network could)
    // end the walk back with a loop error at the limit instead of running on.
    Net n;
    n.rules({"r: a > b"});
    auto solver = n.solver<StaticAlgorithm>();
    const ParPtr b = n.net->getParameter(QStringLiteral("b"));
    const RulePtr r = n.net->getRule(QStringLiteral("r"));
    b->setBFSParent(r);
    r->setBFSParent(b);
    QList<RulePtr> order;
    QMultiHash<RulePtr, ParPtr> needs;
    try {
        solver->createAlgoritmForOneReqPar(order, needs, b);
        QFAIL("a walk round a loop of search parents ended");
    } catch (const LoopExceptionOstra &e) {
        // The limit is four times the rule count.
        QCOMPARE(e.getLimitIteartionCount(), 4L);
        QCOMPARE(e.getCurrentIteartionCount(), 5L);
    }
}

void TestSolver::runtimeReplans()
{
    // R4 is listed first on k, so the failing R1, explored after it, becomes X's derivation.
    const QStringList chain{"R1: k > X | o0 = NaN;", "R2: X > Y", "R3: Y > Z"};
    {
        Net n;
        n.rules(QStringList{"R4: k > X | o0 = i0 * 10;"} + chain);
        auto solver = n.planned<RuntimeAlgorithm>({{"k", 1.0}}, {"Z"});
        QVERIFY(solver->calculate());
        const auto solution = solver->getAlgorithmSolution();
        QCOMPARE(ruleIds(solution->getRulesOrder()), (QStringList{"R1", "R4", "R2", "R3"}));
        QCOMPARE(solution->getSolutionStatus(), AlgorithmSolution::SOLVED);
        QCOMPARE(n.net->getParameter(QStringLiteral("Z"))->getValue(), QVariant(12.0));
        QCOMPARE(n.net->getParameter(QStringLiteral("k"))->getValue(), QVariant(1.0));
        QVERIFY(solution->isProblemRuleNull());
    }
    {
        Net n;
        n.rules(chain);
        auto solver = n.planned<RuntimeAlgorithm>({{"k", 1.0}}, {"Z"});
        QVERIFY(solver->calculate());
        const auto solution = solver->getAlgorithmSolution();
        QCOMPARE(ruleIds(solution->getRulesOrder()), QStringList{"R1"});
        QCOMPARE(solution->getSolutionStatus(), AlgorithmSolution::SOLVED);
        QVERIFY(!n.net->getParameter(QStringLiteral("Z"))->getValue().isValid());
        QVERIFY(!n.net->getRule(QStringLiteral("R2"))->isCalculated());
    }
}

void TestSolver::runtimeReplansRequiredOutput()
{
    // The failing rule's own output is required and another rule can compute it: the re-planning
    // must still see it as required and plan that rule.
    Net n;
    n.rules({"other: k > Z | o0 = i0 + 5;", "failing: k > Z | o0 = NaN;"});
    auto solver = n.planned<RuntimeAlgorithm>({{"k", 1.0}}, {"Z"});
    QVERIFY(solver->calculate());
    const auto solution = solver->getAlgorithmSolution();
    QCOMPARE(ruleIds(solution->getRulesOrder()), (QStringList{"failing", "other"}));
    QCOMPARE(solution->getSolutionStatus(), AlgorithmSolution::SOLVED);
    QCOMPARE(n.net->getParameter(QStringLiteral("Z"))->getValue(), QVariant(6.0));
    QVERIFY(solution->getNotCalculatedRequiredParameters().isEmpty());
}

void TestSolver::remoteSolver()
{
    const auto record = QSharedPointer<RemoteAlgorithmData>::create(QStringLiteral("10.0.0.1"), QStringLiteral("4242"), false, true);
    RemoteAlgorithm remote(record);
    QCOMPARE(remote.getServerIP(), QStringLiteral("10.0.0.1"));

    Net n;
    n.par(QStringLiteral("a"));
    remote.setData(*n.net);
    remote.addKnownParameter(QStringLiteral("a"), 1.0);
    remote.addRequiredParameter(QStringLiteral("a"));
    QCOMPARE(remote.getAlgorithmSolution()->getKnownParametersCount(), 1);
    const auto thrown = [](std::function<void()> n_call) {
        try {
            n_call();
        } catch (const char *text) {
            return QString::fromLatin1(text);
        }
        return QString();
    };
    QCOMPARE(thrown([&] { remote.calculate(); }), QStringLiteral("RemoteAlgorithm::calculate()"));
    QCOMPARE(thrown([&] { remote.search(); }), QStringLiteral("RemoteAlgorithm::search()"));
    QCOMPARE(thrown([&] { remote.resetAlgorithm(); }), QStringLiteral("RemoteAlgorithm::resetAlgorithm()"));
    QCOMPARE(remote.getAlgorithmSolution()->getSolutionStatus(), AlgorithmSolution::NOT_SOLVED);

    // A plain record or a null one: no crash.
    RemoteAlgorithm plain(QSharedPointer<BaseAlgorithmData>::create(true, true));
    QVERIFY(plain.getServerIP().isEmpty() && plain.getServerPort().isEmpty());
    QVERIFY_EXCEPTION_THROWN(RemoteAlgorithm(QSharedPointer<BaseAlgorithmData>()), PointerIsNull);
}

void TestSolver::rulePathSets()
{
    // Random inserts and unions checked against a plain set, across tree levels.
    RulePathSets pool;
    std::mt19937 random(7);
    QVector<RulePathSets::Set> sets(1);
    QVector<QSet<int>> plain(1);
    for (int round = 0; round < 600; ++round) {
        const int pick = static_cast<int>(random() % sets.size());
        if (random() % 3 == 0 && sets.size() > 1) {
            const int other = static_cast<int>(random() % sets.size());
            sets.append(pool.united(sets[pick], sets[other]));
            plain.append(QSet<int>(plain[pick]).unite(plain[other]));
        } else {
            const int number = static_cast<int>(random() % (round < 300 ? 100 : 70000));
            sets.append(pool.inserted(sets[pick], number));
            plain.append(QSet<int>(plain[pick]) << number);
        }
    }
    for (int i = 0; i < sets.size(); ++i) {
        QCOMPARE(pool.size(sets[i]), plain[i].size());
        for (int number : plain[i])
            QVERIFY(pool.contains(sets[i], number));
        QVERIFY(!pool.contains(sets[i], 70001));
    }
    // Equal content is one node: a union adding nothing gives back the same root.
    const RulePathSets::Set big = pool.inserted(pool.inserted(RulePathSets::Set(), 5), 9000);
    const RulePathSets::Set again = pool.inserted(pool.inserted(RulePathSets::Set(), 9000), 5);
    QCOMPARE(again.root, big.root);
    QCOMPARE(pool.united(big, pool.inserted(RulePathSets::Set(), 5)).root, big.root);
}

// The solver keeps the derivation paths in its own pool; the search parents it chooses must be
// those that the elements' own bookkeeping gives, on networks where parameters have several
// producers of different derivation lengths.
void TestSolver::searchMatchesElementBookkeeping()
{
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 random(seed);
        Net n;
        const int width = 6;
        const int layers = 7;
        QVector<QStringList> ids(layers + 1);
        for (int l = 0; l <= layers; ++l)
            for (int i = 0; i < width; ++i) {
                ids[l].append(QStringLiteral("p%1_%2").arg(l).arg(i));
                n.par(ids[l].last());
            }
        int ruleNumber = 0;
        for (int l = 1; l <= layers; ++l) {
            for (int r = 0; r < 8; ++r) {
                Bindings inputs;
                const int inputCount = 1 + static_cast<int>(random() % 3);
                for (int i = 0; i < inputCount; ++i) {
                    const int layer = static_cast<int>(random() % l);
                    inputs.insert(QStringLiteral("i%1").arg(i), ids[layer].at(static_cast<int>(random() % width)));
                }
                Bindings outputs{{QStringLiteral("o0"), ids[l].at(r % width)}};
                if (random() % 2 == 0 && ids[l].at((r + 1) % width) != outputs.value(QStringLiteral("o0")))
                    outputs.insert(QStringLiteral("o1"), ids[l].at((r + 1) % width));
                n.rule(QStringLiteral("r%1").arg(ruleNumber++), QStringLiteral("o0 = 1;"), inputs, outputs);
            }
        }
        const auto parents = [&]() {
            QHash<QString, QString> result;
            for (const ParPtr &parameter : n.net->getParametersHash()) {
                const auto parent = parameter->getBFSParent();
                result.insert(parameter->getId(), parent.isNull() ? QString() : parent->getId());
            }
            for (const RulePtr &rule : n.net->getRulesHash()) {
                const auto parent = rule->getBFSParent();
                result.insert(rule->getId(), (rule->m_explored ? QStringLiteral("+") : QStringLiteral("-"))
                                                 + (parent.isNull() ? QString() : parent->getId()));
            }
            return result;
        };

        auto solver = n.solver<StaticAlgorithm>(false);
        for (const QString &id : ids[0])
            solver->addKnownParameter(id, 1.0);
        for (const QString &id : ids[layers])
            solver->addRequiredParameter(id);
        solver->search();
        const QHash<QString, QString> ours = parents();

        // The order, built again item by item with full walks back to the known parameters.
        std::list<RulePtr> order;
        std::list<QPair<ParPtr, std::list<RulePtr>::iterator>> items;
        QList<ParPtr> reached = solver->getAlgorithmSolution()->getExploredParameters().values();
        std::sort(reached.begin(), reached.end(),
                  [](const ParPtr &n_first, const ParPtr &n_second) { return n_first->getId() < n_second->getId(); });
        for (const ParPtr &parameter : reached)
            items.push_back(qMakePair(parameter, order.end()));
        QSet<ParPtr> produced;
        QSet<RulePtr> placed;
        for (auto item = items.begin(); item != items.end(); ++item) {
            if (produced.contains(item->first))
                continue;
            QList<RulePtr> chain;
            QMultiHash<RulePtr, ParPtr> needs;
            solver->createAlgoritmForOneReqPar(chain, needs, item->first);
            const auto after = std::next(item);
            for (const RulePtr &rule : chain) {
                if (placed.contains(rule))
                    continue;
                for (const ParPtr &output : rule->getOutputParameters())
                    produced.insert(output);
                const auto position = order.insert(item->second, rule);
                for (const ParPtr &further : needs.values(rule))
                    items.insert(after, qMakePair(further, position));
                placed.insert(rule);
            }
        }
        QCOMPARE(solver->getAlgorithmSolution()->getRulesOrder(), QList<RulePtr>(order.begin(), order.end()));

        // The same search with the elements' own setBFSParent.
        n.net->reset();
        QList<QSharedPointer<BaseOstraObj>> queue;
        QSet<ParPtr> known;
        QSet<ParPtr> remaining;
        for (const QString &id : ids[0]) {
            const ParPtr parameter = n.net->getParameter(id);
            parameter->m_explored = true;
            known.insert(parameter);
            queue.append(parameter);
        }
        for (const QString &id : ids[layers])
            remaining.insert(n.net->getParameter(id));
        while (!queue.isEmpty() && !remaining.isEmpty()) {
            const QSharedPointer<BaseOstraObj> element = queue.takeFirst();
            if (element->getOstraObjectType() == OBJECT_TYPE_RULE) {
                const RulePtr rule = qSharedPointerCast<RuleModel>(element);
                if (!rule->canBeExplored() || rule->m_explored)
                    continue;
                rule->m_explored = true;
                const QHash<QString, ParPtr> outputs = rule->getOutputParameters();
                for (auto it = outputs.constBegin(); it != outputs.constEnd(); ++it) {
                    if (!it.value()->m_explored)
                        queue.append(it.value());
                    it.value()->setBFSParent(rule);
                }
            } else {
                const ParPtr parameter = qSharedPointerCast<ParameterModel>(element);
                if (!((!parameter->m_explored && parameter->IPtrLinkerInputEdges<RuleVertexPtrConn>::canBeExplored())
                      || known.contains(parameter)))
                    continue;
                parameter->m_explored = true;
                remaining.remove(parameter);
                for (const RulePtr &rule : parameter->getOutputRules()) {
                    queue.append(rule);
                    rule->setBFSParent(parameter);
                }
            }
        }
        QCOMPARE(ours, parents());
    }
}

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_solver.moc"
