#include "workspace/IDEDirector.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "elements/RelationModel.h"
#include "errors/ModelIntegrity.h"
#include "model/OstraClass.h"
#include "workspace/builders/InformationBuilder.h"
#include "workspace/builders/ProjectBuilder.h"
#include "workspace/builders/RelationshipBuilder.h"
#include "workspace/builders/WorkSpaceBuilder.h"
#include "workspace/colleagues/ClassColleague.h"
#include "workspace/colleagues/CommandColleague.h"
#include "workspace/colleagues/ConsoleColleague.h"
#include "workspace/colleagues/ErrorColleague.h"
#include "workspace/colleagues/MainIDEColleague.h"
#include "workspace/colleagues/ParameterColleague.h"
#include "workspace/colleagues/ProjectColleague.h"
#include "workspace/colleagues/RelationColleague.h"
#include "workspace/colleagues/RelationshipColleague.h"
#include "workspace/colleagues/RuleColleague.h"
#include "workspace/colleagues/TestModelColleague.h"
#include "workspace/colleagues/WorkSpaceColleague.h"
#include "workspace/mediators/ErrorMediator.h"
#include "workspace/mediators/MainMediator.h"
#include "workspace/mediators/TestModelMediator.h"
#include "workspace/routing/CommandItem.h"
#include "workspace/viewmanagers/InformationViewManager.h"
#include "workspace/viewmanagers/ProjectViewManager.h"
#include "workspace/viewmanagers/RelationshipViewManager.h"
#include "workspace/viewmanagers/WorkSpaceViewManager.h"
#include "workspace/wrappers/FreeWindow.h"
#include "workspace/wrappers/WidgetWrapper.h"

#include <QSplitter>
#include <QTabWidget>

namespace {

const int NAME_LIMIT = 50;
const int PROBLEM_ELEMENT_OFFSET = 10;
const int CONNECTED_ELEMENTS_OFFSET = 11;

QSplitter *makeSplitter(Qt::Orientation n_orientation, const QList<QWidget *> &n_children,
                        bool n_collapsible)
{
    auto *splitter = new QSplitter(n_orientation);
    for (QWidget *child : n_children)
        splitter->addWidget(child);
    if (!n_collapsible)
        splitter->setChildrenCollapsible(false);
    return splitter;
}

QString cutName(const QString &n_text)
{
    return n_text.size() > NAME_LIMIT ? n_text.left(NAME_LIMIT) + QStringLiteral("...") : n_text;
}

} // namespace

IDEDirector::IDEDirector()
    : m_mainLayout(new QVBoxLayout), m_projectBuilder(new ProjectBuilder),
      m_informationBuilder(new InformationBuilder), m_relationshipBuilder(new RelationshipBuilder)
{
}

IDEDirector::~IDEDirector()
{
    // The pages first, while their tab widget exists; then the areas and the routing.
    delete m_workSpaceColleague;
    delete m_workSpaceViewManager;
    delete m_workSpaceFreeWindow;
    delete m_projectViewManager;
    delete m_relationshipViewManager;
    delete m_informationViewManager;
    delete m_projectBuilder;
    delete m_informationBuilder;
    delete m_relationshipBuilder;
    delete m_workSpaceBuilder;
    // Splitters of a body never placed in a window have no parent to free them.
    if (m_outerSplitter && !m_outerSplitter->parentWidget())
        delete m_outerSplitter.data();
    delete m_mainLayout.data();
    delete m_commandColleague;
    delete m_projectColleague;
    delete m_relationshipColleague;
    delete m_mainIDEColleague;
    delete m_testModelColleague;
    delete m_consoleColleague;
    delete m_ruleColleague;
    delete m_relationColleague;
    delete m_parameterColleague;
    delete m_classColleague;
    delete m_errorColleague;
    delete m_mainMediator;
    delete m_testMediator;
    delete m_errorMediator;
}

