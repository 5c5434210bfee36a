#include "WidgetAreas/wClassArea.h"
#include "ui_wClassArea.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "SlotGuard.h"
#include "WidgetAreas/ClassLevelList.h"
#include "WidgetAreas/ClassPageChecks.h"
#include "WidgetAreas/ElementNamePage.h"
#include "errors/IntegrityMsg.h"
#include "errors/uidgenerators.h"
#include "model/OstraClass.h"
#include "workspace/colleagues/ClassColleague.h"
#include "workspace/routing/CommandItem.h"

#include <QTextCursor>

#include <algorithm>
#include <utility>

namespace {
const int EMPTY_NAME_KEY = 160;
} // namespace

wClassArea::wClassArea(QWidget *parent) : QWidget(parent), ui(new Ui::wClassArea)
{
    ui->setupUi(this);
    ui->leName->setMaxLength(NAME_LIMIT);
    ui->gvIcon->hide();
    setWindowIcon(QIcon(QStringLiteral(":/prog/Images/64x64/class.png")));
    changeLanguage();
}

wClassArea::~wClassArea() = default;

QString wClassArea::cut(const QString &n_name)
{
    return ClassLevelList::cut(n_name);
}

void wClassArea::setSortedLevelsCB(QMultiHash<QString, QString> &n_levels)
{
    m_levelsPending = false;
    std::vector<Level> levels;
    levels.reserve(size_t(n_levels.size()));
    for (auto it = n_levels.cbegin(); it != n_levels.cend(); ++it)
        levels.push_back({it.key(), it.value()});
    fillLevels(levels, true);
}

void wClassArea::fillLevels(std::vector<Level> &n_levels, bool n_mayRepeat)
{
    ClassLevelList::fill(ui->cbLevel, n_levels, n_mayRepeat);
}

void wClassArea::setData(OstraClass *n_root)
{
    m_root = n_root;
    // Filled when first needed: a page opened on an existing class refills for that class at
    // once, so filling here as well would double the cost of opening it.
    m_levelsPending = m_root != nullptr;
}

void wClassArea::ensureLevels()
{
    if (!m_levelsPending || !m_root)
        return;
    m_levelsPending = false;
    // The hash is shared, not copied: a set of the classes would be built afresh on every fill.
    const auto classes = m_root->getAllClassesHash();
    std::vector<Level> levels;
    levels.reserve(size_t(classes.size()) + 1);
    levels.push_back({m_root->getShortName(), m_root->getId()});
    for (const auto &cls : classes)
        levels.push_back({cls->getShortName(), cls->getId()});
    fillLevels(levels, false);
    if (!m_parentUid.isEmpty())
        ui->cbLevel->setCurrentIndex(ui->cbLevel->findData(m_parentUid));
}

void wClassArea::setData(OstraClass *n_root, QSharedPointer<OstraClass> n_edited)
{
    m_root = n_root;
    m_levelsPending = false;
    if (!m_root)
        return;
    const auto classes = m_root->getAllClassesHash();
    std::vector<Level> levels;
    levels.reserve(size_t(classes.size()) + 1);
    levels.push_back({m_root->getShortName(), m_root->getId()});
    for (const auto &cls : classes) {
        // The class cannot move under itself or anything below it.
        if (n_edited && (cls == n_edited || n_edited->classContains(cls->getId())))
            continue;
        levels.push_back({cut(cls->getShortName()), cls->getId()});
    }
    fillLevels(levels, false);
}

QSharedPointer<OstraClass> wClassArea::classOf(const QString &n_id) const
{
    return n_id == m_root->getId() ? m_root->sharedFromThis() : m_root->getClassById(n_id);
}

void wClassArea::setEditData(OstraClass *n_root, QString n_uid)
{
    if (!m_root)
        return;
    m_loaded = false;
    m_root = n_root;
    m_uid = std::move(n_uid);
    const QSharedPointer<OstraClass> edited = classOf(m_uid);
    ElementNamePage::loadLimited(ui->leName, edited->getShortName(), NAME_LIMIT);
    m_descriptionLimit = ElementNamePage::loadedLimit(DESCRIPTION_LIMIT, edited->getDescription());
    ui->teDescription->setPlainText(edited->getDescription());
    setData(m_root, edited);
    if (edited->hasParent())
        setParent(edited->getParent()->getId());
    setClassWindowTitle();
    m_loaded = true;
}

void wClassArea::setParent(QString n_uid)
{
    if (!m_root)
        return;
    m_parentUid = std::move(n_uid);
    if (!m_levelsPending)
        ui->cbLevel->setCurrentIndex(ui->cbLevel->findData(m_parentUid));
}

QString wClassArea::getParent() const
{
    return m_parentUid;
}

QString wClassArea::getUid() const
{
    return m_uid;
}

void wClassArea::setColleague(ClassColleague *n_colleague)
{
    m_colleague = n_colleague;
}

void wClassArea::errorMessageOnOff(bool n_on)
{
    m_showErrors = n_on;
}

QSharedPointer<OstraClass> wClassArea::chosenParent()
{
    m_parentUid = ui->cbLevel->currentData().toString();
    return classOf(m_parentUid);
}

