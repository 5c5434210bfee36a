#include "RoutingBench.h"

#include "workspace/routing/CommandItem.h"
#include "WidgetAreas/MessageItem.h"

#include <QtTest>

Q_DECLARE_METATYPE(TypeCRUD)
Q_DECLARE_METATYPE(TypeWorkSpaceWindow)

// Where each request goes through the three mediators, and which senders are dropped.
class tst_Routing : public QObject
{
    Q_OBJECT

private slots:
    void commandRecordKeepsWhatItWasGiven();

    void treeCommandsReachTheWorkspace_data();
    void treeCommandsReachTheWorkspace();
    void workspaceTitlesReachTheTreeOfTheKind_data();
    void workspaceTitlesReachTheTreeOfTheKind();
    void saveCommandsComeOnlyFromTheCommandColleague();
    void refreshFromTheWorkspaceUpdatesTheRelationsTree();
    void mainMediatorIgnoresErrorsAndInformation();

    void editorErrorsReachTheErrorList_data();
    void editorErrorsReachTheErrorList();
    void errorMediatorCommands();
    void errorMediatorSendsAnyCommandToTheWorkspace();

    void testToolsFollowTheCurrentTabKind_data();
    void testToolsFollowTheCurrentTabKind();
    void testResultsOnlyFromTheTestColleague();
    void clearErrorsFromAnyoneAnswersTrue();
    void firstColleagueOfAKindStays();
};

void tst_Routing::commandRecordKeepsWhatItWasGiven()
{
    const CommandItem shortForm(CREATE, RELATION_WINDOW, QString());
    QCOMPARE(shortForm.getTypeCommand(), CREATE);
    QCOMPARE(shortForm.getTypeWorkSpace(), RELATION_WINDOW);
    QVERIFY(shortForm.getUid().isEmpty());
    QVERIFY(shortForm.getParentUid().isEmpty());
    QVERIFY(shortForm.getAdditionalInformation().isEmpty());

    const CommandItem full(UPDATE, RULE_WINDOW, QStringLiteral("id"), QStringLiteral("parent"),
                           QStringLiteral("Title*"));
    QCOMPARE(full.getUid(), QStringLiteral("id"));
    QCOMPARE(full.getParentUid(), QStringLiteral("parent"));
    QCOMPARE(full.getAdditionalInformation(), QStringLiteral("Title*"));
    // The values other modules compare against.
    QCOMPARE(int(NONE_WINDOW), 7);
    QCOMPARE(int(TEST_CLASS_WINDOW), 5);
    QCOMPARE(int(DELETE), 3);
}

void tst_Routing::treeCommandsReachTheWorkspace_data()
{
    QTest::addColumn<QString>("sender");
    QTest::addColumn<bool>("reaches");

    QTest::newRow("project tree") << "project" << true;
    QTest::newRow("relations tree") << "relationship" << true;
    QTest::newRow("parameter slot") << "parameter" << true;
    QTest::newRow("unknown project colleague") << "stranger" << false;
    QTest::newRow("command colleague") << "command" << false;
    QTest::newRow("no sender") << "null" << false;
}

void tst_Routing::treeCommandsReachTheWorkspace()
{
    QFETCH(QString, sender);
    QFETCH(bool, reaches);

    RoutingBench bench;
    bench.open();
    ProjectColleague stranger(&bench.mainMediator);
    bench.mainMediator.setParameterCollegae(&bench.parameter);
    BaseColleague *from = nullptr;
    if (sender == QLatin1String("project"))
        from = &bench.project;
    else if (sender == QLatin1String("relationship"))
        from = &bench.relationship;
    else if (sender == QLatin1String("parameter"))
        from = &bench.parameter;
    else if (sender == QLatin1String("stranger"))
        from = &stranger;
    else if (sender == QLatin1String("command"))
        from = &bench.command;

    CommandItem command(READ, TEST_CLASS_WINDOW, bench.root->getId());
    bench.mainMediator.send(&command, from);
    QCOMPARE(bench.tabs()->count(), reaches ? 1 : 0);
}

