#ifndef TREECLICKS_H
#define TREECLICKS_H

#include <QContextMenuEvent>
#include <QMenu>
#include <QTreeWidget>
#include <QtTest>

// Where a user points at a tree row: its ancestors expanded and the row scrolled into view first.
inline QPoint rowPoint(QTreeWidget *n_tree, QTreeWidgetItem *n_item)
{
    for (QTreeWidgetItem *up = n_item->parent(); up; up = up->parent())
        up->setExpanded(true);
    n_tree->scrollToItem(n_item);
    return n_tree->visualItemRect(n_item).center();
}

// A user's double click on a tree row: a click to select it, then the double click.
inline void doubleClickRow(QTreeWidget *n_tree, QTreeWidgetItem *n_item)
{
    const QPoint at = rowPoint(n_tree, n_item);
    QTest::mouseClick(n_tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(n_tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

// A click on the row's branch mark, which opens or closes it.
inline void clickBranch(QTreeWidget *n_tree, QTreeWidgetItem *n_item)
{
    QCoreApplication::processEvents();
    n_tree->scrollToItem(n_item);
    const QRect rect = n_tree->visualItemRect(n_item);
    QTest::mouseClick(n_tree->viewport(), Qt::LeftButton, {},
                      QPoint(rect.left() - n_tree->indentation() / 2, rect.center().y()));
}

// A right click on the row (on the empty space below the rows when none), then the entry of that
// text in the menu that came up; the texts the menu offered are returned. The menu is looked for
// among the children of n_owner, the tree's area.
inline QStringList chooseInRowMenu(QWidget *n_owner, QTreeWidget *n_tree, QTreeWidgetItem *n_item,
                                   const QString &n_entry)
{
    const QPoint at = n_item ? rowPoint(n_tree, n_item)
                             : QPoint(5, n_tree->viewport()->height() - 5);
    QTest::mouseClick(n_tree->viewport(), n_item ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier,
                      at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, n_tree->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(n_tree->viewport(), &event);
    QMenu *shown = nullptr;
    for (QMenu *menu : n_owner->findChildren<QMenu *>())
        if (menu->isVisible())
            shown = menu;
    QStringList texts;
    if (shown == nullptr)
        return texts;
    QAction *chosen = nullptr;
    for (QAction *entry : shown->actions()) {
        texts << entry->text();
        if (!n_entry.isEmpty() && entry->text() == n_entry)
            chosen = entry;
    }
    shown->close();
    if (chosen)
        chosen->trigger();
    return texts;
}

#endif // TREECLICKS_H
