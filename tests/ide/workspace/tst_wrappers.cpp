#include "BoxRecorder.h"
#include "ModelFixtures.h"
#include "../TextTables.h"

#include "WidgetAreas/wClassTestArea.h"
#include "WidgetAreas/wConsoleArea.h"
#include "WidgetAreas/wErrorArea.h"
#include "WidgetAreas/wRuleArea.h"
#include "model/OstraModel.h"
#include "workspace/colleagues/RuleColleague.h"
#include "workspace/creators/ObjectFactory.h"
#include "workspace/mediators/MainMediator.h"
#include "workspace/viewmanagers/TypeElement.h"
#include "workspace/viewmanagers/TypeElementCollection.h"
#include "workspace/wrappers/FreeWindow.h"
#include "workspace/wrappers/WidgetWrapper.h"

#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(TypeWorkSpaceWindow)

// Wrappers, free windows and the editor factory, driven on real pages.
class tst_Wrappers : public QObject
{
    Q_OBJECT

private slots:
    void constructorsSetKindsAndTitles_data();
    void constructorsSetKindsAndTitles();
    void storedTitleWinsOverTheWindowTitle();
    void uidStartsBracedAndFollowsTheElement();
    void paneWrapperIgnoresEditorCalls();
    void saveRefreshesUidAndTitleEvenWhenRefused();
    void editsAreRelayed();
    void wrapperSurvivesItsPageDeletedElsewhere();
    void wrapperDeletesALivePage();

    void centringFormula_data();
    void centringFormula();
    void togglingTwiceDocksAgain();
    void togglingOneKindMovesOnlyThatKind();
    void destroyedFreeWindowLeavesWidgetsAlive();

    void factoryMakesPagesOfEveryEditorKind_data();
    void factoryMakesPagesOfEveryEditorKind();
    void factoryMakesNothingForKindsWithoutEditor_data();
    void factoryMakesNothingForKindsWithoutEditor();
    void factoryWithoutColleaguesMakesUsablePages_data();
    void factoryWithoutColleaguesMakesUsablePages();
    void rulePageRegistersWithItsColleague();

    void typeListFollowsTheLanguage();
};

void tst_Wrappers::constructorsSetKindsAndTitles_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<TypeWorkSpaceWindow>("objectKind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("windowTitle");

    QTest::newRow("kind, widget, title") << 0 << NONE_WINDOW << "Given"
                                         << "Own";
    QTest::newRow("kind, widget") << 1 << NONE_WINDOW << "Own"
                                  << "Own";
    QTest::newRow("kind, object kind, widget, title") << 2 << RULE_WINDOW << "Given"
                                                      << "Given";
    QTest::newRow("kind, object kind, widget") << 3 << RULE_WINDOW << "Own"
                                               << "Own";
}

void tst_Wrappers::constructorsSetKindsAndTitles()
{
    QFETCH(int, form);
    QFETCH(TypeWorkSpaceWindow, objectKind);
    QFETCH(QString, title);
    QFETCH(QString, windowTitle);

    auto *page = new QWidget;
    page->setWindowTitle(QStringLiteral("Own"));
    std::unique_ptr<WidgetWrapper> wrapper;
    const QString given = QStringLiteral("Given");
    if (form == 0)
        wrapper = std::make_unique<WidgetWrapper>(WORKSPACE_TAB, page, given);
    else if (form == 1)
        wrapper = std::make_unique<WidgetWrapper>(WORKSPACE_TAB, page);
    else if (form == 2)
        wrapper = std::make_unique<WidgetWrapper>(WORKSPACE_TAB, RULE_WINDOW, page, given);
    else
        wrapper = std::make_unique<WidgetWrapper>(WORKSPACE_TAB, RULE_WINDOW, page);
    QCOMPARE(wrapper->getTypeWorkWindow(), WORKSPACE_TAB);
    QCOMPARE(wrapper->getTypeWorkSpaceWindow(), objectKind);
    QCOMPARE(wrapper->getTitle(), title);
    QCOMPARE(page->windowTitle(), windowTitle);
    QVERIFY(wrapper->isInside());

    // A wrapper of no widget has no title and takes every call.
    WidgetWrapper empty(WORKSPACE_TAB, RULE_WINDOW, nullptr);
    QCOMPARE(empty.getTitle(), QString());
    QVERIFY(!empty.save(true));
    empty.setTitle(QStringLiteral("x"));
    empty.retranslateUI();
}

