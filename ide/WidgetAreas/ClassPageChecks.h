#ifndef CLASSPAGECHECKS_H
#define CLASSPAGECHECKS_H

#include <QString>

class OstraClass;

// The checks the class page makes before it writes a class, free of any widget.
class ClassPageChecks
{
public:
    // A name that is empty once blanks are cut.
    static bool emptyName(const QString &n_name);
    // Whether another own class of n_parent (any id but n_except) has exactly that short name.
    static bool nameTaken(const OstraClass &n_parent, const QString &n_name,
                          const QString &n_except);
};

#endif // CLASSPAGECHECKS_H
