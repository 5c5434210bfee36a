#include "workspace/colleagues/WorkSpaceColleague.h"

#include "SlotGuard.h"
#include "WidgetAreas/wClassTestArea.h"
#include "model/OstraClass.h"
#include "workspace/builders/IDEBuilder.h"
#include "workspace/creators/ObjectFactory.h"
#include "workspace/mediators/BaseMediator.h"
#include "workspace/routing/CommandItem.h"
#include "workspace/wrappers/WidgetWrapper.h"

#include <QTabWidget>

namespace {
const QString NEW_PAGE_TITLE = QStringLiteral("NoName");
const QString EDIT_MARK = QStringLiteral("*");
} // namespace

WorkSpaceColleague::WorkSpaceColleague(BaseMediator *n_mediator, IDEBuilder *n_builder, QObject *)
    : BaseColleague(n_mediator), m_builder(n_builder), m_factory(std::make_unique<ObjectFactory>())
{
    if (QTabWidget *tabWidget = tabs()) {
        connect(tabWidget, &QTabWidget::currentChanged, this, &WorkSpaceColleague::changeCurrentTab);
        connect(tabWidget, &QTabWidget::tabCloseRequested, this, &WorkSpaceColleague::on_tabClosed);
    }
}

WorkSpaceColleague::~WorkSpaceColleague()
{
    // Signals from the tab widget must not reach a half-destroyed colleague.
    if (QTabWidget *tabWidget = tabs())
        disconnect(tabWidget, nullptr, this, nullptr);
    qDeleteAll(m_wrappers);
}

QTabWidget *WorkSpaceColleague::tabs() const { return m_builder ? m_builder->getTabWidget() : nullptr; }

bool WorkSpaceColleague::isOpen(const WidgetWrapper *n_wrapper) const
{
    QWidget *page = n_wrapper->getWidget();
    return page && tabs() && tabs()->indexOf(page) >= 0;
}

void WorkSpaceColleague::addColleague(TypeWorkSpaceWindow n_kind, BaseColleague *n_colleague)
{
    if (m_colleagues.contains(n_kind))
        return;
    m_colleagues.insert(n_kind, n_colleague);
    m_factory->setColleauges(m_colleagues);
}

void WorkSpaceColleague::setTestMediator(BaseMediator *n_mediator) { m_testMediator = n_mediator; }

WidgetWrapper *WorkSpaceColleague::createWidgetWrapper(TypeWorkSpaceWindow n_kind)
{
    return m_factory->create(n_kind, NEW_PAGE_TITLE);
}

QList<WidgetWrapper *> WorkSpaceColleague::getWidgetWrappers() const { return m_wrappers; }

void WorkSpaceColleague::dropAt(int n_index) { m_wrappers.takeAt(n_index)->deleteLater(); }

void WorkSpaceColleague::clearUnuseWidgetWrapper()
{
    for (int index = 0; index < m_wrappers.size();) {
        if (isOpen(m_wrappers.at(index)))
            ++index;
        else
            dropAt(index);
    }
}

void WorkSpaceColleague::showPage(WidgetWrapper *n_wrapper)
{
    // In the list before its tab exists: the current-tab notices raised now already find it.
    if (!m_wrappers.contains(n_wrapper))
        m_wrappers.append(n_wrapper);
    QTabWidget *tabWidget = tabs();
    QWidget *page = n_wrapper->getWidget();
    tabWidget->addTab(page, n_wrapper->getTitle());
    tabWidget->setCurrentWidget(page);
    tabWidget->setTabIcon(tabWidget->currentIndex(), page->windowIcon());
}

void WorkSpaceColleague::setParentWidget(TypeWorkSpaceWindow n_kind, WidgetWrapper *n_wrapper, const QString &n_uid)
{
    if (n_kind == CLASS_WINDOW || n_kind == PARAMETER_WINDOW || n_kind == RULE_WINDOW)
        n_wrapper->setParent(n_uid);
}

