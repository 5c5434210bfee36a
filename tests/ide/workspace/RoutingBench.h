#ifndef ROUTINGBENCH_H
#define ROUTINGBENCH_H

// The routing wired by hand around real areas (trees, error list, console, editor tabs) and a
// small model, so that a test can also send as a colleague the mediators do not know.

#include "ModelFixtures.h"

#include "WidgetAreas/wConsoleArea.h"
#include "WidgetAreas/wContainerProjectArea.h"
#include "WidgetAreas/wContainerRelationshipArea.h"
#include "WidgetAreas/wErrorArea.h"
#include "model/OstraModel.h"
#include "workspace/builders/InformationBuilder.h"
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
#include "workspace/wrappers/WidgetWrapper.h"

#include <QAction>
#include <QTreeWidgetItem>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTableWidget>
#include <QTextEdit>

#include <memory>

struct RoutingBench
{
    RoutingBench()
        : workSpaceBuilder(nullptr), errorMediator(&information), testMediator(&information),
          error(&errorMediator), cls(&errorMediator), parameter(&errorMediator),
          relation(&errorMediator), rule(&errorMediator), console(&testMediator),
          test(&testMediator), mainIDE(&testMediator), project(&mainMediator),
          relationship(&mainMediator), command(&mainMediator)
    {
        information.build(nullptr);
        workSpaceBuilder.build(nullptr);
        workSpace = std::make_unique<WorkSpaceColleague>(&mainMediator, &workSpaceBuilder, nullptr);

        errorMediator.setClassColleague(&cls);
        errorMediator.setErrorColleague(&error);
        errorMediator.setParameterColleague(&parameter);
        errorMediator.setRelationColleague(&relation);
        errorMediator.setRuleColleague(&rule);
        errorMediator.setWorkSpaceColleague(workSpace.get());
        error.setErrorWidget(information.getWidgets().at(0)->getWidget());

        console.setConsoleWidget(information.getWidgets().at(1)->getWidget());
        testMediator.setConsoleColleague(&console);
        testMediator.setTestModelColleague(&test);
        testMediator.setErrorColleague(&error);
        testMediator.setMainIDEColleague(&mainIDE);
        testMediator.setWorkSpaceColleague(workSpace.get());

        project.setProjectWidget(&projectTree);
        relationship.setRelationshipWidget(&relationsTree);
        projectTree.setColleague(&project);
        relationsTree.setColleague(&relationship);
        workSpace->addColleague(CLASS_WINDOW, &cls);
        workSpace->addColleague(PARAMETER_WINDOW, &parameter);
        workSpace->addColleague(RELATION_WINDOW, &relation);
        workSpace->addColleague(RULE_WINDOW, &rule);
        workSpace->addColleague(TEST_CLASS_WINDOW, &test);
        workSpace->setTestMediator(&testMediator);
        mainMediator.setProjectCollegae(&project);
        mainMediator.setWorskSpaceColleague(workSpace.get());
        mainMediator.setRelationshipColleague(&relationship);
        mainMediator.setCommandColleague(&command);

        for (int index = 0; index < 4; ++index)
            actions.append(new QAction(QStringLiteral("tool %1").arg(index), &actionOwner));
        mainIDE.setActionTools(actions);

        // A small model: root with a child class and a parameter, one relation with one rule.
        root = model.getRootClass();
        root->setShortName(QStringLiteral("Root"));
        child = makeClass(QStringLiteral("child"), model.getRelationsStorage(),
                          QStringLiteral("Child"));
        root->addClass(child);
        param = makeParameter(QStringLiteral("p"), QVariant::Double, QStringLiteral("P"));
        root->addParameter(param);
        rel = makeRelation(model.getRelationsStorage(), QStringLiteral("rel"),
                           QStringLiteral("b = a;"), QStringList{QStringLiteral("a")},
                           QStringList{QStringLiteral("b")}, RelationModel::RELATION_SIMPLE,
                           QStringLiteral("Rel"));
        placeRule(root, QStringLiteral("rule"), QStringLiteral("rel"),
                  {{QStringLiteral("a"), QStringLiteral("p")}}, {}, QStringLiteral("Rule"));
    }

    ~RoutingBench()
    {
        workSpace.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Made without a parent and owned by nobody outside an assembled body.
        delete workSpaceBuilder.getTabWidget();
    }

    // Makes the model the current one and shows it in both trees.
    void open()
    {
        mainMediator.setData(root.data());
        projectTree.setData(root.data());
        relationsTree.setData(root.data());
    }

    QTabWidget *tabs() { return workSpaceBuilder.getTabWidget(); }
    QTableWidget *errorTable()
    {
        return information.getWidgets().at(0)->getWidget()->findChild<QTableWidget *>();
    }
    QString consoleText()
    {
        return information.getWidgets().at(1)->getWidget()->findChild<QTextEdit *>()->toPlainText();
    }
    QWidget *frontPane() { return information.getTabWidget()->currentWidget(); }
    QWidget *errorPane() { return information.getWidgets().at(0)->getWidget(); }
    QWidget *consolePane() { return information.getWidgets().at(1)->getWidget(); }
    QString projectText(const QString &n_id)
    {
        const auto found = projectTree.treeWidget()->findItems(
            n_id, Qt::MatchExactly | Qt::MatchRecursive, 2);
        return found.isEmpty() ? QString() : found.first()->text(0);
    }
    QString relationText(const QString &n_id)
    {
        QTreeWidgetItem *item = relationsTree.itemOf(n_id);
        return item ? item->text(0) : QString();
    }
    QList<bool> actionStates() const
    {
        QList<bool> states;
        for (QAction *action : actions)
            states << action->isEnabled();
        return states;
    }

    OstraModel model;
    ClassPtr root;
    ClassPtr child;
    ParamPtr param;
    RelPtr rel;

    wContainerProjectArea projectTree;
    wContainerRelationshipArea relationsTree;
    InformationBuilder information;
    WorkSpaceBuilder workSpaceBuilder;
    MainMediator mainMediator;
    ErrorMediator errorMediator;
    TestModelMediator testMediator;
    ErrorColleague error;
    ClassColleague cls;
    ParameterColleague parameter;
    RelationColleague relation;
    RuleColleague rule;
    ConsoleColleague console;
    TestModelColleague test;
    MainIDEColleague mainIDE;
    ProjectColleague project;
    RelationshipColleague relationship;
    CommandColleague command;
    std::unique_ptr<WorkSpaceColleague> workSpace;
    QObject actionOwner;
    QList<QAction *> actions;
};

#endif // ROUTINGBENCH_H
