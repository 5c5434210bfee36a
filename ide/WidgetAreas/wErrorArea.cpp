#include "WidgetAreas/wErrorArea.h"
#include "ui_wErrorArea.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "WidgetAreas/MessageItem.h"

#include <QAction>
#include <QHeaderView>
#include <QObject>
#include <QSignalBlocker>
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
                                texts.getTextById(texts.getErrorBeginKey() + m_clearTextOffset),
                                this);
    connect(m_clearAction, &QAction::triggered, this, &wErrorArea::clearErrorGrid);
    m_toolBar->addAction(m_clearAction);
    ui->verticalLayout->insertWidget(0, m_toolBar);

    // Made once: decoding an icon file for every row would dominate a long report.
    const char *const kinds[KIND_COUNT] = {"error", "warning", "information"};
    for (int kind = 0; kind < KIND_COUNT; ++kind) {
        const QString word = QLatin1String(kinds[kind]);
        const QString iconPath = QStringLiteral(":/prog/Images/16x16/%1 message.png").arg(word);
        m_kindCells[kind].message.setIcon(QIcon(iconPath));
        m_kindCells[kind].message.setText(QString());
        m_kindCells[kind].kind.setText(word);
    }
    m_emptyCell.setText(QString());

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
    QAbstractItemModel *model = table->model();
    int row = first;
    {
        // The rows are new and already scheduled for painting: one notice for the whole range
        // instead of one per cell.
        const QSignalBlocker quiet(model);
        for (const MessageItem &message : n_messages)
            fillRow(row++, message);
    }
    emit model->dataChanged(model->index(first, 0),
                            model->index(row - 1, model->columnCount() - 1));
}

void wErrorArea::fillRow(int n_row, const MessageItem &n_message)
{
    const int kind = n_message.getMessageType() - ERROR_MESSAGE;
    if (kind < 0 || kind >= KIND_COUNT)
        return; // an unknown kind leaves its row empty
    // Copies of cells made once share their icon and texts with the original; only the message
    // text is the row's own.
    const RowCells &cells = m_kindCells[kind];
    auto *message = new QTableWidgetItem(cells.message);
    message->setText(n_message.getInformation());
    const QString uid = n_message.getUid();
    auto *uidCell = uid.isEmpty() ? new QTableWidgetItem(m_emptyCell) : new QTableWidgetItem(uid);
    QTableWidget *table = ui->twErorr;
    table->setItem(n_row, COLUMN_MESSAGE, message);
    table->setItem(n_row, COLUMN_UID, uidCell);
    table->setItem(n_row, COLUMN_KIND, new QTableWidgetItem(cells.kind));
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
        ->setData(Qt::DisplayRole,
                  texts.getTextById(texts.getErrorAreaBeginKey() + m_headerTextOffset));
}

void wErrorArea::clearErrorGrid()
{
    clear();
}
