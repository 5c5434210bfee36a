#include "FileDialogAnswer.h"

#include "workspace/controllers/fileSystem.h"

#include <QFileDialog>
#include <QtTest>

// The save dialog's name rule: a name typed without an extension gets the filter's.
class tst_FileSystem : public QObject
{
    Q_OBJECT

private slots:
    void suffixRule_data();
    void suffixRule();
    void dialogOffersTheFirstFilterPart_data();
    void dialogOffersTheFirstFilterPart();
    void cancelGivesNullName();
};

void tst_FileSystem::suffixRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("result");
    QTest::newRow("bare name") << "/tmp/model"
                               << "XML file (*.xml)"
                               << "/tmp/model.xml";
    QTest::newRow("own suffix kept") << "/tmp/model.txt"
                                     << "XML file (*.xml)"
                                     << "/tmp/model.txt";
    QTest::newRow("bare pattern") << "/tmp/model"
                                  << "*.xml"
                                  << "/tmp/model.xml";
    QTest::newRow("all files adds nothing") << "/tmp/model"
                                            << "All (*)"
                                            << "/tmp/model";
    QTest::newRow("no filter adds nothing") << "/tmp/model"
                                            << ""
                                            << "/tmp/model";
    QTest::newRow("dot in folder only") << "/tmp/a.b/model"
                                        << "XML file (*.xml)"
                                        << "/tmp/a.b/model.xml";
    QTest::newRow("trailing dot has no suffix") << "/tmp/model."
                                                << "XML file (*.xml)"
                                                << "/tmp/model..xml";
    QTest::newRow("first pattern of several") << "/tmp/m"
                                              << "Models (*.xml *.old)"
                                              << "/tmp/m.xml";
    QTest::newRow("bare pattern with a description later") << "/tmp/m"
                                                           << "*.xml (x)"
                                                           << "/tmp/m";
}

void tst_FileSystem::suffixRule()
{
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QFETCH(QString, result);
    QCOMPARE(fileSystem::withFilterSuffix(name, filter), result);
}

void tst_FileSystem::dialogOffersTheFirstFilterPart_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("one part") << "XML file (*.xml)"
                              << "XML file (*.xml)"
                              << "model"
                              << "model.xml";
    QTest::newRow("several parts") << "XML file (*.xml);;All (*)"
                                   << "XML file (*.xml)"
                                   << "model"
                                   << "model.xml";
    QTest::newRow("all first") << "All (*);;XML file (*.xml)"
                               << "All (*)"
                               << "model"
                               << "model";
    QTest::newRow("typed suffix") << "XML file (*.xml)"
                                  << "XML file (*.xml)"
                                  << "model.txt"
                                  << "model.txt";
}

void tst_FileSystem::dialogOffersTheFirstFilterPart()
{
    QFETCH(QString, filter);
    QFETCH(QString, offered);
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QTemporaryDir folder;
    FileDialogAnswer files({folder.filePath(typed)});
    const QString chosen = fileSystem::Instance().showSaveFileDialog(
        nullptr, QStringLiteral("Save"), folder.path(), filter);
    QCOMPARE(files.filters(), QStringList{offered});
    QVERIFY(files.saving().at(0));
    QCOMPARE(chosen, folder.filePath(saved));
}

void tst_FileSystem::cancelGivesNullName()
{
    FileDialogAnswer files;
    QVERIFY(fileSystem::Instance()
                .showSaveFileDialog(nullptr, QStringLiteral("Save"), QString(),
                                    QStringLiteral("XML file (*.xml)"))
                .isNull());
    QCOMPARE(files.asked(), 1);
}

QTEST_MAIN(tst_FileSystem)
#include "tst_filesystem.moc"
