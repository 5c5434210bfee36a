#ifndef STATICALGORITHM_H
#define STATICALGORITHM_H

#include <algorithm>
#include <deque>
#include <vector>

#include <QHash>
#include <QList>
#include <QMultiHash>
#include <QSet>
#include <QSharedPointer>
#include <QString>

#include "solver/BaseAlgorithm.h"
#include "solver/PointerTable.h"
#include "solver/RulePathSets.h"

// The solver that plans once and then runs the plan. The plan: a breadth-first search from the
// known parameters marks what can be reached, then the order of rules is built backwards from every
// reached required parameter along the search parents.
class StaticAlgorithm : public BaseAlgorithm
{
public:
    explicit StaticAlgorithm(QSharedPointer<BaseAlgorithmData> n_algorithmData);
    StaticAlgorithm(bool n_useDefaultValues, bool n_useConstraints);
    StaticAlgorithm(const BaseClassCommonData &n_network, bool n_useDefaultValues,
                    bool n_useConstraints);
    ~StaticAlgorithm() override;

    OstraSearchType getAlgorithmType() const override;
    void search() override;
    bool calculate() override;
    void resetAlgorithm() override;
    void setData(BaseClassCommonData &n_network) override;
    void reset() override;

    virtual void addExploredParametersFromRule(RuleModel::RuleModelPtr n_rule);
    virtual void baseSearch();
    void baseSearch(QSet<ParameterModel::ParameterModelPtr> &n_known,
                    QSet<ParameterModel::ParameterModelPtr> &n_required);
    void createAlgoritmForOneReqPar(
        QList<RuleModel::RuleModelPtr> &n_rulesOrder,
        QMultiHash<RuleModel::RuleModelPtr, ParameterModel::ParameterModelPtr>
            &n_additionalReqParametersPlaceInsert,
        ParameterModel::ParameterModelPtr n_currentObject);
    // False when a constraint stored for the rule is violated; the solution then holds status 2.
    bool checkConstraints(RuleModel::RuleModelPtr n_rule);

    void setParametersDefaultValuesAsKnown();
    void setAllParametersValueToDefaultExceptIncomming();
    void gatherParametersWithDefValues();
    void addKnownParametersConstraints();
    void addRuleConstraints(RuleModel::RuleModelPtr n_rule);
    void addParameterConstraint(ParameterModel::ParameterModelPtr n_parameter,
                                RuleModel::RuleModelPtr n_rule);

protected:
    typedef QMultiHash<RuleModel::RuleModelPtr, ParameterModel::ParameterModelPtr> NeedsTable;

    // The elements the searches took from their queue since the solver was loaded or reset:
    // counted on the numbered elements, and kept as a set of the elements themselves only by a
    // solver that takes elements out of it again (the runtime one).
    struct Visits
    {
        int elements = 0;
        int rules = 0;
        bool keepsSet = false;
        QSet<QSharedPointer<BaseOstraObj>> set;

        int size() const { return keepsSet ? set.size() : elements; }
    };

    // The limit of items and walk steps: four times the larger of the own rule count and the number
    // of distinct rules the searches visited, since links may lead into rules of ancestor classes.
    long searchLimit() const;
    // Builds a list of rules from the reached set, given what is already produced and placed, and
    // appends it to the solution's order, each rule with its constraints when they are used; the
    // limit bounds both the items and each walk, and nothing is appended when it is passed: the
    // rules go to the solution only once the whole order is built.
    void appendRulesOrder(const QSet<ParameterModel::ParameterModelPtr> &n_produced,
                          const QSet<RuleModel::RuleModelPtr> &n_placed, long n_limit,
                          const QString &n_className, const QString &n_methodName);
    // Forgets the numbering, the paths and the visits; the elements keep their marks.
    void forgetSearches();

    template<class T>
    static QList<QSharedPointer<T>> sortedById(const QSet<QSharedPointer<T>> &n_set);

    QList<ParameterModel::ParameterModelPtr> m_defaultValueParameters;
    RuleModel::RuleModelPtr m_nullRule;
    Visits m_visited;

private:
    typedef QWeakPointer<ParameterVertexPtrConn> ParameterHandle;
    typedef QWeakPointer<RuleVertexPtrConn> RuleHandle;

