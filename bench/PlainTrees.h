#ifndef PLAINTREES_H
#define PLAINTREES_H

// The plain baseline of the workspace's two trees: the same items in bare QStandardItemModels,
// classes with their parameters, relations with the rules and constraints that use them.

#include "model/OstraModel.h"

#include <QHash>
#include <QStandardItemModel>

namespace PlainTrees {

// The kinds an item holds under Qt::UserRole + 1 when asked for; -1 holds none.
enum Kind { NO_KIND = -1, CLASS = 0, PARAMETER = 1, RELATION = 3, USER = 4 };

inline QStandardItem *item(const QString &n_id, const QString &n_name, int n_kind)
{
    auto *item = new QStandardItem(n_name);
    item->setData(n_id, Qt::UserRole);
    if (n_kind != NO_KIND)
        item->setData(n_kind, Qt::UserRole + 1);
    return item;
}

inline QStandardItem *classRow(const OstraClass &n_class, bool n_kinds)
{
    QStandardItem *row = item(n_class.getId(), n_class.getShortName(), n_kinds ? CLASS : NO_KIND);
    for (const auto &child : n_class.getOwnClassesHash())
        row->appendRow(classRow(*child, n_kinds));
    for (const auto &parameter : n_class.getOwnParametersHash())
        row->appendRow(
            item(parameter->getId(), parameter->getShortName(), n_kinds ? PARAMETER : NO_KIND));
    return row;
}

// Both trees of n_root, each item also holding its kind when n_kinds.
inline void fill(const OstraClass &n_root, bool n_kinds)
{
    QStandardItemModel project;
    project.appendRow(classRow(n_root, n_kinds));
    QStandardItemModel relations;
    QHash<QString, QStandardItem *> relationRows;
    for (const auto &relation : n_root.getRelationsHash()) {
        QStandardItem *row = item(relation->getId(), relation->getShortName(),
                                  n_kinds ? RELATION : NO_KIND);
        relationRows.insert(relation->getId(), row);
        relations.appendRow(row);
    }
    const int user = n_kinds ? USER : NO_KIND;
    for (const auto &rule : n_root.getRulesHash())
        if (const auto relation = rule->getRelationPtr())
            relationRows.value(relation->getId())
                ->appendRow(item(rule->getId(), rule->getShortName(), user));
    for (const auto &constraint : n_root.getConstraintsHash())
        if (const auto relation = constraint->getRelationPtr())
            relationRows.value(relation->getId())
                ->appendRow(item(constraint->getId(), constraint->getShortName(), user));
}

} // namespace PlainTrees

#endif // PLAINTREES_H
