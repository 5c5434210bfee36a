#ifndef DCHOOSEPARAMRULE_H
#define DCHOOSEPARAMRULE_H

#include <QDialog>
#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QVariant>

#include <memory>

class OstraClass;
class ParameterModel;
class wContainerProjectArea;
namespace Ui {
class dChooseParamRule;
}

// Modal choice of one parameter of the model, of one value type, from the project tree in its
// colleague-less mode. Callers run it through MessageBoxes::execDialog and read getChooseId().
class dChooseParamRule : public QDialog
{
    Q_OBJECT

public:
    explicit dChooseParamRule(QWidget *parent = nullptr);
    ~dChooseParamRule() override;

    void setData(OstraClass *n_root);
    // 1024 lists every type.
    void setFilterType(QVariant::Type n_type);
    void setFilterParameters(QList<QSharedPointer<ParameterModel>> n_excluded);
    void setCurrentParameter(QString &n_id);
    // The chosen parameter's id; empty when nothing or a class is selected.
    QString getChooseId() const;
    wContainerProjectArea *tree() const;

private slots:
    void on_okButton_clicked();
    void on_cancelButton_clicked();

private:
    // Connected by hand: the name-based wiring of the form has no "item" to match it to.
    void on_item_double_clicked();
    void acceptChoice();

    std::unique_ptr<Ui::dChooseParamRule> ui;
    OstraClass *m_root = nullptr;
    wContainerProjectArea *m_tree = nullptr;
};

#endif // DCHOOSEPARAMRULE_H
