#include "../TextTables.h"

#include "Entities/Language/InterfaceLanguage.h"
#include "WidgetAreas/MessageItem.h"
#include "WidgetAreas/wConsoleArea.h"
#include "WidgetAreas/wErrorArea.h"

#include <QAction>
#include <QHeaderView>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

QImage iconImage(const QIcon &n_icon)
{
    return n_icon.pixmap(16, 16).toImage();
}

QImage resourceImage(const QString &n_path)
{
    return iconImage(QIcon(n_path));
}

QStringList paragraphs(const QTextEdit *n_log)
{
    QStringList result;
    for (QTextBlock block = n_log->document()->begin(); block.isValid(); block = block.next())
        result << block.text();
    return result;
}

QString kindOf(const QTableWidget *n_table, int n_row)
{
    const QTableWidgetItem *item = n_table->item(n_row, 2);
    return item == nullptr ? QString() : item->text();
}

// Which of the three message icons an item shows, or "none".
QString iconName(const QTableWidgetItem *n_item)
{
    const QImage image = iconImage(n_item->icon());
    for (const char *name : {"error", "warning", "information"})
        if (image
            == resourceImage(
                QStringLiteral(":/prog/Images/16x16/%1 message.png").arg(QLatin1String(name))))
            return QLatin1String(name);
    return QStringLiteral("none");
}

// Every cell as the user sees it: text and icon, or "null" for an empty cell.
QStringList tableCells(const QTableWidget *n_table)
{
    QStringList cells;
    for (int row = 0; row < n_table->rowCount(); ++row)
        for (int column = 0; column < n_table->columnCount(); ++column) {
            const QTableWidgetItem *item = n_table->item(row, column);
            cells << (item == nullptr ? QStringLiteral("null")
                                      : item->text() + QLatin1Char('|') + iconName(item));
        }
    return cells;
}

} // namespace

class tst_OutputPanes : public QObject
{
    Q_OBJECT

private slots:
    void messageItemKeepsItsFields();

    void consoleIsBuiltAsItsForm();
    void consoleAppendsOneParagraphPerLine();
    void consoleShowsMarkupAsText();
    void consoleEmptyListOnlyMovesCursor();
    void consoleClears();

    void errorListIsBuiltAsItsForm();
    void errorListAddsRowPerMessageType();
    void errorListUnknownTypeLeavesEmptyRowAndNullAddsNothing();
    void errorListCopiesMessageOwnedBySender();
    void errorListClears();
    void errorCheckFollowsTheKindColumn_data();
    void errorCheckFollowsTheKindColumn();
    void errorBatchGivesTheRowsOfSingleAdds_data();
    void errorBatchGivesTheRowsOfSingleAdds();

    void clearActionsClearOnlyTheirOwnPane();
    void retranslationRereadsTexts();
};

void tst_OutputPanes::messageItemKeepsItsFields()
{
    const MessageItem item(WARNING_MESSAGE, QStringLiteral("uid-1"), QStringLiteral("Текст"));
    QCOMPARE(item.getMessageType(), WARNING_MESSAGE);
    QCOMPARE(item.getUid(), QStringLiteral("uid-1"));
    QCOMPARE(item.getInformation(), QStringLiteral("Текст"));
    QCOMPARE(int(ERROR_MESSAGE), 1);
    QCOMPARE(int(WARNING_MESSAGE), 2);
    QCOMPARE(int(INFORMATION_MESSAGE), 3);
}

