#include "MessageBoxes.h"

#include <QAbstractButton>
#include <QDialog>

#include <utility>

void MessageBoxes::setBoxHandler(BoxHandler n_handler)
{
    boxHandler() = std::move(n_handler);
}

void MessageBoxes::setDialogHandler(DialogHandler n_handler)
{
    dialogHandler() = std::move(n_handler);
}

int MessageBoxes::execBox(QMessageBox &n_box)
{
    const BoxHandler &handler = boxHandler();
    if (!handler)
        return n_box.exec();
    const int answer = handler(n_box);
    QAbstractButton *button = n_box.button(QMessageBox::StandardButton(answer));
    if (button != nullptr && n_box.clickedButton() == nullptr)
        button->click();
    return answer;
}

int MessageBoxes::execDialog(QDialog &n_dialog)
{
    const DialogHandler &handler = dialogHandler();
    if (!handler)
        return n_dialog.exec();
    const int answer = handler(n_dialog);
    n_dialog.setResult(answer);
    return answer;
}

QMessageBox::StandardButton MessageBoxes::critical(QWidget *n_parent, const QString &n_title,
                                                   const QString &n_text,
                                                   QMessageBox::StandardButtons n_buttons,
                                                   QMessageBox::StandardButton n_default)
{
    return show(QMessageBox::Critical, n_parent, n_title, n_text, n_buttons, n_default);
}

QMessageBox::StandardButton MessageBoxes::warning(QWidget *n_parent, const QString &n_title,
                                                  const QString &n_text,
                                                  QMessageBox::StandardButtons n_buttons,
                                                  QMessageBox::StandardButton n_default)
{
    return show(QMessageBox::Warning, n_parent, n_title, n_text, n_buttons, n_default);
}

QMessageBox::StandardButton MessageBoxes::information(QWidget *n_parent, const QString &n_title,
                                                      const QString &n_text,
                                                      QMessageBox::StandardButtons n_buttons,
                                                      QMessageBox::StandardButton n_default)
{
    return show(QMessageBox::Information, n_parent, n_title, n_text, n_buttons, n_default);
}

QMessageBox::StandardButton MessageBoxes::question(QWidget *n_parent, const QString &n_title,
                                                   const QString &n_text,
                                                   QMessageBox::StandardButtons n_buttons,
                                                   QMessageBox::StandardButton n_default)
{
    return show(QMessageBox::Question, n_parent, n_title, n_text, n_buttons, n_default);
}

QMessageBox::StandardButton MessageBoxes::show(QMessageBox::Icon n_icon, QWidget *n_parent,
                                               const QString &n_title, const QString &n_text,
                                               QMessageBox::StandardButtons n_buttons,
                                               QMessageBox::StandardButton n_default)
{
    // Built as the toolkit's own static boxes build theirs.
    QMessageBox box(n_icon, n_title, n_text, n_buttons, n_parent);
    if (n_default != QMessageBox::NoButton)
        box.setDefaultButton(n_default);
    if (execBox(box) == -1)
        return QMessageBox::Cancel;
    return box.standardButton(box.clickedButton());
}

MessageBoxes::BoxHandler &MessageBoxes::boxHandler()
{
    static BoxHandler handler;
    return handler;
}

MessageBoxes::DialogHandler &MessageBoxes::dialogHandler()
{
    static DialogHandler handler;
    return handler;
}
