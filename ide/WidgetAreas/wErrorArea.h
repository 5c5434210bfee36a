#ifndef WERRORAREA_H
#define WERRORAREA_H

#include <QTableWidgetItem>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class MessageItem;
class QAction;
class QToolBar;
class Ui_wErrorArea;

// The error list: one row per message (icon of its kind and text), with the element's identifier
// and the kind as a word ("error", "warning", "information") in two hidden columns.
class wErrorArea : public QWidget
{
    Q_OBJECT

public:
    explicit wErrorArea(QWidget *parent = nullptr);
    ~wErrorArea() override;

    void setTitle(QString n_title);
    // Appends a row for the message. The pane copies what it shows and keeps no reference, so the
    // caller keeps ownership; a null message adds nothing.
    void addError(const MessageItem *n_message);
    // The same rows as addError for each message in turn, inserted in one step: a long report
    // then costs one row insertion instead of one per message.
    void addErrors(const std::vector<MessageItem> &n_messages);
    void clear();
    // True exactly when some row is of the kind error; warnings and information never count.
    bool isErrorChecked() const;
    void retranslateUI();

private slots:
    void clearErrorGrid();

private:
    // Fills the cells of an inserted row; an unknown kind leaves them empty.
    void fillRow(int n_row, const MessageItem &n_message);

    QToolBar *m_toolBar = nullptr;
    std::unique_ptr<Ui_wErrorArea> ui;
    QAction *m_clearAction = nullptr;
    int m_headerTextOffset = 10;
    int m_clearTextOffset = 20;
    // Per kind of message (error, warning, information): the message cell with its icon and the
    // hidden kind cell, copied into every row of that kind.
    struct RowCells
    {
        QTableWidgetItem message;
        QTableWidgetItem kind;
    };
    static constexpr int KIND_COUNT = 3;
    RowCells m_kindCells[KIND_COUNT];
    QTableWidgetItem m_emptyCell;
};

#endif // WERRORAREA_H
