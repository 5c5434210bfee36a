#include "RelationWidgets/wProgramRelation.h"

#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "QuotedText.h"
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
#include <QScriptEngine>
#include <QScriptSyntaxCheckResult>
#include <QSet>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const int KEY_DEBUG_ERROR = 20;

// A variable name the script and the model file can both hold.
bool isIdentifier(const QString &n_name)
{
    static const QRegExp identifier(QStringLiteral("[A-Za-z_$][A-Za-z0-9_$]*"));
    return identifier.exactMatch(n_name);
}

// The value an input of that type holds in a trial: 0, "", false or an empty list; a number for
// every other type, as the tables offer numbers and texts only.
QScriptValue plainValue(QScriptEngine &n_engine, QVariant::Type n_type)
{
    if (n_type == QVariant::String)
        return QScriptValue(QString());
    if (n_type == QVariant::Bool)
        return QScriptValue(false);
    if (n_type == QVariant::List || n_type == QVariant::StringList)
        return n_engine.newArray(0);
    return QScriptValue(0);
}

} // namespace

wProgramRelation::wProgramRelation(QWidget *n_parent)
    : RelationPage(n_parent), ui(new Ui::wProgramRelation)
{
    ui->setupUi(this);
    initializeWidget();
    connect(m_tezaurusTree, &QTreeWidget::itemDoubleClicked, this,
            &wProgramRelation::tezarusDoubleClick);
    connect(m_code, &QPlainTextEdit::textChanged, this, &wProgramRelation::changeProgramFunction);
}

wProgramRelation::~wProgramRelation()
{
    delete ui;
}

void wProgramRelation::initializeWidget()
{
    QSplitter *splitter = createTezaurusSplitter(baseText(20), baseText(2));
    auto *right = new QSplitter(Qt::Vertical, splitter);
    right->addWidget(getCodeSpaceWidget());
    right->addWidget(getParametersWidget());
    placeBesideTezaurus(splitter, right, ui->mainLayout);
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
    createTables(tables, ifText(60), ifText(70), false);
    tables->addWidget(m_inputTable);
    tables->addWidget(m_outputTable);
    return tables;
}

void wProgramRelation::setBodyFormula(const QString &n_text)
{
    if (m_code->toPlainText() != n_text)
        m_code->setPlainText(n_text);
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
        box.setText(QuotedText::quote(syntax.errorMessage()));
        m_valid = false;
        MessageBoxes::execBox(box);
        return false;
    }
    // Every trial starts from a clean engine holding the variables as a real run gives them, so
    // that a script reading its inputs passes and no earlier trial's names linger. The run is
    // bounded by the core's time budget, so that a loop cannot freeze the program.
    QScriptEngine engine;
    ScriptEngineGuard *guard = ScriptEngineGuard::guardOf(&engine);
    defineVariables(engine);
    guard->beginEvaluation();
    engine.evaluate(code, QString(), 1);
    const bool timedOut = guard->endEvaluation();
    if (!timedOut && !engine.hasUncaughtException()) {
        m_valid = true;
        return true;
    }
    if (timedOut) {
        box.setText(ideText(ErrorDictionary::ERROR_IDE_EVALUATION_TIMEOUT));
    } else {
        // The engine knows the line of a thrown error, not of a thrown plain value.
        const int line = engine.uncaughtExceptionLineNumber();
        const QString message = QuotedText::quote(engine.uncaughtException().toString());
        box.setText(ideText(KEY_DEBUG_ERROR) + QLatin1Char('\n')
                    + (line > 0 ? ideText(ErrorDictionary::ERROR_IDE_SCRIPT_LINE)
                                      .arg(QString::number(line), message)
                                : message));
    }
    m_valid = false;
    MessageBoxes::execBox(box);
    return false;
}

void wProgramRelation::defineVariables(QScriptEngine &n_engine)
{
    QScriptValue global = n_engine.globalObject();
    const QHash<QString, QVariant::Type> inputTypes = getInputTypes();
    for (const QString &name : getInputParams())
        global.setProperty(name, plainValue(n_engine, inputTypes.value(name)));
    // An output holds null until the script assigns it, as after every real run.
    for (const QString &name : getOutputParams())
        global.setProperty(name, n_engine.nullValue());
}

bool wProgramRelation::check() const
{
    return m_code->toPlainText() != m_oldBody || tablesChanged();
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
