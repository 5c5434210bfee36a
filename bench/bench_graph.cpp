// Drawing speed of the layered solution graph: layout and scene build of generated solutions of
// 1,000, 5,000 and 10,000 rules, against laying out the same graph with Graphviz's dot (the
// package graphviz; without it only the graph's own figures are printed). Prints `name: value`
// lines; ratios are medians of interleaved pairs with their min and max.

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QHash>
#include <QProcess>
#include <QSharedPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/RuleModel.h"
#include "graphVisualization/BaseNode.h"
#include "graphVisualization/EdgeItem.h"
#include "graphVisualization/LayeredGraphWidget.h"
#include "model/OstraClass.h"
#include "solver/AlgorithmSolution.h"
#include "model/MemoryTuning.h"

namespace {

const int DOT_CAP_MS = 300000;

typedef QSharedPointer<ParameterModel> ParPtr;

struct GeneratedSolution
{
    QSharedPointer<RelationsStorage> storage = QSharedPointer<RelationsStorage>::create();
    QSharedPointer<OstraClass> root = QSharedPointer<OstraClass>::create(
        QStringLiteral("bench-root"), storage);
    AlgorithmSolution solution;
    int parameters = 0;

    ParPtr parameter()
    {
        auto made = QSharedPointer<ParameterModel>::create();
        made->setId(QStringLiteral("p%1").arg(parameters, 7, 10, QLatin1Char('0')));
        made->setShortName(QStringLiteral("param%1").arg(parameters++));
        made->setValueType(QVariant::Double);
        root->addParameter(made);
        return made;
    }

