#include <QDomDocument>
#include <functional>
#include <QtTest>

#include "ModelFixtures.h"
#include "errors/uidgenerators.h"
#include "serialization/ClassXMLSerializer.h"
#include "solver/BaseAlgorithmData.h"
#include "solver/RuntimeAlgorithm.h"
#include "solver/StaticAlgorithm.h"

namespace {
typedef QList<QPair<QString, QString>> Links;

// A class whose whole-subtree constraint store can be given a broken (null) entry.
class ClassWithRawStores : public OstraClass
{
public:
    using OstraClass::OstraClass;
    void putNullConstraint(const QString &n_id) { m_constraints.insert(n_id, ConstrPtr()); }
};

// root
//  +- child (pc, pc2)
//      +- grandchild (pg)
// relations: twice (x -> y), positive (v, constraint)
struct Tree
{
    QSharedPointer<RelationsStorage> storage = QSharedPointer<RelationsStorage>::create();
    ClassPtr root = makeClass(QStringLiteral("root"), storage);
    ClassPtr child = makeClass(QStringLiteral("child"), storage);
    ClassPtr grandchild = makeClass(QStringLiteral("grandchild"), storage);
    ParamPtr pr = makeParameter(QStringLiteral("pr"));
    ParamPtr pc = makeParameter(QStringLiteral("pc"));
    ParamPtr pc2 = makeParameter(QStringLiteral("pc2"));
    ParamPtr pg = makeParameter(QStringLiteral("pg"));
    RelPtr twice;
    RelPtr positive;

    Tree()
    {
        root->addClass(child);
        child->addClass(grandchild);
        root->addParameter(pr);
        child->addParameter(pc);
        child->addParameter(pc2);
        grandchild->addParameter(pg);
        twice = makeRelation(storage, QStringLiteral("twice"), QStringLiteral("y = 2 * x;"),
                             {QStringLiteral("x")}, {QStringLiteral("y")});
        positive = makeRelation(storage, QStringLiteral("positive"),
                                QStringLiteral("flag = v > 0;"), {QStringLiteral("v")},
                                QStringList(), RelationModel::RELATION_CONSTRAINT);
    }
};

QList<int> codesOf(const ModelIntegrity &n_report)
{
    QList<int> codes;
    for (const IntegrityMsg &msg : n_report.getIntegrityMsgs())
        codes.append(msg.getMsgCode());
    return codes;
}

QStringList reasonIds(const IntegrityMsg &n_msg)
{
    QStringList ids;
    for (const QSharedPointer<const BaseOstraObj> &reason : n_msg.getMsgReasons())
        ids.append(reason->getId());
    return ids;
}
} // namespace

class tst_ClassTree : public QObject
{
    Q_OBJECT

private slots:
    void addingReachesEveryAncestor();
    void duplicateIdsChangeNothing();
    void deletingParametersAndRules();
    void deleteChildClassCutsOnlyBorderEdges_data();
    void deleteChildClassCutsOnlyBorderEdges();
    void deleteRelationRemovesItsUsersEverywhere();
    void levelSearch();
    void levelAfterParameterMove();
    void ruleMoveRefusedWithoutParameters();
    void classMoveRefusals();
    void classMoveCarriesWholeSubtree();
    void parentLinksOfClasses();
    void elementOwnerOperations();
    void bindingsMoveAndRestore();
    void integrityParameterAndClassNamesakes();
    void integrityRuleAndConstraintNamesakes();
    void integrityFailures();
    void copyAndClone();
    void copySkipsUnlinkedEdges();
    void lookups();
    void singleClassSolver();
};

void tst_ClassTree::addingReachesEveryAncestor()
{
    Tree t;
    const RulePtr rule = placeRule(t.grandchild, QStringLiteral("r"), QStringLiteral("twice"),
                                   {{QStringLiteral("x"), QStringLiteral("pg")}}, {});
    const ConstrPtr constraint = placeConstraint(t.grandchild, QStringLiteral("k"),
                                                 QStringLiteral("positive"),
                                                 {{QStringLiteral("v"), QStringLiteral("pg")}});
    for (const ClassPtr &cls : {t.grandchild, t.child, t.root}) {
        QVERIFY(cls->parametersContains(QStringLiteral("pg")));
        QVERIFY(cls->rulesContains(QStringLiteral("r")));
        QVERIFY(cls->constraintsContains(QStringLiteral("k")));
    }
    QVERIFY(t.grandchild->isChild(t.pg));
    QVERIFY(!t.child->isChild(t.pg));
    QVERIFY(!t.root->isChild(t.pg));
    QVERIFY(t.grandchild->isChild(rule) && !t.root->isChild(rule));
    QVERIFY(t.grandchild->isChild(constraint) && !t.child->isChild(constraint));
    QCOMPARE(t.pg->getParent(), t.grandchild);
    QCOMPARE(rule->getParent(), t.grandchild);
    QCOMPARE(constraint->getParent(), t.grandchild);
    QCOMPARE(idsOf(t.root->getAllClassesHash()),
             idSet({QStringLiteral("child"), QStringLiteral("grandchild")}));
    QCOMPARE(idsOf(t.child->getAllClassesHash()), idSet({QStringLiteral("grandchild")}));
    QVERIFY(t.grandchild->getAllClassesSet().isEmpty());
    QVERIFY(t.grandchild->getOwnClassesSet().isEmpty());
    QVERIFY(t.grandchild->getOwnRulesSet().contains(rule));
    QCOMPARE(t.root->getOwnParametersCount(), 1);
    QCOMPARE(t.root->getParametersCount(), 4);
}

