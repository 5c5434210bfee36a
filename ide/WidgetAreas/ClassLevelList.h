#ifndef CLASSLEVELLIST_H
#define CLASSLEVELLIST_H

#include <QString>

#include <vector>

class QComboBox;

// The class lists ("levels") of the editor pages: each class's short name, cut to 50 characters
// and "..." when longer, its id as item data and the whole name as tooltip, sorted by name.
class ClassLevelList
{
public:
    static const int TEXT_LIMIT = 50;

    struct Level
    {
        QString name;
        QString id;
    };

    static QString cut(const QString &n_name);
    // Refills the list sorted by plain comparison of the names (case-sensitive, not
    // locale-aware), the id ordering equal names. With n_mayRepeat an id listed twice is kept
    // once (a set of listed ids, not a search of the list per entry).
    static void fill(QComboBox *n_list, std::vector<Level> &n_levels, bool n_mayRepeat);
    // Inserts one entry where the sorted order puts it.
    static void insertSorted(QComboBox *n_list, const Level &n_level);
};

#endif // CLASSLEVELLIST_H
