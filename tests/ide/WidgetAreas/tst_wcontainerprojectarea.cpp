#include "BoxRecorder.h"
#include "ProjectFixture.h"
#include "../TextTables.h"

#include "ModelGenerator.h"
#include "WidgetAreas/wContainerProjectArea.h"
#include "workspace/colleagues/ProjectColleague.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

namespace {

QTreeWidgetItem *itemOf(const wContainerProjectArea &n_tree, const QString &n_id)
{
    const auto found = n_tree.treeWidget()->findItems(n_id, Qt::MatchExactly | Qt::MatchRecursive,
                                                      2);
    return found.isEmpty() ? nullptr : found.first();
}

QStringList childIds(const QTreeWidgetItem *n_item)
{
    QStringList ids;
    for (int index = 0; index < n_item->childCount(); ++index)
        ids << n_item->child(index)->text(2);
    return ids;
}

QStringList shownIds(const QTreeWidget *n_tree)
{
    QStringList ids;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(n_tree)); *it; ++it)
        if (!(*it)->isHidden())
            ids << (*it)->text(2);
    ids.sort();
    return ids;
}

QStringList expandedIds(const QTreeWidget *n_tree)
{
    QStringList ids;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(n_tree)); *it; ++it)
        if ((*it)->isExpanded())
            ids << (*it)->text(2);
    ids.sort();
    return ids;
}

int rowCount(const QTreeWidget *n_tree)
{
    int rows = 0;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(n_tree)); *it; ++it)
        ++rows;
    return rows;
}

bool sameIcon(const QIcon &n_icon, const QString &n_path)
{
    return n_icon.pixmap(16).toImage() == QIcon(n_path).pixmap(16).toImage();
}

// Every sibling list in the toolkit's locale-aware order of the names.
bool sortedEverywhere(const QTreeWidgetItem *n_item)
{
    for (int index = 0; index < n_item->childCount(); ++index) {
        if (!sortedEverywhere(n_item->child(index)))
            return false;
        if (index > 0
            && QString::localeAwareCompare(n_item->child(index - 1)->text(0),
                                           n_item->child(index)->text(0))
                   > 0)
            return false;
    }
    return true;
}

QStringList sorted(QStringList n_list)
{
    n_list.sort();
    return n_list;
}

// A shown tree with a recording colleague.
struct Pane
{
    Pane()
    {
        tree.setColleague(&colleague);
        tree.setData(fixture.root());
        tree.resize(400, 500);
        tree.show();
    }
    QRect rectOf(const QString &n_id)
    {
        QTreeWidgetItem *item = itemOf(tree, n_id);
        tree.treeWidget()->scrollToItem(item);
        return tree.treeWidget()->visualItemRect(item);
    }
    void select(const QString &n_id) { tree.treeWidget()->setCurrentItem(itemOf(tree, n_id)); }
    void doubleClick(const QString &n_id)
    {
        for (QTreeWidgetItem *parent = itemOf(tree, n_id)->parent(); parent;
             parent = parent->parent())
            parent->setExpanded(true);
        const QPoint at = rectOf(n_id).center();
        QWidget *viewport = tree.treeWidget()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
    }
    // Right-clicks the point as the platform reports it; returns the popup's entries, "-" for
    // separators, or nothing when no menu opened.
    QStringList menuAt(const QPoint &n_at)
    {
        QWidget *viewport = tree.treeWidget()->viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, n_at, viewport->mapToGlobal(n_at));
        QCoreApplication::sendEvent(viewport, &event);
        QStringList entries;
        for (QMenu *menu : tree.findChildren<QMenu *>()) {
            for (QAction *action : menu->actions())
                entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
            menu->close();
            delete menu;
        }
        return entries;
    }
    QAction *action(int n_index) { return tree.menuActions().at(n_index); }

    ProjectFixture fixture;
    RecordingMediator mediator;
    ProjectColleague colleague{&mediator};
    wContainerProjectArea tree;
};

enum ActionIndex {
    ADD_CLASS,
    EDIT_CLASS,
    REMOVE_CLASS,
    ADD_PARAMETER,
    EDIT_PARAMETER,
    REMOVE_PARAMETER,
    EXPAND,
    TEST_CLASS
};

} // namespace

