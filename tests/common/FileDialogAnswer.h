#ifndef FILEDIALOGANSWER_H
#define FILEDIALOGANSWER_H

#include "MessageBoxes.h"

#include <QFileDialog>
#include <QStringList>

// Answers every file dialog while it lives: with the next name of the queue (accepted), or, when
// the queue is empty, by cancelling. Records each dialog's caption and name filters.
class FileDialogAnswer
{
public:
    explicit FileDialogAnswer(QStringList n_names = {}) : m_names(std::move(n_names))
    {
        MessageBoxes::setDialogHandler([this](QDialog &n_dialog) {
            QFileDialog *dialog = qobject_cast<QFileDialog *>(&n_dialog);
            if (dialog == nullptr)
                return int(QDialog::Rejected);
            m_captions << dialog->windowTitle();
            m_filters << dialog->nameFilters().join(QStringLiteral(";;"));
            m_saving << (dialog->acceptMode() == QFileDialog::AcceptSave);
            if (m_names.isEmpty())
                return int(QDialog::Rejected);
            dialog->selectFile(m_names.takeFirst());
            return int(QDialog::Accepted);
        });
    }
    ~FileDialogAnswer() { MessageBoxes::setDialogHandler({}); }
    FileDialogAnswer(const FileDialogAnswer &) = delete;
    FileDialogAnswer &operator=(const FileDialogAnswer &) = delete;

    void answer(const QString &n_name) { m_names << n_name; }
    int asked() const { return m_captions.size(); }
    const QStringList &captions() const { return m_captions; }
    const QStringList &filters() const { return m_filters; }
    const QList<bool> &saving() const { return m_saving; }

private:
    QStringList m_names;
    QStringList m_captions;
    QStringList m_filters;
    QList<bool> m_saving;
};

#endif // FILEDIALOGANSWER_H
