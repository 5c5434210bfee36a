#include "BoxRecorder.h"
#include "ModelFixtures.h"
#include "TreeClicks.h"

#include "MessageBoxes.h"
#include "Entities/Language/InterfaceLanguage.h"
#include "SlotGuard.h"
#include "RuleWidgets/dChooseParamRule.h"
#include "WidgetAreas/wContainerRelationshipArea.h"
#include "WidgetAreas/wContainerProjectArea.h"
#include "model/ModelManager.h"
#include "model/OstraModel.h"
#include "workspace/IDEDirector.h"
#include "workspace/builders/IDEBuilder.h"
#include "workspace/colleagues/WorkSpaceColleague.h"
#include "workspace/routing/CommandItem.h"
#include "workspace/viewmanagers/BaseViewManager.h"
#include "workspace/wrappers/WidgetWrapper.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QLineEdit>
#include <QPointer>
#include <QTreeWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeView>
#include <QtTest>

Q_DECLARE_METATYPE(TypeCRUD)
Q_DECLARE_METATYPE(TypeWorkSpaceWindow)

namespace {

// The assembled body over a small model:
//   Root: parameter p (P), class c (C: parameter q (Q), class d (D: parameter s (S))),
//   parameter o (O) as r1's output,
//   rule r1 on rel binding p and o, class c's rule r2 on rel binding q,
//   class c's constraint k1 on rel2.
// The ids of the rows of a parameter page's rule table, then of its constraint table.
QStringList linkIds(QWidget *n_page)
{
    QStringList ids;
    for (const char *name : {"twLinkRules", "twLinkConstraint"}) {
        auto *table = n_page->findChild<QTableWidget *>(QLatin1String(name));
        for (int row = 0; row < table->rowCount(); ++row)
            ids << table->item(row, 2)->text();
    }
    return ids;
}

struct Body
{
    Body()
    {
        window.setLayout(director.Constructor(&window));
        for (int index = 0; index < 4; ++index)
            tools.append(new QAction(QStringLiteral("tool %1").arg(index), &window));
        director.setToolCollection(tools);
        window.resize(1000, 700);
        window.show();

        // Built in code, written out and read back through the model manager, as a user's file.
        const auto built = QSharedPointer<OstraModel>::create();
        built->setId(QStringLiteral("model"));
        root = built->getRootClass();
        root->setShortName(QStringLiteral("Root"));
        const auto storage = built->getRelationsStorage();
        root->addParameter(
            makeParameter(QStringLiteral("p"), QVariant::Double, QStringLiteral("P")));
        root->addParameter(
            makeParameter(QStringLiteral("o"), QVariant::Double, QStringLiteral("O")));
        const ClassPtr c = makeClass(QStringLiteral("c"), storage, QStringLiteral("C"));
        root->addClass(c);
        c->addParameter(makeParameter(QStringLiteral("q"), QVariant::Double, QStringLiteral("Q")));
        const ClassPtr d = makeClass(QStringLiteral("d"), storage, QStringLiteral("D"));
        c->addClass(d);
        d->addParameter(makeParameter(QStringLiteral("s"), QVariant::Double, QStringLiteral("S")));
        makeRelation(storage, QStringLiteral("rel"), QStringLiteral("b = a;"),
                     QStringList{QStringLiteral("a")}, QStringList{QStringLiteral("b")},
                     RelationModel::RELATION_SIMPLE, QStringLiteral("Rel"));
        makeRelation(storage, QStringLiteral("rel2"), QStringLiteral("a > 0;"),
                     QStringList{QStringLiteral("a")}, QStringList{},
                     RelationModel::RELATION_CONSTRAINT, QStringLiteral("Rel2"));
        placeRule(root, QStringLiteral("r1"), QStringLiteral("rel"),
                  {{QStringLiteral("a"), QStringLiteral("p")}},
                  {{QStringLiteral("b"), QStringLiteral("o")}}, QStringLiteral("R1"));
        placeRule(c, QStringLiteral("r2"), QStringLiteral("rel"),
                  {{QStringLiteral("a"), QStringLiteral("q")}}, {}, QStringLiteral("R2"));
        placeConstraint(c, QStringLiteral("k1"), QStringLiteral("rel2"),
                        {{QStringLiteral("a"), QStringLiteral("q")}}, QStringLiteral("K1"));

        director.getViewProjectManager()->setData(root.data());
        director.getViewRelationshipManager()->setData(root.data());
        director.getWorkSpaceViewManagerManager()->setData(root.data());
    }
    ~Body()
    {
        MessageBoxes::setBoxHandler({});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTabWidget *tabs() { return director.workSpaceBuilder()->getTabWidget(); }
    WorkSpaceColleague *workSpace() { return director.workSpaceColleague(); }
    QTreeWidget *projectTree()
    {
        QWidget *tree = director.projectBuilder()->getWidgets().at(0)->getWidget();
        return qobject_cast<wContainerProjectArea *>(tree)->treeWidget();
    }
    QTreeWidgetItem *projectItem(const QString &n_id)
    {
        // The project tree keeps the element's id in its hidden third column.
        const auto found = projectTree()->findItems(n_id, Qt::MatchExactly | Qt::MatchRecursive, 2);
        return found.isEmpty() ? nullptr : found.first();
    }
    wContainerRelationshipArea *relationsTree()
    {
        return qobject_cast<wContainerRelationshipArea *>(
            director.relationshipBuilder()->getWidgets().at(0)->getWidget());
    }
    static bool inProjectTree(TypeWorkSpaceWindow n_kind)
    {
        return n_kind == CLASS_WINDOW || n_kind == PARAMETER_WINDOW;
    }
    QString treeText(TypeWorkSpaceWindow n_kind, const QString &n_id)
    {
        if (inProjectTree(n_kind)) {
            QTreeWidgetItem *item = projectItem(n_id);
            return item ? item->text(0) : QString();
        }
        QTreeWidgetItem *item = relationsTree()->itemOf(n_id);
        return item ? item->text(0) : QString();
    }
    // A user's double click on the element's row.
    void doubleClick(TypeWorkSpaceWindow n_kind, const QString &n_id)
    {
        if (inProjectTree(n_kind))
            doubleClickRow(projectTree(), projectItem(n_id));
        else
            doubleClickRow(relationsTree()->treeWidget(), relationsTree()->itemOf(n_id));
    }
    // A user's choice of the entry with that text in the relations tree's menu on the row (on
    // the empty space below the rows when none).
    void relationsMenu(QTreeWidgetItem *n_item, const QString &n_text)
    {
        QTreeWidget *tree = relationsTree()->treeWidget();
        tree->clearSelection();
        QPoint at(5, tree->viewport()->height() - 5);
        if (n_item) {
            n_item->setSelected(true);
            at = tree->visualItemRect(n_item).center();
        }
        relationsTree()->customMenuRequested(at);
        QMenu *menu = relationsTree()->findChildren<QMenu *>().last();
        for (QAction *action : menu->actions())
            if (action->text() == n_text)
                action->trigger();
        menu->close();
    }
    // A user's Remove on the element's row, in the tree that shows it.
    void removeRow(TypeWorkSpaceWindow n_kind, const QString &n_id, bool n_constraint = false)
    {
        const InterfaceLanguage &texts = InterfaceLanguage::Instance();
        if (inProjectTree(n_kind)) {
            QTreeWidgetItem *item = projectItem(n_id);
            projectTree()->scrollToItem(item);
            QTest::mouseClick(projectTree()->viewport(), Qt::LeftButton, Qt::NoModifier,
                              projectTree()->visualItemRect(item).center());
            const auto *area = qobject_cast<wContainerProjectArea *>(projectTree()->parentWidget());
            area->menuActions().at(n_kind == CLASS_WINDOW ? 2 : 5)->trigger();
            return;
        }
        const int offset = n_kind == RELATION_WINDOW ? 3 : n_constraint ? 12 : 6;
        relationsMenu(relationsTree()->itemOf(n_id),
                      texts.getTextById(texts.getContainerRelationBeginKey() + offset));
    }
    void execute(TypeCRUD n_operation, TypeWorkSpaceWindow n_kind, const QString &n_uid)
    {
        CommandItem command(n_operation, n_kind, n_uid);
        workSpace()->execute(&command);
    }
    // As a tree's slot runs it: an exception becomes one box.
    void executeGuarded(TypeCRUD n_operation, TypeWorkSpaceWindow n_kind, const QString &n_uid)
    {
        SlotGuard::run([&] { execute(n_operation, n_kind, n_uid); });
    }
    QLineEdit *nameField(int n_tab)
    {
        // The class and parameter pages name their field leName, the rule page leTitle, the
        // relation page leShortName.
        QWidget *page = tabs()->widget(n_tab);
        QLineEdit *field = page->findChild<QLineEdit *>(QStringLiteral("leShortName"));
        if (!field)
            field = page->findChild<QLineEdit *>(QStringLiteral("leTitle"));
        return field ? field : page->findChild<QLineEdit *>(QStringLiteral("leName"));
    }
    void typeName(int n_tab, const QString &n_name)
    {
        QLineEdit *field = nameField(n_tab);
        field->selectAll();
        QTest::keyClicks(field, n_name);
    }
    QStringList tabTexts()
    {
        QStringList texts;
        for (int index = 0; index < tabs()->count(); ++index)
            texts << tabs()->tabText(index);
        return texts;
    }
    QSet<QString> openIds()
    {
        QSet<QString> ids;
        for (WidgetWrapper *wrapper : workSpace()->getWidgetWrappers())
            ids.insert(QString::number(wrapper->getTypeWorkSpaceWindow()) + QLatin1Char(':')
                       + wrapper->getUid());
        return ids;
    }
    void closeTab(int n_index)
    {
        QTest::mouseClick(tabs()->tabBar()->tabButton(n_index, QTabBar::RightSide), Qt::LeftButton);
    }
    QList<bool> toolStates() const
    {
        QList<bool> states;
        for (QAction *tool : tools)
            states << tool->isEnabled();
        return states;
    }

    QWidget window;
    IDEDirector director;
    QList<QAction *> tools;
    ModelManager manager;
    ClassPtr root;
};

QString key(TypeWorkSpaceWindow n_kind, const QString &n_id)
{
    return QString::number(n_kind) + QLatin1Char(':') + n_id;
}

// Every row name a test page's tree shows, at any depth.
QStringList testTreeTexts(QWidget *n_page)
{
    QStringList texts;
    const auto *tree = n_page->findChild<QTreeWidget *>(QStringLiteral("objectsTree"));
    QList<QTreeWidgetItem *> rows;
    for (int index = 0; index < tree->topLevelItemCount(); ++index)
        rows << tree->topLevelItem(index);
    while (!rows.isEmpty()) {
        QTreeWidgetItem *row = rows.takeFirst();
        texts << row->text(0);
        for (int index = 0; index < row->childCount(); ++index)
            rows << row->child(index);
    }
    texts.sort();
    return texts;
}

// The parameter a rule page shows against one of its relation's variables.
QString ruleLink(QWidget *n_page, const char *n_table, const QString &n_variable)
{
    auto *table = n_page->findChild<QTableWidget *>(QString::fromLatin1(n_table));
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->item(row, 0)->text() == n_variable)
            return static_cast<QLineEdit *>(table->cellWidget(row, 1))->text();
    return QStringLiteral("<no row>");
}

} // namespace

