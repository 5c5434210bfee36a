#include "WidgetAreas/wRuleArea.h"

#include "model/OstraClass.h"
#include "workspace/colleagues/RuleColleague.h"

wRuleArea::wRuleArea(QWidget *parent) : ElementNamePage(parent)
{
    connect(this, &ElementNamePage::nameEdited, this, &wRuleArea::changeDataWidget);
}

void wRuleArea::setColleague(RuleColleague *n_colleague)
{
    m_colleague = n_colleague;
    if (m_colleague)
        m_colleague->setRuleWidget(this);
}

bool wRuleArea::createItem(CommandItem *) { return true; }

bool wRuleArea::updateItem(CommandItem *) { return true; }

bool wRuleArea::deleteItem(CommandItem *) { return true; }

QSharedPointer<BaseOstraObj> wRuleArea::findElement(const QString &n_id) const
{
    OstraClass *cls = currentClass();
    if (!cls)
        return nullptr;
    if (cls->constraintsContains(n_id))
        return cls->getConstraint(n_id);
    return cls->rulesContains(n_id) ? cls->getRule(n_id) : nullptr;
}

QString wRuleArea::parentOf(const QString &n_id) const
{
    const QSharedPointer<BaseOstraObj> element = findElement(n_id);
    if (!element)
        return QString();
    OstraClass *cls = currentClass();
    QSharedPointer<RelationModel> relation = cls->constraintsContains(n_id)
                                                 ? cls->getConstraint(n_id)->getRelationPtr()
                                                 : cls->getRule(n_id)->getRelationPtr();
    return relation ? relation->getId() : QString();
}

int wRuleArea::emptyNameKey() const { return 210; }

void wRuleArea::clearErrors()
{
    if (m_colleague)
        m_colleague->clearError();
}

void wRuleArea::reportError(MessageItem *n_message)
{
    if (m_colleague)
        m_colleague->sendError(n_message);
}
