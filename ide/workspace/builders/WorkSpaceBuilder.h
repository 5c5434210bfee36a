#ifndef WORKSPACEBUILDER_H
#define WORKSPACEBUILDER_H

#include "workspace/builders/IDEBuilder.h"

#include <QObject>

// The central tab widget of editor pages: closable, movable tabs. The pages' wrappers live in
// the workspace colleague, not here.
class WorkSpaceBuilder : public QObject, public IDEBuilder
{
    Q_OBJECT

public:
    explicit WorkSpaceBuilder(QObject *parent);
    ~WorkSpaceBuilder() override;

    void build(QWidget *n_parent) override;
    QVBoxLayout *getResultBuild() override;
    QTabWidget *getTabWidget() override;
    void retranslate() override;
    // Always empty.
    QList<WidgetWrapper *> getWidgets() override;
    // A new free window over no wrapper and the editor tab widget; the caller owns it.
    FreeWindow *getFreeWindow() override;
    // Removes every editor tab and deletes its page, so that no page of a closed model survives.
    void clear() override;
    WidgetWrapper *getCurrentWidgetWrapper();

signals:
    void changeCurrentIndex(int index);

private slots:
    void closeTab(bool);
    void closeTab(int index);
    void moveCurrentTab(int index);
};

#endif // WORKSPACEBUILDER_H
