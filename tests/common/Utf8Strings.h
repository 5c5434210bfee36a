#ifndef UTF8STRINGS_H
#define UTF8STRINGS_H

#include <QString>
#include <QStringList>

#include <initializer_list>

// String lists written as UTF-8 literals in tests, which are built without implicit conversions.
inline QStringList strings(std::initializer_list<const char *> n_texts)
{
    QStringList result;
    for (const char *text : n_texts)
        result.append(QString::fromUtf8(text));
    return result;
}

#endif // UTF8STRINGS_H
