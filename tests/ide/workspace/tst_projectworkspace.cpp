#include "BoxRecorder.h"
#include "ProjectFixture.h"

#include "WidgetAreas/wClassArea.h"
#include "WidgetAreas/wContainerProjectArea.h"
#include "workspace/IDEDirector.h"
#include "workspace/builders/IDEBuilder.h"
#include "workspace/viewmanagers/BaseViewManager.h"
#include "workspace/wrappers/WidgetWrapper.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The assembled workspace over the fixture, as the main window holds it.
struct Workspace
{
    Workspace()
    {
        window.setLayout(director.Constructor(&window));
        window.resize(1000, 700);
        window.show();
        director.getViewProjectManager()->setData(fixture.root());
        director.getViewRelationshipManager()->setData(fixture.root());
        director.getWorkSpaceViewManagerManager()->setData(fixture.root());
    }
    ~Workspace() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    wContainerProjectArea *tree()
    {
        return qobject_cast<wContainerProjectArea *>(
            director.projectBuilder()->getWidgets().at(0)->getWidget());
    }
    QTreeWidgetItem *item(const QString &n_id)
    {
        const auto found = tree()->treeWidget()->findItems(
            n_id, Qt::MatchExactly | Qt::MatchRecursive, 2);
        return found.isEmpty() ? nullptr : found.first();
    }
    void trigger(const QString &n_id, int n_action)
    {
        tree()->treeWidget()->setCurrentItem(item(n_id));
        tree()->menuActions().at(n_action)->trigger();
    }
    wClassArea *classPage()
    {
        return qobject_cast<wClassArea *>(
            director.workSpaceBuilder()->getTabWidget()->currentWidget());
    }
    void typeName(const QString &n_name)
    {
        auto *name = classPage()->findChild<QLineEdit *>(QStringLiteral("leName"));
        name->selectAll();
        QTest::keyClicks(name, n_name);
    }

    ProjectFixture fixture;
    QWidget window;
    IDEDirector director;
};

enum { ADD_CLASS = 0, EDIT_CLASS = 1, REMOVE_CLASS = 2, REMOVE_PARAMETER = 5 };

} // namespace

// The project tree and the class page through the real workspace: what the user does in the tree
// and on the page ends in the model and back in the tree.
class tst_ProjectWorkspace : public QObject
{
    Q_OBJECT

private slots:
    void addClassFromTheMenu();
    void renameAndMoveKeepTheExpansion();
    void removalThroughWorkspace();
};

void tst_ProjectWorkspace::addClassFromTheMenu()
{
    Workspace workspace;
    workspace.trigger(QStringLiteral("root"), ADD_CLASS);
    QVERIFY(workspace.classPage());
    workspace.typeName(QStringLiteral("Beta"));
    QVERIFY(workspace.director.save());
    const QString id = workspace.classPage()->getUid();
    QCOMPARE(id.size(), 36);
    QTreeWidgetItem *made = workspace.item(id);
    QVERIFY(made);
    QCOMPARE(made->text(0), QStringLiteral("Beta"));
    QCOMPARE(made->parent()->text(2), QStringLiteral("root"));
    QTreeWidgetItem *root = made->parent();
    for (int index = 1; index < root->childCount(); ++index)
        QVERIFY(QString::localeAwareCompare(root->child(index - 1)->text(0),
                                            root->child(index)->text(0))
                <= 0);
    // The new class works on the model's relations.
    QCOMPARE(workspace.fixture.root()->getClassById(id)->getRelationsStorage(),
             workspace.fixture.root()->getRelationsStorage());
}

void tst_ProjectWorkspace::renameAndMoveKeepTheExpansion()
{
    Workspace workspace;
    workspace.item(QStringLiteral("cZz"))->setExpanded(true);
    workspace.trigger(QStringLiteral("cZz"), EDIT_CLASS);
    QVERIFY(workspace.classPage());
    workspace.typeName(QStringLiteral("Zeta"));
    auto *level = workspace.classPage()->findChild<QComboBox *>(QStringLiteral("cbLevel"));
    level->setCurrentIndex(level->findData(QStringLiteral("cAb")));
    QVERIFY(workspace.director.save());
    QTreeWidgetItem *moved = workspace.item(QStringLiteral("cZz"));
    QCOMPARE(moved->text(0), QStringLiteral("Zeta"));
    QCOMPARE(moved->parent()->text(2), QStringLiteral("cAb"));
    QVERIFY(moved->isExpanded());
    QCOMPARE(moved->childCount(), 2);
    QCOMPARE(workspace.fixture.root()->getClassById(QStringLiteral("cZz"))->getParent()->getId(),
             QStringLiteral("cAb"));
}

void tst_ProjectWorkspace::removalThroughWorkspace()
{
    BoxRecorder boxes;
    Workspace workspace;
    OstraClass *root = workspace.fixture.root();
    workspace.trigger(QStringLiteral("p3"), REMOVE_PARAMETER);
    QVERIFY(!root->parametersContains(QStringLiteral("p3")));
    QVERIFY(!workspace.item(QStringLiteral("p3")));

    // The root class is refused with a warning, and its item stays.
    const int rows = [&] {
        int count = 0;
        for (QTreeWidgetItemIterator it(workspace.tree()->treeWidget()); *it; ++it)
            ++count;
        return count;
    }();
    workspace.trigger(QStringLiteral("root"), REMOVE_CLASS);
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Запрещено удалять корневой класс")});
    QVERIFY(workspace.item(QStringLiteral("root")));
    int after = 0;
    for (QTreeWidgetItemIterator it(workspace.tree()->treeWidget()); *it; ++it)
        ++after;
    QCOMPARE(after, rows);
}

QTEST_MAIN(tst_ProjectWorkspace)
#include "tst_projectworkspace.moc"