// The editor tabs that the trees' commands open, save, mark, close and delete.
class tst_WorkSpace : public QObject
{
    Q_OBJECT

private slots:
    void secondOpenFocusesReopenIsFresh_data();
    void secondOpenFocusesReopenIsFresh();
    void classTestHasOnePagePerClass();
    void editMarkSaveAndClose_data();
    void editMarkSaveAndClose();
    void closingANeverSavedPageSendsNothing();
    void neverSavedPagesAddNoTreeRows_data();
    void neverSavedPagesAddNoTreeRows();
    void removingARowWhoseElementIsGone_data();
    void removingARowWhoseElementIsGone();
    void markGoesOnTheEditedTab();
    void saveAllKeepsTheMarkOfARefusingTab();
    void directorSaveStopsOnARefusingTab();
    void deletingAClassClosesItsSubtreeTabs();
    void deletingTheRootOnlyWarns();
    void deletingAClassDropsItsRulesFromTheRelationsTree();
    void deletingAClassWithConstraintsOnlyDropsThemFromTheRelationsTree();
    void deletingAParameterClosesOnlyItsTab();
    void deletingAParameterTellsTestPagesAndRuleEditors();
    void deletingARelationClosesOnlyItsUsers();
    void refusedRelationDeletionClosesNothing();
    void deletingARuleAndAConstraint_data();
    void deletingARuleAndAConstraint();
    void elementsWithoutRelationOrOwner();
    void commandsThatDoNothing_data();
    void commandsThatDoNothing();
    void updateWithoutModelMakesNoPage();
    void lastTabClosedDisablesTheTestTools();
    void relationAndRuleMadeFromTheRelationsTree();
    void throwingDeleteKeepsTheTreeItem();
};

