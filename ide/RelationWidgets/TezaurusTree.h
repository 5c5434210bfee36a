#ifndef TEZAURUSTREE_H
#define TEZAURUSTREE_H

#include <QHash>
#include <QList>
#include <QString>

class QLineEdit;
class QTreeWidget;
class QWidget;

// What the three relation-body pages share about the thesaurus: the two-column tree of its "math"
// entries and the insertion of an entry into a text field.
class TezaurusTree
{
public:
    // A two-column tree titled n_command and n_description.
    static QTreeWidget *create(QWidget *n_parent, const QString &n_command,
                               const QString &n_description);

    // Refills the tree from the hash's "math" entries (text "~" name), sorted by name.
    static void fill(QTreeWidget *n_tree, const QHash<QString, QList<QString>> &n_tezaurus);

    // Inserts n_text at the field's cursor.
    static void insertAtCursor(QLineEdit *n_field, const QString &n_text);
};

#endif // TEZAURUSTREE_H
