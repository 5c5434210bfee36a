#include "FileDialogAnswer.h"
#include "TreeClicks.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "WidgetAreas/ElementNamePage.h"
#include "MessageBoxes.h"
#include "ModelGenerator.h"
#include "WidgetAreas/wContainerRelationshipArea.h"
#include "WidgetAreas/wContainerProjectArea.h"
#include "frmMainIDE.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QLineEdit>
#include <QTextEdit>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

QString mainText(int n_offset)
{
    return InterfaceLanguage::Instance().getTextById(1000 + n_offset);
}
QString baseText(int n_key)
{
    return InterfaceLanguage::Instance().getTextById(n_key);
}

// Answers message boxes: question boxes with the given button, every other box with Ok; records
// what each box showed.
struct Boxes
{
    struct Box
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        Qt::TextFormat format;
        QStringList buttons;
        QString defaultButton;
    };
    explicit Boxes(QMessageBox::StandardButton n_answer = QMessageBox::Cancel) : answer(n_answer)
    {
        MessageBoxes::setBoxHandler([this](QMessageBox &n_box) {
            Box box{n_box.icon(), n_box.windowTitle(), n_box.text(), n_box.textFormat(), {}, {}};
            for (QAbstractButton *button : n_box.buttons())
                box.buttons << button->text();
            if (n_box.defaultButton() != nullptr)
                box.defaultButton = n_box.defaultButton()->text();
            shown << box;
            return int(n_box.icon() == QMessageBox::Question ? answer : QMessageBox::Ok);
        });
    }
    ~Boxes() { MessageBoxes::setBoxHandler({}); }
    int count(QMessageBox::Icon n_icon) const
    {
        int result = 0;
        for (const Box &box : shown)
            result += box.icon == n_icon ? 1 : 0;
        return result;
    }
    QMessageBox::StandardButton answer;
    QList<Box> shown;
};

// A generated model written to a file; n_edit may change its text first.
QString writeModel(const QTemporaryDir &n_folder, const QString &n_name, int n_elements,
                   const std::function<QString(QString)> &n_edit = {})
{
    ModelGenerator::Options options;
    options.elements = n_elements;
    const ModelGenerator generator(options);
    QString text = generator.currentFormat();
    if (n_edit)
        text = n_edit(text);
    QFile file(n_folder.filePath(n_name));
    file.open(QIODevice::WriteOnly);
    file.write(text.toUtf8());
    return file.fileName();
}

