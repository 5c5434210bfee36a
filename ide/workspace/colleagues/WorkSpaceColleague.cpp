#include "workspace/colleagues/WorkSpaceColleague.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "SlotGuard.h"
#include "WidgetAreas/MessageItem.h"
#include "WidgetAreas/wClassArea.h"
#include "WidgetAreas/wClassTestArea.h"
#include "WidgetAreas/wParameterArea.h"
#include "WidgetAreas/wRuleArea.h"
#include "errors/NoParentException.h"
#include "errors/PointerIsNull.h"
#include "model/OstraClass.h"
#include "workspace/builders/IDEBuilder.h"
#include "workspace/creators/KindTable.h"
#include "workspace/creators/ObjectFactory.h"
#include "workspace/mediators/BaseMediator.h"
#include "workspace/routing/CommandItem.h"
#include "workspace/wrappers/WidgetWrapper.h"

#include <QTabWidget>

namespace {
const QString NEW_PAGE_TITLE = QStringLiteral("NoName");

QString className()
{
    return QStringLiteral("WorkSpaceColleague");
}
QString executeName()
{
    return QStringLiteral("execute(ComandItem* command)");
}

template<typename Element>
QSharedPointer<OstraClass> ownerOrThrow(const QSharedPointer<Element> &n_element)
{
    QSharedPointer<OstraClass> owner = n_element->getParent();
    if (!owner)
        PointerIsNull(className(), executeName(), nullptr).raise();
    return owner;
}
} // namespace

