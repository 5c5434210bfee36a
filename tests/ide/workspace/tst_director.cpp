#include "BoxRecorder.h"
#include "ModelFixtures.h"
#include "../TextTables.h"

#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "ModelGenerator.h"
#include "WidgetAreas/ElementNamePage.h"
#include "WidgetAreas/MessageItem.h"
#include "WidgetAreas/wContainerProjectArea.h"
#include "WidgetAreas/wContainerRelationshipArea.h"
#include "WidgetAreas/wErrorArea.h"
#include "model/ModelManager.h"
#include "model/OstraModel.h"
#include "workspace/IDEDirector.h"
#include "workspace/builders/IDEBuilder.h"
#include "workspace/colleagues/WorkSpaceColleague.h"
#include "workspace/routing/CommandItem.h"
#include "workspace/viewmanagers/BaseViewManager.h"
#include "workspace/viewmanagers/TypeElement.h"
#include "workspace/viewmanagers/TypeElementCollection.h"
#include "workspace/wrappers/WidgetWrapper.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>

#include <memory>
#include <stdexcept>

Q_DECLARE_METATYPE(TypeWorkWindow)

namespace {

// An assembled body in a window, as the main window holds it.
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
    }
    ~Body()
    {
        MessageBoxes::setBoxHandler({});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void open(OstraClass *n_root)
    {
        director.getViewProjectManager()->setData(n_root);
        director.getViewRelationshipManager()->setData(n_root);
        director.getWorkSpaceViewManagerManager()->setData(n_root);
    }
    QTabWidget *editorTabs() { return director.workSpaceBuilder()->getTabWidget(); }
    QTabWidget *informationTabs() { return director.informationBuilder()->getTabWidget(); }
    QWidget *errorPane() { return director.informationBuilder()->getWidgets().at(0)->getWidget(); }
    QTableWidget *errorTable() { return errorPane()->findChild<QTableWidget *>(); }
    // The name field of the parameter page in front.
    QLineEdit *shortNameField()
    {
        return editorTabs()->currentWidget()->findChild<QLineEdit *>(QStringLiteral("leName"));
    }
    QStringList errorRows()
    {
        QStringList rows;
        for (int row = 0; row < errorTable()->rowCount(); ++row)
            rows << errorTable()->item(row, 0)->text();
        return rows;
    }
    QStringList errorKinds()
    {
        QStringList kinds;
        for (int row = 0; row < errorTable()->rowCount(); ++row)
            kinds << errorTable()->item(row, 2)->text();
        return kinds;
    }
    QTreeWidget *projectTree()
    {
        QWidget *tree = director.projectBuilder()->getWidgets().at(0)->getWidget();
        return qobject_cast<wContainerProjectArea *>(tree)->treeWidget();
    }
    QTreeWidgetItem *projectItem(const QString &n_id)
    {
        const auto found = projectTree()->findItems(n_id, Qt::MatchExactly | Qt::MatchRecursive, 2);
        return found.isEmpty() ? nullptr : found.first();
    }
    wContainerRelationshipArea *relationsTree()
    {
        return qobject_cast<wContainerRelationshipArea *>(
            director.relationshipBuilder()->getWidgets().at(0)->getWidget());
    }
    void execute(TypeCRUD n_operation, TypeWorkSpaceWindow n_kind, const QString &n_uid)
    {
        CommandItem command(n_operation, n_kind, n_uid);
        director.workSpaceColleague()->execute(&command);
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
};

// The root of n_model, holding the parameter "p" named "P".
ClassPtr rootWithParameter(OstraModel &n_model)
{
    const ClassPtr root = n_model.getRootClass();
    root->addParameter(makeParameter(QStringLiteral("p"), QVariant::Double, QStringLiteral("P")));
    return root;
}

int allRows(QTreeWidget *n_tree)
{
    int rows = 0;
    for (QTreeWidgetItemIterator it(n_tree); *it; ++it)
        ++rows;
    return rows;
}

QString integrityText(int n_code)
{
    return ErrorDictionary::Instance().getErrorById(1000 + n_code);
}

const QString PROBLEM = QStringLiteral(" Проблемный объект: ");
const QString CONNECTED = QStringLiteral("Связанные объекты: ");

} // namespace

