// The whole program on a generated model of about 10^5 elements, each figure the median of
// interleaved pairs (A B A B ...) against the model core alone, with the spread of the pair ratios:
// - open: the main window's File > Open (the file dialog answered in the user's place) until the
//   trees are shown and painted, against ModelManager::loadModel alone (goal: at most 2);
// - run: one class test run by the tool bar's Run on the generator's solve set (known values typed
//   into the test page, required parameters ticked), against the runtime solver's calculate()
//   alone on the same class and the same known values, the defaults that the page reads among
//   them (goal: at most 1.5); the integrity check that opens every run is timed alone beside;
// - memory: the rise of the peak resident memory that opening brings over the shown empty window,
//   against the rise that loading brings to the model core alone, each in a fresh process (goal:
//   at most 1.5).
// Prints `name: value` lines; BENCH_ONLY=open, run or memory runs one part, BENCH_PAIRS=n sets the
// number of pairs.

#include "Entities/Language/InterfaceLanguage.h"
#include "MessageBoxes.h"
#include "ModelGenerator.h"
#include "PairedRatio.h"
#include "PlainSolve.h"
#include "Timing.h"
#include "ProcessMemory.h"
#include "PrimitiveWidgets/widgetLineEditWithUIDMember.h"
#include "WidgetAreas/wClassTestArea.h"
#include "frmMainIDE.h"
#include "elements/ParameterModel.h"
#include "model/ModelManager.h"
#include "model/OstraModel.h"
#include "model/MemoryTuning.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

const int PAIRS = qEnvironmentVariableIsSet("BENCH_PAIRS")
                      ? qEnvironmentVariableIntValue("BENCH_PAIRS")
                      : 5;

// Offsets of the tool bar's captions among the main window's texts.
const int TOOL_RUN = 81;
const int TOOL_CLEAR = 84;

// The main window, shown, with every file dialog answered by the model file and every box by
// Discard (the close prompt) or its default.
class ShownWindow
{
public:
    explicit ShownWindow(const QString &n_fileName)
    {
        MessageBoxes::setDialogHandler([n_fileName](QDialog &n_dialog) {
            qobject_cast<QFileDialog *>(&n_dialog)->selectFile(n_fileName);
            return int(QDialog::Accepted);
        });
        MessageBoxes::setBoxHandler([](QMessageBox &) { return int(QMessageBox::Discard); });
        m_window = std::make_unique<frmMainIDE>();
        m_window->show();
        QCoreApplication::processEvents();
        settle();
    }
    ~ShownWindow()
    {
        m_window.reset();
        settle();
        MessageBoxes::setBoxHandler({});
        MessageBoxes::setDialogHandler({});
    }
    ShownWindow(const ShownWindow &) = delete;
    ShownWindow &operator=(const ShownWindow &) = delete;

    QAction *action(const char *n_name) const
    {
        return m_window->findChild<QAction *>(QLatin1String(n_name));
    }
    // The tool bar's action shown with the main window's caption of that offset.
    QAction *tool(int n_offset) const
    {
        InterfaceLanguage &texts = InterfaceLanguage::Instance();
        const QString caption = texts.getTextById(texts.getMainInterfaceBeginKey() + n_offset);
        for (QAction *action : m_window->findChild<QToolBar *>()->actions())
            if (!action->isSeparator() && action->text() == caption)
                return action;
        return nullptr;
    }
    // File > Open, and the trees painted.
    void open() const
    {
        action("mOpenProject")->trigger();
        QCoreApplication::processEvents();
    }
    void close() const
    {
        action("mCloseProject")->trigger();
        settle();
    }
    frmMainIDE &window() const { return *m_window; }

private:
    std::unique_ptr<frmMainIDE> m_window;
};

double openThroughMenu(const ShownWindow &n_window)
{
    const double time = millis([&] { n_window.open(); });
    n_window.close();
    return time;
}

double loadAlone(QFile &n_file)
{
    auto manager = std::make_unique<ModelManager>();
    const double time = millis([&] { manager->loadModel(n_file); });
    manager.reset();
    settle();
    return time;
}

// The test page's row of that parameter, its ancestors expanded so that its fields are placed.
QTreeWidgetItem *placedRow(QTreeWidget &n_tree, const QString &n_id)
{
    QTreeWidgetItemIterator it(&n_tree);
    while (*it && (*it)->data(0, Qt::UserRole).toString() != n_id)
        ++it;
    if (!*it)
        return nullptr;
    QList<QTreeWidgetItem *> ancestors;
    for (QTreeWidgetItem *up = (*it)->parent(); up; up = up->parent())
        ancestors.prepend(up);
    for (QTreeWidgetItem *up : ancestors)
        n_tree.expandItem(up);
    return *it;
}

// Opens a test page on the model's root class from the Tools menu and types the solve set in.
void fillTestPage(const ShownWindow &n_window, const ModelGenerator::SolveSet &n_solve)
{
    n_window.action("mTestModel")->trigger();
    auto *tree = n_window.window().findChild<wClassTestArea *>()->findChild<QTreeWidget *>(
        QStringLiteral("objectsTree"));
    for (auto it = n_solve.known.cbegin(); it != n_solve.known.cend(); ++it)
        if (QTreeWidgetItem *row = placedRow(*tree, it.key()))
            tree->itemWidget(row, 1)->findChild<QLineEdit *>()->setText(it.value().toString());
    for (const QString &id : n_solve.required)
        if (QTreeWidgetItem *row = placedRow(*tree, id))
            qobject_cast<QCheckBox *>(tree->itemWidget(row, 2))->setChecked(true);
}

