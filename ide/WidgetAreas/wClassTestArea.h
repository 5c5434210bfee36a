#ifndef WCLASSTESTAREA_H
#define WCLASSTESTAREA_H

#include "WidgetAreas/TestResultText.h"
#include "solver/AlgorithmSolution.h"
#include "workspace/routing/BaseCRUD.h"
#include "workspace/routing/BaseWidget.h"
#include "workspace/routing/WorkSpaceTypes.h"

#include <QHash>
#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class OstraClass;
class ParameterModel;
class QCheckBox;
class QTreeWidgetItem;
class RuleModel;
class TestModelColleague;
class Ui_wClassTestArea;
class dialogAlgGraph;
class widgetLineEditWithUIDMember;

// The class-test page: the class under test as a tree of its sub-classes and parameters, one value
// field (known value) and one check box (required) per parameter. A test runs the runtime solver on
// the class and shows the solution as red results in the tree, as step texts in the console and in
// the graph dialog. Fields and boxes are placed into their rows only when the parent row expands;
// until then the two tables keyed by parameter id are their only holders.
class wClassTestArea : public QWidget, public BaseCRUD, public BaseWidget
{
    Q_OBJECT

public:
    // The flag has no effect; the page's own buttons are always hidden (the tool bar drives it).
    explicit wClassTestArea(bool n_showTestButton = false, QWidget *parent = nullptr);
    ~wClassTestArea() override;

    // A null class is refused with an information box; otherwise the tree is rebuilt collapsed.
    void setRootClass(QSharedPointer<OstraClass> n_class);
    QSharedPointer<OstraClass> getRootClass() const;
    void setColleague(TestModelColleague *n_colleague);
    void retranslateUI();

    void run();
    void showGraph();
    void showGraphClick();
    void filterResult();
    void showOnlyResult();
    void clearResult();

    QStringList gatherTextAlgorithm(QSharedPointer<AlgorithmSolution> &n_solution);
    QStringList gatherOutputStringFromRulesOrder(const QList<QSharedPointer<RuleModel>> &n_rules,
                                                 int n_firstStep);
    void showResults(QSharedPointer<AlgorithmSolution> &n_solution);
    void writeTextAlgorithm(QSharedPointer<AlgorithmSolution> &n_solution);
    QStringList getTextAlgorithm() const;
    void showHideTestNotResultParameters(bool n_hide);
    void copyExpandTreeItem(QTreeWidgetItem *n_source, QTreeWidgetItem *n_target);
    void equalsTreeItem(QTreeWidgetItem *n_source, QTreeWidgetItem *n_target);

    void updateObjectsTree();
    void createObjectTree(QSharedPointer<OstraClass> n_class, QTreeWidgetItem *n_row);
    widgetLineEditWithUIDMember *createParameterDataWidget(
        QSharedPointer<ParameterModel> n_parameter);
    void clearParameterDataWidgets();
    void clearParameterCheckBoxWidgets();
    QTreeWidgetItem *findTreeWidgetItem(QTreeWidgetItem *n_row, const QString &n_id) const;
    void deleteNode(QTreeWidgetItem *n_row, const QString &n_id);
    void updateNode(QTreeWidgetItem *n_row, TypeWorkSpaceWindow n_kind, const QString &n_parentId,
                    const QString &n_id);

    bool deleteItem(CommandItem *n_command) override;
    bool updateItem(CommandItem *n_command) override;
    bool createItem(CommandItem *n_command) override;

signals:
    void changeDataWidget() override;

private slots:
    void on_clearButtton_clicked();
    void on_objectsTree_itemExpanded(QTreeWidgetItem *n_row);
    void on_onlyResultsCB_clicked();
    void on_showGraphCB_clicked();
    void on_testButton_clicked();

private:
    void onGraphDialogClose();
    void makeGraphDialog(QWidget *n_parent);
    void testRoad();
    void runTest();
    bool readPage(QHash<QString, QVariant> &n_known, QList<QString> &n_required);
    void showBox(const QString &n_text);
    void reportFailure(const QString &n_text, const QString &n_debug);
    void placeFields(QTreeWidgetItem *n_row);
    void placeField(QTreeWidgetItem *n_row, const QString &n_id);
    TestResultText::Labels resultLabels() const;
    // Shows the computed outputs of the rules in their value fields.
    void showResultValues(const QList<QSharedPointer<RuleModel>> &n_rules);
    widgetLineEditWithUIDMember *fieldOf(const QString &n_id);
    bool knownText(const QString &n_id, QString &n_text, bool &n_number) const;
    QTreeWidgetItem *makeRow(const QString &n_name, const QString &n_id);
    // Removes the row of that id with the rows below it, with their table entries.
    void removeRow(const QString &n_id);
    void releaseEntries(const QString &n_id);
    void updateParameterRow(QTreeWidgetItem *n_parentRow, const QString &n_id);
    void setTitleFromClass();
    void clearPage();
    QString testText(int n_offset) const;
    QString message(int n_offset) const;

    std::unique_ptr<Ui_wClassTestArea> ui;
    TestModelColleague *m_colleague = nullptr;
    QSharedPointer<OstraClass> m_rootClass;
    QHash<QString, widgetLineEditWithUIDMember *> m_parameterDataWidgets;
    // Parameters whose fields are made when first needed (placed or given a result): every field
    // made posts events that Qt compares against the whole pending queue, so making them all up
    // front grows with the square of the class.
    QHash<QString, QSharedPointer<ParameterModel>> m_unmadeFields;
    QHash<QString, QCheckBox *> m_parameterCheckBoxWidgets;
    // Every row of the tree by element id, so that notifications never walk the tree.
    QHash<QString, QTreeWidgetItem *> m_rows;
    AlgorithmSolution m_algorithmSolution;
    QList<QString> m_textAlgorithm;
    dialogAlgGraph *m_graphDialog = nullptr;
    bool m_showOnlyResult = false;
    int m_testTitleOffset = 40;
    int m_pathNotFoundOffset = 10;
    int m_constraintFailedOffset = 30;
    int m_notFoundOffset = 20;
    int m_calculationErrorOffset = 50;
    int m_followingOffset = 60;
    int m_stepOffset = 70;
    int m_ruleOffset = 80;
    int m_relationOffset = 81;
    int m_inputsOffset = 90;
    int m_formulaOffset = 100;
    int m_resultsOffset = 110;
    int m_messageBaseKey = 10000;
    int m_nullClassOffset = 30;
    int m_noRequiredOffset = 40;
    int m_noKnownOffset = 41;
    int m_uncaughtOffset = 2;
};

#endif // WCLASSTESTAREA_H
