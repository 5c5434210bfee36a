#include "errors/FileCantOpenExceptionOstra.h"

FileCantOpenExceptionOstra::FileCantOpenExceptionOstra(
    const QString &n_fileName, QFlags<QIODevice::OpenModeFlag> n_openMode,
    const QString &n_className, const QString &n_methodName,
    QSharedPointer<ExceptionOstra> n_parentException)
    // The description stays that of every file problem; the own row becomes the reason.
    : ExceptionOstraImpl(531, n_fileName, EXCEPTION_DESCRIPTIONS[531 - 501], n_className,
                         n_methodName, n_parentException),
      m_openMode(n_openMode)
{
}

FileCantOpenExceptionOstra::FileCantOpenExceptionOstra(const FileCantOpenExceptionOstra &n_other)
    : ExceptionOstraImpl(n_other), m_openMode(n_other.m_openMode)
{
}

FileCantOpenExceptionOstra::~FileCantOpenExceptionOstra() = default;

QIODevice::OpenMode FileCantOpenExceptionOstra::getFileOpenMode() const
{
    return m_openMode;
}

QString FileCantOpenExceptionOstra::convertOpenModeFlagToQString(
    QFlags<QIODevice::OpenModeFlag> n_openMode)
{
    // Matched as a whole value, so a combination such as WriteOnly | Text is "Undefined".
    switch (static_cast<int>(n_openMode)) {
    case QIODevice::NotOpen:
        return QStringLiteral("Not Open");
    case QIODevice::ReadOnly:
        return QStringLiteral("Read Only");
    case QIODevice::WriteOnly:
        return QStringLiteral("Write Only");
    case QIODevice::ReadWrite:
        return QStringLiteral("ReadWrite");
    case QIODevice::Append:
        return QStringLiteral("Append");
    case QIODevice::Truncate:
        return QStringLiteral("Truncate");
    case QIODevice::Text:
        return QStringLiteral("Text");
    case QIODevice::Unbuffered:
        return QStringLiteral("Unbuffered");
    default:
        return QStringLiteral("Undefined");
    }
}

QString FileCantOpenExceptionOstra::toString(bool n_withEndLine) const
{
    QString text = FileIOExceptionOstra::toString(false);
    text += QStringLiteral("File Open Mode: ") + convertOpenModeFlagToQString(m_openMode)
            + QLatin1Char('\n');
    if (n_withEndLine)
        text += EXCEPTION_END_LINE;
    return text;
}
