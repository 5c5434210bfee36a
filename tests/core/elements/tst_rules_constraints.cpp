#include <QtTest>

#include "ModelFixtures.h"
#include "RecordingNode.h"
#include "XmlTestSupport.h"

#include "elements/ConstraintModel.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/RuleModel.h"
#include "errors/Exceptions.h"

namespace {

typedef ConstrPtr ConstraintPtr;
typedef RelPtr RelationPtr;

QList<int> codes(const ModelIntegrity &n_report)
{
    QList<int> result;
    for (const IntegrityMsg &msg : n_report.getIntegrityMsgs())
        result.append(msg.getMsgCode());
    return result;
}

const QHash<QString, QVariant::Type> XY_DOUBLE = variables(
    {QStringLiteral("x"), QStringLiteral("y")});
const QHash<QString, QVariant::Type> FLAG_BOOL = variables({QStringLiteral("flag")},
                                                           QVariant::Bool);

} // namespace

// Rules and constraints on real relations in a real relations storage: binding, calculation,
// stored form, integrity checks and the owned layer.
class tst_RulesConstraints : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_storage = QSharedPointer<RelationsStorage>::create(); }
    void cleanup() { m_storage.reset(); }

    void ruleBindingChecksRelationNameAndExactType();
    void ruleRebindingAndCopies();
    void ruleSearchDataUnitesInputPaths();
    void constraintBindingAndOwnResultParameter();
    void ruleCalculatesOnceBetweenResets();
    void ruleCalculationRefusesBrokenLinks();
    void constraintCalculationYieldsTheFlag();
    void constraintCalculationRefusesBadRelations();
    void ruleSaveWritesTheAttributeSetInOrder();
    void ruleSaveFailsPartWayAndRefusesUnsafeText();
    void loadReadsIdentityAndExtraFieldsOnly();
    void constraintSaveWritesItsAttributeSet();
    void ruleIntegrityFindingsInOrder();
    void ruleIntegrityDuplicateParameters();
    void constraintIntegrityFindingsInOrder();
    void ownedLayerViewsAndOwnerChecks();

private:
    QSharedPointer<RelationsStorage> m_storage;
};

void tst_RulesConstraints::ruleBindingChecksRelationNameAndExactType()
{
    const auto relation = makeRelation(m_storage, QStringLiteral("L1"), QStringLiteral("z = x + y"),
                                       XY_DOUBLE, variables({QStringLiteral("z")}));
    const auto x = makeParameter(QStringLiteral("PX"));
    const auto count = makeParameter(QStringLiteral("PI"), QVariant::Int);

    // Before the relation is linked nothing binds.
    const auto unlinked = makeRule(QStringLiteral("R0"), RelationPtr());
    const PointerIsNull noRelation = caught<PointerIsNull>(
        [&] { unlinked->addInputParameterConn(QStringLiteral("x"), x); });
    QCOMPARE(noRelation.getClassName(), QStringLiteral("RuleVertexPtrConn"));
    QCOMPARE(noRelation.getMethodName(),
             QStringLiteral("addInputParameterConn(const QString &n_relationVarName, "
                            "ParameterSharedPtr n_inputParameter)"));
    QVERIFY(unlinked->getInputParametersHash().isEmpty());

    const auto rule = makeRule(QStringLiteral("R1"), relation);
    QVERIFY_EXCEPTION_THROWN(rule->addInputParameterConn(QStringLiteral("q"), x),
                             NoElementExceptionOstra);
    const NoElementExceptionOstra noOutput = caught<NoElementExceptionOstra>(
        [&] { rule->addOutputParameterConn(QStringLiteral("x"), x); });
    QCOMPARE(noOutput.getMethodName(),
             QStringLiteral("addOutputParameterConn(const QString &n_relationVarName, "
                            "IPtrBFSData::ObjectTemplateSharedPtr n_outputParameter)"));

    // Exact type equality: an Int parameter does not bind a Double variable.
    const ValuesTypesMismatchExceptionOstra mismatch = caught<ValuesTypesMismatchExceptionOstra>(
        [&] { rule->addInputParameterConn(QStringLiteral("x"), count); });
    QCOMPARE(mismatch.getExceptionId(), 529);
    QCOMPARE(mismatch.getParameterId(), QStringLiteral("PI"));
    QCOMPARE(mismatch.getExternalValueType(), QVariant::Int);
    QCOMPARE(mismatch.getInternalValueType(), QVariant::Double);
    QVERIFY(rule->getInputParametersHash().isEmpty());

    rule->addInputParameterConn(QStringLiteral("x"), x);
    const ElementAlreadyExistExceptionOstra bound = caught<ElementAlreadyExistExceptionOstra>([&] {
        rule->addInputParameterConn(QStringLiteral("x"), makeParameter(QStringLiteral("P2")));
    });
    QCOMPARE(bound.getElementId(), QStringLiteral("x"));
    QCOMPARE(bound.getClassName(), QStringLiteral("PtrLinkerHash"));

    // An unbound name accepts a parameter again; one parameter may serve two input names.
    rule->removeInputParameterConn(QStringLiteral("x"));
    rule->addInputParameterConn(QStringLiteral("x"), x);
    rule->addInputParameterConn(QStringLiteral("y"), x);
    QCOMPARE(rule->countOfInputParameters(), 2);
}