QVBoxLayout *IDEDirector::Constructor(QWidget *n_parent)
{
    m_projectBuilder->build(n_parent);
    m_informationBuilder->build(n_parent);
    m_relationshipBuilder->build(n_parent);
    m_workSpaceBuilder = new WorkSpaceBuilder(n_parent);
    m_workSpaceBuilder->build(n_parent);

    initializeMediators();

    m_projectViewManager = new ProjectViewManager(*m_projectBuilder->getFreeWindow());
    m_relationshipViewManager = new RelationshipViewManager(
        *m_relationshipBuilder->getFreeWindow());
    m_informationViewManager = new InformationViewManager(*m_informationBuilder->getFreeWindow());
    m_workSpaceFreeWindow = m_workSpaceBuilder->getFreeWindow();
    m_workSpaceViewManager = new WorkSpaceViewManager(*m_workSpaceFreeWindow);
    m_workSpaceViewManager->setMediator(m_mainMediator);

    m_relationsSplitter = makeSplitter(Qt::Horizontal, {m_relationshipBuilder->getTabWidget()},
                                       true);
    m_workSpaceBuilder->getResultBuild()->setSizeConstraint(QLayout::SetNoConstraint);
    m_editorSplitter = makeSplitter(
        Qt::Horizontal, {m_workSpaceBuilder->getTabWidget(), m_relationsSplitter.data()}, false);
    m_centreSplitter = makeSplitter(
        Qt::Vertical, {m_editorSplitter.data(), m_informationBuilder->getTabWidget()}, false);
    m_outerSplitter = makeSplitter(
        Qt::Horizontal, {m_projectBuilder->getTabWidget(), m_centreSplitter.data()}, false);
    m_outerSplitter->setStretchFactor(0, 0);
    m_outerSplitter->setStretchFactor(1, 1);
    m_centreSplitter->setStretchFactor(0, 1);
    m_centreSplitter->setStretchFactor(1, 0);
    m_editorSplitter->setStretchFactor(0, 1);
    m_editorSplitter->setStretchFactor(1, 0);
    m_mainLayout->addWidget(m_outerSplitter, 0);

    m_projectBuilder->clear();
    m_relationshipBuilder->clear();
    m_workSpaceBuilder->clear();
    setData(nullptr);
    m_errorColleague->clear();
    return m_mainLayout;
}

void IDEDirector::initializeMediators()
{
    m_errorMediator = new ErrorMediator(m_informationBuilder);
    m_errorColleague = new ErrorColleague(m_errorMediator);
    m_classColleague = new ClassColleague(m_errorMediator);
    m_parameterColleague = new ParameterColleague(m_errorMediator);
    m_relationColleague = new RelationColleague(m_errorMediator);
    m_ruleColleague = new RuleColleague(m_errorMediator);
    m_errorMediator->setClassColleague(m_classColleague);
    m_errorMediator->setErrorColleague(m_errorColleague);
    m_errorMediator->setParameterColleague(m_parameterColleague);
    m_errorMediator->setRelationColleague(m_relationColleague);
    m_errorMediator->setRuleColleague(m_ruleColleague);
    const QList<WidgetWrapper *> information = m_informationBuilder->getWidgets();
    m_errorColleague->setErrorWidget(information.at(0)->getWidget());

    m_testMediator = new TestModelMediator(m_informationBuilder);
    m_consoleColleague = new ConsoleColleague(m_testMediator);
    m_testModelColleague = new TestModelColleague(m_testMediator);
    m_mainIDEColleague = new MainIDEColleague(m_testMediator);
    m_consoleColleague->setConsoleWidget(information.at(1)->getWidget());
    m_testMediator->setConsoleColleague(m_consoleColleague);
    m_testMediator->setTestModelColleague(m_testModelColleague);
    m_testMediator->setErrorColleague(m_errorColleague);
    m_testMediator->setMainIDEColleague(m_mainIDEColleague);

    m_mainMediator = new MainMediator;
    m_projectColleague = new ProjectColleague(m_mainMediator);
    m_relationshipColleague = new RelationshipColleague(m_mainMediator);
    WidgetWrapper *projectTree = m_projectBuilder->getWidgets().at(0);
    WidgetWrapper *relationsTree = m_relationshipBuilder->getWidgets().at(0);
    m_projectColleague->setProjectWidget(projectTree->getWidget());
    m_relationshipColleague->setRelationshipWidget(relationsTree->getWidget());
    relationsTree->setColleague(m_relationshipColleague);

    m_workSpaceColleague = new WorkSpaceColleague(m_mainMediator, m_workSpaceBuilder, nullptr);
    m_workSpaceColleague->addColleague(CLASS_WINDOW, m_classColleague);
    m_workSpaceColleague->addColleague(PARAMETER_WINDOW, m_parameterColleague);
    m_workSpaceColleague->addColleague(RELATION_WINDOW, m_relationColleague);
    m_workSpaceColleague->addColleague(RULE_WINDOW, m_ruleColleague);
    m_workSpaceColleague->addColleague(TEST_CLASS_WINDOW, m_testModelColleague);

    m_commandColleague = new CommandColleague(m_mainMediator);

    m_mainMediator->setProjectCollegae(m_projectColleague);
    m_mainMediator->setWorskSpaceColleague(m_workSpaceColleague);
    m_workSpaceColleague->setTestMediator(m_testMediator);
    m_testMediator->setWorkSpaceColleague(m_workSpaceColleague);
    m_errorMediator->setWorkSpaceColleague(m_workSpaceColleague);
    m_mainMediator->setRelationshipColleague(m_relationshipColleague);
    m_mainMediator->setCommandColleague(m_commandColleague);
    projectTree->setColleague(m_projectColleague);
}

