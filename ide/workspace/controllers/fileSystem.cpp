#include "fileSystem.h"

#include "MessageBoxes.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegExp>
#include <QStringList>

fileSystem &fileSystem::Instance()
{
    static fileSystem instance;
    return instance;
}

QString fileSystem::filterExtension(const QString &n_filterPart)
{
    // A bare "*.ext" at the start of a part with no description after it, or "(*.ext" anywhere.
    QRegExp pattern(QStringLiteral("(?:^\\*\\.(?!.*\\()|\\(\\*\\.)(\\w+)"));
    if (pattern.indexIn(n_filterPart) < 0)
        return QString();
    return pattern.cap(1);
}

QString fileSystem::withFilterSuffix(const QString &n_name, const QString &n_selectedFilter)
{
    if (!QFileInfo(n_name).suffix().isEmpty() || n_selectedFilter.isEmpty())
        return n_name;
    const QString extension = filterExtension(n_selectedFilter);
    if (extension.isEmpty())
        return n_name;
    return n_name + QLatin1Char('.') + extension;
}

QString fileSystem::showSaveFileDialog(QWidget *n_parent, const QString &n_caption,
                                       const QString &n_dir, const QString &n_filter)
{
    QFileDialog dialog(n_parent, n_caption, n_dir, n_filter);
    if (n_parent != nullptr)
        dialog.setWindowModality(Qt::WindowModal);
    const QString first = n_filter.split(QStringLiteral(";;"), Qt::KeepEmptyParts).value(0);
    dialog.setNameFilter(first);
    const QString extension = filterExtension(first);
    if (!extension.isEmpty())
        dialog.setDefaultSuffix(extension);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (MessageBoxes::execDialog(dialog) != QDialog::Accepted)
        return QString();
    const QString chosen = dialog.selectedFiles().value(0);
    if (chosen.isEmpty())
        return QString();
    return withFilterSuffix(chosen, dialog.selectedNameFilter());
}
