#ifndef WPROGRAMRELATION_H
#define WPROGRAMRELATION_H

#include "RelationWidgets/RelationPage.h"

namespace Ui {
class wProgramRelation;
}
class QLabel;
class QPlainTextEdit;
class QScriptEngine;
class QTreeWidgetItem;

// The script page of the body designer: a free script checked for syntax and tried in an engine of
// its own; the user names and types the variables in the tables.
class wProgramRelation : public RelationPage
{
    Q_OBJECT
public:
    explicit wProgramRelation(QWidget *n_parent = nullptr);
    ~wProgramRelation() override;

    void setBodyFormula(const QString &n_text);
    QString getBody() const;

    bool analyze();
    bool check() const;

    // What the tables hold now; empty for a table without rows, so that every variable of a side
    // can be dropped.
    QList<QString> getInputParams() override;
    QList<QString> getOutputParams() override;
    QHash<QString, QVariant::Type> getInputTypes() override;
    QHash<QString, QVariant::Type> getOutputTypes() override;

    void setParameters();

    void initializeWidget();
    QWidget *getCodeSpaceWidget();
    QWidget *getParametersWidget();

public slots:
    void tezarusDoubleClick(QTreeWidgetItem *n_item, int n_column);
    void changeProgramFunction();

private:
    bool namesAreValid();
    void defineVariables(QScriptEngine &n_engine);

    Ui::wProgramRelation *ui;
    QLabel *m_codeLabel;
    QPlainTextEdit *m_code;
};

#endif // WPROGRAMRELATION_H
