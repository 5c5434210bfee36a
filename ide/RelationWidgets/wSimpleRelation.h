#ifndef WSIMPLERELATION_H
#define WSIMPLERELATION_H

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <QWidget>

namespace Ui {
class wSimpleRelation;
}
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class wParameterRelationGroups;

// The formula page of the body designer: one assignment whose variables the formula analyser
// finds; the user picks each variable's type.
class wSimpleRelation : public QWidget
{
    Q_OBJECT
public:
    explicit wSimpleRelation(QWidget *n_parent = nullptr);
    ~wSimpleRelation() override;

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

    QList<QString> getInputParams();
    QList<QString> getOutputParams();
    QHash<QString, QVariant::Type> getInputTypes();
    QHash<QString, QVariant::Type> getOutputTypes();

    void setParameters();
    // Merge the found names into the stored ones: stored names still found keep their place,
    // new ones follow in found order.
    void setParseInputParameters(QList<QString> n_found);
    void setParseOutputParameters(QList<QString> n_found);

public slots:
    void tezarusDoubleClick(QTreeWidgetItem *n_item, int n_column);
    void changeFormula(QString n_text);

private:
    Ui::wSimpleRelation *ui;
    QTreeWidget *m_tezaurusTree;
    QLineEdit *m_formula;
    wParameterRelationGroups *m_inputTable;
    wParameterRelationGroups *m_outputTable;
    QHash<QString, QList<QString>> m_tezaurus;
    QString m_oldBody;
    bool m_valid;
    QList<QString> m_storedInputNames;
    QHash<QString, QVariant::Type> m_storedInputTypes;
    QList<QString> m_storedOutputNames;
    QHash<QString, QVariant::Type> m_storedOutputTypes;
    QList<QString> m_inputNames;
    QHash<QString, QVariant::Type> m_inputTypes;
    QList<QString> m_outputNames;
    QHash<QString, QVariant::Type> m_outputTypes;
};

#endif // WSIMPLERELATION_H
