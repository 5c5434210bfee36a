#ifndef MESSAGEBOXES_H
#define MESSAGEBOXES_H

#include <QMessageBox>
#include <QString>

#include <functional>

class QDialog;
class QWidget;

// The one way the environment runs a modal message box or dialog. Normally the box or dialog is
// shown and waits for the user; a handler set here answers in the user's place instead, so that
// tests can drive code that asks questions. GUI thread only.
class MessageBoxes
{
public:
    // Gets the fully built box (title, text, icon, buttons) and returns the answer: a
    // QMessageBox::StandardButton, or the result code for a box with custom buttons.
    using BoxHandler = std::function<int(QMessageBox &)>;
    // Gets the dialog (which it may fill in) and returns its result, usually QDialog::Accepted or
    // QDialog::Rejected.
    using DialogHandler = std::function<int(QDialog &)>;

    // An empty handler restores the real, interactive behaviour.
    static void setBoxHandler(BoxHandler n_handler);
    static void setDialogHandler(DialogHandler n_handler);

    // Runs the box modally, or asks the handler. When the handler's answer is one of the box's
    // standard buttons, that button is clicked, so clickedButton() tells the same as for a user.
    static int execBox(QMessageBox &n_box);
    // Runs the dialog modally, or asks the handler; the dialog's result is set to the answer.
    static int execDialog(QDialog &n_dialog);

    // Counterparts of the toolkit's static message boxes, going through execBox.
    static QMessageBox::StandardButton critical(
        QWidget *n_parent, const QString &n_title, const QString &n_text,
        QMessageBox::StandardButtons n_buttons = QMessageBox::Ok,
        QMessageBox::StandardButton n_default = QMessageBox::NoButton);
    static QMessageBox::StandardButton warning(
        QWidget *n_parent, const QString &n_title, const QString &n_text,
        QMessageBox::StandardButtons n_buttons = QMessageBox::Ok,
        QMessageBox::StandardButton n_default = QMessageBox::NoButton);
    static QMessageBox::StandardButton information(
        QWidget *n_parent, const QString &n_title, const QString &n_text,
        QMessageBox::StandardButtons n_buttons = QMessageBox::Ok,
        QMessageBox::StandardButton n_default = QMessageBox::NoButton);
    static QMessageBox::StandardButton question(
        QWidget *n_parent, const QString &n_title, const QString &n_text,
        QMessageBox::StandardButtons n_buttons = QMessageBox::Yes | QMessageBox::No,
        QMessageBox::StandardButton n_default = QMessageBox::NoButton);

private:
    static QMessageBox::StandardButton show(QMessageBox::Icon n_icon, QWidget *n_parent,
                                            const QString &n_title, const QString &n_text,
                                            QMessageBox::StandardButtons n_buttons,
                                            QMessageBox::StandardButton n_default);
    static BoxHandler &boxHandler();
    static DialogHandler &dialogHandler();
};

#endif // MESSAGEBOXES_H
