#ifndef ELEMENTTREEAREA_H
#define ELEMENTTREEAREA_H

#include "workspace/routing/WorkSpaceTypes.h"

#include <QHash>
#include <QString>
#include <QWidget>

class CommandItem;
class OstraClass;
class QStandardItem;
class QStandardItemModel;
class QTreeView;

// The common part of the project and relations trees: one row per element, its id in user role
// 256 of column 0 and its kind beside it, found again through an id index (no tree search). A
// double-click asks to open the element's editor.
class ElementTreeArea : public QWidget
{
    Q_OBJECT

public:
    static const int ID_ROLE = Qt::UserRole;
    static const int KIND_ROLE = Qt::UserRole + 1;

    explicit ElementTreeArea(QWidget *parent = nullptr);

    void setTitle(QString n_title);
    void setData(OstraClass *n_class);
    // Clears and rebuilds from the current class.
    void refresh();
    void clear();
    void retranslateUI();

    QTreeView *view() const;
    QStandardItemModel *model() const;
    QStandardItem *itemOf(const QString &n_id) const;

protected:
    // Adds the elements of the class the tree does not show yet.
    virtual void fill(OstraClass *n_class) = 0;
    virtual void sendCommand(CommandItem *n_command) = 0;
    // A detached row for an element, indexed by its id; the caller places it.
    QStandardItem *makeItem(const QString &n_id, const QString &n_name, TypeWorkSpaceWindow n_kind);
    void forget(const QString &n_id);
    OstraClass *currentClass() const;

private:
    void onDoubleClicked(const QModelIndex &n_index);

    OstraClass *m_class = nullptr;
    QTreeView *m_view = nullptr;
    QStandardItemModel *m_model = nullptr;
    QHash<QString, QStandardItem *> m_items;
};

#endif // ELEMENTTREEAREA_H
