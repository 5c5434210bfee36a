#include "workspace/routing/CommandItem.h"

#include <utility>

CommandItem::CommandItem(TypeCRUD n_type, TypeWorkSpaceWindow n_kind, QString n_uid)
    : m_type(n_type), m_kind(n_kind), m_uid(std::move(n_uid))
{
}

CommandItem::CommandItem(TypeCRUD n_type, TypeWorkSpaceWindow n_kind, const QString &n_uid,
                         const QString &n_parentUid, const QString &n_additionalInformation)
    : m_type(n_type), m_kind(n_kind), m_uid(n_uid), m_parentUid(n_parentUid),
      m_additionalInformation(n_additionalInformation)
{
}

TypeCRUD CommandItem::getTypeCommand() const
{
    return m_type;
}
TypeWorkSpaceWindow CommandItem::getTypeWorkSpace() const
{
    return m_kind;
}
QString CommandItem::getUid() const
{
    return m_uid;
}
QString CommandItem::getParentUid() const
{
    return m_parentUid;
}
QString CommandItem::getAdditionalInformation() const
{
    return m_additionalInformation;
}
