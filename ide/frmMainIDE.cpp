#include "frmMainIDE.h"

#include "ui_frmMainIDE.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Entities/Language/StartLanguage.h"
#include "MessageBoxes.h"
#include "PrimitiveWidgets/PasteLimit.h"
#include "SlotGuard.h"
#include "dAboutProgram.h"
#include "workspace/IDEDirector.h"
#include "workspace/controllers/MainController.h"
#include "workspace/routing/WorkSpaceTypes.h"
#include "workspace/viewmanagers/BaseViewManager.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLocale>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

namespace {
// Offsets into the main-window range of the interface texts.
const int KEY_FILE_MENU = 1;
const int KEY_TOOLS_MENU = 3;
const int KEY_WINDOWS_MENU = 5;
const int KEY_HELP_MENU = 6;
const int KEY_CREATE = 7;
const int KEY_OPEN = 8;
const int KEY_RECENT = 9;
const int KEY_CLOSE = 10;
const int KEY_SAVE = 11;
const int KEY_SAVE_AS = 12;
const int KEY_SAVE_ALL = 13;
const int KEY_EXIT = 14;
const int KEY_TEST_MODEL = 15;
const int KEY_WINDOW_VIEW_MENU = 16;
const int KEY_PROJECT_WINDOW = 17;
const int KEY_RELATIONS_WINDOW = 18;
const int KEY_CONSOLE_WINDOW = 19;
const int KEY_HISTORY_WINDOW = 20;
const int KEY_ERRORS_WINDOW = 21;
const int KEY_PROJECT_TAB = 30;
const int KEY_RELATIONS_TAB = 40;
const int KEY_CONSOLE_TAB = 50;
const int KEY_ERRORS_TAB = 70;
const int KEY_DEBUG = 80;
const int KEY_RUN = 81;
const int KEY_GRAPH = 82;
const int KEY_FILTER = 83;
const int KEY_CLEAR = 84;

const QString TRANSLATION_DIR = QStringLiteral(":/translation");

void setCaption(QAction *n_action, const QString &n_text)
{
    n_action->setText(n_text);
    n_action->setToolTip(n_text);
}
} // namespace

frmMainIDE::frmMainIDE(QWidget *parent) : QMainWindow(parent), form(new Ui_frmMainIDE)
{
    form->setupUi(this);
    form->mWindowViewHistoryType->setVisible(false);
    setWindowIcon(QIcon(QStringLiteral(":/prog/Images/logo.ico")));
    form->menubar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_toolBar = new QToolBar(QStringLiteral(" "), this);
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);

    QWidget *central = new QWidget(this);
    QGridLayout *grid = new QGridLayout(central);
    director = new IDEDirector();
    controller = new MainController(director);
    grid->addLayout(director->Constructor(parent), 0, 0);
    setCentralWidget(central);

    initializationAction();
    initializeToolBar();
    setLenguageTitle();
    m_languageGroup = nullptr;
    createLanguageActionGroup();
    PasteLimit::install();
    form->mRecentlyOpenProject->setVisible(false);
    form->mSaveAllTabProject->setVisible(false);
    form->mLanguagesView->menuAction()->setVisible(false);
}

frmMainIDE::~frmMainIDE()
{
    // The body goes first, while the window's widgets that hold it still stand.
    delete director;
    director = nullptr;
    delete controller;
    delete m_languageGroup;
    delete form;
}

QString frmMainIDE::mainText(int n_offset) const
{
    InterfaceLanguage &texts = InterfaceLanguage::Instance();
    return texts.getTextById(texts.getMainInterfaceBeginKey() + n_offset);
}

void frmMainIDE::guarded(const std::function<void()> &n_body)
{
    SlotGuard::run(n_body, this);
}

QAction *frmMainIDE::makeToolAction(const QString &n_icon, int n_offset,
                                    void (frmMainIDE::*n_slot)())
{
    QAction *action = new QAction(QIcon(QStringLiteral(":/prog/Images/24x24/") + n_icon),
                                  mainText(n_offset), this);
    connect(action, &QAction::triggered, this, n_slot);
    return action;
}

