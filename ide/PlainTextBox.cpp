#include "PlainTextBox.h"

#include "MessageBoxes.h"

void PlainTextBox::show(QMessageBox::Icon n_icon, const QString &n_title, const QString &n_text,
                        QWidget *n_parent)
{
    QMessageBox box(n_icon, n_title, n_text, QMessageBox::Ok, n_parent);
    box.setTextFormat(Qt::PlainText);
    MessageBoxes::execBox(box);
}
