#ifndef WRULEAREA_H
#define WRULEAREA_H

#include "WidgetAreas/ElementNamePage.h"
#include "workspace/routing/BaseCRUD.h"
#include "workspace/routing/BaseWidget.h"

class RuleColleague;

// Least rule and constraint editor page: the rule or constraint name.
class wRuleArea : public ElementNamePage, public BaseCRUD, public BaseWidget
{
    Q_OBJECT

public:
    explicit wRuleArea(QWidget *parent = nullptr);

    // A null colleague leaves the page silent.
    void setColleague(RuleColleague *n_colleague);

    bool createItem(CommandItem *n_command) override;
    bool updateItem(CommandItem *n_command) override;
    bool deleteItem(CommandItem *n_command) override;

signals:
    void changeDataWidget() override;

protected:
    QSharedPointer<BaseOstraObj> findElement(const QString &n_id) const override;
    QString parentOf(const QString &n_id) const override;
    int emptyNameKey() const override;
    void clearErrors() override;
    void reportError(MessageItem *n_message) override;

private:
    RuleColleague *m_colleague = nullptr;
};

#endif // WRULEAREA_H
