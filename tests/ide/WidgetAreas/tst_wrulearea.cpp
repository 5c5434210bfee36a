#include "BoxRecorder.h"
#include "ModelFixtures.h"

#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "RuleWidgets/dChooseParamRule.h"
#include "WidgetAreas/MessageItem.h"
#include "WidgetAreas/wRuleArea.h"
#include "errors/IntegrityMsg.h"
#include "model/OstraModel.h"
#include "workspace/colleagues/RuleColleague.h"
#include "workspace/mediators/BaseMediator.h"
#include "workspace/routing/CommandItem.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

namespace {

class ErrorMediator : public BaseMediator
{
public:
    void send(CommandItem *, BaseColleague *) const override {}
    bool command(CommandType, BaseColleague *) const override { return true; }
    void sendError(MessageItem *n_message, BaseColleague *) const override
    {
        errors << n_message->getInformation();
    }
    void sendInformation(QStringList, BaseColleague *) const override {}
    mutable QStringList errors;
};

QString ide(int n_offset)
{
    return ErrorDictionary::Instance().getErrorById(10000 + n_offset);
}

QString integrity(int n_code)
{
    return ErrorDictionary::Instance().getErrorById(1000 + n_code);
}

// A model with Double parameters a, b and String s, a formula relation y = x + x, a relation
// without outputs and a constraint relation on x.
struct RuleModelFixture
{
    RuleModelFixture()
    {
        root = model.getRootClass();
        root->addParameter(
            makeParameter(QStringLiteral("a"), QVariant::Double, QStringLiteral("A")));
        root->addParameter(
            makeParameter(QStringLiteral("b"), QVariant::Double, QStringLiteral("B")));
        root->addParameter(
            makeParameter(QStringLiteral("s"), QVariant::String, QStringLiteral("S")));
        formula = makeRelation(model.getRelationsStorage(), QStringLiteral("f"),
                               QStringLiteral("y = x + x;"), variables({QStringLiteral("x")}),
                               variables({QStringLiteral("y")}));
        makeRelation(model.getRelationsStorage(), QStringLiteral("noout"), QStringLiteral("x;"),
                     variables({QStringLiteral("x")}), {});
        makeRelation(model.getRelationsStorage(), QStringLiteral("c"),
                     QStringLiteral("flag = x > 0;"), variables({QStringLiteral("x")}),
                     variables({QStringLiteral("flag")}), RelationModel::RELATION_CONSTRAINT);
    }
    OstraModel model;
    ClassPtr root;
    RelPtr formula;
};

// A page on one model with its error list, driven as a user would.
struct Page
{
    explicit Page(RuleModelFixture &n_fixture) : colleague(&mediator)
    {
        page.setColleague(&colleague);
        page.setData(n_fixture.root.data());
    }
    ~Page() { MessageBoxes::setDialogHandler({}); }

    QTableWidget *table(bool n_input) const
    {
        return page.findChild<QTableWidget *>(n_input ? QStringLiteral("twInputParams")
                                                      : QStringLiteral("twOutputParams"));
    }
    int row(bool n_input, const QString &n_name) const
    {
        for (int i = 0; i < table(n_input)->rowCount(); ++i)
            if (table(n_input)->item(i, 0)->text() == n_name)
                return i;
        return -1;
    }
    QString shown(bool n_input, const QString &n_name) const
    {
        return static_cast<QLineEdit *>(table(n_input)->cellWidget(row(n_input, n_name), 1))
            ->text();
    }
    // Clicks "..." of the variable's row; the chooser picks n_id (empty: cancelled). Returns the
    // value-type filter the chooser was given, read from what it offers.
    void choose(bool n_input, const QString &n_name, const QString &n_id)
    {
        MessageBoxes::setDialogHandler([n_id](QDialog &n_dialog) {
            auto &chooser = static_cast<dChooseParamRule &>(n_dialog);
            if (n_id.isEmpty())
                return int(QDialog::Rejected);
            QString id = n_id;
            chooser.setCurrentParameter(id);
            return int(QDialog::Accepted);
        });
        static_cast<QPushButton *>(table(n_input)->cellWidget(row(n_input, n_name), 2))->click();
    }
    void clean(bool n_input, const QString &n_name)
    {
        static_cast<QPushButton *>(table(n_input)->cellWidget(row(n_input, n_name), 3))->click();
    }
    void title(const QString &n_title)
    {
        page.findChild<QLineEdit *>(QStringLiteral("leTitle"))->setText(n_title);
    }
    // A new rule "R" on the formula relation, x bound to a and y to b.
    void newRuleOnFormula()
    {
        page.setParent(QStringLiteral("f"));
        title(QStringLiteral("R"));
        choose(true, QStringLiteral("x"), QStringLiteral("a"));
        choose(false, QStringLiteral("y"), QStringLiteral("b"));
    }

