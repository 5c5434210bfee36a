#include "../TextTables.h"
#include "BoxRecorder.h"

#include "Errors/ErrorDictionary.h"
#include "PrimitiveWidgets/wLineEdit.h"
#include "RelationWidgets/wConditionalRelationship.h"
#include "RelationWidgets/wParameterRelationGroups.h"
#include "RelationWidgets/wProgramRelation.h"
#include "RelationWidgets/wSimpleRelation.h"
#include "WidgetAreas/mathTezaurus.h"
#include "elements/ScriptEngineGuard.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

#include "Utf8Strings.h"

namespace {

using Types = QHash<QString, QVariant::Type>;

QHash<QString, QList<QString>> tezaurus(mathTezaurus::lang n_lang = mathTezaurus::RUSSIAN)
{
    QFile file(QStringLiteral(":/tezaurus/tezaurus"));
    mathTezaurus reader;
    reader.readTezaurus(file);
    return reader.getTezaurusByLang(n_lang);
}

QString ideText(int n_offset)
{
    const ErrorDictionary &dictionary = ErrorDictionary::Instance();
    return dictionary.getErrorById(dictionary.getOstraIDEBeginKey() + n_offset);
}

template<typename T>
T *child(QWidget &n_page, const char *n_name)
{
    T *found = n_page.findChild<T *>(QLatin1String(n_name));
    if (!found)
        qFatal("no child %s", n_name);
    return found;
}

wParameterRelationGroups *table(QWidget &n_page, const char *n_name)
{
    return child<wParameterRelationGroups>(n_page, n_name);
}

QStringList shownNames(wParameterRelationGroups *n_table)
{
    auto *grid = n_table->findChild<QTableWidget *>(QStringLiteral("twParameters"));
    QStringList names;
    for (int row = 0; row < grid->rowCount(); ++row)
        names.append(qobject_cast<QLineEdit *>(grid->cellWidget(row, 0))->text());
    return names;
}

QComboBox *typeList(wParameterRelationGroups *n_table, int n_row)
{
    auto *grid = n_table->findChild<QTableWidget *>(QStringLiteral("twParameters"));
    return qobject_cast<QComboBox *>(grid->cellWidget(n_row, 1));
}

// Chooses the other type in a row's list as a user does.
void chooseText(wParameterRelationGroups *n_table, int n_row)
{
    QComboBox *types = typeList(n_table, n_row);
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Down);
}

QTreeWidgetItem *itemWithText(QTreeWidget *n_tree, const QString &n_text)
{
    const QList<QTreeWidgetItem *> found = n_tree->findItems(n_text, Qt::MatchExactly, 0);
    return found.value(0);
}

void doubleClick(QTreeWidget *n_tree, QTreeWidgetItem *n_item, int n_column)
{
    n_tree->scrollToItem(n_item);
    const QRect row = n_tree->visualItemRect(n_item);
    const int x = n_tree->header()->sectionViewportPosition(n_column) + 5;
    const QPoint point(x, row.center().y());
    // The first click of a user's double-click, then the double-click itself.
    QTest::mouseClick(n_tree->viewport(), Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseDClick(n_tree->viewport(), Qt::LeftButton, Qt::NoModifier, point);
}

void removeAllRows(wParameterRelationGroups *n_table)
{
    auto *grid = n_table->findChild<QTableWidget *>(QStringLiteral("twParameters"));
    auto *remove = n_table->findChild<QPushButton *>(QStringLiteral("btnRemoveParameter"));
    while (grid->rowCount() > 0) {
        grid->selectRow(0);
        QTest::mouseClick(remove, Qt::LeftButton);
    }
}

void addNamedRow(wParameterRelationGroups *n_table, const QString &n_name)
{
    auto *grid = n_table->findChild<QTableWidget *>(QStringLiteral("twParameters"));
    QTest::mouseClick(n_table->findChild<QPushButton *>(QStringLiteral("btnAddParameter")),
                      Qt::LeftButton);
    QTest::keyClicks(qobject_cast<QLineEdit *>(grid->cellWidget(grid->rowCount() - 1, 0)), n_name);
}

// Types a text of several lines as a user does, Return between the lines.
void typeLines(QPlainTextEdit *n_editor, const QString &n_text)
{
    const QStringList lines = n_text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(n_editor, Qt::Key_Return);
        QTest::keyClicks(n_editor, lines.at(i));
    }
}

} // namespace

