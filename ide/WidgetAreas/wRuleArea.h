#ifndef WRULEAREA_H
#define WRULEAREA_H

#include "workspace/routing/BaseCRUD.h"
#include "workspace/routing/BaseWidget.h"

#include <QHash>
#include <QSharedPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <memory>

class ConstraintModel;
class OstraClass;
class ParameterModel;
class QTableWidget;
class RelationModel;
class RuleColleague;
class RuleModel;
namespace Ui {
class wRuleArea;
}

// The rule and constraint page: binds every variable of one relation to a parameter picked in the
// chooser and writes the rule (or, on a constraint relation, the constraint) into the class.
// Every relation variable must be bound before it saves: the model refuses to write a file whose
// rules or constraints are bound to fewer parameters than their relation declares.
class wRuleArea : public QWidget, public BaseCRUD, public BaseWidget
{
    Q_OBJECT

public:
    typedef QHash<QString, QSharedPointer<ParameterModel>> Links;
    typedef QHash<QString, QVariant::Type> Variables;

    static const int TITLE_LIMIT = 255;
    static const int DESCRIPTION_LIMIT = 5000;

    explicit wRuleArea(QWidget *parent = nullptr);
    ~wRuleArea() override;

    void setData(OstraClass *n_class);
    void setParent(QString n_relationId);
    // The class argument is not used: the class given to setData is.
    void setEditData(OstraClass *n_class, QString n_uid);
    // A null colleague makes the page report through boxes.
    void setColleague(RuleColleague *n_colleague);
    RuleColleague *getColleague() const;
    QString getUid() const;
    QString getParent() const;
    void errorMessageOnOff(bool n_on);
    // Validates and writes into the model; true when written.
    bool save();
    // Runs every check and reports each problem; true when none failed.
    bool validate(bool n_isConstraint);
    void retranslateUI();
    void changeLanguage();
    // Unbinds one variable after its parameter was deleted elsewhere.
    void cleanInputParameter(const QString &n_name);
    void cleanOutputParameter(const QString &n_name);

    bool deleteItem(CommandItem *n_command) override;
    bool updateItem(CommandItem *n_command) override;
    bool createItem(CommandItem *n_command) override;

    // The page title for a rule or constraint title: cut to 15 characters and "..." when longer.
    static QString pageTitle(const QString &n_title);

signals:
    void changeDataWidget() override;

private slots:
    void chooseInputParameter(bool);
    void chooseOutputParameter(bool);
    void cleanInputParameter(bool);
    void cleanOutputParameter(bool);
    void on_leTitle_textChanged(QString);
    void on_teDescription_textChanged();

private:
    // Shows a stored element's title and description whole, whatever their length.
    void load(const QString &n_title, const QString &n_description);
    bool isConstraint() const;
    void showRelation(const QSharedPointer<RelationModel> &n_relation);
    void fillTable(QTableWidget *n_table, const Variables &n_variables, const Links &n_links,
                   bool n_input);
    void addRow(QTableWidget *n_table, const QString &n_name,
                const QSharedPointer<ParameterModel> &n_parameter, bool n_input);
    void choose(QTableWidget *n_table, const Variables &n_variables, Links &n_links);
    void clean(QTableWidget *n_table, Links &n_links, Links &n_saved);
    void clearRows(QTableWidget *n_table, const QString &n_name);
    int getIndexChooseButton(QTableWidget *n_table) const;
    void recreateInputParameter();
    void recreateOutputParameter();
    // The relation as the class's storage holds it now; null when it left the storage.
    QSharedPointer<RelationModel> liveRelation() const;
    // Checks each chosen parameter against its variable as the relation declares it now.
    bool checkBindings(const Variables &n_variables, const Links &n_links, int n_undeclaredCode,
                       int n_typeCode);
    void saveRule();
    void saveConstraint();
    void report(const QString &n_text);
    void reportIde(int n_offset);
    void reportIntegrity(int n_code);
    void edited();

    std::unique_ptr<Ui::wRuleArea> ui;
    OstraClass *m_class = nullptr;
    QSharedPointer<RelationModel> m_relation;
    QString m_relationLabel;
    QString m_parentUid;
    QString m_uid;
    RuleColleague *m_colleague = nullptr;
    bool m_loaded = false;
    // The description's limit: raised to a loaded description's length.
    int m_descriptionLimit = DESCRIPTION_LIMIT;
    Variables m_inputVariables;
    Variables m_outputVariables;
    Links m_inputLinks;
    Links m_outputLinks;
    Links m_savedInputLinks;
    Links m_savedOutputLinks;
    bool m_clearErrors = true;
};

#endif // WRULEAREA_H
