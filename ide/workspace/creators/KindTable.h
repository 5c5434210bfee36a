#ifndef KINDTABLE_H
#define KINDTABLE_H

#include "workspace/routing/WorkSpaceTypes.h"

#include <QList>
#include <QSharedPointer>
#include <QString>

#include <memory>
#include <vector>

class BaseOstraObj;
class BaseWorkSpaceCreator;
class CommandItem;
class OstraClass;
class WorkSpaceColleague;

// What the workspace knows of each kind of editor page, one row per kind: the workspace and the
// factory read their per-kind answers here instead of branching on the kind.
class KindTable
{
public:
    // An element of the current class by id; null when it has none of that id.
    using ElementLookup = QSharedPointer<BaseOstraObj> (*)(OstraClass &n_current,
                                                           const QString &n_uid);
    // The id of the element's parent ("" when it has none to name).
    using ParentLookup = QString (*)(OstraClass &n_current, const QString &n_uid);
    using DeleteElement = void (WorkSpaceColleague::*)(OstraClass *n_current,
                                                       CommandItem *n_command);

    // The tree whose items show a kind's elements and take their titles.
    enum class Tree { NONE, PROJECT, RELATIONS };

    struct Row
    {
        TypeWorkSpaceWindow kind;
        std::shared_ptr<const BaseWorkSpaceCreator> creator;
        // Whether a new page is told the id the tree item was made under.
        bool takesParent;
        // The page's place in Save all (0 first); negative for a page with nothing to save.
        int saveOrder;
        // The stored element a page of this kind shows; null for a page that shows none.
        ElementLookup element;
        ParentLookup parent;
        // Finds the page's subject in a class's subtree: its page closes when the subtree is
        // deleted. Null when deleting a class never closes such a page by its own id.
        ElementLookup inSubtree;
        // Deletes the element from the model and closes what shows it; null when it cannot be
        // deleted.
        DeleteElement remove;
        Tree tree;
    };

    // Throws std::invalid_argument naming the kind when a kind has two rows or a kind with an
    // editor page (PAGE_KINDS) has none.
    explicit KindTable(std::vector<Row> n_rows);

    // The program's table, built on first use (start-up builds it).
    static const KindTable &standard();

    // Null for a kind without a row.
    const Row *row(TypeWorkSpaceWindow n_kind) const;
    // The kinds Save all writes, in its order.
    QList<TypeWorkSpaceWindow> saveOrder() const;

private:
    std::vector<Row> m_rows;
};

#endif // KINDTABLE_H
