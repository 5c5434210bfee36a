#include "BoxRecorder.h"
#include "DialogAnswers.h"
#include "FileDialogAnswer.h"
#include "FormGestures.h"
#include "ModelFixtures.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "RelationWidgets/wChangeRelation.h"
#include "WidgetAreas/dBaseConstraintInParameter.h"
#include "WidgetAreas/wBaseComparisonConstraint.h"
#include "WidgetAreas/wClassTestArea.h"
#include "WidgetAreas/wContainerProjectArea.h"
#include "WidgetAreas/wContainerRelationshipArea.h"
#include "WidgetAreas/wErrorArea.h"
#include "WidgetAreas/wParameterArea.h"
#include "WidgetAreas/wRelationshipArea.h"
#include "frmMainIDE.h"
#include "model/ModelManager.h"
#include "model/OstraModel.h"
#include "solver/AlgorithmSolution.h"
#include "solver/StaticAlgorithm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDomDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

namespace {

QString ideText(int n_offset)
{
    return ErrorDictionary::Instance().getErrorById(10000 + n_offset);
}
QString uiText(int n_key)
{
    return InterfaceLanguage::Instance().getTextById(n_key);
}

// Root (alpha) { Ab { pq }, Mid { cd = 2.5, x = "abc" (text), out }, Zz { Yy } }; relations Step
// (b = a * 2), Sum (b = a + c; d = a) and the constraint relation Lim; rule Step reads cd and
// computes out, rule Both reads cd and pq and computes cd and out; constraint Limit on cd.
QString writeFixture(const QTemporaryDir &n_folder,
                     const std::function<void(OstraModel &)> &n_edit = {})
{
    const auto model = newRootedModel();
    const ClassPtr root = model->getRootClass();
    const auto storage = model->getRelationsStorage();
    root->addParameter(
        makeParameter(QStringLiteral("pa"), QVariant::Double, QStringLiteral("alpha")));
    const ClassPtr ab = makeClass(QStringLiteral("cAb"), storage, QStringLiteral("Ab"));
    const ClassPtr mid = makeClass(QStringLiteral("cMid"), storage, QStringLiteral("Mid"));
    const ClassPtr zz = makeClass(QStringLiteral("cZz"), storage, QStringLiteral("Zz"));
    root->addClass(ab);
    root->addClass(mid);
    root->addClass(zz);
    zz->addClass(makeClass(QStringLiteral("cYy"), storage, QStringLiteral("Yy")));
    ab->addParameter(makeParameter(QStringLiteral("p1"), QVariant::Double, QStringLiteral("pq")));
    const ParamPtr cd = makeParameter(QStringLiteral("p3"), QVariant::Double, QStringLiteral("cd"));
    cd->setDefaultValue(2.5);
    mid->addParameter(cd);
    const ParamPtr x = makeParameter(QStringLiteral("p2"), QVariant::String, QStringLiteral("x"));
    x->setDefaultValue(QStringLiteral("abc"));
    mid->addParameter(x);
    mid->addParameter(makeParameter(QStringLiteral("po"), QVariant::Double, QStringLiteral("out")));
    makeRelation(storage, QStringLiteral("rStep"), QStringLiteral("b = a * 2;"),
                 QStringList{QStringLiteral("a")}, QStringList{QStringLiteral("b")},
                 RelationModel::RELATION_SIMPLE, QStringLiteral("Step"));
    makeRelation(storage, QStringLiteral("rSum"), QStringLiteral("b = a + c; d = a;"),
                 QStringList{QStringLiteral("a"), QStringLiteral("c")},
                 QStringList{QStringLiteral("b"), QStringLiteral("d")},
                 RelationModel::RELATION_SIMPLE, QStringLiteral("Sum"));
    makeRelation(storage, QStringLiteral("rLim"), QStringLiteral("flag = (a < 100);"),
                 variables({QStringLiteral("a")}),
                 variables({QStringLiteral("flag")}, QVariant::Bool),
                 RelationModel::RELATION_CONSTRAINT, QStringLiteral("Lim"));
    placeRule(mid, QStringLiteral("rule1"), QStringLiteral("rStep"),
              {{QStringLiteral("a"), QStringLiteral("p3")}},
              {{QStringLiteral("b"), QStringLiteral("po")}}, QStringLiteral("Step"));
    placeRule(
        root, QStringLiteral("rule2"), QStringLiteral("rSum"),
        {{QStringLiteral("a"), QStringLiteral("p3")}, {QStringLiteral("c"), QStringLiteral("p1")}},
        {{QStringLiteral("b"), QStringLiteral("p3")}, {QStringLiteral("d"), QStringLiteral("po")}},
        QStringLiteral("Both"));
    placeConstraint(mid, QStringLiteral("k1"), QStringLiteral("rLim"),
                    {{QStringLiteral("a"), QStringLiteral("p3")}}, QStringLiteral("Limit"));
    if (n_edit)
        n_edit(*model);
    return writeModelFile(model, n_folder.filePath(QStringLiteral("fixture.xml")));
}

// The main window with the fixture opened through its menu.
struct Window
{
    explicit Window(const QString &n_path) : path(n_path)
    {
        window.show();
        FileDialogAnswer files({n_path});
        BoxRecorder boxes;
        action("mOpenProject")->trigger();
        opening = boxes.texts();
        root = liveRoot();
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
    // The live model, as the class-test page of the root holds it; that page is closed again.
    ClassPtr liveRoot()
    {
        action("mTestModel")->trigger();
        auto *test = currentPage<wClassTestArea>();
        const ClassPtr found = test->getRootClass();
        QTest::mouseClick(tabs()->tabBar()->tabButton(tabs()->indexOf(test), QTabBar::RightSide),
                          Qt::LeftButton);
        return found;
    }
    QTreeWidget *projectTree() { return window.findChild<wContainerProjectArea *>()->treeWidget(); }
    wContainerRelationshipArea *relationsTree()
    {
        return window.findChild<wContainerRelationshipArea *>();
    }
    QTreeWidgetItem *projectItem(const QString &n_id)
    {
        const auto found = projectTree()->findItems(n_id, Qt::MatchExactly | Qt::MatchRecursive, 2);
        return found.isEmpty() ? nullptr : found.first();
    }
    QPoint show(QTreeWidget *n_tree, QTreeWidgetItem *n_item)
    {
        for (QTreeWidgetItem *up = n_item->parent(); up; up = up->parent())
            up->setExpanded(true);
        n_tree->scrollToItem(n_item);
        return n_tree->visualItemRect(n_item).center();
    }
    void doubleClick(QTreeWidget *n_tree, QTreeWidgetItem *n_item)
    {
        const QPoint at = show(n_tree, n_item);
        QTest::mouseClick(n_tree->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(n_tree->viewport(), Qt::LeftButton, {}, at);
    }
    // The entry of the item's context menu with the text of that interface key.
    QAction *menuEntry(QTreeWidget *n_tree, QTreeWidgetItem *n_item, int n_key)
    {
        const QPoint at = show(n_tree, n_item);
        QTest::mouseClick(n_tree->viewport(), Qt::LeftButton, {}, at);
        emit n_tree->customContextMenuRequested(at);
        const QList<QMenu *> menus = window.findChildren<QMenu *>();
        for (QMenu *menu : menus)
            if (menu->isVisible())
                for (QAction *entry : menu->actions())
                    if (entry->text() == uiText(n_key)) {
                        menu->close();
                        return entry;
                    }
        return nullptr;
    }
    wParameterArea *openParameter(const QString &n_id)
    {
        doubleClick(projectTree(), projectItem(n_id));
        return currentPage<wParameterArea>();
    }
    wParameterArea *addParameter(const QString &n_class)
    {
        menuEntry(projectTree(), projectItem(n_class), 7004)->trigger();
        return currentPage<wParameterArea>();
    }
    QTabWidget *tabs()
    {
        for (QTabWidget *tabs : window.findChildren<QTabWidget *>())
            if (tabs->tabsClosable())
                return tabs;
        return nullptr;
    }
    template<typename Page>
    Page *currentPage()
    {
        return qobject_cast<Page *>(tabs()->currentWidget());
    }
    QString tabText(QWidget *n_page) { return tabs()->tabText(tabs()->indexOf(n_page)); }
    void save() { action("mSaveTabProject")->trigger(); }
    QStringList errors()
    {
        QTableWidget *table = window.findChild<wErrorArea *>()->findChild<QTableWidget *>();
        QStringList rows;
        for (int row = 0; row < table->rowCount(); ++row)
            rows << table->item(row, 0)->text();
        return rows;
    }

    QString path;
    frmMainIDE window;
    QStringList opening;
    ClassPtr root;
};

template<typename T>
T *child(QWidget *n_parent, const char *n_name)
{
    return n_parent->findChild<T *>(QLatin1String(n_name));
}

QStringList column(QTableWidget *n_table, int n_column)
{
    QStringList texts;
    for (int row = 0; row < n_table->rowCount(); ++row)
        texts << n_table->item(row, n_column)->text();
    return texts;
}

QStringList strings(std::initializer_list<const char *> n_texts)
{
    QStringList list;
    for (const char *text : n_texts)
        list << QString::fromUtf8(text);
    return list;
}

// Every parameter of the saved file: id -> "type=...; defaultValue=..." as written.
QMap<QString, QString> writtenParameters(const QString &n_path)
{
    QFile file(n_path);
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file))
        return {};
    QMap<QString, QString> written;
    const QDomNodeList elements = document.elementsByTagName(QStringLiteral("parameter"));
    for (int index = 0; index < elements.size(); ++index) {
        const QDomElement element = elements.at(index).toElement();
        const QString value = element.hasAttribute(QStringLiteral("defaultValue"))
                                  ? element.attribute(QStringLiteral("defaultValue"))
                                  : QStringLiteral("none");
        written.insert(element.attribute(QStringLiteral("id")),
                       QStringLiteral("type=%1; defaultValue=%2")
                           .arg(element.attribute(QStringLiteral("type")), value));
    }
    return written;
}

QStringList sorted(QStringList n_list)
{
    n_list.sort();
    return n_list;
}

// The relations and constraints the builder made.
template<typename T>
QList<QSharedPointer<T>> generated(const QHash<QString, QSharedPointer<T>> &n_hash,
                                   const QString &n_description)
{
    QList<QSharedPointer<T>> made;
    for (const auto &element : n_hash)
        if (element->getDescription() == n_description)
            made << element;
    return made;
}

} // namespace