// The assembled body: layout, routing into real areas, the save road and the integrity report.
class tst_Director : public QObject
{
    Q_OBJECT

private slots:
    void assembledBodyStartsEmpty();
    void withoutModelSavingCheckingAndTestingRefuse();
    void loadedModelFillsBothTrees();
    void integrityRows_data();
    void integrityRows();
    void debugRepeatsRows();
    void saveRoadStopsWhenThePageRefuses();
    void savedPageRenamesItsTabAndTreeRow();
    void openTabIsFocusedNotReloaded();
    void areasToggleBetweenTabAndWindow_data();
    void areasToggleBetweenTabAndWindow();
    void informationManagerMovesOnlyTheConsole();
    void languageSwitchRenamesTheTabs();
    void editorPagesAreMadeByKind();
    void classTestTabDrivesTheTestTools();
    void closedTabsFreeTheirPagesAndWrappers();
    void clearingFreesEveryPage();
    void throwingSlotIsReportedNotFatal();
};

void tst_Director::assembledBodyStartsEmpty()
{
    Body body;
    const QList<QSplitter *> splitters = body.director.splitters();
    QSplitter *outer = splitters.at(0);
    QSplitter *centre = splitters.at(1);
    QSplitter *editor = splitters.at(2);
    QSplitter *relations = splitters.at(3);

    // Project tree beside (editor tabs beside the relations tree, above the information tabs).
    QCOMPARE(outer->orientation(), Qt::Horizontal);
    QCOMPARE(outer->widget(0), body.director.projectBuilder()->getTabWidget());
    QCOMPARE(outer->widget(1), centre);
    QCOMPARE(centre->orientation(), Qt::Vertical);
    QCOMPARE(centre->widget(0), editor);
    QCOMPARE(centre->widget(1), body.informationTabs());
    QCOMPARE(editor->widget(0), body.editorTabs());
    QCOMPARE(editor->widget(1), relations);
    QCOMPARE(relations->widget(0), body.director.relationshipBuilder()->getTabWidget());
    // Only the editor tabs grow with the window.
    QCOMPARE(outer->widget(0)->sizePolicy().horizontalStretch(), 0);
    QCOMPARE(outer->widget(1)->sizePolicy().horizontalStretch(), 1);
    QCOMPARE(centre->widget(0)->sizePolicy().verticalStretch(), 1);
    QCOMPARE(centre->widget(1)->sizePolicy().verticalStretch(), 0);
    QCOMPARE(editor->widget(0)->sizePolicy().horizontalStretch(), 1);
    QCOMPARE(editor->widget(1)->sizePolicy().horizontalStretch(), 0);
    QVERIFY(!outer->childrenCollapsible());
    QVERIFY(!centre->childrenCollapsible());
    QVERIFY(!editor->childrenCollapsible());

    QCOMPARE(body.director.projectBuilder()->getTabWidget()->tabText(0), QStringLiteral("Проект"));
    QCOMPARE(body.director.relationshipBuilder()->getTabWidget()->tabText(0),
             QStringLiteral("Отношение"));
    QCOMPARE(body.informationTabs()->tabText(0), QStringLiteral("Ошибки"));
    QCOMPARE(body.informationTabs()->tabText(1), QStringLiteral("Консоль"));
    QVERIFY(body.editorTabs()->tabsClosable());
    QVERIFY(body.editorTabs()->isMovable());
    QCOMPARE(body.editorTabs()->count(), 0);
    QCOMPARE(body.projectTree()->topLevelItemCount(), 0);
    QCOMPARE(body.relationsTree()->treeWidget()->topLevelItemCount(), 0);
    QCOMPARE(body.errorTable()->rowCount(), 0);
    QVERIFY(!body.director.ErrorExist());
    QVERIFY(body.director.getViewProjectManager()->isInside(PROJECT_TREE));
    QVERIFY(body.director.getViewRelationshipManager()->isInside(RELATIONSHIP_TREE));
    QVERIFY(body.director.getViewInformationManager()->isInside(ERROR_LIST));
    QVERIFY(body.director.getViewInformationManager()->isInside(CONSOLE));

    // Before the body is built there is no error list to ask.
    IDEDirector unbuilt;
    QVERIFY(unbuilt.ErrorExist());
}

