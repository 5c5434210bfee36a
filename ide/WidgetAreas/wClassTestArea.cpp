#include "WidgetAreas/wClassTestArea.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "PlainTextBox.h"
#include "PrimitiveWidgets/dialogAlgGraph.h"
#include "PrimitiveWidgets/widgetLineEditWithUIDMember.h"
#include "QuotedText.h"
#include "SlotGuard.h"
#include "WidgetAreas/ClassTestStop.h"
#include "WidgetAreas/MessageItem.h"
#include "elements/ScriptEngineGuard.h"
#include "WidgetAreas/TestResultText.h"
#include "errors/Exceptions.h"
#include "model/OstraClass.h"
#include "solver/BaseAlgorithmData.h"
#include "ui_wClassTestArea.h"
#include "workspace/colleagues/TestModelColleague.h"
#include "workspace/routing/CommandItem.h"

#include <QCheckBox>
#include <QDebug>
#include <QHeaderView>
#include <QLocale>
#include <QTreeWidgetItem>

#include <exception>
#include <utility>

namespace {
const int KEY_ERROR_TITLE = 1;    // "Error"
const int KEY_NOT_A_NUMBER = 180; // "Ввели текст вместо числа."
const int KEY_NO_INTEGRITY = 260; // the class fails its integrity check
const int COLUMN_NAME = 0;
const int COLUMN_VALUE = 1;
const int COLUMN_FIND = 2;

QString idOf(const QTreeWidgetItem *n_row)
{
    return n_row->data(COLUMN_NAME, Qt::UserRole).toString();
}

bool isBelow(const QTreeWidgetItem *n_row, const QTreeWidgetItem *n_ancestor)
{
    for (const QTreeWidgetItem *row = n_row; row; row = row->parent())
        if (row == n_ancestor)
            return true;
    return false;
}
} // namespace

wClassTestArea::wClassTestArea(bool, QWidget *parent) : QWidget(parent), ui(new Ui_wClassTestArea)
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/prog/Images/24x24/console.png")));
    m_messageBaseKey = ErrorDictionary::Instance().getOstraIDEBeginKey();
    ui->testButton->hide();
    ui->clearButtton->hide();
    ui->showGraphCB->hide();
    ui->onlyResultsCB->hide();
}

wClassTestArea::~wClassTestArea()
{
    clearParameterDataWidgets();
    clearParameterCheckBoxWidgets();
    delete m_graphDialog;
}

QString wClassTestArea::testText(int n_offset) const
{
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    return texts.getTextById(texts.getOstraTestBeginKey() + n_offset);
}

QString wClassTestArea::message(int n_offset) const
{
    return ErrorDictionary::Instance().getErrorById(m_messageBaseKey + n_offset);
}

// ---- class under test and tree ----

void wClassTestArea::setRootClass(QSharedPointer<OstraClass> n_class)
{
    if (!n_class) {
        showBox(message(m_nullClassOffset));
        return;
    }
    m_rootClass = std::move(n_class);
    setTitleFromClass();
    if (!m_graphDialog)
        makeGraphDialog(this);
    m_graphDialog->updateOstraData(m_rootClass);
    updateObjectsTree();
}

QSharedPointer<OstraClass> wClassTestArea::getRootClass() const
{
    return m_rootClass;
}

void wClassTestArea::setColleague(TestModelColleague *n_colleague)
{
    m_colleague = n_colleague;
}

void wClassTestArea::setTitleFromClass()
{
    if (m_rootClass)
        setWindowTitle(testText(m_testTitleOffset) + QLatin1Char(' ')
                       + m_rootClass->getShortName());
}

void wClassTestArea::makeGraphDialog(QWidget *n_parent)
{
    m_graphDialog = new dialogAlgGraph(m_rootClass, n_parent);
    connect(m_graphDialog, &QDialog::rejected, this,
            [this] { SlotGuard::run([this] { onGraphDialogClose(); }, this); });
}

void wClassTestArea::onGraphDialogClose()
{
    const QSignalBlocker blocker(ui->showGraphCB);
    ui->showGraphCB->setChecked(false);
}

