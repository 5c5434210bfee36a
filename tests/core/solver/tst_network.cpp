#include <QtTest>

#include <algorithm>
#include <list>
#include <random>

#include "ModelFixtures.h"
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

// The rule r, y = u + v, with u bound to the parameter a, v to n_v and y to n_y.
RulePtr sumRule(Net &n_net, const QString &n_v, const QString &n_y)
{
    return n_net.rule(QStringLiteral("r"), QStringLiteral("y = u + v;"),
                      {{QStringLiteral("u"), QStringLiteral("a")}, {QStringLiteral("v"), n_v}},
                      {{QStringLiteral("y"), n_y}});
}

} // namespace

// The class network: stores, edges by id and by element, their deletion, relation queries and
// copies.
class tst_Network : public QObject
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
};

void tst_Network::storesAddLookUpAndDelete()
{
    Net n;
    QCOMPARE(n.net->getParametersCount(), 0);
    QVERIFY(n.net->getRulesHash().isEmpty());
    QVERIFY(n.net->getParametersDefaultValuesSet().isEmpty());
    const ParamPtr a = n.par(QStringLiteral("a"));
    const auto duplicate = caught<ElementAlreadyExistExceptionOstra>(
        [&] { n.par(QStringLiteral("a")); });
    QCOMPARE(duplicate.getMethodName(),
             QStringLiteral("addParameterPtr(IParametersData::ParameterSharedPtr n_parameter)"));
    QCOMPARE(n.net->getParameter(QStringLiteral("a")), a);

    const auto viaShared = caught<NoElementExceptionOstra>(
        [&] { n.net->getParameterSharedPtr(QStringLiteral("z")); });
    const auto viaPtr = caught<NoElementExceptionOstra>(
        [&] { n.net->getParameterPtr(QStringLiteral("z")); });
    QCOMPARE(viaShared.getMethodName(),
             QStringLiteral("getParameterSharedPtr(const QString &n_id)"));
    QCOMPARE(viaPtr.getMethodName(), QStringLiteral("getParameterPtr(const QString &n_id)"));
    const auto noRule = caught<NoElementExceptionOstra>(
        [&] { n.net->deleteRule(QStringLiteral("z")); });
    QCOMPARE(noRule.getClassName(), QStringLiteral("IRuleData"));
    QCOMPARE(noRule.getMethodName(), QStringLiteral("getRuleSharedPtr(const QString &n_name)"));

    // A returned hash is a copy.
    QHash<QString, ParamPtr> hash = n.net->getParametersHash();
    hash.remove(QStringLiteral("a"));
    QVERIFY(n.net->parametersContains(QStringLiteral("a")));
    QCOMPARE(n.net->deleteParameter(QStringLiteral("a")), 1);
    QVERIFY(!n.net->isParameterExist(QStringLiteral("a")));
}

void tst_Network::defaultValues()
{
    Net n;
    const ParamPtr i = n.par(QStringLiteral("i"), QVariant::Int);
    const auto invalid = caught<BadValueExceptionOstra>(
        [&] { n.net->setParameterDefaultValue(QStringLiteral("i"), QVariant()); });
    QCOMPARE(invalid.getDescription(),
             QStringLiteral("Unable to establish a value to default for parameter with  id=i"));
    QCOMPARE(
        invalid.getMethodName(),
        QStringLiteral("setParameterDefaultValue(const QString &n_id, const QVariant &n_value)"));
    QVERIFY_EXCEPTION_THROWN(
        n.net->setParameterDefaultValue(QStringLiteral("i"), QVariant(QVariant::String)),
        BadValueExceptionOstra);
    QVERIFY_EXCEPTION_THROWN(
        n.net->setParameterDefaultValue(QStringLiteral("i"), QStringLiteral("x")),
        ValuesTypesMismatchExceptionOstra);
    QVERIFY(n.net->getParametersDefaultValuesSet().isEmpty());
    n.net->setParameterDefaultValue(QStringLiteral("i"), 2.5);
    QCOMPARE(i->getDefaultValue(), QVariant(2.5));
    QCOMPARE(n.net->getParametersDefaultValuesSet(), QSet<ParamPtr>{i});

    // The bulk form stops at the first bad entry, in the hash's own order.
    for (const QString &id :
         {QStringLiteral("b1"), QStringLiteral("b2"), QStringLiteral("b3"), QStringLiteral("b4")})
        n.par(id);
    QHash<QString, QVariant> values{{QStringLiteral("b1"), 1.0},
                                    {QStringLiteral("b2"), QVariant()},
                                    {QStringLiteral("b3"), 3.0},
                                    {QStringLiteral("b4"), 4.0}};
    QVERIFY_EXCEPTION_THROWN(n.net->setParametersDefaultValues(values), BadValueExceptionOstra);
    bool beforeBad = true;
    for (const QString &id : values.keys()) {
        const bool set = n.net->getParameter(id)->hasDefaultValue();
        QCOMPARE(set, beforeBad && id != QStringLiteral("b2"));
        if (id == QStringLiteral("b2"))
            beforeBad = false;
    }
}