// The three relation-body pages driven with real events; boxes answered through the seam.
class tst_RelationPages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void thesaurusTreeIsSortedByName();
    void doubleClickInsertsTheTextAtTheCursor();
    void doubleClickGoesToTheLastFocusedField();
    void formulaMergeKeepsStoredOrderAndChosenTypes();
    void formulaCheckFollowsTextAndTables();
    void emptyElseShowsItsBoxAndKeepsTheVerdict();
    void clauseWithoutOutputIsRefused();
    void rejectedConditionStands();
    void storedClausesParseAndRoundTrip_data();
    void storedClausesParseAndRoundTrip();
    void constraintModeFixesThenAndElse();
    void scriptAnalysis_data();
    void scriptAnalysis();
    void endlessScriptIsStoppedAndThePageStillWorks();
    void scriptTrialRunsLikeARealRun();
    void longTextsAreRefusedOrQuotedShort();
    void scriptPageCanDropEveryVariable();
    void scriptNamesAreChecked_data();
    void scriptNamesAreChecked();
    void labelsInBothLanguages_data();
    void labelsInBothLanguages();
    void defaultAnalyserBoxGoesThroughTheSeam();
};

void tst_RelationPages::cleanup()
{
    ScriptEngineGuard::setTimeLimit(ScriptEngineGuard::DEFAULT_TIME_LIMIT_MS);
}

void tst_RelationPages::thesaurusTreeIsSortedByName()
{
    wSimpleRelation page;
    page.setTezarus(tezaurus());
    auto *tree = child<QTreeWidget>(page, "twTezaurus");
    QCOMPARE(tree->topLevelItemCount(), 28);
    QCOMPARE(tree->sortColumn(), 1);
    for (int i = 1; i < tree->topLevelItemCount(); ++i)
        QVERIFY(!(*tree->topLevelItem(i) < *tree->topLevelItem(i - 1)));
    QTreeWidgetItem *sum = itemWithText(tree, QStringLiteral("c=a+b"));
    QVERIFY(sum);
    QCOMPARE(sum->text(1), QStringLiteral("Сложение"));
}

void tst_RelationPages::doubleClickInsertsTheTextAtTheCursor()
{
    wSimpleRelation page;
    page.setTezarus(tezaurus());
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *formula = child<QLineEdit>(page, "leFormula");
    QTest::keyClicks(formula, QStringLiteral("y =  + 1"));
    formula->setCursorPosition(4);
    auto *tree = child<QTreeWidget>(page, "twTezaurus");
    doubleClick(tree, itemWithText(tree, QStringLiteral("Math.PI")), 1);
    QCOMPARE(formula->text(), QStringLiteral("y = Math.PI + 1"));
    QVERIFY(!page.verify());
}

void tst_RelationPages::doubleClickGoesToTheLastFocusedField()
{
    wConditionalRelationship page;
    page.setTezarus(tezaurus());
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    auto *tree = child<QTreeWidget>(page, "twTezaurus");
    // The IF field takes insertions before any field was focused.
    doubleClick(tree, itemWithText(tree, QStringLiteral("&&")), 0);
    QCOMPARE(child<wLineEdit>(page, "leIf")->text(), QStringLiteral("&&"));
    QTest::mouseClick(child<wLineEdit>(page, "leElse"), Qt::LeftButton);
    QTest::keyClicks(child<wLineEdit>(page, "leElse"), QStringLiteral("y = "));
    doubleClick(tree, itemWithText(tree, QStringLiteral("Math.PI")), 1);
    QCOMPARE(child<wLineEdit>(page, "leElse")->text(), QStringLiteral("y = Math.PI"));
    QCOMPARE(child<wLineEdit>(page, "leIf")->text(), QStringLiteral("&&"));
}

