#include "BoxRecorder.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "WidgetAreas/ComparisonCode.h"
#include "WidgetAreas/dBaseConstraintInParameter.h"
#include "WidgetAreas/wBaseComparisonConstraint.h"
#include "WidgetAreas/wLogicComparisonConstraint.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScriptEngine>
#include <QToolBar>
#include <QtTest>

namespace {

QStringList choices(QComboBox *n_box)
{
    QStringList texts;
    for (int index = 0; index < n_box->count(); ++index)
        texts << n_box->itemText(index);
    return texts;
}

struct Dialog
{
    explicit Dialog(QVariant::Type n_type) : dialog(n_type)
    {
        dialog.setParameterName(QStringLiteral("X"));
        dialog.show();
    }
    QAction *add() { return dialog.findChild<QToolBar *>()->actions().at(0); }
    QAction *remove() { return dialog.findChild<QToolBar *>()->actions().at(1); }
    QList<wBaseComparisonConstraint *> comparisons()
    {
        return dialog.findChildren<wBaseComparisonConstraint *>();
    }
    QList<wLogicComparisonConstraint *> logic()
    {
        return dialog.findChildren<wLogicComparisonConstraint *>();
    }
    void type(int n_row, const QString &n_value)
    {
        QTest::keyClicks(comparisons().at(n_row)->findChild<QLineEdit *>(), n_value);
    }
    void ok()
    {
        QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    }

    dBaseConstraintInParameter dialog;
};

} // namespace

// The constraint builder: its column of rows, the code it writes and the literals it accepts.
class tst_ConstraintBuilder : public QObject
{
    Q_OBJECT

private slots:
    void literals_data();
    void literals();
    void literalsReadBackAsTyped_data();
    void literalsReadBackAsTyped();
    void operatorsFollowTheType();
    void pairsAreAddedAndRemoved();
    void okNamesTheRowThatDoesNotRead();
};

void tst_ConstraintBuilder::literals_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("text");
    QTest::addColumn<QString>("literal");
    QTest::newRow("number") << "5" << false << "5";
    QTest::newRow("decimal comma") << "3,5" << false << "3.5";
    QTest::newRow("shortest form") << "0.10" << false << "0.1";
    QTest::newRow("exponent") << "1e3" << false << "1000";
    QTest::newRow("blanks around") << " 7 " << false << "7";
    QTest::newRow("empty number") << "" << false << QString();
    QTest::newRow("thousands") << "1,000.5" << false << QString();
    QTest::newRow("incomplete") << "1e" << false << QString();
    QTest::newRow("infinite") << "1e999" << false << QString();
    QTest::newRow("not a number") << "nan" << false << QString();
    QTest::newRow("plain text") << "red" << true << "\"red\"";
    QTest::newRow("empty text") << "" << true << "\"\"";
    QTest::newRow("quote and backslash") << "a\"b\\" << true << "\"a\\\"b\\\\\"";
    QTest::newRow("line break") << "a\nb\r" << true << "\"a\\nb\\r\"";
}

void tst_ConstraintBuilder::literals()
{
    QFETCH(QString, value);
    QFETCH(bool, text);
    QFETCH(QString, literal);
    const QString made = ComparisonCode::literal(value, text ? QVariant::String : QVariant::Double);
    QCOMPARE(made, literal);
    QCOMPARE(made.isNull(), literal.isNull());
}

void tst_ConstraintBuilder::literalsReadBackAsTyped_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("text");
    QTest::newRow("line separator") << QStringLiteral("a\u2028b") << true;
    QTest::newRow("paragraph separator") << QStringLiteral("c\u2029d") << true;
    QTest::newRow("every escape") << QStringLiteral("\"\\\n\r\u2028\u2029") << true;
    QTest::newRow("eight digits") << "1234567.5" << false;
    QTest::newRow("small, nine digits") << "0.000123456789" << false;
    QTest::newRow("sixteen digits") << "3.141592653589793" << false;
}

// What the engine reads from a literal is the value typed.
void tst_ConstraintBuilder::literalsReadBackAsTyped()
{
    QFETCH(QString, value);
    QFETCH(bool, text);
    QScriptEngine engine;
    const QScriptValue read = engine.evaluate(
        ComparisonCode::literal(value, text ? QVariant::String : QVariant::Double));
    QVERIFY(!engine.hasUncaughtException());
    if (text)
        QCOMPARE(read.toString(), value);
    else // exactly: a fuzzy compare would let a number cut to 15 digits pass
        QVERIFY2(read.toNumber() == value.toDouble(), qPrintable(read.toString()));
}

