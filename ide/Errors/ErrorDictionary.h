#ifndef ERRORDICTIONARY_H
#define ERRORDICTIONARY_H

#include <QHash>
#include <QString>

// The user texts of errors by numeric key, in the current interface language. Three ranges: the
// exception ids of the core from 0 (0 itself: unknown error code), the integrity-check codes from
// 1000, and the environment's own messages from 10000. The texts are Russian and pass through the
// translation of the context "QObject"; the table is translated again after the installed
// translators change. GUI thread only.
class ErrorDictionary
{
public:
    // Offsets in the environment range of the class test's two messages.
    static const int ERROR_IDE_NO_INPUTS = 270;
    static const int ERROR_IDE_NO_OUTPUTS = 280;
    // A value of the constraint builder's row %1 makes no literal (a number that does not read).
    static const int ERROR_IDE_BAD_COMPARISON_VALUE = 310;
    // A relation body's evaluation ran past the time budget and was stopped.
    static const int ERROR_IDE_EVALUATION_TIMEOUT = 290;
    // A script relation's variable name is empty, repeated or no identifier.
    static const int ERROR_IDE_BAD_VARIABLE_NAME = 300;
    // A save found a class-test tab current: nothing was saved.
    static const int ERROR_IDE_TEST_TAB_NOT_SAVED = 340;
    // Where a script's trial run failed: the line, then the engine's message.
    static const int ERROR_IDE_SCRIPT_LINE = 400;
    // A class test that the user stopped (Escape or a close request).
    static const int ERROR_IDE_STOPPED_BY_USER = 410;
    // A paste longer than the field takes: %1 the pasted length, %2 the field's limit.
    static const int ERROR_IDE_PASTE_TOO_LONG = 420;
    // The platform could not open its display: %1 the display, %2 the platform.
    static const int ERROR_IDE_NO_DISPLAY = 430;

    // The one dictionary, its texts in the language installed now.
    static ErrorDictionary &Instance();

    // Empties the table and fills it again through the translators installed now.
    void gatherHash();

    // The text of the key; an empty string for a key without an entry.
    QString getErrorById(int n_key) const;

    int getOstraCoreBeginKey() const;
    int getOstraIntegrityBeginKey() const;
    int getOstraIDEBeginKey() const;

private:
    ErrorDictionary();
    ErrorDictionary(const ErrorDictionary &) = delete;
    ErrorDictionary &operator=(const ErrorDictionary &) = delete;

    QHash<int, QString> m_errors;
    int m_ostraCoreBeginKey = 0;
    int m_ostraIntegrityBeginKey = 1000;
    int m_ostraIDEBeginKey = 10000;
    // Translator generation the table was filled for (see LanguageChangeWatcher).
    quint64 m_filledForGeneration = 0;
};

#endif // ERRORDICTIONARY_H
