#include "solver/RulePathSets.h"

RulePathSets::RulePathSets()
{
    clear();
}

void RulePathSets::clear()
{
    m_nodes.assign(1, Node());
    m_bits.assign(1, Bits{});
    m_kids.assign(1, Kids{});
    m_leaves = Interned();
    m_inners = Interned();
    m_unions.clear();
}

// The tables take the low bits of a hash, and a multiplication carries a word's high bits only
// upwards: a sparse leaf whose one bit lies high would leave the low bits alone and pile up in
// one run of the table. The final mix spreads every bit over the low ones.
std::size_t RulePathSets::mixed(std::uint64_t n_hash)
{
    n_hash ^= n_hash >> 33;
    n_hash *= 0xff51afd7ed558ccdull;
    n_hash ^= n_hash >> 33;
    n_hash *= 0xc4ceb9fe1a85ec53ull;
    n_hash ^= n_hash >> 33;
    return static_cast<std::size_t>(n_hash);
}

namespace {

// Four independent lanes, so that the multiplications of one word do not wait for the last.
template<class Words>
std::uint64_t laneHash(const Words &n_words)
{
    std::uint64_t lanes[4] = {1469598103934665603ull, 1099511628211ull, 0x9E3779B97F4A7C15ull,
                              0xC2B2AE3D27D4EB4Full};
    for (std::size_t i = 0; i < n_words.size(); ++i)
        lanes[i % 4] = (lanes[i % 4] ^ static_cast<std::uint64_t>(n_words[i])) * 1099511628211ull;
    return lanes[0] ^ (lanes[1] * 31) ^ (lanes[2] * 961) ^ (lanes[3] * 29791);
}

} // namespace

std::size_t RulePathSets::hashOf(const Kids &n_kids)
{
    return mixed(laneHash(n_kids));
}

std::size_t RulePathSets::hashOf(const Bits &n_bits)
{
    return mixed(laneHash(n_bits));
}

// The id of the node with this content, added when there is none yet.
template<class Content>
int RulePathSets::intern(Interned &n_table, std::vector<Content> &n_contents,
                         const Content &n_content, int n_count)
{
    if (2 * (n_table.used + 1) > static_cast<int>(n_table.entries.size())) {
        std::vector<Slot> old;
        old.swap(n_table.entries);
        n_table.entries.assign(old.empty() ? 1024 : 2 * old.size(), Slot());
        const std::size_t mask = n_table.entries.size() - 1;
        for (const Slot &entry : old) {
            if (entry.id == 0)
                continue;
            std::size_t slot = entry.hash & mask;
            while (n_table.entries[slot].id != 0)
                slot = (slot + 1) & mask;
            n_table.entries[slot] = entry;
        }
    }
    const std::uint32_t hash = static_cast<std::uint32_t>(hashOf(n_content));
    const std::size_t mask = n_table.entries.size() - 1;
    std::size_t slot = hash & mask;
    while (n_table.entries[slot].id != 0) {
        const Slot &entry = n_table.entries[slot];
        if (entry.hash == hash && n_contents[m_nodes[entry.id].content] == n_content)
            return entry.id;
        slot = (slot + 1) & mask;
    }
    Node node;
    node.count = n_count;
    node.content = static_cast<int>(n_contents.size());
    n_contents.push_back(n_content);
    m_nodes.push_back(node);
    const int id = static_cast<int>(m_nodes.size()) - 1;
    n_table.entries[slot] = Slot{hash, id};
    ++n_table.used;
    return id;
}

int RulePathSets::size(const Set &n_set) const
{
    return m_nodes[n_set.root].count;
}

// Numbers below 1 << (LEAF_BITS + FANOUT_BITS * level) fit a tree of that level.
int RulePathSets::shiftOf(int n_level)
{
    return LEAF_BITS + FANOUT_BITS * n_level;
}

bool RulePathSets::contains(const Set &n_set, int n_number) const
{
    if (n_number < 0 || (static_cast<long long>(n_number) >> shiftOf(n_set.level)) != 0)
        return false;
    int node = n_set.root;
    for (int level = n_set.level; level > 0 && node != 0; --level)
        node = kidsOf(node)[(n_number >> shiftOf(level - 1)) & (FANOUT - 1)];
    const int bit = n_number & ((1 << LEAF_BITS) - 1);
    return node != 0 && ((bitsOf(node)[bit / 64] >> (bit % 64)) & 1u);
}

namespace {

// Counting bits is most of what a leaf costs. The processor's own instruction is used only where
// it has one, asked at run time: the build does not assume it (no -mpopcnt).
template<class Bits>
inline __attribute__((always_inline)) int countBits(const Bits &n_bits)
{
    int count = 0;
    for (std::uint64_t word : n_bits)
        count += __builtin_popcountll(word);
    return count;
}

#if defined(__x86_64__) || defined(__i386__)
template<class Bits>
__attribute__((target("popcnt"))) int countBitsByInstruction(const Bits &n_bits)
{
    return countBits(n_bits);
}

const bool HAS_POPCNT = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("popcnt") != 0;
}();