void tst_ConstraintBuilder::operatorsFollowTheType()
{
    Dialog text(QVariant::String);
    QComboBox *textChoice = text.comparisons().at(0)->findChild<QComboBox *>();
    QCOMPARE(choices(textChoice), (QStringList{QStringLiteral("=="), QStringLiteral("!=")}));
    QCOMPARE(textChoice->currentText(), QStringLiteral("=="));
    text.type(0, QStringLiteral("red"));
    QCOMPARE(text.dialog.getConstraintBody(),
             QStringLiteral("if((X == \"red\" )){flag = true;} else {flag = false;}"));

    Dialog number(QVariant::Double);
    QComboBox *numberChoice = number.comparisons().at(0)->findChild<QComboBox *>();
    QCOMPARE(choices(numberChoice),
             (QStringList{QStringLiteral(">"), QStringLiteral("<"), QStringLiteral(">="),
                          QStringLiteral("<="), QStringLiteral("=="), QStringLiteral("!=")}));
    QCOMPARE(numberChoice->currentText(), QStringLiteral(">"));
    QCOMPARE(number.dialog.windowTitle(), InterfaceLanguage::Instance().getTextById(2024));
}

void tst_ConstraintBuilder::pairsAreAddedAndRemoved()
{
    Dialog d(QVariant::Double);
    d.type(0, QStringLiteral("5"));
    const QString one = d.dialog.getConstraintBody();
    QCOMPARE(one, QStringLiteral("if((X > 5 )){flag = true;} else {flag = false;}"));
    // The first comparison cannot go.
    d.remove()->trigger();
    QCOMPARE(d.comparisons().size(), 1);
    d.add()->trigger();
    d.logic().at(0)->findChild<QComboBox *>()->setCurrentText(QStringLiteral("||"));
    d.comparisons().at(1)->findChild<QComboBox *>()->setCurrentText(QStringLiteral("<="));
    d.type(1, QStringLiteral("10"));
    QCOMPARE(d.dialog.getConstraintBody(),
             QStringLiteral("if((X > 5 )||(X <= 10 )){flag = true;} else {flag = false;}"));
    d.remove()->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(d.comparisons().size(), 1);
    QCOMPARE(d.logic().size(), 0);
    QCOMPARE(d.dialog.getConstraintBody(), one);
    for (int pair = 0; pair < 3; ++pair)
        d.add()->trigger();
    QCOMPARE(d.comparisons().size(), 4);
    QCOMPARE(d.logic().size(), 3);
    for (wLogicComparisonConstraint *row : d.logic())
        QCOMPARE(row->getLogicComparison(), QStringLiteral("&&"));
    d.dialog.enableBaseComparison(false);
    QVERIFY(!d.add()->isEnabled() && !d.remove()->isEnabled());
}

void tst_ConstraintBuilder::okNamesTheRowThatDoesNotRead()
{
    BoxRecorder boxes;
    Dialog d(QVariant::Double);
    d.add()->trigger();
    d.type(0, QStringLiteral("1"));
    d.type(1, QStringLiteral("3,5,1"));
    d.ok();
    QCOMPARE(boxes.texts(), QStringList{ErrorDictionary::Instance().getErrorById(10310).arg(2)});
    QCOMPARE(d.dialog.result(), int(QDialog::Rejected));
    QVERIFY(d.dialog.isVisible());
    QTest::keyClick(d.comparisons().at(1)->findChild<QLineEdit *>(), Qt::Key_Backspace);
    QTest::keyClick(d.comparisons().at(1)->findChild<QLineEdit *>(), Qt::Key_Backspace);
    d.ok();
    QCOMPARE(d.dialog.result(), int(QDialog::Accepted));
    QCOMPARE(d.dialog.getConstraintBody(),
             QStringLiteral("if((X > 1 )&&(X > 3.5 )){flag = true;} else {flag = false;}"));
}

QTEST_MAIN(tst_ConstraintBuilder)
#include "tst_constraintbuilder.moc"
