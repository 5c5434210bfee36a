#include "LayeredGraphWidget.h"

#include "EdgeItem.h"
#include "MessageBoxes.h"
#include "ParameterItem.h"
#include "RuleItem.h"
#include "SlotGuard.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RuleModel.h"
#include "errors/PointerIsNull.h"
#include "model/OstraClass.h"
#include "solver/AlgorithmSolution.h"

#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWheelEvent>
#include <QtMath>

#include <memory>

namespace {
const double MIN_FACTOR = 0.08;
const double MAX_FACTOR = 50;
const double MIN_SCALE = 0.07;
const double MAX_SCALE = 100;
const double ZOOM_STEP = 1.05;

const QColor EDGE_COLOUR(0, 0, 0);
const QColor SOURCE_PICKED_COLOUR(255, 0, 0);
const QColor DESTINATION_PICKED_COLOUR(60, 179, 113);
const double EDGE_WIDTH = 1.2;
const double ARROW_SIZE = 18;
const double ARROW_ANGLE_DIVISOR = 2.4;

const int PAGE_GAP = 10;
const int TOP_MARGIN_SHIFT = 65;
const int LEFT_START = -99;
const int FIRST_TILE_EXTRA = 101;
const int TILE_OVERLAP = 2;
const int FOOTER_X = 80;
const int FOOTER_Y = 10;

QRect pageRectOf(QPrinter *n_printer)
{
    return n_printer->pageRect(QPrinter::DevicePixel).toRect();
}

// What the left and right margins take from a page's width, each margin truncated.
int marginsWidth(const QMarginsF &n_margins)
{
    return static_cast<int>(n_margins.left()) + static_cast<int>(n_margins.right());
}

// A parameter node as the graph shows it: caption and tool tip the short name.
ParameterItem *newParameterNode(const QSharedPointer<ParameterModel> &n_parameter,
                                const QString &n_value)
{
    auto *node = new ParameterItem(n_parameter, n_value);
    node->setLabelName(n_parameter->getShortName());
    return node;
}

// A node for each parameter a rule reads or writes: its value shown, its name as the tooltip.
QVector<BaseNode *> *parameterNodes(
    const QHash<QString, QSharedPointer<ParameterModel>> &n_parameters)
{
    auto *nodes = new QVector<BaseNode *>();
    for (const QSharedPointer<ParameterModel> &parameter : n_parameters) {
        if (parameter.isNull())
            continue;
        ParameterItem *node = newParameterNode(parameter, parameter->getValueStr());
        node->setToolTip(parameter->getShortName());
        nodes->append(node);
    }
    return nodes;
}
} // namespace

LayeredGraphWidget::LayeredGraphWidget(QSharedPointer<OstraClass> n_class, QWidget *n_parent)
    : QGraphicsView(n_parent), m_scene(new QGraphicsScene(this)), m_class(std::move(n_class))
{
    m_scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(m_scene);
    setRenderHint(QPainter::Antialiasing);
    setTransformationAnchor(AnchorUnderMouse);
    setDragMode(ScrollHandDrag);
    setInteractive(true);
    setViewportUpdateMode(NoViewportUpdate);
}

LayeredGraphWidget::~LayeredGraphWidget()
{
    DeleteAlgorithmItem();
    delete m_previewDialog;
}

void LayeredGraphWidget::updateOstraData(QSharedPointer<OstraClass> n_class)
{
    m_class = std::move(n_class);
}

void LayeredGraphWidget::replaceScene()
{
    DeleteAlgorithmItem();
    delete m_scene;
    m_scene = new QGraphicsScene(this);
    m_scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(m_scene);
}

void LayeredGraphWidget::ChangeDataFromTestActions(AlgorithmSolution &n_solution, RuleKind n_kind)
{
    replaceScene();
    const QList<QSharedPointer<RuleModel>> rules = n_solution.getRulesOrder();
    for (const QSharedPointer<RuleModel> &rule : rules) {
        if (rule.isNull())
            continue;
        std::unique_ptr<QVector<BaseNode *>> inputs(createInputParameterItems(n_solution, rule));
        BaseNode *ruleNode = createRuleItem(rule, n_kind);
        std::unique_ptr<QVector<BaseNode *>> outputs(createOutputParameterItems(n_solution, rule));
        placeRule(inputs.get(), ruleNode, outputs.get());
    }
    m_layers.AddToScene(m_scene);
    addEdgesToScene();
}

