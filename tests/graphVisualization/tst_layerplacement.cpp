#include "graphVisualization/LayerPlacement.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>

namespace {

QVector<QString> ids(const char *n_spaceSeparated)
{
    QVector<QString> list;
    for (const QString &id :
         QString::fromLatin1(n_spaceSeparated).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        list.append(id);
    return list;
}

QPointF at(const LayerPlacement &n_layout, int n_handle)
{
    return n_layout.position(n_handle);
}

// The placing procedure written the plain way, scans and all, with the two mends (every input id
// must stand somewhere for the "all known" road; one node per id and rule). The fast layout must
// agree with it on every node.
class PlainLayout
{
public:
    struct Node
    {
        QString id;
        QPointF position;
        int row;
    };
    struct Row
    {
        double rightBorder = 0.0;
        double maxX = 0.0;
        double maxY = 0.0;
        QHash<QString, int> items;
    };
    struct Result
    {
        QVector<int> sources;
        int rule = -1;
        QVector<int> targets;
    };

    QVector<Node> nodes;
    QVector<Row> rows;
    double rightBorder = 0.0;

    void clear()
    {
        nodes.clear();
        rows.clear();
    }

    Result place(const QVector<QString> &n_inputs, const QString &n_rule,
                 const QVector<QString> &n_outputs)
    {
        Result result;
        const QVector<QString> inputs = distinct(n_inputs);
        QVector<int> found;
        bool allFound = true;
        for (const QString &id : inputs) {
            bool any = false;
            for (const Row &row : rows) {
                if (row.items.contains(id)) {
                    found.append(row.items.value(id));
                    any = true;
                }
            }
            allFound = allFound && any;
        }
        QPointF first;
        QPointF last;
        quint32 level = 0;
        if (found.isEmpty()) {
            const bool fresh = rows.isEmpty();
            QPointF point(fresh ? rightBorder : rightBorder + 150.0, 0.0);
            first = point;
            int row = 0;
            if (fresh) {
                rows.append(Row());
                row = rows.size() - 1;
            }
            for (const QString &id : inputs) {
                result.sources.append(file(id, point, row));
                point.rx() += 150.0;
            }
            last = QPointF(point.x() - 150.0, 0.0);
        } else if (allFound) {
            double bottom = 0.0;
            for (int handle : found)
                bottom = std::max(bottom, nodes.at(handle).position.y());
            result.sources = found;
            result.rule = placeRule(
                n_rule,
                (nodes.at(found.first()).position.x() + nodes.at(found.last()).position.x()) / 2.0,
                bottom + 160.0);
        } else {
            const QPointF anchor = nodes.at(found.last()).position;
            level = quint32(anchor.y() / 160.0);
            rows.append(Row());
            const int row = rows.size() - 1;
            QPointF point(rightBorder + 150.0, level * 160.0);
            result.sources = found;
            for (const QString &id : inputs) {
                if (std::none_of(found.begin(), found.end(),
                                 [&](int h) { return nodes.at(h).id == id; })) {
                    result.sources.append(file(id, point, row));
                    point.rx() += 150.0;
                }
            }
            first = anchor;
            last = QPointF(point.x() - 150.0, level * 160.0);
        }
        if (result.rule < 0)
            result.rule = placeRule(n_rule, (first.x() + last.x()) * 0.5, (level + 1) * 160.0);

        const QVector<QString> outputs = distinct(n_outputs);
        const int n = outputs.size();
        const QPointF rule = nodes.at(result.rule).position;
        QPointF point(rule.x() - ((n - 1) * 150.0 + n * 60.0 - 60.0) / 2, rule.y() + 160.0);
        rows.append(Row());
        const int row = rows.size() - 1;
        for (const QString &id : outputs) {
            result.targets.append(file(id, point, row));
            point.rx() += 150.0;
        }
        return result;
    }

private:
    static QVector<QString> distinct(const QVector<QString> &n_ids)
    {
        QVector<QString> list;
        for (const QString &id : n_ids)
            if (!list.contains(id))
                list.append(id);
        return list;
    }

    int file(const QString &n_id, const QPointF &n_point, int n_row)
    {
        nodes.append(Node{n_id, n_point, n_row});
        Row &row = rows[n_row];
        row.items.insert(n_id, nodes.size() - 1);
        row.rightBorder = std::max(row.rightBorder, n_point.x());
        row.maxX = std::max(row.maxX, n_point.x());
        row.maxY = std::max(row.maxY, n_point.y());
        rightBorder = std::max(rightBorder, row.rightBorder);
        return nodes.size() - 1;
    }

    int placeRule(const QString &n_rule, double n_x, double n_y)
    {
        for (;;) {
            int count = 0;
            for (const Row &row : rows)
                if (row.maxY > n_y - 40.0 && row.maxY < n_y + 40.0 && row.maxX >= n_x - 160.0
                    && row.maxX <= n_x + 160.0)
                    ++count;
            if (count == 0)
                break;
            n_x += count * 150.0;
        }
        rows.append(Row());
        return file(n_rule, QPointF(n_x, n_y), rows.size() - 1);
    }
};

} // namespace

class tst_LayerPlacement : public QObject
{
    Q_OBJECT

private slots:
    void workedExample();
    void ruleWithoutInputs_data();
    void ruleWithoutInputs();
    void outputsStandCentredBelowTheRule_data();
    void outputsStandCentredBelowTheRule();
    void collisionShiftRepeats();
    void clearKeepsTheRightBorder();
    void parameterStandingTwiceDoesNotHideAMissingInput();
    void idGivenTwiceGetsOneNode_data();
    void idGivenTwiceGetsOneNode();
    void agreesWithThePlainProcedure_data();
    void agreesWithThePlainProcedure();
};

void tst_LayerPlacement::workedExample()
{
    LayerPlacement layout;
    const auto r1 = layout.placeRule(ids("a b"), QStringLiteral("R1"), ids("c"));
    QCOMPARE(at(layout, r1.inputHandles.at(0)), QPointF(0, 0));
    QCOMPARE(at(layout, r1.inputHandles.at(1)), QPointF(150, 0));
    QCOMPARE(at(layout, r1.ruleHandle), QPointF(75, 160));
    QCOMPARE(at(layout, r1.outputHandles.at(0)), QPointF(75, 320));
    QCOMPARE(layout.rightBorder(), 150.0);
    QCOMPARE(layout.rowCount(), 3);

    const auto r2 = layout.placeRule(ids("c d"), QStringLiteral("R2"), ids("e"));
    QCOMPARE(r2.inputHandles.at(0), -1); // c stands in the graph already
    QCOMPARE(at(layout, r2.inputHandles.at(1)), QPointF(300, 320));
    QCOMPARE(layout.rowOf(r2.inputHandles.at(1)), 3);
    QCOMPARE(at(layout, r2.ruleHandle), QPointF(187.5, 480));
    QCOMPARE(at(layout, r2.outputHandles.at(0)), QPointF(187.5, 640));
    QCOMPARE(layout.rightBorder(), 300.0);
    // R2's arrows start at the c that R1 produced and at the new d.
    QCOMPARE(r2.arrowSources, QVector<int>({r1.outputHandles.at(0), r2.inputHandles.at(1)}));
    QCOMPARE(r2.arrowTargets, QVector<int>({r2.outputHandles.at(0)}));
}

void tst_LayerPlacement::ruleWithoutInputs_data()
{
    QTest::addColumn<bool>("afterAnotherRule");
    QTest::addColumn<QPointF>("rule");
    QTest::addColumn<double>("rightBorder");
    // Row maxima count from 0: the empty first row leaves the right border at 0.
    QTest::newRow("fresh layout") << false << QPointF(-75, 160) << 0.0;
    // An existing first row: the span starts one column step right of the border (225) and the
    // rule then moves right past the first rule's row.
    QTest::newRow("after a rule") << true << QPointF(375, 160) << 150.0;
}

void tst_LayerPlacement::ruleWithoutInputs()
{
    QFETCH(bool, afterAnotherRule);
    QFETCH(QPointF, rule);
    QFETCH(double, rightBorder);
    LayerPlacement layout;
    if (afterAnotherRule)
        layout.placeRule(ids("a b"), QStringLiteral("R0"), ids(""));
    const int rowsBefore = layout.rowCount();
    const auto result = layout.placeRule(ids(""), QStringLiteral("R"), ids("x"));
    QCOMPARE(at(layout, result.ruleHandle), rule);
    QVERIFY(result.arrowSources.isEmpty());
    QCOMPARE(layout.rightBorder(), std::max(rightBorder, rule.x()));
    // A fresh layout makes an empty input row; a later rule makes none.
    QCOMPARE(layout.rowCount() - rowsBefore, afterAnotherRule ? 2 : 3);
}

void tst_LayerPlacement::outputsStandCentredBelowTheRule_data()
{
    QTest::addColumn<QVector<QString>>("outputs");
    QTest::addColumn<QVector<double>>("xs");
    QTest::newRow("none") << ids("") << QVector<double>();
    QTest::newRow("one") << ids("o") << QVector<double>({75});
    QTest::newRow("two") << ids("o p") << QVector<double>({75 - 105, 75 + 45});
    QTest::newRow("three") << ids("o p q") << QVector<double>({75 - 210, 75 - 60, 75 + 90});
}

void tst_LayerPlacement::outputsStandCentredBelowTheRule()
{
    QFETCH(QVector<QString>, outputs);
    QFETCH(QVector<double>, xs);
    LayerPlacement layout;
    const auto result = layout.placeRule(ids("a b"), QStringLiteral("R"), outputs);
    QCOMPARE(result.arrowTargets.size(), xs.size());
    for (int i = 0; i < xs.size(); ++i)
        QCOMPARE(at(layout, result.arrowTargets.at(i)), QPointF(xs.at(i), 320));
    // An empty output row is still made.
    QCOMPARE(layout.rowCount(), 3);
    QCOMPARE(layout.row(2).nodeCount, xs.size());
}

void tst_LayerPlacement::collisionShiftRepeats()
{
    LayerPlacement layout;
    // Rules over one known parameter land on one another and move right while they collide.
    layout.placeRule(ids("a"), QStringLiteral("R1"), ids("b"));
    // 0 collides with R1 (0) -> 150, which still lies within 160 of R1 -> 300.
    const auto r2 = layout.placeRule(ids("a"), QStringLiteral("R2"), ids("c"));
    QCOMPARE(at(layout, r2.ruleHandle), QPointF(300, 160));
    // 0 -> 150 (R1) -> 450 (R1 and R2 both within reach) -> 600 (R2).
    const auto r3 = layout.placeRule(ids("a"), QStringLiteral("R3"), ids("d"));
    QCOMPARE(at(layout, r3.ruleHandle), QPointF(600, 160));
    // Outputs are not shifted: they stand below their rule.
    QCOMPARE(at(layout, r3.outputHandles.at(0)), QPointF(600, 320));
}

void tst_LayerPlacement::clearKeepsTheRightBorder()
{
    LayerPlacement layout;
    layout.placeRule(ids("a b c"), QStringLiteral("R"), ids("d"));
    QCOMPARE(layout.rightBorder(), 300.0);
    layout.clear();
    QCOMPARE(layout.rowCount(), 0);
    QCOMPARE(layout.nodeCount(), 0);
    const auto again = layout.placeRule(ids("a"), QStringLiteral("R"), ids("d"));
    QCOMPARE(at(layout, again.inputHandles.at(0)), QPointF(300, 0));
    QCOMPARE(at(layout, again.ruleHandle), QPointF(300, 160));
}

void tst_LayerPlacement::parameterStandingTwiceDoesNotHideAMissingInput()
{
    LayerPlacement layout;
    const auto r1 = layout.placeRule(ids("a"), QStringLiteral("R1"), ids("p"));
    const auto r2 = layout.placeRule(ids("b"), QStringLiteral("R2"), ids("p"));
    // p stands twice, q nowhere: q still gets its node and its arrow.
    const auto r3 = layout.placeRule(ids("p q"), QStringLiteral("R3"), ids("z"));
    QCOMPARE(r3.inputHandles.at(0), -1);
    QVERIFY(r3.inputHandles.at(1) >= 0);
    QCOMPARE(layout.idOf(r3.inputHandles.at(1)), QStringLiteral("q"));
    QCOMPARE(r3.arrowSources,
             QVector<int>({r1.outputHandles.at(0), r2.outputHandles.at(0), r3.inputHandles.at(1)}));
    // q stands right of everything at the level of the last p found.
    QCOMPARE(at(layout, r3.inputHandles.at(1)), QPointF(450, 320));
}

void tst_LayerPlacement::idGivenTwiceGetsOneNode_data()
{
    QTest::addColumn<bool>("afterAnotherRule"); // step A or step B
    QTest::newRow("first rule") << false;
    QTest::newRow("later rule") << true;
}

void tst_LayerPlacement::idGivenTwiceGetsOneNode()
{
    QFETCH(bool, afterAnotherRule);
    LayerPlacement layout;
    if (afterAnotherRule)
        layout.placeRule(ids("x"), QStringLiteral("R0"), ids("y"));
    const int before = layout.nodeCount();
    const auto result = layout.placeRule(ids("p q p"), QStringLiteral("R"), ids("o o"));
    QCOMPARE(result.inputHandles.at(2), -1);
    QCOMPARE(result.outputHandles.at(1), -1);
    QCOMPARE(result.arrowSources,
             QVector<int>({result.inputHandles.at(0), result.inputHandles.at(1)}));
    QCOMPARE(result.arrowTargets, QVector<int>({result.outputHandles.at(0)}));
    // p, q, the rule and o: every handle an arrow uses is a node a row keeps.
    QCOMPARE(layout.nodeCount() - before, 4);
    QCOMPARE(at(layout, result.inputHandles.at(1)).x() - at(layout, result.inputHandles.at(0)).x(),
             150.0);
    QCOMPARE(at(layout, result.outputHandles.at(0)).x(), at(layout, result.ruleHandle).x());
}

void tst_LayerPlacement::agreesWithThePlainProcedure_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("rules");
    QTest::addColumn<int>("pool"); // distinct parameters
    for (quint32 seed = 1; seed <= 12; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed)))
            << seed << 150 << int(10 + seed * 15);
    QTest::newRow("dense ids") << quint32(99) << 400 << 12;
}