void frmMainIDE::initializationAction()
{
    m_debugAction = makeToolAction(QStringLiteral("debug.png"), KEY_DEBUG,
                                   &frmMainIDE::on_mDebug_triggered);
    m_runAction = makeToolAction(QStringLiteral("run.png"), KEY_RUN,
                                 &frmMainIDE::on_mRun_triggered);
    m_graphAction = makeToolAction(QStringLiteral("graph.png"), KEY_GRAPH,
                                   &frmMainIDE::on_mGraph_triggered);
    m_closeAction = makeToolAction(QStringLiteral("close model.png"), KEY_CLOSE,
                                   &frmMainIDE::on_mCloseProject_triggered);
    m_saveAction = makeToolAction(QStringLiteral("save.png"), KEY_SAVE,
                                  &frmMainIDE::on_mSaveTabProject_triggered);
    m_saveAsAction = makeToolAction(QStringLiteral("save as.png"), KEY_SAVE_AS,
                                    &frmMainIDE::on_mSaveAsProject_triggered);
    m_openAction = makeToolAction(QStringLiteral("open model.png"), KEY_OPEN,
                                  &frmMainIDE::on_mOpenProject_triggered);
    m_createAction = makeToolAction(QStringLiteral("create model.png"), KEY_CREATE,
                                    &frmMainIDE::on_mCreateProject_triggered);
    m_filterAction = makeToolAction(QStringLiteral("filter.png"), KEY_FILTER,
                                    &frmMainIDE::onFilterResultTest);
    m_clearAction = makeToolAction(QStringLiteral("clear.png"), KEY_CLEAR,
                                   &frmMainIDE::onClearResultTest);
    m_saveAllAction = makeToolAction(QStringLiteral("save all.png"), KEY_SAVE_ALL,
                                     &frmMainIDE::on_mSaveAllTabProject_triggered);
}

void frmMainIDE::initializeToolBar()
{
    m_toolBar->addAction(m_createAction);
    m_toolBar->addAction(m_openAction);
    m_toolBar->addAction(m_closeAction);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_saveAction);
    m_toolBar->addAction(m_saveAsAction);
    m_toolBar->addAction(m_saveAllAction);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_debugAction);
    m_toolBar->addAction(m_runAction);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_clearAction);
    m_toolBar->addAction(m_filterAction);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_graphAction);
    m_toolBar->addSeparator();
    controller->addActionTools(m_filterAction);
    controller->addActionTools(m_clearAction);
    controller->addActionTools(m_runAction);
    controller->addActionTools(m_graphAction);
    setInitializeDisabledAction();
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void frmMainIDE::setInitializeDisabledAction()
{
    for (QAction *action : {m_runAction, m_graphAction, m_filterAction, m_clearAction})
        action->setEnabled(false);
    setModelActionsEnabled(false);
    m_createAction->setEnabled(true);
    m_openAction->setEnabled(true);
}

void frmMainIDE::setModelActionsEnabled(bool n_enabled)
{
    for (QAction *action :
         {m_debugAction, m_closeAction, m_saveAction, m_saveAsAction, m_saveAllAction})
        action->setEnabled(n_enabled);
}

void frmMainIDE::setLenguageTitle()
{
    const auto menu = [this](QMenu *n_menu, int n_offset) {
        n_menu->setTitle(mainText(n_offset));
        n_menu->setToolTip(mainText(n_offset));
    };
    menu(form->mFile, KEY_FILE_MENU);
    menu(form->mTools, KEY_TOOLS_MENU);
    menu(form->mWindows, KEY_WINDOWS_MENU);
    menu(form->mHelp, KEY_HELP_MENU);
    menu(form->mWindowView, KEY_WINDOW_VIEW_MENU);
    const QList<QPair<QAction *, int>> actions = {
        {form->mCreateProject, KEY_CREATE},
        {form->mOpenProject, KEY_OPEN},
        {form->mRecentlyOpenProject, KEY_RECENT},
        {form->mCloseProject, KEY_CLOSE},
        {form->mDebug, KEY_DEBUG},
        {form->mRun, KEY_RUN},
        {form->mGraph, KEY_GRAPH},
        {form->mSaveTabProject, KEY_SAVE},
        {form->mSaveAsProject, KEY_SAVE_AS},
        {form->mSaveAllTabProject, KEY_SAVE_ALL},
        {m_saveAllAction, KEY_SAVE_ALL},
        {form->mExit, KEY_EXIT},
        {form->mTestModel, KEY_TEST_MODEL},
        {form->mWindowViewProjectType, KEY_PROJECT_WINDOW},
        {form->mWindowViewRelationType, KEY_RELATIONS_WINDOW},
        {form->mWindowViewConsoleType, KEY_CONSOLE_WINDOW},
        {form->mWindowViewHistoryType, KEY_HISTORY_WINDOW},
        {form->mWindowViewErrorType, KEY_ERRORS_WINDOW},
    };
    for (const auto &entry : actions)
        setCaption(entry.first, mainText(entry.second));
}

