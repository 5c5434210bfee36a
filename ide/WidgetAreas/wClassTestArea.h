#ifndef WCLASSTESTAREA_H
#define WCLASSTESTAREA_H

#include "workspace/routing/BaseCRUD.h"
#include "workspace/routing/BaseWidget.h"

#include <QSharedPointer>
#include <QWidget>

class OstraClass;
class TestModelColleague;

// Least class-test page: it holds the class under test and titles itself after it; running the
// test, the graph and the result filter come with the full page.
class wClassTestArea : public QWidget, public BaseCRUD, public BaseWidget
{
    Q_OBJECT

public:
    explicit wClassTestArea(bool n_showTestButton = false, QWidget *parent = nullptr);

    // A null class is refused with an information box.
    void setRootClass(QSharedPointer<OstraClass> n_class);
    QSharedPointer<OstraClass> getRootClass() const;
    void setColleague(TestModelColleague *n_colleague);
    void retranslateUI();

    void run();
    void showGraph();
    void filterResult();
    void clearResult();

    bool createItem(CommandItem *n_command) override;
    bool updateItem(CommandItem *n_command) override;
    bool deleteItem(CommandItem *n_command) override;

signals:
    void changeDataWidget() override;

private:
    void setTitleFromClass();

    QSharedPointer<OstraClass> m_class;
    TestModelColleague *m_colleague = nullptr;
    int m_titleOffset = 40;
    int m_nullClassOffset = 30;
};

#endif // WCLASSTESTAREA_H
