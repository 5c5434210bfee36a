#include "Entities/Language/StartLanguage.h"

QString StartLanguage::codeFor(const QLocale &n_locale)
{
    return n_locale.language() == QLocale::English ? QStringLiteral("eng") : QStringLiteral("ru");
}

QString StartLanguage::catalogueFor(const QLocale &n_locale)
{
    return codeFor(n_locale) == QLatin1String("eng") ? QStringLiteral("IDE_eng")
                                                     : QStringLiteral("IDE_ru");
}
