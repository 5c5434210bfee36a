#include "workspace/builders/ProjectBuilder.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "WidgetAreas/wContainerProjectArea.h"
#include "workspace/colleagues/ProjectColleague.h"
#include "workspace/wrappers/FreeWindow.h"
#include "workspace/wrappers/PageAdaptorOf.h"
#include "workspace/wrappers/WidgetWrapper.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace {
QString mainText(int n_offset)
{
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    return texts.getTextById(texts.getMainInterfaceBeginKey() + n_offset);
}
} // namespace

ProjectBuilder::ProjectBuilder()
{
    // Not in the initialiser list: the key member is initialised after the title.
    m_title = mainText(m_titleKey);
    m_resultLayout = new QVBoxLayout;
}

ProjectBuilder::~ProjectBuilder()
{
    // The wrappers own the tree; the free window takes it out of its tab widget first.
    delete m_freeWindow;
    qDeleteAll(m_wrappers);
    delete m_resultLayout;
}

void ProjectBuilder::build(QWidget *n_parent)
{
    m_tabWidget = new QTabWidget(n_parent);
    m_tree = new wContainerProjectArea(n_parent);
    m_tree->setTitle(m_title);
    m_tree->setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    auto *wrapper = new WidgetWrapper(PROJECT_TREE, m_tree, m_title);
    wrapper->attachPage(new PageAdaptorOf<wContainerProjectArea>(m_tree));
    m_wrappers.append(wrapper);
    m_freeWindow = new FreeWindow(wrapper, *m_tabWidget);
    m_resultLayout->addWidget(m_tabWidget);
}

QVBoxLayout *ProjectBuilder::getResultBuild()
{
    return m_resultLayout;
}

void ProjectBuilder::clear()
{
    if (m_tree)
        m_tree->clear();
}

void ProjectBuilder::retranslate()
{
    if (m_tabWidget && m_tabWidget->count() > 0)
        m_tabWidget->setTabText(0, mainText(m_titleKey));
}
