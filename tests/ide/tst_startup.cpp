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

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_startup.moc"
