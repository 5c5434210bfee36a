#include "workspace/creators/RelationshipCreator.h"

#include "WidgetAreas/wRelationshipArea.h"
#include "workspace/wrappers/WidgetWrapper.h"

WidgetWrapper *RelationshipCreator::create() const
{
    return new WidgetWrapper(WORKSPACE_TAB, RELATION_WINDOW, new wRelationshipArea(nullptr));
}
