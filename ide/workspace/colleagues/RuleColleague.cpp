#include "workspace/colleagues/RuleColleague.h"

RuleColleague::RuleColleague(BaseMediator *n_mediator) : PageColleague(n_mediator)
{
}

void RuleColleague::setRuleWidget(QWidget *n_widget)
{
    m_page = n_widget;
}

QWidget *RuleColleague::getRuleWidget() const
{
    return m_page;
}
