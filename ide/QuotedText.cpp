#include "QuotedText.h"

#include <QStringList>

QString QuotedText::quote(const QString &n_text)
{
    static const QChar ellipsis(0x2026);
    const QStringList lines = n_text.split(QLatin1Char('\n'));
    QStringList shown;
    for (int i = 0; i < lines.size() && i < MAX_LINES; ++i) {
        const QString &line = lines.at(i);
        shown << (line.size() > MAX_LINE_LENGTH ? line.left(MAX_LINE_LENGTH) + ellipsis : line);
    }
    if (lines.size() > MAX_LINES && !shown.last().endsWith(ellipsis))
        shown.last() += ellipsis;
    return shown.join(QLatin1Char('\n'));
}

QString QuotedText::quoteWithin(const QString &n_text, const QString &n_usersText)
{
    const QString quoted = quote(n_usersText);
    // A text short enough is left alone, so that a short one cannot match elsewhere.
    if (quoted == n_usersText)
        return n_text;
    return QString(n_text).replace(n_usersText, quoted);
}
