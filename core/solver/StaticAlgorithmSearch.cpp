// The static solver's breadth-first search and the building of its rule order, over numbers given
// to the elements as they are met (see StaticAlgorithm.h).

#include "solver/StaticAlgorithm.h"

#include <utility>

#include <QDebug>

#include "elements/WeakEdgeList.h"
#include "errors/LoopExceptionOstra.h"
#include "errors/PointerIsNull.h"

namespace {

const QString CLASS_NAME = QStringLiteral("StaticAlgorithm");
const QString WALK_METHOD = QStringLiteral(
    "createAlgoritmForOneReqPar(QList<RuleModel::RuleModelPtr>& "
    "n_rulesOrder,QMultiHash<RuleModel::RuleModelPtr , ParameterModel::ParameterModelPtr> "
    "&n_additionalReqParametersPlaceInsert,ParameterModel::ParameterModelPtr n_currentObject)");

} // namespace

// Numbers: the table keeps number + 1, so that a fresh entry (0) is told from number 0.
template<class Element, class Record>
int StaticAlgorithm::numberIn(PointerTable<Element, int> &n_numbers, std::vector<Record> &n_records,
                              const Element *n_element)
{
    int &slot = n_numbers[n_element];
    if (slot == 0) {
        n_records.emplace_back();
        n_records.back().element = const_cast<Element *>(n_element);
        slot = static_cast<int>(n_records.size());
    }
    return slot - 1;
}

int StaticAlgorithm::parameterNumber(const ParameterVertexPtrConn *n_parameter)
{
    return numberIn(m_parameterNumbers, m_parameterRecords, n_parameter);
}

int StaticAlgorithm::ruleNumber(const RuleVertexPtrConn *n_rule)
{
    return numberIn(m_ruleNumbers, m_ruleRecords, n_rule);
}

int StaticAlgorithm::meetParameter(const ParameterVertexPtrConn *n_parameter,
                                   const ParameterHandle *n_handle)
{
    const int number = parameterNumber(n_parameter);
    if (m_parameterRecords[number].epoch != m_epoch)
        refreshParameter(number, n_handle);
    return number;
}

int StaticAlgorithm::meetRule(const RuleVertexPtrConn *n_rule, const RuleHandle *n_handle)
{
    const int number = ruleNumber(n_rule);
    if (m_ruleRecords[number].epoch != m_epoch)
        refreshRule(number, n_handle);
    return number;
}

int StaticAlgorithm::meetParameter(const ParameterModel::ParameterModelPtr &n_parameter)
{
    const int number = parameterNumber(n_parameter.data());
    if (m_parameterRecords[number].epoch != m_epoch) {
        m_heldParameters.push_back(QSharedPointer<ParameterVertexPtrConn>(n_parameter));
        refreshParameter(number, &m_heldParameters.back());
    }
    return number;
}

int StaticAlgorithm::meetRule(const RuleModel::RuleModelPtr &n_rule)
{
    const int number = ruleNumber(n_rule.data());
    if (m_ruleRecords[number].epoch != m_epoch) {
        m_heldRules.push_back(QSharedPointer<RuleVertexPtrConn>(n_rule));
        refreshRule(number, &m_heldRules.back());
    }
    return number;
}

// The element's own marks, read when a search first meets it. Its path so far stays only while
// the element still has the search parent the path was noted with.
template<class Record, class Handle, class NumberParent>
bool StaticAlgorithm::readMarks(std::vector<Record> &n_records, int n_number,
                                const Handle *n_handle, NumberParent n_numberParent)
{
    const auto *element = n_records[n_number].element;
    const auto *parent = weakedges::liveVertex(element->m_BFSParent);
    const int parentNumber = parent == nullptr ? -1 : n_numberParent(parent);
    const bool pathHolds = parent != nullptr && parent == n_records[n_number].pathParent;
    const int path = pathHolds ? n_records[n_number].path : pathFromElement(element->m_BFSRules);
    Record &record = n_records[n_number];
    record.handle = n_handle;
    record.epoch = m_epoch;
    record.parent = parentNumber;
    record.path = path;
    if (!pathHolds)
        record.pathParent = nullptr;
    record.explored = element->m_explored;
    record.parentChanged = false;
    record.parentWritten = false;
    return pathHolds;
}

void StaticAlgorithm::refreshParameter(int n_number, const ParameterHandle *n_handle)
{
    readMarks(m_parameterRecords, n_number, n_handle,
              [this](const RuleVertexPtrConn *n_parent) { return ruleNumber(n_parent); });
    ParameterRecord &record = m_parameterRecords[n_number];
    record.known = false;
    record.solutionKnown = false;
    record.remaining = false;
    record.produced = false;
}