    ErrorMediator mediator;
    RuleColleague colleague;
    wRuleArea page;
};

QSet<QString> linkIds(const QHash<QString, ParamPtr> &n_links)
{
    QSet<QString> ids;
    for (auto it = n_links.cbegin(); it != n_links.cend(); ++it)
        ids.insert(it.key() + QLatin1Char('=') + (it.value() ? it.value()->getId() : QString()));
    return ids;
}

} // namespace

// The rule and constraint page: binding through the chooser, the checks before a save, the
// writing of links, and how it follows relations and parameters changed elsewhere.
class tst_wRuleArea : public QObject
{
    Q_OBJECT

private slots:
    void validationReportsEveryProblem_data();
    void validationReportsEveryProblem();
    void savesRuleAndConstraintWithTheirLinks_data();
    void savesRuleAndConstraintWithTheirLinks();
    void secondSaveKeepsLinksAndRebindingReplaces();
    void cancelledChooserChangesNothing();
    void retypedParameterIsRefusedUntilRebound();
    void throwingLinkWriteTakesTheNewRuleOutAgain();
    void pageWithoutLiveRelationRefuses();
    void followsRelationAndParameterChanges();
    void editsMarkOnlyLoadedPagesAndTitleIsCut();
    void typingIntoALongerLoadedDescriptionKeepsIt();
};

void tst_wRuleArea::validationReportsEveryProblem_data()
{
    QTest::addColumn<QString>("relation");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("bound"); // "in:x", "out:y"
    QTest::addColumn<QStringList>("errors");

    QTest::newRow("empty title and one unbound input")
        << "f"
        << "" << QStringList{QStringLiteral("out:y")} << QStringList{ide(210), ide(220)};
    QTest::newRow("untouched variables are reported")
        << "f"
        << "R" << QStringList{} << QStringList{ide(220), ide(230)};
    QTest::newRow("relation without outputs")
        << "noout"
        << "R" << QStringList{QStringLiteral("in:x")} << QStringList{ide(230)};
    QTest::newRow("constraint has no output check")
        << "c"
        << "C" << QStringList{} << QStringList{ide(220)};
    QTest::newRow("unknown relation") << "nothere"
                                      << "R" << QStringList{} << QStringList{ide(220)};
}

void tst_wRuleArea::validationReportsEveryProblem()
{
    QFETCH(QString, relation);
    QFETCH(QString, title);
    QFETCH(QStringList, bound);
    QFETCH(QStringList, errors);

    RuleModelFixture fixture;
    Page page(fixture);
    page.page.setParent(relation);
    page.title(title);
    for (const QString &side : bound)
        page.choose(side.startsWith(QLatin1String("in")),
                    side.mid(side.indexOf(QLatin1Char(':')) + 1), QStringLiteral("a"));
    QVERIFY(!page.page.save());
    QCOMPARE(page.mediator.errors, errors);
    QVERIFY(fixture.root->getRulesHash().isEmpty());
    QVERIFY(fixture.root->getConstraintsHash().isEmpty());
    QVERIFY(page.page.getUid().isEmpty());

    // Without a colleague the same problems come in boxes.
    BoxRecorder boxes;
    page.page.setColleague(nullptr);
    QVERIFY(!page.page.save());
    QCOMPARE(boxes.texts(), errors);
}

void tst_wRuleArea::savesRuleAndConstraintWithTheirLinks_data()
{
    QTest::addColumn<QString>("relation");
    QTest::addColumn<bool>("constraint");
    QTest::addColumn<QSet<QString>>("inputs");
    QTest::addColumn<QSet<QString>>("outputs");

    QTest::newRow("rule") << "f" << false << QSet<QString>{QStringLiteral("x=a")}
                          << QSet<QString>{QStringLiteral("y=b")};
    QTest::newRow("constraint") << "c" << true << QSet<QString>{QStringLiteral("x=a")}
                                << QSet<QString>{};
}

