#ifndef BASEEDGE_H
#define BASEEDGE_H

#include <QColor>
#include <QGraphicsItem>
#include <QLineF>
#include <QPointF>

class BaseNode;

// An arrow from a source node to a destination node, clipped to both outlines: parameter ends by
// half the node's size along the line, other ends exactly at the rectangle. Its end points are
// computed when it is made and whenever one of its nodes moves, never while painting.
class BaseEdge : public QGraphicsItem
{
public:
    BaseEdge(BaseNode *n_source, BaseNode *n_destination, const QColor &n_colour,
             const QColor &n_sourcePickedColour, const QColor &n_destinationPickedColour,
             const double &n_width, const double &n_arrowSize, const double &n_arrowAngleDivisor,
             QGraphicsItem *n_parent = nullptr);

    virtual void adjust();

    BaseNode *getSoureceNode() const;
    BaseNode *getDestinationNode() const;
    QColor getEdgeColor() const;
    void setColor(const QColor &n_colour);
    double getLineWidth() const;
    double getArrowSize() const;
    void setPickedOut(BaseNode *n_clicked);
    void setUnPickedOut();
    bool isPickedOut() const;

    QPointF sourcePoint() const;
    QPointF destinationPoint() const;

    QRectF boundingRect() const override;
    void paint(QPainter *n_painter, const QStyleOptionGraphicsItem *n_option,
               QWidget *n_widget) override;

private:
    QPointF pointOfIntersect(BaseNode *n_node, const QLineF &n_line) const;
    // Half the node's size along the line; none for a line of no length.
    static QPointF halfNodeOffset(const BaseNode *n_node, const QLineF &n_line);

    BaseNode *m_source;
    BaseNode *m_destination;
    QPointF m_sourcePoint;
    QPointF m_destinationPoint;
    QColor m_currentColour;
    double m_currentWidth;
    double m_baseWidth;
    double m_arrowSize;
    double m_arrowAngleDivisor;
    QColor m_colour;
    QColor m_sourcePickedColour;
    QColor m_destinationPickedColour;
    bool m_pickedOut = false;
};

#endif // BASEEDGE_H