// The project tree over a loaded model: shape and order, the filter, the commands it sends, the
// workspace's updates and its chooser mode.
class tst_wContainerProjectArea : public QObject
{
    Q_OBJECT

private slots:
    void buildShowsSortedClassesAndParameters();
    void emptyRootAndNoRoot();
    void filterShowsMatchesWithTheirClasses();
    void clearingTheFilterRebuilds();
    void clearAndNullRootDoNotRebuild();

    void doubleClickSendsOpen_data();
    void doubleClickSendsOpen();
    void actionsSendCommands_data();
    void actionsSendCommands();
    void menuOffersEntriesPerKind();
    void expandOrCollapseTogglesTheSubtree();
    void removeKeepsTheItemWhileTheModelHoldsIt_data();
    void removeKeepsTheItemWhileTheModelHoldsIt();

    void updatesRenameMoveOrAdd_data();
    void updatesRenameMoveOrAdd();
    void movedClassKeepsItsSubtreeExpansion();
    void olderFormatRootIdMatchesOneItem();

    void chooserFiltersByTypeAndIdentity();
    void chooserSelection();
    void bothLanguages();
};

void tst_wContainerProjectArea::buildShowsSortedClassesAndParameters()
{
    Pane pane;
    QTreeWidget *view = pane.tree.treeWidget();
    QCOMPARE(view->topLevelItemCount(), 1);
    QTreeWidgetItem *root = view->topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("Root"));
    QCOMPARE(root->text(1), QStringLiteral("class"));
    QCOMPARE(sorted(childIds(root)), (QStringList{QStringLiteral("cAb"), QStringLiteral("cMid"),
                                                  QStringLiteral("cZz"), QStringLiteral("p5")}));
    QCOMPARE(sorted(childIds(itemOf(pane.tree, QStringLiteral("cMid")))),
             (QStringList{QStringLiteral("p2"), QStringLiteral("p3")}));
    QCOMPARE(sorted(childIds(itemOf(pane.tree, QStringLiteral("cZz")))),
             (QStringList{QStringLiteral("cYy"), QStringLiteral("p4")}));
    QCOMPARE(rowCount(view), 10);
    QVERIFY(sortedEverywhere(root));
    QCOMPARE(expandedIds(view), QStringList{pane.fixture.root()->getId()});

    const QTreeWidgetItem *text = itemOf(pane.tree, QStringLiteral("p2"));
    const QTreeWidgetItem *number = itemOf(pane.tree, QStringLiteral("p3"));
    QCOMPARE(text->text(1), QStringLiteral("parameter"));
    QVERIFY(sameIcon(text->icon(0), QStringLiteral(":/prog/Images/24x24/parameter.png")));
    QVERIFY(sameIcon(text->icon(3), QStringLiteral(":/prog/Images/24x24/text.png")));
    QVERIFY(sameIcon(number->icon(3), QStringLiteral(":/prog/Images/32x32/number.png")));
    QVERIFY(sameIcon(root->icon(0), QStringLiteral(":/prog/Images/24x24/class.png")));
    QVERIFY(root->icon(3).isNull());
    QVERIFY(view->isColumnHidden(1) && view->isColumnHidden(2) && !view->isColumnHidden(3));
    QCOMPARE(view->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(!view->expandsOnDoubleClick());
    QCOMPARE(view->sortColumn(), 0);
}

void tst_wContainerProjectArea::emptyRootAndNoRoot()
{
    OstraModel model;
    wContainerProjectArea tree;
    tree.setData(model.getRootClass().data());
    QCOMPARE(rowCount(tree.treeWidget()), 1);
    QVERIFY(tree.treeWidget()->topLevelItem(0)->isExpanded());
    tree.setData(nullptr);
    QCOMPARE(rowCount(tree.treeWidget()), 0);
    // Typing without a model does nothing.
    QTest::keyClicks(tree.filterLine(), QStringLiteral("a"));
    QCOMPARE(rowCount(tree.treeWidget()), 0);
}

