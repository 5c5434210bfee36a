#include "WidgetAreas/wParameterArea.h"
#include "ui_wParameterArea.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "SlotGuard.h"
#include "WidgetAreas/ClassLevelList.h"
#include "WidgetAreas/ComparisonCode.h"
#include "WidgetAreas/ElementNamePage.h"
#include "WidgetAreas/dBaseConstraintInParameter.h"
#include "elements/ConstraintModel.h"
#include "elements/ParameterModel.h"
#include "elements/RelationModel.h"
#include "elements/RuleModel.h"
#include "errors/IntegrityMsg.h"
#include "errors/uidgenerators.h"
#include "model/OstraClass.h"
#include "workspace/colleagues/ParameterColleague.h"
#include "workspace/routing/CommandItem.h"
#include "workspace/viewmanagers/TypeElement.h"
#include "workspace/viewmanagers/TypeElementCollection.h"

#include <QDoubleValidator>
#include <QScriptEngine>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>
#include <vector>

namespace {
const int EMPTY_NAME_KEY = 170;
const int NOT_A_NUMBER_KEY = 180;
// Core error text "element not found": the page's parameter or class left the model.
const int ELEMENT_NOT_FOUND_KEY = 511;
// Core error text "object is not connected with any class or model": a parameter never saved.
const int NOT_IN_MODEL_KEY = 523;
const int NUMBER_TITLE_KEY = 6;
const int TEXT_TITLE_KEY = 7;
const int RULES_LABEL_KEY = 30;
const int CONSTRAINTS_LABEL_KEY = 40;
const int ID_COLUMN = 2;
// The builder's code names the parameter by this variable.
const QString VARIABLE = QStringLiteral("X");
const QString FLAG = QStringLiteral("flag");

QString parameterText(int n_offset)
{
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    return texts.getTextById(texts.getParameterBeginKey() + n_offset);
}
} // namespace

wParameterArea::wParameterArea(QWidget *parent) : QWidget(parent), ui(new Ui::wParameterArea)
{
    ui->setupUi(this);
    ui->leName->setMaxLength(NAME_LIMIT);
    setWindowIcon(QIcon(QStringLiteral(":/prog/Images/24x24/parameter.png")));
    generateTypesCB();
    connect(ui->cbDataType, &QComboBox::currentTextChanged, this,
            &wParameterArea::cbDataTypeIndexChanged);
    connect(ui->cbLevel, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &wParameterArea::changeClassLavel);
    ui->gvIcon->hide();
    m_validator = new QDoubleValidator(this);
    ui->leValue->setValidator(m_validator);
    for (QTableWidget *table : {ui->twLinkRules, ui->twLinkConstraint}) {
        table->setColumnCount(3);
        table->hideColumn(ID_COLUMN);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
    }
    setHeaders();
    connect(ui->twLinkRules, &QTableWidget::itemDoubleClicked, this, &wParameterArea::editRule);
    connect(ui->twLinkConstraint, &QTableWidget::itemDoubleClicked, this,
            &wParameterArea::editConstraint);
    ui->btnAddConstraint->setFixedWidth(20);
}

wParameterArea::~wParameterArea() = default;

void wParameterArea::generateTypesCB()
{
    ui->cbDataType->clear();
    const TypeElementCollection types;
    for (const TypeElement *type : types.getCollection())
        ui->cbDataType->addItem(type->getTitle());
}

void wParameterArea::setHeaders()
{
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    const QStringList headers{texts.getTextById(texts.getBaseInterfaceBeginKey() + 1),
                              texts.getTextById(texts.getRuleBeginKey() + 1), QStringLiteral("ID")};
    ui->twLinkRules->setHorizontalHeaderLabels(headers);
    ui->twLinkConstraint->setHorizontalHeaderLabels(headers);
}

// ---- loading ----

QSharedPointer<OstraClass> wParameterArea::classOf(const QString &n_id) const
{
    return m_root->getClassById(n_id);
}

