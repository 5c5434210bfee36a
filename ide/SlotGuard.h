#ifndef SLOTGUARD_H
#define SLOTGUARD_H

#include <QString>

#include <functional>

class QWidget;

// Runs the body of a slot or an event handler so that no exception leaves it: Qt cannot carry an
// exception through its event loop, so one escaping a slot would end the program and lose the
// user's work. What is caught is shown in a critical box (title: error text 10001) through
// MessageBoxes, as plain text so that markup in a message cannot hide it, and short enough that
// its OK button stays on the screen.
class SlotGuard
{
public:
    // Returns true when the body ran to its end, false when it threw (the box was shown).
    static bool run(const std::function<void()> &n_body, QWidget *n_parent = nullptr);

    // The text shown for what the body threw; called inside a catch block.
    static QString currentExceptionText();

    // Shows n_text in the guard's critical box. A text taller than the screen is shortened to
    // fit it (fitToHeight); the whole text then goes to the debug output.
    static void report(const QString &n_text, QWidget *n_parent = nullptr);

    // n_text as it fits n_height pixels at n_lineHeight pixels a line: unchanged when all its
    // lines fit, else the lines that fit followed by a line "…".
    static QString fitToHeight(const QString &n_text, int n_lineHeight, int n_height);
};

#endif // SLOTGUARD_H
