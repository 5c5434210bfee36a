#ifndef WBASECOMPARISONCONSTRAINT_H
#define WBASECOMPARISONCONSTRAINT_H

#include <QVariant>
#include <QWidget>

#include <memory>

namespace Ui {
class wBaseComparisonConstraint;
}

// One comparison row of the constraint builder: an operator and a value.
class wBaseComparisonConstraint : public QWidget
{
    Q_OBJECT

public:
    explicit wBaseComparisonConstraint(QWidget *parent = nullptr);
    ~wBaseComparisonConstraint() override;

    // Text values are compared for equality only.
    void setTypeConstrain(QVariant::Type n_type);
    // " operator value ": the value as a script literal; null when a number value does not read.
    QString getBaseComparison() const;

private:
    std::unique_ptr<Ui::wBaseComparisonConstraint> ui;
    QVariant::Type m_type = QVariant::Double;
};

#endif // WBASECOMPARISONCONSTRAINT_H