void tst_ClassTree::duplicateIdsChangeNothing()
{
    Tree t;
    // Own set first: the class's own text.
    auto own = catchAs<ElementAlreadyExistExceptionOstra>(
        [&] { t.child->addParameter(makeParameter(QStringLiteral("pc"))); });
    QVERIFY(own);
    QCOMPARE(own->getMethodName(),
             QStringLiteral("addParameterToOwn(ParameterModel::ParameterModelPtr n_parameterPtr)"));
    QCOMPARE(own->getClassName(), QStringLiteral("OstraClass"));

    // An id already below: refused by the store, and no store nor own set changes.
    const ParamPtr clash = makeParameter(QStringLiteral("pg"));
    auto store = catchAs<ElementAlreadyExistExceptionOstra>([&] { t.root->addParameter(clash); });
    QVERIFY(store);
    QCOMPARE(store->getClassName(), QStringLiteral("IParametersData"));
    QCOMPARE(store->getElementId(), QStringLiteral("pg"));
    QVERIFY(!t.root->getOwnParametersHash().contains(QStringLiteral("pg")));
    QCOMPARE(t.root->getParameter(QStringLiteral("pg")), t.pg);
    QVERIFY(!clash->hasParent());

    // An id met only part-way up the chain (in the child's store, through a sibling subtree).
    const ClassPtr sibling = makeClass(QStringLiteral("sibling"), t.storage);
    t.child->addClass(sibling);
    const ParamPtr deep = makeParameter(QStringLiteral("pg"));
    QVERIFY(catchAs<ElementAlreadyExistExceptionOstra>([&] { sibling->addParameter(deep); }));
    QVERIFY(!sibling->parametersContains(QStringLiteral("pg")));
    QVERIFY(sibling->getOwnParametersHash().isEmpty());
    QCOMPARE(t.child->getParameter(QStringLiteral("pg")), t.pg);

    // Rules ask the store first, constraints their own set first.
    const RulePtr rule = makeRule(QStringLiteral("r"));
    t.child->addRule(rule);
    auto ruleTwice = catchAs<ElementAlreadyExistExceptionOstra>(
        [&] { t.child->addRule(makeRule(QStringLiteral("r"))); });
    QVERIFY(ruleTwice);
    QCOMPARE(ruleTwice->getClassName(), QStringLiteral("IRuleData"));
    const ConstrPtr constraint = makeConstraint(QStringLiteral("k"));
    t.grandchild->addConstraint(constraint);
    auto constrTwice = catchAs<ElementAlreadyExistExceptionOstra>(
        [&] { t.grandchild->addConstraint(makeConstraint(QStringLiteral("k"))); });
    QVERIFY(constrTwice);
    QCOMPARE(constrTwice->getMethodName(),
             QStringLiteral("addConstraintToOwn(ConstraintModel::ConstraintModelPtr n_constrPtr)"));
    QVERIFY(catchAs<ElementAlreadyExistExceptionOstra>(
        [&] { sibling->addConstraint(makeConstraint(QStringLiteral("k"))); }));
    QVERIFY(!sibling->constraintsContains(QStringLiteral("k")));
    QVERIFY(sibling->getOwnConstraintsHash().isEmpty());

    // An own child class again: the own set refuses it, with the add's own text.
    auto ownChild = catchAs<ElementAlreadyExistExceptionOstra>([&] { t.root->addClass(t.child); });
    QVERIFY(ownChild);
    QCOMPARE(ownChild->getMethodName(),
             QStringLiteral("addClass(OstraClass::OstraClassPtr n_childClass)"));
    QCOMPARE(t.root->getOwnClassesCount(), 1);

    // A class already in the tree, and a class holding an id the tree has.
    QVERIFY(catchAs<ElementAlreadyExistExceptionOstra>(
        [&] { t.root->addClass(makeClass(QStringLiteral("grandchild"), t.storage)); }));
    const ClassPtr holder = makeClass(QStringLiteral("holder"), t.storage);
    holder->addParameter(makeParameter(QStringLiteral("pr")));
    QVERIFY(catchAs<ElementAlreadyExistExceptionOstra>([&] { t.child->addClass(holder); }));
    QVERIFY(!t.child->getOwnClassesHash().contains(QStringLiteral("holder")));
    QVERIFY(!t.root->classContains(QStringLiteral("holder")));
    QVERIFY(!holder->hasParent());
}

void tst_ClassTree::deletingParametersAndRules()
{
    Tree t;
    const RulePtr rule = placeRule(t.child, QStringLiteral("r"), QStringLiteral("twice"),
                                   {{QStringLiteral("x"), QStringLiteral("pc")}},
                                   {{QStringLiteral("y"), QStringLiteral("pc2")}});
    auto notOwner = catchAs<NotObjectOwner>([&] { t.root->deleteParameterFromClass(t.pc, true); });
    QVERIFY(notOwner);
    QCOMPARE(notOwner->getWrongOwnerId(), QStringLiteral("root"));
    QVERIFY(catchAs<NoElementExceptionOstra>(
        [&] { t.root->deleteParameterFromClass(QStringLiteral("none"), true); }));
    QVERIFY(
        catchAs<NotObjectOwner>([&] { t.root->deleteRuleFromClass(QStringLiteral("r"), true); }));

    t.child->deleteParameterFromClass(t.pc, false);
    QVERIFY(!t.root->parametersContains(QStringLiteral("pc")));
    QVERIFY(!t.pc->hasParent());
    QCOMPARE(t.pc->getOutputRules().size(), 1); // edges kept
    t.child->addParameter(t.pc);
    t.child->deleteParameterFromClass(t.pc, true);
    QVERIFY(t.pc->getOutputRules().isEmpty());
    QVERIFY(rule->getInputParameter(QStringLiteral("x")).isNull());

    t.child->deleteRuleFromClass(rule, true);
    QVERIFY(!t.root->rulesContains(QStringLiteral("r")));
    QVERIFY(!rule->hasParent());
    QVERIFY(t.pc2->getInputRules().isEmpty());
    QCOMPARE(rule->getRelationPtr(), t.twice); // the relation link stays
}

void tst_ClassTree::deleteChildClassCutsOnlyBorderEdges_data()
{
    QTest::addColumn<bool>("deleteEdges");
    QTest::newRow("cut") << true;
    QTest::newRow("keep") << false;
}

void tst_ClassTree::deleteChildClassCutsOnlyBorderEdges()
{
    QFETCH(bool, deleteEdges);
    Tree t;
    // A rule of the root reads a parameter of the child; a rule of the child reads one of the
    // grandchild (an edge inside the leaving subtree); a root constraint reads the grandchild.
    const RulePtr outer = placeRule(t.root, QStringLiteral("outer"), QStringLiteral("twice"),
                                    {{QStringLiteral("x"), QStringLiteral("pc")}},
                                    {{QStringLiteral("y"), QStringLiteral("pr")}});
    const RulePtr inner = placeRule(t.child, QStringLiteral("inner"), QStringLiteral("twice"),
                                    {{QStringLiteral("x"), QStringLiteral("pg")}},
                                    {{QStringLiteral("y"), QStringLiteral("pc2")}});
    const ConstrPtr check = placeConstraint(t.root, QStringLiteral("check"),
                                            QStringLiteral("positive"),
                                            {{QStringLiteral("v"), QStringLiteral("pg")}});

    t.root->deleteChildClass(t.child, deleteEdges);

    QCOMPARE(outer->getInputParameter(QStringLiteral("x")).isNull(), deleteEdges);
    QCOMPARE(t.pc->getOutputRules().contains(outer), !deleteEdges);
    QCOMPARE(check->getInputParameter(QStringLiteral("v")).isNull(), deleteEdges);
    QCOMPARE(t.pg->getConstraints().contains(check), !deleteEdges);
    // Inside the subtree nothing is cut.
    QCOMPARE(inner->getInputParameter(QStringLiteral("x")), t.pg);
    QVERIFY(t.pg->getOutputRules().contains(inner));

    QVERIFY(!t.child->hasParent());
    QVERIFY(t.root->getAllClassesHash().isEmpty()); // the grandchild leaves with its class
    for (const QString &id : {QStringLiteral("pc"), QStringLiteral("pc2"), QStringLiteral("pg")})
        QVERIFY(!t.root->parametersContains(id));
    QVERIFY(!t.root->rulesContains(QStringLiteral("inner")));
    QVERIFY(t.root->rulesContains(QStringLiteral("outer")));
    QCOMPARE(t.child->getOwnParametersCount(), 2);
    QVERIFY(t.child->rulesContains(QStringLiteral("inner")));
    QVERIFY(t.child->classContains(QStringLiteral("grandchild")));
    QVERIFY(catchAs<NotObjectOwner>([&] { t.root->deleteChildClass(t.child, true); }));
}