void tst_WorkSpace::secondOpenFocusesReopenIsFresh_data()
{
    QTest::addColumn<TypeWorkSpaceWindow>("kind");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");

    QTest::newRow("class") << CLASS_WINDOW << QStringLiteral("c") << QStringLiteral("C");
    QTest::newRow("parameter") << PARAMETER_WINDOW << QStringLiteral("p") << QStringLiteral("P");
    QTest::newRow("relation") << RELATION_WINDOW << QStringLiteral("rel") << QStringLiteral("Rel");
    QTest::newRow("rule") << RULE_WINDOW << QStringLiteral("r1") << QStringLiteral("R1");
    QTest::newRow("constraint") << RULE_WINDOW << QStringLiteral("k1") << QStringLiteral("K1");
}

void tst_WorkSpace::secondOpenFocusesReopenIsFresh()
{
    QFETCH(TypeWorkSpaceWindow, kind);
    QFETCH(QString, id);
    QFETCH(QString, name);

    Body body;
    body.doubleClick(kind, id);
    QCOMPARE(body.tabTexts(), QStringList{name});
    body.typeName(0, QStringLiteral("Edited"));
    body.execute(CREATE, RELATION_WINDOW, QString());
    QCOMPARE(body.tabs()->currentIndex(), 1);

    // Open again: the same tab comes to the front with its edits.
    body.doubleClick(kind, id);
    QCOMPARE(body.tabs()->count(), 2);
    QCOMPARE(body.tabs()->currentIndex(), 0);
    QCOMPARE(body.nameField(0)->text(), QStringLiteral("Edited"));

    // Closed and opened again: a fresh page with the stored name.
    body.closeTab(0);
    body.doubleClick(kind, id);
    QCOMPARE(body.tabs()->count(), 2);
    QCOMPARE(body.tabs()->tabText(1), name);
    QCOMPARE(body.nameField(1)->text(), name);
}

void tst_WorkSpace::classTestHasOnePagePerClass()
{
    Body body;
    body.execute(READ, TEST_CLASS_WINDOW, body.root->getId());
    body.execute(READ, TEST_CLASS_WINDOW, body.root->getId());
    QCOMPARE(body.tabs()->count(), 1);
    body.execute(READ, TEST_CLASS_WINDOW, QStringLiteral("c"));
    QCOMPARE(body.tabs()->count(), 2);
    body.execute(READ, TEST_CLASS_WINDOW, body.root->getId());
    QCOMPARE(body.tabs()->currentIndex(), 0);
    QCOMPARE(body.openIds(), (QSet<QString>{key(TEST_CLASS_WINDOW, body.root->getId()),
                                            key(TEST_CLASS_WINDOW, QStringLiteral("c"))}));
    // A test page is never saved and never marked.
    const QStringList before = body.tabTexts();
    QVERIFY(!body.workSpace()->save());
    QVERIFY(body.workSpace()->saveAll());
    QCOMPARE(body.tabTexts(), before);
}

void tst_WorkSpace::editMarkSaveAndClose_data()
{
    QTest::addColumn<TypeWorkSpaceWindow>("kind");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("name");

    QTest::newRow("class") << CLASS_WINDOW << QStringLiteral("c") << QStringLiteral("C");
    QTest::newRow("parameter") << PARAMETER_WINDOW << QStringLiteral("q") << QStringLiteral("Q");
    QTest::newRow("relation") << RELATION_WINDOW << QStringLiteral("rel") << QStringLiteral("Rel");
    QTest::newRow("constraint") << RULE_WINDOW << QStringLiteral("k1") << QStringLiteral("K1");
}

void tst_WorkSpace::editMarkSaveAndClose()
{
    QFETCH(TypeWorkSpaceWindow, kind);
    QFETCH(QString, id);
    QFETCH(QString, name);

    Body body;
    body.execute(UPDATE, kind, id);
    // Each keystroke marks again; the mark is never doubled.
    body.typeName(0, QStringLiteral("New"));
    QCOMPARE(body.tabTexts(), QStringList{name + QStringLiteral("*")});
    QCOMPARE(body.treeText(kind, id), name + QStringLiteral("*"));

    QVERIFY(body.workSpace()->save());
    QCOMPARE(body.tabTexts(), QStringList{QStringLiteral("New")});
    QCOMPARE(body.treeText(kind, id), QStringLiteral("New"));

    // Edited, then closed unsaved: the tree shows the stored name again.
    body.typeName(0, QStringLiteral("Unsaved"));
    QCOMPARE(body.treeText(kind, id), QStringLiteral("New*"));
    body.closeTab(0);
    QCOMPARE(body.treeText(kind, id), QStringLiteral("New"));
    QVERIFY(body.workSpace()->getWidgetWrappers().isEmpty());
}