// The parameter page in the main window over a fixture file: opening, saving, moving, the
// constraint builder, and each of the faults mended on the way.
class tst_ParameterPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void openShowsFieldsAndLinks();
    void languageSwitchKeepsATextValue();
    void createSaveAndMove();
    void builderMakesABoundConstraint();
    void numbersThatDoNotReadAreRefused_data();
    void numbersThatDoNotReadAreRefused();
    void clashIsCheckedInTheChosenClass_data();
    void clashIsCheckedInTheChosenClass();
    void builderValuesBecomeLiterals_data();
    void builderValuesBecomeLiterals();
    void retypedSelectorCreatesNothing();
    void deletedClassUnderAnOpenPage();
    void longStoredTextsSurviveASave();
    void saveAllRefreshesTheLinkTables();
    void saveAllKeepsAnEarlierRefusal();
    void everyTypeKeepsItsTypeAndDefault();

private:
    QTemporaryDir m_folder;
};

void tst_ParameterPage::openShowsFieldsAndLinks()
{
    Window w(writeFixture(m_folder));
    QCOMPARE(w.opening, QStringList());
    wParameterArea *page = w.openParameter(QStringLiteral("p3"));
    QVERIFY(page);
    QCOMPARE(w.tabText(page), QStringLiteral("cd"));
    QCOMPARE(child<QLineEdit>(page, "leName")->text(), QStringLiteral("cd"));
    QCOMPARE(child<QComboBox>(page, "cbDataType")->currentText(), uiText(2006));
    QCOMPARE(child<QLineEdit>(page, "leValue")->text(), QStringLiteral("2.5"));
    QVERIFY(child<QLineEdit>(page, "leValue")->validator());
    auto *level = child<QComboBox>(page, "cbLevel");
    QCOMPARE(level->currentData().toString(), QStringLiteral("cMid"));
    QCOMPARE(level->toolTip(), QStringLiteral("Mid"));
    // Every class once, the root included, sorted by name.
    QStringList levels;
    for (int index = 0; index < level->count(); ++index)
        levels << level->itemText(index);
    QCOMPARE(levels, (strings({"Ab", "Mid", "Root", "Yy", "Zz"})));
    // The rule computing cd first, then the rules reading it: Both on both sides, twice.
    auto *rules = child<QTableWidget>(page, "twLinkRules");
    QCOMPARE(rules->item(0, 2)->text(), QStringLiteral("rule2"));
    QCOMPARE(sorted(column(rules, 2)), (strings({"rule1", "rule2", "rule2"})));
    QCOMPARE(sorted(column(rules, 1)), (strings({"Step", "Sum", "Sum"})));
    QVERIFY(!(rules->item(0, 0)->flags() & Qt::ItemIsEditable));
    auto *constraints = child<QTableWidget>(page, "twLinkConstraint");
    QCOMPARE(column(constraints, 0), strings({"Limit"}));
    QCOMPARE(column(constraints, 1), strings({"Lim"}));
    QVERIFY(constraints->isColumnHidden(2));

    // Deleting the rule on both sides takes both its rows.
    QAction *remove = w.menuEntry(w.relationsTree()->treeWidget(),
                                  w.relationsTree()->itemOf(QStringLiteral("rule2")), 6006);
    BoxRecorder boxes;
    remove->trigger();
    QCOMPARE(column(rules, 2), strings({"rule1"}));
}

