#ifndef WORKSPACEVIEWMANAGER_H
#define WORKSPACEVIEWMANAGER_H

#include "workspace/viewmanagers/BaseViewManager.h"

class BaseMediator;

// View manager of the editor tabs. Editor tabs never float; its real task is to keep the main
// mediator's current class in step with the class the controller hands over.
class WorkSpaceViewManager : public BaseViewManager
{
public:
    explicit WorkSpaceViewManager(FreeWindow &n_window);
    void changeViewMode(TypeWorkWindow n_kind) override;
    void setData(OstraClass *n_class) override;
    void setMediator(BaseMediator *n_mediator);

private:
    BaseMediator *m_mediator = nullptr;
};

#endif // WORKSPACEVIEWMANAGER_H
