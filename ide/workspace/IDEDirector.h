#ifndef IDEDIRECTOR_H
#define IDEDIRECTOR_H

#include "WidgetAreas/MessageItem.h"
#include "errors/IntegrityMsg.h"

#include <QList>
#include <QPointer>
#include <QSharedPointer>
#include <QString>
#include <QVBoxLayout>

class BaseOstraObj;
class BaseViewManager;
class ClassColleague;
class CommandColleague;
class ConsoleColleague;
class ErrorColleague;
class ErrorMediator;
class FreeWindow;
class IDEBuilder;
class InformationBuilder;
class MainIDEColleague;
class MainMediator;
class OstraClass;
class ParameterColleague;
class ProjectBuilder;
class ProjectColleague;
class QAction;
class QSplitter;
class QWidget;
class RelationColleague;
class RelationshipBuilder;
class RelationshipColleague;
class RuleColleague;
class TestModelColleague;
class TestModelMediator;
class WorkSpaceBuilder;
class WorkSpaceColleague;
class WorkSpaceViewManager;

// Assembles the body of the main window (trees, editor tabs, error list and console in four
// splitters), wires the mediators and colleagues, and is the main window's single entry to it:
// saving tabs and checking the model, the class-test commands, clearing, retranslating.
class IDEDirector
{
public:
    IDEDirector();
    ~IDEDirector();
    IDEDirector(const IDEDirector &) = delete;
    IDEDirector &operator=(const IDEDirector &) = delete;

    // Builds the body; the returned layout goes into the main window's central widget.
    QVBoxLayout *Constructor(QWidget *n_parent);
    void clear();
    void setMediator(MainMediator *n_mediator);

    // Saves the current tab, then checks the current class into the error list.
    bool save();
    // Saves every tab (whatever they answer), then checks the current class.
    bool saveAll();
    // Saves every editor tab before the model closes; false (and the first refusing tab made
    // current, its errors shown) when a page refuses.
    bool saveTabsBeforeClose();
    // Checks the current class into the error list without emptying it first.
    bool debug();
    // True when no finding is an error.
    bool checkData(OstraClass *n_class);
    QString getObjectName(QSharedPointer<const BaseOstraObj> n_object);
    MessageType interpretMessageType(IntegrityMsg::MsgType n_type);
    QString getIntegrityErrorTitle(int n_code);
    bool ErrorExist();

    void run();
    void showGraph();
    void filterResultTest();
    void clearResultTest();

    void setToolCollection(QList<QAction *> n_actions);
    BaseViewManager *getViewProjectManager();
    BaseViewManager *getViewRelationshipManager();
    BaseViewManager *getViewInformationManager();
    BaseViewManager *getWorkSpaceViewManagerManager();
    // Opens (or brings up) the class-test tab of the root class.
    void addTab(QWidget *n_widget);
    void retranslateUI();

    // The splitters, outermost first (null before Constructor).
    QList<QSplitter *> splitters() const;
    WorkSpaceColleague *workSpaceColleague() const;
    IDEBuilder *workSpaceBuilder() const;
    IDEBuilder *informationBuilder() const;
    IDEBuilder *projectBuilder() const;
    IDEBuilder *relationshipBuilder() const;

    // The mediators and colleagues the body is wired with (null before Constructor), so that a
    // test can send as any of them through the program's own assembly.
    struct Wiring
    {
        MainMediator *mainMediator;
        ErrorMediator *errorMediator;
        TestModelMediator *testMediator;
        ErrorColleague *error;
        ClassColleague *cls;
        ParameterColleague *parameter;
        RelationColleague *relation;
        RuleColleague *rule;
        ConsoleColleague *console;
        TestModelColleague *test;
        MainIDEColleague *mainIDE;
        ProjectColleague *project;
        RelationshipColleague *relationship;
        CommandColleague *command;
        WorkSpaceColleague *workSpace;
    };
    Wiring wiring() const;

private:
    void initializeMediators();
    void setData(OstraClass *n_class);
    OstraClass *currentClass() const;

    QPointer<QVBoxLayout> m_mainLayout;
    QList<QAction *> m_tools;
    ProjectBuilder *m_projectBuilder = nullptr;
    InformationBuilder *m_informationBuilder = nullptr;
    RelationshipBuilder *m_relationshipBuilder = nullptr;
    WorkSpaceBuilder *m_workSpaceBuilder = nullptr;
    CommandColleague *m_commandColleague = nullptr;
    BaseViewManager *m_projectViewManager = nullptr;
    BaseViewManager *m_relationshipViewManager = nullptr;
    BaseViewManager *m_informationViewManager = nullptr;
    WorkSpaceViewManager *m_workSpaceViewManager = nullptr;
    FreeWindow *m_workSpaceFreeWindow = nullptr;
    QPointer<QSplitter> m_editorSplitter;
    QPointer<QSplitter> m_relationsSplitter;
    QPointer<QSplitter> m_centreSplitter;
    QPointer<QSplitter> m_outerSplitter;
    MainMediator *m_mainMediator = nullptr;
    ErrorMediator *m_errorMediator = nullptr;
    TestModelMediator *m_testMediator = nullptr;
    ErrorColleague *m_errorColleague = nullptr;
    ClassColleague *m_classColleague = nullptr;
    ParameterColleague *m_parameterColleague = nullptr;
    RelationColleague *m_relationColleague = nullptr;
    RelationshipColleague *m_relationshipColleague = nullptr;
    RuleColleague *m_ruleColleague = nullptr;
    ConsoleColleague *m_consoleColleague = nullptr;
    TestModelColleague *m_testModelColleague = nullptr;
    WorkSpaceColleague *m_workSpaceColleague = nullptr;
    ProjectColleague *m_projectColleague = nullptr;
    MainIDEColleague *m_mainIDEColleague = nullptr;
};

#endif // IDEDIRECTOR_H
