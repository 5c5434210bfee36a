#include "BoxRecorder.h"
#include "ModelFixtures.h"

#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "RelationWidgets/wChangeRelation.h"
#include "WidgetAreas/MessageItem.h"
#include "WidgetAreas/wRelationshipArea.h"
#include "errors/IntegrityMsg.h"
#include "model/OstraModel.h"
#include "workspace/colleagues/RelationColleague.h"
#include "workspace/mediators/BaseMediator.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
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

QString clash()
{
    return ErrorDictionary::Instance().getErrorById(
        1000 + IntegrityMsg::MSG_CODE_RELATION_WITH_SAME_SHORTNAME);
}

// A model with the formula relation "f" (y = x + z) and a rule and a constraint standing on it.
struct Fixture
{
    Fixture()
    {
        root = model.getRootClass();
        for (const char *id : {"a", "b", "c"})
            root->addParameter(makeParameter(QString::fromLatin1(id)));
        makeRelation(model.getRelationsStorage(), QStringLiteral("f"), QStringLiteral("y = x + z"),
                     variables({QStringLiteral("x"), QStringLiteral("z")}),
                     variables({QStringLiteral("y")}), RelationModel::RELATION_SIMPLE,
                     QStringLiteral("Sum"));
        makeRelation(model.getRelationsStorage(), QStringLiteral("other"), QStringLiteral("y = 1"),
                     QStringList{}, QStringList{QStringLiteral("y")},
                     RelationModel::RELATION_SIMPLE, QStringLiteral("Other"));
        placeRule(root, QStringLiteral("r"), QStringLiteral("f"),
                  {{QStringLiteral("x"), QStringLiteral("a")},
                   {QStringLiteral("z"), QStringLiteral("b")}},
                  {{QStringLiteral("y"), QStringLiteral("c")}}, QStringLiteral("R"));
        placeRule(root, QStringLiteral("r2"), QStringLiteral("other"), {},
                  {{QStringLiteral("y"), QStringLiteral("a")}}, QStringLiteral("R2"));
    }
    OstraModel model;
    ClassPtr root;
};

struct Page
{
    explicit Page(Fixture &n_fixture) : colleague(&mediator)
    {
        page.setColleague(&colleague);
        page.setData(n_fixture.root.data());
    }
    ~Page() { MessageBoxes::setDialogHandler({}); }
    QLineEdit *field(const char *n_name) const
    {
        return page.findChild<QLineEdit *>(QString::fromLatin1(n_name));
    }
    // Opens the designer, types the body, analyses it and presses OK.
    void design(const QString &n_body)
    {
        MessageBoxes::setDialogHandler([n_body](QDialog &n_dialog) {
            n_dialog.show();
            auto *formula = n_dialog.findChild<QLineEdit *>(QStringLiteral("leFormula"));
            formula->selectAll();
            QTest::keyClicks(formula, n_body);
            n_dialog.findChild<QAction *>(QStringLiteral("actionDebug"))->trigger();
            auto *buttons = n_dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
            return n_dialog.result();
        });
        QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("btnBodyDesigner")),
                          Qt::LeftButton);
    }
    ErrorMediator mediator;
    RelationColleague colleague;
    wRelationshipArea page;
};

} // namespace

// The relation page: its checks, a new relation made through the designer, and the unlinking of
// variables an edited relation lost.
class tst_wRelationshipArea : public QObject
{
    Q_OBJECT

private slots:
    void validationRunsEveryCheck_data();
    void validationRunsEveryCheck();
    void newRelationThroughTheDesigner();
    void droppedVariableIsUnlinkedOnlyFromItsRelation();
    void languageSwitchIsNoEdit();
    void designerOpensOnTheChosenKind_data();
    void designerOpensOnTheChosenKind();
};

void tst_wRelationshipArea::validationRunsEveryCheck_data()
{
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("body");
    QTest::addColumn<QStringList>("errors");

    QTest::newRow("neither name nor body") << ""
                                           << "" << false << QStringList{ide(190), ide(200)};
    QTest::newRow("own name does not clash") << "f"
                                             << "Sum" << true << QStringList{};
    QTest::newRow("another name with blanks clashes") << "f"
                                                      << "  Other " << true << QStringList{clash()};
    QTest::newRow("new relation clashes") << ""
                                          << "Sum" << false << QStringList{ide(200), clash()};
}

void tst_wRelationshipArea::validationRunsEveryCheck()
{
    QFETCH(QString, edited);
    QFETCH(QString, name);
    QFETCH(bool, body);
    QFETCH(QStringList, errors);

    Fixture fixture;
    Page page(fixture);
    if (!edited.isEmpty())
        page.page.setEditData(fixture.root.data(), edited);
    page.field("leName")->setText(name);
    if (!body)
        page.field("leBodyExpression")->clear();
    QCOMPARE(page.page.save(), errors.isEmpty());
    QCOMPARE(page.mediator.errors, errors);
    QCOMPARE(fixture.root->getRelationsHash().size(), 2);
    if (!errors.isEmpty())
        QCOMPARE(fixture.root->getRelationPtr(QStringLiteral("f"))->getShortName(),
                 QStringLiteral("Sum"));
}

