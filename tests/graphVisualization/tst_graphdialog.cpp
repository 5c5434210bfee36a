#include "GraphTestSupport.h"

#include "../ide/TextTables.h"

#include "MessageBoxes.h"
#include "PrimitiveWidgets/dialogAlgGraph.h"
#include "graphVisualization/LayeredGraphWidget.h"
#include "graphVisualization/ParameterItem.h"
#include "graphVisualization/RuleItem.h"

#include <QApplication>
#include <QPushButton>
#include <QWheelEvent>

namespace {

void wheel(QGraphicsView *n_view, int n_delta)
{
    const QPoint centre = n_view->viewport()->rect().center();
    QWheelEvent event(centre, n_view->viewport()->mapToGlobal(centre), QPoint(), QPoint(0, n_delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(n_view->viewport(), &event);
}

QString valueShown(const BaseNode *n_node)
{
    return dynamic_cast<const ParameterUnit *>(n_node)->getValueLabel()->toPlainText();
}

} // namespace

class tst_GraphDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogTexts_data();
    void dialogTexts();
    void escapeRejects();
    void newDialogShowsAnEmptyOverview();

    void drawsTheSolution();
    void ruleClickMovesTheHighlight();
    void parameterClicksOnlySelectAndSignal();
    void repaintsOnItsOwnOnlyWhileAButtonIsHeld();
    void quickClickShowsTheHighlight();
    void wheelZoomsWithinLimits_data();
    void wheelZoomsWithinLimits();
    void doubleClickShowsOneRuleAndBack();
    void switchLeavesNoMouseGrabBehind();
    void runWhileSingleRuleInFrontDrawsNothing();
    void clearingBringsTheOverviewBack();
    void doubleClickOnVanishedElementKeepsTheOverview_data();
    void doubleClickOnVanishedElementKeepsTheOverview();
    void redrawsLeakNoNodes();

private:
    void showDialog();
    void doubleClick(LayeredGraphWidget *n_view, const QString &n_id);

    SolvedChain m_chain;
    std::unique_ptr<dialogAlgGraph> m_dialog;
    int m_boxes = 0;
};

void tst_GraphDialog::init()
{
    QVERIFY(m_chain.load());
    m_chain.solve();
    QCOMPARE(m_chain.solution.getRulesOrder().size(), 2);
    m_dialog.reset(new dialogAlgGraph(m_chain.root, nullptr));
    m_boxes = 0;
    MessageBoxes::setBoxHandler([this](QMessageBox &) {
        ++m_boxes;
        return int(QMessageBox::Ok);
    });
}

void tst_GraphDialog::cleanup()
{
    m_dialog.reset();
    MessageBoxes::setBoxHandler({});
}

void tst_GraphDialog::showDialog()
{
    m_dialog->resize(700, 900);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

void tst_GraphDialog::doubleClick(LayeredGraphWidget *n_view, const QString &n_id)
{
    QApplication::processEvents(); // the view that came forward takes its place in the layout
    BaseNode *node = nodeById(n_view, n_id);
    QVERIFY(node != nullptr);
    // As the system sends it: press, release, double click, release.
    const QPoint point = pointOf(n_view, node);
    QWidget *viewport = n_view->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, point);
}

void tst_GraphDialog::dialogTexts_data()
{
    QTest::addColumn<Catalogue>("catalogue");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("button");
    QTest::newRow("no catalogue") << Catalogue::None << QStringLiteral("Граф решения")
                                  << QStringLiteral("Print");
    QTest::newRow("IDE_eng") << Catalogue::English << QStringLiteral("Algorithm Graph")
                             << QStringLiteral("Print graph");
    QTest::newRow("IDE_ru") << Catalogue::Russian << QStringLiteral("Граф решения")
                            << QStringLiteral("Распечатать граф");
}

void tst_GraphDialog::dialogTexts()
{
    QFETCH(Catalogue, catalogue);
    QFETCH(QString, title);
    QFETCH(QString, button);
    auto printButton = [this] {
        return m_dialog->findChild<QPushButton *>(QStringLiteral("printButton"))->text();
    };
    {
        InstalledCatalogue installed(catalogue);
        QVERIFY(catalogue == Catalogue::None || installed.isLoaded());
        dialogAlgGraph fresh(m_chain.root, nullptr);
        QCOMPARE(fresh.windowTitle(), title);
        QCOMPARE(fresh.findChild<QPushButton *>(QStringLiteral("printButton"))->text(), button);
        // A dialog made before the language changed follows it on retranslateUI.
        m_dialog->retranslateUI();
        QCOMPARE(m_dialog->windowTitle(), title);
        QCOMPARE(printButton(), button);
    }
    m_dialog->retranslateUI();
    QCOMPARE(printButton(), QStringLiteral("Print"));
}

void tst_GraphDialog::escapeRejects()
{
    showDialog();
    QSignalSpy rejected(m_dialog.get(), &QDialog::rejected);
    m_dialog->drawGraph(m_chain.solution);
    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    QCOMPARE(rejected.count(), 1);
    QVERIFY(!m_dialog->isVisible());
    // The drawing stays for the next showing.
    QCOMPARE(itemsOf<BaseNode>(m_dialog->getOverview()).size(), 5);
}

void tst_GraphDialog::newDialogShowsAnEmptyOverview()
{
    showDialog();
    QVERIFY(m_dialog->getOverview()->isVisible());
    QVERIFY(!m_dialog->getSingleRuleView()->isVisible());
    QVERIFY(m_dialog->getOverview()->scene()->items().isEmpty());
    QVERIFY(m_dialog->findChild<QPushButton *>(QStringLiteral("printButton"))->isVisible());
    m_dialog->deleteAlgorithm(); // nothing drawn: nothing to do
    QVERIFY(m_dialog->getOverview()->scene()->items().isEmpty());
    QVERIFY(m_dialog->getOverview()->isVisible());
}

void tst_GraphDialog::drawsTheSolution()
{
    m_dialog->drawGraph(m_chain.solution);
    const LayeredGraphWidget *view = m_dialog->getOverview();
    // b is drawn once: r-2's arrow starts at the b that r-1 produced.
    QCOMPARE(nodeIds(view),
             QStringList({QStringLiteral("p-a"), QStringLiteral("p-b"), QStringLiteral("p-c"),
                          QStringLiteral("r-1"), QStringLiteral("r-2")}));
    QCOMPARE(itemsOf<EdgeItem>(view).size(), 4);
    QCOMPARE(view->getInputEdges().size(), 2);
    QCOMPARE(view->getOutputEdges().size(), 2);
    QCOMPARE(view->getInputEdges().at(1)->getSoureceNode(), nodeById(view, QStringLiteral("p-b")));

    const QSharedPointer<OstraClass> &root = m_chain.root;
    for (const char *id : {"p-a", "p-b", "p-c"}) {
        const BaseNode *node = nodeById(view, QString::fromLatin1(id));
        const auto parameter = root->getParameter(QString::fromLatin1(id));
        QCOMPARE(node->getLabelName(), parameter->getShortName());
        QCOMPARE(node->toolTip(), parameter->getShortName());
        QCOMPARE(valueShown(node), parameter->getValueStr());
        QVERIFY(!(node->flags() & QGraphicsItem::ItemIsMovable));
    }
    QCOMPARE(valueShown(nodeById(view, QStringLiteral("p-c"))),
             QStringLiteral("0.666666666666667"));
    const BaseNode *rule = nodeById(view, QStringLiteral("r-1"));
    QCOMPARE(rule->getLabelName(), QStringLiteral("Doubles a\ny = x * 2;"));
    QCOMPARE(rule->toolTip(), QStringLiteral("y = x * 2;"));
    QVERIFY(!(rule->flags() & QGraphicsItem::ItemIsMovable));
    // Rows: a over r-1 over b over r-2 over c.
    QCOMPARE(nodeById(view, QStringLiteral("r-2"))->pos(), QPointF(0, 480));
    QCOMPARE(nodeById(view, QStringLiteral("p-c"))->pos(), QPointF(0, 640));
}

void tst_GraphDialog::ruleClickMovesTheHighlight()
{
    showDialog();
    m_dialog->drawGraph(m_chain.solution);
    LayeredGraphWidget *view = m_dialog->getOverview();
    auto node = [view](const char *n_id) { return nodeById(view, QString::fromLatin1(n_id)); };
    const EdgeItem *aToR1 = view->getInputEdges().at(0);
    const EdgeItem *r1ToB = view->getOutputEdges().at(0);
    const EdgeItem *bToR2 = view->getInputEdges().at(1);
    const EdgeItem *r2ToC = view->getOutputEdges().at(1);

    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, pointOf(view, node("r-1")));
    QVERIFY(node("r-1")->isSelected());
    QVERIFY(aToR1->isPickedOut() && r1ToB->isPickedOut());
    QCOMPARE(aToR1->getEdgeColor(), QColor(60, 179, 113)); // into the clicked rule: green
    QCOMPARE(r1ToB->getEdgeColor(), QColor(255, 0, 0));    // out of it: red
    QCOMPARE(aToR1->getLineWidth(), 3.6);
    QVERIFY(node("p-a")->isPickedOut() && node("p-b")->isPickedOut());
    QVERIFY(!node("r-1")->isPickedOut());
    QVERIFY(!bToR2->isPickedOut() && !r2ToC->isPickedOut());

    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, pointOf(view, node("r-2")));
    QVERIFY(!aToR1->isPickedOut() && !r1ToB->isPickedOut());
    QCOMPARE(aToR1->getEdgeColor(), QColor(0, 0, 0));
    QCOMPARE(aToR1->getLineWidth(), 1.2);
    QVERIFY(!node("p-a")->isPickedOut());
    QVERIFY(bToR2->isPickedOut() && r2ToC->isPickedOut());
    QVERIFY(node("p-b")->isPickedOut() && node("p-c")->isPickedOut());

    // A parameter click selects it and leaves the rule highlight alone.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, pointOf(view, node("p-a")));
    QVERIFY(node("p-a")->isSelected());
    QVERIFY(bToR2->isPickedOut() && r2ToC->isPickedOut());
    QVERIFY(!aToR1->isPickedOut());
}

