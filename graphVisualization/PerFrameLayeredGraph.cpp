#include "PerFrameLayeredGraph.h"

#include "RuleItem.h"
#include "SlotGuard.h"

#include <QGraphicsItem>
#include <QGraphicsScene>

PerFrameLayeredGraph::PerFrameLayeredGraph() = default;

PerFrameLayeredGraph::PerFrameLayeredGraph(LayeredGraphWidget *n_overview,
                                           LayeredGraphWidget *n_singleRuleView)
    : m_overview(n_overview), m_singleRuleView(n_singleRuleView)
{
    m_overview->setActive(true);
    m_singleRuleView->setActive(false);
}

void PerFrameLayeredGraph::ChangeDataFromTestActions(AlgorithmSolution &n_solution,
                                                     LayeredGraphWidget::RuleKind n_kind)
{
    if (m_overview == nullptr || !m_overview->isActive())
        return;
    m_overview->ChangeDataFromTestActions(n_solution, n_kind);
    m_overview->ConnectRuleDoubleClick(this);
    m_overview->ConnectRuleClick();
}

void PerFrameLayeredGraph::showOverview()
{
    if (m_overview != nullptr && !m_overview->isActive())
        switchTo(m_overview, m_singleRuleView);
}

void PerFrameLayeredGraph::switchTo(LayeredGraphWidget *n_front, LayeredGraphWidget *n_back)
{
    // The switch runs inside a double click on a node of the view going back, which holds the
    // mouse grab; its release never reaches that hidden view, and a grab left behind would take
    // every later press on it.
    if (QGraphicsItem *grabber = n_back->scene()->mouseGrabberItem())
        grabber->ungrabMouse();
    n_back->hide();
    n_back->setActive(false);
    n_front->setActive(true);
    n_front->show();
}

void PerFrameLayeredGraph::ruleDoubleClick(RuleItem *n_item)
{
    SlotGuard::run(
        [&] {
            if (m_overview == nullptr || m_singleRuleView == nullptr)
                return;
            if (!m_overview->isActive()) {
                switchTo(m_overview, m_singleRuleView);
                return;
            }
            // Built before switching: a rule that left the class keeps the overview in front.
            m_singleRuleView->AddSingeAlgorithmItem(n_item);
            m_singleRuleView->ConnectRuleDoubleClick(this);
            switchTo(m_singleRuleView, m_overview);
        },
        m_overview);
}
