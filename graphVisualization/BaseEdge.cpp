#include "BaseEdge.h"

#include "BaseNode.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace {
const qreal EDGE_Z = -20;
const qreal PICKED_EDGE_Z = 10;
const double PICKED_WIDTH_FACTOR = 3;
} // namespace

BaseEdge::BaseEdge(BaseNode *n_source, BaseNode *n_destination, const QColor &n_colour,
                   const QColor &n_sourcePickedColour, const QColor &n_destinationPickedColour,
                   const double &n_width, const double &n_arrowSize,
                   const double &n_arrowAngleDivisor, QGraphicsItem *n_parent)
    : QGraphicsItem(n_parent), m_source(n_source), m_destination(n_destination),
      m_currentColour(n_colour), m_currentWidth(n_width), m_baseWidth(n_width),
      m_arrowSize(n_arrowSize), m_arrowAngleDivisor(n_arrowAngleDivisor), m_colour(n_colour),
      m_sourcePickedColour(n_sourcePickedColour),
      m_destinationPickedColour(n_destinationPickedColour)
{
    adjust();
    setZValue(EDGE_Z);
}

QPointF BaseEdge::halfNodeOffset(const BaseNode *n_node, const QLineF &n_line)
{
    const double length = n_line.length();
    if (length == 0.0)
        return QPointF(0, 0);
    const QRectF box = n_node->boundingRect();
    return QPointF(n_line.dx() * box.width() / 2 / length, n_line.dy() * box.height() / 2 / length);
}

void BaseEdge::adjust()
{
    if (m_source == nullptr || m_destination == nullptr)
        return;
    QLineF line(mapFromItem(m_source, 0, 0), mapFromItem(m_destination, 0, 0));
    // Coincident centres give no direction to clip along: both ends stay at the centre.
    const bool degenerate = line.p1() == line.p2();
    QPointF sourceOffset(0, 0);
    if (m_source->getNodeType() == BaseNode::PARAMETER_NODE)
        sourceOffset = halfNodeOffset(m_source, line);
    else if (!degenerate)
        line.setP1(pointOfIntersect(m_source, line));
    QPointF destinationOffset(0, 0);
    if (m_destination->getNodeType() == BaseNode::PARAMETER_NODE)
        destinationOffset = halfNodeOffset(m_destination, line);
    else if (!degenerate)
        line.setP2(pointOfIntersect(m_destination, line));

    prepareGeometryChange();
    setVisible(true);
    m_sourcePoint = line.p1() + sourceOffset;
    m_destinationPoint = line.p2() - destinationOffset;
}

QPointF BaseEdge::pointOfIntersect(BaseNode *n_node, const QLineF &n_line) const
{
    const QRectF box = n_node->boundingRect();
    const QPointF corner1 = mapFromItem(n_node, box.topLeft());
    const QPointF corner2 = mapFromItem(n_node, box.bottomRight());
    const qreal x1 = corner1.x();
    const qreal y1 = corner1.y();
    const qreal x2 = corner2.x();
    const qreal y2 = corner2.y();
    const QLineF sides[] = {QLineF(x1, y1, x1, y2), QLineF(x1, y2, x2, y2), QLineF(x2, y2, x2, y1),
                            QLineF(x2, y1, x1, y1)};
    QPointF point(0, 0);
    for (const QLineF &side : sides) {
        QPointF crossing;
        const QLineF::IntersectionType type = n_line.intersects(side, &crossing);
        if (type == QLineF::NoIntersection)
            continue;
        point = crossing;
        if (type == QLineF::BoundedIntersection)
            break;
    }
    return point;
}

BaseNode *BaseEdge::getSoureceNode() const
{
    return m_source;
}

BaseNode *BaseEdge::getDestinationNode() const
{
    return m_destination;
}

QColor BaseEdge::getEdgeColor() const
{
    return m_currentColour;
}

void BaseEdge::setColor(const QColor &n_colour)
{
    m_currentColour = n_colour;
}

double BaseEdge::getLineWidth() const
{
    return m_currentWidth;
}

double BaseEdge::getArrowSize() const
{
    return m_arrowSize;
}

void BaseEdge::setPickedOut(BaseNode *n_clicked)
{
    if (n_clicked == m_source || n_clicked == m_destination) {
        const bool fromSource = n_clicked == m_source;
        prepareGeometryChange();
        m_currentWidth = m_baseWidth * PICKED_WIDTH_FACTOR;
        m_currentColour = fromSource ? m_sourcePickedColour : m_destinationPickedColour;
        m_pickedOut = true;
        (fromSource ? m_destination : m_source)->setPickedOut();
        setZValue(PICKED_EDGE_Z);
    } else {
        m_pickedOut = false;
        m_currentColour = m_colour;
    }
    update();
}

void BaseEdge::setUnPickedOut()
{
    prepareGeometryChange();
    m_currentWidth = m_baseWidth;
    m_currentColour = m_colour;
    m_pickedOut = false;
    m_source->setUnPickedOut();
    m_destination->setUnPickedOut();
    setZValue(EDGE_Z);
    update();
}

bool BaseEdge::isPickedOut() const
{
    return m_pickedOut;
}

QPointF BaseEdge::sourcePoint() const
{
    return m_sourcePoint;
}

QPointF BaseEdge::destinationPoint() const
{
    return m_destinationPoint;
}

QRectF BaseEdge::boundingRect() const
{
    if (m_source == nullptr || m_destination == nullptr)
        return QRectF();
    const qreal extra = (m_currentWidth + m_arrowSize) / 2.0;
    return QRectF(m_sourcePoint, QSizeF(m_destinationPoint.x() - m_sourcePoint.x(),
                                        m_destinationPoint.y() - m_sourcePoint.y()))
        .normalized()
        .adjusted(-extra, -extra, extra, extra);
}

void BaseEdge::paint(QPainter *n_painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (m_source == nullptr || m_destination == nullptr)
        return;
    const QLineF line(m_sourcePoint, m_destinationPoint);
    if (qFuzzyCompare(line.length(), qreal(0.0)))
        return;
    n_painter->setPen(
        QPen(QBrush(m_currentColour), m_currentWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    n_painter->drawLine(line);

    double angle = std::acos(line.dx() / line.length());
    if (line.dy() >= 0)
        angle = 2 * M_PI - angle;
    const double side = M_PI / m_arrowAngleDivisor;
    const QPointF p1 = m_destinationPoint
                       + QPointF(std::sin(angle - side) * m_arrowSize,
                                 std::cos(angle - side) * m_arrowSize);
    const QPointF p2 = m_destinationPoint
                       + QPointF(std::sin(angle - M_PI + side) * m_arrowSize,
                                 std::cos(angle - M_PI + side) * m_arrowSize);
    n_painter->setBrush(QBrush(m_currentColour));
    n_painter->drawPolygon(QPolygonF({m_destinationPoint, p1, p2}), Qt::OddEvenFill);
}