bool wParameterArea::classKnown(const QString &n_id) const
{
    // A root made in code may have an empty id.
    return m_root && (n_id == m_root->getId() || (!n_id.isEmpty() && m_root->classContains(n_id)));
}

void wParameterArea::setData(OstraClass *n_root)
{
    m_root = n_root;
    if (!m_root)
        return;
    // Straight from the class store, which holds each class once: no name -> id hash to build.
    // The hash is shared, not copied: a set of the classes would be built afresh on every call.
    const auto classes = m_root->getAllClassesHash();
    std::vector<ClassLevelList::Level> levels;
    levels.reserve(size_t(classes.size()) + 1);
    levels.push_back({m_root->getShortName(), m_root->getId()});
    for (const auto &cls : classes)
        levels.push_back({cls->getShortName(), cls->getId()});
    fillLevels(levels, false);
}

void wParameterArea::setSortedLevelsCB(QMultiHash<QString, QString> &n_levels)
{
    std::vector<ClassLevelList::Level> levels;
    levels.reserve(size_t(n_levels.size()));
    for (auto it = n_levels.cbegin(); it != n_levels.cend(); ++it)
        levels.push_back({it.key(), it.value()});
    fillLevels(levels, true);
}

void wParameterArea::fillLevels(std::vector<ClassLevelList::Level> &n_levels, bool n_mayRepeat)
{
    ClassLevelList::fill(ui->cbLevel, n_levels, n_mayRepeat);
    if (ui->cbLevel->currentIndex() < 0 && ui->cbLevel->count() > 0)
        ui->cbLevel->setCurrentIndex(0);
    chooseLevel(ui->cbLevel->currentIndex());
}

void wParameterArea::setParent(const QString &n_id)
{
    if (!m_root)
        return;
    QSharedPointer<OstraClass> owner;
    if (m_root->parametersContains(n_id)) {
        owner = m_root->getParameter(n_id)->getParent();
        // A parameter that no class owns has no level to show.
        if (!owner)
            return;
    } else if (classKnown(n_id)) {
        owner = classOf(n_id);
    } else {
        return;
    }
    m_parentUid = owner->getId();
    ui->cbLevel->setCurrentIndex(ui->cbLevel->findData(m_parentUid));
}

void wParameterArea::setEditData(OstraClass *, QString n_id)
{
    if (!m_root)
        return;
    m_uid = std::move(n_id);
    if (!m_root->parametersContains(m_uid))
        return;
    const QSharedPointer<ParameterModel> parameter = m_root->getParameter(m_uid);
    m_loaded = false;
    clearGrid();
    showLinks(*parameter);
    // A stored text longer than the typing limits is shown and saved whole.
    ElementNamePage::loadLimited(ui->leName, parameter->getShortName(), NAME_LIMIT);
    ui->leValue->setText(parameter->getDefaultValueStr());
    const QString description = parameter->getDescription();
    m_descriptionLimit = ElementNamePage::loadedLimit(DESCRIPTION_LIMIT, description);
    ui->teDescription->setPlainText(description);
    // The parameter's own owner: a page loaded without setParent shows it as well.
    if (const QSharedPointer<OstraClass> owner = parameter->getParent()) {
        m_parentUid = owner->getId();
        // Usually chosen already by setParent: no second search of the list.
        if (ui->cbLevel->currentData().toString() != m_parentUid)
            ui->cbLevel->setCurrentIndex(ui->cbLevel->findData(m_parentUid));
        ui->cbLevel->setToolTip(owner->getShortName());
    }
    // Only a number or a text is edited here: any other type shows no entry, so that a save
    // leaves it and its default as stored.
    if (parameter->getValueType() == QVariant::Double)
        ui->cbDataType->setCurrentText(parameterText(NUMBER_TITLE_KEY));
    else if (parameter->getValueType() == QVariant::String)
        ui->cbDataType->setCurrentText(parameterText(TEXT_TITLE_KEY));
    else
        ui->cbDataType->setCurrentIndex(-1);
    rememberStored();
    setWindowTitle(ElementNamePage::pageTitle(parameter->getShortName()));
    m_loaded = true;
}