void LayeredGraphWidget::placeRule(QVector<BaseNode *> *n_inputs, BaseNode *n_rule,
                                   QVector<BaseNode *> *n_outputs)
{
    createEdgeItems(m_layers.AddSingeAlgorithmItems(n_inputs, n_rule, n_outputs));
}

void LayeredGraphWidget::AddSingeAlgorithmItem(const RuleItem *n_clicked)
{
    if (m_class.isNull())
        throw PointerIsNull(QStringLiteral("LayeredGraphWidget"),
                            QStringLiteral("AddSingeAlgorithmItem"),
                            QSharedPointer<ExceptionOstra>());
    const QSharedPointer<RuleModel> rule = m_class->getRule(n_clicked->getId());
    QSharedPointer<RelationModel> relation;
    if (!rule->getRelationPtr().isNull())
        relation = m_class->getRelationPtr(rule->getRelationName());

    struct Found
    {
        QSharedPointer<ParameterModel> parameter;
        QString value;
    };
    QVector<Found> inputs;
    QVector<Found> outputs;
    for (BaseEdge *edge : n_clicked->getEdges()) {
        const bool output = edge->getSoureceNode()->getNodeType() == BaseNode::RULE_NODE;
        if (!output && edge->getSoureceNode()->getNodeType() != BaseNode::PARAMETER_NODE)
            continue;
        auto *node = dynamic_cast<ParameterUnit *>(output ? edge->getDestinationNode()
                                                          : edge->getSoureceNode());
        if (node == nullptr)
            continue;
        const QSharedPointer<ParameterModel> own = node->getParameter();
        const QString value = own.isNull() ? QString() : own->getValue().toString();
        (output ? outputs : inputs).append(Found{m_class->getParameter(node->getId()), value});
    }

    replaceScene();
    auto make = [](const QVector<Found> &n_found) {
        auto *nodes = new QVector<BaseNode *>();
        for (const Found &found : n_found)
            nodes->append(newParameterNode(found.parameter, found.value));
        return nodes;
    };
    std::unique_ptr<QVector<BaseNode *>> inputNodes(make(inputs));
    auto *ruleNode = new RuleItem(rule, relation);
    std::unique_ptr<QVector<BaseNode *>> outputNodes(make(outputs));
    placeRule(inputNodes.get(), ruleNode, outputNodes.get());
    m_layers.AddToScene(m_scene);
    addEdgesToScene();
}

void LayeredGraphWidget::DeleteAlgorithmItem()
{
    // What stands in the scene goes in one sweep of the scene: taken out one by one, every item
    // would cost a scan of the unindexed scene's item list, quadratic on a large graph.
    m_layers.Release(m_scene);
    for (QVector<EdgeItem *> *edges : {&m_inputEdges, &m_outputEdges}) {
        for (EdgeItem *edge : qAsConst(*edges))
            if (edge->scene() != m_scene)
                delete edge;
        edges->clear();
    }
    m_scene->clear();
    m_lastClickedRule = nullptr;
}

void LayeredGraphWidget::ConnectRuleClick()
{
    m_layers.ConnectRuleClick(this);
}

void LayeredGraphWidget::ConnectRuleDoubleClick(QObject *n_receiver)
{
    m_layers.ConnectRuleDoubleClick(n_receiver);
}

QVector<BaseNode *> *LayeredGraphWidget::createInputParameterItems(AlgorithmSolution &,
                                                                   QSharedPointer<RuleModel> n_rule)
{
    return parameterNodes(n_rule->getInputParameters());
}

QVector<BaseNode *> *LayeredGraphWidget::createOutputParameterItems(
    AlgorithmSolution &, QSharedPointer<RuleModel> n_rule)
{
    return parameterNodes(n_rule->getOutputParameters());
}

BaseNode *LayeredGraphWidget::createRuleItem(QSharedPointer<RuleModel> n_rule, RuleKind)
{
    auto *node = new RuleItem(n_rule);
    const QString code = RuleItem::codeOf(n_rule->getRelationPtr());
    node->setLongLabelName(n_rule->getDescription(), code);
    node->setToolTip(code);
    return node;
}