QByteArray contents(const QString &n_path)
{
    QFile file(n_path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

struct Window
{
    // Pending events run once after show, as at start-up: the language the window starts in
    // relabels it then.
    Window()
    {
        window.show();
        QCoreApplication::processEvents();
    }
    ~Window() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QAction *action(const char *n_name)
    {
        return window.findChild<QAction *>(QLatin1String(n_name));
    }
    QMenu *menu(const char *n_name) { return window.findChild<QMenu *>(QLatin1String(n_name)); }
    QToolBar *toolBar() { return window.findChild<QToolBar *>(); }
    QList<QAction *> tools()
    {
        QList<QAction *> result;
        for (QAction *action : toolBar()->actions())
            if (!action->isSeparator())
                result << action;
        return result;
    }
    // The tool action shown with the caption of that offset.
    QAction *tool(int n_offset)
    {
        for (QAction *action : tools())
            if (action->text() == mainText(n_offset))
                return action;
        return nullptr;
    }
    QList<bool> modelToolStates()
    {
        QList<bool> states;
        for (int offset : {80, 10, 11, 12, 13})
            states << tool(offset)->isEnabled();
        return states;
    }
    QTreeWidget *relationRows()
    {
        return window.findChild<wContainerRelationshipArea *>()->treeWidget();
    }
    QTreeWidget *projectRows() { return window.findChild<wContainerProjectArea *>()->treeWidget(); }
    // The editor tabs: the tab widget that holds that page.
    QTabWidget *tabsOf(QWidget *n_page)
    {
        for (QTabWidget *tabs : window.findChildren<QTabWidget *>())
            if (tabs->indexOf(n_page) >= 0)
                return tabs;
        return nullptr;
    }
    // Opens the row of that name, in the project tree or the relations tree, by a double click;
    // the page that came up.
    QWidget *openRow(const QString &n_name)
    {
        for (QTreeWidget *tree : {projectRows(), relationRows()}) {
            const auto found = tree->findItems(n_name, Qt::MatchExactly | Qt::MatchRecursive);
            if (!found.isEmpty()) {
                doubleClickRow(tree, found.first());
                break;
            }
        }
        for (QTabWidget *tabs : window.findChildren<QTabWidget *>())
            if (tabs->currentWidget()
                && tabs->currentWidget()->windowTitle() == ElementNamePage::pageTitle(n_name))
                return tabs->currentWidget();
        return nullptr;
    }
    QTableWidget *errorTable()
    {
        for (QTableWidget *table : window.findChildren<QTableWidget *>())
            if (table->columnCount() == 3)
                return table;
        return nullptr;
    }

    frmMainIDE window;
};

const QList<bool> ALL_ON = {true, true, true, true, true};
const QList<bool> ALL_OFF = {false, false, false, false, false};

} // namespace

// The main window driven as a user drives it: menus, tool bar, prompts and file dialogs.
class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void toolBarOrderAndStartStates();
    void hiddenEntriesAndFormActions();
    void captionsFollowTheLanguage_data();
    void captionsFollowTheLanguage();
    void areaTogglesFlipTwice_data();
    void areaTogglesFlipTwice();
    void toolBarHidesAndReturns();

    void createGivesModelOne();
    void openFillsTheTrees();
    void brokenFileGivesOneBox();
    void cancelledOpenLeavesNothingOpen();
    void closePromptAnswers_data();
    void closePromptAnswers();
    void saveNewModelAsksOnce();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();

    void closeWhoseSaveFailsKeepsModelAndWindow();
    void modelWithErrorsIsOfferedForSaving_data();
    void modelWithErrorsIsOfferedForSaving();
    void secondCloseIsHarmless();
    void markupInNamesShowsAsText();
    void aboutAndSaveAsWithoutModel();
    void loadedTextsAreSavedWhole_data();
    void saveWithATestTabInFrontSaysSo_data();
    void saveAllWritesTheTabsBehindTheCurrentOne();
    void saveWithATestTabInFrontSaysSo();
    void loadedTextsAreSavedWhole();
    void testTabDrivesTheTestTools();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

void tst_MainWindow::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
}

void tst_MainWindow::cleanup()
{
    MessageBoxes::setBoxHandler({});
    MessageBoxes::setDialogHandler({});
}

void tst_MainWindow::toolBarOrderAndStartStates()
{
    Window w;
    QStringList shown;
    for (QAction *action : w.toolBar()->actions())
        shown << (action->isSeparator() ? QStringLiteral("|") : action->text());
    const QStringList expected = {
        mainText(7),  mainText(8),         mainText(10),        QStringLiteral("|"),
        mainText(11), mainText(12),        mainText(13),        QStringLiteral("|"),
        mainText(80), mainText(81),        QStringLiteral("|"), mainText(84),
        mainText(83), QStringLiteral("|"), mainText(82),        QStringLiteral("|")};
    QCOMPARE(shown, expected);
    QStringList enabled;
    for (QAction *action : w.tools())
        if (action->isEnabled())
            enabled << action->text();
    QCOMPARE(enabled, (QStringList{mainText(7), mainText(8)}));
    for (QAction *action : w.tools())
        QVERIFY(!action->icon().isNull());
    QVERIFY(!w.window.windowIcon().isNull());
}

