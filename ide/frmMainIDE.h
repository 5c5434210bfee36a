#ifndef FRMMAINIDE_H
#define FRMMAINIDE_H

#include <QMainWindow>
#include <QTranslator>

#include <functional>

class IDEDirector;
class MainController;
class QActionGroup;
class QToolBar;
class Ui_frmMainIDE;

// The one top-level window: menus, tool bar and status bar around the workspace body that the
// director assembles. Every command goes to the controller or the director; the window chooses
// the interface language and refuses to close while the open model is not closed.
class frmMainIDE : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMainIDE(QWidget *parent = nullptr);
    ~frmMainIDE() override;
    frmMainIDE(const frmMainIDE &) = delete;
    frmMainIDE &operator=(const frmMainIDE &) = delete;

    // Installs the catalogues of the language ("eng" English; any other code Russian).
    void switchTranslator(QTranslator &n_application, QTranslator &n_toolkit,
                          const QString &n_language);
    void retranslateUI();

signals:
    void retranslate();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *e) override;

private slots:
    void on_mCreateProject_triggered();
    void on_mOpenProject_triggered();
    void on_mCloseProject_triggered();
    void on_mSaveTabProject_triggered();
    void on_mSaveAsProject_triggered();
    void on_mSaveAllTabProject_triggered();
    void on_mExit_triggered();
    void on_mTestModel_triggered();
    void on_mDebug_triggered();
    void on_mRun_triggered();
    void on_mGraph_triggered();
    void onFilterResultTest();
    void onClearResultTest();
    void on_mWindowViewProjectType_triggered(bool checked);
    void on_mWindowViewRelationType_triggered();
    void on_mWindowViewConsoleType_triggered();
    void on_mWindowViewErrorType_triggered();
    void on_mAboutProgram_triggered();
    void on_aShowToolsPanel_triggered(bool checked);
    void slotLanguageChanged(QAction *action);

private:
    void guarded(const std::function<void()> &n_body);
    QAction *makeToolAction(const QString &n_icon, int n_offset, void (frmMainIDE::*n_slot)());
    void initializationAction();
    void initializeToolBar();
    void setInitializeDisabledAction();
    void setModelActionsEnabled(bool n_enabled);
    void setLenguageTitle();
    void createLanguageActionGroup();
    void toggleArea(int n_managerIndex, int n_kind, QAction *n_action, int n_insideOffset,
                    int n_outsideOffset);
    QString mainText(int n_offset) const;

    IDEDirector *director = nullptr;
    MainController *controller = nullptr;
    Ui_frmMainIDE *form;
    QActionGroup *m_languageGroup = nullptr;
    QTranslator m_applicationTranslator;
    QTranslator m_toolkitTranslator;

    QToolBar *m_toolBar = nullptr;
    QAction *m_debugAction = nullptr;
    QAction *m_runAction = nullptr;
    QAction *m_graphAction = nullptr;
    QAction *m_filterAction = nullptr;
    QAction *m_clearAction = nullptr;
    QAction *m_closeAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_saveAllAction = nullptr;
    QAction *m_saveAsAction = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_createAction = nullptr;
};

#endif // FRMMAINIDE_H