template<class Bits>
int countLeafBits(const Bits &n_bits)
{
    return HAS_POPCNT ? countBitsByInstruction(n_bits) : countBits(n_bits);
}
#else
// Other processors: the compiler's own choice for the build's target.
template<class Bits>
int countLeafBits(const Bits &n_bits)
{
    return countBits(n_bits);
}
#endif

} // namespace

int RulePathSets::makeLeaf(const Bits &n_bits)
{
    const int count = countLeafBits(n_bits);
    if (count == 0)
        return 0;
    return intern(m_leaves, m_bits, n_bits, count);
}

int RulePathSets::makeInner(const Kids &n_kids)
{
    int count = 0;
    for (int kid : n_kids)
        count += m_nodes[kid].count;
    if (count == 0)
        return 0;
    return intern(m_inners, m_kids, n_kids, count);
}

int RulePathSets::lift(int n_node, int n_fromLevel, int n_toLevel)
{
    int node = n_node;
    for (int level = n_fromLevel; level < n_toLevel; ++level) {
        Kids kids{};
        kids[0] = node;
        node = makeInner(kids);
    }
    return node;
}

RulePathSets::Set RulePathSets::inserted(const Set &n_set, int n_number)
{
    if (n_number < 0)
        return n_set;
    Set result = n_set;
    while ((static_cast<long long>(n_number) >> shiftOf(result.level)) != 0) {
        result.root = lift(result.root, result.level, result.level + 1);
        ++result.level;
    }
    result.root = insertInto(result.root, result.level, n_number);
    return result;
}

int RulePathSets::insertInto(int n_node, int n_level, int n_number)
{
    if (n_level == 0) {
        Bits bits = bitsOf(n_node);
        const int bit = n_number & ((1 << LEAF_BITS) - 1);
        bits[bit / 64] |= std::uint64_t(1) << (bit % 64);
        return makeLeaf(bits);
    }
    Kids kids = kidsOf(n_node);
    const int slot = (n_number >> shiftOf(n_level - 1)) & (FANOUT - 1);
    kids[slot] = insertInto(kids[slot], n_level - 1, n_number);
    return makeInner(kids);
}

RulePathSets::Set RulePathSets::united(const Set &n_first, const Set &n_second)
{
    if (n_second.root == 0)
        return n_first;
    if (n_first.root == 0)
        return n_second;
    const int level = n_first.level > n_second.level ? n_first.level : n_second.level;
    Set result;
    result.level = level;
    result.root = unite(lift(n_first.root, n_first.level, level),
                        lift(n_second.root, n_second.level, level), level);
    return result;
}

int RulePathSets::unite(int n_first, int n_second, int n_level)
{
    if (n_first == n_second || n_second == 0)
        return n_first;
    if (n_first == 0)
        return n_second;
    // A node's id fixes its level, so the pair alone keys the memo.
    const int low = n_first < n_second ? n_first : n_second;
    const int high = n_first < n_second ? n_second : n_first;
    if (m_unions.empty())
        m_unions.resize(1 << 16);
    const std::uint64_t pair = (std::uint64_t(std::uint32_t(low)) << 32) | std::uint32_t(high);
    UnionMemo &memo = m_unions[((pair * 0x9E3779B97F4A7C15ull) >> 40) & (m_unions.size() - 1)];
    if (memo.first == low && memo.second == high)
        return memo.result;
    const int result = uniteNodes(n_first, n_second, n_level);
    // The reference may be stale only if the memo table grew, which it never does during a union.
    memo.first = low;
    memo.second = high;
    memo.result = result;
    return result;
}

int RulePathSets::uniteNodes(int n_first, int n_second, int n_level)
{
    if (n_level == 0) {
        const Bits &first = bitsOf(n_first);
        const Bits &second = bitsOf(n_second);
        Bits bits;
        bool asFirst = true;
        bool asSecond = true;
        for (int word = 0; word < LEAF_WORDS; ++word) {
            bits[word] = first[word] | second[word];
            asFirst = asFirst && bits[word] == first[word];
            asSecond = asSecond && bits[word] == second[word];
        }
        if (asFirst)
            return n_first;
        if (asSecond)
            return n_second;
        return makeLeaf(bits);
    }
    const Kids first = kidsOf(n_first);
    const Kids second = kidsOf(n_second);
    Kids kids;
    bool asFirst = true;
    bool asSecond = true;
    for (int slot = 0; slot < FANOUT; ++slot) {
        kids[slot] = unite(first[slot], second[slot], n_level - 1);
        asFirst = asFirst && kids[slot] == first[slot];
        asSecond = asSecond && kids[slot] == second[slot];
    }
    if (asFirst)
        return n_first;
    if (asSecond)
        return n_second;
    return makeInner(kids);
}