void tst_wContainerProjectArea::filterShowsMatchesWithTheirClasses()
{
    Pane pane;
    QTest::keyClicks(pane.tree.filterLine(), QStringLiteral("ab"));
    // xABy with every class above it; Ab matches itself but its pq does not; Zz and its items,
    // cd and alpha are hidden.
    QCOMPARE(shownIds(pane.tree.treeWidget()),
             sorted({pane.fixture.root()->getId(), QStringLiteral("cAb"), QStringLiteral("cMid"),
                     QStringLiteral("p2")}));
    QCOMPARE(rowCount(pane.tree.treeWidget()), 10);
    QVERIFY(itemOf(pane.tree, QStringLiteral("cMid"))->isExpanded());
    QVERIFY(sortedEverywhere(pane.tree.treeWidget()->topLevelItem(0)));
    // A text matching nothing hides the root too; each pass starts anew.
    pane.tree.filterLine()->setText(QStringLiteral("nothing"));
    QCOMPARE(shownIds(pane.tree.treeWidget()), QStringList());
    pane.tree.filterLine()->setText(QStringLiteral("ZZ"));
    QCOMPARE(shownIds(pane.tree.treeWidget()),
             sorted({pane.fixture.root()->getId(), QStringLiteral("cZz"), QStringLiteral("p4")}));
}

void tst_wContainerProjectArea::clearingTheFilterRebuilds()
{
    Pane pane;
    QTest::keyClicks(pane.tree.filterLine(), QStringLiteral("ab"));
    pane.tree.filterLine()->selectAll();
    QTest::keyClick(pane.tree.filterLine(), Qt::Key_Delete);
    QCOMPARE(shownIds(pane.tree.treeWidget()).size(), 10);
    QCOMPARE(expandedIds(pane.tree.treeWidget()), QStringList{pane.fixture.root()->getId()});
    // refresh keeps the text and applies it again.
    pane.tree.filterLine()->setText(QStringLiteral("zz"));
    pane.tree.refresh();
    QCOMPARE(shownIds(pane.tree.treeWidget()).size(), 3);
}

void tst_wContainerProjectArea::clearAndNullRootDoNotRebuild()
{
    auto pane = std::make_unique<Pane>();
    pane->tree.filterLine()->setText(QStringLiteral("ab"));
    // The model closes first: emptying the line must not reach back into it.
    pane->fixture.root_.reset();
    pane->fixture.manager.deleteModel(pane->fixture.manager.getActiveModel());
    pane->tree.clear();
    QCOMPARE(rowCount(pane->tree.treeWidget()), 0);
    QCOMPARE(pane->tree.filterLine()->text(), QString());
    pane->tree.filterLine()->setText(QStringLiteral("cd"));
    pane->tree.setData(nullptr);
    QCOMPARE(rowCount(pane->tree.treeWidget()), 0);
    QCOMPARE(pane->tree.filterLine()->text(), QString());
}

void tst_wContainerProjectArea::doubleClickSendsOpen_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("command");
    QTest::newRow("class") << "cMid"
                           << "2 0 cMid";
    QTest::newRow("nested class") << "cYy"
                                  << "2 0 cYy";
    QTest::newRow("parameter") << "p3"
                               << "2 1 p3";
}

void tst_wContainerProjectArea::doubleClickSendsOpen()
{
    QFETCH(QString, id);
    QFETCH(QString, command);
    Pane pane;
    QVERIFY(QTest::qWaitForWindowExposed(&pane.tree));
    QSignalSpy doubleClicks(&pane.tree, &wContainerProjectArea::itemDoubleClicked);
    pane.doubleClick(id);
    QCOMPARE(pane.mediator.commands, QStringList{command});
    QCOMPARE(doubleClicks.count(), 1);
    // No expansion by the double-click itself.
    QCOMPARE(itemOf(pane.tree, id)->isExpanded(), false);
    // Without a colleague (chooser mode) only the signal goes out.
    pane.tree.setColleague(nullptr);
    pane.doubleClick(id);
    QCOMPARE(pane.mediator.commands.size(), 1);
    QCOMPARE(doubleClicks.count(), 2);
}

