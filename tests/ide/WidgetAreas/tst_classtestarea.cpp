#include "../TextTables.h"
#include "BoxRecorder.h"
#include "FileDialogAnswer.h"
#include "FormGestures.h"
#include "ModelFixtures.h"
#include "TreeClicks.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "PrimitiveWidgets/dialogAlgGraph.h"
#include "RelationWidgets/wProgramRelation.h"
#include "WidgetAreas/wClassTestArea.h"
#include "frmMainIDE.h"
#include "graphVisualization/LayeredGraphWidget.h"
#include "graphVisualization/RuleItem.h"
#include "model/ModelManager.h"
#include "model/OstraModel.h"
#include "serialization/ClassXMLSerializer.h"
#include "workspace/colleagues/TestModelColleague.h"
#include "workspace/mediators/BaseMediator.h"
#include "workspace/routing/CommandItem.h"
#include "WidgetAreas/MessageItem.h"
#include "elements/ScriptEngineGuard.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <stdexcept>

namespace {

QString testText(int n_offset)
{
    return InterfaceLanguage::Instance().getTextById(10000 + n_offset);
}
QString ideMessage(int n_offset)
{
    return ErrorDictionary::Instance().getErrorById(10000 + n_offset);
}

// Root: numbers a, b, c, text t; sub-class Sub with s; rules b = a*2 and c = b + 1; constraint on
// c. n_edit changes the model before it is written.
QString writeFixture(const QTemporaryDir &n_folder,
                     const std::function<void(OstraModel &)> &n_edit = {})
{
    const auto model = newRootedModel();
    const ClassPtr root = model->getRootClass();
    const auto storage = model->getRelationsStorage();
    for (const char *name : {"a", "b", "c"})
        root->addParameter(makeParameter(QLatin1String(name)));
    root->addParameter(makeParameter(QStringLiteral("t"), QVariant::String));
    const ClassPtr sub = makeClass(QStringLiteral("sub"), storage, QStringLiteral("Sub"));
    root->addClass(sub);
    sub->addParameter(makeParameter(QStringLiteral("s")));
    makeRelation(storage, QStringLiteral("r1"), QStringLiteral("y = x*2;"),
                 QStringList{QStringLiteral("x")}, QStringList{QStringLiteral("y")});
    makeRelation(storage, QStringLiteral("r2"), QStringLiteral("y = x + 1;"),
                 QStringList{QStringLiteral("x")}, QStringList{QStringLiteral("y")});
    makeRelation(storage, QStringLiteral("limit"), QStringLiteral("flag = (x < 100);"),
                 variables({QStringLiteral("x")}),
                 variables({QStringLiteral("flag")}, QVariant::Bool),
                 RelationModel::RELATION_CONSTRAINT);
    placeRule(root, QStringLiteral("rule1"), QStringLiteral("r1"),
              {{QStringLiteral("x"), QStringLiteral("a")}},
              {{QStringLiteral("y"), QStringLiteral("b")}});
    placeRule(root, QStringLiteral("rule2"), QStringLiteral("r2"),
              {{QStringLiteral("x"), QStringLiteral("b")}},
              {{QStringLiteral("y"), QStringLiteral("c")}});
    placeConstraint(root, QStringLiteral("con"), QStringLiteral("limit"),
                    {{QStringLiteral("x"), QStringLiteral("c")}});
    if (n_edit)
        n_edit(*model);
    return writeModelFile(model, n_folder.filePath(QStringLiteral("fixture.xml")));
}

// The main window with the fixture open and its class-test tab showing.
struct Window
{
    explicit Window(const QString &n_path)
    {
        window.show();
        FileDialogAnswer files({n_path});
        BoxRecorder boxes;
        action("mOpenProject")->trigger();
        opening = boxes.texts();
        action("mTestModel")->trigger();
        page = window.findChild<wClassTestArea *>();
        tree = page ? page->findChild<QTreeWidget *>(QStringLiteral("objectsTree")) : nullptr;
    }
    ~Window() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QAction *action(const char *n_name)
    {
        return window.findChild<QAction *>(QLatin1String(n_name));
    }
    QAction *tool(int n_offset)
    {
        for (QAction *a : window.findChild<QToolBar *>()->actions())
            if (a->text() == InterfaceLanguage::Instance().getTextById(1000 + n_offset))
                return a;
        return nullptr;
    }
    void run() { tool(81)->trigger(); }
    QString console()
    {
        return window.findChild<QTextEdit *>(QStringLiteral("teConsole"))->toPlainText();
    }
    QTableWidget *errors() { return window.findChild<QTableWidget *>(); }
    QTreeWidgetItem *row(const QString &n_name)
    {
        const QList<QTreeWidgetItem *> found = tree->findItems(n_name, Qt::MatchExactly
                                                                           | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    void expand(const QString &n_name) { clickBranch(tree, row(n_name)); }
    QLineEdit *field(const QString &n_name)
    {
        QWidget *cell = tree->itemWidget(row(n_name), 1);
        return cell ? cell->findChild<QLineEdit *>() : nullptr;
    }
    QCheckBox *box(const QString &n_name)
    {
        return qobject_cast<QCheckBox *>(tree->itemWidget(row(n_name), 2));
    }
    void type(const QString &n_name, const QString &n_text)
    {
        QTest::keyClicks(field(n_name), n_text);
    }
    // The box has no text: a click must hit its mark.
    void tick(const QString &n_name) { clickCheckMark(box(n_name)); }

    frmMainIDE window;
    QStringList opening;
    wClassTestArea *page = nullptr;
    QTreeWidget *tree = nullptr;
};

// The tested class as its saved form, free of hash order, with its parameters' values (a class
// with integrity errors refuses to be saved: then the values alone).
QString savedForm(const ClassPtr &n_class)
{
    QStringList values;
    const auto parameters = n_class->getParametersHash();
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it)
        values << it.key() + QLatin1Char('=') + it.value()->getShortName() + QLatin1Char(':')
                      + it.value()->getDefaultValueStr();
    values.sort();
    QDomDocument document;
    ClassXMLSerializer serializer(document);
    try {
        n_class->save(serializer);
        values << canonical(serializer.getXMLObject());
    } catch (const CantSaveClassIntegrityErrors &) {
    }
    return values.join(QLatin1Char('\n'));
}

QString consoleOf(const QStringList &n_lines)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    for (int i = 0; i < n_lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.insertText(n_lines.at(i));
    }
    return document.toPlainText();
}

QString block(int n_step, const QString &n_relation, const QString &n_rule, const QString &n_inputs,
              const QString &n_code, const QString &n_outputs)
{
    return testText(70) + QLatin1Char(' ') + QString::number(n_step) + QLatin1Char('\n')
           + testText(81) + QLatin1Char(' ') + n_relation + QLatin1Char('\n') + testText(80)
           + QLatin1Char(' ') + n_rule + QLatin1Char('\n') + testText(90) + QLatin1Char('\n')
           + n_inputs + QLatin1Char('\n') + testText(100) + QStringLiteral(" \n") + n_code
           + QLatin1Char('\n') + testText(110) + QLatin1Char(' ') + n_outputs + QLatin1Char('\n')
           + QString(36, QLatin1Char('-')) + QStringLiteral("\n\r");
}

// A mediator whose information channel fails with a plain library exception.
struct ThrowingMediator : BaseMediator
{
    void send(CommandItem *, BaseColleague *) const override {}
    bool command(CommandType, BaseColleague *) const override { return true; }
    void sendError(MessageItem *, BaseColleague *) const override {}
    void sendInformation(QStringList, BaseColleague *) const override
    {
        throw std::runtime_error("boom");
    }
};

// Counts what reaches the console.
struct RecordingMediator : BaseMediator
{
    void send(CommandItem *, BaseColleague *) const override {}
    bool command(CommandType, BaseColleague *) const override { return true; }
    void sendError(MessageItem *, BaseColleague *) const override {}
    void sendInformation(QStringList, BaseColleague *) const override { ++sent; }
    mutable int sent = 0;
};

QStringList g_debug;
void recordDebug(QtMsgType n_type, const QMessageLogContext &, const QString &n_text)
{
    if (n_type == QtDebugMsg)
        g_debug << n_text;
}

} // namespace

