#include "LayersManager.h"

#include "BaseNode.h"

namespace {

QVector<QString> idsOf(const QVector<BaseNode *> &n_nodes)
{
    QVector<QString> ids;
    ids.reserve(n_nodes.size());
    for (const BaseNode *node : n_nodes)
        ids.append(node->getId());
    return ids;
}

} // namespace

SingleAlgorithmItems LayersManager::AddSingeAlgorithmItems(QVector<BaseNode *> *n_inputs,
                                                           BaseNode *n_rule,
                                                           QVector<BaseNode *> *n_outputs)
{
    const int first = m_placement.nodeCount();
    const LayerPlacement::RuleResult placed = m_placement.placeRule(
        idsOf(*n_inputs), n_rule->getId(), idsOf(*n_outputs));
    m_nodes.resize(m_placement.nodeCount());

    auto take = [this](const QVector<BaseNode *> &n_given, const QVector<int> &n_handles) {
        for (int i = 0; i < n_given.size(); ++i) {
            if (n_handles.at(i) >= 0)
                m_nodes[n_handles.at(i)] = n_given.at(i);
            else
                delete n_given.at(i); // its parameter is drawn by another node
        }
    };
    take(*n_inputs, placed.inputHandles);
    m_nodes[placed.ruleHandle] = n_rule;
    take(*n_outputs, placed.outputHandles);

    // File in placing order, as the rows were filled.
    if (m_layers.size() < m_placement.rowCount())
        m_layers.resize(m_placement.rowCount());
    for (int handle = first; handle < m_placement.nodeCount(); ++handle) {
        BaseNode *node = m_nodes.at(handle);
        node->setPos(m_placement.position(handle));
        m_layers[m_placement.rowOf(handle)].AddItem(node);
    }

    SingleAlgorithmItems result;
    for (int handle : placed.arrowSources)
        result.inputs.append(m_nodes.at(handle));
    result.rule = n_rule;
    for (int handle : placed.arrowTargets)
        result.outputs.append(m_nodes.at(handle));
    return result;
}

void LayersManager::AddToScene(QGraphicsScene *n_scene) const
{
    for (const Layer &layer : m_layers)
        layer.AddToScene(n_scene);
}

void LayersManager::ConnectRuleDoubleClick(QObject *n_receiver) const
{
    for (const Layer &layer : m_layers)
        layer.ConnectRuleDoubleClick(n_receiver);
}

void LayersManager::ConnectRuleClick(QObject *n_receiver) const
{
    for (const Layer &layer : m_layers)
        layer.ConnectRuleClick(n_receiver);
}

void LayersManager::Delete()
{
    for (Layer &layer : m_layers)
        layer.Delete();
    m_layers.clear();
    m_nodes.clear();
    m_placement.clear();
}

void LayersManager::Release(const QGraphicsScene *n_scene)
{
    for (BaseNode *node : qAsConst(m_nodes))
        if (node != nullptr && node->scene() != n_scene)
            delete node;
    m_layers.clear();
    m_nodes.clear();
    m_placement.clear();
}

const QVector<Layer> &LayersManager::getLayers() const
{
    return m_layers;
}

double LayersManager::getRightBorder() const
{
    return m_placement.rightBorder();
}
