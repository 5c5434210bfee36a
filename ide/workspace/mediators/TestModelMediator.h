#ifndef TESTMODELMEDIATOR_H
#define TESTMODELMEDIATOR_H

#include "workspace/mediators/BaseMediator.h"

class ConsoleColleague;
class ErrorColleague;
class IDEBuilder;
class MainIDEColleague;
class TestModelColleague;
class WorkSpaceColleague;

// Joins the class-test pages with the error list, the console, the workspace and the main
// window's class-test tool actions.
class TestModelMediator : public BaseMediator
{
public:
    explicit TestModelMediator(IDEBuilder *n_informationBuilder);

    // From the workspace on every change of the current tab: the test tools follow the tab kind.
    void send(CommandItem *n_command, BaseColleague *n_sender) const override;
    bool command(CommandType n_type, BaseColleague *n_sender) const override;
    // From a test page, or from the workspace when a save met a test tab: to the error list.
    void sendError(MessageItem *n_message, BaseColleague *n_sender) const override;
    void sendInformation(QStringList n_lines, BaseColleague *n_sender) const override;

    void setMainIDEColleague(MainIDEColleague *n_colleague);
    void setWorkSpaceColleague(WorkSpaceColleague *n_colleague);
    void setTestModelColleague(TestModelColleague *n_colleague);
    void setConsoleColleague(ConsoleColleague *n_colleague);
    void setErrorColleague(ErrorColleague *n_colleague);

private:
    IDEBuilder *m_builder;
    MainIDEColleague *m_mainIDE = nullptr;
    WorkSpaceColleague *m_workSpace = nullptr;
    TestModelColleague *m_test = nullptr;
    ConsoleColleague *m_console = nullptr;
    ErrorColleague *m_error = nullptr;
};

#endif // TESTMODELMEDIATOR_H
