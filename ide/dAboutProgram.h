#ifndef DABOUTPROGRAM_H
#define DABOUTPROGRAM_H

#include <QDialog>

#include <memory>

class Ui_dAboutProgram;

// The About dialog: application name with its short version, the full version and the company.
// Its texts are read once, in the language installed when it is made.
class dAboutProgram : public QDialog
{
    Q_OBJECT

public:
    explicit dAboutProgram(QWidget *parent = nullptr);
    ~dAboutProgram() override;

    // The dialog lives for one showing and does not follow a language change: nothing to do.
    void retranslateUi();

private slots:
    void on_btnOk_clicked();

private:
    std::unique_ptr<Ui_dAboutProgram> ui;
    int m_programOffset = 1;
    int m_versionOffset = 10;
    int m_companyOffset = 20;
};

#endif // DABOUTPROGRAM_H
