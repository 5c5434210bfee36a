#ifndef WRELATIONSHIPAREA_H
#define WRELATIONSHIPAREA_H

#include "WidgetAreas/ElementNamePage.h"
#include "workspace/routing/BaseWidget.h"

class RelationColleague;

// Least relation editor page: the relation name.
class wRelationshipArea : public ElementNamePage, public BaseWidget
{
    Q_OBJECT

public:
    explicit wRelationshipArea(QWidget *parent = nullptr);

    // A null colleague leaves the page silent.
    void setColleague(RelationColleague *n_colleague);

signals:
    void changeDataWidget() override;

protected:
    QSharedPointer<BaseOstraObj> findElement(const QString &n_id) const override;
    QString parentOf(const QString &n_id) const override;
    int emptyNameKey() const override;
    void clearErrors() override;
    void reportError(MessageItem *n_message) override;

private:
    RelationColleague *m_colleague = nullptr;
};

#endif // WRELATIONSHIPAREA_H
