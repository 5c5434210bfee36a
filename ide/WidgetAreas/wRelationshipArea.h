#ifndef WRELATIONSHIPAREA_H
#define WRELATIONSHIPAREA_H

#include "WidgetAreas/mathTezaurus.h"
#include "elements/RelationModel.h"
#include "workspace/routing/BaseWidget.h"

#include <QHash>
#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <memory>

class OstraClass;
class RelationColleague;
namespace Ui {
class wRelationshipArea;
}

// The relation page: name, kind, body (composed in the designer) and description of one relation
// of the model-wide storage. Saving an existing relation unlinks the variables it lost from the
// rules and constraints standing on it.
class wRelationshipArea : public QWidget, public BaseWidget
{
    Q_OBJECT

public:
    static const int NAME_LIMIT = 255;
    static const int DESCRIPTION_LIMIT = 5000;
    // The body field is read-only; its limit is the line field's own default.
    static const int BODY_LIMIT = 32767;

    explicit wRelationshipArea(QWidget *parent = nullptr);
    ~wRelationshipArea() override;

    void changeLanguage();
    void readTezaurus();
    void setData(OstraClass *n_class);
    void setEditData(OstraClass *n_class, QString n_uid);
    void setParent(QString n_uid);
    QString getParent() const;
    QString getUid() const;
    // A null colleague makes the empty-field messages come in boxes.
    void setColleague(RelationColleague *n_colleague);
    void errorMessageOnOff(bool n_on);
    bool validate();
    bool save();
    void removeInputParameterFromRules(QSharedPointer<RelationModel> n_relation,
                                       QStringList n_names);
    void removeOutputParameterFromRules(QSharedPointer<RelationModel> n_relation,
                                        QStringList n_names);
    void removeInputParameterFromConstraint(QSharedPointer<RelationModel> n_relation,
                                            QStringList n_names);
    void retranslateUI();
    void changeRelationBody(bool);

    static QString pageTitle(const QString &n_title);

signals:
    void changeDataWidget() override;

private slots:
    void on_btnBodyDesigner_clicked();
    void on_leName_textChanged(QString);
    void on_cbRelationType_currentTextChanged(QString);
    void on_teDescription_textChanged();

private:
    void chooseTezaurusLanguage();
    void report(const QString &n_text, bool n_boxWithoutColleague);
    void edited();

    std::unique_ptr<Ui::wRelationshipArea> ui;
    QHash<QString, QList<QString>> m_tezaurusHash;
    OstraClass *m_class = nullptr;
    QString m_uid;
    bool m_showErrors = true;
    bool m_loaded = false;
    // The description's limit: raised to a loaded description's length.
    int m_descriptionLimit = DESCRIPTION_LIMIT;
    QString m_parentUid;
    QStringList m_inputNames;
    QStringList m_outputNames;
    QHash<QString, QVariant::Type> m_inputTypes;
    QHash<QString, QVariant::Type> m_outputTypes;
    RelationModel::RelationType m_kind = RelationModel::RELATION_SIMPLE;
    RelationColleague *m_colleague = nullptr;
    mathTezaurus m_tezaurus;
    mathTezaurus::lang m_lang = mathTezaurus::RUSSIAN;
    QString m_body;
};

#endif // WRELATIONSHIPAREA_H