void tst_wContainerProjectArea::actionsSendCommands_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("command");
    QTest::newRow("add class") << int(ADD_CLASS) << "cZz"
                               << "0 0 cZz";
    QTest::newRow("edit class") << int(EDIT_CLASS) << "cZz"
                                << "2 0 cZz";
    QTest::newRow("remove class") << int(REMOVE_CLASS) << "cYy"
                                  << "3 0 cYy";
    QTest::newRow("add parameter") << int(ADD_PARAMETER) << "cAb"
                                   << "0 1 cAb";
    QTest::newRow("edit parameter") << int(EDIT_PARAMETER) << "p1"
                                    << "2 1 p1";
    QTest::newRow("remove parameter") << int(REMOVE_PARAMETER) << "p1"
                                      << "3 1 p1";
    QTest::newRow("test class") << int(TEST_CLASS) << "cAb"
                                << "1 5 cAb";
    QTest::newRow("expand sends nothing") << int(EXPAND) << "cAb"
                                          << "";
}

void tst_wContainerProjectArea::actionsSendCommands()
{
    QFETCH(int, action);
    QFETCH(QString, id);
    QFETCH(QString, command);
    Pane pane;
    pane.select(id);
    pane.action(action)->trigger();
    QCOMPARE(pane.mediator.commands, command.isEmpty() ? QStringList() : QStringList{command});
    // Nothing selected: nothing sent.
    pane.tree.treeWidget()->clearSelection();
    pane.mediator.commands.clear();
    pane.action(action)->trigger();
    QCOMPARE(pane.mediator.commands, QStringList());
}

void tst_wContainerProjectArea::menuOffersEntriesPerKind()
{
    Pane pane;
    QVERIFY(QTest::qWaitForWindowExposed(&pane.tree));
    const QString rootId = pane.fixture.root()->getId();
    const QStringList forClass = {
        QStringLiteral("Добавить класс"),    QStringLiteral("Редактировать класс"),
        QStringLiteral("Удалить класс"),     QStringLiteral("-"),
        QStringLiteral("Добавить параметр"), QStringLiteral("-"),
        QStringLiteral("Свернуть всё"),      QStringLiteral("-"),
        QStringLiteral("Тестировать класс")};
    QCOMPARE(pane.menuAt(pane.rectOf(rootId).center()), forClass);
    QStringList collapsed = forClass;
    collapsed[6] = QStringLiteral("Развернуть всё");
    QCOMPARE(pane.menuAt(pane.rectOf(QStringLiteral("cMid")).center()), collapsed);
    QCOMPARE(pane.menuAt(pane.rectOf(QStringLiteral("p5")).center()),
             (QStringList{QStringLiteral("Редактировать параметр"),
                          QStringLiteral("Удалить параметр")}));
    // Empty space below the rows, and any place in chooser mode: no menu.
    QCOMPARE(pane.menuAt(QPoint(5, pane.tree.treeWidget()->viewport()->height() - 3)),
             QStringList());
    pane.tree.setColleague(nullptr);
    QCOMPARE(pane.menuAt(pane.rectOf(rootId).center()), QStringList());
    QCOMPARE(pane.mediator.commands, QStringList());
}

void tst_wContainerProjectArea::expandOrCollapseTogglesTheSubtree()
{
    Pane pane;
    pane.select(QStringLiteral("cZz"));
    pane.action(EXPAND)->trigger();
    QVERIFY(itemOf(pane.tree, QStringLiteral("cZz"))->isExpanded());
    QVERIFY(itemOf(pane.tree, QStringLiteral("cYy"))->isExpanded());
    pane.select(pane.fixture.root()->getId());
    pane.action(EXPAND)->trigger();
    QCOMPARE(expandedIds(pane.tree.treeWidget()), QStringList());
}

void tst_wContainerProjectArea::removeKeepsTheItemWhileTheModelHoldsIt_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("deleteInModel");
    QTest::addColumn<bool>("itemStays");
    QTest::newRow("parameter deleted") << "p3" << int(REMOVE_PARAMETER) << true << false;
    QTest::newRow("parameter refused") << "p3" << int(REMOVE_PARAMETER) << false << true;
    QTest::newRow("class deleted") << "cZz" << int(REMOVE_CLASS) << true << false;
    QTest::newRow("class refused") << "cZz" << int(REMOVE_CLASS) << false << true;
    QTest::newRow("root refused") << "root" << int(REMOVE_CLASS) << false << true;
}