void tst_Director::withoutModelSavingCheckingAndTestingRefuse()
{
    Body body;
    OstraModel model;
    body.open(model.getRootClass().data());
    body.director.getWorkSpaceViewManagerManager()->setData(nullptr);
    MessageItem earlier(WARNING_MESSAGE, QString(), QStringLiteral("earlier"));
    qobject_cast<wErrorArea *>(body.errorPane())->addError(&earlier);

    QVERIFY(!body.director.save());
    QVERIFY(!body.director.saveAll());
    QVERIFY(!body.director.debug());
    body.director.addTab(nullptr);
    QCOMPARE(body.editorTabs()->count(), 0);
    QCOMPARE(body.errorRows(), QStringList{QStringLiteral("earlier")});
    // The workspace manager never floats the editor tabs.
    body.director.getWorkSpaceViewManagerManager()->changeViewMode(WORKSPACE_TAB);
    QVERIFY(body.editorTabs()->isVisibleTo(&body.window));
}

void tst_Director::loadedModelFillsBothTrees()
{
    ModelGenerator::Options options;
    options.elements = 400;
    const ModelGenerator generator(options);
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("model.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(generator.currentFormat().toUtf8());
    file.close();
    ModelManager manager;
    manager.loadModel(file);
    const ClassPtr root = manager.getActiveModel()->getRootClass();

    Body body;
    body.open(root.data());
    QCOMPARE(allRows(body.projectTree()),
             1 + root->getAllClassesCount() + root->getParametersHash().size());
    QCOMPARE(body.projectTree()->topLevelItem(0)->text(0), root->getShortName());
    QCOMPARE(body.projectTree()->topLevelItem(0)->text(2), root->getId());
    const int relations = root->getRelationsHash().size();
    QVERIFY(relations > 0);
    QCOMPARE(body.relationsTree()->treeWidget()->topLevelItemCount(), relations);
    QCOMPARE(allRows(body.relationsTree()->treeWidget()),
             relations + root->getRulesHash().size() + root->getConstraintsHash().size());
    for (const auto &rule : root->getRulesHash()) {
        QTreeWidgetItem *row = body.relationsTree()->itemOf(rule->getId());
        QVERIFY(row && row->parent());
        QCOMPARE(row->parent()->text(2), rule->getRelationPtr()->getId());
    }

    // The model's root is now the body's class: the class test opens on it.
    body.director.addTab(nullptr);
    QCOMPARE(body.editorTabs()->count(), 1);
    QCOMPARE(body.editorTabs()->tabText(0), QStringLiteral("Тест: ") + root->getShortName());
    body.director.addTab(nullptr);
    QCOMPARE(body.editorTabs()->count(), 1);

    // A double-click on a parameter opens its editor, once.
    const auto parameter = root->getParametersHash().constBegin().value();
    QTreeWidget *view = body.projectTree();
    view->expandAll();
    view->scrollToItem(body.projectItem(parameter->getId()));
    QVERIFY(QTest::qWaitForWindowExposed(&body.window));
    const QPoint at = view->visualItemRect(body.projectItem(parameter->getId())).center();
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    QCOMPARE(body.editorTabs()->count(), 2);
    QCOMPARE(body.editorTabs()->tabText(1), ElementNamePage::pageTitle(parameter->getShortName()));

    // Clearing empties the trees and the body forgets the class.
    body.director.clear();
    QCOMPARE(body.projectTree()->topLevelItemCount(), 0);
    QCOMPARE(body.relationsTree()->treeWidget()->topLevelItemCount(), 0);
    QVERIFY(!body.director.debug());
}

void tst_Director::integrityRows_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("passes");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("kinds");

    const QString sixty = QStringLiteral("d").repeated(60);
    const QString fifty = QStringLiteral("d").repeated(50) + QStringLiteral("...");
    const QString code = QStringLiteral("x = ") + QStringLiteral("1").repeated(56);
    QTest::newRow("warnings only pass")
        << "warning" << true
        << QStringList{integrityText(IntegrityMsg::MSG_CODE_RELATION_SHORTNAME_IS_EMPTY) + PROBLEM
                       + QStringLiteral("x = 1;. ")}
        << QStringList{QStringLiteral("warning")};
    QTest::newRow("relation named by its cut code")
        << "longcode" << true
        << QStringList{integrityText(IntegrityMsg::MSG_CODE_RELATION_SHORTNAME_IS_EMPTY) + PROBLEM
                       + code.left(50) + QStringLiteral(".... ")}
        << QStringList{QStringLiteral("warning")};
    QTest::newRow("error with cut descriptions fails")
        << "error" << false
        << QStringList{integrityText(IntegrityMsg::MSG_CODE_PARAMETER_WITH_SAME_SHORTNAME) + PROBLEM
                       + fifty + QStringLiteral(". ") + CONNECTED + fifty
                       + QStringLiteral("; Root; ")}
        << QStringList{QStringLiteral("error")};
    QTest::newRow("empty second name")
        << "unnamed" << false
        << QStringList{integrityText(IntegrityMsg::MSG_CODE_PARAMETER_WITH_SAME_SHORTNAME)
                       + CONNECTED}
        << QStringList{QStringLiteral("error")};
    QTest::newRow("nothing to report") << "clean" << true << QStringList() << QStringList();
    Q_UNUSED(sixty)
}

