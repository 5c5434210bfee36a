#ifndef WCLASSAREA_H
#define WCLASSAREA_H

#include "WidgetAreas/ElementNamePage.h"
#include "workspace/routing/BaseCRUD.h"
#include "workspace/routing/BaseWidget.h"

class ClassColleague;

// Least class editor page: the class name.
class wClassArea : public ElementNamePage, public BaseCRUD, public BaseWidget
{
    Q_OBJECT

public:
    explicit wClassArea(QWidget *parent = nullptr);

    // A null colleague leaves the page silent.
    void setColleague(ClassColleague *n_colleague);

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
    ClassColleague *m_colleague = nullptr;
};

#endif // WCLASSAREA_H