void tst_ParameterPage::languageSwitchKeepsATextValue()
{
    Window w(writeFixture(m_folder));
    wParameterArea *page = w.openParameter(QStringLiteral("p2"));
    auto *value = child<QLineEdit>(page, "leValue");
    QCOMPARE(value->text(), QStringLiteral("abc"));
    QVERIFY(!value->validator());
    w.action("mEngLang")->trigger();
    // The toolkit posts the language change to the window.
    QCoreApplication::processEvents();
    QCOMPARE(child<QComboBox>(page, "cbDataType")->currentText(), QStringLiteral("Text"));
    QCOMPARE(child<QLabel>(page, "lbDataType")->text(), QStringLiteral("Type"));
    QCOMPARE(value->text(), QStringLiteral("abc"));
    QVERIFY(!value->validator());
    QCOMPARE(w.tabText(page), QStringLiteral("x"));
    w.action("mRusLang")->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(child<QComboBox>(page, "cbDataType")->currentText(), QStringLiteral("Текст"));
    QCOMPARE(w.tabText(page), QStringLiteral("x"));
}

void tst_ParameterPage::createSaveAndMove()
{
    // The system locale's validator takes the comma the user types.
    QLocale::setDefault(QLocale(QStringLiteral("ru_RU")));
    Window w(writeFixture(m_folder));
    const ClassPtr ab = w.root->getClassById(QStringLiteral("cAb"));
    const ClassPtr mid = w.root->getClassById(QStringLiteral("cMid"));
    wParameterArea *page = w.addParameter(QStringLiteral("cAb"));
    QVERIFY(page);
    QTest::keyClicks(child<QLineEdit>(page, "leName"), QStringLiteral("Fresh"));
    QTest::keyClicks(child<QLineEdit>(page, "leValue"), QStringLiteral("3,5"));
    w.save();
    QCOMPARE(w.errors(), QStringList());
    const QString id = page->getUid();
    QVERIFY(ab->parametersContains(id));
    const ParamPtr fresh = ab->getParameter(id);
    QCOMPARE(fresh->getDefaultValue(), QVariant(3.5));
    QCOMPARE(w.tabText(page), QStringLiteral("Fresh"));
    const int parameters = w.root->getParametersHash().size();
    // Saved again: no second parameter.
    w.save();
    QCOMPARE(w.root->getParametersHash().size(), parameters);
    QCOMPARE(page->getUid(), id);
    // An empty number: no default; an empty text: "".
    retype(child<QLineEdit>(page, "leValue"), QString());
    w.save();
    QVERIFY(!fresh->hasDefaultValue());
    child<QComboBox>(page, "cbDataType")->setCurrentText(uiText(2007));
    w.save();
    QCOMPARE(fresh->getValueType(), QVariant::String);
    QCOMPARE(fresh->getDefaultValue(), QVariant(QStringLiteral("")));

    // Another level moves cd with its links; the next save does not move it again.
    wParameterArea *cd = w.openParameter(QStringLiteral("p3"));
    auto *level = child<QComboBox>(cd, "cbLevel");
    level->setCurrentIndex(level->findData(QStringLiteral("cAb")));
    QVERIFY(w.tabText(cd).endsWith(QLatin1Char('*')));
    w.save();
    QCOMPARE(w.errors(), QStringList());
    const ParamPtr moved = w.root->getParameter(QStringLiteral("p3"));
    QCOMPARE(moved->getParent(), ab);
    QVERIFY(!mid->parametersContains(QStringLiteral("p3")));
    QCOMPARE(moved->getConstraints().size(), 1);
    QCOMPARE(moved->getOutputRules().size(), 2);
    QCOMPARE(cd->getParent(), QStringLiteral("cAb"));
    w.save();
    QCOMPARE(moved->getParent(), ab);
    QCOMPARE(child<QTableWidget>(cd, "twLinkRules")->rowCount(), 3);
}