void tst_Director::integrityRows()
{
    QFETCH(QString, fixture);
    QFETCH(bool, passes);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, kinds);

    OstraModel model;
    const ClassPtr root = model.getRootClass();
    root->setShortName(QStringLiteral("Root"));
    const auto storage = model.getRelationsStorage();
    if (fixture == QLatin1String("warning")) {
        makeRelation(storage, QStringLiteral("r"), QStringLiteral("x = 1;"), QStringList{},
                     QStringList{}, RelationModel::RELATION_SIMPLE, QStringLiteral(""));
    } else if (fixture == QLatin1String("longcode")) {
        makeRelation(storage, QStringLiteral("r"),
                     QStringLiteral("x = ") + QStringLiteral("1").repeated(56), QStringList{},
                     QStringList{}, RelationModel::RELATION_SIMPLE, QStringLiteral(""));
    } else if (fixture == QLatin1String("error") || fixture == QLatin1String("unnamed")) {
        const bool described = fixture == QLatin1String("error");
        if (!described)
            root->setShortName(QString());
        for (const QString &id : {QStringLiteral("p1"), QStringLiteral("p2")}) {
            const ParamPtr parameter = makeParameter(id, QVariant::Double, QStringLiteral(""));
            if (described)
                parameter->setDescription(QStringLiteral("d").repeated(60));
            root->addParameter(parameter);
        }
    }

    Body body;
    body.open(root.data());
    QCOMPARE(body.director.debug(), passes);
    QCOMPARE(body.errorRows(), rows);
    QCOMPARE(body.errorKinds(), kinds);
    QCOMPARE(body.director.ErrorExist(), !passes);
    // Saving with no tab open checks the same way, on an emptied list.
    QCOMPARE(body.director.save(), passes);
    QCOMPARE(body.errorRows(), rows);
    QCOMPARE(body.director.saveAll(), passes);
    QCOMPARE(body.errorRows(), rows);
}

void tst_Director::debugRepeatsRows()
{
    OstraModel model;
    makeRelation(model.getRelationsStorage(), QStringLiteral("r"), QStringLiteral("x = 1;"),
                 QStringList{}, QStringList{}, RelationModel::RELATION_SIMPLE, QStringLiteral(""));
    Body body;
    body.open(model.getRootClass().data());
    QVERIFY(body.director.debug());
    QVERIFY(body.director.debug());
    QCOMPARE(body.errorTable()->rowCount(), 2);
    QCOMPARE(body.errorRows().at(0), body.errorRows().at(1));
}

void tst_Director::saveRoadStopsWhenThePageRefuses()
{
    OstraModel model;
    const ClassPtr root = model.getRootClass();
    makeRelation(model.getRelationsStorage(), QStringLiteral("rel"), QStringLiteral("x = 1;"),
                 QStringList{}, QStringList{}, RelationModel::RELATION_SIMPLE,
                 QStringLiteral("Rel"));
    Body body;
    body.open(root.data());
    body.informationTabs()->setCurrentIndex(1);

    // A new rule on the relation, saved without a name: the page refuses through the rule
    // colleague, the messages reach the error list in front, and nothing is checked. The relation
    // has no variables, so no rule can stand on it either.
    body.execute(CREATE, RULE_WINDOW, QStringLiteral("rel"));
    QCOMPARE(body.editorTabs()->tabText(0), QStringLiteral("NoName"));
    QVERIFY(!body.director.save());
    const ErrorDictionary &errors = ErrorDictionary::Instance();
    QCOMPARE(body.errorRows(), (QStringList{errors.getErrorById(10210), errors.getErrorById(10220),
                                            errors.getErrorById(10230)}));
    QCOMPARE(body.informationTabs()->currentWidget(), body.errorPane());

    // A class-test page as the current tab refuses too, and the list says why instead.
    body.director.addTab(nullptr);
    QVERIFY(!body.director.save());
    QCOMPARE(body.errorRows(), QStringList{errors.getErrorById(10340)});

    // Save all does not look at the pages' answers and checks the model; the refusing page
    // reports its problems again.
    QVERIFY(body.director.saveAll());
    QCOMPARE(body.errorTable()->rowCount(), 3);
}

