#include "BoxRecorder.h"
#include "DialogAnswers.h"
#include "FileDialogAnswer.h"
#include "ProjectFixture.h"
#include "TreeClicks.h"

#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "RuleWidgets/dChooseParamRule.h"
#include "WidgetAreas/wContainerProjectArea.h"
#include "WidgetAreas/wContainerRelationshipArea.h"
#include "errors/IntegrityMsg.h"
#include "frmMainIDE.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

QString ide(int n_offset)
{
    const ErrorDictionary &errors = ErrorDictionary::Instance();
    return errors.getErrorById(errors.getOstraIDEBeginKey() + n_offset);
}

QString integrity(int n_code)
{
    const ErrorDictionary &errors = ErrorDictionary::Instance();
    return errors.getErrorById(errors.getOstraIntegrityBeginKey() + n_code);
}

// The project fixture's model (Root { Ab { pq }, Mid { xABy (text), cd }, Zz { zz, Yy {} },
// alpha }) with the relation "Sum" (y = x + z) and its rule "Adds", and two relations named "Twin"
// and " Twin" (distinct to the model, one name to the relation page), written to a file.
QString writeFixture(const QTemporaryDir &n_folder)
{
    ProjectFixture fixture;
    const auto model = fixture.manager.getActiveModel();
    const auto storage = model->getRelationsStorage();
    makeRelation(storage, QStringLiteral("sum"), QStringLiteral("y = x + z"),
                 QStringList{QStringLiteral("x"), QStringLiteral("z")},
                 QStringList{QStringLiteral("y")}, RelationModel::RELATION_SIMPLE,
                 QStringLiteral("Sum"));
    placeRule(
        fixture.root_, QStringLiteral("adds"), QStringLiteral("sum"),
        {{QStringLiteral("x"), QStringLiteral("p1")}, {QStringLiteral("z"), QStringLiteral("p4")}},
        {{QStringLiteral("y"), QStringLiteral("p5")}}, QStringLiteral("Adds"));
    for (const QString &name : {QStringLiteral("Twin"), QStringLiteral(" Twin")})
        makeRelation(storage, QStringLiteral("twin") + QString::number(name.size()),
                     QStringLiteral("y = x"), QStringList{QStringLiteral("x")},
                     QStringList{QStringLiteral("y")}, RelationModel::RELATION_SIMPLE, name);
    QFile file(n_folder.filePath(QStringLiteral("model.xml")));
    file.open(QIODevice::WriteOnly);
    file.write(fixture.manager.saveModelInStr(model).toUtf8());
    return file.fileName();
}

// One line per relation, rule and constraint of a model file, its links by parameter name.
QSet<QString> describe(const QString &n_path)
{
    ModelManager manager;
    QFile file(n_path);
    manager.loadModel(file);
    const ClassPtr root = manager.getActiveModel()->getRootClass();
    const auto variables = [](const QHash<QString, QVariant::Type> &n_types) {
        QStringList shown;
        for (auto it = n_types.cbegin(); it != n_types.cend(); ++it)
            shown << it.key() + QLatin1Char(':') + QString::number(it.value());
        shown.sort();
        return shown.join(QLatin1Char(','));
    };
    const auto links = [](const QHash<QString, ParamPtr> &n_links) {
        QStringList shown;
        for (auto it = n_links.cbegin(); it != n_links.cend(); ++it)
            shown << it.key() + QLatin1Char('=')
                         + (it.value() ? it.value()->getShortName() : QStringLiteral("?"));
        shown.sort();
        return shown.join(QLatin1Char(','));
    };
    QSet<QString> lines;
    for (const RelPtr &relation : root->getRelationsHash())
        lines << QStringLiteral("%1 | %2 | %3 | %4 > %5")
                     .arg(relation->getShortName())
                     .arg(relation->getRelationType())
                     .arg(relation->getCode(), variables(relation->getInputParametersTypes()),
                          variables(relation->getOutputParametersTypes()));
    for (const RulePtr &rule : root->getRulesHash())
        lines << rule->getRelationPtr()->getShortName() + QStringLiteral(" / ")
                     + rule->getShortName() + QStringLiteral(": ")
                     + links(rule->getInputParameters()) + QStringLiteral(" > ")
                     + links(rule->getOutputParameters());
    for (const ConstrPtr &constraint : root->getConstraintsHash())
        lines << constraint->getRelationPtr()->getShortName() + QStringLiteral(" / ")
                     + constraint->getShortName() + QStringLiteral(": ")
                     + links(constraint->getInputParameters());
    return lines;
}

