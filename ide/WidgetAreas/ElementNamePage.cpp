#include "WidgetAreas/ElementNamePage.h"

#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"

#include <QLineEdit>
#include <QPoint>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <climits>

namespace {
const int TITLE_LENGTH = 15;
// Where the last change of a description took place, as (start, end) of the changed text, kept
// on the document; the whole text when that is not known.
const char *const CHANGE_PROPERTY = "descriptionChange";
const QPoint WHOLE_TEXT(0, INT_MAX);

// The span of the document's last change, forgotten once taken. The first call starts the
// watching: no change is known before it.
QPoint takeChange(QTextDocument *n_document)
{
    const QVariant last = n_document->property(CHANGE_PROPERTY);
    if (!last.isValid())
        QObject::connect(n_document, &QTextDocument::contentsChange, n_document,
                         [n_document](int n_position, int, int n_added) {
                             n_document->setProperty(CHANGE_PROPERTY,
                                                     QPoint(n_position, n_position + n_added));
                         });
    n_document->setProperty(CHANGE_PROPERTY, WHOLE_TEXT);
    return last.isValid() ? last.toPoint() : WHOLE_TEXT;
}
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
    QTextDocument *document = n_edit->document();
    const QPoint change = takeChange(document);
    // Positions of the document; the count leaves out its closing paragraph mark.
    const int length = document->characterCount() - 1;
    const int excess = length - n_limit;
    if (excess <= 0)
        return false;
    // The reported span may take in whole paragraphs around a pasted run; typing and pasting
    // leave the cursor right after what they inserted.
    const int start = qBound(0, change.x(), length);
    const int spanEnd = qBound(start, change.y(), length);
    const int cursor = n_edit->textCursor().position();
    const int end = cursor > start && cursor <= spanEnd ? cursor : spanEnd;
    if (end == start)
        return false;
    QTextCursor cut(document);
    cut.setPosition(end - qMin(excess, end - start));
    cut.setPosition(end, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    n_edit->setTextCursor(cut);
    // Undo would step back to the text before the cut, longer than the limit, where typed
    // letters are merged with what was cut: the history starts anew here.
    document->clearUndoRedoStacks();
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