    // The search runs over numbers given to the elements as it meets them, with its marks in the
    // records below; the elements' own marks are read when a search first meets an element and
    // written back once when the search ends. Numbers and paths last until the solver is loaded or
    // reset, so that the runtime solver's searches go on from the paths of the earlier ones.
    struct ParameterRecord
    {
        ParameterVertexPtrConn *element = nullptr;
        // The weak link the search met the element by, for a strong pointer or a new search
        // parent; valid only in the search that set it.
        const ParameterHandle *handle = nullptr;
        unsigned epoch = 0;
        int parent = -1; // rule number
        int path = 0;    // path node
        // The search parent the path belongs to: a path outlives a search only while it matches.
        const RuleVertexPtrConn *pathParent = nullptr;
        bool explored = false;
        bool known = false;         // known to this search
        bool solutionKnown = false; // in the solution's known set, for the walks back
        bool remaining = false;     // required and not reached yet
        bool produced = false;      // produced by a placed rule of the order being built
        // A later search parent, written back when the search ends (listed in m_dirty).
        bool parentChanged = false;
        bool parentWritten = false;
        bool visited = false;
    };
    static constexpr int NOTED = 4;
    struct RuleRecord
    {
        RuleVertexPtrConn *element = nullptr;
        const RuleHandle *handle = nullptr;
        unsigned epoch = 0;
        int parent = -1; // parameter number
        int path = 0;
        const ParameterVertexPtrConn *pathParent = nullptr;
        // Its number in the path sets, given when it first becomes a parameter's search parent.
        int pathNumber = -1;
        // The input path last united into this path, for each of the first NOTED input names, so
        // that the calls of one rule unite each once.
        int noted[NOTED] = {0, 0, 0, 0};
        long remainingSteps = -1;
        bool explored = false;
        bool placed = false;
        // A later search parent, written back when the search ends (listed in m_dirty).
        bool parentChanged = false;
        bool parentWritten = false;
        bool visited = false;
    };
    // The rules on the chosen derivation of a parameter or rule, kept in RulePathSets rather than
    // in the elements' own sets (see there for why and the figures). A rule's path is the union of
    // its inputs' paths as they stood at each of its calls, a parameter's is its producing rule's
    // path plus that rule. The only thing ever read of a path is its size, and only when a second
    // producing rule reaches an already parented parameter; so nodes are only noted as the search
    // goes, with bounds on their size, and a set is built only when the bounds cannot settle a
    // contest. A chain builds no set at all.
    struct PathNode
    {
        enum Kind { EMPTY, FROM_ELEMENT, UNION, WITH_RULE };
        Kind kind = EMPTY;
        int first = 0;  // UNION: one side; WITH_RULE: the path the rule joins
        int second = 0; // UNION: the other side; WITH_RULE: the rule's number
        int low = 0;    // bounds of the size
        int high = 0;
        bool built = true;
        RulePathSets::Set set;
    };
    // One rule of a walk back, with its further needs (a range of m_walkNeeds).
    struct WalkedRule
    {
        int rule;
        int needsBegin;
        int needsEnd;
    };

    // Queue entries and marks name an element by a code: parameter number n as 2n, rule number n
    // as 2n + 1.
    static int parameterCode(int n_number) { return 2 * n_number; }
    static int ruleCode(int n_number) { return 2 * n_number + 1; }
    static bool isRule(int n_code) { return (n_code & 1) != 0; }
    static int numberOf(int n_code) { return n_code >> 1; }