QByteArray fileText(const QString &n_path)
{
    QFile file(n_path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

const QStringList FIXTURE_LINES{
    QStringLiteral("Sum | 0 | y = x + z | x:6,z:6 > y:6"),
    QStringLiteral("Twin | 0 | y = x | x:6 > y:6"),
    QStringLiteral(" Twin | 0 | y = x | x:6 > y:6"),
    QStringLiteral("Sum / Adds: x=pq,z=zz > y=alpha"),
};

// One relation kind as the user makes it: the kind's index and the relation's name, how its
// designer is filled, the relation's line in the saved file, and the title of its rule or
// constraint with each variable's parameter.
struct Kind
{
    int index;
    QString name;
    std::function<void(QDialog &)> type;
    QString stored;
    QString rule;
    QList<QPair<QString, QString>> inputs;
    QList<QPair<QString, QString>> outputs;
};

void typeInto(QDialog &n_dialog, const char *n_field, const QString &n_text)
{
    auto *field = n_dialog.findChild<QLineEdit *>(QLatin1String(n_field));
    field->selectAll();
    QTest::keyClicks(field, n_text);
}

void addVariable(QDialog &n_dialog, const char *n_table, const QString &n_name)
{
    auto *table = n_dialog.findChild<QWidget *>(QLatin1String(n_table));
    auto *grid = table->findChild<QTableWidget *>(QStringLiteral("twParameters"));
    QTest::mouseClick(table->findChild<QPushButton *>(QStringLiteral("btnAddParameter")),
                      Qt::LeftButton);
    QTest::keyClicks(qobject_cast<QLineEdit *>(grid->cellWidget(grid->rowCount() - 1, 0)), n_name);
}

QList<Kind> kinds()
{
    return {
        {0,
         QStringLiteral("Twice"),
         [](QDialog &n_dialog) { typeInto(n_dialog, "leFormula", QStringLiteral("y = x + x")); },
         QStringLiteral("Twice | 0 | y = x + x | x:6 > y:6"),
         QStringLiteral("Doubling"),
         {{QStringLiteral("x"), QStringLiteral("pq")}},
         {{QStringLiteral("y"), QStringLiteral("cd")}}},
        {1,
         QStringLiteral("Cond"),
         [](QDialog &n_dialog) {
             typeInto(n_dialog, "leIf", QStringLiteral("x > 0"));
             typeInto(n_dialog, "leThen", QStringLiteral("y = 1"));
             typeInto(n_dialog, "leElse", QStringLiteral("y = 2"));
         },
         QStringLiteral("Cond | 1 | if (x > 0) {y = 1;} else {y = 2;} | x:6 > y:6"),
         QStringLiteral("Sign"),
         {{QStringLiteral("x"), QStringLiteral("pq")}},
         {{QStringLiteral("y"), QStringLiteral("zz")}}},
        {2,
         QStringLiteral("Limit"),
         [](QDialog &n_dialog) { typeInto(n_dialog, "leIf", QStringLiteral("x >= 10")); },
         QStringLiteral("Limit | 2 | if (x >= 10) {flag = true;} else {flag = false;} | x:6 > "
                        "flag:6"),
         QStringLiteral("Enough"),
         {{QStringLiteral("x"), QStringLiteral("zz")}},
         {}},
        {3,
         QStringLiteral("Script"),
         [](QDialog &n_dialog) {
             addVariable(n_dialog, "inputTable", QStringLiteral("x"));
             addVariable(n_dialog, "outputTable", QStringLiteral("y"));
             QTest::keyClicks(n_dialog.findChild<QPlainTextEdit *>(QStringLiteral("teCode")),
                              QStringLiteral("var x; y = x * 2;"));
         },
         QStringLiteral("Script | 3 | var x; y = x * 2; | x:6 > y:6"),
         QStringLiteral("Program"),
         {{QStringLiteral("x"), QStringLiteral("cd")}},
         {{QStringLiteral("y"), QStringLiteral("alpha")}}},
    };
}

QString linksLine(const Kind &n_kind)
{
    const auto join = [](const QList<QPair<QString, QString>> &n_links) {
        QStringList shown;
        for (const auto &link : n_links)
            shown << link.first + QLatin1Char('=') + link.second;
        return shown.join(QLatin1Char(','));
    };
    return n_kind.name + QStringLiteral(" / ") + n_kind.rule + QStringLiteral(": ")
           + join(n_kind.inputs)
           + (n_kind.index == 2 ? QString() : QStringLiteral(" > ") + join(n_kind.outputs));
}

// The real main window on the fixture file; boxes answered with Ok and recorded.
struct Window
{
    explicit Window(const QString &n_path) : path(n_path)
    {
        window.show();
        FileDialogAnswer files({path});
        action("mOpenProject")->trigger();
    }
    ~Window()
    {
        MessageBoxes::setDialogHandler({});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QAction *action(const char *n_name)
    {
        return window.findChild<QAction *>(QLatin1String(n_name));
    }
    void save() { action("mSaveTabProject")->trigger(); }
    wContainerRelationshipArea *relations()
    {
        return window.findChild<wContainerRelationshipArea *>();
    }
    QTabWidget *tabs()
    {
        for (QTabWidget *tabs : window.findChildren<QTabWidget *>())
            if (tabs->tabsClosable())
                return tabs;
        return nullptr;
    }
    QStringList tabTexts()
    {
        QStringList texts;
        for (int index = 0; index < tabs()->count(); ++index)
            texts << tabs()->tabText(index);
        return texts;
    }
    QWidget *page() { return tabs()->currentWidget(); }
    void showTab(QWidget *n_page)
    {
        QTabBar *bar = tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          bar->tabRect(tabs()->indexOf(n_page)).center());
    }
    QStringList errors()
    {
        auto *table = window.findChild<QTableWidget *>(QStringLiteral("twErorr"));
        QStringList texts;
        for (int row = 0; row < table->rowCount(); ++row)
            texts << table->item(row, 0)->text();
        return texts;
    }
    // Every item of the relations tree as "parent id/id kind label".
    QSet<QString> shown()
    {
        QSet<QString> rows;
        for (QTreeWidgetItemIterator it(relations()->treeWidget()); *it; ++it)
            rows << ((*it)->parent() ? (*it)->parent()->text(2) + QLatin1Char('/') : QString())
                        + (*it)->text(2) + QLatin1Char(' ') + (*it)->text(1) + QLatin1Char(' ')
                        + (*it)->text(0);
        return rows;
    }
    QTreeWidgetItem *relationItem(const QString &n_label)
    {
        const auto found = relations()->treeWidget()->findItems(n_label, Qt::MatchExactly, 0);
        return found.isEmpty() ? nullptr : found.first();
    }
    // A right click on the item (or on empty space), then the menu entry of that text; the texts
    // the menu offered are returned.
    QStringList menu(QTreeWidgetItem *n_item, const QString &n_entry = QString())
    {
        return chooseInRowMenu(relations(), relations()->treeWidget(), n_item, n_entry);
    }
    void open(QTreeWidgetItem *n_item) { doubleClickRow(relations()->treeWidget(), n_item); }
    // Clicks the body designer button of the current relation page; the handler plays the user.
    void openDesigner(const MessageBoxes::DialogHandler &n_handler)
    {
        MessageBoxes::setDialogHandler(n_handler);
        QTest::mouseClick(page()->findChild<QPushButton *>(QStringLiteral("btnBodyDesigner")),
                          Qt::LeftButton);
        MessageBoxes::setDialogHandler({});
    }
    // n_type fills the designer; then it analyses and presses OK.
    void design(const std::function<void(QDialog &)> &n_type) { designBody(page(), n_type); }
    // Clicks "..." of the variable's row on the current rule page; the chooser is answered with the
    // parameter of that name, and every parameter it offered is recorded.
    void choose(const QString &n_variable, const QString &n_parameter)
    {
        chooseParameter(page(), n_variable, n_parameter, &offered);
    }
    void typeName(const char *n_field, const QString &n_name)
    {
        QTest::keyClicks(page()->findChild<QLineEdit *>(QLatin1String(n_field)), n_name);
    }
    // The rules and constraints the parameter's page lists, opened from the project tree.
    QStringList listedOn(const QString &n_parameter)
    {
        QTreeWidget *tree = window.findChild<wContainerProjectArea *>()->treeWidget();
        tree->expandAll();
        QTreeWidgetItem *item =
            tree->findItems(n_parameter, Qt::MatchExactly | Qt::MatchRecursive).first();
        doubleClickRow(tree, item);
        QStringList listed;
        for (const char *name : {"twLinkRules", "twLinkConstraint"}) {
            auto *links = page()->findChild<QTableWidget *>(QLatin1String(name));
            for (int row = 0; row < links->rowCount(); ++row)
                listed << links->item(row, 0)->text();
        }
        listed.sort();
        return listed;
    }

    QString path;
    BoxRecorder boxes;
    frmMainIDE window;
    QStringList offered;
};

// Each kind as a user makes it: a relation from the tree's menu with its body from the designer,
// then a rule or constraint on it bound through the chooser, each saved with the window's save.
void makeFourKinds(Window &n_window)
{
    for (const Kind &kind : kinds()) {
        n_window.menu(nullptr, QStringLiteral("Добавить отношение"));
        n_window.typeName("leName", kind.name);
        auto *kinds = n_window.page()->findChild<QComboBox *>(QStringLiteral("cbRelationType"));
        kinds->setFocus();
        for (int step = 0; step < kind.index; ++step)
            QTest::keyClick(kinds, Qt::Key_Down);
        n_window.design(kind.type);
        n_window.save();

        n_window.menu(n_window.relationItem(kind.name), kind.index == 2
                                                            ? QStringLiteral("Добавить ограничение")
                                                            : QStringLiteral("Добавить правило"));
        n_window.typeName("leTitle", kind.rule);
        for (const auto &link : kind.inputs + kind.outputs)
            n_window.choose(link.first, link.second);
        n_window.save();
    }
}

} // namespace

// The relation, rule and constraint editors driven through the real main window on a model file.
class tst_RelationsWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fourKindsMadeBoundSavedAndReloaded();
    void reanalysedRelationsDropTheirInput();
    void refusedSavesWriteNothing();
    void languageSwitchRetitlesWithoutEditMarks_data();
    void languageSwitchRetitlesWithoutEditMarks();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_path;
};

