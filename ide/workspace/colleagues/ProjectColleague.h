#ifndef PROJECTCOLLEAGUE_H
#define PROJECTCOLLEAGUE_H

#include "workspace/colleagues/BaseColleague.h"

class CommandItem;
class QWidget;
class wContainerProjectArea;

// Colleague of the project tree (main mediator): carries the tree's commands out and title
// updates in.
class ProjectColleague : public BaseColleague
{
public:
    explicit ProjectColleague(BaseMediator *n_mediator);

    void send(CommandItem *n_command);
    // Keeps the widget when it is the project tree; any other widget leaves the slot empty.
    void setProjectWidget(QWidget *n_widget);
    void setTitle(CommandItem *n_command);
    void retranslate() override;

private:
    wContainerProjectArea *m_tree = nullptr;
};

#endif // PROJECTCOLLEAGUE_H
