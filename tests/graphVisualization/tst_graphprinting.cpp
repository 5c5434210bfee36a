#include "PdfPrinting.h"

#include "GraphTestSupport.h"
#include "MessageBoxes.h"
#include "graphVisualization/LayeredGraphWidget.h"
#include "graphVisualization/ParameterItem.h"
#include "model/OstraModel.h"

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

const QRegularExpression FOOTER(QStringLiteral("Page #\\d+ of \\d+"));

// The text of each page of a printed file.
QStringList pageTexts(const QString &n_file)
{
    QStringList texts;
    for (int page = 1; page <= pdfPageCount(n_file); ++page)
        texts << runTool(QStringLiteral("pdftotext"),
                         {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                          QString::number(page), n_file, QStringLiteral("-")});
    return texts;
}

// The footers of a printed file, page by page.
QStringList footers(const QString &n_file)
{
    QStringList found;
    for (const QString &text : pageTexts(n_file)) {
        const QRegularExpressionMatch match = FOOTER.match(text);
        found.append(match.hasMatch() ? match.captured(0) : QString());
    }
    return found;
}

// The view's scene printed to a PDF file through the preview, as the user confirms it.
void printToPdf(LayeredGraphWidget &n_view, const QString &n_file)
{
    MessageBoxes::setDialogHandler([&n_file](QDialog &n_dialog) {
        QPrinter printer(QPrinter::ScreenResolution);
        preparePdfPrinter(printer, n_file);
        emit qobject_cast<QPrintPreviewDialog *>(&n_dialog)->paintRequested(&printer);
        return int(QDialog::Accepted);
    });
    n_view.print();
    MessageBoxes::setDialogHandler({});
}

// Fails unless every page shows more than its footer and every name stands, as a word, on a page.
void verifyEveryNameOnAPage(const QString &n_file, const QStringList &n_names)
{
    QSet<QString> words;
    const QStringList texts = pageTexts(n_file);
    QVERIFY(!texts.isEmpty());
    for (const QString &text : texts) {
        const QStringList onPage = QString(text).remove(FOOTER).split(
            QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        QVERIFY2(!onPage.isEmpty(), qPrintable(QStringLiteral("blank page ") + text.trimmed()));
        words.unite(QSet<QString>(onPage.cbegin(), onPage.cend()));
    }
    for (const QString &name : n_names)
        QVERIFY2(words.contains(name), qPrintable(name + QStringLiteral(" is on no page")));
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
    void tilesMeetAndCoverTheItems_data();
    void tilesMeetAndCoverTheItems();
    void itemsAwayFromTheOriginArePrinted_data();
    void itemsAwayFromTheOriginArePrinted();
    void examplesRunThreeTimesArePrinted_data();
    void examplesRunThreeTimesArePrinted();
    void secondPrintReplacesTheFirstDialog();

private:
    QSize m_page;
    QMarginsF m_margins;
};

void tst_GraphPrinting::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()
                 && !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
             "pdfinfo and pdftotext (poppler-utils, installed by scripts/setup.sh) are needed");
    QPrinter probe(QPrinter::ScreenResolution);
    preparePdfPrinter(probe, QStringLiteral("unused.pdf"));
    m_page = probe.pageRect(QPrinter::DevicePixel).toRect().size();
    m_margins = probe.pageLayout().margins();
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
    QCOMPARE(footers(file), expected);
    // The footer never stays in the on-screen scene.
    QCOMPARE(view.scene()->items().size(), itemsBefore);
}

void tst_GraphPrinting::tilesMeetAndCoverTheItems_data()
{
    // The items' top-left and size, in tiles of (page - 10).
    QTest::addColumn<QPointF>("corner");
    QTest::addColumn<QSizeF>("tiles");
    QTest::addColumn<int>("pages");
    QTest::newRow("at the origin") << QPointF(0, 0) << QSizeF(0.5, 0.5) << 1;
    QTest::newRow("one page far right and below") << QPointF(3000, 2000) << QSizeF(0.5, 0.5) << 1;
    QTest::newRow("six pages far right and below")
        << QPointF(3000.5, 2000.25) << QSizeF(2.5, 1.5) << 6;
    QTest::newRow("left of and above the origin") << QPointF(-5000, -4000) << QSizeF(1.5, 0.5) << 2;
}