class tst_ClassTestArea : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        ScriptEngineGuard::setTimeLimit(ScriptEngineGuard::DEFAULT_TIME_LIMIT_MS);
    }
    void testRoadEndToEnd();
    void failuresChangeNothing_data();
    void failuresChangeNothing();
    void numbersUnderLocales_data();
    void numbersUnderLocales();
    void uncaughtErrorHasNoDebugLine();
    void classWithoutStorageIsReported();
    void treePlacesOnExpansion();
    void notifications();
    void staleParentRowDropsTheParameter();
    void pageWithoutClassDoesNothing();
    void headingsFollowTheLanguage();
    void notSolvedSendsNothing();
    void secondRunClearedBringsTheInputBack();
    void resultBeforeExpansionShowsOnExpansion();
    void slowRunIsStoppedByTheUser_data();
    void slowRunIsStoppedByTheUser();
    void longScriptIsQuotedShort();
    void otherWindowClosedDuringARun_data();
    void otherWindowClosedDuringARun();
    void beamWalkOfTheReadme();

private:
    QTemporaryDir m_folder;
};

void tst_ClassTestArea::testRoadEndToEnd()
{
    QLocale::setDefault(QLocale(QStringLiteral("ru_RU")));
    Window w(writeFixture(m_folder));
    QCOMPARE(w.opening, QStringList());
    QVERIFY(w.page);
    QCOMPARE(w.page->windowTitle(), QStringLiteral("Тест: Root"));
    w.expand(QStringLiteral("Root"));
    w.type(QStringLiteral("a"), QStringLiteral("1,5"));
    w.tick(QStringLiteral("c"));
    BoxRecorder boxes;
    w.run();
    QVERIFY2(boxes.texts().isEmpty(), qPrintable(boxes.texts().join(QLatin1Char('|'))));

    const QStringList expected{
        block(0, QStringLiteral("r1"), QStringLiteral("rule1"), QStringLiteral("a=1.5;"),
              QStringLiteral("y = x*2;"), QStringLiteral("b=3;")),
        block(1, QStringLiteral("r2"), QStringLiteral("rule2"), QStringLiteral("b=3;"),
              QStringLiteral("y = x + 1;"), QStringLiteral("c=4;")),
        QString()};
    QCOMPARE(w.page->getTextAlgorithm(), expected);
    QCOMPARE(w.console(), consoleOf(expected));
    QCOMPARE(w.field(QStringLiteral("b"))->text(), QStringLiteral("3"));
    QCOMPARE(w.field(QStringLiteral("c"))->text(), QStringLiteral("4"));
    QCOMPARE(w.field(QStringLiteral("c"))->palette().color(QPalette::Text), QColor(Qt::red));

    // The graph shows two rule nodes.
    w.tool(82)->trigger();
    auto *dialog = w.page->findChild<dialogAlgGraph *>();
    QVERIFY(dialog && dialog->isVisible());
    int rules = 0;
    for (QGraphicsItem *item : dialog->getOverview()->scene()->items())
        rules += dynamic_cast<RuleItem *>(item) ? 1 : 0;
    QCOMPARE(rules, 2);

    // Filter hides the rows without result, then shows them again.
    w.tool(83)->trigger();
    QVERIFY(w.row(QStringLiteral("a"))->isHidden());
    QVERIFY(w.row(QStringLiteral("t"))->isHidden());
    QVERIFY(!w.row(QStringLiteral("b"))->isHidden());
    w.tool(83)->trigger();
    QVERIFY(!w.row(QStringLiteral("a"))->isHidden());

    // Clear empties the results and keeps the user's input.
    w.tool(84)->trigger();
    QCOMPARE(w.field(QStringLiteral("b"))->text(), QString());
    QCOMPARE(w.field(QStringLiteral("c"))->palette().color(QPalette::Text), QColor(Qt::black));
    QCOMPARE(w.field(QStringLiteral("a"))->text(), QStringLiteral("1,5"));

    // Escape on the dialog unticks the show-graph box.
    auto *showGraph = w.page->findChild<QCheckBox *>(QStringLiteral("showGraphCB"));
    showGraph->setChecked(true);
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!showGraph->isChecked());
}