void tst_Wrappers::storedTitleWinsOverTheWindowTitle()
{
    auto *page = new QWidget;
    WidgetWrapper wrapper(WORKSPACE_TAB, CLASS_WINDOW, page, QString());
    page->setWindowTitle(QStringLiteral("Window"));
    QCOMPARE(wrapper.getTitle(), QStringLiteral("Window"));
    wrapper.setTitle(QStringLiteral("Stored"));
    QCOMPARE(page->windowTitle(), QStringLiteral("Stored"));
    page->setWindowTitle(QStringLiteral("Later"));
    QCOMPARE(wrapper.getTitle(), QStringLiteral("Stored"));
}

void tst_Wrappers::uidStartsBracedAndFollowsTheElement()
{
    OstraModel model;
    const ClassPtr root = model.getRootClass();
    root->addParameter(makeParameter(QStringLiteral("p"), QVariant::Double,
                                     QStringLiteral("Pressure of the steam")));

    ObjectFactory factory;
    std::unique_ptr<WidgetWrapper> editor(
        factory.create(PARAMETER_WINDOW, QStringLiteral("NoName")));
    QCOMPARE(editor->getUid().size(), 38);
    QVERIFY(editor->getUid().startsWith(QLatin1Char('{')));
    editor->setData(root.data());
    editor->setEditData(root.data(), QStringLiteral("p"));
    QCOMPARE(editor->getUid(), QStringLiteral("p"));
    // The page took the element: its title is the name cut to 15 characters.
    QCOMPARE(editor->getWidget()->windowTitle(), QStringLiteral("Pressure of the..."));
    QCOMPARE(editor->getParentUid(), root->getId());

    std::unique_ptr<WidgetWrapper> test(
        factory.create(TEST_CLASS_WINDOW, QStringLiteral("NoName")));
    test->setEditData(root.data(), QStringLiteral("other"));
    QCOMPARE(test->getUid(), QStringLiteral("other"));
    QCOMPARE(test->getWidget()->windowTitle(), QStringLiteral("NoName"));
    QCOMPARE(test->getParentUid(), QString());
    // Showing a class on a test page makes the class's id the wrapper's uid.
    test->setData(root.data());
    QCOMPARE(test->getUid(), root->getId());
    QCOMPARE(qobject_cast<wClassTestArea *>(test->getWidget())->getRootClass(), root);
}

void tst_Wrappers::paneWrapperIgnoresEditorCalls()
{
    OstraModel model;
    auto *errors = new wErrorArea;
    errors->setTitle(QStringLiteral("Errors"));
    WidgetWrapper wrapper(ERROR_LIST, errors, QStringLiteral("Errors"));
    const QString uid = wrapper.getUid();
    wrapper.setData(model.getRootClass().data());
    wrapper.setEditData(model.getRootClass().data(), QStringLiteral("x"));
    wrapper.setParent(QStringLiteral("x"));
    wrapper.refresh();
    wrapper.retranslateUI();
    QVERIFY(!wrapper.save(true));
    QCOMPARE(wrapper.getUid(), uid);
    QCOMPARE(wrapper.getTypeWorkSpaceWindow(), NONE_WINDOW);
}

void tst_Wrappers::saveRefreshesUidAndTitleEvenWhenRefused()
{
    OstraModel model;
    const ClassPtr root = model.getRootClass();
    ObjectFactory factory;
    std::unique_ptr<WidgetWrapper> wrapper(factory.create(RULE_WINDOW, QStringLiteral("NoName")));
    wrapper->setData(root.data());
    wrapper->getWidget()->setWindowTitle(QStringLiteral("Edited"));
    // A new rule with no name and not in the model: refused (in a box, the page has no colleague).
    BoxRecorder boxes;
    QVERIFY(!wrapper->save(false));
    QCOMPARE(wrapper->getUid(), QString());
    QCOMPARE(wrapper->getTitle(), QStringLiteral("Edited"));
}

void tst_Wrappers::editsAreRelayed()
{
    OstraModel model;
    const ClassPtr root = model.getRootClass();
    root->addParameter(makeParameter(QStringLiteral("p")));
    ObjectFactory factory;
    std::unique_ptr<WidgetWrapper> wrapper(
        factory.create(PARAMETER_WINDOW, QStringLiteral("NoName")));
    // A page tells of edits once it has loaded its element.
    wrapper->setData(root.data());
    wrapper->setEditData(root.data(), QStringLiteral("p"));
    QSignalSpy changes(wrapper.get(), &WidgetWrapper::changeDataWidget);
    auto *name = wrapper->getWidget()->findChild<QLineEdit *>(QStringLiteral("leName"));
    QVERIFY(name);
    QTest::keyClicks(name, QStringLiteral("ab"));
    QCOMPARE(changes.count(), 2);
    // Relabelling the page is no user edit.
    wrapper->retranslateUI();
    QCOMPARE(changes.count(), 2);
}

