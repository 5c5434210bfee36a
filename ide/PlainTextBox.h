#ifndef PLAINTEXTBOX_H
#define PLAINTEXTBOX_H

#include <QMessageBox>
#include <QString>

class QWidget;

// A one-button (Ok) message box run through MessageBoxes whose text is shown as plain text: the
// editors' boxes often echo what the user typed, and markup in it must not change what is shown.
class PlainTextBox
{
public:
    static void show(QMessageBox::Icon n_icon, const QString &n_title, const QString &n_text,
                     QWidget *n_parent = nullptr);
};

#endif // PLAINTEXTBOX_H