void tst_RelationPages::formulaMergeKeepsStoredOrderAndChosenTypes()
{
    BoxRecorder boxes;
    wSimpleRelation page;
    page.show();
    page.setInputParameters({QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("d")},
                            {{QStringLiteral("b"), QVariant::Double}});
    page.setOutputParameters({}, {});
    wParameterRelationGroups *inputs = table(page, "inputTable");
    chooseText(inputs, 1);
    QTest::keyClicks(child<QLineEdit>(page, "leFormula"), QStringLiteral("y = a + c + b"));
    QVERIFY(page.analyze());
    QVERIFY(boxes.boxes().isEmpty());
    QCOMPARE(shownNames(inputs), (strings({"b", "a", "c"})));
    QCOMPARE(page.getInputParams(), (QList<QString>(strings({"b", "a", "c"}))));
    QCOMPARE(page.getInputTypes(), (Types{{QStringLiteral("b"), QVariant::Double},
                                          {QStringLiteral("a"), QVariant::String},
                                          {QStringLiteral("c"), QVariant::Double}}));
    QCOMPARE(page.getOutputParams(), (QList<QString>(strings({"y"}))));
    QCOMPARE(page.getBody(), QStringLiteral("y = a + c + b"));
    QVERIFY(page.verify());
}

void tst_RelationPages::formulaCheckFollowsTextAndTables()
{
    const QString body = QStringLiteral("y = x + 1");
    wSimpleRelation page;
    page.show();
    page.setInputParameters({QStringLiteral("x")}, {});
    page.setOutputParameters({QStringLiteral("y")}, {});
    page.setBodyFormula(body);
    page.setOldBody(body);
    QVERIFY(!page.check());
    // A stored body leaves the page unverified until analysed.
    QVERIFY(!page.verify());
    chooseText(table(page, "outputTable"), 0);
    QVERIFY(page.check());
}

void tst_RelationPages::emptyElseShowsItsBoxAndKeepsTheVerdict()
{
    BoxRecorder boxes;
    wConditionalRelationship page;
    page.show();
    QTest::keyClicks(child<wLineEdit>(page, "leIf"), QStringLiteral("x > 0"));
    QTest::keyClicks(child<wLineEdit>(page, "leThen"), QStringLiteral("y = 1"));
    page.setInputParameters({QStringLiteral("x")}, {});
    QVERIFY(page.verify());
    QVERIFY(page.analyze());
    QCOMPARE(boxes.boxes().size(), 1);
    const BoxRecorder::Box box = boxes.boxes().first();
    QCOMPARE(box.text, ideText(11));
    QCOMPARE(box.title, ideText(1));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.parent, nullptr);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(page.verify());
}

void tst_RelationPages::clauseWithoutOutputIsRefused()
{
    BoxRecorder boxes;
    wConditionalRelationship page;
    page.show();
    QTest::keyClicks(child<wLineEdit>(page, "leIf"), QStringLiteral("x > 0"));
    QTest::keyClicks(child<wLineEdit>(page, "leThen"), QStringLiteral("1"));
    QTest::keyClicks(child<wLineEdit>(page, "leElse"), QStringLiteral("2"));
    QVERIFY(page.analyze());
    QCOMPARE(boxes.texts(), QStringList{ideText(150)});
    QCOMPARE(boxes.boxes().first().icon, QMessageBox::Warning);
    QCOMPARE(boxes.boxes().first().parent, &page);
    QVERIFY(!page.verify());
}