void tst_RulesConstraints::ruleRebindingAndCopies()
{
    const auto relation = makeRelation(m_storage, QStringLiteral("L1"), QStringLiteral("z = x + y"),
                                       XY_DOUBLE, variables({QStringLiteral("z")}));
    const auto x = makeParameter(QStringLiteral("PX"));
    const auto y = makeParameter(QStringLiteral("PY"));
    const auto z = makeParameter(QStringLiteral("PZ"));
    const auto rule = makeRule(QStringLiteral("R1"), relation,
                               {{QStringLiteral("x"), x}, {QStringLiteral("y"), y}},
                               {{QStringLiteral("z"), z}});

    // A refused rebinding of a bound name keeps the parameter it had.
    QVERIFY_EXCEPTION_THROWN(rule->RuleVertexPtrConn::replaceInputParameter(QStringLiteral("x"), y),
                             ElementAlreadyExistExceptionOstra);
    QCOMPARE(rule->getInputParameter(QStringLiteral("x")), x);
    QVERIFY_EXCEPTION_THROWN(
        rule->RuleVertexPtrConn::replaceInputParameter(
            QStringLiteral("x"), makeParameter(QStringLiteral("PS"), QVariant::String)),
        ValuesTypesMismatchExceptionOstra);
    QCOMPARE(rule->getInputParameter(QStringLiteral("x")), x);
    const auto w = makeParameter(QStringLiteral("PW"));
    rule->RuleVertexPtrConn::replaceInputParameter(QStringLiteral("x"), w);
    QCOMPARE(rule->getInputParameter(QStringLiteral("x")), w);

    // Replacing with the parameter already there checks neither the variable nor the types.
    relation->deleteOutputParameter(QStringLiteral("z"));
    rule->RuleVertexPtrConn::replaceOutputParameter(QStringLiteral("z"), z);
    QCOMPARE(rule->getOutputParameter(QStringLiteral("z")), z);

    rule->m_explored = true;
    rule->m_required = true;
    rule->addAdditionalField(QStringLiteral("note"), QStringLiteral("n"));
    rule->setShortName(QStringLiteral("r1"));
    const RuleModel copy(*rule);
    QCOMPARE(copy.getId(), QStringLiteral("R1"));
    QCOMPARE(copy.getShortName(), QStringLiteral("r1"));
    QVERIFY(copy.m_explored && copy.m_required);
    QVERIFY(copy.getInputParametersHash().isEmpty() && copy.getOutputParametersHash().isEmpty());
    QVERIFY(copy.getRelationPtr().isNull());
    QVERIFY(!copy.hasParent());
    QVERIFY(copy.sharedFromThis().isNull());
    QCOMPARE(copy.getAdditionalFields().size(), 1);
}

void tst_RulesConstraints::ruleSearchDataUnitesInputPaths()
{
    const auto relation = makeRelation(m_storage, QStringLiteral("L1"), QStringLiteral("z = x + y"),
                                       XY_DOUBLE, variables({QStringLiteral("z")}));
    const auto x = makeParameter(QStringLiteral("PX"));
    const auto y = makeParameter(QStringLiteral("PY"));
    const auto rule = makeRule(QStringLiteral("R1"), relation);
    const auto before1 = makeRule(QStringLiteral("B1"), relation);
    const auto before2 = makeRule(QStringLiteral("B2"), relation);
    bindInput(x, QStringLiteral("x"), rule);
    bindInput(y, QStringLiteral("y"), rule);
    x->m_BFSRules = {before1};
    y->m_BFSRules = {before1, before2};

    rule->setBFSParent(x);
    QCOMPARE(rule->getBFSParent(), QSharedPointer<ParameterVertexPtrConn>(x));
    QCOMPARE(rule->m_BFSRules,
             IPtrBFSData<ParameterVertexPtrConn>::BFSRulesSet({before1, before2}));
    QVERIFY(!rule->m_explored);

    // An input whose parameter was removed has no path to give and is passed over.
    rule->removeInputParameterConn(QStringLiteral("y"));
    rule->reset();
    rule->setBFSParent(x);
    QCOMPARE(rule->m_BFSRules, IPtrBFSData<ParameterVertexPtrConn>::BFSRulesSet({before1}));

    rule->m_explored = true;
    rule->reset();
    QVERIFY(!rule->m_explored && rule->getBFSParent().isNull() && rule->m_BFSRules.isEmpty());
    QCOMPARE(rule->getInputParametersHash().size(), 2);
    QCOMPARE(rule->getRelationPtr(), relation);
}

void tst_RulesConstraints::constraintBindingAndOwnResultParameter()
{
    const auto relation = makeRelation(m_storage, QStringLiteral("L1"),
                                       QStringLiteral("flag = x < y"), XY_DOUBLE, FLAG_BOOL);
    const auto constraint = makeConstraint(QStringLiteral("C1"), RelationPtr());
    const auto result = constraint->getResultParameter();
    QCOMPARE(result->getId(), QStringLiteral("FLAG"));
    QCOMPARE(result->getValueType(), QVariant::Bool);
    QCOMPARE(result->getDefaultValue(), QVariant(false));

    const auto x = makeParameter(QStringLiteral("PX"));
    QVERIFY_EXCEPTION_THROWN(constraint->addInputParameterConn(QStringLiteral("x"), x),
                             PointerIsNull);
    constraint->setRelationPtr(relation);
    const auto mismatch = caught<ValuesTypesMismatchExceptionOstra>([&] {
        constraint->addInputParameterConn(QStringLiteral("x"),
                                          makeParameter(QStringLiteral("PI"), QVariant::Int));
    });
    QCOMPARE(mismatch.getExternalValueType(), QVariant::Int);
    QCOMPARE(mismatch.getInternalValueType(), QVariant::Double);
    QCOMPARE(mismatch.getClassName(), QStringLiteral("ConstraintVertexPtrConn"));
    QVERIFY(constraint->getInputParametersHash().isEmpty());

    bindConstraint(x, QStringLiteral("x"), constraint);
    const auto bound = caught<ElementAlreadyExistExceptionOstra>([&] {
        constraint->addInputParameterConn(QStringLiteral("x"), makeParameter(QStringLiteral("P2")));
    });
    QCOMPARE(bound.getElementId(), QStringLiteral("x"));

    // A copy has its own result parameter and no links; reset keeps everything.
    const ConstraintModel copy(*constraint);
    QVERIFY(copy.getResultParameter() != result);
    QVERIFY(copy.getInputParametersHash().isEmpty() && copy.getRelationPtr().isNull());
    constraint->reset();
    QCOMPARE(constraint->getInputParameter(QStringLiteral("x")), x);
    QCOMPARE(constraint->getRelationPtr(), relation);
}