void tst_ClassTestArea::failuresChangeNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("ticked");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("console");
    QTest::addColumn<int>("paneRows");
    QTest::newRow("nothing filled") << ""
                                    << ""
                                    << "c" << ideMessage(41) << "" << 0;
    QTest::newRow("nothing ticked") << ""
                                    << "2"
                                    << "" << ideMessage(40) << "" << 0;
    QTest::newRow("same names") << "duplicate"
                                << "2"
                                << "c"
                                << ""
                                << "" << 1;
    QTest::newRow("not a number") << ""
                                  << "-"
                                  << "c" << ideMessage(180) + QStringLiteral(" a") << "" << 0;
    QTest::newRow("violated constraint") << ""
                                         << "200"
                                         << "c"
                                         << "" << testText(30) << 0;
    QTest::newRow("unreachable") << "unreachable"
                                 << "2"
                                 << "s"
                                 << "" << testText(20) << 0;
    QTest::newRow("relation throws") << "throws"
                                     << "2"
                                     << "c"
                                     << "ScriptError"
                                     << "" << 0;
    QTest::newRow("script as text") << "markup"
                                    << "2"
                                    << "c"
                                    << "flag = (x<b && y>0);"
                                    << "" << 0;
}

void tst_ClassTestArea::failuresChangeNothing()
{
    QFETCH(QString, kind);
    QFETCH(QString, typed);
    QFETCH(QString, ticked);
    QFETCH(QString, box);
    QFETCH(QString, console);
    QFETCH(int, paneRows);
    Window w(writeFixture(m_folder));
    // The changes a saved file cannot hold are made in the open model.
    const ClassPtr root = w.page->getRootClass();
    const auto storage = root->getRelationsStorage();
    if (kind == QLatin1String("duplicate"))
        root->getParameterPtr(QStringLiteral("t"))->setShortName(QStringLiteral("a"));
    if (kind == QLatin1String("throws"))
        storage->getRelationPtr(QStringLiteral("r1"))
            ->setCode(QStringLiteral("throw new Error('ScriptError');"));
    if (kind == QLatin1String("markup"))
        storage->getRelationPtr(QStringLiteral("r1"))
            ->setCode(QStringLiteral("flag = (x<b && y>0); throw 1;"));
    w.expand(QStringLiteral("Root"));
    w.expand(QStringLiteral("Sub"));
    if (!typed.isEmpty())
        w.type(QStringLiteral("a"), typed);
    if (!ticked.isEmpty())
        w.tick(ticked);
    const int paneBefore = w.errors()->rowCount();
    const QString before = savedForm(w.page->getRootClass());
    BoxRecorder boxes;
    w.run();
    QCOMPARE(savedForm(w.page->getRootClass()), before);
    if (box.isEmpty()) {
        QCOMPARE(boxes.texts(), QStringList());
    } else {
        QCOMPARE(boxes.boxes().size(), 1);
        QVERIFY2(boxes.texts().first().contains(box), qPrintable(boxes.texts().first()));
        QCOMPARE(boxes.boxes().first().title, ideMessage(1));
        QCOMPARE(boxes.boxes().first().format, Qt::PlainText);
    }
    QCOMPARE(w.errors()->rowCount() - paneBefore, paneRows);
    if (console.isEmpty())
        QCOMPARE(w.console(), QString());
    else
        QVERIFY2(w.console().contains(console), qPrintable(w.console()));
    if (kind == QLatin1String("unreachable"))
        QVERIFY(w.console().contains(QStringLiteral("s;")));
    if (typed == QLatin1String("200")) {
        QVERIFY(w.console().contains(QStringLiteral("con | flag = (x < 100); | ")));
        QVERIFY(w.console().contains(QStringLiteral("c()=401")));
    }
}