void tst_WorkSpace::closingANeverSavedPageSendsNothing()
{
    Body body;
    body.execute(CREATE, CLASS_WINDOW, body.root->getId());
    body.execute(CREATE, RULE_WINDOW, QStringLiteral("rel"));
    const QString projectRow = body.treeText(CLASS_WINDOW, QStringLiteral("c"));
    const int projectRows = body.projectTree()->model()->rowCount();
    const int ruleRows = body.relationsTree()->itemOf(QStringLiteral("rel"))->childCount();
    body.closeTab(1);
    body.closeTab(0);
    QCOMPARE(body.tabs()->count(), 0);
    QCOMPARE(body.projectTree()->model()->rowCount(), projectRows);
    QCOMPARE(body.relationsTree()->itemOf(QStringLiteral("rel"))->childCount(), ruleRows);
    QCOMPARE(body.treeText(CLASS_WINDOW, QStringLiteral("c")), projectRow);
}

void tst_WorkSpace::neverSavedPagesAddNoTreeRows_data()
{
    QTest::addColumn<TypeWorkSpaceWindow>("kind");
    QTest::addColumn<QString>("parent");

    QTest::newRow("class") << CLASS_WINDOW << QStringLiteral("c");
    QTest::newRow("parameter") << PARAMETER_WINDOW << QStringLiteral("c");
    QTest::newRow("relation") << RELATION_WINDOW << QString();
    QTest::newRow("rule") << RULE_WINDOW << QStringLiteral("rel");
    QTest::newRow("constraint") << RULE_WINDOW << QStringLiteral("rel2");
}

// An element never saved has no tree row, whatever its page's edit mark; the row comes with the
// first save.
void tst_WorkSpace::neverSavedPagesAddNoTreeRows()
{
    QFETCH(TypeWorkSpaceWindow, kind);
    QFETCH(QString, parent);

    Body body;
    const auto rows = [&body] {
        QStringList texts;
        for (QTreeWidget *tree : {body.projectTree(), body.relationsTree()->treeWidget()})
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                texts << (*it)->text(0);
        return texts;
    };
    const QStringList before = rows();
    body.execute(CREATE, kind, parent);
    body.typeName(0, QStringLiteral("Fresh"));
    QVERIFY(body.tabs()->tabText(0).startsWith(QStringLiteral("NoName")));
    QCOMPARE(rows(), before);
    body.closeTab(0);
    QCOMPARE(rows(), before);
}

void tst_WorkSpace::removingARowWhoseElementIsGone_data()
{
    QTest::addColumn<TypeWorkSpaceWindow>("kind");
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("constraint");

    QTest::newRow("class") << CLASS_WINDOW << QStringLiteral("d") << false;
    QTest::newRow("parameter") << PARAMETER_WINDOW << QStringLiteral("s") << false;
    QTest::newRow("relation") << RELATION_WINDOW << QStringLiteral("rel2") << false;
    QTest::newRow("rule") << RULE_WINDOW << QStringLiteral("r1") << false;
    QTest::newRow("constraint") << RULE_WINDOW << QStringLiteral("k1") << true;
}

// A row left behind by an element the model lost some other way goes quietly on Remove.
void tst_WorkSpace::removingARowWhoseElementIsGone()
{
    QFETCH(TypeWorkSpaceWindow, kind);
    QFETCH(QString, id);
    QFETCH(bool, constraint);

    Body body;
    const ClassPtr c = body.root->getClassById(QStringLiteral("c"));
    const ClassPtr d = body.root->getClassById(QStringLiteral("d"));
    if (kind == CLASS_WINDOW)
        c->deleteChildClass(d, true);
    else if (kind == PARAMETER_WINDOW)
        d->deleteParameterFromClass(d->getParameter(id), true);
    else if (kind == RELATION_WINDOW)
        body.root->deleteRelation(id);
    else if (constraint)
        c->deleteConstraintFromClass(id, true);
    else
        body.root->deleteRuleFromClass(id, true);
    QVERIFY(!body.workSpace()->getCloseBaseOstraObj(id, kind));
    QVERIFY(!body.treeText(kind, id).isEmpty());

    BoxRecorder boxes;
    body.removeRow(kind, id, constraint);
    QVERIFY(boxes.boxes().isEmpty());
    QVERIFY(body.treeText(kind, id).isEmpty());
    QVERIFY(body.root->relationsContains(QStringLiteral("rel")));
    QVERIFY(body.root->classContains(QStringLiteral("c")));
}

void tst_WorkSpace::markGoesOnTheEditedTab()
{
    Body body;
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("p"));
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("q"));
    QCOMPARE(body.tabs()->currentIndex(), 1);
    // The page behind the current one changes (as a page refreshed by a notice would).
    QTest::keyClicks(body.nameField(0), QStringLiteral("x"));
    QCOMPARE(body.tabTexts(), (QStringList{QStringLiteral("P*"), QStringLiteral("Q")}));
    QCOMPARE(body.treeText(PARAMETER_WINDOW, QStringLiteral("p")), QStringLiteral("P*"));
    QCOMPARE(body.treeText(PARAMETER_WINDOW, QStringLiteral("q")), QStringLiteral("Q"));
}