void tst_GraphPrinting::tilesMeetAndCoverTheItems()
{
    QFETCH(QPointF, corner);
    QFETCH(QSizeF, tiles);
    QFETCH(int, pages);
    const QRectF extent(corner, QSizeF(tiles.width() * (m_page.width() - 10),
                                       tiles.height() * (m_page.height() - 10)));
    const QVector<QRect> printed = LayeredGraphWidget::printTiles(extent, m_page, m_margins);
    QCOMPARE(printed.size(), pages);
    QRegion covered;
    for (const QRect &tile : printed) {
        QVERIFY(tile.intersects(extent.toAlignedRect()));
        covered += tile;
    }
    QVERIFY(QRegion(extent.toAlignedRect()).subtracted(covered).isEmpty());
}

void tst_GraphPrinting::itemsAwayFromTheOriginArePrinted_data()
{
    // Named items at a corner and, from it, at these points in pages; one name on every tile.
    QTest::addColumn<QPointF>("corner");
    QTest::addColumn<QList<QPointF>>("spread");
    QTest::addColumn<int>("pages");
    QTest::newRow("one page") << QPointF(3000, 2000) << QList<QPointF>{{0.4, 0.4}} << 1;
    QTest::newRow("six pages") << QPointF(3000, 2000)
                               << QList<QPointF>{{0.4, 0.4}, {1.4, 0.4}, {2.4, 0.4},
                                                 {0.4, 1.4}, {1.4, 1.4}, {2.4, 1.4}}
                               << 6;
    QTest::newRow("left of and above the origin")
        << QPointF(-5000, -4000) << QList<QPointF>{{0.4, 0.4}, {1.4, 0.4}} << 2;
}

void tst_GraphPrinting::itemsAwayFromTheOriginArePrinted()
{
    QFETCH(QPointF, corner);
    QFETCH(QList<QPointF>, spread);
    QFETCH(int, pages);
    LayeredGraphWidget view(QSharedPointer<OstraClass>(), nullptr);
    QStringList names{QStringLiteral("corner")};
    view.scene()->addSimpleText(names.first())->setPos(corner);
    for (const QPointF &at : spread) {
        names << QStringLiteral("node%1").arg(names.size());
        view.scene()
            ->addSimpleText(names.last())
            ->setPos(corner + QPointF(at.x() * m_page.width(), at.y() * m_page.height()));
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("graph.pdf"));
    printToPdf(view, file);
    QCOMPARE(pdfPageCount(file), pages);
    verifyEveryNameOnAPage(file, names);
}

void tst_GraphPrinting::examplesRunThreeTimesArePrinted_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<QStringList>("required");
    QTest::newRow("loan") << QStringLiteral("loan.xml") << QStringList{QStringLiteral("payment")};
    QTest::newRow("beam") << QStringLiteral("beam.xml")
                          << QStringList{QStringLiteral("delta"), QStringLiteral("sigma"),
                                         QStringLiteral("verdict")};
}

// As the class test runs: the defaults as known values, no default used by the solver; each run
// draws the graph again, further right.
void tst_GraphPrinting::examplesRunThreeTimesArePrinted()
{
    QFETCH(QString, example);
    QFETCH(QStringList, required);
    QFile source(QStringLiteral(SOURCE_ROOT_DIR "/examples/") + example);
    ModelManager manager;
    manager.loadModel(source);
    const QSharedPointer<OstraClass> root = manager.getActiveModel()->getRootClass();
    QHash<QString, QVariant> known;
    QList<QString> requiredIds;
    for (const auto &parameter : root->getParametersHash()) {
        if (parameter->hasDefaultValue())
            known.insert(parameter->getId(), parameter->getDefaultValue());
        if (required.contains(parameter->getShortName()))
            requiredIds << parameter->getId();
    }
    LayeredGraphWidget view(root, nullptr);
    for (int run = 0; run < 3; ++run) {
        AlgorithmSolution solution = solveAtRuntime(*root, known, requiredIds);
        view.ChangeDataFromTestActions(solution, LayeredGraphWidget::SOLUTION_RULE);
    }
    QStringList names;
    for (const ParameterItem *node : itemsOf<ParameterItem>(&view))
        names << node->getLabelName();
    for (const QString &name : required)
        QVERIFY(names.contains(name));

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("graph.pdf"));
    printToPdf(view, file);
    verifyEveryNameOnAPage(file, names);
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
