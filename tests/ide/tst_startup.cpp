#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

// The program's start as a user meets it from a shell.
class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void withoutDisplayItSaysWhatIsMissing();
    void offscreenStartStaysUp();
    void displayThatDoesNotAnswerIsNamed_data();
    void displayThatDoesNotAnswerIsNamed();

private:
    static QString program()
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/../ide/TORVA");
    }
};

void tst_Startup::withoutDisplayItSaysWhatIsMissing()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program(), QStringList());
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY(process.exitCode() != 0);
    const QString said = QString::fromLocal8Bit(process.readAllStandardError());
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        QVERIFY2(said.contains(QLatin1String(name)), qPrintable(said));
}

void tst_Startup::offscreenStartStaysUp()
{
    // With a platform the program runs its event loop until it is told to end.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program(), QStringList());
    QVERIFY(process.waitForStarted(30000));
    QVERIFY(!process.waitForFinished(1500));
    process.terminate();
    QVERIFY(process.waitForFinished(30000));
}

void tst_Startup::displayThatDoesNotAnswerIsNamed_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("said");
    QTest::newRow("English") << "en_US.UTF-8"
                             << "Cannot open the display";
    QTest::newRow("Russian") << "ru_RU.UTF-8"
                             << "Не удалось открыть дисплей";
}

void tst_Startup::displayThatDoesNotAnswerIsNamed()
{
    QFETCH(QString, locale);
    QFETCH(QString, said);
    // An X display number that no server holds.
    int number = 4711;
    while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))
           || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
        ++number;
    const QString display = QStringLiteral(":%1").arg(number);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("DISPLAY"), display);
    for (const char *name : {"LC_ALL", "LANG"})
        environment.insert(QLatin1String(name), locale);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program(), QStringList());
    QVERIFY(process.waitForFinished(30000));
    // The program's own message and status, not the toolkit's abort.
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 2);
    const QString text = QString::fromUtf8(process.readAllStandardError());
    const QStringList parts{said, QStringLiteral("\"%1\"").arg(display), QStringLiteral("xcb"),
                            QStringLiteral("xvfb-run"),
                            QStringLiteral("QT_QPA_PLATFORM=offscreen")};
    for (const QString &part : parts)
        QVERIFY2(text.contains(part), qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("Reinstalling")), qPrintable(text));
}

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_startup.moc"