void tst_WorkSpace::saveAllKeepsTheMarkOfARefusingTab()
{
    Body body;
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("p"));
    body.execute(UPDATE, CLASS_WINDOW, QStringLiteral("c"));
    body.execute(UPDATE, RULE_WINDOW, QStringLiteral("r1"));
    body.execute(UPDATE, RELATION_WINDOW, QStringLiteral("rel"));
    body.typeName(0, QStringLiteral("P2"));
    body.nameField(1)->clear();
    QTest::keyClicks(body.nameField(1), QStringLiteral(" "));
    body.typeName(2, QStringLiteral("R9"));
    body.typeName(3, QStringLiteral("Rel9"));

    QVERIFY(!body.workSpace()->saveAll());
    QCOMPARE(body.tabTexts(), (QStringList{QStringLiteral("P2"), QStringLiteral("C*"),
                                           QStringLiteral("R9"), QStringLiteral("Rel9")}));
    QCOMPARE(body.root->getParameter(QStringLiteral("p"))->getShortName(), QStringLiteral("P2"));
    QCOMPARE(body.root->getRule(QStringLiteral("r1"))->getShortName(), QStringLiteral("R9"));
    QCOMPARE(body.root->getRelationPtr(QStringLiteral("rel"))->getShortName(),
             QStringLiteral("Rel9"));
    QCOMPARE(body.treeText(RELATION_WINDOW, QStringLiteral("rel")), QStringLiteral("Rel9"));
    QCOMPARE(body.root->getClassById(QStringLiteral("c"))->getShortName(), QStringLiteral("C"));
    QCOMPARE(body.treeText(CLASS_WINDOW, QStringLiteral("c")), QStringLiteral("C*"));
    QCOMPARE(body.treeText(RULE_WINDOW, QStringLiteral("r1")), QStringLiteral("R9"));
}

void tst_WorkSpace::directorSaveStopsOnARefusingTab()
{
    Body body;
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("p"));
    body.nameField(0)->clear();
    QTest::keyClicks(body.nameField(0), QStringLiteral(" "));
    QVERIFY(!body.director.save());
    // The page's error row stays: nothing was checked after the refusal.
    auto *errors = body.director.informationBuilder()
                       ->getWidgets()
                       .at(0)
                       ->getWidget()
                       ->findChild<QTableWidget *>();
    QCOMPARE(errors->rowCount(), 1);
    QCOMPARE(body.tabTexts(), QStringList{QStringLiteral("P*")});

    // Before a close, the refusing tab comes to the front and the others are saved.
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("q"));
    body.typeName(1, QStringLiteral("Q2"));
    QVERIFY(!body.director.saveTabsBeforeClose());
    QCOMPARE(body.tabs()->currentIndex(), 0);
    QCOMPARE(body.tabTexts(), (QStringList{QStringLiteral("P*"), QStringLiteral("Q2")}));
    QCOMPARE(errors->rowCount(), 1);
    body.typeName(0, QStringLiteral("P3"));
    QVERIFY(body.director.saveTabsBeforeClose());
    QCOMPARE(body.root->getParameter(QStringLiteral("p"))->getShortName(), QStringLiteral("P3"));
}

void tst_WorkSpace::deletingAClassClosesItsSubtreeTabs()
{
    Body body;
    body.execute(UPDATE, CLASS_WINDOW, QStringLiteral("c"));
    body.execute(UPDATE, CLASS_WINDOW, QStringLiteral("d"));
    body.execute(READ, TEST_CLASS_WINDOW, QStringLiteral("c"));
    body.execute(READ, TEST_CLASS_WINDOW, body.root->getId());
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("q"));
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("s"));
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("p"));
    body.execute(UPDATE, RULE_WINDOW, QStringLiteral("r2"));
    body.execute(UPDATE, RULE_WINDOW, QStringLiteral("k1"));
    body.execute(UPDATE, RULE_WINDOW, QStringLiteral("r1"));
    QPointer<QWidget> ruleOfClass = body.tabs()->widget(7);

    body.doubleClick(CLASS_WINDOW, QStringLiteral("c"));
    body.execute(DELETE, CLASS_WINDOW, QStringLiteral("c"));
    QVERIFY(!body.root->classContains(QStringLiteral("c")));
    QVERIFY(!body.root->parametersContains(QStringLiteral("s")));
    // The deleted class's rule and constraint pages go too: saving them would bring them back.
    QVERIFY(ruleOfClass.isNull());
    QCOMPARE(body.openIds(), (QSet<QString>{key(TEST_CLASS_WINDOW, body.root->getId()),
                                            key(PARAMETER_WINDOW, QStringLiteral("p")),
                                            key(RULE_WINDOW, QStringLiteral("r1"))}));
    QCOMPARE(body.tabs()->count(), 3);
    QVERIFY(body.workSpace()->saveAll());
    QVERIFY(!body.root->rulesContains(QStringLiteral("r2")));
}

void tst_WorkSpace::deletingAClassDropsItsRulesFromTheRelationsTree()
{
    Body body;
    QVERIFY(body.relationsTree()->itemOf(QStringLiteral("r2")));
    QVERIFY(body.relationsTree()->itemOf(QStringLiteral("k1")));
    BoxRecorder boxes;
    body.removeRow(CLASS_WINDOW, QStringLiteral("c"));
    QVERIFY(!body.root->classContains(QStringLiteral("c")));
    QVERIFY(!body.projectItem(QStringLiteral("c")));
    // The class's rule and constraint leave with it; the relations and the root's rule stay.
    QVERIFY(!body.relationsTree()->itemOf(QStringLiteral("r2")));
    QVERIFY(!body.relationsTree()->itemOf(QStringLiteral("k1")));
    for (const QString &id : {QStringLiteral("rel"), QStringLiteral("rel2"), QStringLiteral("r1")})
        QVERIFY2(body.relationsTree()->itemOf(id), qPrintable(id));
    QCOMPARE(body.relationsTree()->itemOf(QStringLiteral("rel"))->childCount(), 1);
    QVERIFY(boxes.boxes().isEmpty());
}

