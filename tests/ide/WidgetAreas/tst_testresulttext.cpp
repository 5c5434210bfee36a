#include "ModelFixtures.h"

#include "WidgetAreas/TestResultText.h"
#include "model/OstraModel.h"
#include "solver/AlgorithmSolution.h"

#include <QtTest>

#include <memory>

namespace {

TestResultText::Labels labels()
{
    return {QStringLiteral("NoPath"),  QStringLiteral("NotFound"), QStringLiteral("Broken"),
            QStringLiteral("Failed"),  QStringLiteral("Then"),     QStringLiteral("Step"),
            QStringLiteral("Rule"),    QStringLiteral("Relation"), QStringLiteral("In"),
            QStringLiteral("Formula"), QStringLiteral("Out")};
}

const QString RULER = QString(36, QLatin1Char('-')) + QStringLiteral("\n\r");

} // namespace

// The class-test result text, made from hand-built solutions.
class tst_TestResultText : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void aBlockShowsTheStepRelationRuleAndValues();
    void solvedListsTheStepsFromZeroThenWhatIsMissing();
    void aRuleFailureNumbersAroundTheProblemRule();
    void aConstraintFailureNamesTheConstraint();
    void emptyOrUnsolvedSolutions();

private:
    std::unique_ptr<OstraModel> m_model;
    ParamPtr m_a;
    ParamPtr m_b;
    RelPtr m_relation;
};

void tst_TestResultText::init()
{
    m_model = std::make_unique<OstraModel>();
    m_a = makeParameter(QStringLiteral("a"));
    m_a->setValue(1.5);
    m_b = makeParameter(QStringLiteral("b"));
    m_b->setValue(3);
    m_relation = makeRelation(m_model->getRelationsStorage(), QStringLiteral("double"),
                              QStringLiteral("  b = 2 * a;  "), QStringList{QStringLiteral("a")},
                              QStringList{QStringLiteral("b")});
    m_relation->setDescription(QStringLiteral("twice"));
}

void tst_TestResultText::aBlockShowsTheStepRelationRuleAndValues()
{
    const RulePtr rule = makeRule(QStringLiteral("r"), m_relation, {{QStringLiteral("a"), m_a}},
                                  {{QStringLiteral("b"), m_b}});
    const QStringList blocks = TestResultText::ruleBlocks({rule, nullptr, rule}, 4, labels());
    QCOMPARE(blocks.size(), 2);
    QCOMPARE(blocks.at(0), QStringLiteral("Step 4\nRelation double (twice)\nRule r\nIn\na=1.5;\n"
                                          "Formula \nb = 2 * a;\nOut b=3;\n")
                               + RULER);
    // A null rule takes no number.
    QVERIFY(blocks.at(1).startsWith(QStringLiteral("Step 5\n")));
}

void tst_TestResultText::solvedListsTheStepsFromZeroThenWhatIsMissing()
{
    const RulePtr first = makeRule(QStringLiteral("r1"), m_relation);
    const RulePtr second = makeRule(QStringLiteral("r2"), m_relation);
    AlgorithmSolution solution;
    solution.setSolutionStatus(AlgorithmSolution::SOLVED);
    solution.appendRule(first);
    solution.appendRule(second);
    solution.addRequiredParameter(m_b);
    const QStringList lines = TestResultText::lines(solution, labels());
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines.at(0).startsWith(QStringLiteral("Step 0\n")));
    QVERIFY(lines.at(1).startsWith(QStringLiteral("Step 1\n")));
    QCOMPARE(lines.at(2), QStringLiteral("NotFound\nb;\n"));
    QCOMPARE(lines.at(3), QString());
    QCOMPARE(TestResultText::shownRules(solution), (QList<RulePtr>{first, second}));
}

void tst_TestResultText::aRuleFailureNumbersAroundTheProblemRule()
{
    const RulePtr before = makeRule(QStringLiteral("r1"), m_relation);
    const RulePtr problem = makeRule(QStringLiteral("r2"), m_relation);
    const RulePtr after = makeRule(QStringLiteral("r3"), m_relation);
    AlgorithmSolution solution;
    solution.setSolutionStatus(AlgorithmSolution::RULE_FAILED);
    for (const RulePtr &rule : {before, problem, after})
        solution.appendRule(rule);
    solution.setProblemRule(problem);
    const QStringList lines = TestResultText::lines(solution, labels());
    // The steps after the failure start again from the problem rule, counted on from the steps
    // before it; the problem rule itself is step -1.
    QStringList heads;
    for (const QString &line : lines)
        heads << line.section(QLatin1Char('\n'), 0, 0);
    QCOMPARE(heads, (QStringList{QStringLiteral("Step 0"), QStringLiteral("Failed"),
                                 QStringLiteral("Step -1"), QStringLiteral("Then"),
                                 QStringLiteral("Step 1"), QStringLiteral("Step 2"), QString()}));
    QVERIFY(lines.at(2).contains(QStringLiteral("Rule r2\n")));
    QCOMPARE(TestResultText::shownRules(solution),
             (QList<RulePtr>{before, problem, problem, after}));
}

void tst_TestResultText::aConstraintFailureNamesTheConstraint()
{
    const ConstrPtr constraint = makeConstraint(QStringLiteral("c"), m_relation,
                                                {{QStringLiteral("a"), m_a}});
    constraint->setDescription(QStringLiteral("positive"));
    m_a->setDescription(QStringLiteral("pressure"));
    AlgorithmSolution solution;
    solution.setSolutionStatus(AlgorithmSolution::CONSTRAINT_FAILED);
    solution.setProblemConstraint(constraint);
    QCOMPARE(TestResultText::lines(solution, labels()),
             (QStringList{QStringLiteral("Broken"), QStringLiteral("c |   b = 2 * a;   | positive"),
                          QStringLiteral("a(pressure)=1.5"), QString()}));
    QVERIFY(TestResultText::shownRules(solution).isEmpty());
}

void tst_TestResultText::emptyOrUnsolvedSolutions()
{
    AlgorithmSolution solution;
    solution.setSolutionStatus(AlgorithmSolution::SOLVED);
    QCOMPARE(TestResultText::lines(solution, labels()),
             (QStringList{QStringLiteral("NoPath"), QString()}));
    solution.setSolutionStatus(AlgorithmSolution::NOT_SOLVED);
    solution.appendRule(makeRule(QStringLiteral("r"), m_relation));
    QVERIFY(TestResultText::lines(solution, labels()).isEmpty());
    QVERIFY(TestResultText::shownRules(solution).isEmpty());
}

QTEST_MAIN(tst_TestResultText)
#include "tst_testresulttext.moc"
