#ifndef RELATIONSHIPVIEWMANAGER_H
#define RELATIONSHIPVIEWMANAGER_H

#include "workspace/viewmanagers/BaseViewManager.h"

// View manager of the relations tree.
class RelationshipViewManager : public BaseViewManager
{
public:
    explicit RelationshipViewManager(FreeWindow &n_window);
    void changeViewMode(TypeWorkWindow n_kind) override;
    void setData(OstraClass *n_class) override;
};

#endif // RELATIONSHIPVIEWMANAGER_H
