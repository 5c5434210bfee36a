#ifndef WCLASSAREA_H
#define WCLASSAREA_H

#include "WidgetAreas/ClassLevelList.h"
#include "workspace/routing/BaseCRUD.h"
#include "workspace/routing/BaseWidget.h"

#include <QMultiHash>
#include <QSharedPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class ClassColleague;
class OstraClass;
namespace Ui {
class wClassArea;
}

// The class page: creates a class or edits one's name, parent ("level") and description. Name
// problems go to the error pane through the colleague; a refused save leaves the model unchanged.
class wClassArea : public QWidget, public BaseCRUD, public BaseWidget
{
    Q_OBJECT

public:
    static const int NAME_LIMIT = 255;
    static const int DESCRIPTION_LIMIT = 5000;
    // Longer class names are listed cut to this many characters and "...".
    static const int LEVEL_TEXT_LIMIT = ClassLevelList::TEXT_LIMIT;

    explicit wClassArea(QWidget *parent = nullptr);
    ~wClassArea() override;

    // Lists the root and every class below it as possible parents.
    void setData(OstraClass *n_root);
    // Lists every class but the edited one and its subtree.
    void setData(OstraClass *n_root, QSharedPointer<OstraClass> n_edited);
    void setEditData(OstraClass *n_root, QString n_uid);
    void setParent(QString n_uid);
    QString getParent() const;
    QString getUid() const;
    void setColleague(ClassColleague *n_colleague);
    void errorMessageOnOff(bool n_on);
    // Validates and writes the page into the model; true when written.
    bool save();
    void retranslateUI();
    // Refills the parent list from name -> class id, sorted by name.
    void setSortedLevelsCB(QMultiHash<QString, QString> &n_levels);
    void setClassWindowTitle();

    bool createItem(CommandItem *n_command) override;
    bool updateItem(CommandItem *n_command) override;
    bool deleteItem(CommandItem *n_command) override;

signals:
    void changeDataWidget() override;

protected:
    void showEvent(QShowEvent *n_event) override;

private slots:
    void on_leName_textChanged(const QString &n_text);
    void on_teDescription_textChanged();
    void on_cbLevel_currentIndexChanged(int n_index);
    void on_cbLevel_activated(const QString &n_text);

private:
    typedef ClassLevelList::Level Level;
    // The page's own lists hold each class once; a caller's name -> id hash may repeat an id.
    void fillLevels(std::vector<Level> &n_levels, bool n_mayRepeat);
    // Fills the parent list with every class when setData left it to be filled.
    void ensureLevels();
    void changeLanguage();
    QSharedPointer<OstraClass> classOf(const QString &n_id) const;
    QSharedPointer<OstraClass> chosenParent();
    // The class an edited class moves under (the chosen level), null when it stays.
    QSharedPointer<OstraClass> movedTo(const QSharedPointer<OstraClass> &n_edited);
    void report(int n_key, bool n_boxWithoutColleague);
    void refuseClash();
    static QString cut(const QString &n_name);

    std::unique_ptr<Ui::wClassArea> ui;
    OstraClass *m_root = nullptr;
    QString m_uid;
    QString m_parentUid;
    ClassColleague *m_colleague = nullptr;
    bool m_showErrors = true;
    bool m_loaded = false;
    // The description's limit: raised to a loaded description's length.
    int m_descriptionLimit = DESCRIPTION_LIMIT;
    bool m_levelsPending = false;
};

#endif // WCLASSAREA_H
