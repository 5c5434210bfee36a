#include "WidgetAreas/wContainerProjectArea.h"
#include "ui_wContainerProjectArea.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "SlotGuard.h"
#include "model/OstraClass.h"
#include "workspace/colleagues/ProjectColleague.h"
#include "workspace/routing/CommandItem.h"

#include <QAction>
#include <QHeaderView>
#include <QLoggingCategory>
#include <QMenu>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

Q_LOGGING_CATEGORY(lcProjectFilter, "ide.projecttree.filter", QtWarningMsg)

enum Column { NAME_COLUMN = 0, KIND_COLUMN = 1, ID_COLUMN = 2, VALUE_TYPE_COLUMN = 3 };

// Sorted as the view sorts its items (locale-aware on the name), so a built tree needs no pass.
void appendSorted(QTreeWidgetItem *n_parent, std::vector<QTreeWidgetItem *> &n_children)
{
    std::stable_sort(n_children.begin(), n_children.end(),
                     [](const QTreeWidgetItem *a, const QTreeWidgetItem *b) { return *a < *b; });
    n_parent->addChildren(QList<QTreeWidgetItem *>(n_children.begin(), n_children.end()));
}

void expandAllTree(QTreeWidgetItem *n_item, bool n_state)
{
    for (int index = 0; index < n_item->childCount(); ++index)
        expandAllTree(n_item->child(index), n_state);
    n_item->setExpanded(n_state);
}

// The copy has the shape of the original, so the walk pairs items one to one.
void copyExpandTreeItem(const QTreeWidgetItem *n_from, QTreeWidgetItem *n_to)
{
    for (int index = 0; index < n_from->childCount(); ++index)
        copyExpandTreeItem(n_from->child(index), n_to->child(index));
    n_to->setExpanded(n_from->isExpanded());
}

bool isWithin(const QTreeWidgetItem *n_item, const QTreeWidgetItem *n_ancestor)
{
    for (; n_item; n_item = n_item->parent())
        if (n_item == n_ancestor)
            return true;
    return false;
}

} // namespace

const QString wContainerProjectArea::CLASS_KIND = QStringLiteral("class");
const QString wContainerProjectArea::PARAMETER_KIND = QStringLiteral("parameter");

wContainerProjectArea::wContainerProjectArea(QWidget *parent)
    : QWidget(parent), ui(new Ui::wContainerProjectArea),
      m_classIcon(QStringLiteral(":/prog/Images/24x24/class.png")),
      m_parameterIcon(QStringLiteral(":/prog/Images/24x24/parameter.png")),
      m_numberIcon(QStringLiteral(":/prog/Images/32x32/number.png")),
      m_textIcon(QStringLiteral(":/prog/Images/24x24/text.png"))
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/prog/Images/24x24/project.png")));
    QTreeWidget *tree = ui->treeWidget;
    tree->setColumnCount(4);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setExpandsOnDoubleClick(false);
    tree->setDragDropMode(QAbstractItemView::NoDragDrop);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->header()->setStretchLastSection(false);
    tree->header()->setSectionResizeMode(NAME_COLUMN, QHeaderView::Stretch);
    tree->header()->setSectionResizeMode(ID_COLUMN, QHeaderView::Fixed);
    tree->header()->setSectionResizeMode(VALUE_TYPE_COLUMN, QHeaderView::Fixed);
    tree->setColumnWidth(ID_COLUMN, 75);
    tree->setColumnWidth(VALUE_TYPE_COLUMN, 45);
    tree->setColumnHidden(KIND_COLUMN, true);
    tree->setColumnHidden(ID_COLUMN, true);
    // Items compare by the view's sort column; the name column is the only one sorted by.
    tree->header()->setSortIndicator(NAME_COLUMN, Qt::AscendingOrder);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree, &QWidget::customContextMenuRequested, this,
            &wContainerProjectArea::customMenuRequested);

    const auto action = [this](void (wContainerProjectArea::*n_slot)()) {
        auto *made = new QAction(this);
        connect(made, &QAction::triggered, this, n_slot);
        return made;
    };
    m_createClass = action(&wContainerProjectArea::createClass);
    m_editClass = action(&wContainerProjectArea::editClass);
    m_removeClass = action(&wContainerProjectArea::removeClass);
    m_createParameter = action(&wContainerProjectArea::createParameter);
    m_editParameter = action(&wContainerProjectArea::editParameter);
    m_removeParameter = action(&wContainerProjectArea::removeParameter);
    m_expand = action(&wContainerProjectArea::expandChooseClass);
    m_testClass = action(&wContainerProjectArea::testClass);
    connect(ui->leFilter, &QLineEdit::textChanged, this, &wContainerProjectArea::filter);
    retranslateUI();
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    m_expand->setText(texts.getTextById(texts.getContainerProjectBeginKey() + 50));
}

