#include "workspace/viewmanagers/BaseViewManager.h"

#include "workspace/wrappers/FreeWindow.h"

BaseViewManager::BaseViewManager(FreeWindow &n_window) : m_window(n_window)
{
}

void BaseViewManager::changeViewMode(TypeWorkWindow)
{
}

void BaseViewManager::setData(OstraClass *)
{
}

BaseViewManager::~BaseViewManager() = default;

bool BaseViewManager::isInside(TypeWorkWindow n_kind)
{
    return m_window.isInside(n_kind);
}
