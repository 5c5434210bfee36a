// Class-test page speed, each figure the median of interleaved pairs against a plain baseline, with
// the spread (min, max) of the pair ratios:
// - open: the page opened on the root of a generated model of about 10^5 elements and its top row
//   expanded, against a bare QTreeWidget filled with the same rows, the same unplaced line edits
//   (with a validator) and check boxes, sorted once;
// - delete: a sub-class of 5,000 and of 10,000 parameters deleted through the notifications (one
// per
//   parameter, one per class below it, one for itself); the doubling ratio is the second's time
//   over the first's;
// - run: one test of the generator's solve set through the page, against the solver's calculate()
//   alone on the same class (and the integrity check that opens every test, alone).
// Prints `name: value` lines; BENCH_ONLY=open, delete or run runs one part, BENCH_PAIRS=n sets the
// number of pairs.

#include "ModelGenerator.h"
#include "PlainSolve.h"
#include "Timing.h"
#include "PrimitiveWidgets/widgetLineEditWithUIDMember.h"
#include "WidgetAreas/wClassTestArea.h"
#include "elements/ParameterModel.h"
#include "elements/RelationsStorage.h"
#include "model/ModelManager.h"
#include "model/OstraClass.h"
#include "model/OstraModel.h"
#include "workspace/colleagues/TestModelColleague.h"
#include "workspace/mediators/BaseMediator.h"
#include "workspace/routing/CommandItem.h"
#include "model/MemoryTuning.h"

#include <QApplication>
#include <QCheckBox>
#include <QDoubleValidator>
#include <QLineEdit>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// BENCH_PAIRS overrides the number of pairs, for a quick look.
const int PAIRS = qEnvironmentVariableIsSet("BENCH_PAIRS")
                      ? qEnvironmentVariableIntValue("BENCH_PAIRS")
                      : 7;

void print(const QByteArray &n_name, double n_value)
{
    std::printf("%s: %.3f\n", n_name.constData(), n_value);
    std::fflush(stdout);
}

void report(const char *n_prefix, const std::function<double()> &n_ours,
            const std::function<double()> &n_plain, const char *n_plainName = "_baseline_ms")
{
    std::vector<double> ratios, ours, plain;
    for (int pair = 0; pair < PAIRS; ++pair) {
        ours.push_back(n_ours());
        plain.push_back(n_plain());
        ratios.push_back(ours.back() / plain.back());
    }
    const auto median = [](std::vector<double> n_values) {
        std::sort(n_values.begin(), n_values.end());
        return n_values[n_values.size() / 2];
    };
    const QByteArray prefix(n_prefix);
    print(prefix + "_ms", median(ours));
    print(prefix + n_plainName, median(plain));
    print(prefix + "_ratio", median(ratios));
    print(prefix + "_ratio_min", *std::min_element(ratios.begin(), ratios.end()));
    print(prefix + "_ratio_max", *std::max_element(ratios.begin(), ratios.end()));
}

// Discards what a test sends.
struct QuietMediator : BaseMediator
{
    void send(CommandItem *, BaseColleague *) const override {}
    bool command(CommandType, BaseColleague *) const override { return true; }
    void sendError(MessageItem *, BaseColleague *) const override {}
    void sendInformation(QStringList, BaseColleague *) const override {}
};

QTreeWidgetItem *plainRows(const OstraClass &n_class, QList<QWidget *> &n_widgets)
{
    auto *row = new QTreeWidgetItem();
    row->setText(0, n_class.getShortName());
    row->setData(0, Qt::UserRole, n_class.getId());
    QList<QTreeWidgetItem *> children;
    for (const auto &child : n_class.getOwnClassesSet())
        children << plainRows(*child, n_widgets);
    for (const auto &parameter : n_class.getOwnParametersSet()) {
        auto *item = new QTreeWidgetItem();
        item->setText(0, parameter->getShortName());
        item->setData(0, Qt::UserRole, parameter->getId());
        auto *edit = new QLineEdit();
        edit->setValidator(new QDoubleValidator(edit));
        n_widgets << edit << new QCheckBox();
        children << item;
    }
    row->addChildren(children);
    return row;
}

void benchOpen(const QSharedPointer<OstraClass> &n_root)
{
    report(
        "classtest_open",
        [&] {
            settle();
            double time = 0;
            {
                wClassTestArea page;
                time = millis([&] {
                    page.setRootClass(n_root);
                    auto *tree = page.findChild<QTreeWidget *>(QStringLiteral("objectsTree"));
                    tree->expandItem(tree->topLevelItem(0));
                });
            }
            settle();
            return time;
        },
        [&] {
            settle();
            QList<QWidget *> widgets;
            QTreeWidget tree;
            tree.setColumnCount(3);
            const double time = millis([&] {
                tree.addTopLevelItem(plainRows(*n_root, widgets));
                tree.sortItems(0, Qt::AscendingOrder);
            });
            qDeleteAll(widgets);
            settle();
            return time;
        });
}

