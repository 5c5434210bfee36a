#ifndef CLASSTESTSTOP_H
#define CLASSTESTSTOP_H

#include <QObject>

// Lives for the length of one class-test run: shows the busy cursor, and turns Escape and the
// close request of a main window or a dialog, which the script guard lets through at its checks,
// into the core's stop request, so that a run of slow relations can be ended. Such a close
// request is refused while the run lasts: closing the window in the middle of it would pull the
// model from under it.
class ClassTestStop : public QObject
{
public:
    ClassTestStop();
    ~ClassTestStop() override;

protected:
    bool eventFilter(QObject *n_watched, QEvent *n_event) override;
};

#endif // CLASSTESTSTOP_H