void tst_RulesConstraints::ruleCalculatesOnceBetweenResets()
{
    const auto relation = makeRelation(
        m_storage, QStringLiteral("L1"),
        QStringLiteral("z = x + y; if (x > 100) { w = undefined; } else { w = x; }"), XY_DOUBLE,
        variables({QStringLiteral("z"), QStringLiteral("w")}));
    const auto x = makeParameter(QStringLiteral("PX"));
    const auto y = makeParameter(QStringLiteral("PY"));
    const auto z = makeParameter(QStringLiteral("PZ"));
    const auto w = makeParameter(QStringLiteral("PW"));
    const auto rule = makeRule(QStringLiteral("R1"), relation,
                               {{QStringLiteral("x"), x}, {QStringLiteral("y"), y}},
                               {{QStringLiteral("z"), z}, {QStringLiteral("w"), w}});
    x->setValue(2.0);
    y->setValue(3.0);

    QVERIFY(rule->calculate());
    QCOMPARE(z->getValue(), QVariant(5.0));
    QCOMPARE(w->getValue(), QVariant(2.0));
    QVERIFY(rule->isCalculated());
    QCOMPARE(rule->getResultsMap(),
             (QMap<QString, QVariant>{{QStringLiteral("PZ"), 5.0}, {QStringLiteral("PW"), 2.0}}));

    // Until reset the rule does not run again, whatever the inputs do.
    x->setValue(200.0);
    QVERIFY(rule->calculate());
    QCOMPARE(z->getValue(), QVariant(5.0));

    // An undefined result leaves its parameter as it was.
    rule->reset();
    QVERIFY(!rule->isCalculated());
    QVERIFY(rule->calculate());
    QCOMPARE(z->getValue(), QVariant(203.0));
    QCOMPARE(w->getValue(), QVariant(2.0));
    QVERIFY(rule->getProblemParameter().isNull());

    // An unbound output has no entry in the results.
    rule->removeOutputParameterConn(QStringLiteral("w"));
    QCOMPARE(rule->getResultsMap().keys(), QList<QString>({QStringLiteral("PZ")}));
}

void tst_RulesConstraints::ruleCalculationRefusesBrokenLinks()
{
    const auto relation = makeRelation(m_storage, QStringLiteral("L1"), QStringLiteral("z = x + y"),
                                       XY_DOUBLE, variables({QStringLiteral("z")}));
    const auto x = makeParameter(QStringLiteral("PX"));
    const auto y = makeParameter(QStringLiteral("PY"));
    const auto z = makeParameter(QStringLiteral("PZ"));
    x->setValue(1.0);
    y->setValue(1.0);

    // No relation: a refusal, not a crash.
    const auto orphan = makeRule(QStringLiteral("R0"), RelationPtr());
    const NoRelation noRelation = caught<NoRelation>([&] { orphan->calculate(); });
    QCOMPARE(noRelation.getClassName(), QStringLiteral("RuleCalculation"));
    QCOMPARE(noRelation.getMethodName(), QStringLiteral("calculate()"));

    // One of two inputs unbound: the counts differ, nothing is written and the relation never runs.
    const auto rule = makeRule(QStringLiteral("R1"), relation,
                               {{QStringLiteral("x"), x}, {QStringLiteral("y"), y}},
                               {{QStringLiteral("z"), z}});
    rule->removeInputParameterConn(QStringLiteral("y"));
    const auto counts = caught<InconsistencyDataExceptionOstra>([&] { rule->calculate(); });
    QCOMPARE(counts.getMethodName(), QStringLiteral("initInputRelationValue()"));
    QVERIFY(relation->getInputParameterValue(QStringLiteral("x")).isNull());

    // An unbound leftover name while the live count still matches is refused the same way.
    rule->deleteInputParameterConn(QStringLiteral("y"));
    rule->PtrLinkerInputParameters::addInputParameter(QStringLiteral("y"), y);
    rule->PtrLinkerInputParameters::addInputParameter(QStringLiteral("old"),
                                                      QSharedPointer<ParameterVertexPtrConn>());
    QCOMPARE(rule->countOfInputParameters(), 2);
    const auto leftover = caught<InconsistencyDataExceptionOstra>([&] { rule->calculate(); });
    QCOMPARE(leftover.getClassName(), QStringLiteral("RuleCalculation"));
    QCOMPARE(leftover.getMethodName(), QStringLiteral("initInputRelationValue()"));
    QVERIFY(relation->getInputParameterValue(QStringLiteral("x")).isNull());
    rule->deleteInputParameterConn(QStringLiteral("old"));

    // A result whose type does not fit its parameter fails and the rule stays uncalculated.
    const auto text = makeRelation(m_storage, QStringLiteral("L2"), QStringLiteral("z = 'abc'"),
                                   variables({QStringLiteral("x")}),
                                   variables({QStringLiteral("z")}));
    const auto textRule = makeRule(QStringLiteral("R2"), text, {{QStringLiteral("x"), x}},
                                   {{QStringLiteral("z"), z}});
    QVERIFY_EXCEPTION_THROWN(textRule->calculate(), ValuesTypesMismatchExceptionOstra);
    QVERIFY(!textRule->isCalculated());

    // A Double result is accepted by an Int parameter and kept as a Double.
    const auto half = makeRelation(m_storage, QStringLiteral("L3"), QStringLiteral("n = x / 2"),
                                   variables({QStringLiteral("x")}),
                                   {{QStringLiteral("n"), QVariant::Int}});
    const auto count = makeParameter(QStringLiteral("PN"), QVariant::Int);
    const auto halfRule = makeRule(QStringLiteral("R3"), half, {{QStringLiteral("x"), x}},
                                   {{QStringLiteral("n"), count}});
    QVERIFY(halfRule->calculate());
    QCOMPARE(count->getValue(), QVariant(0.5));
}

