#ifndef STARTLANGUAGE_H
#define STARTLANGUAGE_H

#include <QLocale>
#include <QString>

// The interface language the program starts in, from the system locale: English for an English
// locale, Russian for every other one (a C locale included), so that no start mixes the two.
class StartLanguage
{
public:
    // The data of the language action to check: "eng" or "ru".
    static QString codeFor(const QLocale &n_locale);
    // The catalogue of the program's own texts for that locale: "IDE_eng" or "IDE_ru".
    static QString catalogueFor(const QLocale &n_locale);
};

#endif // STARTLANGUAGE_H