void tst_ClassTestArea::numbersUnderLocales_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("b");
    QTest::newRow("group separator en") << "en_US"
                                        << "1,000"
                                        << "2000";
    QTest::newRow("comma en") << "en_US"
                              << "1,5"
                              << "3";
    QTest::newRow("point en") << "en_US"
                              << "1.5"
                              << "3";
    QTest::newRow("comma ru") << "ru_RU"
                              << "1,5"
                              << "3";
    QTest::newRow("german") << "de_DE"
                            << "1.000,5"
                            << "2001";
}

void tst_ClassTestArea::numbersUnderLocales()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, b);
    QLocale::setDefault(QLocale(locale));
    Window w(writeFixture(m_folder));
    w.expand(QStringLiteral("Root"));
    w.type(QStringLiteral("a"), typed);
    w.tick(QStringLiteral("b"));
    BoxRecorder boxes;
    w.run();
    QCOMPARE(boxes.texts(), QStringList());
    QCOMPARE(w.field(QStringLiteral("b"))->text(), b);
}

void tst_ClassTestArea::uncaughtErrorHasNoDebugLine()
{
    Window w(writeFixture(m_folder));
    ThrowingMediator mediator;
    TestModelColleague colleague(&mediator);
    w.page->setColleague(&colleague);
    w.expand(QStringLiteral("Root"));
    w.type(QStringLiteral("a"), QStringLiteral("2"));
    w.tick(QStringLiteral("c"));
    BoxRecorder boxes;
    g_debug.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordDebug);
    w.run();
    qInstallMessageHandler(previous);
    QCOMPARE(boxes.texts(), QStringList{ideMessage(2)});
    QCOMPARE(g_debug, QStringList());
}

void tst_ClassTestArea::classWithoutStorageIsReported()
{
    // A class made without a relations storage fails its integrity check with an exception.
    const ClassPtr lonely = makeClass(QStringLiteral("lonely"), QSharedPointer<RelationsStorage>());
    lonely->addParameter(makeParameter(QStringLiteral("p")));
    ThrowingMediator mediator;
    TestModelColleague colleague(&mediator);
    wClassTestArea page;
    page.setColleague(&colleague);
    page.setRootClass(lonely);
    BoxRecorder boxes;
    page.run();
    QCOMPARE(boxes.boxes().size(), 1);
    QCOMPARE(page.getTextAlgorithm(), QStringList());
}

