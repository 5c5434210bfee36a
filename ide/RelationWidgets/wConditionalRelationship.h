#ifndef WCONDITIONALRELATIONSHIP_H
#define WCONDITIONALRELATIONSHIP_H

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <QWidget>

namespace Ui {
class wConditionalRelationship;
}
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class wLineEdit;
class wParameterRelationGroups;

// The IF-THEN-ELSE page of the body designer and, in constraint mode, its constraint page: three
// fields whose clause the formula analyser checks and turns into code.
class wConditionalRelationship : public QWidget
{
    Q_OBJECT
public:
    explicit wConditionalRelationship(QWidget *n_parent = nullptr);
    ~wConditionalRelationship() override;

    void setTezarus(QHash<QString, QList<QString>> n_tezaurus);
    void setInputParameters(QList<QString> n_names, QHash<QString, QVariant::Type> n_types);
    void setOutputParameters(QList<QString> n_names, QHash<QString, QVariant::Type> n_types);
    // Splits a stored clause into the three fields.
    void setBodyFormula(const QString &n_text);
    void setOldBody(const QString &n_text);
    QString getOldBody() const;
    QString getBody() const;

    // Always true; the verdict is verify().
    bool analyze();
    bool verify() const;
    bool check() const;

    QList<QString> getInputParams();
    QList<QString> getOutputParams();
    QHash<QString, QVariant::Type> getInputTypes();
    QHash<QString, QVariant::Type> getOutputTypes();

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
    QTreeWidget *m_tezaurusTree;
    QString m_body;
    QString m_storedBody;
    QString m_oldBody;
    QLabel *m_ifLabel;
    QLabel *m_thenLabel;
    QLabel *m_elseLabel;
    wLineEdit *m_ifField;
    wLineEdit *m_thenField;
    wLineEdit *m_elseField;
    wLineEdit *m_currentField;
    wParameterRelationGroups *m_inputTable;
    wParameterRelationGroups *m_outputTable;
    QList<QString> m_inputNames;
    QHash<QString, QVariant::Type> m_inputTypes;
    QList<QString> m_outputNames;
    QHash<QString, QVariant::Type> m_outputTypes;
    QHash<QString, QList<QString>> m_tezaurus;
    bool m_valid;
    bool m_constraint;
};

#endif // WCONDITIONALRELATIONSHIP_H