void tst_MainWindow::hiddenEntriesAndFormActions()
{
    Window w;
    QStringList file;
    for (QAction *action : w.menu("mFile")->actions())
        if (!action->isSeparator() && action->isVisible())
            file << action->objectName();
    QCOMPARE(file, (QStringList{QStringLiteral("mCreateProject"), QStringLiteral("mOpenProject"),
                                QStringLiteral("mCloseProject"), QStringLiteral("mSaveTabProject"),
                                QStringLiteral("mSaveAsProject"), QStringLiteral("mExit")}));
    QVERIFY(!w.action("mWindowViewHistoryType")->isVisible());
    QVERIFY(!w.menu("mLanguagesView")->menuAction()->isVisible());
    QVERIFY(w.menu("mWindowView")->menuAction()->isVisible());
    QVERIFY(w.tool(13)->isVisible());
    QVERIFY(!w.tool(13)->isEnabled());
    for (const char *name : {"action_4", "action_5", "action_7", "action_8"})
        QVERIFY2(w.action(name)->associatedWidgets().isEmpty(), name);
    QStringList bar;
    for (QAction *action : w.window.menuBar()->actions())
        bar << action->menu()->objectName();
    QCOMPARE(bar, (QStringList{QStringLiteral("mFile"), QStringLiteral("mTools"),
                               QStringLiteral("mView"), QStringLiteral("mWindows"),
                               QStringLiteral("mHelp")}));
    QCOMPARE(w.action("mOpenProject")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(w.action("mSaveTabProject")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(w.action("mRun")->shortcut(), QKeySequence(QStringLiteral("F5")));
    QVERIFY(w.action("aShowToolsPanel")->isChecked());
    QVERIFY(w.action("mRusLang")->isCheckable() && w.action("mEngLang")->isCheckable());
    // The window starts in the locale's language: the change of language gives the Debug entry
    // its form's text back under the text table's tool tip.
    QCOMPARE(w.action("mDebug")->text(), QCoreApplication::translate("frmMainIDE", "Отладка"));
    QCOMPARE(w.action("mDebug")->toolTip(), mainText(80));
    QCOMPARE(w.menu("mFile")->title(), mainText(1));
}

void tst_MainWindow::captionsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("debugEntry");
    QTest::addColumn<QString>("debugTool");
    QTest::addColumn<QString>("relationsEntry");
    QTest::addColumn<QString>("fileMenu");
    QTest::addColumn<QString>("projectEntry");
    QTest::addColumn<QString>("status");
    // The English catalogue drops the prefix's trailing blank.
    QTest::newRow("English") << "mEngLang"
                             << "Debug"
                             << "Errors"
                             << "\"Relations\" window"
                             << "File"
                             << "\"Project\" window"
                             << "Current language changed toeng";
    QTest::newRow("Russian") << "mRusLang"
                             << "Отладка"
                             << "Ошибки"
                             << "Окно \"Отношения\""
                             << "Файл"
                             << "Окно \"Проект\""
                             << "Язык изменен на ru";
}

void tst_MainWindow::captionsFollowTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, debugEntry);
    QFETCH(QString, debugTool);
    QFETCH(QString, relationsEntry);
    QFETCH(QString, fileMenu);
    QFETCH(QString, projectEntry);
    QFETCH(QString, status);
    Window w;
    w.action("mWindowViewProjectType")->trigger();
    w.action(language.toLatin1().constData())->trigger();
    // The toolkit posts the language change to the window.
    QCoreApplication::processEvents();
    // The form's texts come back over the table's, the tool tips stay the table's.
    QCOMPARE(w.action("mDebug")->text(), debugEntry);
    QCOMPARE(w.action("mDebug")->toolTip(), mainText(80));
    QCOMPARE(w.tools().at(6)->text(), debugTool);
    QCOMPARE(w.tools().at(6)->toolTip(), debugTool);
    QCOMPARE(w.action("mWindowViewRelationType")->text(), relationsEntry);
    QCOMPARE(w.menu("mFile")->title(), fileMenu);
    QCOMPARE(w.action("aShowToolsPanel")->text(), QStringLiteral("Панель инструментов"));
    QCOMPARE(w.action("mRun")->shortcut(), QKeySequence(QStringLiteral("F5")));
    // The area toggle shows its window name again whatever state the area is in.
    QCOMPARE(w.action("mWindowViewProjectType")->text(), projectEntry);
    QCOMPARE(w.window.windowTitle(), getMainTitle(false));
    QCOMPARE(w.window.statusBar()->currentMessage(), status);
    QVERIFY(w.action(language.toLatin1().constData())->isChecked());
    // Every tool action and every form entry's tool tip reads the text table in the new language.
    QStringList tools;
    for (QAction *action : w.tools()) {
        QCOMPARE(action->toolTip(), action->text());
        tools << action->text();
    }
    QCOMPARE(tools, (QStringList{mainText(7), mainText(8), mainText(10), mainText(11), mainText(12),
                                 mainText(13), mainText(80), mainText(81), mainText(84),
                                 mainText(83), mainText(82)}));
    const QList<QPair<const char *, int>> tips = {{"mCreateProject", 7},
                                                  {"mOpenProject", 8},
                                                  {"mCloseProject", 10},
                                                  {"mSaveTabProject", 11},
                                                  {"mSaveAsProject", 12},
                                                  {"mExit", 14},
                                                  {"mTestModel", 15},
                                                  {"mWindowViewRelationType", 18},
                                                  {"mWindowViewErrorType", 21},
                                                  {"mDebug", 80},
                                                  {"mRun", 81},
                                                  {"mGraph", 82}};
    for (const auto &tip : tips)
        QCOMPARE(w.action(tip.first)->toolTip(), mainText(tip.second));
    QCOMPARE(w.menu("mTools")->toolTip(), mainText(3));
    QCOMPARE(w.menu("mWindowView")->title(), language == QLatin1String("mEngLang")
                                                 ? QStringLiteral("View")
                                                 : QStringLiteral("Вид"));
    // Back to the source texts for the next test.
    w.action("mRusLang")->trigger();
    QCoreApplication::processEvents();
}

