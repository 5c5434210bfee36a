#ifndef WCONDITIONALRELATIONSHIP_H
#define WCONDITIONALRELATIONSHIP_H

#include "RelationWidgets/RelationPage.h"

namespace Ui {
class wConditionalRelationship;
}
class QLabel;
class QTreeWidgetItem;
class wLineEdit;

// The IF-THEN-ELSE page of the body designer and, in constraint mode, its constraint page: three
// fields whose clause the formula analyser checks and turns into code.
class wConditionalRelationship : public RelationPage
{
    Q_OBJECT
public:
    explicit wConditionalRelationship(QWidget *n_parent = nullptr);
    ~wConditionalRelationship() override;

    // Splits a stored clause into the three fields.
    void setBodyFormula(const QString &n_text);
    QString getBody() const;

    // Always true; the verdict is verify().
    bool analyze();
    bool check() const;

    void setParameters();
    // Constraint mode: THEN and ELSE fixed to set "flag", the output table hidden holding "flag".
    void setConstraint(bool n_reset);
    // The clause composed from the three fields.
    QString getWholeStr() const;
    void analyzeConstr();

    void initializeWidget();
    QWidget *getConditionalWidget();

public slots:
    void tezarusDoubleClick(QTreeWidgetItem *n_item, int n_column);
    void changeFormula(QString n_text);
    void gotFocus();

private:
    void showMissingFieldBox();
    void takeAnalysis(const class cl_mathFormulaParser &n_parser);

    Ui::wConditionalRelationship *ui;
    QString m_body;
    QString m_storedBody;
    QLabel *m_ifLabel;
    QLabel *m_thenLabel;
    QLabel *m_elseLabel;
    wLineEdit *m_ifField;
    wLineEdit *m_thenField;
    wLineEdit *m_elseField;
    wLineEdit *m_currentField;
    QList<QString> m_inputNames;
    QList<QString> m_outputNames;
    bool m_constraint;
};

#endif // WCONDITIONALRELATIONSHIP_H
