// Whole-model speed on the generated model of 10^5 elements (prefix `generated_`) and on a model of
// about 10^5 elements built in code: loading against parsing the same bytes alone, saving against
// loading (medians of interleaved pairs, with their spread), whether loading reads the file in its
// stream pass, the integrity check, and the peak memory of loading beside the parser's own; then
// the time and memory of refusing a file of nested entity references. Prints `name: value` lines.

#include <QCoreApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

#include "ProcessMemory.h"
#include "elements/ConstraintModel.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/RuleModel.h"
#include "errors/ExceptionOstra.h"
#include "model/ModelManager.h"
#include "model/OstraModel.h"

#include "ModelGenerator.h"
#include "PairedRatio.h"
#include "model/MemoryTuning.h"

namespace {

const int TOP_CLASSES = 10;
const int MIDDLE_CLASSES = 10;
int LEAF_CLASSES = 5; // per middle class; the first argument overrides it
const int PARAMETERS_PER_LEAF = 100;
const int RULES_PER_LEAF = 80;
const int CONSTRAINTS_PER_LEAF = 20;
const int RELATIONS = 300;
const int CONSTRAINT_RELATIONS = 20;

OstraClass::OstraClassPtr addClass(const OstraClass::OstraClassPtr &n_parent, const QString &n_id)
{
    const OstraClass::OstraClassPtr cls = QSharedPointer<OstraClass>::create(
        n_id, n_parent->getRelationsStorage());
    cls->setShortName(n_id);
    n_parent->addClass(cls);
    return cls;
}

// Leaf classes hold chains of parameters: rule j reads parameter j and writes parameter j+1, and
// constraints check every fifth parameter.
void fillLeaf(const OstraClass::OstraClassPtr &n_leaf, int n_leafIndex)
{
    const QString prefix = n_leaf->getId() + QLatin1Char('.');
    for (int i = 0; i < PARAMETERS_PER_LEAF; ++i) {
        const ParameterModel::ParameterModelPtr parameter =
            QSharedPointer<ParameterModel>::create();
        parameter->setId(prefix + QStringLiteral("p%1").arg(i));
        parameter->setShortName(QStringLiteral("p%1").arg(i));
        parameter->setValueType(QVariant::Double);
        n_leaf->addParameter(parameter);
    }
    for (int j = 0; j < RULES_PER_LEAF; ++j) {
        const RuleModel::RuleModelPtr rule = QSharedPointer<RuleModel>::create();
        const QString id = prefix + QStringLiteral("r%1").arg(j);
        rule->setId(id);
        rule->setShortName(QStringLiteral("r%1").arg(j));
        n_leaf->addRule(rule);
        n_leaf->addEdge(id,
                        QStringLiteral("rel%1").arg((n_leafIndex * RULES_PER_LEAF + j) % RELATIONS),
                        QString());
        n_leaf->addEdge(prefix + QStringLiteral("p%1").arg(j), id, QStringLiteral("x"));
        n_leaf->addEdge(id, prefix + QStringLiteral("p%1").arg(j + 1), QStringLiteral("y"));
    }
    for (int k = 0; k < CONSTRAINTS_PER_LEAF; ++k) {
        const ConstraintModel::ConstraintModelPtr constraint =
            QSharedPointer<ConstraintModel>::create();
        const QString id = prefix + QStringLiteral("k%1").arg(k);
        constraint->setId(id);
        constraint->setShortName(QStringLiteral("k%1").arg(k));
        n_leaf->addConstraint(constraint);
        n_leaf->addEdge(id, QStringLiteral("check%1").arg(k % CONSTRAINT_RELATIONS), QString());
        n_leaf->addEdge(prefix + QStringLiteral("p%1").arg(k * 5), id, QStringLiteral("v"));
    }
}

OstraModel::OstraModelSharedPtr buildModel(int &n_elements)
{
    const OstraModel::OstraModelSharedPtr model = QSharedPointer<OstraModel>::create();
    model->setId(QStringLiteral("bench"));
    model->setShortName(QStringLiteral("Bench model"));
    const OstraClass::OstraClassPtr root = model->getRootClass();
    root->setId(QStringLiteral("root"));
    root->setShortName(QStringLiteral("root"));
    const QSharedPointer<RelationsStorage> storage = model->getRelationsStorage();
    for (int i = 0; i < RELATIONS; ++i) {
        const RelationModel::RelationModelPtr relation = QSharedPointer<RelationModel>::create(
            QStringLiteral("rel%1").arg(i), QStringLiteral("y = x + %1;").arg(i), nullptr);
        relation->setShortName(QStringLiteral("rel%1").arg(i));
        relation->addInputParameterType(QStringLiteral("x"), QVariant::Double);
        relation->addOutputParameterType(QStringLiteral("y"), QVariant::Double);
        storage->addRelationPtr(relation);
    }
    for (int i = 0; i < CONSTRAINT_RELATIONS; ++i) {
        const RelationModel::RelationModelPtr relation = QSharedPointer<RelationModel>::create(
            QStringLiteral("check%1").arg(i), QStringLiteral("flag = v > %1;").arg(i), nullptr);
        relation->setShortName(QStringLiteral("check%1").arg(i));
        relation->setRelationType(RelationModel::RELATION_CONSTRAINT);
        relation->addInputParameterType(QStringLiteral("v"), QVariant::Double);
        relation->addOutputParameterType(QStringLiteral("flag"), QVariant::Bool);
        storage->addRelationPtr(relation);
    }
    int leafIndex = 0;
    for (int t = 0; t < TOP_CLASSES; ++t) {
        const OstraClass::OstraClassPtr top = addClass(root, QStringLiteral("t%1").arg(t));
        for (int m = 0; m < MIDDLE_CLASSES; ++m) {
            const OstraClass::OstraClassPtr middle = addClass(
                top, top->getId() + QStringLiteral("m%1").arg(m));
            for (int l = 0; l < LEAF_CLASSES; ++l)
                fillLeaf(addClass(middle, middle->getId() + QStringLiteral("l%1").arg(l)),
                         leafIndex++);
        }
    }
    n_elements = root->getParametersCount() + root->getRulesCount() + root->getConstraintsCount()
                 + root->getAllClassesCount() + 1 + storage->getRelationsCount();
    return model;
}

double elapsedMs(const QElapsedTimer &n_timer)
{
    return double(n_timer.nsecsElapsed()) / 1e6;
}

struct LoadCost
{
    qint64 peakKb;
    double ms;
};

// Runs the child's side in a fresh process: loads the file (--measure-load), parses its bytes
// alone (--measure-dom) or loads a file that must be refused (--measure-refusal), and returns how
// far that raised the peak resident size there, in kB, and how long it took: in this process the
// allocator keeps what earlier steps freed, which would hide the memory.
LoadCost inChild(const char *n_mode, const QString &n_fileName)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(n_mode), n_fileName});
    child.waitForFinished(-1);
    const QStringList fields =
        QString::fromLatin1(child.readAllStandardOutput()).split(QLatin1Char(' '));
    return LoadCost{fields.value(0).toLongLong(), fields.value(1).toDouble()};
}

