#ifndef WCONTAINERPROJECTAREA_H
#define WCONTAINERPROJECTAREA_H

#include <QIcon>
#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <memory>

class CommandItem;
class OstraClass;
class ParameterModel;
class ProjectColleague;
class QAction;
class QLineEdit;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;
namespace Ui {
class wContainerProjectArea;
}

// The project tree: the open model as a sorted tree of classes and their parameters, with a name
// filter above it. It never writes into the model: double-clicks and menu choices become commands
// to its colleague, and the workspace reports renames and moves back through setChangeTitleItem.
// Without a colleague it is the parameter chooser's tree: no menu, no commands, and parameters
// narrowed by value type and an excluded list.
class wContainerProjectArea : public QWidget
{
    Q_OBJECT

public:
    // Column 1 tells the item kinds apart; these words are never translated.
    static const QString CLASS_KIND;
    static const QString PARAMETER_KIND;
    // The value-type filter's "no filter" value (the toolkit's user-type code).
    static const int NO_TYPE_FILTER = 1024;

    explicit wContainerProjectArea(QWidget *parent = nullptr);
    ~wContainerProjectArea() override;

    void setColleague(ProjectColleague *n_colleague);
    void setTitle(QString n_title);
    void setIcon(QIcon n_icon);
    void setShowParameterType(bool n_show);

    // Rebuilds the tree from the root; a null root leaves it empty. The filter line is emptied.
    void setData(OstraClass *n_root);
    // Empties the tree and the filter line without rebuilding (the old root may be gone).
    void clear();
    // Rebuilds from the root, then applies the current filter text.
    void refresh();
    // Applies a rename, move or newly saved element reported by the workspace.
    void setChangeTitleItem(CommandItem *n_command);
    void retranslateUI();

    void setFilterParameterType(QVariant::Type n_type);
    void setFilterParameters(QList<QSharedPointer<ParameterModel>> n_excluded);
    void setCurrentParameter(QString &n_id);
    // The selected parameter's id; empty when nothing or a class is selected.
    QString getCurrentParameter() const;

    QTreeWidget *treeWidget() const;
    QLineEdit *filterLine() const;
    // The eight actions: add, edit and remove class; add, edit and remove parameter; expand or
    // collapse; test class.
    QList<QAction *> menuActions() const;

signals:
    void itemDoubleClicked();

public slots:
    void filter(const QString &n_text);

private slots:
    void on_treeWidget_itemDoubleClicked(QTreeWidgetItem *n_item, int n_column);
    void customMenuRequested(const QPoint &n_pos);
    void createClass();
    void editClass();
    void removeClass();
    void createParameter();
    void editParameter();
    void removeParameter();
    void expandChooseClass();
    void testClass();

private:
    void build();
    QTreeWidgetItem *makeItem(const QString &n_name, const QString &n_kind, const QString &n_id);
    // A detached class item with its whole subtree, each sibling list sorted.
    QTreeWidgetItem *classItem(const OstraClass &n_class);
    bool listed(const QSharedPointer<ParameterModel> &n_parameter) const;
    void setIconParameter(QTreeWidgetItem *n_item, const QString &n_id);
    bool filterTreeItems(QTreeWidgetItem *n_item, const QString &n_text);
    QTreeWidgetItem *selectedItem() const;
    QTreeWidgetItem *findItem(const QString &n_id) const;
    void sendCommand(int n_operation, int n_kind, const QString &n_id);
    void openItem(QTreeWidgetItem *n_item);
    void removeItem(bool n_class);
    void moveItem(QTreeWidgetItem *n_item, QTreeWidgetItem *n_parent);

    std::unique_ptr<Ui::wContainerProjectArea> ui;
    ProjectColleague *m_colleague = nullptr;
    OstraClass *m_root = nullptr;
    int m_typeFilter = NO_TYPE_FILTER;
    QList<QSharedPointer<ParameterModel>> m_excluded;
    QIcon m_classIcon;
    QIcon m_parameterIcon;
    QIcon m_numberIcon;
    QIcon m_textIcon;
    QAction *m_createClass = nullptr;
    QAction *m_editClass = nullptr;
    QAction *m_removeClass = nullptr;
    QAction *m_createParameter = nullptr;
    QAction *m_editParameter = nullptr;
    QAction *m_removeParameter = nullptr;
    QAction *m_expand = nullptr;
    QAction *m_testClass = nullptr;
};

#endif // WCONTAINERPROJECTAREA_H
