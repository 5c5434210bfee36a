#include "WidgetAreas/wClassArea.h"

#include "model/OstraClass.h"
#include "workspace/colleagues/ClassColleague.h"

wClassArea::wClassArea(QWidget *parent) : ElementNamePage(parent)
{
    connect(this, &ElementNamePage::nameEdited, this, &wClassArea::changeDataWidget);
}

void wClassArea::setColleague(ClassColleague *n_colleague)
{
    m_colleague = n_colleague;
}

bool wClassArea::createItem(CommandItem *) { return true; }

bool wClassArea::updateItem(CommandItem *) { return true; }

bool wClassArea::deleteItem(CommandItem *) { return true; }

QSharedPointer<BaseOstraObj> wClassArea::findElement(const QString &n_id) const
{
    OstraClass *cls = currentClass();
    if (!cls)
        return nullptr;
    if (n_id == cls->getId())
        return cls->sharedFromThis();
    return cls->classContains(n_id) ? cls->getClassById(n_id) : nullptr;
}

QString wClassArea::parentOf(const QString &n_id) const
{
    const QSharedPointer<BaseOstraObj> element = findElement(n_id);
    const QSharedPointer<OstraClass> owner =
        element ? element.staticCast<OstraClass>()->getParent() : QSharedPointer<OstraClass>();
    return owner ? owner->getId() : QString();
}

int wClassArea::emptyNameKey() const { return 160; }

void wClassArea::clearErrors()
{
    if (m_colleague)
        m_colleague->clearError();
}

void wClassArea::reportError(MessageItem *n_message)
{
    if (m_colleague)
        m_colleague->sendError(n_message);
}
