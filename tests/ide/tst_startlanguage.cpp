#include "frmMainIDE.h"

#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStatusBar>
#include <QtTest>

#include <cstdio>

// The language the main window starts in follows the system locale. The locale is read once per
// process, so each locale runs in a child process of this test that prints what its window shows.
class tst_StartLanguage : public QObject
{
    Q_OBJECT

private slots:
    void windowStartsInTheLocalesLanguage_data();
    void windowStartsInTheLocalesLanguage();
};

namespace {

const char PROBE[] = "TORVA_START_LANGUAGE_PROBE";

// The child: one window, its checked language action, status line and a form text that is
// English in the source.
int probe(int argc, char *argv[])
{
    QApplication application(argc, argv);
    frmMainIDE window;
    QStringList seen;
    for (const char *name : {"mRusLang", "mEngLang"}) {
        if (window.findChild<QAction *>(QLatin1String(name))->isChecked())
            seen << QLatin1String(name);
    }
    seen << window.statusBar()->currentMessage()
         << QCoreApplication::translate("wClassTestArea", "Find");
    std::fputs(seen.join(QLatin1Char('\n')).toUtf8().constData(), stdout);
    return 0;
}

} // namespace

void tst_StartLanguage::windowStartsInTheLocalesLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("seen");
    const QStringList english{QStringLiteral("mEngLang"),
                              QStringLiteral("Current language changed toeng"),
                              QStringLiteral("Find")};
    const QStringList russian{QStringLiteral("mRusLang"), QStringLiteral("Язык изменен на ru"),
                              QStringLiteral("Найти")};
    QTest::newRow("en_US") << "en_US.UTF-8" << english;
    QTest::newRow("en_GB") << "en_GB.UTF-8" << english;
    QTest::newRow("ru_RU") << "ru_RU.UTF-8" << russian;
    // Neither English nor Russian: the Russian interface whole, not a mix of source texts.
    QTest::newRow("C") << "C.UTF-8" << russian;
    QTest::newRow("de_DE") << "de_DE.UTF-8" << russian;
}

void tst_StartLanguage::windowStartsInTheLocalesLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, seen);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(PROBE), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const QString &name : {QStringLiteral("LC_ALL"), QStringLiteral("LANG")})
        environment.insert(name, locale);
    environment.remove(QStringLiteral("LC_MESSAGES"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n')), seen);
}

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsEmpty(PROBE))
        return probe(argc, argv);
    QCoreApplication application(argc, argv);
    tst_StartLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startlanguage.moc"
