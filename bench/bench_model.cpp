// Whole-model speed: builds a model of about 10^5 elements in code, saves it, then times loading
// it against parsing its bytes alone, saving against loading, and the integrity check (medians of
// several runs), and the memory that loading takes per element; then the time and memory of
// refusing a file of nested entity references. Prints `name: value` lines.

#include <QCoreApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

#include "elements/ConstraintModel.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/RuleModel.h"
#include "errors/ExceptionOstra.h"
#include "model/ModelManager.h"
#include "model/OstraModel.h"

namespace {

const int TOP_CLASSES = 10;
const int MIDDLE_CLASSES = 10;
int LEAF_CLASSES = 5; // per middle class; the first argument overrides it
const int PARAMETERS_PER_LEAF = 100;
const int RULES_PER_LEAF = 80;
const int CONSTRAINTS_PER_LEAF = 20;
const int RELATIONS = 300;
const int CONSTRAINT_RELATIONS = 20;

void print(const char *n_name, double n_value)
{
    std::printf("%s: %.3f\n", n_name, n_value);
}

void print(const char *n_name, qint64 n_value)
{
    std::printf("%s: %lld\n", n_name, static_cast<long long>(n_value));
}

// Resident memory of the process in kB: the peak so far (VmHWM) or the present (VmRSS).
qint64 memoryKb(const char *n_field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    QTextStream stream(&status);
    for (QString line = stream.readLine(); !line.isNull(); line = stream.readLine())
        if (line.startsWith(QLatin1String(n_field)))
            return line.section(QLatin1Char(' '), 1, -1, QString::SectionSkipEmpty).section(QLatin1Char(' '), 0, 0).toLongLong();
    return -1;
}

OstraClass::OstraClassPtr addClass(const OstraClass::OstraClassPtr &n_parent, const QString &n_id)
{
    const OstraClass::OstraClassPtr cls = QSharedPointer<OstraClass>::create(n_id, n_parent->getRelationsStorage());
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
        const ParameterModel::ParameterModelPtr parameter = QSharedPointer<ParameterModel>::create();
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
        n_leaf->addEdge(id, QStringLiteral("rel%1").arg((n_leafIndex * RULES_PER_LEAF + j) % RELATIONS), QString());
        n_leaf->addEdge(prefix + QStringLiteral("p%1").arg(j), id, QStringLiteral("x"));
        n_leaf->addEdge(id, prefix + QStringLiteral("p%1").arg(j + 1), QStringLiteral("y"));
    }
    for (int k = 0; k < CONSTRAINTS_PER_LEAF; ++k) {
        const ConstraintModel::ConstraintModelPtr constraint = QSharedPointer<ConstraintModel>::create();
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
        const RelationModel::RelationModelPtr relation =
            QSharedPointer<RelationModel>::create(QStringLiteral("rel%1").arg(i), QStringLiteral("y = x + %1;").arg(i), nullptr);
        relation->setShortName(QStringLiteral("rel%1").arg(i));
        relation->addInputParameterType(QStringLiteral("x"), QVariant::Double);
        relation->addOutputParameterType(QStringLiteral("y"), QVariant::Double);
        storage->addRelationPtr(relation);
    }
    for (int i = 0; i < CONSTRAINT_RELATIONS; ++i) {
        const RelationModel::RelationModelPtr relation =
            QSharedPointer<RelationModel>::create(QStringLiteral("check%1").arg(i), QStringLiteral("flag = v > %1;").arg(i), nullptr);
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
            const OstraClass::OstraClassPtr middle = addClass(top, top->getId() + QStringLiteral("m%1").arg(m));
            for (int l = 0; l < LEAF_CLASSES; ++l)
                fillLeaf(addClass(middle, middle->getId() + QStringLiteral("l%1").arg(l)), leafIndex++);
        }
    }
    n_elements = root->getParametersCount() + root->getRulesCount() + root->getConstraintsCount()
                 + root->getAllClassesCount() + 1 + storage->getRelationsCount();
    return model;
}

// Median of the samples (an even count takes the upper middle).
double median(QVector<double> n_samples)
{
    std::sort(n_samples.begin(), n_samples.end());
    return n_samples.at(n_samples.size() / 2);
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

// Loads the file in a fresh process and returns how far loading (or refusing) it raised the peak
// resident size there, in kB, and how long it took: in this process the allocator keeps what
// earlier steps freed, which would hide the memory.
LoadCost loadInChild(const QString &n_fileName)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--measure-load"), n_fileName});
    child.waitForFinished(-1);
    const QStringList fields = QString::fromLatin1(child.readAllStandardOutput()).split(QLatin1Char(' '));
    return LoadCost{fields.value(0).toLongLong(), fields.value(1).toDouble()};
}

