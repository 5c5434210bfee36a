#include "graphVisualization/EdgeItem.h"
#include "graphVisualization/Layer.h"
#include "graphVisualization/ParameterItem.h"
#include "graphVisualization/RuleItem.h"

#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/RuleModel.h"
#include "model/OstraClass.h"

#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

QSharedPointer<ParameterModel> parameter(const QString &n_id, const QString &n_name)
{
    auto made = QSharedPointer<ParameterModel>::create();
    made->setId(n_id);
    made->setShortName(n_name);
    return made;
}

QSharedPointer<RuleModel> rule(const QString &n_id, const QString &n_description)
{
    auto made = QSharedPointer<RuleModel>::create();
    made->setId(n_id);
    made->setDescription(n_description);
    return made;
}

QString letters(int n_count)
{
    QString text;
    for (int i = 0; i < n_count; ++i)
        text += QChar(QLatin1Char('a' + i % 26));
    return text;
}

EdgeItem *edge(BaseNode *n_source, BaseNode *n_destination)
{
    auto *made = new EdgeItem(n_source, n_destination, Qt::black, Qt::red, Qt::green, 1.2, 18, 2.4);
    n_source->addEdge(made);
    n_destination->addEdge(made);
    return made;
}

bool near(const QPointF &n_a, const QPointF &n_b)
{
    return std::abs(n_a.x() - n_b.x()) < 1e-9 && std::abs(n_a.y() - n_b.y()) < 1e-9;
}

enum class Node { Plain, Parameter, Rule };

BaseNode *makeNode(Node n_kind, const QString &n_id)
{
    switch (n_kind) {
    case Node::Parameter:
        return new ParameterItem(parameter(n_id, n_id), QString());
    case Node::Rule:
        return new RuleUnit(n_id);
    case Node::Plain:
        break;
    }
    return new BaseNode(n_id, Qt::red, Qt::green, Qt::blue, {}, QRectF(-65, -30, 130, 60));
}

} // namespace

Q_DECLARE_METATYPE(Node)

// Stands in for the graph view and the per-frame controller: counts what the rows deliver.
class Receiver : public QObject
{
    Q_OBJECT
public:
    int clicks = 0;
    int doubleClicks = 0;
public slots:
    void RuleClick(RuleItem *) { ++clicks; }
    void ruleDoubleClick(RuleItem *) { ++doubleClicks; }
};

class tst_GraphItems : public QObject
{
    Q_OBJECT

private slots:
    void textsAreShortened_data();
    void textsAreShortened();
    void parameterCaptionNamesItsClass();
    void ruleCaptionHasOneOrTwoLines_data();
    void ruleCaptionHasOneOrTwoLines();
    void tallCaptionShrinksOnceAndKeepsItsScale();

    void endPointsAreClipped_data();
    void endPointsAreClipped();
    void coincidentCentresGiveNoNaN_data();
    void coincidentCentresGiveNoNaN();
    void movedNodeMovesItsArrowsBeforeAnyPaint();
    void highlightOfUnrelatedNodeOnlyRestoresColour();
    void stackingOrder();

    void rowExtentsCountFromZero();
    void rowConnectsRuleNodesOnly();
};

void tst_GraphItems::textsAreShortened_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("kept"); // characters shown before "...", or -1 for the whole text
    QTest::newRow("name 15") << "name" << 15 << -1;
    QTest::newRow("name 16") << "name" << 16 << 15;
    QTest::newRow("value 20") << "value" << 20 << -1;
    QTest::newRow("value 21") << "value" << 21 << 20;
    QTest::newRow("caption 75") << "caption" << 75 << -1;
    QTest::newRow("caption 76") << "caption" << 76 << 75;
    QTest::newRow("description 18") << "description" << 18 << -1;
    QTest::newRow("description 19") << "description" << 19 << 18;
    QTest::newRow("code 18") << "code" << 18 << -1;
    QTest::newRow("code 19") << "code" << 19 << 18;
}

