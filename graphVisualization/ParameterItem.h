#ifndef PARAMETERITEM_H
#define PARAMETERITEM_H

#include "ParameterUnit.h"

// The parameter node the graph draws: fixed in place, announcing clicks.
class ParameterItem : public ParameterUnit
{
    Q_OBJECT

public:
    static const QColor COLOUR;
    static const QColor PICKED_OUT_COLOUR;
    static const QColor CLICKED_COLOUR;

    ParameterItem(const QSharedPointer<ParameterModel> &n_parameter, const QString &n_value);

signals:
    void onClick(ParameterItem *n_item);
    void onDoubleClick(ParameterItem *n_item);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *n_event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *n_event) override;
};

#endif // PARAMETERITEM_H
