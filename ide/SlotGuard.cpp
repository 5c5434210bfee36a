#include "SlotGuard.h"

#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "errors/ExceptionOstra.h"

#include <QMessageBox>

#include <exception>

namespace {
const int KEY_ERROR_TITLE = 1;    // "Error"
const int KEY_UNCAUGHT_ERROR = 2; // "Uncaught error."

QString ideText(int n_offset)
{
    ErrorDictionary &dictionary = ErrorDictionary::Instance();
    return dictionary.getErrorById(dictionary.getOstraIDEBeginKey() + n_offset);
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
        QMessageBox box(QMessageBox::Critical, ideText(KEY_ERROR_TITLE), n_text, QMessageBox::Ok,
                        n_parent);
        box.setTextFormat(Qt::PlainText);
        MessageBoxes::execBox(box);
    } catch (...) {
    }
}