void tst_RelationsWindow::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_path = writeFixture(*m_folder);
}

void tst_RelationsWindow::cleanup()
{
    MessageBoxes::setBoxHandler({});
    MessageBoxes::setDialogHandler({});
}

void tst_RelationsWindow::fourKindsMadeBoundSavedAndReloaded()
{
    QSet<QString> expected(FIXTURE_LINES.cbegin(), FIXTURE_LINES.cend());
    QSet<QString> treeShown;
    {
        Window w(m_path);
        QCOMPARE(describe(m_path), expected);
        makeFourKinds(w);
        QCOMPARE(w.boxes.texts(), QStringList());
        QCOMPARE(w.errors(), QStringList());
        for (const Kind &kind : kinds()) {
            expected << kind.stored << linksLine(kind);
            // The tree shows the relation with its one child.
            QTreeWidgetItem *item = w.relationItem(kind.name);
            QVERIFY(item);
            QCOMPARE(item->childCount(), 1);
            QCOMPARE(item->child(0)->text(0), kind.rule);
            QCOMPARE(item->child(0)->text(1),
                     kind.index == 2 ? QStringLiteral("constraint") : QStringLiteral("rule"));
        }
        // Only parameters of the variable's type were offered.
        QVERIFY(w.offered.contains(QStringLiteral("pq")));
        QVERIFY(!w.offered.contains(QStringLiteral("xABy")));
        QCOMPARE(describe(m_path), expected);

        // Saved again unchanged, the rule page writes no link anew.
        w.open(w.relationItem(QStringLiteral("Twice"))->child(0));
        const QByteArray before = canonical(QString::fromUtf8(fileText(m_path))).toUtf8();
        w.save();
        QCOMPARE(canonical(QString::fromUtf8(fileText(m_path))).toUtf8(), before);

        QCOMPARE(w.listedOn(QStringLiteral("pq")),
                 (QStringList{QStringLiteral("Adds"), QStringLiteral("Doubling"),
                              QStringLiteral("Sign")}));
        QCOMPARE(w.listedOn(QStringLiteral("zz")),
                 (QStringList{QStringLiteral("Adds"), QStringLiteral("Enough"),
                              QStringLiteral("Sign")}));
        treeShown = w.shown();
    }
    // Opened again in a new window: the same tree.
    Window again(m_path);
    QCOMPARE(again.shown(), treeShown);
}