void StaticAlgorithm::refreshRule(int n_number, const RuleHandle *n_handle)
{
    const bool pathHolds = readMarks(
        m_ruleRecords, n_number, n_handle,
        [this](const ParameterVertexPtrConn *n_parent) { return parameterNumber(n_parent); });
    RuleRecord &record = m_ruleRecords[n_number];
    if (!pathHolds)
        std::fill(record.noted, record.noted + NOTED, 0);
    record.remainingSteps = -1;
    record.placed = false;
}

void StaticAlgorithm::startSearchEpoch()
{
    // The class's own elements are what a search mostly meets: room for them at once, rather than
    // growing the tables again and again.
    if (m_parameterRecords.empty() && m_ruleRecords.empty()) {
        const std::size_t parameters = static_cast<std::size_t>(getParametersCount());
        const std::size_t rules = static_cast<std::size_t>(getRulesCount());
        m_parameterNumbers.reserve(parameters);
        m_ruleNumbers.reserve(rules);
        m_parameterRecords.reserve(parameters);
        m_ruleRecords.reserve(rules);
    }
    ++m_epoch;
    m_heldParameters.clear();
    m_heldRules.clear();
    m_dirty.clear();
}

// Once per search: the later search parents go to the elements (the explored flags and the first
// parents went at once).
void StaticAlgorithm::writeMarksBack()
{
    for (int code : m_dirty) {
        if (isRule(code)) {
            RuleRecord &record = m_ruleRecords[numberOf(code)];
            record.element->m_BFSParent = *m_parameterRecords[record.parent].handle;
            record.parentChanged = false;
        } else {
            ParameterRecord &record = m_parameterRecords[numberOf(code)];
            record.element->m_BFSParent = *m_ruleRecords[record.parent].handle;
            record.parentChanged = false;
        }
    }
    m_dirty.clear();
}

// The mark of this search when it has met the element, else the element's own.
template<class Element, class Record>
bool StaticAlgorithm::exploredIn(const PointerTable<Element, int> &n_numbers,
                                 const std::vector<Record> &n_records,
                                 const Element *n_element) const
{
    const int *const slot = n_numbers.find(n_element);
    if (slot != nullptr && n_records[*slot - 1].epoch == m_epoch)
        return n_records[*slot - 1].explored;
    return n_element->m_explored;
}

bool StaticAlgorithm::parameterExplored(const ParameterVertexPtrConn *n_parameter)
{
    return exploredIn(m_parameterNumbers, m_parameterRecords, n_parameter);
}

bool StaticAlgorithm::ruleExplored(const RuleVertexPtrConn *n_rule)
{
    return exploredIn(m_ruleNumbers, m_ruleRecords, n_rule);
}

// As the rule's own canBeExplored: every input explored, walking the names in table order; an
// unbound name met before an unexplored input is refused.
bool StaticAlgorithm::inputsExplored(const RuleVertexPtrConn &n_rule)
{
    bool result = true;
    n_rule.forEachInputEntry([&](const ParameterHandle &n_entry) {
        if (!result)
            return;
        const ParameterVertexPtrConn *input = weakedges::liveVertex(n_entry);
        if (input == nullptr)
            throw PointerIsNull(QStringLiteral("PtrLinkerHash"), QStringLiteral("canBeExplored()"),
                                QSharedPointer<ExceptionOstra>());
        result = parameterExplored(input);
    });
    return result;
}

// As the parameter's own canBeExplored: some live producing rule explored.
bool StaticAlgorithm::producersExplored(const ParameterVertexPtrConn &n_parameter)
{
    bool result = false;
    n_parameter.forEachAdjacentInEntry([&](const RuleHandle &n_entry) {
        if (result)
            return;
        const RuleVertexPtrConn *producer = weakedges::liveVertex(n_entry);
        result = producer != nullptr && ruleExplored(producer);
    });
    return result;
}

ParameterModel::ParameterModelPtr StaticAlgorithm::strongParameter(int n_number) const
{
    return qSharedPointerCast<ParameterModel>(m_parameterRecords[n_number].handle->toStrongRef());
}

RuleModel::RuleModelPtr StaticAlgorithm::strongRule(int n_number) const
{
    return qSharedPointerCast<RuleModel>(m_ruleRecords[n_number].handle->toStrongRef());
}

