#include "WidgetAreas/mathTezaurus.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The thesaurus reader on the embedded resource and on files of its own.
class tst_MathTezaurus : public QObject
{
    Q_OBJECT

private slots:
    void embeddedThesaurus_data();
    void embeddedThesaurus();
    void sameLabelDifferentNames();
    void missingFileGivesEmptyHashes();
    void shortLinesAreSkipped();
    void otherLanguageIsEmpty();
};

void tst_MathTezaurus::embeddedThesaurus_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("ninth");
    QTest::addColumn<QString>("last");

    QTest::newRow("russian math") << 0 << "math" << QStringLiteral("c=a+b~Сложение")
                                  << QStringLiteral("Math.pow(a,1/n)/b~Иррациональные дроби")
                                  << QStringLiteral("==~Логическое СРАВНЕНИЕ");
    QTest::newRow("russian prog") << 0 << "prog" << QStringLiteral("c=a+b~Сложение")
                                  << QStringLiteral(
                                         "var a,n,b;y=Math.pow(a,1/n)/b~Иррациональные дроби")
                                  << QStringLiteral("==~Логическое СРАВНЕНИЕ");
    QTest::newRow("english math") << 1 << "math" << QStringLiteral("c=a+b~Addition")
                                  << QStringLiteral("Math.pow(a,1/n)/b~Irrational fraction")
                                  << QStringLiteral("==~Logical comparison");
    QTest::newRow("english prog") << 1 << "prog" << QStringLiteral("c=a+b~Addition")
                                  << QStringLiteral(
                                         "var a,n,b;y=Math.pow(a,1/n)/b~Irrational fraction")
                                  << QStringLiteral("==~Logical comparison");
}

void tst_MathTezaurus::embeddedThesaurus()
{
    QFETCH(int, lang);
    QFETCH(QString, key);
    QFETCH(QString, first);
    QFETCH(QString, ninth);
    QFETCH(QString, last);

    QFile file(QStringLiteral(":/tezaurus/tezaurus"));
    mathTezaurus tezaurus;
    tezaurus.readTezaurus(file);
    const QHash<QString, QList<QString>> hash = tezaurus.getTezaurusByLang(
        mathTezaurus::lang(lang));
    QCOMPARE(hash.size(), 2);
    const QList<QString> entries = hash.value(key);
    QCOMPARE(entries.size(), 28);
    QCOMPARE(entries.first(), first);
    QCOMPARE(entries.at(8), ninth);
    QCOMPARE(entries.last(), last);
    // No line feed reaches an entry.
    for (const QString &entry : entries)
        QVERIFY2(!entry.contains(QLatin1Char('\n')) && entry.count(QLatin1Char('~')) == 1,
                 qPrintable(entry));
}

void tst_MathTezaurus::sameLabelDifferentNames()
{
    QFile file(QStringLiteral(":/tezaurus/tezaurus"));
    mathTezaurus tezaurus;
    tezaurus.readTezaurus(file);
    const QList<QString> math =
        tezaurus.getTezaurusByLang(mathTezaurus::ENGLISH).value(QStringLiteral("math"));
    QCOMPARE(math.at(22), QStringLiteral("-~If-then-else clause"));
    QCOMPARE(math.at(23), QStringLiteral("-~For loop"));
}

void tst_MathTezaurus::missingFileGivesEmptyHashes()
{
    QTemporaryDir dir;
    QFile file(dir.path() + QStringLiteral("/missing/tezaurus"));
    mathTezaurus tezaurus;
    tezaurus.readTezaurus(file);
    QVERIFY(tezaurus.getTezaurusByLang(mathTezaurus::RUSSIAN).isEmpty());
    QVERIFY(tezaurus.getTezaurusByLang(mathTezaurus::ENGLISH).isEmpty());
}

void tst_MathTezaurus::shortLinesAreSkipped()
{
    QTemporaryDir dir;
    QFile file(dir.path() + QStringLiteral("/tezaurus"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("a~b~c\n\nx~y~Икс~Ex~\nlast~t~р~e");
    file.close();
    mathTezaurus tezaurus;
    tezaurus.readTezaurus(file);
    QCOMPARE(tezaurus.getTezaurusByLang(mathTezaurus::RUSSIAN).value(QStringLiteral("math")),
             (QList<QString>{QStringLiteral("x~Икс"), QStringLiteral("last~р")}));
    QCOMPARE(tezaurus.getTezaurusByLang(mathTezaurus::ENGLISH).value(QStringLiteral("prog")),
             (QList<QString>{QStringLiteral("y~Ex"), QStringLiteral("t~e")}));
}

void tst_MathTezaurus::otherLanguageIsEmpty()
{
    QFile file(QStringLiteral(":/tezaurus/tezaurus"));
    mathTezaurus tezaurus;
    tezaurus.readTezaurus(file);
    QVERIFY(tezaurus.getTezaurusByLang(mathTezaurus::lang(2)).isEmpty());
    QVERIFY(tezaurus.getTezaurusByLang(mathTezaurus::lang(-1)).isEmpty());
}

QTEST_GUILESS_MAIN(tst_MathTezaurus)
#include "tst_mathtezaurus.moc"
