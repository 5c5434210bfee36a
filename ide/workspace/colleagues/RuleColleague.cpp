#include "workspace/colleagues/RuleColleague.h"

#include "workspace/mediators/BaseMediator.h"

RuleColleague::RuleColleague(BaseMediator *n_mediator) : BaseColleague(n_mediator)
{
}

void RuleColleague::sendError(MessageItem *n_message)
{
    mediator()->sendError(n_message, this);
}

void RuleColleague::clearError()
{
    mediator()->command(CLEAR_ERRORS_COMMAND, this);
}

void RuleColleague::setRuleWidget(QWidget *n_widget)
{
    m_page = n_widget;
}

QWidget *RuleColleague::getRuleWidget() const
{
    return m_page;
}