void tst_GraphDialog::parameterClicksOnlySelectAndSignal()
{
    showDialog();
    m_dialog->drawGraph(m_chain.solution);
    LayeredGraphWidget *view = m_dialog->getOverview();
    auto *node = dynamic_cast<ParameterItem *>(nodeById(view, QStringLiteral("p-b")));
    QSignalSpy clicks(node, &ParameterItem::onClick);
    QSignalSpy doubleClicks(node, &ParameterItem::onDoubleClick);
    const QPoint point = pointOf(view, node);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(doubleClicks.count(), 1);
    QVERIFY(node->isSelected());
    for (const EdgeItem *edge : itemsOf<EdgeItem>(view))
        QVERIFY(!edge->isPickedOut());
    QVERIFY(view->isVisible()); // a parameter's double click switches nothing
}

void tst_GraphDialog::repaintsOnItsOwnOnlyWhileAButtonIsHeld()
{
    showDialog();
    m_dialog->drawGraph(m_chain.solution);
    LayeredGraphWidget *view = m_dialog->getOverview();
    QCOMPARE(view->viewportUpdateMode(), QGraphicsView::NoViewportUpdate);
    const QPoint point = pointOf(view, nodeById(view, QStringLiteral("r-1")));
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    QCOMPARE(view->viewportUpdateMode(), QGraphicsView::FullViewportUpdate);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    QCOMPARE(view->viewportUpdateMode(), QGraphicsView::NoViewportUpdate);
}

