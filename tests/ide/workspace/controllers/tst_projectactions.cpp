#include "FileDialogAnswer.h"

#include "MessageBoxes.h"
#include "ModelGenerator.h"
#include "elements/ParameterModel.h"
#include "errors/ExceptionOstra.h"
#include "model/ModelManager.h"
#include "model/OstraModel.h"
#include "workspace/IDEDirector.h"
#include "workspace/builders/IDEBuilder.h"
#include "workspace/colleagues/WorkSpaceColleague.h"
#include "workspace/routing/CommandItem.h"
#include "workspace/controllers/ControllerActionProject.h"
#include "workspace/controllers/MainController.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A controller over an assembled workspace body, as the main window holds them.
struct Controller
{
    Controller() : controller(&director)
    {
        window.setLayout(director.Constructor(&window));
        MessageBoxes::setBoxHandler([this](QMessageBox &n_box) {
            ++boxes;
            return int(n_box.icon() == QMessageBox::Question ? answer : QMessageBox::Ok);
        });
    }
    ~Controller() { MessageBoxes::setBoxHandler({}); }
    ControllerActionProject &actions() { return *controller.projectActions(); }
    QSharedPointer<OstraModel> active() { return controller.getActiveModel(); }

    QWidget window;
    IDEDirector director;
    MainController controller;
    QMessageBox::StandardButton answer = QMessageBox::Discard;
    int boxes = 0;
};

QString attribute(const QString &n_path, const QString &n_element, const QString &n_name)
{
    QFile file(n_path);
    file.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(file.readAll());
    const QRegularExpression pattern(QStringLiteral("<") + n_element + QStringLiteral(" [^>]*")
                                     + n_name + QStringLiteral("=\"([^\"]*)\""));
    return pattern.match(text).captured(1);
}

} // namespace

// The project file actions and the controller's hand-over, without the main window.
class tst_ProjectActions : public QObject
{
    Q_OBJECT

private slots:
    void nothingOpenClosesQuietly();
    void createdModelTakesItsRootName();
    void openedModelKeepsItsName();
    void saveAsKeepsTheNewNameAfterAFailedWrite();
    void newModelWithErrorsStaysOpenWhenSavedAtClose();
    void closePromptSavesEveryTab_data();
    void closePromptSavesEveryTab();
};

void tst_ProjectActions::nothingOpenClosesQuietly()
{
    Controller c;
    QVERIFY(c.active().isNull());
    QVERIFY(c.controller.closeAllModel());
    QVERIFY(!c.controller.SaveModelAs());
    QVERIFY(!c.controller.Save());
    QCOMPARE(c.boxes, 0);
}

void tst_ProjectActions::createdModelTakesItsRootName()
{
    Controller c;
    QTemporaryDir folder;
    c.controller.CreateProject();
    const QSharedPointer<OstraModel> model = c.active();
    QCOMPARE(model->getShortName(), QStringLiteral("Model 1"));
    QCOMPARE(model->getDescription(), QStringLiteral("Model 1"));
    QCOMPARE(model->getId().size(), 38);
    model->getRootClass()->setShortName(QStringLiteral("Renamed"));
    FileDialogAnswer files({folder.filePath(QStringLiteral("new"))});
    QVERIFY(c.controller.Save());
    const QString path = folder.filePath(QStringLiteral("new.xml"));
    QCOMPARE(c.actions().currentFileName(), path);
    QCOMPARE(attribute(path, QStringLiteral("model"), QStringLiteral("shortName")),
             QStringLiteral("Renamed"));
    // Closing keeps the registry's last active model, as the registry does.
    QVERIFY(c.controller.closeAllModel());
    QCOMPARE(c.boxes, 1);
    QCOMPARE(c.active(), model);
    QVERIFY(c.actions().currentFileName().isEmpty());
}

