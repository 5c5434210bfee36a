// Planning speed of the static solver on generated networks, against a bare counter planner that
// walks the same model objects. Prints `name: value` lines.

#include <algorithm>
#include <cstdio>
#include <deque>
#include <random>
#include <unordered_map>
#include <unordered_set>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QSharedPointer>

#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/RuleModel.h"
#include "solver/BaseClassCommonData.h"
#include "solver/StaticAlgorithm.h"

namespace {

typedef QSharedPointer<ParameterModel> ParPtr;
typedef QSharedPointer<RuleModel> RulePtr;

struct Network
{
    QSharedPointer<RelationsStorage> storage = QSharedPointer<RelationsStorage>::create();
    QSharedPointer<BaseClassCommonData> net = QSharedPointer<BaseClassCommonData>::create(storage);
    QList<ParPtr> known;
    QList<ParPtr> required;
    int ruleCount = 0;

    ParPtr parameter(int n_number)
    {
        auto parameter = QSharedPointer<ParameterModel>::create(QStringLiteral("p%1").arg(n_number, 7, 10, QLatin1Char('0')),
                                                                QVariant::Double, QVariant(), QSharedPointer<OstraClass>());
        net->addParameterPtr(parameter);
        return parameter;
    }

    // Rules share one relation per shape (inputs, outputs).
    QSharedPointer<RelationModel> relation(int n_inputs, int n_outputs)
    {
        const QString id = QStringLiteral("rel_%1_%2").arg(n_inputs).arg(n_outputs);
        if (storage->relationsContains(id))
            return storage->getRelationPtr(id);
        auto relation = QSharedPointer<RelationModel>::create(id, QStringLiteral("o0 = i0;"), nullptr);
        for (int i = 0; i < n_inputs; ++i)
            relation->addInputParameterType(QStringLiteral("i%1").arg(i), QVariant::Double);
        for (int o = 0; o < n_outputs; ++o)
            relation->addOutputParameterType(QStringLiteral("o%1").arg(o), QVariant::Double);
        storage->addRelationPtr(relation);
        return relation;
    }

