#include "RelationWidgets/wSimpleRelation.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "RelationWidgets/TezaurusTree.h"
#include "RelationWidgets/wParameterRelationGroups.h"
#include "SlotGuard.h"
#include "cl_mathFormulaParser.h"
#include "ui_wSimpleRelation.h"

#include <QLineEdit>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString baseText(int n_offset)
{
    InterfaceLanguage &language = InterfaceLanguage::Instance();
    return language.getTextById(language.getBaseInterfaceBeginKey() + n_offset);
}

void merge(const QList<QString> &n_storedNames, const QHash<QString, QVariant::Type> &n_storedTypes,
           const QList<QString> &n_found, QList<QString> *n_names, QHash<QString, QVariant::Type> *n_types)
{
    *n_names = n_storedNames;
    *n_types = n_storedTypes;
    for (const QString &name : n_found) {
        if (!n_storedNames.contains(name))
            n_names->append(name);
    }
    for (int i = n_names->size() - 1; i >= 0; --i) {
        if (!n_found.contains(n_names->at(i)))
            n_types->remove(n_names->takeAt(i));
    }
}

// The types the table holds now, one per row.
QHash<QString, QVariant::Type> tableTypes(wParameterRelationGroups *n_table)
{
    n_table->getParams();
    return n_table->getTypes();
}

} // namespace

wSimpleRelation::wSimpleRelation(QWidget *n_parent)
    : QWidget(n_parent), ui(new Ui::wSimpleRelation), m_valid(false)
{
    ui->setupUi(this);
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    m_tezaurusTree = TezaurusTree::create(splitter, baseText(20), baseText(2));
    auto *right = new QWidget(splitter);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    m_formula = new QLineEdit(right);
    m_formula->setObjectName(QStringLiteral("leFormula"));
    m_inputTable = new wParameterRelationGroups(right);
    m_inputTable->setObjectName(QStringLiteral("inputTable"));
    m_outputTable = new wParameterRelationGroups(right);
    m_outputTable->setObjectName(QStringLiteral("outputTable"));
    rightLayout->addWidget(m_formula);
    rightLayout->addWidget(m_inputTable);
    rightLayout->addWidget(m_outputTable);
    splitter->addWidget(m_tezaurusTree);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    ui->mainLayout->addWidget(splitter);

    m_inputTable->setLable(baseText(40));
    m_outputTable->setLable(baseText(50));
    for (wParameterRelationGroups *table : {m_inputTable, m_outputTable}) {
        table->setReadOnlyLineEdit(true);
        table->setIsChanged(false);
    }
    connect(m_tezaurusTree, &QTreeWidget::itemDoubleClicked, this, &wSimpleRelation::tezarusDoubleClick);
    connect(m_formula, &QLineEdit::textChanged, this, &wSimpleRelation::changeFormula);
}

wSimpleRelation::~wSimpleRelation()
{
    delete ui;
}

void wSimpleRelation::setTezarus(QHash<QString, QList<QString>> n_tezaurus)
{
    m_tezaurus = n_tezaurus;
    TezaurusTree::fill(m_tezaurusTree, m_tezaurus);
}

void wSimpleRelation::setInputParameters(QList<QString> n_names, QHash<QString, QVariant::Type> n_types)
{
    m_storedInputNames = n_names;
    m_storedInputTypes = n_types;
    m_inputTable->setParams(n_names, n_types);
    m_inputTable->setIsChanged(false);
    m_valid = true;
}

void wSimpleRelation::setOutputParameters(QList<QString> n_names, QHash<QString, QVariant::Type> n_types)
{
    m_storedOutputNames = n_names;
    m_storedOutputTypes = n_types;
    m_outputTable->setParams(n_names, n_types);
    m_outputTable->setIsChanged(false);
    m_valid = true;
}

void wSimpleRelation::setBodyFormula(const QString &n_text)
{
    m_formula->setText(n_text);
}

void wSimpleRelation::setOldBody(const QString &n_text)
{
    m_oldBody = n_text;
}

QString wSimpleRelation::getOldBody() const
{
    return m_oldBody;
}

QString wSimpleRelation::getBody() const
{
    return m_formula->text();
}

bool wSimpleRelation::analyze()
{
    cl_mathFormulaParser parser;
    parser.simpleFormulaRelation(m_formula->text());
    m_valid = parser.getFlagState();
    if (m_valid) {
        setParseInputParameters(parser.getInputVariables());
        setParseOutputParameters(parser.getOutputVariables());
        setParameters();
    }
    return m_valid;
}

bool wSimpleRelation::verify() const
{
    return m_valid;
}

bool wSimpleRelation::check() const
{
    return m_formula->text() != m_oldBody || m_inputTable->getIsChanged() || m_outputTable->getIsChanged();
}

QList<QString> wSimpleRelation::getInputParams()
{
    return m_inputTable->getParams();
}

QList<QString> wSimpleRelation::getOutputParams()
{
    return m_outputTable->getParams();
}

QHash<QString, QVariant::Type> wSimpleRelation::getInputTypes()
{
    return m_inputTable->getTypes();
}

QHash<QString, QVariant::Type> wSimpleRelation::getOutputTypes()
{
    return m_outputTable->getTypes();
}

void wSimpleRelation::setParameters()
{
    const QHash<QString, QVariant::Type> inputTypes = tableTypes(m_inputTable);
    const QHash<QString, QVariant::Type> outputTypes = tableTypes(m_outputTable);
    m_inputTable->setParams(m_inputNames, inputTypes);
    m_outputTable->setParams(m_outputNames, outputTypes);
}

void wSimpleRelation::setParseInputParameters(QList<QString> n_found)
{
    merge(m_storedInputNames, m_storedInputTypes, n_found, &m_inputNames, &m_inputTypes);
}

void wSimpleRelation::setParseOutputParameters(QList<QString> n_found)
{
    merge(m_storedOutputNames, m_storedOutputTypes, n_found, &m_outputNames, &m_outputTypes);
}

void wSimpleRelation::tezarusDoubleClick(QTreeWidgetItem *n_item, int)
{
    SlotGuard::run([&] {
        if (n_item)
            TezaurusTree::insertAtCursor(m_formula, n_item->text(0));
    }, this);
}

void wSimpleRelation::changeFormula(QString)
{
    SlotGuard::run([this] { m_valid = false; }, this);
}
