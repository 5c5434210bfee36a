#ifndef RULEPATHSETS_H
#define RULEPATHSETS_H

#include <array>
#include <cstdint>
#include <vector>

// Sets of rule numbers for the search's derivation paths, kept in one pool. A set is a tree of
// nodes (1024 numbers per leaf, 16 children per inner node), and the pool stores every distinct
// node once, so equal sets, and equal parts of sets, are the same node. Adding a number then costs
// one branch, and a union only descends where the two sides differ and hands back a side that
// already covers the other: the long, largely shared paths of a deep network stay cheap. Sizes are
// known at once.
//
// Why it exists: a parameter's path is its producing rule's path plus that rule, and a rule's path
// the union of its inputs' paths, so paths grow with the depth of the network. Kept as the
// elements' own QSets, every step copies a whole path, and a search is quadratic in the depth.
// What it saves (bench_solver, one search including the solver's set-up and tear-down): on a
// chain of 10^4 rules 7.4 s with the elements' sets against 0.05 s here, on the deep layered
// network of 10^4 rules 5.4 s against 0.14 s, each doubling of those sizes four times slower
// with the elements' sets and about twice here.
class RulePathSets
{
public:
    struct Set
    {
        int root = 0;
        int level = 0;
    };

    RulePathSets();

    int size(const Set &n_set) const;
    bool contains(const Set &n_set, int n_number) const;
    Set inserted(const Set &n_set, int n_number);
    Set united(const Set &n_first, const Set &n_second);
    // Forgets every set; sets handed out before must not be used afterwards.
    void clear();

private:
    static const int FANOUT_BITS = 4;
    static const int FANOUT = 1 << FANOUT_BITS;
    static const int LEAF_BITS = 10;
    static const int LEAF_WORDS = (1 << LEAF_BITS) / 64;
    typedef std::array<int, FANOUT> Kids;
    typedef std::array<std::uint64_t, LEAF_WORDS> Bits;

    // A node's count and where its content lies: leaves' bits and inner nodes' children are kept
    // apart, so that neither carries the other's unused array. Node 0, the empty set, has zero
    // content in both.
    struct Node
    {
        int count = 0;
        int content = 0;
    };
    // Node ids by content, open addressing over plain arrays: one table for leaves, one for inner
    // nodes, neither allocating per entry. Each slot keeps its content's hash beside the id, so a
    // probe passing other contents compares one word rather than a whole node far away in memory,
    // and growing the table hashes nothing again.
    struct Slot
    {
        std::uint32_t hash = 0;
        int id = 0;
    };
    struct Interned
    {
        std::vector<Slot> entries;
        int used = 0;
    };
    // The last union of each pair of nodes, by a hash of the pair: sets of one search share most
    // of their parts, so the same pair of subtrees is united again and again. A lost entry costs
    // only the union done again.
    struct UnionMemo
    {
        int first = 0;
        int second = 0;
        int result = 0;
    };

    static int shiftOf(int n_level);
    static std::size_t mixed(std::uint64_t n_hash);
    static std::size_t hashOf(const Bits &n_bits);
    static std::size_t hashOf(const Kids &n_kids);
    const Bits &bitsOf(int n_node) const { return m_bits[m_nodes[n_node].content]; }
    const Kids &kidsOf(int n_node) const { return m_kids[m_nodes[n_node].content]; }
    template<class Content>
    int intern(Interned &n_table, std::vector<Content> &n_contents, const Content &n_content,
               int n_count);
    int makeLeaf(const Bits &n_bits);
    int makeInner(const Kids &n_kids);
    int lift(int n_node, int n_fromLevel, int n_toLevel);
    int insertInto(int n_node, int n_level, int n_number);
    int unite(int n_first, int n_second, int n_level);
    int uniteNodes(int n_first, int n_second, int n_level);

    std::vector<Node> m_nodes;
    std::vector<Bits> m_bits;
    std::vector<Kids> m_kids;
    Interned m_leaves;
    Interned m_inners;
    std::vector<UnionMemo> m_unions;
};

#endif // RULEPATHSETS_H
