#ifndef DBASECONSTRAINTINPARAMETER_H
#define DBASECONSTRAINTINPARAMETER_H

#include <QDialog>
#include <QList>
#include <QString>
#include <QVariant>

#include <memory>

class QAction;
class QToolBar;
class QVBoxLayout;
class wBaseComparisonConstraint;
class wLogicComparisonConstraint;
namespace Ui {
class dBaseConstraintInParameter;
}

// The constraint builder: a column of comparisons of one parameter joined by logic operators, from
// which it writes the code of a constraint relation. It knows nothing of the model. Ok is refused,
// with a box naming the row, while a comparison's value does not make a literal.
class dBaseConstraintInParameter : public QDialog
{
    Q_OBJECT

public:
    explicit dBaseConstraintInParameter(QVariant::Type n_type, QWidget *parent = nullptr);
    ~dBaseConstraintInParameter() override;

    void setParameterName(QString n_name);
    // The type of the comparison rows made from now on.
    void setType(QVariant::Type n_type);
    QString getConstraintBody() const;
    void enableBaseComparison(bool n_on);

private slots:
    void addBaseComparisonConstraint();
    void addLogicComparisonConstraint();
    void removeBaseComparisonConstraint();
    void removeLogicComparisonConstraint();
    void on_okCancleButton_accepted();
    void on_okCancleButton_rejected();

private:
    void initializeAction();
    void connectAction();
    void addActionsOnBar();
    void removeColumnItem(int n_position);

    std::unique_ptr<Ui::dBaseConstraintInParameter> ui;
    QToolBar *m_toolBar = nullptr;
    QWidget *m_column = nullptr;
    QVBoxLayout *m_columnLayout = nullptr;
    QAction *m_addAction = nullptr;
    QAction *m_deleteAction = nullptr;
    QList<wBaseComparisonConstraint *> m_comparisons;
    QList<wLogicComparisonConstraint *> m_logic;
    QString m_parameterName;
    QVariant::Type m_type;
    int m_parameterBeginKey = 0;
    int m_addKey = 20;
    int m_deleteKey = 22;
    int m_titleKey = 24;
};

#endif // DBASECONSTRAINTINPARAMETER_H