void tst_Wrappers::wrapperSurvivesItsPageDeletedElsewhere()
{
    QTabWidget tabs;
    auto *page = new QWidget;
    auto *wrapper = new WidgetWrapper(WORKSPACE_TAB, CLASS_WINDOW, page, QStringLiteral("Page"));
    tabs.addTab(page, wrapper->getTitle());
    // Closing the tab deletes the page first; the wrapper then goes without touching it again.
    delete tabs.widget(0);
    QCOMPARE(wrapper->getWidget(), nullptr);
    QCOMPARE(wrapper->getTitle(), QStringLiteral("Page"));
    QVERIFY(!wrapper->save(true));
    delete wrapper;
    QCOMPARE(tabs.count(), 0);
}

void tst_Wrappers::wrapperDeletesALivePage()
{
    QPointer<QWidget> page = new QWidget;
    delete new WidgetWrapper(PROJECT_TREE, page.data());
    QVERIFY(page.isNull());
}

void tst_Wrappers::centringFormula_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("corner");

    QTest::newRow("full HD") << QSize(1920, 1080) << QSize(400, 300) << QPoint(760, 390);
    QTest::newRow("odd sizes") << QSize(801, 601) << QSize(101, 51) << QPoint(350, 275);
    QTest::newRow("window larger than screen")
        << QSize(100, 100) << QSize(301, 202) << QPoint(-101, -51);
    QTest::newRow("empty screen truncates towards zero")
        << QSize(0, 0) << QSize(3, 4) << QPoint(-1, -1);
}

void tst_Wrappers::centringFormula()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, window);
    QFETCH(QPoint, corner);
    QCOMPARE(FreeWindow::centredPosition(screen, window), corner);
}

void tst_Wrappers::togglingTwiceDocksAgain()
{
    auto *tabs = new QTabWidget;
    auto *tree = new QWidget;
    tree->setWindowTitle(QStringLiteral("Project"));
    WidgetWrapper wrapper(PROJECT_TREE, tree, QStringLiteral("Project"));
    {
        FreeWindow window(&wrapper, *tabs);
        tabs->show();
        QCOMPARE(tabs->count(), 1);
        QVERIFY(window.isInside(PROJECT_TREE));
        QVERIFY(!window.isInside(CONSOLE));

        window.changeViewMode(PROJECT_TREE);
        QVERIFY(!window.isInside(PROJECT_TREE));
        QCOMPARE(tabs->count(), 0);
        QVERIFY(tabs->isHidden());
        QVERIFY(tree->isWindow());
        QVERIFY(tree->isVisible());

        window.changeViewMode(PROJECT_TREE);
        QVERIFY(window.isInside(PROJECT_TREE));
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Project"));
        QVERIFY(!tabs->isHidden());
        QVERIFY(!tree->isWindow());
    }
}

void tst_Wrappers::togglingOneKindMovesOnlyThatKind()
{
    auto *tabs = new QTabWidget;
    WidgetWrapper errors(ERROR_LIST, new wErrorArea, QStringLiteral("Errors"));
    WidgetWrapper console(CONSOLE, new wConsoleArea, QStringLiteral("Console"));
    FreeWindow window(*tabs);
    window.addWindow(QList<WidgetWrapper *>{&errors, &console});
    tabs->show();
    window.changeViewMode(CONSOLE);
    QVERIFY(window.isInside(ERROR_LIST));
    QVERIFY(!window.isInside(CONSOLE));
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->widget(0), errors.getWidget());
    QVERIFY(!tabs->isHidden());
    window.changeViewMode(CONSOLE);
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(1), QStringLiteral("Console"));
}

void tst_Wrappers::destroyedFreeWindowLeavesWidgetsAlive()
{
    auto *tabs = new QTabWidget;
    QPointer<QTabWidget> guardedTabs = tabs;
    WidgetWrapper docked(ERROR_LIST, new QWidget, QStringLiteral("Errors"));
    WidgetWrapper floating(CONSOLE, new QWidget, QStringLiteral("Console"));
    auto *window = new FreeWindow(QList<WidgetWrapper *>{&docked, &floating}, *tabs);
    window->changeViewMode(CONSOLE);
    delete window;
    QVERIFY(guardedTabs.isNull());
    QVERIFY(docked.getWidget());
    QCOMPARE(docked.getWidget()->parentWidget(), nullptr);
    QVERIFY(floating.getWidget());
    QVERIFY(floating.getWidget()->isHidden());
}