void tst_RulesConstraints::constraintCalculationYieldsTheFlag()
{
    const auto relation = makeRelation(m_storage, QStringLiteral("L1"),
                                       QStringLiteral("flag = x < y"), XY_DOUBLE, FLAG_BOOL);
    const auto x = makeParameter(QStringLiteral("PX"));
    const auto y = makeParameter(QStringLiteral("PY"));
    const auto constraint = makeConstraint(QStringLiteral("C1"), relation,
                                           {{QStringLiteral("x"), x}, {QStringLiteral("y"), y}});
    x->setValue(2.0);
    y->setValue(3.0);

    QVERIFY(constraint->calculate());
    QCOMPARE(constraint->getResultParameter()->getValue(), QVariant(true));

    // A violated constraint stays violated when asked again before reset.
    x->setValue(5.0);
    constraint->reset();
    QCOMPARE(constraint->getResultParameter()->getValue(), QVariant(true));
    QVERIFY(!constraint->calculate());
    QCOMPARE(constraint->getResultParameter()->getValue(), QVariant(false));
    x->setValue(1.0);
    QVERIFY(!constraint->calculate());
    QVERIFY(constraint->isCalculated());

    constraint->reset();
    QVERIFY(constraint->calculate());
}

void tst_RulesConstraints::constraintCalculationRefusesBadRelations()
{
    const auto x = makeParameter(QStringLiteral("PX"));
    x->setValue(1.0);
    const QHash<QString, QVariant::Type> justX = variables({QStringLiteral("x")});

    // A single output with another name is found only after the run.
    const auto named = makeRelation(m_storage, QStringLiteral("L1"), QStringLiteral("ok = x > 0"),
                                    justX, {{QStringLiteral("ok"), QVariant::Bool}});
    const auto c1 = makeConstraint(QStringLiteral("C1"), named, {{QStringLiteral("x"), x}});
    const auto afterRun = caught<InconsistencyDataExceptionOstra>([&] { c1->calculate(); });
    QCOMPARE(afterRun.getClassName(), QStringLiteral("ConstraintCalculation"));
    QCOMPARE(afterRun.getMethodName(), QStringLiteral("getOutputRelationValue()"));
    QCOMPARE(named->getOutputParameterValue(QStringLiteral("ok")), QVariant(true));
    QVERIFY(!c1->isCalculated());

    // Two outputs fail in the preset, before the run.
    const auto two = makeRelation(
        m_storage, QStringLiteral("L2"), QStringLiteral("flag = true; other = true"), justX,
        {{QStringLiteral("flag"), QVariant::Bool}, {QStringLiteral("other"), QVariant::Bool}});
    const auto c2 = makeConstraint(QStringLiteral("C2"), two, {{QStringLiteral("x"), x}});
    const auto beforeRun = caught<InconsistencyDataExceptionOstra>([&] { c2->calculate(); });
    QCOMPARE(beforeRun.getMethodName(), QStringLiteral("initOutputRelationValue()"));
    QVERIFY(two->getOutputParameterValue(QStringLiteral("other")).isNull());

    // A flag that is not Boolean gives 529 and the result keeps its value.
    const auto number = makeRelation(m_storage, QStringLiteral("L3"), QStringLiteral("flag = 1"),
                                     justX, FLAG_BOOL);
    const auto c3 = makeConstraint(QStringLiteral("C3"), number, {{QStringLiteral("x"), x}});
    const auto notBool = caught<ValuesTypesMismatchExceptionOstra>([&] { c3->calculate(); });
    QCOMPARE(notBool.getExceptionId(), 529);
    QCOMPARE(notBool.getParameterId(), QStringLiteral("FLAG"));
    QCOMPARE(c3->getResultParameter()->getValue(), QVariant(false));
    QVERIFY(!c3->isCalculated());

    // Neither a missing relation nor an unbound leftover name may crash.
    const auto orphan = makeConstraint(QStringLiteral("C4"), RelationPtr());
    const NoRelation noRelation = caught<NoRelation>([&] { orphan->calculate(); });
    QCOMPARE(noRelation.getClassName(), QStringLiteral("ConstraintCalculation"));
    const auto c5 = makeConstraint(QStringLiteral("C5"), number, {{QStringLiteral("x"), x}});
    c5->PtrLinkerInputParameters::addInputParameter(QStringLiteral("old"),
                                                    QSharedPointer<ParameterVertexPtrConn>());
    const auto leftover = caught<InconsistencyDataExceptionOstra>([&] { c5->calculate(); });
    QCOMPARE(leftover.getMethodName(), QStringLiteral("initInputRelationValue()"));
}

