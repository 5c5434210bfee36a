#include "PrimitiveWidgets/wLineEdit.h"

#include "SlotGuard.h"

wLineEdit::wLineEdit(QWidget *n_parent) : QLineEdit(n_parent), m_focused(false)
{
}

bool wLineEdit::isFocused() const
{
    return m_focused;
}

void wLineEdit::focusInEvent(QFocusEvent *n_event)
{
    SlotGuard::run(
        [&] {
            m_focused = true;
            emit gotFocus();
            QLineEdit::focusInEvent(n_event);
        },
        this);
}

void wLineEdit::focusOutEvent(QFocusEvent *n_event)
{
    SlotGuard::run(
        [&] {
            m_focused = false;
            emit lostFocus();
            QLineEdit::focusOutEvent(n_event);
        },
        this);
}
