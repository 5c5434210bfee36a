#include "ModelFixtures.h"

#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "WidgetAreas/MessageItem.h"
#include "WidgetAreas/wClassTestArea.h"
#include "WidgetAreas/wContainerRelationshipArea.h"
#include "model/OstraModel.h"
#include "workspace/colleagues/ProjectColleague.h"
#include "workspace/colleagues/RelationshipColleague.h"
#include "workspace/mediators/BaseMediator.h"
#include "workspace/routing/CommandItem.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTreeView>
#include <QtTest>

namespace {

// Records what reaches a mediator, by sender.
class RecordingMediator : public BaseMediator
{
public:
    void send(CommandItem *n_command, BaseColleague *) const override
    {
        commands << QStringLiteral("%1 %2 %3")
                        .arg(n_command->getTypeCommand())
                        .arg(n_command->getTypeWorkSpace())
                        .arg(n_command->getUid());
    }
    bool command(CommandType n_type, BaseColleague *) const override
    {
        commands << QStringLiteral("command %1").arg(n_type);
        return true;
    }
    void sendError(MessageItem *n_message, BaseColleague *) const override { errors << n_message->getInformation(); }
    void sendInformation(QStringList, BaseColleague *) const override {}

    mutable QStringList commands;
    mutable QStringList errors;
};

struct SmallModel
{
    SmallModel()
    {
        root = model.getRootClass();
        root->setShortName(QStringLiteral("Root"));
        child = makeClass(QStringLiteral("child"), model.getRelationsStorage(), QStringLiteral("Child"));
        root->addClass(child);
        child->addParameter(makeParameter(QStringLiteral("p"), QVariant::Double, QStringLiteral("P")));
        makeRelation(model.getRelationsStorage(), QStringLiteral("rel"), QStringLiteral("b = a;"), QStringList{QStringLiteral("a")}, QStringList{QStringLiteral("b")}, RelationModel::RELATION_SIMPLE, QStringLiteral("Rel"));
        placeRule(child, QStringLiteral("rule"), QStringLiteral("rel"), {{QStringLiteral("a"), QStringLiteral("p")}}, {},
                  QStringLiteral("Rule"));
    }
    OstraModel model;
    ClassPtr root;
    ClassPtr child;
};

QString parentIdOf(ElementTreeArea &n_tree, const QString &n_id)
{
    QStandardItem *item = n_tree.itemOf(n_id);
    return item && item->parent() ? item->parent()->data(Qt::UserRole).toString() : QString();
}

} // namespace

// The least relations tree and pages the workspace drives: rows by id, title updates, the open
// request, and the class-test page.
class tst_StandInPages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { MessageBoxes::setBoxHandler({}); }

    void relationsTreeTitlesAndCatchingUp();
    void doubleClickAsksToOpenTheElement_data();
    void doubleClickAsksToOpenTheElement();
    void colleaguesKeepOnlyTheirTree();

    void testPageTitlesItselfOrRefusesNoClass();
};

void tst_StandInPages::relationsTreeTitlesAndCatchingUp()
{
    SmallModel small;
    wContainerRelationshipArea tree;
    tree.setData(small.root.data());
    QCOMPARE(tree.model()->rowCount(), 1);
    QCOMPARE(parentIdOf(tree, QStringLiteral("rule")), QStringLiteral("rel"));

    CommandItem rename(UPDATE, RULE_WINDOW, QStringLiteral("rule"), QStringLiteral("rel"), QStringLiteral("Rule*"));
    tree.setChangeTitleItem(&rename);
    QCOMPARE(tree.itemOf(QStringLiteral("rule"))->text(), QStringLiteral("Rule*"));
    CommandItem newRelation(UPDATE, RELATION_WINDOW, QStringLiteral("r2"), QString(), QStringLiteral("R2"));
    tree.setChangeTitleItem(&newRelation);
    CommandItem newRule(UPDATE, RULE_WINDOW, QStringLiteral("rule2"), QStringLiteral("r2"), QStringLiteral("Rule 2"));
    tree.setChangeTitleItem(&newRule);
    QCOMPARE(tree.model()->rowCount(), 2);
    QCOMPARE(parentIdOf(tree, QStringLiteral("rule2")), QStringLiteral("r2"));

    // Catching up adds only what is missing; the renamed row keeps its text.
    makeRelation(small.model.getRelationsStorage(), QStringLiteral("late"), QStringLiteral("x = 1;"), QStringList{}, QStringList{}, RelationModel::RELATION_SIMPLE, QStringLiteral("Late"));
    tree.UpdateView();
    QCOMPARE(tree.model()->rowCount(), 3);
    QCOMPARE(tree.itemOf(QStringLiteral("rule"))->text(), QStringLiteral("Rule*"));
    tree.refresh();
    QCOMPARE(tree.itemOf(QStringLiteral("rule"))->text(), QStringLiteral("Rule"));
    QCOMPARE(tree.itemOf(QStringLiteral("r2")), nullptr);
}

