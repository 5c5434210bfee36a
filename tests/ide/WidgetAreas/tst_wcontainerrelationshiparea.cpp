#include "ModelFixtures.h"

#include "WidgetAreas/MessageItem.h"
#include "WidgetAreas/wContainerRelationshipArea.h"
#include "model/OstraModel.h"
#include "workspace/colleagues/RelationshipColleague.h"
#include "workspace/mediators/BaseMediator.h"
#include "workspace/routing/CommandItem.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

namespace {

// Records the commands that reach the mediator; an optional hook plays the workspace.
class RecordingMediator : public BaseMediator
{
public:
    void send(CommandItem *n_command, BaseColleague *) const override
    {
        commands << QStringLiteral("%1 %2 %3")
                        .arg(n_command->getTypeCommand())
                        .arg(n_command->getTypeWorkSpace())
                        .arg(n_command->getUid());
        if (hook)
            hook(n_command);
    }
    bool command(CommandType, BaseColleague *) const override { return true; }
    void sendError(MessageItem *, BaseColleague *) const override {}
    void sendInformation(QStringList, BaseColleague *) const override {}

    mutable QStringList commands;
    std::function<void(CommandItem *)> hook;
};

// Relations "1" (formula, rules "r1" "Alpha" and "r2" with an empty name and description "Beta"),
// "12" (constraint relation "Limit", constraint "k" "Gamma") and "3" ("Other", no rules).
struct Fixture
{
    Fixture()
    {
        root = model.getRootClass();
        const auto storage = model.getRelationsStorage();
        root->addParameter(makeParameter(QStringLiteral("p")));
        root->addParameter(makeParameter(QStringLiteral("q")));
        makeRelation(storage, QStringLiteral("1"), QStringLiteral("y = x"),
                     QStringList{QStringLiteral("x")}, QStringList{QStringLiteral("y")},
                     RelationModel::RELATION_SIMPLE, QStringLiteral("Copy"));
        makeRelation(storage, QStringLiteral("12"), QStringLiteral("x > 0"),
                     QStringList{QStringLiteral("x")}, QStringList{QStringLiteral("flag")},
                     RelationModel::RELATION_CONSTRAINT, QStringLiteral("Limit"));
        makeRelation(storage, QStringLiteral("3"), QStringLiteral("y = 1"), QStringList{},
                     QStringList{QStringLiteral("y")}, RelationModel::RELATION_SIMPLE,
                     QStringLiteral(""));
        placeRule(root, QStringLiteral("r1"), QStringLiteral("1"),
                  {{QStringLiteral("x"), QStringLiteral("p")}},
                  {{QStringLiteral("y"), QStringLiteral("q")}}, QStringLiteral("Alpha"));
        const RulePtr r2 = placeRule(root, QStringLiteral("r2"), QStringLiteral("1"),
                                     {{QStringLiteral("x"), QStringLiteral("q")}},
                                     {{QStringLiteral("y"), QStringLiteral("p")}}, QString());
        r2->setShortName(QString());
        r2->setDescription(QStringLiteral("Beta"));
        placeConstraint(root, QStringLiteral("k"), QStringLiteral("12"),
                        {{QStringLiteral("x"), QStringLiteral("p")}}, QStringLiteral("Gamma"));
    }
    OstraModel model;
    ClassPtr root;
};

struct Tree
{
    explicit Tree(Fixture &n_fixture) : colleague(&mediator)
    {
        tree.setColleague(&colleague);
        tree.setData(n_fixture.root.data());
        tree.resize(300, 400);
        tree.show();
    }
    QTreeWidget *widget() const { return tree.treeWidget(); }
    QSet<QString> shown() const
    {
        QSet<QString> rows;
        for (QTreeWidgetItemIterator it(widget()); *it; ++it)
            rows.insert(((*it)->parent() ? (*it)->parent()->text(2) + QLatin1Char('/') : QString())
                        + (*it)->text(2) + QLatin1Char(' ') + (*it)->text(1) + QLatin1Char(' ')
                        + (*it)->text(0));
        return rows;
    }
    // Right-clicks the item (or empty space for null) and returns the menu's action texts.
    QMenu *menuAt(QTreeWidgetItem *n_item)
    {
        widget()->clearSelection();
        QPoint at(5, widget()->viewport()->height() - 5);
        if (n_item) {
            widget()->expandAll();
            n_item->setSelected(true);
            at = widget()->visualItemRect(n_item).center();
        }
        tree.customMenuRequested(at);
        const QList<QMenu *> menus = tree.findChildren<QMenu *>();
        return menus.isEmpty() ? nullptr : menus.last();
    }
    QAction *action(QMenu *n_menu, const QString &n_text)
    {
        for (QAction *action : n_menu->actions())
            if (action->text() == n_text)
                return action;
        return nullptr;
    }
    RecordingMediator mediator;
    RelationshipColleague colleague;
    wContainerRelationshipArea tree;
};

QSet<QString> set(const QStringList &n_rows)
{
    return QSet<QString>(n_rows.cbegin(), n_rows.cend());
}

const QStringList ALL{QStringLiteral("1 relation Copy"),       QStringLiteral("1/r1 rule Alpha"),
                      QStringLiteral("1/r2 rule Beta"),        QStringLiteral("12 relation Limit"),
                      QStringLiteral("12/k constraint Gamma"), QStringLiteral("3 relation y = 1")};

} // namespace