void tst_RelationsWindow::reanalysedRelationsDropTheirInput()
{
    Window w(m_path);
    makeFourKinds(w);
    QSet<QString> expected = describe(m_path);
    w.open(w.relationItem(QStringLiteral("Twice"))->child(0));
    QWidget *rulePage = w.page();
    QCOMPARE(ruleRows(rulePage), idSet({QStringLiteral("x=pq"), QStringLiteral("y=cd")}));

    // Both bodies analysed again without x: the relations are stored, the file is refused while
    // their rule and constraint miss a parameter for w.
    const QList<QPair<QString, std::function<void(QDialog &)>>> bodies{
        {QStringLiteral("Twice"),
         [](QDialog &n_dialog) { typeInto(n_dialog, "leFormula", QStringLiteral("y = w * 2")); }},
        {QStringLiteral("Limit"),
         [](QDialog &n_dialog) { typeInto(n_dialog, "leIf", QStringLiteral("w >= 10")); }}};
    for (const auto &body : bodies) {
        w.open(w.relationItem(body.first));
        w.design(body.second);
        w.save();
        QCOMPARE(describe(m_path), expected);
    }
    // The refusal names the rule and the constraint in the error pane.
    const QString refusal = w.errors().join(QLatin1Char('\n'));
    QVERIFY(refusal.contains(QStringLiteral("Doubling"))
            && refusal.contains(QStringLiteral("Enough")));
    QCOMPARE(ruleRows(rulePage), idSet({QStringLiteral("w="), QStringLiteral("y=cd")}));

    w.showTab(rulePage);
    w.choose(QStringLiteral("w"), QStringLiteral("pq"));
    w.save();
    w.open(w.relationItem(QStringLiteral("Limit"))->child(0));
    QCOMPARE(ruleRows(w.page()), idSet({QStringLiteral("w=")}));
    w.choose(QStringLiteral("w"), QStringLiteral("zz"));
    w.save();
    // x is gone from both; the other rules keep their links.
    for (const QString &line :
         {QStringLiteral("Twice | 0 | y = x + x | x:6 > y:6"),
          QStringLiteral("Twice / Doubling: x=pq > y=cd"),
          QStringLiteral(
              "Limit | 2 | if (x >= 10) {flag = true;} else {flag = false;} | x:6 > flag:6"),
          QStringLiteral("Limit / Enough: x=zz")})
        QVERIFY2(expected.remove(line), qPrintable(line));
    expected << QStringLiteral("Twice | 0 | y = w * 2 | w:6 > y:6")
             << QStringLiteral("Twice / Doubling: w=pq > y=cd")
             << QStringLiteral(
                    "Limit | 2 | if (w >= 10) {flag = true;} else {flag = false;} | w:6 > flag:6")
             << QStringLiteral("Limit / Enough: w=zz");
    QCOMPARE(describe(m_path), expected);
}

