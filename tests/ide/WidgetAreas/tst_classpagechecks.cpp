#include "ModelFixtures.h"

#include "WidgetAreas/ClassPageChecks.h"
#include "model/OstraModel.h"

#include <QtTest>

// The class page's checks before a write, without a page.
class tst_ClassPageChecks : public QObject
{
    Q_OBJECT

private slots:
    void emptyName_data();
    void emptyName();
    void nameTaken_data();
    void nameTaken();
};

void tst_ClassPageChecks::emptyName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("empty");
    QTest::newRow("nothing") << QString() << true;
    QTest::newRow("blanks and a tab") << QStringLiteral("  \t ") << true;
    QTest::newRow("a name") << QStringLiteral("Pump") << false;
    QTest::newRow("a name among blanks") << QStringLiteral(" Pump ") << false;
}

void tst_ClassPageChecks::emptyName()
{
    QFETCH(QString, name);
    QFETCH(bool, empty);
    QCOMPARE(ClassPageChecks::emptyName(name), empty);
}

void tst_ClassPageChecks::nameTaken_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("except");
    QTest::addColumn<bool>("taken");
    QTest::newRow("a sibling's name, new class") << "Pump" << QString() << true;
    QTest::newRow("its own name") << "Pump"
                                  << "pump" << false;
    QTest::newRow("another sibling's name") << "Valve"
                                            << "pump" << true;
    QTest::newRow("a free name") << "Tank" << QString() << false;
    QTest::newRow("names compare exactly") << "pump" << QString() << false;
    QTest::newRow("blanks count") << "Pump " << QString() << false;
    QTest::newRow("a grandchild's name is no sibling's") << "Seal" << QString() << false;
}

void tst_ClassPageChecks::nameTaken()
{
    QFETCH(QString, name);
    QFETCH(QString, except);
    QFETCH(bool, taken);

    OstraModel model;
    const ClassPtr root = model.getRootClass();
    const ClassPtr pump = makeClass(QStringLiteral("pump"), model.getRelationsStorage(),
                                    QStringLiteral("Pump"));
    root->addClass(pump);
    root->addClass(
        makeClass(QStringLiteral("valve"), model.getRelationsStorage(), QStringLiteral("Valve")));
    pump->addClass(
        makeClass(QStringLiteral("seal"), model.getRelationsStorage(), QStringLiteral("Seal")));
    QCOMPARE(ClassPageChecks::nameTaken(*root, name, except), taken);
}

QTEST_MAIN(tst_ClassPageChecks)
#include "tst_classpagechecks.moc"