// The relations tree: filling, filtering, the reported updates and the commands of its menu.
class tst_wContainerRelationshipArea : public QObject
{
    Q_OBJECT

private slots:
    void fillsRelationsWithTheirElements();
    void filterKeepsMatchesIgnoringCase_data();
    void filterKeepsMatchesIgnoringCase();
    void updatesMatchIdsExactly_data();
    void updatesMatchIdsExactly();
    void updateViewAddsOnlyMissingRelations();
    void menuOffersActionsByKind_data();
    void menuOffersActionsByKind();
    void removeDeletesItemOnlyWhenModelLacksIt_data();
    void removeDeletesItemOnlyWhenModelLacksIt();
    void ruleWithoutRelationIsSkipped();
};

void tst_wContainerRelationshipArea::fillsRelationsWithTheirElements()
{
    Fixture fixture;
    Tree tree(fixture);
    QCOMPARE(tree.shown(), set(ALL));
    QVERIFY(tree.widget()->isColumnHidden(1));
    QVERIFY(tree.widget()->isColumnHidden(2));
    tree.tree.clear();
    QCOMPARE(tree.widget()->topLevelItemCount(), 0);
    tree.tree.refresh();
    QCOMPARE(tree.shown(), set(ALL));
}

void tst_wContainerRelationshipArea::filterKeepsMatchesIgnoringCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("relation only") << "cop" << QStringList{QStringLiteral("1 relation Copy")};
    QTest::newRow("rule under its relation")
        << "ALPH"
        << QStringList{QStringLiteral("1 relation Copy"), QStringLiteral("1/r1 rule Alpha")};
    QTest::newRow("description of a nameless rule")
        << "beta"
        << QStringList{QStringLiteral("1 relation Copy"), QStringLiteral("1/r2 rule Beta")};
    QTest::newRow("constraint") << "gam"
                                << QStringList{QStringLiteral("12 relation Limit"),
                                               QStringLiteral("12/k constraint Gamma")};
    QTest::newRow("nothing") << "zzz" << QStringList{};
    QTest::newRow("cleared refills") << "" << ALL;
}