wContainerProjectArea::~wContainerProjectArea() = default;

void wContainerProjectArea::setColleague(ProjectColleague *n_colleague)
{
    m_colleague = n_colleague;
}

void wContainerProjectArea::setTitle(QString n_title)
{
    setWindowTitle(std::move(n_title));
}

void wContainerProjectArea::setIcon(QIcon n_icon)
{
    setWindowIcon(n_icon);
}

void wContainerProjectArea::setShowParameterType(bool n_show)
{
    ui->treeWidget->setColumnHidden(VALUE_TYPE_COLUMN, !n_show);
}

QTreeWidget *wContainerProjectArea::treeWidget() const
{
    return ui->treeWidget;
}

QLineEdit *wContainerProjectArea::filterLine() const
{
    return ui->leFilter;
}

QList<QAction *> wContainerProjectArea::menuActions() const
{
    return {m_createClass,   m_editClass,       m_removeClass, m_createParameter,
            m_editParameter, m_removeParameter, m_expand,      m_testClass};
}

void wContainerProjectArea::setData(OstraClass *n_root)
{
    clear();
    m_root = n_root;
    build();
}

void wContainerProjectArea::clear()
{
    ui->treeWidget->clear();
    const QSignalBlocker blocker(ui->leFilter);
    ui->leFilter->clear();
}

void wContainerProjectArea::refresh()
{
    ui->treeWidget->clear();
    build();
    const QString text = ui->leFilter->text();
    if (!text.isEmpty())
        filter(text);
}

void wContainerProjectArea::build()
{
    if (!m_root)
        return;
    // Detached until complete, so the view hears of one insertion; only the root ends expanded.
    QTreeWidgetItem *root = classItem(*m_root);
    ui->treeWidget->addTopLevelItem(root);
    root->setExpanded(true);
}

QTreeWidgetItem *wContainerProjectArea::makeItem(const QString &n_name, const QString &n_kind,
                                                 const QString &n_id)
{
    auto *item = new QTreeWidgetItem();
    item->setText(NAME_COLUMN, n_name);
    item->setText(KIND_COLUMN, n_kind);
    item->setText(ID_COLUMN, n_id);
    item->setIcon(NAME_COLUMN, n_kind == CLASS_KIND ? m_classIcon : m_parameterIcon);
    return item;
}

QTreeWidgetItem *wContainerProjectArea::classItem(const OstraClass &n_class)
{
    QTreeWidgetItem *item = makeItem(n_class.getShortName(), CLASS_KIND, n_class.getId());
    std::vector<QTreeWidgetItem *> children;
    const auto parameters = n_class.getOwnParametersSet();
    for (const auto &parameter : parameters) {
        if (!listed(parameter))
            continue;
        QTreeWidgetItem *child = makeItem(parameter->getShortName(), PARAMETER_KIND,
                                          parameter->getId());
        const int type = parameter->getValueType();
        if (type == QVariant::Double)
            child->setIcon(VALUE_TYPE_COLUMN, m_numberIcon);
        else if (type == QVariant::String)
            child->setIcon(VALUE_TYPE_COLUMN, m_textIcon);
        children.push_back(child);
    }
    const auto classes = n_class.getOwnClassesSet();
    for (const auto &child : classes)
        children.push_back(classItem(*child));
    appendSorted(item, children);
    return item;
}

bool wContainerProjectArea::listed(const QSharedPointer<ParameterModel> &n_parameter) const
{
    if (m_typeFilter != NO_TYPE_FILTER && int(n_parameter->getValueType()) != m_typeFilter)
        return false;
    // Excluded by identity, never by id or name.
    return std::none_of(m_excluded.cbegin(), m_excluded.cend(),
                        [&](const auto &excluded) { return excluded == n_parameter; });
}

void wContainerProjectArea::setIconParameter(QTreeWidgetItem *n_item, const QString &n_id)
{
    if (!m_root || !m_root->parametersContains(n_id))
        return;
    const int type = m_root->getParameter(n_id)->getValueType();
    if (type == QVariant::Double)
        n_item->setIcon(VALUE_TYPE_COLUMN, m_numberIcon);
    else if (type == QVariant::String)
        n_item->setIcon(VALUE_TYPE_COLUMN, m_textIcon);
}

