#include "RuleWidgets/dChooseParamRule.h"
#include "ui_dChooseParamRule.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "MessageBoxes.h"
#include "SlotGuard.h"
#include "WidgetAreas/wContainerProjectArea.h"

#include <QMessageBox>

#include <utility>

namespace {
const int CHOOSE_PARAMETER_KEY = 20;
}

dChooseParamRule::dChooseParamRule(QWidget *parent) : QDialog(parent), ui(new Ui::dChooseParamRule)
{
    ui->setupUi(this);
    m_tree = new wContainerProjectArea(this);
    ui->verticalLayout->insertWidget(0, m_tree);
    connect(m_tree, &wContainerProjectArea::itemDoubleClicked, this,
            &dChooseParamRule::on_item_double_clicked);
}

dChooseParamRule::~dChooseParamRule()
{
    disconnect(m_tree, &wContainerProjectArea::itemDoubleClicked, this,
               &dChooseParamRule::on_item_double_clicked);
}

void dChooseParamRule::setData(OstraClass *n_root)
{
    m_root = n_root;
    m_tree->setData(n_root);
}

void dChooseParamRule::setFilterType(QVariant::Type n_type)
{
    m_tree->setFilterParameterType(n_type);
}

void dChooseParamRule::setFilterParameters(QList<QSharedPointer<ParameterModel>> n_excluded)
{
    n_excluded.removeAll(QSharedPointer<ParameterModel>());
    m_tree->setFilterParameters(std::move(n_excluded));
}

void dChooseParamRule::setCurrentParameter(QString &n_id)
{
    m_tree->setCurrentParameter(n_id);
}

QString dChooseParamRule::getChooseId() const
{
    return m_tree->getCurrentParameter();
}

wContainerProjectArea *dChooseParamRule::tree() const
{
    return m_tree;
}

void dChooseParamRule::acceptChoice()
{
    if (!getChooseId().isEmpty()) {
        accept();
        return;
    }
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    QMessageBox box(this);
    box.setText(texts.getTextById(texts.getInformationMessageBoxBeginKey() + CHOOSE_PARAMETER_KEY));
    box.setIcon(QMessageBox::Critical);
    box.setWindowIcon(QIcon(QStringLiteral(":/prog/Images/24x24/error.png")));
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    MessageBoxes::execBox(box);
}

void dChooseParamRule::on_okButton_clicked()
{
    SlotGuard::run([this] { acceptChoice(); }, this);
}

void dChooseParamRule::on_cancelButton_clicked()
{
    SlotGuard::run([this] { reject(); }, this);
}

void dChooseParamRule::on_item_double_clicked()
{
    SlotGuard::run([this] { acceptChoice(); }, this);
}
