#ifndef POINTERTABLE_H
#define POINTERTABLE_H

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// A table from element addresses to values for the solver's per-search bookkeeping: open
// addressing over one array, so that filling it for every rule and parameter of a search, and
// throwing it away, costs no allocation per entry (a QHash allocates a node for each). Keys are
// never null; entries are never removed one by one.
template<class Key, class Value>
class PointerTable
{
public:
    Value *find(const Key *n_key)
    {
        if (m_slots.empty())
            return nullptr;
        for (std::size_t slot = slotOf(n_key);; slot = (slot + 1) & (m_slots.size() - 1)) {
            if (m_slots[slot].first == n_key)
                return &m_slots[slot].second;
            if (m_slots[slot].first == nullptr)
                return nullptr;
        }
    }
    const Value *find(const Key *n_key) const
    {
        return const_cast<PointerTable *>(this)->find(n_key);
    }
    bool contains(const Key *n_key) const { return find(n_key) != nullptr; }

    // The entry for the key, made with a default value when there is none.
    Value &operator[](const Key *n_key)
    {
        if (2 * (m_size + 1) > m_slots.size())
            grow();
        std::size_t slot = slotOf(n_key);
        while (m_slots[slot].first != nullptr && m_slots[slot].first != n_key)
            slot = (slot + 1) & (m_slots.size() - 1);
        if (m_slots[slot].first == nullptr) {
            m_slots[slot].first = n_key;
            ++m_size;
        }
        return m_slots[slot].second;
    }
    // True when the key was not there yet.
    bool insert(const Key *n_key)
    {
        const std::size_t before = m_size;
        (*this)[n_key];
        return m_size != before;
    }

    std::size_t size() const { return m_size; }
    void reserve(std::size_t n_count)
    {
        while (2 * n_count > m_slots.size())
            grow();
    }
    void clear()
    {
        m_slots.clear();
        m_size = 0;
    }

private:
    typedef std::pair<const Key *, Value> Slot;

    std::size_t slotOf(const Key *n_key) const
    {
        const std::uint64_t mixed = static_cast<std::uint64_t>(
                                        reinterpret_cast<std::uintptr_t>(n_key))
                                    * 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(mixed >> 20) & (m_slots.size() - 1);
    }
    void grow()
    {
        std::vector<Slot> old;
        old.swap(m_slots);
        m_slots.resize(old.empty() ? 64 : 2 * old.size());
        for (Slot &entry : old) {
            if (entry.first == nullptr)
                continue;
            std::size_t slot = slotOf(entry.first);
            while (m_slots[slot].first != nullptr)
                slot = (slot + 1) & (m_slots.size() - 1);
            m_slots[slot] = std::move(entry);
        }
    }

    std::vector<Slot> m_slots;
    std::size_t m_size = 0;
};

#endif // POINTERTABLE_H