void tst_Director::savedPageRenamesItsTabAndTreeRow()
{
    OstraModel model;
    const ClassPtr root = rootWithParameter(model);
    Body body;
    body.open(root.data());
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("p"));
    auto *name = body.shortNameField();
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Pressure"));
    QCOMPARE(body.editorTabs()->tabText(0), QStringLiteral("P*"));
    QCOMPARE(body.projectItem(QStringLiteral("p"))->text(0), QStringLiteral("P*"));

    QVERIFY(body.director.save());
    QCOMPARE(root->getParameter(QStringLiteral("p"))->getShortName(), QStringLiteral("Pressure"));
    QCOMPARE(body.editorTabs()->tabText(0), QStringLiteral("Pressure"));
    QCOMPARE(body.projectItem(QStringLiteral("p"))->text(0), QStringLiteral("Pressure"));
    QCOMPARE(body.projectItem(QStringLiteral("p"))->parent()->text(2), root->getId());
}

void tst_Director::openTabIsFocusedNotReloaded()
{
    OstraModel model;
    const ClassPtr root = rootWithParameter(model);
    Body body;
    body.open(root.data());
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("p"));
    auto *name = body.shortNameField();
    QTest::keyClicks(name, QStringLiteral("x"));
    body.execute(CREATE, CLASS_WINDOW, root->getId());
    QCOMPARE(body.editorTabs()->currentIndex(), 1);

    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("p"));
    QCOMPARE(body.editorTabs()->count(), 2);
    QCOMPARE(body.editorTabs()->currentIndex(), 0);
    QCOMPARE(name->text(), QStringLiteral("Px"));
}

void tst_Director::areasToggleBetweenTabAndWindow_data()
{
    QTest::addColumn<int>("manager");
    QTest::addColumn<TypeWorkWindow>("kind");

    QTest::newRow("project tree") << 0 << PROJECT_TREE;
    QTest::newRow("relations tree") << 1 << RELATIONSHIP_TREE;
    QTest::newRow("error list") << 2 << ERROR_LIST;
    QTest::newRow("console") << 2 << CONSOLE;
}

void tst_Director::areasToggleBetweenTabAndWindow()
{
    QFETCH(int, manager);
    QFETCH(TypeWorkWindow, kind);

    Body body;
    BaseViewManager *managers[] = {body.director.getViewProjectManager(),
                                   body.director.getViewRelationshipManager(),
                                   body.director.getViewInformationManager()};
    IDEBuilder *builders[] = {body.director.projectBuilder(), body.director.relationshipBuilder(),
                              body.director.informationBuilder()};
    QTabWidget *tabs = builders[manager]->getTabWidget();
    const int tabCount = tabs->count();
    managers[manager]->changeViewMode(kind);
    QVERIFY(!managers[manager]->isInside(kind));
    QCOMPARE(tabs->count(), tabCount - 1);
    managers[manager]->changeViewMode(kind);
    QVERIFY(managers[manager]->isInside(kind));
    QCOMPARE(tabs->count(), tabCount);
    QVERIFY(tabs->isVisibleTo(&body.window));
}

void tst_Director::informationManagerMovesOnlyTheConsole()
{
    Body body;
    BaseViewManager *information = body.director.getViewInformationManager();
    information->changeViewMode(CONSOLE);
    QVERIFY(information->isInside(ERROR_LIST));
    QVERIFY(!information->isInside(CONSOLE));
    QCOMPARE(body.informationTabs()->count(), 1);
    QCOMPARE(body.informationTabs()->widget(0), body.errorPane());
}