void tst_Routing::workspaceTitlesReachTheTreeOfTheKind_data()
{
    QTest::addColumn<TypeCRUD>("operation");
    QTest::addColumn<TypeWorkSpaceWindow>("kind");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("projectText");
    QTest::addColumn<QString>("relationText");

    QTest::newRow("class renamed in the project tree") << UPDATE << CLASS_WINDOW << "child"
                                                       << "New"
                                                       << "";
    QTest::newRow("parameter renamed in the project tree") << UPDATE << PARAMETER_WINDOW << "p"
                                                           << "New"
                                                           << "";
    QTest::newRow("relation renamed in the relations tree") << UPDATE << RELATION_WINDOW << "rel"
                                                            << ""
                                                            << "New";
    QTest::newRow("rule renamed in the relations tree") << UPDATE << RULE_WINDOW << "rule"
                                                        << ""
                                                        << "New";
    QTest::newRow("class test kind dropped") << UPDATE << TEST_CLASS_WINDOW << "child"
                                             << "Child"
                                             << "";
    QTest::newRow("none kind dropped") << UPDATE << NONE_WINDOW << "rel"
                                       << ""
                                       << "Rel";
    QTest::newRow("read dropped") << READ << CLASS_WINDOW << "child"
                                  << "Child"
                                  << "";
    QTest::newRow("delete dropped") << DELETE << RELATION_WINDOW << "rel"
                                    << ""
                                    << "Rel";
}

void tst_Routing::workspaceTitlesReachTheTreeOfTheKind()
{
    QFETCH(TypeCRUD, operation);
    QFETCH(TypeWorkSpaceWindow, kind);
    QFETCH(QString, id);
    QFETCH(QString, projectText);
    QFETCH(QString, relationText);

    RoutingBench bench;
    bench.open();
    CommandItem command(operation, kind, id, QString(), QStringLiteral("New"));
    // The workspace colleague is a QObject first: the mediator must still know its colleague part.
    bench.mainMediator.send(&command, bench.workSpace.get());
    QCOMPARE(bench.projectText(id), projectText);
    QCOMPARE(bench.relationText(id), relationText);

    // The same command from a colleague the mediator does not know changes nothing.
    RoutingBench other;
    other.open();
    WorkSpaceColleague stranger(&other.mainMediator, &other.workSpaceBuilder, nullptr);
    other.mainMediator.send(&command, &stranger);
    QVERIFY(other.projectText(id) != QLatin1String("New"));
    QVERIFY(other.relationText(id) != QLatin1String("New"));
}

void tst_Routing::saveCommandsComeOnlyFromTheCommandColleague()
{
    RoutingBench bench;
    bench.open();
    // Nothing open: saving answers true.
    QVERIFY(bench.command.save());
    QVERIFY(bench.command.saveAll());

    // A class-test page as the current tab cannot be saved: the answer comes back false.
    CommandItem open(READ, TEST_CLASS_WINDOW, bench.root->getId());
    bench.project.send(&open);
    QCOMPARE(bench.tabs()->count(), 1);
    QVERIFY(!bench.command.save());
    // Save and save all asked by anyone else are answered true without saving.
    QVERIFY(bench.mainMediator.command(SAVE_COMMAND, &bench.project));
    QVERIFY(bench.mainMediator.command(SAVE_COMMAND, nullptr));
    QVERIFY(bench.mainMediator.command(SAVE_ALL_COMMAND, bench.workSpace.get()));
}

void tst_Routing::refreshFromTheWorkspaceUpdatesTheRelationsTree()
{
    RoutingBench bench;
    bench.open();
    makeRelation(bench.model.getRelationsStorage(), QStringLiteral("late"),
                 QStringLiteral("x = 1;"), QStringList{}, QStringList{},
                 RelationModel::RELATION_SIMPLE, QStringLiteral("Late"));
    QCOMPARE(bench.relationText(QStringLiteral("late")), QString());

    QVERIFY(bench.mainMediator.command(REFRESH_COMMAND, &bench.project));
    QCOMPARE(bench.relationText(QStringLiteral("late")), QString());
    QVERIFY(bench.mainMediator.command(REFRESH_COMMAND, bench.workSpace.get()));
    QCOMPARE(bench.relationText(QStringLiteral("late")), QStringLiteral("Late"));
    // Rows already shown stay where they were.
    QCOMPARE(bench.relationsTree.treeWidget()->topLevelItemCount(), 2);
}