// The child's side of loadInChild.
int measureLoad(const QString &n_fileName)
{
    const qint64 baselineKb = memoryKb("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    try {
        ModelManager manager;
        QFile file(n_fileName);
        manager.loadModel(file);
    } catch (const ExceptionOstra &) {
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("%lld %.3f", static_cast<long long>(memoryKb("VmHWM:") - baselineKb), ms);
    return 0;
}

// A hostile file of 154 KB: one DOCTYPE entity of 4,000 characters referenced 50,000 times. Loaded,
// it would expand to 200 million characters; it must be refused before that.
void writeEntityFile(const QString &n_fileName)
{
    QFile file(n_fileName);
    file.open(QIODevice::WriteOnly);
    file.write("<!DOCTYPE model [<!ENTITY e \"" + QByteArray(4000, 'x') + "\">]>\n"
               "<model formatXmlVersion=\"2.0\" id=\"m\"><class id=\"c\">"
               + QByteArray("&e;").repeated(50000) + "</class><relations/></model>\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc > 2 && QByteArray(argv[1]) == "--measure-load")
        return measureLoad(QString::fromLocal8Bit(argv[2]));
    if (argc > 1)
        LEAF_CLASSES = qMax(1, QString::fromLocal8Bit(argv[1]).toInt());
    const int runs = 5;
    try {
        QElapsedTimer timer;
        timer.start();
        int elements = 0;
        OstraModel::OstraModelSharedPtr model = buildModel(elements);
        print("model_elements", qint64(elements));
        print("build_ms", elapsedMs(timer));

        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("bench.xml")));
        ModelManager writer;
        writer.addModel(model);
        timer.restart();
        writer.saveModelInFile(model, file);
        print("first_save_ms", elapsedMs(timer));
        print("file_bytes", file.size());
        model.reset();
        writer.deleteModel(QStringLiteral("bench"));

        QFile bytesFile(file.fileName());
        bytesFile.open(QIODevice::ReadOnly);
        const QByteArray bytes = bytesFile.readAll();
        bytesFile.close();

        // Parse and load alternate, so that both pay alike for what the allocator does with the
        // memory the other step has just freed.
        QVector<double> parseMs, loadMs, integrityMs, saveMs;
        for (int run = 0; run < runs; ++run) {
            timer.restart();
            {
                QDomDocument document;
                document.setContent(bytes);
            }
            parseMs.append(elapsedMs(timer));

            ModelManager manager;
            timer.restart();
            manager.loadModel(file);
            loadMs.append(elapsedMs(timer));

            const OstraModel::OstraModelSharedPtr loaded = manager.getActiveModel();
            timer.restart();
            const ModelIntegrity report = loaded->getRootClass()->checkClassIntegrity();
            integrityMs.append(elapsedMs(timer));
            if (run == 0)
                print("integrity_findings", qint64(report.getIntegrityMsgs().size()));

            QFile again(dir.filePath(QStringLiteral("again.xml")));
            timer.restart();
            manager.saveActiveModelInFile(again);
            saveMs.append(elapsedMs(timer));
        }
        print("dom_setcontent_ms", median(parseMs));
        print("load_model_ms", median(loadMs));
        print("load_to_parse_ratio", median(loadMs) / median(parseMs));
        print("save_model_ms", median(saveMs));
        print("save_to_load_ratio", median(saveMs) / median(loadMs));
        print("integrity_check_ms", median(integrityMs));
        const qint64 peakKb = loadInChild(file.fileName()).peakKb;
        print("load_peak_memory_kb", peakKb);
        print("load_peak_memory_per_element_bytes", double(peakKb) * 1024.0 / elements);

        const QString entityFile = dir.filePath(QStringLiteral("entities.xml"));
        writeEntityFile(entityFile);
        QVector<double> refusalMs;
        qint64 refusalPeakKb = 0;
        for (int run = 0; run < runs; ++run) {
            const LoadCost cost = loadInChild(entityFile);
            refusalMs.append(cost.ms);
            refusalPeakKb = qMax(refusalPeakKb, cost.peakKb);
        }
        print("entity_file_refusal_ms", median(refusalMs));
        print("entity_file_refusal_peak_memory_kb", refusalPeakKb);
    } catch (const ExceptionOstra &exception) {
        std::fprintf(stderr, "%s\n", qPrintable(exception.toString(true)));
        return 1;
    }
    return 0;
}