void wParameterArea::rememberStored()
{
    m_storedType = chosenType();
    m_storedValue = ui->leValue->text();
}

QString wParameterArea::getParent() const
{
    return m_parentUid;
}

QString wParameterArea::getUid() const
{
    return m_uid;
}

void wParameterArea::setColleague(ParameterColleague *n_colleague)
{
    m_colleague = n_colleague;
}

void wParameterArea::errorMessageOnOff(bool n_on)
{
    m_showErrors = n_on;
}

// ---- link tables ----

void wParameterArea::appendLink(QTableWidget *n_table, const BaseOstraObj &n_element,
                                const QSharedPointer<RelationModel> &n_relation)
{
    const int row = n_table->rowCount();
    n_table->insertRow(row);
    auto readOnly = [](const QString &n_text) {
        auto *item = new QTableWidgetItem(n_text);
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        return item;
    };
    const QString name = n_element.getShortName();
    n_table->setItem(row, 0, readOnly(name.isEmpty() ? n_element.getDescription() : name));
    // A rule or constraint without a relation shows an empty cell.
    QString relation;
    if (n_relation)
        relation = n_relation->getShortName().isEmpty() ? n_relation->getCode()
                                                        : n_relation->getShortName();
    n_table->setItem(row, 1, readOnly(relation));
    n_table->setItem(row, ID_COLUMN, new QTableWidgetItem(n_element.getId()));
}

void wParameterArea::showLinks(const ParameterModel &n_parameter)
{
    for (const auto &constraint : n_parameter.getConstraints())
        appendLink(ui->twLinkConstraint, *constraint, constraint->getRelationPtr());
    for (const auto &rule : n_parameter.getInputRules())
        appendLink(ui->twLinkRules, *rule, rule->getRelationPtr());
    for (const auto &rule : n_parameter.getOutputRules())
        appendLink(ui->twLinkRules, *rule, rule->getRelationPtr());
}

void wParameterArea::updateView()
{
    clearGrid();
    if (m_root && !m_uid.isEmpty() && m_root->parametersContains(m_uid))
        showLinks(*m_root->getParameter(m_uid));
}

void wParameterArea::clearGrid()
{
    ui->twLinkRules->setRowCount(0);
    ui->twLinkConstraint->setRowCount(0);
}

void wParameterArea::removeRows(QTableWidget *n_table, const QString &n_id)
{
    // Only the id column counts: a generated short name contains its element's id too.
    for (int row = n_table->rowCount() - 1; row >= 0; --row) {
        const QTableWidgetItem *id = n_table->item(row, ID_COLUMN);
        if (id && id->text() == n_id)
            n_table->removeRow(row);
    }
}

void wParameterArea::removeRule(QSharedPointer<RuleModel> n_rule)
{
    if (n_rule)
        removeRows(ui->twLinkRules, n_rule->getId());
}

void wParameterArea::removeConstraint(QSharedPointer<ConstraintModel> n_constraint)
{
    if (n_constraint)
        removeRows(ui->twLinkConstraint, n_constraint->getId());
}

// ---- notices from other pages ----

bool wParameterArea::deleteItem(CommandItem *n_command)
{
    // The list holds each class once.
    const int index = ui->cbLevel->findData(n_command->getUid());
    if (index >= 0)
        ui->cbLevel->removeItem(index);
    return true;
}

bool wParameterArea::updateItem(CommandItem *n_command)
{
    // Parameter commands change no entry.
    if (!m_root || n_command->getTypeWorkSpace() != CLASS_WINDOW)
        return true;
    const QString id = n_command->getUid();
    const int index = ui->cbLevel->findData(id);
    if (index >= 0) {
        // Taken out and put back at its sorted place, so that later insertions still find the
        // list sorted; the chosen level stays chosen and nothing counts as an edit.
        const QSignalBlocker quiet(ui->cbLevel);
        const QString chosen = ui->cbLevel->currentData().toString();
        ui->cbLevel->removeItem(index);
        ClassLevelList::insertSorted(ui->cbLevel, {n_command->getAdditionalInformation(), id});
        ui->cbLevel->setCurrentIndex(ui->cbLevel->findData(chosen));
        return true;
    }
    if (classKnown(id))
        ClassLevelList::insertSorted(ui->cbLevel, {classOf(id)->getShortName(), id});
    return true;
}