void tst_Routing::mainMediatorIgnoresErrorsAndInformation()
{
    RoutingBench bench;
    bench.mainMediator.setErrorColleague(&bench.error);
    MessageItem message(ERROR_MESSAGE, QString(), QStringLiteral("x"));
    bench.mainMediator.sendError(&message, &bench.project);
    bench.mainMediator.sendInformation({QStringLiteral("line")}, &bench.project);
    QCOMPARE(bench.errorTable()->rowCount(), 0);
    QCOMPARE(bench.consoleText(), QString());
}

void tst_Routing::editorErrorsReachTheErrorList_data()
{
    QTest::addColumn<QString>("sender");
    QTest::addColumn<bool>("shown");

    QTest::newRow("class editor") << "class" << true;
    QTest::newRow("parameter editor") << "parameter" << true;
    QTest::newRow("relation editor") << "relation" << true;
    QTest::newRow("rule editor") << "rule" << true;
    QTest::newRow("error list itself") << "error" << false;
    QTest::newRow("workspace") << "workspace" << false;
    QTest::newRow("class test colleague") << "test" << false;
    QTest::newRow("unknown class colleague") << "stranger" << false;
}

void tst_Routing::editorErrorsReachTheErrorList()
{
    QFETCH(QString, sender);
    QFETCH(bool, shown);

    RoutingBench bench;
    ClassColleague stranger(&bench.errorMediator);
    bench.information.getTabWidget()->setCurrentWidget(bench.consolePane());
    MessageItem message(WARNING_MESSAGE, QStringLiteral("id"), QStringLiteral("Name is empty"));
    if (sender == QLatin1String("class"))
        bench.cls.sendError(&message);
    else if (sender == QLatin1String("parameter"))
        bench.parameter.sendError(&message);
    else if (sender == QLatin1String("relation"))
        bench.relation.sendError(&message);
    else if (sender == QLatin1String("rule"))
        bench.rule.sendError(&message);
    else if (sender == QLatin1String("error"))
        bench.errorMediator.sendError(&message, bench.error.asColleague());
    else if (sender == QLatin1String("workspace"))
        bench.errorMediator.sendError(&message, bench.workSpace.get());
    else if (sender == QLatin1String("test"))
        bench.errorMediator.sendError(&message, &bench.test);
    else
        stranger.sendError(&message);

    QCOMPARE(bench.errorTable()->rowCount(), shown ? 1 : 0);
    QCOMPARE(bench.frontPane(), shown ? bench.errorPane() : bench.consolePane());
    if (shown)
        QCOMPARE(bench.errorTable()->item(0, 0)->text(), QStringLiteral("Name is empty"));
}

void tst_Routing::errorMediatorCommands()
{
    RoutingBench bench;
    bench.open();
    MessageItem message(ERROR_MESSAGE, QString(), QStringLiteral("x"));
    bench.rule.sendError(&message);
    QCOMPARE(bench.errorTable()->rowCount(), 1);
    bench.rule.clearError();
    QCOMPARE(bench.errorTable()->rowCount(), 0);

    // A constraint made from the parameter editor: the relations tree catches up through the
    // workspace and the main mediator.
    makeRelation(bench.model.getRelationsStorage(), QStringLiteral("late"),
                 QStringLiteral("x = 1;"), QStringList{}, QStringList{},
                 RelationModel::RELATION_SIMPLE, QStringLiteral("Late"));
    bench.parameter.createConstraint();
    QCOMPARE(bench.relationText(QStringLiteral("late")), QStringLiteral("Late"));
    QVERIFY(bench.workSpace->refresh());
    // Saving is no command of the error mediator.
    QVERIFY(bench.errorMediator.command(SAVE_COMMAND, &bench.cls));
    // Opening a rule from the parameter editor does nothing.
    bench.parameter.openRule(QStringLiteral("rule"));
    QCOMPARE(bench.tabs()->count(), 0);
}

