#include "workspace/builders/RelationshipBuilder.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "WidgetAreas/wContainerRelationshipArea.h"
#include "workspace/colleagues/RelationshipColleague.h"
#include "workspace/wrappers/FreeWindow.h"
#include "workspace/wrappers/PageAdaptorOf.h"
#include "workspace/wrappers/WidgetWrapper.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace {
QString relationText(int n_offset)
{
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    return texts.getTextById(texts.getContainerRelationBeginKey() + n_offset);
}
} // namespace

RelationshipBuilder::RelationshipBuilder()
{
    // Not in the initialiser list: the key member is initialised after the title.
    m_title = relationText(m_titleKey);
    m_resultLayout = new QVBoxLayout;
}

RelationshipBuilder::~RelationshipBuilder()
{
    delete m_resultLayout;
    delete m_ownFreeWindow;
    qDeleteAll(m_wrappers);
}

void RelationshipBuilder::build(QWidget *n_parent)
{
    m_tabWidget = new QTabWidget(n_parent);
    m_tree = new wContainerRelationshipArea(n_parent);
    m_tree->setTitle(m_title);
    m_tree->setWindowFlags(Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    auto *wrapper = new WidgetWrapper(RELATIONSHIP_TREE, m_tree, m_title);
    wrapper->attachPage(new PageAdaptorOf<wContainerRelationshipArea>(m_tree));
    m_ownFreeWindow = new FreeWindow(wrapper, *m_tabWidget);
    m_wrappers.append(wrapper);
}

QVBoxLayout *RelationshipBuilder::getResultBuild()
{
    return new QVBoxLayout;
}

FreeWindow *RelationshipBuilder::getFreeWindow()
{
    return m_ownFreeWindow;
}

void RelationshipBuilder::clear()
{
    if (m_tree)
        m_tree->clear();
}

void RelationshipBuilder::retranslate()
{
    if (m_tabWidget && m_tabWidget->count() > 0)
        m_tabWidget->setTabText(0, relationText(m_titleKey));
}