qint64 peakMemoryKb(const char *n_mode, const QString &n_fileName)
{
    return inChild(n_mode, n_fileName).peakKb;
}

// The child's side of inChild.
int measurePeak(const QByteArray &n_mode, const QString &n_fileName)
{
    const qint64 baselineKb = memoryKb("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    if (n_mode == "--measure-dom") {
        QFile file(n_fileName);
        file.open(QIODevice::ReadOnly);
        QDomDocument document;
        document.setContent(file.readAll());
    } else {
        try {
            ModelManager manager;
            QFile file(n_fileName);
            manager.loadModel(file);
        } catch (const ExceptionOstra &) {
            if (n_mode != "--measure-refusal")
                throw;
        }
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("%lld %.3f\n", static_cast<long long>(memoryKb("VmHWM:") - baselineKb), ms);
    return 0;
}

// A hostile file of 154 KB: one DOCTYPE entity of 4,000 characters referenced 50,000 times. Loaded,
// it would expand to 200 million characters; it must be refused before that.
void writeEntityFile(const QString &n_fileName)
{
    QFile file(n_fileName);
    file.open(QIODevice::WriteOnly);
    file.write("<!DOCTYPE model [<!ENTITY e \"" + QByteArray(4000, 'x')
               + "\">]>\n"
                 "<model formatXmlVersion=\"2.0\" id=\"m\"><class id=\"c\">"
               + QByteArray("&e;").repeated(50000) + "</class><relations/></model>\n");
}

const int PAIRS = 11;

// Load against parse of the same bytes, save against load, interleaved, and the peak memories.
void measureFile(const QByteArray &n_prefix, QFile &n_file, const QString &n_saveName,
                 int n_elements)
{
    n_file.open(QIODevice::ReadOnly);
    const QByteArray bytes = n_file.readAll();
    n_file.close();
    printFigure(n_prefix + "file_bytes", bytes.size());
    // 1 when loading takes the document in the stream pass, 0 when it is read through the DOM.
    bool throughStream = true;
    try {
        ModelManager::readThroughStream(QString::fromUtf8(bytes));
    } catch (const ExceptionOstra &) {
        throughStream = false;
    }
    printFigure(n_prefix + "load_through_stream", throughStream ? 1 : 0);

    QElapsedTimer timer;
    const auto parse = [&] {
        timer.restart();
        {
            QDomDocument document;
            document.setContent(bytes);
        }
        return elapsedMs(timer);
    };
    const auto load = [&] {
        timer.restart();
        {
            ModelManager manager;
            manager.loadModel(n_file);
        }
        return elapsedMs(timer);
    };
    ModelManager saver;
    saver.loadModel(n_file);
    const ModelIntegrity report = saver.getActiveModel()->getRootClass()->checkClassIntegrity();
    printFigure(n_prefix + "integrity_findings", report.getIntegrityMsgs().size());
    const auto save = [&] {
        QFile again(n_saveName);
        timer.restart();
        saver.saveActiveModelInFile(again);
        return elapsedMs(timer);
    };
    const auto integrity = [&] {
        timer.restart();
        saver.getActiveModel()->getRootClass()->checkClassIntegrity();
        return elapsedMs(timer);
    };
    // Load and its tear-down are timed together, as the load's share of the allocator's work.
    const PairedRatio loadOverParse = pairedRatio(PAIRS, load, parse);
    const PairedRatio saveOverLoad = pairedRatio(PAIRS, save, load);
    const PairedRatio integrityOverParse = pairedRatio(5, integrity, parse);
    printFigure(n_prefix + "dom_setcontent_ms", loadOverParse.secondMedianMs);
    printFigure(n_prefix + "load_model_ms", loadOverParse.firstMedianMs);
    printRatio(n_prefix + "load_to_parse_ratio", loadOverParse);
    printFigure(n_prefix + "save_model_ms", saveOverLoad.firstMedianMs);
    printRatio(n_prefix + "save_to_load_ratio", saveOverLoad);
    printFigure(n_prefix + "integrity_check_ms", integrityOverParse.firstMedianMs);
    const qint64 loadPeakKb = peakMemoryKb("--measure-load", n_file.fileName());
    const qint64 domPeakKb = peakMemoryKb("--measure-dom", n_file.fileName());
    printFigure(n_prefix + "load_peak_memory_kb", loadPeakKb);
    printFigure(n_prefix + "dom_peak_memory_kb", domPeakKb);
    printFigure(n_prefix + "load_peak_to_dom_peak_ratio", double(loadPeakKb) / domPeakKb);
    printFigure(n_prefix + "load_peak_memory_per_element_bytes",
                double(loadPeakKb) * 1024.0 / n_elements);
}

} // namespace

