#ifndef DIALOGALGGRAPH_H
#define DIALOGALGGRAPH_H

#include <QDialog>
#include <QSharedPointer>

#include <memory>

class AlgorithmSolution;
class LayeredGraphWidget;
class OstraClass;
class PerFrameLayeredGraph;
class Ui_dialogAlgGraph;

// The window that draws the last class test's solution as a layered graph, with a print button.
// Two views share one place: the whole solution and, after a double click on a rule, that rule
// alone. Modeless; Escape or the close control reject it.
class dialogAlgGraph : public QDialog
{
    Q_OBJECT

public:
    dialogAlgGraph(QSharedPointer<OstraClass> n_class, QWidget *parent = nullptr);
    ~dialogAlgGraph() override;

    // Redraws the overview, unless the single rule is in front.
    void drawGraph(AlgorithmSolution &n_solution);
    // Later drawings read their elements from this class; nothing is redrawn now.
    void updateOstraData(QSharedPointer<OstraClass> n_class);
    // Empties both views and brings the overview back in front.
    void deleteAlgorithm();
    void retranslateUI();

    LayeredGraphWidget *getOverview() const;
    LayeredGraphWidget *getSingleRuleView() const;

private slots:
    void on_printButton_clicked();

private:
    std::unique_ptr<Ui_dialogAlgGraph> ui;
    QSharedPointer<OstraClass> m_class;
    LayeredGraphWidget *m_overview;
    LayeredGraphWidget *m_singleRuleView;
    std::unique_ptr<PerFrameLayeredGraph> m_controller;
};

#endif // DIALOGALGGRAPH_H