void tst_MainWindow::areaTogglesFlipTwice_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("inside");
    QTest::addColumn<int>("outside");
    QTest::newRow("project") << "mWindowViewProjectType" << 17 << 30;
    QTest::newRow("relations") << "mWindowViewRelationType" << 18 << 40;
    QTest::newRow("console") << "mWindowViewConsoleType" << 19 << 50;
    QTest::newRow("errors") << "mWindowViewErrorType" << 21 << 70;
}

void tst_MainWindow::areaTogglesFlipTwice()
{
    QFETCH(QString, entry);
    QFETCH(int, inside);
    QFETCH(int, outside);
    Window w;
    QAction *action = w.action(entry.toLatin1().constData());
    const int topLevelBefore = QApplication::topLevelWidgets().size();
    action->trigger();
    QCOMPARE(action->text(), mainText(outside));
    QCOMPARE(action->toolTip(), mainText(outside));
    QVERIFY(QApplication::topLevelWidgets().size() > topLevelBefore);
    action->trigger();
    QCOMPARE(action->text(), mainText(inside));
}

void tst_MainWindow::toolBarHidesAndReturns()
{
    Window w;
    const int count = w.toolBar()->actions().size();
    w.action("aShowToolsPanel")->trigger();
    QVERIFY(!w.toolBar()->isVisible());
    w.action("aShowToolsPanel")->trigger();
    QVERIFY(w.toolBar()->isVisible());
    QCOMPARE(w.toolBar()->actions().size(), count);
    QCOMPARE(w.toolBar()->contextMenuPolicy(), Qt::PreventContextMenu);
    QCOMPARE(w.modelToolStates(), ALL_OFF);
}

void tst_MainWindow::createGivesModelOne()
{
    Window w;
    Boxes boxes(QMessageBox::Discard);
    w.action("mCreateProject")->trigger();
    QCOMPARE(w.modelToolStates(), ALL_ON);
    QCOMPARE(w.projectRows()->topLevelItemCount(), 1);
    QCOMPARE(w.projectRows()->topLevelItem(0)->text(0), QStringLiteral("Model 1"));
    const QString id = w.projectRows()->topLevelItem(0)->text(2);
    QCOMPARE(id.size(), 38);
    QVERIFY(id.startsWith(QLatin1Char('{')) && id.endsWith(QLatin1Char('}')));
    QVERIFY(boxes.shown.isEmpty());
    // A second Create asks first, and the new model is Model 1 again with a fresh id.
    w.tool(7)->trigger();
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(w.projectRows()->topLevelItem(0)->text(0), QStringLiteral("Model 1"));
    QVERIFY(w.projectRows()->topLevelItem(0)->text(2) != id);
}

