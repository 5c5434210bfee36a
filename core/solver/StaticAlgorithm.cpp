#include "solver/StaticAlgorithm.h"

#include <list>

#include <QDebug>

#include "errors/BadValueFromRule.h"
#include "errors/InconsistencyDataExceptionOstra.h"
#include "errors/LoopExceptionOstra.h"
#include "errors/NoKnownParametersExceptionOstra.h"
#include "errors/NoRequiredParametersExceptionOstra.h"

namespace {

const QString CLASS_NAME = QStringLiteral("StaticAlgorithm");
const QString WALK_METHOD = QStringLiteral(
    "createAlgoritmForOneReqPar(QList<RuleModel::RuleModelPtr>& "
    "n_rulesOrder,QMultiHash<RuleModel::RuleModelPtr , ParameterModel::ParameterModelPtr> "
    "&n_additionalReqParametersPlaceInsert,ParameterModel::ParameterModelPtr n_currentObject)");

} // namespace

StaticAlgorithm::StaticAlgorithm(QSharedPointer<BaseAlgorithmData> n_algorithmData)
    : BaseAlgorithm(n_algorithmData)
{
}

StaticAlgorithm::StaticAlgorithm(bool n_useDefaultValues, bool n_useConstraints)
    : BaseAlgorithm(n_useDefaultValues, n_useConstraints)
{
}

StaticAlgorithm::StaticAlgorithm(const BaseClassCommonData &n_network, bool n_useDefaultValues,
                                 bool n_useConstraints)
    : BaseAlgorithm(n_network,
                    QSharedPointer<BaseAlgorithmData>::create(n_useDefaultValues, n_useConstraints))
{
}

StaticAlgorithm::~StaticAlgorithm()
{
}

BaseAlgorithm::OstraSearchType StaticAlgorithm::getAlgorithmType() const
{
    return STATIC_ALGORITHM;
}

void StaticAlgorithm::search()
{
    if (m_algorithmSolution->getKnownParametersCount() == 0)
        throw NoKnownParametersExceptionOstra(CLASS_NAME, QStringLiteral("search()"),
                                              QSharedPointer<ExceptionOstra>());
    if (m_algorithmSolution->getRequiredParametersCount() == 0)
        throw NoRequiredParametersExceptionOstra(CLASS_NAME, QStringLiteral("search()"),
                                                 QSharedPointer<ExceptionOstra>());
    if (m_useDefaultValues)
        setParametersDefaultValuesAsKnown();
    if (m_useConstraints) {
        addKnownParametersConstraints();
        if (!checkConstraints(m_nullRule))
            return;
    }
    baseSearch();
    const std::vector<RuleModel::RuleModelPtr> order = buildRulesOrder(
        QSet<ParameterModel::ParameterModelPtr>(), QSet<RuleModel::RuleModelPtr>(), searchLimit(),
        CLASS_NAME, QStringLiteral("search()"));
    for (const RuleModel::RuleModelPtr &rule : order) {
        m_algorithmSolution->appendRule(rule);
        if (m_useConstraints)
            addRuleConstraints(rule);
    }
}

bool StaticAlgorithm::calculate()
{
    search();
    if (!m_algorithmSolution->checkAlgorithmInegrity())
        throw InconsistencyDataExceptionOstra(CLASS_NAME,
                                              QStringLiteral("checkAlgorithmInegrity()"),
                                              QSharedPointer<ExceptionOstra>());
    if (m_algorithmSolution->getSolutionStatus() == AlgorithmSolution::CONSTRAINT_FAILED)
        return false;
    const QList<RuleModel::RuleModelPtr> order = m_algorithmSolution->getRulesOrder();
    RuleModel::RuleModelPtr current;
    try {
        for (const RuleModel::RuleModelPtr &rule : order) {
            current = rule;
            rule->calculate();
            addExploredParametersFromRule(rule);
            if (m_useConstraints && !checkConstraints(rule))
                return true;
        }
        m_calculated = true;
        m_algorithmSolution->setSolutionStatus(AlgorithmSolution::SOLVED);
    } catch (const BadValueFromRule &) {
        m_algorithmSolution->setSolutionStatus(AlgorithmSolution::RULE_FAILED);
        m_algorithmSolution->setProblemRule(current);
        m_calculated = true;
    }
    return true;
}

