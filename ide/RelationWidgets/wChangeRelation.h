#ifndef WCHANGERELATION_H
#define WCHANGERELATION_H

#include <QDialog>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include "elements/RelationModel.h"

namespace Ui {
class wChangeRelation;
}
class QToolBar;
class wConditionalRelationship;
class wProgramRelation;
class wSimpleRelation;

// The modal designer of one relation body. Hosts the editor page of the relation's kind, forwards
// every call to it, and accepts only an analysed body. Getters return empty values while the page's
// body has not passed an analysis; a kind outside 0..3 makes them throw ExceptionOstra 123.
class wChangeRelation : public QDialog
{
    Q_OBJECT
public:
    explicit wChangeRelation(QWidget *n_parent = nullptr);
    ~wChangeRelation() override;

    void setTezaurusHash(QHash<QString, QList<QString>> n_tezaurus);
    // Keeps only the page of the kind; call once, after setTezaurusHash.
    void setRelationship(RelationModel::RelationType n_kind);
    void setInputParams(QList<QString> n_names, QHash<QString, QVariant::Type> n_types);
    void setOutputParams(QList<QString> n_names, QHash<QString, QVariant::Type> n_types);
    void setBody(const QString &n_text);
    void setOldBody(const QString &n_text);

    QString getBody();
    QString getOldBody();
    bool verify();
    bool check();
    QList<QString> getInputParams();
    QList<QString> getOutputParams();
    QHash<QString, QVariant::Type> getInputTypes();
    QHash<QString, QVariant::Type> getOutputTypes();
    RelationModel::RelationType getRelationType() const;

private slots:
    void analyze();
    void on_buttonBox_accepted();
    void on_buttonBox_rejected();

private:
    bool kindIsKnown() const;
    void requireKnownKind(const char *n_method) const;
    // Runs n_action on the page of the stored kind; nothing for another kind.
    template<typename Action>
    auto onPage(Action n_action);

    Ui::wChangeRelation *ui;
    wSimpleRelation *m_formulaPage;
    wConditionalRelationship *m_ifPage;
    wConditionalRelationship *m_constraintPage;
    wProgramRelation *m_scriptPage;
    RelationModel::RelationType m_kind;
    QToolBar *m_toolBar;
    int m_ideBeginKey;
};

#endif // WCHANGERELATION_H