void tst_wContainerProjectArea::removeKeepsTheItemWhileTheModelHoldsIt()
{
    QFETCH(QString, id);
    QFETCH(int, action);
    QFETCH(bool, deleteInModel);
    QFETCH(bool, itemStays);
    Pane pane;
    OstraClass *root = pane.fixture.root();
    if (id == QLatin1String("root"))
        id = root->getId();
    if (deleteInModel) {
        pane.mediator.onSend = [&](const CommandItem &n_command) {
            if (n_command.getTypeWorkSpace() == PARAMETER_WINDOW)
                root->getParameter(n_command.getUid())
                    ->getParent()
                    ->deleteParameterFromClass(n_command.getUid(), true);
            else
                root->getClassById(n_command.getUid())
                    ->getParent()
                    ->deleteChildClass(n_command.getUid(), true);
            // The workspace may rebuild the tree while handling the command.
            pane.tree.refresh();
        };
    }
    const int rows = rowCount(pane.tree.treeWidget());
    pane.select(id);
    pane.action(action)->trigger();
    QCOMPARE(pane.mediator.commands.size(), 1);
    QCOMPARE(itemOf(pane.tree, id) != nullptr, itemStays);
    if (itemStays)
        QCOMPARE(rowCount(pane.tree.treeWidget()), rows);
}

void tst_wContainerProjectArea::updatesRenameMoveOrAdd_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("expectedParent");
    QTest::addColumn<int>("rowsAdded");

    QTest::newRow("renamed in place") << 1 << "p3"
                                      << "cMid"
                                      << "cMid" << 0;
    QTest::newRow("parameter moved") << 1 << "p3"
                                     << "cAb"
                                     << "cAb" << 0;
    QTest::newRow("class moved") << 0 << "cZz"
                                 << "cAb"
                                 << "cAb" << 0;
    QTest::newRow("new parameter added") << 1 << "p9"
                                         << "cZz"
                                         << "cZz" << 1;
    QTest::newRow("new class added") << 0 << "c9"
                                     << "root"
                                     << "root" << 1;
    QTest::newRow("unknown parent only renames") << 1 << "p3"
                                                 << "nowhere"
                                                 << "cMid" << 0;
    QTest::newRow("empty parent only renames") << 1 << "p3"
                                               << ""
                                               << "cMid" << 0;
    QTest::newRow("unknown element, no parent") << 1 << "p9"
                                                << ""
                                                << "" << 0;
    QTest::newRow("class under its own child") << 0 << "cZz"
                                               << "cYy"
                                               << "root" << 0;
}

void tst_wContainerProjectArea::updatesRenameMoveOrAdd()
{
    QFETCH(int, kind);
    QFETCH(QString, id);
    QFETCH(QString, parent);
    QFETCH(QString, expectedParent);
    QFETCH(int, rowsAdded);

    Pane pane;
    const QString rootId = pane.fixture.root()->getId();
    const auto real = [&](const QString &n_id) {
        return n_id == QLatin1String("root") ? rootId : n_id;
    };
    const int rows = rowCount(pane.tree.treeWidget());
    CommandItem command(UPDATE, TypeWorkSpaceWindow(kind), id, real(parent),
                        QStringLiteral("A renamed*"));
    pane.tree.setChangeTitleItem(&command);
    QCOMPARE(rowCount(pane.tree.treeWidget()), rows + rowsAdded);
    QTreeWidgetItem *item = itemOf(pane.tree, id);
    if (expectedParent.isEmpty()) {
        QVERIFY(!item);
        return;
    }
    QCOMPARE(item->parent()->text(2), real(expectedParent));
    QCOMPARE(item->text(0), QStringLiteral("A renamed*"));
    QCOMPARE(item->text(1), QLatin1String(kind == 0 ? "class" : "parameter"));
    QVERIFY(sortedEverywhere(pane.tree.treeWidget()->topLevelItem(0)));

    // The root is renamed, never moved; without a colleague nothing changes.
    CommandItem rootUpdate(UPDATE, CLASS_WINDOW, rootId, QStringLiteral("cAb"),
                           QStringLiteral("Top"));
    pane.tree.setChangeTitleItem(&rootUpdate);
    QCOMPARE(pane.tree.treeWidget()->topLevelItem(0)->text(0), QStringLiteral("Top"));
    QCOMPARE(pane.tree.treeWidget()->topLevelItemCount(), 1);
    pane.tree.setColleague(nullptr);
    CommandItem ignored(UPDATE, CLASS_WINDOW, rootId, QString(), QStringLiteral("Ignored"));
    pane.tree.setChangeTitleItem(&ignored);
    QCOMPARE(pane.tree.treeWidget()->topLevelItem(0)->text(0), QStringLiteral("Top"));
}