// Press and release handled before the scene reports its change, as a quick click or a tap comes:
// the highlight is drawn all the same.
void tst_GraphDialog::quickClickShowsTheHighlight()
{
    showDialog();
    m_dialog->drawGraph(m_chain.solution);
    LayeredGraphWidget *view = m_dialog->getOverview();
    QApplication::processEvents();
    struct PaintCounter : QObject
    {
        bool eventFilter(QObject *, QEvent *n_event) override
        {
            paints += n_event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
        int paints = 0;
    } counter;
    view->viewport()->installEventFilter(&counter);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      pointOf(view, nodeById(view, QStringLiteral("r-1"))));
    QVERIFY(view->getInputEdges().at(0)->isPickedOut());
    QTRY_VERIFY(counter.paints > 0);
}

void tst_GraphDialog::wheelZoomsWithinLimits_data()
{
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("zoomingSteps");
    QTest::addColumn<double>("finalScale");
    QTest::newRow("forward") << 120 << 94 << 98.1;
    QTest::newRow("backward") << -120 << 54 << 0.0717;
    QTest::newRow("no delta zooms out") << 0 << 54 << 0.0717;
}

void tst_GraphDialog::wheelZoomsWithinLimits()
{
    QFETCH(int, delta);
    QFETCH(int, zoomingSteps);
    QFETCH(double, finalScale);
    showDialog();
    m_dialog->drawGraph(m_chain.solution);
    LayeredGraphWidget *view = m_dialog->getOverview();
    for (int step = 1; step <= zoomingSteps; ++step) {
        const double before = view->transform().m11();
        wheel(view, delta);
        QVERIFY2(view->transform().m11() != before, qPrintable(QString::number(step)));
    }
    QVERIFY(qAbs(view->transform().m11() - finalScale) < 0.001 * finalScale + 0.0001);
    const QTransform limit = view->transform();
    wheel(view, delta);
    QCOMPARE(view->transform(), limit);
}

