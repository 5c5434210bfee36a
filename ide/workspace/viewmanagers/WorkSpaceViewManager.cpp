#include "workspace/viewmanagers/WorkSpaceViewManager.h"

#include "workspace/mediators/BaseMediator.h"
#include "workspace/wrappers/FreeWindow.h"

WorkSpaceViewManager::WorkSpaceViewManager(FreeWindow &n_window) : BaseViewManager(n_window)
{
}

void WorkSpaceViewManager::changeViewMode(TypeWorkWindow)
{
}

void WorkSpaceViewManager::setData(OstraClass *n_class)
{
    m_window.setData(WORKSPACE_TAB, n_class);
    if (m_mediator)
        m_mediator->setData(n_class);
}

void WorkSpaceViewManager::setMediator(BaseMediator *n_mediator)
{
    m_mediator = n_mediator;
}
