#include "WidgetAreas/wContainerRelationshipArea.h"
#include "ui_wContainerRelationshipArea.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "SlotGuard.h"
#include "elements/ConstraintModel.h"
#include "elements/RelationModel.h"
#include "elements/RuleModel.h"
#include "model/OstraClass.h"
#include "workspace/colleagues/RelationshipColleague.h"
#include "workspace/routing/CommandItem.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QSet>
#include <QTreeWidget>

#include <utility>

namespace {
enum Action {
    ADD_RELATION,
    EDIT_RELATION,
    REMOVE_RELATION,
    ADD_RULE,
    EDIT_RULE,
    REMOVE_RULE,
    ADD_CONSTRAINT,
    EDIT_CONSTRAINT,
    REMOVE_CONSTRAINT
};
// Text offsets of the actions on the relations tree's base, in action order.
const int ACTION_TEXTS[] = {1, 2, 3, 4, 5, 6, 10, 11, 12};

template<typename Element>
QString elementLabel(const Element &n_element)
{
    return n_element->getShortName().isEmpty() ? n_element->getDescription()
                                               : n_element->getShortName();
}

QString relationLabel(const QSharedPointer<RelationModel> &n_relation)
{
    return n_relation->getShortName().isEmpty() ? n_relation->getCode()
                                                : n_relation->getShortName();
}

// An identifier as the items hold it, braces taken off.
QString bare(const QString &n_id)
{
    if (n_id.size() >= 2 && n_id.startsWith(QLatin1Char('{')) && n_id.endsWith(QLatin1Char('}')))
        return n_id.mid(1, n_id.size() - 2);
    return n_id;
}
} // namespace

wContainerRelationshipArea::wContainerRelationshipArea(QWidget *parent)
    : QWidget(parent), ui(new Ui::wContainerRelationshipArea),
      m_relationIcon(QStringLiteral(":/prog/Images/24x24/relation.png")),
      m_ruleIcon(QStringLiteral(":/prog/Images/24x24/rule.png")),
      m_constraintIcon(QStringLiteral(":/prog/Images/24x24/constraint.png"))
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/prog/Images/24x24/relations.png")));
    for (QAction *&action : m_actions)
        action = new QAction(this);
    changeLanguage();
    ui->treeWidget->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->treeWidget, &QTreeWidget::customContextMenuRequested, this,
            &wContainerRelationshipArea::customMenuRequested);
    const auto bind = [this](int n_action, void (wContainerRelationshipArea::*n_slot)()) {
        connect(m_actions[n_action], &QAction::triggered, this, n_slot);
    };
    bind(ADD_RELATION, &wContainerRelationshipArea::createRelationship);
    bind(EDIT_RELATION, &wContainerRelationshipArea::editRelationShip);
    bind(REMOVE_RELATION, &wContainerRelationshipArea::removeRelationShip);
    bind(ADD_RULE, &wContainerRelationshipArea::createRule);
    bind(EDIT_RULE, &wContainerRelationshipArea::editRule);
    bind(REMOVE_RULE, &wContainerRelationshipArea::removeRule);
    bind(ADD_CONSTRAINT, &wContainerRelationshipArea::createRule);
    bind(EDIT_CONSTRAINT, &wContainerRelationshipArea::editRule);
    bind(REMOVE_CONSTRAINT, &wContainerRelationshipArea::removeRule);
    connect(ui->leFilter, &QLineEdit::textChanged, this, &wContainerRelationshipArea::filter);
}

wContainerRelationshipArea::~wContainerRelationshipArea() = default;

void wContainerRelationshipArea::setTitle(QString n_title)
{
    setWindowTitle(std::move(n_title));
}

void wContainerRelationshipArea::setIcon(QIcon n_icon)
{
    setWindowIcon(n_icon);
}

void wContainerRelationshipArea::setColleague(RelationshipColleague *n_colleague)
{
    m_colleague = n_colleague;
}

QTreeWidget *wContainerRelationshipArea::treeWidget() const
{
    return ui->treeWidget;
}

void wContainerRelationshipArea::setData(OstraClass *n_class)
{
    m_class = n_class;
    fill(false);
}

void wContainerRelationshipArea::refresh()
{
    ui->treeWidget->clear();
    filter(ui->leFilter->text());
}

void wContainerRelationshipArea::clear()
{
    ui->treeWidget->clear();
    const QSignalBlocker blocker(ui->leFilter);
    ui->leFilter->clear();
}

