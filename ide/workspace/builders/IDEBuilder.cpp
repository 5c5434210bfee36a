#include "workspace/builders/IDEBuilder.h"

#include "workspace/wrappers/WidgetWrapper.h"

#include <QTabWidget>

IDEBuilder::~IDEBuilder() = default;

void IDEBuilder::build(QWidget *)
{
}

QVBoxLayout *IDEBuilder::getResultBuild()
{
    return nullptr;
}

QList<WidgetWrapper *> IDEBuilder::getWidgets()
{
    return m_wrappers;
}

QTabWidget *IDEBuilder::getTabWidget()
{
    return m_tabWidget;
}

FreeWindow *IDEBuilder::getFreeWindow()
{
    return m_freeWindow;
}

void IDEBuilder::clear()
{
}

void IDEBuilder::refresh()
{
    for (WidgetWrapper *wrapper : qAsConst(m_wrappers))
        wrapper->refresh();
}

void IDEBuilder::showWidgetsOf(TypeWorkWindow n_kind)
{
    QTabWidget *tabs = getTabWidget();
    if (!tabs)
        return;
    for (WidgetWrapper *wrapper : getWidgets())
        if (wrapper->getTypeWorkWindow() == n_kind && tabs->indexOf(wrapper->getWidget()) >= 0)
            tabs->setCurrentWidget(wrapper->getWidget());
}
