#include "Layer.h"

#include "BaseNode.h"
#include "RuleItem.h"

#include <QGraphicsScene>

#include <algorithm>

namespace {

// Joins n_signal of every rule node among n_items to n_slot of n_receiver.
void connectRules(const QHash<QString, BaseNode *> &n_items, const char *n_signal,
                  QObject *n_receiver, const char *n_slot)
{
    for (BaseNode *node : n_items) {
        if (node->getNodeType() != BaseNode::RULE_NODE)
            continue;
        if (auto *rule = dynamic_cast<RuleItem *>(node))
            QObject::connect(rule, n_signal, n_receiver, n_slot);
    }
}

} // namespace

Layer::Layer() : m_rightBorder(0.0), m_ruleY(0.0), m_ruleX(0.0), m_ruleName(QLatin1String(""))
{
}

void Layer::AddItem(BaseNode *n_node)
{
    m_items.insert(n_node->getId(), n_node);
    m_ruleName = n_node->getLabelName();
    const QPointF position = n_node->pos();
    m_rightBorder = std::max(m_rightBorder, position.x());
    m_ruleY = std::max(m_ruleY, position.y());
    m_ruleX = std::max(m_ruleX, position.x());
}

void Layer::Delete()
{
    qDeleteAll(m_items);
    m_items.clear();
}

void Layer::AddToScene(QGraphicsScene *n_scene) const
{
    for (BaseNode *node : m_items)
        n_scene->addItem(node);
}

Layer::const_iterator Layer::FindItem(const QString &n_id) const
{
    return m_items.constFind(n_id);
}

Layer::const_iterator Layer::End() const
{
    return m_items.constEnd();
}

double Layer::getRightBorder() const
{
    return m_rightBorder;
}

double Layer::getRuleY() const
{
    return m_ruleY;
}

double Layer::getRuleX() const
{
    return m_ruleX;
}

QString Layer::getRuleName() const
{
    return m_ruleName;
}

int Layer::count() const
{
    return m_items.size();
}

void Layer::ConnectRuleDoubleClick(QObject *n_receiver) const
{
    connectRules(m_items, SIGNAL(onDoubleClick(RuleItem *)), n_receiver,
                 SLOT(ruleDoubleClick(RuleItem *)));
}

void Layer::ConnectRuleClick(QObject *n_receiver) const
{
    connectRules(m_items, SIGNAL(onClick(RuleItem *)), n_receiver, SLOT(RuleClick(RuleItem *)));
}
