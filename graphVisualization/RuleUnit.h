#ifndef RULEUNIT_H
#define RULEUNIT_H

#include <QObject>
#include <QSharedPointer>

#include "BaseNode.h"

class RuleModel;

// A rule of the solution graph: a rectangle with the rule's description (and, in the graph, its
// relation's code) inside.
class RuleUnit : public BaseNode, public QObject
{
public:
    static const QRectF DEFAULT_RECTANGLE;

    explicit RuleUnit(const QString &n_id);
    // Caption the rule's description, tool tip its id.
    RuleUnit(const QSharedPointer<RuleModel> &n_rule, const QColor &n_colour,
             const QColor &n_pickedOutColour, const QColor &n_clickedColour);

    int getNodeType() const override;
    // Highlighted with all its arrows.
    void setPickedOut() override;
};

#endif // RULEUNIT_H
