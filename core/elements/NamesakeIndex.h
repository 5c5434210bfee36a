#ifndef NAMESAKEINDEX_H
#define NAMESAKEINDEX_H

#include <QHash>
#include <QSharedPointer>

// Elements grouped by a key (a short name, or a relation and a short name) in the order they are
// added, for the namesake walks of the integrity checks. A walk only ever asks for the first
// element of a group other than a given one, so each group keeps just its first element and the
// first one that differs from it: no list per key, on stores of 10^5 elements mostly alone.
template<class K, class T>
class NamesakeIndex
{
public:
    typedef QSharedPointer<T> Ptr;

    // Only looked up, never walked: room made ahead changes no finding's order.
    void reserve(int n_size) { m_groups.reserve(n_size); }

    void add(const K &n_key, const Ptr &n_element)
    {
        Group &group = m_groups[n_key];
        if (!group.filled) {
            group.first = n_element;
            group.filled = true;
        } else if (group.second.isNull() && n_element != group.first) {
            group.second = n_element;
        }
    }

    // The first element added under the key that is not n_element; null when there is none.
    Ptr firstOther(const K &n_key, const Ptr &n_element) const
    {
        const auto it = m_groups.constFind(n_key);
        if (it == m_groups.constEnd())
            return Ptr();
        return it->first != n_element ? it->first : it->second;
    }

private:
    struct Group
    {
        Ptr first;
        Ptr second; // the first element added after `first` that is not `first`
        bool filled = false;
    };
    QHash<K, Group> m_groups;
};

#endif // NAMESAKEINDEX_H
