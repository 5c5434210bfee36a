#ifndef MODELGENERATOR_H
#define MODELGENERATOR_H

// Makes a realistic model of a chosen size, the same for the same options and seed: a class tree,
// typed parameters with and without defaults, relations of every kind with ECMAScript bodies,
// rules and constraints bound to them (rules across class levels), and a known/required set from
// which the root class can be solved. The same model is given in the current and in the older
// file format. The XML is written directly, so nothing of the model core is needed and the
// generator can feed tests and benchmarks of every layer of it.

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

class ModelGenerator
{
public:
    // A size left at -1 is derived: from `elements` when that is given, else from the defaults
    // (depth 3, 200 relations of each kind, 0.6 rules per parameter, a constraint per 7
    // parameters).
    struct Options
    {
        quint64 seed = 1;
        int elements = -1; // approximate number of elements in all; sets every size left unset
        int classes = -1;  // made breadth first; unlimited depth unless `depth` is given
        int depth = -1;    // depth of the class tree
        int fanout = 3;    // child classes per class (at least 1)
        int paramsPerClass = 10; // mean parameters per class (at least 2)
        int relationsPerKind = -1;
        int rules = -1; // rules over double parameters
        int constraints = -1;
    };

    // What solves the root class: known parameter values and the parameters required.
    struct SolveSet
    {
        QString classId;                // the root class, as the current format names it
        QHash<QString, QVariant> known; // parameter id -> value (a double)
        QStringList required;
    };

    explicit ModelGenerator(const Options &n_options);
    ~ModelGenerator();
    ModelGenerator(const ModelGenerator &) = delete;
    ModelGenerator &operator=(const ModelGenerator &) = delete;

    QString currentFormat() const;
    QString olderFormat() const;
    SolveSet solveSet() const;
    // The solve set as lines "class ID", "known ID VALUE", "required ID"; the older format names
    // its root class "0".
    QString solveText(bool n_olderFormat) const;
    // `name: value` lines of element counts.
    QString summary() const;

private:
    class Generator;
    std::unique_ptr<Generator> m_generator;
};

#endif // MODELGENERATOR_H