    QString relation(int n_inputs, int n_outputs)
    {
        const QString id = QStringLiteral("rel_%1_%2").arg(n_inputs).arg(n_outputs);
        if (storage->relationsContains(id))
            return id;
        auto made = QSharedPointer<RelationModel>::create(id, QStringLiteral("o0 = i0 * 2;"),
                                                          nullptr);
        for (int i = 0; i < n_inputs; ++i)
            made->addInputParameterType(QStringLiteral("i%1").arg(i), QVariant::Double);
        for (int o = 0; o < n_outputs; ++o)
            made->addOutputParameterType(QStringLiteral("o%1").arg(o), QVariant::Double);
        storage->addRelationPtr(made);
        return id;
    }
};

// Rules with 1-3 inputs, about half of them produced by earlier rules, and 1-2 fresh outputs.
QSharedPointer<GeneratedSolution> generate(int n_rules, unsigned n_seed)
{
    auto generated = QSharedPointer<GeneratedSolution>::create();
    std::mt19937 random(n_seed);
    std::vector<ParPtr> produced;
    for (int r = 0; r < n_rules; ++r) {
        const int inputCount = 1 + static_cast<int>(random() % 3);
        const int outputCount = 1 + static_cast<int>(random() % 2);
        QList<ParPtr> inputs;
        while (inputs.size() < inputCount) {
            ParPtr input = (!produced.empty() && random() % 2 == 0)
                               ? produced.at(random() % produced.size())
                               : generated->parameter();
            if (!inputs.contains(input))
                inputs.append(input);
        }
        auto rule = QSharedPointer<RuleModel>::create();
        const QString id = QStringLiteral("r%1").arg(r, 7, 10, QLatin1Char('0'));
        rule->setId(id);
        rule->setDescription(QStringLiteral("rule %1").arg(r));
        generated->root->addRule(rule);
        generated->root->addEdge(id, generated->relation(inputCount, outputCount), QString());
        for (int i = 0; i < inputs.size(); ++i)
            generated->root->addEdge(inputs.at(i)->getId(), id, QStringLiteral("i%1").arg(i));
        for (int o = 0; o < outputCount; ++o) {
            const ParPtr output = generated->parameter();
            generated->root->addEdge(id, output->getId(), QStringLiteral("o%1").arg(o));
            produced.push_back(output);
        }
        generated->solution.appendRule(rule);
    }
    return generated;
}

double buildMs(LayeredGraphWidget &n_view, AlgorithmSolution &n_solution)
{
    QElapsedTimer timer;
    timer.start();
    n_view.ChangeDataFromTestActions(n_solution, LayeredGraphWidget::SOLUTION_RULE);
    // The scene polishes new items when the event loop next runs, as it does after every drawing
    // in the program; items left unpolished make the next clearing quadratic.
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

// The drawn graph as DOT: one node per drawn node, one edge per arrow.
QByteArray toDot(const LayeredGraphWidget &n_view)
{
    QHash<const BaseNode *, int> numbers;
    QByteArray dot("digraph solution {\n");
    for (QGraphicsItem *item : n_view.scene()->items()) {
        if (const auto *node = dynamic_cast<const BaseNode *>(item)) {
            const int number = numbers.size();
            numbers.insert(node, number);
            dot += "  n" + QByteArray::number(number)
                   + (node->getNodeType() == BaseNode::RULE_NODE ? " [shape=box];\n" : ";\n");
        }
    }
    QVector<EdgeItem *> edges = n_view.getInputEdges();
    edges += n_view.getOutputEdges();
    for (const EdgeItem *edge : edges)
        dot += "  n" + QByteArray::number(numbers.value(edge->getSoureceNode())) + " -> n"
               + QByteArray::number(numbers.value(edge->getDestinationNode())) + ";\n";
    return dot + "}\n";
}

// Milliseconds of `dot -Tplain`, or -1 when it was stopped at the cap.
double dotMs(const QString &n_file)
{
    QProcess dot;
    QElapsedTimer timer;
    timer.start();
    dot.start(QStringLiteral("dot"), {QStringLiteral("-Tplain"), n_file});
    if (!dot.waitForFinished(DOT_CAP_MS)) {
        dot.kill();
        dot.waitForFinished();
        return -1;
    }
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> n_values)
{
    std::sort(n_values.begin(), n_values.end());
    const size_t n = n_values.size();
    return n % 2 == 1 ? n_values[n / 2] : (n_values[n / 2 - 1] + n_values[n / 2]) / 2;
}

void print(const char *n_name, int n_size, double n_value)
{
    std::printf("%s_%d: %.4g\n", n_name, n_size, n_value);
}

void printSpread(const char *n_name, int n_size, const std::vector<double> &n_values)
{
    print(n_name, n_size, median(n_values));
    std::printf("%s_%d_min: %.4g\n", n_name, n_size,
                *std::min_element(n_values.begin(), n_values.end()));
    std::printf("%s_%d_max: %.4g\n", n_name, n_size,
                *std::max_element(n_values.begin(), n_values.end()));
}

} // namespace

int main(int argc, char **argv)
{
    // As the program does: the allocator set for large models.
    MemoryTuning::apply();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool dotAvailable = !QStandardPaths::findExecutable(QStringLiteral("dot")).isEmpty();
    std::printf("dot_available: %d\n", dotAvailable ? 1 : 0);
    QTemporaryDir dir;
    const int pairs = 3;

    QHash<int, QSharedPointer<GeneratedSolution>> solutions;
    for (int size : {1000, 5000, 10000}) {
        const auto generated = generate(size, 20261207u + size);
        solutions.insert(size, generated);
        LayeredGraphWidget view(generated->root, nullptr);
        std::vector<double> builds;
        std::vector<double> ratios;
        std::vector<double> dots;
        bool capped = false;
        for (int pair = 0; pair < pairs; ++pair) {
            builds.push_back(buildMs(view, generated->solution));
            if (!dotAvailable || capped)
                continue;
            const QString file = dir.filePath(QStringLiteral("graph_%1.dot").arg(size));
            QFile out(file);
            if (!out.open(QIODevice::WriteOnly))
                return 1;
            out.write(toDot(view));
            out.close();
            const double dot = dotMs(file);
            capped = dot < 0;
            ratios.push_back(builds.back() / (capped ? DOT_CAP_MS : dot));
            if (!capped)
                dots.push_back(dot);
        }
        printSpread("graph_build_ms", size, builds);
        if (!dots.empty())
            printSpread("dot_ms", size, dots);
        if (dotAvailable) {
            if (capped)
                print("dot_capped", size, 1);
            printSpread("graph_vs_dot", size, ratios);
        }
    }

    // Doubling: 10,000 rules against 5,000, interleaved.
    LayeredGraphWidget large(solutions.value(10000)->root, nullptr);
    LayeredGraphWidget half(solutions.value(5000)->root, nullptr);
    std::vector<double> doubling;
    for (int pair = 0; pair < 5; ++pair) {
        const double big = buildMs(large, solutions.value(10000)->solution);
        const double small = buildMs(half, solutions.value(5000)->solution);
        doubling.push_back(big / small);
    }
    std::printf("graph_doubling_ratio: %.3f\n", median(doubling));
    std::printf("graph_doubling_ratio_min: %.3f\n",
                *std::min_element(doubling.begin(), doubling.end()));
    std::printf("graph_doubling_ratio_max: %.3f\n",
                *std::max_element(doubling.begin(), doubling.end()));
    return 0;
}
