#include "WidgetAreas/wParameterArea.h"

#include "model/OstraClass.h"
#include "workspace/colleagues/ParameterColleague.h"

wParameterArea::wParameterArea(QWidget *parent) : ElementNamePage(parent)
{
    connect(this, &ElementNamePage::nameEdited, this, &wParameterArea::changeDataWidget);
}

void wParameterArea::setColleague(ParameterColleague *n_colleague)
{
    m_colleague = n_colleague;
}

bool wParameterArea::createItem(CommandItem *) { return true; }

bool wParameterArea::updateItem(CommandItem *) { return true; }

bool wParameterArea::deleteItem(CommandItem *) { return true; }

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
    const QSharedPointer<OstraClass> owner =
        element ? element.staticCast<ParameterModel>()->getParent() : QSharedPointer<OstraClass>();
    return owner ? owner->getId() : QString();
}

int wParameterArea::emptyNameKey() const { return 170; }

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