WorkSpaceColleague::WorkSpaceColleague(BaseMediator *n_mediator, IDEBuilder *n_builder, QObject *)
    : BaseColleague(n_mediator), m_builder(n_builder), m_kinds(KindTable::standard()),
      m_factory(std::make_unique<ObjectFactory>())
{
    if (QTabWidget *tabWidget = tabs()) {
        connect(tabWidget, &QTabWidget::currentChanged, this,
                &WorkSpaceColleague::changeCurrentTab);
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

QTabWidget *WorkSpaceColleague::tabs() const
{
    return m_builder ? m_builder->getTabWidget() : nullptr;
}

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

void WorkSpaceColleague::setTestMediator(BaseMediator *n_mediator)
{
    m_testMediator = n_mediator;
}

WidgetWrapper *WorkSpaceColleague::createWidgetWrapper(TypeWorkSpaceWindow n_kind)
{
    return m_factory->create(n_kind, NEW_PAGE_TITLE);
}

QList<WidgetWrapper *> WorkSpaceColleague::getWidgetWrappers() const
{
    return m_wrappers;
}

void WorkSpaceColleague::dropAt(int n_index)
{
    m_wrappers.takeAt(n_index)->deleteLater();
}

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

void WorkSpaceColleague::setParentWidget(TypeWorkSpaceWindow n_kind, WidgetWrapper *n_wrapper,
                                         const QString &n_uid)
{
    const KindTable::Row *row = m_kinds.row(n_kind);
    if (row && row->takesParent)
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
    case DELETE:
        deleteElement(n_command);
        break;
    }
}

void WorkSpaceColleague::createPage(CommandItem *n_command)
{
    // Owned here until it is shown: a page that throws while loading is freed, not left hidden.
    std::unique_ptr<WidgetWrapper> wrapper(createWidgetWrapper(n_command->getTypeWorkSpace()));
    if (!wrapper)
        return;
    connect(wrapper.get(), &WidgetWrapper::changeDataWidget, this,
            &WorkSpaceColleague::changeWidgetData);
    wrapper->setData(mediator()->getOstraClass());
    setParentWidget(n_command->getTypeWorkSpace(), wrapper.get(), n_command->getUid());
    showPage(wrapper.release());
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
    OstraClass *tested = n_command->getUid() == current->getId()
                             ? current
                             : current->getClassById(n_command->getUid()).data();
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
    // Checked before any page is made, so that stopping here leaves nothing behind.
    OstraClass *current = mediator()->getOstraClass();
    if (!current || kind == TEST_CLASS_WINDOW)
        return;
    // Owned here until it is shown, as above.
    std::unique_ptr<WidgetWrapper> wrapper(createWidgetWrapper(kind));
    if (!wrapper)
        return;
    // The factory's wrapper is kept (it owns the page); its empty title lets the page's own
    // window title, the element's name, be the tab text.
    wrapper->setTitle(QString());
    connect(wrapper.get(), &WidgetWrapper::changeDataWidget, this,
            &WorkSpaceColleague::changeWidgetData);
    wrapper->setData(current);
    setParentWidget(kind, wrapper.get(), n_command->getUid());
    wrapper->setEditData(current, n_command->getUid());
    showPage(wrapper.release());
}

// ---- deleting elements ----

template<typename Page>
QList<Page *> WorkSpaceColleague::openPages() const
{
    QList<Page *> pages;
    for (WidgetWrapper *wrapper : m_wrappers)
        if (isOpen(wrapper))
            if (auto *page = qobject_cast<Page *>(wrapper->getWidget()))
                pages.append(page);
    return pages;
}

template<typename Page>
QList<Page *> WorkSpaceColleague::livePages() const
{
    QList<Page *> pages;
    for (WidgetWrapper *wrapper : m_wrappers)
        if (auto *page = qobject_cast<Page *>(wrapper->getWidget()))
            pages.append(page);
    return pages;
}

template<typename Page>
void WorkSpaceColleague::tellDeleted(const QList<CommandItem *> &n_commands) const
{
    const QList<Page *> pages = openPages<Page>();
    if (pages.isEmpty())
        return;
    for (CommandItem *command : n_commands)
        for (Page *page : pages)
            page->deleteItem(command);
}

void WorkSpaceColleague::closeTabs(const QSet<QString> &n_ids,
                                   const QList<TypeWorkSpaceWindow> &n_kinds)
{
    for (int index = 0; index < m_wrappers.size();) {
        WidgetWrapper *wrapper = m_wrappers.at(index);
        if (!n_ids.contains(wrapper->getUid())
            || !n_kinds.contains(wrapper->getTypeWorkSpaceWindow())) {
            ++index;
            continue;
        }
        // Deleting the page removes its tab; the wrapper is dropped after.
        if (isOpen(wrapper))
            delete wrapper->getWidget();
        dropAt(index);
    }
}

void WorkSpaceColleague::removeRuleTab(const QSharedPointer<RuleModel> &n_rule)
{
    for (wParameterArea *page : livePages<wParameterArea>())
        page->removeRule(n_rule);
    closeTabs({n_rule->getId()}, {RULE_WINDOW});
}

void WorkSpaceColleague::removeConstraintTab(const QSharedPointer<ConstraintModel> &n_constraint)
{
    for (wParameterArea *page : livePages<wParameterArea>())
        page->removeConstraint(n_constraint);
    closeTabs({n_constraint->getId()}, {RULE_WINDOW});
}

void WorkSpaceColleague::deleteElement(CommandItem *n_command)
{
    OstraClass *current = mediator()->getOstraClass();
    // An element already gone has nothing left to delete; its tree drops the row.
    if (!current || !getCloseBaseOstraObj(n_command->getUid(), n_command->getTypeWorkSpace()))
        return;
    const KindTable::Row *row = m_kinds.row(n_command->getTypeWorkSpace());
    if (row && row->remove)
        (this->*row->remove)(current, n_command);
}

void WorkSpaceColleague::deleteClass(OstraClass *n_current, CommandItem *n_command)
{
    const QString uid = n_command->getUid();
    if (uid == n_current->getId()) {
        const InterfaceLanguage &texts = InterfaceLanguage::Instance();
        const int base = texts.getInformationMessageBoxBeginKey();
        MessageBoxes::warning(nullptr, texts.getTextById(base + m_rootWarningTitleKey),
                              texts.getTextById(base + m_rootWarningTextKey));
        return;
    }
    const QSharedPointer<OstraClass> deleted = n_current->getClassById(uid);
    const QSharedPointer<OstraClass> parent = deleted->getParent();
    if (!parent)
        NoParentException(uid, className(), executeName(), nullptr).raise();

    // Taken before the model changes, looking only at the few open tabs: the pages of the
    // subtree's classes and parameters, and the rules and constraints that may go with it.
    const QHash<QString, QSharedPointer<OstraClass>> classes = deleted->getAllClassesHash();
    QList<WidgetWrapper *> doomed;
    QList<QSharedPointer<RuleModel>> rules;
    QList<QSharedPointer<ConstraintModel>> constraints;
    for (WidgetWrapper *wrapper : qAsConst(m_wrappers)) {
        const QString id = wrapper->getUid();
        const TypeWorkSpaceWindow kind = wrapper->getTypeWorkSpaceWindow();
        const KindTable::Row *row = m_kinds.row(kind);
        if (row && row->inSubtree && row->inSubtree(*deleted, id))
            doomed.append(wrapper);
        // Rules and constraints go with the subtree's relations: looked at once it is gone.
        if (kind == RULE_WINDOW) {
            if (deleted->rulesContains(id))
                rules.append(deleted->getRule(id));
            if (deleted->constraintsContains(id))
                constraints.append(deleted->getConstraint(id));
        }
    }
    // The test pages hear of every parameter of the subtree: kept only when one is open.
    QHash<QString, QSharedPointer<ParameterModel>> parameters;
    if (!openPages<wClassTestArea>().isEmpty())
        parameters = deleted->getParametersHash();
    const bool hadRules = !deleted->getRulesHash().isEmpty()
                          || !deleted->getConstraintsHash().isEmpty();

    parent->deleteChildClass(deleted, true);
    if (hadRules) {
        // The relations tree shows the subtree's rules and constraints, gone with it now.
        CommandItem gone(DELETE, CLASS_WINDOW, uid);
        mediator()->send(&gone, this);
    }

    for (WidgetWrapper *wrapper : qAsConst(doomed)) {
        if (isOpen(wrapper))
            delete wrapper->getWidget();
        dropAt(m_wrappers.indexOf(wrapper));
    }
    // A rule page left open would write its deleted rule back as a new one on save.
    for (const QSharedPointer<RuleModel> &rule : qAsConst(rules))
        if (!n_current->rulesContains(rule->getId()))
            removeRuleTab(rule);
    for (const QSharedPointer<ConstraintModel> &constraint : qAsConst(constraints))
        if (!n_current->constraintsContains(constraint->getId()))
            removeConstraintTab(constraint);

    // The pages still open hear of each class, then of the received command.
    auto tellClasses = [&](auto n_pages) {
        if (n_pages.isEmpty())
            return;
        for (auto it = classes.constBegin(); it != classes.constEnd(); ++it) {
            CommandItem command(DELETE, CLASS_WINDOW, it.key());
            for (auto *page : n_pages)
                page->deleteItem(&command);
        }
        for (auto *page : n_pages)
            page->deleteItem(n_command);
    };
    tellClasses(openPages<wParameterArea>());
    tellClasses(openPages<wClassArea>());
    const QList<wClassTestArea *> openTests = openPages<wClassTestArea>();
    if (!openTests.isEmpty()) {
        for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it) {
            CommandItem command(DELETE, PARAMETER_WINDOW, it.key());
            for (wClassTestArea *page : openTests)
                page->deleteItem(&command);
        }
        tellClasses(openTests);
    }
}

