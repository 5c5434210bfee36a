#include "workspace/creators/ParameterCreator.h"

#include "WidgetAreas/wParameterArea.h"
#include "workspace/colleagues/ParameterColleague.h"
#include "workspace/wrappers/PageAdaptorOf.h"

WidgetWrapper *ParameterCreator::create() const
{
    return wrapPage(PARAMETER_WINDOW, new wParameterArea(nullptr));
}
