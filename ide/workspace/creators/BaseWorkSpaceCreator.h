#ifndef BASEWORKSPACECREATOR_H
#define BASEWORKSPACECREATOR_H

class WidgetWrapper;

// Makes one kind of editor page in a new workspace-tab wrapper; the caller owns the result.
class BaseWorkSpaceCreator
{
public:
    virtual ~BaseWorkSpaceCreator() = default;
    virtual WidgetWrapper *create() const = 0;
};

#endif // BASEWORKSPACECREATOR_H