void tst_RulesConstraints::ruleSaveWritesTheAttributeSetInOrder()
{
    const auto relation = makeRelation(m_storage, QStringLiteral("L1"), QStringLiteral("z = a + b"),
                                       variables({QStringLiteral("a"), QStringLiteral("b")}),
                                       variables({QStringLiteral("z")}));
    const auto p1 = makeParameter(QStringLiteral("P1"));
    const auto p2 = makeParameter(QStringLiteral("P2"));
    const auto p3 = makeParameter(QStringLiteral("P3"));
    const auto rule = makeRule(QStringLiteral("R1"), relation);
    rule->setAuthor(QStringLiteral("me"));
    bindInput(p1, QStringLiteral("a"), rule);
    bindInput(p2, QStringLiteral("b"), rule);
    bindOutput(rule, QStringLiteral("z"), p3);
    rule->addAdditionalField(QStringLiteral("zeta"), QStringLiteral("1"));
    rule->addAdditionalField(QStringLiteral("Alpha"), QStringLiteral("2"));

    RecordingNode node;
    rule->save(node);
    QCOMPARE(node.written, QStringList({QStringLiteral("id"), QStringLiteral("shortName"),
                                        QStringLiteral("author"), QStringLiteral("initId"),
                                        QStringLiteral("resultId"), QStringLiteral("relation"),
                                        QStringLiteral("Alpha"), QStringLiteral("zeta")}));
    // The pairs follow the link table; compare against the table's own order and as a set.
    QCOMPARE(node.values.value(QStringLiteral("initId")),
             ISerializebleObject::convertLinkedObjectsToString(rule->getInputParametersIds()));
    const QStringList pairs = node.values.value(QStringLiteral("initId")).split(QLatin1Char(';'));
    QCOMPARE(QSet<QString>(pairs.begin(), pairs.end()),
             QSet<QString>({QStringLiteral("a:P1"), QStringLiteral("b:P2")}));
    QCOMPARE(node.values.value(QStringLiteral("resultId")), QStringLiteral("z:P3"));
    QCOMPARE(node.values.value(QStringLiteral("relation")), QStringLiteral("L1"));

    // Extra fields named like the rule's own attributes would overwrite them: they are skipped.
    for (const QString &name :
         {QStringLiteral("id"), QStringLiteral("initId"), QStringLiteral("resultId"),
          QStringLiteral("relation"), QStringLiteral("internalInfo")})
        rule->addAdditionalField(name, QStringLiteral("bogus"));
    RecordingNode again;
    rule->save(again);
    QCOMPARE(again.written, node.written);
    QCOMPARE(again.values, node.values);
}

void tst_RulesConstraints::ruleSaveFailsPartWayAndRefusesUnsafeText()
{
    const auto relation = makeRelation(m_storage, QStringLiteral("L1"), QStringLiteral("z = a"),
                                       variables({QStringLiteral("a")}),
                                       variables({QStringLiteral("z")}));
    const auto method = QStringLiteral("save(ISerializerObject &n_object)");

    // No relation: the identity is already written when the save stops.
    const auto orphan = makeRule(QStringLiteral("R0"), RelationPtr());
    RecordingNode first;
    const auto noRelation = caught<PointerIsNull>([&] { orphan->save(first); });
    QCOMPARE(noRelation.getClassName(), QStringLiteral("RuleVertexPtrConnData"));
    QCOMPARE(noRelation.getMethodName(), method);
    QCOMPARE(first.written, QStringList({QStringLiteral("id"), QStringLiteral("shortName")}));

    // An unbound input name while the relation still declares it.
    const auto a = makeParameter(QStringLiteral("PA"));
    const auto z = makeParameter(QStringLiteral("PZ"));
    const auto rule = makeRule(QStringLiteral("R1"), relation, {{QStringLiteral("a"), a}},
                               {{QStringLiteral("z"), z}});
    rule->removeInputParameterConn(QStringLiteral("a"));
    RecordingNode second;
    const auto unbound = caught<InconsistencyDataExceptionOstra>([&] { rule->save(second); });
    QCOMPARE(unbound.getMethodName(), method);
    QCOMPARE(second.written, QStringList({QStringLiteral("id"), QStringLiteral("shortName")}));

    // A relation without inputs and a rule without input links.
    const auto noInputs = makeRelation(m_storage, QStringLiteral("L2"), QStringLiteral("z = 1"), {},
                                       variables({QStringLiteral("z")}));
    const auto bare = makeRule(QStringLiteral("R2"), noInputs);
    RecordingNode third;
    QVERIFY_EXCEPTION_THROWN(bare->save(third), NoInputParameters);

    // An id holding a pair separator would break the link text on reload: nothing is written.
    const auto colon = makeParameter(QStringLiteral("P:1"));
    const auto safe = makeRule(QStringLiteral("R3"), relation, {{QStringLiteral("a"), colon}},
                               {{QStringLiteral("z"), z}});
    RecordingNode fourth;
    const auto unsafe = caught<InconsistencyDataExceptionOstra>([&] { safe->save(fourth); });
    QCOMPARE(unsafe.getClassName(), QStringLiteral("RuleVertexPtrConnData"));
    QVERIFY(fourth.written.isEmpty());

    const auto semicolon = makeParameter(QStringLiteral("P;1"));
    const auto constraint = makeConstraint(QStringLiteral("C1"), relation,
                                           {{QStringLiteral("a"), semicolon}});
    RecordingNode fifth;
    QVERIFY_EXCEPTION_THROWN(constraint->save(fifth), InconsistencyDataExceptionOstra);
    QVERIFY(fifth.written.isEmpty());

    RuleModel noId;
    RecordingNode sixth;
    QVERIFY_EXCEPTION_THROWN(noId.save(sixth), NoIdExceptionOstra);
    QVERIFY(sixth.written.isEmpty());
}