void tst_ClassTree::deleteRelationRemovesItsUsersEverywhere()
{
    Tree t;
    const RulePtr atRoot = placeRule(t.root, QStringLiteral("a"), QStringLiteral("twice"),
                                     {{QStringLiteral("x"), QStringLiteral("pr")}},
                                     {{QStringLiteral("y"), QStringLiteral("pc")}});
    const RulePtr inChild = placeRule(t.child, QStringLiteral("b"), QStringLiteral("twice"),
                                      {{QStringLiteral("x"), QStringLiteral("pc")}},
                                      {{QStringLiteral("y"), QStringLiteral("pc2")}});
    const ConstrPtr kept = placeConstraint(t.grandchild, QStringLiteral("k"),
                                           QStringLiteral("positive"),
                                           {{QStringLiteral("v"), QStringLiteral("pg")}});
    const RulePtr unlinked = makeRule(QStringLiteral("u"));
    t.grandchild->addRule(unlinked); // linked to no relation: passed over

    t.root->deleteRelation(QStringLiteral("twice"));
    QVERIFY(!t.root->rulesContains(QStringLiteral("a")));
    QVERIFY(!t.child->rulesContains(QStringLiteral("b")));
    QVERIFY(!atRoot->hasParent() && !inChild->hasParent());
    QVERIFY(t.pc->getInputRules().isEmpty() && t.pc->getOutputRules().isEmpty());
    QVERIFY(!t.storage->relationsContains(QStringLiteral("twice")));
    QVERIFY(t.root->constraintsContains(QStringLiteral("k")));
    QVERIFY(t.root->rulesContains(QStringLiteral("u")));

    t.root->deleteRelation(QStringLiteral("positive"));
    QVERIFY(!t.root->constraintsContains(QStringLiteral("k")));
    QVERIFY(t.pg->getConstraints().isEmpty());
    QCOMPARE(t.storage->getRelationsCount(), 0);
    QVERIFY(
        catchAs<NoElementExceptionOstra>([&] { t.root->deleteRelation(QStringLiteral("twice")); }));
}

void tst_ClassTree::levelSearch()
{
    Tree t;
    const ClassPtr leaf = makeClass(QStringLiteral("leaf"), t.storage);
    t.grandchild->addClass(leaf);
    // No bound parameter: normal everywhere, the search ends at a leaf.
    const RulePtr free = makeRule(QStringLiteral("free"));
    t.root->addRule(free);
    QVERIFY(t.root->isNormalRuleLevel(free));
    QCOMPARE(t.root->getMinRuleLevel(free), leaf);
    // Bound to a grandchild parameter: the search from the root ends at the grandchild.
    const RulePtr rule = placeRule(t.root, QStringLiteral("r"), QStringLiteral("twice"),
                                   {{QStringLiteral("x"), QStringLiteral("pg")}}, {});
    QCOMPARE(t.root->getMinRuleLevel(rule), t.grandchild);
    QVERIFY(!OstraClass::isNormalRuleLevel(rule, leaf));
    QCOMPARE(leaf->getMinRuleLevel(rule), t.grandchild); // climbs to the nearest normal class
    t.root->setMinLevelToRule(rule);
    QCOMPARE(rule->getParent(), t.grandchild);
    QVERIFY(t.grandchild->isChild(rule));
    t.grandchild->setMinLevelToRule(rule); // already there: nothing changes
    QCOMPARE(rule->getParent(), t.grandchild);
    auto outside = catchAs<NoElementExceptionOstra>([&] { leaf->setMinLevelToRule(rule); });
    QVERIFY(outside);
    QCOMPARE(outside->getMethodName(),
             QStringLiteral("setRuleMinLevel(BaseClassCommonData::RuleSharedPtr n_rulePtr)"));

    // A parameter that no class up to the root holds.
    const QSharedPointer<RelationsStorage> otherStorage =
        QSharedPointer<RelationsStorage>::create();
    makeRelation(otherStorage, QStringLiteral("twice"), QStringLiteral("1;"), {QStringLiteral("x")},
                 QStringList());
    const ClassPtr other = makeClass(QStringLiteral("other"), otherStorage);
    const ParamPtr foreign = makeParameter(QStringLiteral("foreign"));
    other->addParameter(foreign);
    const RulePtr lost = makeRule(QStringLiteral("lost"));
    other->addRule(lost);
    other->addEdge(QStringLiteral("lost"), QStringLiteral("twice"), QString());
    other->addEdge(QStringLiteral("foreign"), QStringLiteral("lost"), QStringLiteral("x"));
    other->deleteParameterFromClass(foreign, false);
    auto past = catchAs<PointerIsNull>([&] { other->getMinRuleLevel(lost); });
    QVERIFY(past);
    QCOMPARE(past->getMethodName(),
             QStringLiteral("getMinRuleLevel(RuleModel::RuleModelPtr n_rulePtr)"));
}

void tst_ClassTree::levelAfterParameterMove()
{
    // Two siblings A and B; a root rule reads p1 in A and p2 in B.
    const QSharedPointer<RelationsStorage> storage = QSharedPointer<RelationsStorage>::create();
    const ClassPtr root = makeClass(QStringLiteral("root"), storage);
    const ClassPtr a = makeClass(QStringLiteral("A"), storage);
    const ClassPtr b = makeClass(QStringLiteral("B"), storage);
    root->addClass(a);
    root->addClass(b);
    const ParamPtr p1 = makeParameter(QStringLiteral("p1"));
    const ParamPtr p2 = makeParameter(QStringLiteral("p2"));
    a->addParameter(p1);
    b->addParameter(p2);
    makeRelation(storage, QStringLiteral("sum"), QStringLiteral("1;"),
                 {QStringLiteral("a"), QStringLiteral("b")}, QStringList());
    const RulePtr rule = placeRule(
        root, QStringLiteral("R"), QStringLiteral("sum"),
        {{QStringLiteral("a"), QStringLiteral("p1")}, {QStringLiteral("b"), QStringLiteral("p2")}},
        {});

    b->changeParent(p2, a);
    QCOMPARE(p2->getParent(), a);
    QVERIFY(!b->parametersContains(QStringLiteral("p2")));
    QCOMPARE(rule->getInputParameter(QStringLiteral("b")), p2); // edges kept
    QCOMPARE(rule->getParent(), root); // the search started at B climbed to the root and stopped
    root->setMinLevelToRule(rule);
    QCOMPARE(rule->getParent(), a);
    QVERIFY(a->isChild(rule) && !root->isChild(rule));

    // Through the parameter's own setParent, and the same class again: nothing.
    p2->setParent(a);
    QCOMPARE(p2->getParent(), a);
    p2->setParent(b);
    QCOMPARE(p2->getParent(), b);
    QCOMPARE(rule->getParent(), root); // moved up again from A, where it no longer fits
}

