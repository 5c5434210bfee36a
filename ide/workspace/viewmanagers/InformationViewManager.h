#ifndef INFORMATIONVIEWMANAGER_H
#define INFORMATIONVIEWMANAGER_H

#include "workspace/viewmanagers/BaseViewManager.h"

// View manager of the error list and the console.
class InformationViewManager : public BaseViewManager
{
public:
    explicit InformationViewManager(FreeWindow &n_window);
    void changeViewMode(TypeWorkWindow n_kind) override;
    void setData(OstraClass *n_class) override;
};

#endif // INFORMATIONVIEWMANAGER_H