void wContainerRelationshipArea::UpdateView()
{
    fill(true);
}

void wContainerRelationshipArea::dropGone()
{
    if (!m_class)
        return;
    QList<QTreeWidgetItem *> gone;
    for (int i = 0; i < ui->treeWidget->topLevelItemCount(); ++i) {
        QTreeWidgetItem *relation = ui->treeWidget->topLevelItem(i);
        if (!modelHolds(relation->text(2), true)) {
            gone.append(relation);
            continue;
        }
        for (int j = 0; j < relation->childCount(); ++j)
            if (!modelHolds(relation->child(j)->text(2), false))
                gone.append(relation->child(j));
    }
    qDeleteAll(gone);
}

QSharedPointer<RelationModel> wContainerRelationshipArea::storedRelation(const QString &n_id) const
{
    if (!m_class || !m_class->relationsContains(n_id))
        return nullptr;
    return m_class->getRelationPtr(n_id);
}

void wContainerRelationshipArea::lookups(const QSet<QString> &n_relations, RulesByRelation &n_rules,
                                         ConstraintsByRelation &n_constraints) const
{
    // Only the relations asked for; a rule or constraint whose relation is gone or not stored has
    // no place in the tree.
    const auto rules = m_class->getRulesHash();
    for (const auto &rule : rules) {
        const QSharedPointer<RelationModel> relation = rule ? rule->getRelationPtr() : nullptr;
        if (relation && n_relations.contains(relation->getId()))
            n_rules.insert(relation->getId(), rule);
    }
    const auto constraints = m_class->getConstraintsHash();
    for (const auto &constraint : constraints) {
        const QSharedPointer<RelationModel> relation = constraint ? constraint->getRelationPtr()
                                                                  : nullptr;
        if (relation && n_relations.contains(relation->getId()))
            n_constraints.insert(relation->getId(), constraint);
    }
}

QTreeWidgetItem *wContainerRelationshipArea::makeItem(const QString &n_label, const QString &n_kind,
                                                      const QString &n_id) const
{
    auto *item = new QTreeWidgetItem(QStringList{n_label, n_kind, n_id});
    item->setIcon(0, n_kind == m_relationWord ? m_relationIcon
                     : n_kind == m_ruleWord   ? m_ruleIcon
                                              : m_constraintIcon);
    return item;
}

void wContainerRelationshipArea::fill(bool n_skipShown)
{
    if (!m_class)
        return;
    const QHash<QString, QSharedPointer<RelationModel>> relations = m_class->getRelationsHash();
    if (relations.isEmpty())
        return;
    QSet<QString> shown;
    if (n_skipShown) {
        // Relation items are only ever top-level: one pass over them, not a search per relation.
        for (int i = 0; i < ui->treeWidget->topLevelItemCount(); ++i)
            shown.insert(bare(ui->treeWidget->topLevelItem(i)->text(2)));
    }
    QSet<QString> missing;
    for (auto it = relations.cbegin(); it != relations.cend(); ++it)
        if (it.value() && !shown.contains(it.key()))
            missing.insert(it.key());
    if (missing.isEmpty())
        return;
    RulesByRelation rules;
    ConstraintsByRelation constraints;
    lookups(missing, rules, constraints);
    QList<QTreeWidgetItem *> items;
    for (auto it = relations.cbegin(); it != relations.cend(); ++it) {
        const QSharedPointer<RelationModel> &relation = it.value();
        if (!missing.contains(it.key()))
            continue;
        QTreeWidgetItem *item = makeItem(relationLabel(relation), m_relationWord, it.key());
        if (relation->getRelationType() == RelationModel::RELATION_CONSTRAINT) {
            for (const auto &constraint : constraints.values(it.key()))
                item->addChild(
                    makeItem(elementLabel(constraint), m_constraintWord, constraint->getId()));
        } else {
            for (const auto &rule : rules.values(it.key()))
                item->addChild(makeItem(elementLabel(rule), m_ruleWord, rule->getId()));
        }
        items.append(item);
    }
    ui->treeWidget->addTopLevelItems(items);
}

void wContainerRelationshipArea::filter(QString n_filterText)
{
    SlotGuard::run(
        [this, &n_filterText] {
            ui->treeWidget->clear();
            if (n_filterText.isEmpty()) {
                fill(false);
                return;
            }
            buildFiltered(n_filterText);
            expandTopLevelTree();
        },
        this);
}

