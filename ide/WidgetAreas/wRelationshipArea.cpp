#include "WidgetAreas/wRelationshipArea.h"

#include "model/OstraClass.h"
#include "workspace/colleagues/RelationColleague.h"

wRelationshipArea::wRelationshipArea(QWidget *parent) : ElementNamePage(parent)
{
    connect(this, &ElementNamePage::nameEdited, this, &wRelationshipArea::changeDataWidget);
}

void wRelationshipArea::setColleague(RelationColleague *n_colleague)
{
    m_colleague = n_colleague;
}

QSharedPointer<BaseOstraObj> wRelationshipArea::findElement(const QString &n_id) const
{
    OstraClass *cls = currentClass();
    if (!cls)
        return nullptr;
    return cls->relationsContains(n_id) ? cls->getRelationPtr(n_id) : nullptr;
}

QString wRelationshipArea::parentOf(const QString &n_id) const
{
    const QSharedPointer<BaseOstraObj> element = findElement(n_id);
    Q_UNUSED(element)
    return getParent();
}

int wRelationshipArea::emptyNameKey() const { return 190; }

void wRelationshipArea::clearErrors()
{
    if (m_colleague)
        m_colleague->clearError();
}

void wRelationshipArea::reportError(MessageItem *n_message)
{
    if (m_colleague)
        m_colleague->sendError(n_message);
}
