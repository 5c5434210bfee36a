#ifndef WPROGRAMRELATION_H
#define WPROGRAMRELATION_H

#include <QHash>
#include <QList>
#include <QScriptEngine>
#include <QString>
#include <QVariant>
#include <QWidget>

namespace Ui {
class wProgramRelation;
}
class QLabel;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;
class wParameterRelationGroups;

// The script page of the body designer: a free script checked for syntax and tried in the page's
// own engine; the user names and types the variables in the tables.
class wProgramRelation : public QWidget
{
    Q_OBJECT
public:
    explicit wProgramRelation(QWidget *n_parent = nullptr);
    ~wProgramRelation() override;

    void setTezarus(QHash<QString, QList<QString>> n_tezaurus);
    void setInputParameters(QList<QString> n_names, QHash<QString, QVariant::Type> n_types);
    void setOutputParameters(QList<QString> n_names, QHash<QString, QVariant::Type> n_types);
    void setBodyFormula(const QString &n_text);
    void setOldBody(const QString &n_text);
    QString getOldBody() const;
    QString getBody() const;

    bool analyze();
    bool verify() const;
    bool check() const;

    // What the tables hold now; empty for a table without rows, so that every variable of a side
    // can be dropped.
    QList<QString> getInputParams();
    QList<QString> getOutputParams();
    QHash<QString, QVariant::Type> getInputTypes();
    QHash<QString, QVariant::Type> getOutputTypes();

    void setParameters();

    void initializeWidget();
    QWidget *getCodeSpaceWidget();
    QWidget *getParametersWidget();

public slots:
    void tezarusDoubleClick(QTreeWidgetItem *n_item, int n_column);
    void changeProgramFunction();

private:
    bool namesAreValid();

    Ui::wProgramRelation *ui;
    QTreeWidget *m_tezaurusTree;
    QLabel *m_codeLabel;
    QPlainTextEdit *m_code;
    wParameterRelationGroups *m_inputTable;
    wParameterRelationGroups *m_outputTable;
    QHash<QString, QList<QString>> m_tezaurus;
    QString m_oldBody;
    bool m_valid;
    // Lives as long as the page: a trial run's assignments stay for the next one.
    QScriptEngine m_engine;
};

#endif // WPROGRAMRELATION_H