void tst_ClassTestArea::treePlacesOnExpansion()
{
    Window w(writeFixture(m_folder, [](OstraModel &n_model) {
        n_model.getRootClass()
            ->getClassById(QStringLiteral("sub"))
            ->getParameterPtr(QStringLiteral("s"))
            ->setDefaultValue(3.0);
    }));
    QVERIFY(!w.field(QStringLiteral("b")));
    w.expand(QStringLiteral("Root"));
    QVERIFY(w.field(QStringLiteral("b")));
    QVERIFY(!w.field(QStringLiteral("s")));
    // The default of the unexpanded s is a known value: no box, the solver's verdict instead.
    w.tick(QStringLiteral("c"));
    BoxRecorder boxes;
    w.run();
    QCOMPARE(boxes.texts(), QStringList());
    QVERIFY(w.console().contains(testText(20)));

    w.type(QStringLiteral("t"), QStringLiteral("word"));
    // Collapse and expand keep the input.
    w.expand(QStringLiteral("Root"));
    QVERIFY(!w.row(QStringLiteral("Root"))->isExpanded());
    w.expand(QStringLiteral("Root"));
    QCOMPARE(w.field(QStringLiteral("t"))->text(), QStringLiteral("word"));
    QVERIFY(w.box(QStringLiteral("c"))->isChecked());
    w.expand(QStringLiteral("Sub"));
    QCOMPARE(w.field(QStringLiteral("s"))->text(), QStringLiteral("3"));
    QCOMPARE(w.field(QStringLiteral("s"))->palette().color(QPalette::Text), QColor(Qt::blue));
    // Rows are sorted by name, the sub-class row among the parameters.
    QStringList names;
    for (int i = 0; i < w.row(QStringLiteral("Root"))->childCount(); ++i)
        names << w.row(QStringLiteral("Root"))->child(i)->text(0);
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        return QString::localeAwareCompare(a, b) < 0;
    });
    QCOMPARE(names, sorted);
    QCOMPARE(names.size(), 5);
}

void tst_ClassTestArea::notifications()
{
    Window w(writeFixture(m_folder));
    const ClassPtr root = w.page->getRootClass();
    w.expand(QStringLiteral("Root"));
    w.type(QStringLiteral("a"), QStringLiteral("2"));

    // Update of a parameter re-creates its row, empty, placed at once.
    root->getParameterPtr(QStringLiteral("a"))->setShortName(QStringLiteral("a2"));
    CommandItem updateA(UPDATE, PARAMETER_WINDOW, QStringLiteral("a"), root->getId(), QString());
    w.page->updateItem(&updateA);
    QVERIFY(!w.row(QStringLiteral("a")));
    QVERIFY(w.field(QStringLiteral("a2")));
    QCOMPARE(w.field(QStringLiteral("a2"))->text(), QString());

    // Create of a new parameter in the sub-class.
    const ClassPtr sub = root->getClassById(QStringLiteral("sub"));
    sub->addParameter(makeParameter(QStringLiteral("n")));
    CommandItem createN(CREATE, PARAMETER_WINDOW, QStringLiteral("n"), QStringLiteral("sub"),
                        QString());
    w.page->createItem(&createN);
    QVERIFY(w.field(QStringLiteral("n")));

    // Renaming the tested class and a sub-class.
    root->setShortName(QStringLiteral("Top"));
    CommandItem updateRoot(UPDATE, CLASS_WINDOW, root->getId(), QString(), QString());
    w.page->updateItem(&updateRoot);
    QCOMPARE(w.page->windowTitle(), QStringLiteral("Тест: Top"));
    sub->setShortName(QStringLiteral("Sub2"));
    CommandItem updateSub(UPDATE, CLASS_WINDOW, QStringLiteral("sub"), root->getId(), QString());
    w.page->updateItem(&updateSub);
    QVERIFY(w.row(QStringLiteral("Sub2")));

    // A class moved in shows up as one bare row.
    const ClassPtr added = makeClass(QStringLiteral("added"), root->getRelationsStorage(),
                                     QStringLiteral("Added"));
    root->addClass(added);
    CommandItem updateAdded(UPDATE, CLASS_WINDOW, QStringLiteral("added"), root->getId(),
                            QString());
    w.page->updateItem(&updateAdded);
    w.page->updateItem(&updateAdded);
    QCOMPARE(w.tree->findItems(QStringLiteral("Added"), Qt::MatchRecursive).size(), 1);
    CommandItem outside(UPDATE, CLASS_WINDOW, QStringLiteral("elsewhere"), root->getId(),
                        QString());
    w.page->updateItem(&outside);

    // Deleting a sub-class the way the workspace does: its parameters, then the class.
    CommandItem deleteN(DELETE, PARAMETER_WINDOW, QStringLiteral("n"));
    CommandItem deleteS(DELETE, PARAMETER_WINDOW, QStringLiteral("s"));
    CommandItem deleteSub(DELETE, CLASS_WINDOW, QStringLiteral("sub"));
    for (CommandItem *command : {&deleteN, &deleteS, &deleteSub})
        QVERIFY(w.page->deleteItem(command));
    QVERIFY(!w.row(QStringLiteral("Sub2")));
    // Deleting the tested class empties the tree; later notices change nothing.
    CommandItem deleteRoot(DELETE, CLASS_WINDOW, root->getId());
    w.page->deleteItem(&deleteRoot);
    QCOMPARE(w.tree->topLevelItemCount(), 0);
    w.page->updateItem(&updateA);
    QCOMPARE(w.tree->topLevelItemCount(), 0);
    BoxRecorder boxes;
    w.run();
    QCOMPARE(boxes.texts(), QStringList{ideMessage(41)});
}