void tst_Director::languageSwitchRenamesTheTabs()
{
    OstraModel model;
    Body body;
    body.open(model.getRootClass().data());
    body.execute(CREATE, CLASS_WINDOW, model.getRootClass()->getId());
    QWidget *page = body.editorTabs()->widget(0);
    const auto pageLabels = [page] {
        QStringList texts;
        for (const QLabel *label : page->findChildren<QLabel *>())
            texts << label->text();
        return texts;
    };
    QCOMPARE(pageLabels(), (QStringList{QStringLiteral("Наименование"), QStringLiteral("Уровень"),
                                        QStringLiteral("Описание")}));
    body.director.getViewInformationManager()->changeViewMode(CONSOLE);
    QWidget *console = body.director.informationBuilder()->getWidgets().at(1)->getWidget();
    QCOMPARE(console->windowTitle(), QStringLiteral("Консоль"));
    {
        InstalledCatalogue english(Catalogue::English);
        QVERIFY(english.isLoaded());
        body.director.retranslateUI();
        QCOMPARE(body.director.projectBuilder()->getTabWidget()->tabText(0),
                 QStringLiteral("Project"));
        QCOMPARE(body.director.relationshipBuilder()->getTabWidget()->tabText(0),
                 QStringLiteral("Relation"));
        QCOMPARE(body.informationTabs()->count(), 1);
        QCOMPARE(body.informationTabs()->tabText(0), QStringLiteral("Errors"));
        // The pane shown as a free window keeps its title until it docks again.
        QCOMPARE(console->windowTitle(), QStringLiteral("Console"));
        body.director.getViewInformationManager()->changeViewMode(CONSOLE);
        body.director.retranslateUI();
        QCOMPARE(body.informationTabs()->tabText(1), QStringLiteral("Console"));
        TypeElementCollection types;
        QCOMPARE(types.getCollection().at(0)->getTitle(), QStringLiteral("Number"));
        // Open pages are told too; their tab keeps its text.
        QCOMPARE(pageLabels(), (QStringList{QStringLiteral("Name"), QStringLiteral("Level"),
                                            QStringLiteral("Description")}));
        QCOMPARE(body.editorTabs()->tabText(0), QStringLiteral("NoName"));
    }
    body.director.retranslateUI();
    QCOMPARE(body.director.projectBuilder()->getTabWidget()->tabText(0), QStringLiteral("Проект"));
    QCOMPARE(body.director.relationshipBuilder()->getTabWidget()->tabText(0),
             QStringLiteral("Отношение"));
    QCOMPARE(body.informationTabs()->tabText(0), QStringLiteral("Ошибки"));
    QCOMPARE(body.informationTabs()->tabText(1), QStringLiteral("Консоль"));
    TypeElementCollection types;
    QCOMPARE(types.getCollection().at(1)->getTitle(), QStringLiteral("Текст"));
}

void tst_Director::editorPagesAreMadeByKind()
{
    OstraModel model;
    const ClassPtr root = model.getRootClass();
    Body body;
    body.open(root.data());
    body.execute(CREATE, TypeWorkSpaceWindow(2), root->getId());
    body.execute(CREATE, NONE_WINDOW, root->getId());
    body.execute(UPDATE, TypeWorkSpaceWindow(2), root->getId());
    QCOMPARE(body.editorTabs()->count(), 0);
    QCOMPARE(body.director.workSpaceColleague()->getWidgetWrappers().size(), 0);

    body.execute(CREATE, CLASS_WINDOW, root->getId());
    body.execute(CREATE, RELATION_WINDOW, QString());
    QCOMPARE(body.editorTabs()->count(), 2);
    QCOMPARE(body.editorTabs()->tabText(0), QStringLiteral("NoName"));
    QCOMPARE(body.editorTabs()->tabText(1), QStringLiteral("NoName"));
    QCOMPARE(body.editorTabs()->currentIndex(), 1);
    // The new class page knows its parent.
    QCOMPARE(body.director.workSpaceColleague()->getWidgetWrappers().at(0)->getParentUid(),
             root->getId());

    // A new page is not marked before its first save.
    auto *name = body.editorTabs()->currentWidget()->findChild<QLineEdit *>(
        QStringLiteral("leName"));
    QTest::keyClicks(name, QStringLiteral("R"));
    QCOMPARE(body.editorTabs()->tabText(1), QStringLiteral("NoName"));
}