void tst_ParameterPage::builderMakesABoundConstraint()
{
    Window w(writeFixture(m_folder));
    wParameterArea *page = w.openParameter(QStringLiteral("p3"));
    retype(child<QLineEdit>(page, "leName"), QStringLiteral("speed"));
    const int relations = w.root->getRelationsHash().size();
    {
        ConstraintBuilderAnswer builder(strings({">", "<="}), strings({"5", "10"}));
        QTest::mouseClick(child<QPushButton>(page, "btnAddConstraint"), Qt::LeftButton);
        QCOMPARE(builder.runs, 1);
    }
    const auto made = generated(w.root->getRelationsHash(), QStringLiteral("Generate relation"));
    QCOMPARE(made.size(), 1);
    QCOMPARE(w.root->getRelationsHash().size(), relations + 1);
    const RelPtr relation = made.first();
    QCOMPARE(relation->getCode(),
             QStringLiteral("if((X > 5 )&&(X <= 10 )){flag = true;} else {flag = false;}"));
    QCOMPARE(int(relation->getRelationType()), 2);
    QCOMPARE(relation->getInputParametersTypes(),
             (QHash<QString, QVariant::Type>{{QStringLiteral("X"), QVariant::Double}}));
    QCOMPARE(relation->getOutputParametersTypes(),
             (QHash<QString, QVariant::Type>{{QStringLiteral("flag"), QVariant::String}}));
    QVERIFY(relation->getShortName().startsWith(QStringLiteral("gen_speed_")));
    const auto constraints = generated(w.root->getConstraintsHash(),
                                       QStringLiteral("Generate constraint"));
    QCOMPARE(constraints.size(), 1);
    const ConstrPtr constraint = constraints.first();
    const ParamPtr speed = w.root->getParameter(QStringLiteral("p3"));
    QCOMPARE(constraint->getInputParameter(QStringLiteral("X")), speed);
    QCOMPARE(constraint->getRelationPtr(), relation);
    // Shown on the page and in the relations tree; the parameter was saved with it.
    auto *table = child<QTableWidget>(page, "twLinkConstraint");
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(1, 2)->text(), constraint->getId());
    QCOMPARE(table->item(1, 1)->text(), relation->getShortName());
    QVERIFY(w.relationsTree()->itemOf(relation->getId()));
    QVERIFY(w.relationsTree()->itemOf(constraint->getId()));
    QCOMPARE(speed->getShortName(), QStringLiteral("speed"));

    // Written to the file and read back, the solver finds it holding for 7 and failing for 12.
    w.save();
    QCOMPARE(w.errors(), QStringList());
    ModelManager reader;
    QFile file(w.path);
    reader.loadModel(file);
    const ClassPtr reloaded = reader.getActiveModel()->getRootClass();
    QCOMPARE(reloaded->getRelationPtr(relation->getId())->getCode(), relation->getCode());
    QCOMPARE(reloaded->getConstraint(constraint->getId())
                 ->getInputParameter(QStringLiteral("X"))
                 ->getId(),
             QStringLiteral("p3"));
    for (const double known : {7.0, 12.0}) {
        reloaded->reset();
        StaticAlgorithm solver(QSharedPointer<BaseAlgorithmData>::create(false, true));
        solver.setData(*reloaded);
        solver.addKnownParameter(QStringLiteral("p3"), known);
        solver.addRequiredParameter(QStringLiteral("po"));
        solver.calculate();
        const auto solution = solver.getAlgorithmSolution();
        QCOMPARE(solution->getSolutionStatus(),
                 known < 10 ? AlgorithmSolution::SOLVED : AlgorithmSolution::CONSTRAINT_FAILED);
    }

    // The generated relation in the designer shows its whole condition.
    w.doubleClick(w.relationsTree()->treeWidget(), w.relationsTree()->itemOf(relation->getId()));
    auto *relationPage = w.currentPage<wRelationshipArea>();
    QVERIFY(relationPage);
    QString condition;
    MessageBoxes::setDialogHandler([&](QDialog &n_dialog) {
        if (auto *field = n_dialog.findChild<QLineEdit *>(QStringLiteral("leIf")))
            condition = field->text();
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(child<QPushButton>(relationPage, "btnBodyDesigner"), Qt::LeftButton);
    MessageBoxes::setDialogHandler({});
    QCOMPARE(condition, QStringLiteral("(X > 5 )&&(X <= 10 )"));

    // Deleting the generated constraint in the relations tree takes its one row, nothing more.
    w.tabs()->setCurrentWidget(page);
    BoxRecorder boxes;
    w.menuEntry(w.relationsTree()->treeWidget(), w.relationsTree()->itemOf(constraint->getId()),
                6012)
        ->trigger();
    QCOMPARE(boxes.texts(), QStringList());
    QCOMPARE(column(table, 0), strings({"Limit"}));
}

void tst_ParameterPage::numbersThatDoNotReadAreRefused_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("existing");
    for (const char *value : {"1e", "-", "."}) {
        QTest::addRow("%s existing", value) << QString::fromLatin1(value) << true;
        QTest::addRow("%s new", value) << QString::fromLatin1(value) << false;
    }
}

