#ifndef RULEITEM_H
#define RULEITEM_H

#include "RuleUnit.h"

class RelationModel;

// The rule node the graph draws: fixed in place, announcing clicks and double clicks.
class RuleItem : public RuleUnit
{
    Q_OBJECT

public:
    static const QColor COLOUR;
    static const QColor PICKED_OUT_COLOUR;
    static const QColor CLICKED_COLOUR;

    explicit RuleItem(const QSharedPointer<RuleModel> &n_rule);
    // Caption description and code (empty without a relation); tool tip the description, or the
    // code when there is none.
    RuleItem(const QSharedPointer<RuleModel> &n_rule,
             const QSharedPointer<RelationModel> &n_relation);

    // The description over the code, each cut to 18 characters.
    void setLongLabelName(const QString &n_description, const QString &n_code);

    // The relation's code as the graph shows it; empty for a rule without a relation.
    static QString codeOf(const QSharedPointer<RelationModel> &n_relation);

signals:
    void onClick(RuleItem *n_item);
    void onDoubleClick(RuleItem *n_item);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *n_event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *n_event) override;
};

#endif // RULEITEM_H