void tst_Director::classTestTabDrivesTheTestTools()
{
    OstraModel model;
    Body body;
    body.open(model.getRootClass().data());
    body.director.addTab(nullptr);
    QCOMPARE(body.toolStates(), (QList<bool>{true, true, true, true}));
    body.execute(CREATE, CLASS_WINDOW, model.getRootClass()->getId());
    QCOMPARE(body.toolStates(), (QList<bool>{false, false, false, false}));
    body.editorTabs()->setCurrentIndex(0);
    QCOMPARE(body.toolStates(), (QList<bool>{true, true, true, true}));
    // The tool actions reach the test page: its run refuses a test without known values.
    BoxRecorder boxes;
    body.director.run();
    body.director.showGraph();
    body.director.filterResultTest();
    body.director.clearResultTest();
    QCOMPARE(boxes.texts(), QStringList{ErrorDictionary::Instance().getErrorById(10041)});
    // Another page gets nothing.
    body.editorTabs()->setCurrentIndex(1);
    body.director.run();
    QCOMPARE(boxes.texts().size(), 1);

    // Close both tabs with their close buttons, as a user would.
    while (body.editorTabs()->count() > 0) {
        QWidget *close = body.editorTabs()->tabBar()->tabButton(0, QTabBar::RightSide);
        QVERIFY(close);
        QTest::mouseClick(close, Qt::LeftButton);
    }
    QCOMPARE(body.toolStates(), (QList<bool>{false, false, false, false}));
}

void tst_Director::closedTabsFreeTheirPagesAndWrappers()
{
    OstraModel model;
    Body body;
    body.open(model.getRootClass().data());
    body.director.addTab(nullptr);
    QPointer<QWidget> page = body.editorTabs()->widget(0);
    QPointer<WidgetWrapper> wrapper = body.director.workSpaceColleague()->getWidgetWrappers().at(0);
    QTest::mouseClick(body.editorTabs()->tabBar()->tabButton(0, QTabBar::RightSide),
                      Qt::LeftButton);
    QVERIFY(page.isNull());
    QVERIFY(body.director.workSpaceColleague()->getWidgetWrappers().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(wrapper.isNull());

    // The class test opens afresh.
    body.director.addTab(nullptr);
    QCOMPARE(body.editorTabs()->count(), 1);
}

void tst_Director::clearingFreesEveryPage()
{
    OstraModel model;
    const ClassPtr root = rootWithParameter(model);
    Body body;
    body.open(root.data());
    body.director.addTab(nullptr);
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("p"));
    QList<QPointer<QWidget>> pages;
    QList<QPointer<WidgetWrapper>> wrappers;
    for (WidgetWrapper *wrapper : body.director.workSpaceColleague()->getWidgetWrappers()) {
        pages << wrapper->getWidget();
        wrappers << wrapper;
    }
    QCOMPARE(pages.size(), 2);

    body.director.clear();
    QCOMPARE(body.editorTabs()->count(), 0);
    QVERIFY(body.director.workSpaceColleague()->getWidgetWrappers().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const auto &page : pages)
        QVERIFY(page.isNull());
    for (const auto &wrapper : wrappers)
        QVERIFY(wrapper.isNull());
    // Nothing of the closed model is reached again.
    body.director.retranslateUI();
    QVERIFY(body.director.workSpaceColleague()->save());
    QVERIFY(body.director.workSpaceColleague()->saveAll());
}

void tst_Director::throwingSlotIsReportedNotFatal()
{
    OstraModel model;
    const ClassPtr root = rootWithParameter(model);
    Body body;
    body.open(root.data());
    // A page tells of edits once it has loaded its element.
    body.execute(UPDATE, PARAMETER_WINDOW, QStringLiteral("p"));
    WidgetWrapper *wrapper = body.director.workSpaceColleague()->getWidgetWrappers().at(0);
    connect(wrapper, &WidgetWrapper::changeDataWidget, this,
            [] { throw std::runtime_error("broken listener"); });
    QStringList shown;
    MessageBoxes::setBoxHandler([&](QMessageBox &n_box) {
        shown << n_box.text();
        return int(QMessageBox::Ok);
    });
    QTest::keyClicks(body.shortNameField(), QStringLiteral("A"));
    QCOMPARE(shown, QStringList{QStringLiteral("broken listener")});
    QCOMPARE(body.editorTabs()->count(), 1);
}

QTEST_MAIN(tst_Director)
#include "tst_director.moc"