QSharedPointer<OstraClass> wClassArea::movedTo(const QSharedPointer<OstraClass> &n_edited)
{
    const QSharedPointer<OstraClass> present = n_edited->getParent();
    if (m_uid == m_root->getId() || !present || ui->cbLevel->currentIndex() < 0)
        return nullptr;
    const QSharedPointer<OstraClass> parent = chosenParent();
    return parent->getId() != present->getId() ? parent : nullptr;
}

bool wClassArea::save()
{
    if (!m_root)
        return false;
    ensureLevels();
    if (m_colleague && m_showErrors)
        m_colleague->clearError();
    const QString name = ui->leName->text();
    // Looked up before the checks, so that an unknown id throws whatever the name.
    const QSharedPointer<OstraClass> edited = m_uid.isEmpty() ? nullptr : classOf(m_uid);
    const QSharedPointer<OstraClass> parent = edited ? nullptr : chosenParent();
    if (ClassPageChecks::emptyName(name)) {
        report(ErrorDictionary::Instance().getOstraIDEBeginKey() + EMPTY_NAME_KEY, true);
        return false;
    }
    // Checked before anything is written or moved, so a refusal changes nothing.
    const QSharedPointer<OstraClass> target = edited ? movedTo(edited) : parent;
    if (target && ClassPageChecks::nameTaken(*target, name, m_uid)) {
        refuseClash();
        return false;
    }
    if (!edited) {
        // A new class shares the model's relations, so rules bound in it see the model's store.
        auto created = QSharedPointer<OstraClass>::create(uidgenerators::genUid(),
                                                          m_root->getRelationsStorage());
        created->setShortName(name);
        created->setDescription(ui->teDescription->toPlainText());
        parent->addClass(created);
        m_uid = created->getId();
    } else {
        if (target)
            edited->getParent()->changeParent(edited, target);
        edited->setShortName(name);
        edited->setDescription(ui->teDescription->toPlainText());
    }
    m_loaded = true;
    setClassWindowTitle();
    return true;
}

void wClassArea::refuseClash()
{
    report(ErrorDictionary::Instance().getOstraIntegrityBeginKey()
               + IntegrityMsg::MSG_CODE_CLASS_WITH_SAME_SHORTNAME,
           true);
    m_loaded = false;
}

void wClassArea::report(int n_key, bool n_boxWithoutColleague)
{
    ElementNamePage::report(this, m_colleague, m_uid, n_key, n_boxWithoutColleague);
}

void wClassArea::setClassWindowTitle()
{
    setWindowTitle(ElementNamePage::pageTitle(ui->leName->text()));
}

void wClassArea::changeLanguage()
{
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    ui->lbName->setText(texts.getTextById(texts.getBaseInterfaceBeginKey() + 1));
    ui->lbDescription->setText(texts.getTextById(texts.getBaseInterfaceBeginKey() + 2));
}

void wClassArea::retranslateUI()
{
    ui->retranslateUi(this);
    changeLanguage();
}

bool wClassArea::createItem(CommandItem *)
{
    return true;
}

bool wClassArea::updateItem(CommandItem *n_command)
{
    if (!m_root || n_command->getTypeWorkSpace() != CLASS_WINDOW)
        return true;
    ensureLevels();
    const QString id = n_command->getUid();
    const int index = ui->cbLevel->findData(id);
    if (index >= 0) {
        ui->cbLevel->setItemText(index, n_command->getAdditionalInformation());
        return true;
    }
    const QSharedPointer<OstraClass> cls = classOf(id);
    if (!m_uid.isEmpty()) {
        const QSharedPointer<OstraClass> edited = classOf(m_uid);
        if (cls == edited || edited->classContains(id))
            return true;
    }
    ui->cbLevel->addItem(cut(cls->getShortName()), id);
    return true;
}

bool wClassArea::deleteItem(CommandItem *n_command)
{
    ensureLevels();
    const int index = ui->cbLevel->findData(n_command->getUid());
    if (index >= 0)
        ui->cbLevel->removeItem(index);
    return true;
}

void wClassArea::on_leName_textChanged(const QString &)
{
    SlotGuard::run(
        [&] {
            if (m_loaded)
                emit changeDataWidget();
        },
        this);
}

void wClassArea::on_teDescription_textChanged()
{
    SlotGuard::run(
        [&] {
            ElementNamePage::limitDescription(ui->teDescription, m_descriptionLimit);
            if (m_loaded)
                emit changeDataWidget();
        },
        this);
}

void wClassArea::on_cbLevel_currentIndexChanged(int n_index)
{
    SlotGuard::run(
        [&] {
            const QString id = ui->cbLevel->itemData(n_index).toString();
            if (m_root && n_index >= 0 && m_root->classContains(id))
                ui->cbLevel->setToolTip(m_root->getClassById(id)->getShortName());
            if (m_loaded)
                emit changeDataWidget();
        },
        this);
}

void wClassArea::on_cbLevel_activated(const QString &)
{
}

void wClassArea::showEvent(QShowEvent *n_event)
{
    SlotGuard::run([this] { ensureLevels(); }, this);
    QWidget::showEvent(n_event);
}
