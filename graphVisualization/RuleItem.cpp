#include "RuleItem.h"

#include "SlotGuard.h"
#include "elements/RelationModel.h"
#include "elements/RuleModel.h"

namespace {
const int MAX_PART = 18;
const double CAPTION_WIDTH = 0.9;
const double CAPTION_HEIGHT = 0.8;

QString shortened(const QString &n_text)
{
    return n_text.size() > MAX_PART ? n_text.left(MAX_PART) + QStringLiteral("...") : n_text;
}
} // namespace

const QColor RuleItem::COLOUR(185, 214, 253);
const QColor RuleItem::PICKED_OUT_COLOUR(191, 239, 255);
const QColor RuleItem::CLICKED_COLOUR(70, 130, 180);

RuleItem::RuleItem(const QSharedPointer<RuleModel> &n_rule)
    : RuleUnit(n_rule, COLOUR, PICKED_OUT_COLOUR, CLICKED_COLOUR)
{
    setFlag(ItemIsMovable, false);
}

RuleItem::RuleItem(const QSharedPointer<RuleModel> &n_rule,
                   const QSharedPointer<RelationModel> &n_relation)
    : RuleItem(n_rule)
{
    const QString code = codeOf(n_relation);
    setLongLabelName(n_rule->getDescription(), code);
    setToolTip(n_rule->getDescription().isEmpty() ? code : n_rule->getDescription());
}

QString RuleItem::codeOf(const QSharedPointer<RelationModel> &n_relation)
{
    return n_relation.isNull() ? QString() : n_relation->getCode().trimmed();
}

void RuleItem::setLongLabelName(const QString &n_description, const QString &n_code)
{
    const QString description = shortened(n_description);
    const QString code = shortened(n_code);
    fitLabel(description + code, CAPTION_WIDTH, CAPTION_HEIGHT);
    if (!description.isEmpty() && !code.isEmpty())
        m_label.setPlainText(description + QLatin1Char('\n') + code);
}

void RuleItem::mousePressEvent(QGraphicsSceneMouseEvent *n_event)
{
    SlotGuard::run([&] {
        BaseNode::mousePressEvent(n_event);
        emit onClick(this);
    });
}

void RuleItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *n_event)
{
    SlotGuard::run([&] {
        QGraphicsItem::mouseDoubleClickEvent(n_event);
        emit onDoubleClick(this);
    });
}
