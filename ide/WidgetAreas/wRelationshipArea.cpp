#include "WidgetAreas/wRelationshipArea.h"
#include "WidgetAreas/ElementNamePage.h"
#include "ui_wRelationshipArea.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "RelationWidgets/wChangeRelation.h"
#include "SlotGuard.h"
#include "WidgetAreas/MessageItem.h"
#include "elements/ConstraintModel.h"
#include "elements/RuleModel.h"
#include "errors/IntegrityMsg.h"
#include "model/OstraClass.h"
#include "workspace/colleagues/RelationColleague.h"

#include <QFile>
#include <QTextCursor>
#include <QUuid>

namespace {
const int TITLE_SHOWN = 15;
// Captions of the kinds on the relation base, in kind order.
const int KIND_CAPTIONS[] = {3, 4, 5, 6};

// Deletes, from every element of the class standing on the relation, the links under names the
// relation no longer has.
template<typename Element, typename Links, typename Delete>
void unlinkDropped(const QHash<QString, QSharedPointer<Element>> &n_elements,
                   const QSharedPointer<RelationModel> &n_relation, const QStringList &n_names,
                   Links n_links, Delete n_delete)
{
    for (const QSharedPointer<Element> &element : n_elements) {
        if (!element || element->getRelationPtr() != n_relation)
            continue;
        for (const QString &name : ((*element).*n_links)().keys())
            if (!n_names.contains(name))
                ((*element).*n_delete)(name);
    }
}
} // namespace

wRelationshipArea::wRelationshipArea(QWidget *parent)
    : QWidget(parent), ui(new Ui::wRelationshipArea)
{
    ui->setupUi(this);
    ui->leName->setMaxLength(NAME_LIMIT);
    setWindowIcon(QIcon(QStringLiteral(":/prog/Images/24x24/relation.png")));
    ui->btnBodyDesigner->setMinimumSize(21, 21);
    changeLanguage();
    readTezaurus();
}

wRelationshipArea::~wRelationshipArea() = default;

QString wRelationshipArea::pageTitle(const QString &n_title)
{
    return n_title.size() > TITLE_SHOWN ? n_title.left(TITLE_SHOWN) + QStringLiteral("...")
                                        : n_title;
}

void wRelationshipArea::changeLanguage()
{
    const bool loaded = m_loaded;
    m_loaded = false;
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    const int index = qMax(0, ui->cbRelationType->currentIndex());
    ui->cbRelationType->clear();
    for (int offset : KIND_CAPTIONS)
        ui->cbRelationType->addItem(texts.getTextById(texts.getRelationBeginKey() + offset));
    ui->cbRelationType->setCurrentIndex(index);
    m_loaded = loaded;
}

void wRelationshipArea::readTezaurus()
{
    QFile file(QStringLiteral(":/tezaurus/tezaurus"));
    m_tezaurus.readTezaurus(file);
    chooseTezaurusLanguage();
}

void wRelationshipArea::chooseTezaurusLanguage()
{
    m_lang = ui->lbName->text().toLower() == QLatin1String("name") ? mathTezaurus::ENGLISH
                                                                   : mathTezaurus::RUSSIAN;
    m_tezaurusHash = m_tezaurus.getTezaurusByLang(m_lang);
}

void wRelationshipArea::setData(OstraClass *n_class)
{
    m_class = n_class;
}

void wRelationshipArea::setEditData(OstraClass *n_class, QString n_uid)
{
    if (!m_class)
        return;
    m_uid = n_uid;
    const QSharedPointer<RelationModel> relation = n_class->getRelationPtr(n_uid);
    ui->cbRelationType->setEnabled(false);
    ElementNamePage::loadLimited(ui->leName, relation->getShortName(), NAME_LIMIT);
    m_body = relation->getCode();
    ElementNamePage::loadLimited(ui->leBodyExpression, m_body, BODY_LIMIT);
    m_descriptionLimit = ElementNamePage::loadedLimit(DESCRIPTION_LIMIT,
                                                      relation->getDescription());
    ui->teDescription->setPlainText(relation->getDescription());
    m_inputNames = relation->getInputParametersNames();
    m_outputNames = relation->getOutputParametersNames();
    m_inputTypes = relation->getInputParametersTypes();
    m_outputTypes = relation->getOutputParametersTypes();
    m_kind = relation->getRelationType();
    ui->cbRelationType->setCurrentIndex(int(m_kind));
    setWindowTitle(
        pageTitle(relation->getShortName().isEmpty() ? m_body : relation->getShortName()));
    m_loaded = true;
}

void wRelationshipArea::setParent(QString n_uid)
{
    m_parentUid = n_uid;
}

QString wRelationshipArea::getParent() const
{
    return m_parentUid;
}

QString wRelationshipArea::getUid() const
{
    return m_uid;
}

void wRelationshipArea::setColleague(RelationColleague *n_colleague)
{
    m_colleague = n_colleague;
}

void wRelationshipArea::errorMessageOnOff(bool n_on)
{
    m_showErrors = n_on;
}

void wRelationshipArea::report(const QString &n_text, bool n_boxWithoutColleague)
{
    if (m_colleague) {
        MessageItem message(ERROR_MESSAGE, m_uid, n_text);
        m_colleague->sendError(&message);
    } else if (n_boxWithoutColleague) {
        const ErrorDictionary &errors = ErrorDictionary::Instance();
        MessageBoxes::critical(this, errors.getErrorById(errors.getOstraIDEBeginKey() + 1), n_text);
    }
}