void tst_Network::copiedParameterStoreAfterDeletion()
{
    Net n;
    const ParamPtr a = n.par(QStringLiteral("a"));
    n.par(QStringLiteral("b"));
    n.net->setParameterDefaultValue(QStringLiteral("a"), 1.0);
    n.net->setParameterDefaultValue(QStringLiteral("b"), 2.0);
    IParametersData copy(*n.net);
    QVERIFY(copy.getParameter(QStringLiteral("a")) != a);
    QVERIFY(copy.getParametersDefaultValuesSet().contains(copy.getParameter(QStringLiteral("a"))));
    QVERIFY(!copy.getParametersDefaultValuesSet().contains(a));

    // A deleted parameter leaves the default-value set, so the store can still be copied.
    n.net->deleteParameter(QStringLiteral("b"));
    QCOMPARE(n.net->getParametersDefaultValuesSet(), QSet<ParamPtr>{a});
    IParametersData second(*n.net);
    QCOMPARE(second.getParametersCount(), 1);
    QCOMPARE(second.getParametersDefaultValuesSet().size(), 1);
}

void tst_Network::edgesByIds()
{
    Net n;
    const ParamPtr a = n.par(QStringLiteral("a"));
    const ParamPtr b = n.par(QStringLiteral("b"));
    const RelPtr relation = n.rel(QStringLiteral("L"), QStringLiteral("y = x;"),
                                  {QStringLiteral("x")}, {QStringLiteral("y")});
    auto rule = QSharedPointer<RuleModel>::create(QStringLiteral("r"),
                                                  QSharedPointer<OstraClass>());
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
    auto other = QSharedPointer<RelationModel>::create(QStringLiteral("L2"),
                                                       QStringLiteral("y = x;"), nullptr);
    n.net->addEdge(rule, other);
    QVERIFY(n.net->relationsContains(QStringLiteral("L2")));
    QCOMPARE(rule->getRelationPtr(), other);
    QCOMPARE(rule->getInputParameter(QStringLiteral("x")), a);

    QCOMPARE(n.net->getObjectTypeById(QStringLiteral("r")), OBJECT_TYPE_RULE);
    n.par(QStringLiteral("L"));
    QCOMPARE(n.net->getObjectTypeById(QStringLiteral("L")), OBJECT_TYPE_PARAMETER);
}

