#include "WidgetAreas/ElementTreeArea.h"

#include "SlotGuard.h"
#include "workspace/routing/CommandItem.h"

#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

#include <utility>

ElementTreeArea::ElementTreeArea(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_model = new QStandardItemModel(this);
    m_view = new QTreeView(this);
    m_view->setObjectName(QStringLiteral("tvElements"));
    m_view->setHeaderHidden(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setModel(m_model);
    layout->addWidget(m_view);
    connect(m_view, &QTreeView::doubleClicked, this,
            [this](const QModelIndex &n_index) { SlotGuard::run([&] { onDoubleClicked(n_index); }, this); });
}

void ElementTreeArea::setTitle(QString n_title) { setWindowTitle(std::move(n_title)); }

void ElementTreeArea::setData(OstraClass *n_class)
{
    m_class = n_class;
    refresh();
}

void ElementTreeArea::refresh()
{
    clear();
    if (m_class)
        fill(m_class);
}

void ElementTreeArea::clear()
{
    m_items.clear();
    m_model->clear();
}

void ElementTreeArea::retranslateUI() {}

QTreeView *ElementTreeArea::view() const { return m_view; }

QStandardItemModel *ElementTreeArea::model() const { return m_model; }

QStandardItem *ElementTreeArea::itemOf(const QString &n_id) const { return m_items.value(n_id); }

QStandardItem *ElementTreeArea::makeItem(const QString &n_id, const QString &n_name, TypeWorkSpaceWindow n_kind)
{
    auto *item = new QStandardItem(n_name);
    item->setData(n_id, ID_ROLE);
    item->setData(int(n_kind), KIND_ROLE);
    m_items.insert(n_id, item);
    return item;
}

void ElementTreeArea::forget(const QString &n_id) { m_items.remove(n_id); }

OstraClass *ElementTreeArea::currentClass() const { return m_class; }

void ElementTreeArea::onDoubleClicked(const QModelIndex &n_index)
{
    const QStandardItem *item = m_model->itemFromIndex(n_index.sibling(n_index.row(), 0));
    if (!item)
        return;
    CommandItem command(UPDATE, TypeWorkSpaceWindow(item->data(KIND_ROLE).toInt()), item->data(ID_ROLE).toString());
    sendCommand(&command);
}