void tst_GraphItems::textsAreShortened()
{
    QFETCH(QString, what);
    QFETCH(int, length);
    QFETCH(int, kept);
    const QString text = letters(length);
    const QString expected = kept < 0 ? text : text.left(kept) + QStringLiteral("...");
    QString shown;
    if (what == QLatin1String("name")) {
        ParameterItem node(parameter(QStringLiteral("p"), QStringLiteral("p")), QString());
        node.setLabelName(text);
        shown = node.getLabelName();
    } else if (what == QLatin1String("value")) {
        ParameterItem node(parameter(QStringLiteral("p"), QStringLiteral("p")), text);
        shown = node.getValueLabel()->toPlainText();
        QCOMPARE(node.getValueLabel()->toolTip(), text); // always the whole value
        QCOMPARE(node.getValueLabel()->parentItem(), &node);
        QCOMPARE(node.getValueLabel()->pos(), QPointF(0, 32));
    } else if (what == QLatin1String("caption")) {
        std::unique_ptr<BaseNode> node(makeNode(Node::Plain, QStringLiteral("n")));
        node->setLabelName(text);
        shown = node->getLabelName();
    } else {
        RuleItem node(rule(QStringLiteral("r"), QString()));
        if (what == QLatin1String("description"))
            node.setLongLabelName(text, QString());
        else
            node.setLongLabelName(QString(), text);
        shown = node.getLabelName();
    }
    QCOMPARE(shown, expected);
}

void tst_GraphItems::parameterCaptionNamesItsClass()
{
    const auto storage = QSharedPointer<RelationsStorage>::create();
    const auto owner = QSharedPointer<OstraClass>::create(QStringLiteral("c"), storage);
    owner->setShortName(QStringLiteral("Pump"));
    const auto owned = parameter(QStringLiteral("p"), QStringLiteral("flow"));
    owned->setDescription(QStringLiteral("Flow through the pump"));
    owner->addParameter(owned);
    ParameterItem inClass(owned, QStringLiteral("1"));
    QCOMPARE(inClass.getLabelName(), QStringLiteral("flow[Pump]"));
    QCOMPARE(inClass.toolTip(), QStringLiteral("Flow through the pump"));
    ParameterItem loose(parameter(QStringLiteral("q"), QStringLiteral("head")),
                        QStringLiteral("1"));
    QCOMPARE(loose.getLabelName(), QStringLiteral("head"));
}

void tst_GraphItems::ruleCaptionHasOneOrTwoLines_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("code"); // as stored; null: no relation
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("both") << "Sums"
                          << "  y = a + b;\n"
                          << "Sums\ny = a + b;"
                          << "Sums";
    QTest::newRow("no description") << ""
                                    << "y = a;"
                                    << "y = a;"
                                    << "y = a;";
    QTest::newRow("no relation") << "Orphan" << QString() << "Orphan"
                                 << "Orphan";
}

void tst_GraphItems::ruleCaptionHasOneOrTwoLines()
{
    QFETCH(QString, description);
    QFETCH(QString, code);
    QFETCH(QString, caption);
    QFETCH(QString, toolTip);
    QSharedPointer<RelationModel> relation;
    if (!code.isNull())
        relation = QSharedPointer<RelationModel>::create(QStringLiteral("rel"), code, nullptr);
    RuleItem node(rule(QStringLiteral("r"), description), relation);
    QCOMPARE(node.getLabelName(), caption);
    QCOMPARE(node.toolTip(), toolTip);
    QVERIFY(!(node.flags() & QGraphicsItem::ItemIsMovable));
    QCOMPARE(node.getNodeType(), int(BaseNode::RULE_NODE));
}

void tst_GraphItems::tallCaptionShrinksOnceAndKeepsItsScale()
{
    std::unique_ptr<BaseNode> node(makeNode(Node::Plain, QStringLiteral("n")));
    QString words;
    for (int i = 0; i < 12; ++i)
        words += QStringLiteral("word ");
    node->setLabelName(words);
    const auto *label = node->childItems().at(0);
    QVERIFY(label->boundingRect().height() > 0.9 * 60);
    QVERIFY(label->scale() < 0.8 && label->scale() > 0.79);
    node->setLabelName(words);
    QVERIFY(label->scale() < 0.8 && label->scale() > 0.79);
    // A short caption keeps the scale it finds.
    node->setLabelName(QStringLiteral("x"));
    QVERIFY(label->scale() < 0.8);
}