void tst_WorkSpace::deletingAClassWithConstraintsOnlyDropsThemFromTheRelationsTree()
{
    Body body;
    placeConstraint(body.root->getClassById(QStringLiteral("d")), QStringLiteral("k2"),
                    QStringLiteral("rel2"), {{QStringLiteral("a"), QStringLiteral("s")}},
                    QStringLiteral("K2"));
    body.relationsTree()->refresh();
    QVERIFY(body.relationsTree()->itemOf(QStringLiteral("k2")));
    BoxRecorder boxes;
    body.removeRow(CLASS_WINDOW, QStringLiteral("d"));
    QVERIFY(!body.root->classContains(QStringLiteral("d")));
    QVERIFY(!body.relationsTree()->itemOf(QStringLiteral("k2")));
    QVERIFY(body.relationsTree()->itemOf(QStringLiteral("k1")));
    QVERIFY(boxes.boxes().isEmpty());
}

void tst_WorkSpace::deletingTheRootOnlyWarns()
{
    Body body;
    body.execute(UPDATE, CLASS_WINDOW, body.root->getId());
    body.execute(READ, TEST_CLASS_WINDOW, body.root->getId());
    BoxRecorder boxes;
    body.execute(DELETE, CLASS_WINDOW, body.root->getId());
    QCOMPARE(boxes.boxes().size(), 1);
    QCOMPARE(boxes.boxes().at(0).icon, QMessageBox::Warning);
    QCOMPARE(boxes.boxes().at(0).title, QStringLiteral("Предупреждение"));
    QCOMPARE(boxes.boxes().at(0).text, QStringLiteral("Запрещено удалять корневой класс"));
    QCOMPARE(boxes.boxes().at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(body.tabs()->count(), 2);
    QCOMPARE(body.root->getAllClassesCount(), 2);
}

void tst_WorkSpace::deletingAParameterClosesOnlyItsTab()
{
    Body body;
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("q"));
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("p"));
    body.execute(UPDATE, CLASS_WINDOW, QStringLiteral("c"));
    body.execute(READ, TEST_CLASS_WINDOW, QStringLiteral("c"));
    body.execute(DELETE, PARAMETER_WINDOW, QStringLiteral("q"));
    QVERIFY(!body.root->parametersContains(QStringLiteral("q")));
    QCOMPARE(body.openIds(), (QSet<QString>{key(PARAMETER_WINDOW, QStringLiteral("p")),
                                            key(CLASS_WINDOW, QStringLiteral("c")),
                                            key(TEST_CLASS_WINDOW, QStringLiteral("c"))}));
}

// Only the test pages and the rule editors hear of a deleted parameter; other editors keep what
// they show.
void tst_WorkSpace::deletingAParameterTellsTestPagesAndRuleEditors()
{
    Body body;
    body.execute(READ, TEST_CLASS_WINDOW, body.root->getId());
    body.execute(UPDATE, RULE_WINDOW, QStringLiteral("r1"));
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("o"));
    body.execute(UPDATE, CLASS_WINDOW, QStringLiteral("c"));
    QWidget *testPage = body.tabs()->widget(0);
    QWidget *rulePage = body.tabs()->widget(1);
    QWidget *parameterPage = body.tabs()->widget(2);
    QStringList shown = testTreeTexts(testPage);
    QVERIFY(shown.contains(QStringLiteral("P")));
    QCOMPARE(ruleLink(rulePage, "twInputParams", QStringLiteral("a")), QStringLiteral("P"));
    QCOMPARE(ruleLink(rulePage, "twOutputParams", QStringLiteral("b")), QStringLiteral("O"));
    QCOMPARE(linkIds(parameterPage), QStringList{QStringLiteral("r1")});
    const QStringList tabsBefore = body.tabTexts();

    body.execute(DELETE, PARAMETER_WINDOW, QStringLiteral("p"));
    QVERIFY(!body.root->parametersContains(QStringLiteral("p")));
    // The test tree loses the parameter's row and nothing else.
    shown.removeOne(QStringLiteral("P"));
    QCOMPARE(testTreeTexts(testPage), shown);
    // The rule page unbinds the deleted parameter and keeps its other link.
    QCOMPARE(ruleLink(rulePage, "twInputParams", QStringLiteral("a")), QString());
    QCOMPARE(ruleLink(rulePage, "twOutputParams", QStringLiteral("b")), QStringLiteral("O"));
    // The parameter and class pages are not told: fields, links and tabs as they were.
    QCOMPARE(body.tabTexts(), tabsBefore);
    QCOMPARE(body.nameField(2)->text(), QStringLiteral("O"));
    QCOMPARE(linkIds(parameterPage), QStringList{QStringLiteral("r1")});
    QCOMPARE(body.nameField(3)->text(), QStringLiteral("C"));
}

void tst_WorkSpace::deletingARelationClosesOnlyItsUsers()
{
    Body body;
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("p"));
    QWidget *parameterPage = body.tabs()->widget(0);
    QCOMPARE(linkIds(parameterPage), QStringList{QStringLiteral("r1")});
    body.execute(UPDATE, RULE_WINDOW, QStringLiteral("r1"));
    body.execute(UPDATE, RULE_WINDOW, QStringLiteral("k1"));
    body.execute(UPDATE, RELATION_WINDOW, QStringLiteral("rel"));
    body.execute(UPDATE, RELATION_WINDOW, QStringLiteral("rel2"));
    body.typeName(2, QStringLiteral("Kept"));

    body.execute(DELETE, RELATION_WINDOW, QStringLiteral("rel"));
    QVERIFY(!body.root->relationsContains(QStringLiteral("rel")));
    QVERIFY(!body.root->rulesContains(QStringLiteral("r1")));
    // The constraint on the other relation keeps its tab, its edits and its mark.
    QCOMPARE(body.tabTexts(),
             (QStringList{QStringLiteral("P"), QStringLiteral("K1*"), QStringLiteral("Rel2")}));
    QCOMPARE(body.nameField(1)->text(), QStringLiteral("Kept"));
    QCOMPARE(linkIds(parameterPage), QStringList());
}

