#include "SlotGuard.h"

#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "errors/ExceptionOstra.h"

#include <QDebug>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>
#include <QStyle>

#include <climits>
#include <exception>

namespace {
const int KEY_ERROR_TITLE = 1;    // "Error"
const int KEY_UNCAUGHT_ERROR = 2; // "Uncaught error."

QString ideText(int n_offset)
{
    ErrorDictionary &dictionary = ErrorDictionary::Instance();
    return dictionary.getErrorById(dictionary.getOstraIDEBeginKey() + n_offset);
}

int lineHeight(const QMessageBox &n_box)
{
    return qMax(n_box.fontMetrics().height(), n_box.fontMetrics().lineSpacing());
}

// The height the box's text may take: the screen's available height less the box around a
// one-line text and the window's title bar. No screen: no bound.
int textHeight(QMessageBox &n_box)
{
    const QScreen *screen = n_box.screen();
    if (!screen)
        return INT_MAX;
    n_box.setText(QStringLiteral(" "));
    const int frame = n_box.sizeHint().height() - lineHeight(n_box)
                      + n_box.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return screen->availableGeometry().height() - frame;
}
} // namespace

bool SlotGuard::run(const std::function<void()> &n_body, QWidget *n_parent)
{
    try {
        n_body();
        return true;
    } catch (...) {
        report(currentExceptionText(), n_parent);
    }
    return false;
}

QString SlotGuard::currentExceptionText()
{
    try {
        throw;
    } catch (const ExceptionOstra &e) {
        return e.toString(true);
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return ideText(KEY_UNCAUGHT_ERROR);
    }
}

void SlotGuard::report(const QString &n_text, QWidget *n_parent)
{
    // Reporting must not throw in turn: it runs inside handlers that promise not to.
    try {
        QMessageBox box(QMessageBox::Critical, ideText(KEY_ERROR_TITLE), QString(), QMessageBox::Ok,
                        n_parent);
        box.setTextFormat(Qt::PlainText);
        const QString shown = fitToHeight(n_text, lineHeight(box), textHeight(box));
        if (shown != n_text)
            qWarning().noquote() << n_text;
        box.setText(shown);
        MessageBoxes::execBox(box);
    } catch (...) {
    }
}

QString SlotGuard::fitToHeight(const QString &n_text, int n_lineHeight, int n_height)
{
    const QStringList lines = n_text.split(QLatin1Char('\n'));
    const int fitting = n_lineHeight > 0 ? n_height / n_lineHeight : lines.size();
    if (lines.size() <= fitting)
        return n_text;
    // The last line that fits says that the text goes on.
    QStringList shown = lines.mid(0, qMax(0, fitting - 1));
    shown << QString(QChar(0x2026));
    return shown.join(QLatin1Char('\n'));
}
