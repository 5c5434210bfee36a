#ifndef WPARAMETERRELATIONGROUPS_H
#define WPARAMETERRELATIONGROUPS_H

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <QWidget>

namespace Ui {
class wParameterRelationGroups;
}
class QTableWidgetItem;

// The variables of one side of a relation: one row per variable with its name in a line edit and
// its value type (number or text) in a drop-down list. Remembers whether the user changed anything.
class wParameterRelationGroups : public QWidget
{
    Q_OBJECT
public:
    explicit wParameterRelationGroups(QWidget *n_parent = nullptr);
    ~wParameterRelationGroups() override;

    void setLable(QString n_text);
    // Hides the add and remove buttons; rows made afterwards get read-only names.
    void setReadOnlyLineEdit(bool n_readOnly);

    // Shows the names with their types ("Text" for String, "Number" otherwise). Marks the table
    // changed, as every filled field does.
    void setParams(QList<QString> n_names, QHash<QString, QVariant::Type> n_types);
    // The names as typed, row by row; without rows, the names stored last.
    QList<QString> getParams();
    // The types of the rows under the names stored last (by getParams or setParams); rows beyond
    // those names are not read. Without rows, the types stored last.
    QHash<QString, QVariant::Type> getTypes();

    // The rows shown now.
    int getRowCount() const;

    void setIsChanged(bool n_changed);
    bool getIsChanged() const;

    void clear();
    void setParameterNames(QList<QString> n_names);
    QList<QString> getAllCells() const;

private slots:
    void on_btnAddParameter_clicked();
    void on_btnRemoveParameter_clicked();
    void on_twParameters_itemChanged(QTableWidgetItem *n_item);
    void onItemChange();

private:
    void addRow();
    void removeAllRows();
    QString nameAt(int n_row) const;
    QString typeTextAt(int n_row) const;

    Ui::wParameterRelationGroups *ui;
    int m_columnCount;
    bool m_readOnly;
    bool m_changed;
    QList<QString> m_names;
    QHash<QString, QVariant::Type> m_types;
    int m_keyNameHeader;
    int m_keyTypeHeader;
    int m_keyNumber;
    int m_keyText;
};

#endif // WPARAMETERRELATIONGROUPS_H
