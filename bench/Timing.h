#ifndef TIMING_H
#define TIMING_H

// Timing one step of an interface benchmark, and settling between steps.

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>
#include <malloc.h>

inline double millis(const std::function<void()> &n_run)
{
    QElapsedTimer timer;
    timer.start();
    n_run();
    return timer.nsecsElapsed() / 1e6;
}

// No event loop runs in a benchmark: what the last step posted (layout requests, deferred deletes)
// is delivered before the next, as the program's loop would, so that no step inherits a long
// queue; and the allocator gives back what it can, so that both sides of a pair start on a settled
// heap.
inline void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    malloc_trim(0);
}

#endif // TIMING_H