void tst_ClassTestArea::staleParentRowDropsTheParameter()
{
    Window w(writeFixture(m_folder));
    const ClassPtr root = w.page->getRootClass();
    w.expand(QStringLiteral("Root"));
    w.expand(QStringLiteral("Sub"));
    // The sub-class leaves the tested subtree; then one of its parameters is saved.
    const ClassPtr sub = root->getClassById(QStringLiteral("sub"));
    root->deleteChildClass(sub, true);
    CommandItem updateS(UPDATE, PARAMETER_WINDOW, QStringLiteral("s"), QStringLiteral("sub"),
                        QString());
    BoxRecorder boxes;
    w.page->updateItem(&updateS);
    QCOMPARE(boxes.texts(), QStringList());
    QVERIFY(!w.row(QStringLiteral("s")));
    w.expand(QStringLiteral("Sub"));
    w.type(QStringLiteral("a"), QStringLiteral("1"));
    w.tick(QStringLiteral("b"));
    w.run();
    QCOMPARE(w.field(QStringLiteral("b"))->text(), QStringLiteral("2"));
}

void tst_ClassTestArea::pageWithoutClassDoesNothing()
{
    wClassTestArea page;
    BoxRecorder boxes;
    page.run();
    page.showGraph();
    page.filterResult();
    page.clearResult();
    QCOMPARE(boxes.texts(), QStringList());
    page.setRootClass(nullptr);
    QCOMPARE(boxes.texts(), QStringList{ideMessage(30)});
    QVERIFY(!page.findChild<dialogAlgGraph *>());
}

void tst_ClassTestArea::headingsFollowTheLanguage()
{
    Window w(writeFixture(m_folder));
    w.expand(QStringLiteral("Root"));
    w.type(QStringLiteral("a"), QStringLiteral("1"));
    w.tick(QStringLiteral("b"));
    InstalledCatalogue english(Catalogue::English);
    QVERIFY(english.isLoaded());
    QCoreApplication::processEvents();
    w.run();
    const QStringList lines = w.page->getTextAlgorithm();
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines.first().startsWith(
                 QStringLiteral("Step # 0\nОтношение: r1\nRule description: rule1\n")),
             qPrintable(lines.first()));
    QVERIFY(lines.first().contains(QStringLiteral("\nInput parameters:\na=1;\nFormula: \n")));
}

void tst_ClassTestArea::notSolvedSendsNothing()
{
    RecordingMediator mediator;
    TestModelColleague colleague(&mediator);
    wClassTestArea page;
    page.setColleague(&colleague);
    auto solution = QSharedPointer<AlgorithmSolution>::create();
    QCOMPARE(page.gatherTextAlgorithm(solution), QStringList());
    QCOMPARE(mediator.sent, 0);
    // A language change keeps the tested class in the title; a page without a class gets its
    // form's title back.
    Window w(writeFixture(m_folder));
    w.page->retranslateUI();
    QCOMPARE(w.page->windowTitle(), QStringLiteral("Тест: Root"));
    page.retranslateUI();
    QCOMPARE(page.windowTitle(), QCoreApplication::translate("wClassTestArea", "Тестирование"));
}

void tst_ClassTestArea::secondRunClearedBringsTheInputBack()
{
    Window w(writeFixture(m_folder));
    w.expand(QStringLiteral("Root"));
    w.type(QStringLiteral("b"), QStringLiteral("1"));
    // Two results reach b without a clear between them.
    const QList<RulePtr> rules{
        w.page->getRootClass()->getOwnRulesHash().value(QStringLiteral("rule1"))};
    w.page->getRootClass()->getParameterPtr(QStringLiteral("b"))->setValue(5.0);
    w.page->gatherOutputStringFromRulesOrder(rules, 0);
    w.page->gatherOutputStringFromRulesOrder(rules, 0);
    QCOMPARE(w.field(QStringLiteral("b"))->text(), QStringLiteral("5"));
    w.tool(84)->trigger();
    QCOMPARE(w.field(QStringLiteral("b"))->text(), QStringLiteral("1"));
    QCOMPARE(w.field(QStringLiteral("b"))->palette().color(QPalette::Text), QColor(Qt::black));
}

// Fields are made when first needed: a result given to a row never expanded shows on expansion,
// above the default, and clearing brings the default back.
void tst_ClassTestArea::resultBeforeExpansionShowsOnExpansion()
{
    Window w(writeFixture(m_folder, [](OstraModel &n_model) {
        n_model.getRootClass()->getParameterPtr(QStringLiteral("b"))->setDefaultValue(2.0);
    }));
    const ClassPtr root = w.page->getRootClass();
    const QSharedPointer<ParameterModel> b = root->getParameterPtr(QStringLiteral("b"));
    b->setValue(7.0);
    QVERIFY(!w.field(QStringLiteral("b")));
    w.page->gatherOutputStringFromRulesOrder(
        {root->getOwnRulesHash().value(QStringLiteral("rule1"))}, 0);
    w.expand(QStringLiteral("Root"));
    QCOMPARE(w.field(QStringLiteral("b"))->text(), b->getValueStr());
    QCOMPARE(w.field(QStringLiteral("b"))->palette().color(QPalette::Text), QColor(Qt::red));
    w.tool(84)->trigger();
    QCOMPARE(w.field(QStringLiteral("b"))->text(), QStringLiteral("2"));
    QCOMPARE(w.field(QStringLiteral("b"))->palette().color(QPalette::Text), QColor(Qt::black));
}

