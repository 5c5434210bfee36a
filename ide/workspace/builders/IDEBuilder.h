#ifndef IDEBUILDER_H
#define IDEBUILDER_H

#include "workspace/routing/WorkSpaceTypes.h"

#include <QList>

class FreeWindow;
class QTabWidget;
class QVBoxLayout;
class QWidget;
class WidgetWrapper;

// Makes one area of the main window body: its tab widget, the wrapped widgets in it and the free
// window that shows them docked or floating.
class IDEBuilder
{
public:
    IDEBuilder() = default;
    virtual ~IDEBuilder();
    IDEBuilder(const IDEBuilder &) = delete;
    IDEBuilder &operator=(const IDEBuilder &) = delete;

    virtual void build(QWidget *n_parent);
    virtual QVBoxLayout *getResultBuild();
    virtual QList<WidgetWrapper *> getWidgets();
    virtual QTabWidget *getTabWidget();
    virtual FreeWindow *getFreeWindow();
    virtual void clear();
    virtual void retranslate() = 0;

    void refresh();
    // Brings the docked widgets of that area kind to the front of the tab widget.
    void showWidgetsOf(TypeWorkWindow n_kind);

protected:
    QList<WidgetWrapper *> m_wrappers;
    QTabWidget *m_tabWidget = nullptr;
    FreeWindow *m_freeWindow = nullptr;
    QVBoxLayout *m_resultLayout = nullptr;
};

#endif // IDEBUILDER_H
