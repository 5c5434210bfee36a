#include "workspace/creators/ObjectFactory.h"

#include "workspace/creators/BaseWorkSpaceCreator.h"
#include "workspace/creators/KindTable.h"
#include "workspace/wrappers/WidgetWrapper.h"

#include <memory>

ObjectFactory::ObjectFactory() : m_kinds(KindTable::standard())
{
}

void ObjectFactory::setColleauges(QHash<TypeWorkSpaceWindow, BaseColleague *> n_colleagues)
{
    m_colleagues = n_colleagues;
}

WidgetWrapper *ObjectFactory::create(TypeWorkSpaceWindow n_kind, QString n_title)
{
    const KindTable::Row *row = m_kinds.row(n_kind);
    if (!row)
        return nullptr;
    // Held until bound: a colleague of the wrong kind throws.
    std::unique_ptr<WidgetWrapper> wrapper(row->creator->create());
    wrapper->setTitle(n_title);
    if (BaseColleague *colleague = m_colleagues.value(n_kind))
        wrapper->setColleague(colleague);
    return wrapper.release();
}