    void startSearchEpoch();
    void writeMarksBack();
    void markSolutionKnown();
    int parameterNumber(const ParameterVertexPtrConn *n_parameter);
    int ruleNumber(const RuleVertexPtrConn *n_rule);
    int meetParameter(const ParameterVertexPtrConn *n_parameter, const ParameterHandle *n_handle);
    int meetRule(const RuleVertexPtrConn *n_rule, const RuleHandle *n_handle);
    int meetParameter(const ParameterModel::ParameterModelPtr &n_parameter);
    int meetRule(const RuleModel::RuleModelPtr &n_rule);
    void refreshParameter(int n_number, const ParameterHandle *n_handle);
    void refreshRule(int n_number, const RuleHandle *n_handle);
    // What both kinds share of the above; false when the path so far no longer holds.
    template<class Record, class Handle, class NumberParent>
    bool readMarks(std::vector<Record> &n_records, int n_number, const Handle *n_handle,
                   NumberParent n_numberParent);
    template<class Element, class Record>
    static int numberIn(PointerTable<Element, int> &n_numbers, std::vector<Record> &n_records,
                        const Element *n_element);
    template<class Element, class Record>
    bool exploredIn(const PointerTable<Element, int> &n_numbers,
                    const std::vector<Record> &n_records, const Element *n_element) const;
    bool parameterExplored(const ParameterVertexPtrConn *n_parameter);
    bool ruleExplored(const RuleVertexPtrConn *n_rule);
    bool inputsExplored(const RuleVertexPtrConn &n_rule);
    bool producersExplored(const ParameterVertexPtrConn &n_parameter);
    ParameterModel::ParameterModelPtr strongParameter(int n_number) const;
    RuleModel::RuleModelPtr strongRule(int n_number) const;
    void markVisited(int n_code);

    // The search loop of baseSearch over its queue of codes (parameterCode, ruleCode), from
    // n_head on.
    void searchQueue(std::vector<int> &n_queue, std::size_t &n_head, int &n_remaining);
    // A walk back from one parameter: the rules walked, last rule first, each with its needs.
    // With n_cut, rules placed earlier in the same build cut it short, since everything behind
    // them is placed too and only their remaining walk length still matters.
    void walkBack(int n_start, long n_limit, bool n_cut, std::vector<WalkedRule> &n_walked);

    int pathFromElement(const QSet<QSharedPointer<RuleVertex>> &n_rules);
    int addPathNode(PathNode::Kind n_kind, int n_first, int n_second);
    int pathSize(int n_node);
    // True when the first path holds at least as many rules as the second.
    bool notShorter(int n_first, int n_second);
    int pathNumberOf(int n_rule);
    int pathNumberOfVertex(const RuleVertex *n_rule);
    void forgetPaths();
    void setRuleSearchParent(int n_rule, int n_parameter);
    void setParameterSearchParent(int n_parameter, int n_rule);
    template<class Record, class Handle>
    void changeSearchParent(Record &n_record, int n_code, const Handle &n_parent);

    PointerTable<ParameterVertexPtrConn, int> m_parameterNumbers;
    PointerTable<RuleVertexPtrConn, int> m_ruleNumbers;
    std::vector<ParameterRecord> m_parameterRecords;
    std::vector<RuleRecord> m_ruleRecords;
    unsigned m_epoch = 0;
    // Strong-free links for elements the search was handed as shared pointers; each search's.
    std::deque<ParameterHandle> m_heldParameters;
    std::deque<RuleHandle> m_heldRules;
    std::vector<int> m_dirty;
    std::vector<int> m_walkNeeds;
    std::vector<PathNode> m_pathNodes = std::vector<PathNode>(1);
    RulePathSets m_pathSets;
    int m_pathNumbers = 0;
    // Path numbers of rules met only inside sets the elements hold themselves.
    PointerTable<RuleVertex, int> m_vertexPathNumbers;
};

template<class T>
QList<QSharedPointer<T>> StaticAlgorithm::sortedById(const QSet<QSharedPointer<T>> &n_set)
{
    QList<QSharedPointer<T>> result = n_set.values();
    std::sort(result.begin(), result.end(),
              [](const QSharedPointer<T> &n_first, const QSharedPointer<T> &n_second) {
                  if (n_first.isNull() || n_second.isNull())
                      return n_first.isNull() && !n_second.isNull();
                  const int order = n_first->getId().compare(n_second->getId());
                  return order != 0 ? order < 0 : n_first.data() < n_second.data();
              });
    return result;
}

#endif // STATICALGORITHM_H
