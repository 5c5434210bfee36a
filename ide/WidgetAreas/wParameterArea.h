#ifndef WPARAMETERAREA_H
#define WPARAMETERAREA_H

#include "WidgetAreas/ClassLevelList.h"
#include "workspace/routing/BaseCRUD.h"
#include "workspace/routing/BaseWidget.h"

#include <QMultiHash>
#include <QSharedPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <memory>
#include <vector>

class BaseOstraObj;
class ConstraintModel;
class OstraClass;
class ParameterColleague;
class ParameterModel;
class QDoubleValidator;
class QTableWidget;
class QTableWidgetItem;
class RelationModel;
class RuleModel;
namespace Ui {
class wParameterArea;
}

// The parameter page: creates a parameter or edits one's name, type, default value, level (the
// owning class) and description, lists the rules and constraints that use it and makes a
// constraint on it through the builder. A refused save leaves the model unchanged.
class wParameterArea : public QWidget, public BaseCRUD, public BaseWidget
{
    Q_OBJECT

public:
    static const int NAME_LIMIT = 255;
    static const int DESCRIPTION_LIMIT = 5000;

    explicit wParameterArea(QWidget *parent = nullptr);
    ~wParameterArea() override;

    bool deleteItem(CommandItem *n_command) override;
    bool updateItem(CommandItem *n_command) override;
    bool createItem(CommandItem *n_command) override;

    // Lists the root and every class below it as levels.
    void setData(OstraClass *n_root);
    void setSortedLevelsCB(QMultiHash<QString, QString> &n_levels);
    // The id names the parameter (its owner becomes the level) or the class of a new parameter.
    void setParent(const QString &n_id);
    void setEditData(OstraClass *n_root, QString n_id);
    QString getParent() const;
    QString getUid() const;
    void setColleague(ParameterColleague *n_colleague);
    void errorMessageOnOff(bool n_on);
    // Validates and writes the page into the model; true when written.
    bool save();
    // Moves the parameter into the chosen level's class when that is not its owner.
    void setParameterParent(QSharedPointer<ParameterModel> n_parameter);
    void retranslateUI();
    void generateTypesCB();

    // Lists the parameter's constraints and rules again from the model.
    void updateView();
    void clearGrid();
    void removeRule(QSharedPointer<RuleModel> n_rule);
    void removeConstraint(QSharedPointer<ConstraintModel> n_constraint);

signals:
    void changeDataWidget() override;

private slots:
    void changeClassLavel(int n_index);
    void cbDataTypeIndexChanged(const QString &n_text);
    void on_leName_textChanged(const QString &n_text);
    void on_leValue_textChanged(const QString &n_text);
    void on_teDescription_textChanged();
    void editRule(QTableWidgetItem *n_item);
    void editConstraint(QTableWidgetItem *n_item);
    void on_btnAddConstraint_clicked();

private:
    void changeLanguage();
    void setHeaders();
    // Refills the level list; a caller's name -> id hash may repeat an id, the store does not.
    void fillLevels(std::vector<ClassLevelList::Level> &n_levels, bool n_mayRepeat);
    // The entry at that index becomes the chosen level.
    void chooseLevel(int n_index);
    void edited();
    QSharedPointer<OstraClass> classOf(const QString &n_id) const;
    bool classKnown(const QString &n_id) const;
    // The value type the type list shows; QVariant::Invalid when it shows neither title.
    QVariant::Type chosenType() const;
    bool nameTakenIn(const OstraClass &n_class, const QString &n_name) const;
    // Checks what can be checked before writing; false after reporting the first problem.
    bool validate(QVariant::Type n_type, double &n_number);
    void writeFields(ParameterModel &n_parameter, QVariant::Type n_type, double n_number) const;
    // The type shown and the value text are those loaded or last written.
    bool valueUntouched(QVariant::Type n_type) const;
    void writeValue(ParameterModel &n_parameter, QVariant::Type n_type, double n_number) const;
    // What the parameter now holds is what the type list and the value field show.
    void rememberStored();
    void report(int n_key, bool n_boxWithoutColleague);
    void showLinks(const ParameterModel &n_parameter);
    static void appendLink(QTableWidget *n_table, const BaseOstraObj &n_element,
                           const QSharedPointer<RelationModel> &n_relation);
    static void removeRows(QTableWidget *n_table, const QString &n_id);
    void openLink(QTableWidget *n_table, QTableWidgetItem *n_item);
    void createConstraint(QVariant::Type n_type, const QString &n_body);

    std::unique_ptr<Ui::wParameterArea> ui;
    QString m_parentUid;
    OstraClass *m_root = nullptr;
    QString m_uid;
    QString m_level;
    ParameterColleague *m_colleague = nullptr;
    QDoubleValidator *m_validator = nullptr;
    bool m_showErrors = true;
    bool m_loaded = false;
    int m_descriptionLimit = DESCRIPTION_LIMIT;
    // The type shown and the value text as loaded or last written: a save that finds both
    // unchanged keeps the stored default, whose shown text may hold fewer digits.
    QVariant::Type m_storedType = QVariant::Invalid;
    QString m_storedValue;
};

#endif // WPARAMETERAREA_H
