#ifndef WCONSOLEAREA_H
#define WCONSOLEAREA_H

#include <QIcon>
#include <QStringList>
#include <QWidget>

#include <memory>

class QAction;
class QToolBar;
class Ui_wConsoleArea;

// The console pane: a read-only log of text lines (class-test results and other reports) with a
// clear action on its tool bar.
class wConsoleArea : public QWidget
{
    Q_OBJECT

public:
    explicit wConsoleArea(QWidget *parent = nullptr);
    ~wConsoleArea() override;

    void setTitle(QString n_title);
    void setIcon(QIcon n_icon);
    // Appends each line as a paragraph of its own, as plain text, and scrolls to the end.
    void setInformation(QStringList n_lines);
    void clear();
    void retranslateUI();

private slots:
    void clearConsole();

private:
    std::unique_ptr<Ui_wConsoleArea> ui;
    QAction *m_clearAction = nullptr;
    int m_clearTextOffset = 20;
    QToolBar *m_toolBar = nullptr;
    // True while the log holds no line: its one empty paragraph then takes the next line.
    bool m_logEmpty = true;
};

#endif // WCONSOLEAREA_H
