#include "ParameterUnit.h"

#include "elements/ParameterModel.h"
#include "model/OstraClass.h"

#include <QPainter>

namespace {
const int MAX_NAME = 15;
const int MAX_VALUE = 20;
const qreal VALUE_GAP = 2;
} // namespace

const QRectF ParameterUnit::DEFAULT_RECTANGLE(-65, -30, 130, 60);

ParameterUnit::ParameterUnit(const QString &n_id)
    : BaseNode(n_id, QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), {},
               DEFAULT_RECTANGLE),
      m_valueLabel(new GraphicsTextItemWithBackgroundColor())
{
}

ParameterUnit::ParameterUnit(const QSharedPointer<ParameterModel> &n_parameter,
                             const QString &n_value, const QColor &n_colour,
                             const QColor &n_pickedOutColour, const QColor &n_clickedColour)
    : BaseNode(n_parameter->getId(), n_colour, n_pickedOutColour, n_clickedColour, {},
               DEFAULT_RECTANGLE),
      m_parameter(n_parameter), m_valueLabel(new GraphicsTextItemWithBackgroundColor())
{
    const QSharedPointer<OstraClass> owner = n_parameter->getParent();
    QString caption = n_parameter->getShortName();
    if (!owner.isNull())
        caption += QStringLiteral("[") + owner->getShortName() + QStringLiteral("]");
    setLabelName(caption);
    setToolTip(n_parameter->getDescription());
    setValueLabel(n_value);
}

ParameterUnit::~ParameterUnit()
{
    delete m_valueLabel;
}

int ParameterUnit::getNodeType() const
{
    return PARAMETER_NODE;
}

void ParameterUnit::setLabelName(const QString &n_text)
{
    BaseNode::setLabelName(n_text.size() > MAX_NAME ? n_text.left(MAX_NAME) + QStringLiteral("...")
                                                    : n_text);
    m_label.setPos(-m_label.textWidth() / 2, -m_label.boundingRect().height() / 2);
}

void ParameterUnit::setValueLabel(const QString &n_text)
{
    m_valueLabel->setPlainText(
        n_text.size() > MAX_VALUE ? n_text.left(MAX_VALUE) + QStringLiteral("...") : n_text);
    m_valueLabel->setToolTip(n_text);
    m_valueLabel->setPos(pos().x(), pos().y() + boundingRect().height() / 2 + VALUE_GAP);
    m_valueLabel->setAcceptedMouseButtons(Qt::NoButton);
    m_valueLabel->setParentItem(this);
}

GraphicsTextItemWithBackgroundColor *ParameterUnit::getValueLabel() const
{
    return m_valueLabel;
}

QSharedPointer<ParameterModel> ParameterUnit::getParameter() const
{
    return m_parameter;
}

void ParameterUnit::paint(QPainter *n_painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    n_painter->setBrush(currentBrush());
    n_painter->setPen(QPen(Qt::black, 0, Qt::SolidLine));
    n_painter->drawEllipse(boundingRect());
}

void ParameterUnit::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *)
{
}