void tst_ParameterPage::numbersThatDoNotReadAreRefused()
{
    QFETCH(QString, value);
    QFETCH(bool, existing);
    Window w(writeFixture(m_folder));
    const int parameters = w.root->getParametersHash().size();
    wParameterArea *page = existing ? w.openParameter(QStringLiteral("p3"))
                                    : w.addParameter(QStringLiteral("cMid"));
    if (!existing)
        QTest::keyClicks(child<QLineEdit>(page, "leName"), QStringLiteral("Fresh"));
    // The validator lets these stand as intermediate input.
    retype(child<QLineEdit>(page, "leValue"), value);
    QCOMPARE(child<QLineEdit>(page, "leValue")->text(), value);
    w.save();
    QCOMPARE(w.errors(), QStringList{ideText(180)});
    QCOMPARE(w.root->getParametersHash().size(), parameters);
    QCOMPARE(page->getUid(), existing ? QStringLiteral("p3") : QString());
    QCOMPARE(w.root->getParameter(QStringLiteral("p3"))->getDefaultValue(), QVariant(2.5));
}

void tst_ParameterPage::clashIsCheckedInTheChosenClass_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("new, name of the chosen class") << ""
                                                   << "cMid"
                                                   << "pq"
                                                   << "cAb" << false;
    QTest::newRow("new, name of the opening class only") << ""
                                                         << "cMid"
                                                         << "cd"
                                                         << "cAb" << true;
    QTest::newRow("new, blanks around, other case") << ""
                                                    << "cAb"
                                                    << " Pq "
                                                    << "cAb" << true;
    QTest::newRow("new, blanks around") << ""
                                        << "cMid"
                                        << " out "
                                        << "cMid" << false;
    QTest::newRow("moved onto a name") << "p1"
                                       << ""
                                       << "cd"
                                       << "cMid" << false;
    QTest::newRow("renamed in place") << "p1"
                                      << ""
                                      << "cd"
                                      << "cAb" << true;
}

