#include "WidgetAreas/wRuleArea.h"
#include "WidgetAreas/ElementNamePage.h"
#include "ui_wRuleArea.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "RuleWidgets/dChooseParamRule.h"
#include "SlotGuard.h"
#include "WidgetAreas/MessageItem.h"
#include "elements/ConstraintModel.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RuleModel.h"
#include "errors/IntegrityMsg.h"
#include "model/OstraClass.h"
#include "workspace/colleagues/RuleColleague.h"
#include "workspace/routing/CommandItem.h"

#include <QDebug>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextCursor>
#include <QUuid>

namespace {
const int TITLE_SHOWN = 15;
const int NO_INPUTS = 220;
const int NO_OUTPUTS = 230;

// Binds the page's links into an element: only what differs from the element's present links is
// written, so an unchanged save writes nothing.
template<typename Element, typename Add, typename Replace>
void writeLinks(Element &n_element, const wRuleArea::Links &n_current,
                const wRuleArea::Links &n_links, Add n_add, Replace n_replace)
{
    for (auto it = n_links.cbegin(); it != n_links.cend(); ++it) {
        if (!it.value() || n_current.value(it.key()) == it.value())
            continue;
        if (n_current.contains(it.key()))
            (n_element.*n_replace)(it.key(), it.value());
        else
            (n_element.*n_add)(it.key(), it.value());
    }
}
} // namespace

wRuleArea::wRuleArea(QWidget *parent) : QWidget(parent), ui(new Ui::wRuleArea)
{
    ui->setupUi(this);
    ui->leTitle->setMaxLength(TITLE_LIMIT);
    setWindowIcon(QIcon(QStringLiteral(":/prog/Images/24x24/rule.png")));
    changeLanguage();
}

wRuleArea::~wRuleArea() = default;

QString wRuleArea::pageTitle(const QString &n_title)
{
    return n_title.size() > TITLE_SHOWN ? n_title.left(TITLE_SHOWN) + QStringLiteral("...")
                                        : n_title;
}

void wRuleArea::setData(OstraClass *n_class)
{
    m_class = n_class;
}

void wRuleArea::setParent(QString n_relationId)
{
    m_parentUid = n_relationId;
    if (!m_class || !m_class->relationsContains(n_relationId))
        return;
    const QSharedPointer<RelationModel> relation = m_class->getRelationPtr(n_relationId);
    if (!relation)
        return;
    showRelation(relation);
    recreateInputParameter();
    recreateOutputParameter();
}

void wRuleArea::showRelation(const QSharedPointer<RelationModel> &n_relation)
{
    m_relation = n_relation;
    m_parentUid = n_relation->getId();
    m_relationLabel = n_relation->getShortName().isEmpty() ? n_relation->getCode()
                                                           : n_relation->getShortName();
    ui->leRelation->setText(m_relationLabel);
    m_inputVariables = n_relation->getInputParametersTypes();
    m_outputVariables = n_relation->getOutputParametersTypes();
    if (isConstraint()) {
        setWindowIcon(QIcon(QStringLiteral(":/prog/Images/24x24/constraint.png")));
        ui->lbOutputParams->hide();
        ui->twOutputParams->hide();
        m_outputVariables.clear();
    }
}

void wRuleArea::load(const QString &n_title, const QString &n_description)
{
    ElementNamePage::loadLimited(ui->leTitle, n_title, TITLE_LIMIT);
    m_descriptionLimit = ElementNamePage::loadedLimit(DESCRIPTION_LIMIT, n_description);
    ui->teDescription->setPlainText(n_description);
}

bool wRuleArea::isConstraint() const
{
    return m_relation && m_relation->getRelationType() == RelationModel::RELATION_CONSTRAINT;
}

