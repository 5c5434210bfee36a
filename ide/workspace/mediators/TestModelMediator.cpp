#include "workspace/mediators/TestModelMediator.h"

#include "workspace/builders/IDEBuilder.h"
#include "workspace/colleagues/ConsoleColleague.h"
#include "workspace/colleagues/ErrorColleague.h"
#include "workspace/colleagues/MainIDEColleague.h"
#include "workspace/colleagues/TestModelColleague.h"
#include "workspace/colleagues/WorkSpaceColleague.h"
#include "workspace/routing/CommandItem.h"

TestModelMediator::TestModelMediator(IDEBuilder *n_informationBuilder)
    : m_builder(n_informationBuilder)
{
}

void TestModelMediator::send(CommandItem *n_command, BaseColleague *n_sender) const
{
    if (isSender(m_workSpace, n_sender) && m_mainIDE)
        m_mainIDE->setActionToolsDisabled(n_command->getTypeWorkSpace() != TEST_CLASS_WINDOW);
}

bool TestModelMediator::command(CommandType n_type, BaseColleague *) const
{
    if (n_type == CLEAR_ERRORS_COMMAND && m_error)
        m_error->clear();
    return true;
}

void TestModelMediator::sendError(MessageItem *n_message, BaseColleague *n_sender) const
{
    if (!isSender(m_test, n_sender) && !isSender(m_workSpace, n_sender))
        return;
    if (m_error)
        m_error->addError(n_message);
    if (m_builder)
        m_builder->showWidgetsOf(ERROR_LIST);
}

void TestModelMediator::sendInformation(QStringList n_lines, BaseColleague *n_sender) const
{
    if (!isSender(m_test, n_sender))
        return;
    if (m_console)
        m_console->setInformation(n_lines);
    if (m_builder)
        m_builder->showWidgetsOf(CONSOLE);
}

void TestModelMediator::setMainIDEColleague(MainIDEColleague *n_colleague)
{
    m_mainIDE = n_colleague;
}
void TestModelMediator::setWorkSpaceColleague(WorkSpaceColleague *n_colleague)
{
    m_workSpace = n_colleague;
}
void TestModelMediator::setTestModelColleague(TestModelColleague *n_colleague)
{
    m_test = n_colleague;
}
void TestModelMediator::setConsoleColleague(ConsoleColleague *n_colleague)
{
    m_console = n_colleague;
}
void TestModelMediator::setErrorColleague(ErrorColleague *n_colleague)
{
    m_error = n_colleague;
}
