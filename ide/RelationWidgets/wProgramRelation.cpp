#include "RelationWidgets/wProgramRelation.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "RelationWidgets/TezaurusTree.h"
#include "RelationWidgets/wParameterRelationGroups.h"
#include "SlotGuard.h"
#include "elements/ScriptEngineGuard.h"
#include "ui_wProgramRelation.h"

#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegExp>
#include <QScriptSyntaxCheckResult>
#include <QSet>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const int KEY_DEBUG_ERROR = 20;

QString baseText(int n_offset)
{
    InterfaceLanguage &language = InterfaceLanguage::Instance();
    return language.getTextById(language.getBaseInterfaceBeginKey() + n_offset);
}

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

// A variable name the script and the model file can both hold.
bool isIdentifier(const QString &n_name)
{
    static const QRegExp identifier(QStringLiteral("[A-Za-z_$][A-Za-z0-9_$]*"));
    return identifier.exactMatch(n_name);
}

} // namespace

wProgramRelation::wProgramRelation(QWidget *n_parent)
    : QWidget(n_parent), ui(new Ui::wProgramRelation), m_valid(false)
{
    ui->setupUi(this);
    initializeWidget();
    connect(m_tezaurusTree, &QTreeWidget::itemDoubleClicked, this, &wProgramRelation::tezarusDoubleClick);
    connect(m_code, &QPlainTextEdit::textChanged, this, &wProgramRelation::changeProgramFunction);
}

wProgramRelation::~wProgramRelation()
{
    delete ui;
}

void wProgramRelation::initializeWidget()
{
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    m_tezaurusTree = TezaurusTree::create(splitter, baseText(20), baseText(2));
    auto *right = new QSplitter(Qt::Vertical, splitter);
    right->addWidget(getCodeSpaceWidget());
    right->addWidget(getParametersWidget());
    splitter->addWidget(m_tezaurusTree);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    ui->mainLayout->addWidget(splitter);
}

QWidget *wProgramRelation::getCodeSpaceWidget()
{
    auto *space = new QWidget(this);
    auto *layout = new QVBoxLayout(space);
    layout->setContentsMargins(0, 0, 0, 0);
    m_codeLabel = new QLabel(baseText(30), space);
    m_code = new QPlainTextEdit(space);
    m_code->setObjectName(QStringLiteral("teCode"));
    layout->addWidget(m_codeLabel);
    layout->addWidget(m_code);
    return space;
}

QWidget *wProgramRelation::getParametersWidget()
{
    auto *tables = new QSplitter(Qt::Vertical, this);
    m_inputTable = new wParameterRelationGroups(tables);
    m_inputTable->setObjectName(QStringLiteral("inputTable"));
    m_outputTable = new wParameterRelationGroups(tables);
    m_outputTable->setObjectName(QStringLiteral("outputTable"));
    tables->addWidget(m_inputTable);
    tables->addWidget(m_outputTable);
    m_inputTable->setLable(ifText(60));
    m_outputTable->setLable(ifText(70));
    m_inputTable->setIsChanged(false);
    m_outputTable->setIsChanged(false);
    return tables;
}

void wProgramRelation::setTezarus(QHash<QString, QList<QString>> n_tezaurus)
{
    m_tezaurus = n_tezaurus;
    TezaurusTree::fill(m_tezaurusTree, m_tezaurus);
}

void wProgramRelation::setInputParameters(QList<QString> n_names, QHash<QString, QVariant::Type> n_types)
{
    m_inputTable->setParams(n_names, n_types);
    m_inputTable->setIsChanged(false);
    m_valid = true;
}

void wProgramRelation::setOutputParameters(QList<QString> n_names, QHash<QString, QVariant::Type> n_types)
{
    m_outputTable->setParams(n_names, n_types);
    m_outputTable->setIsChanged(false);
    m_valid = true;
}

void wProgramRelation::setBodyFormula(const QString &n_text)
{
    if (m_code->toPlainText() != n_text)
        m_code->setPlainText(n_text);
}

void wProgramRelation::setOldBody(const QString &n_text)
{
    m_oldBody = n_text;
}

QString wProgramRelation::getOldBody() const
{
    return m_oldBody;
}

QString wProgramRelation::getBody() const
{
    return m_code->toPlainText();
}

bool wProgramRelation::namesAreValid()
{
    for (wParameterRelationGroups *table : {m_inputTable, m_outputTable}) {
        if (table->getRowCount() == 0)
            continue;
        QSet<QString> seen;
        for (const QString &name : table->getParams()) {
            if (!isIdentifier(name) || seen.contains(name))
                return false;
            seen.insert(name);
        }
    }
    return true;
}

bool wProgramRelation::analyze()
{
    QMessageBox box;
    box.setWindowIcon(QIcon(QStringLiteral(":/prog/Images/24x24/debug.png")));
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    // Engine messages may quote the script.
    box.setTextFormat(Qt::PlainText);

    // A name the script or the model file cannot hold would break saving the whole model.
    if (!namesAreValid()) {
        box.setIcon(QMessageBox::Critical);
        box.setText(ideText(ErrorDictionary::ERROR_IDE_BAD_VARIABLE_NAME));
        m_valid = false;
        MessageBoxes::execBox(box);
        return false;
    }
    const QString code = m_code->toPlainText();
    const QScriptSyntaxCheckResult syntax = QScriptEngine::checkSyntax(code);
    if (syntax.state() != QScriptSyntaxCheckResult::Valid) {
        box.setIconPixmap(QPixmap(QStringLiteral(":/prog/Images/16x16/error.png")));
        box.setText(syntax.errorMessage());
        m_valid = false;
        MessageBoxes::execBox(box);
        return false;
    }
    // The trial run is bounded by the core's time budget, so that a loop cannot freeze the program.
    ScriptEngineGuard *guard = ScriptEngineGuard::guardOf(&m_engine);
    guard->beginEvaluation();
    m_engine.evaluate(code, QString(), 1);
    const bool timedOut = guard->endEvaluation();
    if (!timedOut && !m_engine.hasUncaughtException()) {
        m_valid = true;
        return true;
    }
    box.setText(timedOut ? ideText(ErrorDictionary::ERROR_IDE_EVALUATION_TIMEOUT) : ideText(KEY_DEBUG_ERROR));
    m_engine.clearExceptions();
    m_valid = false;
    MessageBoxes::execBox(box);
    return false;
}

bool wProgramRelation::verify() const
{
    return m_valid;
}

bool wProgramRelation::check() const
{
    return m_code->toPlainText() != m_oldBody || m_inputTable->getIsChanged() || m_outputTable->getIsChanged();
}

QList<QString> wProgramRelation::getInputParams()
{
    return m_inputTable->getRowCount() == 0 ? QList<QString>() : m_inputTable->getParams();
}

QList<QString> wProgramRelation::getOutputParams()
{
    return m_outputTable->getRowCount() == 0 ? QList<QString>() : m_outputTable->getParams();
}

QHash<QString, QVariant::Type> wProgramRelation::getInputTypes()
{
    if (m_inputTable->getRowCount() == 0)
        return {};
    m_inputTable->getParams();
    return m_inputTable->getTypes();
}

QHash<QString, QVariant::Type> wProgramRelation::getOutputTypes()
{
    if (m_outputTable->getRowCount() == 0)
        return {};
    m_outputTable->getParams();
    return m_outputTable->getTypes();
}

void wProgramRelation::setParameters()
{
}

void wProgramRelation::tezarusDoubleClick(QTreeWidgetItem *, int)
{
}

void wProgramRelation::changeProgramFunction()
{
    SlotGuard::run([this] { m_valid = false; }, this);
}
