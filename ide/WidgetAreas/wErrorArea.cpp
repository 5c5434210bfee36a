#include "WidgetAreas/wErrorArea.h"
#include "ui_wErrorArea.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "WidgetAreas/MessageItem.h"

#include <QAction>
#include <QHeaderView>
#include <QObject>
#include <QTableWidgetItem>
#include <QToolBar>

namespace {

// Columns of the table: what is shown, then the two hidden ones.
const int COLUMN_MESSAGE = 0;
const int COLUMN_UID = 1;
const int COLUMN_KIND = 2;

const QString KIND_ERROR = QStringLiteral("error");

} // namespace

wErrorArea::wErrorArea(QWidget *parent) : QWidget(parent), ui(new Ui_wErrorArea)
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/prog/Images/24x24/error.png")));

    m_toolBar = new QToolBar(QStringLiteral("ErrorBar"), this);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);

    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    m_clearAction = new QAction(QIcon(QStringLiteral(":/prog/Images/24x24/clear.png")),
                                texts.getTextById(texts.getErrorBeginKey() + m_clearTextOffset), this);
    connect(m_clearAction, &QAction::triggered, this, &wErrorArea::clearErrorGrid);
    m_toolBar->addAction(m_clearAction);
    ui->verticalLayout->insertWidget(0, m_toolBar);

    // Made once: decoding an icon file for every row would dominate a long report.
    m_errorIcon = QIcon(QStringLiteral(":/prog/Images/16x16/error message.png"));
    m_warningIcon = QIcon(QStringLiteral(":/prog/Images/16x16/warning message.png"));
    m_informationIcon = QIcon(QStringLiteral(":/prog/Images/16x16/information message.png"));

    QTableWidget *table = ui->twErorr;
    table->setColumnCount(3);
    table->hideColumn(COLUMN_KIND);

    const QString messageHeading = texts.getTextById(texts.getErrorBeginKey() + m_headerTextOffset);
    auto *messageHeader = new QTableWidgetItem(messageHeading);
    messageHeader->setData(Qt::DisplayRole, messageHeading);
    table->setHorizontalHeaderItem(COLUMN_MESSAGE, messageHeader);
    const QString uidHeading = QObject::tr("id");
    auto *uidHeader = new QTableWidgetItem(uidHeading);
    uidHeader->setData(Qt::DisplayRole, uidHeading);
    table->setHorizontalHeaderItem(COLUMN_UID, uidHeader);

    table->hideColumn(COLUMN_UID);
    table->horizontalHeader()->setSectionResizeMode(COLUMN_MESSAGE, QHeaderView::Stretch);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

wErrorArea::~wErrorArea() = default;

void wErrorArea::setTitle(QString n_title)
{
    setWindowTitle(n_title);
}

void wErrorArea::addError(const MessageItem *n_message)
{
    if (n_message == nullptr)
        return;
    QTableWidget *table = ui->twErorr;
    const int row = table->rowCount();
    table->insertRow(row);
    fillRow(row, *n_message);
}

void wErrorArea::addErrors(const std::vector<MessageItem> &n_messages)
{
    if (n_messages.empty())
        return;
    QTableWidget *table = ui->twErorr;
    const int first = table->rowCount();
    table->setRowCount(first + static_cast<int>(n_messages.size()));
    int row = first;
    for (const MessageItem &message : n_messages)
        fillRow(row++, message);
}

void wErrorArea::fillRow(int n_row, const MessageItem &n_message)
{
    QIcon icon;
    QString kind;
    switch (n_message.getMessageType()) {
    case ERROR_MESSAGE:
        icon = m_errorIcon;
        kind = KIND_ERROR;
        break;
    case WARNING_MESSAGE:
        icon = m_warningIcon;
        kind = QStringLiteral("warning");
        break;
    case INFORMATION_MESSAGE:
        icon = m_informationIcon;
        kind = QStringLiteral("information");
        break;
    default:
        return; // an unknown kind leaves its row empty
    }
    QTableWidget *table = ui->twErorr;
    table->setItem(n_row, COLUMN_MESSAGE, new QTableWidgetItem(icon, n_message.getInformation()));
    table->setItem(n_row, COLUMN_UID, new QTableWidgetItem(n_message.getUid()));
    table->setItem(n_row, COLUMN_KIND, new QTableWidgetItem(kind));
}

void wErrorArea::clear()
{
    // All rows at once: removing them one by one from the top costs time in the square of the
    // row count and leaves the row header remapping every later insertion.
    ui->twErorr->setRowCount(0);
}

bool wErrorArea::isErrorChecked() const
{
    // Only the hidden kind column decides: a warning whose text mentions "error" is no error.
    const QTableWidget *table = ui->twErorr;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *kind = table->item(row, COLUMN_KIND);
        if (kind != nullptr && kind->text() == KIND_ERROR)
            return true;
    }
    return false;
}

void wErrorArea::retranslateUI()
{
    ui->retranslateUi(this);
    const InterfaceLanguage &texts = InterfaceLanguage::Instance();
    const QString clearText = texts.getTextById(texts.getErrorBeginKey() + m_clearTextOffset);
    m_clearAction->setText(clearText);
    m_clearAction->setToolTip(clearText);
    ui->twErorr->horizontalHeaderItem(COLUMN_MESSAGE)
        ->setData(Qt::DisplayRole, texts.getTextById(texts.getErrorAreaBeginKey() + m_headerTextOffset));
}

void wErrorArea::clearErrorGrid()
{
    clear();
}
