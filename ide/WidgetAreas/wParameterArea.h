#ifndef WPARAMETERAREA_H
#define WPARAMETERAREA_H

#include "WidgetAreas/ElementNamePage.h"
#include "workspace/routing/BaseCRUD.h"
#include "workspace/routing/BaseWidget.h"

class ParameterColleague;

// Least parameter editor page: the parameter name.
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

signals:
    void changeDataWidget() override;

protected:
    QSharedPointer<BaseOstraObj> findElement(const QString &n_id) const override;
    QString parentOf(const QString &n_id) const override;
    int emptyNameKey() const override;
    void clearErrors() override;
    void reportError(MessageItem *n_message) override;

private:
    ParameterColleague *m_colleague = nullptr;
};

#endif // WPARAMETERAREA_H
