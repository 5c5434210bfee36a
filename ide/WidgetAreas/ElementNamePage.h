#ifndef ELEMENTNAMEPAGE_H
#define ELEMENTNAMEPAGE_H

#include <QSharedPointer>
#include <QString>
#include <QWidget>

#include "WidgetAreas/MessageItem.h"

class BaseOstraObj;
class OstraClass;
class QLabel;
class QLineEdit;
class QTextEdit;

// The common least editor page: one short-name field over a stored element of the current class.
// It loads the element, titles the page after it, reports edits and writes the name back. The
// element kinds differ only in how an element and its parent are found and how errors travel.
class ElementNamePage : public QWidget
{
    Q_OBJECT

public:
    explicit ElementNamePage(QWidget *parent = nullptr);

    void setData(OstraClass *n_class);
    // Loads the element of that id (when stored) and titles the page after its name.
    void setEditData(OstraClass *n_class, QString n_id);
    void setParent(const QString &n_id);
    QString getParent() const;
    QString getUid() const;
    void errorMessageOnOff(bool n_on);
    // Writes the name of a stored element; an empty name or an unstored element is refused with
    // one message through the colleague.
    bool save();
    void retranslateUI();

    // A page title: the name, cut to 15 characters followed by "..." when longer.
    static QString pageTitle(const QString &n_name);
    // A critical box titled "Error" over the page.
    static void showErrorBox(QWidget *n_page, const QString &n_text);
    // A page's message of that error-dictionary key: to the error pane through the colleague
    // (for the element n_uid), or without one, when n_boxWithoutColleague, in a critical box.
    template<typename Colleague>
    static void report(QWidget *n_page, Colleague *n_colleague, const QString &n_uid, int n_key,
                       bool n_boxWithoutColleague);
    // Cuts the description field's text to n_limit characters, the cursor at its end; true when
    // it had to cut.
    static bool limitDescription(QTextEdit *n_edit, int n_limit);
    // The limit of a field loaded with n_text: the larger of n_limit and the text's length. A page
    // never changes a text the user did not edit, so the limit bounds typing only.
    static int loadedLimit(int n_limit, const QString &n_text);
    // Loads n_text into a line field limited to n_limit, or to the text's length when longer.
    static void loadLimited(QLineEdit *n_edit, const QString &n_text, int n_limit);

signals:
    void nameEdited();

protected:
    virtual QSharedPointer<BaseOstraObj> findElement(const QString &n_id) const = 0;
    virtual QString parentOf(const QString &n_id) const = 0;
    // The error-dictionary key of the "name is empty" text of this kind.
    virtual int emptyNameKey() const = 0;
    virtual void clearErrors() = 0;
    virtual void reportError(MessageItem *n_message) = 0;
    OstraClass *currentClass() const;

private:
    static QString errorText(int n_key);
    void refuse(const QString &n_text);

    OstraClass *m_class = nullptr;
    QString m_uid;
    QString m_parentUid;
    bool m_showErrors = true;
    QLabel *m_nameLabel = nullptr;
    QLineEdit *m_name = nullptr;
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
