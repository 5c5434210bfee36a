#include "WidgetAreas/ClassLevelList.h"

#include <QComboBox>
#include <QSet>
#include <QStandardItemModel>

#include <algorithm>

namespace {
bool before(const ClassLevelList::Level &a, const ClassLevelList::Level &b)
{
    return a.name < b.name || (a.name == b.name && a.id < b.id);
}

QStandardItem *entryOf(const ClassLevelList::Level &n_level)
{
    auto *entry = new QStandardItem(ClassLevelList::cut(n_level.name));
    entry->setData(n_level.id, Qt::UserRole);
    entry->setToolTip(n_level.name);
    return entry;
}
} // namespace

QString ClassLevelList::cut(const QString &n_name)
{
    return n_name.size() > TEXT_LIMIT ? n_name.left(TEXT_LIMIT) + QStringLiteral("...") : n_name;
}

void ClassLevelList::fill(QComboBox *n_list, std::vector<Level> &n_levels, bool n_mayRepeat)
{
    std::sort(n_levels.begin(), n_levels.end(), before);
    n_list->clear();
    QSet<QString> listed;
    if (n_mayRepeat)
        listed.reserve(int(n_levels.size()));
    QList<QStandardItem *> entries;
    entries.reserve(int(n_levels.size()));
    for (const Level &level : n_levels) {
        if (n_mayRepeat) {
            if (listed.contains(level.id))
                continue;
            listed.insert(level.id);
        }
        entries.append(entryOf(level));
    }
    // One insertion for the whole list: the combo makes the first entry current, as it does
    // for entries added one by one.
    if (auto *model = qobject_cast<QStandardItemModel *>(n_list->model()))
        model->invisibleRootItem()->appendRows(entries);
}

void ClassLevelList::insertSorted(QComboBox *n_list, const Level &n_level)
{
    int low = 0;
    int high = n_list->count();
    while (low < high) {
        const int middle = (low + high) / 2;
        const Level listed{n_list->itemData(middle, Qt::ToolTipRole).toString(),
                           n_list->itemData(middle).toString()};
        if (before(listed, n_level))
            low = middle + 1;
        else
            high = middle;
    }
    if (auto *model = qobject_cast<QStandardItemModel *>(n_list->model()))
        model->insertRow(low, entryOf(n_level));
}
