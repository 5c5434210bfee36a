#ifndef MAINCONTROLLER_H
#define MAINCONTROLLER_H

#include <QList>
#include <QSharedPointer>

class ControllerActionProject;
class IDEDirector;
class ModelManager;
class OstraModel;
class QAction;

// The main window's one entry to the project file actions and the class-test commands. Holds the
// registry of open models and, after a project was created or opened, hands the open model's
// root class to the trees and the workspace.
class MainController
{
public:
    explicit MainController(IDEDirector *n_director);
    ~MainController();
    MainController(const MainController &) = delete;
    MainController &operator=(const MainController &) = delete;

    void addActionTools(QAction *n_action);
    // The hand-over runs even when the close prompt was cancelled.
    void CreateProject();
    bool LoadProject();
    bool Save();
    bool SaveModelAs();
    bool SaveAllModel();
    bool closeAllModel();
    bool debug();
    void run();
    void showGraph();
    void clearResultTest();
    void filterResultTest();
    QSharedPointer<OstraModel> getActiveModel();

    // The main window's body is gone: nothing may reach it any more.
    void setDirector(IDEDirector *n_director);
    ModelManager *modelManager() const;
    ControllerActionProject *projectActions() const;

private:
    void handOver();

    IDEDirector *m_director;
    ModelManager *m_modelManager;
    ControllerActionProject *m_actionProject;
    QList<QAction *> m_tools;
};

#endif // MAINCONTROLLER_H
