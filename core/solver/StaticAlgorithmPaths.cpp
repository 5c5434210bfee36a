// The static solver's derivation paths: how a search chooses a parameter's search parent (see
// StaticAlgorithm.h).

#include "solver/StaticAlgorithm.h"

#include "elements/WeakEdgeList.h"

void StaticAlgorithm::forgetPaths()
{
    m_pathSets.clear();
    // Node 0 is the empty path.
    m_pathNodes.assign(1, PathNode());
    m_pathNumbers = 0;
    m_vertexPathNumbers.clear();
    for (RuleRecord &record : m_ruleRecords) {
        record.path = 0;
        record.pathParent = nullptr;
        record.pathNumber = -1;
        std::fill(record.noted, record.noted + NOTED, 0);
    }
    for (ParameterRecord &record : m_parameterRecords) {
        record.path = 0;
        record.pathParent = nullptr;
    }
}

// Given when the rule first becomes a parameter's search parent: numbers given as the search
// meets rules lie far apart and made the sets of a deep network twice as slow.
int StaticAlgorithm::pathNumberOf(int n_rule)
{
    int &number = m_ruleRecords[n_rule].pathNumber;
    if (number < 0)
        number = m_pathNumbers++;
    return number;
}

int StaticAlgorithm::pathNumberOfVertex(const RuleVertex *n_rule)
{
    if (const auto *rule = dynamic_cast<const RuleVertexPtrConn *>(n_rule))
        return pathNumberOf(ruleNumber(rule));
    int &slot = m_vertexPathNumbers[n_rule];
    if (slot == 0)
        slot = ++m_pathNumbers;
    return slot - 1;
}

// The size of a union lies between its larger side and the sum of both, and no path holds more
// rules than have numbers; a rule added to a path adds at most one.
int StaticAlgorithm::addPathNode(PathNode::Kind n_kind, int n_first, int n_second)
{
    PathNode node;
    node.kind = n_kind;
    node.first = n_first;
    node.second = n_second;
    node.built = false;
    const PathNode &first = m_pathNodes[static_cast<std::size_t>(n_first)];
    if (n_kind == PathNode::UNION) {
        const PathNode &second = m_pathNodes[static_cast<std::size_t>(n_second)];
        node.low = std::max(first.low, second.low);
        node.high = std::min(first.high + second.high, m_pathNumbers);
    } else if (first.built) {
        node.low = node.high = first.high + (m_pathSets.contains(first.set, n_second) ? 0 : 1);
    } else {
        node.low = std::max(first.low, 1);
        node.high = std::min(first.high + 1, m_pathNumbers);
    }
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
        path = m_pathSets.inserted(path, pathNumberOfVertex(rule.data()));
    const int node = addPathNode(PathNode::FROM_ELEMENT, 0, 0);
    PathNode &made = m_pathNodes[static_cast<std::size_t>(node)];
    made.built = true;
    made.set = path;
    made.low = made.high = m_pathSets.size(path);
    return node;
}

// Builds the node's set, and every set below it not built yet, without recursion: a chain's paths
// nest as deep as the chain is long.
int StaticAlgorithm::pathSize(int n_node)
{
    std::vector<int> stack{n_node};
    while (!stack.empty()) {
        const int current = stack.back();
        PathNode &node = m_pathNodes[static_cast<std::size_t>(current)];
        if (node.built) {
            stack.pop_back();
            continue;
        }
        const int first = node.first;
        const int second = node.kind == PathNode::UNION ? node.second : 0;
        const bool ready = m_pathNodes[static_cast<std::size_t>(first)].built
                           && m_pathNodes[static_cast<std::size_t>(second)].built;
        if (!ready) {
            if (!m_pathNodes[static_cast<std::size_t>(first)].built)
                stack.push_back(first);
            if (!m_pathNodes[static_cast<std::size_t>(second)].built)
                stack.push_back(second);
            continue;
        }
        const RulePathSets::Set set =
            node.kind == PathNode::UNION
                ? m_pathSets.united(m_pathNodes[static_cast<std::size_t>(first)].set,
                                    m_pathNodes[static_cast<std::size_t>(second)].set)
                : m_pathSets.inserted(m_pathNodes[static_cast<std::size_t>(first)].set,
                                      node.second);
        // The pool may have grown, but the node table has not: the reference still holds.
        node.set = set;
        node.built = true;
        node.low = node.high = m_pathSets.size(set);
        stack.pop_back();
    }
    return m_pathNodes[static_cast<std::size_t>(n_node)].high;
}

