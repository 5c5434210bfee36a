#include "MainController.h"

#include "ControllerActionProject.h"
#include "model/ModelManager.h"
#include "model/OstraModel.h"
#include "workspace/IDEDirector.h"
#include "workspace/viewmanagers/BaseViewManager.h"

MainController::MainController(IDEDirector *n_director)
    : m_director(n_director), m_modelManager(new ModelManager()),
      m_actionProject(new ControllerActionProject(m_modelManager, n_director))
{
}

MainController::~MainController()
{
    delete m_actionProject;
    delete m_modelManager;
}

void MainController::setDirector(IDEDirector *n_director)
{
    m_director = n_director;
    m_actionProject->setDirector(n_director);
}

ModelManager *MainController::modelManager() const
{
    return m_modelManager;
}

ControllerActionProject *MainController::projectActions() const
{
    return m_actionProject;
}

void MainController::addActionTools(QAction *n_action)
{
    m_tools.append(n_action);
    if (m_director)
        m_director->setToolCollection(m_tools);
}

void MainController::handOver()
{
    if (!m_director)
        return;
    const QSet<QSharedPointer<OstraModel>> models = m_modelManager->getAllModels();
    for (const QSharedPointer<OstraModel> &model : models) {
        OstraClass *root = model->getRootClass().data();
        m_director->getViewProjectManager()->setData(root);
        m_director->getViewRelationshipManager()->setData(root);
        m_director->getWorkSpaceViewManagerManager()->setData(root);
    }
}

void MainController::CreateProject()
{
    m_actionProject->CreateProject();
    handOver();
}

bool MainController::LoadProject()
{
    if (!m_actionProject->OpenProject())
        return false;
    handOver();
    return true;
}

bool MainController::Save()
{
    return m_actionProject->SaveProject();
}

bool MainController::SaveModelAs()
{
    return m_actionProject->SaveAsProject();
}

bool MainController::SaveAllModel()
{
    return m_actionProject->SaveAllProject();
}

bool MainController::closeAllModel()
{
    return m_actionProject->closeAllProject();
}

bool MainController::debug()
{
    return m_director ? m_director->debug() : false;
}

void MainController::run()
{
    if (m_director)
        m_director->run();
}

void MainController::showGraph()
{
    if (m_director)
        m_director->showGraph();
}

void MainController::clearResultTest()
{
    if (m_director)
        m_director->clearResultTest();
}

void MainController::filterResultTest()
{
    if (m_director)
        m_director->filterResultTest();
}

QSharedPointer<OstraModel> MainController::getActiveModel()
{
    return m_modelManager->getActiveModel();
}
