#include "workspace/creators/ClassCreator.h"

#include "WidgetAreas/wClassArea.h"
#include "workspace/wrappers/WidgetWrapper.h"

WidgetWrapper *ClassCreator::create() const
{
    return new WidgetWrapper(WORKSPACE_TAB, CLASS_WINDOW, new wClassArea(nullptr));
}