void tst_ClassTree::ruleMoveRefusedWithoutParameters()
{
    Tree t;
    const RulePtr rule = placeRule(t.child, QStringLiteral("r"), QStringLiteral("twice"),
                                   {{QStringLiteral("x"), QStringLiteral("pc")}},
                                   {{QStringLiteral("y"), QStringLiteral("pc2")}});
    auto refused = catchAs<BadNewObjectParent>([&] { t.child->changeParent(rule, t.grandchild); });
    QVERIFY(refused);
    QCOMPARE(refused->getExceptionId(), 509);
    QCOMPARE(refused->getObjectId(), QStringLiteral("r"));
    QCOMPARE(refused->getNewParentId(), QStringLiteral("grandchild"));
    QCOMPARE(rule->getParent(), t.child);
    QVERIFY(t.child->isChild(rule));
    QVERIFY(!t.grandchild->rulesContains(QStringLiteral("r")));
    QCOMPARE(rule->getInputParameter(QStringLiteral("x")), t.pc);
    QVERIFY(catchAs<NotObjectOwner>([&] { t.root->changeParent(rule, t.root); }));
    QVERIFY(catchAs<PointerIsNull>([&] { t.child->changeParent(rule, ClassPtr()); }));
    QVERIFY(t.child->isChild(rule));
    // Up to an ancestor is fine, and a constraint moves the same way.
    t.child->changeParent(rule, t.root);
    QCOMPARE(rule->getParent(), t.root);
    const ConstrPtr check = placeConstraint(t.child, QStringLiteral("k"),
                                            QStringLiteral("positive"),
                                            {{QStringLiteral("v"), QStringLiteral("pc")}});
    QVERIFY(catchAs<BadNewObjectParent>([&] { t.child->changeParent(check, t.grandchild); }));
    QCOMPARE(check->getParent(), t.child);
}

void tst_ClassTree::classMoveRefusals()
{
    Tree t;
    const ClassPtr other = makeClass(QStringLiteral("other"), t.storage);
    t.root->addClass(other);
    for (const ClassPtr &target : {t.child, t.grandchild}) {
        auto refused = catchAs<BadNewObjectParent>([&] { t.root->changeParent(t.child, target); });
        QVERIFY(refused);
        QCOMPARE(refused->getObjectId(), QStringLiteral("child"));
    }
    QVERIFY(catchAs<BadNewObjectParent>([&] { t.child->setParent(t.grandchild); }));
    QVERIFY(catchAs<PointerIsNull>([&] { t.root->changeParent(t.child, ClassPtr()); }));
    QVERIFY(catchAs<PointerIsNull>([&] { t.child->setParent(ClassPtr()); }));
    // Target already holding one of the subtree's ids.
    other->addParameter(makeParameter(QStringLiteral("px")));
    const ClassPtr clash = makeClass(QStringLiteral("clash"), t.storage);
    t.grandchild->addClass(clash);
    clash->addParameter(makeParameter(QStringLiteral("px2")));
    const ClassPtr holder = makeClass(QStringLiteral("holder"),
                                      QSharedPointer<RelationsStorage>::create());
    holder->addParameter(makeParameter(QStringLiteral("pc")));
    QVERIFY(
        catchAs<ElementAlreadyExistExceptionOstra>([&] { t.root->changeParent(t.child, holder); }));
    // Nothing moved.
    QCOMPARE(t.child->getParent(), t.root);
    QVERIFY(t.root->isChild(t.child));
    QCOMPARE(idsOf(t.root->getAllClassesHash()),
             idSet({QStringLiteral("child"), QStringLiteral("grandchild"), QStringLiteral("other"),
                    QStringLiteral("clash")}));
    QVERIFY(t.root->parametersContains(QStringLiteral("pg")));
    QVERIFY(holder->getAllClassesHash().isEmpty());
    // A parameter moved where its id is taken stays where it was.
    const ParamPtr dup = makeParameter(QStringLiteral("pr"));
    holder->addParameter(dup);
    QVERIFY(
        catchAs<ElementAlreadyExistExceptionOstra>([&] { holder->changeParent(dup, t.child); }));
    QCOMPARE(dup->getParent(), holder);
    QVERIFY(holder->isChild(dup));
    // Into a class that itself owns another element with the id: its own set refuses it.
    const ParamPtr ownTwin = holder->getParameter(QStringLiteral("pc"));
    const ConstrPtr check = placeConstraint(t.child, QStringLiteral("k"),
                                            QStringLiteral("positive"),
                                            {{QStringLiteral("v"), QStringLiteral("pc")}});
    const ConstrPtr checkTwin = makeConstraint(QStringLiteral("k"));
    holder->addConstraint(checkTwin);
    const auto refusedByOwnSet = [&](const std::function<void()> &n_move, const QString &n_method) {
        auto refused = catchAs<ElementAlreadyExistExceptionOstra>(n_move);
        QVERIFY(refused);
        QCOMPARE(refused->getClassName(), QStringLiteral("OstraClass"));
        QCOMPARE(refused->getMethodName(), n_method);
    };
    refusedByOwnSet(
        [&] { holder->changeParent(ownTwin, t.child); },
        QStringLiteral("addParameterToOwn(ParameterModel::ParameterModelPtr n_parameterPtr)"));
    refusedByOwnSet(
        [&] { holder->changeParent(checkTwin, t.child); },
        QStringLiteral("addConstraintToOwn(ConstraintModel::ConstraintModelPtr n_constrPtr)"));
    QCOMPARE(ownTwin->getParent(), holder);
    QCOMPARE(checkTwin->getParent(), holder);
    QCOMPARE(t.child->getParameter(QStringLiteral("pc")), t.pc);
    QCOMPARE(t.root->getConstraint(QStringLiteral("k")), check);
    QVERIFY(holder->isChild(ownTwin) && holder->isChild(checkTwin));
}

void tst_ClassTree::classMoveCarriesWholeSubtree()
{
    Tree t;
    const ClassPtr other = makeClass(QStringLiteral("other"), t.storage);
    t.root->addClass(other);
    // A root rule reads the grandchild's parameter and writes the root's.
    const RulePtr outer = placeRule(t.root, QStringLiteral("outer"), QStringLiteral("twice"),
                                    {{QStringLiteral("x"), QStringLiteral("pg")}},
                                    {{QStringLiteral("y"), QStringLiteral("pr")}});
    const RulePtr inner = placeRule(t.grandchild, QStringLiteral("inner"), QStringLiteral("twice"),
                                    {{QStringLiteral("x"), QStringLiteral("pg")}}, {});
    t.root->changeParent(t.child, other);
    QCOMPARE(t.child->getParent(), other);
    QCOMPARE(idsOf(other->getAllClassesHash()),
             idSet({QStringLiteral("child"), QStringLiteral("grandchild")}));
    QCOMPARE(
        idsOf(t.root->getAllClassesHash()),
        idSet({QStringLiteral("child"), QStringLiteral("grandchild"), QStringLiteral("other")}));
    QVERIFY(other->parametersContains(QStringLiteral("pg")));
    QVERIFY(other->rulesContains(QStringLiteral("inner")));
    QCOMPARE(outer->getInputParameter(QStringLiteral("x")), t.pg);
    QCOMPARE(outer->getParent(), t.root);
    QCOMPARE(inner->getParent(), t.grandchild);

    // Detached and moved back the other way: former ancestors forget the grandchild too.
    t.child->setParent(t.root);
    QVERIFY(!other->classContains(QStringLiteral("grandchild")));
    QVERIFY(other->getAllClassesHash().isEmpty());
    QVERIFY(!other->parametersContains(QStringLiteral("pg")));
    QCOMPARE(t.root->getClassById(QStringLiteral("grandchild")), t.grandchild);
}