void tst_WorkSpace::refusedRelationDeletionClosesNothing()
{
    Body body;
    body.execute(UPDATE, RULE_WINDOW, QStringLiteral("r1"));
    body.execute(UPDATE, RULE_WINDOW, QStringLiteral("k1"));
    // A rule on the relation that no class owns makes the model refuse.
    const RulePtr orphan = makeRule(QStringLiteral("orphan"), QStringLiteral("Orphan"));
    orphan->setRelationPtr(body.root->getRelationPtr(QStringLiteral("rel")));
    body.root->addRuleToAll(orphan);
    BoxRecorder boxes;
    body.executeGuarded(DELETE, RELATION_WINDOW, QStringLiteral("rel"));
    QCOMPARE(boxes.boxes().size(), 1);
    QCOMPARE(boxes.boxes().at(0).icon, QMessageBox::Information);
    QVERIFY(body.root->relationsContains(QStringLiteral("rel")));
    QCOMPARE(body.tabs()->count(), 2);
    QVERIFY(body.root->rulesContains(QStringLiteral("r1")));
}

void tst_WorkSpace::deletingARuleAndAConstraint_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("other");

    QTest::newRow("rule") << QStringLiteral("r2") << QStringLiteral("k1");
    QTest::newRow("constraint") << QStringLiteral("k1") << QStringLiteral("r2");
}

void tst_WorkSpace::deletingARuleAndAConstraint()
{
    QFETCH(QString, id);
    QFETCH(QString, other);

    Body body;
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("q"));
    QWidget *parameterPage = body.tabs()->widget(0);
    QCOMPARE(linkIds(parameterPage), (QStringList{QStringLiteral("r2"), QStringLiteral("k1")}));
    body.execute(UPDATE, RULE_WINDOW, id);
    body.execute(UPDATE, RULE_WINDOW, other);
    body.execute(DELETE, RULE_WINDOW, id);
    QVERIFY(!body.root->rulesContains(id) && !body.root->constraintsContains(id));
    QVERIFY(body.root->rulesContains(other) || body.root->constraintsContains(other));
    QCOMPARE(body.openIds(),
             (QSet<QString>{key(PARAMETER_WINDOW, QStringLiteral("q")), key(RULE_WINDOW, other)}));
    QCOMPARE(linkIds(parameterPage), QStringList{other});
}

void tst_WorkSpace::elementsWithoutRelationOrOwner()
{
    Body body;
    // A rule that lost its relation: closing its tab names no parent and breaks nothing.
    body.root->addRule(makeRule(QStringLiteral("loose"), QStringLiteral("Loose")));
    body.execute(UPDATE, RULE_WINDOW, QStringLiteral("loose"));
    QCOMPARE(body.tabTexts(), QStringList{QStringLiteral("Loose")});
    QCOMPARE(body.workSpace()->getCloseParentObj(QStringLiteral("loose"), RULE_WINDOW), QString());
    body.closeTab(0);
    QCOMPARE(body.tabs()->count(), 0);

    // A rule known to the model but owned by no class is refused through the guard.
    body.root->addRuleToAll(makeRule(QStringLiteral("orphan"), QStringLiteral("Orphan")));
    body.execute(UPDATE, RULE_WINDOW, QStringLiteral("orphan"));
    BoxRecorder boxes;
    body.executeGuarded(DELETE, RULE_WINDOW, QStringLiteral("orphan"));
    QCOMPARE(boxes.boxes().size(), 1);
    QCOMPARE(body.tabs()->count(), 1);
    QVERIFY(body.root->rulesContains(QStringLiteral("orphan")));

    // An id the model does not hold: nothing to delete, no box, no tab changed.
    boxes.clear();
    body.executeGuarded(DELETE, PARAMETER_WINDOW, QStringLiteral("nowhere"));
    QVERIFY(boxes.boxes().isEmpty());
    QCOMPARE(body.tabs()->count(), 1);
}

void tst_WorkSpace::commandsThatDoNothing_data()
{
    QTest::addColumn<TypeCRUD>("operation");
    QTest::addColumn<TypeWorkSpaceWindow>("kind");

    QTest::newRow("operation 4") << TypeCRUD(4) << CLASS_WINDOW;
    QTest::newRow("delete kind 2") << DELETE << TypeWorkSpaceWindow(2);
    QTest::newRow("delete kind 5") << DELETE << TEST_CLASS_WINDOW;
    QTest::newRow("delete kind 7") << DELETE << NONE_WINDOW;
    QTest::newRow("create kind 2") << CREATE << TypeWorkSpaceWindow(2);
}

void tst_WorkSpace::commandsThatDoNothing()
{
    QFETCH(TypeCRUD, operation);
    QFETCH(TypeWorkSpaceWindow, kind);

    Body body;
    body.execute(READ, TEST_CLASS_WINDOW, QStringLiteral("c"));
    body.execute(operation, kind, QStringLiteral("c"));
    QCOMPARE(body.tabs()->count(), 1);
    QVERIFY(body.root->classContains(QStringLiteral("c")));
}