void wRuleArea::setEditData(OstraClass *, QString n_uid)
{
    m_uid = n_uid;
    m_loaded = false;
    if (m_class && m_class->rulesContains(n_uid)) {
        const QSharedPointer<RuleModel> rule = m_class->getRule(n_uid);
        if (!rule)
            return;
        load(rule->getShortName().isEmpty() ? rule->getDescription() : rule->getShortName(),
             rule->getDescription());
        m_inputLinks = m_savedInputLinks = rule->getInputParameters();
        m_outputLinks = m_savedOutputLinks = rule->getOutputParameters();
        if (const QSharedPointer<RelationModel> relation = rule->getRelationPtr())
            showRelation(relation);
    } else if (m_class && m_class->constraintsContains(n_uid)) {
        const QSharedPointer<ConstraintModel> constraint = m_class->getConstraint(n_uid);
        if (!constraint)
            return;
        setWindowIcon(QIcon(QStringLiteral(":/prog/Images/24x24/constraint.png")));
        load(constraint->getShortName().isEmpty() ? constraint->getDescription()
                                                  : constraint->getShortName(),
             constraint->getDescription());
        m_inputLinks = m_savedInputLinks = constraint->getInputParameters();
        if (const QSharedPointer<RelationModel> relation = constraint->getRelationPtr())
            showRelation(relation);
        ui->lbOutputParams->hide();
        ui->twOutputParams->hide();
    }
    setWindowTitle(pageTitle(ui->leTitle->text()));
    recreateInputParameter();
    recreateOutputParameter();
    m_loaded = true;
}

void wRuleArea::setColleague(RuleColleague *n_colleague)
{
    m_colleague = n_colleague;
    if (m_colleague)
        m_colleague->setRuleWidget(this);
}

RuleColleague *wRuleArea::getColleague() const
{
    return m_colleague;
}

QString wRuleArea::getUid() const
{
    return m_uid;
}

QString wRuleArea::getParent() const
{
    return m_parentUid;
}

void wRuleArea::errorMessageOnOff(bool n_on)
{
    m_clearErrors = n_on;
}

void wRuleArea::retranslateUI()
{
    const bool loaded = m_loaded;
    m_loaded = false;
    const QString title = windowTitle();
    ui->retranslateUi(this);
    setWindowTitle(title);
    changeLanguage();
    m_loaded = loaded;
}

void wRuleArea::changeLanguage()
{
    const bool loaded = m_loaded;
    m_loaded = false;
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    const int base = texts.getRuleBeginKey();
    const QStringList headers{texts.getTextById(texts.getBaseInterfaceBeginKey() + 1),
                              texts.getTextById(base + 4), QStringLiteral(" "),
                              QStringLiteral(" ")};
    for (QTableWidget *table : {ui->twInputParams, ui->twOutputParams}) {
        table->setColumnCount(4);
        table->setHorizontalHeaderLabels(headers);
        table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
        for (int column : {2, 3}) {
            table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
            table->setColumnWidth(column, 30);
        }
    }
    ui->lbRelation->setText(texts.getTextById(base + 1));
    ui->lbInputParams->setText(texts.getTextById(base + 2));
    ui->lbOutputParams->setText(texts.getTextById(base + 3));
    ui->lbTitle->setText(texts.getTextById(texts.getBaseInterfaceBeginKey() + 1));
    recreateInputParameter();
    recreateOutputParameter();
    m_loaded = loaded;
}

void wRuleArea::recreateInputParameter()
{
    fillTable(ui->twInputParams, m_inputVariables, m_inputLinks, true);
}

void wRuleArea::recreateOutputParameter()
{
    fillTable(ui->twOutputParams, m_outputVariables, m_outputLinks, false);
}

void wRuleArea::fillTable(QTableWidget *n_table, const Variables &n_variables, const Links &n_links,
                          bool n_input)
{
    n_table->setRowCount(0);
    for (auto it = n_variables.cbegin(); it != n_variables.cend(); ++it)
        addRow(n_table, it.key(), n_links.value(it.key()), n_input);
}

void wRuleArea::addRow(QTableWidget *n_table, const QString &n_name,
                       const QSharedPointer<ParameterModel> &n_parameter, bool n_input)
{
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    const int row = n_table->rowCount();
    n_table->insertRow(row);
    n_table->setItem(row, 0, new QTableWidgetItem(n_name));
    auto *field = new QLineEdit(n_parameter ? n_parameter->getShortName() : QString(), n_table);
    field->setReadOnly(true);
    n_table->setCellWidget(row, 1, field);
    auto *chooseButton = new QPushButton(QStringLiteral("..."), n_table);
    chooseButton->setToolTip(texts.getTextById(texts.getRuleBeginKey() + 10));
    n_table->setCellWidget(row, 2, chooseButton);
    auto *cleanButton = new QPushButton(QIcon(QStringLiteral(":/prog/Images/24x24/clear.png")),
                                        QString(), n_table);
    cleanButton->setToolTip(texts.getTextById(texts.getRuleBeginKey() + 11));
    n_table->setCellWidget(row, 3, cleanButton);
    connect(chooseButton, &QPushButton::clicked, this,
            n_input ? &wRuleArea::chooseInputParameter : &wRuleArea::chooseOutputParameter);
    connect(cleanButton, &QPushButton::clicked, this,
            n_input ? qOverload<bool>(&wRuleArea::cleanInputParameter)
                    : qOverload<bool>(&wRuleArea::cleanOutputParameter));
}