void StaticAlgorithm::markVisited(int n_code)
{
    bool &visited = isRule(n_code) ? m_ruleRecords[numberOf(n_code)].visited
                                   : m_parameterRecords[numberOf(n_code)].visited;
    if (!visited) {
        visited = true;
        ++m_visited.elements;
        if (isRule(n_code))
            ++m_visited.rules;
    }
    if (!m_visited.keepsSet)
        return;
    if (isRule(n_code))
        m_visited.set.insert(strongRule(numberOf(n_code)));
    else
        m_visited.set.insert(strongParameter(numberOf(n_code)));
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
    startSearchEpoch();
    // A null required parameter is never reached, so the search runs to the end of its queue.
    int remaining = 0;
    for (const ParameterModel::ParameterModelPtr &parameter : qAsConst(n_required)) {
        if (parameter.isNull()) {
            ++remaining;
            continue;
        }
        ParameterRecord &record = m_parameterRecords[meetParameter(parameter)];
        if (!record.remaining) {
            record.remaining = true;
            ++remaining;
        }
    }
    std::vector<int> queue;
    // A queue entry for an element of another kind (only a subclass's own queue could hold one):
    // -1 - its place in this side list.
    std::vector<QSharedPointer<BaseOstraObj>> others;
    // Held for the whole search: the member queue may hold an element's only strong reference,
    // and the search keeps weak ones.
    const QList<QSharedPointer<BaseOstraObj>> queued = std::exchange(m_workQueue, {});
    for (const QSharedPointer<BaseOstraObj> &element : queued) {
        const OstraObjectType type = element->getOstraObjectType();
        if (type == OBJECT_TYPE_PARAMETER) {
            queue.push_back(
                parameterCode(meetParameter(qSharedPointerCast<ParameterModel>(element))));
        } else if (type == OBJECT_TYPE_RULE) {
            queue.push_back(ruleCode(meetRule(qSharedPointerCast<RuleModel>(element))));
        } else {
            queue.push_back(-1 - static_cast<int>(others.size()));
            others.push_back(element);
        }
    }
    for (const ParameterModel::ParameterModelPtr &parameter : sortedById(n_known)) {
        if (parameter.isNull())
            continue;
        const int number = meetParameter(parameter);
        m_parameterRecords[number].known = true;
        queue.push_back(parameterCode(number));
    }
    std::size_t head = 0;
    // Whatever is left when the search stops, or throws, goes back to the member queue as it would
    // have stood there, and the marks to the elements.
    const auto finish = [&]() {
        for (std::size_t rest = head; rest < queue.size(); ++rest) {
            const int code = queue[rest];
            if (code < 0)
                m_workQueue.append(others[static_cast<std::size_t>(-1 - code)]);
            else if (isRule(code))
                m_workQueue.append(strongRule(numberOf(code)));
            else
                m_workQueue.append(strongParameter(numberOf(code)));
        }
        writeMarksBack();
    };
    try {
        searchQueue(queue, head, remaining);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void StaticAlgorithm::searchQueue(std::vector<int> &n_queue, std::size_t &n_head, int &n_remaining)
{
    while (n_head < n_queue.size() && n_remaining > 0) {
        const int code = n_queue[n_head++];
        if (code < 0) {
            qWarning() << "Ошибка при поиске в ширину, не должно быть";
            continue;
        }
        markVisited(code);
        const int number = numberOf(code);
        if (isRule(code)) {
            const RuleVertexPtrConn &rule = *m_ruleRecords[number].element;
            if (!inputsExplored(rule) || m_ruleRecords[number].explored)
                continue;
            m_ruleRecords[number].explored = true;
            m_ruleRecords[number].element->m_explored = true;
            rule.forEachOutputEntry([&](const ParameterHandle &n_entry) {
                const ParameterVertexPtrConn *output = weakedges::liveVertex(n_entry);
                if (output == nullptr)
                    return;
                const int parameter = meetParameter(output, &n_entry);
                if (!m_parameterRecords[parameter].explored)
                    n_queue.push_back(parameterCode(parameter));
                setParameterSearchParent(parameter, number);
            });
            continue;
        }
        const ParameterVertexPtrConn &parameter = *m_parameterRecords[number].element;
        const bool accepted = (!m_parameterRecords[number].explored && producersExplored(parameter))
                              || m_parameterRecords[number].known;
        if (!accepted)
            continue;
        m_parameterRecords[number].explored = true;
        m_parameterRecords[number].element->m_explored = true;
        if (parameter.m_required) {
            m_algorithmSolution->addExploredParameter(strongParameter(number));
            if (m_parameterRecords[number].remaining) {
                m_parameterRecords[number].remaining = false;
                --n_remaining;
            }
        }
        parameter.forEachAdjacentOutEntry([&](const RuleHandle &n_entry) {
            const RuleVertexPtrConn *reader = weakedges::liveVertex(n_entry);
            if (reader == nullptr)
                return;
            const int rule = meetRule(reader, &n_entry);
            n_queue.push_back(ruleCode(rule));
            setRuleSearchParent(rule, number);
        });
    }
}

long StaticAlgorithm::searchLimit() const
{
    long visitedRules = m_visited.rules;
    if (m_visited.keepsSet) {
        visitedRules = 0;
        for (const QSharedPointer<BaseOstraObj> &element : m_visited.set)
            if (element->getOstraObjectType() == OBJECT_TYPE_RULE)
                ++visitedRules;
    }
    return 4 * std::max<long>(getRulesCount(), visitedRules);
}

void StaticAlgorithm::forgetSearches()
{
    m_parameterNumbers.clear();
    m_ruleNumbers.clear();
    m_parameterRecords.clear();
    m_ruleRecords.clear();
    m_heldParameters.clear();
    m_heldRules.clear();
    m_dirty.clear();
    const bool keepsSet = m_visited.keepsSet;
    m_visited = Visits();
    m_visited.keepsSet = keepsSet;
    forgetPaths();
}

// The walks back stop at the parameters the solution knows.
void StaticAlgorithm::markSolutionKnown()
{
    for (const ParameterModel::ParameterModelPtr &parameter :
         m_algorithmSolution->getKnownParameters())
        if (!parameter.isNull())
            m_parameterRecords[meetParameter(parameter)].solutionKnown = true;
}

void StaticAlgorithm::createAlgoritmForOneReqPar(QList<RuleModel::RuleModelPtr> &n_rulesOrder,
                                                 NeedsTable &n_additionalReqParametersPlaceInsert,
                                                 ParameterModel::ParameterModelPtr n_currentObject)
{
    if (n_currentObject.isNull())
        return;
    startSearchEpoch();
    markSolutionKnown();
    m_walkNeeds.clear();
    std::vector<WalkedRule> walked;
    // A walk that fails on its limit leaves the rules walked so far, as it always has.
    const auto handOver = [&]() {
        for (const WalkedRule &rule : walked) {
            const RuleModel::RuleModelPtr strong = strongRule(rule.rule);
            for (int need = rule.needsBegin; need < rule.needsEnd; ++need)
                n_additionalReqParametersPlaceInsert.insert(
                    strong, strongParameter(m_walkNeeds[static_cast<std::size_t>(need)]));
            n_rulesOrder.prepend(strong);
        }
    };
    try {
        walkBack(meetParameter(n_currentObject), searchLimit(), false, walked);
    } catch (...) {
        handOver();
        throw;
    }
    handOver();
}

void StaticAlgorithm::walkBack(int n_start, long n_limit, bool n_cut,
                               std::vector<WalkedRule> &n_walked)
{
    const auto tooLong = [&]() {
        return LoopExceptionOstra(n_limit + 1, n_limit, CLASS_NAME, WALK_METHOD,
                                  QSharedPointer<ExceptionOstra>());
    };
    long steps = 0;
    // Rules of this walk with the number of steps taken before each.
    std::vector<std::pair<int, long>> cut;
    int parameter = n_start;
    int rule = -1;
    while (true) {
        if (rule >= 0) {
            if (n_cut) {
                const long placed = m_ruleRecords[rule].remainingSteps;
                if (placed >= 0) {
                    // Everything from here back is placed already; only the length counts.
                    const long total = steps + placed;
                    if (total > n_limit)
                        throw tooLong();
                    for (const auto &entry : cut)
                        m_ruleRecords[entry.first].remainingSteps = total - entry.second;
                    return;
                }
                cut.emplace_back(rule, steps);
            }
            const int parent = m_ruleRecords[rule].parent;
            const ParameterVertexPtrConn *parentElement = parent >= 0
                                                              ? m_parameterRecords[parent].element
                                                              : nullptr;
            WalkedRule walked{rule, static_cast<int>(m_walkNeeds.size()), 0};
            m_ruleRecords[rule].element->forEachInputEntry([&](const ParameterHandle &n_entry) {
                const ParameterVertexPtrConn *input = weakedges::liveVertex(n_entry);
                if (input == nullptr || input == parentElement)
                    return;
                const int number = meetParameter(input, &n_entry);
                if (!m_parameterRecords[number].solutionKnown)
                    m_walkNeeds.push_back(number);
            });
            walked.needsEnd = static_cast<int>(m_walkNeeds.size());
            n_walked.push_back(walked);
            if (parent >= 0 && m_parameterRecords[parent].epoch != m_epoch)
                refreshParameter(parent, &m_ruleRecords[rule].element->m_BFSParent);
            parameter = parent;
            rule = -1;
            if (steps >= n_limit)
                throw tooLong();
            ++steps;
            if (parameter < 0)
                break;
        } else {
            rule = m_parameterRecords[parameter].parent;
            if (rule >= 0 && m_ruleRecords[rule].epoch != m_epoch)
                refreshRule(rule, &m_parameterRecords[parameter].element->m_BFSParent);
            parameter = -1;
            if (steps >= n_limit)
                throw tooLong();
            ++steps;
            if (rule < 0)
                break;
        }
    }
    for (const auto &entry : cut)
        m_ruleRecords[entry.first].remainingSteps = steps - entry.second;
}

void StaticAlgorithm::appendRulesOrder(const QSet<ParameterModel::ParameterModelPtr> &n_produced,
                                       const QSet<RuleModel::RuleModelPtr> &n_placed, long n_limit,
                                       const QString &n_className, const QString &n_methodName)
{
    markSolutionKnown();
    for (const ParameterModel::ParameterModelPtr &parameter : n_produced)
        if (!parameter.isNull())
            m_parameterRecords[meetParameter(parameter)].produced = true;
    for (const RuleModel::RuleModelPtr &rule : n_placed)
        if (!rule.isNull())
            m_ruleRecords[meetRule(rule)].placed = true;

    // The order as a linked list over an array, node 0 standing for its end; the items likewise,
    // each a parameter with the order node before which its rules go.
    struct OrderNode
    {
        int rule;
        int previous;
        int next;
    };
    struct Item
    {
        int parameter;
        int position;
        int next;
    };
    std::vector<OrderNode> order{OrderNode{-1, 0, 0}};
    std::vector<Item> items;
    for (const ParameterModel::ParameterModelPtr &parameter :
         sortedById(m_algorithmSolution->getExploredParameters()))
        if (!parameter.isNull())
            items.push_back(Item{meetParameter(parameter), 0, static_cast<int>(items.size()) + 1});
    if (!items.empty())
        items.back().next = -1;

    long count = 0;
    std::vector<WalkedRule> chain;
    for (int item = items.empty() ? -1 : 0; item >= 0; item = items[item].next) {
        if (m_parameterRecords[items[item].parameter].produced)
            continue;
        chain.clear();
        m_walkNeeds.clear();
        // The walk gives the chain last rule first.
        walkBack(items[item].parameter, n_limit, true, chain);
        const int position = items[item].position;
        int lastInserted = item;
        for (auto walked = chain.crbegin(); walked != chain.crend(); ++walked) {
            if (m_ruleRecords[walked->rule].placed)
                continue;
            m_ruleRecords[walked->rule].element->forEachOutputEntry(
                [&](const ParameterHandle &n_entry) {
                    const ParameterVertexPtrConn *output = weakedges::liveVertex(n_entry);
                    if (output != nullptr)
                        m_parameterRecords[meetParameter(output, &n_entry)].produced = true;
                });
            const int node = static_cast<int>(order.size());
            const int previous = order[position].previous;
            order.push_back(OrderNode{walked->rule, previous, position});
            order[previous].next = node;
            order[position].previous = node;
            // The further needs, most recently noted first, right after the items already added
            // for this item.
            for (int need = walked->needsEnd - 1; need >= walked->needsBegin; --need) {
                items.push_back(Item{m_walkNeeds[static_cast<std::size_t>(need)], node,
                                     items[lastInserted].next});
                lastInserted = items[lastInserted].next = static_cast<int>(items.size()) - 1;
            }
            m_ruleRecords[walked->rule].placed = true;
        }
        if (count >= n_limit)
            throw LoopExceptionOstra(count + 1, n_limit, n_className, n_methodName,
                                     QSharedPointer<ExceptionOstra>());
        ++count;
    }
    for (int node = order[0].next; node != 0; node = order[node].next) {
        const RuleModel::RuleModelPtr rule = strongRule(order[node].rule);
        m_algorithmSolution->appendRule(rule);
        if (m_useConstraints)
            addRuleConstraints(rule);
    }
}
