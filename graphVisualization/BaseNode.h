#ifndef BASENODE_H
#define BASENODE_H

#include <QColor>
#include <QGraphicsItem>
#include <QGraphicsTextItem>
#include <QList>
#include <QRectF>

#include "errors/BaseOstraObj.h"

class BaseEdge;

// A box of the solution graph with a caption, three fills (normal, picked out, selected) and the
// arrows that touch it. The element id it carries is the parameter's or rule's id; the layout
// finds nodes by it. Arrows are not owned: the graph view deletes nodes and arrows together.
class BaseNode : public QGraphicsItem, public BaseOstraObj
{
public:
    enum NodeType { PLAIN_NODE = 0, PARAMETER_NODE = 1, RULE_NODE = 2 };

    BaseNode(const QString &n_id, const QColor &n_colour, const QColor &n_pickedOutColour,
             const QColor &n_clickedColour, QList<BaseEdge *> n_edges, const QRectF &n_rectangle,
             QGraphicsItem *n_parent = nullptr);
    ~BaseNode() override;

    virtual void setPickedOut();
    virtual void setUnPickedOut();
    virtual int getNodeType() const;
    virtual void setLabelName(const QString &n_text);
    virtual QString getLabelName() const;

    void addEdge(BaseEdge *n_edge);
    QList<BaseEdge *> getEdges() const;

    QColor getColor() const;
    void setColor(const QColor &n_colour);
    QColor getPickedOutColor() const;
    void setPickedOutColor(const QColor &n_colour);
    QColor getClickedColor() const;
    void setClickedColor(const QColor &n_colour);

    QRectF boundingRect() const override;
    void setBoundingRectSize(const QRectF &n_rectangle);
    bool isPickedOut() const;
    void setPickedOutAllEdges();

    void paint(QPainter *n_painter, const QStyleOptionGraphicsItem *n_option,
               QWidget *n_widget) override;

    // Nodes alive now, for leak checks.
    static int liveCount();

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *n_event) override;
    QVariant itemChange(GraphicsItemChange n_change, const QVariant &n_value) override;
    QBrush currentBrush() const;
    // Sets the caption, n_widthShare of the node wide, and shrinks it (to a floor) until it is at
    // most n_heightShare of the node high; centred on the node.
    void fitLabel(const QString &n_text, double n_widthShare, double n_heightShare);

    QGraphicsTextItem m_label;

private:
    QColor m_colour;
    QList<BaseEdge *> m_edges;
    QRectF m_rectangle;
    QColor m_pickedOutColour;
    QColor m_clickedColour;
    bool m_pickedOut = false;
};

#endif // BASENODE_H