void StaticAlgorithm::addExploredParametersFromRule(RuleModel::RuleModelPtr n_rule)
{
    const QHash<QString, ParameterModel::ParameterModelPtr> outputs = n_rule->getOutputParameters();
    for (auto it = outputs.constBegin(); it != outputs.constEnd(); ++it) {
        const ParameterModel::ParameterModelPtr &parameter = it.value();
        if (parameter.isNull())
            continue;
        const QVariant value = parameter->getValue();
        if (value.type() == QVariant::Invalid)
            throw BadValueFromRule(
                n_rule->getId(), parameter->getId(), value, CLASS_NAME,
                QStringLiteral("addExploredParametersFromRule(RuleModel::RuleModelPtr n_rule)"),
                QSharedPointer<ExceptionOstra>());
        m_algorithmSolution->addCalculatedParameter(parameter);
    }
}

void StaticAlgorithm::resetAlgorithm()
{
    m_workQueue.clear();
    m_algorithmSolution->resetSolution();
    m_ruleConstraints.clear();
    m_visited.clear();
    BaseClassCommonData::reset();
    forgetSearchPaths();
}

void StaticAlgorithm::setData(BaseClassCommonData &n_network)
{
    BaseAlgorithm::setData(n_network);
    m_visited.clear();
    forgetSearchPaths();
}

void StaticAlgorithm::reset()
{
    BaseClassCommonData::reset();
    forgetSearchPaths();
}

void StaticAlgorithm::forgetSearchPaths()
{
    m_rulePaths.clear();
    m_parameterPaths.clear();
    m_ruleNumbers.clear();
    m_pathSets.clear();
    // Node 0 is the empty path.
    m_pathNodes.assign(1, PathNode());
}

void StaticAlgorithm::setParametersDefaultValuesAsKnown()
{
    setAllParametersValueToDefaultExceptIncomming();
    for (const ParameterModel::ParameterModelPtr &parameter : qAsConst(m_defaultValueParameters))
        m_algorithmSolution->addKnownParameter(parameter);
}

void StaticAlgorithm::setAllParametersValueToDefaultExceptIncomming()
{
    gatherParametersWithDefValues();
    const QSet<ParameterModel::ParameterModelPtr> known = m_algorithmSolution->getKnownParameters();
    for (const ParameterModel::ParameterModelPtr &parameter : qAsConst(m_defaultValueParameters))
        if (!known.contains(parameter))
            parameter->setDefaultValueToValue();
}

// Gathered afresh each time, so a reloaded solver never keeps parameters it no longer holds.
void StaticAlgorithm::gatherParametersWithDefValues()
{
    m_defaultValueParameters.clear();
    for (const ParameterModel::ParameterModelPtr &parameter : getParametersHash().values())
        if (parameter->hasDefaultValue())
            m_defaultValueParameters.append(parameter);
}

void StaticAlgorithm::addParameterConstraint(ParameterModel::ParameterModelPtr n_parameter,
                                             RuleModel::RuleModelPtr n_rule)
{
    if (n_parameter.isNull())
        return;
    for (const QSharedPointer<ConstraintModel> &constraint : n_parameter->getConstraints())
        if (!constraint.isNull() && constraint->canBeExplored())
            m_ruleConstraints.insert(n_rule, constraint);
}

void StaticAlgorithm::addKnownParametersConstraints()
{
    for (const ParameterModel::ParameterModelPtr &parameter :
         sortedById(m_algorithmSolution->getKnownParameters()))
        addParameterConstraint(parameter, m_nullRule);
}

void StaticAlgorithm::addRuleConstraints(RuleModel::RuleModelPtr n_rule)
{
    const QHash<QString, ParameterModel::ParameterModelPtr> outputs = n_rule->getOutputParameters();
    for (auto it = outputs.constBegin(); it != outputs.constEnd(); ++it)
        addParameterConstraint(it.value(), n_rule);
}

