#ifndef INTERFACELANGUAGE_H
#define INTERFACELANGUAGE_H

#include <QHash>
#include <QString>

// The interface labels by numeric key, in the current interface language: one range of 1000 keys
// per area of the environment, each with a getter for its base. The texts are Russian and pass
// through the translation of the context "QObject"; the table is translated again after the
// installed translators change. GUI thread only.
class InterfaceLanguage
{
public:
    // The one dictionary, its texts in the language installed now.
    static InterfaceLanguage &Instance();

    // Sets the range bases and (re)inserts every entry through the translators installed now.
    void initialize();

    // The text of the key; an empty string for a key without an entry.
    QString getTextById(int n_key) const;

    int getMainInterfaceBeginKey() const;
    int getBaseInterfaceBeginKey() const;
    int getParameterBeginKey() const;
    int getRelationBeginKey() const;
    int getRuleBeginKey() const;
    int getErrorBeginKey() const;
    int getContainerProjectBeginKey() const;
    int getContainerRelationBeginKey() const;
    int getConditionalRelationBeginKey() const;
    int getErrorAreaBeginKey() const;
    int getAboutDialogBeginKey() const;
    int getEditModelDialog() const;
    int getFileDialogBeginKey() const;
    int getInformationMessageBoxBeginKey() const;
    int getOstraTestBeginKey() const;
    // Base of the range holding the application name (not the version itself).
    int getProgramVersion() const;

private:
    InterfaceLanguage();
    InterfaceLanguage(const InterfaceLanguage &) = delete;
    InterfaceLanguage &operator=(const InterfaceLanguage &) = delete;

    QHash<int, QString> m_texts;
    int m_mainInterfaceBeginKey = 1000;
    int m_baseInterfaceBeginKey = 0;
    int m_parameterBeginKey = 2000;
    int m_relationBeginKey = 3000;
    int m_ruleBeginKey = 4000;
    int m_errorBeginKey = 5000;
    int m_containerProjectBeginKey = 7000;
    int m_containerRelationBeginKey = 6000;
    int m_conditionalRelationBeginKey = 11000;
    int m_errorAreaBeginKey = 12000;
    int m_aboutDialogBeginKey = 13000;
    int m_editModelDialogBeginKey = 14000;
    int m_fileDialogBeginKey = 8000;
    int m_informationMessageBoxBeginKey = 9000;
    int m_ostraTestBeginKey = 10000;
    int m_programVersionBeginKey = 15000;
    // Translator generation the table was filled for (see LanguageChangeWatcher).
    quint64 m_filledForGeneration = 0;
};

// The main window's title: the application name, and with n_withVersion a blank and the short
// version ("2.1" of "2.1.1.0").
QString getMainTitle(bool n_withVersion);

#endif // INTERFACELANGUAGE_H
