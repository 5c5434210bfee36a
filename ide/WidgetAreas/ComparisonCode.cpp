#include "WidgetAreas/ComparisonCode.h"

#include <QLocale>
#include <QtMath>

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
    QString escaped;
    escaped.reserve(n_value.size() + 2);
    escaped += QLatin1Char('"');
    for (const QChar character : n_value) {
        switch (character.unicode()) {
        case '\\':
            escaped += QStringLiteral("\\\\");
            break;
        case '"':
            escaped += QStringLiteral("\\\"");
            break;
        case '\n':
            escaped += QStringLiteral("\\n");
            break;
        case '\r':
            escaped += QStringLiteral("\\r");
            break;
        case 0x2028:
            escaped += QStringLiteral("\\u2028");
            break;
        case 0x2029:
            escaped += QStringLiteral("\\u2029");
            break;
        default:
            escaped += character;
        }
    }
    escaped += QLatin1Char('"');
    return escaped;
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