// A root with one sub-class holding n_parameters parameters, ten to a class, in a tree below it.
struct DeleteModel
{
    explicit DeleteModel(int n_parameters)
    {
        storage = QSharedPointer<RelationsStorage>::create();
        root = QSharedPointer<OstraClass>::create(QStringLiteral("root"), storage);
        sub = QSharedPointer<OstraClass>::create(QStringLiteral("sub"), storage);
        root->addClass(sub);
        QSharedPointer<OstraClass> holder = sub;
        for (int i = 0; i < n_parameters; ++i) {
            if (i % 10 == 0 && i > 0) {
                auto next = QSharedPointer<OstraClass>::create(QStringLiteral("c%1").arg(i),
                                                               storage);
                sub->addClass(next);
                classes << next->getId();
                holder = next;
            }
            auto parameter = QSharedPointer<ParameterModel>::create();
            parameter->setId(QStringLiteral("p%1").arg(i));
            parameter->setShortName(parameter->getId());
            parameter->setValueType(QVariant::Double);
            holder->addParameter(parameter);
            parameters << parameter->getId();
        }
    }
    QSharedPointer<RelationsStorage> storage;
    QSharedPointer<OstraClass> root;
    QSharedPointer<OstraClass> sub;
    QStringList parameters;
    QStringList classes;
};

double deleteThroughNotices(const DeleteModel &n_model)
{
    settle();
    double time = 0;
    {
        wClassTestArea page;
        page.setRootClass(n_model.root);
        time = millis([&] {
            for (const QString &id : n_model.parameters) {
                CommandItem command(DELETE, PARAMETER_WINDOW, id);
                page.deleteItem(&command);
            }
            for (const QString &id : n_model.classes) {
                CommandItem command(DELETE, CLASS_WINDOW, id);
                page.deleteItem(&command);
            }
            CommandItem command(DELETE, CLASS_WINDOW, QStringLiteral("sub"));
            page.deleteItem(&command);
        });
    }
    settle();
    return time;
}

void benchDelete()
{
    const DeleteModel small(5000);
    const DeleteModel large(10000);
    report(
        "classtest_delete_10000", [&] { return deleteThroughNotices(large); },
        [&] { return deleteThroughNotices(small); }, "_5000_ms");
}

void benchRun(const QSharedPointer<OstraClass> &n_root, const ModelGenerator::SolveSet &n_solve)
{
    // The known values stand in the fields as defaults; the required boxes are ticked.
    for (auto it = n_solve.known.cbegin(); it != n_solve.known.cend(); ++it)
        n_root->getParameterPtr(it.key())->setDefaultValue(it.value());
    QuietMediator mediator;
    TestModelColleague colleague(&mediator);
    wClassTestArea page;
    page.setColleague(&colleague);
    page.setRootClass(n_root);
    auto *tree = page.findChild<QTreeWidget *>(QStringLiteral("objectsTree"));
    for (const QString &id : n_solve.required) {
        QTreeWidgetItemIterator it(tree);
        while (*it && (*it)->data(0, Qt::UserRole).toString() != id)
            ++it;
        if (!*it)
            continue;
        tree->expandItem((*it)->parent());
        if (auto *box = qobject_cast<QCheckBox *>(tree->itemWidget(*it, 2)))
            box->setChecked(true);
    }
    report(
        "classtest_run",
        [&] {
            page.clearResult();
            return millis([&] { page.run(); });
        },
        [&] { return millis([&] { solveAlone(n_root, n_solve.known, n_solve.required); }); },
        "_calculate_ms");
    // The integrity check that opens every test, alone.
    std::vector<double> checks;
    for (int i = 0; i < PAIRS; ++i)
        checks.push_back(millis([&] { n_root->checkClassIntegrity(); }));
    std::sort(checks.begin(), checks.end());
    print("classtest_run_integrity_check_ms", checks[checks.size() / 2]);
}

} // namespace

int main(int argc, char **argv)
{
    // As the program does: the allocator set for large models.
    MemoryTuning::apply();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QByteArray only = qgetenv("BENCH_ONLY");
    ModelGenerator::Options options;
    options.elements = 100000;
    const ModelGenerator generator(options);
    ModelManager manager;
    manager.loadModel(generator.currentFormat());
    const QSharedPointer<OstraClass> root = manager.getActiveModel()->getRootClass();
    if (only.isEmpty() || only == "open")
        benchOpen(root);
    if (only.isEmpty() || only == "delete")
        benchDelete();
    if (only.isEmpty() || only == "run")
        benchRun(root, generator.solveSet());
    return 0;
}
