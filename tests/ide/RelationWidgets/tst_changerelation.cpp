#include "../TextTables.h"
#include "BoxRecorder.h"

#include "Errors/ErrorDictionary.h"
#include "PrimitiveWidgets/wLineEdit.h"
#include "RelationWidgets/wChangeRelation.h"
#include "WidgetAreas/mathTezaurus.h"
#include "errors/ExceptionOstra.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QtTest>

#include "Utf8Strings.h"

namespace {

using Types = QHash<QString, QVariant::Type>;

QHash<QString, QList<QString>> tezaurus()
{
    QFile file(QStringLiteral(":/tezaurus/tezaurus"));
    mathTezaurus reader;
    reader.readTezaurus(file);
    return reader.getTezaurusByLang(mathTezaurus::RUSSIAN);
}

QString ideText(int n_offset)
{
    const ErrorDictionary &dictionary = ErrorDictionary::Instance();
    return dictionary.getErrorById(dictionary.getOstraIDEBeginKey() + n_offset);
}

// A designer filled as the relation editor fills it; shown, as exec() would show it.
void open(wChangeRelation &n_dialog, int n_kind, const QString &n_body = QString(),
          const QList<QString> &n_inputs = {}, const QList<QString> &n_outputs = {})
{
    n_dialog.setTezaurusHash(tezaurus());
    n_dialog.setRelationship(RelationModel::RelationType(n_kind));
    if (!n_inputs.isEmpty() || !n_outputs.isEmpty()) {
        n_dialog.setInputParams(n_inputs, {});
        n_dialog.setOutputParams(n_outputs, {});
    }
    n_dialog.setBody(n_body);
    n_dialog.setOldBody(n_body);
    n_dialog.show();
}

// Types into the field that holds the body of the kind.
void typeBody(wChangeRelation &n_dialog, int n_kind, const QString &n_text)
{
    if (n_kind == 0)
        QTest::keyClicks(n_dialog.findChild<QLineEdit *>(QStringLiteral("leFormula")), n_text);
    else if (n_kind == 3) {
        auto *code = n_dialog.findChild<QPlainTextEdit *>(QStringLiteral("teCode"));
        QTest::keyClick(code, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(code, n_text);
    } else
        QTest::keyClicks(n_dialog.findChild<wLineEdit *>(QStringLiteral("leIf")), n_text);
}

void pressOk(wChangeRelation &n_dialog)
{
    auto *buttons = n_dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

void debug(wChangeRelation &n_dialog)
{
    n_dialog.findChild<QAction *>(QStringLiteral("actionDebug"))->trigger();
}

QStringList tabTitles(wChangeRelation &n_dialog)
{
    auto *tabs = n_dialog.findChild<QTabWidget *>(QStringLiteral("twRelation"));
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles.append(tabs->tabText(i));
    return titles;
}

} // namespace

// The body designer driven through its buttons and its debug action.
class tst_ChangeRelation : public QObject
{
    Q_OBJECT

private slots:
    void tabsAndToolBar_data();
    void tabsAndToolBar();
    void analysedFormulaIsAccepted();
    void unchangedBodyIsRejected();
    void unverifiedOkShowsTheKindsText_data();
    void unverifiedOkShowsTheKindsText();
    void constraintDesigner();
    void filledConstraintNeedsAnAnalysis();
    void scriptDesignerReturnsTheTables();
    void unknownKindThrows();
};

void tst_ChangeRelation::tabsAndToolBar_data()
{
    QTest::addColumn<Catalogue>("catalogue");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("action");
    QTest::newRow("formula") << Catalogue::Russian << 0 << "Формула"
                             << "Отладка";
    QTest::newRow("if") << Catalogue::Russian << 1 << "Условное отношение"
                        << "Отладка";
    QTest::newRow("constraint") << Catalogue::Russian << 2 << "Ограничение"
                                << "Отладка";
    QTest::newRow("script") << Catalogue::Russian << 3 << "Сложное отношение"
                            << "Отладка";
    QTest::newRow("formula, english") << Catalogue::English << 0 << "Formula"
                                      << "Debug";
    QTest::newRow("if, english") << Catalogue::English << 1 << "IF-clause relation"
                                 << "Debug";
    QTest::newRow("constraint, english") << Catalogue::English << 2 << "Constraints"
                                         << "Debug";
    QTest::newRow("script, english") << Catalogue::English << 3 << "Programming relation"
                                     << "Debug";
}

void tst_ChangeRelation::tabsAndToolBar()
{
    QFETCH(Catalogue, catalogue);
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QString, action);
    InstalledCatalogue installed(catalogue);
    QVERIFY(installed.isLoaded());
    wChangeRelation dialog;
    QCOMPARE(tabTitles(dialog).size(), 4);
    QCOMPARE(tabTitles(dialog).at(kind), title);
    auto *toolBar = dialog.findChild<QToolBar *>();
    QCOMPARE(toolBar->windowTitle(), QStringLiteral("Linker ToolBar"));
    QCOMPARE(dialog.findChild<QAction *>(QStringLiteral("actionDebug"))->text(), action);
    dialog.setRelationship(RelationModel::RelationType(kind));
    QCOMPARE(tabTitles(dialog), QStringList{title});
    QCOMPARE(dialog.getRelationType(), RelationModel::RelationType(kind));
}

void tst_ChangeRelation::analysedFormulaIsAccepted()
{
    BoxRecorder boxes;
    wChangeRelation dialog;
    open(dialog, 0);
    typeBody(dialog, 0, QStringLiteral("y = x + x"));
    debug(dialog);
    pressOk(dialog);
    QVERIFY(boxes.boxes().isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.getBody(), QStringLiteral("y = x + x"));
    QVERIFY(dialog.verify());
    QVERIFY(dialog.check());
    QCOMPARE(dialog.getInputParams(), (QList<QString>(strings({"x"}))));
    QCOMPARE(dialog.getOutputParams(), (QList<QString>(strings({"y"}))));
    QCOMPARE(dialog.getInputTypes(), (Types{{QStringLiteral("x"), QVariant::Double}}));
    QCOMPARE(dialog.getOutputTypes(), (Types{{QStringLiteral("y"), QVariant::Double}}));
}

void tst_ChangeRelation::unchangedBodyIsRejected()
{
    BoxRecorder boxes;
    wChangeRelation dialog;
    open(dialog, 0, QStringLiteral("y = x + 1"), {QStringLiteral("x")}, {QStringLiteral("y")});
    pressOk(dialog);
    QVERIFY(boxes.boxes().isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

void tst_ChangeRelation::unverifiedOkShowsTheKindsText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("message");
    QTest::newRow("formula") << 0 << "y = x + 2" << 110;
    QTest::newRow("if") << 1 << "x > 0" << 130;
    QTest::newRow("constraint") << 2 << "x > 0" << 140;
    QTest::newRow("script") << 3 << "y = x;" << 120;
}

void tst_ChangeRelation::unverifiedOkShowsTheKindsText()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(int, message);
    BoxRecorder boxes;
    wChangeRelation dialog;
    open(dialog, kind);
    typeBody(dialog, kind, text);
    pressOk(dialog);
    QCOMPARE(boxes.texts(), QStringList{ideText(message)});
    QCOMPARE(boxes.boxes().first().title, ideText(1));
    QCOMPARE(boxes.boxes().first().icon, QMessageBox::Critical);
    QCOMPARE(boxes.boxes().first().parent, &dialog);
    QVERIFY(dialog.isVisible());
    // Nothing is handed out before an analysis.
    QCOMPARE(dialog.getBody(), QString());
    QCOMPARE(dialog.getInputParams(), QList<QString>());
    QCOMPARE(dialog.getOutputParams(), QList<QString>());
    QCOMPARE(dialog.getInputTypes(), Types());
    QCOMPARE(dialog.getOutputTypes(), Types());
}

void tst_ChangeRelation::constraintDesigner()
{
    BoxRecorder boxes;
    wChangeRelation dialog;
    open(dialog, 2);
    QCOMPARE(tabTitles(dialog), strings({"Ограничение"}));
    auto *thenField = dialog.findChild<wLineEdit *>(QStringLiteral("leThen"));
    auto *elseField = dialog.findChild<wLineEdit *>(QStringLiteral("leElse"));
    QCOMPARE(thenField->text(), QStringLiteral("flag = true"));
    QCOMPARE(elseField->text(), QStringLiteral("flag = false"));
    QTest::keyClicks(thenField, QStringLiteral("zz"));
    QCOMPARE(thenField->text(), QStringLiteral("flag = true"));
    QVERIFY(!thenField->isEnabled() && !elseField->isEnabled());

    typeBody(dialog, 2, QStringLiteral("x >= 10"));
    debug(dialog);
    pressOk(dialog);
    QVERIFY(boxes.boxes().isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.getBody(), QStringLiteral("if (x >= 10) {flag = true;} else {flag = false;}"));
    QCOMPARE(dialog.getInputParams(), (QList<QString>(strings({"x"}))));
    QCOMPARE(dialog.getOutputParams(), QList<QString>());
    QCOMPARE(dialog.getOutputTypes(), (Types{{QStringLiteral("flag"), QVariant::Double}}));
}

void tst_ChangeRelation::filledConstraintNeedsAnAnalysis()
{
    BoxRecorder boxes;
    const QString body = QStringLiteral("if((x > 1)){flag = true;} else {flag = false;}");
    wChangeRelation dialog;
    open(dialog, 2, body, {QStringLiteral("x")}, {QStringLiteral("flag")});
    QVERIFY(dialog.check());
    QVERIFY(!dialog.verify());
    QCOMPARE(dialog.findChild<wLineEdit *>(QStringLiteral("leIf"))->text(),
             QStringLiteral("(x > 1)"));
    pressOk(dialog);
    QCOMPARE(boxes.texts(), QStringList{ideText(140)});
    debug(dialog);
    pressOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.getBody(), QStringLiteral("if ((x > 1)) {flag = true;} else {flag = false;}"));
}

