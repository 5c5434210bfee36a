#include "WidgetAreas/wLogicComparisonConstraint.h"
#include "ui_wLogicComparisonConstraint.h"

wLogicComparisonConstraint::wLogicComparisonConstraint(QWidget *parent)
    : QWidget(parent), ui(new Ui::wLogicComparisonConstraint)
{
    ui->setupUi(this);
    ui->comboBox->setCurrentIndex(0);
}

wLogicComparisonConstraint::~wLogicComparisonConstraint() = default;

QString wLogicComparisonConstraint::getLogicComparison() const
{
    return ui->comboBox->currentText();
}