void tst_GraphDialog::doubleClickShowsOneRuleAndBack()
{
    showDialog();
    m_dialog->drawGraph(m_chain.solution);
    LayeredGraphWidget *overview = m_dialog->getOverview();
    LayeredGraphWidget *single = m_dialog->getSingleRuleView();
    doubleClick(overview, QStringLiteral("r-2"));
    QVERIFY(!overview->isVisible() && !overview->isActive());
    QVERIFY(single->isVisible() && single->isActive());
    QCOMPARE(nodeIds(single),
             QStringList({QStringLiteral("p-b"), QStringLiteral("p-c"), QStringLiteral("r-2")}));
    QCOMPARE(single->getInputEdges().size(), 1);
    QCOMPARE(single->getOutputEdges().size(), 1);
    // The single rule shows the plain text of the values and the rule's description over its code.
    QCOMPARE(valueShown(nodeById(single, QStringLiteral("p-b"))), QStringLiteral("2"));
    QCOMPARE(nodeById(single, QStringLiteral("r-2"))->getLabelName(),
             QStringLiteral("Thirds b\ny = x / 3;"));
    QCOMPARE(m_boxes, 0);

    doubleClick(single, QStringLiteral("r-2"));
    QVERIFY(overview->isVisible() && overview->isActive());
    QVERIFY(!single->isVisible() && !single->isActive());
    QCOMPARE(itemsOf<BaseNode>(overview).size(), 5);

    // Another rule after returning: the single view holds that rule alone.
    doubleClick(overview, QStringLiteral("r-1"));
    QCOMPARE(nodeIds(single),
             QStringList({QStringLiteral("p-a"), QStringLiteral("p-b"), QStringLiteral("r-1")}));
}

void tst_GraphDialog::switchLeavesNoMouseGrabBehind()
{
    // The release of a double click that switched views never reaches the view that went back.
    showDialog();
    m_dialog->drawGraph(m_chain.solution);
    LayeredGraphWidget *overview = m_dialog->getOverview();
    LayeredGraphWidget *single = m_dialog->getSingleRuleView();
    auto switchFrom = [](LayeredGraphWidget *n_view, const char *n_id) {
        const QPoint point = pointOf(n_view, nodeById(n_view, QString::fromLatin1(n_id)));
        QTest::mouseClick(n_view->viewport(), Qt::LeftButton, Qt::NoModifier, point);
        QTest::mouseDClick(n_view->viewport(), Qt::LeftButton, Qt::NoModifier, point);
        QApplication::processEvents();
    };
    switchFrom(overview, "r-2");
    QVERIFY(single->isActive());
    switchFrom(single, "r-2");
    QVERIFY(overview->isActive());
    // A later click on another rule reaches that rule, not the one double-clicked before.
    const BaseNode *r1 = nodeById(overview, QStringLiteral("r-1"));
    QTest::mouseClick(overview->viewport(), Qt::LeftButton, Qt::NoModifier, pointOf(overview, r1));
    QVERIFY(overview->getInputEdges().at(0)->isPickedOut());
    QVERIFY(!overview->getOutputEdges().at(1)->isPickedOut());
}

