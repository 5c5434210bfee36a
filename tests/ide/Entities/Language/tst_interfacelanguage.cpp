#include "../../TextTables.h"

#include "Entities/Language/InterfaceLanguage.h"

#include <QSet>
#include <QtTest>

class tst_InterfaceLanguage : public QObject
{
    Q_OBJECT

private slots:
    void rangeBases();
    void everyKeyInEveryLanguage_data();
    void everyKeyInEveryLanguage();
    void keysWithoutEntryGiveNullText();
    void equalTextsStaySeparateEntries();
    void mainTitle_data();
    void mainTitle();
    void translatesAgainOnlyAfterTranslatorsChange();
};

void tst_InterfaceLanguage::rangeBases()
{
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    QCOMPARE(texts.getBaseInterfaceBeginKey(), 0);
    QCOMPARE(texts.getMainInterfaceBeginKey(), 1000);
    QCOMPARE(texts.getParameterBeginKey(), 2000);
    QCOMPARE(texts.getRelationBeginKey(), 3000);
    QCOMPARE(texts.getRuleBeginKey(), 4000);
    QCOMPARE(texts.getErrorBeginKey(), 5000);
    QCOMPARE(texts.getContainerRelationBeginKey(), 6000);
    QCOMPARE(texts.getContainerProjectBeginKey(), 7000);
    QCOMPARE(texts.getFileDialogBeginKey(), 8000);
    QCOMPARE(texts.getInformationMessageBoxBeginKey(), 9000);
    QCOMPARE(texts.getOstraTestBeginKey(), 10000);
    QCOMPARE(texts.getConditionalRelationBeginKey(), 11000);
    QCOMPARE(texts.getErrorAreaBeginKey(), 12000);
    QCOMPARE(texts.getAboutDialogBeginKey(), 13000);
    QCOMPARE(texts.getEditModelDialog(), 14000);
    QCOMPARE(texts.getProgramVersion(), 15000);
}

void tst_InterfaceLanguage::everyKeyInEveryLanguage_data()
{
    QTest::addColumn<Catalogue>("catalogue");
    QTest::newRow("no catalogue") << Catalogue::None;
    QTest::newRow("IDE_eng") << Catalogue::English;
    QTest::newRow("IDE_ru") << Catalogue::Russian;
}

void tst_InterfaceLanguage::everyKeyInEveryLanguage()
{
    QFETCH(Catalogue, catalogue);
    InstalledCatalogue installed(catalogue);
    QVERIFY(catalogue == Catalogue::None || installed.isLoaded());

    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    QSet<int> expectedKeys;
    for (const ExpectedText &text : expectedInterfaceTexts()) {
        expectedKeys.insert(text.key);
        QVERIFY2(texts.getTextById(text.key) == expectedText(text, catalogue),
                 qPrintable(
                     QStringLiteral("key %1: %2").arg(text.key).arg(texts.getTextById(text.key))));
    }
    QCOMPARE(expectedKeys.size(), 148);
    for (int key = -10; key < 20000; ++key)
        if (!expectedKeys.contains(key))
            QVERIFY2(texts.getTextById(key).isEmpty(), qPrintable(QString::number(key)));
}

void tst_InterfaceLanguage::keysWithoutEntryGiveNullText()
{
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    for (int key : {0, 1000, 15000, 1025, 8001, 10082, 16001})
        QVERIFY2(texts.getTextById(key).isNull(), qPrintable(QString::number(key)));
}

void tst_InterfaceLanguage::equalTextsStaySeparateEntries()
{
    InstalledCatalogue english(Catalogue::English);
    QVERIFY(english.isLoaded());
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    for (int key : {4, 4011, 5020, 12020})
        QCOMPARE(texts.getTextById(key), QStringLiteral("Clear"));
    for (int key : {2005, 3005, 6008})
        QCOMPARE(texts.getTextById(key), QStringLiteral("Constraints"));
    QCOMPARE(texts.getTextById(1001), QStringLiteral("File"));
    QCOMPARE(texts.getTextById(11030), QStringLiteral("IF"));
    QCOMPARE(texts.getTextById(10081), QStringLiteral("Отношение:"));
}

void tst_InterfaceLanguage::mainTitle_data()
{
    QTest::addColumn<Catalogue>("catalogue");
    QTest::newRow("no catalogue") << Catalogue::None;
    QTest::newRow("IDE_eng") << Catalogue::English;
    QTest::newRow("IDE_ru") << Catalogue::Russian;
}

void tst_InterfaceLanguage::mainTitle()
{
    // The application name has no English text: the title reads the same in every language.
    QFETCH(Catalogue, catalogue);
    InstalledCatalogue installed(catalogue);
    QCOMPARE(getMainTitle(false), QStringLiteral("ТОРВА"));
    QCOMPARE(getMainTitle(true), QStringLiteral("ТОРВА 2.1"));
}

void tst_InterfaceLanguage::translatesAgainOnlyAfterTranslatorsChange()
{
    InterfaceLanguage::Instance();
    CountingTranslator counting;
    QVERIFY(QCoreApplication::installTranslator(&counting));

    InterfaceLanguage::Instance();
    const int oneFill = counting.calls();
    QCOMPARE(oneFill, 148);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(InterfaceLanguage::Instance().getTextById(1001), QStringLiteral("Файл"));
    getMainTitle(true);
    QCOMPARE(counting.calls(), oneFill);

    QCoreApplication::removeTranslator(&counting);
    {
        InstalledCatalogue english(Catalogue::English);
        QCOMPARE(InterfaceLanguage::Instance().getTextById(1001), QStringLiteral("File"));
    }
    QCOMPARE(InterfaceLanguage::Instance().getTextById(1001), QStringLiteral("Файл"));
    QCOMPARE(counting.calls(), oneFill);
}

QTEST_MAIN(tst_InterfaceLanguage)
#include "tst_interfacelanguage.moc"
