#include "MessageBoxes.h"
#include "SlotGuard.h"
#include "errors/NoElementExceptionOstra.h"

#include <QMessageBox>
#include <QScreen>
#include <QtTest>

#include <stdexcept>

// What a user sees when a slot body fails: one critical box, plain text, the program goes on.
class tst_SlotGuard : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { MessageBoxes::setBoxHandler({}); }

    void failuresAreShownNotFatal_data();
    void failuresAreShownNotFatal();
    void bodyThatFinishesShowsNothing();
    void fitToHeight_data();
    void fitToHeight();
    void boxFitsTheScreen_data();
    void boxFitsTheScreen();
};

void tst_SlotGuard::failuresAreShownNotFatal_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expectedText");

    const NoElementExceptionOstra ostra(QStringLiteral("<b>x</b>"), QStringLiteral("Owner"),
                                        QStringLiteral("find()"), nullptr);
    QTest::newRow("model exception, rendered") << 0 << ostra.toString(true);
    QTest::newRow("standard exception") << 1 << QStringLiteral("bad <i>thing</i>");
    QTest::newRow("anything else") << 2 << QStringLiteral("Не пойманная ошибка.");
}

void tst_SlotGuard::failuresAreShownNotFatal()
{
    QFETCH(int, kind);
    QFETCH(QString, expectedText);

    QStringList titles, texts;
    QList<Qt::TextFormat> formats;
    QList<QMessageBox::Icon> icons;
    MessageBoxes::setBoxHandler([&](QMessageBox &box) {
        titles << box.windowTitle();
        texts << box.text();
        formats << box.textFormat();
        icons << box.icon();
        return int(QMessageBox::Ok);
    });

    const bool finished = SlotGuard::run([kind] {
        if (kind == 0)
            throw NoElementExceptionOstra(QStringLiteral("<b>x</b>"), QStringLiteral("Owner"),
                                          QStringLiteral("find()"), nullptr);
        if (kind == 1)
            throw std::runtime_error("bad <i>thing</i>");
        throw 42;
    });

    QVERIFY(!finished);
    QCOMPARE(texts, QStringList{expectedText});
    QCOMPARE(titles, QStringList{QStringLiteral("Ошибка")});
    QCOMPARE(formats.value(0), Qt::PlainText);
    QCOMPARE(icons.value(0), QMessageBox::Critical);
}

void tst_SlotGuard::bodyThatFinishesShowsNothing()
{
    int boxes = 0;
    MessageBoxes::setBoxHandler([&](QMessageBox &) { return ++boxes, int(QMessageBox::Ok); });
    int ran = 0;
    QVERIFY(SlotGuard::run([&] { ++ran; }));
    QCOMPARE(ran, 1);
    QCOMPARE(boxes, 0);
}

void tst_SlotGuard::fitToHeight_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("shown");
    QTest::newRow("fits") << "a\nb\nc" << 30 << "a\nb\nc";
    QTest::newRow("one line too many") << "a\nb\nc\nd" << 30 << "a\nb\n…";
    QTest::newRow("room for the mark only") << "a\nb" << 19 << "…";
    QTest::newRow("no room") << "a\nb" << 0 << "…";
}

void tst_SlotGuard::fitToHeight()
{
    QFETCH(QString, text);
    QFETCH(int, height);
    QFETCH(QString, shown);
    QCOMPARE(SlotGuard::fitToHeight(text, 10, height), shown);
}

void tst_SlotGuard::boxFitsTheScreen_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("shortened");
    QTest::newRow("short") << 3 << false;
    QTest::newRow("taller than the screen") << 2000 << true;
}

void tst_SlotGuard::boxFitsTheScreen()
{
    QFETCH(int, lines);
    QFETCH(bool, shortened);
    QStringList rows;
    for (int row = 0; row < lines; ++row)
        rows << QStringLiteral("Integrity error in row %1").arg(row);
    const QString text = rows.join(QLatin1Char('\n'));
    QString shown;
    int boxHeight = 0;
    MessageBoxes::setBoxHandler([&](QMessageBox &box) {
        shown = box.text();
        boxHeight = box.sizeHint().height();
        return int(QMessageBox::Ok);
    });
    // The whole text goes to the debug output.
    if (shortened)
        QTest::ignoreMessage(QtWarningMsg, qPrintable(text));
    SlotGuard::report(text);
    QVERIFY(boxHeight <= QGuiApplication::primaryScreen()->availableGeometry().height());
    if (!shortened) {
        QCOMPARE(shown, text);
        return;
    }
    QStringList shownRows = shown.split(QLatin1Char('\n'));
    QCOMPARE(shownRows.takeLast(), QStringLiteral("…"));
    QVERIFY(shownRows.size() > 1);
    QCOMPARE(shownRows, rows.mid(0, shownRows.size()));
}

QTEST_MAIN(tst_SlotGuard)
#include "tst_slotguard.moc"