void tst_Network::edgesByIdsRefused()
{
    Net n;
    const ParamPtr a = n.par(QStringLiteral("a"));
    n.par(QStringLiteral("b"));
    const RulePtr r = step(n, QStringLiteral("r"), QStringLiteral("a"), QStringLiteral("b"));
    step(n, QStringLiteral("r2"), QStringLiteral("b"), QStringLiteral("a"));
    const ConstrPtr k = n.constraint(QStringLiteral("k"), QStringLiteral("flag = x > 0;"),
                                     {{QStringLiteral("x"), QStringLiteral("a")}});

    const auto same = caught<TypesMismatchExceptionOstra>(
        [&] { n.net->addEdge(QStringLiteral("a"), QStringLiteral("a"), QStringLiteral("x")); });
    QCOMPARE(same.getExceptionId(), 528);
    QCOMPARE(same.getFirstObject(), OBJECT_TYPE_PARAMETER);
    QCOMPARE(same.getSecondObject(), OBJECT_TYPE_PARAMETER);
    QCOMPARE(caught<TypesMismatchExceptionOstra>([&] {
                 n.net->addEdge(QStringLiteral("r"), QStringLiteral("r2"), QString());
             }).getFirstObject(),
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
                 QStringLiteral("addEdge(const QString &n_vertex_1, const QString &n_vertex_2)")
                     + entry.second);
    }
    QCOMPARE(a->getOutputRules().size(), 1);

    const auto pair = caught<NotSupportedEdgeType>(
        [&] { n.net->addEdge(QStringLiteral("k"), QStringLiteral("a"), QStringLiteral("x")); });
    QCOMPARE(pair.getMethodName(),
             QStringLiteral("addEdge(const QString &n_vertex_1, const QString &n_vertex_2)"));
    QVERIFY(pair.toString(false).contains(QStringLiteral("k")));
    QVERIFY_EXCEPTION_THROWN(
        n.net->addEdge(QStringLiteral("a"), QStringLiteral("rel_r"), QStringLiteral("x")),
        NotSupportedEdgeType);
    const auto missing = caught<NoElementExceptionOstra>([&] {
        n.net->addEdge(QStringLiteral("nope1"), QStringLiteral("nope2"), QStringLiteral("x"));
    });
    QCOMPARE(missing.getMethodName(), QStringLiteral("getObjectTypeById(const QString &n_id)"));
    QVERIFY(missing.toString(false).contains(QStringLiteral("nope1")));
    QVERIFY(!missing.toString(false).contains(QStringLiteral("nope2")));
    Q_UNUSED(r)
    Q_UNUSED(k)
}

void tst_Network::typedEdgesChangeElementSideFirst()
{
    Net n;
    const ParamPtr a = n.par(QStringLiteral("a"));
    const ParamPtr i = n.par(QStringLiteral("i"), QVariant::Int);
    n.par(QStringLiteral("b"));
    const RulePtr r = step(n, QStringLiteral("r"), QStringLiteral("a"), QStringLiteral("b"));
    const ConstrPtr k = n.constraint(QStringLiteral("k"), QStringLiteral("flag = x > 0;"),
                                     {{QStringLiteral("x"), QStringLiteral("a")}});

    // Binding the same input again is refused by the rule, and the parameter lists the rule once.
    QVERIFY_EXCEPTION_THROWN(n.net->addEdge(a, QStringLiteral("x"), r),
                             ElementAlreadyExistExceptionOstra);
    QCOMPARE(a->getOutputRules(), QList<RulePtr>{r});
    // A refused type leaves no entry on the parameter.
    r->removeInputParameterConn(QStringLiteral("x"));
    QVERIFY_EXCEPTION_THROWN(n.net->addEdge(i, QStringLiteral("x"), r),
                             ValuesTypesMismatchExceptionOstra);
    QVERIFY(i->getOutputRules().isEmpty());
    QVERIFY_EXCEPTION_THROWN(n.net->addEdge(i, QStringLiteral("x"), k),
                             ValuesTypesMismatchExceptionOstra);
    QVERIFY(i->getConstraints().isEmpty());
    QVERIFY_EXCEPTION_THROWN(n.net->addEdge(i, QStringLiteral("nope"), k), NoElementExceptionOstra);
    QVERIFY(i->getConstraints().isEmpty());
    // The output side was already in this order.
    QVERIFY_EXCEPTION_THROWN(n.net->addEdge(QStringLiteral("y"), r, i),
                             ValuesTypesMismatchExceptionOstra);
    QVERIFY(i->getInputRules().isEmpty());
}