void tst_ClassTree::parentLinksOfClasses()
{
    Tree t;
    const ClassPtr loose = makeClass(QStringLiteral("loose"), t.storage);
    loose->setParent(t.child); // no parent: inserted
    QVERIFY(t.child->isChild(loose));
    QVERIFY(t.root->classContains(QStringLiteral("loose")));
    auto rootless = catchAs<NoParentException>([&] { t.root->removeParent(); });
    QVERIFY(rootless);
    QCOMPARE(rootless->getExceptionId(), 523);
    // removeParent detaches and cuts the edges to the outside.
    const ParamPtr pl = makeParameter(QStringLiteral("pl"));
    loose->addParameter(pl);
    const RulePtr outer = placeRule(t.child, QStringLiteral("outer"), QStringLiteral("twice"),
                                    {{QStringLiteral("x"), QStringLiteral("pl")}}, {});
    loose->removeParent();
    QVERIFY(!loose->hasParent());
    QVERIFY(!t.root->classContains(QStringLiteral("loose")));
    QVERIFY(outer->getInputParameter(QStringLiteral("x")).isNull());
    QVERIFY(pl->getOutputRules().isEmpty());
}

void tst_ClassTree::elementOwnerOperations()
{
    Tree t;
    const ParamPtr loose = makeParameter(QStringLiteral("loose"));
    QVERIFY(catchAs<NoParentException>([&] { loose->removeParent(); }));
    loose->setParent(t.child);
    QVERIFY(t.child->isChild(loose));
    loose->setParent(t.child);
    QCOMPARE(t.child->getOwnParametersCount(), 3);
    const RulePtr rule = placeRule(t.child, QStringLiteral("r"), QStringLiteral("twice"),
                                   {{QStringLiteral("x"), QStringLiteral("loose")}}, {});
    loose->removeParent();
    QVERIFY(!loose->hasParent());
    QVERIFY(!t.root->parametersContains(QStringLiteral("loose")));
    QVERIFY(rule->getInputParameter(QStringLiteral("x")).isNull());
    QVERIFY(loose->getOutputRules().isEmpty());

    // Rules and constraints: through setParent into a class, removeParent out of it.
    const RulePtr free = makeRule(QStringLiteral("free"));
    free->setParent(t.grandchild);
    QVERIFY(t.grandchild->isChild(free) && t.root->rulesContains(QStringLiteral("free")));
    free->setParent(t.root); // moved by its owner
    QVERIFY(t.root->isChild(free) && !t.grandchild->rulesContains(QStringLiteral("free")));
    free->removeParent();
    QVERIFY(!t.root->rulesContains(QStringLiteral("free")) && !free->hasParent());
    QVERIFY(catchAs<NoParentException>([&] { free->removeParent(); }));
    const ConstrPtr constraint = makeConstraint(QStringLiteral("k"));
    constraint->setParent(t.child);
    QVERIFY(t.child->isChild(constraint));
    constraint->removeParent();
    QVERIFY(!t.root->constraintsContains(QStringLiteral("k")));
    // An element owned elsewhere is not taken over by an add: it is moved with changeParent.
    auto foreign = catchAs<BadNewObjectParent>([&] { t.root->addParameter(t.pg); });
    QVERIFY(foreign);
    QCOMPARE(t.pg->getParent(), t.grandchild);
    QVERIFY(!t.root->isChild(t.pg));
    // An element linked to a class that does not hold it only loses the link.
    const RulePtr linkedOnly = QSharedPointer<RuleModel>::create(QStringLiteral("lo"), t.child);
    linkedOnly->removeParent();
    QVERIFY(!linkedOnly->hasParent());
}

void tst_ClassTree::bindingsMoveAndRestore()
{
    Tree t;
    const ParamPtr text = makeParameter(QStringLiteral("text"), QVariant::String);
    t.child->addParameter(text);
    const RulePtr rule = makeRule(QStringLiteral("r"));
    t.grandchild->addRule(rule);
    t.grandchild->addEdge(QStringLiteral("r"), QStringLiteral("twice"), QString());
    QVERIFY(catchAs<NoParentException>([&] {
        rule->addInputParameter(QStringLiteral("x"), makeParameter(QStringLiteral("nowhere")));
    }));
    // Binding a parameter of an ancestor moves the rule up to it.
    rule->addInputParameter(QStringLiteral("x"), t.pc);
    QCOMPARE(rule->getParent(), t.child);
    rule->addOutputParameter(QStringLiteral("y"), t.pc2);
    QCOMPARE(rule->getOutputParameter(QStringLiteral("y")), t.pc2);

    // A rebinding refused for its type keeps the old binding on both sides.
    QVERIFY(
        catchAs<ExceptionOstra>([&] { rule->replaceInputParameter(QStringLiteral("x"), text); }));
    QCOMPARE(rule->getInputParameter(QStringLiteral("x")), t.pc);
    QCOMPARE(t.pc->getOutputRules().count(rule), 1);
    QVERIFY(text->getOutputRules().isEmpty());
    QVERIFY(
        catchAs<ExceptionOstra>([&] { rule->replaceOutputParameter(QStringLiteral("y"), text); }));
    QCOMPARE(rule->getOutputParameter(QStringLiteral("y")), t.pc2);
    QVERIFY(t.pc2->getInputRules().contains(rule));

    // A good rebinding to the grandchild's parameter: the rule settles where all its parameters
    // are.
    rule->replaceInputParameter(QStringLiteral("x"), t.pg);
    QCOMPARE(rule->getInputParameter(QStringLiteral("x")), t.pg);
    QVERIFY(t.pc->getOutputRules().isEmpty());
    QCOMPARE(rule->getParent(), t.child);

    rule->removeInputParameter(QStringLiteral("x"));
    QVERIFY(rule->getInputParameters().contains(QStringLiteral("x")));
    QVERIFY(rule->getInputParameter(QStringLiteral("x")).isNull());
    rule->deleteInputParameter(QStringLiteral("x"));
    QVERIFY(!rule->getInputParameters().contains(QStringLiteral("x")));

    // The same for a constraint.
    const ConstrPtr check = placeConstraint(t.child, QStringLiteral("k"),
                                            QStringLiteral("positive"),
                                            {{QStringLiteral("v"), QStringLiteral("pc")}});
    QVERIFY(
        catchAs<ExceptionOstra>([&] { check->replaceInputParameter(QStringLiteral("v"), text); }));
    QCOMPARE(check->getInputParameter(QStringLiteral("v")), t.pc);
    QVERIFY(t.pc->getConstraints().contains(check));
    QVERIFY(text->getConstraints().isEmpty());
    check->replaceInputParameter(QStringLiteral("v"), t.pg);
    QCOMPARE(check->getParent(), t.grandchild); // moved down to the only class it needs
    check->replaceInputParameter(QStringLiteral("v"), t.pr);
    QCOMPARE(check->getParent(), t.root);
}

