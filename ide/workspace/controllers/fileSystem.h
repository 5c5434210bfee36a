#ifndef FILESYSTEM_H
#define FILESYSTEM_H

#include <QString>

class QWidget;

// Asks for the name of a file to save to, and makes sure the name carries the extension of the
// chosen filter, so that a model saved as "model" is written to "model.xml".
class fileSystem
{
public:
    static fileSystem &Instance();

    // The chosen path, or a null string when the user cancelled. n_filter has the toolkit's
    // name-filter form ("XML file (*.xml);;All (*)"); only its first part is offered.
    QString showSaveFileDialog(QWidget *n_parent, const QString &n_caption, const QString &n_dir,
                               const QString &n_filter);

    // The extension that a filter part names with a star-dot pattern ("xml" for
    // "XML file (*.xml)" or "*.xml"); empty when it names none.
    static QString filterExtension(const QString &n_filterPart);
    // n_name with "." and the filter's extension appended when it has no suffix of its own.
    static QString withFilterSuffix(const QString &n_name, const QString &n_selectedFilter);

private:
    fileSystem() = default;
};

#endif // FILESYSTEM_H
