#include "WidgetAreas/wContainerProjectArea.h"

#include "model/OstraClass.h"
#include "workspace/colleagues/ProjectColleague.h"
#include "workspace/routing/CommandItem.h"

#include <QStandardItemModel>

wContainerProjectArea::wContainerProjectArea(QWidget *parent) : ElementTreeArea(parent) {}

void wContainerProjectArea::setColleague(ProjectColleague *n_colleague) { m_colleague = n_colleague; }

void wContainerProjectArea::fill(OstraClass *n_class)
{
    // The rows are built detached and attached once, so the view hears of one insertion.
    model()->appendRow(classRow(n_class));
}

QStandardItem *wContainerProjectArea::classRow(OstraClass *n_class)
{
    QStandardItem *row = makeItem(n_class->getId(), n_class->getShortName(), CLASS_WINDOW);
    const auto classes = n_class->getOwnClassesHash();
    for (const auto &child : classes)
        row->appendRow(classRow(child.data()));
    const auto parameters = n_class->getOwnParametersHash();
    for (const auto &parameter : parameters)
        row->appendRow(makeItem(parameter->getId(), parameter->getShortName(), PARAMETER_WINDOW));
    return row;
}

void wContainerProjectArea::setChangeTitleItem(CommandItem *n_command)
{
    QStandardItem *parent = itemOf(n_command->getParentUid());
    QStandardItem *item = itemOf(n_command->getUid());
    if (!item) {
        if (parent)
            parent->appendRow(makeItem(n_command->getUid(), n_command->getAdditionalInformation(),
                                       n_command->getTypeWorkSpace()));
        return;
    }
    item->setText(n_command->getAdditionalInformation());
    if (!parent || item->parent() == parent)
        return;
    QStandardItem *oldParent = item->parent();
    const QList<QStandardItem *> taken = oldParent ? oldParent->takeRow(item->row()) : model()->takeRow(item->row());
    parent->appendRow(taken);
}

void wContainerProjectArea::sendCommand(CommandItem *n_command)
{
    if (m_colleague)
        m_colleague->send(n_command);
}