void WorkSpaceColleague::deleteParameter(OstraClass *n_current, CommandItem *n_command)
{
    const QSharedPointer<ParameterModel> parameter = n_current->getParameter(n_command->getUid());
    const QSharedPointer<OstraClass> owner = ownerOrThrow(parameter);
    owner->deleteParameterFromClass(parameter, true);
    closeTabs({n_command->getUid()}, {PARAMETER_WINDOW});
    clearUnuseWidgetWrapper();
    tellDeleted<wClassTestArea>({n_command});
    tellDeleted<wRuleArea>({n_command});
}

void WorkSpaceColleague::deleteRelation(OstraClass *n_current, CommandItem *n_command)
{
    const QString uid = n_command->getUid();
    QList<QSharedPointer<RuleModel>> rules;
    QList<QSharedPointer<ConstraintModel>> constraints;
    try {
        // Only what uses the relation goes with it; the tabs close once the model agreed.
        rules = n_current->getRelationConnections(uid);
        constraints = n_current->getRelationConstraintConnections(uid);
        n_current->deleteRelation(uid);
    } catch (const ExceptionOstra &exception) {
        MessageBoxes::information(nullptr, QString(), exception.toString(true));
        return;
    }
    for (const QSharedPointer<RuleModel> &rule : qAsConst(rules))
        removeRuleTab(rule);
    for (const QSharedPointer<ConstraintModel> &constraint : qAsConst(constraints))
        removeConstraintTab(constraint);
    closeTabs({uid}, {RELATION_WINDOW});
}

