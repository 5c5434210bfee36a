#include "RuleUnit.h"

#include "elements/RuleModel.h"

const QRectF RuleUnit::DEFAULT_RECTANGLE(-65, -30, 130, 60);

RuleUnit::RuleUnit(const QString &n_id)
    : BaseNode(n_id, QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), {}, DEFAULT_RECTANGLE)
{
}

RuleUnit::RuleUnit(const QSharedPointer<RuleModel> &n_rule, const QColor &n_colour,
                   const QColor &n_pickedOutColour, const QColor &n_clickedColour)
    : BaseNode(n_rule->getId(), n_colour, n_pickedOutColour, n_clickedColour, {}, DEFAULT_RECTANGLE)
{
    BaseNode::setLabelName(n_rule->getDescription());
    setToolTip(n_rule->getId());
}

int RuleUnit::getNodeType() const
{
    return RULE_NODE;
}

void RuleUnit::setPickedOut()
{
    BaseNode::setPickedOut();
    setPickedOutAllEdges();
}