void tst_wContainerProjectArea::movedClassKeepsItsSubtreeExpansion()
{
    Pane pane;
    itemOf(pane.tree, QStringLiteral("cZz"))->setExpanded(true);
    itemOf(pane.tree, QStringLiteral("cYy"))->setExpanded(true);
    itemOf(pane.tree, QStringLiteral("cMid"))->setExpanded(false);
    CommandItem command(UPDATE, CLASS_WINDOW, QStringLiteral("cZz"), QStringLiteral("cMid"),
                        QStringLiteral("Zz"));
    pane.tree.setChangeTitleItem(&command);
    QCOMPARE(itemOf(pane.tree, QStringLiteral("cZz"))->parent()->text(2), QStringLiteral("cMid"));
    QVERIFY(itemOf(pane.tree, QStringLiteral("cZz"))->isExpanded());
    QVERIFY(itemOf(pane.tree, QStringLiteral("cYy"))->isExpanded());
    QCOMPARE(sorted(childIds(itemOf(pane.tree, QStringLiteral("cZz")))),
             (QStringList{QStringLiteral("cYy"), QStringLiteral("p4")}));
}

void tst_wContainerProjectArea::olderFormatRootIdMatchesOneItem()
{
    ModelGenerator::Options options;
    options.elements = 300;
    const ModelGenerator generator(options);
    ModelManager manager;
    manager.loadModel(generator.olderFormat());
    OstraClass *root = manager.getActiveModel()->getRootClass().data();
    QCOMPARE(root->getId(), QStringLiteral("0"));
    RecordingMediator mediator;
    ProjectColleague colleague(&mediator);
    wContainerProjectArea tree;
    tree.setColleague(&colleague);
    tree.setData(root);
    QTreeWidget *view = tree.treeWidget();
    const int rows = rowCount(view);
    const auto texts = [view] {
        QStringList list;
        for (QTreeWidgetItemIterator it(view); *it; ++it)
            list << (*it)->text(0);
        return list;
    };
    const QStringList before = texts();

    CommandItem rename(UPDATE, CLASS_WINDOW, QStringLiteral("0"), QString(),
                       QStringLiteral("Renamed root"));
    tree.setChangeTitleItem(&rename);
    QStringList after = texts();
    QCOMPARE(after.count(QStringLiteral("Renamed root")), 1);
    QCOMPARE(rowCount(view), rows);

    // A parameter saved under the root: one new item there; one moved there.
    CommandItem added(UPDATE, PARAMETER_WINDOW, QStringLiteral("brand-new"), QStringLiteral("0"),
                      QStringLiteral("new one"));
    tree.setChangeTitleItem(&added);
    QCOMPARE(rowCount(view), rows + 1);
    QCOMPARE(itemOf(tree, QStringLiteral("brand-new"))->parent(), view->topLevelItem(0));
    const auto parameter = *root->getAllClassesSet().begin()->data()->getOwnParametersSet().begin();
    CommandItem moved(UPDATE, PARAMETER_WINDOW, parameter->getId(), QStringLiteral("0"),
                      QStringLiteral("moved one"));
    tree.setChangeTitleItem(&moved);
    QCOMPARE(rowCount(view), rows + 1);
    QCOMPARE(itemOf(tree, parameter->getId())->parent(), view->topLevelItem(0));
    QCOMPARE(
        view->findItems(QStringLiteral("moved one"), Qt::MatchExactly | Qt::MatchRecursive).size(),
        1);
}

