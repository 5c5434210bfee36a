#include "PrimitiveWidgets/widgetLineEditWithUIDMember.h"

#include <QLineEdit>
#include <QLocale>
#include <QtTest>

namespace {
QColor textColor(widgetLineEditWithUIDMember &n_field)
{
    return n_field.findChild<QLineEdit *>()->palette().color(QPalette::Text);
}

void typeInto(widgetLineEditWithUIDMember &n_field, const QString &n_text)
{
    QLineEdit *edit = n_field.findChild<QLineEdit *>();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, n_text);
}
} // namespace

class tst_WidgetLineEditWithUIDMember : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void defaultValue();
    void resultAndPrevious();
    void secondResultKeepsTheUsersInput();
    void numberTexts_data();
    void numberTexts();
    void typingOverAResult();
    void checkType_data();
    void checkType();
    void placeholders();
};

void tst_WidgetLineEditWithUIDMember::defaultValue()
{
    widgetLineEditWithUIDMember field;
    field.setAllowedType(QVariant::Double);
    field.setDefaultValue(QStringLiteral("3"));
    QCOMPARE(field.getText(), QStringLiteral("3"));
    QCOMPARE(textColor(field), QColor(Qt::blue));
    QCOMPARE(field.getPreviousValue(), QString());
    QVERIFY(!field.getResultFlag());
    // An empty default changes nothing.
    field.setDefaultValue(QString());
    QCOMPARE(field.getText(), QStringLiteral("3"));
    QCOMPARE(textColor(field), QColor(Qt::blue));
    typeInto(field, QStringLiteral("7"));
    QVERIFY(field.isChanged());
    field.setDefaultValue(QString());
    QCOMPARE(field.getText(), QStringLiteral("7"));
}

void tst_WidgetLineEditWithUIDMember::resultAndPrevious()
{
    widgetLineEditWithUIDMember field;
    field.setAllowedType(QVariant::Double);
    typeInto(field, QStringLiteral("1"));
    field.setResultValue(QStringLiteral("2.5"));
    QCOMPARE(field.getText(), QStringLiteral("2.5"));
    QCOMPARE(textColor(field), QColor(Qt::red));
    QVERIFY(field.getResultFlag());
    field.setPreviousValue();
    QCOMPARE(field.getText(), QStringLiteral("1"));
    QCOMPARE(textColor(field), QColor(Qt::black));
    QVERIFY(!field.getResultFlag());
}

void tst_WidgetLineEditWithUIDMember::secondResultKeepsTheUsersInput()
{
    widgetLineEditWithUIDMember field;
    field.setAllowedType(QVariant::Double);
    typeInto(field, QStringLiteral("1"));
    field.setResultValue(QStringLiteral("2"));
    field.setResultValue(QStringLiteral("3"));
    QCOMPARE(field.getPreviousValue(), QStringLiteral("1"));
    field.setPreviousValue();
    QCOMPARE(field.getText(), QStringLiteral("1"));
    QCOMPARE(textColor(field), QColor(Qt::black));
}

void tst_WidgetLineEditWithUIDMember::numberTexts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("value");
    QTest::newRow("comma under ru") << "ru_RU"
                                    << "1,5"
                                    << "1.5";
    QTest::newRow("point under C") << "C"
                                   << "1.5"
                                   << "1.5";
    QTest::newRow("minus alone") << "C"
                                 << "-"
                                 << "-";
}

void tst_WidgetLineEditWithUIDMember::numberTexts()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, value);
    QLocale::setDefault(QLocale(locale));
    widgetLineEditWithUIDMember field;
    field.setAllowedType(QVariant::Double);
    typeInto(field, typed);
    QCOMPARE(field.getText(), typed);
    QCOMPARE(field.getValue(), value);
    // A previous value is read with a point, and shown so once brought back.
    field.setResultValue(QStringLiteral("9"));
    QCOMPARE(field.getPreviousValue(), value);
    field.setPreviousValue();
    QCOMPARE(field.getText(), value);
}

void tst_WidgetLineEditWithUIDMember::typingOverAResult()
{
    widgetLineEditWithUIDMember field;
    field.setAllowedType(QVariant::Double);
    field.setResultValue(QStringLiteral("4"));
    QLineEdit *edit = field.findChild<QLineEdit *>();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, QStringLiteral("2"));
    QCOMPARE(textColor(field), QColor(Qt::red));
    QVERIFY(!field.getResultFlag());
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(textColor(field), QColor(Qt::black));
    QVERIFY(field.isEmpty());
    // Blanks only count as empty.
    field.setValue(QStringLiteral("   "));
    QVERIFY(field.isEmpty());
    field.clearContents();
    QVERIFY(!field.getResultFlag());
}

void tst_WidgetLineEditWithUIDMember::checkType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("passes");
    const int number = QVariant::Double;
    QTest::newRow("empty") << number << "" << true;
    QTest::newRow("zero") << number << "0" << true;
    QTest::newRow("two") << number << "2" << true;
    QTest::newRow("comma") << number << "1,5" << true;
    QTest::newRow("zero comma") << number << "0,0" << false;
    QTest::newRow("zero point") << number << "0.0" << false;
    QTest::newRow("letters") << number << "x" << false;
    QTest::newRow("text field") << int(QVariant::String) << "x" << true;
}

void tst_WidgetLineEditWithUIDMember::checkType()
{
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(bool, passes);
    widgetLineEditWithUIDMember field;
    field.setAllowedType(QVariant::Type(type));
    field.setValue(text);
    QCOMPARE(field.checkType(), passes);
}

void tst_WidgetLineEditWithUIDMember::placeholders()
{
    widgetLineEditWithUIDMember field;
    field.setAllowedType(QVariant::Double);
    QLineEdit *edit = field.findChild<QLineEdit *>();
    QCOMPARE(edit->placeholderText(), QStringLiteral("Число"));
    QVERIFY(edit->validator());
    // The validator refuses letters in a number field; a text field takes them.
    QTest::keyClicks(edit, QStringLiteral("ab"));
    QCOMPARE(edit->text(), QString());
    field.setAllowedType(QVariant::String);
    QCOMPARE(edit->placeholderText(), QStringLiteral("Текст"));
    QTest::keyClicks(edit, QStringLiteral("ab"));
    QCOMPARE(edit->text(), QStringLiteral("ab"));
}

QTEST_MAIN(tst_WidgetLineEditWithUIDMember)
#include "tst_widgetlineeditwithuidmember.moc"