void tst_RelationPages::rejectedConditionStands()
{
    BoxRecorder boxes;
    wConditionalRelationship page;
    page.show();
    QTest::keyClicks(child<wLineEdit>(page, "leIf"), QStringLiteral("x > 1e5"));
    QTest::keyClicks(child<wLineEdit>(page, "leThen"), QStringLiteral("y = 1"));
    QTest::keyClicks(child<wLineEdit>(page, "leElse"), QStringLiteral("y = 2"));
    page.analyze();
    QCOMPARE(boxes.texts(), QStringList{ideText(70) + QStringLiteral(" 1e5")});
    QVERIFY(!page.verify());
}

void tst_RelationPages::storedClausesParseAndRoundTrip_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("composed");
    QTest::newRow("own layout") << "if (x > 0) {y = 1;} else {y = 2;}"
                                << strings({"x > 0", "y = 1", "y = 2"})
                                << "if (x > 0) {y = 1;} else {y = 2;}";
    QTest::newRow("builder layout")
        << "if((x > 1) && (x < 5)){flag = true;} else {flag = false;}"
        << strings({"(x > 1) && (x < 5)", "flag = true", "flag = false"})
        << "if ((x > 1) && (x < 5)) {flag = true;} else {flag = false;}";
}

void tst_RelationPages::storedClausesParseAndRoundTrip()
{
    QFETCH(QString, body);
    QFETCH(QStringList, fields);
    QFETCH(QString, composed);
    wConditionalRelationship page;
    page.setBodyFormula(body);
    QCOMPARE((QStringList{child<wLineEdit>(page, "leIf")->text(),
                          child<wLineEdit>(page, "leThen")->text(),
                          child<wLineEdit>(page, "leElse")->text()}),
             fields);
    QCOMPARE(page.getWholeStr(), composed);
    QCOMPARE(page.getBody(), body);
}

void tst_RelationPages::constraintModeFixesThenAndElse()
{
    BoxRecorder boxes;
    wConditionalRelationship page;
    page.show();
    page.setConstraint(true);
    auto *thenField = child<wLineEdit>(page, "leThen");
    auto *elseField = child<wLineEdit>(page, "leElse");
    QCOMPARE(thenField->text(), QStringLiteral("flag = true"));
    QCOMPARE(elseField->text(), QStringLiteral("flag = false"));
    QVERIFY(!thenField->isEnabled() && !elseField->isEnabled());
    QVERIFY(!table(page, "outputTable")->isVisible());
    QCOMPARE(page.getOutputParams(), (QList<QString>(strings({"flag"}))));
    QCOMPARE(page.getOutputTypes(), (Types{{QStringLiteral("flag"), QVariant::Double}}));

    // An empty condition: the box, no analysis.
    QVERIFY(page.analyze());
    QCOMPARE(boxes.texts(), QStringList{ideText(11)});
    QTest::keyClicks(child<wLineEdit>(page, "leIf"), QStringLiteral("x >= 10"));
    QVERIFY(page.analyze());
    QVERIFY(page.verify());
    QCOMPARE(page.getBody(), QStringLiteral("if (x >= 10) {flag = true;} else {flag = false;}"));
    QCOMPARE(page.getInputParams(), (QList<QString>(strings({"x"}))));
    QCOMPARE(page.getOutputParams(), QList<QString>());
    QCOMPARE(page.getOutputTypes(), (Types{{QStringLiteral("flag"), QVariant::Double}}));
}