void tst_wRuleArea::savesRuleAndConstraintWithTheirLinks()
{
    QFETCH(QString, relation);
    QFETCH(bool, constraint);
    QFETCH(QSet<QString>, inputs);
    QFETCH(QSet<QString>, outputs);

    RuleModelFixture fixture;
    Page page(fixture);
    page.page.setParent(relation);
    QCOMPARE(page.table(false)->isHidden(), constraint);
    page.title(QStringLiteral("Doubling"));
    page.choose(true, QStringLiteral("x"), QStringLiteral("a"));
    QCOMPARE(page.shown(true, QStringLiteral("x")), QStringLiteral("A"));
    if (!constraint)
        page.choose(false, QStringLiteral("y"), QStringLiteral("b"));
    QVERIFY(page.page.save());
    QVERIFY(page.mediator.errors.isEmpty());
    const QString id = page.page.getUid();
    QCOMPARE(id.size(), 36);
    QCOMPARE(page.page.windowTitle(), QStringLiteral("Doubling"));
    if (constraint) {
        QVERIFY(fixture.root->constraintsContains(id));
        QCOMPARE(linkIds(fixture.root->getConstraint(id)->getInputParameters()), inputs);
        QCOMPARE(fixture.root->getParameter(QStringLiteral("a"))->getConstraints().size(), 1);
    } else {
        const RulePtr rule = fixture.root->getRule(id);
        QCOMPARE(rule->getShortName(), QStringLiteral("Doubling"));
        QCOMPARE(rule->getRelationPtr(), fixture.formula);
        QCOMPARE(linkIds(rule->getInputParameters()), inputs);
        QCOMPARE(linkIds(rule->getOutputParameters()), outputs);
        QCOMPARE(fixture.root->getParameter(QStringLiteral("b"))->getInputRules().size(), 1);
    }

    // Reopened, the page shows the stored bindings.
    Page reopened(fixture);
    reopened.page.setEditData(fixture.root.data(), id);
    QCOMPARE(reopened.page.getParent(), relation);
    QCOMPARE(reopened.shown(true, QStringLiteral("x")), QStringLiteral("A"));
    QCOMPARE(reopened.table(false)->isHidden(), constraint);
}

void tst_wRuleArea::secondSaveKeepsLinksAndRebindingReplaces()
{
    RuleModelFixture fixture;
    Page page(fixture);
    page.newRuleOnFormula();
    QVERIFY(page.page.save());
    const RulePtr rule = fixture.root->getRule(page.page.getUid());
    QVERIFY(page.page.save());
    QCOMPARE(linkIds(rule->getInputParameters()), QSet<QString>{QStringLiteral("x=a")});
    QCOMPARE(fixture.root->getParameter(QStringLiteral("a"))->getOutputRules().size(), 1);

    // A cleaned row is refused until bound again; rebinding another parameter replaces the link.
    page.clean(true, QStringLiteral("x"));
    QCOMPARE(page.shown(true, QStringLiteral("x")), QString());
    page.mediator.errors.clear();
    QVERIFY(!page.page.save());
    QCOMPARE(page.mediator.errors, QStringList{ide(220)});
    QCOMPARE(linkIds(rule->getInputParameters()), QSet<QString>{QStringLiteral("x=a")});
    page.choose(true, QStringLiteral("x"), QStringLiteral("b"));
    QVERIFY(page.page.save());
    QCOMPARE(linkIds(rule->getInputParameters()), QSet<QString>{QStringLiteral("x=b")});
    QVERIFY(fixture.root->getParameter(QStringLiteral("a"))->getOutputRules().isEmpty());
}

void tst_wRuleArea::cancelledChooserChangesNothing()
{
    RuleModelFixture fixture;
    Page page(fixture);
    page.page.setParent(QStringLiteral("f"));
    page.choose(true, QStringLiteral("x"), QStringLiteral("a"));
    page.choose(true, QStringLiteral("x"), QString());
    QCOMPARE(page.shown(true, QStringLiteral("x")), QStringLiteral("A"));
}