void tst_wContainerRelationshipArea::filterKeepsMatchesIgnoringCase()
{
    QFETCH(QString, text);
    QFETCH(QStringList, rows);

    Fixture fixture;
    Tree tree(fixture);
    auto *line = tree.tree.findChild<QLineEdit *>(QStringLiteral("leFilter"));
    QTest::keyClicks(line, QStringLiteral("x"));
    line->clear();
    QTest::keyClicks(line, text);
    QCOMPARE(tree.shown(), set(rows));
    for (int i = 0; i < tree.widget()->topLevelItemCount(); ++i)
        QCOMPARE(tree.widget()->topLevelItem(i)->isExpanded(), !text.isEmpty());
}

void tst_wContainerRelationshipArea::updatesMatchIdsExactly_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QStringList>("changed");

    QTest::newRow("short id relabels only its item")
        << "1"
        << "" << QStringList{QStringLiteral("1 relation New")};
    QTest::newRow("braced id") << "{12}"
                               << "" << QStringList{QStringLiteral("12 relation New")};
    QTest::newRow("new relation at the top") << "4"
                                             << "" << QStringList{QStringLiteral("4 relation New")};
    QTest::newRow("new rule under its relation only")
        << "r9"
        << "1" << QStringList{QStringLiteral("1/r9 rule New")};
    QTest::newRow("new constraint") << "k9"
                                    << "12" << QStringList{QStringLiteral("12/k9 constraint New")};
    QTest::newRow("unknown parent adds nothing") << "r9"
                                                 << "77" << QStringList{};
}

void tst_wContainerRelationshipArea::updatesMatchIdsExactly()
{
    QFETCH(QString, id);
    QFETCH(QString, parent);
    QFETCH(QStringList, changed);

    Fixture fixture;
    Tree tree(fixture);
    CommandItem update(UPDATE, RULE_WINDOW, id, parent, QStringLiteral("New"));
    tree.tree.setChangeTitleItem(&update);
    QSet<QString> expected = set(ALL);
    for (const QString &row : changed) {
        const QString key = row.section(QLatin1Char(' '), 0, 0);
        for (const QString &old : ALL)
            if (old.section(QLatin1Char(' '), 0, 0) == key)
                expected.remove(old);
        expected.insert(row);
    }
    QCOMPARE(tree.shown(), expected);

    // Without a colleague nothing is applied.
    tree.tree.setColleague(nullptr);
    CommandItem again(UPDATE, RULE_WINDOW, QStringLiteral("1"), QString(), QStringLiteral("Again"));
    tree.tree.setChangeTitleItem(&again);
    QCOMPARE(tree.tree.itemOf(QStringLiteral("1"))->text(0) == QStringLiteral("Again"), false);
}

void tst_wContainerRelationshipArea::updateViewAddsOnlyMissingRelations()
{
    Fixture fixture;
    Tree tree(fixture);
    CommandItem rename(UPDATE, RULE_WINDOW, QStringLiteral("r1"), QStringLiteral("1"),
                       QStringLiteral("Alpha*"));
    tree.tree.setChangeTitleItem(&rename);
    makeRelation(fixture.model.getRelationsStorage(), QStringLiteral("late"),
                 QStringLiteral("y = 2"), QStringList{}, QStringList{QStringLiteral("y")},
                 RelationModel::RELATION_SIMPLE, QStringLiteral("Late"));
    tree.tree.UpdateView();
    QCOMPARE(tree.widget()->topLevelItemCount(), 4);
    QCOMPARE(tree.widget()->topLevelItem(3)->text(2), QStringLiteral("late"));
    QCOMPARE(tree.tree.itemOf(QStringLiteral("r1"))->text(0), QStringLiteral("Alpha*"));
    tree.tree.UpdateView();
    QCOMPARE(tree.widget()->topLevelItemCount(), 4);
}

