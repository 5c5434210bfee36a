#include "BoxRecorder.h"
#include "DialogAnswers.h"
#include "FileDialogAnswer.h"
#include "FormGestures.h"
#include "PdfPrinting.h"
#include "TreeClicks.h"
#include "GraphTestSupport.h"
#include "ModelFixtures.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "PrimitiveWidgets/dialogAlgGraph.h"
#include "WidgetAreas/wClassTestArea.h"
#include "WidgetAreas/wContainerProjectArea.h"
#include "WidgetAreas/wContainerRelationshipArea.h"
#include "WidgetAreas/wErrorArea.h"
#include "frmMainIDE.h"
#include "graphVisualization/LayeredGraphWidget.h"
#include "graphVisualization/RuleItem.h"
#include "model/ModelManager.h"
#include "model/OstraModel.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <QWindow>
#include <QtTest>

#include <memory>

namespace {

QString ui(int n_key)
{
    return InterfaceLanguage::Instance().getTextById(n_key);
}

QString testText(int n_offset)
{
    return ui(10000 + n_offset);
}

// The root class of a created model.
const QString ROOT = QStringLiteral("Model 1");

// Every row of a tree as "parent/name kind", the kind from the tree's hidden kind column.
QStringList rowsOf(QTreeWidget *n_tree)
{
    QStringList rows;
    for (QTreeWidgetItemIterator it(n_tree); *it; ++it)
        rows << ((*it)->parent() ? (*it)->parent()->text(0) + QLatin1Char('/') : QString())
                    + (*it)->text(0) + QLatin1Char(' ') + (*it)->text(1);
    rows.sort();
    return rows;
}

bool hasCyrillic(const QString &n_text)
{
    for (const QChar c : n_text)
        if (c.unicode() >= 0x400 && c.unicode() < 0x500)
            return true;
    return false;
}

// The distinct colours of the image inside the rectangle.
int coloursIn(const QImage &n_image, const QRect &n_rect)
{
    QSet<QRgb> colours;
    const QRect inside = n_rect.intersected(n_image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            colours.insert(n_image.pixel(x, y));
    return colours.size();
}

// The main window driven as a user drives it; boxes answered with Ok and recorded.
struct Walk
{
    Walk()
    {
        window.resize(1200, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    ~Walk()
    {
        MessageBoxes::setDialogHandler({});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QAction *action(const char *n_name)
    {
        return window.findChild<QAction *>(QLatin1String(n_name));
    }
    QAction *tool(int n_offset)
    {
        for (QAction *entry : window.findChild<QToolBar *>()->actions())
            if (entry->text() == ui(1000 + n_offset))
                return entry;
        return nullptr;
    }
    wContainerProjectArea *projectArea() { return window.findChild<wContainerProjectArea *>(); }
    QTreeWidget *projectTree() { return projectArea()->treeWidget(); }
    wContainerRelationshipArea *relationsArea()
    {
        return window.findChild<wContainerRelationshipArea *>();
    }
    QTreeWidget *relationsTree() { return relationsArea()->treeWidget(); }
    QTreeWidgetItem *row(QTreeWidget *n_tree, const QString &n_name)
    {
        const auto found = n_tree->findItems(n_name, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    QTabWidget *tabs()
    {
        for (QTabWidget *tabs : window.findChildren<QTabWidget *>())
            if (tabs->tabsClosable())
                return tabs;
        return nullptr;
    }
    QWidget *page() { return tabs()->currentWidget(); }
    QStringList tabTexts()
    {
        QStringList texts;
        for (int index = 0; index < tabs()->count(); ++index)
            texts << tabs()->tabText(index);
        return texts;
    }
    void showTab(QWidget *n_page)
    {
        QTabBar *bar = tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier,
                          bar->tabRect(tabs()->indexOf(n_page)).center());
    }
    void closeTab(QWidget *n_page)
    {
        QTest::mouseClick(tabs()->tabBar()->tabButton(tabs()->indexOf(n_page), QTabBar::RightSide),
                          Qt::LeftButton);
    }
    template<typename T>
    T *field(const char *n_name)
    {
        return page()->findChild<T *>(QLatin1String(n_name));
    }
    void type(const char *n_name, const QString &n_text)
    {
        retype(field<QLineEdit>(n_name), n_text);
    }
    void save() { action("mSaveTabProject")->trigger(); }
    QStringList errors()
    {
        auto *table = window.findChild<wErrorArea *>()->findChild<QTableWidget *>();
        QStringList texts;
        for (int index = 0; index < table->rowCount(); ++index)
            texts << table->item(index, 0)->text();
        return texts;
    }
    // The entry of that interface key in the project tree's menu on the named row.
    void projectMenu(const QString &n_row, int n_key)
    {
        chooseInRowMenu(projectArea(), projectTree(), row(projectTree(), n_row), ui(n_key));
    }
    // The entry of that interface key in the relations tree's menu on the named row (on empty
    // space when none).
    void relationsMenu(const QString &n_row, int n_key)
    {
        chooseInRowMenu(relationsArea(), relationsTree(),
                        n_row.isEmpty() ? nullptr : row(relationsTree(), n_row), ui(n_key));
    }
    void open(QTreeWidget *n_tree, const QString &n_row)
    {
        doubleClickRow(n_tree, row(n_tree, n_row));
    }

    // A new parameter of the class from the project tree's menu, with its type and default.
    void addParameter(const QString &n_class, const QString &n_name, bool n_text,
                      const QString &n_default)
    {
        projectMenu(n_class, 7004);
        type("leName", n_name);
        QVERIFY(chooseByKeys(field<QComboBox>("cbDataType"), ui(n_text ? 2007 : 2006)));
        type("leValue", n_default);
        save();
        QCOMPARE(errors(), QStringList());
    }

    // A new relation of that kind from the relations tree's menu, its body from the designer.
    void addRelation(const QString &n_name, int n_kind,
                     const std::function<void(QDialog &)> &n_body)
    {
        relationsMenu(QString(), 6001);
        type("leName", n_name);
        QVERIFY(chooseByKeys(field<QComboBox>("cbRelationType"), ui(3003 + n_kind)));
        designBody(page(), n_body);
        save();
        QCOMPARE(errors(), QStringList());
    }

    // A rule (or constraint) on the relation, each variable bound through the chooser.
    void bind(const QString &n_relation, bool n_constraint, const QString &n_title,
              const QList<QPair<QString, QString>> &n_links)
    {
        relationsMenu(n_relation, n_constraint ? 6010 : 6004);
        type("leTitle", n_title);
        for (const auto &link : n_links)
            chooseParameter(page(), link.first, link.second, &offered);
        save();
        QCOMPARE(errors(), QStringList());
    }

    // The class test page's value field and required box of a parameter row.
    wClassTestArea *testPage() { return window.findChild<wClassTestArea *>(); }
    QTreeWidget *testTree()
    {
        return testPage()->findChild<QTreeWidget *>(QStringLiteral("objectsTree"));
    }
    QLineEdit *valueField(const QString &n_name)
    {
        QWidget *cell = testTree()->itemWidget(row(testTree(), n_name), 1);
        return cell ? cell->findChild<QLineEdit *>() : nullptr;
    }
    QCheckBox *requiredBox(const QString &n_name)
    {
        return qobject_cast<QCheckBox *>(testTree()->itemWidget(row(testTree(), n_name), 2));
    }
    QString console()
    {
        return window.findChild<QTextEdit *>(QStringLiteral("teConsole"))->toPlainText();
    }

    BoxRecorder boxes;
    frmMainIDE window;
    QStringList offered;
};

} // namespace

// A user's whole job in the real main window, from an empty program to a saved and reopened model:
// the stations run in order on one window. Run under xvfb-run on the X platform too, where the
// screenshots show what the X server drew.
class tst_Walkthrough : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void station1_classes();
    void station2_parameters();
    void station3_relations();
    void station4_rulesAndConstraints();
    void station5_saveCloseReopen();
    void station6_classTest();
    void station7_graph();
    void station8_language();
    void station9_deleteSaveReload();

private:
    // Saves a PNG of the window and checks that it is not blank: many colours, and each area
    // given not one plain colour.
    // n_shown: colours the first area must show.
    void screenshot(QWidget *n_window, const QString &n_name, const QList<QWidget *> &n_areas,
                    const QList<QRgb> &n_shown = {});

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_shots;
    QString m_path;
    std::unique_ptr<Walk> m_walk;
    QStringList m_projectRows;
    QStringList m_relationRows;
};

void tst_Walkthrough::initTestCase()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    // WALK_SCREENSHOTS names a folder for the pictures (docs/ to renew the README's).
    m_shots = qEnvironmentVariable("WALK_SCREENSHOTS", m_folder->path());
    QVERIFY(QDir().mkpath(m_shots));
    m_path = m_folder->filePath(QStringLiteral("beam.xml"));
    m_walk = std::make_unique<Walk>();
}

void tst_Walkthrough::cleanupTestCase()
{
    if (m_walk)
        MessageBoxes::setBoxHandler([](QMessageBox &) { return int(QMessageBox::Discard); });
    m_walk.reset();
    MessageBoxes::setBoxHandler({});
}

void tst_Walkthrough::screenshot(QWidget *n_window, const QString &n_name,
                                 const QList<QWidget *> &n_areas, const QList<QRgb> &n_shown)
{
    QCoreApplication::processEvents();
    QImage image;
    // On a real X server the picture is what the server shows, read back from it.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        QVERIFY(QTest::qWaitForWindowExposed(n_window));
        QTest::qWait(100);
        image = n_window->windowHandle()->screen()->grabWindow(n_window->winId()).toImage();
    }
    if (image.isNull())
        image = n_window->grab().toImage();
    const QString file = QDir(m_shots).filePath(n_name + QStringLiteral(".png"));
    QVERIFY2(image.save(file), qPrintable(file));
    const QImage saved(file);
    QVERIFY(!saved.isNull());
    const double scale = double(saved.width()) / n_window->width();
    const int all = coloursIn(saved, saved.rect());
    QVERIFY2(all >= 16, qPrintable(QStringLiteral("%1: %2 colours").arg(n_name).arg(all)));
    for (QWidget *area : n_areas) {
        const QRect rect(area->mapTo(n_window, QPoint(0, 0)) * scale, area->size() * scale);
        const int colours = coloursIn(saved, rect);
        QVERIFY2(colours > 2, qPrintable(QStringLiteral("%1: %2 has %3 colours")
                                             .arg(n_name, area->objectName())
                                             .arg(colours)));
    }
    if (n_areas.isEmpty())
        return;
    const QWidget *first = n_areas.first();
    const QRect rect(first->mapTo(n_window, QPoint(0, 0)) * scale, first->size() * scale);
    for (const QRgb colour : n_shown) {
        bool found = false;
        for (int y = rect.top(); y <= rect.bottom() && !found; ++y)
            for (int x = rect.left(); x <= rect.right() && !found; ++x)
                found = saved.pixel(x, y) == colour;
        QVERIFY2(found, qPrintable(QStringLiteral("%1: no %2").arg(n_name).arg(colour, 0, 16)));
    }
}

// A model from nothing; two classes, one under the other, from the project tree's menu; one
// renamed.
void tst_Walkthrough::station1_classes()
{
    Walk &w = *m_walk;
    w.action("mCreateProject")->trigger();
    QCOMPARE(rowsOf(w.projectTree()), QStringList{ROOT + QStringLiteral(" class")});
    // The first save asks where the file goes.
    FileDialogAnswer files({m_path});
    w.projectMenu(ROOT, 7001);
    w.type("leName", QStringLiteral("Beam"));
    w.save();
    QCOMPARE(files.asked(), 1);
    QVERIFY(QFile::exists(m_path));
    w.projectMenu(QStringLiteral("Beam"), 7001);
    w.type("leName", QStringLiteral("Section"));
    w.save();
    w.open(w.projectTree(), QStringLiteral("Beam"));
    w.type("leName", QStringLiteral("Girder"));
    w.save();
    QCOMPARE(w.errors(), QStringList());
    QCOMPARE(files.asked(), 1);
    // The section's page lists its parent under the new name.
    w.showTab(w.tabs()->widget(1));
    QCOMPARE(w.field<QComboBox>("cbLevel")->currentText(), QStringLiteral("Girder"));
    ModelManager reader;
    QFile file(m_path);
    reader.loadModel(file);
    const ClassPtr root = reader.getActiveModel()->getRootClass();
    QStringList saved;
    for (const ClassPtr &cls : root->getAllClassesSet())
        saved << (cls->hasParent() ? cls->getParent()->getShortName() + QLatin1Char('/')
                                   : QString())
                     + cls->getShortName();
    saved.sort();
    QCOMPARE(saved,
             (QStringList{QStringLiteral("Girder/Section"), ROOT + QStringLiteral("/Girder")}));
    QCOMPARE(rowsOf(w.projectTree()),
             (QStringList{QStringLiteral("Girder/Section class"), ROOT + QStringLiteral(" class"),
                          ROOT + QStringLiteral("/Girder class")}));
    // The renamed class's page is the one opened for it first.
    QCOMPARE(w.tabTexts(), (QStringList{QStringLiteral("Girder"), QStringLiteral("Section")}));
    screenshot(&w.window, QStringLiteral("station1"), {w.projectTree()->viewport()});
}

// Number and text parameters in both classes, with defaults; one moved through its level box.
void tst_Walkthrough::station2_parameters()
{
    Walk &w = *m_walk;
    // Fractions typed as the locale writes them.
    const QString point = QLocale().decimalPoint();
    w.addParameter(QStringLiteral("Girder"), QStringLiteral("length"), false, QStringLiteral("4"));
    w.addParameter(QStringLiteral("Girder"), QStringLiteral("label"), true, QStringLiteral("main"));
    w.addParameter(QStringLiteral("Girder"), QStringLiteral("height"), false,
                   QStringLiteral("0") + point + QStringLiteral("3"));
    w.addParameter(QStringLiteral("Section"), QStringLiteral("width"), false,
                   QStringLiteral("0") + point + QStringLiteral("2"));
    w.addParameter(QStringLiteral("Section"), QStringLiteral("material"), true,
                   QStringLiteral("steel"));
    w.addParameter(QStringLiteral("Section"), QStringLiteral("area"), false, QString());
    w.addParameter(QStringLiteral("Girder"), QStringLiteral("grade"), false, QString());
    // height belongs to the section.
    w.open(w.projectTree(), QStringLiteral("height"));
    QVERIFY(chooseByKeys(w.field<QComboBox>("cbLevel"), QStringLiteral("Section")));
    w.save();
    QCOMPARE(w.errors(), QStringList());
    QCOMPARE(
        rowsOf(w.projectTree()),
        (QStringList{
            QStringLiteral("Girder/Section class"), QStringLiteral("Girder/grade parameter"),
            QStringLiteral("Girder/label parameter"), QStringLiteral("Girder/length parameter"),
            ROOT + QStringLiteral(" class"), ROOT + QStringLiteral("/Girder class"),
            QStringLiteral("Section/area parameter"), QStringLiteral("Section/height parameter"),
            QStringLiteral("Section/material parameter"),
            QStringLiteral("Section/width parameter")}));
    // The saved file holds the defaults.
    ModelManager reader;
    QFile file(m_path);
    reader.loadModel(file);
    QStringList defaults;
    for (const auto &parameter : reader.getActiveModel()->getRootClass()->getParametersHash())
        defaults << parameter->getParent()->getShortName() + QLatin1Char('.')
                        + parameter->getShortName() + QLatin1Char('=')
                        + parameter->getDefaultValueStr();
    defaults.sort();
    QCOMPARE(
        defaults,
        (QStringList{QStringLiteral("Girder.grade="), QStringLiteral("Girder.label=main"),
                     QStringLiteral("Girder.length=4"), QStringLiteral("Section.area="),
                     QStringLiteral("Section.height=0.3"), QStringLiteral("Section.material=steel"),
                     QStringLiteral("Section.width=0.2")}));
}

// One relation of each kind through the designer.
void tst_Walkthrough::station3_relations()
{
    Walk &w = *m_walk;
    // A formula with the number pi taken from the thesaurus by a double click.
    w.addRelation(QStringLiteral("Area"), 0, [](QDialog &n_dialog) {
        auto *formula = n_dialog.findChild<QLineEdit *>(QStringLiteral("leFormula"));
        QTest::keyClicks(formula, QStringLiteral("a = "));
        auto *tezaurus = n_dialog.findChild<QTreeWidget *>(QStringLiteral("twTezaurus"));
        const auto pi = tezaurus->findItems(QStringLiteral("Math.PI"), Qt::MatchExactly, 0);
        QCOMPARE(pi.size(), 1);
        doubleClickRow(tezaurus, pi.first());
        QTest::keyClicks(formula, QStringLiteral(" * w * h / 4"));
        QCOMPARE(formula->text(), QStringLiteral("a = Math.PI * w * h / 4"));
    });
    w.addRelation(QStringLiteral("Grading"), 1, [](QDialog &n_dialog) {
        QTest::keyClicks(n_dialog.findChild<QLineEdit *>(QStringLiteral("leIf")),
                         QStringLiteral("l > 6"));
        QTest::keyClicks(n_dialog.findChild<QLineEdit *>(QStringLiteral("leThen")),
                         QStringLiteral("g = 2"));
        QTest::keyClicks(n_dialog.findChild<QLineEdit *>(QStringLiteral("leElse")),
                         QStringLiteral("g = 1"));
    });
    w.addRelation(QStringLiteral("Positive"), 2, [](QDialog &n_dialog) {
        QTest::keyClicks(n_dialog.findChild<QLineEdit *>(QStringLiteral("leIf")),
                         QStringLiteral("x > 0"));
    });
    // A script whose variables are typed in its tables: text in and out, a number in.
    w.addRelation(QStringLiteral("Caption"), 3, [](QDialog &n_dialog) {
        const auto variable = [&n_dialog](const char *n_table, const QString &n_name, bool n_text) {
            auto *table = n_dialog.findChild<QWidget *>(QLatin1String(n_table));
            auto *grid = table->findChild<QTableWidget *>(QStringLiteral("twParameters"));
            QTest::mouseClick(table->findChild<QPushButton *>(QStringLiteral("btnAddParameter")),
                              Qt::LeftButton);
            const int last = grid->rowCount() - 1;
            QTest::keyClicks(qobject_cast<QLineEdit *>(grid->cellWidget(last, 0)), n_name);
            if (n_text)
                QVERIFY(
                    chooseByKeys(qobject_cast<QComboBox *>(grid->cellWidget(last, 1)), ui(2007)));
        };
        variable("inputTable", QStringLiteral("name"), true);
        variable("inputTable", QStringLiteral("size"), false);
        variable("outputTable", QStringLiteral("tag"), true);
        QTest::keyClicks(n_dialog.findChild<QPlainTextEdit *>(QStringLiteral("teCode")),
                         QStringLiteral("tag = name + ':' + size.toFixed(2);"));
    });
    QCOMPARE(
        rowsOf(w.relationsTree()),
        (QStringList{QStringLiteral("Area relation"), QStringLiteral("Caption relation"),
                     QStringLiteral("Grading relation"), QStringLiteral("Positive relation")}));
    ModelManager reader;
    QFile file(m_path);
    reader.loadModel(file);
    QStringList relations;
    for (const auto &relation : reader.getActiveModel()->getRootClass()->getRelationsHash())
        relations << relation->getShortName() + QStringLiteral(" | ") + relation->getCode();
    relations.sort();
    QCOMPARE(
        relations,
        (QStringList{QStringLiteral("Area | a = Math.PI * w * h / 4"),
                     QStringLiteral("Caption | tag = name + ':' + size.toFixed(2);"),
                     QStringLiteral("Grading | if (l > 6) {g = 2;} else {g = 1;}"),
                     QStringLiteral("Positive | if (x > 0) {flag = true;} else {flag = false;}")}));
}

// Rules and a constraint bound through the parameter chooser; a second constraint built from a
// parameter's page.
void tst_Walkthrough::station4_rulesAndConstraints()
{
    Walk &w = *m_walk;
    using Link = QPair<QString, QString>;
    w.bind(QStringLiteral("Area"), false, QStringLiteral("AreaRule"),
           {Link{QStringLiteral("w"), QStringLiteral("width")},
            Link{QStringLiteral("h"), QStringLiteral("height")},
            Link{QStringLiteral("a"), QStringLiteral("area")}});
    w.bind(QStringLiteral("Grading"), false, QStringLiteral("GradeRule"),
           {Link{QStringLiteral("l"), QStringLiteral("length")},
            Link{QStringLiteral("g"), QStringLiteral("grade")}});
    w.bind(QStringLiteral("Positive"), true, QStringLiteral("WidthPositive"),
           {Link{QStringLiteral("x"), QStringLiteral("width")}});
    w.offered.clear();
    w.bind(QStringLiteral("Caption"), false, QStringLiteral("CaptionRule"),
           {Link{QStringLiteral("name"), QStringLiteral("material")},
            Link{QStringLiteral("size"), QStringLiteral("area")},
            Link{QStringLiteral("tag"), QStringLiteral("label")}});
    // Each variable was offered the parameters of its own type only.
    QVERIFY(w.offered.contains(QStringLiteral("material")));
    QVERIFY(w.offered.contains(QStringLiteral("area")));
    QCOMPARE(w.offered.count(QStringLiteral("material")), 2);
    QCOMPARE(w.offered.count(QStringLiteral("area")), 1);

    // A constraint built on length's page: at most 20.
    w.open(w.projectTree(), QStringLiteral("length"));
    {
        ConstraintBuilderAnswer builder({QStringLiteral("<=")}, {QStringLiteral("20")});
        QTest::mouseClick(w.field<QPushButton>("btnAddConstraint"), Qt::LeftButton);
        QCOMPARE(builder.runs, 1);
    }
    QCOMPARE(w.field<QTableWidget>("twLinkConstraint")->rowCount(), 1);
    w.save();
    QCOMPARE(w.errors(), QStringList());
    const QStringList relations = rowsOf(w.relationsTree());
    QVERIFY2(relations.contains(QStringLiteral("Area/AreaRule rule")),
             qPrintable(relations.join(QLatin1Char(','))));
    QVERIFY(relations.contains(QStringLiteral("Positive/WidthPositive constraint")));
    QVERIFY(relations.contains(QStringLiteral("Caption/CaptionRule rule")));
    QVERIFY(relations.contains(QStringLiteral("Grading/GradeRule rule")));
    QCOMPARE(relations.size(), 10);
    QCOMPARE(w.boxes.texts(), QStringList());
}

// Saved to the file, closed, opened again from the File menu: the trees show the same elements.
void tst_Walkthrough::station5_saveCloseReopen()
{
    Walk &w = *m_walk;
    w.action("mSaveAllTabProject")->trigger();
    QCOMPARE(w.errors(), QStringList());
    m_projectRows = rowsOf(w.projectTree());
    m_relationRows = rowsOf(w.relationsTree());
    // The prompt comes on every close; Save writes the file again, in place.
    QFile::remove(m_path);
    w.boxes.answerQuestions(QMessageBox::Save);
    w.action("mCloseProject")->trigger();
    QCOMPARE(w.boxes.texts().size(), 1);
    QCOMPARE(w.boxes.boxes().at(0).icon, QMessageBox::Question);
    w.boxes.clear();
    QVERIFY(QFile::exists(m_path));
    QCOMPARE(w.projectTree()->topLevelItemCount(), 0);
    QCOMPARE(w.relationsTree()->topLevelItemCount(), 0);
    QCOMPARE(w.tabs()->count(), 0);
    {
        FileDialogAnswer files({m_path});
        w.action("mOpenProject")->trigger();
        QCOMPARE(files.asked(), 1);
    }
    QCOMPARE(rowsOf(w.projectTree()), m_projectRows);
    QCOMPARE(rowsOf(w.relationsTree()), m_relationRows);
    w.projectTree()->expandAll();
    w.relationsTree()->expandAll();
    screenshot(&w.window, QStringLiteral("station5"),
               {w.projectTree()->viewport(), w.relationsTree()->viewport()});
}

// The class test: known values typed, required parameters ticked, a run from the tool bar; its
// text, its red results and its graph; filter and clear; then a violated constraint.
void tst_Walkthrough::station6_classTest()
{
    Walk &w = *m_walk;
    w.projectMenu(ROOT, 7040);
    QVERIFY(w.testPage());
    QCOMPARE(w.page(), w.testPage());
    for (const QString &name : {ROOT, QStringLiteral("Girder"), QStringLiteral("Section")})
        clickBranch(w.testTree(), w.row(w.testTree(), name));
    const QList<QPair<QString, QString>> known{{QStringLiteral("width"), QStringLiteral("2")},
                                               {QStringLiteral("height"), QStringLiteral("3")},
                                               {QStringLiteral("length"), QStringLiteral("8")},
                                               {QStringLiteral("material"), QStringLiteral("oak")},
                                               {QStringLiteral("label"), QString()}};
    // The defaults stand in the fields: the user types over them, and empties the one of label,
    // which is to be computed (a filled field is a known value).
    for (const auto &value : known)
        retype(w.valueField(value.first), value.second);
    for (const QString &name :
         {QStringLiteral("area"), QStringLiteral("grade"), QStringLiteral("label")})
        clickCheckMark(w.requiredBox(name));
    w.tool(81)->trigger();
    QCOMPARE(w.boxes.texts(), QStringList());
    QCOMPARE(w.errors(), QStringList());

    // pi * 2 * 3 / 4, the grade of a girder longer than 6, and the caption of both.
    const QStringList results{QStringLiteral("area=4.71238898038469"), QStringLiteral("grade=2"),
                              QStringLiteral("label=oak:4.71")};
    for (const QString &result : results) {
        const QString name = result.section(QLatin1Char('='), 0, 0);
        QCOMPARE(w.valueField(name)->text(), result.section(QLatin1Char('='), 1));
        QCOMPARE(w.valueField(name)->palette().color(QPalette::Text), QColor(Qt::red));
    }
    QCOMPARE(w.valueField(QStringLiteral("width"))->palette().color(QPalette::Text),
             QColor(Qt::black));
    // Three steps, each with its rule and its result; the caption needs the area first.
    const QString console = w.console();
    const QStringList steps = console.split(testText(70), Qt::SkipEmptyParts);
    QCOMPARE(steps.size(), 3);
    for (const QString &rule :
         {QStringLiteral("AreaRule"), QStringLiteral("GradeRule"), QStringLiteral("CaptionRule")})
        QVERIFY2(console.contains(testText(80) + QLatin1Char(' ') + rule), qPrintable(console));
    QVERIFY(console.indexOf(QStringLiteral("AreaRule"))
            < console.indexOf(QStringLiteral("CaptionRule")));
    for (const QString &result : results)
        QVERIFY2(console.contains(testText(110) + QLatin1Char(' ') + result + QLatin1Char(';')),
                 qPrintable(console));
    // The graph holds the three rules.
    auto *graph = w.testPage()->findChild<dialogAlgGraph *>();
    QVERIFY(graph);
    QCOMPARE(itemsOf<RuleItem>(graph->getOverview()).size(), 3);
    screenshot(&w.window, QStringLiteral("station6"), {w.testTree()->viewport()});

    // Only the results, then everything again.
    w.tool(83)->trigger();
    QVERIFY(w.row(w.testTree(), QStringLiteral("width"))->isHidden());
    QVERIFY(!w.row(w.testTree(), QStringLiteral("area"))->isHidden());
    w.tool(83)->trigger();
    QVERIFY(!w.row(w.testTree(), QStringLiteral("width"))->isHidden());
    // Clear empties the results and keeps what the user typed.
    w.tool(84)->trigger();
    QCOMPARE(w.valueField(QStringLiteral("area"))->text(), QString());
    QCOMPARE(w.valueField(QStringLiteral("width"))->text(), QStringLiteral("2"));
    QCOMPARE(itemsOf<RuleItem>(graph->getOverview()).size(), 0);

    // A negative width breaks the constraint on it.
    retype(w.valueField(QStringLiteral("width")), QStringLiteral("-2"));
    w.tool(81)->trigger();
    QCOMPARE(w.boxes.texts(), QStringList());
    QVERIFY2(w.console().contains(testText(30)), qPrintable(w.console()));
    // The constraint is named by its identifier, the relations tree's hidden third column.
    const QString constraint = w.row(w.relationsTree(), QStringLiteral("WidthPositive"))->text(2);
    QVERIFY2(w.console().contains(constraint + QStringLiteral(" | if (x > 0)")),
             qPrintable(w.console()));
    QVERIFY(w.console().contains(QStringLiteral("\nwidth()=-2")));
}

// The graph dialog: a rule clicked, double-clicked and back, the graph printed to a PDF file.
void tst_Walkthrough::station7_graph()
{
    Walk &w = *m_walk;
    w.tool(84)->trigger();
    retype(w.valueField(QStringLiteral("width")), QStringLiteral("2"));
    w.tool(81)->trigger();
    w.tool(82)->trigger();
    auto *graph = w.testPage()->findChild<dialogAlgGraph *>();
    QVERIFY(graph->isVisible());
    graph->resize(900, 700);
    QVERIFY(QTest::qWaitForWindowExposed(graph));
    QCoreApplication::processEvents();
    LayeredGraphWidget *overview = graph->getOverview();
    RuleItem *areaRule = nullptr;
    for (RuleItem *rule : itemsOf<RuleItem>(overview))
        if (rule->getLabelName().startsWith(QStringLiteral("a = Math.PI")))
            areaRule = rule;
    QVERIFY(areaRule);
    QPoint at = pointOf(overview, areaRule);
    QTest::mouseClick(overview->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QVERIFY(areaRule->isSelected());
    int picked = 0;
    for (const EdgeItem *edge : itemsOf<EdgeItem>(overview))
        picked += edge->isPickedOut() ? 1 : 0;
    // Width and height in, area out.
    QCOMPARE(picked, 3);
    // The arrows into the clicked rule drawn green, the one out of it red.
    screenshot(graph, QStringLiteral("station7"), {overview->viewport()},
               {qRgb(60, 179, 113), qRgb(255, 0, 0)});

    // The rule alone, and back.
    at = pointOf(overview, areaRule);
    QTest::mouseClick(overview->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(overview->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(overview->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QCoreApplication::processEvents();
    LayeredGraphWidget *single = graph->getSingleRuleView();
    QVERIFY(single->isActive() && single->isVisible());
    QCOMPARE(itemsOf<RuleItem>(single).size(), 1);
    QCOMPARE(itemsOf<BaseNode>(single).size(), 4);
    RuleItem *alone = itemsOf<RuleItem>(single).first();
    at = pointOf(single, alone);
    QTest::mouseClick(single->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(single->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(single->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QCoreApplication::processEvents();
    QVERIFY(overview->isActive() && overview->isVisible());
    QCOMPARE(itemsOf<RuleItem>(overview).size(), 3);

    // Printed: the preview hands its printer over, set to a PDF file.
    const QString pdf = m_folder->filePath(QStringLiteral("graph.pdf"));
    MessageBoxes::setDialogHandler([&pdf](QDialog &n_dialog) {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(&n_dialog);
        if (preview == nullptr)
            return int(QDialog::Rejected);
        QPrinter printer(QPrinter::ScreenResolution);
        preparePdfPrinter(printer, pdf);
        emit preview->paintRequested(&printer);
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(graph->findChild<QPushButton *>(QStringLiteral("printButton")),
                      Qt::LeftButton);
    MessageBoxes::setDialogHandler({});
    QVERIFY(pdfPageCount(pdf) >= 1);
    QVERIFY(runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                .contains(QStringLiteral("a = Math.PI")));
    QCOMPARE(w.boxes.texts(), QStringList());
}

namespace {

// Every caption the window shows: menus, tool bar, labels, buttons, boxes, tabs and the headers of
// trees and tables, each as "where: text".
QStringList captions(QWidget *n_window)
{
    QStringList shown;
    const auto add = [&shown](const QObject *n_where, const QString &n_text) {
        if (!n_text.trimmed().isEmpty())
            shown << QLatin1String(n_where->metaObject()->className()) + QLatin1Char(' ')
                         + n_where->objectName() + QStringLiteral(": ") + n_text;
    };
    add(n_window, n_window->windowTitle());
    for (QAction *entry : n_window->findChild<QMenuBar *>()->actions()) {
        add(entry, entry->text());
        for (QAction *inner : entry->menu()->actions())
            if (inner->isVisible())
                add(inner, inner->text());
    }
    for (QAction *entry : n_window->findChild<QToolBar *>()->actions())
        add(entry, entry->toolTip());
    for (QWidget *widget : n_window->findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(label, label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(button, button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            add(group, group->title());
        else if (auto *bar = qobject_cast<QTabBar *>(widget))
            for (int index = 0; index < bar->count(); ++index)
                add(bar, bar->tabText(index));
        else if (auto *tree = qobject_cast<QTreeWidget *>(widget)) {
            for (int column = 0; column < tree->columnCount(); ++column)
                if (!tree->isColumnHidden(column) && !tree->header()->isHidden())
                    add(tree, tree->headerItem()->text(column));
        } else if (auto *table = qobject_cast<QTableWidget *>(widget)) {
            for (int column = 0; column < table->columnCount(); ++column)
                if (table->horizontalHeaderItem(column) && !table->isColumnHidden(column)
                    && !table->horizontalHeader()->isHidden())
                    add(table, table->horizontalHeaderItem(column)->text());
        }
    }
    return shown;
}

} // namespace

// English and back: every caption in sight follows, on every tab.
void tst_Walkthrough::station8_language()
{
    Walk &w = *m_walk;
    // Each kind of page open once: a class, a parameter, a relation and a rule, with the test.
    w.open(w.projectTree(), QStringLiteral("Girder"));
    w.open(w.projectTree(), QStringLiteral("length"));
    w.open(w.relationsTree(), QStringLiteral("Area"));
    w.open(w.relationsTree(), QStringLiteral("AreaRule"));
    QCOMPARE(w.tabs()->count(), 5);
    // The reopened rule shows the parameters chosen for it.
    QCOMPARE(ruleRows(w.page()),
             (QSet<QString>{QStringLiteral("w=width"), QStringLiteral("h=height"),
                            QStringLiteral("a=area")}));
    const auto everyTab = [&w] {
        QStringList shown;
        for (int index = 0; index < w.tabs()->count(); ++index) {
            w.showTab(w.tabs()->widget(index));
            shown << captions(&w.window);
        }
        return shown;
    };
    // The trees' menus too.
    const auto menus = [&w, &everyTab] {
        QStringList offered = chooseInRowMenu(w.projectArea(), w.projectTree(),
                                              w.row(w.projectTree(), QStringLiteral("Girder")),
                                              QString());
        offered << chooseInRowMenu(w.relationsArea(), w.relationsTree(),
                                   w.row(w.relationsTree(), QStringLiteral("Area")), QString());
        offered.removeAll(QString());
        return everyTab() + offered;
    };
    // From Russian (the window starts in the locale's language).
    w.action("mRusLang")->trigger();
    QCoreApplication::processEvents();
    const QStringList russian = menus();
    QVERIFY(russian.size() > 100);
    w.action("mEngLang")->trigger();
    QCoreApplication::processEvents();
    const QStringList english = menus();
    // The program's name and the tool bar's toggle have no English text.
    const QStringList untranslated{QStringLiteral("frmMainIDE frmMainIDE: ") + ui(15001),
                                   QStringLiteral("QAction aShowToolsPanel: Панель инструментов")};
    QStringList stayed;
    for (const QString &caption : english)
        if (hasCyrillic(caption) && !untranslated.contains(caption))
            stayed << caption;
    QVERIFY2(stayed.isEmpty(), qPrintable(stayed.join(QLatin1Char('\n'))));
    QCOMPARE(english.size(), russian.size());
    QVERIFY(english.contains(QStringLiteral("QTabBar qt_tabwidget_tabbar: Test: ") + ROOT));
    QVERIFY(english.contains(QStringLiteral("Add class")));
    QVERIFY(english.contains(QStringLiteral("Delete relation")));
    w.action("mRusLang")->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(menus(), russian);
}

// A relation used by a rule deleted: the rule and both tabs go; the saved file reloads in the
// model core alone and passes the integrity check.
void tst_Walkthrough::station9_deleteSaveReload()
{
    Walk &w = *m_walk;
    QVERIFY(w.tabTexts().contains(QStringLiteral("Area")));
    QVERIFY(w.tabTexts().contains(QStringLiteral("AreaRule")));
    w.relationsMenu(QStringLiteral("Area"), 6003);
    QCOMPARE(w.boxes.texts(), QStringList());
    QVERIFY(!w.row(w.relationsTree(), QStringLiteral("Area")));
    QVERIFY(!w.row(w.relationsTree(), QStringLiteral("AreaRule")));
    QVERIFY(!w.tabTexts().contains(QStringLiteral("Area")));
    QVERIFY(!w.tabTexts().contains(QStringLiteral("AreaRule")));
    // The class test runs on without the rule: the area is not found now.
    w.showTab(w.testPage());
    w.tool(84)->trigger();
    w.tool(81)->trigger();
    QCOMPARE(w.boxes.texts(), QStringList());
    const QString console = w.console();
    QStringList missing =
        console.section(testText(20), -1).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    missing.sort();
    QCOMPARE(missing, (QStringList{QStringLiteral("area;"), QStringLiteral("label;")}));
    QCOMPARE(w.valueField(QStringLiteral("grade"))->text(), QStringLiteral("2"));
    QCOMPARE(itemsOf<RuleItem>(w.testPage()->findChild<dialogAlgGraph *>()->getOverview()).size(),
             1);
    // Saved from the class page (a class test in front saves nothing).
    w.showTab(w.tabs()->widget(w.tabTexts().indexOf(QStringLiteral("Girder"))));
    w.save();
    QCOMPARE(w.errors(), QStringList());

    ModelManager reader;
    QFile file(m_path);
    reader.loadModel(file);
    const ClassPtr root = reader.getActiveModel()->getRootClass();
    QVERIFY(!root->checkClassIntegrity().areAnyErrors());
    QStringList rules;
    for (const RulePtr &rule : root->getRulesHash())
        rules << rule->getShortName() + QStringLiteral(" on ")
                     + rule->getRelationPtr()->getShortName();
    rules.sort();
    QCOMPARE(rules, (QStringList{QStringLiteral("CaptionRule on Caption"),
                                 QStringLiteral("GradeRule on Grading")}));
    QCOMPARE(root->getConstraintsHash().size(), 2);
    QCOMPARE(root->getRelationsHash().size(), 4);
    QCOMPARE(root->getParametersHash().size(), 7);
}

QTEST_MAIN(tst_Walkthrough)
#include "tst_walkthrough.moc"