void tst_RelationsWindow::refusedSavesWriteNothing()
{
    Window w(m_path);
    const QByteArray before = fileText(m_path);
    // A rule on Sum without a title, its input x never touched.
    w.menu(w.relationItem(QStringLiteral("Sum")), QStringLiteral("Добавить правило"));
    w.choose(QStringLiteral("z"), QStringLiteral("zz"));
    w.choose(QStringLiteral("y"), QStringLiteral("cd"));
    w.save();
    QCOMPARE(w.errors(), (QStringList{ide(210), ide(220)}));
    QCOMPARE(w.relationItem(QStringLiteral("Sum"))->childCount(), 1);

    // A relation named as two others once blanks are trimmed: one message for each.
    w.menu(nullptr, QStringLiteral("Добавить отношение"));
    w.typeName("leName", QStringLiteral("Twin "));
    w.design(
        [](QDialog &n_dialog) { typeInto(n_dialog, "leFormula", QStringLiteral("y = x * 3")); });
    w.save();
    const QString clash = integrity(IntegrityMsg::MSG_CODE_RELATION_WITH_SAME_SHORTNAME);
    QCOMPARE(w.errors(), (QStringList{clash, clash}));
    QCOMPARE(w.relations()->treeWidget()->topLevelItemCount(), 3);
    QCOMPARE(w.boxes.texts(), QStringList());
    QCOMPARE(fileText(m_path), before);
}