int wRuleArea::getIndexChooseButton(QTableWidget *n_table) const
{
    const QObject *button = sender();
    if (!button)
        return -1;
    for (int row = 0; row < n_table->rowCount(); ++row)
        if (n_table->cellWidget(row, 2) == button || n_table->cellWidget(row, 3) == button)
            return row;
    return -1;
}

void wRuleArea::chooseInputParameter(bool)
{
    SlotGuard::run([this] { choose(ui->twInputParams, m_inputVariables, m_inputLinks); }, this);
}

void wRuleArea::chooseOutputParameter(bool)
{
    SlotGuard::run([this] { choose(ui->twOutputParams, m_outputVariables, m_outputLinks); }, this);
}

void wRuleArea::choose(QTableWidget *n_table, const Variables &n_variables, Links &n_links)
{
    const int row = getIndexChooseButton(n_table);
    if (row < 0 || !m_class)
        return;
    const QString name = n_table->item(row, 0)->text();
    QString chosenId;
    {
        dChooseParamRule dialog(this);
        dialog.setData(m_class);
        dialog.setFilterType(n_variables.value(name));
        if (const QSharedPointer<ParameterModel> bound = n_links.value(name)) {
            QString id = bound->getId();
            dialog.setCurrentParameter(id);
        }
        if (MessageBoxes::execDialog(dialog) != QDialog::Accepted)
            return;
        chosenId = dialog.getChooseId();
    }
    if (chosenId.isEmpty() || !m_class->parametersContains(chosenId))
        return;
    const QSharedPointer<ParameterModel> parameter = m_class->getParameterPtr(chosenId);
    if (!parameter)
        return;
    static_cast<QLineEdit *>(n_table->cellWidget(row, 1))->setText(parameter->getShortName());
    n_links[name] = parameter;
    edited();
}

void wRuleArea::cleanInputParameter(bool)
{
    SlotGuard::run([this] { clean(ui->twInputParams, m_inputLinks, m_savedInputLinks); }, this);
}

void wRuleArea::cleanOutputParameter(bool)
{
    SlotGuard::run([this] { clean(ui->twOutputParams, m_outputLinks, m_savedOutputLinks); }, this);
}

void wRuleArea::clean(QTableWidget *n_table, Links &n_links, Links &n_saved)
{
    const int row = getIndexChooseButton(n_table);
    if (row < 0)
        return;
    const QString name = n_table->item(row, 0)->text();
    n_links[name].clear();
    n_saved[name].clear();
    static_cast<QLineEdit *>(n_table->cellWidget(row, 1))->clear();
    edited();
}

void wRuleArea::clearRows(QTableWidget *n_table, const QString &n_name)
{
    for (int row = 0; row < n_table->rowCount(); ++row)
        if (n_table->item(row, 0)->text() == n_name)
            static_cast<QLineEdit *>(n_table->cellWidget(row, 1))->clear();
}

void wRuleArea::cleanInputParameter(const QString &n_name)
{
    clearRows(ui->twInputParams, n_name);
    m_savedInputLinks[n_name].clear();
}

void wRuleArea::cleanOutputParameter(const QString &n_name)
{
    clearRows(ui->twOutputParams, n_name);
    m_savedOutputLinks[n_name].clear();
}

void wRuleArea::on_leTitle_textChanged(QString)
{
    SlotGuard::run([this] { edited(); }, this);
}

void wRuleArea::on_teDescription_textChanged()
{
    SlotGuard::run(
        [this] {
            ElementNamePage::limitDescription(ui->teDescription, m_descriptionLimit);
            edited();
        },
        this);
}

void wRuleArea::edited()
{
    if (m_loaded)
        emit changeDataWidget();
}

void wRuleArea::report(const QString &n_text)
{
    if (m_colleague) {
        MessageItem message(ERROR_MESSAGE, m_uid, n_text);
        m_colleague->sendError(&message);
        return;
    }
    const ErrorDictionary &errors = ErrorDictionary::Instance();
    MessageBoxes::critical(this, errors.getErrorById(errors.getOstraIDEBeginKey() + 1), n_text);
}