void benchOpen(const QString &n_fileName)
{
    ShownWindow window(n_fileName);
    QFile file(n_fileName);
    printAgainstBaseline("program_open", pairedRatio(
                                             PAIRS, [&] { return openThroughMenu(window); },
                                             [&] { return loadAlone(file); }));
}

void benchRun(const QString &n_fileName, const ModelGenerator::SolveSet &n_solve)
{
    ShownWindow window(n_fileName);
    window.open();
    fillTestPage(window, n_solve);
    QAction *run = window.tool(TOOL_RUN);
    QAction *clear = window.tool(TOOL_CLEAR);
    ModelManager core;
    QFile file(n_fileName);
    core.loadModel(file);
    const QSharedPointer<OstraClass> root = core.getActiveModel()->getRootClass();
    // The page reads a parameter's default as known unless a value is typed over it: the baseline
    // is given the same known values.
    QHash<QString, QVariant> known;
    for (const auto &parameter : root->getParametersHash())
        if (parameter->hasDefaultValue())
            known.insert(parameter->getId(), parameter->getDefaultValue());
    for (auto it = n_solve.known.cbegin(); it != n_solve.known.cend(); ++it)
        known.insert(it.key(), it.value());
    printAgainstBaseline("program_run",
                         pairedRatio(
                             PAIRS,
                             [&] {
                                 clear->trigger();
                                 settle();
                                 return millis([&] {
                                     run->trigger();
                                     QCoreApplication::processEvents();
                                 });
                             },
                             [&] {
                                 settle();
                                 return millis([&] { solveAlone(root, known, n_solve.required); });
                             }));
    // The page's runs must have solved: each required parameter that is not known shows its
    // result.
    auto *tree = window.window().findChild<wClassTestArea *>()->findChild<QTreeWidget *>(
        QStringLiteral("objectsTree"));
    int shown = 0;
    for (const QString &id : n_solve.required)
        if (QTreeWidgetItem *row = placedRow(*tree, id))
            shown += qobject_cast<widgetLineEditWithUIDMember *>(tree->itemWidget(row, 1))
                         ->getResultFlag();
    printFigure("program_run_required_shown", shown);
    int computed = 0;
    for (const QString &id : n_solve.required)
        computed += !known.contains(id);
    printFigure("program_run_required_to_compute", computed);
    // The integrity check that opens every test, alone: the page's share beyond the solver.
    std::vector<double> checks;
    for (int i = 0; i < PAIRS; ++i)
        checks.push_back(millis([&] { root->checkClassIntegrity(); }));
    printFigure("program_run_integrity_check_ms", medianOf(checks));
    window.close();
}

// The child's side of the memory figure: the rise of the peak resident size, in kB, that opening
// the file brings, through the main window (--measure-window) or in the model core alone
// (--measure-core). A fresh process each time: in one process the allocator keeps what earlier
// steps freed, which would hide the memory.
int measureRise(int argc, char **argv)
{
    const QByteArray mode(argv[1]);
    const QString fileName = QString::fromLocal8Bit(argv[2]);
    qint64 rise = 0;
    if (mode == "--measure-window") {
        QApplication application(argc, argv);
        ShownWindow window(fileName);
        const qint64 before = memoryKb("VmHWM:");
        window.open();
        rise = memoryKb("VmHWM:") - before;
    } else {
        QCoreApplication application(argc, argv);
        const qint64 before = memoryKb("VmHWM:");
        ModelManager manager;
        QFile file(fileName);
        manager.loadModel(file);
        rise = memoryKb("VmHWM:") - before;
    }
    std::printf("%lld\n", static_cast<long long>(rise));
    return 0;
}

double riseInChild(const char *n_mode, const QString &n_fileName)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(n_mode), n_fileName});
    child.waitForFinished(-1);
    return QString::fromLatin1(child.readAllStandardOutput()).trimmed().toDouble();
}

void benchMemory(const QString &n_fileName)
{
    const PairedRatio rise = pairedRatio(
        PAIRS, [&] { return riseInChild("--measure-window", n_fileName); },
        [&] { return riseInChild("--measure-core", n_fileName); });
    printFigure("program_open_peak_rise_kb", rise.firstMedianMs);
    printFigure("program_open_peak_rise_baseline_kb", rise.secondMedianMs);
    printRatio("program_open_peak_rise_ratio", rise);
}

} // namespace

int main(int argc, char **argv)
{
    // As the program does: the allocator set for large models.
    MemoryTuning::apply();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && QByteArray(argv[1]).startsWith("--measure-"))
        return measureRise(argc, argv);
    QApplication application(argc, argv);
    ModelGenerator::Options options;
    options.elements = 100000;
    const ModelGenerator generator(options);
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("model.xml"));
    QFile file(fileName);
    file.open(QIODevice::WriteOnly);
    file.write(generator.currentFormat().toUtf8());
    file.close();

    const QByteArray only = qgetenv("BENCH_ONLY");
    if (only.isEmpty() || only == "open")
        benchOpen(fileName);
    if (only.isEmpty() || only == "run")
        benchRun(fileName, generator.solveSet());
    if (only.isEmpty() || only == "memory")
        benchMemory(fileName);
    return 0;
}
