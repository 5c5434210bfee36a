#include "WidgetAreas/wConsoleArea.h"
#include "ui_wConsoleArea.h"

#include "Entities/Language/InterfaceLanguage.h"

#include <QAction>
#include <QTextCursor>
#include <QToolBar>

wConsoleArea::wConsoleArea(QWidget *parent) : QWidget(parent), ui(new Ui_wConsoleArea)
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/prog/Images/24x24/console.png")));

    m_toolBar = new QToolBar(QStringLiteral("ErrorBar"), this);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);

    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    m_clearAction = new QAction(QIcon(QStringLiteral(":/prog/Images/24x24/clear.png")),
                                texts.getTextById(texts.getErrorAreaBeginKey() + m_clearTextOffset),
                                this);
    connect(m_clearAction, &QAction::triggered, this, &wConsoleArea::clearConsole);
    m_toolBar->addAction(m_clearAction);
    ui->verticalLayout->insertWidget(0, m_toolBar);
}

wConsoleArea::~wConsoleArea() = default;

void wConsoleArea::setTitle(QString n_title)
{
    setWindowTitle(n_title);
}

void wConsoleArea::setIcon(QIcon n_icon)
{
    setWindowIcon(n_icon);
}

void wConsoleArea::setInformation(QStringList n_lines)
{
    QTextCursor cursor(ui->teConsole->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    for (const QString &line : n_lines) {
        if (!m_logEmpty)
            cursor.insertBlock();
        // Lines carry user data (names, values): never read them as markup.
        cursor.insertText(line);
        m_logEmpty = false;
    }
    cursor.endEditBlock();
    QTextCursor end = ui->teConsole->textCursor();
    end.movePosition(QTextCursor::End);
    ui->teConsole->setTextCursor(end);
}

void wConsoleArea::clear()
{
    ui->teConsole->clear();
    m_logEmpty = true;
}

void wConsoleArea::retranslateUI()
{
    ui->retranslateUi(this);
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    const QString clearText = texts.getTextById(texts.getErrorAreaBeginKey() + m_clearTextOffset);
    m_clearAction->setText(clearText);
    m_clearAction->setToolTip(clearText);
}

void wConsoleArea::clearConsole()
{
    clear();
}
