// Planning speed of the static solver on generated networks of 10^5 and 2*10^5 rules, against a
// plain counter planner over integer arrays (the network numbered once, outside its timed part),
// and like for like against that planner plus what the search must do beyond it (see
// timeLikeForLike), and beside that against the same plus the solution's own record of the plan
// (timeSolutionRecord). The search is timed alone and with the plan's integrity check, as
// calculate() runs them. Ratios are medians of interleaved pairs with their spread. Prints
// `name: value` lines.

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QSharedPointer>

#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RelationsStorage.h"
#include "elements/RuleModel.h"
#include "solver/BaseClassCommonData.h"
#include "solver/RulePathSets.h"
#include "solver/StaticAlgorithm.h"

#include "PairedRatio.h"
#include "model/MemoryTuning.h"

namespace {

typedef QSharedPointer<ParameterModel> ParPtr;
typedef QSharedPointer<RuleModel> RulePtr;

struct Network
{
    QSharedPointer<RelationsStorage> storage = QSharedPointer<RelationsStorage>::create();
    QSharedPointer<BaseClassCommonData> net = QSharedPointer<BaseClassCommonData>::create(storage);
    QList<ParPtr> known;
    QList<ParPtr> required;
    QList<ParPtr> parameters;
    QList<RulePtr> rules;
    int ruleCount = 0;

    ParPtr parameter(int n_number)
    {
        auto parameter = QSharedPointer<ParameterModel>::create(
            QStringLiteral("p%1").arg(n_number, 7, 10, QLatin1Char('0')), QVariant::Double,
            QVariant(), QSharedPointer<OstraClass>());
        net->addParameterPtr(parameter);
        parameters.append(parameter);
        return parameter;
    }

    // Rules share one relation per shape (inputs, outputs).
    QSharedPointer<RelationModel> relation(int n_inputs, int n_outputs)
    {
        const QString id = QStringLiteral("rel_%1_%2").arg(n_inputs).arg(n_outputs);
        if (storage->relationsContains(id))
            return storage->getRelationPtr(id);
        auto relation = QSharedPointer<RelationModel>::create(id, QStringLiteral("o0 = i0;"),
                                                              nullptr);
        for (int i = 0; i < n_inputs; ++i)
            relation->addInputParameterType(QStringLiteral("i%1").arg(i), QVariant::Double);
        for (int o = 0; o < n_outputs; ++o)
            relation->addOutputParameterType(QStringLiteral("o%1").arg(o), QVariant::Double);
        storage->addRelationPtr(relation);
        return relation;
    }

