#include <QtTest>

#include <algorithm>
#include <list>
#include <numeric>
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

// A static solver that lets the tests see its visited set.
class ProbeStatic : public StaticAlgorithm
{
public:
    using StaticAlgorithm::StaticAlgorithm;
    int visitedCount() const { return m_visited.size(); }
    int defaultValueCount() const { return m_defaultValueParameters.size(); }
};

} // namespace

// The solution record and the solvers: static planning and calculation, runtime re-planning, the
// remote solver, and the path sets behind the search.
class tst_Solver : public QObject
{
    Q_OBJECT

private slots:
    void solutionRecord();
    void solverBase();
    void staticSearch_data();
    void staticSearch();
    void staticSearchTwoInputs();
    void staticSearchRulesOutsideTheStore();
    void staticSearchStopsOnUnboundInput();
    void staticNullParametersSkipped();
    void staticConstraintsOnKnown();
    void staticCalculateFailures();
    void staticDefaultValues();
    void staticResetForgetsVisits();
    void staticWalkStopsOnLoopedSearchParents();
    void queuedRuleLivesThroughTheSearch();
    void runtimeReplans();
    void runtimeReplansRequiredOutput();
    void remoteSolver();
    void rulePathSets();
    void rulePathSetsUnionMemo();
    void searchMatchesElementBookkeeping();
};

void tst_Solver::solutionRecord()
{
    AlgorithmSolution solution;
    QCOMPARE(solution.getSolutionStatus(), AlgorithmSolution::NOT_SOLVED);
    QVERIFY(solution.isProblemRuleNull() && solution.isProblemConstraintNull());
    QVERIFY(solution.getRulesBeforeFail().isEmpty() && solution.getRulesAfterFail().isEmpty());
    QVERIFY(!solution.checkAlgorithmInegrity());

    Net n;
    const ParamPtr a = n.par(QStringLiteral("a"));
    const ParamPtr b = n.par(QStringLiteral("b"));
    const ParamPtr c = n.par(QStringLiteral("c"), QVariant::String);
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
    QCOMPARE(solution.getRequiredExploredParameters(), QSet<ParamPtr>{b});

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
    QCOMPARE(solution.getCalculatedRequiredParameters(), QSet<ParamPtr>{b});
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

void tst_Solver::solverBase()
{
    Net n;
    const ParamPtr a = n.par(QStringLiteral("a"));
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
    solver->addRequiredParameters(
        QList<QString>{QStringLiteral("b"), QStringLiteral("b"), QStringLiteral("ghost")});
    QCOMPARE(solution->getRequiredParametersCount(), 1);
    QCOMPARE(solver->getAlgorithmSolution(), solution);

    QVERIFY_EXCEPTION_THROWN(StaticAlgorithm(QSharedPointer<BaseAlgorithmData>()), PointerIsNull);
}

void tst_Solver::staticSearch_data()
{
    QTest::addColumn<QStringList>("rules");
    QTest::addColumn<QStringList>("known");
    QTest::addColumn<QStringList>("required");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QStringList>("notCalculated");

    QTest::newRow("chain stored out of order")
        << QStringList{"r3: c > d", "r1: a > b", "r2: b > c"} << QStringList{"a"}
        << QStringList{"d"} << QStringList{"r1", "r2", "r3"} << QStringList();
    // Placed once; an unreachable required parameter gets no rule and raises nothing.
    QTest::newRow("two required outputs of one rule")
        << QStringList{"both: k > p q"} << QStringList{"k"} << QStringList{"p", "q", "u"}
        << QStringList{"both"} << QStringList{"u"};
    // Known and required: no rule, nothing reached, solved, and nothing counted as calculated.
    QTest::newRow("required and known") << QStringList{"both: k > p q"} << QStringList{"p"}
                                        << QStringList{"p"} << QStringList() << QStringList{"p"};
    // The known inputs are marked as the order is built: else each counted as one more step, and
    // five of them passed the limit of four steps per rule.
    QTest::newRow("rule reading five known values")
        << QStringList{"sum: a b c d e > s"} << QStringList{"a", "b", "c", "d", "e"}
        << QStringList{"s"} << QStringList{"sum"} << QStringList();
    // x can come from a wide rule (three inputs, each one rule from k) or from a two-rule chain
    // explored later: the chain needs fewer rules, so it becomes x's derivation. z, further down,
    // keeps the search going until then.
    QTest::newRow("shorter derivation wins")
        << QStringList{"ra1: k > a1",        "ra2: k > a2",  "ra3: k > a3",
                       "wide: a1 a2 a3 > x", "rc1: k > c1",  "rc2: c1 > c2",
                       "narrow: c2 > x",     "rz1: c2 > z1", "rz2: z1 > z"}
        << QStringList{"k"} << QStringList{"x", "z"}
        << QStringList{"rc1", "rc2", "narrow", "rz1", "rz2"} << QStringList();
}

void tst_Solver::staticSearch()
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
    for (const ParamPtr &parameter : solution->getNotCalculatedRequiredParameters())
        missing << parameter->getId();
    QCOMPARE(missing, asSet(notCalculated));
    for (const QString &id : required)
        QCOMPARE(n.net->getParameter(id)->getValue().isValid(),
                 known.contains(id) || !notCalculated.contains(id));
    if (order.isEmpty())
        QVERIFY(solution->getExploredParameters().isEmpty());
    if (n.net->rulesContains(QStringLiteral("wide")))
        QVERIFY(n.net->getRule(QStringLiteral("wide"))->m_explored);
}