bool StaticAlgorithm::checkConstraints(RuleModel::RuleModelPtr n_rule)
{
    const QList<QSharedPointer<ConstraintModel>> constraints = m_ruleConstraints.values(n_rule);
    for (const QSharedPointer<ConstraintModel> &constraint : constraints) {
        bool complete = true;
        const QHash<QString, ParameterModel::ParameterModelPtr> inputs =
            constraint->getInputParameters();
        for (auto it = inputs.constBegin(); it != inputs.constEnd() && complete; ++it)
            complete = !it.value().isNull() && it.value()->getValue().type() != QVariant::Invalid;
        if (!complete)
            continue;
        if (!constraint->calculate()) {
            m_algorithmSolution->setSolutionStatus(AlgorithmSolution::CONSTRAINT_FAILED);
            m_algorithmSolution->setProblemConstraint(constraint);
            return false;
        }
    }
    return true;
}

void StaticAlgorithm::baseSearch()
{
    QSet<ParameterModel::ParameterModelPtr> known = m_algorithmSolution->getKnownParameters();
    QSet<ParameterModel::ParameterModelPtr> required = m_algorithmSolution->getRequiredParameters();
    m_workQueue.clear();
    baseSearch(known, required);
}

void StaticAlgorithm::baseSearch(QSet<ParameterModel::ParameterModelPtr> &n_known,
                                 QSet<ParameterModel::ParameterModelPtr> &n_required)
{
    QSet<ParameterModel::ParameterModelPtr> remaining = n_required;
    // The queue runs in a plain vector (the member list allocates a node per entry); whatever is
    // left when the search stops, or throws, goes back to the member as it would have stood there.
    std::vector<QSharedPointer<BaseOstraObj>> queue(m_workQueue.cbegin(), m_workQueue.cend());
    m_workQueue.clear();
    std::size_t head = 0;
    const auto keepRest = [&]() {
        for (std::size_t rest = head; rest < queue.size(); ++rest)
            m_workQueue.append(queue[rest]);
    };
    for (const ParameterModel::ParameterModelPtr &parameter : sortedById(n_known))
        queue.push_back(parameter);
    try {
        searchQueue(queue, head, n_known, remaining);
    } catch (...) {
        keepRest();
        throw;
    }
    keepRest();
}

void StaticAlgorithm::searchQueue(std::vector<QSharedPointer<BaseOstraObj>> &n_queue,
                                  std::size_t &n_head,
                                  const QSet<ParameterModel::ParameterModelPtr> &n_known,
                                  QSet<ParameterModel::ParameterModelPtr> &n_remaining)
{
    // Every rule and parameter taken lands here; growing it step by step rehashed it again and
    // again.
    m_visited.reserve(
        static_cast<int>(std::min<std::size_t>(n_queue.size() + 2 * getRulesCount(), 1u << 22)));
    while (n_head < n_queue.size() && !n_remaining.isEmpty()) {
        const QSharedPointer<BaseOstraObj> element = std::move(n_queue[n_head++]);
        m_visited.insert(element);
        const OstraObjectType type = element->getOstraObjectType();
        if (type == OBJECT_TYPE_RULE) {
            const RuleModel::RuleModelPtr rule = qSharedPointerCast<RuleModel>(element);
            if (!rule->canBeExplored() || rule->m_explored)
                continue;
            rule->m_explored = true;
            rule->forEachOutputParameter(
                [&](const QSharedPointer<ParameterVertexPtrConn> &n_output) {
                    if (n_output.isNull())
                        return;
                    const ParameterModel::ParameterModelPtr parameter =
                        qSharedPointerCast<ParameterModel>(n_output);
                    if (!parameter->m_explored)
                        n_queue.push_back(parameter);
                    setParameterSearchParent(parameter, rule);
                });
        } else if (type == OBJECT_TYPE_PARAMETER) {
            const ParameterModel::ParameterModelPtr parameter = qSharedPointerCast<ParameterModel>(
                element);
            const bool accepted =
                (!parameter->m_explored
                 && parameter->IPtrLinkerInputEdges<RuleVertexPtrConn>::canBeExplored())
                || n_known.contains(parameter);
            if (!accepted)
                continue;
            parameter->m_explored = true;
            if (parameter->m_required) {
                m_algorithmSolution->addExploredParameter(parameter);
                n_remaining.remove(parameter);
            }
            parameter->forEachAdjacentOutVertex(
                [&](const QSharedPointer<RuleVertexPtrConn> &n_reader) {
                    if (n_reader.isNull())
                        return;
                    const RuleModel::RuleModelPtr rule = qSharedPointerCast<RuleModel>(n_reader);
                    n_queue.push_back(rule);
                    setRuleSearchParent(rule, parameter);
                });
        } else {
            qWarning() << "Ошибка при поиске в ширину, не должно быть";
        }
    }
}

