#ifndef COMMANDITEM_H
#define COMMANDITEM_H

#include "workspace/routing/WorkSpaceTypes.h"

#include <QString>

// One request of an area to another: operation, element kind, element id, and for the
// workspace's title updates the parent id and the display title. A plain value: the sender keeps
// it (on its stack) for the length of the call; receivers read it and keep nothing.
class CommandItem
{
public:
    CommandItem(TypeCRUD n_type, TypeWorkSpaceWindow n_kind, QString n_uid);
    CommandItem(TypeCRUD n_type, TypeWorkSpaceWindow n_kind, const QString &n_uid,
                const QString &n_parentUid, const QString &n_additionalInformation);

    TypeCRUD getTypeCommand() const;
    TypeWorkSpaceWindow getTypeWorkSpace() const;
    QString getUid() const;
    QString getParentUid() const;
    QString getAdditionalInformation() const;

private:
    TypeCRUD m_type;
    TypeWorkSpaceWindow m_kind;
    QString m_uid;
    QString m_parentUid;
    QString m_additionalInformation;
};

#endif // COMMANDITEM_H