bool wParameterArea::createItem(CommandItem *)
{
    return true;
}

// ---- saving ----

QVariant::Type wParameterArea::chosenType() const
{
    const QString shown = ui->cbDataType->currentText();
    if (shown == parameterText(TEXT_TITLE_KEY))
        return QVariant::String;
    if (shown == parameterText(NUMBER_TITLE_KEY))
        return QVariant::Double;
    return QVariant::Invalid;
}

bool wParameterArea::nameTakenIn(const OstraClass &n_class, const QString &n_name) const
{
    const auto own = n_class.getOwnParametersSet();
    const QString name = n_name.trimmed();
    return std::any_of(own.cbegin(), own.cend(), [&](const auto &parameter) {
        return parameter->getShortName().trimmed() == name && parameter->getId() != m_uid;
    });
}

void wParameterArea::report(int n_key, bool n_boxWithoutColleague)
{
    ElementNamePage::report(this, m_colleague, m_uid, n_key, n_boxWithoutColleague);
}

bool wParameterArea::validate(QVariant::Type n_type, double &n_number)
{
    const ErrorDictionary &errors = ErrorDictionary::Instance();
    if (ui->leName->text().trimmed().isEmpty()) {
        report(errors.getOstraIDEBeginKey() + EMPTY_NAME_KEY, true);
        return false;
    }
    // The page's parameter, the class it was opened under and the chosen class must still exist.
    const bool stored = m_uid.isEmpty() ? classKnown(m_parentUid)
                                        : m_root->parametersContains(m_uid);
    if (!stored || !classKnown(m_level)) {
        report(errors.getOstraCoreBeginKey() + ELEMENT_NOT_FOUND_KEY, false);
        return false;
    }
    // The name must be free where the parameter will stand: in the chosen class.
    if (nameTakenIn(*classOf(m_level), ui->leName->text())) {
        report(errors.getOstraIntegrityBeginKey()
                   + IntegrityMsg::MSG_CODE_PARAMETER_WITH_SAME_SHORTNAME,
               false);
        return false;
    }
    // A value left as stored is not read again: it is kept as it is.
    const QString value = ui->leValue->text();
    if (n_type == QVariant::Double && !value.isEmpty() && !valueUntouched(n_type)
        && !ComparisonCode::readNumber(value, &n_number)) {
        report(errors.getOstraIDEBeginKey() + NOT_A_NUMBER_KEY, false);
        return false;
    }
    return true;
}

void wParameterArea::writeFields(ParameterModel &n_parameter, QVariant::Type n_type,
                                 double n_number) const
{
    writeValue(n_parameter, n_type, n_number);
    n_parameter.setShortName(ui->leName->text());
    n_parameter.setDescription(ui->teDescription->toPlainText());
}

bool wParameterArea::valueUntouched(QVariant::Type n_type) const
{
    return n_type == m_storedType && ui->leValue->text() == m_storedValue;
}

void wParameterArea::writeValue(ParameterModel &n_parameter, QVariant::Type n_type,
                                double n_number) const
{
    // Left as loaded or last written: the stored default stays, every digit of it.
    if (valueUntouched(n_type))
        return;
    const QString value = ui->leValue->text();
    // The type first: the default value must match the declared type.
    if (n_type == QVariant::String) {
        n_parameter.setValueType(QVariant::String);
        n_parameter.setDefaultValue(value.isNull() ? QString(QLatin1String("")) : value);
    } else if (n_type == QVariant::Double) {
        n_parameter.setValueType(QVariant::Double);
        if (value.isEmpty())
            n_parameter.resetDefaultValue();
        else
            n_parameter.setDefaultValue(n_number);
    }
}

