#include "workspace/builders/InformationBuilder.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "WidgetAreas/wConsoleArea.h"
#include "WidgetAreas/wErrorArea.h"
#include "workspace/wrappers/FreeWindow.h"
#include "workspace/wrappers/WidgetWrapper.h"

#include <QTabWidget>
#include <QVBoxLayout>

InformationBuilder::InformationBuilder()
{
    m_resultLayout = new QVBoxLayout;
    gatherTabNames();
}

InformationBuilder::~InformationBuilder()
{
    delete m_resultLayout;
    delete m_freeWindow;
    qDeleteAll(m_wrappers);
}

void InformationBuilder::gatherTabNames()
{
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    m_tabNames = QStringList{texts.getTextById(texts.getMainInterfaceBeginKey() + m_errorsKey),
                             texts.getTextById(texts.getMainInterfaceBeginKey() + m_consoleKey)};
}

void InformationBuilder::build(QWidget *n_parent)
{
    const Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint;
    m_tabWidget = new QTabWidget(n_parent);
    m_errors = new wErrorArea(n_parent);
    m_errors->setTitle(m_tabNames.at(0));
    m_errors->setWindowFlags(flags);
    m_console = new wConsoleArea(n_parent);
    m_console->setTitle(m_tabNames.at(1));
    m_console->setWindowFlags(flags);
    m_wrappers.append(new WidgetWrapper(ERROR_LIST, m_errors, m_tabNames.at(0)));
    m_wrappers.append(new WidgetWrapper(CONSOLE, m_console, m_tabNames.at(1)));
    m_freeWindow = new FreeWindow(*m_tabWidget);
    m_freeWindow->addWindow(m_wrappers.at(0));
    m_freeWindow->addWindow(m_wrappers.at(1));
    m_resultLayout->addWidget(m_tabWidget);
}

QVBoxLayout *InformationBuilder::getResultBuild()
{
    return m_resultLayout;
}

void InformationBuilder::clear()
{
}

void InformationBuilder::retranslate()
{
    gatherTabNames();
    if (!m_tabWidget)
        return;
    for (int index = 0; index < m_tabWidget->count(); ++index)
        m_tabWidget->setTabText(index, m_tabWidget->widget(index) == m_errors ? m_tabNames.at(0)
                                                                              : m_tabNames.at(1));
}
