#ifndef TESTCLASSCREATOR_H
#define TESTCLASSCREATOR_H

#include "workspace/creators/BaseWorkSpaceCreator.h"

// Makes a class-test page.
class TestClassCreator : public BaseWorkSpaceCreator
{
public:
    WidgetWrapper *create() const override;
};

#endif // TESTCLASSCREATOR_H
