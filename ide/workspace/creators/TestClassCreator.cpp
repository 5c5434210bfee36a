#include "workspace/creators/TestClassCreator.h"

#include "WidgetAreas/wClassTestArea.h"
#include "workspace/colleagues/TestModelColleague.h"
#include "workspace/wrappers/PageAdaptorOf.h"

WidgetWrapper *TestClassCreator::create() const
{
    return wrapPage(TEST_CLASS_WINDOW, new wClassTestArea(false, nullptr));
}
