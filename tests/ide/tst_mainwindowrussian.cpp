#include "frmMainIDE.h"

#include <QAction>
#include <QApplication>
#include <QStatusBar>
#include <QTranslator>
#include <QtTest>

// The main window started on a Russian system: the locale is fixed before the application exists.
class tst_MainWindowRussian : public QObject
{
    Q_OBJECT

private slots:
    void russianLocaleKeepsTheLogo();
};

void tst_MainWindowRussian::russianLocaleKeepsTheLogo()
{
    QCOMPARE(QLocale::system().name(), QStringLiteral("ru_RU"));
    frmMainIDE window;
    QVERIFY(window.findChild<QAction *>(QStringLiteral("mRusLang"))->isChecked());
    QVERIFY(!window.findChild<QAction *>(QStringLiteral("mEngLang"))->isChecked());
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Язык изменен на ru"));
    // The toolkit's own texts are Russian too.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
    // The language action has no icon of its own: the program's logo stays.
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(!window.windowIcon().availableSizes().isEmpty());
}

int main(int argc, char *argv[])
{
    qputenv("LC_ALL", "ru_RU.UTF-8");
    qputenv("LANG", "ru_RU.UTF-8");
    QApplication application(argc, argv);
    tst_MainWindowRussian test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindowrussian.moc"