void wContainerProjectArea::filter(const QString &n_text)
{
    SlotGuard::run(
        [&] {
            if (!m_root)
                return;
            if (n_text.isEmpty()) {
                setData(m_root);
                return;
            }
            const QString text = n_text.toLower();
            QTreeWidget *tree = ui->treeWidget;
            for (int index = 0; index < tree->topLevelItemCount(); ++index)
                filterTreeItems(tree->topLevelItem(index), text);
            tree->expandAll();
            tree->sortItems(NAME_COLUMN, Qt::AscendingOrder);
        },
        this);
}

bool wContainerProjectArea::filterTreeItems(QTreeWidgetItem *n_item, const QString &n_text)
{
    qCDebug(lcProjectFilter) << n_item->text(NAME_COLUMN);
    bool shownChild = false;
    for (int index = 0; index < n_item->childCount(); ++index)
        shownChild = filterTreeItems(n_item->child(index), n_text) || shownChild;
    const bool shown = shownChild || n_item->text(NAME_COLUMN).toLower().contains(n_text);
    n_item->setHidden(!shown);
    return shown;
}

QTreeWidgetItem *wContainerProjectArea::findItem(const QString &n_id) const
{
    if (n_id.isEmpty())
        return nullptr;
    // Ids are matched whole: older models have short ids such as "0" that many others contain.
    const QList<QTreeWidgetItem *> found = ui->treeWidget->findItems(
        n_id, Qt::MatchExactly | Qt::MatchCaseSensitive | Qt::MatchRecursive, ID_COLUMN);
    return found.isEmpty() ? nullptr : found.first();
}

void wContainerProjectArea::setChangeTitleItem(CommandItem *n_command)
{
    const QString uid = n_command->getUid();
    if (!m_colleague || uid.isEmpty())
        return;
    QTreeWidgetItem *parent = findItem(n_command->getParentUid());
    QTreeWidgetItem *item = findItem(uid);
    const bool isClass = n_command->getTypeWorkSpace() == CLASS_WINDOW;
    if (!item) {
        if (!parent)
            return;
        QTreeWidgetItem *made = makeItem(n_command->getAdditionalInformation(),
                                         isClass ? CLASS_KIND : PARAMETER_KIND, uid);
        setIconParameter(made, uid);
        parent->addChild(made);
        parent->sortChildren(NAME_COLUMN, Qt::AscendingOrder);
        return;
    }
    item->setText(NAME_COLUMN, n_command->getAdditionalInformation());
    setIconParameter(item, uid);
    if ((m_root && uid == m_root->getId()) || !parent || isWithin(parent, item)) {
        // Renamed only: it still takes its sorted place among its siblings.
        if (item->parent())
            item->parent()->sortChildren(NAME_COLUMN, Qt::AscendingOrder);
        return;
    }
    moveItem(item, parent);
}

void wContainerProjectArea::moveItem(QTreeWidgetItem *n_item, QTreeWidgetItem *n_parent)
{
    // Re-created under its parent even when that did not change, so it lands in sorted place.
    QTreeWidgetItem *copy = n_item->clone();
    n_parent->addChild(copy);
    copyExpandTreeItem(n_item, copy);
    delete n_item;
    n_parent->sortChildren(NAME_COLUMN, Qt::AscendingOrder);
}

void wContainerProjectArea::setFilterParameterType(QVariant::Type n_type)
{
    m_typeFilter = int(n_type);
    refresh();
}

void wContainerProjectArea::setFilterParameters(QList<QSharedPointer<ParameterModel>> n_excluded)
{
    m_excluded = std::move(n_excluded);
    refresh();
}

void wContainerProjectArea::setCurrentParameter(QString &n_id)
{
    QTreeWidgetItem *item = findItem(n_id);
    if (!item)
        return;
    ui->treeWidget->scrollToItem(item);
    ui->treeWidget->setFocus();
    ui->treeWidget->setCurrentItem(item);
}

QString wContainerProjectArea::getCurrentParameter() const
{
    const QTreeWidgetItem *item = selectedItem();
    return item && item->text(KIND_COLUMN) == PARAMETER_KIND ? item->text(ID_COLUMN) : QString();
}