void tst_WorkSpace::updateWithoutModelMakesNoPage()
{
    Body body;
    body.director.getWorkSpaceViewManagerManager()->setData(nullptr);
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("p"));
    body.execute(READ, TEST_CLASS_WINDOW, QStringLiteral("c"));
    body.execute(DELETE, CLASS_WINDOW, QStringLiteral("c"));
    QCOMPARE(body.tabs()->count(), 0);
    QVERIFY(body.workSpace()->getWidgetWrappers().isEmpty());
    QVERIFY(body.root->classContains(QStringLiteral("c")));
}

void tst_WorkSpace::lastTabClosedDisablesTheTestTools()
{
    Body body;
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("p"));
    body.execute(READ, TEST_CLASS_WINDOW, body.root->getId());
    QCOMPARE(body.toolStates(), (QList<bool>{true, true, true, true}));
    body.execute(DELETE, CLASS_WINDOW, QStringLiteral("c"));
    body.tabs()->setCurrentIndex(0);
    QCOMPARE(body.toolStates(), (QList<bool>{false, false, false, false}));
    body.tabs()->setCurrentIndex(1);
    QCOMPARE(body.toolStates(), (QList<bool>{true, true, true, true}));
    body.closeTab(1);
    body.closeTab(0);
    QCOMPARE(body.toolStates(), (QList<bool>{false, false, false, false}));
}

// A user's path: a relation made from the tree's menu with its body from the designer, then a rule
// on it bound through the chooser; both reach the model and the tree.
void tst_WorkSpace::relationAndRuleMadeFromTheRelationsTree()
{
    Body body;
    wContainerRelationshipArea *tree = body.relationsTree();
    const auto trigger = [&body](QTreeWidgetItem *n_item, const QString &n_text) {
        body.relationsMenu(n_item, n_text);
    };
    trigger(nullptr, QStringLiteral("Добавить отношение"));
    QCOMPARE(body.tabs()->count(), 1);
    QWidget *page = body.tabs()->currentWidget();
    QTest::keyClicks(page->findChild<QLineEdit *>(QStringLiteral("leName")),
                     QStringLiteral("Twice"));
    MessageBoxes::setDialogHandler([](QDialog &n_dialog) {
        n_dialog.show();
        QTest::keyClicks(n_dialog.findChild<QLineEdit *>(QStringLiteral("leFormula")),
                         QStringLiteral("y = x + x"));
        n_dialog.findChild<QAction *>(QStringLiteral("actionDebug"))->trigger();
        auto *buttons = n_dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        return n_dialog.result();
    });
    QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("btnBodyDesigner")),
                      Qt::LeftButton);
    QVERIFY(body.workSpace()->save());
    QString relationId;
    for (const auto &relation : body.root->getRelationsHash())
        if (relation->getShortName() == QLatin1String("Twice"))
            relationId = relation->getId();
    QVERIFY(!relationId.isEmpty());
    QCOMPARE(body.root->getRelationPtr(relationId)->getCode(), QStringLiteral("y = x + x"));
    QVERIFY(tree->itemOf(relationId));

    trigger(tree->itemOf(relationId), QStringLiteral("Добавить правило"));
    QCOMPARE(body.tabs()->count(), 2);
    QWidget *rulePage = body.tabs()->currentWidget();
    rulePage->findChild<QLineEdit *>(QStringLiteral("leTitle"))
        ->setText(QStringLiteral("Doubling"));
    const auto choose = [rulePage](const char *n_table, const QString &n_id) {
        MessageBoxes::setDialogHandler([n_id](QDialog &n_dialog) {
            QString id = n_id;
            static_cast<dChooseParamRule &>(n_dialog).setCurrentParameter(id);
            return int(QDialog::Accepted);
        });
        auto *table = rulePage->findChild<QTableWidget *>(QString::fromLatin1(n_table));
        static_cast<QPushButton *>(table->cellWidget(0, 2))->click();
    };
    choose("twInputParams", QStringLiteral("p"));
    choose("twOutputParams", QStringLiteral("q"));
    MessageBoxes::setDialogHandler({});
    QVERIFY(body.workSpace()->save());
    QTreeWidgetItem *relationItem = tree->itemOf(relationId);
    QCOMPARE(relationItem->childCount(), 1);
    QCOMPARE(relationItem->child(0)->text(0), QStringLiteral("Doubling"));
    const RulePtr rule = body.root->getRule(relationItem->child(0)->text(2));
    QCOMPARE(rule->getInputParameter(QStringLiteral("x"))->getId(), QStringLiteral("p"));
    QCOMPARE(rule->getOutputParameter(QStringLiteral("y"))->getId(), QStringLiteral("q"));
}

// A rule on a stored relation but owned by no class: its removal from the tree's menu fails in
// the workspace, and the item stays with the rule.
void tst_WorkSpace::throwingDeleteKeepsTheTreeItem()
{
    Body body;
    const RulePtr orphan = makeRule(QStringLiteral("orphan"), QStringLiteral("Orphan"));
    orphan->setRelationPtr(body.root->getRelationPtr(QStringLiteral("rel")));
    body.root->addRuleToAll(orphan);
    wContainerRelationshipArea *tree = body.relationsTree();
    tree->refresh();
    QTreeWidgetItem *item = tree->itemOf(QStringLiteral("orphan"));
    QVERIFY(item);
    item->parent()->setExpanded(true);
    item->setSelected(true);
    tree->customMenuRequested(tree->treeWidget()->visualItemRect(item).center());
    QMenu *menu = tree->findChildren<QMenu *>().last();
    BoxRecorder boxes;
    for (QAction *action : menu->actions())
        if (action->text() == QStringLiteral("Удалить правило"))
            action->trigger();
    menu->close();
    QCOMPARE(boxes.boxes().size(), 1);
    QVERIFY(body.root->rulesContains(QStringLiteral("orphan")));
    QCOMPARE(tree->itemOf(QStringLiteral("orphan")), item);
}

QTEST_MAIN(tst_WorkSpace)
#include "tst_workspace.moc"
