#include "../TextTables.h"

#include "Errors/ErrorDictionary.h"

#include <QSet>
#include <QtTest>

class tst_ErrorDictionary : public QObject
{
    Q_OBJECT

private slots:
    void rangeBasesAndOffsets();
    void everyKeyInEveryLanguage_data();
    void everyKeyInEveryLanguage();
    void keysWithoutEntryGiveNullText();
    void textFetchedEarlierKeepsItsLanguage();
    void translatesAgainOnlyAfterTranslatorsChange();
};

void tst_ErrorDictionary::rangeBasesAndOffsets()
{
    const ErrorDictionary &errors = ErrorDictionary::Instance();
    QCOMPARE(errors.getOstraCoreBeginKey(), 0);
    QCOMPARE(errors.getOstraIntegrityBeginKey(), 1000);
    QCOMPARE(errors.getOstraIDEBeginKey(), 10000);
    QCOMPARE(ErrorDictionary::ERROR_IDE_NO_INPUTS, 270);
    QCOMPARE(ErrorDictionary::ERROR_IDE_NO_OUTPUTS, 280);
    // The message-box title of the whole environment.
    QCOMPARE(errors.getErrorById(errors.getOstraIDEBeginKey() + 1), QStringLiteral("Ошибка"));
}

void tst_ErrorDictionary::everyKeyInEveryLanguage_data()
{
    QTest::addColumn<Catalogue>("catalogue");
    QTest::newRow("no catalogue") << Catalogue::None;
    QTest::newRow("IDE_eng") << Catalogue::English;
    QTest::newRow("IDE_ru") << Catalogue::Russian;
}

void tst_ErrorDictionary::everyKeyInEveryLanguage()
{
    QFETCH(Catalogue, catalogue);
    InstalledCatalogue installed(catalogue);
    QVERIFY(catalogue == Catalogue::None || installed.isLoaded());

    const ErrorDictionary &errors = ErrorDictionary::Instance();
    QSet<int> expectedKeys;
    for (const ExpectedText &text : expectedErrorTexts()) {
        expectedKeys.insert(text.key);
        QVERIFY2(
            errors.getErrorById(text.key) == expectedText(text, catalogue),
            qPrintable(
                QStringLiteral("key %1: %2").arg(text.key).arg(errors.getErrorById(text.key))));
    }
    // Each key of the table once.
    QCOMPARE(expectedKeys.size(), int(expectedErrorTexts().size()));
    // No key outside the tables holds a text.
    for (int key = -10; key < 20000; ++key)
        if (!expectedKeys.contains(key))
            QVERIFY2(errors.getErrorById(key).isEmpty(), qPrintable(QString::number(key)));
}

void tst_ErrorDictionary::keysWithoutEntryGiveNullText()
{
    const ErrorDictionary &errors = ErrorDictionary::Instance();
    for (int key : {10000, 1027, 1000, 500, 540, 1030, 10281, -1})
        QVERIFY2(errors.getErrorById(key).isNull(), qPrintable(QString::number(key)));
}

void tst_ErrorDictionary::textFetchedEarlierKeepsItsLanguage()
{
    const QString before = ErrorDictionary::Instance().getErrorById(0);
    QCOMPARE(before, QStringLiteral("Отсутствует код ошибки."));
    {
        InstalledCatalogue english(Catalogue::English);
        QVERIFY(english.isLoaded());
        QCOMPARE(before, QStringLiteral("Отсутствует код ошибки."));
        QCOMPARE(ErrorDictionary::Instance().getErrorById(0),
                 QStringLiteral("Unknown error code."));
        QCOMPARE(ErrorDictionary::Instance().getErrorById(10151),
                 QStringLiteral("Множества входных и выходных параметров не должны пересекаться!"));
    }
    // Removing the catalogue is a language change too.
    QCOMPARE(ErrorDictionary::Instance().getErrorById(0),
             QStringLiteral("Отсутствует код ошибки."));
}

void tst_ErrorDictionary::translatesAgainOnlyAfterTranslatorsChange()
{
    ErrorDictionary::Instance();
    CountingTranslator counting;
    QVERIFY(QCoreApplication::installTranslator(&counting));

    ErrorDictionary::Instance();
    const int oneFill = counting.calls();
    // Each text of the table translated once.
    QCOMPARE(oneFill, int(expectedErrorTexts().size()));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(ErrorDictionary::Instance().getErrorById(0),
                 QStringLiteral("Отсутствует код ошибки."));
    QCOMPARE(counting.calls(), oneFill);

    // Any further change of the translators makes the next access translate once more.
    CountingTranslator second;
    QVERIFY(QCoreApplication::installTranslator(&second));
    ErrorDictionary::Instance();
    ErrorDictionary::Instance();
    QCOMPARE(counting.calls(), 2 * oneFill);
    QCOMPARE(second.calls(), oneFill);

    QCoreApplication::removeTranslator(&second);
    QCoreApplication::removeTranslator(&counting);
}

QTEST_MAIN(tst_ErrorDictionary)
#include "tst_errordictionary.moc"