void tst_Wrappers::factoryMakesPagesOfEveryEditorKind_data()
{
    QTest::addColumn<TypeWorkSpaceWindow>("kind");
    QTest::addColumn<QString>("pageClass");

    QTest::newRow("class") << CLASS_WINDOW << "wClassArea";
    QTest::newRow("parameter") << PARAMETER_WINDOW << "wParameterArea";
    QTest::newRow("relation") << RELATION_WINDOW << "wRelationshipArea";
    QTest::newRow("rule") << RULE_WINDOW << "wRuleArea";
    QTest::newRow("class test") << TEST_CLASS_WINDOW << "wClassTestArea";
}

void tst_Wrappers::factoryMakesPagesOfEveryEditorKind()
{
    QFETCH(TypeWorkSpaceWindow, kind);
    QFETCH(QString, pageClass);

    ObjectFactory factory;
    std::unique_ptr<WidgetWrapper> wrapper(factory.create(kind, QStringLiteral("NoName")));
    QVERIFY(wrapper);
    QCOMPARE(QString::fromLatin1(wrapper->getWidget()->metaObject()->className()), pageClass);
    QCOMPARE(wrapper->getTypeWorkWindow(), WORKSPACE_TAB);
    QCOMPARE(wrapper->getTypeWorkSpaceWindow(), kind);
    QCOMPARE(wrapper->getTitle(), QStringLiteral("NoName"));
    QCOMPARE(wrapper->getWidget()->windowTitle(), QStringLiteral("NoName"));
    QCOMPARE(wrapper->getWidget()->parentWidget(), nullptr);
}

void tst_Wrappers::factoryMakesNothingForKindsWithoutEditor_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("2") << 2;
    QTest::newRow("6") << 6;
    QTest::newRow("7, none") << 7;
    QTest::newRow("negative") << -1;
}

void tst_Wrappers::factoryMakesNothingForKindsWithoutEditor()
{
    QFETCH(int, kind);
    ObjectFactory factory;
    const int widgets = QApplication::allWidgets().size();
    QCOMPARE(factory.create(TypeWorkSpaceWindow(kind), QStringLiteral("NoName")), nullptr);
    QCOMPARE(QApplication::allWidgets().size(), widgets);
}

void tst_Wrappers::factoryWithoutColleaguesMakesUsablePages_data()
{
    factoryMakesPagesOfEveryEditorKind_data();
}

void tst_Wrappers::factoryWithoutColleaguesMakesUsablePages()
{
    QFETCH(TypeWorkSpaceWindow, kind);

    // A kind with a creator but no colleague: the page is made unbound, and saving it, which
    // reports through the colleague (or, for the class page, a box), must not crash.
    BoxRecorder boxes;
    OstraModel model;
    ObjectFactory factory;
    std::unique_ptr<WidgetWrapper> wrapper(factory.create(kind, QStringLiteral("NoName")));
    QVERIFY(wrapper);
    wrapper->setData(model.getRootClass().data());
    QVERIFY(!wrapper->save(true));
    wrapper->setColleague(nullptr);
    QVERIFY(!wrapper->save(true));
}

void tst_Wrappers::rulePageRegistersWithItsColleague()
{
    MainMediator mediator;
    RuleColleague colleague(&mediator);
    ObjectFactory factory;
    factory.setColleauges({{RULE_WINDOW, &colleague}});
    std::unique_ptr<WidgetWrapper> rule(factory.create(RULE_WINDOW, QStringLiteral("NoName")));
    QCOMPARE(colleague.getRuleWidget(), rule->getWidget());
    // Other kinds are not bound to the rule colleague.
    std::unique_ptr<WidgetWrapper> cls(factory.create(CLASS_WINDOW, QStringLiteral("NoName")));
    QCOMPARE(colleague.getRuleWidget(), rule->getWidget());
}

void tst_Wrappers::typeListFollowsTheLanguage()
{
    const auto titles = [] {
        TypeElementCollection collection;
        QStringList list;
        for (const TypeElement *element : collection.getCollection())
            list << element->getTitle();
        return list;
    };
    QCOMPARE(titles(), (QStringList{QStringLiteral("Число"), QStringLiteral("Текст")}));
    {
        InstalledCatalogue english(Catalogue::English);
        QVERIFY(english.isLoaded());
        QCOMPARE(titles(), (QStringList{QStringLiteral("Number"), QStringLiteral("Text")}));
    }
    QCOMPARE(titles(), (QStringList{QStringLiteral("Число"), QStringLiteral("Текст")}));
}

QTEST_MAIN(tst_Wrappers)
#include "tst_wrappers.moc"
