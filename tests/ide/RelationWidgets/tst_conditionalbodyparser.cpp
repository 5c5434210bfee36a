#include "RelationWidgets/ConditionalBodyParser.h"

#include <QtTest>

// Splitting stored IF-THEN-ELSE and constraint bodies into the page's three fields.
class tst_ConditionalBodyParser : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
};

void tst_ConditionalBodyParser::parse_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("thenPart");
    QTest::addColumn<QString>("elsePart");

    QTest::newRow("own layout") << "if (x > 0) {y = 1;} else {y = 2;}"
                                << "x > 0"
                                << "y = 1"
                                << "y = 2";
    QTest::newRow("own layout, nested parentheses")
        << "if ((a > 1) && (b < 2)) {y = Math.max(a, b);} else {y = 0;}"
        << "(a > 1) && (b < 2)"
        << "y = Math.max(a, b)"
        << "y = 0";
    QTest::newRow("constraint from the analyser")
        << "if (x >= 10) {flag = true;} else {flag = false;}"
        << "x >= 10"
        << "flag = true"
        << "flag = false";
    // The constraint builder's layout keeps its whole condition.
    QTest::newRow("builder layout") << "if((x > 1) && (x < 5)){flag = true;} else {flag = false;}"
                                    << "(x > 1) && (x < 5)"
                                    << "flag = true"
                                    << "flag = false";
    QTest::newRow("builder layout, quoted bracket")
        << "if(s == \")\" || s == '(' ){flag = true;} else {flag = false;}"
        << "s == \")\" || s == '(' "
        << "flag = true"
        << "flag = false";
    // Unbalanced: read by the offsets, which never fail.
    QTest::newRow("builder layout, unbalanced") << "if((x > 1){flag = true;} else {flag = false;}"
                                                << "(x > "
                                                << "flag = true"
                                                << "flag = false";
    QTest::newRow("no brackets") << "abc"
                                 << "abc"
                                 << "ab"
                                 << "ab";
    QTest::newRow("empty") << ""
                           << ""
                           << ""
                           << "";
}

void tst_ConditionalBodyParser::parse()
{
    QFETCH(QString, body);
    QFETCH(QString, condition);
    QFETCH(QString, thenPart);
    QFETCH(QString, elsePart);

    const ConditionalBodyParser::Parts parts = ConditionalBodyParser::parse(body);
    QCOMPARE(parts.condition, condition);
    QCOMPARE(parts.thenPart, thenPart);
    QCOMPARE(parts.elsePart, elsePart);
}

QTEST_GUILESS_MAIN(tst_ConditionalBodyParser)
#include "tst_conditionalbodyparser.moc"