void tst_ClassTree::integrityParameterAndClassNamesakes()
{
    Tree t;
    // Case differs: no finding; a clean tree has an empty, error-free report.
    t.pc->setShortName(QStringLiteral("Speed"));
    t.pc2->setShortName(QStringLiteral("speed"));
    ModelIntegrity clean = t.root->checkClassIntegrity();
    QVERIFY(clean.getIntegrityMsgs().isEmpty());
    QVERIFY(!clean.areAnyErrors());

    // Same name in different classes: no finding either; in one class: exactly one code 21.
    t.pr->setShortName(QStringLiteral("speed"));
    QVERIFY(t.root->checkClassIntegrity().getIntegrityMsgs().isEmpty());
    t.pc->setShortName(QStringLiteral("speed"));
    ModelIntegrity report = t.root->checkClassIntegrity();
    QCOMPARE(codesOf(report), QList<int>{IntegrityMsg::MSG_CODE_PARAMETER_WITH_SAME_SHORTNAME});
    QVERIFY(report.areAnyErrors());
    const IntegrityMsg finding = report.getIntegrityMsgs().first();
    QCOMPARE(finding.getMsgType(), IntegrityMsg::ERROR);
    QCOMPARE(idSet(reasonIds(finding)),
             idSet({QStringLiteral("pc"), QStringLiteral("pc2"), QStringLiteral("child")}));
    QCOMPARE(reasonIds(finding).last(), QStringLiteral("child"));

    // Saving is refused and nothing is written into the node.
    ClassXMLSerializer node{QDomDocument()};
    auto refused = catchAs<CantSaveClassIntegrityErrors>([&] { t.root->save(node); });
    QVERIFY(refused);
    QCOMPARE(refused->getExceptionId(), 539);
    QCOMPARE(codesOf(refused->getModelIntegrity()), codesOf(report));
    QVERIFY(node.getFieldsHash().isEmpty());
    QVERIFY(node.getOwnClasses().isEmpty());

    // Three namesakes: every reported pair differs; no pair comes twice.
    t.child->addParameter(
        makeParameter(QStringLiteral("pc3"), QVariant::Double, QStringLiteral("speed")));
    report = t.root->checkClassIntegrity();
    QSet<QSet<QString>> pairs;
    for (const IntegrityMsg &msg : report.getIntegrityMsgs()) {
        const QStringList ids = reasonIds(msg);
        QVERIFY(pairs.insert(QSet<QString>{ids.at(0), ids.at(1)}) != pairs.end());
    }
    QCOMPARE(pairs.size(), report.getIntegrityMsgs().size());
    QVERIFY(pairs.size() >= 1);

    // Grandchildren sharing a name: code 20 in the child's block, before the root's own findings.
    t.pc->setShortName(QStringLiteral("a"));
    t.pc2->setShortName(QStringLiteral("b"));
    t.child->deleteParameterFromClass(QStringLiteral("pc3"), true);
    t.grandchild->setShortName(QStringLiteral("twin"));
    const ClassPtr second = makeClass(QStringLiteral("second"), t.storage, QStringLiteral("twin"));
    t.child->addClass(second);
    const ClassPtr rootTwin = makeClass(QStringLiteral("rootTwin"), t.storage,
                                        QStringLiteral("child"));
    t.root->addClass(rootTwin);
    report = t.root->checkClassIntegrity();
    QCOMPARE(codesOf(report), (QList<int>{IntegrityMsg::MSG_CODE_CLASS_WITH_SAME_SHORTNAME,
                                          IntegrityMsg::MSG_CODE_CLASS_WITH_SAME_SHORTNAME}));
    QCOMPARE(reasonIds(report.getIntegrityMsgs().at(0)).last(), QStringLiteral("child"));
    QCOMPARE(idSet(reasonIds(report.getIntegrityMsgs().at(0)).mid(0, 2)),
             idSet({QStringLiteral("grandchild"), QStringLiteral("second")}));
    QCOMPARE(reasonIds(report.getIntegrityMsgs().at(1)).last(), QStringLiteral("root"));
}

void tst_ClassTree::integrityRuleAndConstraintNamesakes()
{
    Tree t;
    placeRule(t.child, QStringLiteral("r1"), QStringLiteral("twice"),
              {{QStringLiteral("x"), QStringLiteral("pc")}},
              {{QStringLiteral("y"), QStringLiteral("pc2")}}, QStringLiteral("same"));
    placeRule(t.root, QStringLiteral("r2"), QStringLiteral("twice"),
              {{QStringLiteral("x"), QStringLiteral("pr")}},
              {{QStringLiteral("y"), QStringLiteral("pg")}}, QStringLiteral("same"));
    placeConstraint(t.child, QStringLiteral("k1"), QStringLiteral("positive"),
                    {{QStringLiteral("v"), QStringLiteral("pc")}}, QStringLiteral("dup"));
    placeConstraint(t.child, QStringLiteral("k2"), QStringLiteral("positive"),
                    {{QStringLiteral("v"), QStringLiteral("pc2")}}, QStringLiteral("dup"));
    placeConstraint(t.grandchild, QStringLiteral("k3"), QStringLiteral("positive"),
                    {{QStringLiteral("v"), QStringLiteral("pg")}}, QStringLiteral("other"));
    placeConstraint(t.root, QStringLiteral("k4"), QStringLiteral("positive"),
                    {{QStringLiteral("v"), QStringLiteral("pr")}}, QStringLiteral("other"));
    const ModelIntegrity report = t.root->checkClassIntegrity();
    QCOMPARE(codesOf(report), (QList<int>{IntegrityMsg::MSG_CODE_RULE_WITH_SAME_SHORTNAME,
                                          IntegrityMsg::MSG_CODE_CONSTRAINT_WITH_SAME_SHORTNAME,
                                          IntegrityMsg::MSG_CODE_CONSTRAINT_WITH_SAME_SHORTNAME}));
    QVERIFY(!report.areAnyErrors()); // warnings only
    const IntegrityMsg ruleFinding = report.getIntegrityMsgs().first();
    QCOMPARE(ruleFinding.getMsgType(), IntegrityMsg::WARNING);
    const QStringList reasons = reasonIds(ruleFinding);
    QCOMPARE(reasons.size(), 2);
    QVERIFY(reasons.first() == QStringLiteral("r1") || reasons.first() == QStringLiteral("r2"));
    QCOMPARE(reasons.last(), QStringLiteral("twice"));
    // Seen from the child only its own rule is in scope.
    QVERIFY(t.child->isRuleWithSameShortNameExist(t.root->getRule(QStringLiteral("r1"))).isNull());
    QCOMPARE(t.root->isRuleWithSameShortNameExist(t.root->getRule(QStringLiteral("r1"))),
             t.root->getRule(QStringLiteral("r2")));
    ClassXMLSerializer node{QDomDocument()};
    t.root->save(node);
    QCOMPARE(node.getFieldValue(QStringLiteral("id")).toString(), QStringLiteral("root"));
}

