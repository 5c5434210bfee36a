#include "dAboutProgram.h"
#include "ui_dAboutProgram.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "ProgramVersion.h"

dAboutProgram::dAboutProgram(QWidget *parent) : QDialog(parent), ui(new Ui_dAboutProgram)
{
    ui->setupUi(this);
    const QString title = getMainTitle(true);
    setWindowTitle(title);

    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    const int base = texts.getAboutDialogBeginKey();
    const QString colon = QStringLiteral(":");
    ui->lbProgram->setText(texts.getTextById(base + m_programOffset) + colon);
    ui->lbProgramName->setText(title);
    ui->lbVersionNumber->setText(QString::fromLatin1(PROGRAM_VERSION));
    ui->lbCompany->setText(texts.getTextById(base + m_companyOffset) + colon);
    ui->lbVersion->setText(texts.getTextById(base + m_versionOffset) + colon);
}

dAboutProgram::~dAboutProgram() = default;

void dAboutProgram::retranslateUi()
{
}

void dAboutProgram::on_btnOk_clicked()
{
    close();
}
