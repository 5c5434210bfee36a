#ifndef PROCESSMEMORY_H
#define PROCESSMEMORY_H

// Resident memory of this process in kB, from /proc/self/status: the peak so far ("VmHWM:") or the
// present ("VmRSS:"); -1 when it cannot be read.

#include <QFile>
#include <QString>
#include <QTextStream>

inline qint64 memoryKb(const char *n_field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    QTextStream stream(&status);
    for (QString line = stream.readLine(); !line.isNull(); line = stream.readLine())
        if (line.startsWith(QLatin1String(n_field)))
            return line.section(QLatin1Char(' '), 1, -1, QString::SectionSkipEmpty)
                .section(QLatin1Char(' '), 0, 0)
                .toLongLong();
    return -1;
}

#endif // PROCESSMEMORY_H
