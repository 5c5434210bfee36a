#ifndef LAYERPLACEMENT_H
#define LAYERPLACEMENT_H

#include <QHash>
#include <QPointF>
#include <QString>
#include <QVector>

#include <map>
#include <set>

// Where the nodes of a layered solution graph stand, computed from element ids alone so that it
// can be run and tested without any graphics item. Every placed node gets a handle (0, 1, 2, ... in
// the order of placing); LayersManager keeps the graphics node of each handle.
//
// One rule at a time: its input parameters either stand in the graph already (a parameter that an
// earlier rule produced) or are placed anew, the rule goes one row below the inputs that fix its
// level, and its outputs one row below the rule. Rows are kept in the order they are made; a row's
// largest x and y are counted from 0, so an empty row stands at (0, 0).
//
// Two faults of the naive procedure are mended: the rule takes the "all inputs known" road only
// when every input id stands somewhere (a parameter standing twice no longer hides a missing one),
// and an id given twice for one rule gets one node only, so no arrow starts at a node that no row
// keeps.
//
// Cost: O(I + O + log R) amortised per rule (R rows), plus the rows a collision shift passes over:
// ids are looked up in an index id -> entries in row order, and the collision shift counts rows in
// a per-level index of the rows' largest x.
class LayerPlacement
{
public:
    static constexpr double COLUMN_STEP = 150.0;
    static constexpr double ROW_STEP = 160.0;
    static constexpr double VERTICAL_BAND = 40.0;
    static constexpr double HORIZONTAL_BAND = 160.0;
    static constexpr double OUTPUT_WIDTH_TERM = 60.0;

    // What one rule got. Arrays aligned with the given ids hold the handle each given node got,
    // or -1 when that node was not placed (its parameter stands in the graph already, or its id was
    // given earlier in the same list); such a node is the caller's to free.
    struct RuleResult
    {
        QVector<int> inputHandles;  // aligned with the given input ids
        QVector<int> outputHandles; // aligned with the given output ids
        int ruleHandle = -1;
        QVector<int> arrowSources; // nodes an arrow to the rule starts from, in drawing order
        QVector<int> arrowTargets; // nodes an arrow from the rule ends at, in drawing order
    };

    struct Row
    {
        double rightBorder = 0.0;
        double maxX = 0.0;
        double maxY = 0.0;
        int nodeCount = 0;
    };

    LayerPlacement() = default;

    RuleResult placeRule(const QVector<QString> &n_inputIds, const QString &n_ruleId,
                         const QVector<QString> &n_outputIds);

    // Forgets every row and node; the right border stays, so the next drawing starts right of it.
    void clear();

    double rightBorder() const { return m_rightBorder; }
    int nodeCount() const { return m_nodes.size(); }
    int rowCount() const { return m_rows.size(); }
    const Row &row(int n_row) const { return m_rows.at(n_row); }
    QPointF position(int n_handle) const { return m_nodes.at(n_handle).position; }
    int rowOf(int n_handle) const { return m_nodes.at(n_handle).row; }
    QString idOf(int n_handle) const { return m_nodes.at(n_handle).id; }

private:
    struct Node
    {
        QString id;
        QPointF position;
        int row;
    };
    // A node standing in a row, found by its id.
    struct Entry
    {
        int row;
        int handle;
    };

    int newRow();
    int file(const QString &n_id, const QPointF &n_position, int n_row);
    void placeLine(const QVector<QString> &n_ids, QPointF n_start, int n_row,
                   QVector<int> &n_handles);
    double shiftPastCollisions(double n_x, double n_y) const;
    int placeRuleAt(const QString &n_ruleId, QPointF n_point);

    double m_rightBorder = 0.0;
    QVector<Node> m_nodes;
    QVector<Row> m_rows;
    QHash<QString, QVector<Entry>> m_entries;
    // level (largest y / row step) -> the largest x of every row at that level
    std::map<qint64, std::multiset<double>> m_rowsByLevel;
};

#endif // LAYERPLACEMENT_H
