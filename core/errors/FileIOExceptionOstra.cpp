#include "errors/FileIOExceptionOstra.h"

FileIOExceptionOstra::FileIOExceptionOstra(const QString &n_fileName, const QString &n_errorReason,
                                           const QString &n_className, const QString &n_methodName,
                                           QSharedPointer<ExceptionOstra> n_parentException)
    : FileIOExceptionOstra(532, n_fileName, n_errorReason, n_className, n_methodName,
                           n_parentException)
{
}

FileIOExceptionOstra::FileIOExceptionOstra(int n_exceptionId, const QString &n_fileName,
                                           const QString &n_errorReason, const QString &n_className,
                                           const QString &n_methodName,
                                           QSharedPointer<ExceptionOstra> n_parentException)
    : ExceptionOstraImpl(n_exceptionId, EXCEPTION_DESCRIPTIONS[532 - 501], n_className,
                         n_methodName, n_parentException),
      m_fileName(n_fileName), m_errorReason(n_errorReason)
{
}

FileIOExceptionOstra::FileIOExceptionOstra(const FileIOExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other), m_fileName(n_other.m_fileName),
      m_errorReason(n_other.m_errorReason)
{
}

FileIOExceptionOstra::~FileIOExceptionOstra() = default;

QString FileIOExceptionOstra::getFileName() const
{
    return m_fileName;
}

QString FileIOExceptionOstra::toString(bool n_withEndLine) const
{
    QString text = ExceptionOstra::toString(false);
    text += QStringLiteral("File name: ") + m_fileName + QLatin1Char('\n');
    text += QStringLiteral("Error Reason: ") + m_errorReason + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
