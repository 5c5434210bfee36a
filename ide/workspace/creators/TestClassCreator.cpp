#include "workspace/creators/TestClassCreator.h"

#include "WidgetAreas/wClassTestArea.h"
#include "workspace/wrappers/WidgetWrapper.h"

WidgetWrapper *TestClassCreator::create() const
{
    return new WidgetWrapper(WORKSPACE_TAB, TEST_CLASS_WINDOW, new wClassTestArea(false, nullptr));
}
