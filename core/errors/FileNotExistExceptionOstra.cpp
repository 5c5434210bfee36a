#include "errors/FileNotExistExceptionOstra.h"

FileNotExistExceptionOstra::FileNotExistExceptionOstra(
    const QString &n_fileName, const QString &n_className, const QString &n_methodName,
    QSharedPointer<ExceptionOstra> n_parentException)
    // The description stays that of every file problem; the own row becomes the reason.
    : ExceptionOstraImpl(533, n_fileName, EXCEPTION_DESCRIPTIONS[533 - 501], n_className,
                         n_methodName, n_parentException)
{
}

FileNotExistExceptionOstra::FileNotExistExceptionOstra(const FileNotExistExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other)
{
}

FileNotExistExceptionOstra::~FileNotExistExceptionOstra() = default;