void tst_wRuleArea::retypedParameterIsRefusedUntilRebound()
{
    RuleModelFixture fixture;
    Page page(fixture);
    page.newRuleOnFormula();
    // Retyped in another tab after it was chosen.
    fixture.root->getParameter(QStringLiteral("a"))->setValueType(QVariant::String);
    QVERIFY(!page.page.save());
    QCOMPARE(page.mediator.errors,
             QStringList{integrity(
                 IntegrityMsg::
                     MSG_CODE_RULE_INPUT_PARAMETER_VALUE_TYPE_DSNT_MATCH_RELATION_VALUE_TYPE)});
    QVERIFY(fixture.root->getRulesHash().isEmpty());
    QVERIFY(page.page.getUid().isEmpty());

    page.choose(true, QStringLiteral("x"), QStringLiteral("b"));
    QVERIFY(page.page.save());
    QCOMPARE(linkIds(fixture.root->getRule(page.page.getUid())->getInputParameters()),
             QSet<QString>{QStringLiteral("x=b")});
}

// A link write that throws half way through a first save leaves no half-linked rule behind: a
// later save makes it afresh instead of failing on the rule already there.
void tst_wRuleArea::throwingLinkWriteTakesTheNewRuleOutAgain()
{
    RuleModelFixture fixture;
    Page page(fixture);
    page.newRuleOnFormula();
    // b leaves its class unnoticed by the page: the output's write throws after the input's.
    fixture.root->deleteParameterFromClass(QStringLiteral("b"), true);
    QVERIFY(catchAs<ExceptionOstra>([&] { page.page.save(); }));
    QVERIFY(fixture.root->getRulesHash().isEmpty());
    QVERIFY(page.page.getUid().isEmpty());
    const ParamPtr a = fixture.root->getParameter(QStringLiteral("a"));
    QVERIFY(a->getInputRules().isEmpty() && a->getOutputRules().isEmpty());

    fixture.root->addParameter(makeParameter(QStringLiteral("c")));
    page.choose(false, QStringLiteral("y"), QStringLiteral("c"));
    QVERIFY(page.page.save());
    const RulePtr rule = fixture.root->getRule(page.page.getUid());
    QCOMPARE(linkIds(rule->getInputParameters()), QSet<QString>{QStringLiteral("x=a")});
    QCOMPARE(linkIds(rule->getOutputParameters()), QSet<QString>{QStringLiteral("y=c")});
    QCOMPARE(a->getOutputRules().size(), 1);
}

void tst_wRuleArea::pageWithoutLiveRelationRefuses()
{
    RuleModelFixture fixture;
    placeRule(fixture.root, QStringLiteral("r"), QStringLiteral("f"),
              {{QStringLiteral("x"), QStringLiteral("a")}},
              {{QStringLiteral("y"), QStringLiteral("b")}}, QStringLiteral("R"));
    Page page(fixture);
    page.page.setEditData(fixture.root.data(), QStringLiteral("r"));
    QVERIFY(page.page.save());
    // The relation leaves the storage while the page is open.
    fixture.root->deleteRelation(QStringLiteral("f"));
    page.mediator.errors.clear();
    QVERIFY(!page.page.save());
    QCOMPARE(page.mediator.errors, QStringList{ide(220)});
    // A relation update for an unknown relation changes nothing and does not crash.
    CommandItem update(UPDATE, RELATION_WINDOW, QStringLiteral("f"));
    QVERIFY(page.page.updateItem(&update));

    Page orphan(fixture);
    orphan.page.setParent(QStringLiteral("unknown"));
    QVERIFY(orphan.page.updateItem(&update));
    QVERIFY(!orphan.page.save());
}