void tst_MainWindow::openFillsTheTrees()
{
    Window w;
    const QString path = writeModel(*m_folder, QStringLiteral("generated.xml"), 300);
    FileDialogAnswer files({path});
    w.action("mOpenProject")->trigger();
    QCOMPARE(files.asked(), 1);
    QCOMPARE(files.captions().at(0), baseText(8010));
    QCOMPARE(files.filters().at(0), QStringLiteral("XML file (*.xml)"));
    QCOMPARE(w.modelToolStates(), ALL_ON);
    QCOMPARE(w.projectRows()->topLevelItemCount(), 1);
    QVERIFY(w.projectRows()->topLevelItem(0)->childCount() > 0);
    QVERIFY(w.relationRows()->topLevelItemCount() > 0);
    // Close with Discard empties both trees and turns the model actions off.
    Boxes boxes(QMessageBox::Discard);
    w.tool(10)->trigger();
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(w.projectRows()->topLevelItemCount(), 0);
    QCOMPARE(w.relationRows()->topLevelItemCount(), 0);
    QCOMPARE(w.modelToolStates(), ALL_OFF);
}

void tst_MainWindow::brokenFileGivesOneBox()
{
    Window w;
    QFile broken(m_folder->filePath(QStringLiteral("broken.xml")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("<model formatXmlVersion=\"2.0\"><class");
    broken.close();
    FileDialogAnswer files({broken.fileName()});
    Boxes boxes;
    w.tool(8)->trigger();
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown.at(0).icon, QMessageBox::Critical);
    QCOMPARE(boxes.shown.at(0).title, QStringLiteral("Ошибка"));
    QCOMPARE(boxes.shown.at(0).text, baseText(60));
    QCOMPARE(w.projectRows()->topLevelItemCount(), 0);
    QCOMPARE(w.modelToolStates(), ALL_OFF);
    // Nothing is open: a close asks nothing.
    w.tool(7)->trigger();
    QCOMPARE(boxes.shown.size(), 1);
}

void tst_MainWindow::cancelledOpenLeavesNothingOpen()
{
    Window w;
    Boxes boxes(QMessageBox::Discard);
    w.action("mCreateProject")->trigger();
    FileDialogAnswer files;
    w.action("mOpenProject")->trigger();
    QCOMPARE(files.asked(), 1);
    QCOMPARE(w.projectRows()->topLevelItemCount(), 0);
    // The window's actions stay as they were: the failed open changes nothing there.
    QCOMPARE(w.modelToolStates(), ALL_ON);
}

void tst_MainWindow::closePromptAnswers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("dialogs");
    QTest::newRow("save asks for a file, then closes") << int(QMessageBox::Save) << true << 1;
    QTest::newRow("discard closes unsaved") << int(QMessageBox::Discard) << true << 0;
    QTest::newRow("cancel keeps the model") << int(QMessageBox::Cancel) << false << 0;
}

void tst_MainWindow::closePromptAnswers()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(int, dialogs);
    Window w;
    w.action("mCreateProject")->trigger();
    Boxes boxes{QMessageBox::StandardButton(answer)};
    FileDialogAnswer files({m_folder->filePath(QStringLiteral("saved"))});
    w.action("mCloseProject")->trigger();
    QCOMPARE(boxes.shown.size(), 1);
    const Boxes::Box prompt = boxes.shown.at(0);
    QCOMPARE(prompt.icon, QMessageBox::Question);
    QCOMPARE(prompt.text,
             QStringLiteral("Модель 'Model 1' физически не сохранена. Хотите сохранить модель?"));
    QCOMPARE(prompt.buttons.size(), 3);
    QVERIFY(prompt.buttons.contains(QStringLiteral("Да")));
    QVERIFY(prompt.buttons.contains(QStringLiteral("Нет")));
    QVERIFY(prompt.buttons.contains(QStringLiteral("Отменить")));
    QCOMPARE(prompt.defaultButton, QStringLiteral("Да"));
    QCOMPARE(files.asked(), dialogs);
    QCOMPARE(w.projectRows()->topLevelItemCount(), closed ? 0 : 1);
    QCOMPARE(w.modelToolStates(), closed ? ALL_OFF : ALL_ON);
    QCOMPARE(QFile::exists(m_folder->filePath(QStringLiteral("saved.xml"))), dialogs == 1);
}

