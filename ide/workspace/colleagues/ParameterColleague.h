#ifndef PARAMETERCOLLEAGUE_H
#define PARAMETERCOLLEAGUE_H

#include "workspace/colleagues/BaseColleague.h"

#include <QString>

class MessageItem;

// Colleague of the parameter editor pages (error mediator).
class ParameterColleague : public BaseColleague
{
public:
    explicit ParameterColleague(BaseMediator *n_mediator);

    void sendError(MessageItem *n_message);
    void clearError();
    // A constraint was made from the parameter editor: the relations tree catches up.
    void createConstraint();
    // Opening a rule from the parameter editor has no effect.
    void openRule(const QString &n_id);
};

#endif // PARAMETERCOLLEAGUE_H
