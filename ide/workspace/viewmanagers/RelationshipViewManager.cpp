#include "workspace/viewmanagers/RelationshipViewManager.h"

#include "workspace/wrappers/FreeWindow.h"

RelationshipViewManager::RelationshipViewManager(FreeWindow &n_window) : BaseViewManager(n_window)
{
}

void RelationshipViewManager::changeViewMode(TypeWorkWindow n_kind)
{
    m_window.changeViewMode(n_kind);
}

void RelationshipViewManager::setData(OstraClass *n_class)
{
    m_window.setData(RELATIONSHIP_TREE, n_class);
}
