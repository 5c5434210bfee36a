#include "WidgetAreas/ClassPageChecks.h"

#include "model/OstraClass.h"

#include <algorithm>

bool ClassPageChecks::emptyName(const QString &n_name)
{
    return n_name.trimmed().isEmpty();
}

bool ClassPageChecks::nameTaken(const OstraClass &n_parent, const QString &n_name,
                                const QString &n_except)
{
    const auto siblings = n_parent.getOwnClassesSet();
    return std::any_of(siblings.cbegin(), siblings.cend(), [&](const auto &sibling) {
        return sibling->getShortName() == n_name && sibling->getId() != n_except;
    });
}