QTreeWidgetItem *wContainerProjectArea::selectedItem() const
{
    const QList<QTreeWidgetItem *> selected = ui->treeWidget->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void wContainerProjectArea::retranslateUI()
{
    ui->retranslateUi(this);
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    const auto text = [&](int n_offset) {
        return texts.getTextById(texts.getContainerProjectBeginKey() + n_offset);
    };
    ui->treeWidget->setHeaderLabels({text(10), text(20), text(30), text(20)});
    m_createClass->setText(text(1));
    m_editClass->setText(text(2));
    m_removeClass->setText(text(3));
    m_createParameter->setText(text(4));
    m_editParameter->setText(text(5));
    m_removeParameter->setText(text(6));
    m_testClass->setText(text(40));
}

void wContainerProjectArea::sendCommand(int n_operation, int n_kind, const QString &n_id)
{
    if (!m_colleague)
        return;
    CommandItem command(TypeCRUD(n_operation), TypeWorkSpaceWindow(n_kind), n_id);
    m_colleague->send(&command);
}

void wContainerProjectArea::openItem(QTreeWidgetItem *n_item)
{
    if (!n_item || !m_colleague || n_item->text(KIND_COLUMN).isEmpty())
        return;
    const bool isClass = n_item->text(KIND_COLUMN) == CLASS_KIND;
    sendCommand(UPDATE, isClass ? CLASS_WINDOW : PARAMETER_WINDOW, n_item->text(ID_COLUMN));
}

void wContainerProjectArea::on_treeWidget_itemDoubleClicked(QTreeWidgetItem *n_item, int)
{
    SlotGuard::run(
        [&] {
            emit itemDoubleClicked();
            openItem(n_item);
        },
        this);
}

void wContainerProjectArea::customMenuRequested(const QPoint &n_pos)
{
    SlotGuard::run(
        [&] {
            QTreeWidget *tree = ui->treeWidget;
            QTreeWidgetItem *item = tree->itemAt(n_pos);
            if (!m_colleague || !item || tree->selectedItems().size() > 1)
                return;
            tree->setCurrentItem(item);
            auto *menu = new QMenu(this);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            if (item->text(KIND_COLUMN) == CLASS_KIND) {
                const InterfaceLanguage &texts = InterfaceLanguage::Instance();
                m_expand->setText(texts.getTextById(texts.getContainerProjectBeginKey()
                                                    + (item->isExpanded() ? 60 : 50)));
                menu->addActions({m_createClass, m_editClass, m_removeClass});
                menu->addSeparator();
                menu->addAction(m_createParameter);
                menu->addSeparator();
                menu->addAction(m_expand);
                menu->addSeparator();
                menu->addAction(m_testClass);
            } else {
                menu->addActions({m_editParameter, m_removeParameter});
            }
            menu->popup(tree->viewport()->mapToGlobal(n_pos));
        },
        this);
}

void wContainerProjectArea::createClass()
{
    SlotGuard::run(
        [&] {
            if (QTreeWidgetItem *item = selectedItem())
                sendCommand(CREATE, CLASS_WINDOW, item->text(ID_COLUMN));
        },
        this);
}

void wContainerProjectArea::createParameter()
{
    SlotGuard::run(
        [&] {
            if (QTreeWidgetItem *item = selectedItem())
                sendCommand(CREATE, PARAMETER_WINDOW, item->text(ID_COLUMN));
        },
        this);
}

void wContainerProjectArea::editClass()
{
    SlotGuard::run([&] { openItem(selectedItem()); }, this);
}

void wContainerProjectArea::editParameter()
{
    SlotGuard::run([&] { openItem(selectedItem()); }, this);
}

void wContainerProjectArea::removeClass()
{
    SlotGuard::run([&] { removeItem(true); }, this);
}

void wContainerProjectArea::removeParameter()
{
    SlotGuard::run([&] { removeItem(false); }, this);
}

void wContainerProjectArea::removeItem(bool n_class)
{
    const QTreeWidgetItem *item = selectedItem();
    if (!item || !m_colleague)
        return;
    const QString uid = item->text(ID_COLUMN);
    sendCommand(DELETE, n_class ? CLASS_WINDOW : PARAMETER_WINDOW, uid);
    // The workspace may refuse (the root class) or fail, and may even rebuild the tree meanwhile:
    // the item goes only when the model no longer holds the element.
    if (!m_root)
        return;
    const bool held = n_class ? (uid == m_root->getId() || m_root->classContains(uid))
                              : m_root->parametersContains(uid);
    if (!held)
        delete findItem(uid);
}

void wContainerProjectArea::expandChooseClass()
{
    SlotGuard::run(
        [&] {
            const QList<QTreeWidgetItem *> selected = ui->treeWidget->selectedItems();
            if (selected.isEmpty())
                return;
            const bool state = !selected.first()->isExpanded();
            for (QTreeWidgetItem *item : selected)
                expandAllTree(item, state);
        },
        this);
}

void wContainerProjectArea::testClass()
{
    SlotGuard::run(
        [&] {
            if (QTreeWidgetItem *item = selectedItem())
                sendCommand(READ, TEST_CLASS_WINDOW, item->text(ID_COLUMN));
        },
        this);
}