void tst_ClassTestArea::slowRunIsStoppedByTheUser_data()
{
    QTest::addColumn<bool>("closeRequest");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("shown");
    const QString russian = QStringLiteral("Тест остановлен пользователем.");
    QTest::newRow("Escape") << false << false << russian;
    QTest::newRow("close request") << true << false << russian;
    QTest::newRow("Escape, English")
        << false << true << QStringLiteral("The test was stopped by the user.");
}

void tst_ClassTestArea::slowRunIsStoppedByTheUser()
{
    QFETCH(bool, closeRequest);
    QFETCH(bool, english);
    QFETCH(QString, shown);
    // Long enough that only the user's stop ends the run before it.
    ScriptEngineGuard::setTimeLimit(60000);
    Window w(writeFixture(m_folder));
    InstalledCatalogue catalogue(english ? Catalogue::English : Catalogue::None);
    QCoreApplication::processEvents();
    const auto relation = w.page->getRootClass()->getRelationsStorage()->getRelationPtr(
        QStringLiteral("r1"));
    relation->setCode(QStringLiteral("while (true) {} y = x;"));
    w.expand(QStringLiteral("Root"));
    w.type(QStringLiteral("a"), QStringLiteral("2"));
    w.tick(QStringLiteral("c"));
    const QString before = savedForm(w.page->getRootClass());
    int cursorDuringRun = -1;
    // Runs among the events the guard lets through while the relation loops.
    QTimer::singleShot(200, w.page, [&] {
        cursorDuringRun = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                                         : -1;
        if (closeRequest)
            w.window.close();
        else
            QTest::keyClick(w.page, Qt::Key_Escape);
    });
    BoxRecorder boxes;
    g_debug.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordDebug);
    w.run();
    qInstallMessageHandler(previous);
    QCOMPARE(cursorDuringRun, int(Qt::BusyCursor));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    // The box says what happened and nothing more; the exception goes to the debug output.
    QCOMPARE(boxes.texts(), QStringList{shown});
    QVERIFY2(g_debug.join(QLatin1Char('\n')).contains(QStringLiteral("Exception Id: 502")),
             qPrintable(g_debug.join(QLatin1Char('\n'))));
    QCOMPARE(savedForm(w.page->getRootClass()), before);
    QVERIFY(w.window.isVisible());
    // Later evaluations outside a class test are not stopped: a constraint computed on its own
    // and the designer's trial run, each long enough to reach the guard's checks.
    const ClassPtr root = w.page->getRootClass();
    const QString loop = QStringLiteral("for (var i = 0; i < 1000; ++i) {} ");
    root->getRelationsStorage()
        ->getRelationPtr(QStringLiteral("limit"))
        ->setCode(loop + QStringLiteral("flag = (x < 100);"));
    root->getParameterPtr(QStringLiteral("c"))->setValue(5.0);
    try {
        QVERIFY(root->getOwnConstraintsHash().value(QStringLiteral("con"))->calculate());
    } catch (const ExceptionOstra &e) {
        QFAIL(qPrintable(e.toString(true)));
    }
    wProgramRelation designer;
    QTest::keyClicks(designer.findChild<QPlainTextEdit *>(QStringLiteral("teCode")), loop);
    QVERIFY(designer.analyze());
    QCOMPARE(boxes.texts(), QStringList{shown});
    // The request ends with its run: the next one goes through.
    relation->setCode(QStringLiteral("y = x*2;"));
    w.run();
    QCOMPARE(boxes.texts().size(), 1);
    QCOMPARE(w.field(QStringLiteral("c"))->text(), QStringLiteral("5"));
}

void tst_ClassTestArea::longScriptIsQuotedShort()
{
    Window w(writeFixture(m_folder));
    QString script = QStringLiteral("throw new Error('boom' + Array(1000).join('!'));");
    for (int line = 0; line < 50; ++line)
        script += QStringLiteral("\n// ") + QString(300, QLatin1Char('x'));
    w.page->getRootClass()
        ->getRelationsStorage()
        ->getRelationPtr(QStringLiteral("r1"))
        ->setCode(script);
    w.expand(QStringLiteral("Root"));
    w.type(QStringLiteral("a"), QStringLiteral("2"));
    w.tick(QStringLiteral("c"));
    BoxRecorder boxes;
    w.run();
    QCOMPARE(boxes.texts().size(), 1);
    const QString shown = boxes.texts().first();
    QVERIFY2(shown.contains(QStringLiteral("Exception Id: 502")), qPrintable(shown));
    QVERIFY(shown.contains(QStringLiteral("boom")));
    // Five lines of the script, each cut, and the message cut too.
    QVERIFY2(shown.count(QLatin1Char('\n')) < 20, qPrintable(shown));
    for (const QString &line : shown.split(QLatin1Char('\n')))
        QVERIFY2(line.size() <= 240, qPrintable(line));
}

