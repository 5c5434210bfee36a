#ifndef WCONTAINERRELATIONSHIPAREA_H
#define WCONTAINERRELATIONSHIPAREA_H

#include "WidgetAreas/ElementTreeArea.h"

class RelationshipColleague;

// Least relations tree: the relations of the class, each with the rules and constraints that
// use it.
class wContainerRelationshipArea : public ElementTreeArea
{
    Q_OBJECT

public:
    explicit wContainerRelationshipArea(QWidget *parent = nullptr);

    void setColleague(RelationshipColleague *n_colleague);
    // Renames the element's row, or adds it (a relation at the top, a rule or constraint under
    // its relation).
    void setChangeTitleItem(CommandItem *n_command);
    // Adds what the current class holds and the tree does not show yet; shown rows stay.
    void UpdateView();

protected:
    void fill(OstraClass *n_class) override;
    void sendCommand(CommandItem *n_command) override;

private:
    RelationshipColleague *m_colleague = nullptr;
};

#endif // WCONTAINERRELATIONSHIPAREA_H