void tst_ParameterPage::clashIsCheckedInTheChosenClass()
{
    QFETCH(QString, id);
    QFETCH(QString, opened);
    QFETCH(QString, name);
    QFETCH(QString, chosen);
    QFETCH(bool, accepted);
    Window w(writeFixture(m_folder));
    const int parameters = w.root->getParametersHash().size();
    wParameterArea *page = id.isEmpty() ? w.addParameter(opened) : w.openParameter(id);
    retype(child<QLineEdit>(page, "leName"), name);
    auto *level = child<QComboBox>(page, "cbLevel");
    level->setCurrentIndex(level->findData(chosen));
    w.save();
    QCOMPARE(w.errors().isEmpty(), accepted);
    if (!accepted)
        QCOMPARE(w.errors(), QStringList{ErrorDictionary::Instance().getErrorById(1021)});
    QCOMPARE(w.root->getParametersHash().size(), parameters + (accepted && id.isEmpty() ? 1 : 0));
    const ParamPtr pq = w.root->getParameter(QStringLiteral("p1"));
    if (!id.isEmpty() && !accepted) {
        QCOMPARE(pq->getShortName(), QStringLiteral("pq"));
        QCOMPARE(pq->getParent()->getId(), QStringLiteral("cAb"));
    }
    if (accepted)
        QCOMPARE(w.root->getParameter(page->getUid())->getShortName(), name);
    // A new parameter's row stands under the class it was saved into.
    if (accepted && id.isEmpty())
        QCOMPARE(w.projectItem(page->getUid())->parent()->text(2), chosen);
}

void tst_ParameterPage::builderValuesBecomeLiterals_data()
{
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("piece");
    QTest::newRow("text with quote and backslash")
        << "p2"
        << "a\"b\\" << QStringLiteral("(X == \"a\\\"b\\\\\" )");
    QTest::newRow("decimal comma") << "p3"
                                   << "3,5"
                                   << "(X > 3.5 )";
    QTest::newRow("empty number") << "p3"
                                  << ""
                                  << "";
    QTest::newRow("comma operator") << "p3"
                                    << "1,000.5"
                                    << "";
}

void tst_ParameterPage::builderValuesBecomeLiterals()
{
    QFETCH(QString, parameter);
    QFETCH(QString, value);
    QFETCH(QString, piece);
    Window w(writeFixture(m_folder));
    wParameterArea *page = w.openParameter(parameter);
    const int relations = w.root->getRelationsHash().size();
    BoxRecorder boxes;
    {
        ConstraintBuilderAnswer builder(strings({parameter == QLatin1String("p2") ? "==" : ">"}),
                                        {value});
        QTest::mouseClick(child<QPushButton>(page, "btnAddConstraint"), Qt::LeftButton);
    }
    const auto made = generated(w.root->getRelationsHash(), QStringLiteral("Generate relation"));
    if (piece.isEmpty()) {
        // The dialog stays open with a box naming the row; Cancel then creates nothing.
        QCOMPARE(boxes.texts(), QStringList{ideText(310).arg(1)});
        QCOMPARE(w.root->getRelationsHash().size(), relations);
        QCOMPARE(child<QTableWidget>(page, "twLinkConstraint")->rowCount(), 1);
        return;
    }
    QCOMPARE(boxes.texts(), QStringList());
    QCOMPARE(made.size(), 1);
    QCOMPARE(made.first()->getCode(), QStringLiteral("if(") + piece
                                          + QStringLiteral("){flag = true;} else {flag = false;}"));
    // The value is compared exactly.
    const ConstrPtr constraint =
        generated(w.root->getConstraintsHash(), QStringLiteral("Generate constraint")).first();
    const ParamPtr bound = w.root->getParameter(parameter);
    const QVariant holding = parameter == QLatin1String("p2") ? QVariant(value) : QVariant(4.0);
    const QVariant failing = parameter == QLatin1String("p2") ? QVariant(QStringLiteral("ab\\"))
                                                              : QVariant(3.5);
    bound->setValue(holding);
    constraint->reset();
    QVERIFY(constraint->calculate());
    bound->setValue(failing);
    constraint->reset();
    QVERIFY(!constraint->calculate());
}

