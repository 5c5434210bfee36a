#include "workspace/wrappers/FreeWindow.h"

#include "workspace/wrappers/WidgetWrapper.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QWidget>

FreeWindow::FreeWindow(QList<WidgetWrapper *> n_wrappers, QTabWidget &n_tabs) : m_tabs(&n_tabs)
{
    addWindow(n_wrappers);
}

FreeWindow::FreeWindow(WidgetWrapper *n_wrapper, QTabWidget &n_tabs)
    : FreeWindow(QList<WidgetWrapper *>{n_wrapper}, n_tabs)
{
}

FreeWindow::FreeWindow(QTabWidget &n_tabs) : m_tabs(&n_tabs)
{
}

FreeWindow::~FreeWindow()
{
    // The widgets belong to their wrappers: take them out of the tab widget before it goes.
    for (WidgetWrapper *wrapper : qAsConst(m_wrappers)) {
        QWidget *widget = wrapper->getWidget();
        if (!widget)
            continue;
        if (wrapper->isInside())
            widget->setParent(nullptr);
        else
            widget->hide();
    }
    delete m_tabs.data();
}

void FreeWindow::addTab(WidgetWrapper *n_wrapper)
{
    if (QWidget *widget = n_wrapper->getWidget(); widget && m_tabs)
        m_tabs->addTab(widget, widget->windowIcon(), n_wrapper->getTitle());
}

void FreeWindow::addWindow(WidgetWrapper *n_wrapper)
{
    m_wrappers.append(n_wrapper);
    addTab(n_wrapper);
}

void FreeWindow::addWindow(QList<WidgetWrapper *> n_wrappers)
{
    for (WidgetWrapper *wrapper : qAsConst(n_wrappers))
        addWindow(wrapper);
}

void FreeWindow::setData(TypeWorkWindow n_kind, OstraClass *n_currentClass)
{
    for (WidgetWrapper *wrapper : qAsConst(m_wrappers))
        if (wrapper->getTypeWorkWindow() == n_kind)
            wrapper->setData(n_currentClass);
}

void FreeWindow::changeViewMode(TypeWorkWindow n_kind)
{
    for (WidgetWrapper *wrapper : qAsConst(m_wrappers)) {
        if (wrapper->getTypeWorkWindow() != n_kind)
            continue;
        if (wrapper->isInside())
            goOutside(wrapper);
        else
            goInside(wrapper);
    }
}

void FreeWindow::goInside(WidgetWrapper *n_wrapper)
{
    terminateOutsideWindow(n_wrapper);
    initializeInsideWindow(n_wrapper);
    setVisibleTabWidget();
}

void FreeWindow::goOutside(WidgetWrapper *n_wrapper)
{
    terminateInsideWindow(n_wrapper);
    initializeOutsideWindow(n_wrapper);
    setVisibleTabWidget();
}

bool FreeWindow::isInside(TypeWorkWindow n_kind) const
{
    for (WidgetWrapper *wrapper : m_wrappers)
        if (wrapper->getTypeWorkWindow() == n_kind)
            return wrapper->isInside();
    return false;
}

void FreeWindow::initializeInsideWindow(WidgetWrapper *n_wrapper)
{
    n_wrapper->setViewModeWindow(true);
    addTab(n_wrapper);
}

void FreeWindow::terminateInsideWindow(WidgetWrapper *n_wrapper)
{
    QWidget *widget = n_wrapper->getWidget();
    if (widget && m_tabs && m_tabs->indexOf(widget) >= 0)
        widget->setParent(nullptr);
}

void FreeWindow::initializeOutsideWindow(WidgetWrapper *n_wrapper)
{
    if (QWidget *widget = n_wrapper->getWidget()) {
        widget->show();
        widget->adjustSize();
        QSize screen;
        if (QScreen *primary = QGuiApplication::primaryScreen())
            screen = primary->size();
        widget->move(centredPosition(screen, widget->size()));
    }
    n_wrapper->setViewModeWindow(false);
}

void FreeWindow::terminateOutsideWindow(WidgetWrapper *n_wrapper)
{
    QWidget *widget = n_wrapper->getWidget();
    if (widget && m_wrappers.contains(n_wrapper))
        widget->hide();
}

void FreeWindow::setVisibleTabWidget()
{
    if (m_tabs)
        m_tabs->setVisible(m_tabs->count() > 0);
}

QPoint FreeWindow::centredPosition(const QSize &n_screen, const QSize &n_window)
{
    // Integer division truncates towards zero, as the formula asks, also for a window wider
    // than the screen.
    return QPoint((n_screen.width() - 1) / 2 - (n_window.width() - 1) / 2,
                  (n_screen.height() - 1) / 2 - (n_window.height() - 1) / 2);
}
