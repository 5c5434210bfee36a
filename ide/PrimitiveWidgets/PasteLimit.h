#ifndef PASTELIMIT_H
#define PASTELIMIT_H

#include <QObject>
#include <QString>

class QLineEdit;

// Refuses, with a message, a paste into a line edit that its length limit would cut: the toolkit
// would drop the rest of the text without a word. One filter on the application sees the paste
// keys, the middle-button paste and the context menu's Paste of every line edit.
class PasteLimit : public QObject
{
public:
    // Installs the filter once for the application's life.
    static void install();
    // Whether the field takes the text whole in place of its selection.
    static bool fits(const QLineEdit &n_edit, const QString &n_pasted);

protected:
    bool eventFilter(QObject *n_watched, QEvent *n_event) override;

private:
    PasteLimit() = default;
    // Pastes the clipboard's text as the field would, or refuses it; true when refused.
    static bool refuse(QLineEdit *n_edit, bool n_selection);
    static void showContextMenu(QLineEdit *n_edit, const QPoint &n_globalPos);
};

#endif // PASTELIMIT_H
