#include "WidgetAreas/ComparisonCode.h"

#include <QLocale>
#include <QtMath>

#include <algorithm>
#include <iterator>

bool ComparisonCode::readNumber(const QString &n_text, double *n_value)
{
    QString text = n_text;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !qIsFinite(value))
        return false;
    *n_value = value;
    return true;
}

QString ComparisonCode::literal(const QString &n_value, QVariant::Type n_type)
{
    if (n_type != QVariant::String) {
        double value = 0;
        if (!readNumber(n_value, &value))
            return QString();
        return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
    }
    // Backslash, quote and the script's line terminators would end or change the literal.
    static const struct
    {
        char16_t character;
        QLatin1String escape;
    } escapes[] = {{u'\\', QLatin1String("\\\\")},        {u'"', QLatin1String("\\\"")},
                   {u'\n', QLatin1String("\\n")},         {u'\r', QLatin1String("\\r")},
                   {u'\u2028', QLatin1String("\\u2028")}, {u'\u2029', QLatin1String("\\u2029")}};
    QString escaped(QLatin1Char('"'));
    escaped.reserve(n_value.size() + 2);
    for (const QChar character : n_value) {
        const auto *found = std::find_if(
            std::begin(escapes), std::end(escapes),
            [&](const auto &e) { return e.character == character.unicode(); });
        if (found != std::end(escapes))
            escaped += found->escape;
        else
            escaped += character;
    }
    return escaped + QLatin1Char('"');
}

QString ComparisonCode::comparison(const QString &n_operator, const QString &n_literal)
{
    return QLatin1Char(' ') + n_operator + QLatin1Char(' ') + n_literal + QLatin1Char(' ');
}

QString ComparisonCode::body(const QString &n_name, const QStringList &n_comparisons,
                             const QStringList &n_logic)
{
    QString code = QStringLiteral("if(");
    for (int index = 0; index < n_comparisons.size(); ++index) {
        code += QLatin1Char('(') + n_name + n_comparisons.at(index) + QLatin1Char(')');
        if (index < n_logic.size())
            code += n_logic.at(index);
    }
    return code + QStringLiteral("){flag = true;} else {flag = false;}");
}
