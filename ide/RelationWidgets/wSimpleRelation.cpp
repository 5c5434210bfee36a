#include "RelationWidgets/wSimpleRelation.h"

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

void merge(const QList<QString> &n_storedNames, const QHash<QString, QVariant::Type> &n_storedTypes,
           const QList<QString> &n_found, QList<QString> *n_names,
           QHash<QString, QVariant::Type> *n_types)
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

} // namespace

wSimpleRelation::wSimpleRelation(QWidget *n_parent)
    : RelationPage(n_parent), ui(new Ui::wSimpleRelation)
{
    ui->setupUi(this);
    QSplitter *splitter = createTezaurusSplitter(baseText(20), baseText(2));
    auto *right = new QWidget(splitter);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    m_formula = new QLineEdit(right);
    m_formula->setObjectName(QStringLiteral("leFormula"));
    createTables(right, baseText(40), baseText(50), true);
    rightLayout->addWidget(m_formula);
    rightLayout->addWidget(m_inputTable);
    rightLayout->addWidget(m_outputTable);
    placeBesideTezaurus(splitter, right, ui->mainLayout);
    connect(m_tezaurusTree, &QTreeWidget::itemDoubleClicked, this,
            &wSimpleRelation::tezarusDoubleClick);
    connect(m_formula, &QLineEdit::textChanged, this, &wSimpleRelation::changeFormula);
}

wSimpleRelation::~wSimpleRelation()
{
    delete ui;
}

void wSimpleRelation::setInputParameters(QList<QString> n_names,
                                         QHash<QString, QVariant::Type> n_types)
{
    m_storedInputNames = n_names;
    m_storedInputTypes = n_types;
    RelationPage::setInputParameters(n_names, n_types);
}

void wSimpleRelation::setOutputParameters(QList<QString> n_names,
                                          QHash<QString, QVariant::Type> n_types)
{
    m_storedOutputNames = n_names;
    m_storedOutputTypes = n_types;
    RelationPage::setOutputParameters(n_names, n_types);
}

void wSimpleRelation::setBodyFormula(const QString &n_text)
{
    m_formula->setText(n_text);
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

bool wSimpleRelation::check() const
{
    return m_formula->text() != m_oldBody || tablesChanged();
}

void wSimpleRelation::setParameters()
{
    refillTables(m_inputNames, m_outputNames);
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
    SlotGuard::run(
        [&] {
            if (n_item)
                TezaurusTree::insertAtCursor(m_formula, n_item->text(0));
        },
        this);
}

void wSimpleRelation::changeFormula(QString)
{
    SlotGuard::run([this] { m_valid = false; }, this);
}
