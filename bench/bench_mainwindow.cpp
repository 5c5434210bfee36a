// Project file actions on a generated model of about 10^5 elements, each figure the median of
// interleaved pairs (A B A B ...) with the spread (min, max) of the pair ratios:
// - open: MainController::LoadProject (the file dialog answered in the user's place, the trees
//   filled by the hand-over), against ModelManager::loadModel alone plus filling a bare
//   QStandardItemModel twice with the same tree items; the goal is a ratio of at most 1;
// - close: closeAllModel answered with Discard, reported beside deleting the model alone.
// Prints `name: value` lines.

#include "MessageBoxes.h"
#include "ModelGenerator.h"
#include "model/ModelManager.h"
#include "model/OstraModel.h"
#include "workspace/IDEDirector.h"
#include "workspace/controllers/MainController.h"

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

void print(const char *n_name, double n_value)
{
    std::printf("%s: %.3f\n", n_name, n_value);
}

double millis(const std::function<void()> &n_run)
{
    malloc_trim(0);
    QElapsedTimer timer;
    timer.start();
    n_run();
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> n_values)
{
    std::sort(n_values.begin(), n_values.end());
    return n_values[n_values.size() / 2];
}

void report(const char *n_prefix, const std::vector<double> &n_ours,
            const std::vector<double> &n_plain)
{
    std::vector<double> ratios;
    for (size_t index = 0; index < n_ours.size(); ++index)
        ratios.push_back(n_ours[index] / n_plain[index]);
    const auto name = [n_prefix](const char *n_suffix) {
        return QByteArray(n_prefix).append(n_suffix);
    };
    print(name("_ms").constData(), median(n_ours));
    print(name("_baseline_ms").constData(), median(n_plain));
    print(name("_ratio").constData(), median(ratios));
    print(name("_ratio_min").constData(), *std::min_element(ratios.begin(), ratios.end()));
    print(name("_ratio_max").constData(), *std::max_element(ratios.begin(), ratios.end()));
}

QStandardItem *plainItem(const QString &n_id, const QString &n_name)
{
    auto *item = new QStandardItem(n_name);
    item->setData(n_id, Qt::UserRole);
    return item;
}

QStandardItem *plainClassRow(const OstraClass &n_class)
{
    QStandardItem *row = plainItem(n_class.getId(), n_class.getShortName());
    for (const auto &child : n_class.getOwnClassesHash())
        row->appendRow(plainClassRow(*child));
    for (const auto &parameter : n_class.getOwnParametersHash())
        row->appendRow(plainItem(parameter->getId(), parameter->getShortName()));
    return row;
}

// The items of both trees in bare models: classes with parameters, relations with their users.
void fillPlain(const OstraClass &n_root)
{
    QStandardItemModel project;
    project.appendRow(plainClassRow(n_root));
    QStandardItemModel relations;
    QHash<QString, QStandardItem *> relationRows;
    for (const auto &relation : n_root.getRelationsHash()) {
        QStandardItem *row = plainItem(relation->getId(), relation->getShortName());
        relationRows.insert(relation->getId(), row);
        relations.appendRow(row);
    }
    for (const auto &rule : n_root.getRulesHash())
        if (const auto relation = rule->getRelationPtr())
            relationRows.value(relation->getId())
                ->appendRow(plainItem(rule->getId(), rule->getShortName()));
    for (const auto &constraint : n_root.getConstraintsHash())
        if (const auto relation = constraint->getRelationPtr())
            relationRows.value(relation->getId())
                ->appendRow(plainItem(constraint->getId(), constraint->getShortName()));
}

} // namespace

int main(int argc, char **argv)
{
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
            fillPlain(root);
            fillPlain(root);
        });
        openPlain.push_back(plain);
        // The registry keeps its last active model: the model goes only with the registry.
        closePlain.push_back(millis([&] {
            manager->deleteModel(manager->getActiveModel());
            manager.reset();
        }));
    }
    report("open", open, openPlain);
    report("close_discard", close, closePlain);
    controller.setDirector(nullptr);
    delete director;
    MessageBoxes::setBoxHandler({});
    MessageBoxes::setDialogHandler({});
    return 0;
}