void tst_MainWindow::saveNewModelAsksOnce()
{
    Window w;
    w.action("mCreateProject")->trigger();
    FileDialogAnswer files({m_folder->filePath(QStringLiteral("model"))});
    w.action("mSaveTabProject")->trigger();
    QCOMPARE(files.asked(), 1);
    QVERIFY(files.saving().at(0));
    QCOMPARE(files.captions().at(0), baseText(8020));
    const QString saved = m_folder->filePath(QStringLiteral("model.xml"));
    QVERIFY(QFile::exists(saved));
    QFile::remove(saved);
    w.tool(11)->trigger();
    QCOMPARE(files.asked(), 1);
    QVERIFY(contents(saved).contains("Model 1"));
}

void tst_MainWindow::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("missing folder") << "missing/model.xml";
    QTest::newRow("a directory") << "folder.xml";
}

void tst_MainWindow::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, target);
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("folder.xml")));
    Window w;
    const QString path = writeModel(*m_folder, QStringLiteral("old.xml"), 60);
    const QByteArray before = contents(path);
    FileDialogAnswer files({path, m_folder->filePath(target)});
    w.action("mOpenProject")->trigger();
    Boxes boxes;
    w.action("mSaveAsProject")->trigger();
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown.at(0).icon, QMessageBox::Critical);
    QCOMPARE(boxes.shown.at(0).title, QStringLiteral("Ошибка"));
    QCOMPARE(contents(path), before);
    QCOMPARE(w.projectRows()->topLevelItemCount(), 1);
}

void tst_MainWindow::closeWhoseSaveFailsKeepsModelAndWindow()
{
    Window w;
    w.action("mCreateProject")->trigger();
    Boxes boxes(QMessageBox::Save);
    FileDialogAnswer files({m_folder->filePath(QStringLiteral("missing/model.xml"))});
    w.window.close();
    // The prompt, then the write failure in one critical box; the model and the window stay.
    QCOMPARE(boxes.shown.size(), 2);
    QCOMPARE(boxes.shown.at(1).icon, QMessageBox::Critical);
    QCOMPARE(boxes.shown.at(1).title, QStringLiteral("Ошибка"));
    QCOMPARE(boxes.shown.at(1).format, Qt::PlainText);
    QVERIFY(w.window.isVisible());
    QCOMPARE(w.projectRows()->topLevelItemCount(), 1);
    // The same through File, Close project.
    files.answer(m_folder->filePath(QStringLiteral("missing/model.xml")));
    w.action("mCloseProject")->trigger();
    QCOMPARE(boxes.count(QMessageBox::Critical), 2);
    QCOMPARE(w.projectRows()->topLevelItemCount(), 1);
    QCOMPARE(w.modelToolStates(), ALL_ON);
}

void tst_MainWindow::modelWithErrorsIsOfferedForSaving_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::newRow("save is refused, the close abandoned") << int(QMessageBox::Save) << false;
    QTest::newRow("discard closes") << int(QMessageBox::Discard) << true;
    QTest::newRow("cancel keeps") << int(QMessageBox::Cancel) << false;
}

void tst_MainWindow::modelWithErrorsIsOfferedForSaving()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    // Two parameters of the root class share one name: an integrity error.
    const QString path = writeModel(*m_folder, QStringLiteral("dup.xml"), 20, [](QString n_text) {
        const QRegularExpression name(QStringLiteral("<parameter [^>]*shortName=\"([^\"]*)\""));
        QRegularExpressionMatchIterator matches = name.globalMatch(n_text);
        const QRegularExpressionMatch first = matches.next();
        const QRegularExpressionMatch second = matches.next();
        return n_text.replace(second.capturedStart(1), second.capturedLength(1), first.captured(1));
    });
    const QByteArray before = contents(path);
    Window w;
    FileDialogAnswer files({path});
    w.action("mOpenProject")->trigger();
    QCOMPARE(w.projectRows()->topLevelItemCount(), 1);
    Boxes boxes{QMessageBox::StandardButton(answer)};
    w.action("mCloseProject")->trigger();
    QCOMPARE(boxes.count(QMessageBox::Question), 1);
    QCOMPARE(w.projectRows()->topLevelItemCount(), closed ? 0 : 1);
    QCOMPARE(contents(path), before);
    if (answer == QMessageBox::Save)
        QVERIFY(w.errorTable()->rowCount() > 0);
}

