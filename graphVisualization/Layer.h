#ifndef LAYER_H
#define LAYER_H

#include <QHash>
#include <QString>

class BaseNode;
class QGraphicsScene;
class QObject;

// One row of the layered graph: its nodes by element id and the extents the layout reads. A copy
// shares the nodes; only Delete frees them.
class Layer
{
public:
    typedef QHash<QString, BaseNode *>::const_iterator const_iterator;

    Layer();

    // The node must have its position already. A node stored under the same id is replaced.
    void AddItem(BaseNode *n_node);
    void Delete();
    void AddToScene(QGraphicsScene *n_scene) const;
    const_iterator FindItem(const QString &n_id) const;
    const_iterator End() const;

    double getRightBorder() const;
    double getRuleY() const;
    double getRuleX() const;
    QString getRuleName() const;
    int count() const;

    // Rule nodes only; one connection per call.
    void ConnectRuleDoubleClick(QObject *n_receiver) const;
    void ConnectRuleClick(QObject *n_receiver) const;

private:
    double m_rightBorder;
    double m_ruleY;
    double m_ruleX;
    QString m_ruleName;
    QHash<QString, BaseNode *> m_items;
};

#endif // LAYER_H