void tst_Network::deletingEdges()
{
    Net n;
    const ParamPtr a = n.par(QStringLiteral("a"));
    const ParamPtr b = n.par(QStringLiteral("b"));
    const ParamPtr c = n.par(QStringLiteral("c"));
    const RulePtr r = sumRule(n, QStringLiteral("a"), QStringLiteral("b"));
    QCOMPARE(a->getOutputRules().size(), 2);

    // An empty name unbinds every name; the names stay, unbound.
    n.net->deleteEdge(QStringLiteral("a"), QStringLiteral("r"), QString());
    const QHash<QString, ParamPtr> inputs = r->getInputParameters();
    QCOMPARE(inputs.size(), 2);
    QVERIFY(inputs.value(QStringLiteral("u")).isNull()
            && inputs.value(QStringLiteral("v")).isNull());
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
    const ConstrPtr k = n.constraint(QStringLiteral("k"), QStringLiteral("flag = x > 0;"),
                                     {{QStringLiteral("x"), QStringLiteral("a")}});
    a->deleteLinkedConstraint(k);
    n.net->deleteEdge(a, k, QStringLiteral("x"));
    QVERIFY(k->getInputParameter(QStringLiteral("x")).isNull());
}

void tst_Network::deletingEdgesChecksBeforeChanging()
{
    Net n;
    const ParamPtr a = n.par(QStringLiteral("a"));
    const ParamPtr b = n.par(QStringLiteral("b"));
    const ParamPtr c = n.par(QStringLiteral("c"));
    const RulePtr r = sumRule(n, QStringLiteral("b"), QStringLiteral("c"));
    const ConstrPtr k = n.constraint(
        QStringLiteral("k"), QStringLiteral("flag = x > y;"),
        {{QStringLiteral("x"), QStringLiteral("a")}, {QStringLiteral("y"), QStringLiteral("b")}});

    // A name that holds another parameter: refused before either side changes.
    const auto other = caught<InconsistencyDataExceptionOstra>(
        [&] { n.net->deleteEdge(a, r, QStringLiteral("v")); });
    QCOMPARE(
        other.getMethodName(),
        QStringLiteral("deleteEdge(BaseClassCommonData::ParameterSharedPtr n_parameter, "
                       "BaseClassCommonData::RuleSharedPtr n_rule,const QString& n_linkedName)"));
    QCOMPARE(a->getOutputRules(), QList<RulePtr>{r});
    QVERIFY_EXCEPTION_THROWN(n.net->deleteEdge(r, c, QStringLiteral("nope")),
                             NoElementExceptionOstra);
    QCOMPARE(c->getInputRules(), QList<RulePtr>{r});
    QVERIFY_EXCEPTION_THROWN(n.net->deleteEdge(a, k, QStringLiteral("y")),
                             InconsistencyDataExceptionOstra);
    QCOMPARE(a->getConstraints(), QList<ConstrPtr>{k});

    // A parameter that does not list the rule: the parameter side's own error, names untouched.
    const auto unlisted = caught<NoElementExceptionOstra>(
        [&] { n.net->deleteEdge(c, r, QString()); });
    QCOMPARE(unlisted.getClassName(), QStringLiteral("IPtrLinkerOutputEdges"));
    QCOMPARE(
        unlisted.getMethodName(),
        QStringLiteral("removeAdjacentOutVertex(ObjectTemplateSharedPtr n_adjacentOutVertex)"));
    QCOMPARE(r->getOutputParameter(QStringLiteral("y")), c);
    QVERIFY_EXCEPTION_THROWN(n.net->deleteEdge(r, a, QString()), NoElementExceptionOstra);
    QCOMPARE(r->getInputParameter(QStringLiteral("u")), a);
}

