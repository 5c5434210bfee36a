#ifndef MATHTEZAURUS_H
#define MATHTEZAURUS_H

#include <QHash>
#include <QList>
#include <QString>

class QFile;

// The built-in formula thesaurus by interface language. Each language's hash holds under "math"
// the entries label + "~" + name and under "prog" template + "~" + name, in file order.
class mathTezaurus
{
public:
    enum lang { RUSSIAN = 0, ENGLISH = 1 };

    mathTezaurus();

    // Reads lines of four "~"-terminated fields (label, template, Russian name, English name);
    // a missing file leaves the hashes as they are, a line with fewer fields is skipped.
    void readTezaurus(QFile &n_file);

    // A copy of the language's hash; empty for any other value.
    QHash<QString, QList<QString>> getTezaurusByLang(mathTezaurus::lang n_lang) const;

private:
    QHash<QString, QList<QString>> m_russian;
    QHash<QString, QList<QString>> m_english;
};

#endif // MATHTEZAURUS_H
