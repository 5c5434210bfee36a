#include "RelationWidgets/TezaurusTree.h"

#include <QLineEdit>
#include <QStringList>
#include <QTreeWidget>

QTreeWidget *TezaurusTree::create(QWidget *n_parent, const QString &n_command,
                                  const QString &n_description)
{
    auto *tree = new QTreeWidget(n_parent);
    tree->setObjectName(QStringLiteral("twTezaurus"));
    tree->setColumnCount(2);
    tree->setHeaderLabels({n_command, n_description});
    tree->setRootIsDecorated(false);
    return tree;
}

void TezaurusTree::fill(QTreeWidget *n_tree, const QHash<QString, QList<QString>> &n_tezaurus)
{
    n_tree->clear();
    for (const QString &entry : n_tezaurus.value(QStringLiteral("math"))) {
        const QStringList parts = entry.split(QLatin1Char('~'), Qt::KeepEmptyParts);
        auto *item = new QTreeWidgetItem(n_tree);
        item->setText(0, parts.value(0));
        item->setText(1, parts.value(1));
    }
    // Sorting also makes column 1 the tree's sort column, by which its items compare.
    n_tree->sortItems(1, Qt::AscendingOrder);
}

void TezaurusTree::insertAtCursor(QLineEdit *n_field, const QString &n_text)
{
    QString text = n_field->text();
    const int cursor = n_field->cursorPosition();
    text.insert(cursor, n_text);
    n_field->setText(text);
    n_field->setCursorPosition(cursor + n_text.size());
}
