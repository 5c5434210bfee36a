#ifndef GRAPHICSTEXTITEMWITHBACKGROUNDCOLOR_H
#define GRAPHICSTEXTITEMWITHBACKGROUNDCOLOR_H

#include <QGraphicsTextItem>

// A text item on a white box, so that a value stays readable over arrows.
class GraphicsTextItemWithBackgroundColor : public QGraphicsTextItem
{
public:
    using QGraphicsTextItem::QGraphicsTextItem;

    void paint(QPainter *n_painter, const QStyleOptionGraphicsItem *n_option,
               QWidget *n_widget) override;
};

#endif // GRAPHICSTEXTITEMWITHBACKGROUNDCOLOR_H
