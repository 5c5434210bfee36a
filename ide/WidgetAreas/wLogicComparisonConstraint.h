#ifndef WLOGICCOMPARISONCONSTRAINT_H
#define WLOGICCOMPARISONCONSTRAINT_H

#include <QWidget>

#include <memory>

namespace Ui {
class wLogicComparisonConstraint;
}

// One logic row of the constraint builder: "&&" or "||" between two comparisons.
class wLogicComparisonConstraint : public QWidget
{
    Q_OBJECT

public:
    explicit wLogicComparisonConstraint(QWidget *parent = nullptr);
    ~wLogicComparisonConstraint() override;

    QString getLogicComparison() const;

private:
    std::unique_ptr<Ui::wLogicComparisonConstraint> ui;
};

#endif // WLOGICCOMPARISONCONSTRAINT_H