void tst_GraphItems::endPointsAreClipped_data()
{
    QTest::addColumn<Node>("source");
    QTest::addColumn<Node>("destination");
    QTest::addColumn<QPointF>("destinationPosition");
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QPointF>("end");
    // Parameters: half a node width along a horizontal line.
    QTest::newRow("parameters on a line") << Node::Parameter << Node::Parameter << QPointF(300, 0)
                                          << QPointF(65, 0) << QPointF(235, 0);
    // Parameters on a slant: half the width and half the height along the direction.
    QTest::newRow("parameters on a slant")
        << Node::Parameter << Node::Parameter << QPointF(300, 400) << QPointF(39, 24)
        << QPointF(261, 376);
    // Rules: exactly on the sides.
    QTest::newRow("rules on a line")
        << Node::Rule << Node::Rule << QPointF(300, 0) << QPointF(65, 0) << QPointF(235, 0);
    QTest::newRow("rules below") << Node::Rule << Node::Rule << QPointF(0, 160) << QPointF(0, 30)
                                 << QPointF(0, 130);
    // Through the corners (65, 30) and (195, 90).
    QTest::newRow("rules corner to corner")
        << Node::Rule << Node::Rule << QPointF(260, 120) << QPointF(65, 30) << QPointF(195, 90);
    QTest::newRow("parameter to rule")
        << Node::Parameter << Node::Rule << QPointF(0, 160) << QPointF(0, 30) << QPointF(0, 130);
}

void tst_GraphItems::endPointsAreClipped()
{
    QFETCH(Node, source);
    QFETCH(Node, destination);
    QFETCH(QPointF, destinationPosition);
    QFETCH(QPointF, start);
    QFETCH(QPointF, end);
    std::unique_ptr<BaseNode> from(makeNode(source, QStringLiteral("s")));
    std::unique_ptr<BaseNode> to(makeNode(destination, QStringLiteral("d")));
    to->setPos(destinationPosition);
    std::unique_ptr<EdgeItem> arrow(edge(from.get(), to.get()));
    QVERIFY2(
        near(arrow->sourcePoint(), start),
        qPrintable(
            QStringLiteral("%1,%2").arg(arrow->sourcePoint().x()).arg(arrow->sourcePoint().y())));
    QVERIFY2(near(arrow->destinationPoint(), end),
             qPrintable(QStringLiteral("%1,%2")
                            .arg(arrow->destinationPoint().x())
                            .arg(arrow->destinationPoint().y())));
}

void tst_GraphItems::coincidentCentresGiveNoNaN_data()
{
    QTest::addColumn<Node>("kind");
    QTest::newRow("parameters") << Node::Parameter;
    QTest::newRow("rules") << Node::Rule;
}

void tst_GraphItems::coincidentCentresGiveNoNaN()
{
    QFETCH(Node, kind);
    std::unique_ptr<BaseNode> from(makeNode(kind, QStringLiteral("s")));
    std::unique_ptr<BaseNode> to(makeNode(kind, QStringLiteral("d")));
    from->setPos(40, 80);
    to->setPos(40, 80);
    std::unique_ptr<EdgeItem> arrow(edge(from.get(), to.get()));
    QCOMPARE(arrow->sourcePoint(), QPointF(40, 80));
    QCOMPARE(arrow->destinationPoint(), QPointF(40, 80));
    const QRectF box = arrow->boundingRect();
    QVERIFY(std::isfinite(box.x()) && std::isfinite(box.width()));
    // Painting a zero-length arrow draws nothing and does not fail.
    QImage image(50, 50, QImage::Format_ARGB32);
    QPainter painter(&image);
    arrow->paint(&painter, nullptr, nullptr);
}

void tst_GraphItems::movedNodeMovesItsArrowsBeforeAnyPaint()
{
    QGraphicsScene scene;
    BaseNode *from = makeNode(Node::Plain, QStringLiteral("s"));
    BaseNode *to = makeNode(Node::Plain, QStringLiteral("d"));
    to->setPos(300, 0);
    EdgeItem *arrow = edge(from, to);
    scene.addItem(from);
    scene.addItem(to);
    scene.addItem(arrow);
    QVERIFY(from->flags() & QGraphicsItem::ItemIsMovable); // plain nodes move; graph nodes never do
    to->setPos(0, 300);
    QVERIFY(near(arrow->destinationPoint(), QPointF(0, 270)));
    QVERIFY(near(arrow->sourcePoint(), QPointF(0, 30)));
    QVERIFY(arrow->boundingRect().contains(QPointF(0, 200)));
}