void tst_Solver::staticSearchTwoInputs()
{
    Net n;
    n.rules({"rx: k > x", "ry: k > y", "rz: x y > z"});
    auto solver = n.planned<StaticAlgorithm>({{"k", 1.0}}, {"z"});
    QVERIFY(solver->calculate());
    // The chain follows the search parent; the producer of the other input goes just before rz.
    const auto parent = n.net->getRule(QStringLiteral("rz"))->getBFSParent();
    QVERIFY(!parent.isNull());
    const QStringList expected = parent->getId() == QStringLiteral("x")
                                     ? QStringList{"rx", "ry", "rz"}
                                     : QStringList{"ry", "rx", "rz"};
    QCOMPARE(ruleIds(solver->getAlgorithmSolution()->getRulesOrder()), expected);
    QCOMPARE(n.net->getParameter(QStringLiteral("z"))->getValue(), QVariant(5.0));
}

void tst_Solver::staticSearchRulesOutsideTheStore()
{
    // The solver's own rule table is empty, but the parameters lead into a rule held elsewhere (as
    // with rules of an ancestor class). The limit follows the rules the search visited, so this is
    // planned instead of failing with a loop error of limit 0.
    Net n;
    n.rules({"r: a > b"});
    BaseClassCommonData paramsOnly(n.storage);
    paramsOnly.addParameterPtr(n.net->getParameter(QStringLiteral("a")));
    paramsOnly.addParameterPtr(n.net->getParameter(QStringLiteral("b")));
    auto solver = QSharedPointer<StaticAlgorithm>::create(
        QSharedPointer<BaseAlgorithmData>::create(false, false));
    solver->setData(paramsOnly);
    QCOMPARE(solver->getRulesCount(), 0);
    solver->addKnownParameter(QStringLiteral("a"), 1.0);
    solver->addRequiredParameter(QStringLiteral("b"));
    QVERIFY(solver->calculate());
    QCOMPARE(ruleIds(solver->getAlgorithmSolution()->getRulesOrder()), QStringList{"r"});
    QCOMPARE(n.net->getParameter(QStringLiteral("b"))->getValue(), QVariant(2.0));
}

