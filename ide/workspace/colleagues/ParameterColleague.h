#ifndef PARAMETERCOLLEAGUE_H
#define PARAMETERCOLLEAGUE_H

#include "workspace/colleagues/PageColleague.h"

#include <QString>

// Colleague of the parameter editor pages (error mediator).
class ParameterColleague : public PageColleague
{
public:
    explicit ParameterColleague(BaseMediator *n_mediator);

    // A constraint was made from the parameter editor: the relations tree catches up.
    void createConstraint();
    // Opening a rule from the parameter editor has no effect.
    void openRule(const QString &n_id);
};

#endif // PARAMETERCOLLEAGUE_H
