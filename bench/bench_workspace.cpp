// Workspace speed on a generated model of about 10^5 elements, each figure the median of
// interleaved pairs against a plain baseline, with the spread (min, max) of the pair ratios:
// - trees: the project and relations view managers filling both trees, against filling a bare
//   QStandardItemModel with the same items;
// - debug: the director posting about 10^4 integrity findings into the error list, against
//   appending the same rows to a bare QStandardItemModel (the check's own time taken out).
// - delete: deleting through the workspace a class that holds about half of the model, with a few
//   tabs open, against the parent's deleteChildClass alone, each side on a fresh copy;
// - tabs: opening one element's tab and focusing an open one among 50 open tabs, in microseconds.
// Prints `name: value` lines; BENCH_ONLY=trees, debug, delete or tabs runs one part.

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
#include "workspace/colleagues/WorkSpaceColleague.h"
#include "workspace/routing/CommandItem.h"
#include "workspace/viewmanagers/BaseViewManager.h"
#include "workspace/wrappers/WidgetWrapper.h"
#include "model/MemoryTuning.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardItemModel>
#include <QTabWidget>
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

void print(const char *n_name, double n_value)
{
    std::printf("%s: %.3f\n", n_name, n_value);
}

// Freeing many small blocks leaves the allocator work that the next run would pay for; both sides
// of a pair start on a settled heap.
void settleHeap()
{
    malloc_trim(0);
}

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
        const auto relation = QSharedPointer<RelationModel>::create(
            QStringLiteral("r%1").arg(index), QStringLiteral("x = %1;").arg(index), nullptr);
        storage->addRelationPtr(relation);
    }
    OstraClass *root = model.getRootClass().data();

    QWidget window;
    IDEDirector director;
    director.Constructor(&window);
    director.getWorkSpaceViewManagerManager()->setData(root);
    auto *errors = qobject_cast<wErrorArea *>(
        director.informationBuilder()->getWidgets().at(0)->getWidget());
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

// The class below the root whose subtree holds the number of parameters nearest to half.
QSharedPointer<OstraClass> halfClass(OstraClass &n_root)
{
    const int half = n_root.getParametersHash().size() / 2;
    QSharedPointer<OstraClass> best;
    int bestDistance = -1;
    for (const QSharedPointer<OstraClass> &cls : n_root.getAllClassesSet()) {
        const int distance = std::abs(cls->getParametersHash().size() - half);
        if (bestDistance < 0 || distance < bestDistance) {
            best = cls;
            bestDistance = distance;
        }
    }
    return best;
}

void execute(WorkSpaceColleague *n_workSpace, TypeCRUD n_operation, TypeWorkSpaceWindow n_kind,
             const QString &n_id)
{
    CommandItem command(n_operation, n_kind, n_id);
    n_workSpace->execute(&command);
}

void benchDelete()
{
    ModelGenerator::Options options;
    options.elements = 100000;
    const QString text = ModelGenerator(options).currentFormat();
    {
        ModelManager manager;
        manager.loadModel(text);
        OstraClass &root = *manager.getActiveModel()->getRootClass();
        const QSharedPointer<OstraClass> deleted = halfClass(root);
        print("delete_class_parameters", deleted->getParametersHash().size());
        print("delete_model_parameters", root.getParametersHash().size());
    }

    QWidget window;
    IDEDirector director;
    director.Constructor(&window);
    WorkSpaceColleague *workSpace = director.workSpaceColleague();
    report(
        "delete_class",
        [&] {
            ModelManager manager;
            manager.loadModel(text);
            OstraClass *root = manager.getActiveModel()->getRootClass().data();
            const QSharedPointer<OstraClass> deleted = halfClass(*root);
            director.getWorkSpaceViewManagerManager()->setData(root);
            // A few tabs: the class, a parameter inside and one outside, the root's test page.
            execute(workSpace, UPDATE, CLASS_WINDOW, deleted->getId());
            execute(workSpace, UPDATE, PARAMETER_WINDOW,
                    deleted->getParametersHash().begin().key());
            for (const auto &parameter : root->getOwnParametersHash()) {
                execute(workSpace, UPDATE, PARAMETER_WINDOW, parameter->getId());
                break;
            }
            execute(workSpace, READ, TEST_CLASS_WINDOW, root->getId());
            settleHeap();
            const double ms = millis(
                [&] { execute(workSpace, DELETE, CLASS_WINDOW, deleted->getId()); });
            director.clear();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return ms;
        },
        [&] {
            ModelManager manager;
            manager.loadModel(text);
            OstraClass *root = manager.getActiveModel()->getRootClass().data();
            const QSharedPointer<OstraClass> deleted = halfClass(*root);
            settleHeap();
            return millis([&] { deleted->getParent()->deleteChildClass(deleted, true); });
        });
}

void benchTabs()
{
    ModelGenerator::Options options;
    options.elements = 100000;
    ModelManager manager;
    manager.loadModel(ModelGenerator(options).currentFormat());
    OstraClass *root = manager.getActiveModel()->getRootClass().data();
    QStringList ids = root->getParametersHash().keys();
    std::sort(ids.begin(), ids.end());

    QWidget window;
    IDEDirector director;
    director.Constructor(&window);
    director.getWorkSpaceViewManagerManager()->setData(root);
    WorkSpaceColleague *workSpace = director.workSpaceColleague();
    QTabWidget *tabs = director.workSpaceBuilder()->getTabWidget();
    for (int index = 0; index < 50; ++index)
        execute(workSpace, UPDATE, PARAMETER_WINDOW, ids.at(index));

    const auto median = [](std::vector<double> n_values) {
        std::sort(n_values.begin(), n_values.end());
        return n_values[n_values.size() / 2];
    };
    std::vector<double> opens;
    std::vector<double> focuses;
    for (int run = 0; run < 101; ++run) {
        opens.push_back(
            1000 * millis([&] { execute(workSpace, UPDATE, PARAMETER_WINDOW, ids.at(50)); }));
        emit tabs->tabCloseRequested(tabs->count() - 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Alternating between two tabs, so that each focus changes the current tab.
        focuses.push_back(1000 * millis([&] {
                              execute(workSpace, UPDATE, PARAMETER_WINDOW,
                                      ids.at(run % 2 ? 10 : 40));
                          }));
    }
    print("tabs_open_us", median(opens));
    print("tabs_focus_us", median(focuses));
    print("tabs_open", tabs->count());
}

} // namespace

int main(int argc, char **argv)
{
    // As the program does: the allocator set for large models.
    MemoryTuning::apply();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // BENCH_ONLY names one part to run, for profiling.
    const QByteArray only = qgetenv("BENCH_ONLY");
    if (only.isEmpty() || only == "trees")
        benchTrees();
    if (only.isEmpty() || only == "debug")
        benchDebug();
    if (only.isEmpty() || only == "delete")
        benchDelete();
    if (only.isEmpty() || only == "tabs")
        benchTabs();
    return 0;
}