void tst_GraphItems::highlightOfUnrelatedNodeOnlyRestoresColour()
{
    std::unique_ptr<BaseNode> from(makeNode(Node::Plain, QStringLiteral("s")));
    std::unique_ptr<BaseNode> to(makeNode(Node::Plain, QStringLiteral("d")));
    std::unique_ptr<BaseNode> other(makeNode(Node::Plain, QStringLiteral("o")));
    std::unique_ptr<EdgeItem> arrow(edge(from.get(), to.get()));
    arrow->setPickedOut(from.get());
    QCOMPARE(arrow->getEdgeColor(), QColor(Qt::red));
    QVERIFY(to->isPickedOut() && !from->isPickedOut());
    arrow->setPickedOut(other.get());
    QVERIFY(!arrow->isPickedOut());
    QCOMPARE(arrow->getEdgeColor(), QColor(Qt::black));
    QCOMPARE(arrow->getLineWidth(), 3.6); // the width stays
    arrow->setUnPickedOut();
    QCOMPARE(arrow->getLineWidth(), 1.2);
    QVERIFY(!to->isPickedOut());
}

void tst_GraphItems::stackingOrder()
{
    std::unique_ptr<BaseNode> from(makeNode(Node::Parameter, QStringLiteral("s")));
    std::unique_ptr<BaseNode> to(makeNode(Node::Rule, QStringLiteral("d")));
    to->setPos(0, 160);
    std::unique_ptr<EdgeItem> arrow(edge(from.get(), to.get()));
    QCOMPARE(from->zValue(), -1.0);
    QCOMPARE(arrow->zValue(), -20.0);
    arrow->setPickedOut(from.get());
    QCOMPARE(arrow->zValue(), 10.0);
    QCOMPARE(to->zValue(), 50.0);
    // A highlighted rule highlights its own arrows too.
    QVERIFY(arrow->isPickedOut());
    arrow->setUnPickedOut();
    QCOMPARE(arrow->zValue(), -20.0);
    QCOMPARE(to->zValue(), -1.0);
}

void tst_GraphItems::rowExtentsCountFromZero()
{
    Layer row;
    QCOMPARE(row.getRuleX(), 0.0);
    QCOMPARE(row.getRuleY(), 0.0);
    QVERIFY(row.getRuleName().isEmpty() && !row.getRuleName().isNull());
    row.Delete(); // empty: nothing happens

    BaseNode *left = makeNode(Node::Parameter, QStringLiteral("l"));
    left->setPos(-150, 0);
    BaseNode *further = makeNode(Node::Parameter, QStringLiteral("f"));
    further->setPos(-300, 0);
    row.AddItem(left);
    row.AddItem(further);
    QCOMPARE(row.getRuleX(), 0.0);
    QCOMPARE(row.getRightBorder(), 0.0);

    BaseNode *ruleNode = makeNode(Node::Rule, QStringLiteral("r"));
    ruleNode->setPos(300, 480);
    BaseNode *parameterNode = new ParameterItem(
        parameter(QStringLiteral("p"), QStringLiteral("pressure")), QString());
    parameterNode->setPos(150, 640);
    row.AddItem(ruleNode);
    row.AddItem(parameterNode);
    QCOMPARE(row.getRuleX(), 300.0);
    QCOMPARE(row.getRuleY(), 640.0);
    QCOMPARE(row.getRuleName(), QStringLiteral("pressure"));
    QVERIFY(row.FindItem(QStringLiteral("r")) != row.End());
    QVERIFY(row.FindItem(QStringLiteral("x")) == row.End());

    const int live = BaseNode::liveCount();
    row.Delete();
    QCOMPARE(BaseNode::liveCount(), live - 4);
    QCOMPARE(row.getRuleY(), 640.0); // the extents stay
}

void tst_GraphItems::rowConnectsRuleNodesOnly()
{
    Layer row;
    auto *ruleNode = new RuleItem(rule(QStringLiteral("r"), QStringLiteral("R")));
    auto *parameterNode = new ParameterItem(parameter(QStringLiteral("p"), QStringLiteral("p")),
                                            QString());
    parameterNode->setPos(150, 0);
    row.AddItem(ruleNode);
    row.AddItem(parameterNode);
    Receiver receiver;
    row.ConnectRuleClick(&receiver);
    row.ConnectRuleClick(&receiver);
    row.ConnectRuleDoubleClick(&receiver);
    emit ruleNode->onClick(ruleNode);
    emit ruleNode->onDoubleClick(ruleNode);
    QCOMPARE(receiver.clicks, 2); // connected twice, delivered twice
    QCOMPARE(receiver.doubleClicks, 1);
    row.Delete();
}

QTEST_MAIN(tst_GraphItems)
#include "tst_graphitems.moc"
