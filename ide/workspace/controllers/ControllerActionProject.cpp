#include "ControllerActionProject.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "SlotGuard.h"
#include "errors/ExceptionOstra.h"
#include "fileSystem.h"
#include "model/ModelManager.h"
#include "model/OstraModel.h"
#include "workspace/IDEDirector.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QUuid>

ControllerActionProject::ControllerActionProject(ModelManager *n_modelManager,
                                                 IDEDirector *n_director)
    : m_modelManager(n_modelManager), m_director(n_director)
{
    InterfaceLanguage &texts = InterfaceLanguage::Instance();
    m_promptFirstKey = texts.getMainInterfaceBeginKey() + 22;
    m_promptLastKey = texts.getMainInterfaceBeginKey() + 24;
    m_saveButtonKey = texts.getBaseInterfaceBeginKey() + 9;
    m_discardButtonKey = texts.getBaseInterfaceBeginKey() + 10;
    m_cancelButtonKey = texts.getBaseInterfaceBeginKey() + 6;
    m_openCaptionKey = texts.getFileDialogBeginKey() + 10;
    m_saveCaptionKey = texts.getFileDialogBeginKey() + 20;
    m_filterKey = texts.getFileDialogBeginKey() + 30;
    m_openFailedKey = texts.getBaseInterfaceBeginKey() + 60;
    m_errorTitleKey = ErrorDictionary::Instance().getOstraIDEBeginKey() + 1;
}

void ControllerActionProject::setDirector(IDEDirector *n_director)
{
    m_director = n_director;
}

QString ControllerActionProject::currentFileName() const
{
    return m_fileName;
}

QString ControllerActionProject::text(int n_key) const
{
    return InterfaceLanguage::Instance().getTextById(n_key);
}

void ControllerActionProject::clearWorkspace()
{
    if (m_director)
        m_director->clear();
}