void WorkSpaceColleague::deleteRuleOrConstraint(OstraClass *n_current, CommandItem *n_command)
{
    const QString uid = n_command->getUid();
    if (n_current->rulesContains(uid)) {
        const QSharedPointer<RuleModel> rule = n_current->getRule(uid);
        const QSharedPointer<OstraClass> owner = ownerOrThrow(rule);
        removeRuleTab(rule);
        owner->deleteRuleFromClass(uid, true);
    }
    if (n_current->constraintsContains(uid)) {
        const QSharedPointer<ConstraintModel> constraint = n_current->getConstraint(uid);
        const QSharedPointer<OstraClass> owner = ownerOrThrow(constraint);
        removeConstraintTab(constraint);
        owner->deleteConstraintFromClass(uid, true);
    }
}

// ---- saving, edit marks and tab close ----

WidgetWrapper *WorkSpaceColleague::wrapperOf(const QWidget *n_page) const
{
    if (!n_page)
        return nullptr;
    for (WidgetWrapper *wrapper : m_wrappers)
        if (wrapper->getWidget() == n_page)
            return wrapper;
    return nullptr;
}

WidgetWrapper *WorkSpaceColleague::currentWrapper() const
{
    return wrapperOf(tabs() ? tabs()->currentWidget() : nullptr);
}

void WorkSpaceColleague::markSaved(WidgetWrapper *n_wrapper)
{
    n_wrapper->setTitle(n_wrapper->getWidget()->windowTitle());
    n_wrapper->setEdited(false);
    tabs()->setTabText(tabs()->indexOf(n_wrapper->getWidget()), n_wrapper->tabText());
}

void WorkSpaceColleague::retitle(QWidget *n_page)
{
    const WidgetWrapper *wrapper = wrapperOf(n_page);
    tabs()->setTabText(
        tabs()->indexOf(n_page),
        WidgetWrapper::tabText(n_page->windowTitle(), wrapper && wrapper->isEdited()));
}

void WorkSpaceColleague::sendTitle(WidgetWrapper *n_wrapper, const QString &n_title)
{
    CommandItem command(UPDATE, n_wrapper->getTypeWorkSpaceWindow(), n_wrapper->getUid(),
                        n_wrapper->getParentUid(), n_title);
    mediator()->send(&command, this);
}