void wContainerRelationshipArea::buildFiltered(const QString &n_text)
{
    if (!m_class)
        return;
    const QHash<QString, QSharedPointer<RelationModel>> relations = m_class->getRelationsHash();
    const QList<QString> ids = relations.keys();
    RulesByRelation rules;
    ConstraintsByRelation constraints;
    lookups(QSet<QString>(ids.cbegin(), ids.cend()), rules, constraints);
    QList<QTreeWidgetItem *> items;
    for (auto it = relations.cbegin(); it != relations.cend(); ++it) {
        if (!it.value())
            continue;
        const QString label = relationLabel(it.value());
        std::unique_ptr<QTreeWidgetItem> item(makeItem(label, m_relationWord, it.key()));
        for (const auto &rule : rules.values(it.key()))
            if (elementLabel(rule).contains(n_text, Qt::CaseInsensitive))
                item->addChild(makeItem(elementLabel(rule), m_ruleWord, rule->getId()));
        for (const auto &constraint : constraints.values(it.key()))
            if (elementLabel(constraint).contains(n_text, Qt::CaseInsensitive))
                item->addChild(
                    makeItem(elementLabel(constraint), m_constraintWord, constraint->getId()));
        if (item->childCount() > 0 || label.contains(n_text, Qt::CaseInsensitive))
            items.append(item.release());
    }
    ui->treeWidget->addTopLevelItems(items);
}

void wContainerRelationshipArea::expandTopLevelTree()
{
    for (int i = 0; i < ui->treeWidget->topLevelItemCount(); ++i)
        ui->treeWidget->topLevelItem(i)->setExpanded(true);
}

QList<QTreeWidgetItem *> wContainerRelationshipArea::itemsOf(const QString &n_id) const
{
    // Exact matches only: short ids from files lie inside one another ("1" in "12").
    QList<QTreeWidgetItem *> found;
    if (n_id.isEmpty())
        return found;
    for (QTreeWidgetItemIterator it(ui->treeWidget); *it; ++it)
        if (bare((*it)->text(2)) == bare(n_id))
            found.append(*it);
    return found;
}

QTreeWidgetItem *wContainerRelationshipArea::itemOf(const QString &n_id) const
{
    const QList<QTreeWidgetItem *> found = itemsOf(n_id);
    return found.isEmpty() ? nullptr : found.first();
}

void wContainerRelationshipArea::setChangeTitleItem(CommandItem *n_command)
{
    if (!m_colleague || !n_command)
        return;
    const QString title = n_command->getAdditionalInformation();
    const QList<QTreeWidgetItem *> found = itemsOf(n_command->getUid());
    if (!found.isEmpty()) {
        for (QTreeWidgetItem *item : found)
            item->setText(0, title);
        return;
    }
    if (n_command->getParentUid().isEmpty()) {
        ui->treeWidget->addTopLevelItem(makeItem(title, m_relationWord, n_command->getUid()));
        return;
    }
    const QList<QTreeWidgetItem *> parents = itemsOf(n_command->getParentUid());
    const QSharedPointer<RelationModel> relation = storedRelation(bare(n_command->getParentUid()));
    if (parents.isEmpty() || !relation)
        return;
    const bool constraint = relation->getRelationType() == RelationModel::RELATION_CONSTRAINT;
    for (QTreeWidgetItem *parent : parents)
        parent->addChild(
            makeItem(title, constraint ? m_constraintWord : m_ruleWord, n_command->getUid()));
}

void wContainerRelationshipArea::retranslateUI()
{
    const QString title = windowTitle();
    ui->retranslateUi(this);
    setWindowTitle(title);
    changeLanguage();
}

void wContainerRelationshipArea::changeLanguage()
{
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    for (int i = 0; i < 9; ++i)
        m_actions[i]->setText(
            texts.getTextById(texts.getContainerRelationBeginKey() + ACTION_TEXTS[i]));
    const QStringList headers{texts.getTextById(texts.getBaseInterfaceBeginKey() + 1),
                              texts.getTextById(texts.getBaseInterfaceBeginKey() + 3),
                              QStringLiteral("UID")};
    ui->treeWidget->setColumnCount(3);
    ui->treeWidget->setHeaderLabels(headers);
    ui->treeWidget->hideColumn(1);
    ui->treeWidget->hideColumn(2);
}

