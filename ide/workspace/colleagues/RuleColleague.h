#ifndef RULECOLLEAGUE_H
#define RULECOLLEAGUE_H

#include "workspace/colleagues/PageColleague.h"

class QWidget;

// Colleague of the rule and constraint editor pages (error mediator); the page registers itself.
class RuleColleague : public PageColleague
{
public:
    explicit RuleColleague(BaseMediator *n_mediator);

    void setRuleWidget(QWidget *n_widget);
    QWidget *getRuleWidget() const;

private:
    QWidget *m_page = nullptr;
};

#endif // RULECOLLEAGUE_H
