#include "dialogAlgGraph.h"

#include "ui_dialogAlgGraph.h"

#include "SlotGuard.h"
#include "graphVisualization/LayeredGraphWidget.h"
#include "graphVisualization/PerFrameLayeredGraph.h"
#include "model/OstraClass.h"

dialogAlgGraph::dialogAlgGraph(QSharedPointer<OstraClass> n_class, QWidget *parent)
    : QDialog(parent), ui(new Ui_dialogAlgGraph), m_class(n_class)
{
    ui->setupUi(this);
    m_overview = new LayeredGraphWidget(n_class, this);
    m_singleRuleView = new LayeredGraphWidget(n_class, this);
    ui->mainVL->addWidget(m_overview);
    ui->mainVL->addWidget(m_singleRuleView);
    m_overview->setVisible(true);
    m_singleRuleView->setVisible(false);
    m_controller.reset(new PerFrameLayeredGraph(m_overview, m_singleRuleView));
}

dialogAlgGraph::~dialogAlgGraph() = default;

void dialogAlgGraph::drawGraph(AlgorithmSolution &n_solution)
{
    m_controller->ChangeDataFromTestActions(n_solution, LayeredGraphWidget::SOLUTION_RULE);
}

void dialogAlgGraph::updateOstraData(QSharedPointer<OstraClass> n_class)
{
    m_overview->updateOstraData(n_class);
    m_singleRuleView->updateOstraData(n_class);
}

void dialogAlgGraph::deleteAlgorithm()
{
    m_overview->DeleteAlgorithmItem();
    m_singleRuleView->DeleteAlgorithmItem();
    m_controller->showOverview();
}

void dialogAlgGraph::retranslateUI()
{
    ui->retranslateUi(this);
}

LayeredGraphWidget *dialogAlgGraph::getOverview() const
{
    return m_overview;
}

LayeredGraphWidget *dialogAlgGraph::getSingleRuleView() const
{
    return m_singleRuleView;
}

void dialogAlgGraph::on_printButton_clicked()
{
    SlotGuard::run([&] { m_overview->print(); }, this);
}
