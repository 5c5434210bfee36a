#include "workspace/viewmanagers/ProjectViewManager.h"

#include "workspace/wrappers/FreeWindow.h"

ProjectViewManager::ProjectViewManager(FreeWindow &n_window) : BaseViewManager(n_window)
{
}

void ProjectViewManager::changeViewMode(TypeWorkWindow n_kind)
{
    m_window.changeViewMode(n_kind);
}

void ProjectViewManager::setData(OstraClass *n_class)
{
    m_window.setData(PROJECT_TREE, n_class);
}