bool ControllerActionProject::closeAllProject()
{
    const QSharedPointer<OstraModel> active = m_modelManager->getActiveModel();
    // A model with integrity errors is an ordinary editing state: it is offered for saving like
    // any other, so that closing it never drops the user's changes unasked.
    if (active && !m_modelManager->getAllModels().isEmpty()) {
        const QString name = active->getRootClass()->getShortName();
        QMessageBox box(QMessageBox::Question, QString(),
                        text(m_promptFirstKey) + QStringLiteral(" '") + name + QStringLiteral("' ")
                            + text(m_promptLastKey),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setTextFormat(Qt::PlainText);
        box.button(QMessageBox::Save)->setText(text(m_saveButtonKey));
        box.button(QMessageBox::Discard)->setText(text(m_discardButtonKey));
        box.button(QMessageBox::Cancel)->setText(text(m_cancelButtonKey));
        box.setDefaultButton(QMessageBox::Save);
        MessageBoxes::execBox(box);
        const QMessageBox::StandardButton answer = box.standardButton(box.clickedButton());
        if (answer == QMessageBox::Save) {
            bool saved = false;
            // A failed write must keep the model open: report it here and abandon the close.
            try {
                // Every open tab goes into the model, not only the current one: the workspace
                // is cleared next. A refusing page keeps the model open, its tab in front.
                if (m_director && !m_director->saveTabsBeforeClose())
                    return false;
                saved = m_fileName.isEmpty() ? SaveAsProject() : SaveAllProject();
            } catch (...) {
                SlotGuard::report(SlotGuard::currentExceptionText());
                return false;
            }
            if (!saved)
                return false;
        } else if (answer == QMessageBox::Discard) {
            clearWorkspace();
        } else {
            return false;
        }
    }
    m_fileName.clear();
    m_createdModel = nullptr;
    m_createdRoot = nullptr;
    const QSet<QSharedPointer<OstraModel>> models = m_modelManager->getAllModels();
    for (const QSharedPointer<OstraModel> &model : models)
        m_modelManager->deleteModel(model);
    clearWorkspace();
    return true;
}

void ControllerActionProject::CreateProject()
{
    if (!closeAllProject())
        return;
    const QSharedPointer<OstraModel> model = QSharedPointer<OstraModel>::create();
    const QString classId = QUuid::createUuid().toString();
    const QString modelId = QUuid::createUuid().toString();
    const QSharedPointer<OstraClass> root = QSharedPointer<OstraClass>::create(
        classId, QSharedPointer<RelationsStorage>::create());
    const QString name = QStringLiteral("Model ")
                         + QString::number(m_modelManager->getAllModels().size() + 1);
    model->setShortName(name);
    model->setDescription(name);
    model->setId(modelId);
    root->setShortName(name);
    model->setRootClass(root);
    m_modelManager->addModel(model);
    m_modelManager->setActiveModel(modelId);
    m_createdModel = model.data();
    m_createdRoot = root.data();
}

bool ControllerActionProject::OpenProject()
{
    if (!closeAllProject())
        return false;
    QFileDialog dialog(nullptr, text(m_openCaptionKey), QString(), text(m_filterKey));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (MessageBoxes::execDialog(dialog) != QDialog::Accepted)
        return false;
    const QString chosen = dialog.selectedFiles().value(0);
    if (chosen.isEmpty())
        return false;
    try {
        QFile file(chosen);
        m_modelManager->loadModel(file);
        const QSet<QSharedPointer<OstraModel>> models = m_modelManager->getAllModels();
        for (const QSharedPointer<OstraModel> &model : models)
            m_modelManager->setActiveModel(model);
    } catch (const ExceptionOstra &) {
        // A half-registered model must not stay behind an empty workspace.
        const QSet<QSharedPointer<OstraModel>> models = m_modelManager->getAllModels();
        for (const QSharedPointer<OstraModel> &model : models)
            m_modelManager->deleteModel(model);
        QMessageBox box(QMessageBox::Critical,
                        ErrorDictionary::Instance().getErrorById(m_errorTitleKey),
                        text(m_openFailedKey), QMessageBox::Ok);
        box.setTextFormat(Qt::PlainText);
        MessageBoxes::execBox(box);
        return false;
    }
    m_fileName = chosen;
    return true;
}

void ControllerActionProject::takeRootName()
{
    if (!m_createdModel)
        return;
    m_createdModel->setShortName(m_createdRoot->getShortName());
    if (m_createdModel->getId().isEmpty())
        m_createdModel->setId(QUuid::createUuid().toString());
}

bool ControllerActionProject::saveThrough(bool n_allTabs)
{
    if (!m_director)
        return false;
    if (!(n_allTabs ? m_director->saveAll() : m_director->save()))
        return false;
    takeRootName();
    if (m_fileName.isEmpty())
        return SaveAsProject();
    QFile file(m_fileName);
    m_modelManager->saveActiveModelInFile(file);
    return true;
}

bool ControllerActionProject::SaveProject()
{
    return saveThrough(false);
}

bool ControllerActionProject::SaveAllProject()
{
    return saveThrough(true);
}

bool ControllerActionProject::SaveAsProject()
{
    if (m_modelManager->getAllModels().isEmpty())
        return false;
    takeRootName();
    const QString chosen = fileSystem::Instance().showSaveFileDialog(
        nullptr, text(m_saveCaptionKey), QString(), text(m_filterKey));
    if (chosen.isEmpty())
        return false;
    m_fileName = chosen;
    takeRootName();
    const QSharedPointer<OstraModel> remembered = m_modelManager->getActiveModel();
    const QSet<QSharedPointer<OstraModel>> models = m_modelManager->getAllModels();
    for (const QSharedPointer<OstraModel> &model : models) {
        m_modelManager->setActiveModel(model);
        QFile file(chosen);
        m_modelManager->saveActiveModelInFile(file);
    }
    if (remembered)
        m_modelManager->setActiveModel(remembered);
    return true;
}
