#ifndef CLASSCREATOR_H
#define CLASSCREATOR_H

#include "workspace/creators/BaseWorkSpaceCreator.h"

// Makes a class editor page.
class ClassCreator : public BaseWorkSpaceCreator
{
public:
    WidgetWrapper *create() const override;
};

#endif // CLASSCREATOR_H