void tst_ClassTestArea::otherWindowClosedDuringARun_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("stops");
    QTest::newRow("tooltip") << int(Qt::ToolTip) << false;
    QTest::newRow("tool window") << int(Qt::Tool) << false;
    QTest::newRow("dialog") << int(Qt::Dialog) << true;
}

// Only the close request of a window or a dialog is the user's stop; a tooltip or a tool window
// that closes meanwhile closes, and the run goes on to its result.
void tst_ClassTestArea::otherWindowClosedDuringARun()
{
    QFETCH(int, type);
    QFETCH(bool, stops);
    Window w(writeFixture(m_folder));
    // Half a second: the close below comes at the first look at the events, in the middle of it.
    w.page->getRootClass()
        ->getRelationsStorage()
        ->getRelationPtr(QStringLiteral("r1"))
        ->setCode(
            QStringLiteral("var end = Date.now() + 500; while (Date.now() < end) {} y = x*2;"));
    w.expand(QStringLiteral("Root"));
    w.type(QStringLiteral("a"), QStringLiteral("2"));
    w.tick(QStringLiteral("c"));
    QWidget other(nullptr, Qt::WindowType(type));
    other.show();
    bool closedDuringRun = false;
    QTimer::singleShot(0, &other, [&] {
        closedDuringRun = QApplication::overrideCursor() != nullptr;
        other.close();
    });
    BoxRecorder boxes;
    w.run();
    QVERIFY(closedDuringRun);
    QCOMPARE(boxes.texts(),
             stops ? QStringList{ideMessage(ErrorDictionary::ERROR_IDE_STOPPED_BY_USER)}
                   : QStringList());
    QCOMPARE(w.field(QStringLiteral("c"))->text(), stops ? QString() : QStringLiteral("5"));
    QCOMPARE(other.isVisible(), stops);
}

// The beam walk of the README: defaults in blue, results in red; a value typed over a default
// stays blue; the results on screen are known values of the next run, which then has nothing to
// do; once they are cleared, the heavier load breaks the stress constraint.
void tst_ClassTestArea::beamWalkOfTheReadme()
{
    Window w(QStringLiteral(SOURCE_ROOT_DIR "/examples/beam.xml"));
    w.expand(QStringLiteral("Beam"));
    QLineEdit *load = w.field(QStringLiteral("w"));
    QCOMPARE(load->palette().color(QPalette::Text), QColor(Qt::blue));
    for (const char *name : {"delta", "sigma", "verdict"})
        w.tick(QLatin1String(name));
    BoxRecorder boxes;
    w.run();
    QCOMPARE(w.field(QStringLiteral("verdict"))->text(), QStringLiteral("ok"));
    QCOMPARE(w.field(QStringLiteral("sigma"))->text(), QStringLiteral("15000000"));
    QCOMPARE(w.field(QStringLiteral("sigma"))->palette().color(QPalette::Text), QColor(Qt::red));

    load->selectAll();
    QTest::keyClicks(load, QStringLiteral("200000"));
    QCOMPARE(load->text(), QStringLiteral("200000"));
    QCOMPARE(load->palette().color(QPalette::Text), QColor(Qt::blue));
    w.run();
    // Nothing left to compute: the ticked parameters are known, not computed.
    const QStringList again = w.page->getTextAlgorithm();
    QCOMPARE(again.first(), testText(10));
    QVERIFY2(again.value(1).startsWith(testText(20)), qPrintable(again.value(1)));
    QCOMPARE(w.field(QStringLiteral("sigma"))->text(), QStringLiteral("15000000"));
    QCOMPARE(w.field(QStringLiteral("sigma"))->palette().color(QPalette::Text), QColor(Qt::red));

    w.tool(84)->trigger();
    QCOMPARE(w.field(QStringLiteral("sigma"))->text(), QString());
    QCOMPARE(load->text(), QStringLiteral("200000"));
    w.run();
    const QStringList lines = w.page->getTextAlgorithm();
    QCOMPARE(lines.first(), testText(30));
    QVERIFY2(lines.value(1).endsWith(QStringLiteral(" | sigma <= fy")), qPrintable(lines.value(1)));
    QCOMPARE(boxes.texts(), QStringList());
}

QTEST_MAIN(tst_ClassTestArea)
#include "tst_classtestarea.moc"