bool wParameterArea::save()
{
    if (!m_root)
        return false;
    if (m_colleague && m_showErrors)
        m_colleague->clearError();
    const QVariant::Type type = chosenType();
    double number = 0;
    if (!validate(type, number))
        return false;
    if (!m_uid.isEmpty()) {
        const QSharedPointer<ParameterModel> parameter = m_root->getParameter(m_uid);
        // Moved before anything is written: a move that throws leaves the parameter as it was.
        setParameterParent(parameter);
        writeFields(*parameter, type, number);
    } else {
        const QSharedPointer<OstraClass> target = classOf(m_level);
        auto parameter = QSharedPointer<ParameterModel>::create();
        parameter->setId(uidgenerators::genUid());
        writeFields(*parameter, type, number);
        target->addParameter(parameter);
        m_uid = parameter->getId();
        m_parentUid = target->getId();
    }
    rememberStored();
    m_loaded = true;
    setWindowTitle(ElementNamePage::pageTitle(ui->leName->text()));
    return true;
}

void wParameterArea::setParameterParent(QSharedPointer<ParameterModel> n_parameter)
{
    const QSharedPointer<OstraClass> owner = n_parameter->getParent();
    if (!owner || owner->getId() == m_level) {
        if (owner)
            m_parentUid = owner->getId();
        return;
    }
    owner->changeParent(n_parameter, classOf(m_level));
    m_parentUid = m_level;
}

// ---- language ----

void wParameterArea::retranslateUI()
{
    const bool loaded = std::exchange(m_loaded, false);
    // The form's own title is a placeholder: the page keeps its element's name.
    const QString title = windowTitle();
    ui->retranslateUi(this);
    setWindowTitle(title);
    changeLanguage();
    m_loaded = loaded;
}

void wParameterArea::changeLanguage()
{
    {
        // New titles for the same types: no type change, so the value and validator stay.
        const QSignalBlocker blocker(ui->cbDataType);
        const int index = ui->cbDataType->currentIndex();
        generateTypesCB();
        ui->cbDataType->setCurrentIndex(index);
    }
    setHeaders();
    ui->lbRules->setText(parameterText(RULES_LABEL_KEY));
    ui->lbConstraints->setText(parameterText(CONSTRAINTS_LABEL_KEY));
}

// ---- slots ----

void wParameterArea::edited()
{
    if (m_loaded)
        emit changeDataWidget();
}

void wParameterArea::chooseLevel(int n_index)
{
    const QString id = ui->cbLevel->itemData(n_index).toString();
    const bool changed = id != m_level;
    m_level = id;
    if (!classKnown(id))
        return;
    ui->cbLevel->setToolTip(classOf(id)->getShortName());
    if (changed)
        edited();
}

void wParameterArea::changeClassLavel(int n_index)
{
    SlotGuard::run([&] { chooseLevel(n_index); }, this);
}

void wParameterArea::cbDataTypeIndexChanged(const QString &n_text)
{
    SlotGuard::run(
        [&] {
            const bool number = n_text == parameterText(NUMBER_TITLE_KEY);
            const bool text = n_text == parameterText(TEXT_TITLE_KEY);
            if (number) {
                // Read as the save reads it: a decimal comma is a number.
                const QString value = ui->leValue->text();
                double read = 0;
                if (!value.trimmed().isEmpty() && !ComparisonCode::readNumber(value, &read))
                    ui->leValue->clear();
                ui->leValue->setValidator(m_validator);
            } else if (text) {
                ui->leValue->setValidator(nullptr);
            }
            // No entry: a type this page does not edit, whose value is not typed over.
            ui->leValue->setReadOnly(!number && !text);
            edited();
        },
        this);
}

void wParameterArea::on_leName_textChanged(const QString &)
{
    SlotGuard::run([this] { edited(); }, this);
}

void wParameterArea::on_leValue_textChanged(const QString &)
{
    SlotGuard::run([this] { edited(); }, this);
}

void wParameterArea::on_teDescription_textChanged()
{
    SlotGuard::run(
        [this] {
            ElementNamePage::limitDescription(ui->teDescription, m_descriptionLimit);
            edited();
        },
        this);
}

