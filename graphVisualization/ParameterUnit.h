#ifndef PARAMETERUNIT_H
#define PARAMETERUNIT_H

#include <QObject>
#include <QSharedPointer>

#include "BaseNode.h"
#include "GraphicsTextItemWithBackgroundColor.h"

class ParameterModel;

// A parameter of the solution graph: an ellipse with the name inside and the value in a white box
// just below.
class ParameterUnit : public BaseNode, public QObject
{
public:
    static const QRectF DEFAULT_RECTANGLE;

    explicit ParameterUnit(const QString &n_id);
    // Caption "name[class name]" (no bracket part without an owning class), tool tip the
    // parameter's description, the value text in the box below.
    ParameterUnit(const QSharedPointer<ParameterModel> &n_parameter, const QString &n_value,
                  const QColor &n_colour, const QColor &n_pickedOutColour,
                  const QColor &n_clickedColour);
    ~ParameterUnit() override;

    int getNodeType() const override;
    void setLabelName(const QString &n_text) override;
    void setValueLabel(const QString &n_text);
    GraphicsTextItemWithBackgroundColor *getValueLabel() const;
    // The parameter shown; null for a node made from an id alone.
    QSharedPointer<ParameterModel> getParameter() const;

    void paint(QPainter *n_painter, const QStyleOptionGraphicsItem *n_option,
               QWidget *n_widget) override;

protected:
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *n_event) override;

private:
    QSharedPointer<ParameterModel> m_parameter;
    GraphicsTextItemWithBackgroundColor *m_valueLabel;
};

#endif // PARAMETERUNIT_H
