#ifndef QUOTEDTEXT_H
#define QUOTEDTEXT_H

#include <QString>

// What a message box shows of a text the user typed: at most MAX_LINES lines of at most
// MAX_LINE_LENGTH characters, each cut marked with "…", so that a box quoting a huge formula or
// script still fits the screen.
class QuotedText
{
public:
    static const int MAX_LINES = 5;
    static const int MAX_LINE_LENGTH = 200;

    static QString quote(const QString &n_text);
    // n_text with the user's text that it holds quoted as above.
    static QString quoteWithin(const QString &n_text, const QString &n_usersText);
};

#endif // QUOTEDTEXT_H
