#include "BaseNode.h"

#include "BaseEdge.h"
#include "SlotGuard.h"

#include <QPainter>

namespace {
int liveNodes = 0;

const int MAX_CAPTION = 75;
const double CAPTION_WIDTH = 0.95;
const double CAPTION_HEIGHT = 0.9;
const double MIN_SCALE = 0.8;
const double SCALE_STEP = 0.05;
const qreal NODE_Z = -1;
const qreal PICKED_NODE_Z = 50;
} // namespace

BaseNode::BaseNode(const QString &n_id, const QColor &n_colour, const QColor &n_pickedOutColour,
                   const QColor &n_clickedColour, QList<BaseEdge *> n_edges,
                   const QRectF &n_rectangle, QGraphicsItem *n_parent)
    : QGraphicsItem(n_parent), BaseOstraObj(n_id), m_colour(n_colour), m_edges(std::move(n_edges)),
      m_rectangle(n_rectangle), m_pickedOutColour(n_pickedOutColour),
      m_clickedColour(n_clickedColour)
{
    setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsScenePositionChanges
             | ItemSendsGeometryChanges);
    setCacheMode(DeviceCoordinateCache);
    setZValue(NODE_Z);
    m_label.setParentItem(this);
    // Presses on the caption belong to the node.
    m_label.setAcceptedMouseButtons(Qt::NoButton);
    setFiltersChildEvents(true);
    ++liveNodes;
}

BaseNode::~BaseNode()
{
    --liveNodes;
}

int BaseNode::liveCount()
{
    return liveNodes;
}

void BaseNode::setPickedOut()
{
    m_pickedOut = true;
    setZValue(PICKED_NODE_Z);
    update();
}

void BaseNode::setUnPickedOut()
{
    m_pickedOut = false;
    setZValue(NODE_Z);
    update();
}

int BaseNode::getNodeType() const
{
    return PLAIN_NODE;
}

void BaseNode::setLabelName(const QString &n_text)
{
    const QString text = n_text.size() > MAX_CAPTION
                             ? n_text.left(MAX_CAPTION) + QStringLiteral("...")
                             : n_text;
    fitLabel(text, CAPTION_WIDTH, CAPTION_HEIGHT);
}

void BaseNode::fitLabel(const QString &n_text, double n_widthShare, double n_heightShare)
{
    m_label.setPlainText(n_text);
    // No natural-size pass first: the fixed text width set next decides the layout alone.
    const qreal width = n_widthShare * boundingRect().width();
    m_label.setTextWidth(width);
    // The unscaled height does not follow the scale: a caption too tall at first shrinks to the
    // floor. The scale is kept between calls.
    while (m_label.boundingRect().height() > n_heightShare * boundingRect().height()
           && m_label.scale() > MIN_SCALE) {
        m_label.setScale(m_label.scale() - SCALE_STEP);
        m_label.setTextWidth(width);
        m_label.update();
    }
    m_label.setPos(-width / 2, -boundingRect().height() / 2);
}

QString BaseNode::getLabelName() const
{
    return m_label.toPlainText();
}

void BaseNode::addEdge(BaseEdge *n_edge)
{
    m_edges.append(n_edge);
}

QList<BaseEdge *> BaseNode::getEdges() const
{
    return m_edges;
}

QColor BaseNode::getColor() const
{
    return m_colour;
}

void BaseNode::setColor(const QColor &n_colour)
{
    m_colour = n_colour;
}

QColor BaseNode::getPickedOutColor() const
{
    return m_pickedOutColour;
}

void BaseNode::setPickedOutColor(const QColor &n_colour)
{
    m_pickedOutColour = n_colour;
}

QColor BaseNode::getClickedColor() const
{
    return m_clickedColour;
}

void BaseNode::setClickedColor(const QColor &n_colour)
{
    m_clickedColour = n_colour;
}

QRectF BaseNode::boundingRect() const
{
    return m_rectangle;
}

void BaseNode::setBoundingRectSize(const QRectF &n_rectangle)
{
    prepareGeometryChange();
    m_rectangle = n_rectangle;
}

bool BaseNode::isPickedOut() const
{
    return m_pickedOut;
}

void BaseNode::setPickedOutAllEdges()
{
    for (BaseEdge *edge : qAsConst(m_edges))
        edge->setPickedOut(this);
}

QBrush BaseNode::currentBrush() const
{
    if (isSelected())
        return QBrush(m_clickedColour);
    return QBrush(m_pickedOut ? m_pickedOutColour : m_colour);
}

void BaseNode::paint(QPainter *n_painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    n_painter->setBrush(currentBrush());
    n_painter->setPen(QPen(Qt::black, 0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    n_painter->drawRect(m_rectangle);
}

void BaseNode::mousePressEvent(QGraphicsSceneMouseEvent *n_event)
{
    SlotGuard::run([&] {
        setPickedOutAllEdges();
        QGraphicsItem::mousePressEvent(n_event);
    });
}

QVariant BaseNode::itemChange(GraphicsItemChange n_change, const QVariant &n_value)
{
    // Arrows follow a moved node here rather than on every paint.
    if (n_change == ItemPositionHasChanged) {
        for (BaseEdge *edge : qAsConst(m_edges))
            edge->adjust();
    }
    return QGraphicsItem::itemChange(n_change, n_value);
}