void tst_ClassTree::integrityFailures()
{
    Tree t;
    // A rule and a constraint without a relation are reported, not raised.
    const RulePtr bare = makeRule(QStringLiteral("bare"), QStringLiteral("named"));
    t.child->addRule(bare);
    t.child->addConstraint(makeConstraint(QStringLiteral("bareK"), QStringLiteral("named")));
    placeRule(t.child, QStringLiteral("r"), QStringLiteral("twice"),
              {{QStringLiteral("x"), QStringLiteral("pc")}},
              {{QStringLiteral("y"), QStringLiteral("pc2")}}, QStringLiteral("named"));
    const ModelIntegrity report = t.root->checkClassIntegrity();
    const QList<int> codes = codesOf(report);
    QVERIFY(codes.contains(IntegrityMsg::MSG_CODE_RULE_WITHOUT_RELATION));
    QVERIFY(codes.contains(IntegrityMsg::MSG_CODE_CONSTRAINT_WITHOUT_RELATION));
    QVERIFY(!codes.contains(IntegrityMsg::MSG_CODE_RULE_WITH_SAME_SHORTNAME));
    QVERIFY(report.areAnyErrors());
    QVERIFY(t.root->isRuleWithSameShortNameExist(t.root->getRule(QStringLiteral("r"))).isNull());

    // No relations storage.
    const ClassPtr noStorage = QSharedPointer<OstraClass>::create(
        QStringLiteral("n"), QSharedPointer<RelationsStorage>());
    auto missing = catchAs<PointerIsNull>([&] { noStorage->checkClassIntegrity(); });
    QVERIFY(missing);
    QCOMPARE(missing->getMethodName(), QStringLiteral("checkClassIntegrityOfRelations()"));

    // A broken constraint entry is refused, not dereferenced.
    const QSharedPointer<ClassWithRawStores> raw = QSharedPointer<ClassWithRawStores>::create(
        QStringLiteral("raw"), QSharedPointer<RelationsStorage>::create());
    raw->putNullConstraint(QStringLiteral("ghost"));
    QVERIFY(catchAs<PointerIsNull>([&] { raw->checkClassIntegrity(); }));
}

void tst_ClassTree::copyAndClone()
{
    Tree t;
    const ClassPtr leaf = makeClass(QStringLiteral("leaf"), t.storage);
    t.grandchild->addClass(leaf);
    leaf->addParameter(makeParameter(QStringLiteral("pl")));
    placeRule(t.child, QStringLiteral("r"), QStringLiteral("twice"),
              {{QStringLiteral("x"), QStringLiteral("pg")}},
              {{QStringLiteral("y"), QStringLiteral("pc")}});
    placeConstraint(t.root, QStringLiteral("k"), QStringLiteral("positive"),
                    {{QStringLiteral("v"), QStringLiteral("pl")}});
    t.root->setParameterDefaultValue(QStringLiteral("pg"), QVariant(2.5));
    t.root->setSearchAlgorithm(BaseAlgorithm::RUNTIME_ALGORITHM,
                               QSharedPointer<BaseAlgorithmData>::create(false, true));

    const ClassPtr copied = t.child->copy(QSharedPointer<RelationsStorage>());
    QCOMPARE(copied->getId(), QStringLiteral("child"));
    QVERIFY(!copied->hasParent());
    QVERIFY(copied->getSearchAlgorithm().isNull());
    QCOMPARE(copied->getRelationsStorage(), t.storage);
    QCOMPARE(idsOf(copied->getAllClassesHash()),
             idSet({QStringLiteral("grandchild"), QStringLiteral("leaf")}));
    const RulePtr copiedRule = copied->getRule(QStringLiteral("r"));
    QVERIFY(copiedRule != t.child->getRule(QStringLiteral("r")));
    QCOMPARE(copiedRule->getInputParameter(QStringLiteral("x")),
             copied->getParameter(QStringLiteral("pg")));
    QVERIFY(copiedRule->getInputParameter(QStringLiteral("x")) != t.pg);
    QCOMPARE(copiedRule->getRelationPtr(), t.twice);
    QCOMPARE(copied->getParameter(QStringLiteral("pg"))->getDefaultValue(), QVariant(2.5));
    QCOMPARE(t.pg->getOutputRules().size(), 1); // the source gained nothing

    const QSharedPointer<RelationsStorage> storageCopy = QSharedPointer<RelationsStorage>::create(
        *t.storage);
    const ClassPtr cloned = t.root->clone(storageCopy);
    QVERIFY(cloned->getId() != QStringLiteral("root"));
    QCOMPARE(cloned->getId().size(), 36);
    const QSet<QString> oldIds = idSet(
        {QStringLiteral("child"), QStringLiteral("grandchild"), QStringLiteral("leaf"),
         QStringLiteral("pr"), QStringLiteral("pc"), QStringLiteral("pc2"), QStringLiteral("pg"),
         QStringLiteral("pl"), QStringLiteral("r"), QStringLiteral("k")});
    QCOMPARE(cloned->getAllClassesCount(), 3);
    auto checkKeys = [&](auto n_hash) {
        for (auto it = n_hash.constBegin(); it != n_hash.constEnd(); ++it) {
            QCOMPARE(it.key(), it.value()->getId());
            QVERIFY(!oldIds.contains(it.key()));
        }
    };
    checkKeys(cloned->getAllClassesHash());
    checkKeys(cloned->getParametersHash());
    checkKeys(cloned->getRulesHash());
    checkKeys(cloned->getConstraintsHash());
    for (const ClassPtr &cls : cloned->getAllClassesHash()) {
        checkKeys(cls->getOwnClassesHash());
        checkKeys(cls->getAllClassesHash());
        checkKeys(cls->getOwnParametersHash());
        checkKeys(cls->getParametersHash());
        checkKeys(cls->getOwnRulesHash());
        checkKeys(cls->getRulesHash());
        QCOMPARE(cloned->getClassById(cls->getId()), cls);
    }
    const RulePtr clonedRule = cloned->getRulesHash().values().first();
    QCOMPARE(clonedRule->getRelationPtr(), storageCopy->getRelationPtr(QStringLiteral("twice")));
    QCOMPARE(clonedRule->getInputParameter(QStringLiteral("x"))->getParent()->getShortName(),
             QStringLiteral("grandchild"));

    // refreshHash on entries whose ids did not change leaves them as they were.
    QHash<QString, ParamPtr> same = t.root->getParametersHash();
    uidgenerators::refreshHash(same);
    QCOMPARE(same, t.root->getParametersHash());
}

