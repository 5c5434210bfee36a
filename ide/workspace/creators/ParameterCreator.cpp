#include "workspace/creators/ParameterCreator.h"

#include "WidgetAreas/wParameterArea.h"
#include "workspace/wrappers/WidgetWrapper.h"

WidgetWrapper *ParameterCreator::create() const
{
    return new WidgetWrapper(WORKSPACE_TAB, PARAMETER_WINDOW, new wParameterArea(nullptr));
}
