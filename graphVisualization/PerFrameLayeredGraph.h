#ifndef PERFRAMELAYEREDGRAPH_H
#define PERFRAMELAYEREDGRAPH_H

#include <QObject>

#include "LayeredGraphWidget.h"

class AlgorithmSolution;
class RuleItem;

// Switches between the two views of the graph dialog: the whole solution and one rule. A double
// click on a rule node of the overview shows that rule alone; a double click on it there goes
// back. New solutions are drawn only while the overview is in front. Owns neither view.
class PerFrameLayeredGraph : public QObject
{
    Q_OBJECT

public:
    PerFrameLayeredGraph();
    PerFrameLayeredGraph(LayeredGraphWidget *n_overview, LayeredGraphWidget *n_singleRuleView);

    void ChangeDataFromTestActions(AlgorithmSolution &n_solution,
                                   LayeredGraphWidget::RuleKind n_kind);
    // Brings the overview back in front (after clearing, the single rule's view has no rule left
    // to double-click).
    void showOverview();

signals:
    void changedScene();

public slots:
    void ruleDoubleClick(RuleItem *n_item);

private:
    void switchTo(LayeredGraphWidget *n_front, LayeredGraphWidget *n_back);

    LayeredGraphWidget *m_overview = nullptr;
    LayeredGraphWidget *m_singleRuleView = nullptr;
};

#endif // PERFRAMELAYEREDGRAPH_H
