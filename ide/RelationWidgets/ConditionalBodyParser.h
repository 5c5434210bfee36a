#ifndef CONDITIONALBODYPARSER_H
#define CONDITIONALBODYPARSER_H

#include <QString>

// Splits a stored IF-THEN-ELSE or constraint body into its condition and its two assignments.
// Bodies in the IF page's own layout ("if (" c ") {" t ";} else {" e ";}") are cut at fixed
// offsets; bodies beginning "if(" (as the constraint builder writes them) are read by balanced
// parentheses and braces, quoted text skipped. Any text gives three parts; nothing fails.
class ConditionalBodyParser
{
public:
    struct Parts
    {
        QString condition;
        QString thenPart;
        QString elsePart;
    };

    static Parts parse(const QString &n_body);

private:
    static Parts parseByOffsets(const QString &n_body);
    static bool parseBalanced(const QString &n_body, Parts *n_parts);
    // The index of the bracket closing the one at n_open, or -1.
    static int closingBracket(const QString &n_text, int n_open);
    // n_count characters from n_start, clamped as the offsets need: a start before the beginning
    // moves to it (the count shrinking alike), a negative or overlong count takes the rest, a
    // start past the end gives an empty text.
    static QString part(const QString &n_text, int n_start, int n_count = -1);
};

#endif // CONDITIONALBODYPARSER_H
