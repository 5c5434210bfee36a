#include "RelationWidgets/wConditionalRelationship.h"

#include "PlainTextBox.h"
#include "PrimitiveWidgets/wLineEdit.h"
#include "RelationWidgets/ConditionalBodyParser.h"
#include "RelationWidgets/TezaurusTree.h"
#include "RelationWidgets/wParameterRelationGroups.h"
#include "SlotGuard.h"
#include "cl_mathFormulaParser.h"
#include "ui_wConditionalRelationship.h"

#include <QLabel>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const int KEY_COMMAND = 10;
const int KEY_DESCRIPTION = 20;
const int KEY_IF = 30;
const int KEY_THEN = 40;
const int KEY_ELSE = 50;
const int KEY_INPUTS = 60;
const int KEY_OUTPUTS = 70;
const int KEY_ERROR_TITLE = 1;
const int KEY_FILL_CLAUSE = 11;
const int KEY_NO_OUTPUT = 150;

} // namespace

wConditionalRelationship::wConditionalRelationship(QWidget *n_parent)
    : RelationPage(n_parent), ui(new Ui::wConditionalRelationship), m_constraint(false)
{
    ui->setupUi(this);
    initializeWidget();
    m_currentField = m_ifField;
    connect(m_tezaurusTree, &QTreeWidget::itemDoubleClicked, this,
            &wConditionalRelationship::tezarusDoubleClick);
    for (wLineEdit *field : {m_ifField, m_thenField, m_elseField}) {
        connect(field, &wLineEdit::textChanged, this, &wConditionalRelationship::changeFormula);
        connect(field, &wLineEdit::gotFocus, this, &wConditionalRelationship::gotFocus);
    }
}

wConditionalRelationship::~wConditionalRelationship()
{
    delete ui;
}

void wConditionalRelationship::initializeWidget()
{
    QSplitter *splitter = createTezaurusSplitter(ifText(KEY_COMMAND), ifText(KEY_DESCRIPTION));
    placeBesideTezaurus(splitter, getConditionalWidget(), ui->mainLayout);
}

QWidget *wConditionalRelationship::getConditionalWidget()
{
    auto *right = new QWidget(this);
    auto *layout = new QVBoxLayout(right);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto field = [&](QLabel **n_label, wLineEdit **n_field, int n_key, const char *n_name) {
        *n_label = new QLabel(ifText(n_key), right);
        *n_field = new wLineEdit(right);
        (*n_field)->setObjectName(QLatin1String(n_name));
        layout->addWidget(*n_label);
        layout->addWidget(*n_field);
    };
    field(&m_ifLabel, &m_ifField, KEY_IF, "leIf");
    field(&m_thenLabel, &m_thenField, KEY_THEN, "leThen");
    field(&m_elseLabel, &m_elseField, KEY_ELSE, "leElse");
    auto *tables = new QSplitter(Qt::Vertical, right);
    createTables(tables, ifText(KEY_INPUTS), ifText(KEY_OUTPUTS), true);
    tables->addWidget(m_inputTable);
    tables->addWidget(m_outputTable);
    layout->addWidget(tables);
    return right;
}

void wConditionalRelationship::setBodyFormula(const QString &n_text)
{
    m_storedBody = n_text;
    const ConditionalBodyParser::Parts parts = ConditionalBodyParser::parse(n_text);
    m_ifField->setText(parts.condition);
    m_thenField->setText(parts.thenPart);
    m_elseField->setText(parts.elsePart);
    m_body = m_storedBody;
}

QString wConditionalRelationship::getBody() const
{
    return m_body;
}

QString wConditionalRelationship::getWholeStr() const
{
    return QStringLiteral("if (") + m_ifField->text() + QStringLiteral(") {") + m_thenField->text()
           + QStringLiteral(";} else {") + m_elseField->text() + QStringLiteral(";}");
}

void wConditionalRelationship::showMissingFieldBox()
{
    PlainTextBox::show(QMessageBox::Information, ideText(KEY_ERROR_TITLE),
                       ideText(KEY_FILL_CLAUSE));
}

void wConditionalRelationship::takeAnalysis(const cl_mathFormulaParser &n_parser)
{
    m_inputNames = n_parser.getInputVariables();
    m_outputNames = n_parser.getOutputVariables();
    m_body = n_parser.getWholeString();
    setParameters();
}

bool wConditionalRelationship::analyze()
{
    if (m_constraint) {
        analyzeConstr();
        return true;
    }
    if (m_ifField->text().isEmpty() || m_thenField->text().isEmpty()
        || m_elseField->text().isEmpty()) {
        showMissingFieldBox();
        return true;
    }
    cl_mathFormulaParser parser;
    parser.IfThenElseRelation(m_ifField->text(), m_thenField->text(), m_elseField->text());
    if (!parser.getFlagState()) {
        m_valid = false;
        return true;
    }
    takeAnalysis(parser);
    if (m_outputNames.isEmpty()) {
        PlainTextBox::show(QMessageBox::Warning, ideText(KEY_ERROR_TITLE), ideText(KEY_NO_OUTPUT),
                           this);
        m_valid = false;
    } else {
        m_valid = true;
    }
    return true;
}

void wConditionalRelationship::analyzeConstr()
{
    if (m_ifField->text().isEmpty()) {
        showMissingFieldBox();
        return;
    }
    cl_mathFormulaParser parser;
    if (!parser.constraintRelation(m_ifField->text())) {
        m_valid = false;
        return;
    }
    takeAnalysis(parser);
    m_valid = true;
}

bool wConditionalRelationship::check() const
{
    return getWholeStr() != m_oldBody || tablesChanged();
}

void wConditionalRelationship::setParameters()
{
    refillTables(m_inputNames, m_outputNames);
}

void wConditionalRelationship::setConstraint(bool n_reset)
{
    m_constraint = true;
    m_outputTable->hide();
    m_thenField->setEnabled(false);
    m_elseField->setEnabled(false);
    m_thenField->setText(QStringLiteral("flag = true"));
    m_elseField->setText(QStringLiteral("flag = false"));
    m_outputTable->setParams({QStringLiteral("flag")},
                             {{QStringLiteral("flag"), QVariant::Double}});
    if (n_reset)
        m_outputTable->setIsChanged(false);
}

void wConditionalRelationship::tezarusDoubleClick(QTreeWidgetItem *n_item, int)
{
    SlotGuard::run(
        [&] {
            if (n_item)
                TezaurusTree::insertAtCursor(m_currentField, n_item->text(0));
        },
        this);
}

void wConditionalRelationship::changeFormula(QString)
{
    SlotGuard::run([this] { m_valid = false; }, this);
}

void wConditionalRelationship::gotFocus()
{
    SlotGuard::run(
        [this] {
            for (wLineEdit *field : {m_ifField, m_elseField, m_thenField}) {
                if (field->isFocused())
                    m_currentField = field;
            }
        },
        this);
}