    void rule(const QList<ParPtr> &n_inputs, const QList<ParPtr> &n_outputs)
    {
        auto rule = QSharedPointer<RuleModel>::create(QStringLiteral("r%1").arg(ruleCount++, 7, 10, QLatin1Char('0')),
                                                      QSharedPointer<OstraClass>());
        net->addRulePtr(rule);
        net->addEdge(rule, relation(n_inputs.size(), n_outputs.size()));
        for (int i = 0; i < n_inputs.size(); ++i)
            net->addEdge(n_inputs.at(i), QStringLiteral("i%1").arg(i), rule);
        for (int o = 0; o < n_outputs.size(); ++o)
            net->addEdge(QStringLiteral("o%1").arg(o), rule, n_outputs.at(o));
    }
};

// p0 -> r0 -> p1 -> ... -> pN; p0 known, pN required.
QSharedPointer<Network> chain(int n_rules)
{
    auto network = QSharedPointer<Network>::create();
    ParPtr previous = network->parameter(0);
    network->known.append(previous);
    for (int i = 1; i <= n_rules; ++i) {
        const ParPtr next = network->parameter(i);
        network->rule({previous}, {next});
        previous = next;
    }
    network->required.append(previous);
    return network;
}

// Layers of the given width; each rule of layer l reads 1 to 4 distinct parameters of the layers
// before it (mostly the one just before) and writes 1 or 2 of layer l, so parameters often have
// several producers and every parameter can be reached. Layer 0 is known, the last layer is
// required.
QSharedPointer<Network> layered(int n_rules, int n_width, unsigned n_seed)
{
    const int width = n_width;
    const int layers = std::max(1, n_rules / width);
    std::mt19937 random(n_seed);
    auto network = QSharedPointer<Network>::create();
    QVector<QList<ParPtr>> parameters(layers + 1);
    int number = 0;
    for (int l = 0; l <= layers; ++l)
        for (int i = 0; i < width; ++i)
            parameters[l].append(network->parameter(number++));
    network->known = parameters[0];
    int made = 0;
    for (int l = 1; l <= layers; ++l) {
        const int rulesHere = l == layers ? n_rules - made : n_rules / layers;
        for (int r = 0; r < rulesHere; ++r, ++made) {
            QList<ParPtr> inputs;
            const int inputCount = 1 + static_cast<int>(random() % 4);
            while (inputs.size() < inputCount) {
                const int layer = (random() % 4 == 0 && l > 1) ? static_cast<int>(random() % (l - 1)) : l - 1;
                const ParPtr candidate = parameters[layer].at(static_cast<int>(random() % width));
                if (!inputs.contains(candidate))
                    inputs.append(candidate);
            }
            // The first output walks the layer, so every parameter has a producer.
            QList<ParPtr> outputs{parameters[l].at(r % width)};
            const int outputCount = 1 + static_cast<int>(random() % 2);
            while (outputs.size() < outputCount) {
                const ParPtr candidate = parameters[l].at(static_cast<int>(random() % width));
                if (!outputs.contains(candidate))
                    outputs.append(candidate);
            }
            network->rule(inputs, outputs);
        }
    }
    network->required = parameters[layers];
    return network;
}

// Milliseconds of one StaticAlgorithm::search on a fresh solver loaded with the network.
double timeSearch(Network &n_network, int *n_planned)
{
    n_network.net->reset();
    StaticAlgorithm solver(QSharedPointer<BaseAlgorithmData>::create(false, false));
    solver.setData(*n_network.net);
    for (const ParPtr &parameter : qAsConst(n_network.known))
        solver.addKnownParameter(parameter, 1.0);
    for (const ParPtr &parameter : qAsConst(n_network.required))
        solver.addRequiredParameter(parameter);
    QElapsedTimer timer;
    timer.start();
    solver.search();
    const double elapsed = timer.nsecsElapsed() / 1e6;
    *n_planned = solver.getAlgorithmSolution()->getRulesOrderCount();
    return elapsed;
}

// The bare planner: each rule counts its input bindings not yet known; a queue of newly known
// parameters fires the rules whose count drops to zero. Linear in links.
double timeCounter(Network &n_network, int *n_fired)
{
    QElapsedTimer timer;
    timer.start();
    std::unordered_map<const RuleModel *, int> waiting;
    std::unordered_set<const ParameterModel *> known;
    std::unordered_set<const ParameterModel *> required;
    std::deque<ParPtr> queue;
    for (const ParPtr &parameter : qAsConst(n_network.required))
        required.insert(parameter.data());
    for (const ParPtr &parameter : qAsConst(n_network.known)) {
        known.insert(parameter.data());
        required.erase(parameter.data());
        queue.push_back(parameter);
    }
    QList<RulePtr> fired;
    while (!queue.empty() && !required.empty()) {
        const ParPtr parameter = queue.front();
        queue.pop_front();
        for (const RulePtr &rule : parameter->getOutputRules()) {
            auto it = waiting.find(rule.data());
            if (it == waiting.end()) {
                int unknown = 0;
                const QHash<QString, ParPtr> inputs = rule->getInputParameters();
                for (auto in = inputs.constBegin(); in != inputs.constEnd(); ++in)
                    if (known.count(in.value().data()) == 0)
                        ++unknown;
                // The binding being handled now is known already and was not counted.
                it = waiting.emplace(rule.data(), unknown + 1).first;
            }
            if (--it->second != 0)
                continue;
            fired.append(rule);
            const QHash<QString, ParPtr> outputs = rule->getOutputParameters();
            for (auto out = outputs.constBegin(); out != outputs.constEnd(); ++out) {
                if (known.insert(out.value().data()).second) {
                    required.erase(out.value().data());
                    queue.push_back(out.value());
                }
            }
        }
    }
    const double elapsed = timer.nsecsElapsed() / 1e6;
    *n_fired = fired.size();
    return elapsed;
}

void print(const QByteArray &n_name, double n_value)
{
    std::printf("%s: %.3f\n", n_name.constData(), n_value);
}

void runFamily(const char *n_family, QSharedPointer<Network> (*n_make)(int))
{
    const int sizes[] = {10000, 20000, 100000};
    double search[3];
    double counter[3];
    for (int s = 0; s < 3; ++s) {
        const QSharedPointer<Network> network = n_make(sizes[s]);
        const int repeats = sizes[s] < 100000 ? 3 : 1;
        search[s] = counter[s] = 1e300;
        int planned = 0;
        int fired = 0;
        for (int r = 0; r < repeats; ++r) {
            search[s] = std::min(search[s], timeSearch(*network, &planned));
            counter[s] = std::min(counter[s], timeCounter(*network, &fired));
        }
        const QByteArray prefix = QByteArray(n_family).append('_').append(QByteArray::number(sizes[s]));
        print(QByteArray(prefix).append("_search_ms"), search[s]);
        print(QByteArray(prefix).append("_counter_planner_ms"), counter[s]);
        print(QByteArray(prefix).append("_search_over_counter"), search[s] / counter[s]);
        print(QByteArray(prefix).append("_planned_rules"), planned);
        print(QByteArray(prefix).append("_counter_fired_rules"), fired);
    }
    print(QByteArray(n_family).append("_search_ratio_20000_over_10000"), search[1] / search[0]);
    print(QByteArray(n_family).append("_search_ratio_100000_over_20000_per_5"), search[2] / search[1] / 5.0);
    // The bare planner's own growth, for comparison: memory effects slow both alike.
    print(QByteArray(n_family).append("_counter_ratio_20000_over_10000"), counter[1] / counter[0]);
}

// Deep: layers of 100, so the number of layers grows with N and derivations reach far back.
QSharedPointer<Network> layeredDeep(int n_rules)
{
    return layered(n_rules, 100, 12345u);
}

// Shallow: always 10 layers, wider as N grows.
QSharedPointer<Network> layeredWide(int n_rules)
{
    return layered(n_rules, n_rules / 10, 12345u);
}

} // namespace

int main(int argc, char **argv)
{
    // As the program does: table orders, and so the plans, are the same on every run.
    qSetGlobalQHashSeed(0);
    QCoreApplication app(argc, argv);
    // Either family alone, for profiling.
    const QByteArray only = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (only.isEmpty() || only == "--chain-only")
        runFamily("chain", &chain);
    if (only != "--chain-only" && only != "--wide-only")
        runFamily("layered", &layeredDeep);
    if (only != "--chain-only" && only != "--layered-only")
        runFamily("layered_wide", &layeredWide);
    return 0;
}