void WorkSpaceColleague::tellSaved(WidgetWrapper *n_wrapper, bool n_refreshParameterViews)
{
    CommandItem command(UPDATE, n_wrapper->getTypeWorkSpaceWindow(), n_wrapper->getUid(),
                        n_wrapper->getParentUid(), n_wrapper->getTitle());
    mediator()->send(&command, this);
    const TypeWorkSpaceWindow kind = command.getTypeWorkSpace();
    const bool classOrParameter = kind == CLASS_WINDOW || kind == PARAMETER_WINDOW;
    // A page refreshed by another's save keeps its own edit mark: its edits are still unsaved.
    if (classOrParameter) {
        for (wClassTestArea *page : openPages<wClassTestArea>()) {
            page->updateItem(&command);
            retitle(page);
        }
        for (wParameterArea *page : openPages<wParameterArea>()) {
            page->updateItem(&command);
            retitle(page);
        }
    }
    if (kind == CLASS_WINDOW) {
        for (wClassArea *page : openPages<wClassArea>()) {
            page->updateItem(&command);
            retitle(page);
        }
    }
    if (n_refreshParameterViews)
        refreshParameterViews();
    for (wRuleArea *page : openPages<wRuleArea>())
        page->updateItem(&command);
}

// One pass fills both link tables (rules and constraints) of every parameter page.
void WorkSpaceColleague::refreshParameterViews()
{
    for (wParameterArea *page : livePages<wParameterArea>())
        page->updateView();
}

bool WorkSpaceColleague::save()
{
    if (!tabs() || !tabs()->currentWidget())
        return true;
    clearUnuseWidgetWrapper();
    WidgetWrapper *wrapper = currentWrapper();
    if (!wrapper)
        return false;
    if (wrapper->getTypeWorkSpaceWindow() == TEST_CLASS_WINDOW) {
        reportTestTabNotSaved();
        return false;
    }
    if (!wrapper->save(true))
        return false;
    tellSaved(wrapper, true);
    markSaved(wrapper);
    return true;
}

void WorkSpaceColleague::reportTestTabNotSaved()
{
    // A test page has nothing to save, yet a silent refusal would look like a save.
    if (!m_testMediator)
        return;
    const ErrorDictionary &errors = ErrorDictionary::Instance();
    MessageItem message(ERROR_MESSAGE, QString(),
                        errors.getErrorById(errors.getOstraIDEBeginKey()
                                            + ErrorDictionary::ERROR_IDE_TEST_TAB_NOT_SAVED));
    m_testMediator->command(CLEAR_ERRORS_COMMAND, this);
    m_testMediator->sendError(&message, this);
}

WidgetWrapper *WorkSpaceColleague::saveAllPasses(bool &n_result)
{
    clearUnuseWidgetWrapper();
    n_result = true;
    WidgetWrapper *firstRefused = nullptr;
    bool anySaved = false;
    const QList<WidgetWrapper *> wrappers = m_wrappers;
    for (TypeWorkSpaceWindow kind : m_kinds.saveOrder()) {
        for (WidgetWrapper *wrapper : wrappers) {
            if (wrapper->getTypeWorkSpaceWindow() != kind || !isOpen(wrapper))
                continue;
            if (!wrapper->save(false)) {
                n_result = false;
                if (!firstRefused)
                    firstRefused = wrapper;
                continue;
            }
            tellSaved(wrapper, false);
            markSaved(wrapper);
            anySaved = true;
        }
    }
    // The parameter pages' link tables show every save, in save-all too: once, after them all.
    if (anySaved)
        refreshParameterViews();
    // A refused page is still edited, so its unsaved edits still show their mark.
    if (QTabWidget *tabWidget = tabs())
        for (int index = 0; index < tabWidget->count(); ++index)
            retitle(tabWidget->widget(index));
    return firstRefused;
}

bool WorkSpaceColleague::saveAll()
{
    bool result = true;
    saveAllPasses(result);
    return result;
}

bool WorkSpaceColleague::saveAllBeforeClose()
{
    bool result = true;
    WidgetWrapper *refused = saveAllPasses(result);
    if (result)
        return true;
    if (refused && isOpen(refused)) {
        tabs()->setCurrentWidget(refused->getWidget());
        save();
    }
    return false;
}