void tst_RelationsWindow::languageSwitchRetitlesWithoutEditMarks_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("addition");
    QTest::newRow("English") << "mEngLang"
                             << QStringList{QStringLiteral("Add relation"),
                                            QStringLiteral("Edit relation"),
                                            QStringLiteral("Delete relation"), QString(),
                                            QStringLiteral("Add rule")}
                             << "Name"
                             << "Formula"
                             << "Addition";
    QTest::newRow("Russian") << "mRusLang"
                             << QStringList{QStringLiteral("Добавить отношение"),
                                            QStringLiteral("Редактировать отношение"),
                                            QStringLiteral("Удалить отношение"), QString(),
                                            QStringLiteral("Добавить правило")}
                             << "Наименование"
                             << "Формула"
                             << "Сложение";
}

void tst_RelationsWindow::languageSwitchRetitlesWithoutEditMarks()
{
    QFETCH(QString, language);
    QFETCH(QStringList, entries);
    QFETCH(QString, header);
    QFETCH(QString, formula);
    QFETCH(QString, addition);
    Window w(m_path);
    w.open(w.relationItem(QStringLiteral("Sum")));
    QWidget *relationPage = w.page();
    w.open(w.relationItem(QStringLiteral("Sum"))->child(0));
    const QSet<QString> shown = w.shown();
    QCOMPARE(w.tabTexts(), (QStringList{QStringLiteral("Sum"), QStringLiteral("Adds")}));

    w.action(language.toLatin1().constData())->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(w.menu(w.relationItem(QStringLiteral("Sum"))), entries);
    QCOMPARE(w.relations()->treeWidget()->headerItem()->text(0), header);
    QCOMPARE(relationPage->findChild<QComboBox *>(QStringLiteral("cbRelationType"))->itemText(0),
             formula);
    QCOMPARE(w.shown(), shown);
    QCOMPARE(w.tabTexts(), (QStringList{QStringLiteral("Sum"), QStringLiteral("Adds")}));
    // The designer gets the thesaurus of the new language.
    w.showTab(relationPage);
    QStringList patterns;
    w.openDesigner([&patterns](QDialog &n_dialog) {
        auto *tree = n_dialog.findChild<QTreeWidget *>(QStringLiteral("twTezaurus"));
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            patterns << (*it)->text(1);
        return int(QDialog::Rejected);
    });
    QVERIFY2(patterns.contains(addition), qPrintable(patterns.join(QLatin1Char(','))));

    // Back to the source texts for the next test.
    w.action("mRusLang")->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(w.tabTexts(), (QStringList{QStringLiteral("Sum"), QStringLiteral("Adds")}));
}

QTEST_MAIN(tst_RelationsWindow)
#include "tst_relationswindow.moc"
