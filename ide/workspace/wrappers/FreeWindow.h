#ifndef FREEWINDOW_H
#define FREEWINDOW_H

#include "workspace/routing/WorkSpaceTypes.h"

#include <QList>
#include <QPointer>
#include <QTabWidget>
#include <QPoint>
#include <QSize>

class OstraClass;
class WidgetWrapper;

// Shows the wrapped widgets of one area either as tabs of the area's tab widget (inside) or as
// free top-level windows centred on the screen (outside). It owns the tab widget, not the
// wrappers; the tab widget is hidden while it holds no tab.
class FreeWindow
{
public:
    FreeWindow(QList<WidgetWrapper *> n_wrappers, QTabWidget &n_tabs);
    FreeWindow(WidgetWrapper *n_wrapper, QTabWidget &n_tabs);
    explicit FreeWindow(QTabWidget &n_tabs);
    ~FreeWindow();
    FreeWindow(const FreeWindow &) = delete;
    FreeWindow &operator=(const FreeWindow &) = delete;

    void addWindow(WidgetWrapper *n_wrapper);
    void addWindow(QList<WidgetWrapper *> n_wrappers);
    void setData(TypeWorkWindow n_kind, OstraClass *n_currentClass);
    // Moves every wrapper of the kind from tab to free window or back.
    void changeViewMode(TypeWorkWindow n_kind);
    void goInside(WidgetWrapper *n_wrapper);
    void goOutside(WidgetWrapper *n_wrapper);
    // The inside flag of the first wrapper of the kind; false when there is none.
    bool isInside(TypeWorkWindow n_kind) const;

    void initializeInsideWindow(WidgetWrapper *n_wrapper);
    void terminateInsideWindow(WidgetWrapper *n_wrapper);
    void initializeOutsideWindow(WidgetWrapper *n_wrapper);
    void terminateOutsideWindow(WidgetWrapper *n_wrapper);
    void setVisibleTabWidget();

    // Top-left corner that centres a window of n_window on a screen of n_screen; the screen's
    // own offset is not added.
    static QPoint centredPosition(const QSize &n_screen, const QSize &n_window);

private:
    void addTab(WidgetWrapper *n_wrapper);

    QList<WidgetWrapper *> m_wrappers;
    // Guarded: the window that holds the splitters may go first and take the tab widget along.
    QPointer<QTabWidget> m_tabs;
};

#endif // FREEWINDOW_H