bool wRelationshipArea::validate()
{
    const ErrorDictionary &errors = ErrorDictionary::Instance();
    bool valid = true;
    if (ui->leName->text().isEmpty()) {
        report(errors.getErrorById(errors.getOstraIDEBeginKey() + 190), true);
        valid = false;
    }
    if (ui->leBodyExpression->text().isEmpty()) {
        report(errors.getErrorById(errors.getOstraIDEBeginKey() + 200), true);
        valid = false;
    }
    if (!m_class)
        return valid;
    const QString name = ui->leName->text().trimmed();
    const QHash<QString, QSharedPointer<RelationModel>> relations = m_class->getRelationsHash();
    for (const QSharedPointer<RelationModel> &relation : relations) {
        if (relation && relation->getShortName().trimmed() == name && relation->getId() != m_uid) {
            report(errors.getErrorById(errors.getOstraIntegrityBeginKey()
                                       + IntegrityMsg::MSG_CODE_RELATION_WITH_SAME_SHORTNAME),
                   false);
            valid = false;
        }
    }
    return valid;
}

bool wRelationshipArea::save()
{
    if (!m_class)
        return false;
    if (m_colleague && m_showErrors)
        m_colleague->clearError();
    if (!validate())
        return false;
    if (m_uid.isEmpty()) {
        const QString id = QUuid::createUuid().toString().mid(1, 36);
        const auto relation = QSharedPointer<RelationModel>::create(
            id, ui->leBodyExpression->text(), nullptr);
        relation->setDescription(ui->teDescription->toPlainText());
        relation->setShortName(ui->leName->text());
        relation->addInputParametersTypes(m_inputTypes);
        relation->addOutputParametersTypes(m_outputTypes);
        relation->setRelationType(m_kind);
        m_class->addRelationPtr(relation);
        m_uid = id;
        m_loaded = true;
    } else {
        const QSharedPointer<RelationModel> relation = m_class->getRelationPtr(m_uid);
        relation->setShortName(ui->leName->text());
        relation->setDescription(ui->teDescription->toPlainText());
        relation->setCode(ui->leBodyExpression->text());
        removeInputParameterFromRules(relation, m_inputNames);
        removeOutputParameterFromRules(relation, m_outputNames);
        removeInputParameterFromConstraint(relation, m_inputNames);
        relation->setInputParametersTypes(m_inputTypes);
        relation->setOutputParametersTypes(m_outputTypes);
    }
    setWindowTitle(pageTitle(ui->leName->text()));
    ui->cbRelationType->setEnabled(false);
    return true;
}

void wRelationshipArea::removeInputParameterFromRules(QSharedPointer<RelationModel> n_relation,
                                                      QStringList n_names)
{
    if (m_class)
        unlinkDropped(m_class->getRulesHash(), n_relation, n_names, &RuleModel::getInputParameters,
                      &RuleModel::deleteInputParameter);
}

void wRelationshipArea::removeOutputParameterFromRules(QSharedPointer<RelationModel> n_relation,
                                                       QStringList n_names)
{
    if (m_class)
        unlinkDropped(m_class->getRulesHash(), n_relation, n_names, &RuleModel::getOutputParameters,
                      &RuleModel::deleteOutputParameter);
}

void wRelationshipArea::removeInputParameterFromConstraint(QSharedPointer<RelationModel> n_relation,
                                                           QStringList n_names)
{
    if (m_class)
        unlinkDropped(m_class->getConstraintsHash(), n_relation, n_names,
                      &ConstraintModel::getInputParameters, &ConstraintModel::deleteInputParameter);
}

void wRelationshipArea::retranslateUI()
{
    const bool loaded = m_loaded;
    m_loaded = false;
    const QString title = windowTitle();
    ui->retranslateUi(this);
    setWindowTitle(title);
    changeLanguage();
    chooseTezaurusLanguage();
    m_loaded = loaded;
}

void wRelationshipArea::changeRelationBody(bool)
{
}

void wRelationshipArea::on_btnBodyDesigner_clicked()
{
    SlotGuard::run(
        [this] {
            wChangeRelation designer(this);
            designer.setTezaurusHash(m_tezaurusHash);
            const InterfaceLanguage &texts = InterfaceLanguage::Instance();
            const QString caption = ui->cbRelationType->currentText();
            int kind = 0;
            for (int candidate = 1; candidate < 4; ++candidate)
                if (caption
                    == texts.getTextById(texts.getRelationBeginKey() + KIND_CAPTIONS[candidate]))
                    kind = candidate;
            designer.setRelationship(RelationModel::RelationType(kind));
            QString body;
            if (!m_uid.isEmpty()) {
                body = m_body;
                designer.setInputParams(m_inputNames, m_inputTypes);
                designer.setOutputParams(m_outputNames, m_outputTypes);
            }
            designer.setBody(body);
            designer.setOldBody(body);
            if (MessageBoxes::execDialog(designer) != QDialog::Accepted)
                return;
            m_body = designer.getBody();
            ElementNamePage::loadLimited(ui->leBodyExpression, m_body, BODY_LIMIT);
            m_inputNames = designer.getInputParams();
            m_outputNames = designer.getOutputParams();
            m_inputTypes = designer.getInputTypes();
            m_outputTypes = designer.getOutputTypes();
            m_kind = designer.getRelationType();
            edited();
        },
        this);
}

void wRelationshipArea::on_leName_textChanged(QString)
{
    SlotGuard::run([this] { edited(); }, this);
}

void wRelationshipArea::on_cbRelationType_currentTextChanged(QString)
{
    SlotGuard::run([this] { edited(); }, this);
}

void wRelationshipArea::on_teDescription_textChanged()
{
    SlotGuard::run(
        [this] {
            ElementNamePage::limitDescription(ui->teDescription, m_descriptionLimit);
            edited();
        },
        this);
}

void wRelationshipArea::edited()
{
    if (m_loaded)
        emit changeDataWidget();
}
