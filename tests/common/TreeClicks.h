#ifndef TREECLICKS_H
#define TREECLICKS_H

#include <QTreeWidget>
#include <QtTest>

// A user's double click on a tree row: its ancestors expanded and the row scrolled into view
// first, a click to select it, then the double click.
inline void doubleClickRow(QTreeWidget *n_tree, QTreeWidgetItem *n_item)
{
    for (QTreeWidgetItem *up = n_item->parent(); up; up = up->parent())
        up->setExpanded(true);
    n_tree->scrollToItem(n_item);
    const QPoint at = n_tree->visualItemRect(n_item).center();
    QTest::mouseClick(n_tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(n_tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

#endif // TREECLICKS_H
