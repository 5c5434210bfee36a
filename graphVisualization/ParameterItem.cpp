#include "ParameterItem.h"

#include "SlotGuard.h"

const QColor ParameterItem::COLOUR(255, 228, 196);
const QColor ParameterItem::PICKED_OUT_COLOUR(255, 174, 185);
const QColor ParameterItem::CLICKED_COLOUR(202, 255, 112);

ParameterItem::ParameterItem(const QSharedPointer<ParameterModel> &n_parameter,
                             const QString &n_value)
    : ParameterUnit(n_parameter, n_value, COLOUR, PICKED_OUT_COLOUR, CLICKED_COLOUR)
{
    setFlag(ItemIsMovable, false);
}

void ParameterItem::mousePressEvent(QGraphicsSceneMouseEvent *n_event)
{
    // A parameter click selects only: its arrows stay as they are.
    SlotGuard::run([&] {
        QGraphicsItem::mousePressEvent(n_event);
        emit onClick(this);
    });
}

void ParameterItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *n_event)
{
    SlotGuard::run([&] {
        ParameterUnit::mouseDoubleClickEvent(n_event);
        emit onDoubleClick(this);
    });
}