WidgetWrapper *WorkSpaceColleague::findOpen(const QString &n_uid, TypeWorkSpaceWindow n_kind)
{
    for (int index = 0; index < m_wrappers.size(); ++index) {
        WidgetWrapper *wrapper = m_wrappers.at(index);
        if (wrapper->getUid() != n_uid || wrapper->getTypeWorkSpaceWindow() != n_kind)
            continue;
        if (isOpen(wrapper))
            return wrapper;
        dropAt(index);
        return nullptr;
    }
    return nullptr;
}

void WorkSpaceColleague::execute(CommandItem *n_command)
{
    switch (n_command->getTypeCommand()) {
    case CREATE:
        createPage(n_command);
        break;
    case READ:
        readTestPage(n_command);
        break;
    case UPDATE:
        updatePage(n_command);
        break;
    default:
        // Deleting elements from the model comes with the full workspace.
        break;
    }
}

void WorkSpaceColleague::createPage(CommandItem *n_command)
{
    WidgetWrapper *wrapper = createWidgetWrapper(n_command->getTypeWorkSpace());
    if (!wrapper)
        return;
    connect(wrapper, &WidgetWrapper::changeDataWidget, this, &WorkSpaceColleague::changeWidgetData);
    wrapper->setData(mediator()->getOstraClass());
    setParentWidget(n_command->getTypeWorkSpace(), wrapper, n_command->getUid());
    showPage(wrapper);
}

void WorkSpaceColleague::readTestPage(CommandItem *n_command)
{
    OstraClass *current = mediator()->getOstraClass();
    if (!current || n_command->getTypeWorkSpace() != TEST_CLASS_WINDOW)
        return;
    if (WidgetWrapper *open = findOpen(n_command->getUid(), TEST_CLASS_WINDOW)) {
        tabs()->setCurrentWidget(open->getWidget());
        return;
    }
    OstraClass *tested =
        n_command->getUid() == current->getId() ? current : current->getClassById(n_command->getUid()).data();
    std::unique_ptr<WidgetWrapper> wrapper(createWidgetWrapper(TEST_CLASS_WINDOW));
    wrapper->setData(tested);
    wrapper->setTitle(wrapper->getWidget()->windowTitle());
    showPage(wrapper.release());
}

void WorkSpaceColleague::updatePage(CommandItem *n_command)
{
    const TypeWorkSpaceWindow kind = n_command->getTypeWorkSpace();
    if (WidgetWrapper *open = findOpen(n_command->getUid(), kind)) {
        tabs()->setCurrentWidget(open->getWidget());
        return;
    }
    OstraClass *current = mediator()->getOstraClass();
    if (!current || kind == TEST_CLASS_WINDOW)
        return;
    WidgetWrapper *wrapper = createWidgetWrapper(kind);
    if (!wrapper)
        return;
    // The page's own window title, the element's name, is the tab text.
    wrapper->setTitle(QString());
    connect(wrapper, &WidgetWrapper::changeDataWidget, this, &WorkSpaceColleague::changeWidgetData);
    wrapper->setData(current);
    setParentWidget(kind, wrapper, n_command->getUid());
    wrapper->setEditData(current, n_command->getUid());
    showPage(wrapper);
}

WidgetWrapper *WorkSpaceColleague::currentWrapper() const
{
    QWidget *page = tabs() ? tabs()->currentWidget() : nullptr;
    if (!page)
        return nullptr;
    for (WidgetWrapper *wrapper : m_wrappers)
        if (wrapper->getWidget() == page)
            return wrapper;
    return nullptr;
}

void WorkSpaceColleague::sendTitle(WidgetWrapper *n_wrapper, const QString &n_title)
{
    CommandItem command(UPDATE, n_wrapper->getTypeWorkSpaceWindow(), n_wrapper->getUid(), n_wrapper->getParentUid(),
                        n_title);
    mediator()->send(&command, this);
}