void frmMainIDE::retranslateUI()
{
    setLenguageTitle();
    form->retranslateUi(this);
    setWindowTitle(getMainTitle(false));
    const QList<QPair<QAction *, int>> tools = {
        {m_debugAction, KEY_DEBUG},   {m_runAction, KEY_RUN},     {m_graphAction, KEY_GRAPH},
        {m_closeAction, KEY_CLOSE},   {m_saveAction, KEY_SAVE},   {m_saveAsAction, KEY_SAVE_AS},
        {m_filterAction, KEY_FILTER}, {m_clearAction, KEY_CLEAR}, {m_openAction, KEY_OPEN},
        {m_createAction, KEY_CREATE},
    };
    for (const auto &entry : tools)
        setCaption(entry.first, mainText(entry.second));
}

void frmMainIDE::changeEvent(QEvent *e)
{
    if (e != nullptr && e->type() == QEvent::LanguageChange) {
        guarded([this] {
            retranslateUI();
            if (director)
                director->retranslateUI();
        });
    }
    QMainWindow::changeEvent(e);
}

void frmMainIDE::createLanguageActionGroup()
{
    const QString code = StartLanguage::codeFor(QLocale::system());
    m_languageGroup = new QActionGroup(form->mLanguagesView);
    const QList<QAction *> actions = form->mLanguagesView->actions();
    for (QAction *action : actions) {
        const QString data = action->text() == QStringLiteral("Русский") ? QStringLiteral("ru")
                                                                         : QStringLiteral("eng");
        action->setData(data);
        if (code == data) {
            action->setChecked(true);
            switchTranslator(m_applicationTranslator, m_toolkitTranslator, data);
            // The language actions carry no icon: taking theirs would drop the program's logo.
            if (!action->icon().isNull())
                setWindowIcon(action->icon());
        }
        m_languageGroup->addAction(action);
    }
    m_languageGroup->setExclusive(true);
    connect(m_languageGroup, &QActionGroup::triggered, this, &frmMainIDE::slotLanguageChanged);
}

void frmMainIDE::switchTranslator(QTranslator &n_application, QTranslator &n_toolkit,
                                  const QString &n_language)
{
    QCoreApplication::removeTranslator(&n_application);
    QCoreApplication::removeTranslator(&n_toolkit);
    if (n_language != QStringLiteral("eng")) {
        if (n_application.load(QStringLiteral("IDE_ru"), TRANSLATION_DIR))
            QCoreApplication::installTranslator(&n_application);
        if (n_toolkit.load(QStringLiteral("qtbase_ru"), TRANSLATION_DIR))
            QCoreApplication::installTranslator(&n_toolkit);
    } else if (n_application.load(QStringLiteral("IDE_eng"), TRANSLATION_DIR)) {
        QCoreApplication::installTranslator(&n_application);
    }
    form->statusbar->showMessage(tr("Current Language changed to ") + n_language);
}

void frmMainIDE::slotLanguageChanged(QAction *action)
{
    if (action == nullptr)
        return;
    guarded([this, action] {
        switchTranslator(m_applicationTranslator, m_toolkitTranslator, action->data().toString());
    });
}