void tst_ParameterPage::retypedSelectorCreatesNothing()
{
    Window w(writeFixture(m_folder));
    wParameterArea *page = w.openParameter(QStringLiteral("p3"));
    child<QComboBox>(page, "cbDataType")->setCurrentText(uiText(2007));
    const int relations = w.root->getRelationsHash().size();
    const int constraints = w.root->getConstraintsHash().size();
    BoxRecorder boxes;
    ConstraintBuilderAnswer builder(strings({"=="}), strings({"a"}));
    QTest::mouseClick(child<QPushButton>(page, "btnAddConstraint"), Qt::LeftButton);
    QCOMPARE(boxes.texts(), QStringList{ErrorDictionary::Instance().getErrorById(1013)});
    QCOMPARE(builder.runs, 0);
    QCOMPARE(w.root->getRelationsHash().size(), relations);
    QCOMPARE(w.root->getConstraintsHash().size(), constraints);

    // Ok on a parameter never saved creates nothing either.
    wParameterArea *fresh = w.addParameter(QStringLiteral("cMid"));
    ConstraintBuilderAnswer number(strings({">"}), strings({"1"}));
    QTest::mouseClick(child<QPushButton>(fresh, "btnAddConstraint"), Qt::LeftButton);
    QCOMPARE(number.runs, 1);
    QCOMPARE(w.root->getRelationsHash().size(), relations);
    // The pane says why; no further box.
    QCOMPARE(w.errors(), QStringList{ErrorDictionary::Instance().getErrorById(523)});
    QCOMPARE(boxes.texts().size(), 1);

    // Nor does Ok on a page that would refuse to save: the parameter is saved after the constraint.
    wParameterArea *emptied = w.openParameter(QStringLiteral("p2"));
    child<QLineEdit>(emptied, "leName")->clear();
    ConstraintBuilderAnswer text(strings({"=="}), strings({"a"}));
    QTest::mouseClick(child<QPushButton>(emptied, "btnAddConstraint"), Qt::LeftButton);
    QCOMPARE(text.runs, 1);
    QCOMPARE(w.root->getRelationsHash().size(), relations);
    QCOMPARE(w.root->getConstraintsHash().size(), constraints);
}

void tst_ParameterPage::deletedClassUnderAnOpenPage()
{
    Window w(writeFixture(m_folder));
    wParameterArea *page = w.addParameter(QStringLiteral("cZz"));
    QTest::keyClicks(child<QLineEdit>(page, "leName"), QStringLiteral("Orphan"));
    const int parameters = w.root->getParametersHash().size();
    BoxRecorder boxes;
    w.menuEntry(w.projectTree(), w.projectItem(QStringLiteral("cZz")), 7003)->trigger();
    QVERIFY(!w.root->classContains(QStringLiteral("cZz")));
    auto *level = child<QComboBox>(page, "cbLevel");
    QCOMPARE(level->findData(QStringLiteral("cZz")), -1);
    QCOMPARE(level->findData(QStringLiteral("cYy")), -1);
    w.tabs()->setCurrentWidget(page);
    w.save();
    QCOMPARE(w.errors(), QStringList{ErrorDictionary::Instance().getErrorById(511)});
    QCOMPARE(w.root->getParametersHash().size(), parameters);
    QCOMPARE(page->getUid(), QString());
}

void tst_ParameterPage::longStoredTextsSurviveASave()
{
    const QString name = QString(298, QLatin1Char('n'));
    const QString description = QString(6002, QLatin1Char('d'));
    Window w(writeFixture(m_folder, [&](OstraModel &n_model) {
        const ParamPtr pq = n_model.getRootClass()->getParameter(QStringLiteral("p1"));
        pq->setShortName(name);
        pq->setDescription(description);
    }));
    wParameterArea *page = w.openParameter(QStringLiteral("p1"));
    QCOMPARE(child<QLineEdit>(page, "leName")->text(), name);
    QCOMPARE(child<QTextEdit>(page, "teDescription")->toPlainText(), description);
    w.save();
    const ParamPtr pq = w.root->getParameter(QStringLiteral("p1"));
    QCOMPARE(pq->getShortName(), name);
    QCOMPARE(pq->getDescription(), description);
    // The limits still bound typing.
    QTest::keyClicks(child<QLineEdit>(page, "leName"), QStringLiteral("more"));
    QCOMPARE(child<QLineEdit>(page, "leName")->text(), name);
}

