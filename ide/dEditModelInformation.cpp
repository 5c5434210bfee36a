#include "dEditModelInformation.h"
#include "ui_dEditModelInformation.h"

#include "Entities/Language/InterfaceLanguage.h"

#include <QIntValidator>

dEditModelInformation::dEditModelInformation(QWidget *parent)
    : QDialog(parent), ui(new Ui_dEditModelInformation)
{
    build();
    retranclateUi();
    setDefaultVersion();
    initializeValidatorVersion();
}

dEditModelInformation::dEditModelInformation(const QString &n_title, const QString &n_author,
                                             const QString &n_version, QWidget *parent)
    : QDialog(parent), ui(new Ui_dEditModelInformation)
{
    build();
    ui->leName->setText(n_title);
    ui->leAuthor->setText(n_author);
    retranclateUi();
    setVersion(n_version);
    initializeValidatorVersion();
}

dEditModelInformation::~dEditModelInformation() = default;

void dEditModelInformation::build()
{
    ui->setupUi(this);
    m_editModelDialogBeginKey = InterfaceLanguage::Instance().getEditModelDialog();
}

QString dEditModelInformation::getModelTitle() const
{
    return ui->leName->text();
}

QString dEditModelInformation::getAuthor() const
{
    return ui->leAuthor->text();
}

QString dEditModelInformation::getVersion() const
{
    return QStringList{ui->leAlfaVersion->text(), ui->leBetaVersion->text(),
                       ui->leReleaseVersion->text(), ui->lePublicRelease->text()}
        .join(QLatin1Char('.'));
}

void dEditModelInformation::setVersion(const QString &n_version)
{
    if (n_version.isEmpty())
        setDefaultVersion();
    else
        setCurrentVersion(splitVersion(n_version));
}

void dEditModelInformation::setDefaultVersion()
{
    setCurrentVersion(
        {QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")});
}

void dEditModelInformation::setCurrentVersion(QStringList n_parts)
{
    if (n_parts.size() != 4) {
        setDefaultVersion();
        return;
    }
    ui->leAlfaVersion->setText(n_parts.at(0));
    ui->leBetaVersion->setText(n_parts.at(1));
    ui->leReleaseVersion->setText(n_parts.at(2));
    ui->lePublicRelease->setText(n_parts.at(3));
}

QStringList dEditModelInformation::splitVersion(const QString &n_version) const
{
    return n_version.split(QLatin1Char('.'), Qt::KeepEmptyParts, Qt::CaseSensitive);
}

void dEditModelInformation::initializeValidatorVersion()
{
    for (QLineEdit *field :
         {ui->leAlfaVersion, ui->leBetaVersion, ui->leReleaseVersion, ui->lePublicRelease})
        field->setValidator(new QIntValidator(0, 65536, field));
}

void dEditModelInformation::retranclateUi()
{
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    const QString colon = QStringLiteral(":");
    setWindowTitle(texts.getTextById(m_editModelDialogBeginKey + m_titleOffset));
    ui->lbName->setText(texts.getTextById(m_editModelDialogBeginKey + m_nameOffset) + colon);
    ui->lbVersion->setText(texts.getTextById(m_editModelDialogBeginKey + m_versionOffset) + colon);
    ui->lbAuthor->setText(texts.getTextById(m_editModelDialogBeginKey + m_authorOffset) + colon);
}

void dEditModelInformation::on_btnOkCancelGroup_rejected()
{
    reject();
}

void dEditModelInformation::on_buttonBox_accepted()
{
    accept();
}
