#include "WidgetAreas/ElementNamePage.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "Errors/ErrorDictionary.h"
#include "MessageBoxes.h"
#include "SlotGuard.h"
#include "WidgetAreas/MessageItem.h"
#include "errors/BaseOstraObj.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextCursor>
#include <QTextEdit>

namespace {
// Core error text "element not found".
const int ELEMENT_NOT_FOUND_KEY = 511;
const int TITLE_LENGTH = 15;
} // namespace

ElementNamePage::ElementNamePage(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QFormLayout(this);
    m_nameLabel = new QLabel(this);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("leShortName"));
    layout->addRow(m_nameLabel, m_name);
    connect(m_name, &QLineEdit::textEdited, this,
            [this] { SlotGuard::run([this] { emit nameEdited(); }, this); });
    retranslateUI();
}

void ElementNamePage::setData(OstraClass *n_class)
{
    m_class = n_class;
}

void ElementNamePage::setEditData(OstraClass *n_class, QString n_id)
{
    m_class = n_class;
    m_uid = n_id;
    const QSharedPointer<BaseOstraObj> element = findElement(n_id);
    if (!element)
        return;
    m_parentUid = parentOf(n_id);
    m_name->setText(element->getShortName());
    setWindowTitle(pageTitle(element->getShortName()));
}

void ElementNamePage::setParent(const QString &n_id)
{
    m_parentUid = n_id;
}

QString ElementNamePage::getParent() const
{
    return m_parentUid;
}

QString ElementNamePage::getUid() const
{
    return m_uid;
}

void ElementNamePage::errorMessageOnOff(bool n_on)
{
    m_showErrors = n_on;
}

bool ElementNamePage::save()
{
    if (m_showErrors)
        clearErrors();
    const QString name = m_name->text().trimmed();
    const ErrorDictionary &errors = ErrorDictionary::Instance();
    if (name.isEmpty()) {
        refuse(errors.getErrorById(errors.getOstraIDEBeginKey() + emptyNameKey()));
        return false;
    }
    const QSharedPointer<BaseOstraObj> element = m_uid.isEmpty() ? nullptr : findElement(m_uid);
    if (!element) {
        refuse(errors.getErrorById(errors.getOstraCoreBeginKey() + ELEMENT_NOT_FOUND_KEY));
        return false;
    }
    element->setShortName(name);
    setWindowTitle(pageTitle(name));
    return true;
}

void ElementNamePage::refuse(const QString &n_text)
{
    if (!m_showErrors)
        return;
    MessageItem message(ERROR_MESSAGE, m_uid, n_text);
    reportError(&message);
}

void ElementNamePage::retranslateUI()
{
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    m_nameLabel->setText(texts.getTextById(texts.getBaseInterfaceBeginKey() + 1));
}

QString ElementNamePage::pageTitle(const QString &n_name)
{
    return n_name.size() > TITLE_LENGTH ? n_name.left(TITLE_LENGTH) + QStringLiteral("...")
                                        : n_name;
}

QString ElementNamePage::errorText(int n_key)
{
    return ErrorDictionary::Instance().getErrorById(n_key);
}

void ElementNamePage::showErrorBox(QWidget *n_page, const QString &n_text)
{
    const ErrorDictionary &errors = ErrorDictionary::Instance();
    MessageBoxes::critical(n_page, errors.getErrorById(errors.getOstraIDEBeginKey() + 1), n_text);
}

OstraClass *ElementNamePage::currentClass() const
{
    return m_class;
}

bool ElementNamePage::limitDescription(QTextEdit *n_edit, int n_limit)
{
    const QString text = n_edit->toPlainText();
    if (text.size() <= n_limit)
        return false;
    n_edit->setPlainText(text.left(n_limit));
    n_edit->moveCursor(QTextCursor::End);
    return true;
}

int ElementNamePage::loadedLimit(int n_limit, const QString &n_text)
{
    return qMax(n_limit, n_text.size());
}

void ElementNamePage::loadLimited(QLineEdit *n_edit, const QString &n_text, int n_limit)
{
    n_edit->setMaxLength(loadedLimit(n_limit, n_text));
    n_edit->setText(n_text);
}
