#include "workspace/wrappers/WidgetWrapper.h"

#include "SlotGuard.h"
#include "model/OstraClass.h"
#include "workspace/routing/BaseWidget.h"
#include "workspace/wrappers/PageAdaptor.h"

#include <QUuid>

#include <utility>

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
    return isEditorPage() && m_page ? m_page->getParent() : QString();
}

void WidgetWrapper::attachPage(PageAdaptor *n_page)
{
    m_page = n_page;
}

void WidgetWrapper::setData(OstraClass *n_currentClass)
{
    // A page that shows the class itself (the class test) takes the class's id.
    if (m_page && m_page->setData(n_currentClass) && n_currentClass)
        m_uid = n_currentClass->getId();
}

void WidgetWrapper::setParent(QString n_parentUid)
{
    if (isEditorPage() && m_page)
        m_page->setParent(n_parentUid);
}

void WidgetWrapper::setEditData(OstraClass *n_currentClass, QString n_uid)
{
    if (!isEditorPage())
        return;
    m_uid = n_uid;
    if (m_page)
        m_page->setEditData(n_currentClass, n_uid);
}

bool WidgetWrapper::save(bool n_showErrors)
{
    if (!isEditorPage() || !m_page || !m_page->canSave())
        return false;
    const bool saved = m_page->save(n_showErrors);
    m_uid = m_page->getUid();
    setTitle(m_widget->windowTitle());
    return saved;
}

void WidgetWrapper::setColleague(BaseColleague *n_colleague)
{
    if (m_page)
        m_page->setColleague(n_colleague);
}

void WidgetWrapper::refresh()
{
    if (m_page)
        m_page->refresh();
}

void WidgetWrapper::retranslateUI()
{
    if (isEditorPage() && m_page)
        m_page->retranslateUI();
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
