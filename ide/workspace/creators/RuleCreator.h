#ifndef RULECREATOR_H
#define RULECREATOR_H

#include "workspace/creators/BaseWorkSpaceCreator.h"

// Makes a rule or constraint editor page.
class RuleCreator : public BaseWorkSpaceCreator
{
public:
    WidgetWrapper *create() const override;
};

#endif // RULECREATOR_H
