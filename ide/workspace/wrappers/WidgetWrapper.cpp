#include "workspace/wrappers/WidgetWrapper.h"

#include "SlotGuard.h"
#include "WidgetAreas/wClassArea.h"
#include "WidgetAreas/wClassTestArea.h"
#include "WidgetAreas/wContainerProjectArea.h"
#include "WidgetAreas/wContainerRelationshipArea.h"
#include "WidgetAreas/wParameterArea.h"
#include "WidgetAreas/wRelationshipArea.h"
#include "WidgetAreas/wRuleArea.h"
#include "model/OstraClass.h"
#include "workspace/colleagues/ClassColleague.h"
#include "workspace/colleagues/ParameterColleague.h"
#include "workspace/colleagues/ProjectColleague.h"
#include "workspace/colleagues/RelationColleague.h"
#include "workspace/colleagues/RelationshipColleague.h"
#include "workspace/colleagues/RuleColleague.h"
#include "workspace/colleagues/TestModelColleague.h"
#include "workspace/routing/BaseWidget.h"

#include <QUuid>

#include <utility>

namespace {

// Calls n_call on the editor page of the wrapper's object kind (0, 1, 3, 4); nothing otherwise.
template<typename Call>
void onEditor(QWidget *n_widget, TypeWorkSpaceWindow n_objectKind, Call n_call)
{
    switch (n_objectKind) {
    case CLASS_WINDOW:
        if (auto *page = qobject_cast<wClassArea *>(n_widget))
            n_call(page);
        break;
    case PARAMETER_WINDOW:
        if (auto *page = qobject_cast<wParameterArea *>(n_widget))
            n_call(page);
        break;
    case RELATION_WINDOW:
        if (auto *page = qobject_cast<wRelationshipArea *>(n_widget))
            n_call(page);
        break;
    case RULE_WINDOW:
        if (auto *page = qobject_cast<wRuleArea *>(n_widget))
            n_call(page);
        break;
    default:
        break;
    }
}

} // namespace

WidgetWrapper::WidgetWrapper(TypeWorkWindow n_kind, QWidget *n_widget, QString n_title)
    : m_kind(n_kind), m_widget(n_widget), m_title(std::move(n_title)),
      m_uid(QUuid::createUuid().toString())
{
    connectChangeSignal();
}

WidgetWrapper::WidgetWrapper(TypeWorkWindow n_kind, QWidget *n_widget)
    : WidgetWrapper(n_kind, n_widget, n_widget ? n_widget->windowTitle() : QString())
{
}

WidgetWrapper::WidgetWrapper(TypeWorkWindow n_kind, TypeWorkSpaceWindow n_objectKind,
                             QWidget *n_widget, QString n_title)
    : WidgetWrapper(n_kind, n_widget, n_title)
{
    m_objectKind = n_objectKind;
    if (n_widget)
        n_widget->setWindowTitle(m_title);
}

WidgetWrapper::WidgetWrapper(TypeWorkWindow n_kind, TypeWorkSpaceWindow n_objectKind,
                             QWidget *n_widget)
    : WidgetWrapper(n_kind, n_widget, n_widget ? n_widget->windowTitle() : QString())
{
    m_objectKind = n_objectKind;
}

WidgetWrapper::~WidgetWrapper()
{
    // A page deleted elsewhere (its tab was closed) has already nulled the guarded pointer.
    delete m_widget.data();
}

void WidgetWrapper::connectChangeSignal()
{
    m_baseWidget = dynamic_cast<BaseWidget *>(m_widget.data());
    if (m_baseWidget)
        connect(m_widget, SIGNAL(changeDataWidget()), this, SLOT(onChangeWidget()));
}

bool WidgetWrapper::isEditorPage() const
{
    return m_kind == WORKSPACE_TAB;
}

TypeWorkWindow WidgetWrapper::getTypeWorkWindow() const
{
    return m_kind;
}
TypeWorkSpaceWindow WidgetWrapper::getTypeWorkSpaceWindow() const
{
    return m_objectKind;
}
QWidget *WidgetWrapper::getWidget() const
{
    return m_widget;
}

QString WidgetWrapper::getTitle() const
{
    if (!m_title.isEmpty() || !m_widget)
        return m_title;
    return m_widget->windowTitle();
}

void WidgetWrapper::setTitle(QString n_title)
{
    m_title = std::move(n_title);
    if (m_widget)
        m_widget->setWindowTitle(m_title);
}

QString WidgetWrapper::getUid() const
{
    return m_uid;
}

QString WidgetWrapper::getParentUid()
{
    QString parent;
    if (isEditorPage())
        onEditor(m_widget, m_objectKind, [&](auto *page) { parent = page->getParent(); });
    return parent;
}

