#ifndef WIDGETWRAPPER_H
#define WIDGETWRAPPER_H

#include "workspace/routing/WorkSpaceTypes.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class BaseColleague;
class BaseWidget;
class OstraClass;
class PageAdaptor;

// One widget of the main window body (tree, pane or editor page) with its area kind, page kind,
// title and the id of the element it shows. It hands the workspace's generic calls to the page's
// adaptor, which the page's creator (or, for a tree, its builder) attached; a wrapper without one
// takes every call and does nothing. Editor calls reach only an editor tab's page.
// It owns its widget, but the widget may be deleted elsewhere first (a closed tab): it holds it
// through a guarded pointer and deletes only what is still alive.
class WidgetWrapper : public QObject
{
    Q_OBJECT

public:
    WidgetWrapper(TypeWorkWindow n_kind, QWidget *n_widget, QString n_title);
    WidgetWrapper(TypeWorkWindow n_kind, QWidget *n_widget);
    WidgetWrapper(TypeWorkWindow n_kind, TypeWorkSpaceWindow n_objectKind, QWidget *n_widget,
                  QString n_title);
    WidgetWrapper(TypeWorkWindow n_kind, TypeWorkSpaceWindow n_objectKind, QWidget *n_widget);
    ~WidgetWrapper() override;

    TypeWorkWindow getTypeWorkWindow() const;
    TypeWorkSpaceWindow getTypeWorkSpaceWindow() const;
    QWidget *getWidget() const;
    // The stored title, or the widget's window title while none is stored.
    QString getTitle() const;
    void setTitle(QString n_title);
    QString getUid() const;
    QString getParentUid();
    // The page's adaptor (a child of the page, so it goes with it); set once by whoever made the
    // page.
    void attachPage(PageAdaptor *n_page);

    void setData(OstraClass *n_currentClass);
    void setParent(QString n_parentUid);
    void setEditData(OstraClass *n_currentClass, QString n_uid);
    // Saves the editor page; uid and title follow the page even when it refuses.
    bool save(bool n_showErrors);
    // Throws std::logic_error when the colleague is not of the page's kind.
    void setColleague(BaseColleague *n_colleague);
    void refresh();
    void retranslateUI();
    void setViewModeWindow(bool n_inside);
    bool isInside() const;

    // Whether the page holds edits not saved yet; its tab text carries the edit mark then.
    void setEdited(bool n_edited);
    bool isEdited() const;
    // The tab text: the title, followed by the edit mark "*" while edited.
    QString tabText() const;
    static QString tabText(const QString &n_title, bool n_edited);

signals:
    void changeDataWidget();

private slots:
    void onChangeWidget();

private:
    void connectChangeSignal();
    bool isEditorPage() const;

    TypeWorkWindow m_kind;
    TypeWorkSpaceWindow m_objectKind = NONE_WINDOW;
    QPointer<QWidget> m_widget;
    QString m_title;
    QString m_uid;
    bool m_inside = true;
    bool m_edited = false;
    BaseWidget *m_baseWidget = nullptr;
    QPointer<PageAdaptor> m_page;
};

#endif // WIDGETWRAPPER_H
