#ifndef PROJECTVIEWMANAGER_H
#define PROJECTVIEWMANAGER_H

#include "workspace/viewmanagers/BaseViewManager.h"

// View manager of the project tree.
class ProjectViewManager : public BaseViewManager
{
public:
    explicit ProjectViewManager(FreeWindow &n_window);
    void changeViewMode(TypeWorkWindow n_kind) override;
    void setData(OstraClass *n_class) override;
};

#endif // PROJECTVIEWMANAGER_H