int main(int argc, char *argv[])
{
    // As the program does: the allocator set for large models.
    MemoryTuning::apply();
    QCoreApplication application(argc, argv);
    if (argc > 2
        && (QByteArray(argv[1]) == "--measure-load" || QByteArray(argv[1]) == "--measure-dom"
            || QByteArray(argv[1]) == "--measure-refusal"))
        return measurePeak(QByteArray(argv[1]), QString::fromLocal8Bit(argv[2]));
    // One load and one save of the given file, for profiling: bench_model --load-save FILE OUT.
    if (argc > 3 && QByteArray(argv[1]) == "--load-save") {
        ModelManager manager;
        QFile file(QString::fromLocal8Bit(argv[2]));
        QElapsedTimer timer;
        timer.start();
        manager.loadModel(file);
        printFigure("load_ms", elapsedMs(timer));
        QFile out(QString::fromLocal8Bit(argv[3]));
        timer.restart();
        manager.saveActiveModelInFile(out);
        printFigure("save_ms", elapsedMs(timer));
        return 0;
    }
    if (argc > 1)
        LEAF_CLASSES = qMax(1, QString::fromLocal8Bit(argv[1]).toInt());
    try {
        QTemporaryDir dir;
        // The generated model of 10^5 elements, as the generator tool writes it.
        {
            ModelGenerator::Options options;
            options.elements = 100000;
            const ModelGenerator generator(options);
            QFile file(dir.filePath(QStringLiteral("generated.xml")));
            file.open(QIODevice::WriteOnly);
            file.write(generator.currentFormat().toUtf8());
            file.close();
            ModelManager counter;
            counter.loadModel(file);
            const OstraClass::OstraClassPtr root = counter.getActiveModel()->getRootClass();
            const int elements =
                root->getParametersCount() + root->getRulesCount() + root->getConstraintsCount()
                + root->getAllClassesCount() + 1
                + counter.getActiveModel()->getRelationsStorage()->getRelationsCount();
            printFigure("generated_model_elements", elements);
            measureFile("generated_", file, dir.filePath(QStringLiteral("generated_again.xml")),
                        elements);
        }

        // The model built in code: long rule chains in a regular class tree.
        QElapsedTimer timer;
        timer.start();
        int elements = 0;
        OstraModel::OstraModelSharedPtr model = buildModel(elements);
        printFigure("model_elements", elements);
        printFigure("build_ms", elapsedMs(timer));
        QFile file(dir.filePath(QStringLiteral("bench.xml")));
        {
            ModelManager writer;
            writer.addModel(model);
            timer.restart();
            writer.saveModelInFile(model, file);
            printFigure("first_save_ms", elapsedMs(timer));
        }
        model.reset();
        measureFile("", file, dir.filePath(QStringLiteral("again.xml")), elements);

        const QString entityFile = dir.filePath(QStringLiteral("entities.xml"));
        writeEntityFile(entityFile);
        QVector<double> refusalMs;
        qint64 refusalPeakKb = 0;
        for (int run = 0; run < 7; ++run) {
            const LoadCost cost = inChild("--measure-refusal", entityFile);
            refusalMs.append(cost.ms);
            refusalPeakKb = qMax(refusalPeakKb, cost.peakKb);
        }
        std::sort(refusalMs.begin(), refusalMs.end());
        printFigure("entity_file_refusal_ms", refusalMs.at(refusalMs.size() / 2));
        printFigure("entity_file_refusal_peak_memory_kb", refusalPeakKb);
    } catch (const ExceptionOstra &exception) {
        std::fprintf(stderr, "%s\n", qPrintable(exception.toString(true)));
        return 1;
    }
    return 0;
}