void LayeredGraphWidget::createEdgeItems(const SingleAlgorithmItems &n_items)
{
    for (BaseNode *input : n_items.inputs)
        addEdgeFromParamToRule(input, n_items.rule);
    for (BaseNode *output : n_items.outputs)
        addEdgeFromRuleToParam(n_items.rule, output);
}

EdgeItem *LayeredGraphWidget::newEdge(BaseNode *n_source, BaseNode *n_destination)
{
    auto *edge = new EdgeItem(n_source, n_destination, EDGE_COLOUR, SOURCE_PICKED_COLOUR,
                              DESTINATION_PICKED_COLOUR, EDGE_WIDTH, ARROW_SIZE,
                              ARROW_ANGLE_DIVISOR);
    n_source->addEdge(edge);
    n_destination->addEdge(edge);
    return edge;
}

void LayeredGraphWidget::addEdgeFromParamToRule(BaseNode *n_parameter, BaseNode *n_rule)
{
    m_inputEdges.append(newEdge(n_parameter, n_rule));
}

void LayeredGraphWidget::addEdgeFromRuleToParam(BaseNode *n_rule, BaseNode *n_parameter)
{
    m_outputEdges.append(newEdge(n_rule, n_parameter));
}

void LayeredGraphWidget::addEdgesToScene()
{
    for (EdgeItem *edge : qAsConst(m_inputEdges))
        m_scene->addItem(edge);
    for (EdgeItem *edge : qAsConst(m_outputEdges))
        m_scene->addItem(edge);
}

void LayeredGraphWidget::RuleClick(RuleItem *n_item)
{
    SlotGuard::run(
        [&] {
            if (m_lastClickedRule != nullptr) {
                m_lastClickedRule->setUnPickedOut();
                for (BaseEdge *edge : m_lastClickedRule->getEdges())
                    edge->setUnPickedOut();
            }
            n_item->setPickedOutAllEdges();
            m_lastClickedRule = n_item;
        },
        this);
}

void LayeredGraphWidget::scaleView(double n_factor)
{
    const double factor = qBound(MIN_FACTOR, n_factor, MAX_FACTOR);
    const double width = transform().scale(factor, factor).mapRect(QRectF(0, 0, 1, 1)).width();
    if (width < MIN_SCALE || width > MAX_SCALE)
        return;
    scale(factor, factor);
}

void LayeredGraphWidget::zoomIn()
{
    scaleView(ZOOM_STEP);
}

void LayeredGraphWidget::zoomOut()
{
    scaleView(1 / ZOOM_STEP);
}

void LayeredGraphWidget::setActive(bool n_active)
{
    m_active = n_active;
}

bool LayeredGraphWidget::isActive() const
{
    return m_active;
}

const LayersManager &LayeredGraphWidget::getLayersManager() const
{
    return m_layers;
}

QVector<EdgeItem *> LayeredGraphWidget::getInputEdges() const
{
    return m_inputEdges;
}

QVector<EdgeItem *> LayeredGraphWidget::getOutputEdges() const
{
    return m_outputEdges;
}

QPrintPreviewDialog *LayeredGraphWidget::getPreviewDialog() const
{
    return m_previewDialog;
}

void LayeredGraphWidget::mousePressEvent(QMouseEvent *n_event)
{
    // Repaint on every change only while a button is held: that is when highlights change.
    SlotGuard::run(
        [&] {
            setViewportUpdateMode(FullViewportUpdate);
            QGraphicsView::mousePressEvent(n_event);
        },
        this);
}

void LayeredGraphWidget::mouseReleaseEvent(QMouseEvent *n_event)
{
    SlotGuard::run(
        [&] {
            QGraphicsView::mouseReleaseEvent(n_event);
            // The scene reports the press's changes later; a quick click may end before that.
            viewport()->update();
            setViewportUpdateMode(NoViewportUpdate);
        },
        this);
}

void LayeredGraphWidget::wheelEvent(QWheelEvent *n_event)
{
    // The wheel zooms and never scrolls.
    SlotGuard::run(
        [&] {
            if (n_event->angleDelta().y() > 0)
                zoomIn();
            else
                zoomOut();
            n_event->accept();
        },
        this);
}