void tst_ClassTree::copySkipsUnlinkedEdges()
{
    Tree t;
    const RulePtr half = placeRule(t.child, QStringLiteral("half"), QStringLiteral("twice"),
                                   {{QStringLiteral("x"), QStringLiteral("pc")}},
                                   {{QStringLiteral("y"), QStringLiteral("pc2")}});
    half->removeInputParameter(QStringLiteral("x")); // name kept, bound to nothing
    t.child->addRule(makeRule(QStringLiteral("bare")));
    t.child->addConstraint(makeConstraint(QStringLiteral("bareK")));
    const ClassPtr copied = t.child->copy(QSharedPointer<RelationsStorage>());
    const RulePtr copiedHalf = copied->getRule(QStringLiteral("half"));
    QCOMPARE(copiedHalf->getOutputParameter(QStringLiteral("y")),
             copied->getParameter(QStringLiteral("pc2")));
    QVERIFY(copiedHalf->getInputParameters().value(QStringLiteral("x")).isNull());
    QVERIFY(copied->rulesContains(QStringLiteral("bare")));
    QVERIFY(copied->getRule(QStringLiteral("bare"))->getRelationPtr().isNull());
    QVERIFY(copied->constraintsContains(QStringLiteral("bareK")));
}

void tst_ClassTree::lookups()
{
    Tree t;
    QCOMPARE(t.root->getClassById(QStringLiteral("root")), t.root);
    QVERIFY(!t.root->classContains(QStringLiteral("root")));
    QVERIFY(t.root->getOwnClassById(QStringLiteral("grandchild")).isNull());
    QCOMPARE(t.root->getClassById(QStringLiteral("grandchild")), t.grandchild);
    QVERIFY(
        catchAs<NoElementExceptionOstra>([&] { t.root->getClassById(QStringLiteral("none")); }));
    QCOMPARE(t.root->getObjectTypeById(QStringLiteral("grandchild")), OBJECT_TYPE_CLASS);
    QCOMPARE(t.root->getObjectTypeById(QStringLiteral("pg")), OBJECT_TYPE_PARAMETER);
    QCOMPARE(t.root->getObjectTypeById(QStringLiteral("twice")), OBJECT_TYPE_RELATION);
    QVERIFY(catchAs<NoElementExceptionOstra>(
        [&] { t.root->getObjectTypeById(QStringLiteral("root")); }));
    QCOMPARE(t.root->getRelationsCount(), 2);
    QVERIFY(t.root->isRelationExist(QStringLiteral("positive")));
    QVERIFY(catchAs<NotObjectOwner>(
        [&] { t.root->deleteChildClass(QStringLiteral("grandchild"), true); }));
    QCOMPARE(t.root->getOstraObjectType(), OBJECT_TYPE_CLASS);
    QCOMPARE(static_cast<BaseOstraObj *>(t.root.data())->getOstraObjectType(), OBJECT_TYPE_CLASS);

    // External links are measured from the parameter's own class; an unowned one has none.
    const RulePtr outer = placeRule(t.root, QStringLiteral("outer"), QStringLiteral("twice"),
                                    {{QStringLiteral("x"), QStringLiteral("pg")}},
                                    {{QStringLiteral("y"), QStringLiteral("pr")}});
    QCOMPARE(OstraClass::getExternalOutputRules(t.pg), QSet<RulePtr>{outer});
    QVERIFY(OstraClass::getExternalInputRules(t.pg).isEmpty());
    QVERIFY(OstraClass::getExternalInputRules(t.pr).isEmpty());
    QCOMPARE(OstraClass::getExternalRulesForClass(t.child), QSet<RulePtr>{outer});
    QVERIFY(catchAs<PointerIsNull>(
        [&] { OstraClass::getExternalInputRules(makeParameter(QStringLiteral("free"))); }));
    QVERIFY(catchAs<PointerIsNull>([&] { OstraClass::getExternalConstraints(ParamPtr()); }));
    t.grandchild->deleteParameterExternalEdges(t.pg);
    QVERIFY(outer->getInputParameter(QStringLiteral("x")).isNull());
}

void tst_ClassTree::singleClassSolver()
{
    Tree t;
    QVERIFY(t.root->getSearchAlgorithm().isNull());
    auto keepNothing = catchAs<PointerIsNull>([&] {
        t.root->setSearchAlgorithm(static_cast<BaseAlgorithm::OstraSearchType>(3),
                                   QSharedPointer<BaseAlgorithmData>::create(true, true));
    });
    QVERIFY(keepNothing);
    QVERIFY(t.root->getSearchAlgorithm().isNull());
    QVERIFY(catchAs<PointerIsNull>(
        [&] { t.root->setSearchAlgorithm(QSharedPointer<BaseAlgorithm>()); }));

    t.root->setSearchAlgorithm(static_cast<BaseAlgorithm::OstraSearchType>(7),
                               QSharedPointer<BaseAlgorithmData>::create(true, true));
    QCOMPARE(int(t.root->getSearchAlgorithm()->getAlgorithmType()), 0);
    const QSharedPointer<BaseAlgorithmData> settings = QSharedPointer<BaseAlgorithmData>::create(
        false, true);
    t.root->setSearchAlgorithm(BaseAlgorithm::RUNTIME_ALGORITHM, settings);
    const QSharedPointer<BaseAlgorithm> runtime = t.root->getSearchAlgorithm();
    QCOMPARE(int(runtime->getAlgorithmType()), 1);
    QCOMPARE(runtime->getParametersCount(), 4);
    t.child->addParameter(makeParameter(QStringLiteral("late")));
    t.root->setSearchAlgorithm(static_cast<BaseAlgorithm::OstraSearchType>(3),
                               QSharedPointer<BaseAlgorithmData>::create(true, false));
    QCOMPARE(t.root->getSearchAlgorithm(), runtime);
    QCOMPARE(runtime->getAlgorithmData(), settings);
    QCOMPARE(runtime->getParametersCount(), 5);
    t.root->setSearchAlgorithm(BaseAlgorithm::REMOTE_ALGORITHM, settings);
    QCOMPARE(int(t.root->getSearchAlgorithm()->getAlgorithmType()), 2);

    t.root->setSearchAlgorithm(BaseAlgorithm::RUNTIME_ALGORITHM, settings);
    const OstraSingleClass copied(*t.root, t.storage);
    QCOMPARE(copied.getId(), QStringLiteral("root"));
    QCOMPARE(copied.getParametersCount(), 0);
    QVERIFY(copied.getSearchAlgorithm() != t.root->getSearchAlgorithm());
    QCOMPARE(int(copied.getSearchAlgorithm()->getAlgorithmType()), 1);
    QCOMPARE(copied.getSearchAlgorithm()->getAlgorithmData(), settings);
    const OstraSingleClass plain(*t.child, t.storage);
    QVERIFY(plain.getSearchAlgorithm().isNull());
    QVERIFY(catchAs<NoIdExceptionOstra>([] { OstraSingleClass empty{QString()}; }));
}

QTEST_GUILESS_MAIN(tst_ClassTree)
#include "tst_classtree.moc"