void wRuleArea::reportIde(int n_offset)
{
    const ErrorDictionary &errors = ErrorDictionary::Instance();
    report(errors.getErrorById(errors.getOstraIDEBeginKey() + n_offset));
}

void wRuleArea::reportIntegrity(int n_code)
{
    const ErrorDictionary &errors = ErrorDictionary::Instance();
    report(errors.getErrorById(errors.getOstraIntegrityBeginKey() + n_code));
}

bool wRuleArea::validate(bool n_isConstraint)
{
    if (m_colleague && m_clearErrors)
        m_colleague->clearError();
    bool valid = true;
    if (ui->leTitle->text().isEmpty()) {
        reportIde(210);
        valid = false;
    }
    // Every variable must be bound, touched on the page or not.
    const auto unbound = [](const Variables &n_variables, const Links &n_links) {
        int count = 0;
        for (auto it = n_variables.cbegin(); it != n_variables.cend(); ++it)
            count += n_links.value(it.key()) ? 0 : 1;
        return count;
    };
    for (int i = unbound(m_inputVariables, m_inputLinks); i > 0; --i, valid = false)
        reportIde(NO_INPUTS);
    if (!n_isConstraint)
        for (int i = unbound(m_outputVariables, m_outputLinks); i > 0; --i, valid = false)
            reportIde(NO_OUTPUTS);
    if (m_inputVariables.isEmpty()) {
        reportIde(NO_INPUTS);
        valid = false;
    }
    if (!n_isConstraint && m_outputVariables.isEmpty()) {
        reportIde(NO_OUTPUTS);
        valid = false;
    }
    return valid;
}

QSharedPointer<RelationModel> wRuleArea::liveRelation() const
{
    if (!m_class || !m_relation || !m_class->relationsContains(m_relation->getId()))
        return nullptr;
    const QSharedPointer<RelationModel> stored = m_class->getRelationPtr(m_relation->getId());
    return stored == m_relation ? stored : nullptr;
}

bool wRuleArea::checkBindings(const Variables &n_variables, const Links &n_links,
                              int n_undeclaredCode, int n_typeCode)
{
    bool valid = true;
    for (auto it = n_links.cbegin(); it != n_links.cend(); ++it) {
        if (!it.value())
            continue;
        if (!n_variables.contains(it.key())) {
            reportIntegrity(n_undeclaredCode);
            valid = false;
        } else if (n_variables.value(it.key()) != it.value()->getValueType()) {
            reportIntegrity(n_typeCode);
            valid = false;
        }
    }
    return valid;
}

bool wRuleArea::save()
{
    if (!m_class)
        return false;
    const QSharedPointer<RelationModel> relation = liveRelation();
    if (!relation) {
        // No relation to bind to, or it left the storage while the page was open.
        if (m_colleague && m_clearErrors)
            m_colleague->clearError();
        reportIde(NO_INPUTS);
        return false;
    }
    const bool constraint = isConstraint();
    if (!validate(constraint))
        return false;
    // Check the choices against the relation as it stands now: another tab may have changed it.
    const Variables inputs = relation->getInputParametersTypes();
    bool bindable;
    if (constraint) {
        bindable = checkBindings(
            inputs, m_inputLinks,
            IntegrityMsg::MSG_CODE_CONSTRAINT_INPUT_PARAMETER_LINKEDNAME_NO_IN_RELATION,
            IntegrityMsg::
                MSG_CODE_CONSTRAINT_INPUT_PARAMETER_VALUE_TYPE_DSNT_MATCH_RELATION_VALUE_TYPE);
    } else {
        bindable = checkBindings(
            inputs, m_inputLinks,
            IntegrityMsg::MSG_CODE_RULE_INPUT_PARAMETER_LINKEDNAME_NO_IN_RELATION,
            IntegrityMsg::MSG_CODE_RULE_INPUT_PARAMETER_VALUE_TYPE_DSNT_MATCH_RELATION_VALUE_TYPE);
        bindable &= checkBindings(
            relation->getOutputParametersTypes(), m_outputLinks,
            IntegrityMsg::MSG_CODE_RULE_OUTPUT_PARAMETER_LINKEDNAME_NO_IN_RELATION,
            IntegrityMsg::MSG_CODE_RULE_OUTPUT_PARAMETER_VALUE_TYPE_DSNT_MATCH_RELATION_VALUE_TYPE);
    }
    if (!bindable)
        return false;
    const bool fresh = m_uid.isEmpty();
    if (fresh)
        m_uid = QUuid::createUuid().toString().mid(1, 36);
    try {
        if (constraint)
            saveConstraint();
        else
            saveRule();
    } catch (...) {
        if (fresh)
            m_uid.clear();
        throw;
    }
    m_savedInputLinks = m_inputLinks;
    m_savedOutputLinks = m_outputLinks;
    setWindowTitle(pageTitle(ui->leTitle->text()));
    m_loaded = true;
    return true;
}

