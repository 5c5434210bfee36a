#ifndef DEDITMODELINFORMATION_H
#define DEDITMODELINFORMATION_H

#include <QDialog>
#include <QString>
#include <QStringList>

#include <memory>

class Ui_dEditModelInformation;

// Edits a model's descriptive information: title, author and a version of four numbers. The
// caller passes the current values in and, after the dialog was accepted, reads the edited ones
// back; the dialog writes nothing to a model itself.
class dEditModelInformation : public QDialog
{
    Q_OBJECT

public:
    explicit dEditModelInformation(QWidget *parent = nullptr);
    dEditModelInformation(const QString &n_title, const QString &n_author, const QString &n_version,
                          QWidget *parent = nullptr);
    ~dEditModelInformation() override;

    QString getModelTitle() const;
    QString getAuthor() const;
    // The four version fields joined with "." exactly as they stand (empty fields included).
    QString getVersion() const;

    // An empty text gives the default version; otherwise the text's four dot-separated parts.
    void setVersion(const QString &n_version);
    // "1", "0", "0", "0".
    void setDefaultVersion();
    // Exactly four parts fill the four fields as they are; any other count gives the default.
    void setCurrentVersion(QStringList n_parts);
    QStringList splitVersion(const QString &n_version) const;
    // Limits typing in each version field to an integer from 0 to 65536.
    void initializeValidatorVersion();
    void retranclateUi();

private slots:
    void on_btnOkCancelGroup_rejected();

private:
    // Accepts. Ok already accepts through the form's own connection and the form has no
    // "buttonBox", so this is never connected; not a slot, so that the connection by name does not
    // warn about it.
    void on_buttonBox_accepted();
    void build();

    std::unique_ptr<Ui_dEditModelInformation> ui;
    int m_editModelDialogBeginKey = 0;
    int m_titleOffset = 1;
    int m_nameOffset = 2;
    int m_authorOffset = 4;
    int m_versionOffset = 3;
};

#endif // DEDITMODELINFORMATION_H