QTreeWidgetItem *wClassTestArea::makeRow(const QString &n_name, const QString &n_id)
{
    auto *row = new QTreeWidgetItem();
    row->setText(COLUMN_NAME, n_name);
    row->setData(COLUMN_NAME, Qt::UserRole, n_id);
    m_rows.insert(n_id, row);
    return row;
}

void wClassTestArea::updateObjectsTree()
{
    clearParameterDataWidgets();
    clearParameterCheckBoxWidgets();
    ui->objectsTree->clear();
    m_rows.clear();
    QTreeWidgetItem *top = makeRow(m_rootClass->getShortName(), m_rootClass->getId());
    createObjectTree(m_rootClass, top);
    ui->objectsTree->addTopLevelItem(top);
    ui->objectsTree->sortItems(COLUMN_NAME, ui->objectsTree->header()->sortIndicatorOrder());
}

void wClassTestArea::createObjectTree(QSharedPointer<OstraClass> n_class, QTreeWidgetItem *n_row)
{
    QList<QTreeWidgetItem *> children;
    for (const QSharedPointer<OstraClass> &child : n_class->getOwnClassesSet()) {
        QTreeWidgetItem *row = makeRow(child->getShortName(), child->getId());
        createObjectTree(child, row);
        children.append(row);
    }
    for (const QSharedPointer<ParameterModel> &parameter : n_class->getOwnParametersSet()) {
        const QString id = parameter->getId();
        children.append(makeRow(parameter->getShortName(), id));
        m_unmadeFields.insert(id, parameter);
        m_parameterCheckBoxWidgets.insert(id, new QCheckBox());
    }
    n_row->addChildren(children);
}

widgetLineEditWithUIDMember *wClassTestArea::createParameterDataWidget(
    QSharedPointer<ParameterModel> n_parameter)
{
    auto *field = new widgetLineEditWithUIDMember();
    field->setUID(n_parameter->getId());
    field->setAllowedType(n_parameter->getValueType() == QVariant::Double ? QVariant::Double
                                                                          : QVariant::String);
    if (n_parameter->hasDefaultValue())
        field->setDefaultValue(n_parameter->getDefaultValueStr());
    return field;
}

void wClassTestArea::clearParameterDataWidgets()
{
    for (widgetLineEditWithUIDMember *field : qAsConst(m_parameterDataWidgets))
        field->deleteLater();
    m_parameterDataWidgets.clear();
    m_unmadeFields.clear();
}

void wClassTestArea::clearParameterCheckBoxWidgets()
{
    for (QCheckBox *box : qAsConst(m_parameterCheckBoxWidgets))
        box->deleteLater();
    m_parameterCheckBoxWidgets.clear();
}

void wClassTestArea::on_objectsTree_itemExpanded(QTreeWidgetItem *n_row)
{
    SlotGuard::run([this, n_row] { placeFields(n_row); }, this);
}

void wClassTestArea::placeFields(QTreeWidgetItem *n_row)
{
    const int count = n_row->childCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem *child = n_row->child(i);
        if (child->childCount() == 0 && !ui->objectsTree->itemWidget(child, COLUMN_VALUE))
            placeField(child, idOf(child));
    }
    ui->objectsTree->resizeColumnToContents(COLUMN_NAME);
    ui->objectsTree->sortItems(COLUMN_NAME, Qt::AscendingOrder);
    showHideTestNotResultParameters(ui->onlyResultsCB->isChecked());
}

void wClassTestArea::placeField(QTreeWidgetItem *n_row, const QString &n_id)
{
    widgetLineEditWithUIDMember *field = fieldOf(n_id);
    if (n_id.isEmpty() || !field)
        return;
    field->setParentTreeWidgetItem(n_row);
    ui->objectsTree->setItemWidget(n_row, COLUMN_VALUE, field);
    if (QCheckBox *box = m_parameterCheckBoxWidgets.value(n_id))
        ui->objectsTree->setItemWidget(n_row, COLUMN_FIND, box);
}