void tst_RelationPages::scriptAnalysis_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("verdict");
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<bool>("errorIcon");
    QTest::newRow("syntax error") << "var = 1" << false << "Expected `identifier'" << true;
    // A failing trial tells the line and the engine's message.
    const auto failed = [](int n_line, const char *n_message) {
        const QString where = ideText(ErrorDictionary::ERROR_IDE_SCRIPT_LINE)
                                  .arg(QString::number(n_line), QLatin1String(n_message));
        return QString(ideText(20) + QLatin1Char('\n') + where);
    };
    QTest::newRow("throws") << "y = 1;\nthrow new Error('boom');" << false
                            << failed(2, "Error: boom") << false;
    // A thrown plain value carries no line.
    QTest::newRow("throws a value")
        << "throw 1;" << false << QString(ideText(20) + QStringLiteral("\n1")) << false;
    QTest::newRow("unknown name") << "y = 1;\nz = missing + 1" << false
                                  << failed(2, "ReferenceError: Can't find variable: missing")
                                  << false;
    QTest::newRow("good") << "var x = 2; y = x * 3;" << true << QString() << false;
}

void tst_RelationPages::scriptAnalysis()
{
    QFETCH(QString, script);
    QFETCH(bool, verdict);
    QFETCH(QString, boxText);
    QFETCH(bool, errorIcon);
    BoxRecorder boxes;
    wProgramRelation page;
    page.show();
    typeLines(child<QPlainTextEdit>(page, "teCode"), script);
    QCOMPARE(page.analyze(), verdict);
    QCOMPARE(page.verify(), verdict);
    QCOMPARE(boxes.texts(), boxText.isNull() ? QStringList() : QStringList{boxText});
    if (!boxText.isNull()) {
        QCOMPARE(boxes.boxes().first().customIcon, errorIcon);
        QCOMPARE(boxes.boxes().first().format, Qt::PlainText);
        QCOMPARE(boxes.boxes().first().parent, nullptr);
    }
    QCOMPARE(page.getBody(), script);
}

void tst_RelationPages::endlessScriptIsStoppedAndThePageStillWorks()
{
    ScriptEngineGuard::setTimeLimit(300);
    BoxRecorder boxes;
    wProgramRelation page;
    page.show();
    auto *code = child<QPlainTextEdit>(page, "teCode");
    QTest::keyClicks(code, QStringLiteral("y = 1; while(true){}"));
    QVERIFY(!page.analyze());
    QCOMPARE(boxes.texts(), QStringList{ideText(ErrorDictionary::ERROR_IDE_EVALUATION_TIMEOUT)});
    QVERIFY(!page.verify());
    code->clear();
    QTest::keyClicks(code, QStringLiteral("z = 2;"));
    QVERIFY(page.analyze());
    QCOMPARE(boxes.texts().size(), 1);
}

void tst_RelationPages::scriptTrialRunsLikeARealRun()
{
    BoxRecorder boxes;
    wProgramRelation page;
    page.show();
    page.setInputParameters(strings({"a", "b", "s"}), {{QStringLiteral("a"), QVariant::Double},
                                                       {QStringLiteral("b"), QVariant::Double},
                                                       {QStringLiteral("s"), QVariant::String}});
    page.setOutputParameters(strings({"r"}), {{QStringLiteral("r"), QVariant::Double}});
    auto *code = child<QPlainTextEdit>(page, "teCode");
    // Inputs hold their type's plain value, outputs null, as a real run leaves them.
    typeLines(code, QStringLiteral("if (a !== 0 || b !== 0 || s !== '' || r !== null) "
                                   "throw 'not plain';\nvar t = a + b; r = t * 2; left = 1;"));
    QVERIFY(page.analyze());
    // Nothing an earlier trial defined is seen by the next one.
    code->clear();
    typeLines(code, QStringLiteral("if (typeof left != 'undefined' || typeof t != "
                                   "'undefined') throw 'stale';\nr = a;"));
    QVERIFY(page.analyze());
    QCOMPARE(boxes.texts(), QStringList());
    QVERIFY(page.verify());
}

