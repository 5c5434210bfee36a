#include "WidgetAreas/wBaseComparisonConstraint.h"
#include "ui_wBaseComparisonConstraint.h"

#include "WidgetAreas/ComparisonCode.h"

namespace {
QStringList operatorsOf(QVariant::Type n_type)
{
    if (n_type == QVariant::String)
        return {QStringLiteral("=="), QStringLiteral("!=")};
    return {QStringLiteral(">"),  QStringLiteral("<"),  QStringLiteral(">="),
            QStringLiteral("<="), QStringLiteral("=="), QStringLiteral("!=")};
}
} // namespace

wBaseComparisonConstraint::wBaseComparisonConstraint(QWidget *parent)
    : QWidget(parent), ui(new Ui::wBaseComparisonConstraint)
{
    ui->setupUi(this);
    ui->comboBox->addItems(operatorsOf(m_type));
    ui->comboBox->setCurrentIndex(0);
}

wBaseComparisonConstraint::~wBaseComparisonConstraint() = default;

void wBaseComparisonConstraint::setTypeConstrain(QVariant::Type n_type)
{
    m_type = n_type;
    ui->comboBox->clear();
    ui->comboBox->addItems(operatorsOf(m_type));
    ui->comboBox->setCurrentIndex(0);
}

QString wBaseComparisonConstraint::getBaseComparison() const
{
    const QString literal = ComparisonCode::literal(ui->lineEdit->text(), m_type);
    return literal.isNull() ? QString()
                            : ComparisonCode::comparison(ui->comboBox->currentText(), literal);
}