long StaticAlgorithm::searchLimit() const
{
    long visitedRules = 0;
    for (const QSharedPointer<BaseOstraObj> &element : m_visited)
        if (element->getOstraObjectType() == OBJECT_TYPE_RULE)
            ++visitedRules;
    return 4 * std::max<long>(getRulesCount(), visitedRules);
}

void StaticAlgorithm::createAlgoritmForOneReqPar(QList<RuleModel::RuleModelPtr> &n_rulesOrder,
                                                 NeedsTable &n_additionalReqParametersPlaceInsert,
                                                 ParameterModel::ParameterModelPtr n_currentObject)
{
    std::vector<RuleModel::RuleModelPtr> walked;
    const auto prependWalked = [&]() {
        for (const RuleModel::RuleModelPtr &rule : walked)
            n_rulesOrder.prepend(rule);
    };
    try {
        walkBack(walked, n_additionalReqParametersPlaceInsert, n_currentObject,
                 m_algorithmSolution->getKnownParameters(), searchLimit(), nullptr);
    } catch (...) {
        // A walk that fails on its limit leaves the rules walked so far, as it always has.
        prependWalked();
        throw;
    }
    prependWalked();
}

void StaticAlgorithm::walkBack(std::vector<RuleModel::RuleModelPtr> &n_walked, NeedsTable &n_needs,
                               ParameterModel::ParameterModelPtr n_start,
                               const QSet<ParameterModel::ParameterModelPtr> &n_known, long n_limit,
                               PointerTable<RuleModel, long> *n_remainingSteps)
{
    const auto tooLong = [&]() {
        return LoopExceptionOstra(n_limit + 1, n_limit, CLASS_NAME, WALK_METHOD,
                                  QSharedPointer<ExceptionOstra>());
    };
    long steps = 0;
    // Rules of this walk with the number of steps taken before each.
    std::vector<std::pair<const RuleModel *, long>> walked;
    ParameterModel::ParameterModelPtr parameter = n_start;
    RuleModel::RuleModelPtr rule;
    while (true) {
        if (!rule.isNull()) {
            if (n_remainingSteps != nullptr) {
                const long *const placed = n_remainingSteps->find(rule.data());
                if (placed != nullptr) {
                    // Everything from here back is placed already; only the length counts.
                    const long total = steps + *placed;
                    if (total > n_limit)
                        throw tooLong();
                    for (const auto &entry : walked)
                        (*n_remainingSteps)[entry.first] = total - entry.second;
                    return;
                }
                walked.emplace_back(rule.data(), steps);
            }
            n_walked.push_back(rule);
            const QSharedPointer<ParameterVertexPtrConn> searchParent = rule->getBFSParent();
            rule->forEachInputParameter([&](const QSharedPointer<ParameterVertexPtrConn> &n_input) {
                if (n_input.isNull() || n_input == searchParent)
                    return;
                const ParameterModel::ParameterModelPtr input = qSharedPointerCast<ParameterModel>(
                    n_input);
                if (!n_known.contains(input))
                    n_needs.insert(rule, input);
            });
            parameter = qSharedPointerCast<ParameterModel>(searchParent);
            rule.reset();
            if (steps >= n_limit)
                throw tooLong();
            ++steps;
            if (parameter.isNull())
                break;
        } else {
            rule = qSharedPointerCast<RuleModel>(parameter->getBFSParent());
            parameter.reset();
            if (steps >= n_limit)
                throw tooLong();
            ++steps;
            if (rule.isNull())
                break;
        }
    }
    if (n_remainingSteps != nullptr)
        for (const auto &entry : walked)
            (*n_remainingSteps)[entry.first] = steps - entry.second;
}

