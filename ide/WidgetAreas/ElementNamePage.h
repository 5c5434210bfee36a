#ifndef ELEMENTNAMEPAGE_H
#define ELEMENTNAMEPAGE_H

#include <QString>

#include "WidgetAreas/MessageItem.h"

class QLineEdit;
class QTextEdit;
class QWidget;

// What the element editor pages share: their titles, their error reports and the limits of their
// name and description fields.
class ElementNamePage
{
public:
    // A page title: the name, cut to 15 characters followed by "..." when longer.
    static QString pageTitle(const QString &n_name);
    // A critical box titled "Error" over the page.
    static void showErrorBox(QWidget *n_page, const QString &n_text);
    // A page's message of that error-dictionary key: to the error pane through the colleague
    // (for the element n_uid), or without one, when n_boxWithoutColleague, in a critical box.
    template<typename Colleague>
    static void report(QWidget *n_page, Colleague *n_colleague, const QString &n_uid, int n_key,
                       bool n_boxWithoutColleague);
    // Called on every change of the description field: when the text has grown beyond n_limit
    // characters, what does not fit is dropped from the end of what the change inserted, the
    // cursor after what was kept; text the change did not touch is never cut. True when it cut.
    static bool limitDescription(QTextEdit *n_edit, int n_limit);
    // The limit of a field loaded with n_text: the larger of n_limit and the text's length. A page
    // never changes a text the user did not edit, so the limit bounds typing only.
    static int loadedLimit(int n_limit, const QString &n_text);
    // Loads n_text into a line field limited to n_limit, or to the text's length when longer.
    static void loadLimited(QLineEdit *n_edit, const QString &n_text, int n_limit);

private:
    static QString errorText(int n_key);
};

template<typename Colleague>
void ElementNamePage::report(QWidget *n_page, Colleague *n_colleague, const QString &n_uid,
                             int n_key, bool n_boxWithoutColleague)
{
    const QString text = errorText(n_key);
    if (n_colleague) {
        MessageItem message(ERROR_MESSAGE, n_uid, text);
        n_colleague->sendError(&message);
    } else if (n_boxWithoutColleague) {
        showErrorBox(n_page, text);
    }
}

#endif // ELEMENTNAMEPAGE_H