void tst_GraphDialog::runWhileSingleRuleInFrontDrawsNothing()
{
    showDialog();
    m_dialog->drawGraph(m_chain.solution);
    LayeredGraphWidget *overview = m_dialog->getOverview();
    const BaseNode *before = nodeById(overview, QStringLiteral("p-c"));
    doubleClick(overview, QStringLiteral("r-1"));
    m_chain.solve(4.0);
    m_dialog->drawGraph(m_chain.solution);
    QCOMPARE(nodeById(overview, QStringLiteral("p-c")), before);
    QCOMPARE(valueShown(before), QStringLiteral("0.666666666666667"));
    doubleClick(m_dialog->getSingleRuleView(), QStringLiteral("r-1"));
    QVERIFY(overview->isActive());
    QCOMPARE(nodeById(overview, QStringLiteral("p-c")), before);
}

void tst_GraphDialog::clearingBringsTheOverviewBack()
{
    showDialog();
    m_dialog->drawGraph(m_chain.solution);
    doubleClick(m_dialog->getOverview(), QStringLiteral("r-1"));
    QVERIFY(m_dialog->getSingleRuleView()->isActive());
    m_dialog->deleteAlgorithm();
    QVERIFY(m_dialog->getOverview()->isVisible() && m_dialog->getOverview()->isActive());
    QVERIFY(!m_dialog->getSingleRuleView()->isVisible()
            && !m_dialog->getSingleRuleView()->isActive());
    QVERIFY(itemsOf<BaseNode>(m_dialog->getOverview()).isEmpty());
    QVERIFY(itemsOf<BaseNode>(m_dialog->getSingleRuleView()).isEmpty());
    // The next run is drawn again.
    m_dialog->drawGraph(m_chain.solution);
    QCOMPARE(itemsOf<BaseNode>(m_dialog->getOverview()).size(), 5);
}

void tst_GraphDialog::doubleClickOnVanishedElementKeepsTheOverview_data()
{
    QTest::addColumn<bool>("deleteRule"); // else its output parameter
    QTest::newRow("rule deleted") << true;
    QTest::newRow("output parameter deleted") << false;
}

void tst_GraphDialog::doubleClickOnVanishedElementKeepsTheOverview()
{
    QFETCH(bool, deleteRule);
    showDialog();
    m_dialog->drawGraph(m_chain.solution);
    if (deleteRule)
        m_chain.root->deleteRuleFromClass(QStringLiteral("r-2"), true);
    else
        m_chain.root->deleteParameterFromClass(m_chain.root->getParameter(QStringLiteral("p-c")),
                                               true);
    doubleClick(m_dialog->getOverview(), QStringLiteral("r-2"));
    QCOMPARE(m_boxes, 1);
    QVERIFY(m_dialog->getOverview()->isVisible() && m_dialog->getOverview()->isActive());
    QVERIFY(!m_dialog->getSingleRuleView()->isVisible());
    QCOMPARE(itemsOf<BaseNode>(m_dialog->getOverview()).size(), 5);
}

void tst_GraphDialog::redrawsLeakNoNodes()
{
    const int before = BaseNode::liveCount();
    m_dialog->drawGraph(m_chain.solution);
    // Five drawn; r-2's own node for b was not placed and is gone already.
    QCOMPARE(BaseNode::liveCount() - before, 5);
    for (int i = 0; i < 50; ++i)
        m_dialog->drawGraph(m_chain.solution);
    QCOMPARE(BaseNode::liveCount() - before, 5);
    m_dialog.reset();
    QCOMPARE(BaseNode::liveCount(), before);
}

QTEST_MAIN(tst_GraphDialog)
#include "tst_graphdialog.moc"
