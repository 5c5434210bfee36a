#ifndef WORKSPACECOLLEAGUE_H
#define WORKSPACECOLLEAGUE_H

#include "workspace/colleagues/BaseColleague.h"
#include "workspace/routing/WorkSpaceTypes.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QSharedPointer>
#include <QString>

#include <memory>

class BaseOstraObj;
class CommandItem;
class ConstraintModel;
class IDEBuilder;
class KindTable;
class OstraClass;
class RuleModel;
class ObjectFactory;
class QTabWidget;
class QWidget;
class WidgetWrapper;

// Owns the editor tabs of the central tab widget: opens the pages the trees ask for, keeps one
// wrapper per page it opened and tells the test mediator which kind of page is current. A wrapper
// that leaves the list is deleted (later, as it may be inside a signal of its own).
class WorkSpaceColleague : public QObject, public BaseColleague
{
    Q_OBJECT

public:
    WorkSpaceColleague(BaseMediator *n_mediator, IDEBuilder *n_builder, QObject *n_parent);
    ~WorkSpaceColleague() override;

    void addColleague(TypeWorkSpaceWindow n_kind, BaseColleague *n_colleague);
    void setTestMediator(BaseMediator *n_mediator);
    // Opens, creates or focuses the page a tree asks for, or deletes the element from the model
    // and closes every tab that shows it.
    void execute(CommandItem *n_command);
    bool save();
    bool saveAll();
    // Saves every editor tab before the model closes. When a page refuses, its tab becomes current
    // and is saved once more with its messages shown, and the answer is false.
    bool saveAllBeforeClose();
    bool refresh();
    void retranslate() override;

    // A new page of the kind titled "NoName" and bound to the kind's colleague; null for a kind
    // without an editor.
    WidgetWrapper *createWidgetWrapper(TypeWorkSpaceWindow n_kind);
    // Drops every wrapper whose page is no longer a tab.
    void clearUnuseWidgetWrapper();
    QList<WidgetWrapper *> getWidgetWrappers() const;

    // The stored element of a closed tab, and its parent's id ("" when there is none).
    QSharedPointer<BaseOstraObj> getCloseBaseOstraObj(const QString &n_uid,
                                                      TypeWorkSpaceWindow n_kind) const;
    QString getCloseParentObj(const QString &n_uid, TypeWorkSpaceWindow n_kind) const;

    // The deletes of the table of kinds' rows: each deletes the element of the command from the
    // model and closes the tabs that show it or what went with it.
    void deleteClass(OstraClass *n_current, CommandItem *n_command);
    void deleteParameter(OstraClass *n_current, CommandItem *n_command);
    void deleteRelation(OstraClass *n_current, CommandItem *n_command);
    void deleteRuleOrConstraint(OstraClass *n_current, CommandItem *n_command);

    void runCurrentTest();
    void showCurrentGraph();
    void filterCurrentTest();
    void clearCurrentTest();

private slots:
    void changeCurrentTab(int n_index);
    void changeWidgetData();
    void on_tabClosed(int n_tabIndex);

private:
    QTabWidget *tabs() const;
    bool isOpen(const WidgetWrapper *n_wrapper) const;
    void showPage(WidgetWrapper *n_wrapper);
    void setParentWidget(TypeWorkSpaceWindow n_kind, WidgetWrapper *n_wrapper,
                         const QString &n_uid);
    // The open wrapper of that uid and kind; a closed one met on the way leaves the list.
    WidgetWrapper *findOpen(const QString &n_uid, TypeWorkSpaceWindow n_kind);
    WidgetWrapper *currentWrapper() const;
    // The wrapper of that page; null when none holds it.
    WidgetWrapper *wrapperOf(const QWidget *n_page) const;
    // A saved page: titled after its window title, unmarked.
    void markSaved(WidgetWrapper *n_wrapper);
    // The page's tab text from its window title, marked while its wrapper holds edits.
    void retitle(QWidget *n_page);
    void dropAt(int n_index);
    void sendTitle(WidgetWrapper *n_wrapper, const QString &n_title);
    void createPage(CommandItem *n_command);
    void readTestPage(CommandItem *n_command);
    void updatePage(CommandItem *n_command);
    void deleteElement(CommandItem *n_command);

    // Deletes the open pages of the wrappers whose uid is in the set and whose kind is in the
    // kinds, and drops those wrappers; nothing goes to the trees.
    void closeTabs(const QSet<QString> &n_ids, const QList<TypeWorkSpaceWindow> &n_kinds);
    void removeRuleTab(const QSharedPointer<RuleModel> &n_rule);
    void removeConstraintTab(const QSharedPointer<ConstraintModel> &n_constraint);
    // The open pages of that editor type, in list order.
    template<typename Page>
    QList<Page *> openPages() const;
    // Every page of that type still alive, open or not.
    template<typename Page>
    QList<Page *> livePages() const;
    // Hands each command, in order, to every open page of that type.
    template<typename Page>
    void tellDeleted(const QList<CommandItem *> &n_commands) const;
    // The notices of one saved element: its title to the trees, then the open editors.
    void tellSaved(WidgetWrapper *n_wrapper, bool n_refreshParameterViews);
    void refreshParameterViews();
    // Tells the error list that a save found a class-test tab current and saved nothing.
    void reportTestTabNotSaved();
    // The first refusing page of the save-all passes; null when every page saved.
    WidgetWrapper *saveAllPasses(bool &n_result);
    template<typename Call>
    void onCurrentTestPage(Call n_call);

    IDEBuilder *m_builder;
    const KindTable &m_kinds;
    std::unique_ptr<ObjectFactory> m_factory;
    QList<WidgetWrapper *> m_wrappers;
    QHash<TypeWorkSpaceWindow, BaseColleague *> m_colleagues;
    BaseMediator *m_testMediator = nullptr;
    int m_rootWarningTitleKey = 30;
    int m_rootWarningTextKey = 40;
};

#endif // WORKSPACECOLLEAGUE_H