void IDEDirector::setData(OstraClass *n_class)
{
    for (BaseViewManager *manager :
         {m_projectViewManager, m_relationshipViewManager, m_informationViewManager,
          static_cast<BaseViewManager *>(m_workSpaceViewManager)})
        if (manager)
            manager->setData(n_class);
}

void IDEDirector::clear()
{
    m_projectBuilder->clear();
    m_relationshipBuilder->clear();
    if (m_workSpaceBuilder)
        m_workSpaceBuilder->clear();
    // The pages are gone with the tabs: their wrappers leave the list now, not at a later save.
    if (m_workSpaceColleague)
        m_workSpaceColleague->clearUnuseWidgetWrapper();
    setData(nullptr);
    if (m_errorColleague)
        m_errorColleague->clear();
}

void IDEDirector::setMediator(MainMediator *n_mediator)
{
    m_mainMediator = n_mediator;
}

OstraClass *IDEDirector::currentClass() const
{
    return m_mainMediator ? m_mainMediator->getOstraClass() : nullptr;
}

bool IDEDirector::save()
{
    OstraClass *cls = currentClass();
    if (!cls || !m_commandColleague->save() || !m_errorColleague)
        return false;
    m_errorColleague->clear();
    return checkData(cls);
}

bool IDEDirector::saveAll()
{
    OstraClass *cls = currentClass();
    if (!cls)
        return false;
    m_errorColleague->clear();
    m_commandColleague->saveAll();
    return checkData(cls);
}

bool IDEDirector::saveTabsBeforeClose()
{
    return !currentClass() || !m_workSpaceColleague || m_workSpaceColleague->saveAllBeforeClose();
}

bool IDEDirector::debug()
{
    OstraClass *cls = currentClass();
    return cls && checkData(cls);
}

bool IDEDirector::checkData(OstraClass *n_class)
{
    // Held strongly for the length of the check.
    const QSharedPointer<OstraClass> held = n_class->sharedFromThis();
    const ModelIntegrity report = n_class->checkClassIntegrity();
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    const QString problemPrefix = QStringLiteral(" ")
                                  + texts.getTextById(texts.getErrorBeginKey()
                                                      + PROBLEM_ELEMENT_OFFSET)
                                  + QStringLiteral(": ");
    const QString connectedPrefix = texts.getTextById(texts.getErrorBeginKey()
                                                      + CONNECTED_ELEMENTS_OFFSET)
                                    + QStringLiteral(": ");
    // A long report repeats a few codes: each code's text is looked up once.
    QHash<int, QString> codeTexts;
    bool noError = true;
    const QList<IntegrityMsg> findings = report.getIntegrityMsgs();
    // Posted together: the pane inserts all rows in one step.
    std::vector<MessageItem> messages;
    messages.reserve(static_cast<size_t>(findings.size()));
    for (const IntegrityMsg &finding : findings) {
        auto codeText = codeTexts.find(finding.getMsgCode());
        if (codeText == codeTexts.end())
            codeText = codeTexts.insert(finding.getMsgCode(),
                                        getIntegrityErrorTitle(finding.getMsgCode()));
        QString row = *codeText;
        const QList<QSharedPointer<const BaseOstraObj>> reasons = finding.getMsgReasons();
        if (!reasons.isEmpty()) {
            const QString first = getObjectName(reasons.first());
            if (!first.isEmpty())
                row += problemPrefix + first + QStringLiteral(". ");
        }
        if (reasons.size() >= 2) {
            row += connectedPrefix;
            for (int index = 1; index < reasons.size(); ++index) {
                const QString name = getObjectName(reasons.at(index));
                if (!name.isEmpty())
                    row += name + QStringLiteral("; ");
            }
        }
        messages.emplace_back(interpretMessageType(finding.getMsgType()), QString(), row);
        if (finding.getMsgType() == IntegrityMsg::ERROR)
            noError = false;
    }
    if (m_errorColleague)
        m_errorColleague->addErrors(messages);
    return noError;
}