void tst_RulesConstraints::loadReadsIdentityAndExtraFieldsOnly()
{
    RecordingNode node;
    node.values = {{QStringLiteral("shortName"), QStringLiteral("r")},
                   {QStringLiteral("unit"), QStringLiteral("kg")}};
    RuleModel rule;
    const auto noId = caught<NoIdExceptionOstra>([&] { rule.load(node); });
    QCOMPARE(noId.getExceptionId(), 520);
    QCOMPARE(noId.getClassName(), QStringLiteral("RuleVertexPtrConnData"));
    QCOMPARE(noId.getMethodName(), QStringLiteral("load(const ISerializerObject &n_object)"));
    QVERIFY(rule.getShortName().isEmpty() && rule.getAdditionalFields().isEmpty());

    node.values.insert(QStringLiteral("id"), QStringLiteral("R1"));
    node.values.insert(QStringLiteral("initId"), QStringLiteral("a:P1"));
    node.values.insert(QStringLiteral("resultId"), QStringLiteral("z:P2"));
    node.values.insert(QStringLiteral("relation"), QStringLiteral("L1"));
    rule.load(node);
    QCOMPARE(rule.getId(), QStringLiteral("R1"));
    QCOMPARE(rule.getShortName(), QStringLiteral("r"));
    QCOMPARE(rule.getAdditionalFields(),
             (QHash<QString, QVariant>{{QStringLiteral("unit"), QStringLiteral("kg")}}));
    QVERIFY(rule.getInputParametersHash().isEmpty() && rule.getRelationPtr().isNull());

    // The unknown attribute goes back out as it came.
    const auto relation = makeRelation(m_storage, QStringLiteral("L1"),
                                       QStringLiteral("flag = a > 0"),
                                       variables({QStringLiteral("a")}), FLAG_BOOL);
    auto constraint = QSharedPointer<ConstraintModel>::create();
    constraint->load(node);
    constraint->setRelationPtr(relation);
    const auto p1 = makeParameter(QStringLiteral("P1"));
    bindConstraint(p1, QStringLiteral("a"), constraint);
    RecordingNode out;
    constraint->save(out);
    QCOMPARE(out.values.value(QStringLiteral("unit")), QStringLiteral("kg"));

    ConstraintVertexPtrConnData fromNode(node);
    QCOMPARE(fromNode.getId(), QStringLiteral("R1"));
    node.values.remove(QStringLiteral("id"));
    QVERIFY_EXCEPTION_THROWN(ConstraintVertexPtrConnData broken(node), NoIdExceptionOstra);
}

void tst_RulesConstraints::constraintSaveWritesItsAttributeSet()
{
    const auto relation = makeRelation(m_storage, QStringLiteral("L1"),
                                       QStringLiteral("flag = x < y"), XY_DOUBLE, FLAG_BOOL);
    const auto constraint = makeConstraint(QStringLiteral("C1"), relation);
    const auto x = makeParameter(QStringLiteral("PX"));
    const auto y = makeParameter(QStringLiteral("PY"));
    bindConstraint(x, QStringLiteral("x"), constraint);
    bindConstraint(y, QStringLiteral("y"), constraint);
    constraint->addAdditionalField(QStringLiteral("relation"), QStringLiteral("bogus"));

    RecordingNode node;
    constraint->save(node);
    QCOMPARE(node.written, QStringList({QStringLiteral("id"), QStringLiteral("shortName"),
                                        QStringLiteral("initId"), QStringLiteral("relation")}));
    QCOMPARE(
        node.values.value(QStringLiteral("initId")),
        ISerializebleObject::convertLinkedObjectsToString(constraint->getInputParametersIds()));
    QCOMPARE(node.values.value(QStringLiteral("relation")), QStringLiteral("L1"));

    constraint->removeInputParameterConn(QStringLiteral("y"));
    RecordingNode broken;
    const auto e = caught<InconsistencyDataExceptionOstra>([&] { constraint->save(broken); });
    QCOMPARE(e.getClassName(), QStringLiteral("ConstraintVertexPtrConnData"));
}