void tst_wRelationshipArea::newRelationThroughTheDesigner()
{
    Fixture fixture;
    Page page(fixture);
    QSignalSpy changes(&page.page, &wRelationshipArea::changeDataWidget);
    QTest::keyClicks(page.field("leName"), QStringLiteral("Double"));
    page.design(QStringLiteral("y = x + x"));
    QCOMPARE(page.field("leBodyExpression")->text(), QStringLiteral("y = x + x"));
    QCOMPARE(changes.count(), 0);
    QVERIFY(page.page.save());
    const QString id = page.page.getUid();
    QCOMPARE(id.size(), 36);
    const RelPtr relation = fixture.root->getRelationPtr(id);
    QCOMPARE(relation->getCode(), QStringLiteral("y = x + x"));
    QCOMPARE(relation->getInputParametersTypes(), variables({QStringLiteral("x")}));
    QCOMPARE(relation->getOutputParametersTypes(), variables({QStringLiteral("y")}));
    QCOMPARE(relation->getRelationType(), RelationModel::RELATION_SIMPLE);
    QVERIFY(!page.page.findChild<QComboBox *>(QStringLiteral("cbRelationType"))->isEnabled());
    // A second save edits the same relation.
    QTest::keyClicks(page.field("leName"), QStringLiteral(" twice"));
    QCOMPARE(changes.count(), 6);
    QVERIFY(page.page.save());
    QCOMPARE(fixture.root->getRelationsHash().size(), 3);
    QCOMPARE(relation->getShortName(), QStringLiteral("Double twice"));
    QCOMPARE(page.page.windowTitle(), QStringLiteral("Double twice"));
}

void tst_wRelationshipArea::droppedVariableIsUnlinkedOnlyFromItsRelation()
{
    Fixture fixture;
    Page page(fixture);
    page.page.setEditData(fixture.root.data(), QStringLiteral("f"));
    page.design(QStringLiteral("y = x * 2"));
    QVERIFY(page.page.save());
    const RulePtr rule = fixture.root->getRule(QStringLiteral("r"));
    QCOMPARE(rule->getInputParameters().keys(), QList<QString>{QStringLiteral("x")});
    QCOMPARE(rule->getOutputParameters().size(), 1);
    QCOMPARE(fixture.root->getRule(QStringLiteral("r2"))->getOutputParameters().size(), 1);
    QCOMPARE(fixture.root->getRelationPtr(QStringLiteral("f"))->getInputParametersNames(),
             QList<QString>{QStringLiteral("x")});
}

void tst_wRelationshipArea::languageSwitchIsNoEdit()
{
    Fixture fixture;
    Page page(fixture);
    page.page.setEditData(fixture.root.data(), QStringLiteral("f"));
    auto *kinds = page.page.findChild<QComboBox *>(QStringLiteral("cbRelationType"));
    QCOMPARE(kinds->count(), 4);
    QSignalSpy changes(&page.page, &wRelationshipArea::changeDataWidget);
    page.page.retranslateUI();
    page.page.retranslateUI();
    QCOMPARE(changes.count(), 0);
    QCOMPARE(kinds->currentIndex(), 0);
    QCOMPARE(kinds->count(), 4);
}

void tst_wRelationshipArea::designerOpensOnTheChosenKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("editor");
    QTest::newRow("formula") << int(RelationModel::RELATION_SIMPLE) << "wSimpleRelation";
    QTest::newRow("IF clause") << int(RelationModel::RELATION_IFCLAUSE)
                               << "wConditionalRelationship";
    QTest::newRow("constraint") << int(RelationModel::RELATION_CONSTRAINT)
                                << "wConditionalRelationship";
    QTest::newRow("script") << int(RelationModel::RELATION_PROGRAM) << "wProgramRelation";
}

void tst_wRelationshipArea::designerOpensOnTheChosenKind()
{
    QFETCH(int, kind);
    QFETCH(QString, editor);
    Fixture fixture;
    Page page(fixture);
    page.page.show();
    auto *kinds = page.page.findChild<QComboBox *>(QStringLiteral("cbRelationType"));
    kinds->setFocus();
    for (int step = 0; step < kind; ++step)
        QTest::keyClick(kinds, Qt::Key_Down);
    QCOMPARE(kinds->currentIndex(), kind);
    // The designer's kind and the one body editor it shows.
    int opened = -1;
    QStringList editors;
    MessageBoxes::setDialogHandler([&](QDialog &n_dialog) {
        opened = int(static_cast<wChangeRelation &>(n_dialog).getRelationType());
        const QStringList bodyEditors{QStringLiteral("wSimpleRelation"),
                                      QStringLiteral("wConditionalRelationship"),
                                      QStringLiteral("wProgramRelation")};
        for (QWidget *child : n_dialog.findChildren<QWidget *>())
            if (bodyEditors.contains(QLatin1String(child->metaObject()->className())))
                editors << QString::fromLatin1(child->metaObject()->className());
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(page.page.findChild<QPushButton *>(QStringLiteral("btnBodyDesigner")),
                      Qt::LeftButton);
    QCOMPARE(opened, kind);
    QCOMPARE(editors, QStringList{editor});
}

QTEST_MAIN(tst_wRelationshipArea)
#include "tst_wrelationshiparea.moc"
