#ifndef STATICALGORITHM_H
#define STATICALGORITHM_H

#include <algorithm>
#include <vector>

#include <QHash>
#include <QList>
#include <QMultiHash>
#include <QSet>
#include <QSharedPointer>
#include <QString>
#include <QVarLengthArray>
#include <QVector>

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

    // The limit of items and walk steps: four times the larger of the own rule count and the number
    // of distinct rules the searches visited, since links may lead into rules of ancestor classes.
    long searchLimit() const;
    // Builds a list of rules from the reached set, given what is already produced and placed; the
    // limit bounds both the items and each walk.
    std::vector<RuleModel::RuleModelPtr> buildRulesOrder(
        QSet<ParameterModel::ParameterModelPtr> n_produced, QSet<RuleModel::RuleModelPtr> n_placed,
        long n_limit, const QString &n_className, const QString &n_methodName);
    void forgetSearchPaths();

    template<class T>
    static QList<QSharedPointer<T>> sortedById(const QSet<QSharedPointer<T>> &n_set);

    QList<ParameterModel::ParameterModelPtr> m_defaultValueParameters;
    RuleModel::RuleModelPtr m_nullRule;
    QSet<QSharedPointer<BaseOstraObj>> m_visited;

private:
    // The search loop of baseSearch over its queue, from n_head on.
    void searchQueue(std::vector<QSharedPointer<BaseOstraObj>> &n_queue, std::size_t &n_head,
                     const QSet<ParameterModel::ParameterModelPtr> &n_known,
                     QSet<ParameterModel::ParameterModelPtr> &n_remaining);
    // A walk back from one parameter; rules placed earlier in the same build cut it short, since
    // everything behind them is placed too and only their remaining walk length still matters.
    // The rules walked come out last rule first.
    void walkBack(std::vector<RuleModel::RuleModelPtr> &n_walked, NeedsTable &n_needs,
                  ParameterModel::ParameterModelPtr n_start,
                  const QSet<ParameterModel::ParameterModelPtr> &n_known, long n_limit,
                  PointerTable<RuleModel, long> *n_remainingSteps);

    // The rules on the chosen derivation of every parameter and rule of a search, kept here in
    // RulePathSets rather than in the elements' own sets (see there for why and the figures). Each
    // path is a node: a rule's path is the union of its inputs' paths as they stood at each of its
    // calls, a parameter's is its producing rule's path plus that rule. The only thing ever read
    // of a path is its size, and only when a second producing rule reaches an already parented
    // parameter; so nodes are only noted as the search goes, and a node's set is built when its
    // size is first read, and kept. A chain builds no set at all.
    struct PathNode
    {
        enum Kind { EMPTY, FROM_ELEMENT, UNION, WITH_RULE };
        Kind kind = EMPTY;
        int first = 0;  // UNION: one side; WITH_RULE: the path the rule joins
        int second = 0; // UNION: the other side; WITH_RULE: the rule's number
        bool built = false;
        RulePathSets::Set set;
    };
    // What this solver noted on a rule or parameter; it counts only while the element still has
    // the search parent it was noted with, so any reset of the element voids it.
    struct RulePathRecord
    {
        const ParameterVertexPtrConn *parent = nullptr;
        int node = 0;
        // The input paths already united into node, so that the calls of one rule note each once.
        QVarLengthArray<int, 4> noted;
    };
    struct ParameterPathRecord
    {
        const RuleVertexPtrConn *parent = nullptr;
        int node = 0;
    };

    int pathOfParameter(const ParameterVertexPtrConn *n_parameter);
    int pathOfRule(const RuleVertexPtrConn *n_rule);
    int pathFromElement(const QSet<QSharedPointer<RuleVertex>> &n_rules);
    int addPathNode(PathNode::Kind n_kind, int n_first, int n_second);
    int pathSize(int n_node);
    int ruleNumber(const RuleVertex *n_rule);
    void setRuleSearchParent(const RuleModel::RuleModelPtr &n_rule,
                             const ParameterModel::ParameterModelPtr &n_parameter);
    void setParameterSearchParent(const ParameterModel::ParameterModelPtr &n_parameter,
                                  const RuleModel::RuleModelPtr &n_rule);

    PointerTable<RuleVertexPtrConn, RulePathRecord> m_rulePaths;
    PointerTable<ParameterVertexPtrConn, ParameterPathRecord> m_parameterPaths;
    std::vector<PathNode> m_pathNodes = std::vector<PathNode>(1);
    RulePathSets m_pathSets;
    PointerTable<RuleVertex, int> m_ruleNumbers;
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