widgetLineEditWithUIDMember *wClassTestArea::fieldOf(const QString &n_id)
{
    if (widgetLineEditWithUIDMember *field = m_parameterDataWidgets.value(n_id))
        return field;
    const QSharedPointer<ParameterModel> parameter = m_unmadeFields.take(n_id);
    if (!parameter)
        return nullptr;
    widgetLineEditWithUIDMember *field = createParameterDataWidget(parameter);
    m_parameterDataWidgets.insert(n_id, field);
    return field;
}

// The text a parameter's field holds, or would hold once made (its default), and whether it is a
// number field; false when the field is empty.
bool wClassTestArea::knownText(const QString &n_id, QString &n_text, bool &n_number) const
{
    if (const widgetLineEditWithUIDMember *field = m_parameterDataWidgets.value(n_id)) {
        n_text = field->getText();
        n_number = field->getAllowedType() != QVariant::String;
        return !field->isEmpty();
    }
    const QSharedPointer<ParameterModel> parameter = m_unmadeFields.value(n_id);
    if (!parameter || !parameter->hasDefaultValue())
        return false;
    n_text = parameter->getDefaultValueStr();
    n_number = parameter->getValueType() == QVariant::Double;
    return !n_text.trimmed().isEmpty();
}

QTreeWidgetItem *wClassTestArea::findTreeWidgetItem(QTreeWidgetItem *n_row,
                                                    const QString &n_id) const
{
    QTreeWidgetItem *row = m_rows.value(n_id);
    return row && isBelow(row, n_row) ? row : nullptr;
}

void wClassTestArea::deleteNode(QTreeWidgetItem *n_row, const QString &n_id)
{
    if (findTreeWidgetItem(n_row, n_id))
        removeRow(n_id);
}

void wClassTestArea::releaseEntries(const QString &n_id)
{
    // A placed field or box goes with its row; an unplaced one has no other holder. Deferred
    // deletion suits both.
    m_unmadeFields.remove(n_id);
    if (widgetLineEditWithUIDMember *field = m_parameterDataWidgets.take(n_id))
        field->deleteLater();
    if (QCheckBox *box = m_parameterCheckBoxWidgets.take(n_id))
        box->deleteLater();
}

void wClassTestArea::removeRow(const QString &n_id)
{
    QTreeWidgetItem *row = m_rows.value(n_id);
    if (!row)
        return;
    // The rows below go too, and with them their entries: no table may keep a field whose row is
    // gone.
    QList<QTreeWidgetItem *> pending{row};
    while (!pending.isEmpty()) {
        QTreeWidgetItem *current = pending.takeLast();
        const QString id = idOf(current);
        m_rows.remove(id);
        releaseEntries(id);
        for (int i = 0; i < current->childCount(); ++i)
            pending.append(current->child(i));
    }
    delete row;
}

void wClassTestArea::updateNode(QTreeWidgetItem *n_row, TypeWorkSpaceWindow n_kind,
                                const QString &n_parentId, const QString &n_id)
{
    if (!m_rootClass)
        return;
    if (n_id == m_rootClass->getId() && idOf(n_row) == n_id) {
        n_row->setText(COLUMN_NAME, m_rootClass->getShortName());
        setTitleFromClass();
        return;
    }
    QTreeWidgetItem *parentRow = findTreeWidgetItem(n_row, n_parentId);
    if (!parentRow)
        return;
    qDebug() << idOf(parentRow) + QLatin1Char(':') + n_parentId;
    if (n_kind == CLASS_WINDOW) {
        if (!m_rootClass->classContains(n_id))
            return;
        const QSharedPointer<OstraClass> cls = m_rootClass->getClassById(n_id);
        if (QTreeWidgetItem *row = findTreeWidgetItem(parentRow, n_id)) {
            row->setText(COLUMN_NAME, cls->getShortName());
            row->setData(COLUMN_NAME, Qt::UserRole, cls->getId());
        }
    } else if (n_kind == PARAMETER_WINDOW) {
        updateParameterRow(parentRow, n_id);
    }
}