void wParameterArea::openLink(QTableWidget *n_table, QTableWidgetItem *n_item)
{
    const QTableWidgetItem *id = n_item ? n_table->item(n_item->row(), ID_COLUMN) : nullptr;
    if (id && m_colleague)
        m_colleague->openRule(id->text());
}

void wParameterArea::editRule(QTableWidgetItem *n_item)
{
    SlotGuard::run([&] { openLink(ui->twLinkRules, n_item); }, this);
}

void wParameterArea::editConstraint(QTableWidgetItem *n_item)
{
    SlotGuard::run([&] { openLink(ui->twLinkConstraint, n_item); }, this);
}

// ---- constraint builder ----

void wParameterArea::on_btnAddConstraint_clicked()
{
    SlotGuard::run(
        [this] {
            const QVariant::Type type = chosenType() == QVariant::String ? QVariant::String
                                                                         : QVariant::Double;
            const ErrorDictionary &errors = ErrorDictionary::Instance();
            const bool stored = m_root && !m_uid.isEmpty() && m_root->parametersContains(m_uid);
            // Binding needs the stored type: a type retyped but not saved would leave a relation
            // and an unbound constraint behind.
            if (stored && m_root->getParameter(m_uid)->getValueType() != type) {
                ElementNamePage::showErrorBox(
                    this,
                    errors.getErrorById(
                        errors.getOstraIntegrityBeginKey()
                        + IntegrityMsg::
                            MSG_CODE_CONSTRAINT_INPUT_PARAMETER_VALUE_TYPE_DSNT_MATCH_RELATION_VALUE_TYPE));
                return;
            }
            dBaseConstraintInParameter dialog(type, nullptr);
            dialog.setParameterName(VARIABLE);
            if (MessageBoxes::execDialog(dialog) != QDialog::Accepted)
                return;
            // A parameter never saved gets no constraint; the pane says why.
            if (!m_root || m_uid.isEmpty() || !m_root->parametersContains(m_uid)) {
                report(errors.getOstraCoreBeginKey() + NOT_IN_MODEL_KEY, false);
                return;
            }
            const QString body = dialog.getConstraintBody();
            const QScriptSyntaxCheckResult syntax = QScriptEngine::checkSyntax(body);
            if (syntax.state() != QScriptSyntaxCheckResult::Valid) {
                ElementNamePage::showErrorBox(this, syntax.errorMessage());
                return;
            }
            // The parameter is saved after the constraint is made: a page that would refuse to
            // save must refuse before anything enters the model.
            double number = 0;
            if (!validate(chosenType(), number))
                return;
            createConstraint(type, body);
            save();
        },
        this);
}

void wParameterArea::createConstraint(QVariant::Type n_type, const QString &n_body)
{
    const QString name = ui->leName->text();
    const QString relationId = uidgenerators::genUid();
    auto relation = QSharedPointer<RelationModel>::create(relationId, n_body, nullptr);
    relation->setDescription(QStringLiteral("Generate relation"));
    relation->setShortName(QStringLiteral("gen_") + name + QLatin1Char('_') + relationId);
    relation->addInputParametersTypes({{VARIABLE, n_type}});
    relation->addOutputParametersTypes({{FLAG, QVariant::String}});
    relation->setRelationType(RelationModel::RELATION_CONSTRAINT);
    m_root->addRelationPtr(relation);

    const QString constraintId = uidgenerators::genUid();
    auto constraint = QSharedPointer<ConstraintModel>::create(constraintId,
                                                              QSharedPointer<OstraClass>());
    constraint->setRelationPtr(relation);
    constraint->setDescription(QStringLiteral("Generate constraint"));
    constraint->setShortName(QStringLiteral("gen_") + name + QLatin1Char('_') + constraintId);
    m_root->addConstraint(constraint);
    constraint->addInputParameter(VARIABLE, m_root->getParameter(m_uid));

    if (m_colleague)
        m_colleague->createConstraint();
    appendLink(ui->twLinkConstraint, *constraint, constraint->getRelationPtr());
}
