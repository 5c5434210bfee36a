#include "workspace/viewmanagers/InformationViewManager.h"

#include "workspace/wrappers/FreeWindow.h"

InformationViewManager::InformationViewManager(FreeWindow &n_window) : BaseViewManager(n_window)
{
}

void InformationViewManager::changeViewMode(TypeWorkWindow n_kind)
{
    m_window.changeViewMode(n_kind);
}

void InformationViewManager::setData(OstraClass *n_class)
{
    m_window.setData(CONSOLE, n_class);
    m_window.setData(ERROR_LIST, n_class);
}
