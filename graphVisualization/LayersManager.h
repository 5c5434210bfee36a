#ifndef LAYERSMANAGER_H
#define LAYERSMANAGER_H

#include <QVector>

#include "Layer.h"
#include "LayerPlacement.h"

class BaseNode;
class QGraphicsScene;
class QObject;

// What the view draws arrows between for one rule: from each input to the rule, from the rule to
// each output.
struct SingleAlgorithmItems
{
    QVector<BaseNode *> inputs;
    BaseNode *rule = nullptr;
    QVector<BaseNode *> outputs;
};

// The rows of the layered graph. The positions come from LayerPlacement; this class moves the
// graphics nodes there and files them into rows, which own them from then on. Nodes it is given
// but does not place (their parameter already stands in the graph, or their id came twice) are
// deleted at once.
class LayersManager
{
public:
    LayersManager() = default;
    LayersManager(const LayersManager &) = delete;
    LayersManager &operator=(const LayersManager &) = delete;

    // Takes over the nodes in both lists and the rule node; the lists themselves stay the caller's.
    SingleAlgorithmItems AddSingeAlgorithmItems(QVector<BaseNode *> *n_inputs, BaseNode *n_rule,
                                                QVector<BaseNode *> *n_outputs);
    void AddToScene(QGraphicsScene *n_scene) const;
    void ConnectRuleDoubleClick(QObject *n_receiver) const;
    void ConnectRuleClick(QObject *n_receiver) const;
    // Deletes every node and row; the right border stays.
    void Delete();
    // As Delete, but leaves the nodes standing in n_scene to the scene, which is about to be
    // deleted with them.
    void Release(const QGraphicsScene *n_scene);

    const QVector<Layer> &getLayers() const;
    double getRightBorder() const;

private:
    LayerPlacement m_placement;
    QVector<Layer> m_layers;
    QVector<BaseNode *> m_nodes; // by placement handle
};

#endif // LAYERSMANAGER_H
