#ifndef BASEWIDGET_H
#define BASEWIDGET_H

// Marker base of the editor and class-test pages. Each page declares changeDataWidget() as its
// signal, emitted when the user changes the loaded data; a wrapper relays it to the workspace.
class BaseWidget
{
public:
    virtual ~BaseWidget() = default;
    virtual void changeDataWidget() = 0;
};

#endif // BASEWIDGET_H
