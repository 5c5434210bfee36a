#ifndef WCONTAINERPROJECTAREA_H
#define WCONTAINERPROJECTAREA_H

#include "WidgetAreas/ElementTreeArea.h"

class ProjectColleague;

// Least project tree: the class tree with each class's own parameters.
class wContainerProjectArea : public ElementTreeArea
{
    Q_OBJECT

public:
    explicit wContainerProjectArea(QWidget *parent = nullptr);

    // Commands are sent only while a colleague is set.
    void setColleague(ProjectColleague *n_colleague);
    // Renames the element's row, moves it under its parent when that changed, or adds it.
    void setChangeTitleItem(CommandItem *n_command);

protected:
    void fill(OstraClass *n_class) override;
    void sendCommand(CommandItem *n_command) override;

private:
    QStandardItem *classRow(OstraClass *n_class);

    ProjectColleague *m_colleague = nullptr;
};

#endif // WCONTAINERPROJECTAREA_H
