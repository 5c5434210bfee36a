#include "RelationWidgets/wChangeRelation.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "PlainTextBox.h"
#include "RelationWidgets/wConditionalRelationship.h"
#include "RelationWidgets/wProgramRelation.h"
#include "RelationWidgets/wSimpleRelation.h"
#include "SlotGuard.h"
#include "errors/ExceptionOstra.h"
#include "ui_wChangeRelation.h"

#include <QAction>
#include <QIcon>
#include <QToolBar>

namespace {

const int KEY_TAB_FORMULA = 3;
const int KEY_TAB_IF = 4;
const int KEY_TAB_CONSTRAINT = 5;
const int KEY_TAB_SCRIPT = 6;
const int KEY_DEBUG_ACTION = 85;
const int KEY_ERROR_TITLE = 1;
// The verification-failure text of each kind, in kind order.
const int KEYS_NOT_VERIFIED[] = {110, 130, 140, 120};

QString relationText(int n_offset)
{
    InterfaceLanguage &language = InterfaceLanguage::Instance();
    return language.getTextById(language.getRelationBeginKey() + n_offset);
}

} // namespace

wChangeRelation::wChangeRelation(QWidget *n_parent)
    : QDialog(n_parent), ui(new Ui::wChangeRelation), m_formulaPage(new wSimpleRelation),
      m_ifPage(new wConditionalRelationship), m_constraintPage(new wConditionalRelationship),
      m_scriptPage(new wProgramRelation), m_kind(RelationModel::RELATION_SIMPLE)
{
    ui->setupUi(this);
    m_constraintPage->setConstraint(true);
    ui->twRelation->addTab(m_formulaPage, relationText(KEY_TAB_FORMULA));
    ui->twRelation->addTab(m_ifPage, relationText(KEY_TAB_IF));
    ui->twRelation->addTab(m_constraintPage, relationText(KEY_TAB_CONSTRAINT));
    ui->twRelation->addTab(m_scriptPage, relationText(KEY_TAB_SCRIPT));
    m_ideBeginKey = ErrorDictionary::Instance().getOstraIDEBeginKey();

    m_toolBar = new QToolBar(QStringLiteral("Linker ToolBar"), this);
    auto *spacer = new QWidget(m_toolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_toolBar->addWidget(spacer);
    InterfaceLanguage &language = InterfaceLanguage::Instance();
    QAction *debug = m_toolBar->addAction(
        QIcon(QStringLiteral(":/prog/Images/24x24/debug.png")),
        language.getTextById(language.getMainInterfaceBeginKey() + KEY_DEBUG_ACTION));
    debug->setObjectName(QStringLiteral("actionDebug"));
    connect(debug, &QAction::triggered, this, &wChangeRelation::analyze);
    ui->verticalLayout->insertWidget(0, m_toolBar);
    m_kind = RelationModel::RELATION_SIMPLE;
}

wChangeRelation::~wChangeRelation()
{
    delete ui;
}

bool wChangeRelation::kindIsKnown() const
{
    return m_kind >= RelationModel::RELATION_SIMPLE && m_kind <= RelationModel::RELATION_PROGRAM;
}

void wChangeRelation::requireKnownKind(const char *n_method) const
{
    if (!kindIsKnown())
        throw ExceptionOstra(
            123, QStringLiteral("Wrong RelationType!"), QStringLiteral("wChangeRelation"),
            QLatin1String(n_method) + QStringLiteral("()"), QSharedPointer<ExceptionOstra>());
}

template<typename Action>
auto wChangeRelation::onPage(Action n_action)
{
    switch (m_kind) {
    case RelationModel::RELATION_SIMPLE:
        return n_action(m_formulaPage);
    case RelationModel::RELATION_IFCLAUSE:
        return n_action(m_ifPage);
    case RelationModel::RELATION_CONSTRAINT:
        return n_action(m_constraintPage);
    case RelationModel::RELATION_PROGRAM:
        return n_action(m_scriptPage);
    }
    return decltype(n_action(m_formulaPage))();
}

void wChangeRelation::setTezaurusHash(QHash<QString, QList<QString>> n_tezaurus)
{
    const QList<RelationPage *> pages{m_formulaPage, m_ifPage, m_constraintPage, m_scriptPage};
    for (RelationPage *page : pages) {
        if (page)
            page->setTezarus(n_tezaurus);
    }
}

void wChangeRelation::setRelationship(RelationModel::RelationType n_kind)
{
    m_kind = n_kind;
    if (!kindIsKnown())
        return;
    const auto drop = [this](auto *&n_page, RelationModel::RelationType n_pageKind) {
        if (n_pageKind != m_kind && n_page) {
            delete n_page;
            n_page = nullptr;
        }
    };
    drop(m_formulaPage, RelationModel::RELATION_SIMPLE);
    drop(m_ifPage, RelationModel::RELATION_IFCLAUSE);
    drop(m_constraintPage, RelationModel::RELATION_CONSTRAINT);
    drop(m_scriptPage, RelationModel::RELATION_PROGRAM);
}

void wChangeRelation::setInputParams(QList<QString> n_names, QHash<QString, QVariant::Type> n_types)
{
    onPage([&](auto *n_page) {
        if (n_page)
            n_page->setInputParameters(n_names, n_types);
    });
}

void wChangeRelation::setOutputParams(QList<QString> n_names,
                                      QHash<QString, QVariant::Type> n_types)
{
    onPage([&](auto *n_page) {
        if (n_page)
            n_page->setOutputParameters(n_names, n_types);
    });
}

void wChangeRelation::setBody(const QString &n_text)
{
    onPage([&](auto *n_page) {
        if (n_page)
            n_page->setBodyFormula(n_text);
    });
    if (m_kind == RelationModel::RELATION_CONSTRAINT && m_constraintPage)
        m_constraintPage->setConstraint(false);
}

void wChangeRelation::setOldBody(const QString &n_text)
{
    onPage([&](auto *n_page) {
        if (n_page)
            n_page->setOldBody(n_text);
    });
}

bool wChangeRelation::verify()
{
    requireKnownKind("verify");
    return onPage([](auto *n_page) { return n_page && n_page->verify(); });
}

bool wChangeRelation::check()
{
    requireKnownKind("check");
    return onPage([](auto *n_page) { return n_page && n_page->check(); });
}

QString wChangeRelation::getBody()
{
    requireKnownKind("getBody");
    return verify() ? onPage([](auto *n_page) { return n_page->getBody(); }) : QString();
}

QString wChangeRelation::getOldBody()
{
    requireKnownKind("getOldBody");
    return verify() ? onPage([](auto *n_page) { return n_page->getOldBody(); }) : QString();
}

QList<QString> wChangeRelation::getInputParams()
{
    requireKnownKind("getInputParams");
    return verify() ? onPage([](auto *n_page) { return n_page->getInputParams(); })
                    : QList<QString>();
}

QList<QString> wChangeRelation::getOutputParams()
{
    requireKnownKind("getOutputParams");
    return verify() ? onPage([](auto *n_page) { return n_page->getOutputParams(); })
                    : QList<QString>();
}

QHash<QString, QVariant::Type> wChangeRelation::getInputTypes()
{
    requireKnownKind("getInputTypes");
    return verify() ? onPage([](auto *n_page) { return n_page->getInputTypes(); })
                    : QHash<QString, QVariant::Type>();
}

QHash<QString, QVariant::Type> wChangeRelation::getOutputTypes()
{
    requireKnownKind("getOutputTypes");
    return verify() ? onPage([](auto *n_page) { return n_page->getOutputTypes(); })
                    : QHash<QString, QVariant::Type>();
}

RelationModel::RelationType wChangeRelation::getRelationType() const
{
    return m_kind;
}

void wChangeRelation::analyze()
{
    SlotGuard::run(
        [this] {
            onPage([](auto *n_page) {
                if (n_page)
                    n_page->analyze();
            });
        },
        this);
}

void wChangeRelation::on_buttonBox_accepted()
{
    SlotGuard::run(
        [this] {
            if (!check()) {
                reject();
            } else if (!verify()) {
                const ErrorDictionary &dictionary = ErrorDictionary::Instance();
                PlainTextBox::show(
                    QMessageBox::Critical, dictionary.getErrorById(m_ideBeginKey + KEY_ERROR_TITLE),
                    dictionary.getErrorById(m_ideBeginKey + KEYS_NOT_VERIFIED[m_kind]), this);
            } else {
                accept();
            }
        },
        this);
}

void wChangeRelation::on_buttonBox_rejected()
{
    SlotGuard::run([this] { reject(); }, this);
}
