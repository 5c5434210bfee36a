#ifndef CONTROLLERACTIONPROJECT_H
#define CONTROLLERACTIONPROJECT_H

#include <QString>

class IDEDirector;
class ModelManager;
class OstraClass;
class OstraModel;

// The project file actions: close behind a save prompt, create, open, save, save all and save as.
// One model is open at a time; creating or opening first closes the open one. Keeps the file that
// Save writes to and the model that Create made.
class ControllerActionProject
{
public:
    ControllerActionProject(ModelManager *n_modelManager, IDEDirector *n_director);

    // True when no model is open any more; false when the user cancelled or the chosen save did
    // not complete, and then everything stays as it was.
    bool closeAllProject();
    void CreateProject();
    // True when the chosen file is loaded and active.
    bool OpenProject();
    // True when the model was written. A write failure raises.
    bool SaveProject();
    bool SaveAllProject();
    bool SaveAsProject();

    // The director goes away with the main window's body; after that the actions leave it alone.
    void setDirector(IDEDirector *n_director);
    QString currentFileName() const;

private:
    bool saveThrough(bool n_allTabs);
    void takeRootName();
    QString text(int n_key) const;
    void clearWorkspace();

    ModelManager *m_modelManager;
    IDEDirector *m_director;
    QString m_fileName;
    OstraModel *m_createdModel = nullptr;
    OstraClass *m_createdRoot = nullptr;

    int m_promptFirstKey;
    int m_promptLastKey;
    int m_saveButtonKey;
    int m_discardButtonKey;
    int m_cancelButtonKey;
    int m_openCaptionKey;
    int m_saveCaptionKey;
    int m_filterKey;
    int m_errorTitleKey;
    int m_openFailedKey;
};

#endif // CONTROLLERACTIONPROJECT_H