bool StaticAlgorithm::notShorter(int n_first, int n_second)
{
    const PathNode &first = m_pathNodes[static_cast<std::size_t>(n_first)];
    const PathNode &second = m_pathNodes[static_cast<std::size_t>(n_second)];
    if (first.low >= second.high)
        return true;
    if (first.high < second.low)
        return false;
    const int firstSize = pathSize(n_first);
    return firstSize >= pathSize(n_second);
}

// As the rule's own setBFSParent: the paths of its bound inputs join its path, the parameter
// becomes its search parent.
void StaticAlgorithm::setRuleSearchParent(int n_rule, int n_parameter)
{
    int slot = 0;
    m_ruleRecords[static_cast<std::size_t>(n_rule)].element->forEachInputEntry(
        [&](const ParameterHandle &n_entry) {
            const int index = slot++;
            const ParameterVertexPtrConn *input = weakedges::liveVertex(n_entry);
            if (input == nullptr)
                return;
            const int node =
                m_parameterRecords[static_cast<std::size_t>(meetParameter(input, &n_entry))].path;
            RuleRecord &record = m_ruleRecords[static_cast<std::size_t>(n_rule)];
            if (node == 0 || node == record.path)
                return;
            if (index < NOTED) {
                if (record.noted[index] == node)
                    return;
                record.noted[index] = node;
            }
            record.path = record.path == 0 ? node : addPathNode(PathNode::UNION, record.path, node);
        });
    RuleRecord &record = m_ruleRecords[static_cast<std::size_t>(n_rule)];
    if (record.parent != n_parameter) {
        record.parent = n_parameter;
        changeSearchParent(record, ruleCode(n_rule),
                           *m_parameterRecords[static_cast<std::size_t>(n_parameter)].handle);
    }
    record.pathParent = m_parameterRecords[static_cast<std::size_t>(n_parameter)].element;
}

// As the parameter's own setBFSParent: a parameter keeps the producing rule whose derivation needs
// the fewest rules, and a parameter explored without a parent (a known one) never gets one.
void StaticAlgorithm::setParameterSearchParent(int n_parameter, int n_rule)
{
    const int rulePath = m_ruleRecords[static_cast<std::size_t>(n_rule)].path;
    const ParameterRecord &current = m_parameterRecords[static_cast<std::size_t>(n_parameter)];
    if (current.parent >= 0) {
        if (notShorter(rulePath, current.path))
            return;
    } else if (current.explored) {
        return;
    }
    const int node = addPathNode(PathNode::WITH_RULE, rulePath, pathNumberOf(n_rule));
    ParameterRecord &record = m_parameterRecords[static_cast<std::size_t>(n_parameter)];
    if (record.parent != n_rule) {
        record.parent = n_rule;
        changeSearchParent(record, parameterCode(n_parameter),
                           *m_ruleRecords[static_cast<std::size_t>(n_rule)].handle);
    }
    record.pathParent = m_ruleRecords[static_cast<std::size_t>(n_rule)].element;
    record.path = node;
}

// The first new search parent goes to the element at once, while it is at hand; later ones (a
// parameter's shorter derivation, a rule's later input) once when the search ends.
template<class Record, class Handle>
void StaticAlgorithm::changeSearchParent(Record &n_record, int n_code, const Handle &n_parent)
{
    if (!n_record.parentWritten) {
        n_record.parentWritten = true;
        n_record.element->m_BFSParent = n_parent;
        return;
    }
    if (!n_record.parentChanged) {
        n_record.parentChanged = true;
        m_dirty.push_back(n_code);
    }
}