QTreeWidgetItem *wContainerRelationshipArea::selected() const
{
    const QList<QTreeWidgetItem *> items = ui->treeWidget->selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

void wContainerRelationshipArea::customMenuRequested(QPoint n_pos)
{
    SlotGuard::run(
        [this, n_pos] {
            if (!m_class)
                return;
            // Shown without blocking; the menu goes when it closes.
            auto *menu = new QMenu(this);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            QTreeWidgetItem *item = ui->treeWidget->indexAt(n_pos).isValid() ? selected() : nullptr;
            if (!item) {
                menu->addAction(m_actions[ADD_RELATION]);
            } else if (item->text(1) == m_relationWord) {
                menu->addAction(m_actions[ADD_RELATION]);
                menu->addAction(m_actions[EDIT_RELATION]);
                menu->addAction(m_actions[REMOVE_RELATION]);
                menu->addSeparator();
                const QSharedPointer<RelationModel> relation = storedRelation(bare(item->text(2)));
                const bool constraint = relation
                                        && relation->getRelationType()
                                               == RelationModel::RELATION_CONSTRAINT;
                menu->addAction(m_actions[constraint ? ADD_CONSTRAINT : ADD_RULE]);
            } else if (item->text(1) == m_ruleWord) {
                menu->addAction(m_actions[EDIT_RULE]);
                menu->addAction(m_actions[REMOVE_RULE]);
            } else {
                menu->addAction(m_actions[EDIT_CONSTRAINT]);
                menu->addAction(m_actions[REMOVE_CONSTRAINT]);
            }
            menu->popup(ui->treeWidget->viewport()->mapToGlobal(n_pos));
        },
        this);
}

void wContainerRelationshipArea::send(CommandItem *n_command)
{
    if (m_colleague)
        m_colleague->send(n_command);
}

void wContainerRelationshipArea::openItem(QTreeWidgetItem *n_item)
{
    if (!n_item)
        return;
    CommandItem command(UPDATE, n_item->text(1) == m_relationWord ? RELATION_WINDOW : RULE_WINDOW,
                        n_item->text(2));
    send(&command);
}

void wContainerRelationshipArea::on_treeWidget_itemDoubleClicked(QTreeWidgetItem *n_item, int)
{
    SlotGuard::run([this, n_item] { openItem(n_item); }, this);
}

void wContainerRelationshipArea::editRelationShip()
{
    SlotGuard::run([this] { openItem(selected()); }, this);
}

void wContainerRelationshipArea::editRule()
{
    SlotGuard::run([this] { openItem(selected()); }, this);
}

void wContainerRelationshipArea::createRelationship()
{
    SlotGuard::run(
        [this] {
            CommandItem command(CREATE, RELATION_WINDOW, QString());
            send(&command);
        },
        this);
}

void wContainerRelationshipArea::createRule()
{
    SlotGuard::run(
        [this] {
            QTreeWidgetItem *item = selected();
            if (!item)
                return;
            CommandItem command(CREATE, RULE_WINDOW, item->text(2));
            send(&command);
        },
        this);
}

bool wContainerRelationshipArea::modelHolds(const QString &n_id, bool n_relation) const
{
    if (!m_class)
        return false;
    const QString id = bare(n_id);
    if (n_relation)
        return m_class->relationsContains(id);
    return m_class->rulesContains(id) || m_class->constraintsContains(id);
}

void wContainerRelationshipArea::removeSelected(bool n_relation)
{
    QTreeWidgetItem *item = selected();
    if (!item || !m_colleague)
        return;
    // The item is found again afterwards: the workspace may have rebuilt the tree meanwhile.
    const QString id = item->text(2);
    CommandItem command(DELETE, n_relation ? RELATION_WINDOW : RULE_WINDOW, id);
    send(&command);
    // Only an element the model no longer holds loses its item.
    if (modelHolds(id, n_relation))
        return;
    for (QTreeWidgetItem *shown : itemsOf(id))
        if ((shown->text(1) == m_relationWord) == n_relation) {
            delete shown;
            return;
        }
}

void wContainerRelationshipArea::removeRelationShip()
{
    SlotGuard::run([this] { removeSelected(true); }, this);
}

void wContainerRelationshipArea::removeRule()
{
    SlotGuard::run([this] { removeSelected(false); }, this);
}