void frmMainIDE::closeEvent(QCloseEvent *event)
{
    bool closed = false;
    guarded([this, &closed] { closed = controller->closeAllModel(); });
    if (!closed) {
        event->ignore();
        return;
    }
    // Once the body is gone nothing may reach it: a second close finds no director to free.
    if (director) {
        controller->setDirector(nullptr);
        delete director;
        director = nullptr;
    }
    event->accept();
}

void frmMainIDE::on_mCreateProject_triggered()
{
    guarded([this] { controller->CreateProject(); });
    setModelActionsEnabled(true);
}

void frmMainIDE::on_mOpenProject_triggered()
{
    guarded([this] {
        if (controller->LoadProject())
            setModelActionsEnabled(true);
    });
}

void frmMainIDE::on_mCloseProject_triggered()
{
    guarded([this] {
        if (!controller->closeAllModel())
            return;
        if (director)
            director->clear();
        setModelActionsEnabled(false);
    });
}

void frmMainIDE::on_mSaveTabProject_triggered()
{
    guarded([this] { controller->Save(); });
}

void frmMainIDE::on_mSaveAsProject_triggered()
{
    guarded([this] { controller->SaveModelAs(); });
}

void frmMainIDE::on_mSaveAllTabProject_triggered()
{
    guarded([this] { controller->SaveAllModel(); });
}

void frmMainIDE::on_mExit_triggered()
{
    guarded([this] { close(); });
}

void frmMainIDE::on_mTestModel_triggered()
{
    guarded([this] {
        if (director)
            director->addTab(nullptr);
    });
}

void frmMainIDE::on_mDebug_triggered()
{
    guarded([this] { controller->debug(); });
}

void frmMainIDE::on_mRun_triggered()
{
    guarded([this] { controller->run(); });
}

void frmMainIDE::on_mGraph_triggered()
{
    guarded([this] { controller->showGraph(); });
}

void frmMainIDE::onFilterResultTest()
{
    guarded([this] { controller->filterResultTest(); });
}

void frmMainIDE::onClearResultTest()
{
    guarded([this] { controller->clearResultTest(); });
}

void frmMainIDE::toggleArea(int n_managerIndex, int n_kind, QAction *n_action, int n_insideOffset,
                            int n_outsideOffset)
{
    guarded([=] {
        if (!director)
            return;
        BaseViewManager *managers[] = {director->getViewProjectManager(),
                                       director->getViewRelationshipManager(),
                                       director->getViewInformationManager()};
        BaseViewManager *manager = managers[n_managerIndex];
        const TypeWorkWindow kind = TypeWorkWindow(n_kind);
        manager->changeViewMode(kind);
        setCaption(n_action, mainText(manager->isInside(kind) ? n_insideOffset : n_outsideOffset));
    });
}

void frmMainIDE::on_mWindowViewProjectType_triggered(bool checked)
{
    Q_UNUSED(checked)
    toggleArea(0, PROJECT_TREE, form->mWindowViewProjectType, KEY_PROJECT_WINDOW, KEY_PROJECT_TAB);
}

void frmMainIDE::on_mWindowViewRelationType_triggered()
{
    toggleArea(1, RELATIONSHIP_TREE, form->mWindowViewRelationType, KEY_RELATIONS_WINDOW,
               KEY_RELATIONS_TAB);
}

void frmMainIDE::on_mWindowViewConsoleType_triggered()
{
    toggleArea(2, CONSOLE, form->mWindowViewConsoleType, KEY_CONSOLE_WINDOW, KEY_CONSOLE_TAB);
}

void frmMainIDE::on_mWindowViewErrorType_triggered()
{
    toggleArea(2, ERROR_LIST, form->mWindowViewErrorType, KEY_ERRORS_WINDOW, KEY_ERRORS_TAB);
}

void frmMainIDE::on_mAboutProgram_triggered()
{
    guarded([] {
        dAboutProgram dialog(nullptr);
        MessageBoxes::execDialog(dialog);
    });
}

void frmMainIDE::on_aShowToolsPanel_triggered(bool checked)
{
    guarded([this, checked] {
        m_toolBar->setVisible(checked);
        m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    });
}
