#include "WidgetAreas/ElementNamePage.h"

#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"

#include <QLineEdit>
#include <QTextCursor>
#include <QTextEdit>

namespace {
const int TITLE_LENGTH = 15;
} // namespace

QString ElementNamePage::pageTitle(const QString &n_name)
{
    return n_name.size() > TITLE_LENGTH ? n_name.left(TITLE_LENGTH) + QStringLiteral("...")
                                        : n_name;
}

QString ElementNamePage::errorText(int n_key)
{
    return ErrorDictionary::Instance().getErrorById(n_key);
}

void ElementNamePage::showErrorBox(QWidget *n_page, const QString &n_text)
{
    const ErrorDictionary &errors = ErrorDictionary::Instance();
    MessageBoxes::critical(n_page, errors.getErrorById(errors.getOstraIDEBeginKey() + 1), n_text);
}

bool ElementNamePage::limitDescription(QTextEdit *n_edit, int n_limit)
{
    const QString text = n_edit->toPlainText();
    if (text.size() <= n_limit)
        return false;
    n_edit->setPlainText(text.left(n_limit));
    n_edit->moveCursor(QTextCursor::End);
    return true;
}

int ElementNamePage::loadedLimit(int n_limit, const QString &n_text)
{
    return qMax(n_limit, n_text.size());
}

void ElementNamePage::loadLimited(QLineEdit *n_edit, const QString &n_text, int n_limit)
{
    n_edit->setMaxLength(loadedLimit(n_limit, n_text));
    n_edit->setText(n_text);
}
