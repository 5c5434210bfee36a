#include "WidgetAreas/wParameterArea.h"

#include "model/OstraClass.h"
#include "workspace/colleagues/ParameterColleague.h"

#include <QLayout>
#include <QTableWidget>

wParameterArea::wParameterArea(QWidget *parent) : ElementNamePage(parent)
{
    m_links = new QTableWidget(0, 1, this);
    m_links->setObjectName(QStringLiteral("twLinks"));
    layout()->addWidget(m_links);
    connect(this, &ElementNamePage::nameEdited, this, &wParameterArea::changeDataWidget);
}

void wParameterArea::setColleague(ParameterColleague *n_colleague)
{
    m_colleague = n_colleague;
}

bool wParameterArea::createItem(CommandItem *)
{
    return true;
}

bool wParameterArea::updateItem(CommandItem *)
{
    return true;
}

bool wParameterArea::deleteItem(CommandItem *)
{
    return true;
}

void wParameterArea::setEditData(OstraClass *n_class, QString n_id)
{
    ElementNamePage::setEditData(n_class, std::move(n_id));
    updateView();
}

void wParameterArea::updateView()
{
    m_links->setRowCount(0);
    const QSharedPointer<BaseOstraObj> element = findElement(getUid());
    if (!element)
        return;
    const QSharedPointer<ParameterModel> parameter = element.staticCast<ParameterModel>();
    QList<QSharedPointer<BaseOstraObj>> links;
    for (const QSharedPointer<RuleModel> &rule :
         parameter->getInputRules() + parameter->getOutputRules())
        links.append(rule);
    for (const QSharedPointer<ConstraintModel> &constraint : parameter->getConstraints())
        links.append(constraint);
    for (const QSharedPointer<BaseOstraObj> &link : qAsConst(links)) {
        auto *item = new QTableWidgetItem(link->getShortName());
        item->setData(Qt::UserRole, link->getId());
        m_links->insertRow(m_links->rowCount());
        m_links->setItem(m_links->rowCount() - 1, 0, item);
    }
}

void wParameterArea::removeRule(QSharedPointer<RuleModel> n_rule)
{
    if (n_rule)
        removeRow(n_rule->getId());
}

void wParameterArea::removeConstraint(QSharedPointer<ConstraintModel> n_constraint)
{
    if (n_constraint)
        removeRow(n_constraint->getId());
}

void wParameterArea::removeRow(const QString &n_id)
{
    for (int row = m_links->rowCount() - 1; row >= 0; --row)
        if (m_links->item(row, 0)->data(Qt::UserRole).toString() == n_id)
            m_links->removeRow(row);
}

QSharedPointer<BaseOstraObj> wParameterArea::findElement(const QString &n_id) const
{
    OstraClass *cls = currentClass();
    if (!cls)
        return nullptr;
    return cls->parametersContains(n_id) ? cls->getParameter(n_id) : nullptr;
}

QString wParameterArea::parentOf(const QString &n_id) const
{
    const QSharedPointer<BaseOstraObj> element = findElement(n_id);
    const QSharedPointer<OstraClass> owner = element
                                                 ? element.staticCast<ParameterModel>()->getParent()
                                                 : QSharedPointer<OstraClass>();
    return owner ? owner->getId() : QString();
}

int wParameterArea::emptyNameKey() const
{
    return 170;
}

void wParameterArea::clearErrors()
{
    if (m_colleague)
        m_colleague->clearError();
}

void wParameterArea::reportError(MessageItem *n_message)
{
    if (m_colleague)
        m_colleague->sendError(n_message);
}