void tst_RelationPages::longTextsAreRefusedOrQuotedShort()
{
    BoxRecorder boxes;
    wSimpleRelation page;
    page.show();
    auto *formula = child<QLineEdit>(page, "leFormula");
    // Longer than the field takes: refused whole, with a message, instead of cut without a word.
    QApplication::clipboard()->setText(QString(100000, QLatin1Char('a')));
    QTest::keyClick(formula, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(formula->text(), QString());
    QCOMPARE(boxes.texts(), QStringList{ideText(ErrorDictionary::ERROR_IDE_PASTE_TOO_LONG)
                                            .arg(100000)
                                            .arg(formula->maxLength())});
    // A long formula that fits is taken; the analyser's box quotes it cut short.
    QString text = QStringLiteral("a b");
    while (text.size() < 30000)
        text += QStringLiteral(" + x");
    QApplication::clipboard()->setText(text + QStringLiteral(" = 1"));
    QTest::keyClick(formula, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(formula->text().size(), text.size() + 4);
    QVERIFY(!page.analyze());
    QString quoted;
    for (const QString &shown : boxes.texts())
        quoted = shown.startsWith(ideText(50)) ? shown : quoted;
    QVERIFY2(quoted.startsWith(ideText(50) + QLatin1Char(' ') + text.left(200) + QChar(0x2026)),
             qPrintable(quoted.left(300)));
    QVERIFY(quoted.endsWith(ideText(51)));
    QVERIFY(quoted.size() < 300 + ideText(51).size());

    // A script's message of many long lines is quoted in five lines, each cut short.
    wProgramRelation script;
    script.show();
    QTest::keyClicks(child<QPlainTextEdit>(script, "teCode"),
                     QStringLiteral("var s = ''; for (var i = 0; i < 50; ++i) s += Array(400)"
                                    ".join('y') + '\\n'; throw s;"));
    QVERIFY(!script.analyze());
    const QStringList lines = boxes.texts().last().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 1 + 5);
    for (const QString &line : lines.mid(1))
        QVERIFY2(line.size() <= 220 && line.endsWith(QChar(0x2026)), qPrintable(line));
}

void tst_RelationPages::scriptPageCanDropEveryVariable()
{
    wProgramRelation page;
    page.show();
    page.setInputParameters({QStringLiteral("a"), QStringLiteral("b")},
                            {{QStringLiteral("b"), QVariant::String}});
    page.setOutputParameters({QStringLiteral("y")}, {});
    QCOMPARE(page.getInputParams(), (QList<QString>(strings({"a", "b"}))));
    QCOMPARE(page.getInputTypes(), (Types{{QStringLiteral("a"), QVariant::Double},
                                          {QStringLiteral("b"), QVariant::String}}));
    removeAllRows(table(page, "inputTable"));
    QCOMPARE(page.getInputParams(), QList<QString>());
    QCOMPARE(page.getInputTypes(), Types());
    QCOMPARE(page.getOutputParams(), (QList<QString>(strings({"y"}))));
    QVERIFY(page.check());
}

void tst_RelationPages::scriptNamesAreChecked_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("outputs");
    QTest::addColumn<bool>("verdict");
    QTest::newRow("good") << strings({"a", "b_2"}) << strings({"y", "$z"}) << true;
    QTest::newRow("same name on both sides") << strings({"a"}) << strings({"a"}) << true;
    QTest::newRow("empty") << strings({"a", ""}) << strings({"y"}) << false;
    QTest::newRow("duplicate") << strings({"a", "a"}) << strings({"y"}) << false;
    QTest::newRow("blank") << strings({"a b"}) << strings({"y"}) << false;
    QTest::newRow("surrounding blank") << strings({" a"}) << strings({"y"}) << false;
    QTest::newRow("colon") << strings({"a"}) << strings({"y:z"}) << false;
    QTest::newRow("semicolon") << strings({"a;"}) << strings({"y"}) << false;
    QTest::newRow("comma") << strings({"a,b"}) << strings({"y"}) << false;
    QTest::newRow("leading digit") << strings({"1a"}) << strings({"y"}) << false;
}