void tst_RulesConstraints::ruleIntegrityFindingsInOrder()
{
    const auto oneInput = makeRelation(m_storage, QStringLiteral("L1"), QStringLiteral("z = x"),
                                       variables({QStringLiteral("x")}),
                                       variables({QStringLiteral("z")}));
    const auto x = makeParameter(QStringLiteral("PX"));
    const auto z = makeParameter(QStringLiteral("PZ"));

    // The only input unbound: no live input, the unbound name, the count mismatch.
    const auto rule = makeRule(QStringLiteral("R1"), oneInput, {{QStringLiteral("x"), x}},
                               {{QStringLiteral("z"), z}});
    QVERIFY(codes(rule->checkRuleIntegrity()).isEmpty());
    rule->removeInputParameterConn(QStringLiteral("x"));
    const ModelIntegrity broken = rule->checkRuleIntegrity();
    QCOMPARE(codes(broken), QList<int>({2, 8, 4}));
    QVERIFY(broken.areAnyErrors());
    QCOMPARE(broken.getIntegrityMsgs().first().getMsgReasons(),
             QList<QSharedPointer<const BaseOstraObj>>({rule, oneInput}));

    // A lone empty short name is a warning only.
    const auto unnamed = makeRule(QStringLiteral("R2"), oneInput);
    unnamed->setShortName(QString());
    bindInput(x, QStringLiteral("x"), unnamed);
    bindOutput(unnamed, QStringLiteral("z"), z);
    const ModelIntegrity warning = unnamed->checkRuleIntegrity();
    QCOMPARE(codes(warning), QList<int>({25}));
    QCOMPARE(warning.getIntegrityMsgs().first().getMsgType(), IntegrityMsg::WARNING);
    QVERIFY(!warning.areAnyErrors());

    // Without relation nothing else is looked at, whatever the name.
    const auto orphan = makeRule(QStringLiteral("R3"), RelationPtr());
    orphan->setShortName(QString());
    QCOMPARE(codes(orphan->checkRuleIntegrity()), QList<int>({1}));

    // Names the relation does not declare and wrong types, bound past the binding checks.
    const auto text = makeParameter(QStringLiteral("PS"), QVariant::String);
    const auto raw = QSharedPointer<RuleModel>::create(
        QStringLiteral("R4"),
        QHash<QString, QSharedPointer<ParameterVertexPtrConn>>{{QStringLiteral("x"), text}},
        QHash<QString, QSharedPointer<ParameterVertexPtrConn>>{{QStringLiteral("q"), z}},
        QSharedPointer<OstraClass>());
    raw->setShortName(QStringLiteral("r4"));
    raw->setRelationPtr(oneInput);
    const ModelIntegrity links = raw->checkRuleIntegrity();
    QCOMPARE(codes(links), QList<int>({6, 18}));
    QCOMPARE(links.getIntegrityMsgs().at(0).getMsgReasons(),
             QList<QSharedPointer<const BaseOstraObj>>({raw, oneInput, text}));

    // Two unbound outputs: one finding each, and no duplicate finding for the two empty links.
    const auto twoOut = makeRelation(
        m_storage, QStringLiteral("L2"), QStringLiteral("z1 = x; z2 = x"),
        variables({QStringLiteral("x")}), variables({QStringLiteral("z1"), QStringLiteral("z2")}));
    const auto empty = makeRule(QStringLiteral("R5"), twoOut, {{QStringLiteral("x"), x}},
                                {{QStringLiteral("z1"), z}});
    const auto other = makeParameter(QStringLiteral("P2"));
    bindOutput(empty, QStringLiteral("z2"), other);
    empty->removeOutputParameterConn(QStringLiteral("z1"));
    empty->removeOutputParameterConn(QStringLiteral("z2"));
    QCOMPARE(codes(empty->checkRuleIntegrity()), QList<int>({3, 9, 9, 5}));

    // Unbound names on both sides meet as one empty parameter: no finding can name it.
    empty->removeInputParameterConn(QStringLiteral("x"));
    QCOMPARE(codes(empty->checkRuleIntegrity()), QList<int>({2, 3, 8, 9, 9, 4, 5}));
}

void tst_RulesConstraints::ruleIntegrityDuplicateParameters()
{
    const auto relation = makeRelation(m_storage, QStringLiteral("L1"), QStringLiteral("z1 = x"),
                                       variables({QStringLiteral("x")}),
                                       variables({QStringLiteral("z1"), QStringLiteral("z2"),
                                                  QStringLiteral("z3"), QStringLiteral("z4")}));
    const auto x = makeParameter(QStringLiteral("PX"));
    const auto p = makeParameter(QStringLiteral("PP"));
    const auto q = makeParameter(QStringLiteral("PQ"));

    // One parameter under two output names: one finding 28.
    const auto rule = makeRule(
        QStringLiteral("R1"), relation, {{QStringLiteral("x"), x}},
        {{QStringLiteral("z1"), p}, {QStringLiteral("z2"), p}, {QStringLiteral("z3"), q}});
    const auto r = makeParameter(QStringLiteral("PR"));
    bindOutput(rule, QStringLiteral("z4"), r);
    QCOMPARE(codes(rule->checkRuleIntegrity()), QList<int>({28}));
    QCOMPARE(rule->checkRuleIntegrity().getIntegrityMsgs().first().getMsgReasons(),
             QList<QSharedPointer<const BaseOstraObj>>({rule}));

    // Under three names still one finding, under four two.
    rule->removeOutputParameterConn(QStringLiteral("z3"));
    rule->addOutputParameterConn(QStringLiteral("z3"), p);
    QCOMPARE(codes(rule->checkRuleIntegrity()), QList<int>({28}));
    rule->removeOutputParameterConn(QStringLiteral("z4"));
    rule->addOutputParameterConn(QStringLiteral("z4"), p);
    QCOMPARE(codes(rule->checkRuleIntegrity()), QList<int>({28, 28}));

    // Every output among the inputs: one finding 29 for all shared parameters.
    const auto loop = makeRelation(m_storage, QStringLiteral("L2"), QStringLiteral("y = x; w = v"),
                                   variables({QStringLiteral("x"), QStringLiteral("v")}),
                                   variables({QStringLiteral("y"), QStringLiteral("w")}));
    const auto circular = makeRule(QStringLiteral("R2"), loop,
                                   {{QStringLiteral("x"), p}, {QStringLiteral("v"), q}},
                                   {{QStringLiteral("y"), p}, {QStringLiteral("w"), q}});
    QCOMPARE(codes(circular->checkRuleIntegrity()), QList<int>({29}));

    // One new output is enough to clear it.
    circular->removeOutputParameterConn(QStringLiteral("w"));
    circular->addOutputParameterConn(QStringLiteral("w"), x);
    QCOMPARE(codes(circular->checkRuleIntegrity()), QList<int>());
}

