#include "PrimitiveWidgets/PasteLimit.h"

#include "Errors/ErrorDictionary.h"
#include "PlainTextBox.h"
#include "SlotGuard.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

#include <memory>

void PasteLimit::install()
{
    static QPointer<PasteLimit> installed;
    if (installed || !qApp)
        return;
    installed = new PasteLimit;
    installed->setParent(qApp);
    qApp->installEventFilter(installed);
}

bool PasteLimit::fits(const QLineEdit &n_edit, const QString &n_pasted)
{
    const int kept = n_edit.text().size() - n_edit.selectedText().size();
    return kept + n_pasted.size() <= n_edit.maxLength();
}

bool PasteLimit::refuse(QLineEdit *n_edit, bool n_selection)
{
    const QString pasted = QApplication::clipboard()->text(n_selection ? QClipboard::Selection
                                                                       : QClipboard::Clipboard);
    if (fits(*n_edit, pasted))
        return false;
    const ErrorDictionary &dictionary = ErrorDictionary::Instance();
    const int base = dictionary.getOstraIDEBeginKey();
    PlainTextBox::show(QMessageBox::Warning, dictionary.getErrorById(base + 1),
                       dictionary.getErrorById(base + ErrorDictionary::ERROR_IDE_PASTE_TOO_LONG)
                           .arg(pasted.size())
                           .arg(n_edit->maxLength()),
                       n_edit->window());
    return true;
}

void PasteLimit::showContextMenu(QLineEdit *n_edit, const QPoint &n_globalPos)
{
    std::unique_ptr<QMenu> menu(n_edit->createStandardContextMenu());
    auto *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"));
    if (paste) {
        // The menu's Paste goes through the same check as the keys.
        disconnect(paste, nullptr, n_edit, nullptr);
        connect(paste, &QAction::triggered, n_edit, [n_edit] {
            SlotGuard::run(
                [n_edit] {
                    if (!refuse(n_edit, false))
                        n_edit->paste();
                },
                n_edit);
        });
    }
    menu->exec(n_globalPos);
}

bool PasteLimit::eventFilter(QObject *n_watched, QEvent *n_event)
{
    const QEvent::Type type = n_event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonRelease
        && type != QEvent::ContextMenu)
        return false;
    auto *edit = qobject_cast<QLineEdit *>(n_watched);
    if (!edit || edit->isReadOnly() || !edit->isEnabled())
        return false;
    bool handled = false;
    SlotGuard::run(
        [&] {
            if (type == QEvent::KeyPress) {
                if (static_cast<QKeyEvent *>(n_event)->matches(QKeySequence::Paste))
                    handled = refuse(edit, false);
            } else if (type == QEvent::MouseButtonRelease) {
                if (static_cast<QMouseEvent *>(n_event)->button() == Qt::MiddleButton
                    && QApplication::clipboard()->supportsSelection())
                    handled = refuse(edit, true);
            } else if (edit->contextMenuPolicy() == Qt::DefaultContextMenu) {
                showContextMenu(edit, static_cast<QContextMenuEvent *>(n_event)->globalPos());
                handled = true;
            }
        },
        edit);
    return handled;
}