void tst_ChangeRelation::scriptDesignerReturnsTheTables()
{
    BoxRecorder boxes;
    wChangeRelation dialog;
    open(dialog, 3, QStringLiteral("var x = 1;"), {QStringLiteral("x")}, {QStringLiteral("y")});
    typeBody(dialog, 3, QStringLiteral(" y = x * 2;"));
    debug(dialog);
    pressOk(dialog);
    QVERIFY(boxes.boxes().isEmpty());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.getBody(), QStringLiteral("var x = 1; y = x * 2;"));
    QCOMPARE(dialog.getInputParams(), (QList<QString>(strings({"x"}))));
    QCOMPARE(dialog.getOutputTypes(), (Types{{QStringLiteral("y"), QVariant::Double}}));
}

void tst_ChangeRelation::unknownKindThrows()
{
    wChangeRelation dialog;
    dialog.setRelationship(RelationModel::RelationType(7));
    QCOMPARE(tabTitles(dialog).size(), 4);
    dialog.setBody(QStringLiteral("y = 1"));
    const QList<QPair<QString, std::function<void()>>> calls = {
        {QStringLiteral("verify()"), [&] { dialog.verify(); }},
        {QStringLiteral("check()"), [&] { dialog.check(); }},
        {QStringLiteral("getBody()"), [&] { dialog.getBody(); }},
        {QStringLiteral("getOldBody()"), [&] { dialog.getOldBody(); }},
        {QStringLiteral("getInputParams()"), [&] { dialog.getInputParams(); }},
        {QStringLiteral("getOutputParams()"), [&] { dialog.getOutputParams(); }},
        {QStringLiteral("getInputTypes()"), [&] { dialog.getInputTypes(); }},
        {QStringLiteral("getOutputTypes()"), [&] { dialog.getOutputTypes(); }},
    };
    for (const auto &call : calls) {
        try {
            call.second();
            QFAIL(qPrintable(call.first));
        } catch (const ExceptionOstra &e) {
            QCOMPARE(e.getExceptionId(), 123);
            QCOMPARE(e.getDescription(), QStringLiteral("Wrong RelationType!"));
            QCOMPARE(e.getClassName(), QStringLiteral("wChangeRelation"));
            QCOMPARE(e.getMethodName(), call.first);
            QVERIFY(e.getParentException().isNull());
        }
    }
    // OK on such a dialog reports the failure instead of ending the program.
    BoxRecorder boxes;
    dialog.show();
    pressOk(dialog);
    QCOMPARE(boxes.boxes().size(), 1);
}

QTEST_MAIN(tst_ChangeRelation)
#include "tst_changerelation.moc"