void tst_wRuleArea::followsRelationAndParameterChanges()
{
    RuleModelFixture fixture;
    fixture.formula->setInputParametersTypes(variables({QStringLiteral("x"), QStringLiteral("z")}));
    Page page(fixture);
    page.page.setParent(QStringLiteral("f"));
    page.choose(true, QStringLiteral("x"), QStringLiteral("a"));
    page.choose(true, QStringLiteral("z"), QStringLiteral("a"));
    QCOMPARE(page.table(true)->rowCount(), 2);

    // A parameter bound to two variables is deleted elsewhere: both rows empty.
    CommandItem deleted(DELETE, PARAMETER_WINDOW, QStringLiteral("a"));
    QVERIFY(page.page.deleteItem(&deleted));
    QCOMPARE(page.shown(true, QStringLiteral("x")), QString());
    QCOMPARE(page.shown(true, QStringLiteral("z")), QString());

    // The relation drops z and gains w: z's row goes, w's row comes empty, x keeps its binding.
    page.choose(true, QStringLiteral("x"), QStringLiteral("b"));
    fixture.formula->setInputParametersTypes(variables({QStringLiteral("x"), QStringLiteral("w")}));
    CommandItem update(UPDATE, RELATION_WINDOW, QStringLiteral("f"));
    QVERIFY(page.page.updateItem(&update));
    QCOMPARE(page.row(true, QStringLiteral("z")), -1);
    QCOMPARE(page.shown(true, QStringLiteral("w")), QString());
    QCOMPARE(page.shown(true, QStringLiteral("x")), QStringLiteral("B"));

    CommandItem nothing(CREATE, RULE_WINDOW, QStringLiteral("f"));
    QVERIFY(!page.page.createItem(&nothing));
    wRuleArea noClass;
    QVERIFY(!noClass.updateItem(&update));
    QVERIFY(!noClass.deleteItem(&deleted));
    QVERIFY(!noClass.save());
}

void tst_wRuleArea::editsMarkOnlyLoadedPagesAndTitleIsCut()
{
    RuleModelFixture fixture;
    Page page(fixture);
    page.page.setParent(QStringLiteral("f"));
    QSignalSpy changes(&page.page, &wRuleArea::changeDataWidget);
    page.title(QStringLiteral("exactly 15 char"));
    page.choose(true, QStringLiteral("x"), QStringLiteral("a"));
    page.choose(false, QStringLiteral("y"), QStringLiteral("b"));
    QCOMPARE(changes.count(), 0);
    QVERIFY(page.page.save());
    QCOMPARE(page.page.windowTitle(), QStringLiteral("exactly 15 char"));
    page.title(QStringLiteral("sixteen chars ok"));
    QCOMPARE(changes.count(), 1);
    QVERIFY(page.page.save());
    QCOMPARE(page.page.windowTitle(), QStringLiteral("sixteen chars o..."));

    // Typing stops at the title's limit.
    auto *title = page.page.findChild<QLineEdit *>(QStringLiteral("leTitle"));
    title->clear();
    QTest::keyClicks(title, QString(260, QLatin1Char('t')));
    QCOMPARE(title->text(), QString(255, QLatin1Char('t')));

    auto *description = page.page.findChild<QTextEdit *>(QStringLiteral("teDescription"));
    description->setPlainText(QString(5001, QLatin1Char('d')));
    QCOMPARE(description->toPlainText().size(), 5000);
    page.page.retranslateUI();
    QVERIFY(changes.count() >= 2);
    const int before = changes.count();
    page.page.retranslateUI();
    QCOMPARE(changes.count(), before);
}

void tst_wRuleArea::typingIntoALongerLoadedDescriptionKeepsIt()
{
    RuleModelFixture fixture;
    const QString longer = QString(6000, QLatin1Char('x')) + QStringLiteral("END45");
    placeConstraint(fixture.root, QStringLiteral("k"), QStringLiteral("c"),
                    {{QStringLiteral("x"), QStringLiteral("a")}}, QStringLiteral("K"))
        ->setDescription(longer);
    Page page(fixture);
    page.page.setEditData(fixture.root.data(), QStringLiteral("k"));
    auto *description = page.page.findChild<QTextEdit *>(QStringLiteral("teDescription"));
    description->setFocus();
    description->moveCursor(QTextCursor::Start);
    QTest::keyClicks(description, QStringLiteral("ab"));
    QCOMPARE(description->toPlainText(), longer);
    QCOMPARE(description->textCursor().position(), 0);
    QVERIFY(page.page.save());
    QCOMPARE(fixture.root->getConstraint(QStringLiteral("k"))->getDescription(), longer);
}

QTEST_MAIN(tst_wRuleArea)
#include "tst_wrulearea.moc"