void wRuleArea::saveRule()
{
    const bool fresh = !m_class->rulesContains(m_uid);
    const QSharedPointer<RuleModel> rule = fresh ? QSharedPointer<RuleModel>::create(
                                               m_uid, QSharedPointer<OstraClass>())
                                                 : m_class->getRule(m_uid);
    rule->setRelationPtr(m_relation);
    rule->setDescription(ui->teDescription->toPlainText());
    rule->setShortName(ui->leTitle->text());
    if (fresh)
        m_class->addRule(rule);
    try {
        writeLinks(*rule, rule->getInputParameters(), m_inputLinks, &RuleModel::addInputParameter,
                   &RuleModel::replaceInputParameter);
        writeLinks(*rule, rule->getOutputParameters(), m_outputLinks,
                   &RuleModel::addOutputParameter, &RuleModel::replaceOutputParameter);
    } catch (...) {
        // A half-linked new rule would make every later save fail: take it out again.
        if (fresh) {
            if (const QSharedPointer<OstraClass> owner = rule->getParent())
                owner->deleteRuleFromClass(m_uid, true);
        }
        throw;
    }
}

void wRuleArea::saveConstraint()
{
    const bool fresh = !m_class->constraintsContains(m_uid);
    const QSharedPointer<ConstraintModel> constraint =
        fresh ? QSharedPointer<ConstraintModel>::create(m_uid, QSharedPointer<OstraClass>())
              : m_class->getConstraint(m_uid);
    constraint->setRelationPtr(m_relation);
    constraint->setDescription(ui->teDescription->toPlainText());
    constraint->setShortName(ui->leTitle->text());
    if (fresh)
        m_class->addConstraint(constraint);
    try {
        writeLinks(*constraint, constraint->getInputParameters(), m_inputLinks,
                   &ConstraintModel::addInputParameter, &ConstraintModel::replaceInputParameter);
    } catch (...) {
        if (fresh) {
            if (const QSharedPointer<OstraClass> owner = constraint->getParent())
                owner->deleteConstraintFromClass(m_uid, true);
        }
        throw;
    }
}

bool wRuleArea::updateItem(CommandItem *n_command)
{
    if (!m_class || !n_command)
        return false;
    if (n_command->getTypeWorkSpace() == PARAMETER_WINDOW) {
        recreateInputParameter();
        recreateOutputParameter();
        return true;
    }
    if (n_command->getTypeWorkSpace() != RELATION_WINDOW)
        return true;
    if (!m_relation || n_command->getUid() != m_relation->getId()
        || !m_class->relationsContains(n_command->getUid()))
        return true;
    const QSharedPointer<RelationModel> relation = m_class->getRelationPtr(n_command->getUid());
    if (!relation)
        return true;
    const bool loaded = m_loaded;
    m_loaded = false;
    showRelation(relation);
    for (const QString &name : m_inputLinks.keys())
        if (!m_inputVariables.contains(name))
            m_inputLinks.remove(name);
    for (const QString &name : m_outputLinks.keys())
        if (!m_outputVariables.contains(name))
            m_outputLinks.remove(name);
    recreateInputParameter();
    recreateOutputParameter();
    m_loaded = loaded;
    return true;
}

bool wRuleArea::deleteItem(CommandItem *n_command)
{
    if (!m_class || !n_command)
        return false;
    if (n_command->getTypeWorkSpace() != PARAMETER_WINDOW)
        return true;
    const QString id = n_command->getUid();
    for (auto it = m_inputLinks.begin(); it != m_inputLinks.end(); ++it)
        if (it.value() && it.value()->getId() == id) {
            cleanInputParameter(it.key());
            it.value().clear();
        }
    for (auto it = m_outputLinks.begin(); it != m_outputLinks.end(); ++it)
        if (it.value() && it.value()->getId() == id) {
            cleanOutputParameter(it.key());
            it.value().clear();
        }
    return true;
}

bool wRuleArea::createItem(CommandItem *)
{
    qDebug() << "метод wRuleArea::createItem не реализован";
    return false;
}
