#include "workspace/creators/RuleCreator.h"

#include "WidgetAreas/wRuleArea.h"
#include "workspace/colleagues/RuleColleague.h"
#include "workspace/wrappers/PageAdaptorOf.h"

WidgetWrapper *RuleCreator::create() const
{
    return wrapPage(RULE_WINDOW, new wRuleArea(nullptr));
}