void tst_OutputPanes::consoleIsBuiltAsItsForm()
{
    wConsoleArea console(nullptr);
    QCOMPARE(console.objectName(), QStringLiteral("wConsoleArea"));
    QCOMPARE(console.windowTitle(), QStringLiteral("Консоль"));
    QCOMPARE(iconImage(console.windowIcon()),
             resourceImage(QStringLiteral(":/prog/Images/24x24/console.png")));

    auto *layout = console.findChild<QVBoxLayout *>(QStringLiteral("verticalLayout"));
    auto *log = console.findChild<QTextEdit *>(QStringLiteral("teConsole"));
    QVERIFY(layout != nullptr && log != nullptr);
    QVERIFY(log->isReadOnly());

    // The tool bar stands above the log and holds the one clear action.
    auto *toolBar = qobject_cast<QToolBar *>(layout->itemAt(0)->widget());
    QVERIFY(toolBar != nullptr);
    QCOMPARE(layout->itemAt(1)->widget(), log);
    QCOMPARE(toolBar->windowTitle(), QStringLiteral("ErrorBar"));
    QCOMPARE(toolBar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    QCOMPARE(toolBar->actions().size(), 1);
    QAction *clear = toolBar->actions().first();
    QCOMPARE(clear->text(), QStringLiteral("Очистить"));
    QCOMPARE(iconImage(clear->icon()),
             resourceImage(QStringLiteral(":/prog/Images/24x24/clear.png")));
}

void tst_OutputPanes::consoleAppendsOneParagraphPerLine()
{
    wConsoleArea console(nullptr);
    auto *log = console.findChild<QTextEdit *>(QStringLiteral("teConsole"));
    // Empty lines are paragraphs too, the first one included.
    console.setInformation({QString(), QStringLiteral("Шаг №1"), QStringLiteral("Правило:")});
    QCOMPARE(paragraphs(log),
             QStringList({QString(), QStringLiteral("Шаг №1"), QStringLiteral("Правило:")}));
    console.setInformation({QStringLiteral("Результат:"), QString()});
    QCOMPARE(paragraphs(log),
             QStringList({QString(), QStringLiteral("Шаг №1"), QStringLiteral("Правило:"),
                          QStringLiteral("Результат:"), QString()}));
    QVERIFY(log->textCursor().atEnd());
}

void tst_OutputPanes::consoleShowsMarkupAsText()
{
    wConsoleArea console(nullptr);
    auto *log = console.findChild<QTextEdit *>(QStringLiteral("teConsole"));
    const QStringList lines = {QStringLiteral("<b>a</b> = 1"), QStringLiteral("x < y && y > z"),
                               QStringLiteral("<p>two<br>lines</p>")};
    console.setInformation(lines);
    QCOMPARE(paragraphs(log), lines);
}

void tst_OutputPanes::consoleEmptyListOnlyMovesCursor()
{
    wConsoleArea console(nullptr);
    auto *log = console.findChild<QTextEdit *>(QStringLiteral("teConsole"));
    console.setInformation({});
    QCOMPARE(log->toPlainText(), QString());

    console.setInformation({QStringLiteral("первая"), QStringLiteral("вторая")});
    QTextCursor start = log->textCursor();
    start.movePosition(QTextCursor::Start);
    log->setTextCursor(start);
    console.setInformation({});
    QCOMPARE(paragraphs(log), QStringList({QStringLiteral("первая"), QStringLiteral("вторая")}));
    QVERIFY(log->textCursor().atEnd());
}

void tst_OutputPanes::consoleClears()
{
    wConsoleArea console(nullptr);
    auto *log = console.findChild<QTextEdit *>(QStringLiteral("teConsole"));
    console.setInformation({QStringLiteral("a"), QStringLiteral("b")});
    console.clear();
    QCOMPARE(log->toPlainText(), QString());
    // After clearing, the next line again starts the log.
    console.setInformation({QStringLiteral("c")});
    QCOMPARE(paragraphs(log), QStringList({QStringLiteral("c")}));
}

void tst_OutputPanes::errorListIsBuiltAsItsForm()
{
    wErrorArea errors(nullptr);
    QCOMPARE(errors.objectName(), QStringLiteral("wErrorArea"));
    QCOMPARE(errors.windowTitle(), QStringLiteral("Ошибки"));
    QCOMPARE(iconImage(errors.windowIcon()),
             resourceImage(QStringLiteral(":/prog/Images/24x24/error.png")));

    auto *table = errors.findChild<QTableWidget *>(QStringLiteral("twErorr"));
    QVERIFY(table != nullptr);
    QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(table->columnCount(), 3);
    QVERIFY(!table->isColumnHidden(0));
    QVERIFY(table->isColumnHidden(1));
    QVERIFY(table->isColumnHidden(2));
    QCOMPARE(table->horizontalHeader()->sectionResizeMode(0), QHeaderView::Stretch);
    QCOMPARE(table->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Проблемный объект"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("id"));
    QVERIFY(table->horizontalHeaderItem(2) == nullptr);

    auto *layout = errors.findChild<QVBoxLayout *>(QStringLiteral("verticalLayout"));
    auto *toolBar = qobject_cast<QToolBar *>(layout->itemAt(0)->widget());
    QVERIFY(toolBar != nullptr);
    QCOMPARE(toolBar->actions().size(), 1);
    QCOMPARE(toolBar->actions().first()->text(), QStringLiteral("Очистить"));
}

void tst_OutputPanes::errorListAddsRowPerMessageType()
{
    wErrorArea errors(nullptr);
    auto *table = errors.findChild<QTableWidget *>(QStringLiteral("twErorr"));
    const MessageItem error(ERROR_MESSAGE, QStringLiteral("id-1"), QStringLiteral("Первое"));
    const MessageItem warning(WARNING_MESSAGE, QStringLiteral("id-2"), QStringLiteral("Второе"));
    const MessageItem information(INFORMATION_MESSAGE, QString(), QStringLiteral("Третье"));
    errors.addError(&error);
    errors.addError(&warning);
    errors.addError(&information);

    const struct
    {
        const char *text;
        const char *uid;
        const char *kind;
        const char *icon;
    } rows[] = {
        {"Первое", "id-1", "error", ":/prog/Images/16x16/error message.png"},
        {"Второе", "id-2", "warning", ":/prog/Images/16x16/warning message.png"},
        {"Третье", "", "information", ":/prog/Images/16x16/information message.png"},
    };
    QCOMPARE(table->rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(table->item(row, 0)->text(), QString::fromUtf8(rows[row].text));
        QCOMPARE(iconImage(table->item(row, 0)->icon()),
                 resourceImage(QString::fromUtf8(rows[row].icon)));
        QCOMPARE(table->item(row, 1)->text(), QString::fromUtf8(rows[row].uid));
        QCOMPARE(kindOf(table, row), QString::fromUtf8(rows[row].kind));
    }
    // The three icons differ from each other.
    QVERIFY(iconImage(table->item(0, 0)->icon()) != iconImage(table->item(1, 0)->icon()));
    QVERIFY(iconImage(table->item(1, 0)->icon()) != iconImage(table->item(2, 0)->icon()));
    QVERIFY(errors.isErrorChecked());
}

void tst_OutputPanes::errorListUnknownTypeLeavesEmptyRowAndNullAddsNothing()
{
    wErrorArea errors(nullptr);
    auto *table = errors.findChild<QTableWidget *>(QStringLiteral("twErorr"));
    const MessageItem unknown(MessageType(0), QStringLiteral("id"), QStringLiteral("error"));
    errors.addError(&unknown);
    QCOMPARE(table->rowCount(), 1);
    for (int column = 0; column < 3; ++column)
        QVERIFY(table->item(0, column) == nullptr);
    QVERIFY(!errors.isErrorChecked());

    errors.addError(nullptr);
    QCOMPARE(table->rowCount(), 1);
}

void tst_OutputPanes::errorListCopiesMessageOwnedBySender()
{
    wErrorArea errors(nullptr);
    auto *table = errors.findChild<QTableWidget *>(QStringLiteral("twErorr"));
    {
        auto message = std::make_unique<MessageItem>(ERROR_MESSAGE, QStringLiteral("uid"),
                                                     QStringLiteral("Сообщение"));
        errors.addError(message.get());
    } // the sender's record is gone; the row must not depend on it
    {
        const MessageItem onStack(WARNING_MESSAGE, QStringLiteral("uid2"),
                                  QStringLiteral("Второе"));
        errors.addError(&onStack);
    }
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Сообщение"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("uid"));
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("Второе"));
    QCOMPARE(kindOf(table, 1), QStringLiteral("warning"));
}

void tst_OutputPanes::errorListClears()
{
    wErrorArea errors(nullptr);
    auto *table = errors.findChild<QTableWidget *>(QStringLiteral("twErorr"));
    errors.clear();
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(table->columnCount(), 3);

    const MessageItem error(ERROR_MESSAGE, QString(), QStringLiteral("a"));
    for (int i = 0; i < 4; ++i)
        errors.addError(&error);
    QVERIFY(errors.isErrorChecked());
    errors.clear();
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(table->columnCount(), 3);
    QVERIFY(!errors.isErrorChecked());
}

void tst_OutputPanes::errorCheckFollowsTheKindColumn_data()
{
    QTest::addColumn<QList<int>>("types");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("hasError");
    QTest::newRow("empty") << QList<int>() << QStringList() << false;
    QTest::newRow("warning and information")
        << QList<int>({2, 3}) << QStringList({QStringLiteral("w"), QStringLiteral("i")}) << false;
    QTest::newRow("texts mentioning errors are no errors")
        << QList<int>({2, 3, 3})
        << QStringList({QStringLiteral("Error in formula"), QStringLiteral("no ERRORS found"),
                        QStringLiteral("error")})
        << false;
    QTest::newRow("uid mentioning error")
        << QList<int>({3}) << QStringList({QStringLiteral("x")}) << false;
    QTest::newRow("one error among others")
        << QList<int>({3, 1, 2})
        << QStringList({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}) << true;
    QTest::newRow("error with empty text") << QList<int>({1}) << QStringList({QString()}) << true;
}

void tst_OutputPanes::errorCheckFollowsTheKindColumn()
{
    QFETCH(QList<int>, types);
    QFETCH(QStringList, texts);
    QFETCH(bool, hasError);
    wErrorArea errors(nullptr);
    for (int i = 0; i < types.size(); ++i) {
        const MessageItem message(MessageType(types.at(i)), QStringLiteral("error-uid"),
                                  texts.at(i));
        errors.addError(&message);
    }
    QCOMPARE(errors.isErrorChecked(), hasError);
}

void tst_OutputPanes::errorBatchGivesTheRowsOfSingleAdds_data()
{
    QTest::addColumn<int>("rowsBefore");
    QTest::addColumn<QList<int>>("types");
    QTest::addColumn<bool>("hasError");
    QTest::newRow("empty batch") << 2 << QList<int>() << false;
    QTest::newRow("one of each kind") << 0 << QList<int>({1, 2, 3}) << true;
    QTest::newRow("unknown kind leaves its row empty") << 0 << QList<int>({2, 0, 3}) << false;
    QTest::newRow("appended after earlier rows") << 3 << QList<int>({3, 3, 1, 2}) << true;
}

void tst_OutputPanes::errorBatchGivesTheRowsOfSingleAdds()
{
    QFETCH(int, rowsBefore);
    QFETCH(QList<int>, types);
    QFETCH(bool, hasError);
    wErrorArea single(nullptr);
    wErrorArea batch(nullptr);
    const MessageItem earlier(WARNING_MESSAGE, QStringLiteral("old"), QStringLiteral("earlier"));
    for (int row = 0; row < rowsBefore; ++row) {
        single.addError(&earlier);
        batch.addError(&earlier);
    }
    std::vector<MessageItem> messages;
    for (int index = 0; index < types.size(); ++index)
        messages.emplace_back(MessageType(types.at(index)), QStringLiteral("uid%1").arg(index),
                              QStringLiteral("text %1").arg(index));
    for (const MessageItem &message : messages)
        single.addError(&message);
    batch.addErrors(messages);

    const auto *singleTable = single.findChild<QTableWidget *>(QStringLiteral("twErorr"));
    const auto *batchTable = batch.findChild<QTableWidget *>(QStringLiteral("twErorr"));
    QCOMPARE(batchTable->rowCount(), rowsBefore + types.size());
    QCOMPARE(tableCells(batchTable), tableCells(singleTable));
    QCOMPARE(batch.isErrorChecked(), hasError);
}

void tst_OutputPanes::clearActionsClearOnlyTheirOwnPane()
{
    wConsoleArea console(nullptr);
    wErrorArea errors(nullptr);
    auto *log = console.findChild<QTextEdit *>(QStringLiteral("teConsole"));
    auto *table = errors.findChild<QTableWidget *>(QStringLiteral("twErorr"));
    const auto clearAction = [](QWidget *n_pane) {
        return n_pane->findChild<QToolBar *>()->actions().first();
    };

    console.setInformation({QStringLiteral("line")});
    const MessageItem error(ERROR_MESSAGE, QString(), QStringLiteral("e"));
    errors.addError(&error);

    clearAction(&console)->trigger();
    QCOMPARE(log->toPlainText(), QString());
    QCOMPARE(table->rowCount(), 1);

    console.setInformation({QStringLiteral("line")});
    clearAction(&errors)->trigger();
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(log->toPlainText(), QStringLiteral("line"));
}

void tst_OutputPanes::retranslationRereadsTexts()
{
    wConsoleArea console(nullptr);
    wErrorArea errors(nullptr);
    auto *table = errors.findChild<QTableWidget *>(QStringLiteral("twErorr"));
    const auto clearAction = [](QWidget *n_pane) {
        return n_pane->findChild<QToolBar *>()->actions().first();
    };

    errors.retranslateUI();
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Проблемы"));

    InstalledCatalogue english(Catalogue::English);
    QVERIFY(english.isLoaded());
    console.setTitle(QStringLiteral("custom"));
    console.retranslateUI();
    errors.retranslateUI();
    QCOMPARE(console.windowTitle(), QStringLiteral("Console"));
    QCOMPARE(errors.windowTitle(), QStringLiteral("Errors"));
    for (QWidget *pane : {static_cast<QWidget *>(&console), static_cast<QWidget *>(&errors)}) {
        QCOMPARE(clearAction(pane)->text(), QStringLiteral("Clear"));
        QCOMPARE(clearAction(pane)->toolTip(), QStringLiteral("Clear"));
    }
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Problems"));
    // The uid heading is set once, when the pane is built.
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("id"));
}

QTEST_MAIN(tst_OutputPanes)
#include "tst_outputpanes.moc"