std::vector<RuleModel::RuleModelPtr> StaticAlgorithm::buildRulesOrder(
    QSet<ParameterModel::ParameterModelPtr> n_produced, QSet<RuleModel::RuleModelPtr> n_placed,
    long n_limit, const QString &n_className, const QString &n_methodName)
{
    typedef std::list<RuleModel::RuleModelPtr> Order;
    struct Item
    {
        ParameterModel::ParameterModelPtr parameter;
        Order::iterator position;
    };
    Order order;
    std::list<Item> items;
    for (const ParameterModel::ParameterModelPtr &parameter :
         sortedById(m_algorithmSolution->getExploredParameters()))
        items.push_back(Item{parameter, order.end()});
    const QSet<ParameterModel::ParameterModelPtr> known = m_algorithmSolution->getKnownParameters();
    PointerTable<RuleModel, long> remainingSteps;
    // What is produced and placed, kept by address while the order grows.
    PointerTable<ParameterModel, bool> produced;
    PointerTable<RuleModel, bool> placed;
    for (const ParameterModel::ParameterModelPtr &parameter : qAsConst(n_produced))
        if (!parameter.isNull())
            produced.insert(parameter.data());
    const bool producedNull = n_produced.contains(ParameterModel::ParameterModelPtr());
    for (const RuleModel::RuleModelPtr &rule : qAsConst(n_placed))
        if (!rule.isNull())
            placed.insert(rule.data());
    long count = 0;
    for (auto item = items.begin(); item != items.end(); ++item) {
        if (item->parameter.isNull() ? producedNull : produced.contains(item->parameter.data()))
            continue;
        // The walk gives the chain last rule first.
        std::vector<RuleModel::RuleModelPtr> chain;
        NeedsTable needs;
        walkBack(chain, needs, item->parameter, known, n_limit, &remainingSteps);
        const auto insertBefore = std::next(item);
        for (auto walked = chain.crbegin(); walked != chain.crend(); ++walked) {
            const RuleModel::RuleModelPtr &rule = *walked;
            if (placed.contains(rule.data())) {
                needs.remove(rule);
                continue;
            }
            rule->forEachOutputParameter(
                [&](const QSharedPointer<ParameterVertexPtrConn> &n_output) {
                    if (!n_output.isNull())
                        produced.insert(static_cast<const ParameterModel *>(n_output.data()));
                });
            const Order::iterator position = order.insert(item->position, rule);
            const QList<ParameterModel::ParameterModelPtr> further = needs.values(rule);
            for (const ParameterModel::ParameterModelPtr &parameter : further)
                items.insert(insertBefore, Item{parameter, position});
            needs.remove(rule);
            placed.insert(rule.data());
        }
        if (count >= n_limit)
            throw LoopExceptionOstra(count + 1, n_limit, n_className, n_methodName,
                                     QSharedPointer<ExceptionOstra>());
        ++count;
    }
    return std::vector<RuleModel::RuleModelPtr>(order.begin(), order.end());
}

int StaticAlgorithm::ruleNumber(const RuleVertex *n_rule)
{
    if (const int *const number = m_ruleNumbers.find(n_rule))
        return *number;
    const int number = static_cast<int>(m_ruleNumbers.size());
    m_ruleNumbers[n_rule] = number;
    return number;
}

int StaticAlgorithm::addPathNode(PathNode::Kind n_kind, int n_first, int n_second)
{
    PathNode node;
    node.kind = n_kind;
    node.first = n_first;
    node.second = n_second;
    m_pathNodes.push_back(node);
    return static_cast<int>(m_pathNodes.size()) - 1;
}

// A set the element holds itself (left by an earlier search of another solver) becomes a built
// node.
int StaticAlgorithm::pathFromElement(const QSet<QSharedPointer<RuleVertex>> &n_rules)
{
    if (n_rules.isEmpty())
        return 0;
    RulePathSets::Set path;
    for (const QSharedPointer<RuleVertex> &rule : n_rules)
        path = m_pathSets.inserted(path, ruleNumber(rule.data()));
    const int node = addPathNode(PathNode::FROM_ELEMENT, 0, 0);
    m_pathNodes[node].built = true;
    m_pathNodes[node].set = path;
    return node;
}