void tst_Network::deletingAllEdgesOfRule()
{
    Net n;
    const ParamPtr a = n.par(QStringLiteral("a"));
    const ParamPtr b = n.par(QStringLiteral("b"));
    const RulePtr r = n.rule(
        QStringLiteral("r"), QStringLiteral("y = u; z = u;"),
        {{QStringLiteral("u"), QStringLiteral("a")}, {QStringLiteral("w"), QStringLiteral("a")}},
        {{QStringLiteral("y"), QStringLiteral("b")}, {QStringLiteral("z"), QStringLiteral("b")}});
    n.net->deleteAllObjectEdges(QStringLiteral("r"));
    for (const ParamPtr &bound :
         r->getInputParameters().values() + r->getOutputParameters().values())
        QVERIFY(bound.isNull());
    QVERIFY(a->getOutputRules().isEmpty());
    QVERIFY(b->getInputRules().isEmpty());
    QCOMPARE(r->getRelationPtr()->getId(), QStringLiteral("rel_r"));
    // Names already unbound are passed over.
    n.net->deleteAllRuleEdges(r);

    const ConstrPtr k = n.constraint(
        QStringLiteral("k"), QStringLiteral("flag = x > y;"),
        {{QStringLiteral("x"), QStringLiteral("a")}, {QStringLiteral("y"), QStringLiteral("a")}});
    n.net->deleteAllConstraintEdges(k);
    QVERIFY(a->getConstraints().isEmpty());
    QVERIFY(k->getInputParameter(QStringLiteral("x")).isNull()
            && k->getInputParameter(QStringLiteral("y")).isNull());
    QVERIFY_EXCEPTION_THROWN(n.net->deleteAllRuleEdges(QSharedPointer<RuleModel>::create(
                                 QStringLiteral("alien"), QSharedPointer<OstraClass>())),
                             NoElementExceptionOstra);
}

void tst_Network::deletingAllEdgesOfParameter()
{
    Net n;
    const ParamPtr a = n.par(QStringLiteral("a"));
    const ParamPtr b = n.par(QStringLiteral("b"));
    n.par(QStringLiteral("c"));
    const RulePtr twice = n.rule(
        QStringLiteral("twice"), QStringLiteral("y = u + w;"),
        {{QStringLiteral("u"), QStringLiteral("b")}, {QStringLiteral("w"), QStringLiteral("b")}},
        {{QStringLiteral("y"), QStringLiteral("c")}});
    const RulePtr producer = step(n, QStringLiteral("p"), QStringLiteral("a"), QStringLiteral("b"));
    const ConstrPtr k = n.constraint(QStringLiteral("k"), QStringLiteral("flag = x > 0;"),
                                     {{QStringLiteral("x"), QStringLiteral("b")}});
    // A rule that reads b and is then destroyed leaves an expired entry in b's list.
    {
        RulePtr gone = step(n, QStringLiteral("gone"), QStringLiteral("b"), QStringLiteral("a"));
        n.net->deleteRule(QStringLiteral("gone"));
    }
    QCOMPARE(b->getOutputRules().size(), 3);

    n.net->deleteAllObjectEdges(QStringLiteral("b"));
    QVERIFY(producer->getOutputParameter(QStringLiteral("y")).isNull());
    QVERIFY(twice->getInputParameter(QStringLiteral("u")).isNull()
            && twice->getInputParameter(QStringLiteral("w")).isNull());
    QVERIFY(k->getInputParameter(QStringLiteral("x")).isNull());
    QVERIFY(b->getInputRules().isEmpty());
    QVERIFY(b->getConstraints().isEmpty());
    // Only the expired entry is left.
    QCOMPARE(b->getOutputRules(), QList<RulePtr>{RulePtr()});
    QCOMPARE(a->getOutputRules(), QList<RulePtr>{producer});

    const auto alien = QSharedPointer<ParameterModel>::create(
        QStringLiteral("alien"), QVariant::Double, QVariant(), QSharedPointer<OstraClass>());
    QCOMPARE(caught<NoElementExceptionOstra>([&] {
                 n.net->deleteAllParameterEdges(alien);
             }).getMethodName(),
             QStringLiteral(
                 "deleteAllParameterEdges(BaseClassCommonData::ParameterSharedPtr n_parameter)"));
}