void tst_wContainerRelationshipArea::menuOffersActionsByKind_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("command");

    QTest::newRow("empty space") << "" << QStringList{QStringLiteral("Добавить отношение")}
                                 << "Добавить отношение"
                                 << "0 3 ";
    QTest::newRow("formula relation") << "1"
                                      << QStringList{QStringLiteral("Добавить отношение"),
                                                     QStringLiteral("Редактировать отношение"),
                                                     QStringLiteral("Удалить отношение"), QString(),
                                                     QStringLiteral("Добавить правило")}
                                      << "Добавить правило"
                                      << "0 4 1";
    QTest::newRow("constraint relation")
        << "12"
        << QStringList{QStringLiteral("Добавить отношение"),
                       QStringLiteral("Редактировать отношение"),
                       QStringLiteral("Удалить отношение"), QString(),
                       QStringLiteral("Добавить ограничение")}
        << "Добавить ограничение"
        << "0 4 12";
    QTest::newRow("rule") << "r1"
                          << QStringList{QStringLiteral("Редактировать правило"),
                                         QStringLiteral("Удалить правило")}
                          << "Редактировать правило"
                          << "2 4 r1";
    QTest::newRow("constraint") << "k"
                                << QStringList{QStringLiteral("Редактировать ограничение"),
                                               QStringLiteral("Удалить ограничение")}
                                << "Редактировать ограничение"
                                << "2 4 k";
}

void tst_wContainerRelationshipArea::menuOffersActionsByKind()
{
    QFETCH(QString, id);
    QFETCH(QStringList, texts);
    QFETCH(QString, trigger);
    QFETCH(QString, command);

    Fixture fixture;
    Tree tree(fixture);
    QMenu *menu = tree.menuAt(id.isEmpty() ? nullptr : tree.tree.itemOf(id));
    QVERIFY(menu);
    QStringList shown;
    for (QAction *action : menu->actions())
        shown << action->text();
    QCOMPARE(shown, texts);
    tree.action(menu, trigger)->trigger();
    QCOMPARE(tree.mediator.commands, QStringList{command});
}

void tst_wContainerRelationshipArea::removeDeletesItemOnlyWhenModelLacksIt_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("deleted");

    QTest::newRow("relation deleted") << "3"
                                      << "Удалить отношение" << true;
    QTest::newRow("relation kept") << "3"
                                   << "Удалить отношение" << false;
    QTest::newRow("rule deleted") << "r1"
                                  << "Удалить правило" << true;
    QTest::newRow("constraint kept") << "k"
                                     << "Удалить ограничение" << false;
}

void tst_wContainerRelationshipArea::removeDeletesItemOnlyWhenModelLacksIt()
{
    QFETCH(QString, id);
    QFETCH(QString, action);
    QFETCH(bool, deleted);

    Fixture fixture;
    Tree tree(fixture);
    OstraClass *root = fixture.root.data();
    tree.mediator.hook = [&](CommandItem *n_command) {
        if (!deleted)
            return;
        if (n_command->getTypeWorkSpace() == RELATION_WINDOW)
            root->deleteRelation(n_command->getUid());
        else
            root->deleteRule(n_command->getUid());
    };
    QMenu *menu = tree.menuAt(tree.tree.itemOf(id));
    tree.action(menu, action)->trigger();
    QCOMPARE(tree.mediator.commands.size(), 1);
    QCOMPARE(tree.tree.itemOf(id) == nullptr, deleted);
}

void tst_wContainerRelationshipArea::ruleWithoutRelationIsSkipped()
{
    Fixture fixture;
    const RulePtr orphan = makeRule(QStringLiteral("orphan"), QStringLiteral("Orphan"));
    fixture.root->addRule(orphan);
    Tree tree(fixture);
    QCOMPARE(tree.shown(), set(ALL));
    auto *line = tree.tree.findChild<QLineEdit *>(QStringLiteral("leFilter"));
    QTest::keyClicks(line, QStringLiteral("o"));
    QVERIFY(tree.tree.itemOf(QStringLiteral("orphan")) == nullptr);
    tree.tree.UpdateView();
    QVERIFY(tree.tree.itemOf(QStringLiteral("orphan")) == nullptr);
}

QTEST_MAIN(tst_wContainerRelationshipArea)
#include "tst_wcontainerrelationshiparea.moc"