void wClassTestArea::updateParameterRow(QTreeWidgetItem *n_parentRow, const QString &n_id)
{
    removeRow(n_id);
    // A parent row can be stale (its class moved out of the tested subtree): the parameter is
    // then no longer the tested class's, and its row just goes.
    if (!m_rootClass->parametersContains(n_id))
        return;
    const QSharedPointer<ParameterModel> parameter = m_rootClass->getParameterPtr(n_id);
    QTreeWidgetItem *row = makeRow(parameter->getShortName(), n_id);
    m_unmadeFields.insert(n_id, parameter);
    m_parameterCheckBoxWidgets.insert(n_id, new QCheckBox());
    n_parentRow->addChild(row);
    placeField(row, n_id);
}

bool wClassTestArea::updateItem(CommandItem *n_command)
{
    createItem(n_command);
    QTreeWidgetItem *top = ui->objectsTree->topLevelItem(0);
    if (!top || findTreeWidgetItem(top, n_command->getUid()))
        return false;
    if (n_command->getTypeWorkSpace() != CLASS_WINDOW
        || !m_rootClass->classContains(n_command->getUid()))
        return false;
    const QSharedPointer<OstraClass> cls = m_rootClass->getClassById(n_command->getUid());
    if (QTreeWidgetItem *parentRow = findTreeWidgetItem(top, n_command->getParentUid()))
        parentRow->addChild(makeRow(cls->getShortName(), n_command->getUid()));
    return false;
}

bool wClassTestArea::createItem(CommandItem *n_command)
{
    for (int i = 0; i < ui->objectsTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = ui->objectsTree->topLevelItem(i);
        updateNode(row, n_command->getTypeWorkSpace(), n_command->getParentUid(),
                   n_command->getUid());
        placeFields(row);
    }
    return false;
}

bool wClassTestArea::deleteItem(CommandItem *n_command)
{
    const TypeWorkSpaceWindow kind = n_command->getTypeWorkSpace();
    if (kind != CLASS_WINDOW && kind != PARAMETER_WINDOW)
        return true;
    for (int i = 0; i < ui->objectsTree->topLevelItemCount(); ++i)
        deleteNode(ui->objectsTree->topLevelItem(i), n_command->getUid());
    return true;
}

void wClassTestArea::retranslateUI()
{
    ui->retranslateUi(this);
    // The form gives its own title back; the tested class's title follows the language instead.
    setTitleFromClass();
    if (m_graphDialog)
        m_graphDialog->retranslateUI();
}

// ---- the test road ----

void wClassTestArea::run()
{
    on_testButton_clicked();
}

void wClassTestArea::on_testButton_clicked()
{
    SlotGuard::run(
        [this] {
            if (m_rootClass && m_colleague)
                testRoad();
        },
        this);
}

void wClassTestArea::reportFailure(const QString &n_text, const QString &n_debug)
{
    if (!n_debug.isNull())
        qDebug().noquote() << n_debug;
    showBox(n_text);
}

void wClassTestArea::showBox(const QString &n_text)
{
    PlainTextBox::show(QMessageBox::Information, message(KEY_ERROR_TITLE), n_text, this);
}

void wClassTestArea::testRoad()
{
    runTest();
    // A stop request of this run must not end a later evaluation.
    ScriptEngineGuard::setStopRequested(false);
}