QString IDEDirector::getObjectName(QSharedPointer<const BaseOstraObj> n_object)
{
    if (!n_object)
        return QString();
    const QString shortName = n_object->getShortName();
    if (!shortName.isEmpty())
        return shortName;
    if (n_object->getOstraObjectType() == OBJECT_TYPE_RELATION) {
        const auto relation = n_object.dynamicCast<const RelationModel>();
        return relation ? cutName(relation->getCode()) : QString();
    }
    return cutName(n_object->getDescription());
}

MessageType IDEDirector::interpretMessageType(IntegrityMsg::MsgType n_type)
{
    switch (n_type) {
    case IntegrityMsg::INFORMATION:
        return INFORMATION_MESSAGE;
    case IntegrityMsg::WARNING:
        return WARNING_MESSAGE;
    case IntegrityMsg::ERROR:
        return ERROR_MESSAGE;
    }
    return MessageType(0);
}

QString IDEDirector::getIntegrityErrorTitle(int n_code)
{
    const ErrorDictionary &errors = ErrorDictionary::Instance();
    return errors.getErrorById(errors.getOstraIntegrityBeginKey() + n_code);
}

bool IDEDirector::ErrorExist()
{
    return !m_errorColleague || m_errorColleague->isErrorChecked();
}

void IDEDirector::run()
{
    if (m_workSpaceColleague)
        m_workSpaceColleague->runCurrentTest();
}

void IDEDirector::showGraph()
{
    if (m_workSpaceColleague)
        m_workSpaceColleague->showCurrentGraph();
}

void IDEDirector::filterResultTest()
{
    if (m_workSpaceColleague)
        m_workSpaceColleague->filterCurrentTest();
}

void IDEDirector::clearResultTest()
{
    if (m_workSpaceColleague)
        m_workSpaceColleague->clearCurrentTest();
}

void IDEDirector::setToolCollection(QList<QAction *> n_actions)
{
    m_tools = n_actions;
    if (m_mainIDEColleague)
        m_mainIDEColleague->setActionTools(m_tools);
}

BaseViewManager *IDEDirector::getViewProjectManager()
{
    return m_projectViewManager;
}
BaseViewManager *IDEDirector::getViewRelationshipManager()
{
    return m_relationshipViewManager;
}
BaseViewManager *IDEDirector::getViewInformationManager()
{
    return m_informationViewManager;
}
BaseViewManager *IDEDirector::getWorkSpaceViewManagerManager()
{
    return m_workSpaceViewManager;
}

void IDEDirector::addTab(QWidget *)
{
    OstraClass *cls = currentClass();
    if (!cls || !m_projectColleague)
        return;
    CommandItem command(READ, TEST_CLASS_WINDOW, cls->getId());
    m_projectColleague->send(&command);
}

void IDEDirector::retranslateUI()
{
    if (m_projectColleague) {
        m_projectColleague->retranslate();
        m_relationshipColleague->retranslate();
        m_errorColleague->retranslate();
        m_consoleColleague->retranslate();
        m_workSpaceColleague->retranslate();
    }
    m_projectBuilder->retranslate();
    m_informationBuilder->retranslate();
    m_relationshipBuilder->retranslate();
}

QList<QSplitter *> IDEDirector::splitters() const
{
    return {m_outerSplitter.data(), m_centreSplitter.data(), m_editorSplitter.data(),
            m_relationsSplitter.data()};
}

IDEDirector::Wiring IDEDirector::wiring() const
{
    return {m_mainMediator,          m_errorMediator,      m_testMediator,      m_errorColleague,
            m_classColleague,        m_parameterColleague, m_relationColleague, m_ruleColleague,
            m_consoleColleague,      m_testModelColleague, m_mainIDEColleague,  m_projectColleague,
            m_relationshipColleague, m_commandColleague,   m_workSpaceColleague};
}

WorkSpaceColleague *IDEDirector::workSpaceColleague() const
{
    return m_workSpaceColleague;
}
IDEBuilder *IDEDirector::workSpaceBuilder() const
{
    return m_workSpaceBuilder;
}
IDEBuilder *IDEDirector::informationBuilder() const
{
    return m_informationBuilder;
}
IDEBuilder *IDEDirector::projectBuilder() const
{
    return m_projectBuilder;
}
IDEBuilder *IDEDirector::relationshipBuilder() const
{
    return m_relationshipBuilder;
}