int LayeredGraphWidget::pagesCount(double n_length, double n_pageLength)
{
    const double quotient = n_length / (n_pageLength - PAGE_GAP);
    const int whole = static_cast<int>(quotient);
    return quotient > whole ? whole + 1 : whole;
}

void LayeredGraphWidget::print()
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    if (m_previewDialog != nullptr) {
        disconnect(m_previewDialog, &QPrintPreviewDialog::paintRequested, this,
                   &LayeredGraphWidget::printerPreview);
        delete m_previewDialog;
    }
    m_previewDialog = new QPrintPreviewDialog(&printer);
    connect(m_previewDialog, &QPrintPreviewDialog::paintRequested, this,
            &LayeredGraphWidget::printerPreview);
    MessageBoxes::execDialog(*m_previewDialog);
}

void LayeredGraphWidget::printerPreview(QPrinter *n_printer)
{
    SlotGuard::run([&] { paintPages(n_printer); }, this);
}

QVector<QRect> LayeredGraphWidget::printTiles(const QRectF &n_extent, const QSize &n_page,
                                              const QMarginsF &n_margins)
{
    const int sides = marginsWidth(n_margins);
    const int top = static_cast<int>(n_margins.top() - TOP_MARGIN_SHIFT);
    // Earlier drawings move a graph right (the layout keeps its right border): the tiles are laid
    // from the items' top-left, wherever that lies.
    const QPoint origin(qFloor(n_extent.left()), qFloor(n_extent.top()));
    const int columns = pagesCount(n_extent.width(), n_page.width());
    const int rows = pagesCount(n_extent.height(), n_page.height());
    if (columns * rows < FOR_PAGES_COVER)
        return {QRect(LEFT_START, top, n_page.width() + FIRST_TILE_EXTRA - sides, n_page.height())
                    .translated(origin)};

    QVector<QRect> tiles;
    for (int row = 0; row < rows; ++row) {
        const int yTop = top + row * n_page.height();
        int xLeft = LEFT_START;
        int xRight = n_page.width() + TILE_OVERLAP - sides;
        for (int column = 0; column < columns; ++column) {
            tiles.append(QRect(xLeft, yTop, xRight - xLeft, n_page.height()).translated(origin));
            xLeft = xRight - TILE_OVERLAP;
            xRight += n_page.width();
        }
    }
    return tiles;
}

void LayeredGraphWidget::paintPages(QPrinter *n_printer)
{
    const QMarginsF margins = n_printer->pageLayout().margins();
    const QRect page = pageRectOf(n_printer);
    const QVector<QRect> tiles = printTiles(m_scene->itemsBoundingRect(), page.size(), margins);

    m_scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    QGraphicsView renderer(m_scene);
    // Tiles are given in scene coordinates: pin the view's origin to the scene's, whatever its
    // size and scroll range would make of it.
    renderer.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    renderer.setSceneRect(QRectF(0, 0, 1, 1));
    QPainter painter;
    painter.begin(n_printer); // a failed begin leaves nothing to paint on; the preview stays empty
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QRectF target(0, 0, page.width() - PAGE_GAP - marginsWidth(margins), page.height());

    if (tiles.size() < FOR_PAGES_COVER) {
        renderer.render(&painter, target, tiles.first());
        painter.end();
        return;
    }

    const bool ranged = n_printer->printRange() == QPrinter::PageRange;
    bool pageRendered = false;
    QGraphicsSimpleTextItem footer;
    for (int number = 1; number <= tiles.size(); ++number) {
        if (ranged && (number < n_printer->fromPage() || number > n_printer->toPage()))
            continue;
        if (pageRendered)
            n_printer->newPage();
        pageRendered = true;
        const QRect &tile = tiles.at(number - 1);
        footer.setText(tr("Page #") + QString::number(number) + QStringLiteral(" of ")
                       + QString::number(tiles.size()));
        footer.setPos(tile.x() + tile.width() - FOOTER_X, tile.y() + tile.height() - FOOTER_Y);
        m_scene->addItem(&footer);
        renderer.render(&painter, target, tile);
        m_scene->removeItem(&footer);
    }
    painter.end();
}