bool WorkSpaceColleague::save()
{
    if (!tabs() || !tabs()->currentWidget())
        return true;
    clearUnuseWidgetWrapper();
    WidgetWrapper *wrapper = currentWrapper();
    if (!wrapper)
        return false;
    const int index = tabs()->currentIndex();
    if (!wrapper->save(true))
        return false;
    sendTitle(wrapper, wrapper->getTitle());
    wrapper->setTitle(wrapper->getWidget()->windowTitle());
    tabs()->setTabText(index, wrapper->getTitle());
    return true;
}

bool WorkSpaceColleague::saveAll()
{
    clearUnuseWidgetWrapper();
    bool result = true;
    for (TypeWorkSpaceWindow kind : {PARAMETER_WINDOW, CLASS_WINDOW, RELATION_WINDOW, RULE_WINDOW}) {
        for (WidgetWrapper *wrapper : qAsConst(m_wrappers)) {
            if (wrapper->getTypeWorkSpaceWindow() != kind)
                continue;
            if (!wrapper->save(false)) {
                result = false;
                continue;
            }
            sendTitle(wrapper, wrapper->getTitle());
            wrapper->setTitle(wrapper->getWidget()->windowTitle());
            tabs()->setTabText(tabs()->indexOf(wrapper->getWidget()), wrapper->getTitle());
        }
    }
    if (QTabWidget *tabWidget = tabs())
        for (int index = 0; index < tabWidget->count(); ++index)
            tabWidget->setTabText(index, tabWidget->widget(index)->windowTitle());
    return result;
}

bool WorkSpaceColleague::refresh() { return mediator()->command(REFRESH_COMMAND, this); }

void WorkSpaceColleague::retranslate()
{
    for (WidgetWrapper *wrapper : qAsConst(m_wrappers))
        wrapper->retranslateUI();
}

void WorkSpaceColleague::changeCurrentTab(int n_index)
{
    SlotGuard::run([this, n_index] {
        if (!m_testMediator)
            return;
        if (n_index < 0) {
            CommandItem command(UPDATE, NONE_WINDOW, QString());
            m_testMediator->send(&command, this);
            return;
        }
        QWidget *page = tabs()->widget(n_index);
        for (WidgetWrapper *wrapper : qAsConst(m_wrappers)) {
            if (wrapper->getWidget() != page)
                continue;
            CommandItem command(UPDATE, wrapper->getTypeWorkSpaceWindow(), QString());
            m_testMediator->send(&command, this);
        }
    });
}

void WorkSpaceColleague::changeWidgetData()
{
    SlotGuard::run([this] {
        WidgetWrapper *wrapper = currentWrapper();
        if (!wrapper)
            return;
        const int index = tabs()->currentIndex();
        sendTitle(wrapper, wrapper->getTitle() + EDIT_MARK);
        tabs()->setTabText(index, wrapper->getTitle() + EDIT_MARK);
    });
}

void WorkSpaceColleague::on_tabClosed(int)
{
    // The builder has already deleted the page; giving the tree its stored name back comes with
    // the full workspace.
    SlotGuard::run([this] { clearUnuseWidgetWrapper(); });
}

template <typename Call>
void WorkSpaceColleague::onCurrentTestPage(Call n_call)
{
    if (auto *page = qobject_cast<wClassTestArea *>(tabs() ? tabs()->currentWidget() : nullptr))
        n_call(page);
}

void WorkSpaceColleague::runCurrentTest() { onCurrentTestPage([](wClassTestArea *n_page) { n_page->run(); }); }
void WorkSpaceColleague::showCurrentGraph() { onCurrentTestPage([](wClassTestArea *n_page) { n_page->showGraph(); }); }
void WorkSpaceColleague::filterCurrentTest()
{
    onCurrentTestPage([](wClassTestArea *n_page) { n_page->filterResult(); });
}
void WorkSpaceColleague::clearCurrentTest()
{
    onCurrentTestPage([](wClassTestArea *n_page) { n_page->clearResult(); });
}