void tst_wContainerProjectArea::chooserFiltersByTypeAndIdentity()
{
    ProjectFixture fixture;
    wContainerProjectArea tree;
    tree.setData(fixture.root());
    tree.setFilterParameterType(QVariant::String);
    QTreeWidget *view = tree.treeWidget();
    // Every class, but only the text parameter.
    QCOMPARE(shownIds(view),
             sorted({fixture.root()->getId(), QStringLiteral("cAb"), QStringLiteral("cMid"),
                     QStringLiteral("cZz"), QStringLiteral("cYy"), QStringLiteral("p2")}));
    QCOMPARE(rowCount(view), 6);
    // Excluded by identity, with and without a type filter.
    tree.setFilterParameters({fixture.root()->getParameter(QStringLiteral("p2"))});
    QCOMPARE(itemOf(tree, QStringLiteral("p2")), nullptr);
    tree.setFilterParameterType(QVariant::Type(wContainerProjectArea::NO_TYPE_FILTER));
    QCOMPARE(rowCount(view), 9);
    QCOMPARE(itemOf(tree, QStringLiteral("p2")), nullptr);
    // A same-id parameter of another model is not the excluded one.
    tree.setFilterParameters({makeParameter(QStringLiteral("p3"))});
    QVERIFY(itemOf(tree, QStringLiteral("p3")));
    // Typing and clearing the filter keeps the type filter.
    tree.setFilterParameters({});
    tree.setFilterParameterType(QVariant::String);
    QTest::keyClicks(tree.filterLine(), QStringLiteral("x"));
    tree.filterLine()->clear();
    QCOMPARE(rowCount(view), 6);
}

void tst_wContainerProjectArea::chooserSelection()
{
    ProjectFixture fixture;
    wContainerProjectArea tree;
    tree.setData(fixture.root());
    QCOMPARE(tree.getCurrentParameter(), QString());
    QString id = QStringLiteral("p4");
    tree.setCurrentParameter(id);
    QCOMPARE(tree.getCurrentParameter(), QStringLiteral("p4"));
    // A class selected is no parameter; an unknown id selects nothing new.
    QString classId = QStringLiteral("cZz");
    tree.setCurrentParameter(classId);
    QCOMPARE(tree.getCurrentParameter(), QString());
    QString unknown = QStringLiteral("p");
    tree.setCurrentParameter(unknown);
    QCOMPARE(tree.treeWidget()->selectedItems().first()->text(2), QStringLiteral("cZz"));
}

void tst_wContainerProjectArea::bothLanguages()
{
    Pane pane;
    const auto headers = [&] {
        QStringList list;
        for (int column = 0; column < 4; ++column)
            list << pane.tree.treeWidget()->headerItem()->text(column);
        return list;
    };
    const auto actionTexts = [&] {
        QStringList list;
        for (QAction *action : pane.tree.menuActions())
            list << action->text();
        return list;
    };
    QCOMPARE(headers(), (QStringList{QStringLiteral("Наименование"), QStringLiteral("Тип"),
                                     QStringLiteral("UID"), QStringLiteral("Тип")}));
    {
        InstalledCatalogue english(Catalogue::English);
        QVERIFY(english.isLoaded());
        pane.tree.retranslateUI();
        QCOMPARE(headers(), (QStringList{QStringLiteral("Name"), QStringLiteral("Type"),
                                         QStringLiteral("UID"), QStringLiteral("Type")}));
        QCOMPARE(
            actionTexts(),
            (QStringList{QStringLiteral("Add class"), QStringLiteral("Change class"),
                         QStringLiteral("Delete class"), QStringLiteral("Add parameter"),
                         QStringLiteral("Change parameter"), QStringLiteral("Delete parameter"),
                         QStringLiteral("Развернуть всё"), QStringLiteral("Test class")}));
        QCOMPARE(pane.tree.windowTitle(), QStringLiteral("Project"));
    }
    pane.tree.retranslateUI();
    QCOMPARE(actionTexts().first(), QStringLiteral("Добавить класс"));
    QCOMPARE(pane.tree.windowTitle(), QStringLiteral("Проект"));
}

QTEST_MAIN(tst_wContainerProjectArea)
#include "tst_wcontainerprojectarea.moc"
