#ifndef OBJECTFACTORY_H
#define OBJECTFACTORY_H

#include "workspace/routing/WorkSpaceTypes.h"

#include <QHash>
#include <QString>

class BaseColleague;
class KindTable;
class WidgetWrapper;

// Makes a new editor page of a kind in a wrapper through the kind's creator in the table of kinds,
// titled and bound to the kind's colleague (not owned). The caller owns the wrapper and, through
// it, the page.
class ObjectFactory
{
public:
    ObjectFactory();
    void setColleauges(QHash<TypeWorkSpaceWindow, BaseColleague *> n_colleagues);
    // Null for a kind without a row (2, and above 5). A kind without a colleague still gets
    // its page, left unbound rather than bound to nothing.
    WidgetWrapper *create(TypeWorkSpaceWindow n_kind, QString n_title);

private:
    const KindTable &m_kinds;
    QHash<TypeWorkSpaceWindow, BaseColleague *> m_colleagues;
};

#endif // OBJECTFACTORY_H