void WidgetWrapper::setData(OstraClass *n_currentClass)
{
    if (m_kind == PROJECT_TREE) {
        if (auto *tree = qobject_cast<wContainerProjectArea *>(m_widget))
            tree->setData(n_currentClass);
    } else if (m_kind == RELATIONSHIP_TREE) {
        if (auto *tree = qobject_cast<wContainerRelationshipArea *>(m_widget))
            tree->setData(n_currentClass);
    } else if (isEditorPage() && m_objectKind == TEST_CLASS_WINDOW) {
        QSharedPointer<OstraClass> tested;
        if (n_currentClass)
            tested = n_currentClass->sharedFromThis();
        if (auto *page = qobject_cast<wClassTestArea *>(m_widget))
            page->setRootClass(tested);
        if (n_currentClass)
            m_uid = n_currentClass->getId();
    } else if (isEditorPage()) {
        onEditor(m_widget, m_objectKind, [&](auto *page) { page->setData(n_currentClass); });
    }
}

void WidgetWrapper::setParent(QString n_parentUid)
{
    if (isEditorPage())
        onEditor(m_widget, m_objectKind, [&](auto *page) { page->setParent(n_parentUid); });
}

void WidgetWrapper::setEditData(OstraClass *n_currentClass, QString n_uid)
{
    if (!isEditorPage())
        return;
    m_uid = n_uid;
    onEditor(m_widget, m_objectKind, [&](auto *page) { page->setEditData(n_currentClass, n_uid); });
}

bool WidgetWrapper::save(bool n_showErrors)
{
    bool saved = false;
    if (!isEditorPage())
        return false;
    onEditor(m_widget, m_objectKind, [&](auto *page) {
        page->errorMessageOnOff(n_showErrors);
        saved = page->save();
        m_uid = page->getUid();
        setTitle(page->windowTitle());
    });
    return saved;
}

void WidgetWrapper::setColleague(BaseColleague *n_colleague)
{
    if (m_kind == PROJECT_TREE) {
        if (auto *tree = qobject_cast<wContainerProjectArea *>(m_widget))
            tree->setColleague(static_cast<ProjectColleague *>(n_colleague));
        return;
    }
    if (m_kind == RELATIONSHIP_TREE) {
        if (auto *tree = qobject_cast<wContainerRelationshipArea *>(m_widget))
            tree->setColleague(static_cast<RelationshipColleague *>(n_colleague));
        return;
    }
    if (!isEditorPage())
        return;
    switch (m_objectKind) {
    case CLASS_WINDOW:
        if (auto *page = qobject_cast<wClassArea *>(m_widget))
            page->setColleague(static_cast<ClassColleague *>(n_colleague));
        break;
    case PARAMETER_WINDOW:
        if (auto *page = qobject_cast<wParameterArea *>(m_widget))
            page->setColleague(static_cast<ParameterColleague *>(n_colleague));
        break;
    case RELATION_WINDOW:
        if (auto *page = qobject_cast<wRelationshipArea *>(m_widget))
            page->setColleague(static_cast<RelationColleague *>(n_colleague));
        break;
    case RULE_WINDOW:
        if (auto *page = qobject_cast<wRuleArea *>(m_widget))
            page->setColleague(static_cast<RuleColleague *>(n_colleague));
        break;
    case TEST_CLASS_WINDOW:
        if (auto *page = qobject_cast<wClassTestArea *>(m_widget))
            page->setColleague(static_cast<TestModelColleague *>(n_colleague));
        break;
    default:
        break;
    }
}

void WidgetWrapper::refresh()
{
    if (m_kind == PROJECT_TREE) {
        if (auto *tree = qobject_cast<wContainerProjectArea *>(m_widget))
            tree->refresh();
    } else if (m_kind == RELATIONSHIP_TREE) {
        if (auto *tree = qobject_cast<wContainerRelationshipArea *>(m_widget))
            tree->refresh();
    }
}

void WidgetWrapper::retranslateUI()
{
    if (!isEditorPage())
        return;
    if (m_objectKind == TEST_CLASS_WINDOW) {
        if (auto *page = qobject_cast<wClassTestArea *>(m_widget))
            page->retranslateUI();
        return;
    }
    onEditor(m_widget, m_objectKind, [](auto *page) { page->retranslateUI(); });
}

void WidgetWrapper::setViewModeWindow(bool n_inside)
{
    m_inside = n_inside;
}

bool WidgetWrapper::isInside() const
{
    return m_inside;
}

void WidgetWrapper::setEdited(bool n_edited)
{
    m_edited = n_edited;
}

bool WidgetWrapper::isEdited() const
{
    return m_edited;
}

QString WidgetWrapper::tabText() const
{
    return tabText(getTitle(), m_edited);
}

QString WidgetWrapper::tabText(const QString &n_title, bool n_edited)
{
    return n_edited ? n_title + QLatin1Char('*') : n_title;
}

void WidgetWrapper::onChangeWidget()
{
    SlotGuard::run([this] { emit changeDataWidget(); });
}
