#include "workspace/creators/RelationshipCreator.h"

#include "WidgetAreas/wRelationshipArea.h"
#include "workspace/colleagues/RelationColleague.h"
#include "workspace/wrappers/PageAdaptorOf.h"

WidgetWrapper *RelationshipCreator::create() const
{
    return wrapPage(RELATION_WINDOW, new wRelationshipArea(nullptr));
}
