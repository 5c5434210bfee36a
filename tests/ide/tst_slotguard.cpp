#include "MessageBoxes.h"
#include "SlotGuard.h"
#include "errors/NoElementExceptionOstra.h"

#include <QMessageBox>
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

QTEST_MAIN(tst_SlotGuard)
#include "tst_slotguard.moc"
