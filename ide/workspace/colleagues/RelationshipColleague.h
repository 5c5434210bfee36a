#ifndef RELATIONSHIPCOLLEAGUE_H
#define RELATIONSHIPCOLLEAGUE_H

#include "workspace/colleagues/BaseColleague.h"

class CommandItem;
class QWidget;
class wContainerRelationshipArea;

// Colleague of the relations tree (main mediator).
class RelationshipColleague : public BaseColleague
{
public:
    explicit RelationshipColleague(BaseMediator *n_mediator);

    void send(CommandItem *n_command);
    // Keeps the widget when it is the relations tree; any other widget leaves the slot empty.
    void setRelationshipWidget(QWidget *n_widget);
    void setTitle(CommandItem *n_command);
    // Adds the current class's relations the tree does not show yet.
    void updateView();
    // Drops the items of the elements the model no longer holds.
    void dropGone();
    void retranslate() override;

private:
    wContainerRelationshipArea *m_tree = nullptr;
};

#endif // RELATIONSHIPCOLLEAGUE_H
