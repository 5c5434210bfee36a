#include "workspace/creators/RuleCreator.h"

#include "WidgetAreas/wRuleArea.h"
#include "workspace/wrappers/WidgetWrapper.h"

WidgetWrapper *RuleCreator::create() const
{
    return new WidgetWrapper(WORKSPACE_TAB, RULE_WINDOW, new wRuleArea(nullptr));
}
