#include "workspace/creators/ClassCreator.h"

#include "WidgetAreas/wClassArea.h"
#include "workspace/colleagues/ClassColleague.h"
#include "workspace/wrappers/PageAdaptorOf.h"

WidgetWrapper *ClassCreator::create() const
{
    return wrapPage(CLASS_WINDOW, new wClassArea(nullptr));
}
