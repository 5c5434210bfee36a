#include "RelationWidgets/wParameterRelationGroups.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "SlotGuard.h"
#include "ui_wParameterRelationGroups.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
QString textOf(int n_key)
{
    return InterfaceLanguage::Instance().getTextById(n_key);
}
} // namespace

wParameterRelationGroups::wParameterRelationGroups(QWidget *n_parent)
    : QWidget(n_parent), ui(new Ui::wParameterRelationGroups), m_columnCount(2), m_readOnly(false),
      m_changed(false)
{
    ui->setupUi(this);
    InterfaceLanguage &language = InterfaceLanguage::Instance();
    m_keyNameHeader = language.getBaseInterfaceBeginKey() + 1;
    m_keyTypeHeader = language.getBaseInterfaceBeginKey() + 3;
    m_keyNumber = language.getParameterBeginKey() + 6;
    m_keyText = language.getParameterBeginKey() + 7;

    ui->twParameters->setColumnCount(m_columnCount);
    const int headers[] = {m_keyNameHeader, m_keyTypeHeader};
    for (int column = 0; column < m_columnCount; ++column) {
        auto *item = new QTableWidgetItem(textOf(headers[column]));
        item->setData(Qt::DisplayRole, textOf(headers[column]));
        ui->twParameters->setHorizontalHeaderItem(column, item);
    }
}

wParameterRelationGroups::~wParameterRelationGroups()
{
    delete ui;
}

void wParameterRelationGroups::setLable(QString n_text)
{
    ui->lbTitle->setText(n_text);
}

void wParameterRelationGroups::setReadOnlyLineEdit(bool n_readOnly)
{
    m_readOnly = n_readOnly;
    ui->btnAddParameter->setVisible(!n_readOnly);
    ui->btnRemoveParameter->setVisible(!n_readOnly);
}

void wParameterRelationGroups::addRow()
{
    const QString number = textOf(m_keyNumber);
    const QString text = textOf(m_keyText);
    auto *name = new QLineEdit(this);
    name->setReadOnly(m_readOnly);
    connect(name, &QLineEdit::textChanged, this, &wParameterRelationGroups::onItemChange);
    const int row = ui->twParameters->rowCount();
    ui->twParameters->insertRow(row);
    ui->twParameters->setCellWidget(row, 0, name);

    auto *type = new QComboBox(this);
    type->addItem(number, QVariant(QVariant::Double));
    type->addItem(text, QVariant(QVariant::String));
    type->setCurrentIndex(0);
    connect(type, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &wParameterRelationGroups::onItemChange);
    ui->twParameters->setCellWidget(row, 1, type);
}

void wParameterRelationGroups::removeAllRows()
{
    for (int row = ui->twParameters->rowCount() - 1; row >= 0; --row)
        ui->twParameters->removeRow(row);
}

QString wParameterRelationGroups::nameAt(int n_row) const
{
    const auto *name = qobject_cast<QLineEdit *>(ui->twParameters->cellWidget(n_row, 0));
    return name ? name->text() : QString();
}

QString wParameterRelationGroups::typeTextAt(int n_row) const
{
    const auto *type = qobject_cast<QComboBox *>(ui->twParameters->cellWidget(n_row, 1));
    return type ? type->currentText() : QString();
}

void wParameterRelationGroups::setParams(QList<QString> n_names,
                                         QHash<QString, QVariant::Type> n_types)
{
    m_names = n_names;
    m_types = n_types;
    removeAllRows();
    for (int row = 0; row < n_names.size(); ++row) {
        addRow();
        qobject_cast<QLineEdit *>(ui->twParameters->cellWidget(row, 0))->setText(n_names[row]);
        auto *type = qobject_cast<QComboBox *>(ui->twParameters->cellWidget(row, 1));
        type->setCurrentIndex(
            n_types.value(n_names[row], QVariant::Invalid) == QVariant::String ? 1 : 0);
    }
}

QList<QString> wParameterRelationGroups::getParams()
{
    const int rows = ui->twParameters->rowCount();
    if (rows > 0) {
        m_names.clear();
        for (int row = 0; row < rows; ++row)
            m_names.append(nameAt(row));
    }
    return m_names;
}

QHash<QString, QVariant::Type> wParameterRelationGroups::getTypes()
{
    const int rows = ui->twParameters->rowCount();
    if (rows > 0) {
        m_types.clear();
        const QString number = textOf(m_keyNumber);
        const QString text = textOf(m_keyText);
        for (int row = 0; row < rows && row < m_names.size(); ++row) {
            const QString current = typeTextAt(row);
            if (current == number)
                m_types.insert(m_names[row], QVariant::Double);
            else if (current == text)
                m_types.insert(m_names[row], QVariant::String);
        }
    }
    return m_types;
}

int wParameterRelationGroups::getRowCount() const
{
    return ui->twParameters->rowCount();
}

void wParameterRelationGroups::setIsChanged(bool n_changed)
{
    m_changed = n_changed;
}

bool wParameterRelationGroups::getIsChanged() const
{
    return m_changed;
}

void wParameterRelationGroups::clear()
{
    removeAllRows();
}

void wParameterRelationGroups::setParameterNames(QList<QString> n_names)
{
    removeAllRows();
    for (int row = 0; row < n_names.size(); ++row) {
        addRow();
        qobject_cast<QLineEdit *>(ui->twParameters->cellWidget(row, 0))->setText(n_names[row]);
    }
}

QList<QString> wParameterRelationGroups::getAllCells() const
{
    QList<QString> cells;
    for (int row = 0; row < ui->twParameters->rowCount(); ++row) {
        const QString name = nameAt(row).trimmed();
        if (name.isEmpty())
            continue;
        const auto *type = qobject_cast<QComboBox *>(ui->twParameters->cellWidget(row, 1));
        cells.append(name);
        cells.append(type ? type->currentData(Qt::UserRole).toString().trimmed() : QString());
    }
    return cells;
}

void wParameterRelationGroups::on_btnAddParameter_clicked()
{
    SlotGuard::run([this] { addRow(); }, this);
}

void wParameterRelationGroups::on_btnRemoveParameter_clicked()
{
    SlotGuard::run(
        [this] {
            const int row = ui->twParameters->currentRow();
            if (row >= 0)
                ui->twParameters->removeRow(row);
            m_changed = true;
        },
        this);
}

void wParameterRelationGroups::on_twParameters_itemChanged(QTableWidgetItem *)
{
    SlotGuard::run([this] { m_changed = true; }, this);
}

void wParameterRelationGroups::onItemChange()
{
    SlotGuard::run([this] { m_changed = true; }, this);
}