void tst_RulesConstraints::constraintIntegrityFindingsInOrder()
{
    const auto orphan = makeConstraint(QStringLiteral("C0"), RelationPtr());
    orphan->setShortName(QString());
    const ModelIntegrity alone = orphan->checkConstraintIntegrity();
    QCOMPARE(codes(alone), QList<int>({10}));
    QCOMPARE(alone.getIntegrityMsgs().first().getMsgReasons(),
             QList<QSharedPointer<const BaseOstraObj>>({orphan}));

    const auto relation = makeRelation(m_storage, QStringLiteral("L1"),
                                       QStringLiteral("flag = x > 0"),
                                       variables({QStringLiteral("x")}), FLAG_BOOL);
    const auto x = makeParameter(QStringLiteral("PX"));
    const auto constraint = makeConstraint(QStringLiteral("C1"), relation,
                                           {{QStringLiteral("x"), x}});
    QVERIFY(codes(constraint->checkConstraintIntegrity()).isEmpty());
    constraint->setShortName(QString());
    const ModelIntegrity warning = constraint->checkConstraintIntegrity();
    QCOMPARE(codes(warning), QList<int>({26}));
    QVERIFY(!warning.areAnyErrors());

    constraint->setShortName(QStringLiteral("c1"));
    constraint->removeInputParameterConn(QStringLiteral("x"));
    constraint->PtrLinkerInputParameters::addInputParameter(
        QStringLiteral("old"), QSharedPointer<ParameterVertexPtrConn>());
    QCOMPARE(codes(constraint->checkConstraintIntegrity()), QList<int>({11, 14, 12}));

    const auto text = makeParameter(QStringLiteral("PS"), QVariant::String);
    const auto raw = QSharedPointer<ConstraintModel>::create(
        QStringLiteral("C2"),
        QHash<QString, QSharedPointer<ParameterVertexPtrConn>>{{QStringLiteral("x"), text}},
        QSharedPointer<OstraClass>());
    raw->setShortName(QStringLiteral("c2"));
    raw->setRelationPtr(relation);
    QCOMPARE(codes(raw->checkConstraintIntegrity()), QList<int>({13}));
    raw->deleteInputParameterConn(QStringLiteral("x"));
    raw->PtrLinkerInputParameters::addInputParameter(QStringLiteral("q"), x);
    QCOMPARE(codes(raw->checkConstraintIntegrity()), QList<int>({15}));
}

void tst_RulesConstraints::ownedLayerViewsAndOwnerChecks()
{
    const auto relation = makeRelation(m_storage, QStringLiteral("L1"), QStringLiteral("z = x"),
                                       variables({QStringLiteral("x")}),
                                       variables({QStringLiteral("z")}));
    auto x = makeParameter(QStringLiteral("PX"));
    const auto rule = makeRule(QStringLiteral("R1"), relation, {{QStringLiteral("x"), x}});
    QCOMPARE(rule->getInputParameters().value(QStringLiteral("x")), x);

    // A parameter destroyed elsewhere leaves the name listed with no parameter.
    x.reset();
    QVERIFY(rule->getInputParameters().contains(QStringLiteral("x")));
    QVERIFY(rule->getInputParameter(QStringLiteral("x")).isNull());
    const auto absent = caught<NoElementExceptionOstra>(
        [&] { rule->getOutputParameter(QStringLiteral("q")); });
    QCOMPARE(absent.getClassName(), QStringLiteral("PtrLinkerHash"));
    QCOMPARE(absent.getMethodName(), QStringLiteral("getObject(const QString& n_linkedName)"));

    const QSharedPointer<BaseOstraObj> asRule = rule;
    const QSharedPointer<BaseOstraObj> asConstraint = makeConstraint(QStringLiteral("C1"),
                                                                     relation);
    QCOMPARE(asRule->getOstraObjectType(), OBJECT_TYPE_RULE);
    QCOMPARE(asConstraint->getOstraObjectType(), OBJECT_TYPE_CONSTRAINT);

    QVERIFY_EXCEPTION_THROWN(
        QSharedPointer<RuleModel>::create(QString(), QSharedPointer<OstraClass>()),
        NoIdExceptionOstra);
    const auto noParent = caught<NoParentException>([&] { rule->removeParent(); });
    QCOMPARE(noParent.getObjectWithNoParnetId(), QStringLiteral("R1"));
    QCOMPARE(noParent.getClassName(), QStringLiteral("RuleModel"));
    const auto constraint = qSharedPointerCast<ConstraintModel>(asConstraint);
    QCOMPARE(caught<NoParentException>([&] { constraint->removeParent(); }).getClassName(),
             QStringLiteral("ConstraintModel"));
    QVERIFY_EXCEPTION_THROWN(rule->setParent(QSharedPointer<OstraClass>()), PointerIsNull);
    QVERIFY_EXCEPTION_THROWN(constraint->setParent(QSharedPointer<OstraClass>()), PointerIsNull);
}

QTEST_GUILESS_MAIN(tst_RulesConstraints)
#include "tst_rules_constraints.moc"