void tst_ParameterPage::saveAllRefreshesTheLinkTables()
{
    Window w(writeFixture(m_folder));
    wParameterArea *page = w.openParameter(QStringLiteral("p3"));
    auto *constraints = child<QTableWidget>(page, "twLinkConstraint");
    QCOMPARE(constraints->rowCount(), 1);
    // The model changes behind the page; the next save of every tab shows it.
    w.root->getConstraint(QStringLiteral("k1"))
        ->getParent()
        ->deleteConstraintFromClass(QStringLiteral("k1"), true);
    QCOMPARE(constraints->rowCount(), 1);
    w.action("mSaveAllTabProject")->trigger();
    QCOMPARE(w.errors(), QStringList());
    QCOMPARE(constraints->rowCount(), 0);
}

void tst_ParameterPage::saveAllKeepsAnEarlierRefusal()
{
    Window w(writeFixture(m_folder));
    // The page opened first is saved first.
    wParameterArea *refused = w.openParameter(QStringLiteral("p1"));
    retype(child<QLineEdit>(refused, "leName"), QString());
    wParameterArea *later = w.openParameter(QStringLiteral("p3"));
    retype(child<QLineEdit>(later, "leName"), QStringLiteral("speed"));
    w.action("mSaveAllTabProject")->trigger();
    QCOMPARE(w.root->getParameter(QStringLiteral("p3"))->getShortName(), QStringLiteral("speed"));
    QCOMPARE(w.errors(), QStringList{ideText(170)});
}

// A file with a parameter of each value type, each with a default, the boolean read by a rule:
// every parameter page opened, the boolean's page saved, then all: the file keeps each type and
// default.
void tst_ParameterPage::everyTypeKeepsItsTypeAndDefault()
{
    const QString path = writeFixture(m_folder, [](OstraModel &n_model) {
        const ClassPtr mid = n_model.getRootClass()->getClassById(QStringLiteral("cMid"));
        const QList<QPair<QString, QVariant>> defaults{
            {QStringLiteral("pBool"), true},
            {QStringLiteral("pInt"), 7},
            {QStringLiteral("pPi"), 3.141592653589793},
            {QStringLiteral("pList"), QVariantList{1.5, 2.5}},
            {QStringLiteral("pText"), QStringLiteral("a b")},
            {QStringLiteral("pStrings"), QStringList{QStringLiteral("a"), QStringLiteral("b")}}};
        for (const auto &parameter : defaults) {
            const ParamPtr made = makeParameter(parameter.first, parameter.second.type());
            made->setDefaultValue(parameter.second);
            mid->addParameter(made);
        }
        makeRelation(n_model.getRelationsStorage(), QStringLiteral("rFlag"),
                     QStringLiteral("b = a ? 1 : 0;"),
                     variables({QStringLiteral("a")}, QVariant::Bool),
                     variables({QStringLiteral("b")}), RelationModel::RELATION_SIMPLE,
                     QStringLiteral("Flag"));
        placeRule(mid, QStringLiteral("rule3"), QStringLiteral("rFlag"),
                  {{QStringLiteral("a"), QStringLiteral("pBool")}},
                  {{QStringLiteral("b"), QStringLiteral("po")}}, QStringLiteral("FromFlag"));
    });
    const QMap<QString, QString> opened = writtenParameters(path);
    QCOMPARE(opened.value(QStringLiteral("pBool")),
             QStringLiteral("type=boolean; defaultValue=true"));
    Window w(path);
    for (const QString &id : opened.keys())
        QVERIFY(w.openParameter(id));
    // A language switch keeps the boolean's type box empty.
    wParameterArea *flag = w.openParameter(QStringLiteral("pBool"));
    w.action("mEngLang")->trigger();
    QCoreApplication::processEvents();
    w.action("mRusLang")->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(child<QComboBox>(flag, "cbDataType")->currentIndex(), -1);
    w.save();
    QCOMPARE(w.errors(), QStringList());
    QCOMPARE(writtenParameters(path), opened);
    w.action("mSaveAllTabProject")->trigger();
    QCOMPARE(w.errors(), QStringList());
    QCOMPARE(writtenParameters(path), opened);
}

QTEST_MAIN(tst_ParameterPage)
#include "tst_parameterpage.moc"