void tst_ProjectActions::openedModelKeepsItsName()
{
    Controller c;
    QTemporaryDir folder;
    ModelGenerator::Options options;
    options.elements = 40;
    const ModelGenerator generator(options);
    const QString path = folder.filePath(QStringLiteral("opened.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(generator.currentFormat().toUtf8());
    file.close();
    const QString name = attribute(path, QStringLiteral("model"), QStringLiteral("shortName"));
    FileDialogAnswer files({path});
    QVERIFY(c.controller.LoadProject());
    QCOMPARE(c.actions().currentFileName(), path);
    c.active()->getRootClass()->setShortName(QStringLiteral("Renamed"));
    QVERIFY(c.controller.SaveAllModel());
    QCOMPARE(files.asked(), 1);
    QCOMPARE(attribute(path, QStringLiteral("model"), QStringLiteral("shortName")), name);
    QCOMPARE(attribute(path, QStringLiteral("class"), QStringLiteral("shortName")),
             QStringLiteral("Renamed"));
}

void tst_ProjectActions::saveAsKeepsTheNewNameAfterAFailedWrite()
{
    Controller c;
    QTemporaryDir folder;
    c.controller.CreateProject();
    const QString target = folder.filePath(QStringLiteral("missing/model.xml"));
    FileDialogAnswer files({target});
    bool raised = false;
    try {
        c.controller.SaveModelAs();
    } catch (const ExceptionOstra &) {
        raised = true;
    }
    QVERIFY(raised);
    QCOMPARE(c.actions().currentFileName(), target);
    QVERIFY(!c.active().isNull());
}

void tst_ProjectActions::newModelWithErrorsStaysOpenWhenSavedAtClose()
{
    Controller c;
    QTemporaryDir folder;
    c.controller.CreateProject();
    const QSharedPointer<OstraClass> root = c.active()->getRootClass();
    for (const QString &id : {QStringLiteral("p1"), QStringLiteral("p2")}) {
        const auto parameter = QSharedPointer<ParameterModel>::create();
        parameter->setId(id);
        parameter->setShortName(QStringLiteral("same"));
        parameter->setValueType(QVariant::Double);
        root->addParameter(parameter);
    }
    QVERIFY(root->checkClassIntegrity().areAnyErrors());
    // Offered for saving like any model; with no file yet the write refuses the class, the
    // refusal is shown, and the close is abandoned with the model still open.
    c.answer = QMessageBox::Save;
    FileDialogAnswer files({folder.filePath(QStringLiteral("dup.xml"))});
    QVERIFY(!c.controller.closeAllModel());
    QCOMPARE(c.boxes, 2);
    QCOMPARE(files.asked(), 1);
    QCOMPARE(c.active()->getRootClass(), root);
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("dup.xml"))));
    QCOMPARE(c.controller.modelManager()->getAllModels().size(), 1);
    // Discard closes it.
    c.answer = QMessageBox::Discard;
    QVERIFY(c.controller.closeAllModel());
    QVERIFY(c.controller.modelManager()->getAllModels().isEmpty());
}

void tst_ProjectActions::closePromptSavesEveryTab_data()
{
    QTest::addColumn<QString>("secondName");
    QTest::addColumn<bool>("closed");

    QTest::newRow("every page saves") << QStringLiteral("Second") << true;
    QTest::newRow("the first tab refuses") << QStringLiteral(" ") << false;
}

void tst_ProjectActions::closePromptSavesEveryTab()
{
    QFETCH(QString, secondName);
    QFETCH(bool, closed);

    Controller c;
    QTemporaryDir folder;
    ModelGenerator::Options options;
    options.elements = 40;
    const QString path = folder.filePath(QStringLiteral("model.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(ModelGenerator(options).currentFormat().toUtf8());
    file.close();
    FileDialogAnswer files({path});
    QVERIFY(c.controller.LoadProject());
    QStringList ids = c.active()->getRootClass()->getParametersHash().keys();
    std::sort(ids.begin(), ids.end());
    QVERIFY(ids.size() >= 2);

    // Two edited tabs; the second one is current when the model closes.
    QTabWidget *tabs = c.director.workSpaceBuilder()->getTabWidget();
    const QStringList names{secondName, QStringLiteral("First")};
    for (int index = 0; index < 2; ++index) {
        CommandItem open(UPDATE, PARAMETER_WINDOW, ids.at(index));
        c.director.workSpaceColleague()->execute(&open);
        auto *name = tabs->widget(index)->findChild<QLineEdit *>(QStringLiteral("leName"));
        name->selectAll();
        QTest::keyClicks(name, names.at(index));
    }
    const QByteArray before = [&] {
        QFile stored(path);
        stored.open(QIODevice::ReadOnly);
        return stored.readAll();
    }();
    c.answer = QMessageBox::Save;
    QCOMPARE(c.controller.closeAllModel(), closed);
    QFile stored(path);
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(stored.readAll());
    if (closed) {
        QVERIFY(c.controller.modelManager()->getAllModels().isEmpty());
        QVERIFY(written.contains(QStringLiteral("\"First\"")));
        QVERIFY(written.contains(QStringLiteral("\"Second\"")));
    } else {
        // Nothing written; the refusing tab is in front, still marked, the model still open.
        QCOMPARE(written.toUtf8(), before);
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(tabs->tabText(0).endsWith(QLatin1Char('*')));
        QCOMPARE(tabs->tabText(1), QStringLiteral("First"));
        QCOMPARE(c.controller.modelManager()->getAllModels().size(), 1);
    }
}

QTEST_MAIN(tst_ProjectActions)
#include "tst_projectactions.moc"
