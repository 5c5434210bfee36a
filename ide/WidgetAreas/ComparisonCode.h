#ifndef COMPARISONCODE_H
#define COMPARISONCODE_H

#include <QString>
#include <QStringList>
#include <QVariant>

// The script text of a constraint built from comparisons of one variable, and the reading of
// number values as users type them. No widget: the parameter page and the builder's rows share it.
class ComparisonCode
{
public:
    // A number as typed: every "," read as "."; false (value untouched) unless the text reads as
    // a finite number in the C locale.
    static bool readNumber(const QString &n_text, double *n_value);
    // The value as a script literal: a text quoted with its backslashes, quotes and line breaks
    // escaped; a number in its shortest C-locale form. Null when a number value does not read.
    static QString literal(const QString &n_value, QVariant::Type n_type);
    // One comparison piece: a blank, the operator, a blank, the literal, a blank.
    static QString comparison(const QString &n_operator, const QString &n_literal);
    // "if((name piece)&&(name piece)...){flag = true;} else {flag = false;}"; each logic operator
    // joins the comparison before it to the next one.
    static QString body(const QString &n_name, const QStringList &n_comparisons,
                        const QStringList &n_logic);
};

#endif // COMPARISONCODE_H