void tst_Solver::staticSearchStopsOnUnboundInput()
{
    // Taking a rule with an unbound input name stops the search; what the search marked before
    // stays on the elements.
    Net n;
    n.rules({"r: a x > b"});
    const RulePtr r = n.net->getRule(QStringLiteral("r"));
    r->removeInputParameterConn(QStringLiteral("i1"));
    auto solver = n.planned<StaticAlgorithm>({{"a", 1.0}}, {"b"});
    try {
        solver->search();
        QFAIL("a rule with an unbound input was explored");
    } catch (const PointerIsNull &e) {
        QCOMPARE(e.getClassName(), QStringLiteral("PtrLinkerHash"));
        QCOMPARE(e.getMethodName(), QStringLiteral("canBeExplored()"));
    }
    const ParamPtr a = n.net->getParameter(QStringLiteral("a"));
    QVERIFY(a->m_explored && !r->m_explored);
    QCOMPARE(r->getBFSParent(), QSharedPointer<ParameterVertexPtrConn>(a));
}

void tst_Solver::staticNullParametersSkipped()
{
    // A null parameter among the known ones, or as the start of a walk, used to be dereferenced.
    Net n;
    n.rules({"r: a > b"});
    auto solver = n.planned<StaticAlgorithm>({{"a", 1.0}}, {"b"});
    QSet<ParamPtr> known = solver->getAlgorithmSolution()->getKnownParameters();
    known.insert(ParamPtr());
    solver->setKnownParameters(known);
    solver->search();
    QCOMPARE(ruleIds(solver->getAlgorithmSolution()->getRulesOrder()), QStringList{"r"});
    QList<RulePtr> order;
    QMultiHash<RulePtr, ParamPtr> needs;
    solver->createAlgoritmForOneReqPar(order, needs, ParamPtr());
    QVERIFY(order.isEmpty() && needs.isEmpty());
}

