#include "WidgetAreas/wContainerRelationshipArea.h"

#include "model/OstraClass.h"
#include "workspace/colleagues/RelationshipColleague.h"
#include "workspace/routing/CommandItem.h"

#include <QStandardItemModel>

#include <functional>

wContainerRelationshipArea::wContainerRelationshipArea(QWidget *parent) : ElementTreeArea(parent) {}

void wContainerRelationshipArea::setColleague(RelationshipColleague *n_colleague) { m_colleague = n_colleague; }

namespace {

// Places the missing rules or constraints of a hash under their relations' rows.
template <typename Hash, typename MakeRow>
void addBound(const Hash &n_elements, const QHash<QString, QStandardItem *> &n_newRelations,
              const std::function<QStandardItem *(const QString &)> &n_rowOf, MakeRow n_make)
{
    for (const auto &element : n_elements) {
        if (n_rowOf(element->getId()))
            continue;
        const auto relation = element->getRelationPtr();
        if (!relation)
            continue;
        QStandardItem *relationRow = n_newRelations.value(relation->getId());
        if (!relationRow)
            relationRow = n_rowOf(relation->getId());
        if (relationRow)
            relationRow->appendRow(n_make(element->getId(), element->getShortName()));
    }
}

} // namespace

void wContainerRelationshipArea::fill(OstraClass *n_class)
{
    const auto rowOf = [this](const QString &n_id) { return itemOf(n_id); };
    const auto make = [this](const QString &n_id, const QString &n_name) {
        return makeItem(n_id, n_name, RULE_WINDOW);
    };
    // New relation rows stay detached until their rules are under them.
    QHash<QString, QStandardItem *> newRelations;
    QList<QStandardItem *> newRows;
    const auto relations = n_class->getRelationsHash();
    for (const auto &relation : relations) {
        if (itemOf(relation->getId()))
            continue;
        QStandardItem *row = makeItem(relation->getId(), relation->getShortName(), RELATION_WINDOW);
        newRelations.insert(relation->getId(), row);
        newRows.append(row);
    }
    addBound(n_class->getRulesHash(), newRelations, rowOf, make);
    addBound(n_class->getConstraintsHash(), newRelations, rowOf, make);
    for (QStandardItem *row : qAsConst(newRows))
        model()->appendRow(row);
}

void wContainerRelationshipArea::UpdateView()
{
    if (currentClass())
        fill(currentClass());
}

void wContainerRelationshipArea::setChangeTitleItem(CommandItem *n_command)
{
    if (QStandardItem *item = itemOf(n_command->getUid())) {
        item->setText(n_command->getAdditionalInformation());
        return;
    }
    if (n_command->getTypeWorkSpace() == RELATION_WINDOW) {
        model()->appendRow(makeItem(n_command->getUid(), n_command->getAdditionalInformation(), RELATION_WINDOW));
    } else if (QStandardItem *relation = itemOf(n_command->getParentUid())) {
        relation->appendRow(makeItem(n_command->getUid(), n_command->getAdditionalInformation(), RULE_WINDOW));
    }
}

void wContainerRelationshipArea::sendCommand(CommandItem *n_command)
{
    if (m_colleague)
        m_colleague->send(n_command);
}
