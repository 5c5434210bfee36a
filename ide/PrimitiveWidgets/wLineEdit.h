#ifndef WLINEEDIT_H
#define WLINEEDIT_H

#include <QLineEdit>

// A line edit that reports gaining and losing the keyboard focus, so that a page with several
// fields knows which one was focused last.
class wLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit wLineEdit(QWidget *n_parent = nullptr);

    bool isFocused() const;

signals:
    void gotFocus();
    void lostFocus();

protected:
    void focusInEvent(QFocusEvent *n_event) override;
    void focusOutEvent(QFocusEvent *n_event) override;

private:
    bool m_focused;
};

#endif // WLINEEDIT_H
