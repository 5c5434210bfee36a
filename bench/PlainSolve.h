#ifndef PLAINSOLVE_H
#define PLAINSOLVE_H

// The baseline of a class test: the runtime solver's calculate() alone on the class, set up as the
// test page sets it up (the known values given, the solver's own defaults not used), with nothing
// shown.

#include "model/OstraClass.h"
#include "solver/BaseAlgorithmData.h"

inline void solveAlone(const QSharedPointer<OstraClass> &n_class,
                       const QHash<QString, QVariant> &n_known, const QList<QString> &n_required)
{
    n_class->reset();
    n_class->setSearchAlgorithm(BaseAlgorithm::RUNTIME_ALGORITHM,
                                QSharedPointer<BaseAlgorithmData>::create(true, true));
    const auto solver = n_class->getSearchAlgorithm();
    solver->setUseDefaultValues(false);
    solver->addKnownParameters(n_known);
    solver->addRequiredParameters(n_required);
    solver->calculate();
}

#endif // PLAINSOLVE_H
