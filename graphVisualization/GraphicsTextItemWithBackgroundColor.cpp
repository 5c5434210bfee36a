#include "GraphicsTextItemWithBackgroundColor.h"

#include <QPainter>

void GraphicsTextItemWithBackgroundColor::paint(QPainter *n_painter,
                                                const QStyleOptionGraphicsItem *n_option,
                                                QWidget *n_widget)
{
    n_painter->setBrush(Qt::white);
    n_painter->drawRect(boundingRect());
    QGraphicsTextItem::paint(n_painter, n_option, n_widget);
}
