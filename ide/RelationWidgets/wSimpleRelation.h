#ifndef WSIMPLERELATION_H
#define WSIMPLERELATION_H

#include "RelationWidgets/RelationPage.h"

namespace Ui {
class wSimpleRelation;
}
class QLineEdit;
class QTreeWidgetItem;

// The formula page of the body designer: one assignment whose variables the formula analyser
// finds; the user picks each variable's type.
class wSimpleRelation : public RelationPage
{
    Q_OBJECT
public:
    explicit wSimpleRelation(QWidget *n_parent = nullptr);
    ~wSimpleRelation() override;

    // Also kept as the stored names that a new analysis merges into.
    void setInputParameters(QList<QString> n_names,
                            QHash<QString, QVariant::Type> n_types) override;
    void setOutputParameters(QList<QString> n_names,
                             QHash<QString, QVariant::Type> n_types) override;
    void setBodyFormula(const QString &n_text);
    QString getBody() const;

    bool analyze();
    bool check() const;

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
    QLineEdit *m_formula;
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
