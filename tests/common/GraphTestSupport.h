#ifndef GRAPHTESTSUPPORT_H
#define GRAPHTESTSUPPORT_H

// Shared by the graph tests: the chain model a -> b -> c loaded through ModelManager and solved by
// the runtime solver, and look-ups of what a graph view shows.

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QtTest>

#include "graphVisualization/BaseNode.h"
#include "graphVisualization/EdgeItem.h"
#include "model/ModelManager.h"
#include "model/OstraClass.h"
#include "solver/AlgorithmSolution.h"
#include "solver/BaseAlgorithm.h"
#include "solver/BaseAlgorithmData.h"

// The runtime solver on n_root as the class test runs it: the known values given, no default used.
inline AlgorithmSolution solveAtRuntime(OstraClass &n_root, const QHash<QString, QVariant> &n_known,
                                        const QList<QString> &n_required)
{
    n_root.reset();
    n_root.setSearchAlgorithm(BaseAlgorithm::RUNTIME_ALGORITHM,
                              QSharedPointer<BaseAlgorithmData>::create(true, true));
    const QSharedPointer<BaseAlgorithm> solver = n_root.getSearchAlgorithm();
    solver->setUseDefaultValues(false);
    solver->addKnownParameters(n_known);
    solver->addRequiredParameters(n_required);
    solver->calculate();
    return *solver->getAlgorithmSolution();
}

// The fixture tests/data/graphChain.xml: rule r-1 ("Doubles a", y = x * 2) from p-a (a) to p-b (b),
// rule r-2 ("Thirds b", y = x / 3) from p-b to p-c (c).
struct SolvedChain
{
    ModelManager manager;
    QSharedPointer<OstraClass> root;
    AlgorithmSolution solution;

    bool load()
    {
        QFile file(QStringLiteral(TEST_DATA_DIR "/graphChain.xml"));
        manager.loadModel(file);
        root = manager.getActiveModel()->getRootClass();
        return !root.isNull();
    }

    // Known a = n_a, required c; the runtime solver without default values.
    void solve(double n_a = 1.0)
    {
        solution = solveAtRuntime(*root, {{QStringLiteral("p-a"), n_a}}, {QStringLiteral("p-c")});
    }
};

template<class T>
QList<T *> itemsOf(const QGraphicsView *n_view)
{
    QList<T *> found;
    for (QGraphicsItem *item : n_view->scene()->items())
        if (T *typed = dynamic_cast<T *>(item))
            found.append(typed);
    return found;
}

inline BaseNode *nodeById(const QGraphicsView *n_view, const QString &n_id)
{
    for (BaseNode *node : itemsOf<BaseNode>(n_view))
        if (node->getId() == n_id)
            return node;
    return nullptr;
}

inline QStringList nodeIds(const QGraphicsView *n_view)
{
    QStringList ids;
    for (BaseNode *node : itemsOf<BaseNode>(n_view))
        ids.append(node->getId());
    ids.sort();
    return ids;
}

// Where a user clicks to hit the node: its centre, scrolled into sight first.
inline QPoint pointOf(QGraphicsView *n_view, const BaseNode *n_node)
{
    n_view->centerOn(n_node);
    return n_view->mapFromScene(n_node->scenePos());
}

#endif // GRAPHTESTSUPPORT_H