// Builds the node's set, and every set below it not built yet, without recursion: a chain's paths
// nest as deep as the chain is long.
int StaticAlgorithm::pathSize(int n_node)
{
    if (m_pathNodes[n_node].built)
        return m_pathSets.size(m_pathNodes[n_node].set);
    std::vector<int> stack{n_node};
    while (!stack.empty()) {
        const int current = stack.back();
        PathNode &node = m_pathNodes[current];
        if (node.built || node.kind == PathNode::EMPTY || node.kind == PathNode::FROM_ELEMENT) {
            node.built = true;
            stack.pop_back();
            continue;
        }
        const int first = node.first;
        const int second = node.kind == PathNode::UNION ? node.second : 0;
        const bool ready = m_pathNodes[first].built && m_pathNodes[second].built;
        if (!ready) {
            if (!m_pathNodes[first].built)
                stack.push_back(first);
            if (!m_pathNodes[second].built)
                stack.push_back(second);
            continue;
        }
        const RulePathSets::Set set = node.kind == PathNode::UNION
                                          ? m_pathSets.united(m_pathNodes[first].set,
                                                              m_pathNodes[second].set)
                                          : m_pathSets.inserted(m_pathNodes[first].set,
                                                                node.second);
        // The pool may have grown, but the node table has not: the reference still holds.
        node.set = set;
        node.built = true;
        stack.pop_back();
    }
    return m_pathSets.size(m_pathNodes[n_node].set);
}

int StaticAlgorithm::pathOfParameter(const ParameterVertexPtrConn *n_parameter)
{
    const ParameterPathRecord *const record = m_parameterPaths.find(n_parameter);
    if (record != nullptr && record->parent == n_parameter->m_BFSParent.toStrongRef().data())
        return record->node;
    return pathFromElement(n_parameter->m_BFSRules);
}

int StaticAlgorithm::pathOfRule(const RuleVertexPtrConn *n_rule)
{
    const RulePathRecord *const record = m_rulePaths.find(n_rule);
    if (record != nullptr && record->parent == n_rule->m_BFSParent.toStrongRef().data())
        return record->node;
    return pathFromElement(n_rule->m_BFSRules);
}

// As the rule's own setBFSParent: the paths of its bound inputs join its path, the parameter
// becomes its search parent.
void StaticAlgorithm::setRuleSearchParent(const RuleModel::RuleModelPtr &n_rule,
                                          const ParameterModel::ParameterModelPtr &n_parameter)
{
    const RuleVertexPtrConn *rule = n_rule.data();
    const QSharedPointer<ParameterVertexPtrConn> parent = n_parameter;
    RulePathRecord *record = m_rulePaths.find(rule);
    if (record == nullptr || record->parent != rule->m_BFSParent.toStrongRef().data()) {
        RulePathRecord fresh;
        fresh.node = pathFromElement(rule->m_BFSRules);
        record = &(m_rulePaths[rule] = fresh);
    }
    RulePathRecord &path = *record;
    n_rule->forEachInputParameter([&](const QSharedPointer<ParameterVertexPtrConn> &n_input) {
        if (n_input.isNull())
            return;
        const int input = pathOfParameter(n_input.data());
        if (input == 0 || input == path.node
            || std::find(path.noted.begin(), path.noted.end(), input) != path.noted.end())
            return;
        path.noted.append(input);
        path.node = path.node == 0 ? input : addPathNode(PathNode::UNION, path.node, input);
    });
    n_rule->m_BFSParent = parent.toWeakRef();
    path.parent = parent.data();
}

// As the parameter's own setBFSParent: a parameter keeps the producing rule whose derivation needs
// the fewest rules, and a parameter explored without a parent (a known one) never gets one.
void StaticAlgorithm::setParameterSearchParent(const ParameterModel::ParameterModelPtr &n_parameter,
                                               const RuleModel::RuleModelPtr &n_rule)
{
    const ParameterVertexPtrConn *parameter = n_parameter.data();
    const int rulePath = pathOfRule(n_rule.data());
    if (!n_parameter->m_BFSParent.isNull()) {
        if (pathSize(rulePath) >= pathSize(pathOfParameter(parameter)))
            return;
    } else if (n_parameter->m_explored) {
        return;
    }
    const QSharedPointer<RuleVertexPtrConn> parent = n_rule;
    n_parameter->m_BFSParent = parent.toWeakRef();
    ParameterPathRecord record;
    record.parent = parent.data();
    record.node = addPathNode(PathNode::WITH_RULE, rulePath, ruleNumber(n_rule.data()));
    m_parameterPaths[parameter] = record;
}