void tst_Solver::staticConstraintsOnKnown()
{
    Net n;
    n.rules({"r: a > c"});
    n.par(QStringLiteral("b"));
    const ConstrPtr k = n.constraint(
        QStringLiteral("k"), QStringLiteral("flag = x < y;"),
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

void tst_Solver::staticCalculateFailures()
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
        const ConstrPtr small = n.constraint(QStringLiteral("small"),
                                             QStringLiteral("flag = x < 2;"),
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
        QCOMPARE(solver->getAlgorithmSolution()->getSolutionStatus(),
                 AlgorithmSolution::NOT_SOLVED);
        QCOMPARE(solver->getAlgorithmSolution()->getCalculatedParameters(),
                 QSet<ParamPtr>{n.net->getParameter(QStringLiteral("b"))});
    }
}

void tst_Solver::staticDefaultValues()
{
    Net n;
    n.rules({"sum: a b > c | o0 = i0 + i1;"});
    const ParamPtr a = n.net->getParameter(QStringLiteral("a"));
    const ParamPtr b = n.net->getParameter(QStringLiteral("b"));
    n.net->setParameterDefaultValue(QStringLiteral("a"), 10.0);
    n.net->setParameterDefaultValue(QStringLiteral("b"), 20.0);
    auto solver = QSharedPointer<ProbeStatic>::create(
        QSharedPointer<BaseAlgorithmData>::create(true, true));
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

void tst_Solver::staticResetForgetsVisits()
{
    Net n;
    n.rules({"r: a > b"});
    auto solver = QSharedPointer<ProbeStatic>::create(
        QSharedPointer<BaseAlgorithmData>::create(false, true));
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

void tst_Solver::staticWalkStopsOnLoopedSearchParents()
{
    // Search parents that lead round in a circle (no search makes them; a damaged network could)
    // end the walk back with a loop error at the limit instead of running on.
    Net n;
    n.rules({"r: a > b"});
    auto solver = n.solver<StaticAlgorithm>();
    const ParamPtr b = n.net->getParameter(QStringLiteral("b"));
    const RulePtr r = n.net->getRule(QStringLiteral("r"));
    b->setBFSParent(r);
    r->setBFSParent(b);
    QList<RulePtr> order;
    QMultiHash<RulePtr, ParamPtr> needs;
    try {
        solver->createAlgoritmForOneReqPar(order, needs, b);
        QFAIL("a walk round a loop of search parents ended");
    } catch (const LoopExceptionOstra &e) {
        // The limit is four times the rule count.
        QCOMPARE(e.getLimitIteartionCount(), 4L);
        QCOMPARE(e.getCurrentIteartionCount(), 5L);
    }
}

// A rule a subclass queued and the network then dropped: the queue held its only strong
// reference, and the search, which keeps weak ones, must keep it alive while it reads it (the
// address sanitizer's run sees a freed rule read otherwise).
void tst_Solver::queuedRuleLivesThroughTheSearch()
{
    struct Queueing : StaticAlgorithm
    {
        using StaticAlgorithm::StaticAlgorithm;
        void queue(const QSharedPointer<BaseOstraObj> &n_element) { m_workQueue.append(n_element); }
    };
    Net n;
    n.rules({"r: a > b"});
    const auto solver = n.planned<Queueing>({{QStringLiteral("a"), 1.0}}, {QStringLiteral("b")},
                                            false);
    solver->queue(n.net->getRule(QStringLiteral("r")));
    n.net->deleteRule(QStringLiteral("r"));
    solver->deleteRule(QStringLiteral("r"));
    QSet<ParamPtr> known{n.net->getParameter(QStringLiteral("a"))};
    QSet<ParamPtr> required{n.net->getParameter(QStringLiteral("b"))};
    // The overload that goes on from the queue, as re-planning does.
    solver->baseSearch(known, required);
    QVERIFY(solver->getAlgorithmSolution()->getExploredParameters().contains(
        n.net->getParameter(QStringLiteral("b"))));
}

void tst_Solver::runtimeReplans()
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

void tst_Solver::runtimeReplansRequiredOutput()
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

void tst_Solver::remoteSolver()
{
    const auto record = QSharedPointer<RemoteAlgorithmData>::create(
        QStringLiteral("10.0.0.1"), QStringLiteral("4242"), false, true);
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
    QCOMPARE(thrown([&] { remote.resetAlgorithm(); }),
             QStringLiteral("RemoteAlgorithm::resetAlgorithm()"));
    QCOMPARE(remote.getAlgorithmSolution()->getSolutionStatus(), AlgorithmSolution::NOT_SOLVED);

    // A plain record or a null one: no crash.
    RemoteAlgorithm plain(QSharedPointer<BaseAlgorithmData>::create(true, true));
    QVERIFY(plain.getServerIP().isEmpty() && plain.getServerPort().isEmpty());
    QVERIFY_EXCEPTION_THROWN(RemoteAlgorithm(QSharedPointer<BaseAlgorithmData>()), PointerIsNull);
}

void tst_Solver::rulePathSets()
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

// The memo of unions must match both sets of a pair: a growing set is united with a small one made
// before it (the pair's lower node) and with one made after it (the higher), tens of thousands of
// times. The growing set gains one to three numbers at a time, and a few unrelated sets are made
// between, so that its node ids do not step evenly (even steps spread over the memo without ever
// meeting), and memo entries of the same small set meet in one slot.
void tst_Solver::rulePathSetsUnionMemo()
{
    RulePathSets pool;
    const auto pair = [&](int n_first) {
        return pool.inserted(pool.inserted(RulePathSets::Set(), n_first), n_first + 1);
    };
    const RulePathSets::Set before = pair(100000);
    std::vector<int> numbers(60000);
    std::iota(numbers.begin(), numbers.end(), 0);
    std::mt19937 random(3);
    std::shuffle(numbers.begin(), numbers.end(), random);
    QVector<RulePathSets::Set> growing(1);
    QVector<int> sizes(1, 0);
    for (std::size_t next = 0; next + 3 <= numbers.size();) {
        RulePathSets::Set set = growing.last();
        for (unsigned step = random() % 3; step < 3; ++step)
            set = pool.inserted(set, numbers[next++]);
        for (unsigned other = random() % 8; other > 0; --other)
            pool.inserted(RulePathSets::Set(), 70000 + static_cast<int>(random() % 20000));
        growing.append(set);
        sizes.append(static_cast<int>(next));
    }
    const RulePathSets::Set after = pair(200000);
    for (int i = 0; i < growing.size(); ++i) {
        if (pool.size(pool.united(growing[i], before)) != sizes[i] + 2
            || pool.size(pool.united(after, growing[i])) != sizes[i] + 2)
            QFAIL(qPrintable(QStringLiteral("wrong union with a set of %1").arg(sizes[i])));
    }
}

// The solver keeps the derivation paths in its own pool; the search parents it chooses must be
// those that the elements' own bookkeeping gives, on networks where parameters have several
// producers of different derivation lengths.
void tst_Solver::searchMatchesElementBookkeeping()
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
                    inputs.insert(QStringLiteral("i%1").arg(i),
                                  ids[layer].at(static_cast<int>(random() % width)));
                }
                Bindings outputs{{QStringLiteral("o0"), ids[l].at(r % width)}};
                if (random() % 2 == 0
                    && ids[l].at((r + 1) % width) != outputs.value(QStringLiteral("o0")))
                    outputs.insert(QStringLiteral("o1"), ids[l].at((r + 1) % width));
                n.rule(QStringLiteral("r%1").arg(ruleNumber++), QStringLiteral("o0 = 1;"), inputs,
                       outputs);
            }
        }
        const auto parents = [&]() {
            QHash<QString, QString> result;
            for (const ParamPtr &parameter : n.net->getParametersHash()) {
                const auto parent = parameter->getBFSParent();
                result.insert(parameter->getId(), parent.isNull() ? QString() : parent->getId());
            }
            for (const RulePtr &rule : n.net->getRulesHash()) {
                const auto parent = rule->getBFSParent();
                result.insert(rule->getId(),
                              (rule->m_explored ? QStringLiteral("+") : QStringLiteral("-"))
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
        std::list<QPair<ParamPtr, std::list<RulePtr>::iterator>> items;
        QList<ParamPtr> reached = solver->getAlgorithmSolution()->getExploredParameters().values();
        std::sort(reached.begin(), reached.end(),
                  [](const ParamPtr &n_first, const ParamPtr &n_second) {
                      return n_first->getId() < n_second->getId();
                  });
        for (const ParamPtr &parameter : reached)
            items.push_back(qMakePair(parameter, order.end()));
        QSet<ParamPtr> produced;
        QSet<RulePtr> placed;
        for (auto item = items.begin(); item != items.end(); ++item) {
            if (produced.contains(item->first))
                continue;
            QList<RulePtr> chain;
            QMultiHash<RulePtr, ParamPtr> needs;
            solver->createAlgoritmForOneReqPar(chain, needs, item->first);
            const auto after = std::next(item);
            for (const RulePtr &rule : chain) {
                if (placed.contains(rule))
                    continue;
                for (const ParamPtr &output : rule->getOutputParameters())
                    produced.insert(output);
                const auto position = order.insert(item->second, rule);
                for (const ParamPtr &further : needs.values(rule))
                    items.insert(after, qMakePair(further, position));
                placed.insert(rule);
            }
        }
        QCOMPARE(solver->getAlgorithmSolution()->getRulesOrder(),
                 QList<RulePtr>(order.begin(), order.end()));

        // The same search with the elements' own setBFSParent.
        n.net->reset();
        QList<QSharedPointer<BaseOstraObj>> queue;
        QSet<ParamPtr> known;
        QSet<ParamPtr> remaining;
        for (const QString &id : ids[0]) {
            const ParamPtr parameter = n.net->getParameter(id);
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
                const QHash<QString, ParamPtr> outputs = rule->getOutputParameters();
                for (auto it = outputs.constBegin(); it != outputs.constEnd(); ++it) {
                    if (!it.value()->m_explored)
                        queue.append(it.value());
                    it.value()->setBFSParent(rule);
                }
            } else {
                const ParamPtr parameter = qSharedPointerCast<ParameterModel>(element);
                if (!((!parameter->m_explored
                       && parameter->IPtrLinkerInputEdges<RuleVertexPtrConn>::canBeExplored())
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

QTEST_GUILESS_MAIN(tst_Solver)

#include "tst_solver.moc"