void wClassTestArea::runTest()
{
    // Every step runs under the one ladder: an exception from the integrity check or the reset
    // must reach the user, not end the program.
    try {
        if (m_rootClass->checkClassIntegrity().areAnyErrors()) {
            MessageItem item(ERROR_MESSAGE, QString(), message(KEY_NO_INTEGRITY));
            m_colleague->sendError(&item);
            return;
        }
        QHash<QString, QVariant> known;
        QList<QString> required;
        if (!readPage(known, required))
            return;
        if (known.isEmpty()) {
            showBox(message(m_noKnownOffset));
            return;
        }
        if (required.isEmpty()) {
            showBox(message(m_noRequiredOffset));
            return;
        }
        m_rootClass->reset();
        m_rootClass->setSearchAlgorithm(BaseAlgorithm::RUNTIME_ALGORITHM,
                                        QSharedPointer<BaseAlgorithmData>::create(true, true));
        const QSharedPointer<BaseAlgorithm> solver = m_rootClass->getSearchAlgorithm();
        solver->setUseDefaultValues(false);
        solver->addKnownParameters(known);
        solver->addRequiredParameters(required);
        {
            const ClassTestStop stop;
            solver->calculate();
        }
        QSharedPointer<AlgorithmSolution> solution = solver->getAlgorithmSolution();
        m_algorithmSolution = *solution;
        if (!m_graphDialog)
            makeGraphDialog(nullptr);
        m_graphDialog->drawGraph(m_algorithmSolution);
        m_textAlgorithm = gatherTextAlgorithm(solution);
    } catch (const ValuesTypesMismatchExceptionOstra &e) {
        // The one failure whose text names the parameter it is about.
        reportFailure(e.toString(true) + QLatin1Char(' ') + e.getParameterId(), e.toString(true));
    } catch (const CalculationExceptionOstra &e) {
        // A run the user stopped only says so, in the interface's language. Otherwise the box
        // quotes the relation's script and its message short. The debug output has all.
        const QString shown = ScriptEngineGuard::isStopRequested()
                                  ? message(ErrorDictionary::ERROR_IDE_STOPPED_BY_USER)
                                  : QuotedText::quoteWithin(
                                      QuotedText::quoteWithin(e.toString(true), e.getScript()),
                                      e.getScriptExceptionMessage());
        reportFailure(shown, e.toString(true));
    } catch (const ExceptionOstra &e) {
        // Every other failure of the model or the solver: its own text, through the virtual
        // toString.
        reportFailure(e.toString(true), e.toString(true));
    } catch (...) {
        reportFailure(message(m_uncaughtOffset), QString());
    }
}

bool wClassTestArea::readPage(QHash<QString, QVariant> &n_known, QList<QString> &n_required)
{
    for (auto it = m_parameterCheckBoxWidgets.cbegin(); it != m_parameterCheckBoxWidgets.cend();
         ++it) {
        if (it.value()->isChecked())
            n_required.append(it.key());
        QString text;
        bool numberField = false;
        if (!knownText(it.key(), text, numberField))
            continue;
        if (!numberField) {
            n_known.insert(it.key(), text);
            continue;
        }
        // The validator accepts the locale's group separators, which the C conversion misreads;
        // the locale reads them, the C conversion then takes "1,5" typed under any locale.
        bool converted = false;
        double number = QLocale().toDouble(text, &converted);
        if (!converted)
            number = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&converted);
        if (!converted) {
            const QTreeWidgetItem *row = m_rows.value(it.key());
            showBox(message(KEY_NOT_A_NUMBER) + QLatin1Char(' ')
                    + (row ? row->text(COLUMN_NAME) : it.key()));
            return false;
        }
        n_known.insert(it.key(), number);
    }
    return true;
}

// ---- graph ----

void wClassTestArea::showGraph()
{
    if (!m_graphDialog)
        return;
    if (m_graphDialog->isHidden())
        m_graphDialog->show();
    else
        m_graphDialog->raise();
}

void wClassTestArea::showGraphClick()
{
    showGraph();
}

void wClassTestArea::on_showGraphCB_clicked()
{
    SlotGuard::run(
        [this] {
            if (!m_graphDialog)
                return;
            const bool ticked = ui->showGraphCB->isChecked();
            if (ticked && m_graphDialog->isHidden())
                m_graphDialog->show();
            else if (!ticked && m_graphDialog->isVisible())
                m_graphDialog->hide();
        },
        this);
}

// ---- result text ----

TestResultText::Labels wClassTestArea::resultLabels() const
{
    return {testText(m_pathNotFoundOffset),
            testText(m_notFoundOffset),
            testText(m_constraintFailedOffset),
            testText(m_calculationErrorOffset),
            testText(m_followingOffset),
            testText(m_stepOffset),
            testText(m_ruleOffset),
            testText(m_relationOffset),
            testText(m_inputsOffset),
            testText(m_formulaOffset),
            testText(m_resultsOffset)};
}