void tst_LayerPlacement::agreesWithThePlainProcedure()
{
    QFETCH(quint32, seed);
    QFETCH(int, rules);
    QFETCH(int, pool);
    QRandomGenerator random(seed);
    LayerPlacement fast;
    PlainLayout plain;
    QSet<QString> produced;
    auto parameter = [&] { return QStringLiteral("p%1").arg(random.bounded(pool)); };
    int takenE = 0;
    int takenS = 0;
    for (int r = 0; r < rules; ++r) {
        if (random.bounded(40) == 0) {
            // A redraw: rows go, the border stays.
            fast.clear();
            plain.clear();
            produced.clear();
        }
        QVector<QString> inputs;
        const int inputCount = random.bounded(4); // 0..3, empty lists included
        for (int i = 0; i < inputCount; ++i) {
            if (!produced.isEmpty() && random.bounded(2) == 0) {
                const QList<QString> known = produced.values();
                QStringList sorted(known);
                sorted.sort();
                inputs.append(sorted.at(random.bounded(sorted.size())));
            } else {
                inputs.append(parameter());
            }
        }
        QVector<QString> outputs;
        const int outputCount = random.bounded(3); // 0..2
        for (int i = 0; i < outputCount; ++i)
            outputs.append(parameter()); // may stand already: the id is then found in several rows
        const QString rule = QStringLiteral("r%1").arg(r);

        const auto expected = plain.place(inputs, rule, outputs);
        const auto actual = fast.placeRule(inputs, rule, outputs);
        QCOMPARE(actual.arrowSources, expected.sources);
        QCOMPARE(actual.ruleHandle, expected.rule);
        QCOMPARE(actual.arrowTargets, expected.targets);
        const bool anyNew = std::any_of(actual.inputHandles.begin(), actual.inputHandles.end(),
                                        [](int h) { return h >= 0; });
        if (!inputs.isEmpty() && !anyNew && actual.arrowSources.size() > 0)
            ++takenE;
        if (anyNew
            && actual.arrowSources.size() > std::count_if(actual.inputHandles.begin(),
                                                          actual.inputHandles.end(),
                                                          [](int h) { return h >= 0; }))
            ++takenS;
        for (const QString &output : outputs)
            produced.insert(output);
    }
    QCOMPARE(fast.nodeCount(), plain.nodes.size());
    QCOMPARE(fast.rowCount(), plain.rows.size());
    QCOMPARE(fast.rightBorder(), plain.rightBorder);
    for (int h = 0; h < fast.nodeCount(); ++h) {
        QCOMPARE(fast.idOf(h), plain.nodes.at(h).id);
        QCOMPARE(fast.position(h), plain.nodes.at(h).position);
        QCOMPARE(fast.rowOf(h), plain.nodes.at(h).row);
    }
    for (int row = 0; row < fast.rowCount(); ++row) {
        QCOMPARE(fast.row(row).maxX, plain.rows.at(row).maxX);
        QCOMPARE(fast.row(row).maxY, plain.rows.at(row).maxY);
        QCOMPARE(fast.row(row).nodeCount, plain.rows.at(row).items.size());
    }
    // The seeds exercise every road, not only the first-row one.
    QVERIFY(takenE > 0);
    QVERIFY(takenS > 0);
}

QTEST_APPLESS_MAIN(tst_LayerPlacement)
#include "tst_layerplacement.moc"
