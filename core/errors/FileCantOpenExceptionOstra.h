#ifndef FILECANTOPENEXCEPTIONOSTRA_H
#define FILECANTOPENEXCEPTIONOSTRA_H

#include <QIODevice>

#include "errors/ExceptionOstraImpl.h"
#include "errors/FileIOExceptionOstra.h"

// A file that could not be opened in the mode asked for.
class FileCantOpenExceptionOstra
    : public ExceptionOstraImpl<FileCantOpenExceptionOstra, FileIOExceptionOstra>
{
public:
    FileCantOpenExceptionOstra(const QString &n_fileName,
                               QFlags<QIODevice::OpenModeFlag> n_openMode,
                               const QString &n_className, const QString &n_methodName,
                               QSharedPointer<ExceptionOstra> n_parentException);
    FileCantOpenExceptionOstra(const FileCantOpenExceptionOstra &n_other);
    ~FileCantOpenExceptionOstra() override;

    QIODevice::OpenMode getFileOpenMode() const;

    // Names the whole flag set; combinations have no name of their own.
    static QString convertOpenModeFlagToQString(QFlags<QIODevice::OpenModeFlag> n_openMode);

    QString toString(bool n_withEndLine) const override;

private:
    QIODevice::OpenMode m_openMode;
};

#endif // FILECANTOPENEXCEPTIONOSTRA_H