void tst_StandInPages::doubleClickAsksToOpenTheElement_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("command");

    QTest::newRow("relation") << "rel" << "2 3 rel";
    QTest::newRow("rule") << "rule" << "2 4 rule";
}

void tst_StandInPages::doubleClickAsksToOpenTheElement()
{
    QFETCH(QString, id);
    QFETCH(QString, command);

    SmallModel small;
    RecordingMediator mediator;
    RelationshipColleague relationship(&mediator);
    wContainerRelationshipArea relations;
    relations.setColleague(&relationship);
    ElementTreeArea *tree = &relations;
    tree->setData(small.root.data());
    tree->resize(400, 400);
    tree->show();
    tree->view()->expandAll();
    QVERIFY(QTest::qWaitForWindowExposed(tree));
    const QRect rect = tree->view()->visualRect(tree->itemOf(id)->index());
    QVERIFY(rect.isValid());
    // A user's double-click: the press of the first click, then the double-click.
    QTest::mouseClick(tree->view()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QTest::mouseDClick(tree->view()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QCOMPARE(mediator.commands, QStringList{command});

    // Without a colleague the tree asks nothing.
    relations.setColleague(nullptr);
    QTest::mouseClick(tree->view()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QTest::mouseDClick(tree->view()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QCOMPARE(mediator.commands.size(), 1);
}

void tst_StandInPages::colleaguesKeepOnlyTheirTree()
{
    SmallModel small;
    RecordingMediator mediator;
    ProjectColleague project(&mediator);
    RelationshipColleague relationship(&mediator);
    wContainerRelationshipArea relations;
    relations.setData(small.root.data());
    // The relations tree is no project tree: the project colleague keeps nothing and ignores titles.
    project.setProjectWidget(&relations);
    relationship.setRelationshipWidget(&relations);
    CommandItem title(UPDATE, RELATION_WINDOW, QStringLiteral("rel"), QString(), QStringLiteral("Renamed"));
    project.setTitle(&title);
    QCOMPARE(relations.itemOf(QStringLiteral("rel"))->text(), QStringLiteral("Rel"));
    project.retranslate();
    relationship.setTitle(&title);
    QCOMPARE(relations.itemOf(QStringLiteral("rel"))->text(), QStringLiteral("Renamed"));
    relationship.setRelationshipWidget(nullptr);
    relationship.updateView();
    relationship.setTitle(&title);
}

void tst_StandInPages::testPageTitlesItselfOrRefusesNoClass()
{
    SmallModel small;
    wClassTestArea page(false, nullptr);
    page.setRootClass(small.child);
    QCOMPARE(page.windowTitle(), QStringLiteral("Тест: Child"));

    QStringList boxes;
    QList<QMessageBox::Icon> icons;
    MessageBoxes::setBoxHandler([&](QMessageBox &n_box) {
        boxes << n_box.text();
        icons << n_box.icon();
        return int(QMessageBox::Ok);
    });
    page.setRootClass(nullptr);
    QCOMPARE(boxes, QStringList{ErrorDictionary::Instance().getErrorById(10030)});
    QCOMPARE(icons, QList<QMessageBox::Icon>{QMessageBox::Information});
    QCOMPARE(page.getRootClass(), small.child);
}

QTEST_MAIN(tst_StandInPages)
#include "tst_standinpages.moc"