    void rule(const QList<ParPtr> &n_inputs, const QList<ParPtr> &n_outputs)
    {
        auto rule = QSharedPointer<RuleModel>::create(
            QStringLiteral("r%1").arg(ruleCount++, 7, 10, QLatin1Char('0')),
            QSharedPointer<OstraClass>());
        net->addRulePtr(rule);
        rules.append(rule);
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
                const int layer = (random() % 4 == 0 && l > 1)
                                      ? static_cast<int>(random() % (l - 1))
                                      : l - 1;
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

// The network numbered once for the integer planner: rules and parameters by position, adjacency
// as index arrays (compressed rows), the known and required parameters as numbers.
struct Numbered
{
    int parameters = 0;
    int rules = 0;
    std::vector<int> inputStart, inputs;   // rule -> its distinct input parameters
    std::vector<int> outputStart, outputs; // rule -> its output parameters
    std::vector<int> readerStart, readers; // parameter -> the rules that read it
    std::vector<int> known, required;
};

Numbered number(const Network &n_network)
{
    Numbered numbered;
    QHash<const ParameterModel *, int> parameterNumbers;
    for (const ParPtr &parameter : n_network.parameters)
        parameterNumbers.insert(parameter.data(), parameterNumbers.size());
    QHash<const RuleModel *, int> ruleNumbers;
    for (const RulePtr &rule : n_network.rules)
        ruleNumbers.insert(rule.data(), ruleNumbers.size());
    numbered.parameters = parameterNumbers.size();
    numbered.rules = ruleNumbers.size();
    const auto addRow = [&](std::vector<int> &n_start, std::vector<int> &n_list,
                            const QHash<QString, ParPtr> &n_links) {
        n_start.push_back(static_cast<int>(n_list.size()));
        for (auto it = n_links.constBegin(); it != n_links.constEnd(); ++it)
            if (!it.value().isNull())
                n_list.push_back(parameterNumbers.value(it.value().data()));
    };
    for (const RulePtr &rule : n_network.rules) {
        addRow(numbered.inputStart, numbered.inputs, rule->getInputParameters());
        addRow(numbered.outputStart, numbered.outputs, rule->getOutputParameters());
    }
    numbered.inputStart.push_back(static_cast<int>(numbered.inputs.size()));
    numbered.outputStart.push_back(static_cast<int>(numbered.outputs.size()));
    for (const ParPtr &parameter : n_network.parameters) {
        numbered.readerStart.push_back(static_cast<int>(numbered.readers.size()));
        for (const RulePtr &rule : parameter->getOutputRules())
            numbered.readers.push_back(ruleNumbers.value(rule.data()));
    }
    numbered.readerStart.push_back(static_cast<int>(numbered.readers.size()));
    for (const ParPtr &parameter : n_network.known)
        numbered.known.push_back(parameterNumbers.value(parameter.data()));
    for (const ParPtr &parameter : n_network.required)
        numbered.required.push_back(parameterNumbers.value(parameter.data()));
    return numbered;
}

double elapsedMs(const QElapsedTimer &n_timer)
{
    return n_timer.nsecsElapsed() / 1e6;
}

// The solver loaded with the network, the known parameters given a value and the required ones.
void giveTask(StaticAlgorithm &n_solver, Network &n_network)
{
    n_solver.setData(*n_network.net);
    for (const ParPtr &parameter : qAsConst(n_network.known))
        n_solver.addKnownParameter(parameter, 1.0);
    for (const ParPtr &parameter : qAsConst(n_network.required))
        n_solver.addRequiredParameter(parameter);
}

// One StaticAlgorithm::search as a user pays for it: a fresh solver loaded with the network, the
// known and required parameters given, the search, and the solver's tear-down.
double timeSearch(Network &n_network, int *n_planned, quint32 *n_checksum = nullptr,
                  bool n_check = false)
{
    n_network.net->reset();
    QElapsedTimer timer;
    timer.start();
    {
        StaticAlgorithm solver(QSharedPointer<BaseAlgorithmData>::create(false, false));
        giveTask(solver, n_network);
        solver.search();
        // calculate() checks the plan right after planning it.
        if (n_check && !solver.getAlgorithmSolution()->checkAlgorithmInegrity())
            std::printf("the plan failed its integrity check\n");
        *n_planned = solver.getAlgorithmSolution()->getRulesOrderCount();
        if (n_checksum != nullptr) {
            // Outside the figure that matters: the plan itself, to compare builds by.
            quint32 hash = 2166136261u;
            for (const RulePtr &rule : solver.getAlgorithmSolution()->getRulesOrder())
                hash = (hash ^ qHash(rule->getId())) * 16777619u;
            *n_checksum = hash % 1000000000u;
        }
    }
    return elapsedMs(timer);
}

// The plain Dowling-Gallier counter planner over the numbered network: one counter of unknown
// inputs per rule, a queue of newly known parameters that fires each rule whose counter reaches
// zero, then the backward pass from the required parameters through each parameter's producing
// rule, and the needed rules in firing order. n_fired(rule, parameter) hears of each rule fired by
// a parameter, n_produced(rule) of each rule that makes a parameter known, n_again(rule, output)
// of each rule firing on a parameter some rule already produced.
struct CounterPlan
{
    std::vector<int> producer;
    std::vector<int> queue;
    std::vector<int> fired;
    std::vector<int> order;
};

template<class Fired, class Produced, class Again>
void planByCounters(const Numbered &n_network, CounterPlan &n_plan, Fired n_fired,
                    Produced n_produced, Again n_again)
{
    std::vector<int> waiting(n_network.rules);
    for (int rule = 0; rule < n_network.rules; ++rule)
        waiting[rule] = n_network.inputStart[rule + 1] - n_network.inputStart[rule];
    std::vector<int> &producer = n_plan.producer;
    producer.assign(n_network.parameters, -1);
    std::vector<char> known(n_network.parameters, 0);
    std::vector<char> required(n_network.parameters, 0);
    std::vector<int> &queue = n_plan.queue;
    queue.reserve(n_network.parameters);
    long remaining = 0;
    for (int parameter : n_network.required)
        if (!required[parameter]) {
            required[parameter] = 1;
            ++remaining;
        }
    for (int parameter : n_network.known)
        if (!known[parameter]) {
            known[parameter] = 1;
            remaining -= required[parameter];
            queue.push_back(parameter);
        }
    for (std::size_t head = 0; head < queue.size() && remaining > 0; ++head) {
        const int parameter = queue[head];
        for (int r = n_network.readerStart[parameter]; r < n_network.readerStart[parameter + 1];
             ++r) {
            const int rule = n_network.readers[r];
            if (--waiting[rule] != 0)
                continue;
            n_plan.fired.push_back(rule);
            n_fired(rule, parameter);
            for (int o = n_network.outputStart[rule]; o < n_network.outputStart[rule + 1]; ++o) {
                const int output = n_network.outputs[o];
                if (known[output]) {
                    if (producer[output] >= 0)
                        n_again(rule, output);
                    continue;
                }
                known[output] = 1;
                producer[output] = rule;
                n_produced(rule);
                remaining -= required[output];
                queue.push_back(output);
            }
        }
    }
    std::vector<char> needed(n_network.rules, 0);
    std::vector<int> stack(n_network.required.begin(), n_network.required.end());
    while (!stack.empty()) {
        const int rule = producer[stack.back()];
        stack.pop_back();
        if (rule < 0 || needed[rule])
            continue;
        needed[rule] = 1;
        for (int i = n_network.inputStart[rule]; i < n_network.inputStart[rule + 1]; ++i)
            stack.push_back(n_network.inputs[i]);
    }
    for (int rule : n_plan.fired)
        if (needed[rule])
            n_plan.order.push_back(rule);
}

double timeCounter(const Numbered &n_network, int *n_planned)
{
    QElapsedTimer timer;
    timer.start();
    CounterPlan plan;
    const auto nothing = [](int, int) {};
    planByCounters(
        n_network, plan, nothing, [](int) {}, nothing);
    const double elapsed = elapsedMs(timer);
    *n_planned = static_cast<int>(plan.order.size());
    return elapsed;
}

// Where the like-for-like baseline leaves the sizes it reads, so that they are not optimised away.
volatile long g_pathSizes = 0;

// The like-for-like baseline: the counter planner above, plus the work the Parts ask of the search
// that no planner can leave out. For every parameter reached by a second producing rule, the exact
// sizes of both derivation paths through RulePathSets (no bounds; a path is a rule's inputs'
// paths united, a parameter's its producer's path plus the producer, each built once when first
// needed); and the floor loop: every element reset, as loading the class into a solver does, each
// reached element's explored flag and weak search parent set, and the plan filled into a QList.
double timeLikeForLike(Network &n_network, const Numbered &n_numbered, int *n_planned,
                       int *n_contests)
{
    const Numbered &n = n_numbered;
    QElapsedTimer timer;
    timer.start();
    n_network.net->reset();
    CounterPlan plan;
    std::vector<int> ruleParent(n.rules, -1);
    RulePathSets sets;
    std::vector<int> pathNumber(n.rules, -1);
    int pathNumbers = 0;
    std::vector<RulePathSets::Set> ruleSet(n.rules), parameterSet(n.parameters);
    std::vector<char> ruleBuilt(n.rules, 0), parameterBuilt(n.parameters, 0);
    std::function<RulePathSets::Set(int)> pathOfParameter;
    const std::function<RulePathSets::Set(int)> pathOfRule = [&](int n_rule) {
        if (!ruleBuilt[n_rule]) {
            RulePathSets::Set set;
            for (int i = n.inputStart[n_rule]; i < n.inputStart[n_rule + 1]; ++i)
                set = sets.united(set, pathOfParameter(n.inputs[i]));
            ruleSet[n_rule] = set;
            ruleBuilt[n_rule] = 1;
        }
        return ruleSet[n_rule];
    };
    pathOfParameter = [&](int n_parameter) {
        if (!parameterBuilt[n_parameter]) {
            const int rule = plan.producer[n_parameter];
            parameterSet[n_parameter] = rule < 0
                                            ? RulePathSets::Set()
                                            : sets.inserted(pathOfRule(rule), pathNumber[rule]);
            parameterBuilt[n_parameter] = 1;
        }
        return parameterSet[n_parameter];
    };
    const auto numbered = [&](int n_rule) {
        if (pathNumber[n_rule] < 0)
            pathNumber[n_rule] = pathNumbers++;
    };
    long sizes = 0;
    int contests = 0;
    planByCounters(
        n, plan, [&](int n_rule, int n_parameter) { ruleParent[n_rule] = n_parameter; }, numbered,
        [&](int n_rule, int n_output) {
            ++contests;
            numbered(n_rule);
            sizes += sets.size(sets.inserted(pathOfRule(n_rule), pathNumber[n_rule]))
                     + sets.size(pathOfParameter(n_output));
        });
    for (int parameter : plan.queue) {
        ParameterModel &element = *n_network.parameters.at(parameter);
        element.m_explored = true;
        if (plan.producer[parameter] >= 0)
            element.m_BFSParent = n_network.rules.at(plan.producer[parameter]);
    }
    for (int rule : plan.fired) {
        RuleModel &element = *n_network.rules.at(rule);
        element.m_explored = true;
        element.m_BFSParent = n_network.parameters.at(ruleParent[rule]);
    }
    QList<RulePtr> order;
    for (int rule : plan.order)
        order.append(n_network.rules.at(rule));
    const double elapsed = elapsedMs(timer);
    g_pathSizes = sizes;
    *n_planned = order.size();
    *n_contests = contests;
    return elapsed;
}

// What the solution's own record of a plan costs by itself, as the solution's interface keeps it:
// the known, required and explored parameters and every planned rule given to a fresh
// AlgorithmSolution (a list entry per rule, and each rule's parameters in the used set, in the
// order the plan gives them), and its tear-down. No planner can leave this out; it bounds how near
// the search can come to the counter planner.
struct PlanRecord
{
    QList<ParPtr> known;
    QList<ParPtr> required;
    QList<ParPtr> explored;
    QList<RulePtr> order;
};

PlanRecord recordOfPlan(Network &n_network)
{
    n_network.net->reset();
    StaticAlgorithm solver(QSharedPointer<BaseAlgorithmData>::create(false, false));
    giveTask(solver, n_network);
    solver.search();
    const QSharedPointer<AlgorithmSolution> solution = solver.getAlgorithmSolution();
    return PlanRecord{n_network.known, n_network.required,
                      solution->getExploredParameters().values(), solution->getRulesOrder()};
}

double timeSolutionRecord(const PlanRecord &n_plan)
{
    QElapsedTimer timer;
    timer.start();
    {
        AlgorithmSolution solution;
        for (const ParPtr &parameter : n_plan.known)
            solution.addKnownParameter(parameter, 1.0);
        for (const ParPtr &parameter : n_plan.required)
            solution.addRequiredParameter(parameter);
        for (const ParPtr &parameter : n_plan.explored)
            solution.addExploredParameter(parameter);
        for (const RulePtr &rule : n_plan.order)
            solution.appendRule(rule);
    }
    return elapsedMs(timer);
}

int PAIRS = 11;
int SIZE = 100000;

void runFamily(const char *n_family, QSharedPointer<Network> (*n_make)(int))
{
    const int size = SIZE;
    const QSharedPointer<Network> network = n_make(size);
    const QSharedPointer<Network> doubled = n_make(2 * size);
    QElapsedTimer timer;
    timer.start();
    const Numbered numbered = number(*network);
    const double numberingMs = elapsedMs(timer);

    int planned = 0;
    int counterPlanned = 0;
    const PairedRatio overCounter = pairedRatio(
        PAIRS, [&] { return timeSearch(*network, &planned); },
        [&] { return timeCounter(numbered, &counterPlanned); });
    int plannedDoubled = 0;
    const PairedRatio doubling = pairedRatio(
        PAIRS, [&] { return timeSearch(*doubled, &plannedDoubled); },
        [&] { return timeSearch(*network, &planned); });

    const PairedRatio withCheck = pairedRatio(
        PAIRS, [&] { return timeSearch(*network, &planned, nullptr, true); },
        [&] { return timeCounter(numbered, &counterPlanned); });
    int likePlanned = 0;
    int contests = 0;
    const PairedRatio likeForLike = pairedRatio(
        PAIRS, [&] { return timeSearch(*network, &planned); },
        [&] { return timeLikeForLike(*network, numbered, &likePlanned, &contests); });

    const PlanRecord record = recordOfPlan(*network);
    std::vector<double> recordMs;
    const PairedRatio withRecord = pairedRatio(
        PAIRS, [&] { return timeSearch(*network, &planned); },
        [&] {
            const double likeMs = timeLikeForLike(*network, numbered, &likePlanned, &contests);
            recordMs.push_back(timeSolutionRecord(record));
            return likeMs + recordMs.back();
        });

    quint32 checksum = 0;
    timeSearch(*network, &planned, &checksum);
    const QByteArray prefix = QByteArray(n_family).append('_').append(QByteArray::number(size));
    printFigure(prefix + "_plan_checksum", checksum);
    printFigure(prefix + "_search_ms", overCounter.firstMedianMs);
    printFigure(prefix + "_counter_planner_ms", overCounter.secondMedianMs);
    printFigure(prefix + "_counter_numbering_ms", numberingMs);
    printRatio(prefix + "_search_over_counter", overCounter);
    printFigure(prefix + "_search_and_check_ms", withCheck.firstMedianMs);
    printRatio(prefix + "_search_and_check_over_counter", withCheck);
    printFigure(prefix + "_like_for_like_ms", likeForLike.secondMedianMs);
    printFigure(prefix + "_like_for_like_contests", contests);
    printRatio(prefix + "_search_over_like_for_like", likeForLike);
    printFigure(prefix + "_solution_record_ms", medianOf(recordMs));
    printFigure(prefix + "_solution_record_over_counter",
                medianOf(recordMs) / overCounter.secondMedianMs);
    printRatio(prefix + "_search_over_like_for_like_and_record", withRecord);
    printFigure(prefix + "_planned_rules", planned);
    printFigure(prefix + "_counter_planned_rules", counterPlanned);
    const QByteArray doubledPrefix = QByteArray(n_family).append('_').append(
        QByteArray::number(2 * size));
    printFigure(doubledPrefix + "_search_ms", doubling.firstMedianMs);
    printRatio(QByteArray(n_family) + "_search_doubling_ratio", doubling);
    printFigure(doubledPrefix + "_planned_rules", plannedDoubled);
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
    // As the program does: the allocator set for large models.
    MemoryTuning::apply();
    // As the program does: table orders, and so the plans, are the same on every run.
    qSetGlobalQHashSeed(0);
    QCoreApplication app(argc, argv);
    // Either family alone, for profiling.
    const QByteArray only = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    // Smaller runs for profiling: a size and a number of pairs after the family.
    if (argc > 3) {
        SIZE = std::max(100, QByteArray(argv[2]).toInt());
        PAIRS = std::max(1, QByteArray(argv[3]).toInt());
    }
    if (only.isEmpty() || only == "--chain-only")
        runFamily("chain", &chain);
    if (only != "--chain-only" && only != "--wide-only")
        runFamily("layered", &layeredDeep);
    if (only != "--chain-only" && only != "--layered-only")
        runFamily("layered_wide", &layeredWide);
    return 0;
}
