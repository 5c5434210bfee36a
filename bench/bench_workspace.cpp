// Workspace speed on a generated model of about 10^5 elements, each figure the median of
// interleaved pairs against a plain baseline, with the spread (min, max) of the pair ratios:
// - trees: the project and relations view managers filling both trees, against filling a bare
//   QStandardItemModel with the same items;
// - debug: the director posting about 10^4 integrity findings into the error list, against
//   appending the same rows to a bare QStandardItemModel (the check's own time taken out).
// Prints `name: value` lines; BENCH_ONLY=trees or BENCH_ONLY=debug runs one part.

#include "ModelGenerator.h"
#include "PairedRatio.h"
#include "PlainTrees.h"
#include "WidgetAreas/wErrorArea.h"
#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "model/ModelManager.h"
#include "model/OstraModel.h"
#include "workspace/IDEDirector.h"
#include "workspace/builders/IDEBuilder.h"
#include "workspace/viewmanagers/BaseViewManager.h"
#include "workspace/wrappers/WidgetWrapper.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <functional>
#include <vector>

namespace {

const int PAIRS = 11;
const int FINDINGS = 10000;

void print(const char *n_name, double n_value) { std::printf("%s: %.3f\n", n_name, n_value); }

// Freeing many small blocks leaves the allocator work that the next run would pay for; both sides
// of a pair start on a settled heap.
void settleHeap() { malloc_trim(0); }

double millis(const std::function<void()> &n_run)
{
    QElapsedTimer timer;
    timer.start();
    n_run();
    return timer.nsecsElapsed() / 1e6;
}

// Median and spread of the ratios of interleaved runs: A B A B ...
void report(const char *n_prefix, const std::function<double()> &n_ours,
            const std::function<double()> &n_plain)
{
    printAgainstBaseline(n_prefix, pairedRatio(PAIRS, n_ours, n_plain));
}

void benchTrees()
{
    ModelGenerator::Options options;
    options.elements = 100000;
    const ModelGenerator generator(options);
    ModelManager manager;
    manager.loadModel(generator.currentFormat());
    OstraClass *root = manager.getActiveModel()->getRootClass().data();

    QWidget window;
    IDEDirector director;
    director.Constructor(&window);
    BaseViewManager *project = director.getViewProjectManager();
    BaseViewManager *relations = director.getViewRelationshipManager();
    report(
        "trees_fill",
        [&] {
            project->setData(nullptr);
            relations->setData(nullptr);
            return millis([&] {
                project->setData(root);
                relations->setData(root);
            });
        },
        [&] { return millis([&] { PlainTrees::fill(*root, true); }); });
}

void benchDebug()
{
    OstraModel model;
    const auto storage = model.getRelationsStorage();
    // Relations without a short name: one warning each.
    for (int index = 0; index < FINDINGS; ++index) {
        const auto relation = QSharedPointer<RelationModel>::create(QStringLiteral("r%1").arg(index),
                                                                    QStringLiteral("x = %1;").arg(index), nullptr);
        storage->addRelationPtr(relation);
    }
    OstraClass *root = model.getRootClass().data();

    QWidget window;
    IDEDirector director;
    director.Constructor(&window);
    director.getWorkSpaceViewManagerManager()->setData(root);
    auto *errors = qobject_cast<wErrorArea *>(director.informationBuilder()->getWidgets().at(0)->getWidget());
    auto *table = errors->findChild<QTableWidget *>();
    director.debug();
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row)
        rows << table->item(row, 0)->text();
    print("debug_findings", rows.size());

    // The check's own time, taken out of every debug run: its median over separate runs, so that
    // the noise of one check does not land on one pair.
    std::vector<double> checks;
    for (int run = 0; run < 2 * PAIRS + 1; ++run) {
        settleHeap();
        checks.push_back(millis([&] { root->checkClassIntegrity(); }));
    }
    std::sort(checks.begin(), checks.end());
    const double check = checks[checks.size() / 2];
    print("debug_check_ms", check);
    report(
        "debug_post",
        [&] {
            errors->clear();
            settleHeap();
            return millis([&] { director.debug(); }) - check;
        },
        [&] {
            QStandardItemModel plain(0, 3);
            settleHeap();
            return millis([&] {
                for (const QString &text : qAsConst(rows))
                    plain.appendRow({new QStandardItem(text), new QStandardItem(QString()),
                                     new QStandardItem(QStringLiteral("warning"))});
            });
        });
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // BENCH_ONLY=trees or BENCH_ONLY=debug runs one part, for profiling.
    const QByteArray only = qgetenv("BENCH_ONLY");
    if (only.isEmpty() || only == "trees")
        benchTrees();
    if (only.isEmpty() || only == "debug")
        benchDebug();
    return 0;
}