void wClassTestArea::showResultValues(const QList<QSharedPointer<RuleModel>> &n_rules)
{
    for (const QSharedPointer<RuleModel> &rule : n_rules)
        if (rule)
            for (const QSharedPointer<ParameterModel> &parameter : rule->getOutputParameters())
                if (parameter)
                    if (widgetLineEditWithUIDMember *field = fieldOf(parameter->getId()))
                        field->setResultValue(parameter->getValueStr());
}

QStringList wClassTestArea::gatherTextAlgorithm(QSharedPointer<AlgorithmSolution> &n_solution)
{
    const QStringList lines = TestResultText::lines(*n_solution, resultLabels());
    showResultValues(TestResultText::shownRules(*n_solution));
    if (m_colleague && !lines.isEmpty())
        m_colleague->sendInformation(lines);
    return lines;
}

QStringList wClassTestArea::gatherOutputStringFromRulesOrder(
    const QList<QSharedPointer<RuleModel>> &n_rules, int n_firstStep)
{
    showResultValues(n_rules);
    return TestResultText::ruleBlocks(n_rules, n_firstStep, resultLabels());
}

void wClassTestArea::showResults(QSharedPointer<AlgorithmSolution> &n_solution)
{
    m_textAlgorithm = gatherTextAlgorithm(n_solution);
}

void wClassTestArea::writeTextAlgorithm(QSharedPointer<AlgorithmSolution> &n_solution)
{
    showResults(n_solution);
}

QStringList wClassTestArea::getTextAlgorithm() const
{
    return m_textAlgorithm;
}

// ---- filter and clear ----

void wClassTestArea::showHideTestNotResultParameters(bool n_hide)
{
    for (widgetLineEditWithUIDMember *field : qAsConst(m_parameterDataWidgets)) {
        if (field->getResultFlag())
            continue;
        QTreeWidgetItem *row = field->getParentTreeWidgetItem();
        if (row && row->treeWidget())
            row->setHidden(n_hide);
    }
}

void wClassTestArea::on_onlyResultsCB_clicked()
{
    SlotGuard::run([this] { showHideTestNotResultParameters(ui->onlyResultsCB->isChecked()); },
                   this);
}

void wClassTestArea::filterResult()
{
    m_showOnlyResult = !m_showOnlyResult;
    showHideTestNotResultParameters(m_showOnlyResult);
}

void wClassTestArea::showOnlyResult()
{
    filterResult();
}

void wClassTestArea::clearResult()
{
    on_clearButtton_clicked();
}

void wClassTestArea::on_clearButtton_clicked()
{
    SlotGuard::run([this] { clearPage(); }, this);
}

void wClassTestArea::clearPage()
{
    for (widgetLineEditWithUIDMember *field : qAsConst(m_parameterDataWidgets)) {
        if (!field->getPreviousValue().isEmpty())
            field->setPreviousValue();
        else if (field->getResultFlag())
            field->clearContents();
    }
    if (ui->onlyResultsCB->isChecked())
        ui->onlyResultsCB->click();
    if (m_graphDialog)
        m_graphDialog->deleteAlgorithm();
}

void wClassTestArea::copyExpandTreeItem(QTreeWidgetItem *n_source, QTreeWidgetItem *n_target)
{
    for (int i = 0; i < n_target->childCount(); ++i)
        copyExpandTreeItem(n_source, n_target->child(i));
    equalsTreeItem(n_source, n_target);
}

void wClassTestArea::equalsTreeItem(QTreeWidgetItem *n_source, QTreeWidgetItem *n_target)
{
    for (int i = 0; i < n_source->childCount(); ++i)
        equalsTreeItem(n_source->child(i), n_target);
    if (n_source->text(COLUMN_FIND) == n_target->text(COLUMN_FIND)) {
        const bool expanded = n_source->treeWidget() ? n_source->isExpanded() : false;
        if (n_target->treeWidget())
            n_target->setExpanded(expanded);
    }
}
