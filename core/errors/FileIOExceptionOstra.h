#ifndef FILEIOEXCEPTIONOSTRA_H
#define FILEIOEXCEPTIONOSTRA_H

#include "errors/ExceptionOstraImpl.h"

// A problem with a file. Every file exception shares the description "Problem with file"; the
// reason line tells them apart.
class FileIOExceptionOstra : public ExceptionOstraImpl<FileIOExceptionOstra, ExceptionOstra>
{
public:
    FileIOExceptionOstra(const QString &n_fileName, const QString &n_errorReason,
                         const QString &n_className, const QString &n_methodName,
                         QSharedPointer<ExceptionOstra> n_parentException);
    // For the subclasses, which bring their own id and reason.
    FileIOExceptionOstra(int n_exceptionId, const QString &n_fileName, const QString &n_errorReason,
                         const QString &n_className, const QString &n_methodName,
                         QSharedPointer<ExceptionOstra> n_parentException);
    FileIOExceptionOstra(const FileIOExceptionOstra &n_other);
    ~FileIOExceptionOstra() override;

    QString getFileName() const;

    QString toString(bool n_withEndLine) const override;

private:
    QString m_fileName;
    QString m_errorReason;
};

#endif // FILEIOEXCEPTIONOSTRA_H
