#ifndef WCONTAINERRELATIONSHIPAREA_H
#define WCONTAINERRELATIONSHIPAREA_H

#include <QIcon>
#include <QMultiHash>
#include <QSet>
#include <QSharedPointer>
#include <QString>
#include <QWidget>

#include <memory>

class CommandItem;
class ConstraintModel;
class OstraClass;
class QAction;
class QPoint;
class QTreeWidget;
class QTreeWidgetItem;
class RelationModel;
class RelationshipColleague;
class RuleModel;
namespace Ui {
class wContainerRelationshipArea;
}

// The relations tree: every relation of the model with the rules (or, on a constraint relation,
// the constraints) standing on it. It never writes the model: its actions go as commands to the
// colleague, and the workspace reports renamed and new elements back.
class wContainerRelationshipArea : public QWidget
{
    Q_OBJECT

public:
    explicit wContainerRelationshipArea(QWidget *parent = nullptr);
    ~wContainerRelationshipArea() override;

    void setTitle(QString n_title);
    void setIcon(QIcon n_icon);
    void setColleague(RelationshipColleague *n_colleague);
    // Adds the class's relations with their children; the tree is not emptied first.
    void setData(OstraClass *n_class);
    void refresh();
    void clear();
    void setChangeTitleItem(CommandItem *n_command);
    // Adds the relations that have no item yet; shown items stay as they are.
    void UpdateView();
    // Drops the items whose element the model no longer holds, in one pass over the tree.
    void dropGone();
    void retranslateUI();
    void changeLanguage();
    void expandTopLevelTree();

    QTreeWidget *treeWidget() const;
    // The item whose identifier is n_id (also when stored in braces); null when none.
    QTreeWidgetItem *itemOf(const QString &n_id) const;

public slots:
    void customMenuRequested(QPoint n_pos);

private slots:
    void on_treeWidget_itemDoubleClicked(QTreeWidgetItem *n_item, int);
    void createRelationship();
    void editRelationShip();
    void removeRelationShip();
    void createRule();
    void editRule();
    void removeRule();
    void filter(QString n_filterText);

private:
    typedef QMultiHash<QString, QSharedPointer<RuleModel>> RulesByRelation;
    typedef QMultiHash<QString, QSharedPointer<ConstraintModel>> ConstraintsByRelation;

    void fill(bool n_skipShown);
    void buildFiltered(const QString &n_text);
    // Rules and constraints by the id of a stored relation; elements without one are left out.
    void lookups(const QSet<QString> &n_relations, RulesByRelation &n_rules,
                 ConstraintsByRelation &n_constraints) const;
    QTreeWidgetItem *makeItem(const QString &n_label, const QString &n_kind,
                              const QString &n_id) const;
    QTreeWidgetItem *selected() const;
    QSharedPointer<RelationModel> storedRelation(const QString &n_id) const;
    QList<QTreeWidgetItem *> itemsOf(const QString &n_id) const;
    void send(CommandItem *n_command);
    void openItem(QTreeWidgetItem *n_item);
    bool modelHolds(const QString &n_id, bool n_relation) const;
    void removeSelected(bool n_relation);

    std::unique_ptr<Ui::wContainerRelationshipArea> ui;
    // Made once: an icon read per item would cost more than the item.
    const QIcon m_relationIcon;
    const QIcon m_ruleIcon;
    const QIcon m_constraintIcon;
    RelationshipColleague *m_colleague = nullptr;
    OstraClass *m_class = nullptr;
    const QString m_relationWord = QStringLiteral("relation");
    const QString m_constraintWord = QStringLiteral("constraint");
    const QString m_ruleWord = QStringLiteral("rule");
    QAction *m_actions[9] = {};
};

#endif // WCONTAINERRELATIONSHIPAREA_H
