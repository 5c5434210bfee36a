#ifndef RELATIONSHIPCREATOR_H
#define RELATIONSHIPCREATOR_H

#include "workspace/creators/BaseWorkSpaceCreator.h"

// Makes a relation editor page.
class RelationshipCreator : public BaseWorkSpaceCreator
{
public:
    WidgetWrapper *create() const override;
};

#endif // RELATIONSHIPCREATOR_H
