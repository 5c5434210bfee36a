#include "PdfPrinting.h"

#include "MessageBoxes.h"
#include "graphVisualization/LayeredGraphWidget.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The footers of a printed file, page by page.
QStringList footers(const QString &n_file, int n_pages)
{
    QStringList found;
    for (int page = 1; page <= n_pages; ++page) {
        const QString text = runTool(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-f"), QString::number(page),
                                      QStringLiteral("-l"), QString::number(page), n_file,
                                      QStringLiteral("-")});
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("Page #\\d+ of \\d+")).match(text);
        found.append(match.hasMatch() ? match.captured(0) : QString());
    }
    return found;
}

} // namespace

class tst_GraphPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void pagesCount_data();
    void pagesCount();
    void tilesAndFooters_data();
    void tilesAndFooters();
    void secondPrintReplacesTheFirstDialog();

private:
    QSize m_page;
};

void tst_GraphPrinting::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()
                 && !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
             "pdfinfo and pdftotext (poppler-utils, installed by scripts/setup.sh) are needed");
    QPrinter probe(QPrinter::ScreenResolution);
    preparePdfPrinter(probe, QStringLiteral("unused.pdf"));
    m_page = probe.pageRect(QPrinter::DevicePixel).toRect().size();
    QVERIFY(m_page.width() > m_page.height());
}

void tst_GraphPrinting::cleanup()
{
    MessageBoxes::setDialogHandler({});
}

void tst_GraphPrinting::pagesCount_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<int>("tiles");
    // Page length 110: tiles of 100.
    QTest::newRow("nothing") << 0.0 << 0;
    QTest::newRow("part of one") << 45.0 << 1;
    QTest::newRow("exactly one") << 100.0 << 1;
    QTest::newRow("exactly two") << 200.0 << 2;
    QTest::newRow("a little more") << 200.5 << 3;
}

void tst_GraphPrinting::pagesCount()
{
    QFETCH(double, length);
    QFETCH(int, tiles);
    QCOMPARE(LayeredGraphWidget::pagesCount(length, 110), tiles);
}

void tst_GraphPrinting::tilesAndFooters_data()
{
    QTest::addColumn<double>("widthInTiles");
    QTest::addColumn<double>("heightInTiles");
    QTest::addColumn<double>("extraWidth");
    QTest::addColumn<int>("from"); // 0: every page
    QTest::addColumn<int>("to");
    QTest::addColumn<QStringList>("expected"); // footer of each page that comes out; empty: none
    QTest::newRow("empty scene") << 0.0 << 0.0 << 0.0 << 0 << 0 << QStringList({QString()});
    QTest::newRow("one tile") << 0.5 << 0.5 << 0.0 << 0 << 0 << QStringList({QString()});
    QTest::newRow("one and a half widths")
        << 1.5 << 0.5 << 0.0 << 0 << 0
        << QStringList({QStringLiteral("Page #1 of 2"), QStringLiteral("Page #2 of 2")});
    QTest::newRow("exactly two widths")
        << 2.0 << 0.5 << 0.0 << 0 << 0
        << QStringList({QStringLiteral("Page #1 of 2"), QStringLiteral("Page #2 of 2")});
    QTest::newRow("a little over two widths")
        << 2.0 << 0.5 << 1.0 << 0 << 0
        << QStringList({QStringLiteral("Page #1 of 3"), QStringLiteral("Page #2 of 3"),
                        QStringLiteral("Page #3 of 3")});
    QTest::newRow("four tiles, pages 2 to 3")
        << 1.5 << 1.5 << 0.0 << 2 << 3
        << QStringList({QStringLiteral("Page #2 of 4"), QStringLiteral("Page #3 of 4")});
}

void tst_GraphPrinting::tilesAndFooters()
{
    QFETCH(double, widthInTiles);
    QFETCH(double, heightInTiles);
    QFETCH(double, extraWidth);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QStringList, expected);

    LayeredGraphWidget view(QSharedPointer<OstraClass>(), nullptr);
    const QSizeF size(widthInTiles * (m_page.width() - 10) + extraWidth,
                      heightInTiles * (m_page.height() - 10));
    if (!size.isEmpty())
        view.scene()->addRect(QRectF(QPointF(0, 0), size), QPen(Qt::NoPen), QBrush(Qt::lightGray));
    const int itemsBefore = view.scene()->items().size();

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("graph.pdf"));
    int requests = 0;
    MessageBoxes::setDialogHandler([&](QDialog &n_dialog) {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(&n_dialog);
        if (preview == nullptr)
            return int(QDialog::Rejected);
        QPrinter printer(QPrinter::ScreenResolution);
        preparePdfPrinter(printer, file);
        if (from > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(from, to);
        }
        ++requests;
        emit preview->paintRequested(&printer);
        return int(QDialog::Accepted);
    });
    view.print();
    QCOMPARE(requests, 1);
    QCOMPARE(pdfPageCount(file), expected.size());
    QCOMPARE(footers(file, expected.size()), expected);
    // The footer never stays in the on-screen scene.
    QCOMPARE(view.scene()->items().size(), itemsBefore);
}

void tst_GraphPrinting::secondPrintReplacesTheFirstDialog()
{
    LayeredGraphWidget view(QSharedPointer<OstraClass>(), nullptr);
    int shown = 0;
    MessageBoxes::setDialogHandler([&](QDialog &) {
        ++shown;
        return int(QDialog::Rejected);
    });
    view.print();
    QPointer<QPrintPreviewDialog> first = view.getPreviewDialog();
    QVERIFY(!first.isNull());
    view.print();
    QVERIFY(first.isNull());
    QVERIFY(view.getPreviewDialog() != nullptr);
    QCOMPARE(shown, 2);
}

QTEST_MAIN(tst_GraphPrinting)
#include "tst_graphprinting.moc"