void tst_MainWindow::secondCloseIsHarmless()
{
    Window w;
    w.action("mCreateProject")->trigger();
    Boxes boxes(QMessageBox::Discard);
    QVERIFY(w.window.close());
    QVERIFY(!w.window.isVisible());
    // The body is gone; a second close and the window's own commands must not reach it.
    QVERIFY(w.window.close());
    w.action("mExit")->trigger();
    w.action("mDebug")->trigger();
    w.action("mWindowViewProjectType")->trigger();
    w.action("mTestModel")->trigger();
    QCOMPARE(boxes.count(QMessageBox::Question), 1);
}

void tst_MainWindow::markupInNamesShowsAsText()
{
    const QString path = writeModel(
        *m_folder, QStringLiteral("markup.xml"), 20, [](QString n_text) {
            const QRegularExpression root(QStringLiteral("(<class [^>]*shortName=\")[^\"]*\""));
            return n_text.replace(root, QStringLiteral("\\1Model &lt;i&gt;1&lt;/i&gt;\""));
        });
    Window w;
    FileDialogAnswer files({path});
    w.action("mOpenProject")->trigger();
    Boxes boxes(QMessageBox::Cancel);
    w.action("mCloseProject")->trigger();
    QCOMPARE(boxes.shown.size(), 1);
    QVERIFY(boxes.shown.at(0).text.contains(QStringLiteral("'Model <i>1</i>'")));
    QCOMPARE(boxes.shown.at(0).format, Qt::PlainText);
}

void tst_MainWindow::aboutAndSaveAsWithoutModel()
{
    Window w;
    QStringList dialogs;
    MessageBoxes::setDialogHandler([&dialogs](QDialog &n_dialog) {
        dialogs << QLatin1String(n_dialog.metaObject()->className());
        return int(QDialog::Accepted);
    });
    w.action("mAboutProgram")->trigger();
    QCOMPARE(dialogs, QStringList{QStringLiteral("dAboutProgram")});
    // Save as with nothing open asks nothing and writes nothing.
    Boxes boxes;
    w.action("mSaveAsProject")->trigger();
    w.action("mSaveTabProject")->trigger();
    w.action("mDebug")->trigger();
    QCOMPARE(dialogs.size(), 1);
    QVERIFY(boxes.shown.isEmpty());
}

void tst_MainWindow::loadedTextsAreSavedWhole_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("nameField");
    QTest::addColumn<int>("bodyLength");
    QTest::newRow("class") << "Model"
                           << "leName" << 0;
    QTest::newRow("relation") << "simple_0"
                              << "leName" << 40000;
    QTest::newRow("rule") << "rule_0"
                          << "leTitle" << 0;
    QTest::newRow("constraint") << "constraint_0"
                                << "leTitle" << 0;
}

// Texts longer than the fields' limits, opened and saved untouched, reach the file whole.
void tst_MainWindow::loadedTextsAreSavedWhole()
{
    QFETCH(QString, stored);
    QFETCH(QString, nameField);
    QFETCH(int, bodyLength);
    const QString name = QStringLiteral("Long") + QString(294, QLatin1Char('n'));
    const QString description = QString(6002, QLatin1Char('d'));
    const QString body = QStringLiteral("/*") + QString(bodyLength, QLatin1Char('c'))
                         + QStringLiteral("*/");
    const QString path = writeModel(*m_folder, QStringLiteral("long.xml"), 20, [&](QString n_text) {
        const QRegularExpression element(QStringLiteral("shortName=\"%1\"( description=\"[^\"]*\")?"
                                                        "([^>]*>)([^<]*)")
                                             .arg(stored));
        const QString tail = bodyLength > 0 ? QStringLiteral("\\3") + body : QStringLiteral("\\3");
        return n_text.replace(
            element,
            QStringLiteral("shortName=\"%1\" description=\"%2\"\\2").arg(name, description) + tail);
    });
    Window w;
    FileDialogAnswer files({path});
    w.action("mOpenProject")->trigger();
    QWidget *page = w.openRow(name);
    QVERIFY(page);
    QTabWidget *tabs = w.tabsOf(page);
    QCOMPARE(tabs->tabText(tabs->indexOf(page)), ElementNamePage::pageTitle(name));
    QCOMPARE(page->findChild<QLineEdit *>(nameField)->text(), name);
    QCOMPARE(page->findChild<QTextEdit *>(QStringLiteral("teDescription"))->toPlainText(),
             description);
    Boxes boxes;
    w.action("mSaveTabProject")->trigger();
    QVERIFY(boxes.shown.isEmpty());
    const QByteArray saved = contents(path);
    QVERIFY(saved.contains(name.toUtf8()));
    QVERIFY(saved.contains(description.toUtf8()));
    if (bodyLength > 0)
        QVERIFY(saved.contains(body.toUtf8() + "</relation>"));
    boxes.answer = QMessageBox::Discard;
}