void tst_RelationPages::scriptNamesAreChecked()
{
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, outputs);
    QFETCH(bool, verdict);
    BoxRecorder boxes;
    wProgramRelation page;
    page.show();
    for (const QString &name : inputs)
        addNamedRow(table(page, "inputTable"), name);
    for (const QString &name : outputs)
        addNamedRow(table(page, "outputTable"), name);
    QTest::keyClicks(child<QPlainTextEdit>(page, "teCode"), QStringLiteral("var q = 1;"));
    QCOMPARE(page.analyze(), verdict);
    QCOMPARE(page.verify(), verdict);
    QCOMPARE(boxes.texts(),
             verdict ? QStringList()
                     : QStringList{ideText(ErrorDictionary::ERROR_IDE_BAD_VARIABLE_NAME)});
}

void tst_RelationPages::labelsInBothLanguages_data()
{
    QTest::addColumn<Catalogue>("catalogue");
    QTest::addColumn<QStringList>("ifPage");
    QTest::addColumn<QStringList>("formulaPage");
    QTest::addColumn<QStringList>("scriptPage");
    QTest::newRow("russian") << Catalogue::Russian
                             << strings({"Команда", "Описание", "ЕСЛИ", "ТО", "ИНАЧЕ",
                                         "Входные параметры", "Выходные параметры"})
                             << strings({"Команда", "Описание", "Входные параметры",
                                         "Выходные параметры"})
                             << strings({"Редактор", "Входные параметры", "Выходные параметры"});
    QTest::newRow("english") << Catalogue::English
                             << strings({"Command", "Description", "IF", "THEN", "ELSE",
                                         "Input parameters", "Output parmeters"})
                             << strings({"Command", "Description", "Input parameters",
                                         "Output parmeters"})
                             << strings({"Redactor", "Input parameters", "Output parmeters"});
}

void tst_RelationPages::labelsInBothLanguages()
{
    QFETCH(Catalogue, catalogue);
    QFETCH(QStringList, ifPage);
    QFETCH(QStringList, formulaPage);
    QFETCH(QStringList, scriptPage);
    InstalledCatalogue installed(catalogue);
    QVERIFY(installed.isLoaded());
    const auto labels = [](QWidget &n_page, bool n_withTree) {
        QStringList texts;
        if (n_withTree) {
            QTreeWidgetItem *header =
                n_page.findChild<QTreeWidget *>(QStringLiteral("twTezaurus"))->headerItem();
            texts << header->text(0) << header->text(1);
        }
        for (QLabel *label : n_page.findChildren<QLabel *>()) {
            if (label->objectName() != QLatin1String("lbTitle"))
                texts << label->text();
        }
        texts
            << table(n_page, "inputTable")->findChild<QLabel *>(QStringLiteral("lbTitle"))->text()
            << table(n_page, "outputTable")->findChild<QLabel *>(QStringLiteral("lbTitle"))->text();
        return texts;
    };
    wConditionalRelationship conditional;
    QCOMPARE(labels(conditional, true), ifPage);
    wSimpleRelation formula;
    QCOMPARE(labels(formula, true), formulaPage);
    wProgramRelation script;
    QCOMPARE(labels(script, false), scriptPage);
}

void tst_RelationPages::defaultAnalyserBoxGoesThroughTheSeam()
{
    BoxRecorder boxes;
    wSimpleRelation page;
    page.show();
    QTest::keyClicks(child<QLineEdit>(page, "leFormula"), QStringLiteral("y = <b>"));
    QVERIFY(!page.analyze());
    QCOMPARE(boxes.texts(), (QStringList{ideText(70) + QStringLiteral(" <"), ideText(270)}));
    for (const BoxRecorder::Box &box : boxes.boxes()) {
        QCOMPARE(box.title, ideText(1));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.parent, nullptr);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.format, Qt::PlainText);
    }
}

QTEST_MAIN(tst_RelationPages)
#include "tst_relationpages.moc"