void tst_Network::relationQueriesAndDeletion()
{
    Net n;
    n.pars({"a", "b"});
    const RelPtr shared = n.rel(QStringLiteral("S"), QStringLiteral("y = x;"),
                                {QStringLiteral("x")}, {QStringLiteral("y")});
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

    QVERIFY_EXCEPTION_THROWN(n.net->deleteRelation(QStringLiteral("nope")),
                             NoElementExceptionOstra);
    QCOMPARE(n.net->getRulesCount(), 3);
    n.net->deleteRelation(QStringLiteral("S"));
    QCOMPARE(n.net->getRulesHash().keys(), QList<QString>{QStringLiteral("lone")});
    QVERIFY(!n.net->relationsContains(QStringLiteral("S")));
    QCOMPARE(r1->getInputParameter(QStringLiteral("x"))->getId(), QStringLiteral("a"));
    QCOMPARE(r1->getRelationPtr(), shared);
}

void tst_Network::networkCopy()
{
    Net n;
    const ParamPtr a = n.par(QStringLiteral("a"));
    const ParamPtr b = n.par(QStringLiteral("b"));
    const RulePtr r = step(n, QStringLiteral("r"), QStringLiteral("a"), QStringLiteral("b"));
    const ConstrPtr k = n.constraint(QStringLiteral("k"), QStringLiteral("flag = x > 0;"),
                                     {{QStringLiteral("x"), QStringLiteral("b")}});
    // Elements the copy cannot link: a rule without relation and an unbound name.
    n.net->addRulePtr(
        QSharedPointer<RuleModel>::create(QStringLiteral("bare"), QSharedPointer<OstraClass>()));
    const RulePtr half = n.rule(
        QStringLiteral("half"), QStringLiteral("y = u + v;"),
        {{QStringLiteral("u"), QStringLiteral("a")}, {QStringLiteral("v"), QStringLiteral("b")}},
        {{QStringLiteral("y"), QStringLiteral("b")}});
    n.net->deleteEdge(a, half, QStringLiteral("u"));
    n.net->setParameterDefaultValue(QStringLiteral("a"), 1.0);

    BaseClassCommonData copy(*n.net, n.storage);
    const ParamPtr ca = copy.getParameter(QStringLiteral("a"));
    const ParamPtr cb = copy.getParameter(QStringLiteral("b"));
    const RulePtr cr = copy.getRule(QStringLiteral("r"));
    QVERIFY(ca != a && cr != r);
    QCOMPARE(cr->getInputParameter(QStringLiteral("x")), ca);
    QCOMPARE(cr->getOutputParameter(QStringLiteral("y")), cb);
    QCOMPARE(cr->getRelationPtr(), r->getRelationPtr());
    QCOMPARE(copy.getConstraint(QStringLiteral("k"))->getInputParameter(QStringLiteral("x")), cb);
    QCOMPARE(asSet(ca->getOutputRules()), QSet<RulePtr>{cr});
    QCOMPARE(cb->getConstraints(), QList<ConstrPtr>{copy.getConstraint(QStringLiteral("k"))});
    QVERIFY(copy.getRule(QStringLiteral("bare"))->getRelationPtr().isNull());
    QVERIFY(
        !copy.getRule(QStringLiteral("half"))->getInputParameters().contains(QStringLiteral("u")));
    QCOMPARE(copy.getRule(QStringLiteral("half"))->getInputParameter(QStringLiteral("v")), cb);
    QCOMPARE(copy.getParametersDefaultValuesSet(), QSet<ParamPtr>{ca});
    // The source gains nothing.
    QCOMPARE(a->getOutputRules().size(), 1);
    QCOMPARE(b->getConstraints(), QList<ConstrPtr>{k});

    QVERIFY_EXCEPTION_THROWN(
        BaseClassCommonData(*n.net, QSharedPointer<RelationsStorage>::create()),
        NoElementExceptionOstra);
}

QTEST_GUILESS_MAIN(tst_Network)

#include "tst_network.moc"
