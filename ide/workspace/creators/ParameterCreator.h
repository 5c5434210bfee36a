#ifndef PARAMETERCREATOR_H
#define PARAMETERCREATOR_H

#include "workspace/creators/BaseWorkSpaceCreator.h"

// Makes a parameter editor page.
class ParameterCreator : public BaseWorkSpaceCreator
{
public:
    WidgetWrapper *create() const override;
};

#endif // PARAMETERCREATOR_H