void tst_MainWindow::saveWithATestTabInFrontSaysSo_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("Russian") << "mRusLang"
                             << "Ничего не сохранено: текущая вкладка — тестирование класса.";
    QTest::newRow("English") << "mEngLang"
                             << "Nothing was saved: the current tab is a class test.";
}

void tst_MainWindow::saveWithATestTabInFrontSaysSo()
{
    QFETCH(QString, language);
    QFETCH(QString, message);
    const QString path = writeModel(*m_folder, QStringLiteral("tested.xml"), 20);
    Window w;
    FileDialogAnswer files({path});
    w.action("mOpenProject")->trigger();
    w.action(language.toLatin1().constData())->trigger();
    QCoreApplication::processEvents();
    w.action("mTestModel")->trigger();
    // Any write would replace this.
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("untouched");
    file.close();
    Boxes boxes;
    for (QAction *save : {w.action("mSaveTabProject"), w.tool(11)}) {
        save->trigger();
        QCOMPARE(w.errorTable()->rowCount(), 1);
        QCOMPARE(w.errorTable()->item(0, 0)->text(), message);
    }
    QCOMPARE(contents(path), QByteArray("untouched"));
    QVERIFY(boxes.shown.isEmpty());
    QCOMPARE(files.asked(), 1);
    w.action("mRusLang")->trigger();
    QCoreApplication::processEvents();
    boxes.answer = QMessageBox::Discard;
}

void tst_MainWindow::saveAllWritesTheTabsBehindTheCurrentOne()
{
    const QString path = writeModel(*m_folder, QStringLiteral("tabs.xml"), 20);
    Window w;
    FileDialogAnswer files({path});
    w.action("mOpenProject")->trigger();
    QWidget *classPage = w.openRow(QStringLiteral("Model"));
    QWidget *relationPage = w.openRow(QStringLiteral("simple_0"));
    QVERIFY(classPage && relationPage);
    QTabWidget *tabs = w.tabsOf(relationPage);
    QCOMPARE(tabs->currentWidget(), relationPage);
    QTest::keyClicks(classPage->findChild<QLineEdit *>(QStringLiteral("leName")),
                     QStringLiteral("Behind"));
    QTest::keyClicks(relationPage->findChild<QLineEdit *>(QStringLiteral("leName")),
                     QStringLiteral("InFront"));
    Boxes boxes;
    w.tool(13)->trigger();
    QVERIFY(boxes.shown.isEmpty());
    const QByteArray saved = contents(path);
    QVERIFY(saved.contains("shortName=\"ModelBehind\""));
    QVERIFY(saved.contains("shortName=\"simple_0InFront\""));
    boxes.answer = QMessageBox::Discard;
}

void tst_MainWindow::testTabDrivesTheTestTools()
{
    Window w;
    const auto testTools = [&w] {
        QList<bool> states;
        for (int offset : {81, 82, 83, 84})
            states << w.tool(offset)->isEnabled();
        return states;
    };
    // Without a model the entry opens nothing.
    w.action("mTestModel")->trigger();
    QCOMPARE(testTools(), (QList<bool>{false, false, false, false}));
    w.action("mCreateProject")->trigger();
    w.action("mTestModel")->trigger();
    QCOMPARE(testTools(), (QList<bool>{true, true, true, true}));
    // Run, Graph, Filter and Clear on a fresh test page report nothing and keep the window.
    Boxes boxes;
    for (int offset : {81, 82, 83, 84})
        w.tool(offset)->trigger();
    QCOMPARE(boxes.count(QMessageBox::Critical), 0);
    // Closing the model takes the test tab and its tools away.
    boxes.answer = QMessageBox::Discard;
    w.action("mCloseProject")->trigger();
    QCOMPARE(testTools(), (QList<bool>{false, false, false, false}));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
