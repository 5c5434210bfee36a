#include "RelationWidgets/ConditionalBodyParser.h"

ConditionalBodyParser::Parts ConditionalBodyParser::parse(const QString &n_body)
{
    Parts parts;
    if (!n_body.startsWith(QLatin1String("if (")) && n_body.startsWith(QLatin1String("if("))
        && parseBalanced(n_body, &parts))
        return parts;
    return parseByOffsets(n_body);
}

QString ConditionalBodyParser::part(const QString &n_text, int n_start, int n_count)
{
    if (n_start < 0) {
        if (n_count >= 0)
            n_count += n_start;
        n_start = 0;
    }
    if (n_start > n_text.size())
        return QString();
    if (n_count < 0 || n_start + n_count > n_text.size())
        return n_text.mid(n_start);
    return n_text.mid(n_start, n_count);
}

ConditionalBodyParser::Parts ConditionalBodyParser::parseByOffsets(const QString &n_body)
{
    Parts parts;
    const int a = n_body.indexOf(QLatin1Char('('));
    const int b = n_body.indexOf(QLatin1Char('{'));
    parts.condition = part(n_body, a + 1, b - a - 3);
    QString rest = part(n_body, b);
    rest.chop(1);
    const int c = rest.indexOf(QLatin1Char('{'));
    const int d = rest.indexOf(QLatin1Char('}'));
    parts.thenPart = part(rest, c + 1, d - c - 2);
    const QString elseRest = part(rest, d);
    const int e = elseRest.indexOf(QLatin1Char('{'));
    const int f = elseRest.lastIndexOf(QLatin1Char(';'));
    parts.elsePart = part(elseRest, e + 1, f - e - 1);
    return parts;
}

int ConditionalBodyParser::closingBracket(const QString &n_text, int n_open)
{
    if (n_open < 0 || n_open >= n_text.size())
        return -1;
    const QChar open = n_text.at(n_open);
    const QChar close = open == QLatin1Char('(') ? QLatin1Char(')') : QLatin1Char('}');
    int depth = 0;
    QChar quote;
    for (int i = n_open; i < n_text.size(); ++i) {
        const QChar ch = n_text.at(i);
        if (!quote.isNull()) {
            if (ch == QLatin1Char('\\'))
                ++i;
            else if (ch == quote)
                quote = QChar();
        } else if (ch == QLatin1Char('"') || ch == QLatin1Char('\'')) {
            quote = ch;
        } else if (ch == open) {
            ++depth;
        } else if (ch == close && --depth == 0) {
            return i;
        }
    }
    return -1;
}

bool ConditionalBodyParser::parseBalanced(const QString &n_body, Parts *n_parts)
{
    // The assignment inside one pair of braces, without its closing ";".
    const auto block = [&n_body](int n_from, int *n_end, QString *n_out) {
        const int open = n_body.indexOf(QLatin1Char('{'), n_from);
        if (open < 0)
            return false;
        *n_end = closingBracket(n_body, open);
        if (*n_end < 0)
            return false;
        QString inner = n_body.mid(open + 1, *n_end - open - 1).trimmed();
        if (inner.endsWith(QLatin1Char(';')))
            inner.chop(1);
        *n_out = inner;
        return true;
    };
    const int open = n_body.indexOf(QLatin1Char('('));
    const int close = closingBracket(n_body, open);
    if (close < 0)
        return false;
    n_parts->condition = n_body.mid(open + 1, close - open - 1);
    int thenEnd = -1;
    int elseEnd = -1;
    if (!block(close, &thenEnd, &n_parts->thenPart))
        return false;
    const int elseWord = n_body.indexOf(QLatin1String("else"), thenEnd);
    return elseWord >= 0 && block(elseWord, &elseEnd, &n_parts->elsePart);
}
