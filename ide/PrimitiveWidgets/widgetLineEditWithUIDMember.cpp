#include "PrimitiveWidgets/widgetLineEditWithUIDMember.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "SlotGuard.h"
#include "ui_widgetLineEditWithUIDMember.h"

#include <QDoubleValidator>
#include <QPalette>

#include <utility>

widgetLineEditWithUIDMember::widgetLineEditWithUIDMember(QWidget *parent)
    : widgetLineEditWithUIDMember(QString(), parent)
{
}

widgetLineEditWithUIDMember::widgetLineEditWithUIDMember(QString n_uid, QWidget *parent)
    : QWidget(parent), ui(new Ui_widgetLineEditWithUIDMember), m_uid(std::move(n_uid))
{
    ui->setupUi(this);
}

widgetLineEditWithUIDMember::~widgetLineEditWithUIDMember() = default;

void widgetLineEditWithUIDMember::setUID(QString n_uid)
{
    m_uid = std::move(n_uid);
}
QString widgetLineEditWithUIDMember::getUID() const
{
    return m_uid;
}

void widgetLineEditWithUIDMember::setAllowedType(QVariant::Type n_type)
{
    m_allowedType = n_type;
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    if (isNumberField()) {
        ui->lineEdit->setPlaceholderText(
            texts.getTextById(texts.getParameterBeginKey() + m_numberKeyOffset));
        // No bounds; the validator belongs to the line edit.
        auto *validator = new QDoubleValidator(ui->lineEdit);
        validator->setNotation(QDoubleValidator::StandardNotation);
        ui->lineEdit->setValidator(validator);
    } else {
        ui->lineEdit->setPlaceholderText(
            texts.getTextById(texts.getParameterBeginKey() + m_textKeyOffset));
        ui->lineEdit->setValidator(nullptr);
    }
}

QVariant::Type widgetLineEditWithUIDMember::getAllowedType() const
{
    return m_allowedType;
}

bool widgetLineEditWithUIDMember::isNumberField() const
{
    return m_allowedType == QVariant::Double;
}

void widgetLineEditWithUIDMember::setDefaultValue(QString n_value)
{
    if (n_value.isEmpty())
        return;
    setTextColor(Qt::blue);
    m_previousValue = ui->lineEdit->text();
    setText(n_value);
    m_defaultValue = std::move(n_value);
    m_resultFlag = false;
}

void widgetLineEditWithUIDMember::setResultValue(QString n_value)
{
    setTextColor(Qt::red);
    // A second result without clearing must not hide what the user typed before the first one.
    if (!m_resultFlag)
        m_previousValue = ui->lineEdit->text();
    setText(n_value);
    m_resultFlag = true;
}

void widgetLineEditWithUIDMember::setValue(QString n_value)
{
    m_previousValue = ui->lineEdit->text();
    setText(n_value);
}

QString widgetLineEditWithUIDMember::getValue() const
{
    QString text = ui->lineEdit->text();
    if (isNumberField())
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text;
}

QString widgetLineEditWithUIDMember::getText() const
{
    return ui->lineEdit->text();
}

void widgetLineEditWithUIDMember::setPreviousValue()
{
    setTextColor(Qt::black);
    setText(m_previousValue);
    m_resultFlag = false;
}

QString widgetLineEditWithUIDMember::getPreviousValue()
{
    if (isNumberField())
        m_previousValue.replace(QLatin1Char(','), QLatin1Char('.'));
    return m_previousValue;
}

void widgetLineEditWithUIDMember::clearContents()
{
    setText(QString());
    setTextColor(Qt::black);
    m_resultFlag = false;
}

bool widgetLineEditWithUIDMember::checkType() const
{
    const QString text = ui->lineEdit->text();
    if (text.isEmpty() || !isNumberField())
        return true;
    if (text.toDouble() != 0.0 || text == QLatin1String("0"))
        return true;
    const int comma = text.indexOf(QLatin1Char(','));
    if (comma < 0)
        return false;
    const QString rebuilt = text.left(comma) + QLatin1Char('.') + text.mid(comma + 1);
    return rebuilt.toDouble() != 0.0;
}

bool widgetLineEditWithUIDMember::isEmpty() const
{
    return ui->lineEdit->text().trimmed().isEmpty();
}
bool widgetLineEditWithUIDMember::getResultFlag() const
{
    return m_resultFlag;
}
bool widgetLineEditWithUIDMember::isChanged() const
{
    return m_changed;
}

void widgetLineEditWithUIDMember::setParentTreeWidgetItem(QTreeWidgetItem *n_item)
{
    m_parentTreeWidgetItem = n_item;
}

QTreeWidgetItem *widgetLineEditWithUIDMember::getParentTreeWidgetItem() const
{
    return m_parentTreeWidgetItem;
}

void widgetLineEditWithUIDMember::setParameterName(QString n_name)
{
    m_parameterName = std::move(n_name);
}
QString widgetLineEditWithUIDMember::getParameterName() const
{
    return m_parameterName;
}

void widgetLineEditWithUIDMember::on_lineEdit_textChanged(const QString &n_text)
{
    SlotGuard::run(
        [this, &n_text] {
            m_resultFlag = false;
            if (n_text.isEmpty())
                setTextColor(Qt::black);
            m_changed = n_text != m_defaultValue;
        },
        this);
}

void widgetLineEditWithUIDMember::setTextColor(const QColor &n_color)
{
    QPalette palette = ui->lineEdit->palette();
    palette.setBrush(QPalette::All, QPalette::Text, QBrush(n_color, Qt::SolidPattern));
    ui->lineEdit->setPalette(palette);
}

void widgetLineEditWithUIDMember::setText(const QString &n_text)
{
    ui->lineEdit->setText(n_text);
}
