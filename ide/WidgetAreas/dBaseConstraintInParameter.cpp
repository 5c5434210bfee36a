#include "WidgetAreas/dBaseConstraintInParameter.h"
#include "ui_dBaseConstraintInParameter.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "SlotGuard.h"
#include "WidgetAreas/ComparisonCode.h"
#include "WidgetAreas/ElementNamePage.h"
#include "WidgetAreas/wBaseComparisonConstraint.h"
#include "WidgetAreas/wLogicComparisonConstraint.h"

#include <QAction>
#include <QToolBar>
#include <QVBoxLayout>

#include <utility>

dBaseConstraintInParameter::dBaseConstraintInParameter(QVariant::Type n_type, QWidget *parent)
    : QDialog(parent), ui(new Ui::dBaseConstraintInParameter), m_type(n_type)
{
    ui->setupUi(this);
    m_toolBar = new QToolBar(QStringLiteral("ConstraintInParameterBar"), this);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_column = new QWidget;
    m_columnLayout = new QVBoxLayout(m_column);
    // The form's own content widget is replaced (and freed) by the column.
    ui->saConstraint->setWidget(m_column);
    m_parameterBeginKey = InterfaceLanguage::Instance().getParameterBeginKey();
    initializeAction();
    connectAction();
    addActionsOnBar();
    setWindowTitle(InterfaceLanguage::Instance().getTextById(m_parameterBeginKey + m_titleKey));
    addBaseComparisonConstraint();
}

dBaseConstraintInParameter::~dBaseConstraintInParameter() = default;

void dBaseConstraintInParameter::initializeAction()
{
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    m_addAction = new QAction(QIcon(QStringLiteral(":/prog/Images/24x24/add base operand.png")),
                              texts.getTextById(m_parameterBeginKey + m_addKey), this);
    m_deleteAction = new QAction(QIcon(QStringLiteral(":/prog/Images/24x24/del base operand.png")),
                                 texts.getTextById(m_parameterBeginKey + m_deleteKey), this);
}

void dBaseConstraintInParameter::connectAction()
{
    connect(m_addAction, &QAction::triggered, this,
            [this](bool) { SlotGuard::run([this] { addLogicComparisonConstraint(); }, this); });
    connect(m_deleteAction, &QAction::triggered, this,
            [this](bool) { SlotGuard::run([this] { removeLogicComparisonConstraint(); }, this); });
}

void dBaseConstraintInParameter::addActionsOnBar()
{
    m_toolBar->addAction(m_addAction);
    m_toolBar->addAction(m_deleteAction);
    m_toolBar->addSeparator();
    ui->verticalLayout->insertWidget(0, m_toolBar);
}

void dBaseConstraintInParameter::setParameterName(QString n_name)
{
    m_parameterName = std::move(n_name);
}

void dBaseConstraintInParameter::setType(QVariant::Type n_type)
{
    m_type = n_type;
}

void dBaseConstraintInParameter::enableBaseComparison(bool n_on)
{
    m_addAction->setEnabled(n_on);
    m_deleteAction->setEnabled(n_on);
}

QString dBaseConstraintInParameter::getConstraintBody() const
{
    QStringList comparisons;
    for (const wBaseComparisonConstraint *row : m_comparisons)
        comparisons << row->getBaseComparison();
    QStringList logic;
    for (const wLogicComparisonConstraint *row : m_logic)
        logic << row->getLogicComparison();
    return ComparisonCode::body(m_parameterName, comparisons, logic);
}

void dBaseConstraintInParameter::addBaseComparisonConstraint()
{
    auto *row = new wBaseComparisonConstraint(m_column);
    row->setTypeConstrain(m_type);
    m_comparisons.append(row);
    m_columnLayout->addWidget(row);
}

void dBaseConstraintInParameter::addLogicComparisonConstraint()
{
    auto *row = new wLogicComparisonConstraint(m_column);
    m_logic.append(row);
    m_columnLayout->addWidget(row);
    addBaseComparisonConstraint();
}

void dBaseConstraintInParameter::removeColumnItem(int n_position)
{
    QLayoutItem *item = m_columnLayout->takeAt(n_position);
    if (!item)
        return;
    delete item->widget();
    delete item;
}

void dBaseConstraintInParameter::removeBaseComparisonConstraint()
{
    if (m_comparisons.size() >= 2)
        removeColumnItem(m_comparisons.size() - 1 + m_logic.size());
}

void dBaseConstraintInParameter::removeLogicComparisonConstraint()
{
    if (m_logic.isEmpty())
        return;
    removeBaseComparisonConstraint();
    removeColumnItem(m_comparisons.size() - 2 + m_logic.size());
    m_logic.removeLast();
    m_comparisons.removeLast();
}

void dBaseConstraintInParameter::on_okCancleButton_accepted()
{
    SlotGuard::run(
        [this] {
            for (int row = 0; row < m_comparisons.size(); ++row) {
                if (!m_comparisons.at(row)->getBaseComparison().isNull())
                    continue;
                const ErrorDictionary &errors = ErrorDictionary::Instance();
                ElementNamePage::showErrorBox(
                    this, errors
                              .getErrorById(errors.getOstraIDEBeginKey()
                                            + ErrorDictionary::ERROR_IDE_BAD_COMPARISON_VALUE)
                              .arg(row + 1));
                return;
            }
            accept();
        },
        this);
}

void dBaseConstraintInParameter::on_okCancleButton_rejected()
{
    SlotGuard::run([this] { reject(); }, this);
}
