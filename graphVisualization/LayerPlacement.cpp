#include "LayerPlacement.h"

#include <QSet>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// Indices of the first occurrence of every id, in order.
QVector<int> firstOccurrences(const QVector<QString> &n_ids)
{
    QVector<int> indices;
    QSet<QString> seen;
    seen.reserve(n_ids.size());
    for (int i = 0; i < n_ids.size(); ++i) {
        if (!seen.contains(n_ids.at(i))) {
            seen.insert(n_ids.at(i));
            indices.append(i);
        }
    }
    return indices;
}

qint64 levelKey(double n_y)
{
    return std::llround(n_y / LayerPlacement::ROW_STEP);
}

} // namespace

LayerPlacement::RuleResult LayerPlacement::placeRule(const QVector<QString> &n_inputIds,
                                                     const QString &n_ruleId,
                                                     const QVector<QString> &n_outputIds)
{
    RuleResult result;
    result.inputHandles.fill(-1, n_inputIds.size());
    result.outputHandles.fill(-1, n_outputIds.size());

    const QVector<int> inputs = firstOccurrences(n_inputIds);
    QVector<Entry> found;
    QVector<int> notFound; // indices into n_inputIds
    for (int index : inputs) {
        const auto entries = m_entries.constFind(n_inputIds.at(index));
        if (entries == m_entries.constEnd())
            notFound.append(index);
        else
            found += *entries;
    }

    QPointF rulePoint;
    if (found.isEmpty()) {
        // Nothing of this rule stands in the graph yet: its inputs go into the first row.
        const bool firstRule = m_rows.isEmpty();
        const QPointF start(firstRule ? m_rightBorder : m_rightBorder + COLUMN_STEP, 0.0);
        const int row = firstRule ? newRow() : 0;
        QVector<QString> ids;
        for (int index : inputs)
            ids.append(n_inputIds.at(index));
        QVector<int> handles;
        placeLine(ids, start, row, handles);
        for (int i = 0; i < inputs.size(); ++i)
            result.inputHandles[inputs.at(i)] = handles.at(i);
        result.arrowSources = handles;
        const double lastX = start.x() + COLUMN_STEP * (handles.size() - 1);
        rulePoint = QPointF((start.x() + lastX) * 0.5, ROW_STEP);
    } else if (notFound.isEmpty()) {
        // Every input stands in the graph: the rule goes below the lowest of them.
        double bottom = 0.0;
        for (const Entry &entry : found) {
            bottom = std::max(bottom, m_nodes.at(entry.handle).position.y());
            result.arrowSources.append(entry.handle);
        }
        const double x = (m_nodes.at(found.first().handle).position.x()
                          + m_nodes.at(found.last().handle).position.x())
                         / 2.0;
        rulePoint = QPointF(x, bottom + ROW_STEP);
    } else {
        // Some inputs stand in the graph: the others go into a new row at the level of the last
        // one found, right of everything.
        const QPointF anchor = m_nodes.at(found.last().handle).position;
        const quint32 level = static_cast<quint32>(anchor.y() / ROW_STEP);
        const QPointF start(m_rightBorder + COLUMN_STEP, level * ROW_STEP);
        QVector<QString> ids;
        for (int index : notFound)
            ids.append(n_inputIds.at(index));
        QVector<int> handles;
        placeLine(ids, start, newRow(), handles);
        for (int i = 0; i < notFound.size(); ++i)
            result.inputHandles[notFound.at(i)] = handles.at(i);
        for (const Entry &entry : found)
            result.arrowSources.append(entry.handle);
        result.arrowSources += handles;
        const double lastX = start.x() + COLUMN_STEP * (handles.size() - 1);
        rulePoint = QPointF((anchor.x() + lastX) * 0.5, (level + 1) * ROW_STEP);
    }

    result.ruleHandle = placeRuleAt(n_ruleId, rulePoint);

    // Every rule draws its own outputs, one node per id.
    const QPointF rule = m_nodes.at(result.ruleHandle).position;
    const QVector<int> outputs = firstOccurrences(n_outputIds);
    const int n = outputs.size();
    const QPointF start(
        rule.x() - ((n - 1) * COLUMN_STEP + n * OUTPUT_WIDTH_TERM - OUTPUT_WIDTH_TERM) / 2,
        rule.y() + ROW_STEP);
    QVector<QString> ids;
    for (int index : outputs)
        ids.append(n_outputIds.at(index));
    placeLine(ids, start, newRow(), result.arrowTargets);
    for (int i = 0; i < n; ++i)
        result.outputHandles[outputs.at(i)] = result.arrowTargets.at(i);
    return result;
}

void LayerPlacement::clear()
{
    m_nodes.clear();
    m_rows.clear();
    m_entries.clear();
    m_rowsByLevel.clear();
}

int LayerPlacement::newRow()
{
    m_rows.append(Row());
    m_rowsByLevel[0].insert(0.0);
    return m_rows.size() - 1;
}

int LayerPlacement::file(const QString &n_id, const QPointF &n_position, int n_row)
{
    const int handle = m_nodes.size();
    m_nodes.append(Node{n_id, n_position, n_row});

    // Entries stay in row order: step B files into the first row after later rows exist.
    QVector<Entry> &entries = m_entries[n_id];
    auto at = std::lower_bound(entries.begin(), entries.end(), n_row,
                               [](const Entry &n_entry, int n_r) { return n_entry.row < n_r; });
    if (at != entries.end() && at->row == n_row)
        at->handle = handle; // the row keeps the later node under one id
    else
        entries.insert(at, Entry{n_row, handle});

    Row &row = m_rows[n_row];
    const double oldMaxX = row.maxX;
    const double oldMaxY = row.maxY;
    row.rightBorder = std::max(row.rightBorder, n_position.x());
    row.maxX = std::max(row.maxX, n_position.x());
    row.maxY = std::max(row.maxY, n_position.y());
    ++row.nodeCount;
    if (row.maxX != oldMaxX || row.maxY != oldMaxY) {
        std::multiset<double> &old = m_rowsByLevel[levelKey(oldMaxY)];
        old.erase(old.find(oldMaxX));
        m_rowsByLevel[levelKey(row.maxY)].insert(row.maxX);
    }
    m_rightBorder = std::max(m_rightBorder, row.rightBorder);
    return handle;
}

void LayerPlacement::placeLine(const QVector<QString> &n_ids, QPointF n_start, int n_row,
                               QVector<int> &n_handles)
{
    for (const QString &id : n_ids) {
        n_handles.append(file(id, n_start, n_row));
        n_start.rx() += COLUMN_STEP;
    }
}

double LayerPlacement::shiftPastCollisions(double n_x, double n_y) const
{
    // Rows only ever stand at whole levels, so "largest y strictly within the band of y" is "at
    // the level of y".
    const auto level = m_rowsByLevel.find(levelKey(n_y));
    if (level == m_rowsByLevel.end())
        return n_x;
    const std::multiset<double> &xs = level->second;
    for (;;) {
        const auto from = xs.lower_bound(n_x - HORIZONTAL_BAND);
        const auto to = xs.upper_bound(n_x + HORIZONTAL_BAND);
        const auto count = std::distance(from, to);
        if (count == 0)
            return n_x;
        n_x += count * COLUMN_STEP;
    }
}

int LayerPlacement::placeRuleAt(const QString &n_ruleId, QPointF n_point)
{
    n_point.setX(shiftPastCollisions(n_point.x(), n_point.y()));
    return file(n_ruleId, n_point, newRow());
}
