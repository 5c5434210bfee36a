#ifndef ROUTINGBENCH_H
#define ROUTINGBENCH_H

// The routing as the director assembles it around real areas (trees, error list, console, editor
// tabs) and a small model, with each mediator and colleague at hand, so that a test can also send
// as a colleague the mediators do not know.

#include "ModelFixtures.h"

#include "WidgetAreas/wContainerProjectArea.h"
#include "WidgetAreas/wContainerRelationshipArea.h"
#include "model/OstraModel.h"
#include "workspace/IDEDirector.h"
#include "workspace/builders/IDEBuilder.h"
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
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <QTreeWidgetItem>

namespace routingbench {

// The director's body built in n_host; the wiring it made.
inline IDEDirector::Wiring assemble(QWidget &n_host, IDEDirector &n_director)
{
    n_host.setLayout(n_director.Constructor(&n_host));
    return n_director.wiring();
}

template<typename Tree>
Tree &treeOf(IDEBuilder *n_builder)
{
    return *qobject_cast<Tree *>(n_builder->getWidgets().at(0)->getWidget());
}

// The director's workspace colleague, reached as a pointer is.
struct WorkSpaceHandle
{
    WorkSpaceColleague *colleague;
    WorkSpaceColleague *get() const { return colleague; }
    WorkSpaceColleague *operator->() const { return colleague; }
};

} // namespace routingbench

struct RoutingBench
{
    RoutingBench()
        : wiring(routingbench::assemble(host, director)),
          projectTree(routingbench::treeOf<wContainerProjectArea>(director.projectBuilder())),
          relationsTree(
              routingbench::treeOf<wContainerRelationshipArea>(director.relationshipBuilder())),
          information(*director.informationBuilder()),
          workSpaceBuilder(*director.workSpaceBuilder()), mainMediator(*wiring.mainMediator),
          errorMediator(*wiring.errorMediator), testMediator(*wiring.testMediator),
          error(*wiring.error), cls(*wiring.cls), parameter(*wiring.parameter),
          relation(*wiring.relation), rule(*wiring.rule), console(*wiring.console),
          test(*wiring.test), mainIDE(*wiring.mainIDE), project(*wiring.project),
          relationship(*wiring.relationship), command(*wiring.command), workSpace{wiring.workSpace}
    {
        for (int index = 0; index < 4; ++index)
            actions.append(new QAction(QStringLiteral("tool %1").arg(index), &actionOwner));
        director.setToolCollection(actions);

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

    ~RoutingBench() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

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

    // The director goes before its host, as in the main window.
    QWidget host;
    IDEDirector director;
    IDEDirector::Wiring wiring;
    wContainerProjectArea &projectTree;
    wContainerRelationshipArea &relationsTree;
    IDEBuilder &information;
    IDEBuilder &workSpaceBuilder;
    MainMediator &mainMediator;
    ErrorMediator &errorMediator;
    TestModelMediator &testMediator;
    ErrorColleague &error;
    ClassColleague &cls;
    ParameterColleague &parameter;
    RelationColleague &relation;
    RuleColleague &rule;
    ConsoleColleague &console;
    TestModelColleague &test;
    MainIDEColleague &mainIDE;
    ProjectColleague &project;
    RelationshipColleague &relationship;
    CommandColleague &command;
    routingbench::WorkSpaceHandle workSpace;
    QObject actionOwner;
    QList<QAction *> actions;
};

#endif // ROUTINGBENCH_H
