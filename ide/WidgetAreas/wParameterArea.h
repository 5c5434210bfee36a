#ifndef WPARAMETERAREA_H
#define WPARAMETERAREA_H

#include "WidgetAreas/ElementNamePage.h"
#include "workspace/routing/BaseCRUD.h"
#include "workspace/routing/BaseWidget.h"

class ConstraintModel;
class ParameterColleague;
class QTableWidget;
class RuleModel;

// Least parameter editor page: the parameter name, and the rules and constraints bound to it
// (one row each, its id as the row's user data).
class wParameterArea : public ElementNamePage, public BaseCRUD, public BaseWidget
{
    Q_OBJECT

public:
    explicit wParameterArea(QWidget *parent = nullptr);

    // A null colleague leaves the page silent.
    void setColleague(ParameterColleague *n_colleague);

    bool createItem(CommandItem *n_command) override;
    bool updateItem(CommandItem *n_command) override;
    bool deleteItem(CommandItem *n_command) override;

    // Loads the parameter and lists its rules and constraints.
    void setEditData(OstraClass *n_class, QString n_id);
    void removeRule(QSharedPointer<RuleModel> n_rule);
    void removeConstraint(QSharedPointer<ConstraintModel> n_constraint);
    // Lists the rules and constraints of the parameter again from the model.
    void updateView();

signals:
    void changeDataWidget() override;

protected:
    QSharedPointer<BaseOstraObj> findElement(const QString &n_id) const override;
    QString parentOf(const QString &n_id) const override;
    int emptyNameKey() const override;
    void clearErrors() override;
    void reportError(MessageItem *n_message) override;

private:
    void removeRow(const QString &n_id);

    ParameterColleague *m_colleague = nullptr;
    QTableWidget *m_links = nullptr;
};

#endif // WPARAMETERAREA_H
