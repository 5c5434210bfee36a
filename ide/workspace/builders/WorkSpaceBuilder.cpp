#include "workspace/builders/WorkSpaceBuilder.h"

#include "SlotGuard.h"
#include "workspace/wrappers/FreeWindow.h"

#include <QTabWidget>
#include <QVBoxLayout>

WorkSpaceBuilder::WorkSpaceBuilder(QObject *parent) : QObject(parent)
{
    m_resultLayout = new QVBoxLayout;
}

WorkSpaceBuilder::~WorkSpaceBuilder()
{
    delete m_resultLayout;
}

void WorkSpaceBuilder::build(QWidget *n_parent)
{
    m_tabWidget = new QTabWidget(n_parent);
    m_tabWidget->setTabsClosable(true);
    m_tabWidget->setUsesScrollButtons(true);
    m_tabWidget->setMovable(true);
    // Connected before the workspace colleague exists: the page is gone when it hears of the close.
    connect(m_tabWidget, &QTabWidget::tabCloseRequested, this,
            qOverload<int>(&WorkSpaceBuilder::closeTab));
    connect(m_tabWidget, &QTabWidget::currentChanged, this, &WorkSpaceBuilder::moveCurrentTab);
    m_resultLayout->addWidget(m_tabWidget);
}

QVBoxLayout *WorkSpaceBuilder::getResultBuild()
{
    return m_resultLayout;
}

QTabWidget *WorkSpaceBuilder::getTabWidget()
{
    return m_tabWidget;
}

void WorkSpaceBuilder::retranslate()
{
}

QList<WidgetWrapper *> WorkSpaceBuilder::getWidgets()
{
    return {};
}

FreeWindow *WorkSpaceBuilder::getFreeWindow()
{
    return new FreeWindow(getWidgets(), *m_tabWidget);
}

void WorkSpaceBuilder::clear()
{
    if (!m_tabWidget)
        return;
    while (m_tabWidget->count() > 0)
        delete m_tabWidget->widget(0);
}

WidgetWrapper *WorkSpaceBuilder::getCurrentWidgetWrapper()
{
    return nullptr;
}

void WorkSpaceBuilder::closeTab(bool)
{
    SlotGuard::run([this] {
        if (m_tabWidget)
            delete m_tabWidget->currentWidget();
    });
}

void WorkSpaceBuilder::closeTab(int index)
{
    SlotGuard::run([this, index] {
        if (m_tabWidget)
            delete m_tabWidget->widget(index);
    });
}

void WorkSpaceBuilder::moveCurrentTab(int index)
{
    SlotGuard::run([this, index] { emit changeCurrentIndex(index); });
}
