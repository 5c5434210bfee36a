#ifndef BASEVIEWMANAGER_H
#define BASEVIEWMANAGER_H

#include "workspace/routing/WorkSpaceTypes.h"

class FreeWindow;
class OstraClass;

// The handle through which the main window and the controller act on one area: docked or free,
// and the class it shows. The free window is not owned.
class BaseViewManager
{
public:
    explicit BaseViewManager(FreeWindow &n_window);
    virtual void changeViewMode(TypeWorkWindow n_kind);
    virtual void setData(OstraClass *n_class);
    virtual ~BaseViewManager();
    // Whether the widget of that area kind is docked as a tab.
    virtual bool isInside(TypeWorkWindow n_kind);

    BaseViewManager(const BaseViewManager &) = delete;
    BaseViewManager &operator=(const BaseViewManager &) = delete;

protected:
    FreeWindow &m_window;
};

#endif // BASEVIEWMANAGER_H
