#ifndef FILENOTEXISTEXCEPTIONOSTRA_H
#define FILENOTEXISTEXCEPTIONOSTRA_H

#include "errors/ExceptionOstraImpl.h"
#include "errors/FileIOExceptionOstra.h"

// A model file that does not exist.
class FileNotExistExceptionOstra
    : public ExceptionOstraImpl<FileNotExistExceptionOstra, FileIOExceptionOstra>
{
public:
    FileNotExistExceptionOstra(const QString &n_fileName, const QString &n_className,
                               const QString &n_methodName,
                               QSharedPointer<ExceptionOstra> n_parentException);
    FileNotExistExceptionOstra(const FileNotExistExceptionOstra &n_other);
    ~FileNotExistExceptionOstra() override;
};

#endif // FILENOTEXISTEXCEPTIONOSTRA_H