bool WorkSpaceColleague::refresh()
{
    return mediator()->command(REFRESH_COMMAND, this);
}

void WorkSpaceColleague::retranslate()
{
    for (WidgetWrapper *wrapper : qAsConst(m_wrappers)) {
        wrapper->retranslateUI();
        // An editor's tab shows its element's name; a class test's shows a caption in the language.
        if (wrapper->getTypeWorkSpaceWindow() == TEST_CLASS_WINDOW && wrapper->getWidget()
            && tabs()) {
            wrapper->setTitle(wrapper->getWidget()->windowTitle());
            tabs()->setTabText(tabs()->indexOf(wrapper->getWidget()), wrapper->getTitle());
        }
    }
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
        // The tab of the editor that changed, which need not be the current one.
        // A wrapper this colleague no longer holds marks nothing.
        auto *wrapper = qobject_cast<WidgetWrapper *>(sender());
        if (!wrapper)
            wrapper = currentWrapper();
        if (!wrapper || !m_wrappers.contains(wrapper) || !isOpen(wrapper))
            return;
        wrapper->setEdited(true);
        // An element never saved has no tree row yet: its first save adds one.
        if (getCloseBaseOstraObj(wrapper->getUid(), wrapper->getTypeWorkSpaceWindow()))
            sendTitle(wrapper, wrapper->tabText());
        tabs()->setTabText(tabs()->indexOf(wrapper->getWidget()), wrapper->tabText());
    });
}

void WorkSpaceColleague::on_tabClosed(int)
{
    // The builder has already deleted the page: the tree item gets the stored name back.
    SlotGuard::run([this] {
        for (int index = 0; index < m_wrappers.size();) {
            WidgetWrapper *wrapper = m_wrappers.at(index);
            if (isOpen(wrapper)) {
                ++index;
                continue;
            }
            const QString uid = wrapper->getUid();
            const TypeWorkSpaceWindow kind = wrapper->getTypeWorkSpaceWindow();
            dropAt(index);
            if (const QSharedPointer<BaseOstraObj> stored = getCloseBaseOstraObj(uid, kind)) {
                CommandItem command(UPDATE, kind, uid, getCloseParentObj(uid, kind),
                                    stored->getShortName());
                mediator()->send(&command, this);
            }
        }
    });
}

QSharedPointer<BaseOstraObj> WorkSpaceColleague::getCloseBaseOstraObj(
    const QString &n_uid, TypeWorkSpaceWindow n_kind) const
{
    OstraClass *current = mediator()->getOstraClass();
    const KindTable::Row *row = m_kinds.row(n_kind);
    return current && row && row->element ? row->element(*current, n_uid) : nullptr;
}

QString WorkSpaceColleague::getCloseParentObj(const QString &n_uid,
                                              TypeWorkSpaceWindow n_kind) const
{
    OstraClass *current = mediator()->getOstraClass();
    const KindTable::Row *row = m_kinds.row(n_kind);
    return current && row && row->parent ? row->parent(*current, n_uid) : QString();
}

template<typename Call>
void WorkSpaceColleague::onCurrentTestPage(Call n_call)
{
    if (auto *page = qobject_cast<wClassTestArea *>(tabs() ? tabs()->currentWidget() : nullptr))
        n_call(page);
}

void WorkSpaceColleague::runCurrentTest()
{
    onCurrentTestPage([](wClassTestArea *n_page) { n_page->run(); });
}
void WorkSpaceColleague::showCurrentGraph()
{
    onCurrentTestPage([](wClassTestArea *n_page) { n_page->showGraph(); });
}
void WorkSpaceColleague::filterCurrentTest()
{
    onCurrentTestPage([](wClassTestArea *n_page) { n_page->filterResult(); });
}
void WorkSpaceColleague::clearCurrentTest()
{
    onCurrentTestPage([](wClassTestArea *n_page) { n_page->clearResult(); });
}
