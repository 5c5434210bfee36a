#include "RelationWidgets/wConditionalRelationship.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
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

QString ifText(int n_offset)
{
    InterfaceLanguage &language = InterfaceLanguage::Instance();
    return language.getTextById(language.getConditionalRelationBeginKey() + n_offset);
}

QString ideText(int n_offset)
{
    ErrorDictionary &dictionary = ErrorDictionary::Instance();
    return dictionary.getErrorById(dictionary.getOstraIDEBeginKey() + n_offset);
}

QHash<QString, QVariant::Type> tableTypes(wParameterRelationGroups *n_table)
{
    n_table->getParams();
    return n_table->getTypes();
}

} // namespace

wConditionalRelationship::wConditionalRelationship(QWidget *n_parent)
    : QWidget(n_parent), ui(new Ui::wConditionalRelationship), m_valid(false), m_constraint(false)
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
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    m_tezaurusTree = TezaurusTree::create(splitter, ifText(KEY_COMMAND), ifText(KEY_DESCRIPTION));
    splitter->addWidget(m_tezaurusTree);
    splitter->addWidget(getConditionalWidget());
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    ui->mainLayout->addWidget(splitter);
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
    m_inputTable = new wParameterRelationGroups(tables);
    m_inputTable->setObjectName(QStringLiteral("inputTable"));
    m_outputTable = new wParameterRelationGroups(tables);
    m_outputTable->setObjectName(QStringLiteral("outputTable"));
    tables->addWidget(m_inputTable);
    tables->addWidget(m_outputTable);
    layout->addWidget(tables);
    m_inputTable->setLable(ifText(KEY_INPUTS));
    m_outputTable->setLable(ifText(KEY_OUTPUTS));
    for (wParameterRelationGroups *table : {m_inputTable, m_outputTable}) {
        table->setReadOnlyLineEdit(true);
        table->setIsChanged(false);
    }
    return right;
}

void wConditionalRelationship::setTezarus(QHash<QString, QList<QString>> n_tezaurus)
{
    m_tezaurus = n_tezaurus;
    TezaurusTree::fill(m_tezaurusTree, m_tezaurus);
}

void wConditionalRelationship::setInputParameters(QList<QString> n_names, QHash<QString, QVariant::Type> n_types)
{
    m_inputTable->setParams(n_names, n_types);
    m_inputTable->setIsChanged(false);
    m_valid = true;
}

void wConditionalRelationship::setOutputParameters(QList<QString> n_names, QHash<QString, QVariant::Type> n_types)
{
    m_outputTable->setParams(n_names, n_types);
    m_outputTable->setIsChanged(false);
    m_valid = true;
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

void wConditionalRelationship::setOldBody(const QString &n_text)
{
    m_oldBody = n_text;
}

QString wConditionalRelationship::getOldBody() const
{
    return m_oldBody;
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
    PlainTextBox::show(QMessageBox::Information, ideText(KEY_ERROR_TITLE), ideText(KEY_FILL_CLAUSE));
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
    if (m_ifField->text().isEmpty() || m_thenField->text().isEmpty() || m_elseField->text().isEmpty()) {
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
        PlainTextBox::show(QMessageBox::Warning, ideText(KEY_ERROR_TITLE), ideText(KEY_NO_OUTPUT), this);
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

bool wConditionalRelationship::verify() const
{
    return m_valid;
}

bool wConditionalRelationship::check() const
{
    return getWholeStr() != m_oldBody || m_inputTable->getIsChanged() || m_outputTable->getIsChanged();
}

QList<QString> wConditionalRelationship::getInputParams()
{
    return m_inputTable->getParams();
}

QList<QString> wConditionalRelationship::getOutputParams()
{
    return m_outputTable->getParams();
}

QHash<QString, QVariant::Type> wConditionalRelationship::getInputTypes()
{
    return m_inputTable->getTypes();
}

QHash<QString, QVariant::Type> wConditionalRelationship::getOutputTypes()
{
    return m_outputTable->getTypes();
}

void wConditionalRelationship::setParameters()
{
    m_inputTypes = tableTypes(m_inputTable);
    m_outputTypes = tableTypes(m_outputTable);
    m_inputTable->setParams(m_inputNames, m_inputTypes);
    m_outputTable->setParams(m_outputNames, m_outputTypes);
}

void wConditionalRelationship::setConstraint(bool n_reset)
{
    m_constraint = true;
    m_outputTable->hide();
    m_thenField->setEnabled(false);
    m_elseField->setEnabled(false);
    m_thenField->setText(QStringLiteral("flag = true"));
    m_elseField->setText(QStringLiteral("flag = false"));
    m_outputTable->setParams({QStringLiteral("flag")}, {{QStringLiteral("flag"), QVariant::Double}});
    if (n_reset)
        m_outputTable->setIsChanged(false);
}

void wConditionalRelationship::tezarusDoubleClick(QTreeWidgetItem *n_item, int)
{
    SlotGuard::run([&] {
        if (n_item)
            TezaurusTree::insertAtCursor(m_currentField, n_item->text(0));
    }, this);
}

void wConditionalRelationship::changeFormula(QString)
{
    SlotGuard::run([this] { m_valid = false; }, this);
}

void wConditionalRelationship::gotFocus()
{
    SlotGuard::run([this] {
        for (wLineEdit *field : {m_ifField, m_elseField, m_thenField}) {
            if (field->isFocused())
                m_currentField = field;
        }
    }, this);
}
