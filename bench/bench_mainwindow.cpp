// Project file actions on a generated model of about 10^5 elements, each figure the median of
// interleaved pairs (A B A B ...) with the spread (min, max) of the pair ratios:
// - open: MainController::LoadProject (the file dialog answered in the user's place, the trees
//   filled by the hand-over), against ModelManager::loadModel alone plus filling a bare
//   QStandardItemModel twice with the same tree items; the goal is a ratio of at most 1;
// - close: closeAllModel answered with Discard, reported beside deleting the model alone.
// Prints `name: value` lines.

#include "MessageBoxes.h"
#include "ModelGenerator.h"
#include "PairedRatio.h"
#include "PlainTrees.h"
#include "model/ModelManager.h"
#include "model/OstraModel.h"
#include "workspace/IDEDirector.h"
#include "workspace/controllers/MainController.h"
#include "model/MemoryTuning.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGridLayout>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <memory>
#include <vector>

namespace {

const int PAIRS = 5;

double millis(const std::function<void()> &n_run)
{
    malloc_trim(0);
    QElapsedTimer timer;
    timer.start();
    n_run();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    // As the program does: the allocator set for large models.
    MemoryTuning::apply();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    ModelGenerator::Options options;
    options.elements = 100000;
    const ModelGenerator generator(options);
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("model.xml")));
    file.open(QIODevice::WriteOnly);
    file.write(generator.currentFormat().toUtf8());
    file.close();

    MessageBoxes::setDialogHandler([&file](QDialog &n_dialog) {
        qobject_cast<QFileDialog *>(&n_dialog)->selectFile(file.fileName());
        return int(QDialog::Accepted);
    });
    MessageBoxes::setBoxHandler([](QMessageBox &) { return int(QMessageBox::Discard); });

    QWidget window;
    auto *director = new IDEDirector();
    MainController controller(director);
    auto *layout = new QGridLayout(&window);
    layout->addLayout(director->Constructor(&window), 0, 0);

    std::vector<double> open, openPlain, close, closePlain;
    for (int pair = 0; pair < PAIRS; ++pair) {
        open.push_back(millis([&] { controller.LoadProject(); }));
        close.push_back(millis([&] { controller.closeAllModel(); }));
        auto manager = std::make_unique<ModelManager>();
        double plain = millis([&] { manager->loadModel(file); });
        const OstraClass &root = *manager->getActiveModel()->getRootClass();
        plain += millis([&] {
            PlainTrees::fill(root, false);
            PlainTrees::fill(root, false);
        });
        openPlain.push_back(plain);
        // The registry keeps its last active model: the model goes only with the registry.
        closePlain.push_back(millis([&] {
            manager->deleteModel(manager->getActiveModel());
            manager.reset();
        }));
    }
    printAgainstBaseline("open", ratioOfPairs(open, openPlain));
    printAgainstBaseline("close_discard", ratioOfPairs(close, closePlain));
    controller.setDirector(nullptr);
    delete director;
    MessageBoxes::setBoxHandler({});
    MessageBoxes::setDialogHandler({});
    return 0;
}