void tst_Routing::errorMediatorSendsAnyCommandToTheWorkspace()
{
    RoutingBench bench;
    bench.open();
    CommandItem command(UPDATE, RULE_WINDOW, QStringLiteral("rule"));
    bench.errorMediator.send(&command, nullptr);
    QCOMPARE(bench.tabs()->count(), 1);
    QCOMPARE(bench.tabs()->tabText(0), QStringLiteral("Rule"));
}

void tst_Routing::testToolsFollowTheCurrentTabKind_data()
{
    QTest::addColumn<TypeWorkSpaceWindow>("kind");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("class test") << TEST_CLASS_WINDOW << true;
    QTest::newRow("class editor") << CLASS_WINDOW << false;
    QTest::newRow("rule editor") << RULE_WINDOW << false;
    QTest::newRow("no tab left") << NONE_WINDOW << false;
}

void tst_Routing::testToolsFollowTheCurrentTabKind()
{
    QFETCH(TypeWorkSpaceWindow, kind);
    QFETCH(bool, enabled);

    RoutingBench bench;
    bench.mainIDE.setActionToolsDisabled(enabled); // start from the opposite state
    CommandItem notice(UPDATE, kind, QString());
    // Only the workspace's notice counts.
    bench.testMediator.send(&notice, &bench.test);
    bench.testMediator.send(&notice, nullptr);
    QCOMPARE(bench.actionStates(), (QList<bool>{!enabled, !enabled, !enabled, !enabled}));
    bench.testMediator.send(&notice, bench.workSpace.get());
    QCOMPARE(bench.actionStates(), (QList<bool>{enabled, enabled, enabled, enabled}));
}

void tst_Routing::testResultsOnlyFromTheTestColleague()
{
    RoutingBench bench;
    TestModelColleague stranger(&bench.testMediator);
    MessageItem message(ERROR_MESSAGE, QString(), QStringLiteral("Integrity broken"));

    stranger.sendError(&message);
    stranger.sendInformation({QStringLiteral("ignored")});
    bench.testMediator.sendError(&message, bench.console.asColleague());
    bench.testMediator.sendInformation({QStringLiteral("ignored")}, bench.workSpace.get());
    QCOMPARE(bench.errorTable()->rowCount(), 0);
    QCOMPARE(bench.consoleText(), QString());

    bench.test.sendInformation({QStringLiteral("step 1"), QStringLiteral("step 2")});
    QCOMPARE(bench.consoleText(), QStringLiteral("step 1\nstep 2"));
    QCOMPARE(bench.frontPane(), bench.consolePane());
    bench.test.sendError(&message);
    QCOMPARE(bench.errorTable()->rowCount(), 1);
    QCOMPARE(bench.frontPane(), bench.errorPane());
}

void tst_Routing::clearErrorsFromAnyoneAnswersTrue()
{
    RoutingBench bench;
    MessageItem message(ERROR_MESSAGE, QString(), QStringLiteral("x"));
    for (BaseMediator *mediator : {static_cast<BaseMediator *>(&bench.errorMediator),
                                   static_cast<BaseMediator *>(&bench.testMediator)}) {
        bench.error.addError(&message);
        QVERIFY(mediator->command(CLEAR_ERRORS_COMMAND, nullptr));
        QCOMPARE(bench.errorTable()->rowCount(), 0);
        QVERIFY(mediator->command(SAVE_ALL_COMMAND, &bench.project));
    }
}

void tst_Routing::firstColleagueOfAKindStays()
{
    RoutingBench bench;
    bench.open();
    RuleColleague second(&bench.errorMediator);
    bench.workSpace->addColleague(RULE_WINDOW, &second);
    CommandItem create(CREATE, RULE_WINDOW, QStringLiteral("rel"));
    bench.relationship.send(&create);
    QCOMPARE(bench.tabs()->count(), 1);
    QCOMPARE(bench.rule.getRuleWidget(), bench.tabs()->widget(0));
    QCOMPARE(second.getRuleWidget(), nullptr);
}

QTEST_MAIN(tst_Routing)
#include "tst_routing.moc"
