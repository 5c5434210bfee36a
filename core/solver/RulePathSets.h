#ifndef RULEPATHSETS_H
#define RULEPATHSETS_H

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

// Sets of rule numbers for the search's derivation paths, kept in one pool. A set is a tree of
// nodes (256 numbers per leaf, 16 children per inner node), and the pool stores every distinct node
// once, so equal sets, and equal parts of sets, are the same node. Adding a number then costs one
// branch, and a union only descends where the two sides differ and hands back a side that already
// covers the other: the long, largely shared paths of a deep network stay cheap. Sizes are known
// at once.
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
    static const int LEAF_BITS = 8;
    static const int LEAF_WORDS = (1 << LEAF_BITS) / 64;
    typedef std::array<int, FANOUT> Kids;
    typedef std::array<std::uint64_t, LEAF_WORDS> Bits;

    struct Node
    {
        int count = 0;
        Bits bits{};
        Kids kids{};
    };
    struct KidsHash
    {
        std::size_t operator()(const Kids &n_kids) const;
    };
    struct BitsHash
    {
        std::size_t operator()(const Bits &n_bits) const;
    };

    static int shiftOf(int n_level);
    int makeLeaf(const Bits &n_bits);
    int makeInner(const Kids &n_kids);
    int lift(int n_node, int n_fromLevel, int n_toLevel);
    int insertInto(int n_node, int n_level, int n_number);
    int unite(int n_first, int n_second, int n_level);

    std::vector<Node> m_nodes;
    std::unordered_map<Bits, int, BitsHash> m_leaves;
    std::unordered_map<Kids, int, KidsHash> m_inners;
};

#endif // RULEPATHSETS_H
